#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Long sessions of random input over the whole window (all but "Exit" and the
Escape key), sent through XTEST as fast as the server takes it: left clicks,
presses on one widget released on another (now and then with a key typed
meanwhile), middle and right clicks, keys, modifier keys alone and held across
clicks, keys held long enough to repeat, and the About box opened and closed
by mouse and by keyboard.

After every batch the window works through its queue and then one click on
the hexadecimal ">" must copy; and a click on "..." sent amid the input must
have opened the About box once the window has caught up. A click the window
spends without acting fails the session at once, with the seed, the batch and
the last events sent, so the batch can be replayed. The calculator must stay
alive and answering, and its resident memory must not keep growing.

Usage: random_session.py PROGRAM [--seeds 1,2,3 | --seeds 1-10] [--batches N]
                         [--events N] [--sanitized]

Each seed runs its own session of N batches; a soak takes many. A sanitized
program keeps freed memory in quarantine, so its resident memory grows by
design; its leak checker at exit stands in for the bound then."""

import argparse
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

KEYS = ["0", "1", "2", "5", "9", "KP_7", "a", "c", "f", "A", "F", "g", "z", "period",
        "KP_Decimal", "comma", "plus", "minus", "asterisk", "slash", "KP_Add", "KP_Divide",
        "equal", "Return", "KP_Enter", "BackSpace", "Delete", "Tab", "space", "Left", "F1",
        "ctrl+c", "ctrl+v", "shift+a", "alt+1", "Home", "Insert", "exclam"]
MODIFIERS = ["Shift_L", "Shift_R", "Control_L", "Control_R", "Alt_L", "Alt_R", "Super_L",
             "ISO_Level3_Shift"]
# Keys that close the About box once it has the focus, and keys worth holding.
ABOUT_KEYS = ["Return", "KP_Enter", "space", "Escape"]
HELD_KEYS = ["1", "f", "plus", "BackSpace", "Return", "Shift_L", "Tab"]
REPEAT_HOLD = 0.8  # seconds: past the server's autorepeat delay (660 ms), a few repeats
BATCH_LIMIT = 300  # seconds the window may take to answer after a batch
LAST_EVENTS = 12   # events of a failed batch printed for replaying it
HEX = 1


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


class Batch:
    """One batch of random input as xdotool script lines. It is sent in parts:
    a part may end with a click on "..." amid the input; the window then
    catches up, the About box must be on show and is given the keyboard focus,
    which no window manager gives here, and the next part starts by closing it
    with its button or a key."""

    def __init__(self, session, rng, frame, about_ok):
        self.s, self.rng, self.frame, self.about_ok = session, rng, frame, about_ok
        self.about_button = session.buttons["..."]
        exit_button = session.buttons["Exit"]
        self.exit_area = (exit_button.x - 2, exit_button.y - 2,
                          exit_button.x + exit_button.width + 2,
                          exit_button.y + exit_button.height + 2)
        self.parts = [[]]  # lists of script lines
        self.sent = []     # the lines sent so far, and what was done between parts

    def point(self):
        left, top, right, bottom = self.exit_area
        while True:
            x = self.frame.x + self.rng.randrange(self.frame.width)
            y = self.frame.y + self.rng.randrange(self.frame.height)
            if not (left <= x < right and top <= y < bottom):
                return x, y

    def add(self, line):
        self.parts[-1].append(line)

    def click(self, button=1):
        self.add("mousemove %d %d click --delay 0 %d" % (self.point() + (button,)))

    def event(self):
        """Adds one random user action."""
        rng, roll = self.rng, self.rng.random()
        if roll < 0.40:
            self.click()
        elif roll < 0.48:
            # Pressed on one widget and released on another, now and then with
            # a key typed while the button is held.
            button, key = rng.choice((1, 1, 2, 3)), ""
            if rng.random() < 0.3:
                key = "key --delay 0 %s " % rng.choice(KEYS)
            self.add("mousemove %d %d mousedown %d %smousemove %d %d mouseup %d"
                     % (self.point() + (button, key) + self.point() + (button,)))
        elif roll < 0.53:
            self.click(rng.choice((2, 3)))
        elif roll < 0.58:
            self.add("key --delay 0 %s" % rng.choice(MODIFIERS))
        elif roll < 0.63:
            modifier = rng.choice(MODIFIERS)
            self.add("keydown %s" % modifier)
            for _ in range(rng.randint(1, 3)):
                self.click(rng.choice((1, 1, 2, 3)))
            self.add("keyup %s" % modifier)
        elif roll < 0.64:
            # The pointer rests off the window meanwhile, or a tooltip could
            # come up where a checked click lands.
            key = rng.choice(HELD_KEYS)
            self.add("mousemove %d %d keydown %s sleep %g keyup %s"
                     % (xsession.PARK + (key, REPEAT_HOLD, key)))
        elif roll < 0.65:
            self.add("mousemove %d %d click --delay 0 1 mousemove %d %d"
                     % (self.about_button.centre + xsession.PARK))
            self.parts.append([])
            if rng.random() < 0.5:
                self.add("key --delay 0 %s" % rng.choice(ABOUT_KEYS))
            else:
                self.add("mousemove %d %d click --delay 0 1" % self.about_ok.centre)
        else:
            self.add("key --delay 0 %s" % rng.choice(KEYS))

    def shown_about_box(self):
        shown = self.s.run("xdotool", "search", "--onlyvisible", "--name",
                           "^%s$" % xsession.ABOUT_TITLE, check=False).stdout.split()
        return shown[0].decode() if shown else None

    def send(self):
        """Sends the parts; an AssertionError says what went wrong."""
        s = self.s
        for number, lines in enumerate(self.parts):
            if number:
                # Any box on show will do: one left open before the click
                # rightly makes the window ignore it.
                s.settle(BATCH_LIMIT)
                box = self.shown_about_box()
                if not box:
                    raise AssertionError("the click on \"...\" opened no About box")
                s.run("xdotool", "windowfocus", "--sync", box)
                self.sent.append("(caught up; the About box focused)")
            else:
                s.run("xdotool", "windowfocus", "--sync", str(s.window))
            with tempfile.NamedTemporaryFile("w", suffix=".xdo") as script:
                script.write("\n".join(lines) + "\n")
                script.flush()
                subprocess.run(["xdotool", script.name], env=s.env, check=True,
                               timeout=BATCH_LIMIT)
            self.sent.extend(lines)

    def last_events(self):
        return "\n  ".join(self.sent[-LAST_EVENTS:])


def session(program, seed, batches, events, sanitized):
    """One session: returns a failure message, or None."""
    # A batch may take the window a while to work through, sanitized and on a
    # busy machine; the bound only keeps a hung window from hanging the test.
    s = xsession.Session(program, window_limit=BATCH_LIMIT)
    try:
        s.start()
        rng = random.Random(seed)
        frame = s.children(s.window)[0]
        # The box always shows at the same place over the window.
        s.press("...")
        s.settle(BATCH_LIMIT)
        about_ok = s.about_button(s.find_window(xsession.ABOUT_TITLE))
        s.clear_the_way()
        samples, about_clicks = [], 0
        for number in range(1, batches + 1):
            batch = Batch(s, rng, frame, about_ok)
            for _ in range(events):
                batch.event()
            where = "seed %d, batch %d" % (seed, number)
            try:
                batch.send()
            except (subprocess.SubprocessError, AssertionError) as error:
                return ("%s: %s; the last events sent:\n  %s"
                        % (where, error, batch.last_events()))
            about_clicks += len(batch.parts) - 1
            if not s.running():
                return "%s: the calculator ended" % where
            # The copy waits until the window has handled the whole batch and
            # closes an About box the batch left open, so every click before
            # it is spent; this one click must copy.
            try:
                copied = s.copied(HEX)
            except AssertionError as error:
                return ("%s: the copy click did not copy (%s); the batch ended with:\n  %s"
                        % (where, error, batch.last_events()))
            if not (len(copied) == 10 and copied.startswith(b"0x")):
                return "%s: the copy gave %r" % (where, copied)
            samples.append(resident_kib(s.process.pid))

        quarter = max(1, len(samples) // 4)
        first, last = max(samples[:quarter]), max(samples[-quarter:])
        print("seed %d: %d batches of %d events; all %d copy clicks copied and all %d clicks"
              " on \"...\" opened the About box; resident memory peak %d KiB in the first"
              " quarter, %d KiB in the last"
              % (seed, batches, events, batches, about_clicks, first, last))
        # A steady leak of a few hundred bytes per event passes this bound.
        if last > first + 1024 and not sanitized:
            return "seed %d: resident memory grew from %d to %d KiB" % (seed, first, last)
        s.press("Exit")
        status = s.exit_status()
        if status != 0:
            return "seed %d: exit status %d" % (seed, status)
        return None
    finally:
        s.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("program")
    parser.add_argument("--seeds", default="1,2,3",
                        help="comma-separated seeds, one session each")
    parser.add_argument("--batches", type=int, default=10, help="batches per seed")
    parser.add_argument("--events", type=int, default=250, help="events per batch")
    parser.add_argument("--sanitized", action="store_true")
    args = parser.parse_args()
    seeds = []
    for text in args.seeds.split(","):
        first, _, last = text.partition("-")
        seeds.extend(range(int(first), int(last or first) + 1))
    for seed in seeds:
        failure = session(args.program, seed, args.batches, args.events, args.sanitized)
        if failure:
            print("FAIL: " + failure)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
