# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the calculator on a virtual X server of its own and drives it the way a
user does: real pointer clicks through XTEST, windows found by their titles.

Every wait is bounded, so a broken program fails the test instead of hanging it.

Input sent through XTEST waits in the window's event queue until the program
gets to it. So nothing here reads the window's state (a copy through the
clipboard, its pixels, its windows) before a round trip proves that the window
has handled everything sent before: the window answers a _NET_WM_PING only when
its event loop reaches it, behind all the input queued before it.
"""
import contextlib
import os
import random
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import tty

TITLE = "Vyx Developer Calculator"
APPLICATION = "Calculator"  # the program's name on the accessibility bus
ABOUT_TITLE = "About Vyx Calculator"
COMMAND_TIMEOUT = 20  # seconds any single helper program may take
WAIT_LIMIT = 20       # seconds a condition may take to come true
CLEARED = b"(cleared)"  # what the clipboard holds while a copy is awaited
SCREEN = (1280, 1024)
# Where the pointer rests between clicks: off the window, on no widget with a
# tooltip. A tooltip shows below the pointer and can cover the next button.
PARK = (SCREEN[0] - 1, SCREEN[1] - 1)
# The round-trip tool, built with the tests; CTest names it in the environment.
ROUND_TRIP = os.environ.get("VYX_ROUND_TRIP", "window_round_trip")
# The other small X clients of tests/tools are built beside it.
TOOLS = os.path.dirname(ROUND_TRIP)

_CHILD = re.compile(r"^\s+(0x[0-9a-f]+) .*\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)\s*$")


# The two faces the window's fonts resolve to on Debian, from fonts-dejavu-core.
PACKAGED_FONTS = ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                  "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf")


def use_packaged_fonts(folder):
    """Makes every program started from now on see only the packaged faces the
    window's fonts resolve to, with the system's rendering settings, so that
    its pixels do not depend on which other fonts the machine has."""
    fonts = os.path.join(folder, "fonts")
    os.makedirs(fonts, exist_ok=True)
    for face in PACKAGED_FONTS:
        if not os.path.exists(face):
            raise AssertionError("%s is missing: install fonts-dejavu-core" % face)
        os.symlink(face, os.path.join(fonts, os.path.basename(face)))
    config = os.path.join(folder, "fonts.conf")
    with open(config, "w") as f:
        f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n'
                "<fontconfig><dir>%s</dir><cachedir>%s</cachedir>"
                '<include ignore_missing="yes">/etc/fonts/conf.d</include></fontconfig>\n'
                % (fonts, os.path.join(folder, "cache")))
    os.environ["FONTCONFIG_FILE"] = config


class Widget:
    """One X window of the calculator: its id and its place on the screen."""

    def __init__(self, wid, width, height, x, y):
        self.wid, self.width, self.height, self.x, self.y = wid, width, height, x, y

    @property
    def centre(self):
        return self.x + self.width // 2, self.y + self.height // 2


def wait_until(condition, what, limit=WAIT_LIMIT):
    """Polls the condition until it holds; fails with what was awaited."""
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError("gave up waiting for " + what)
        time.sleep(0.05)


class CopyNotTaken(AssertionError):
    """The window handled a click on a copy button without copying."""


class Session:
    """A private X server with the calculator running on it."""

    park = PARK  # where the pointer rests between clicks

    def __init__(self, program, wrapper=(), window_limit=WAIT_LIMIT):
        self.program = program
        self.wrapper = list(wrapper)      # a command the program runs under, such as valgrind
        self.window_limit = window_limit  # seconds the window may take to appear or answer
        self.process = None
        self.xvfb = None
        self.helpers = []
        self.folders = []  # removed as the session closes

    def _start_server(self):
        """A fresh Xvfb, which reports its display once it accepts clients. The
        number is drawn from a high range: servers that come and go on the low
        numbers could remove a live server's socket file on their way out. It
        never resets: a reset, which follows whenever the last client leaves,
        refuses connections while it lasts."""
        for _ in range(20):
            number = random.randrange(1000, 30000)
            reader, writer = os.pipe()
            self.xvfb = subprocess.Popen(
                ["Xvfb", ":%d" % number, "-displayfd", str(writer), "-screen", "0",
                 "%dx%dx24" % SCREEN, "-nolisten", "tcp", "-noreset"],
                pass_fds=(writer,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(writer)
            with os.fdopen(reader) as report:
                ready, _, _ = select.select([report], [], [], WAIT_LIMIT)
                display = report.readline().strip() if ready else ""
            if display:
                self.env = dict(os.environ, DISPLAY=":" + display)
                return
            self._stop_server()  # the display was taken: draw another
        raise AssertionError("no free display for Xvfb")

    def _stop_server(self):
        if self.xvfb is not None:
            self.xvfb.terminate()
            self.xvfb.wait(timeout=WAIT_LIMIT)
            self.xvfb = None

    # -- the program -------------------------------------------------------
    def start(self):
        """Starts a server and the calculator on it. A calculator that ends
        before its window appears fails the test, unless the server no longer
        takes clients: a server that another program on the machine disturbed
        is replaced, a bounded number of times. The calculator gets no second
        chance on a server that works."""
        for attempt in range(3):
            self._start_server()
            if self._start_program():
                return
            status, self.process = self.process.returncode, None
            if self.run("xwininfo", "-root", check=False).returncode == 0:
                raise AssertionError("the calculator ended with %d before its window appeared"
                                     % status)
            print("attempt %d: the calculator ended with %d on a server that takes no clients"
                  % (attempt + 1, status), file=sys.stderr)
            self._stop_server()
        raise AssertionError("no server kept taking clients")

    def restart(self, env=None):
        """Starts the calculator again on the same server, once it has ended,
        in the session's environment or the one given."""
        assert self.process is None, "the calculator still runs"
        if not self._start_program(env):
            raise AssertionError("the calculator ended with %d before its window appeared"
                                 % self.process.returncode)

    def _start_program(self, env=None):
        """Starts the calculator and waits for its window; false if it ended first."""
        # Untitled windows the server shows already are not the program's
        # tooltips: a compositor's own, say.
        self.others = set(self._untitled())
        self.process = subprocess.Popen(self.wrapper + [self.program], env=env or self.env)
        self.window = wait_until(
            lambda: self.find_window(TITLE) or self.process.poll() is not None,
            "the calculator window", self.window_limit)
        if self.process.poll() is not None:
            return False
        self.root = int(re.search(r"Window id: (0x[0-9a-f]+)", self.run(
            "xwininfo", "-root").stdout.decode()).group(1), 16)
        # The title is set before the window's children are made and
        # before it takes pings; the first answer means all are there.
        wait_until(lambda: self._answered(self.window_limit, may_refuse=True),
                   "the window to take pings", self.window_limit)
        self.map_widgets()
        return True

    def exit_status(self):
        """Waits for the program to end and gives its exit status."""
        status = self.process.wait(timeout=WAIT_LIMIT)
        self.process = None
        return status

    @contextlib.contextmanager
    def stopped(self):
        """Holds the program still while the block sends input: the window then
        takes all of it late and at once, as on a busy machine, whatever the
        speed of this one."""
        os.kill(self.process.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.process.pid, signal.SIGCONT)

    def running(self):
        return self.process is not None and self.process.poll() is None

    # -- synchronizing with the window ------------------------------------
    def _answered(self, limit, may_refuse=False):
        result = self.run(ROUND_TRIP, str(self.window), str(limit), check=False,
                          timeout=limit + COMMAND_TIMEOUT)
        if result.returncode == 2 and may_refuse:
            return False
        if result.returncode != 0:
            raise AssertionError(result.stderr.decode().strip() or "no round trip")
        return True

    def settle(self, limit=None):
        """Returns once the window has handled, and shown, every input sent
        before the call."""
        self._answered(limit or self.window_limit)

    def clear_the_way(self, limit=None):
        """Makes the next click reach the button it aims at, whatever input came
        before: the pointer leaves any widget, so a tooltip it brought up goes,
        and an About box that input left open is closed with its one button's
        key, since while it is open the main window ignores clicks."""
        self.run("xdotool", "mousemove", *map(str, self.park))
        self.settle(limit)
        wait_until(lambda: not self._tooltips(), "the tooltip to go")
        box = self.find_window(ABOUT_TITLE)
        if box:
            self.run("xdotool", "windowfocus", "--sync", str(box))
            self.run("xdotool", "key", "Return")
            wait_until(lambda: self.find_window(ABOUT_TITLE) is None, "the About box to close")

    def _untitled(self):
        """The top-level windows on show that have no title, the root among them."""
        return self.run("xdotool", "search", "--onlyvisible", "--maxdepth", "1", "--name",
                        "^$", check=False).stdout.split()

    def _tooltips(self):
        """The program's top-level windows on show that have no title: tooltips."""
        return [wid for wid in self._untitled() if wid not in self.others]

    # -- X helpers ---------------------------------------------------------
    def run(self, *command, stdin=None, check=True, timeout=COMMAND_TIMEOUT):
        return subprocess.run(command, env=self.env, input=stdin, capture_output=True,
                              timeout=timeout, check=check)

    def find_window(self, title):
        found = self.run("xdotool", "search", "--name", "^%s$" % re.escape(title), check=False)
        ids = found.stdout.split()
        return int(ids[0]) if ids else None

    def children(self, wid):
        """The child windows in the order the program created them."""
        listing = self.run("xwininfo", "-children", "-id", str(wid)).stdout.decode()
        found = []
        for line in listing.splitlines():
            match = _CHILD.match(line)
            if match:
                wid_text, width, height, x, y = match.groups()
                found.append(Widget(int(wid_text, 16), int(width), int(height), int(x), int(y)))
        return sorted(found, key=lambda w: w.wid)

    def map_widgets(self):
        """Names the calculator's widgets from the creation order of the window tree."""
        frame = self.children(self.window)[0]
        block, pads = self.children(frame.wid)
        cells = self.children(block.wid)
        self.recall, self.store = cells[0:3], cells[3:6]
        self.displays, self.copy = cells[6:9], cells[9:12]
        labels = [
            ["acos", "cos", "[RAD]", "!", "asin", "sin", "->rad", "sqrt", "atan", "tan",
             "->deg", "x^2", "ln", "e^x", "->E", "10^x", "log", "Pi", "->F", "1/x"],
            ["<<", ">>", "AND", "OR", "XOR"],
            ["A", "7", "8", "9", "B", "4", "5", "6", "C", "1", "2", "3", "D", "0", ".", "000",
             "E", "F", "+/-", "Del"],
            ["mod", "AC", "*", "Paste", "/", "Exit", "-", "...", "+", "="],
        ]
        self.buttons = {}
        for pad, names in zip(self.children(pads.wid), labels):
            buttons = self.children(pad.wid)
            assert len(buttons) == len(names), "pad with %d buttons" % len(buttons)
            self.buttons.update(zip(names, buttons))

    def about_button(self, box):
        """The About box's one button: the last widget of its last row."""
        widget = self.children(box)[0]
        while True:
            below = self.children(widget.wid)
            if not below:
                return widget
            widget = below[-1]

    def click(self, widget):
        x, y = widget.centre
        # No --sync: it waits for the pointer to move, which it never does when
        # it already rests on the spot. The server takes XTEST input in order.
        # The pointer leaves at once, so it brings up no tooltip.
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1",
                 "mousemove", *map(str, self.park))

    def press(self, *labels):
        for label in labels:
            self.click(self.buttons[label])

    def pixels(self, widget):
        """The widget's pixels once the window has shown every input sent before."""
        self.settle()
        return self.run("import", "-window", str(widget.wid), "ppm:-").stdout

    def picture(self, widget):
        """The widget's pixels as rows of (red, green, blue), once the window has
        shown every input sent before."""
        self.settle()
        data = self.run("import", "-window", str(widget.wid), "-depth", "8", "ppm:-").stdout
        # A binary PPM: "P6", width, height and the largest value, one blank,
        # then the pixels, which may start with a byte that reads as a blank.
        header = re.match(rb"P6\s+(\d+)\s+(\d+)\s+255\s", data)
        width, height = int(header.group(1)), int(header.group(2))
        body = data[header.end():]
        return [[tuple(body[3 * (y * width + x):3 * (y * width + x) + 3]) for x in range(width)]
                for y in range(height)]

    def screenshot(self, path):
        self.settle()
        self.run("import", "-window", str(self.window), path)

    # -- clipboard and selection ------------------------------------------
    def selection(self, name, target=None):
        """The bytes another program gets from the selection ("clipboard" or
        "primary"), asked for as the target (xclip's own choice, UTF8_STRING,
        when none is named), once the window has handled every input sent
        before."""
        if self.running():
            self.settle()
        return self._selection(name, target)

    def _selection(self, name, target=None):
        asked = ["-t", target] if target else []
        return self.run("xclip", "-o", "-selection", name, *asked, check=False).stdout

    def selection_owner(self, name):
        """The window that owns the selection now, 0 for none (a round trip)."""
        return int(self.run(os.path.join(TOOLS, "selection_owner"), name).stdout, 16)

    def kept_clipboard(self):
        """The bytes of the clipboard's text once the calculator has ended and
        someone else holds the clipboard, as a clipboard manager keeps them: the
        same as UTF8_STRING, which most programs ask for, and as STRING."""
        assert not self.running()
        wait_until(lambda: self.selection_owner("CLIPBOARD"), "an owner of the clipboard")
        text = self._selection("clipboard", "UTF8_STRING")
        assert self._selection("clipboard", "STRING") == text
        return text

    def offer(self, name, data, target=None):
        """Puts the bytes on the selection through xclip, offered as the target
        alone when one is named, and xclip keeps running to answer requests
        until another program takes the selection over."""
        offered = ["-t", target] if target else []
        helper = subprocess.Popen(["xclip", "-i", "-quiet", "-selection", name, *offered],
                                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, env=self.env)
        self.helpers.append(helper)
        helper.stdin.write(data)
        helper.stdin.close()
        wait_until(lambda: self._selection(name, target) == data, "xclip to hold the %s" % name)

    def copied(self, row, limit=None):
        """Clicks the ">" of the display row and gives what lands on the clipboard.
        Input still queued could claim the clipboard after the marker is offered,
        so the window works through it first; and the clipboard is read only
        once the window has handled the click."""
        self.clear_the_way(limit)
        self.offer("clipboard", CLEARED)
        self.click(self.copy[row])
        self.settle(limit)
        copied = self._selection("clipboard")
        if copied == CLEARED:
            raise CopyNotTaken("the window handled the click on the copy button and left "
                                 "the clipboard alone; windows on show: %r" % self.run(
                                     "xdotool", "search", "--onlyvisible", "--maxdepth", "1",
                                     "--name", ".*", check=False).stdout.split())
        return copied

    # -- keyboard ----------------------------------------------------------
    def keys(self, *names):
        """Types the keys through XTEST into the calculator, which is given the
        keyboard focus first: there is no window manager to give it."""
        self.run("xdotool", "windowfocus", "--sync", str(self.window))
        self.run("xdotool", "key", "--delay", "20", *names)

    def hold(self, name, seconds):
        """Holds a key down for a while, sent by its key code: for some keys
        (KP_Divide in newer keymaps) xdotool would press Alt too, to reach a
        level of the key that gives the same symbol."""
        table = self.run("xmodmap", "-pke").stdout.decode()
        code = re.search(r"^keycode\s+(\d+) = %s\b" % name, table, re.M).group(1)
        self.run("xdotool", "keydown", code, "sleep", str(seconds), "keyup", code)

    def close_window(self):
        """Closes the window as the window manager's close button does."""
        self.run(os.path.join(TOOLS, "window_close_request"), str(self.window))

    # -- clipboard managers ------------------------------------------------
    def clipboard_manager(self):
        """Starts Xfce's settings daemon, a desktop's clipboard manager, in a
        D-Bus session of its own, and returns once it owns CLIPBOARD_MANAGER."""
        daemon = subprocess.Popen(["dbus-run-session", "--", "xfsettingsd", "--no-daemon"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                  env=self._settings_env(), start_new_session=True)
        self.helpers.append(daemon)
        wait_until(lambda: self.selection_owner("CLIPBOARD_MANAGER") or daemon.poll() is not None,
                   "xfsettingsd to own CLIPBOARD_MANAGER")
        assert daemon.poll() is None, "xfsettingsd ended with %d" % daemon.returncode

    def _settings_env(self):
        """The environment of an Xfce settings daemon: a configuration folder
        of its own, so that it publishes the daemon's defaults, whatever the
        machine's user set, and a change a test makes lands nowhere else. The
        calculator follows the font resolution the daemon publishes."""
        folder = tempfile.mkdtemp(prefix="vyx-xfconf-")
        self.folders.append(folder)
        return dict(self.env, XDG_CONFIG_HOME=folder)

    def settings_manager(self):
        """Starts Xfce's settings daemon in a D-Bus session of its own, as
        clipboard_manager does, and returns once it owns the screen's
        XSETTINGS; xfconf() then changes its settings as Xfce's settings
        dialogs do."""
        env = self._settings_env()
        address = os.path.join(env["XDG_CONFIG_HOME"], "address")
        daemon = subprocess.Popen(
            ["dbus-run-session", "--", "sh", "-c",
             'echo "$DBUS_SESSION_BUS_ADDRESS" >"$0" && exec xfsettingsd --no-daemon', address],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env,
            start_new_session=True)
        self.helpers.append(daemon)
        wait_until(lambda: self.selection_owner("_XSETTINGS_S0") or daemon.poll() is not None,
                   "xfsettingsd to own _XSETTINGS_S0")
        assert daemon.poll() is None, "xfsettingsd ended with %d" % daemon.returncode
        with open(address) as f:
            self.settings_env = dict(env, DBUS_SESSION_BUS_ADDRESS=f.read().strip())

    def xfconf(self, *arguments):
        """xfconf-query with the arguments, on the settings daemon's bus."""
        subprocess.run(["xfconf-query", *arguments], env=self.settings_env, capture_output=True,
                       timeout=COMMAND_TIMEOUT, check=True)

    def size_log(self):
        """Starts listening to the window's size changes: the returned log's
        sizes() are all it took from now on, as the X server reported them."""
        log = SizeLog(self.env, self.window)
        self.helpers.append(log.process)
        return log

    def silent_manager(self):
        """Starts a clipboard manager that never answers; its requests() tells
        what it was asked until then."""
        manager = SilentOwner(self.env, "CLIPBOARD_MANAGER")
        self.helpers.append(manager.process)
        return manager

    # -- teardown ----------------------------------------------------------
    def close(self):
        if self.process is not None and self.process.poll() is None:
            self.process.kill()
            self.process.wait(timeout=WAIT_LIMIT)
        for helper in self.helpers:
            if helper.poll() is None:
                # A helper started in a session of its own (xfsettingsd with its
                # D-Bus daemon) goes with everything it started.
                if os.getsid(helper.pid) == helper.pid:
                    os.killpg(helper.pid, signal.SIGKILL)
                else:
                    helper.kill()
                helper.wait(timeout=WAIT_LIMIT)
        for folder in self.folders:
            shutil.rmtree(folder, ignore_errors=True)
        self.folders = []
        self._stop_server()


class WaylandSession(Session):
    """The calculator under a real Wayland compositor, through its Xwayland:
    sway with its headless backend, and the Wayland side reached with
    wl-clipboard. sway tiles the window to its whole output, so the widgets
    are found by the window's structure alone, as everywhere here. sway
    refuses to run as root: then it runs as nobody, and lets root's programs
    onto its Xwayland."""

    # The window fills the output but for the compositor's title bar above it.
    park = (0, 0)

    def _start_program(self, env=None):
        if not super()._start_program(env):
            return False
        # XTEST moves the pointer of Xwayland alone. A newer sway learns where
        # it is at the first press, and the pointer's entry it then sends
        # cancels that press. One press on the window's bare frame, where a
        # click does nothing, brings the two pointers together first.
        frame = self.children(self.window)[0]
        self.run("xdotool", "mousemove", str(frame.x + 1), str(frame.y + 1), "click", "1",
                 "mousemove", *map(str, self.park))
        self.settle()
        return True

    def _start_server(self):
        self.folder = tempfile.mkdtemp(prefix="vyx-sway-")
        os.chmod(self.folder, 0o755)
        runtime = os.path.join(self.folder, "run")
        os.mkdir(runtime, 0o700)
        ready = os.path.join(runtime, "displays")
        run_as, let_in = [], ""
        if os.geteuid() == 0:
            os.chown(runtime, 65534, 65534)
            run_as = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]
            let_in = "xhost +si:localuser:root >/dev/null && "
        config = os.path.join(self.folder, "config")
        with open(config, "w") as f:
            # Written once Xwayland takes our clients: its display, and the
            # compositor's socket.
            f.write("xwayland force\nexec sh -c '%secho \"$DISPLAY $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY\""
                    " >%s.new && mv %s.new %s'\n" % (let_in, ready, ready, ready))
        environment = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": self.folder,
                       "XDG_RUNTIME_DIR": runtime, "WLR_BACKENDS": "headless",
                       "WLR_LIBINPUT_NO_DEVICES": "1", "WLR_RENDERER": "pixman"}
        self.xvfb = subprocess.Popen(run_as + ["sway", "-c", config], env=environment,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                     start_new_session=True)
        wait_until(lambda: os.path.exists(ready) or self.xvfb.poll() is not None,
                   "sway and its Xwayland")
        if self.xvfb.poll() is not None:
            raise AssertionError("sway ended with %d: %s" % (
                self.xvfb.returncode, self.xvfb.stderr.read().decode(errors="replace")[-600:]))
        with open(ready) as f:
            display, socket = f.read().split()
        self.env = dict(os.environ, DISPLAY=display, WAYLAND_DISPLAY=socket)

    def _stop_server(self):
        if self.xvfb is not None:
            os.killpg(self.xvfb.pid, signal.SIGTERM)
            self.xvfb.wait(timeout=WAIT_LIMIT)
            self.xvfb.stderr.close()
            self.xvfb = None
            shutil.rmtree(self.folder, ignore_errors=True)

    def wayland_clipboard(self):
        """What a native Wayland program pastes: wl-paste's bytes, b"" for none."""
        return self.run("wl-paste", "--no-newline", check=False).stdout

    def wayland_copy(self, text):
        """Copies the text from a native Wayland program: wl-copy, which goes on
        serving it in the background until the clipboard changes hands."""
        subprocess.run(["wl-copy", text], env=self.env, stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=COMMAND_TIMEOUT, check=True)


class SizeLog:
    """tests/tools/window_sizes on a window."""

    def __init__(self, env, window):
        self.process = subprocess.Popen([os.path.join(TOOLS, "window_sizes"), str(window)],
                                        stdout=subprocess.PIPE, env=env, bufsize=0)
        self.seen = []
        self.pending = b""
        assert self._lines(WAIT_LIMIT) == ["ready"], "window_sizes did not start"

    def _lines(self, limit):
        """The whole lines it printed within the time, at least one if any comes."""
        lines = []
        while not lines:
            ready, _, _ = select.select([self.process.stdout], [], [], limit)
            if not ready:
                break
            data = os.read(self.process.stdout.fileno(), 65536)
            if not data:
                break
            *complete, self.pending = (self.pending + data).split(b"\n")
            lines = [line.decode() for line in complete]
            limit = 0
        return lines

    def sizes(self):
        """Every size reported so far, as (width, height)."""
        self.seen += [tuple(map(int, line.split("x"))) for line in self._lines(0)]
        return list(self.seen)

    def wait_for(self, size, since=0):
        """Returns once the window has taken the size, (width, height), in one
        of the sizes reported from the one numbered since on: a size it had
        before says nothing of a change still to come."""
        wait_until(lambda: size in self.sizes()[since:], "the window to become %dx%d" % size)


class SilentOwner:
    """tests/tools/silent_selection_owner holding the named selections."""

    def __init__(self, env, *selections):
        # Unbuffered, so that waiting on its output sees every byte it wrote.
        self.process = subprocess.Popen([os.path.join(TOOLS, "silent_selection_owner"),
                                         *selections], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, env=env, bufsize=0)
        self.seen = []
        assert self._line() == b"ready\n", "the silent owner did not start"

    def _line(self):
        ready, _, _ = select.select([self.process.stdout], [], [], WAIT_LIMIT)
        assert ready, "the silent owner did not answer"
        return self.process.stdout.readline()

    def requests(self):
        """The requests it dropped so far, as (selection, target) pairs: all
        that the server took before the call, after a round trip of its own."""
        self.process.stdin.write(b"sync\n")
        for line in iter(self._line, b"synced\n"):
            assert line, "the silent owner ended"
            self.seen.append(tuple(line.decode().split()[1:]))
        return list(self.seen)


class AccessibleSession(Session):
    """The calculator in a desktop session as a screen reader finds it: a D-Bus
    session bus of its own, on which at-spi2-core's launcher starts the
    accessibility bus and its registry. The launcher keeps its settings in
    memory, so that turning accessibility on here touches no one's desktop.
    The calculator starts once accessibility is on, unless told otherwise."""

    def __init__(self, program, enabled=True, **options):
        super().__init__(program, **options)
        self.enabled = enabled
        self.bus_daemon = self.launcher = self.monitor = self.folder = None

    def _start_server(self):
        super()._start_server()
        # The buses' sockets go to a folder of the session's own.
        self.folder = tempfile.mkdtemp(prefix="vyx-session-")
        self.env["XDG_RUNTIME_DIR"] = self.folder
        reader, writer = os.pipe()
        self.bus_daemon = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--print-address=%d" % writer],
            pass_fds=(writer,), env=self.env, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, start_new_session=True)
        os.close(writer)
        with os.fdopen(reader) as report:
            ready, _, _ = select.select([report], [], [], WAIT_LIMIT)
            address = report.readline().strip() if ready else ""
        if not address:
            raise AssertionError("the session bus did not start")
        self.env.update(DBUS_SESSION_BUS_ADDRESS=address, GSETTINGS_BACKEND="memory")
        # Every message on the session bus is logged, from before the calculator starts.
        self.messages = os.path.join(self.folder, "session-bus")
        with open(self.messages, "w") as log:
            self.monitor = subprocess.Popen(["dbus-monitor", "--address", address, "--profile"],
                                            stdout=log, stderr=subprocess.DEVNULL,
                                            start_new_session=True)
        # Monitoring starts as the monitor gives up its names.
        wait_until(lambda: "\tNameLost" in self._read(self.messages), "the bus monitor")
        self.start_accessibility_bus()
        self.enable(self.enabled)

    def start_accessibility_bus(self):
        """Launches the accessibility bus and returns once its registry answers."""
        self.launcher = subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        wait_until(lambda: "true" in self.bus_call(
            None, "org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.NameHasOwner", "org.a11y.Bus"), "the accessibility bus")
        self.address = re.search(r"'(.*)'", self.bus_call(
            None, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")).group(1)
        # A call to the registry starts it, and its answer means it serves.
        self.applications()

    @staticmethod
    def _read(path):
        with open(path) as f:
            return f.read()

    def session_calls(self):
        """The calls the calculator made on the session bus, as (serial,
        path, interface, member, answered), answered telling whether an
        answer, or an error, was sent back."""
        messages = [line.split("\t") for line in self._read(self.messages).splitlines()]
        mine = self.connections(self.env["DBUS_SESSION_BUS_ADDRESS"])
        answers = set((m[4], m[5]) for m in messages if m[0] in ("mr", "err"))
        return [(m[2], m[5], m[6], m[7], (m[3], m[2]) in answers)
                for m in messages if m[0] == "mc" and m[3] in mine]

    def status_known(self):
        """Returns once the calculator knows whether accessibility is on: it
        has been answered the question it asks the session bus as it starts,
        and its window has handled everything since."""
        wait_until(lambda: [c for c in self.session_calls() if c[1:] == (
            "/org/a11y/bus", "org.freedesktop.DBus.Properties", "GetAll", True)],
                   "the calculator to learn whether accessibility is on")
        self.settle()

    def stop_accessibility_bus(self):
        """Ends the accessibility bus with everything the launcher started."""
        os.killpg(self.launcher.pid, signal.SIGKILL)
        self.launcher.wait(timeout=WAIT_LIMIT)
        self.launcher = None

    def enable(self, enabled):
        """Turns accessibility on or off, as a screen reader does at its start."""
        self.bus_call(None, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties.Set",
                      "org.a11y.Status", "IsEnabled", "<%s>" % str(enabled).lower())

    def bus_call(self, address, destination, path, method, *arguments):
        """gdbus's answer to a method call on the session bus, or on the bus at
        the address; a D-Bus error is raised as BusError."""
        bus = ["--address", address] if address else ["--session"]
        result = self.run("gdbus", "call", *bus, "--dest", destination, "--object-path", path,
                          "--method", method, *arguments, check=False)
        if result.returncode != 0:
            raise BusError(result.stderr.decode().strip())
        return result.stdout.decode()

    def applications(self):
        """The bus names of the applications the registry lists."""
        return re.findall(r"\('([^']*)', objectpath '[^']*'\)", self.bus_call(
            self.address, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
            "org.a11y.atspi.Accessible.GetChildren"))

    def connections(self, address=None):
        """The calculator's connections to the bus at the address, or to the
        accessibility bus: their unique names."""
        names = re.findall(r"'(:[^']*)'", self.bus_call(
            address or self.address, "org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.ListNames"))
        mine = []
        for name in names:
            try:
                pid = self.bus_call(address or self.address, "org.freedesktop.DBus",
                                    "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus.GetConnectionUnixProcessID", name)
            except BusError:
                continue  # it left meanwhile
            if int(re.search(r"(\d+),\)", pid).group(1)) == self.process.pid:
                mine.append(name)
        return mine

    def _stop_server(self):
        for process in (self.launcher, self.monitor, self.bus_daemon):
            if process is not None and process.poll() is None:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait(timeout=WAIT_LIMIT)
        self.launcher = self.monitor = self.bus_daemon = None
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)
        super()._stop_server()


class BusError(AssertionError):
    """A D-Bus call was answered with an error."""


def own_processes():
    """The command prefix that starts a program among processes of its own,
    where it sees no other: Orca refuses to start beside any other Orca of the
    same user on the machine, such as the one a blind developer listens to.
    Root makes a process namespace directly, another user inside a user
    namespace of its own; where neither is allowed (an unprivileged build in
    a chroot, already in a namespace of its own) the program runs as it is."""
    prefix = ["unshare", "--pid", "--fork", "--kill-child", "--mount-proc"]
    if os.geteuid() != 0:
        prefix.insert(1, "--map-current-user")
    allowed = subprocess.run(prefix + ["true"], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, timeout=COMMAND_TIMEOUT).returncode == 0
    return prefix if allowed else []


class ScreenReader:
    """Orca in the session, in a home of its own, with no speech server: it
    logs what it would say. Its log goes to a terminal, which Python writes
    line by line, so that every line can be read as soon as Orca says it."""

    def __init__(self, env):
        self.home = tempfile.mkdtemp(prefix="vyx-orca-")
        self.lines = []
        self.changed = threading.Condition()
        self.output = open(os.path.join(self.home, "output"), "w+b")
        terminal, self.log = os.openpty()
        tty.setraw(self.log)
        # No speech server is started: the spawn command refuses at once.
        self.process = subprocess.Popen(
            own_processes() + ["orca", "--debug-file=" + os.ttyname(self.log)],
            env=dict(env, HOME=self.home, XDG_RUNTIME_DIR=self.home, SPEECHD_CMD="/bin/false"),
            stdin=subprocess.DEVNULL, stdout=self.output, stderr=subprocess.STDOUT,
            start_new_session=True)
        self.reader = threading.Thread(target=self._read, args=(terminal,), daemon=True)
        self.reader.start()
        self.wait_for(r"Screen reader on\.")

    def _read(self, terminal):
        """Collects the log until the terminal closes."""
        pending = b""
        while True:
            try:
                data = os.read(terminal, 65536)
            except OSError:
                break
            pending += data
            *complete, pending = pending.split(b"\n")
            with self.changed:
                self.lines.extend(line.decode(errors="replace") for line in complete)
                self.changed.notify_all()
        os.close(terminal)

    def spoken(self, start=0):
        """What Orca said, from the utterance numbered start on."""
        said = [re.search(r"SPEECH OUTPUT: '(.*?)'(\s|$|{|\[)", line) for line in self.lines]
        return [match.group(1) for match in said if match][start:]

    def wait_for(self, pattern, start=0):
        """Waits until Orca says what matches the pattern, from the utterance
        numbered start on; gives the number of the utterance after it."""
        deadline = time.monotonic() + WAIT_LIMIT
        with self.changed:
            while True:
                said = self.spoken(start)
                matching = [n for n, text in enumerate(said) if re.fullmatch(pattern, text)]
                if matching:
                    return start + matching[0] + 1
                if self.process.poll() is not None:
                    self.output.seek(0)
                    raise AssertionError("Orca ended with %d before saying %r: %s" % (
                        self.process.returncode, pattern,
                        self.output.read().decode(errors="replace")[-600:]))
                if time.monotonic() > deadline:
                    heard = [line for line in self.lines if "EVENT MANAGER: Dequeued" in line]
                    raise AssertionError("Orca did not say %r; it said %r after these events:\n%s"
                                         % (pattern, said, "\n".join(heard[-12:])))
                self.changed.wait(0.2)

    @contextlib.contextmanager
    def held(self):
        """Holds Orca still while the block runs: it then takes everything
        late and at once, as a busy screen reader does."""
        os.killpg(self.process.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.killpg(self.process.pid, signal.SIGCONT)

    def close(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait(timeout=WAIT_LIMIT)
        os.close(self.log)
        self.reader.join(WAIT_LIMIT)
        self.output.close()
        shutil.rmtree(self.home, ignore_errors=True)
