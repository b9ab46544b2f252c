# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed calculator, started the way its menu entry starts it: by the
entry's Exec name, found on a PATH that leads to the install. Its window must
carry the entry's Name and window class, and "Exit" must end it with status 0.
Usage: installed_program.py PREFIX
"""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PREFIX = None


def desktop_entry(path):
    with open(path) as entry:
        return dict(line.rstrip("\n").split("=", 1) for line in entry if "=" in line)


class InstalledProgram(unittest.TestCase):
    def test_menu_entry_starts_the_window_it_names_and_exit_ends_it(self):
        entry = desktop_entry(os.path.join(
            PREFIX, "share", "applications", "org.vyx.Calculator.desktop"))
        self.assertEqual(entry["Name"], xsession.TITLE)
        os.environ["PATH"] = os.path.join(PREFIX, "bin") + os.pathsep + os.environ["PATH"]
        session = xsession.Session(entry["Exec"])
        self.addCleanup(session.close)
        session.start()
        wm_class = session.run("xprop", "-id", str(session.window), "WM_CLASS").stdout.decode()
        self.assertTrue(wm_class.rstrip().endswith('"%s"' % entry["StartupWMClass"]), wm_class)
        session.press("Exit")
        self.assertEqual(session.exit_status(), 0)


if __name__ == "__main__":
    PREFIX = sys.argv.pop(1)
    unittest.main()
