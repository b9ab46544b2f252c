# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator on the accessibility bus of a desktop
session of its own, read through at-spi2-core's client library as screen
readers read it, called with malformed messages, and listened to by Orca.
Each class runs in a process of its own: the client library keeps the first
accessibility bus it reached for the life of the process."""
import itertools
import os
import re
import signal
import subprocess
import sys
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None
BINARY, HEXADECIMAL, DECIMAL = 0, 1, 2
PANELS = ["Memory and displays", "Functions", "Integer operations", "Keypad", "Operators"]
ZERO = "0000 0000 0000 0000 0000 0000 0000 0000"
# A button labelled with a word or a number is named by it; one labelled with
# symbols has a name in words instead.
WORDS = re.compile(r"[A-Za-z0-9]+")
SPOKEN = re.compile(r"[A-Z][a-z]+( [a-z]+)*")


def fox_version():
    """The toolkit's version as the system's FOX says it."""
    return subprocess.run(["pkg-config", "--modversion", "fox"], check=True,
                          stdout=subprocess.PIPE).stdout.decode().strip()


class OnTheBus(unittest.TestCase):
    """The calculator started once accessibility is on (or not, as the class
    says), on a display and a desktop session of its own."""
    enabled = True

    def setUp(self):
        self.session = xsession.AccessibleSession(PROGRAM, enabled=self.enabled)
        self.addCleanup(self.session.close)
        self.session.start()
        os.environ["AT_SPI_BUS_ADDRESS"] = self.session.address

    def application(self):
        """The running calculator's root object, once it has joined."""
        def joined():
            desktop = Atspi.get_desktop(0)
            return [app for app in children(desktop)
                    if app and app.get_process_id() == self.session.process.pid]
        return xsession.wait_until(joined, "the calculator on the accessibility bus")[0]

    def widgets(self, app):
        """The frame, and each panel with its X window and its children, each
        child with its X window and the name it is expected to have first."""
        s = self.session
        frame = app.get_child_at_index(0)
        block, pads = s.children(s.children(s.window)[0].wid)
        names = (["Memory %d" % k for k in range(3)] + ["Store in memory %d" % k for k in range(3)]
                 + [ZERO, "0x00000000", "0"] + ["Copy binary", "Copy hexadecimal", "Copy decimal"]
                 + list(s.buttons))
        windows = s.recall + s.store + s.displays + s.copy + list(s.buttons.values())
        panels = []
        for panel, window in zip(children(frame), [block] + s.children(pads.wid)):
            count = panel.get_child_count()
            panels.append((panel, window, list(zip(children(panel), windows[:count], names))))
            del windows[:count], names[:count]
        return frame, panels


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def descendants(accessible):
    return [a for child in children(accessible) for a in [child] + descendants(child)]


def checked_by_the_rules(app):
    """What an accessibility checker finds wrong in the tree under app, with
    its window active: an object with an action that cannot take the focus,
    other than one object focused, an index in the parent that is not the
    object's place there, a button or display without a name, or an object
    that does not answer for its attributes."""
    faults, focused = [], []
    for accessible in descendants(app):
        what = (accessible.get_role_name(), accessible.get_name())
        states = accessible.get_state_set()
        if accessible.get_n_actions() and not states.contains(Atspi.StateType.FOCUSABLE):
            faults.append(("action but not focusable",) + what)
        if states.contains(Atspi.StateType.FOCUSED):
            focused.append(what)
        parent = accessible.get_parent()
        if parent.get_child_at_index(accessible.get_index_in_parent()) != accessible:
            faults.append(("index in parent",) + what)
        if accessible.get_role() in (Atspi.Role.PUSH_BUTTON, Atspi.Role.RADIO_BUTTON) \
                and not accessible.get_name():
            faults.append(("no name",) + what)
        try:
            accessible.get_attributes()
        except GLib.Error:
            faults.append(("no attributes",) + what)
    if len(focused) != 1:
        faults.append(("focused", focused))
    return faults


def extents(accessible):
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def geometry(widget):
    return widget.x, widget.y, widget.width, widget.height


class Tree(OnTheBus):
    def test_every_widget_is_there_with_its_name_role_states_extents_and_click(self):
        s = self.session
        app = self.application()
        app.set_cache_mask(Atspi.Cache.NONE)  # every answer comes from the calculator
        self.assertEqual((app.get_name(), app.get_role(), app.get_toolkit_name(),
                          app.get_toolkit_version()),
                         ("Calculator", Atspi.Role.APPLICATION, "FOX", fox_version()))
        self.assertEqual(app.get_parent().get_role(), Atspi.Role.DESKTOP_FRAME)
        frame, panels = self.widgets(app)
        self.assertEqual((frame.get_name(), frame.get_role()), (xsession.TITLE, Atspi.Role.FRAME))
        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        s.settle()
        self.assertEqual(checked_by_the_rules(app), [])
        window = s.run("xwininfo", "-id", str(s.window)).stdout.decode()
        self.assertEqual(extents(frame), tuple(int(window.split(key)[1].split()[0]) for key in (
            "Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:")))
        self.assertEqual([(p.get_name(), p.get_role()) for p, _, _ in panels],
                         [(name, Atspi.Role.PANEL) for name in PANELS])
        everything = []
        for panel, window, widgets in panels:
            self.assertEqual(extents(panel), geometry(window), panel.get_name())
            for accessible, _, label in widgets:
                name = accessible.get_name()
                if WORDS.fullmatch(label) or label in (ZERO, "0x00000000"):
                    self.assertEqual(name, label)
                elif not label.startswith(("Memory", "Store", "Copy")):
                    self.assertRegex(name, SPOKEN, label)
                    self.assertNotEqual(name, label)
            everything += [(a, w, a.get_name()) for a, w, _ in widgets]
        # A display is named by its value, which may be a digit's name too:
        # the buttons' names differ, and so do the displays'.
        buttons = [name for _, _, name in everything[:6] + everything[9:]]
        self.assertEqual((len(set(buttons)), len(set(n for _, _, n in everything[6:9]))), (64, 3))
        displays = [a for a, _, _ in everything[6:9]]
        for accessible, window, name in everything:
            self.assertEqual(accessible.get_role(), Atspi.Role.RADIO_BUTTON
                             if accessible in displays else Atspi.Role.PUSH_BUTTON, name)
            self.assertEqual(extents(accessible), geometry(window), name)
            states = accessible.get_state_set()
            for state in (Atspi.StateType.SHOWING, Atspi.StateType.VISIBLE, Atspi.StateType.ENABLED,
                          Atspi.StateType.SENSITIVE, Atspi.StateType.FOCUSABLE):
                self.assertTrue(states.contains(state), (name, state))
            self.assertEqual(states.contains(Atspi.StateType.CHECKED),
                             accessible == displays[DECIMAL], name)
            self.assertEqual((accessible.get_n_actions(), accessible.get_action_name(0)),
                             (1, "click"), name)

        # The action is the click: every button but About and Exit in turn,
        # through its action and then clicked in a new calculator, leaves the
        # same texts behind at every step. An action is answered before it is
        # carried out, and carried out before the next call is read.
        def texts(widgets):
            return [a.get_name() for a, _, name in widgets[:12] + widgets[12 + 2:12 + 3]]
        swept = [number for number, (_, _, name) in enumerate(everything)
                 if name not in ("About", "Exit")]
        by_action = []
        for number in swept:
            self.assertTrue(everything[number][0].do_action(0), everything[number][2])
            by_action.append(texts(everything))
        self.assertEqual(texts(everything)[6:9], [s.copied(row).decode() for row in range(3)])
        actions = dict((name, a) for a, _, name in everything)
        # The About box opens without holding the answer back; while its
        # loop runs every call is answered, the registry's ping among them,
        # and its button closes it through the action. Exit ends the program
        # as its click does.
        self.assertTrue(actions["About"].do_action(0))
        xsession.wait_until(lambda: s.find_window(xsession.ABOUT_TITLE), "the About box")
        name = (set(s.connections()) & set(s.applications())).pop()
        s.bus_call(s.address, name, "/", "org.freedesktop.DBus.Peer.Ping")
        dialog = app.get_child_at_index(1)
        self.assertEqual(dialog.get_role(), Atspi.Role.DIALOG)
        self.assertTrue([a for a in descendants(dialog) if a.get_role() == Atspi.Role.LABEL
                         and a.get_name()], "the About box's text")
        button = [a for a in descendants(dialog) if a.get_role() == Atspi.Role.PUSH_BUTTON][0]
        self.assertTrue(button.do_action(0))
        xsession.wait_until(lambda: not s.find_window(xsession.ABOUT_TITLE), "the About box to go")
        s.clear_the_way()
        self.assertTrue(actions["Exit"].do_action(0))
        self.assertEqual(s.exit_status(), 0)

        s.restart()
        app = self.application()
        app.set_cache_mask(Atspi.Cache.NONE)
        everything = [widget for _, _, widgets in self.widgets(app)[1] for widget in widgets]
        by_click = []
        for number in swept:
            s.click(everything[number][1])
            s.settle()
            by_click.append(texts(everything))
        self.assertEqual(by_click, by_action)

        # A copy through the action takes the clipboard from whoever holds
        # it, and Paste through the action reads the selection, as clicks do.
        actions = dict((name, a) for a, _, name in everything)
        s.offer("clipboard", b"another program's")
        self.assertTrue(actions["Copy decimal"].do_action(0))
        s.settle()
        self.assertEqual((s.selection_owner("CLIPBOARD"), s.selection("clipboard")),
                         (s.window, texts(everything)[8].encode()))
        s.offer("primary", b"640")
        self.assertTrue(actions["Paste"].do_action(0))
        self.assertEqual(s.copied(DECIMAL), b"640")


class Events(OnTheBus):
    def test_focus_activation_base_and_every_changed_text_are_signalled(self):
        s = self.session
        frame, panels = self.widgets(self.application())
        named = dict((name, a) for _, _, widgets in panels[1:] for a, _, name in widgets)
        block = [a for a, _, _ in panels[0][2]]
        displays = block[6:9]
        heard = []

        def hear(event):
            data = event.any_data if isinstance(event.any_data, str) else None
            heard.append((event.type, event.source.path, event.detail1, data))
        listener = Atspi.EventListener.new(hear)
        for kind in ("window:activate", "window:deactivate", "object:state-changed:focused",
                     "object:state-changed:checked", "object:state-changed:active",
                     "object:property-change:accessible-name"):
            listener.register(kind)
        context = GLib.MainContext.default()

        def wait(kind, source, detail=1, data=None):
            def came():
                while context.pending():
                    context.iteration(False)
                return (kind, source.path, detail, data) in heard
            xsession.wait_until(came, "%s %r %r from %s" % (kind, detail, data, source.get_name()))

        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        wait("window:activate", frame, 0)
        wait("object:state-changed:active", frame)
        s.press("sqrt")
        wait("object:state-changed:focused", named["sqrt"])
        s.click(s.displays[HEXADECIMAL])
        wait("object:state-changed:checked", displays[HEXADECIMAL])
        wait("object:state-changed:checked", displays[DECIMAL], 0)

        # Every handled command that changes a text says so, with the new text.
        shown = [[ZERO], ["0x00000000"], ["0"]]
        for label in ("7", "+", "5", "="):
            s.press(label)
            for row, texts in enumerate(shown):
                text = s.copied(row).decode()
                if text != texts[-1]:
                    texts.append(text)
        for display, texts in zip(displays, shown):
            wait("object:property-change:accessible-name", display, 0, texts[-1])
            self.assertEqual(texts[:1] + [data for kind, path, _, data in heard if path ==
                                          display.path and kind.endswith("accessible-name")], texts)
        s.click(s.store[0])
        wait("object:property-change:accessible-name", block[0], 0, "Memory 0, 12.00")
        s.press("[RAD]")
        wait("object:property-change:accessible-name", named["[RAD]"], 0, "Degrees")
        # What a typed key changes comes with the focus on the display of the base.
        s.keys("Delete", "6", "plus", "3", "Return")
        wait("object:state-changed:focused", displays[HEXADECIMAL])
        wait("object:property-change:accessible-name", displays[HEXADECIMAL], 0, "0x00000009")
        # It stays there while a screen reader takes the keyboard for a key
        # of its own and gives it back, until the next key's text has come,
        # and the window stays active: a screen reader's flat review ends
        # when the window changes.
        since = len(heard)
        s.run(os.path.join(xsession.TOOLS, "keyboard_grab"))
        s.keys("1")
        wait("object:property-change:accessible-name", displays[HEXADECIMAL], 0, "0x00000091")
        self.assertEqual([(kind, path) for kind, path, detail, _ in heard[since:] if kind.endswith(
            ":focused") and detail and path != displays[HEXADECIMAL].path
            or kind.startswith("window:") or kind.endswith(":active")], [])
        # The names the client library keeps from the events are the texts
        # shown, once the event of each text has come.
        for row, display in enumerate(displays):
            text = s.copied(row).decode()
            wait("object:property-change:accessible-name", display, 0, text)
            self.assertEqual(display.get_name(), text)
        s.run("xdotool", "windowfocus", "--sync", str(s.root))
        wait("window:deactivate", frame, 0)
        wait("object:state-changed:active", frame, 0)


class Joining(OnTheBus):
    enabled = False

    def test_joins_only_while_enabled_and_outlives_its_bus(self):
        s = self.session
        s.status_known()
        self.assertEqual(s.connections(), [], "a connection while accessibility is off")
        self.assertNotIn("GetAddress", [call[3] for call in s.session_calls()])

        def listed():
            return set(s.connections()) & set(s.applications())
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join")
        s.enable(False)
        xsession.wait_until(lambda: not s.connections(), "the calculator to leave")
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join again")

        # The bus goes away under it and comes back, with a new address.
        s.stop_accessibility_bus()
        s.press("7", "+", "5", "=")
        self.assertEqual(s.copied(DECIMAL), b"12")
        s.start_accessibility_bus()
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join the new bus")

        # A bus that goes stays lost until the status says there is one:
        # a new bus at the old address is not looked for. The address is
        # fixed here, as the environment may fix it, so that only the
        # calculator's own rule can keep it away.
        fixed = "unix:path=" + os.path.join(s.folder, "fixed-bus")
        bus = self.fixed_bus(fixed)
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)
        s.restart(dict(s.env, AT_SPI_BUS_ADDRESS=fixed))
        xsession.wait_until(lambda: s.connections(fixed), "the calculator on the fixed bus")
        os.killpg(bus.pid, signal.SIGKILL)
        bus.wait()
        bus = self.fixed_bus(fixed)
        session = s.env["DBUS_SESSION_BUS_ADDRESS"]
        for _ in range(2):  # two turns of its loop, the bus's end read in the first
            s.bus_call(session, s.connections(session)[0], "/", "org.freedesktop.DBus.Peer.Ping")
            s.press("7")
        self.assertEqual(s.connections(fixed), [], "joined a bus no status announced")
        s.enable(False)
        s.enable(True)
        xsession.wait_until(lambda: s.connections(fixed), "the calculator to join as announced")
        os.killpg(bus.pid, signal.SIGKILL)
        bus.wait()

        # With no session bus it cannot know whether to join: it does not,
        # though the display names the accessibility bus.
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)
        s.restart(dict((key, value) for key, value in s.env.items()
                       if key != "DBUS_SESSION_BUS_ADDRESS"))
        s.settle()
        self.assertEqual(s.connections(), [], "a connection with no session bus")
        with open("/proc/%d/maps" % s.process.pid) as maps:
            self.assertNotIn("libsystemd", maps.read(), "a D-Bus library loaded for no bus")


    def fixed_bus(self, address):
        """A message bus of the test's own at the address, up when this returns."""
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--address=" + address],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
        self.addCleanup(lambda: bus.poll() is None and os.killpg(bus.pid, signal.SIGKILL))
        xsession.wait_until(lambda: subprocess.run(
            ["gdbus", "call", "--address", address, "--dest", "org.freedesktop.DBus",
             "--object-path", "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.GetId"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0, "the fixed bus")
        return bus


class HungRegistry(OnTheBus):
    def test_typing_goes_on_while_the_registry_hangs_and_every_value_is_right(self):
        s = self.session
        self.application()
        pressed = []

        def heard(event):
            pressed.append(event.event_string)
            return False
        listener = Atspi.DeviceListener.new(heard)
        Atspi.register_keystroke_listener(listener, None, 0, 1 << Atspi.EventType.KEY_PRESSED_EVENT,
                                          Atspi.KeyListenerSyncType.NOSYNC)
        context = GLib.MainContext.default()

        def reaches_listener(key):
            def came():
                while context.pending():
                    context.iteration(False)
                return key in pressed
            xsession.wait_until(came, "the registry's listener to hear " + key)
        # Keys go through the registry's listeners before the window.
        s.keys("Delete")
        reaches_listener("Delete")
        registry = int(re.search(r"(\d+),\)", s.bus_call(
            s.address, "org.freedesktop.DBus", "/org/freedesktop/DBus",
            "org.freedesktop.DBus.GetConnectionUnixProcessID", "org.a11y.atspi.Registry")).group(1))
        # What the calculator sends on the accessibility bus is logged.
        log = os.path.join(s.folder, "accessibility-bus")
        with open(log, "w") as out:
            monitor = subprocess.Popen(["dbus-monitor", "--address", s.address, "--profile"],
                                       stdout=out, stderr=subprocess.DEVNULL)
        self.addCleanup(monitor.kill)
        xsession.wait_until(lambda: "\tNameLost" in s._read(log), "the accessibility bus monitor")
        name = (set(s.connections()) & set(s.applications())).pop()

        def sent(member):
            return [line for line in s._read(log).splitlines()
                    if line.split("\t")[3:4] == [name] and line.endswith("\t" + member)]

        def keys_sent():
            """The keys sent to the registry so far, once the log holds all
            the calculator sent before answering a ping."""
            answered = len([line for line in s._read(log).splitlines()
                            if line.startswith("mr\t") and line.split("\t")[3] == name])
            s.bus_call(s.address, name, "/", "org.freedesktop.DBus.Peer.Ping")
            xsession.wait_until(lambda: len([
                line for line in s._read(log).splitlines() if line.startswith("mr\t")
                and line.split("\t")[3] == name]) > answered, "the ping's answer in the log")
            return len(sent("NotifyListenersSync"))
        os.kill(registry, signal.SIGSTOP)
        self.addCleanup(os.kill, registry, signal.SIGCONT)
        # A registry that hangs holds no key for good: none is lost, doubled
        # or put out of order, and the ping after them is answered after them.
        s.keys(*"1234567890")
        self.assertEqual(s.copied(DECIMAL), b"1234567890")
        waited_for = keys_sent()
        # It missed its time, so it gets no more keys to wait for.
        s.keys("plus", "1", "Return")
        self.assertEqual(s.copied(DECIMAL), b"1234567891")
        self.assertEqual(keys_sent(), waited_for, "keys sent to a registry that hangs")
        # Once it answers again, keys go to it again.
        os.kill(registry, signal.SIGCONT)
        s.keys("Delete", "4")
        reaches_listener("4")
        s.keys("2")
        self.assertEqual(s.copied(DECIMAL), b"42")


class MalformedCalls(OnTheBus):
    def test_malformed_calls_get_errors_and_change_nothing(self):
        s = self.session
        name = xsession.wait_until(
            lambda: sorted(set(s.connections()) & set(s.applications())), "the calculator")[0]
        bus = Gio.DBusConnection.new_for_address_sync(
            s.address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def call(path, interface, method, signature=None, *arguments):
            body = GLib.Variant("(%s)" % signature, arguments) if signature else None
            return bus.call_sync(name, path, "org.a11y.atspi." + interface, method, body, None,
                                 Gio.DBusCallFlags.NONE, xsession.WAIT_LIMIT * 1000, None)
        root = "/org/a11y/atspi/accessible/root"
        frame = call(root, "Accessible", "GetChildAtIndex", "i", 0)[0][1]
        keypad = call(frame, "Accessible", "GetChildAtIndex", "i", 3)[0][1]
        seven = call(keypad, "Accessible", "GetChildAtIndex", "i", 1)[0][1]
        arguments, unknown, method = ("org.freedesktop.DBus.Error." + kind for kind in (
            "InvalidArgs", "UnknownObject", "UnknownMethod"))
        malformed = [
            (arguments, frame, "Accessible", "GetChildAtIndex", "i", -1),
            (arguments, frame, "Accessible", "GetChildAtIndex", "i", 5),
            (arguments, frame, "Accessible", "GetChildAtIndex", "i", 2 ** 31 - 1),
            (arguments, frame, "Accessible", "GetChildAtIndex", "s", "0"),
            (arguments, frame, "Accessible", "GetChildAtIndex"),
            (arguments, frame, "Accessible", "GetChildAtIndex", "ii", 0, 0),
            (arguments, seven, "Action", "DoAction", "i", 1),
            (arguments, seven, "Action", "DoAction", "i", -1),
            (arguments, seven, "Action", "GetName", "i", 2 ** 31 - 1),
            (arguments, seven, "Action", "DoAction", "s", "click"),
            (arguments, seven, "Component", "GetExtents", "s", "screen"),
            (arguments, seven, "Component", "GetExtents", "u", 3),
            (arguments, root, "Application", "GetLocale", "u", 99),
            (unknown, root + "/nowhere", "Accessible", "GetRole"),
            (unknown, "/org/a11y/atspi/accessible/4294967295", "Action", "DoAction", "i", 0),
            (unknown, "/org/a11y/atspi/accessible/04", "Accessible", "GetRole"),
            (method, seven, "Accessible", "NoSuchMethod"),
            (method, seven, "NoSuchInterface", "GetRole"),
            (method, root, "Action", "DoAction", "i", 0),
        ]
        for error, path, interface, member, *values in malformed:
            with self.assertRaises(GLib.Error, msg=(path, member, values)) as caught:
                call(path, interface, member, *values)
            self.assertEqual(Gio.DBusError.get_remote_error(caught.exception), error,
                             (path, member, values))
        for prop in ("NoSuchProperty", "x" * 10000):
            with self.assertRaises(GLib.Error) as caught:
                bus.call_sync(name, seven, "org.freedesktop.DBus.Properties", "Get",
                              GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", prop)), None,
                              Gio.DBusCallFlags.NONE, xsession.WAIT_LIMIT * 1000, None)
            self.assertEqual(Gio.DBusError.get_remote_error(caught.exception),
                             "org.freedesktop.DBus.Error.UnknownProperty")

        # Nor does a status change of the wrong shape, from anyone, upset it.
        for body in ("{'IsEnabled': <'yes'>}", "{'IsEnabled': <byte 1>, 'x': <@as []>}", "[]"):
            s.run("gdbus", "emit", "--session", "--object-path", "/org/a11y/bus", "--signal",
                  "org.freedesktop.DBus.Properties.PropertiesChanged", "'org.a11y.Status'",
                  body, "@as []")
        # Its answer to a ping on the session bus comes after it took them in.
        session = s.env["DBUS_SESSION_BUS_ADDRESS"]
        s.bus_call(session, s.connections(session)[0], "/", "org.freedesktop.DBus.Peer.Ping")
        self.assertIn(name, s.applications())

        # Nothing was pressed, and the calculator still answers and computes.
        self.assertEqual(call(seven, "Accessible", "GetRoleName")[0], "push button")
        self.assertEqual(s.copied(DECIMAL), b"0")
        call(seven, "Action", "DoAction", "i", 0)
        self.assertEqual(s.copied(DECIMAL), b"7")
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)


class ScreenReader(OnTheBus):
    enabled = False  # Orca turns accessibility on as it starts

    def test_orca_says_the_clicked_button_and_the_typed_result(self):
        s = self.session
        orca = xsession.ScreenReader(s.env)
        self.addCleanup(orca.close)
        xsession.wait_until(lambda: set(s.connections()) & set(s.applications()),
                            "the calculator to join as Orca starts")
        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        said = orca.wait_for(xsession.TITLE + r"\b.*")
        # Orca 43 keeps quiet about a click on a widget that it finds under the
        # pointer with the focus already: it takes this one when the pointer
        # has left, as a busy screen reader would.
        with orca.held():
            s.press("sqrt")
        said = orca.wait_for(r"sqrt\b.*", said)
        # Typed keys reach Orca first: it echoes them (the Shift of "+" is
        # a name no display takes), and keeps those of its own commands, such
        # as where-am-I on the keypad's Enter, which names what has the focus:
        # the display's pad for an Orca that follows the display while typing,
        # the button clicked last for one that hears typed values announced.
        # Newer Orcas end no utterance with a full stop.
        s.keys("Delete", "7", "plus", "5")
        said = orca.wait_for("left shift ?", said)
        s.keys("KP_Enter")
        said = orca.wait_for(r"(Memory and displays|sqrt button)\.?", said)
        self.assertEqual(s.copied(DECIMAL), b"5")
        s.keys("Return")
        said = typed = orca.wait_for(r"12\b.*", said)
        # Every result is heard, whatever gave it: a click, the click action,
        # Paste. Orca 43 leaves out a description that repeats the name, such
        # as the value 9 after the button "9".
        s.press("AC", "9")
        said = orca.wait_for(r"9\b.*", said)
        # The typed result was said once, and the panel's name not again.
        before_ac = list(itertools.takewhile(lambda text: not text.startswith("AC"),
                                             orca.spoken(typed)))
        self.assertEqual([text for text in before_ac if re.match(r"12\b|Memory and", text)], [])
        # Each result is said once: a double would come before what the next
        # command makes Orca say.
        results = []

        def result(value, since):
            results.append((value, since))
            return orca.wait_for(value + r"\.?", since)
        s.press("sqrt")
        said = result("3", said)
        s.press("AC", "7", "+", "5", "=")
        said = result("12", said)
        functions = self.application().get_child_at_index(0).get_child_at_index(1)
        root = [a for a in children(functions) if a.get_name() == "sqrt"][0]
        s.press("AC", "8", "1")
        said = orca.wait_for(r"81\.?", said)
        self.assertTrue(root.do_action(0))
        said = result("9", said)
        s.offer("primary", b"640")
        s.press("Paste")
        said = result("640", said)
        # Flat review reaches "sqrt" from the button clicked last, "6" on the
        # same row: the row above, back down to the row's start, word by word
        # ("To radians" is two) to "sqrt". Its click keeps the keypad's "/".
        # Orca 51 reads the first row of each panel apart, after the panel's
        # name: the row above is "mod AC" there.
        s.press("AC", "1", "6")
        said = orca.wait_for(r"16\.?", said)
        s.keys("KP_Home")
        said = orca.wait_for(r"(.* )?mod AC", said)
        s.keys("KP_Prior")
        said = orca.wait_for(r"asin\b.*", said)
        s.keys("KP_Right", "KP_Right", "KP_Right", "KP_Right")
        said = orca.wait_for(r"sqrt", said)
        s.hold("KP_Divide", 0.3)
        said = orca.wait_for(r"sqrt (push )?button\.?", said)
        said = result("4", said)
        s.keys("2")
        self.assertEqual(s.copied(DECIMAL), b"42")
        said = orca.wait_for(r"42\.?", said)
        spoken = orca.spoken()
        for (value, since), (_, until) in zip(results, results[1:] + [(None, said)]):
            self.assertEqual(sum(1 for text in spoken[since:until]
                                 if re.fullmatch(value + r"\.?", text)), 1, value)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
