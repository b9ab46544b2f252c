#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Pastes what no user should paste, from real selection owners: 16 MiB of
digits, 1 MiB of random bytes with zero bytes inside, an empty selection, and
an owner that never answers. After each the calculator must still run, answer
a copy, and show either its old value or the number the text begins with."""

import os
import random
import subprocess
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = TOOLS = None
DECIMAL = 2


class HostilePaste(unittest.TestCase):
    def setUp(self):
        # Reading 16 MiB of digits takes a sanitized window on a busy machine a
        # while; the bound only keeps a hung window from hanging the test.
        self.s = xsession.Session(PROGRAM, window_limit=120)
        self.addCleanup(self.s.close)
        self.s.start()
        self.s.press("7")
        self.assertEqual(self.s.copied(DECIMAL), b"7")

    def paste_from_primary(self, data):
        self.s.offer("primary", data)
        self.s.press("Paste")
        self.assertTrue(self.s.running())
        return self.s.copied(DECIMAL)

    def test_sixteen_mebibytes_of_digits_read_as_infinity(self):
        # The number is read from all of its digits, far beyond the double range.
        self.assertEqual(self.paste_from_primary(b"1" * (16 << 20)), b"inf")

    def test_random_bytes_with_zero_bytes_inside(self):
        rng = random.Random(20261207)
        noise = bytearray(rng.randrange(256) for _ in range(1 << 20))
        noise[0] = ord("x")  # the text must not begin with a number
        noise[1000] = noise[500000] = 0
        self.assertEqual(self.paste_from_primary(bytes(noise)), b"7")
        noise[0:4] = b" 42\0"
        self.assertEqual(self.paste_from_primary(bytes(noise)), b"42")

    def test_empty_selection_changes_nothing(self):
        self.assertEqual(self.paste_from_primary(b""), b"7")

    def test_owner_that_never_answers_does_not_hang_the_calculator(self):
        silent = subprocess.Popen([os.path.join(TOOLS, "silent_selection_owner")],
                                  stdout=subprocess.PIPE, env=self.s.env)
        self.s.helpers.append(silent)
        self.assertEqual(silent.stdout.readline(), b"ready\n")
        decimal = self.s.displays[DECIMAL]
        seven = self.s.pixels(decimal)
        started = time.monotonic()
        self.s.press("Paste")
        self.s.press("AC")
        # The toolkit gives up on each of the two selections after its own
        # time-out; then the queued "AC" shows. The clipboard is left alone
        # meanwhile, since any program asking it would wait on the same owner.
        self.s.settle(90)
        self.assertNotEqual(self.s.pixels(decimal), seven, "the queued AC shown")
        print("a paste from a silent owner held the window for %.1f s"
              % (time.monotonic() - started), file=sys.stderr)
        silent.kill()
        silent.stdout.close()
        self.assertEqual(self.s.copied(DECIMAL), b"0")
        self.s.press("Exit")
        self.assertEqual(self.s.exit_status(), 0)


if __name__ == "__main__":
    PROGRAM, TOOLS = sys.argv.pop(1), sys.argv.pop(1)
    unittest.main()
