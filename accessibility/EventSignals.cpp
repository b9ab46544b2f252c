// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The encoding of the tree's events as signals.
#include "EventSignals.h"
#include "ObjectIds.h"
#include "Protocol.h"

using namespace FX;

namespace {

struct StateName {
    FXuint state;
    const char* name; // as in the signal; listeners register "object:state-changed:" with it
};

const StateName STATE_NAMES[] = {
    {A11Y_ACTIVE, "active"},   {A11Y_CHECKED, "checked"},     {A11Y_DEFUNCT, "defunct"},
    {A11Y_ENABLED, "enabled"}, {A11Y_SENSITIVE, "sensitive"}, {A11Y_FOCUSABLE, "focusable"},
    {A11Y_FOCUSED, "focused"}, {A11Y_MODAL, "modal"},         {A11Y_RESIZABLE, "resizable"},
    {A11Y_SHOWING, "showing"}, {A11Y_VISIBLE, "visible"},     {A11Y_CHECKABLE, "checkable"},
};

// A value that says nothing: the protocol's signals all carry one.
int noValue(sd_bus_message* m) {
    return sd_bus_message_append(m, "v", "i", 0);
}

} // namespace

EventSignals::EventSignals(const BusConnection& c, const RegisteredEvents& w)
    : connection(c), wanted(w) {}

void EventSignals::emit(FXuint source, const Signal& signal, const MessageFill& value) {
    sd_bus* bus = connection.bus();
    if (!bus || connection.state() != BusConnection::JOINED || !wanted.wants(signal.type)) return;
    sd_bus_message* message = nullptr;
    int r = sd_bus_message_new_signal(bus, &message, objectPath(source).c_str(), signal.interface,
                                      signal.member);
    if (r >= 0)
        r = sd_bus_message_append(message, "sii", signal.detail.c_str(), signal.detail1,
                                  signal.detail2);
    if (r >= 0) r = value ? value(message) : noValue(message);
    if (r >= 0) r = sd_bus_message_append(message, "a{sv}", 0);
    if (r >= 0) sd_bus_send(bus, message, nullptr);
    sd_bus_message_unref(message);
}

void EventSignals::stateChanged(FXuint source, FXuint state, bool on) {
    for (const StateName& row : STATE_NAMES) {
        if (row.state != state) continue;
        const std::string type = std::string("object:state-changed:") + row.name;
        emit(source, {atspi::EVENT_OBJECT, "StateChanged", type.c_str(), row.name, on});
    }
}

void EventSignals::windowEvent(FXuint source, const char* member, const char* type) {
    emit(source, {atspi::EVENT_WINDOW, member, type, ""});
}

void EventSignals::send(const std::vector<TreeEvent>& events) {
    for (const TreeEvent& e : events) {
        const std::string child = objectPath(e.child);
        const char* unique = connection.uniqueName();
        auto reference = [&](sd_bus_message* m) {
            int r = sd_bus_message_open_container(m, 'v', "(so)");
            if (r >= 0) r = sd_bus_message_append(m, "(so)", unique, child.c_str());
            return r >= 0 ? sd_bus_message_close_container(m) : r;
        };
        auto text = [&](sd_bus_message* m) {
            return sd_bus_message_append(m, "v", "s", e.text.c_str());
        };
        switch (e.kind) {
        case TreeEvent::CHILD_REMOVED:
            emit(e.source,
                 {atspi::EVENT_OBJECT, "ChildrenChanged", "object:children-changed:remove",
                  "remove", e.index},
                 reference);
            break;
        case TreeEvent::CHILD_ADDED:
            emit(e.source,
                 {atspi::EVENT_OBJECT, "ChildrenChanged", "object:children-changed:add", "add",
                  e.index},
                 reference);
            break;
        case TreeEvent::WINDOW_CREATED:
            windowEvent(e.source, "Create", "window:create");
            break;
        case TreeEvent::WINDOW_DESTROYED:
            windowEvent(e.source, "Destroy", "window:destroy");
            break;
        case TreeEvent::NAME_CHANGED:
            emit(e.source,
                 {atspi::EVENT_OBJECT, "PropertyChange", "object:property-change:accessible-name",
                  "accessible-name"},
                 text);
            break;
        case TreeEvent::DESCRIPTION_CHANGED:
            emit(e.source,
                 {atspi::EVENT_OBJECT, "PropertyChange",
                  "object:property-change:accessible-description", "accessible-description"},
                 text);
            break;
        case TreeEvent::STATE_CHANGED:
            if (e.state == A11Y_ACTIVE && e.window)
                windowEvent(e.source, e.on ? "Activate" : "Deactivate",
                            e.on ? "window:activate" : "window:deactivate");
            stateChanged(e.source, e.state, e.on);
            break;
        case TreeEvent::BOUNDS_CHANGED:
            emit(e.source, {atspi::EVENT_OBJECT, "BoundsChanged", "object:bounds-changed", ""},
                 [&](sd_bus_message* m) {
                     return sd_bus_message_append(m, "v", "(iiii)", e.box.x, e.box.y, e.box.w,
                                                  e.box.h);
                 });
            break;
        case TreeEvent::FOCUS_LEFT:
            stateChanged(e.source, A11Y_FOCUSED, false);
            break;
        case TreeEvent::ANNOUNCED:
            // Politely: after what is being said.
            emit(e.source, {atspi::EVENT_OBJECT, "Announcement", "object:announcement", "", 1},
                 text);
            break;
        case TreeEvent::FOCUS_CAME:
            stateChanged(e.source, A11Y_FOCUSED, true);
            emit(e.source, {atspi::EVENT_FOCUS, "Focus", "focus", ""});
            break;
        }
    }
}

void EventSignals::announce(FXuint window, FXuint focus) {
    windowEvent(window, "Activate", "window:activate");
    stateChanged(window, A11Y_ACTIVE, true);
    stateChanged(focus, A11Y_FOCUSED, true);
    emit(focus, {atspi::EVENT_FOCUS, "Focus", "focus", ""});
}
