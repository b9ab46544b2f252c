// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the bus is told when the program changed: after each event the tree is
// walked again and compared with the walk the bus last heard of, and each
// difference becomes a signal. Listeners keep copies of names and states and
// count on these signals to keep them right.
#include "AccessibilityBridge.h"
#include "WidgetRoles.h"

#include <map>

using namespace FX;

namespace {

const char* const EVENT_OBJECT = "org.a11y.atspi.Event.Object";
const char* const EVENT_WINDOW = "org.a11y.atspi.Event.Window";
const char* const EVENT_FOCUS = "org.a11y.atspi.Event.Focus";

struct StateName {
    FXuint state;
    const char* name;
};

// The states whose changes are signalled; focus has its own order below.
const StateName STATE_NAMES[] = {
    {A11Y_ACTIVE, "active"},       {A11Y_CHECKED, "checked"},     {A11Y_ENABLED, "enabled"},
    {A11Y_SENSITIVE, "sensitive"}, {A11Y_FOCUSABLE, "focusable"}, {A11Y_MODAL, "modal"},
    {A11Y_RESIZABLE, "resizable"}, {A11Y_SHOWING, "showing"},     {A11Y_VISIBLE, "visible"},
    {A11Y_CHECKABLE, "checkable"},
};

std::map<FXuint, FXint> byId(const std::vector<AccessibleNode>& nodes) {
    std::map<FXuint, FXint> index;
    for (FXint i = 0; i < static_cast<FXint>(nodes.size()); i++)
        index[nodes[i].id] = i;
    return index;
}

FXint focusedIn(const std::vector<AccessibleNode>& nodes) {
    for (FXint i = 0; i < static_cast<FXint>(nodes.size()); i++)
        if (nodes[i].has(A11Y_FOCUSED)) return i;
    return -1;
}

} // namespace

void AccessibilityBridge::refresh(Cause cause) {
    if (!accessibilityPump.bus()) return;
    widgets.rebuild();
    const std::vector<AccessibleNode>& now = widgets.nodes();
    bool valuesChanged = false;
    if (cause == CAUSE_KEY) {
        const std::map<FXuint, FXint> before = byId(shown);
        for (const AccessibleNode& node : now) {
            auto old = before.find(node.id);
            if (old == before.end()) continue;
            const AccessibleNode& was = shown[old->second];
            if (was.name != node.name || was.has(A11Y_CHECKED) != node.has(A11Y_CHECKED))
                valuesChanged = true;
        }
    }
    focus = chooseFocus(cause, valuesChanged);
    widgets.setFocused(focus);
    if (embedded) signalChanges(shown);
    shown = widgets.nodes();
    accessibilityPump.rearm();
}

// The accessible focus is the toolkit's focus widget, except while typing:
// keys go to the window, not to the button clicked last, and what they change
// shows in the display of the current base, the window's checked radio
// button, which then holds the accessible focus so that its changes are read.
// A click, or any move of the toolkit's focus, gives the focus back. While no
// window of ours is active, as while a screen reader grabs the keyboard for
// one of its own keys, there is no toolkit focus to follow: typing goes on.
FXint AccessibilityBridge::chooseFocus(Cause cause, bool valuesChanged) {
    const FXint window = widgets.activeWindow();
    const FXint toolkit = widgets.toolkitFocus(window);
    FXWindow* toolkitWidget = toolkit >= 0 ? widgets.nodes()[toolkit].widget : nullptr;
    if (window >= 0 && toolkitWidget != lastToolkitFocus) {
        lastToolkitFocus = toolkitWidget;
        typing = false;
    }
    if (cause == CAUSE_POINTER) typing = false;
    if (cause == CAUSE_KEY && valuesChanged) typing = true;
    if (window < 0) return -1;
    FXint chosen = -1;
    if (typing || toolkit < 0) chosen = widgets.checkedRadio(window);
    if (chosen < 0) chosen = toolkit;
    return chosen < 0 ? window : chosen;
}

void AccessibilityBridge::emit(const std::string& path, const char* interface, const char* member,
                               const char* detail, FXint detail1, FXint detail2, char type,
                               const void* value) {
    sd_bus* bus = accessibilityPump.bus();
    if (!bus) return;
    sd_bus_message* signal = nullptr;
    int r = sd_bus_message_new_signal(bus, &signal, path.c_str(), interface, member);
    if (r >= 0) r = sd_bus_message_append(signal, "sii", detail, detail1, detail2);
    if (r >= 0) {
        switch (type) {
        case 's':
            r = sd_bus_message_append(signal, "v", "s", static_cast<const char*>(value));
            break;
        case 'r': // a reference to a child, by its path
            r = sd_bus_message_open_container(signal, 'v', "(so)");
            if (r >= 0) {
                const char* unique = "";
                sd_bus_get_unique_name(bus, &unique);
                r = sd_bus_message_append(signal, "(so)", unique,
                                          static_cast<const std::string*>(value)->c_str());
            }
            if (r >= 0) r = sd_bus_message_close_container(signal);
            break;
        default:
            r = sd_bus_message_append(signal, "v", "i", 0);
        }
    }
    if (r >= 0) r = sd_bus_message_append(signal, "a{sv}", 0);
    if (r >= 0) sd_bus_send(bus, signal, nullptr);
    sd_bus_message_unref(signal);
}

// In the order a screen reader needs them: the tree's shape, then names (a
// widget that takes the focus is read with its new name), then states, and
// the focus last.
void AccessibilityBridge::signalChanges(const std::vector<AccessibleNode>& before) {
    const std::vector<AccessibleNode>& now = widgets.nodes();
    const std::map<FXuint, FXint> was = byId(before);
    const std::map<FXuint, FXint> is = byId(now);

    for (FXint i = 0; i < static_cast<FXint>(now.size()); i++) {
        auto old = was.find(now[i].id);
        if (old == was.end()) continue;
        const AccessibleNode& prior = before[old->second];
        for (FXint child : prior.children) {
            if (is.count(before[child].id) && now[is.at(before[child].id)].parent == i) continue;
            const std::string path = AccessibleTree::pathOfId(before[child].id);
            emit(widgets.pathOf(i), EVENT_OBJECT, "ChildrenChanged", "remove",
                 before[child].indexInParent, 0, 'r', &path);
            if (now[i].role == ROLE_APPLICATION)
                emit(path, EVENT_WINDOW, "Destroy", "", 0, 0, 'i', nullptr);
        }
        for (FXint child : now[i].children) {
            auto known = was.find(now[child].id);
            if (known != was.end() && before[known->second].parent == old->second) continue;
            const std::string path = widgets.pathOf(child);
            emit(widgets.pathOf(i), EVENT_OBJECT, "ChildrenChanged", "add",
                 now[child].indexInParent, 0, 'r', &path);
            if (now[i].role == ROLE_APPLICATION) {
                emit(widgets.pathOf(child), EVENT_WINDOW, "Create", "", 0, 0, 'i', nullptr);
                if (now[child].has(A11Y_ACTIVE))
                    emit(widgets.pathOf(child), EVENT_WINDOW, "Activate", "", 0, 0, 'i', nullptr);
            }
        }
    }

    for (FXint i = 0; i < static_cast<FXint>(now.size()); i++) {
        auto old = was.find(now[i].id);
        if (old == was.end()) continue;
        const AccessibleNode& prior = before[old->second];
        if (prior.name != now[i].name)
            emit(widgets.pathOf(i), EVENT_OBJECT, "PropertyChange", "accessible-name", 0, 0, 's',
                 now[i].name.c_str());
        if (prior.description != now[i].description)
            emit(widgets.pathOf(i), EVENT_OBJECT, "PropertyChange", "accessible-description", 0, 0,
                 's', now[i].description.c_str());
    }

    for (FXint i = 0; i < static_cast<FXint>(now.size()); i++) {
        auto old = was.find(now[i].id);
        if (old == was.end()) continue;
        const AccessibleNode& prior = before[old->second];
        for (const StateName& state : STATE_NAMES) {
            const bool on = now[i].has(state.state);
            if (prior.has(state.state) == on) continue;
            if (state.state == A11Y_ACTIVE && now[i].parent == 0)
                emit(widgets.pathOf(i), EVENT_WINDOW, on ? "Activate" : "Deactivate", "", 0, 0, 'i',
                     nullptr);
            emit(widgets.pathOf(i), EVENT_OBJECT, "StateChanged", state.name, on, 0, 'i', nullptr);
        }
    }

    const FXint oldFocus = focusedIn(before);
    const FXint newFocus = focusedIn(now);
    const FXuint oldId = oldFocus >= 0 ? before[oldFocus].id : 0;
    const FXuint newId = newFocus >= 0 ? now[newFocus].id : 0;
    if (oldFocus >= 0 && (newFocus < 0 || oldId != newId) && is.count(oldId))
        emit(widgets.pathOf(is.at(oldId)), EVENT_OBJECT, "StateChanged", "focused", 0, 0, 'i',
             nullptr);
    if (newFocus >= 0 && (oldFocus < 0 || oldId != newId)) {
        emit(widgets.pathOf(newFocus), EVENT_OBJECT, "StateChanged", "focused", 1, 0, 'i', nullptr);
        emit(widgets.pathOf(newFocus), EVENT_FOCUS, "Focus", "", 0, 0, 'i', nullptr);
    }
}

// A listener that arrived after the window opened learns which window is
// active and what has the focus, as if the window had just been activated.
void AccessibilityBridge::announceWindow() {
    const FXint window = widgets.activeWindow();
    if (window < 0) return;
    emit(widgets.pathOf(window), EVENT_WINDOW, "Activate", "", 0, 0, 'i', nullptr);
    emit(widgets.pathOf(window), EVENT_OBJECT, "StateChanged", "active", 1, 0, 'i', nullptr);
    if (focus >= 0) {
        emit(widgets.pathOf(focus), EVENT_OBJECT, "StateChanged", "focused", 1, 0, 'i', nullptr);
        emit(widgets.pathOf(focus), EVENT_FOCUS, "Focus", "", 0, 0, 'i', nullptr);
    }
}
