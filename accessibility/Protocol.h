// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility protocol's words, each spelled once: its services, object
// paths, interfaces, roles and states, as at-spi2-core names them.
#pragma once

#include <fx.h>

namespace atspi {

// The desktop's accessibility status and the launcher of the accessibility
// bus, on the session bus.
inline constexpr char STATUS_SERVICE[] = "org.a11y.Bus";
inline constexpr char STATUS_PATH[] = "/org/a11y/bus";
inline constexpr char STATUS_INTERFACE[] = "org.a11y.Status";
inline constexpr char LAUNCHER_INTERFACE[] = "org.a11y.Bus";

// The message bus itself, on either bus.
inline constexpr char DBUS_SERVICE[] = "org.freedesktop.DBus";
inline constexpr char DBUS_PATH[] = "/org/freedesktop/DBus";
inline constexpr char DBUS_INTERFACE[] = "org.freedesktop.DBus";
inline constexpr char PROPERTIES_INTERFACE[] = "org.freedesktop.DBus.Properties";

// The registry, on the accessibility bus.
inline constexpr char REGISTRY[] = "org.a11y.atspi.Registry";
inline constexpr char REGISTRY_PATH[] = "/org/a11y/atspi/registry";
inline constexpr char REGISTRY_INTERFACE[] = "org.a11y.atspi.Registry";
inline constexpr char SOCKET_INTERFACE[] = "org.a11y.atspi.Socket";
inline constexpr char CONTROLLER_PATH[] = "/org/a11y/atspi/registry/deviceeventcontroller";
inline constexpr char CONTROLLER_INTERFACE[] = "org.a11y.atspi.DeviceEventController";
inline constexpr char DEVICE_LISTENER_INTERFACE[] = "org.a11y.atspi.DeviceEventListener";

// The program's own objects.
inline constexpr char OBJECT_PREFIX[] = "/org/a11y/atspi/accessible";
inline constexpr char ROOT_PATH[] = "/org/a11y/atspi/accessible/root";
inline constexpr char NULL_PATH[] = "/org/a11y/atspi/null";
inline constexpr char CACHE_PATH[] = "/org/a11y/atspi/cache";

inline constexpr char ACCESSIBLE_INTERFACE[] = "org.a11y.atspi.Accessible";
inline constexpr char COMPONENT_INTERFACE[] = "org.a11y.atspi.Component";
inline constexpr char ACTION_INTERFACE[] = "org.a11y.atspi.Action";
inline constexpr char APPLICATION_INTERFACE[] = "org.a11y.atspi.Application";
inline constexpr char CACHE_INTERFACE[] = "org.a11y.atspi.Cache";

// Where events are signalled.
inline constexpr char EVENT_OBJECT[] = "org.a11y.atspi.Event.Object";
inline constexpr char EVENT_WINDOW[] = "org.a11y.atspi.Event.Window";
inline constexpr char EVENT_FOCUS[] = "org.a11y.atspi.Event.Focus";

// Errors a call is refused with.
inline constexpr char ERROR_UNKNOWN_OBJECT[] = "org.freedesktop.DBus.Error.UnknownObject";
inline constexpr char ERROR_INVALID_ARGS[] = "org.freedesktop.DBus.Error.InvalidArgs";
// What a call that got no answer ends with: the library's own time-out, or
// the bus's word that the callee went without answering.
inline constexpr char ERROR_NO_REPLY[] = "org.freedesktop.DBus.Error.NoReply";
inline constexpr char ERROR_TIMEOUT[] = "org.freedesktop.DBus.Error.Timeout";

} // namespace atspi

// The role numbers of the protocol.
enum AccessibleRole : FX::FXuint {
    ROLE_INVALID = 0,
    ROLE_CHECK_BOX = 7,
    ROLE_DIALOG = 16,
    ROLE_FRAME = 23,
    ROLE_LABEL = 29,
    ROLE_PANEL = 39,
    ROLE_PUSH_BUTTON = 43,
    ROLE_RADIO_BUTTON = 44,
    ROLE_SEPARATOR = 50,
    ROLE_TOGGLE_BUTTON = 62,
    ROLE_APPLICATION = 75,
};

// The protocol's state numbers, as bits of the two state words.
enum AccessibleState : FX::FXuint {
    A11Y_ACTIVE = 1,
    A11Y_CHECKED = 4,
    A11Y_DEFUNCT = 6,
    A11Y_ENABLED = 8,
    A11Y_FOCUSABLE = 11,
    A11Y_FOCUSED = 12,
    A11Y_MODAL = 16,
    A11Y_RESIZABLE = 21,
    A11Y_SENSITIVE = 24,
    A11Y_SHOWING = 25,
    A11Y_VISIBLE = 30,
    A11Y_CHECKABLE = 41,
};

// The registry's kinds of key event.
enum KeyEventType : FX::FXuint { KEY_PRESSED = 0, KEY_RELEASED = 1 };
