// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The protocol interfaces the program answers, each in its own file: their
// tables for the D-Bus library. Each handler's userdata is the ObjectServer.
#pragma once

#include <systemd/sd-bus.h>

#include "BusMessages.h"
#include "ObjectServer.h"
#include "Protocol.h"

extern const sd_bus_vtable ACCESSIBLE_VTABLE[];
extern const sd_bus_vtable COMPONENT_VTABLE[];
extern const sd_bus_vtable ACTION_VTABLE[];
extern const sd_bus_vtable APPLICATION_VTABLE[];
extern const sd_bus_vtable CACHE_VTABLE[];
