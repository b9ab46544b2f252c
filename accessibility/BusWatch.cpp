// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whether assistive programs are wanted, as the desktop's accessibility
// status on the session bus says (IsEnabled, or ScreenReaderEnabled where it
// still exists), and where their bus is. Every question is asked without
// waiting for its answer and without starting the service that would answer,
// so the program starts as fast with a session bus as without one.
#include "AccessibilityBridge.h"

#include <cstdlib>
#include <cstring>

namespace {

const char* const STATUS_SERVICE = "org.a11y.Bus";
const char* const STATUS_PATH = "/org/a11y/bus";
const char* const STATUS_INTERFACE = "org.a11y.Status";

int callWithoutStarting(sd_bus* bus, const char* interface, const char* member,
                        sd_bus_message_handler_t handler, void* self, const char* argument) {
    sd_bus_message* call = nullptr;
    int r =
        sd_bus_message_new_method_call(bus, &call, STATUS_SERVICE, STATUS_PATH, interface, member);
    if (r >= 0 && argument) r = sd_bus_message_append(call, "s", argument);
    if (r >= 0) r = sd_bus_message_set_auto_start(call, 0);
    if (r >= 0) r = sd_bus_call_async(bus, nullptr, call, handler, self, 0);
    sd_bus_message_unref(call);
    return r;
}

} // namespace

void AccessibilityBridge::watchSession() {
    sd_bus* session = nullptr;
    if (sd_bus_open_user(&session) < 0) return;
    // The status's owner may come and go (the desktop's bus launcher is
    // started on demand); a change of its properties only prompts a new
    // question, so whoever sends the signal cannot set the answer.
    sd_bus_add_match_async(session, nullptr,
                           "type='signal',sender='org.freedesktop.DBus',"
                           "path='/org/freedesktop/DBus',interface='org.freedesktop.DBus',"
                           "member='NameOwnerChanged',arg0='org.a11y.Bus'",
                           onBusOwner, nullptr, this);
    sd_bus_add_match_async(session, nullptr,
                           "type='signal',path='/org/a11y/bus',"
                           "interface='org.freedesktop.DBus.Properties',"
                           "member='PropertiesChanged',arg0='org.a11y.Status'",
                           onStatusChanged, nullptr, this);
    sessionPump.attach(session);
    askStatus();
}

void AccessibilityBridge::askStatus() {
    sd_bus* session = sessionPump.bus();
    if (session)
        callWithoutStarting(session, "org.freedesktop.DBus.Properties", "GetAll", onStatus, this,
                            STATUS_INTERFACE);
}

void AccessibilityBridge::askAddress() {
    if (addressAsked) return;
    const char* address = std::getenv("AT_SPI_BUS_ADDRESS");
    if (address && *address) {
        pendingAddress = address;
        return;
    }
    sd_bus* session = sessionPump.bus();
    if (session &&
        callWithoutStarting(session, "org.a11y.Bus", "GetAddress", onAddress, this, nullptr) >= 0)
        addressAsked = true;
}

int AccessibilityBridge::onStatus(sd_bus_message* reply, void* self, sd_bus_error*) {
    AccessibilityBridge& bridge = *static_cast<AccessibilityBridge*>(self);
    bool enabled = false;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_enter_container(reply, 'a', "{sv}") > 0) {
        while (sd_bus_message_enter_container(reply, 'e', "sv") > 0) {
            const char* key = nullptr;
            int value = 0;
            if (sd_bus_message_read(reply, "s", &key) < 0) break;
            const bool known =
                std::strcmp(key, "IsEnabled") == 0 || std::strcmp(key, "ScreenReaderEnabled") == 0;
            if (known && sd_bus_message_read(reply, "v", "b", &value) >= 0) {
                enabled = enabled || value;
            } else if (sd_bus_message_skip(reply, "v") < 0) {
                break;
            }
            if (sd_bus_message_exit_container(reply) < 0) break;
        }
    }
    bridge.wanted = enabled;
    if (!enabled) bridge.lost = false;
    return 0;
}

int AccessibilityBridge::onStatusChanged(sd_bus_message* signal, void* self, sd_bus_error*) {
    const char* interface = nullptr;
    if (sd_bus_message_read(signal, "s", &interface) >= 0 && interface &&
        std::strcmp(interface, STATUS_INTERFACE) == 0)
        static_cast<AccessibilityBridge*>(self)->askStatus();
    return 0;
}

int AccessibilityBridge::onBusOwner(sd_bus_message* signal, void* self, sd_bus_error*) {
    AccessibilityBridge& bridge = *static_cast<AccessibilityBridge*>(self);
    const char *name = nullptr, *before = nullptr, *after = nullptr;
    if (sd_bus_message_read(signal, "sss", &name, &before, &after) < 0) return 0;
    if (std::strcmp(name, STATUS_SERVICE) != 0) return 0;
    // A new launcher means a new accessibility bus, and a status of its own.
    bridge.lost = false;
    bridge.addressAsked = false;
    if (*after)
        bridge.askStatus();
    else
        bridge.wanted = false;
    return 0;
}

int AccessibilityBridge::onAddress(sd_bus_message* reply, void* self, sd_bus_error*) {
    AccessibilityBridge& bridge = *static_cast<AccessibilityBridge*>(self);
    const char* address = nullptr;
    if (!sd_bus_message_is_method_error(reply, nullptr) &&
        sd_bus_message_read(reply, "s", &address) >= 0 && address && *address)
        bridge.pendingAddress = address;
    else
        bridge.addressAsked = false;
    return 0;
}
