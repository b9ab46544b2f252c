// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol interfaces the bridge answers, each in its own file: their
// tables for the D-Bus library and how each finds the node a call is for.
#pragma once

#include <systemd/sd-bus.h>

#include "AccessibilityBridge.h"

extern const sd_bus_vtable ACCESSIBLE_VTABLE[];
extern const sd_bus_vtable COMPONENT_VTABLE[];
extern const sd_bus_vtable ACTION_VTABLE[];
extern const sd_bus_vtable APPLICATION_VTABLE[];
extern const sd_bus_vtable CACHE_VTABLE[];

// Whether an object path names a node that has the interface; the found
// object is the bridge, which finds the node again from the path.
int findAccessible(sd_bus*, const char* path, const char*, void* bridge, void** found,
                   sd_bus_error*);
int findComponent(sd_bus*, const char* path, const char*, void* bridge, void** found,
                  sd_bus_error*);
int findAction(sd_bus*, const char* path, const char*, void* bridge, void** found, sd_bus_error*);
int findApplication(sd_bus*, const char* path, const char*, void* bridge, void** found,
                    sd_bus_error*);

// The node a call or property read is for, or an error naming the object.
const AccessibleNode* callNode(void* bridge, const char* path, sd_bus_error* error);

// Opens a handler (userdata and error in scope): `node` for the object path,
// or the call fails with the error callNode set.
#define NODE_OR_FAIL(path)                                                                         \
    const AccessibleNode* node = callNode(userdata, (path), error);                                \
    if (!node) return -ENXIO
FX::FXint nodeIndex(void* bridge, const AccessibleNode* node);
inline AccessibilityBridge& bridgeOf(void* bridge) {
    return *static_cast<AccessibilityBridge*>(bridge);
}

// A reply refusing arguments outside what the call allows.
int refuse(sd_bus_error* error, const char* why);
