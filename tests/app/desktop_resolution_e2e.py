# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator sizes its window by the desktop's font
resolution (Xft.dpi on its X server), unless the toolkit's registry says
otherwise, and leaves the registry files alone."""
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None

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

    def test_window_grows_with_the_desktop_resolution_and_only_then(self):
        plain = self.window_size()
        self.assertEqual(self.window_size("96"), plain, "96 is the toolkit's own resolution")
        # Every font is twice as tall; the toolkit's borders, pads and spacings
        # keep their pixels, so the window is somewhat less than twice as big.
        double = self.window_size("192")
        for grown, usual in zip(double, plain):
            self.assertTrue(1.5 * usual <= grown <= 2 * usual, (double, plain))

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
    unittest.main()
