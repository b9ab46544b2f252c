// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which processes are connected to a D-Bus bus, asked of the bus itself: the
// benchmark waits this way for a program to join the accessibility bus.
#pragma once

#include <sys/types.h>

#include <string>

struct sd_bus;

class BusConnections {
public:
    // Connects to the bus at the address; error says why when it returns false.
    bool open(const std::string& address, std::string& error);
    ~BusConnections();

    // Whether one of the bus's unique names belongs to the process now.
    bool hasConnectionOf(pid_t pid);

private:
    sd_bus* bus = nullptr;
};
