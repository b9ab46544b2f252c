# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""End-to-end: the built calculator on the accessibility bus of a desktop
session of its own, read through at-spi2-core's client library as screen
readers read it, called with malformed messages, and listened to by Orca.
Each class runs in a process of its own: the client library keeps the first
accessibility bus it reached for the life of the process."""
import os
import sys
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import xsession  # noqa: E402

PROGRAM = None
BINARY, HEXADECIMAL, DECIMAL = 0, 1, 2
PANELS = ["Memory and displays", "Functions", "Integer operations", "Keypad", "Operators"]
# The names of the buttons whose labels are not words or numbers.
NAMES = {"[RAD]": "Radians", "!": "Factorial", "->rad": "To radians", "->deg": "To degrees",
         "x^2": "Square", "e^x": "Exponential", "->E": "Francs to euros",
         "10^x": "Ten to the power x", "->F": "Euros to francs", "1/x": "Inverse",
         "<<": "Shift left", ">>": "Shift right", ".": "Point", "+/-": "Change sign",
         "*": "Times", "/": "Divided by", "-": "Minus", "+": "Plus", "=": "Equals",
         "...": "About"}
ZERO = "0000 0000 0000 0000 0000 0000 0000 0000"


class OnTheBus(unittest.TestCase):
    """The calculator started once accessibility is on (or not, as the class
    says), on a display and a desktop session of its own."""
    enabled = True

    def setUp(self):
        self.session = xsession.AccessibleSession(PROGRAM, enabled=self.enabled)
        self.addCleanup(self.session.close)
        self.session.start()
        os.environ["AT_SPI_BUS_ADDRESS"] = self.session.address

    def application(self):
        """The running calculator's root object, once it has joined."""
        def joined():
            desktop = Atspi.get_desktop(0)
            return [app for app in children(desktop)
                    if app and app.get_process_id() == self.session.process.pid]
        return xsession.wait_until(joined, "the calculator on the accessibility bus")[0]

    def widgets(self, app):
        """The frame, and each panel with its X window and its children, each
        child with its X window and the name it is expected to have first."""
        s = self.session
        frame = app.get_child_at_index(0)
        block, pads = s.children(s.children(s.window)[0].wid)
        names = (["Memory %d" % k for k in range(3)] + ["Store in memory %d" % k for k in range(3)]
                 + [ZERO, "0x00000000", "0"] + ["Copy binary", "Copy hexadecimal", "Copy decimal"]
                 + [NAMES.get(label, label) for label in s.buttons])
        windows = s.recall + s.store + s.displays + s.copy + list(s.buttons.values())
        panels = []
        for panel, window in zip(children(frame), [block] + s.children(pads.wid)):
            count = panel.get_child_count()
            panels.append((panel, window, list(zip(children(panel), windows[:count], names))))
            del windows[:count], names[:count]
        return frame, panels


def children(accessible):
    return [accessible.get_child_at_index(i) for i in range(accessible.get_child_count())]


def extents(accessible):
    box = accessible.get_extents(Atspi.CoordType.SCREEN)
    return box.x, box.y, box.width, box.height


def geometry(widget):
    return widget.x, widget.y, widget.width, widget.height


class Tree(OnTheBus):
    def test_every_widget_is_there_with_its_name_role_states_extents_and_click(self):
        s = self.session
        app = self.application()
        app.set_cache_mask(Atspi.Cache.NONE)  # every answer comes from the calculator
        self.assertEqual((app.get_name(), app.get_role(), app.get_toolkit_name(),
                          app.get_toolkit_version()),
                         ("Calculator", Atspi.Role.APPLICATION, "FOX", "1.6.57"))
        self.assertEqual(app.get_parent().get_role(), Atspi.Role.DESKTOP_FRAME)
        frame, panels = self.widgets(app)
        self.assertEqual((frame.get_name(), frame.get_role()), (xsession.TITLE, Atspi.Role.FRAME))
        window = s.run("xwininfo", "-id", str(s.window)).stdout.decode()
        self.assertEqual(extents(frame), tuple(int(window.split(key)[1].split()[0]) for key in (
            "Absolute upper-left X:", "Absolute upper-left Y:", "Width:", "Height:")))
        self.assertEqual([(p.get_name(), p.get_role()) for p, _, _ in panels],
                         [(name, Atspi.Role.PANEL) for name in PANELS])
        everything = []
        for panel, window, widgets in panels:
            self.assertEqual(extents(panel), geometry(window), panel.get_name())
            self.assertEqual([a.get_name() for a, _, _ in widgets], [n for _, _, n in widgets])
            everything += widgets
        # A display is named by its value, which may be a digit's name too:
        # the buttons' names differ, and so do the displays'.
        buttons = [name for _, _, name in everything[:6] + everything[9:]]
        self.assertEqual((len(set(buttons)), len(set(n for _, _, n in everything[6:9]))), (64, 3))
        displays = [a for a, _, _ in everything[6:9]]
        for accessible, window, name in everything:
            self.assertEqual(accessible.get_role(), Atspi.Role.RADIO_BUTTON
                             if accessible in displays else Atspi.Role.PUSH_BUTTON, name)
            self.assertEqual(extents(accessible), geometry(window), name)
            states = accessible.get_state_set()
            for state in (Atspi.StateType.SHOWING, Atspi.StateType.VISIBLE, Atspi.StateType.ENABLED,
                          Atspi.StateType.SENSITIVE, Atspi.StateType.FOCUSABLE):
                self.assertTrue(states.contains(state), (name, state))
            self.assertEqual(states.contains(Atspi.StateType.CHECKED),
                             accessible == displays[DECIMAL], name)
            self.assertEqual((accessible.get_n_actions(), accessible.get_action_name(0)),
                             (1, "click"), name)

        # The action is the click: every button but About and Exit in turn,
        # through its action and then clicked in a new calculator, leaves the
        # same texts behind at every step. An action is answered before it is
        # carried out, and carried out before the next call is read.
        def texts(widgets):
            return [a.get_name() for a, _, name in widgets[:12] + widgets[12 + 2:12 + 3]]
        swept = [number for number, (_, _, name) in enumerate(everything)
                 if name not in ("About", "Exit")]
        by_action = []
        for number in swept:
            self.assertTrue(everything[number][0].do_action(0), everything[number][2])
            by_action.append(texts(everything))
        self.assertEqual(texts(everything)[6:9], [s.copied(row).decode() for row in range(3)])
        # The About box opens without holding the answer back, and Exit ends
        # the program as its click does.
        actions = dict((name, a) for a, _, name in everything)
        self.assertTrue(actions["About"].do_action(0))
        xsession.wait_until(lambda: s.find_window(xsession.ABOUT_TITLE), "the About box")
        s.clear_the_way()
        self.assertTrue(actions["Exit"].do_action(0))
        self.assertEqual(s.exit_status(), 0)

        s.restart()
        app = self.application()
        app.set_cache_mask(Atspi.Cache.NONE)
        everything = [widget for _, _, widgets in self.widgets(app)[1] for widget in widgets]
        by_click = []
        for number in swept:
            s.click(everything[number][1])
            s.settle()
            by_click.append(texts(everything))
        self.assertEqual(by_click, by_action)


class Events(OnTheBus):
    def test_focus_activation_base_and_every_changed_text_are_signalled(self):
        s = self.session
        frame, panels = self.widgets(self.application())
        named = dict((name, a) for _, _, widgets in panels[1:] for a, _, name in widgets)
        block = [a for a, _, _ in panels[0][2]]
        displays = block[6:9]
        heard = []

        def hear(event):
            data = event.any_data if isinstance(event.any_data, str) else None
            heard.append((event.type, event.source.path, event.detail1, data))
        listener = Atspi.EventListener.new(hear)
        for kind in ("window:activate", "window:deactivate", "object:state-changed:focused",
                     "object:state-changed:checked", "object:state-changed:active",
                     "object:property-change:accessible-name"):
            listener.register(kind)
        context = GLib.MainContext.default()

        def wait(kind, source, detail=1, data=None):
            def came():
                while context.pending():
                    context.iteration(False)
                return (kind, source.path, detail, data) in heard
            xsession.wait_until(came, "%s %r %r from %s" % (kind, detail, data, source.get_name()))

        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        wait("window:activate", frame, 0)
        wait("object:state-changed:active", frame)
        s.press("sqrt")
        wait("object:state-changed:focused", named["sqrt"])
        s.click(s.displays[HEXADECIMAL])
        wait("object:state-changed:checked", displays[HEXADECIMAL])
        wait("object:state-changed:checked", displays[DECIMAL], 0)

        # Every handled command that changes a text says so, with the new text.
        shown = [[ZERO], ["0x00000000"], ["0"]]
        for label in ("7", "+", "5", "="):
            s.press(label)
            for row, texts in enumerate(shown):
                text = s.copied(row).decode()
                if text != texts[-1]:
                    texts.append(text)
        for display, texts in zip(displays, shown):
            wait("object:property-change:accessible-name", display, 0, texts[-1])
            self.assertEqual(texts[:1] + [data for kind, path, _, data in heard if path ==
                                          display.path and kind.endswith("accessible-name")], texts)
        s.click(s.store[0])
        wait("object:property-change:accessible-name", block[0], 0, "Memory 0, 12.00")
        s.press("[RAD]")
        wait("object:property-change:accessible-name", named["Radians"], 0, "Degrees")
        # What a typed key changes comes with the focus on the display of the base.
        s.keys("Delete", "6", "plus", "3", "Return")
        wait("object:state-changed:focused", displays[HEXADECIMAL])
        wait("object:property-change:accessible-name", displays[HEXADECIMAL], 0, "0x00000009")
        # It stays there while a screen reader takes the keyboard for a key
        # of its own and gives it back, until the next key's text has come.
        since = len(heard)
        s.run(os.path.join(xsession.TOOLS, "keyboard_grab"))
        s.keys("1")
        wait("object:property-change:accessible-name", displays[HEXADECIMAL], 0, "0x00000091")
        self.assertEqual([path for kind, path, detail, _ in heard[since:] if kind.endswith(
            ":focused") and detail and path != displays[HEXADECIMAL].path], [])
        # The names the client library keeps from the events are the texts
        # shown, once the event of each text has come.
        for row, display in enumerate(displays):
            text = s.copied(row).decode()
            wait("object:property-change:accessible-name", display, 0, text)
            self.assertEqual(display.get_name(), text)
        s.run("xdotool", "windowfocus", "--sync", str(s.root))
        wait("window:deactivate", frame, 0)
        wait("object:state-changed:active", frame, 0)


class Joining(OnTheBus):
    enabled = False

    def test_joins_only_while_enabled_and_outlives_its_bus(self):
        s = self.session
        s.status_known()
        self.assertEqual(s.connections(), [], "a connection while accessibility is off")
        self.assertNotIn("GetAddress", [call[3] for call in s.session_calls()])

        def listed():
            return set(s.connections()) & set(s.applications())
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join")
        s.enable(False)
        xsession.wait_until(lambda: not s.connections(), "the calculator to leave")
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join again")

        # The bus goes away under it and comes back, with a new address.
        s.stop_accessibility_bus()
        s.press("7", "+", "5", "=")
        self.assertEqual(s.copied(DECIMAL), b"12")
        s.start_accessibility_bus()
        s.enable(True)
        xsession.wait_until(listed, "the calculator to join the new bus")

        # With no session bus it cannot know whether to join: it does not,
        # though the display names the accessibility bus.
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)
        s.restart(dict((key, value) for key, value in s.env.items()
                       if key != "DBUS_SESSION_BUS_ADDRESS"))
        s.settle()
        self.assertEqual(s.connections(), [], "a connection with no session bus")
        with open("/proc/%d/maps" % s.process.pid) as maps:
            self.assertNotIn("libsystemd", maps.read(), "a D-Bus library loaded for no bus")


class MalformedCalls(OnTheBus):
    def test_malformed_calls_get_errors_and_change_nothing(self):
        s = self.session
        name = xsession.wait_until(
            lambda: sorted(set(s.connections()) & set(s.applications())), "the calculator")[0]
        bus = Gio.DBusConnection.new_for_address_sync(
            s.address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

        def call(path, interface, method, signature=None, *arguments):
            body = GLib.Variant("(%s)" % signature, arguments) if signature else None
            return bus.call_sync(name, path, "org.a11y.atspi." + interface, method, body, None,
                                 Gio.DBusCallFlags.NONE, xsession.WAIT_LIMIT * 1000, None)
        root = "/org/a11y/atspi/accessible/root"
        frame = call(root, "Accessible", "GetChildAtIndex", "i", 0)[0][1]
        keypad = call(frame, "Accessible", "GetChildAtIndex", "i", 3)[0][1]
        seven = call(keypad, "Accessible", "GetChildAtIndex", "i", 1)[0][1]
        malformed = [
            (frame, "Accessible", "GetChildAtIndex", "i", -1),
            (frame, "Accessible", "GetChildAtIndex", "i", 5),
            (frame, "Accessible", "GetChildAtIndex", "i", 2 ** 31 - 1),
            (frame, "Accessible", "GetChildAtIndex", "s", "0"),
            (frame, "Accessible", "GetChildAtIndex"),
            (frame, "Accessible", "GetChildAtIndex", "ii", 0, 0),
            (seven, "Action", "DoAction", "i", 1),
            (seven, "Action", "DoAction", "i", -1),
            (seven, "Action", "GetName", "i", 2 ** 31 - 1),
            (seven, "Action", "DoAction", "s", "click"),
            (seven, "Component", "GetExtents", "s", "screen"),
            (seven, "Component", "GetExtents", "u", 3),
            (root, "Application", "GetLocale", "u", 99),
            (root + "/nowhere", "Accessible", "GetRole"),
            ("/org/a11y/atspi/accessible/4294967295", "Action", "DoAction", "i", 0),
            (seven, "Accessible", "NoSuchMethod"),
            (seven, "NoSuchInterface", "GetRole"),
        ]
        for path, interface, method, *arguments in malformed:
            with self.assertRaises(GLib.Error, msg=(path, method, arguments)) as caught:
                call(path, interface, method, *arguments)
            self.assertTrue(Gio.DBusError.is_remote_error(caught.exception), caught.exception)
        for prop in ("NoSuchProperty", "x" * 10000):
            with self.assertRaises(GLib.Error):
                bus.call_sync(name, seven, "org.freedesktop.DBus.Properties", "Get",
                              GLib.Variant("(ss)", ("org.a11y.atspi.Accessible", prop)), None,
                              Gio.DBusCallFlags.NONE, xsession.WAIT_LIMIT * 1000, None)

        # Nor does a status change of the wrong shape, from anyone, upset it.
        for body in ("{'IsEnabled': <'yes'>}", "{'IsEnabled': <byte 1>, 'x': <@as []>}", "[]"):
            s.run("gdbus", "emit", "--session", "--object-path", "/org/a11y/bus", "--signal",
                  "org.freedesktop.DBus.Properties.PropertiesChanged", "'org.a11y.Status'",
                  body, "@as []")
        # Its answer to a ping on the session bus comes after it took them in.
        session = s.env["DBUS_SESSION_BUS_ADDRESS"]
        s.bus_call(session, s.connections(session)[0], "/", "org.freedesktop.DBus.Peer.Ping")
        self.assertIn(name, s.applications())

        # Nothing was pressed, and the calculator still answers and computes.
        self.assertEqual(call(seven, "Accessible", "GetRoleName")[0], "push button")
        self.assertEqual(s.copied(DECIMAL), b"0")
        call(seven, "Action", "DoAction", "i", 0)
        self.assertEqual(s.copied(DECIMAL), b"7")
        s.keys("Escape")
        self.assertEqual(s.exit_status(), 0)


class ScreenReader(OnTheBus):
    enabled = False  # Orca turns accessibility on as it starts

    def test_orca_says_the_clicked_button_and_the_typed_result(self):
        s = self.session
        orca = xsession.ScreenReader(s.env)
        self.addCleanup(orca.close)
        xsession.wait_until(lambda: set(s.connections()) & set(s.applications()),
                            "the calculator to join as Orca starts")
        s.run("xdotool", "windowfocus", "--sync", str(s.window))
        said = orca.wait_for(xsession.TITLE + r"\b.*")
        # Orca 43 keeps quiet about a click on a widget that it finds under the
        # pointer with the focus already: it takes this one when the pointer
        # has left, as a busy screen reader would.
        with orca.held():
            s.press("sqrt")
        said = orca.wait_for(r"sqrt\b.*", said)
        # Typed keys reach Orca first: it echoes them (the Shift of "+" is
        # a name no display takes), and keeps those of its own commands, such
        # as where-am-I on the keypad's Enter, which names the pad without
        # its role, as moving there does not. Newer Orcas end no utterance
        # with a full stop.
        s.keys("Delete", "7", "plus", "5")
        said = orca.wait_for("left shift ?", said)
        s.keys("KP_Enter")
        said = orca.wait_for(r"Memory and displays\.?", said)
        self.assertEqual(s.copied(DECIMAL), b"5")
        s.keys("Return")
        orca.wait_for(r"12\b.*", said)


if __name__ == "__main__":
    PROGRAM = sys.argv.pop(1)
    unittest.main()
