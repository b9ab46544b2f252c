# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator sizes its whole window by the desktop's
font resolution (Xft.dpi on its X server), unless the toolkit's registry says
otherwise, and leaves the registry files alone; at 96 dpi it is pixel for pixel
the window of the reference picture.

The programs see only the packaged faces the window's fonts resolve to: the
reference picture holds their glyphs as this Debian release renders them."""
import subprocess
import os
import re
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None
HERE = os.path.dirname(os.path.abspath(__file__))
# The window as it opens at 96 dpi, taken before the window learnt to scale.
REFERENCE = os.path.join(HERE, "window-96dpi.png")

# Runs on the calculator's own server just before the calculator: gives it the
# home folder, where the toolkit looks for its registry, and the desktop's
# resolution as a desktop publishes it. A failing xrdb ends the command before
# the window appears, which fails the start.
_PREPARE = 'export HOME="$1"; dpi="$2"; shift 2; ' \
           '[ -z "$dpi" ] || echo "Xft.dpi: $dpi" | xrdb -nocpp -merge || exit 1; exec "$@"'


def tree(folder):
    """Every file and folder below the folder, with its contents and time of change,
    but for fontconfig's cache, which fontconfig refreshes on its own whenever the
    system's cache is older than the fonts."""
    found = {}
    for parent, folders, files in os.walk(folder):
        if parent == folder and ".cache" in folders:
            folders.remove(".cache")
        for name in folders + files:
            path = os.path.join(parent, name)
            data = None
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    data = f.read()
            found[os.path.relpath(path, folder)] = (data, os.stat(path).st_mtime_ns)
    return found


class DesktopResolution(unittest.TestCase):
    def setUp(self):
        self.home = tempfile.mkdtemp(prefix="vyx-home-")
        self.addCleanup(shutil.rmtree, self.home)

    def start(self, dpi=None):
        """The calculator on a server whose resources carry this Xft.dpi (none
        when None); gives the session."""
        prepare = ["sh", "-c", _PREPARE, "sh", self.home, dpi or ""]
        session = xsession.Session(PROGRAM, wrapper=prepare)
        self.addCleanup(session.close)
        session.start()
        return session

    @staticmethod
    def widget_sizes(session):
        """The sizes the window and its widgets have now, by name."""
        session.map_widgets()
        widgets = {"window": session.children(session.window)[0]}
        for row in range(3):
            widgets["MEM %d" % row] = session.recall[row]
            widgets["< %d" % row] = session.store[row]
            widgets["display %d" % row] = session.displays[row]
            widgets["> %d" % row] = session.copy[row]
        widgets.update(session.buttons)
        return {name: (w.width, w.height) for name, w in widgets.items()}

    def sizes(self, dpi=None, prepare=None):
        """The sizes the window and its widgets come up with, by name; after
        the input of prepare(session), when given."""
        session = self.start(dpi)
        if prepare:
            prepare(session)
        found = self.widget_sizes(session)
        session.close()
        return found

    def indicator(self, dpi):
        """The checked decimal display's radio indicator: the width and height
        of its ring and the width of the ball across its middle."""
        session = self.start(dpi)
        rows = session.picture(session.displays[2])
        session.close()
        face = rows[0][-1]  # the right end of the display is bare
        columns = [x for x in range(len(rows[0])) if any(row[x] != face for row in rows)]
        # The ring is the first run of columns with anything drawn on them.
        left = right = columns[0]
        while right + 1 in columns:
            right += 1
        lines = [y for y, row in enumerate(rows) if any(p != face for p in row[left:right + 1])]
        # The ball is the run of black through the middle of the ring.
        middle, start = rows[(lines[0] + lines[-1]) // 2], (left + right) // 2
        end = start
        while middle[start - 1] == (0, 0, 0):
            start -= 1
        while middle[end] == (0, 0, 0):
            end += 1
        return right - left + 1, lines[-1] - lines[0] + 1, end - start

    def test_whole_window_and_its_radio_indicators_grow_with_the_resolution(self):
        plain = self.sizes()
        self.assertEqual(self.sizes("96"), plain, "96 is the toolkit's own resolution")
        # The text's glyph advances are whole pixels: the 39 of the binary
        # display grow from 9 to 14 pixels at 144 dpi, 1.556 times, so widths
        # there get a little more room than heights.
        for dpi, ratio, tolerance, width_tolerance in (("144", 1.5, 0.03, 0.04),
                                                        ("192", 2.0, 0.02, 0.02)):
            grown = self.sizes(dpi)
            for name, (width, height) in plain.items():
                big = grown[name]
                what = "%s at %s dpi: %r from %r" % (name, dpi, big, (width, height))
                # A pixel either way: a widget's size is the sum of a few rounded ones.
                self.assertLessEqual(abs(big[1] - ratio * height), tolerance * ratio * height + 1,
                                     what)
                if name == "window":
                    self.assertLessEqual(abs(big[0] - ratio * width),
                                         width_tolerance * ratio * width, what)
                    self.assertLessEqual(abs(big[1] - ratio * height),
                                         tolerance * ratio * height, what)

        ring, height, ball = self.indicator(None)
        self.assertEqual((ring, height, ball), (12, 12, 4))
        self.assertEqual(self.indicator("192"), (2 * ring, 2 * height, 2 * ball))

    def test_window_at_96_dpi_is_the_reference_picture(self):
        for dpi in (None, "96"):
            session = self.start(dpi)
            shot = os.path.join(self.home, "window.png")
            session.screenshot(shot)
            session.close()
            result = subprocess.run(["compare", "-metric", "AE", REFERENCE, shot, "null:"],
                                    capture_output=True, timeout=xsession.COMMAND_TIMEOUT)
            # compare exits 0 for the same pixels, 1 for different ones, and
            # prints how many differ (newer ImageMagick adds the share of all
            # pixels in brackets); anything else means it could not compare.
            report = result.stderr.decode()
            self.assertIn(result.returncode, (0, 1), report)
            self.assertEqual(report.split()[:1], ["0"],
                             "pixels differing from %s at %s dpi" % (REFERENCE, dpi or "no"))
            os.remove(shot)

    def window_size(self, dpi=None, session=None):
        """The size the window comes up with. The toolkit sizes it before it
        creates it, so it is final once the window can be found. A session of
        its own is closed again at once."""
        own = session is None
        if own:
            session = self.start(dpi)
        listing = session.run("xwininfo", "-id", str(session.window)).stdout.decode()
        size = {}
        for line in listing.splitlines():
            key, _, value = line.strip().partition(":")
            if key in ("Width", "Height"):
                size[key] = int(value)
        if own:
            session.close()
        return size["Width"], size["Height"]

    def exit(self, session):
        """Ends the calculator through its "Exit" button, which is when the
        toolkit saves its registry if it holds changes."""
        session.press("Exit")
        self.assertEqual(session.exit_status(), 0)
        session.close()

    @staticmethod
    def corner(session):
        """Where the window's top left corner is on the screen."""
        listing = session.run("xwininfo", "-id", str(session.window)).stdout.decode()
        return re.findall(r"Absolute upper-left [XY]:\s+(-?\d+)", listing)

    def follow(self, session, log, change, fresh, reported=None):
        """Makes the change, waits for the window to take the size of a fresh
        start, and checks every widget against that start. The sizes that
        count are those reported after the change began, or after the one
        numbered reported."""
        if reported is None:
            reported = len(log.sizes())
        change()
        expected = fresh["window"]
        log.wait_for(expected, reported)
        session.settle()
        self.assertEqual(log.sizes()[reported:], [expected], "one relayout, to the last value")
        self.assertEqual(self.widget_sizes(session), fresh)

    def enter_session(self, session):
        """Hexadecimal, 0xC in memory 0, "+" pending, 7 being typed, degrees,
        and the hexadecimal display's text on the clipboard."""
        session.click(session.displays[1])
        session.press("C")
        session.click(session.store[0])
        session.press("+", "7", "[RAD]")
        self.assertEqual(session.copied(1), b"0x00000007")

    def expect_session_kept(self, session):
        """The session entered above is all there, the clipboard still the
        calculator's."""
        self.assertEqual(session.selection_owner("CLIPBOARD"), session.window)
        self.assertEqual(session.selection("clipboard"), b"0x00000007")
        self.assertEqual(session.copied(2), b"7")
        session.press("=")
        self.assertEqual(session.copied(1), b"0x00000013")
        session.click(session.recall[0])
        self.assertEqual(session.copied(2), b"12")
        # 0x5A is 90, read in the hexadecimal base; its sine in degrees is 1.
        session.press("AC", "5", "A", "sin")
        self.assertEqual(session.copied(2), b"1")

    def test_live_changes_by_xrdb_match_fresh_starts_and_lose_nothing(self):
        fresh = {dpi: self.sizes(dpi, self.enter_session) for dpi in ("192", "144", None)}
        session = self.start()
        corner = self.corner(session)
        self.enter_session(session)
        log = session.size_log()

        def merge(*values):
            return lambda: [session.run("xrdb", "-nocpp", "-merge", stdin=b"Xft.dpi: %s\n" % v)
                            for v in values]

        for dpi, expected in (("192", "192"), ("96", None), ("144", "144"), ("192", "192"),
                              ("abc", None), ("192", "192"), ("0", None), ("192", "192"),
                              ("-96", None), ("192", "192"), ("100000", None)):
            with self.subTest(dpi=dpi):
                self.follow(session, log, merge(dpi.encode()), fresh[expected])
                self.assertEqual(self.corner(session), corner)
        # Written three times while the calculator is held: one relayout, for
        # the last value.
        reported = len(log.sizes())
        with session.stopped():
            merge(b"120", b"192", b"144")()
        self.follow(session, log, lambda: None, fresh["144"], reported)
        # Another resource is no resolution: nothing happens until the next is set.
        self.follow(session, log, lambda: (
            session.run("xrdb", "-nocpp", "-merge", stdin=b"Xcursor.size: 48\n"),
            session.settle(), merge(b"96")()), fresh[None])
        self.expect_session_kept(session)

    def test_xfsettingsd_changes_match_fresh_starts(self):
        def store(session):
            session.press("4", "2")
            session.click(session.store[1])

        fresh = {dpi: self.sizes(dpi, store) for dpi in ("192", "144", "50", None)}
        session = self.start()
        store(session)
        session.settings_manager()
        log = session.size_log()

        def dpi(value):
            return lambda: session.xfconf("-c", "xsettings", "-p", "/Xft/DPI", "-n", "-t", "int",
                                          "-s", str(value))

        # The daemon writes 0 as 50 and 100000 as 500, which is beyond the
        # calculator's range, in the resources as in XSETTINGS.
        for value, expected in ((192, "192"), (96, None), (144, "144"), (0, "50"), (192, "192"),
                                (100000, None), (144, "144")):
            with self.subTest(value=value):
                self.follow(session, log, dpi(value), fresh[expected])
        # With the resources gone, XSETTINGS still says 144: the window stays
        # as it is until the next change.
        self.follow(session, log, lambda: (session.run("xrdb", "-remove"), session.settle(),
                                           dpi(192)()), fresh["192"])
        session.click(session.recall[1])
        self.assertEqual(session.copied(2), b"42")

    def test_users_screenres_wins_and_the_registry_files_are_not_touched(self):
        plain = self.window_size()

        # The calculator's own registry file, written long ago, says 96 dots per inch.
        folder = os.path.join(self.home, ".foxrc", "Vyx")
        os.makedirs(folder)
        own = os.path.join(folder, "Calculator")
        with open(own, "w") as f:
            f.write("[SETTINGS]\nscreenres=100\n")
        os.utime(own, ns=(10**18, 10**18))
        before = tree(self.home)
        session = self.start("192")
        self.assertEqual(self.window_size(session=session), plain)
        # Nor does a change while it runs.
        session.run("xrdb", "-nocpp", "-merge", stdin=b"Xft.dpi: 144\n")
        session.settle()
        self.assertEqual(self.window_size(session=session), plain)
        self.exit(session)
        self.assertEqual(tree(self.home), before)

        # With no registry at all, the desktop's resolution creates none.
        shutil.rmtree(os.path.join(self.home, ".foxrc"))
        session = self.start("192")
        grown = self.window_size(session=session)
        self.assertTrue(grown[0] > plain[0] and grown[1] > plain[1], (grown, plain))
        self.exit(session)
        self.assertEqual(tree(self.home), {})


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    fonts = tempfile.mkdtemp(prefix="vyx-fonts-")
    try:
        xsession.use_packaged_fonts(fonts)
        unittest.main()
    finally:
        shutil.rmtree(fonts)
