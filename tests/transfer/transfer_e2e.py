# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator exchanging text with real other programs
(xclip) and typed on through XTEST (xdotool), on an X server of its own."""
import os
import random
import sys
import threading
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None
BINARY, HEXADECIMAL, DECIMAL = 0, 1, 2
# Every name a copy is offered under, as TARGETS lists them.
TEXT_TYPES = [b"UTF8_STRING", b"STRING", b"TEXT", b"text/plain;charset=utf-8", b"text/plain"]


class EndToEnd(unittest.TestCase):
    def setUp(self):
        self.session = xsession.Session(PROGRAM)
        self.addCleanup(self.session.close)
        self.session.start()

    def shown_change(self, action, row=DECIMAL):
        """Runs the action and checks that the display of the row shows it."""
        s = self.session
        before = s.pixels(s.displays[row])
        action()
        self.assertNotEqual(s.pixels(s.displays[row]), before, "the display to change")


class Clipboard(EndToEnd):
    def test_copy_hands_over_exactly_the_text_under_every_text_type(self):
        s = self.session
        rows = [(["5"], BINARY, b"0000 0000 0000 0000 0000 0000 0000 0101"),
                (["AC", "1", "+/-"], HEXADECIMAL, b"0xFFFFFFFF"),
                (["AC", "2", ".", "5"], DECIMAL, b"2.5")]
        for keys, row, text in rows:
            s.press(*keys)
            self.assertEqual(s.copied(row), text)
            for target in TEXT_TYPES:
                self.assertEqual(s.selection("clipboard", target), text, target)
        self.assertEqual(s.selection("clipboard", "TARGETS").split(), TEXT_TYPES)
        self.assertEqual(s.selection("clipboard", "image/png"), b"", "a type never offered")

        # What was copied stays, whatever the calculator does afterwards.
        self.shown_change(lambda: s.press("7"))
        self.assertEqual(s.selection("clipboard"), b"2.5")
        self.assertEqual(s.selection("clipboard"), b"2.5")

        # An owner that offers UTF-8 text alone is read too.
        s.offer("clipboard", b"640", "UTF8_STRING")
        s.press("Paste")
        self.assertEqual(s.copied(DECIMAL), b"640")

    def test_copy_comes_after_all_input_sent_before_it(self):
        # The program is held while input piles up in its queue: a digit, a
        # copy of the binary display and the About box, which ignores clicks
        # on the main window while it is open. The copy of the hexadecimal
        # display is asked for meanwhile, and must still give the value after
        # that input, never the binary text nor a copy the box swallowed.
        s = self.session
        started = threading.Event()
        run = s.run

        def noticing_run(*command, **options):
            if command[0] == xsession.ROUND_TRIP or "click" in command:
                started.set()
            return run(*command, **options)

        s.run = noticing_run
        result = []
        with s.stopped():
            s.press("5")
            s.click(s.copy[BINARY])
            s.press("...")
            started.clear()
            worker = threading.Thread(target=lambda: result.append(s.copied(HEXADECIMAL)))
            worker.start()
            started.wait(xsession.WAIT_LIMIT)
        worker.join()
        s.run = run
        self.assertEqual(result, [b"0x00000005"])

    def test_paste_takes_the_primary_selection_before_the_clipboard(self):
        s = self.session
        s.offer("clipboard", b"  42")
        s.press("Paste")
        self.assertEqual(s.copied(DECIMAL), b"42")

        s.offer("primary", b"7")
        s.offer("clipboard", b"9")
        s.press("AC", "Paste")
        self.assertEqual(s.copied(DECIMAL), b"7")

        s.offer("primary", b"-1e3 and then words")
        s.press("AC", "5", "+", "Paste", "=")
        self.assertEqual(s.copied(DECIMAL), b"-995")

    def test_bad_and_huge_pastes_leave_the_value_and_the_program_alone(self):
        s = self.session
        noise = random.Random(4).randbytes(3_000_000)
        refused = [
            b"\0\0\0",
            b"no number here, and no zero byte",
            b"\xc3\x28\xa0\xa1\xff\xfe not UTF-8",
            b"-x1",
            b"inf",
            b"x" + noise,
        ]
        s.press("7")
        for data in refused:
            s.offer("primary", data)
            s.press("Paste")
            self.assertEqual(s.copied(DECIMAL), b"7", data[:20])
            self.assertTrue(s.running())

        s.offer("primary", b"12" + noise)
        s.press("Paste")
        self.assertEqual(s.copied(DECIMAL), b"12")
        s.offer("primary", b"9" * 2_000_000)
        s.press("Paste")
        self.assertEqual(s.copied(DECIMAL), b"inf")
        self.assertTrue(s.running())


class ClipboardAtQuit(EndToEnd):
    def test_the_desktops_clipboard_manager_keeps_the_copy_whichever_way_the_window_goes(self):
        s = self.session
        s.clipboard_manager()
        # Each way out copies another text, so none is read back from before.
        ways_out = [
            ("Escape", lambda: s.keys("Escape"), ["7", "+", "5", "="], DECIMAL, b"12"),
            ("Exit", lambda: s.press("Exit"), ["6", "*", "7", "="], DECIMAL, b"42"),
            ("close", s.close_window, ["1", "+/-"], HEXADECIMAL, b"0xFFFFFFFF"),
        ]
        for number, (way, quit, keys, row, text) in enumerate(ways_out):
            if number:
                s.restart()
            s.press(*keys)
            self.assertEqual(s.copied(row), text, way)
            quit()
            self.assertEqual(s.exit_status(), 0, way)
            self.assertEqual(s.kept_clipboard(), text, way)

    def test_without_a_manager_the_copy_goes_with_the_window(self):
        s = self.session
        s.press("7")
        self.assertEqual(s.copied(DECIMAL), b"7")
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)
        self.assertEqual(s.selection_owner("CLIPBOARD"), 0)
        self.assertEqual(s.selection("clipboard"), b"")

    def test_a_manager_that_never_answers_is_asked_only_for_our_own_copy_and_waited_for_in_vain(
            self):
        s = self.session
        manager = s.silent_manager()
        s.press("7")
        s.copied(DECIMAL)
        s.offer("clipboard", b"another program's")
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)
        self.assertEqual(manager.requests(), [], "a clipboard no longer ours")

        s.restart()
        s.press("7")
        s.copied(DECIMAL)
        s.press("Exit")
        self.assertEqual(s.exit_status(), 0)
        self.assertEqual(manager.requests(), [("CLIPBOARD_MANAGER", "SAVE_TARGETS")])


class Wayland(unittest.TestCase):
    def test_copies_reach_native_wayland_programs_and_theirs_are_pasted(self):
        s = xsession.WaylandSession(PROGRAM)
        self.addCleanup(s.close)
        s.start()
        for keys, row, text in [(["7", "+", "5", "="], DECIMAL, b"12"),
                                (["AC", "1", "+/-"], HEXADECIMAL, b"0xFFFFFFFF"),
                                (["AC", "5"], BINARY, b"0000 0000 0000 0000 0000 0000 0000 0101")]:
            s.press(*keys)
            self.assertEqual(s.copied(row), text)
            # The compositor takes the new copy over when it learns of it.
            xsession.wait_until(lambda: s.wayland_clipboard() == text, "wl-paste to give %r" % text)

        s.wayland_copy("640")
        xsession.wait_until(lambda: s.selection("clipboard") == b"640", "the copy on Xwayland")
        s.press("AC", "Paste")
        self.assertEqual(s.copied(DECIMAL), b"640")

        # The compositor acknowledges the handover at quit without keeping
        # anything: the calculator ends at once all the same.
        self.assertNotEqual(s.selection_owner("CLIPBOARD_MANAGER"), 0)
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)


class Keyboard(EndToEnd):
    def test_main_and_keypad_keys_compute(self):
        s = self.session
        s.keys("7", "plus", "5", "Return")
        self.assertEqual(s.copied(DECIMAL), b"12")
        s.keys("Delete", "KP_7", "KP_Multiply", "KP_5", "KP_Enter")
        self.assertEqual(s.copied(DECIMAL), b"35")
        s.keys("Delete", "9", "minus", "3", "equal", "slash", "4", "KP_Subtract", "1", "KP_Divide", "2",
               "KP_Add", "period", "5", "Return")
        self.assertEqual(s.copied(DECIMAL), b"0.750000")

    def test_backspace_deletes_and_delete_clears_the_pending_operation(self):
        s = self.session
        s.keys("4", "2", "BackSpace", "plus", "3", "Delete", "2", "KP_Enter")
        self.assertEqual(s.copied(DECIMAL), b"2")
        s.keys("Tab", "space", "comma", "Left", "F1", "g", "KP_Separator")
        s.keys("KP_Decimal", "5")
        self.assertEqual(s.copied(DECIMAL), b"2.5")

    def test_letters_follow_the_base_and_modifiers_change_nothing(self):
        s = self.session
        s.keys("a", "B", "shift+c")
        s.offer("clipboard", b"untouched")
        self.shown_change(lambda: s.click(s.displays[HEXADECIMAL]), HEXADECIMAL)
        self.shown_change(lambda: s.keys("ctrl+c"), HEXADECIMAL)
        self.assertEqual(s.selection("clipboard"), b"untouched")
        s.keys("ctrl+shift+f", "alt+1")
        self.assertEqual(s.copied(HEXADECIMAL), b"0x00000CF1")

    def test_escape_ends_the_program_with_status_zero(self):
        s = self.session
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
