// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Replies, calls answered later and name-owner watches.
#include "BusMessages.h"
#include "Protocol.h"

#include <cstring>

int replyWith(sd_bus_message* call, const MessageFill& fill) {
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0 && fill) r = fill(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int replyWithNone(sd_bus_message* call, const char* contents) {
    return replyWith(call, [contents](sd_bus_message* reply) {
        const int r = sd_bus_message_open_container(reply, 'a', contents);
        return r >= 0 ? sd_bus_message_close_container(reply) : r;
    });
}

int callLater(sd_bus* bus, const MethodCall& method, sd_bus_message_handler_t handler,
              void* userdata, const MessageFill& fill, std::uint64_t limit, bool mayStart,
              std::uint64_t* cookie) {
    sd_bus_message* call = nullptr;
    int r = sd_bus_message_new_method_call(bus, &call, method.destination, method.path,
                                           method.interface, method.member);
    if (r >= 0 && fill) r = fill(call);
    if (r >= 0 && !mayStart) r = sd_bus_message_set_auto_start(call, 0);
    if (r >= 0) r = sd_bus_call_async(bus, nullptr, call, handler, userdata, limit);
    if (r >= 0 && cookie) r = sd_bus_message_get_cookie(call, cookie);
    sd_bus_message_unref(call);
    return r;
}

int watchOwner(sd_bus* bus, const char* name, sd_bus_message_handler_t handler, void* userdata) {
    const std::string match = std::string("type='signal',sender='") + atspi::DBUS_SERVICE +
                              "',path='" + atspi::DBUS_PATH + "',interface='" +
                              atspi::DBUS_INTERFACE + "',member='NameOwnerChanged',arg0='" + name +
                              "'";
    return sd_bus_add_match_async(bus, nullptr, match.c_str(), handler, nullptr, userdata);
}

std::optional<std::string> ownerChange(sd_bus_message* signal, const char* name) {
    const char* sender = sd_bus_message_get_sender(signal);
    const char *changed = nullptr, *before = nullptr, *after = nullptr;
    if (!sender || std::strcmp(sender, atspi::DBUS_SERVICE) != 0 ||
        sd_bus_message_read(signal, "sss", &changed, &before, &after) < 0 ||
        std::strcmp(changed, name) != 0)
        return std::nullopt;
    return std::string(after);
}

bool isAnswer(sd_bus_message* reply) {
    return sd_bus_message_is_method_error(reply, atspi::ERROR_NO_REPLY) <= 0 &&
           sd_bus_message_is_method_error(reply, atspi::ERROR_TIMEOUT) <= 0;
}
