#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole session under valgrind's memcheck: every pad button, the displays,
the memories, copy, paste, the About box and quitting. Memcheck must report no
invalid access and no memory definitely lost; leaks of the toolkit and X
libraries that a bare toolkit program has as well are suppressed in
valgrind.supp, each with its reason.

Usage: valgrind_session.py PROGRAM"""

import os
import re
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def main(program):
    log = tempfile.NamedTemporaryFile(suffix=".memcheck", delete=False).name
    memcheck = ["valgrind", "--tool=memcheck", "--leak-check=full",
                "--show-leak-kinds=definite", "--errors-for-leak-kinds=definite",
                "--num-callers=40", "--suppressions=" + os.path.join(HERE, "valgrind.supp"),
                "--log-file=" + log]
    s = xsession.Session(program, wrapper=memcheck, window_limit=180)
    try:
        s.start()
        for label in s.buttons:
            if label not in ("Exit", "...", "Paste"):
                s.press(label)
        for base in range(3):
            s.click(s.displays[base])
            s.press("7", "/", "2", "=")
        for row in range(3):
            print("copied row %d: %r" % (row, s.copied(row)))
            s.click(s.store[row])
            s.click(s.recall[row])
        s.offer("primary", b"  -12.75e1 and more")
        s.press("Paste")
        print("after the paste: %r" % s.copied(2))
        s.press("...")
        box = xsession.wait_until(lambda: s.find_window(xsession.ABOUT_TITLE), "the About box",
                                  60)
        s.run("xdotool", "windowfocus", "--sync", str(box))
        s.run("xdotool", "key", "Return")
        xsession.wait_until(lambda: s.find_window(xsession.ABOUT_TITLE) is None,
                            "the About box to close", 60)
        s.keys("7", "plus", "5", "Return", "BackSpace", "Delete")
        s.press("Exit")
        status = s.process.wait(timeout=300)
        s.process = None
    finally:
        s.close()

    with open(log) as f:
        report = f.read()
    errors = re.search(r"ERROR SUMMARY: (\d+) errors", report)
    lost = re.search(r"definitely lost: ([\d,]+) bytes", report)
    print("exit status:", status)
    print(errors.group(0) if errors else "no memcheck summary")
    print("definitely lost after suppressions:", lost.group(1) if lost else "0", "bytes")
    if status != 0 or not errors or errors.group(1) != "0":
        print(report[-30000:])
        print("FAIL: see the whole report in", log)
        return 1
    os.unlink(log)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
