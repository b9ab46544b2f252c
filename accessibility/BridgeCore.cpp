// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge's life: when to join and leave, when to walk the tree, the
// accessible focus, and the clicks callers ask for.
#include "BridgeCore.h"

#include "Protocol.h"
#include "SdBusLoading.h"
#include "TreeDiff.h"

#include <X11/Xlib.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <string>

using namespace FX;

namespace {

// A session bus is named in the environment or listens at the user's runtime
// directory, the two places sd-bus looks.
bool sessionBusPossible() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address && *address) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (!runtime || !*runtime) return false;
    struct stat socket {};
    return stat((std::string(runtime) + "/bus").c_str(), &socket) == 0;
}

// Events after which a listener sees the same as before: the pointer's
// moves and crossings, repaints, and the selection and property traffic
// that changes no widget.
bool changesNothingShown(int type) {
    switch (type) {
    case MotionNotify:
    case EnterNotify:
    case LeaveNotify:
    case Expose:
    case GraphicsExpose:
    case NoExpose:
    case KeymapNotify:
    case PropertyNotify:
    case SelectionRequest:
    case SelectionClear:
        return true;
    default:
        return false;
    }
}

bool valuesChanged(const std::vector<TreeEvent>& events) {
    for (const TreeEvent& e : events)
        if (e.kind == TreeEvent::NAME_CHANGED ||
            (e.kind == TreeEvent::STATE_CHANGED && e.state == A11Y_CHECKED))
            return true;
    return false;
}

} // namespace

BridgeCore::BridgeCore(ObservedApp& a, const AccessibleNames& names)
    : app(&a), widgets(&a, names), keys(&a), connection(&a, *this),
      status(&a, [this] { settle(); }), server(&a, widgets, connection, *this),
      signals(connection, listeners.events()), clicks(&a) {
    app->setObserver(this);
}

BridgeCore::~BridgeCore() {
    app->setObserver(nullptr);
}

// Once the window is drawn: the start-up the user waits for has no part in
// it. Where no session bus can be, sd-bus is not even loaded, and the
// application is left with no observer.
void BridgeCore::start() {
    started = true;
    if (!sessionBusPossible() || !loadSdBus() || !status.open()) app->setObserver(nullptr);
}

// A lost accessibility bus is not looked for again until a new bus launcher
// or a new status says there is one: asking the old launcher would only give
// the dead bus's address again, round after round.
void BridgeCore::settle() {
    if (connection.state() == BusConnection::LOST && status.announcements() != lostAt)
        connection.reset();
    if (!status.wanted()) {
        if (connection.state() != BusConnection::LOST) leaveBus();
        return;
    }
    if (connection.state() == BusConnection::OFF) {
        status.forgetAddress();
        connection.ask();
    }
    if (connection.state() != BusConnection::ASKING) return;
    const std::string address = status.address();
    if (address.empty()) return;
    connection.join(address);
    if (connection.state() == BusConnection::LOST) leaveBus();
}

// What the bus was told goes with it; held keys reach the window.
void BridgeCore::leaveBus() {
    const bool lost = connection.state() == BusConnection::LOST;
    if (connection.state() != BusConnection::OFF && !lost) connection.leave();
    if (lost) lostAt = status.announcements();
    keys.releaseAll();
    clicks.cancel();
    clickAsked = nullptr;
    announce = false;
    widgets.clear();
    focus = -1;
}

bool BridgeCore::connected(sd_bus* bus) {
    if (!server.attach(bus) || !listeners.attach(bus)) return false;
    // The first walk is what the bus is told about later changes against.
    widgets.rebuild();
    focus = chooseFocus(CAUSE_OTHER, false);
    widgets.setFocused(focus);
    return true;
}

void BridgeCore::embedded() {
    announce = true;
}

void BridgeCore::registryChanged(bool) {
    keys.registryChanged();
    listeners.registryChanged();
}

// After each message read from the accessibility bus, outside the library's
// processing: what the message asked for may run a dialog's nested loop,
// which reads the bus again.
void BridgeCore::served() {
    const BusConnection::State state = connection.state();
    if (state == BusConnection::LOST || state == BusConnection::OFF) {
        leaveBus();
        settle();
        return;
    }
    if (announce && state == BusConnection::JOINED) {
        announce = false;
        const FXint window = widgets.activeWindow();
        if (window >= 0 && focus >= 0)
            signals.announce(widgets.nodes()[window].id, widgets.nodes()[focus].id);
    }
    keys.deliverAnswered();
    if (clickAsked) makeClick();
}

void BridgeCore::requestClick(FXWindow* widget) {
    clickAsked = widget;
}

// Nothing more is read from the bus until the click is made: a caller's
// next question is answered by the program as the click left it.
void BridgeCore::makeClick() {
    FXWindow* widget = clickAsked;
    clickAsked = nullptr;
    if (clicks.request(widget))
        connection.messages().pause();
    else
        refresh(CAUSE_POINTER);
}

bool BridgeCore::beforeEvent(FXRawEvent& event) {
    if (!started) return false;
    sd_bus* bus = connection.state() == BusConnection::JOINED ? connection.bus() : nullptr;
    return keys.take(event, bus, listeners.wantsKeys());
}

void BridgeCore::afterEvent(FXRawEvent& event) {
    if (!started) {
        if (event.xany.type == Expose) start();
        return;
    }
    if (clicks.pending()) {
        FXWindow* widget = clicks.due(event);
        if (!clicks.pending()) {
            connection.messages().resume();
            if (widget) {
                clicks.click(widget);
                refresh(CAUSE_POINTER);
            }
            // The calls that came meanwhile.
            connection.process();
        }
    }
    const int type = event.xany.type;
    const bool pointer = type == ButtonPress || type == ButtonRelease;
    if (pointer && event.xbutton.button < 32) {
        const FXuint bit = 1u << event.xbutton.button;
        buttonsHeld = type == ButtonPress ? buttonsHeld | bit : buttonsHeld & ~bit;
    }
    // A screen reader grabs the keyboard while it takes a key of its own;
    // the toolkit sees the window lose the focus and get it back, more than
    // once. Listeners are not told: the window keeps its activity until the
    // focus moves for another reason, and the screen reader's flat review,
    // which ends when the active window changes, goes on.
    if (type == FocusOut || type == FocusIn)
        focusByGrab = event.xfocus.mode == NotifyGrab || event.xfocus.mode == NotifyUngrab;
    if (changesNothingShown(type)) return;
    refresh(type == KeyPress ? CAUSE_KEY : pointer ? CAUSE_POINTER : CAUSE_OTHER);
}

void BridgeCore::refresh(Cause cause) {
    const BusConnection::State state = connection.state();
    if (state != BusConnection::JOINING && state != BusConnection::JOINED) return;
    const FXuint focusedBefore = focus >= 0 ? widgets.nodes()[focus].id : 0;
    widgets.rebuild();
    if (focusByGrab) widgets.keepActivity();
    const bool changed =
        cause == CAUSE_KEY && valuesChanged(diffTrees(widgets.previous(), widgets.nodes()));
    focus = chooseFocus(cause, changed);
    // The focus a press gives is told with what the click does on release:
    // a screen reader that has both at once reads the widget with its result
    // and passes over the result's own event, which came before.
    if (cause == CAUSE_POINTER && buttonsHeld && focusedBefore) {
        const AccessibleNode* kept = widgets.byId(focusedBefore);
        if (kept) focus = static_cast<FXint>(kept - widgets.nodes().data());
    }
    widgets.setFocused(focus);
    // The description of the program's own goes with the focus.
    if (widgets.describedId() && (focus < 0 || widgets.nodes()[focus].id != widgets.describedId()))
        widgets.forgetDescription();
    if (state != BusConnection::JOINED) return;
    std::vector<TreeEvent> events = diffTrees(widgets.previous(), widgets.nodes());
    if (cause != CAUSE_OTHER) hear(events);
    signals.send(events);
}

// What the user did changed a value they cannot see: it is said, once, after
// what the screen reader says of the focused widget anyway. Screen readers
// that take announcements are sent one; older ones say a new description of
// the focused widget, which it keeps while it has the focus. A change of the
// focused widget's own name needs neither: they say that themselves.
void BridgeCore::hear(std::vector<TreeEvent>& events) {
    if (focus < 0) return;
    const std::string text = heardText(events);
    if (text.empty()) return;
    // A screen reader says the changes of the widget it takes to have the
    // focus: when the focus moves with the change, as it does when a click
    // is made at once, the move is told first, or the widget it leaves would
    // say the value too. The walk's comparison tells the focus last.
    const auto moved = std::find_if(events.begin(), events.end(), [](const TreeEvent& e) {
        return e.kind == TreeEvent::FOCUS_LEFT || e.kind == TreeEvent::FOCUS_CAME;
    });
    const auto texts = std::find_if(events.begin(), moved, [](const TreeEvent& e) {
        return e.kind == TreeEvent::NAME_CHANGED || e.kind == TreeEvent::DESCRIPTION_CHANGED;
    });
    const bool focusMoved = moved != events.end();
    const std::ptrdiff_t told = texts - events.begin();
    std::rotate(texts, moved, events.end());
    TreeEvent heard{};
    heard.source = widgets.nodes()[focus].id;
    heard.text = text;
    if (announcing()) {
        heard.kind = TreeEvent::ANNOUNCED;
        events.push_back(heard);
        return;
    }
    if (widgets.nodes()[focus].description == text) return;
    heard.kind = TreeEvent::DESCRIPTION_CHANGED;
    widgets.setDescription(focus, text);
    // A widget that takes the focus now is read with its new description,
    // which is not said again when its own event was told before.
    events.insert(focusMoved ? events.begin() + told : events.end(), heard);
}

// The value of the display of the current base when a display changed (its
// value, or which one is checked), or else the new name of another button
// (a memory's caption).
std::string BridgeCore::heardText(const std::vector<TreeEvent>& events) const {
    std::string other;
    bool display = false;
    for (const TreeEvent& e : events) {
        if (e.kind != TreeEvent::NAME_CHANGED &&
            !(e.kind == TreeEvent::STATE_CHANGED && e.state == A11Y_CHECKED && e.on))
            continue;
        const AccessibleNode* node = widgets.byId(e.source);
        // The focused widget's own new name is said anyway, and is enough.
        if (node == &widgets.nodes()[focus] && e.kind == TreeEvent::NAME_CHANGED) return "";
        if (!node || node == &widgets.nodes()[focus]) continue;
        if (node->role == ROLE_RADIO_BUTTON)
            display = true;
        else if (e.kind == TreeEvent::NAME_CHANGED && other.empty())
            other = node->name;
    }
    if (!display) return other;
    const FXint shown = widgets.checkedRadio(widgets.activeWindow());
    return shown >= 0 ? widgets.nodes()[shown].name : other;
}

bool BridgeCore::announcing() const {
    const RegisteredEvents& registered = listeners.events();
    return registered.known() && registered.wants("object:announcement");
}

// The accessible focus is the toolkit's focus widget, except while typing to
// a screen reader that takes no announcements:
// keys go to the window, not to the button clicked last, and what they change
// shows in the display of the current base, the window's checked radio
// button, which then holds the accessible focus so that its changes are read.
// A click, or any move of the toolkit's focus, gives the focus back. While no
// window of ours is active, as while a screen reader grabs the keyboard for
// one of its own keys, there is no toolkit focus to follow: typing goes on.
FXint BridgeCore::chooseFocus(Cause cause, bool changed) {
    const FXint window = widgets.activeWindow();
    const FXint toolkit = widgets.toolkitFocus(window);
    FXWindow* toolkitWidget = toolkit >= 0 ? widgets.nodes()[toolkit].widget : nullptr;
    if (window >= 0 && toolkitWidget != lastToolkitFocus) {
        lastToolkitFocus = toolkitWidget;
        typing = false;
    }
    if (cause == CAUSE_POINTER) typing = false;
    if (cause == CAUSE_KEY && changed) typing = true;
    if (window < 0) return -1;
    // A screen reader that takes announcements hears typed values that way,
    // and the focus stays: it would read a display that takes the focus
    // anew with all around it, at every key.
    FXint chosen = -1;
    if (!announcing() && (typing || toolkit < 0)) chosen = widgets.checkedRadio(window);
    if (chosen < 0) chosen = toolkit;
    return chosen < 0 ? window : chosen;
}
