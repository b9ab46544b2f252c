// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The few ways the bridge writes and reads D-Bus messages, each written once:
// a reply, a call whose answer comes later, a watch on a name's owner.
#pragma once

#include <systemd/sd-bus.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// Writes the values into a message; a negative result is an error.
using MessageFill = std::function<int(sd_bus_message*)>;

// Answers a call with a reply that fill writes.
int replyWith(sd_bus_message* call, const MessageFill& fill);
// Answers a call with an empty array of the contents' type.
int replyWithNone(sd_bus_message* call, const char* contents);

struct MethodCall {
    const char* destination;
    const char* path;
    const char* interface;
    const char* member;
};

// Sends a call and returns at once; the handler gets its reply, or the
// library's error when none came within the limit (0 is the library's own
// limit, UINT64_MAX none). A call that must not start its service, as a
// question whose answer only matters if the service runs, says so. The
// call's number is written to cookie when asked for, to tell its reply.
int callLater(sd_bus* bus, const MethodCall& method, sd_bus_message_handler_t handler,
              void* userdata, const MessageFill& fill = nullptr, std::uint64_t limit = 0,
              bool mayStart = true, std::uint64_t* cookie = nullptr);

// Watches the owner of a well-known name through the bus's NameOwnerChanged;
// the handler reads the signal with ownerChange.
int watchOwner(sd_bus* bus, const char* name, sd_bus_message_handler_t handler, void* userdata);
// The name's new owner, by the bus's own word that it changed: its unique
// name, or empty when the name went. Nothing for any other signal.
std::optional<std::string> ownerChange(sd_bus_message* signal, const char* name);

// Whether a reply came from the one called: an answer or an error of its own,
// not the library's time-out nor the bus's word that it left unanswered.
bool isAnswer(sd_bus_message* reply);

// A question that is asked again when it is asked while on its way, but
// only once more, however often: answers to many prompts come together.
class RepeatedQuestion {
public:
    // True when it is to be sent now.
    bool ask() {
        if (onItsWay) again = true;
        return onItsWay ? false : (onItsWay = true);
    }
    // Its answer came, or it could not be sent: true when it is to be sent again.
    bool answered() {
        const bool repeat = again;
        onItsWay = again = false;
        return repeat;
    }

private:
    bool onItsWay = false;
    bool again = false;
};
