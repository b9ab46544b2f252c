// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's objects on the accessibility bus: one object per node of the
// latest walk, the interfaces each answers (one list, which every interface
// file and the bus's introspection read), the node a call is for, and
// references to nodes. The interfaces themselves live in a file each.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include "AccessibleTree.h"
#include "BusConnection.h"

class ObjectServer {
public:
    // What a call may ask of the program beyond reading it: a click.
    class Host {
    public:
        virtual ~Host() = default;
        virtual void requestClick(FX::FXWindow* widget) = 0;
    };

    enum InterfaceBit : FX::FXuint {
        ACCESSIBLE = 1,
        COMPONENT = 2,
        ACTION = 4,
        APPLICATION = 8,
    };

    ObjectServer(FX::FXApp* app, const AccessibleTree& tree, const BusConnection& connection,
                 Host& host);
    ObjectServer(const ObjectServer&) = delete;
    ObjectServer& operator=(const ObjectServer&) = delete;

    // Registers every object on a new connection; false when it could not.
    bool attach(sd_bus* bus);

    // The interfaces a node answers, as InterfaceBit flags.
    static FX::FXuint interfacesOf(const AccessibleNode& node);
    // Appends the names of those interfaces, as an array of strings.
    static int appendInterfaces(sd_bus_message* message, const AccessibleNode& node);

    // The node a call is for, or null with the error set: an object that is
    // gone answers nothing.
    const AccessibleNode* nodeOf(const char* path, sd_bus_error* error) const;
    FX::FXint indexOf(const AccessibleNode* node) const;
    // Appends the reference (bus name, path) of a node; -1 is the null reference.
    int appendReference(sd_bus_message* message, FX::FXint index) const;
    // Appends the reference of the registry's desktop, the application's parent.
    int appendDesktop(sd_bus_message* message) const;
    void requestClick(FX::FXint index);

    FX::FXApp* application() const { return app; }
    const AccessibleTree& tree() const { return widgets; }
    FX::FXint applicationId = 0; // the registry may give the application a number

private:
    FX::FXApp* app;
    const AccessibleTree& widgets;
    const BusConnection& connection;
    Host& host;
};

inline ObjectServer& serverOf(void* userdata) {
    return *static_cast<ObjectServer*>(userdata);
}

// A reply refusing arguments outside what the call allows.
int refuse(sd_bus_error* error, const char* why);

// Opens a handler (userdata and error in scope): `node` for the object path,
// or the call fails with the error nodeOf set.
#define NODE_OR_FAIL(path)                                                                         \
    const AccessibleNode* node = serverOf(userdata).nodeOf((path), error);                         \
    if (!node) return -ENXIO
