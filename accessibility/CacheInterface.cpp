// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Cache: the bridge keeps no cache for others to copy, so it
// answers with none, and callers ask each object what they need.
#include "Interfaces.h"

namespace {

int getItems(sd_bus_message* call, void*, sd_bus_error*) {
    return replyWithNone(call, "((so)(so)(so)iiassusau)");
}

} // namespace

const sd_bus_vtable CACHE_VTABLE[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("GetItems", "", "a((so)(so)(so)iiassusau)", getItems, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};
