// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whether assistive programs are wanted, as the desktop's accessibility
// status on the session bus says (IsEnabled, or ScreenReaderEnabled where it
// still exists), and where their bus is. Every question is asked without
// waiting for its answer and without starting the service that would answer,
// so the program starts as fast with a session bus as without one.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include <functional>
#include <string>

#include "BusMessages.h"
#include "BusPump.h"

class StatusWatch {
public:
    // changed is called after each round in which something may have changed.
    StatusWatch(FX::FXApp* app, std::function<void()> changed);
    ~StatusWatch();
    StatusWatch(const StatusWatch&) = delete;
    StatusWatch& operator=(const StatusWatch&) = delete;

    // Connects to the session bus and asks for the status; false with none.
    bool open();
    bool isOpen() const { return pump.bus() != nullptr; }
    bool wanted() const { return enabled; }
    // The accessibility bus's address, empty until known; asks the launcher
    // once for it after each forgetAddress. The environment's address wins.
    const std::string& address();
    void forgetAddress();
    // Counts the times a new accessibility bus may have come: a new launcher,
    // or the status turning on.
    unsigned announcements() const { return announced; }

private:
    void process();
    void askOwner();
    void askStatus();
    void takeStatus(sd_bus_message* reply);
    static int onOwnerReply(sd_bus_message* reply, void* self, sd_bus_error*);
    static int onOwnerChanged(sd_bus_message* signal, void* self, sd_bus_error*);
    static int onStatus(sd_bus_message* reply, void* self, sd_bus_error*);
    static int onStatusChanged(sd_bus_message* signal, void* self, sd_bus_error*);
    static int onAddress(sd_bus_message* reply, void* self, sd_bus_error*);

    BusPump pump;
    std::function<void()> changed;
    std::string owner;       // the status service's unique name, once known
    std::string unconfirmed; // a status signal's sender while the owner was asked
    bool ownerKnown = false;
    RepeatedQuestion status;
    bool enabled = false;
    bool addressAsked = false;
    std::string busAddress;
    unsigned announced = 0;
};
