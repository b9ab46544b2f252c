// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Accessible: every node's name, role, states, place in the
// tree and interfaces.
#include "Interfaces.h"
#include "WidgetRoles.h"

#include <clocale>

using namespace FX;

namespace {

int getName(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
            void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    return sd_bus_message_append(reply, "s", node->name.c_str());
}

int getDescription(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
                   void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    return sd_bus_message_append(reply, "s", node->description.c_str());
}

int getParent(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
              void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    if (node->parent < 0) return serverOf(userdata).appendDesktop(reply);
    return serverOf(userdata).appendReference(reply, node->parent);
}

int getChildCount(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
                  void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    return sd_bus_message_append(reply, "i", static_cast<FXint>(node->children.size()));
}

int getLocale(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
              void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    const char* locale = std::setlocale(LC_MESSAGES, nullptr);
    return sd_bus_message_append(reply, "s", locale ? locale : "C");
}

int getAccessibleId(sd_bus*, const char* path, const char*, const char*, sd_bus_message* reply,
                    void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(path);
    return sd_bus_message_append(reply, "s", "");
}

int replyWithReference(sd_bus_message* call, void* userdata, FXint index) {
    return replyWith(call, [&](sd_bus_message* reply) {
        return serverOf(userdata).appendReference(reply, index);
    });
}

int getChildAtIndex(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    FXint index = 0;
    int r = sd_bus_message_read(call, "i", &index);
    if (r < 0) return r;
    if (index < 0 || index >= static_cast<FXint>(node->children.size()))
        return refuse(error, "no child at this index");
    return replyWithReference(call, userdata, node->children[index]);
}

int getChildren(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWith(call, [&](sd_bus_message* reply) {
        int r = sd_bus_message_open_container(reply, 'a', "(so)");
        for (std::size_t i = 0; r >= 0 && i < node->children.size(); i++)
            r = serverOf(userdata).appendReference(reply, node->children[i]);
        return r >= 0 ? sd_bus_message_close_container(reply) : r;
    });
}

int getIndexInParent(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return sd_bus_reply_method_return(call, "i", node->indexInParent);
}

int getRelationSet(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    (void)node;
    return replyWithNone(call, "(ua(so))");
}

int getRole(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return sd_bus_reply_method_return(call, "u", node->role);
}

int getRoleName(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return sd_bus_reply_method_return(call, "s", roleName(node->role));
}

int getState(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWith(call, [node](sd_bus_message* reply) {
        return sd_bus_message_append(reply, "au", 2, node->states[0], node->states[1]);
    });
}

int getAttributes(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWith(call, [](sd_bus_message* reply) {
        return sd_bus_message_append(reply, "a{ss}", 1, "toolkit", "FOX");
    });
}

int getApplication(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWithReference(call, userdata, 0);
}

int getInterfaces(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWith(call, [node](sd_bus_message* reply) {
        return ObjectServer::appendInterfaces(reply, *node);
    });
}

} // namespace

const sd_bus_vtable ACCESSIBLE_VTABLE[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Name", "s", getName, 0, 0),
    SD_BUS_PROPERTY("Description", "s", getDescription, 0, 0),
    SD_BUS_PROPERTY("Parent", "(so)", getParent, 0, 0),
    SD_BUS_PROPERTY("ChildCount", "i", getChildCount, 0, 0),
    SD_BUS_PROPERTY("Locale", "s", getLocale, 0, 0),
    SD_BUS_PROPERTY("AccessibleId", "s", getAccessibleId, 0, 0),
    SD_BUS_METHOD("GetChildAtIndex", "i", "(so)", getChildAtIndex, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetChildren", "", "a(so)", getChildren, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetIndexInParent", "", "i", getIndexInParent, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetRelationSet", "", "a(ua(so))", getRelationSet, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetRole", "", "u", getRole, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetRoleName", "", "s", getRoleName, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetLocalizedRoleName", "", "s", getRoleName, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetState", "", "au", getState, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetAttributes", "", "a{ss}", getAttributes, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetApplication", "", "(so)", getApplication, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetInterfaces", "", "as", getInterfaces, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};
