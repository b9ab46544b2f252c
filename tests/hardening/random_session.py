#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A long session of random clicks and key presses over the whole window
(all but "Exit" and the Escape key), sent through XTEST. The calculator must
stay alive and responsive, and its resident memory must not keep growing.

Usage: random_session.py PROGRAM EVENTS [sanitized]

A sanitized program keeps freed memory in quarantine, so its resident memory
grows by design; its leak checker at exit stands in for the bound then."""

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
BATCH = 500
HEX = 1


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def close_about(s):
    """Closes an About box that a random click left open, with its one button's key."""
    box = s.find_window(xsession.ABOUT_TITLE)
    if box:
        s.run("xdotool", "windowfocus", "--sync", str(box))
        s.run("xdotool", "key", "Return")
        xsession.wait_until(lambda: s.find_window(xsession.ABOUT_TITLE) is None,
                            "the About box to close")


def copy_when_ready(s):
    """Copies the hexadecimal display once the window has worked through its
    queue. A random click may open the About box at any time while the queue
    drains, and then the copy waits, so the box is closed and the copy tried again."""
    for _ in range(20):
        close_about(s)
        try:
            return s.copied(HEX, 3)
        except AssertionError:
            continue
    raise AssertionError("the window answered no copy")


def main(program, events, sanitized=False):
    s = xsession.Session(program)
    try:
        s.start()
        rng = random.Random(7)
        frame = s.children(s.window)[0]
        exit_button = s.buttons["Exit"]

        def on_exit(x, y):
            return (exit_button.x - 2 <= x < exit_button.x + exit_button.width + 2 and
                    exit_button.y - 2 <= y < exit_button.y + exit_button.height + 2)

        samples, sent = [], 0
        while sent < events:
            lines = []
            for _ in range(min(BATCH, events - sent)):
                if rng.random() < 0.6:
                    while True:
                        x = frame.x + rng.randrange(frame.width)
                        y = frame.y + rng.randrange(frame.height)
                        if not on_exit(x, y):
                            break
                    lines.append("mousemove %d %d click --delay 0 1" % (x, y))
                else:
                    lines.append("key --delay 0 %s" % rng.choice(KEYS))
                sent += 1
            s.run("xdotool", "windowfocus", "--sync", str(s.window))
            with tempfile.NamedTemporaryFile("w", suffix=".xdo") as script:
                script.write("\n".join(lines) + "\n")
                script.flush()
                subprocess.run(["xdotool", script.name], env=s.env, check=True, timeout=300)
            if not s.running():
                print("FAIL: the calculator ended after %d events" % sent)
                return 1
            # A copy is answered only once every event before it was handled, so
            # it both proves the window responsive and paces the session.
            copied = copy_when_ready(s)
            if not (len(copied) == 11 and copied.startswith(b"0x") and copied.endswith(b"\0")):
                print("FAIL: the copy after %d events gave %r" % (sent, copied))
                return 1
            samples.append(resident_kib(s.process.pid))

        quarter = max(1, len(samples) // 4)
        first, last = max(samples[:quarter]), max(samples[-quarter:])
        print("%d events; resident memory peak %d KiB in the first quarter, %d KiB in the last"
              % (sent, first, last))
        # A steady leak of a few hundred bytes per event passes this bound.
        if last > first + 1024 and not sanitized:
            print("FAIL: resident memory grew from %d to %d KiB" % (first, last))
            return 1
        s.press("Exit")
        status = s.exit_status()
        if status != 0:
            print("FAIL: exit status %d" % status)
            return 1
        return 0
    finally:
        s.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), sys.argv[3:] == ["sanitized"]))
