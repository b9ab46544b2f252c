// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Accessible: every node's name, role, states, place in the
// tree and interfaces.
#include "Interfaces.h"
#include "WidgetRoles.h"

#include <clocale>

using namespace FX;

namespace {

const char* const INTERFACE_ACCESSIBLE = "org.a11y.atspi.Accessible";
const char* const INTERFACE_APPLICATION = "org.a11y.atspi.Application";
const char* const INTERFACE_COMPONENT = "org.a11y.atspi.Component";
const char* const INTERFACE_ACTION = "org.a11y.atspi.Action";

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
    if (node->parent < 0) return bridgeOf(userdata).appendDesktop(reply);
    return bridgeOf(userdata).appendReference(reply, node->parent);
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
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = bridgeOf(userdata).appendReference(reply, index);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
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
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "(so)");
    for (std::size_t i = 0; r >= 0 && i < node->children.size(); i++)
        r = bridgeOf(userdata).appendReference(reply, node->children[i]);
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int getIndexInParent(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return sd_bus_reply_method_return(call, "i", node->indexInParent);
}

int getRelationSet(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "(ua(so))");
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
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
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = sd_bus_message_append(reply, "au", 2, node->states[0], node->states[1]);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int getAttributes(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = sd_bus_message_append(reply, "a{ss}", 1, "toolkit", "FOX");
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

int getApplication(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    return replyWithReference(call, userdata, 0);
}

int getInterfaces(sd_bus_message* call, void* userdata, sd_bus_error* error) {
    NODE_OR_FAIL(sd_bus_message_get_path(call));
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(call, &reply);
    if (r >= 0) r = sd_bus_message_open_container(reply, 'a', "s");
    if (r >= 0) r = sd_bus_message_append(reply, "s", INTERFACE_ACCESSIBLE);
    if (r >= 0 && node->parent < 0) r = sd_bus_message_append(reply, "s", INTERFACE_APPLICATION);
    if (r >= 0 && node->parent >= 0) r = sd_bus_message_append(reply, "s", INTERFACE_COMPONENT);
    if (r >= 0 && roleIsClickable(node->role))
        r = sd_bus_message_append(reply, "s", INTERFACE_ACTION);
    if (r >= 0) r = sd_bus_message_close_container(reply);
    if (r >= 0) r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

} // namespace

int findAccessible(sd_bus*, const char* path, const char*, void* bridge, void** found,
                   sd_bus_error*) {
    if (!bridgeOf(bridge).tree().find(path)) return 0;
    *found = bridge;
    return 1;
}

const AccessibleNode* callNode(void* bridge, const char* path, sd_bus_error* error) {
    const AccessibleNode* node = bridgeOf(bridge).tree().find(path);
    if (!node) sd_bus_error_set(error, SD_BUS_ERROR_UNKNOWN_OBJECT, "no such accessible object");
    return node;
}

FXint nodeIndex(void* bridge, const AccessibleNode* node) {
    return static_cast<FXint>(node - bridgeOf(bridge).tree().nodes().data());
}

int refuse(sd_bus_error* error, const char* why) {
    return sd_bus_error_set(error, SD_BUS_ERROR_INVALID_ARGS, why);
}

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
