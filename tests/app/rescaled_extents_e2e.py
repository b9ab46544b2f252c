# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: after the desktop's resolution changes while the calculator
runs, a screen reader that asks the accessibility bus for a widget's extents
gets the widget's new place and size, as its X window has them."""
import os
import shutil
import sys
import tempfile
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None


def extents(accessible):
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def geometry(widget):
    return widget.x, widget.y, widget.width, widget.height


class RescaledExtents(unittest.TestCase):
    def test_extents_follow_a_live_change_of_the_resolution(self):
        session = xsession.AccessibleSession(PROGRAM)
        self.addCleanup(session.close)
        session.start()
        os.environ["AT_SPI_BUS_ADDRESS"] = session.address

        def joined():
            desktop = Atspi.get_desktop(0)
            found = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
            return [app for app in found if app and app.get_process_id() == session.process.pid]
        app = xsession.wait_until(joined, "the calculator on the accessibility bus")[0]
        app.set_cache_mask(Atspi.Cache.NONE)  # every answer comes from the calculator
        frame = app.get_child_at_index(0)
        seven = frame.get_child_at_index(3).get_child_at_index(1)  # the keypad's "7"
        before = extents(seven)
        self.assertEqual(before, geometry(session.buttons["7"]))

        log = session.size_log()
        session.run("xrdb", "-nocpp", "-merge", stdin=b"Xft.dpi: 192\n")
        log.wait_for((985, 398))
        session.settle()
        session.map_widgets()
        self.assertEqual(extents(seven), geometry(session.buttons["7"]))
        self.assertEqual(extents(frame)[2:], (985, 398))
        self.assertNotEqual(extents(seven), before)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    fonts = tempfile.mkdtemp(prefix="vyx-fonts-")
    try:
        xsession.use_packaged_fonts(fonts)
        unittest.main()
    finally:
        shutil.rmtree(fonts)
