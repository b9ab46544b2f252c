# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: after the desktop's resolution changes while the calculator
runs, a screen reader that asks the accessibility bus for a widget's extents
gets the widget's new place and size, as its X window has them, and one that
listens is told the widget moved."""
import os
import shutil
import sys
import tempfile
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None


class RescaledExtents(unittest.TestCase):
    def test_extents_follow_a_live_change_of_the_resolution(self):
        s = xsession.AccessibleSession(PROGRAM)
        self.addCleanup(s.close)
        s.start()
        os.environ["AT_SPI_BUS_ADDRESS"] = s.address
        desktop = Atspi.get_desktop(0)
        app = xsession.wait_until(lambda: [a for a in map(
            desktop.get_child_at_index, range(desktop.get_child_count()))
            if a and a.get_process_id() == s.process.pid], "the calculator on the bus")[0]
        app.set_cache_mask(Atspi.Cache.NONE)  # every answer comes from the calculator
        seven = app.get_child_at_index(0).get_child_at_index(3).get_child_at_index(1)

        def extents_and_window():
            box = seven.get_extents(Atspi.CoordType.SCREEN)
            w = s.buttons["7"]
            return (box.x, box.y, box.width, box.height), (w.x, w.y, w.width, w.height)
        moved = []
        listener = Atspi.EventListener.new(lambda event: moved.append(event.source))
        listener.register("object:bounds-changed")
        before, window = extents_and_window()  # answered after the registration is known
        self.assertEqual(before, window)
        log = s.size_log()
        s.run("xrdb", "-nocpp", "-merge", stdin=b"Xft.dpi: 192\n")
        log.wait_for((985, 398))
        s.settle()
        s.map_widgets()
        after, window = extents_and_window()
        self.assertEqual(after, window)
        self.assertNotEqual(after, before)
        context = GLib.MainContext.default()

        def told():
            while context.pending():
                context.iteration(False)
            return seven in moved
        xsession.wait_until(told, "the event that the seven moved")


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    fonts = tempfile.mkdtemp(prefix="vyx-fonts-")
    try:
        xsession.use_packaged_fonts(fonts)
        unittest.main()
    finally:
        shutil.rmtree(fonts)
