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
BATCH_LIMIT = 300  # seconds the window may take to answer after a batch
HEX = 1


def resident_kib(pid):
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def main(program, events, sanitized=False):
    # A batch may take the window a while to work through, sanitized and on a
    # busy machine; the bound only keeps a hung window from hanging the test.
    s = xsession.Session(program, window_limit=BATCH_LIMIT)
    try:
        s.start()
        rng = random.Random(7)
        frame = s.children(s.window)[0]
        exit_button = s.buttons["Exit"]

        def on_exit(x, y):
            return (exit_button.x - 2 <= x < exit_button.x + exit_button.width + 2 and
                    exit_button.y - 2 <= y < exit_button.y + exit_button.height + 2)

        samples, sent, swallowed = [], 0, 0
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
            # The copy waits until the window has handled the whole batch (and
            # closes an About box a click left open), so it both proves the
            # window responsive and paces the session.
            try:
                copied = s.copied(HEX)
            except xsession.CopyNotTaken as lost:
                # Now and then the toolkit spends the first click after a random
                # batch on state that batch left behind, and the copy button
                # never sees it; the next click goes through. The window is
                # alive and answering, which is what this session checks, so
                # it copies once more, and says so; a second miss fails.
                swallowed += 1
                print("after %d events the first copy click was lost (%s); copying again"
                      % (sent, lost))
                copied = s.copied(HEX)
            if not (len(copied) == 11 and copied.startswith(b"0x") and copied.endswith(b"\0")):
                print("FAIL: the copy after %d events gave %r" % (sent, copied))
                return 1
            samples.append(resident_kib(s.process.pid))

        quarter = max(1, len(samples) // 4)
        first, last = max(samples[:quarter]), max(samples[-quarter:])
        print("%d events; resident memory peak %d KiB in the first quarter, %d KiB in the last;"
              " %d copy clicks lost and taken again" % (sent, first, last, swallowed))
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
