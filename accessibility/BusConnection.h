// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The connection to the accessibility bus, and its one state. Everything
// that changes the state is here: joining at an address, the registry's
// embedding of the application (asked again whenever a registry appears),
// the registry's coming and going, and the end of the bus. It knows nothing
// of widgets: what the bus is shown is registered by the owner.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include <functional>
#include <string>

#include "BusPump.h"

class BusConnection {
public:
    enum State {
        OFF,     // nobody wants the program on the bus
        ASKING,  // wanted, and waiting for the bus's address
        JOINING, // connected, and waiting for the registry to embed the application
        JOINED,  // on the registry's desktop
        LOST,    // the bus went away or could not be reached: stays so until reset
    };

    class Owner {
    public:
        virtual ~Owner() = default;
        // The new connection, before any message is read: register the objects.
        virtual bool connected(sd_bus* bus) = 0;
        // The registry has put the application on its desktop.
        virtual void embedded() = 0;
        // A registry took its name (present) or left it.
        virtual void registryChanged(bool present) = 0;
        // A message was read and handled: what it asked for may follow now.
        // Pausing the connection's messages stops the reading.
        virtual void served() = 0;
    };

    BusConnection(FX::FXApp* app, Owner& owner);
    ~BusConnection();
    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    State state() const { return current; }
    // Whether an Embed is on its way to the registry.
    bool embedding() const { return embedAsked; }
    sd_bus* bus() const { return pump.bus(); }
    BusPump& messages() { return pump; }
    // The connection's own name on the bus, "" when there is none.
    const char* uniqueName() const;
    // The registry's desktop object, once embedded.
    const std::string& desktopName() const { return deskName; }
    const std::string& desktopPath() const { return deskPath; }

    // OFF: starts waiting for an address.
    void ask();
    // ASKING: connects to the bus at the address.
    void join(const std::string& address);
    // Anything: closes the connection; the registry takes the application off
    // its desktop as it sees it go.
    void leave();
    // LOST: may be tried again.
    void reset();
    // Reads what came. The owner is told through served().
    void process();

private:
    void setState(State next);
    void embed();
    void lose();
    static int onEmbedded(sd_bus_message* reply, void* self, sd_bus_error*);
    static int onRegistryOwner(sd_bus_message* signal, void* self, sd_bus_error*);

    Owner& owner;
    BusPump pump;
    State current = OFF;
    bool embedAsked = false; // an Embed is on its way
    std::string deskName, deskPath;
    int failures = 0; // rounds in a row whose processing failed
};
