// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Action: the one action of every button, "click", which does
// what a click of the mouse on it does. It is the only thing a caller on the
// bus can make the program do.
#include "Interfaces.h"

using namespace FX;

namespace {

const char* const CLICK = "click";

// Reads the action's index, which can only be 0.
int readIndex(sd_bus_message* call, sd_bus_error* error) {
    FXint index = -1;
    const int r = sd_bus_message_read(call, "i", &index);
    if (r < 0) return r;
    return index == 0 ? 0 : refuse(error, "no action at this index");
}

int getNActions(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
                void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    (void)node;
    return sd_bus_message_append(reply, "i", 1);
}

int getName(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    const int r = readIndex(call, error);
    if (r < 0) return r;
    return sd_bus_reply_method_return(call, "s", CLICK);
}

int getDescription(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    const int r = readIndex(call, error);
    if (r < 0) return r;
    return sd_bus_reply_method_return(call, "s", node->description.c_str());
}

int getKeyBinding(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    const int r = readIndex(call, error);
    if (r < 0) return r;
    return sd_bus_reply_method_return(call, "s", "");
}

// Each action as its localised name, description and key binding.
int getActions(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWith(call, [node](sd_bus_message* reply) {
        return sd_bus_message_append(reply, "a(sss)", 1, CLICK, node->description.c_str(), "");
    });
}

// True when the click will be made: the widget is shown and takes clicks.
int doAction(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    const int r = readIndex(call, error);
    if (r < 0) return r;
    const bool clickable = node->has(A11Y_SHOWING) && node->has(A11Y_ENABLED);
    if (clickable) serverOf(userdata).requestClick(serverOf(userdata).indexOf(node));
    return sd_bus_reply_method_return(call, "b", clickable);
}

} // namespace

const sd_bus_vtable ACTION_VTABLE[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("NActions", "i", getNActions, 0, 0),
    SD_BUS_METHOD("GetDescription", "i", "s", getDescription, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetName", "i", "s", getName, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetLocalizedName", "i", "s", getName, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetKeyBinding", "i", "s", getKeyBinding, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetActions", "", "a(sss)", getActions, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("DoAction", "i", "b", doAction, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};
