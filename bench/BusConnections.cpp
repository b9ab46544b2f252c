// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Asking a bus for its connections and the process behind each.
#include "BusConnections.h"

#include <systemd/sd-bus.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const char* const BUS_NAME = "org.freedesktop.DBus";
const char* const BUS_PATH = "/org/freedesktop/DBus";

} // namespace

bool BusConnections::open(const std::string& address, std::string& error) {
    int result = sd_bus_new(&bus);
    if (result >= 0) result = sd_bus_set_address(bus, address.c_str());
    if (result >= 0) result = sd_bus_set_bus_client(bus, 1);
    if (result >= 0) result = sd_bus_start(bus);
    if (result < 0) {
        error = "cannot connect to " + address + ": " + std::strerror(-result);
        bus = sd_bus_flush_close_unref(bus);
        return false;
    }
    return true;
}

BusConnections::~BusConnections() {
    sd_bus_flush_close_unref(bus);
}

bool BusConnections::hasConnectionOf(pid_t pid) {
    sd_bus_message* reply = nullptr;
    char** names = nullptr;
    bool found = false;
    if (bus &&
        sd_bus_call_method(bus, BUS_NAME, BUS_PATH, BUS_NAME, "ListNames", nullptr, &reply, "") >=
            0 &&
        sd_bus_message_read_strv(reply, &names) >= 0) {
        for (char** name = names; name && *name; ++name) {
            // Well-known names are owned by some unique one, which is listed too.
            if (found || (*name)[0] != ':') continue;
            sd_bus_message* owner = nullptr;
            uint32_t ownerPid = 0;
            // A name may leave between the two calls: it is then simply not ours.
            if (sd_bus_call_method(bus, BUS_NAME, BUS_PATH, BUS_NAME, "GetConnectionUnixProcessID",
                                   nullptr, &owner, "s", *name) >= 0 &&
                sd_bus_message_read(owner, "u", &ownerPid) >= 0)
                found = pid_t(ownerPid) == pid;
            sd_bus_message_unref(owner);
        }
    }
    for (char** name = names; name && *name; ++name)
        free(*name);
    free(names);
    sd_bus_message_unref(reply);
    return found;
}
