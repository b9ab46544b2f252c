// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge's life: joining the accessibility bus while assistive programs
// are wanted, being embedded by its registry, serving its calls, clicking for
// them, and leaving again. Nothing it is sent changes the program but a click.
#include "AccessibilityBridge.h"
#include "Interfaces.h"
#include "SdBusLoading.h"

#include <X11/Xlib.h>

#include <sys/stat.h>

#include <cstdlib>
#include <cstring>

using namespace FX;

namespace {

const char* const ROOT_PATH = "/org/a11y/atspi/accessible/root";
const char* const NULL_PATH = "/org/a11y/atspi/null";
const char* const OBJECT_PREFIX = "/org/a11y/atspi/accessible";
const char* const REGISTRY = "org.a11y.atspi.Registry";

// Messages served in one go before the window's events get their turn again.
const int MESSAGES_PER_TURN = 64;

int listObjects(sd_bus*, const char*, void* self, char*** paths, sd_bus_error*) {
    const AccessibleTree& tree = static_cast<AccessibilityBridge*>(self)->tree();
    const std::size_t count = tree.nodes().size();
    char** list = static_cast<char**>(calloc(count + 1, sizeof(char*)));
    if (!list) return -ENOMEM;
    for (std::size_t i = 0; i < count; i++) {
        list[i] = strdup(tree.pathOf(static_cast<FXint>(i)).c_str());
        if (!list[i]) {
            for (std::size_t k = 0; k < i; k++)
                free(list[k]);
            free(list);
            return -ENOMEM;
        }
    }
    *paths = list;
    return 0;
}

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

} // namespace

AccessibilityBridge::AccessibilityBridge(ObservedApp& a, const AccessibleNames& names)
    : app(&a), widgets(&a, names), sessionPump(&a, this), accessibilityPump(&a, this) {
    app->setObserver(this);
}

// Once the window is drawn: the start-up the user waits for has no part in
// it. Where no session bus can be, sd-bus is not even loaded, and the
// application is left with no observer.
void AccessibilityBridge::start() {
    started = true;
    if (sessionBusPossible() && loadSdBus()) watchSession();
    if (!sessionPump.bus()) app->setObserver(nullptr);
}

AccessibilityBridge::~AccessibilityBridge() {
    app->setObserver(nullptr);
    leave();
    sd_bus* session = sessionPump.bus();
    sessionPump.detach();
    if (session) {
        sd_bus_close(session);
        sd_bus_unref(session);
    }
}

void AccessibilityBridge::serve(BusPump& pump) {
    if (&pump == &sessionPump) {
        for (int i = 0; i < MESSAGES_PER_TURN; i++) {
            sd_bus* session = sessionPump.bus();
            const int r = session ? sd_bus_process(session, nullptr) : 0;
            if (r > 0) continue;
            if (r < 0 || (session && sd_bus_is_open(session) <= 0)) {
                // No session bus any more: nothing will say when to join again.
                sessionPump.detach();
                sd_bus_unref(session);
                wanted = false;
            }
            break;
        }
    } else {
        refresh(CAUSE_OTHER);
        for (int i = 0; i < MESSAGES_PER_TURN; i++) {
            sd_bus* bus = accessibilityPump.bus();
            if (!bus) break;
            const int r = sd_bus_process(bus, nullptr);
            if (r < 0 || sd_bus_is_open(bus) <= 0) {
                lost = true;
                break;
            }
            if (clickTarget) runClick();
            if (r == 0) break;
        }
    }
    settle();
}

// A lost accessibility bus is not looked for again until a new bus launcher
// or a new status says there is one: asking the old launcher would only give
// the dead bus's address again, round after round.
void AccessibilityBridge::settle() {
    if (lost && accessibilityPump.bus()) leave();
    if (!wanted) {
        if (accessibilityPump.bus()) leave();
        return;
    }
    if (!accessibilityPump.bus()) {
        if (lost) return;
        if (pendingAddress.empty()) {
            askAddress();
            if (pendingAddress.empty()) return;
        }
        const std::string address = pendingAddress;
        pendingAddress.clear();
        join(address);
    }
    sd_bus* bus = accessibilityPump.bus();
    if (bus && !embedAsked && sd_bus_is_ready(bus) > 0) embed();
    if (announce) {
        announce = false;
        announceWindow();
    }
    accessibilityPump.rearm();
}

void AccessibilityBridge::join(const std::string& address) {
    sd_bus* bus = nullptr;
    int r = sd_bus_new(&bus);
    if (r >= 0) r = sd_bus_set_address(bus, address.c_str());
    if (r >= 0) r = sd_bus_set_bus_client(bus, 1);
    if (r >= 0) r = sd_bus_start(bus);
    const struct {
        const char* interface;
        const sd_bus_vtable* vtable;
        sd_bus_object_find_t find;
    } interfaces[] = {
        {"org.a11y.atspi.Accessible", ACCESSIBLE_VTABLE, findAccessible},
        {"org.a11y.atspi.Component", COMPONENT_VTABLE, findComponent},
        {"org.a11y.atspi.Action", ACTION_VTABLE, findAction},
        {"org.a11y.atspi.Application", APPLICATION_VTABLE, findApplication},
    };
    for (const auto& row : interfaces)
        if (r >= 0)
            r = sd_bus_add_fallback_vtable(bus, nullptr, OBJECT_PREFIX, row.interface, row.vtable,
                                           row.find, this);
    if (r >= 0)
        r = sd_bus_add_object_vtable(bus, nullptr, "/org/a11y/atspi/cache", "org.a11y.atspi.Cache",
                                     CACHE_VTABLE, this);
    if (r >= 0) r = sd_bus_add_node_enumerator(bus, nullptr, OBJECT_PREFIX, listObjects, this);
    if (r >= 0)
        r = sd_bus_add_match_async(bus, nullptr,
                                   "type='signal',sender='org.freedesktop.DBus',"
                                   "path='/org/freedesktop/DBus',interface='org.freedesktop.DBus',"
                                   "member='NameOwnerChanged',arg0='org.a11y.atspi.Registry'",
                                   onRegistryOwner, nullptr, this);
    if (r < 0) {
        sd_bus_unref(bus);
        lost = true;
        return;
    }
    accessibilityPump.attach(bus);
    // The first walk is what the bus is told about later changes against.
    widgets.rebuild();
    focus = chooseFocus(CAUSE_OTHER, false);
    widgets.setFocused(focus);
    shown = widgets.nodes();
}

void AccessibilityBridge::leave() {
    sd_bus* bus = accessibilityPump.bus();
    accessibilityPump.detach();
    if (bus) {
        // The registry sees the connection go and takes the application off
        // its desktop.
        sd_bus_close(bus);
        sd_bus_unref(bus);
    }
    embedAsked = false;
    embedded = false;
    announce = false;
    addressAsked = false;
    desktopName.clear();
    desktopPath.clear();
    clickTarget = nullptr;
    keysStalled = false;
    shown.clear();
    focus = -1;
}

void AccessibilityBridge::embed() {
    sd_bus* bus = accessibilityPump.bus();
    const char* unique = nullptr;
    if (sd_bus_get_unique_name(bus, &unique) < 0) return;
    if (sd_bus_call_method_async(bus, nullptr, REGISTRY, ROOT_PATH, "org.a11y.atspi.Socket",
                                 "Embed", onEmbedded, this, "(so)", unique, ROOT_PATH) >= 0)
        embedAsked = true;
}

int AccessibilityBridge::onEmbedded(sd_bus_message* reply, void* self, sd_bus_error*) {
    AccessibilityBridge& bridge = *static_cast<AccessibilityBridge*>(self);
    const char *name = nullptr, *path = nullptr;
    // A registry that fails is tried again when another one takes its name.
    if (sd_bus_message_is_method_error(reply, nullptr) ||
        sd_bus_message_read(reply, "(so)", &name, &path) < 0)
        return 0;
    bridge.desktopName = name;
    bridge.desktopPath = path;
    bridge.embedded = true;
    bridge.announce = true;
    return 0;
}

int AccessibilityBridge::onRegistryOwner(sd_bus_message* signal, void* self, sd_bus_error*) {
    AccessibilityBridge& bridge = *static_cast<AccessibilityBridge*>(self);
    const char *name = nullptr, *before = nullptr, *after = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &before, &after) < 0) return 0;
    if (std::strcmp(name, REGISTRY) != 0) return 0;
    // A registry that appears answers the Embed that started it, if one is
    // waiting; one that goes takes the application's place with it, and the
    // next one is asked again (which starts it, as any caller would).
    if (*after) return 0;
    bridge.embedded = false;
    bridge.embedAsked = false;
    bridge.desktopName.clear();
    bridge.desktopPath.clear();
    bridge.keysStalled = false;
    return 0;
}

int AccessibilityBridge::appendReference(sd_bus_message* message, FXint index) const {
    const char* unique = nullptr;
    sd_bus* bus = accessibilityPump.bus();
    if (!bus || sd_bus_get_unique_name(bus, &unique) < 0) unique = "";
    if (index < 0 || index >= static_cast<FXint>(widgets.nodes().size()))
        return sd_bus_message_append(message, "(so)", unique, NULL_PATH);
    return sd_bus_message_append(message, "(so)", unique, widgets.pathOf(index).c_str());
}

int AccessibilityBridge::appendDesktop(sd_bus_message* message) const {
    if (!embedded) return appendReference(message, -1);
    return sd_bus_message_append(message, "(so)", desktopName.c_str(), desktopPath.c_str());
}

void AccessibilityBridge::requestClick(FXint index) {
    clickTarget = widgets.nodes()[index].widget;
}

void AccessibilityBridge::runClick() {
    FXWindow* widget = clickTarget;
    clickTarget = nullptr;
    // Only a widget still in the tree: the call may have come before it went.
    widgets.rebuild();
    if (widgets.indexOf(widget) < 0) return;
    click(widget);
    refresh(CAUSE_POINTER);
}

// The road of a click of the mouse: the widget is pressed and released over
// its middle, and acts as it always does on that (takes the focus, checks
// itself, sends its message to its target). A modal dialog blocks clicks on
// the windows it stands over, as it blocks the mouse.
void AccessibilityBridge::click(FXWindow* widget) {
    if (!widget->isEnabled() || !widget->shown() || !widget->id()) return;
    FXWindow* modal = app->getModalWindow();
    if (modal && !modal->isOwnerOf(widget)) return;
    FXEvent event;
    event.type = SEL_LEFTBUTTONPRESS;
    event.code = LEFTBUTTON;
    event.win_x = event.click_x = widget->getWidth() / 2;
    event.win_y = event.click_y = widget->getHeight() / 2;
    widget->translateCoordinatesTo(event.root_x, event.root_y, app->getRootWindow(), event.win_x,
                                   event.win_y);
    event.rootclick_x = event.root_x;
    event.rootclick_y = event.root_y;
    event.last_x = event.win_x;
    event.last_y = event.win_y;
    event.state = 0;
    event.click_button = LEFTBUTTON;
    event.click_count = 1;
    event.moved = false;
    event.synthetic = true;
    event.time = 0;
    event.click_time = 0;
    event.rect = FXRectangle(0, 0, 0, 0);
    event.target = 0;
    widget->handle(widget, FXSEL(SEL_LEFTBUTTONPRESS, 0), &event);
    event.type = SEL_LEFTBUTTONRELEASE;
    event.state = LEFTBUTTONMASK;
    // The press may have changed the tree (a widget may act on press); the
    // release goes only to a widget that is still there.
    widgets.rebuild();
    if (widgets.indexOf(widget) < 0) return;
    widget->handle(widget, FXSEL(SEL_LEFTBUTTONRELEASE, 0), &event);
}

bool AccessibilityBridge::beforeEvent(FXRawEvent& event) {
    if (!embedded || !accessibilityPump.bus()) return false;
    return forwardKey(event);
}

void AccessibilityBridge::afterEvent(FXRawEvent& event) {
    if (!started) {
        if (event.xany.type == Expose) start();
        return;
    }
    if (!accessibilityPump.bus()) return;
    const int type = event.xany.type;
    refresh(type == KeyPress ? CAUSE_KEY : type == ButtonPress ? CAUSE_POINTER : CAUSE_OTHER);
    if (clickTarget) runClick();
    settle();
}
