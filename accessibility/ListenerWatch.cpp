// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The registry's lists of listeners.
#include "ListenerWatch.h"
#include "Protocol.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

const MethodCall GET_EVENTS = {atspi::REGISTRY, atspi::REGISTRY_PATH, atspi::REGISTRY_INTERFACE,
                               "GetRegisteredEvents"};
const MethodCall GET_KEY_LISTENERS = {atspi::REGISTRY, atspi::CONTROLLER_PATH,
                                      atspi::CONTROLLER_INTERFACE, "GetKeystrokeListeners"};

ListenerWatch& watchOf(void* self) {
    return *static_cast<ListenerWatch*>(self);
}

std::string signalMatch(const char* path, const char* interface, const char* member) {
    return std::string("type='signal',sender='") + atspi::REGISTRY + "',path='" + path +
           "',interface='" + interface + "',member='" + member + "'";
}

} // namespace

bool ListenerWatch::attach(sd_bus* b) {
    bus = b;
    registered.forget();
    keyListeners = false;
    eventsQuestion = keysQuestion = RepeatedQuestion();
    const struct {
        const char* path;
        const char* interface;
        const char* member;
        sd_bus_message_handler_t handler;
    } watches[] = {
        {atspi::REGISTRY_PATH, atspi::REGISTRY_INTERFACE, "EventListenerRegistered",
         onEventListener},
        {atspi::REGISTRY_PATH, atspi::REGISTRY_INTERFACE, "EventListenerDeregistered",
         onEventListener},
        {atspi::CONTROLLER_PATH, atspi::DEVICE_LISTENER_INTERFACE, "KeystrokeListenerRegistered",
         onKeyListenerChanged},
        {atspi::CONTROLLER_PATH, atspi::DEVICE_LISTENER_INTERFACE, "KeystrokeListenerDeregistered",
         onKeyListenerChanged},
    };
    for (const auto& watch : watches)
        if (sd_bus_add_match_async(bus, nullptr,
                                   signalMatch(watch.path, watch.interface, watch.member).c_str(),
                                   watch.handler, nullptr, this) < 0)
            return false;
    askEvents();
    askKeyListeners();
    return true;
}

void ListenerWatch::registryChanged() {
    registered.forget();
    askEvents();
    askKeyListeners();
}

void ListenerWatch::askEvents() {
    if (eventsQuestion.ask() && callLater(bus, GET_EVENTS, onEvents, this) < 0)
        eventsQuestion.answered();
}

void ListenerWatch::askKeyListeners() {
    if (keysQuestion.ask() && callLater(bus, GET_KEY_LISTENERS, onKeyListeners, this) < 0)
        keysQuestion.answered();
}

// A registry that keeps no list, or answers out of shape, leaves every
// event wanted.
int ListenerWatch::onEvents(sd_bus_message* reply, void* self, sd_bus_error*) {
    ListenerWatch& watch = watchOf(self);
    std::vector<std::pair<std::string, std::string>> list;
    bool whole = !sd_bus_message_is_method_error(reply, nullptr) &&
                 sd_bus_message_enter_container(reply, 'a', "(ss)") > 0;
    const char *listener = nullptr, *type = nullptr;
    int r = 0;
    while (whole && (r = sd_bus_message_read(reply, "(ss)", &listener, &type)) > 0)
        list.emplace_back(listener, type);
    if (whole && r == 0)
        watch.registered.assign(list);
    else
        watch.registered.forget();
    if (watch.eventsQuestion.answered()) watch.askEvents();
    return 0;
}

int ListenerWatch::onEventListener(sd_bus_message* signal, void* self, sd_bus_error*) {
    ListenerWatch& watch = watchOf(self);
    const char *listener = nullptr, *type = nullptr;
    if (sd_bus_message_read(signal, "ss", &listener, &type) < 0) return 0;
    if (std::strcmp(sd_bus_message_get_member(signal), "EventListenerRegistered") == 0)
        watch.registered.add(listener, type);
    else
        watch.registered.remove(listener, type);
    return 0;
}

// Only whether the list is empty counts: any listener may want any key.
int ListenerWatch::onKeyListeners(sd_bus_message* reply, void* self, sd_bus_error*) {
    ListenerWatch& watch = watchOf(self);
    char type = 0;
    const char* contents = nullptr;
    watch.keyListeners = !sd_bus_message_is_method_error(reply, nullptr) &&
                         sd_bus_message_enter_container(reply, 'a', "(souua(iisi)u(bbb))") > 0 &&
                         sd_bus_message_peek_type(reply, &type, &contents) > 0;
    if (watch.keysQuestion.answered()) watch.askKeyListeners();
    return 0;
}

int ListenerWatch::onKeyListenerChanged(sd_bus_message*, void* self, sd_bus_error*) {
    watchOf(self).askKeyListeners();
    return 0;
}
