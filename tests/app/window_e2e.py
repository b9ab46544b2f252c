# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator on its own X server, clicked through XTEST."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None


class WindowEndToEnd(unittest.TestCase):
    def setUp(self):
        self.session = xsession.Session(PROGRAM)
        self.addCleanup(self.session.close)
        self.session.start()

    def test_clicked_digit_shows_and_delete_takes_it_back(self):
        s = self.session
        decimal = s.displays[2]
        empty = s.pixels(decimal)
        s.press("7")
        self.assertNotEqual(s.pixels(decimal), empty, "7 on the decimal display")
        s.press("Del")
        self.assertEqual(s.pixels(decimal), empty, "the decimal display back at 0")

    def test_clicked_session_in_hexadecimal_reaches_the_clipboard(self):
        s = self.session
        s.click(s.displays[1])
        s.press("F", "F", "+", "1", "=", "<<")
        self.assertEqual(s.copied(1), b"0x00000200")
        self.assertEqual(s.copied(2), b"512")

    def test_clicks_taken_late_act_on_the_widget_they_land_on(self):
        s = self.session
        seven, eight = s.buttons["7"].centre, s.buttons["8"].centre
        copy = s.copy[1].centre
        # Pressed on 7 and released on 8: neither is entered, even when the
        # window takes the whole drag late.
        with s.stopped():
            s.run("xdotool", "mousemove", *map(str, seven), "mousedown", "1",
                  "mousemove", *map(str, eight), "mouseup", "1")
        s.clear_the_way()
        # 7 pressed while the window keeps up; released, and the copy of the
        # hexadecimal display clicked, while it does not. The release enters 7,
        # and the click copies: the press on 7 holds no claim on later clicks.
        s.offer("clipboard", xsession.CLEARED)
        s.run("xdotool", "mousemove", *map(str, seven), "mousedown", "1")
        s.settle()
        with s.stopped():
            s.run("xdotool", "mouseup", "1", "mousemove", *map(str, copy), "click", "1",
                  "mousemove", *map(str, xsession.PARK))
        self.assertEqual(s.selection("clipboard"), b"0x00000007")
        # 7 pressed, the space bar typed while it is held, and 7 released: one
        # more 7, and the next click still goes where it lands.
        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        s.run("xdotool", "mousemove", *map(str, seven), "mousedown", "1", "key", "space",
              "mouseup", "1", "mousemove", *map(str, xsession.PARK))
        self.assertEqual(s.copied(1), b"0x0000004D")

    def test_about_box_opens_and_closes_and_exit_ends_with_status_zero(self):
        s = self.session
        # Once the window has handled the click, the box is on show.
        s.press("...")
        s.settle()
        about = s.find_window(xsession.ABOUT_TITLE)
        self.assertIsNotNone(about, "the About box")
        ok_button = s.about_button(about)
        s.click(ok_button)
        s.settle()
        self.assertIsNone(s.find_window(xsession.ABOUT_TITLE), "the About box closed")
        # Opened again, it closes from the keyboard.
        s.press("...")
        s.settle()
        s.run("xdotool", "windowfocus", "--sync", str(s.find_window(xsession.ABOUT_TITLE)))
        s.run("xdotool", "key", "space")
        s.settle()
        self.assertIsNone(s.find_window(xsession.ABOUT_TITLE), "the About box closed by key")
        s.press("Exit")
        self.assertEqual(s.exit_status(), 0)

if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
