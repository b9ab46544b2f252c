// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The objects' registration, their interfaces and the lookup of a call's node.
#include "ObjectServer.h"
#include "Interfaces.h"
#include "Protocol.h"
#include "WidgetRoles.h"

#include <cstdlib>
#include <cstring>

using namespace FX;

namespace {

struct Interface {
    FXuint bit;
    const char* name;
    const sd_bus_vtable* vtable;
};

const Interface INTERFACES[] = {
    {ObjectServer::ACCESSIBLE, atspi::ACCESSIBLE_INTERFACE, ACCESSIBLE_VTABLE},
    {ObjectServer::COMPONENT, atspi::COMPONENT_INTERFACE, COMPONENT_VTABLE},
    {ObjectServer::ACTION, atspi::ACTION_INTERFACE, ACTION_VTABLE},
    {ObjectServer::APPLICATION, atspi::APPLICATION_INTERFACE, APPLICATION_VTABLE},
};

// Whether the object at a path answers an interface; the found object is
// the server, which finds the node again from the path.
int findObject(sd_bus*, const char* path, const char* interface, void* userdata, void** found,
               sd_bus_error*) {
    const AccessibleNode* node = serverOf(userdata).tree().find(path);
    if (!node) return 0;
    for (const Interface& row : INTERFACES)
        if (std::strcmp(row.name, interface) == 0 &&
            (ObjectServer::interfacesOf(*node) & row.bit)) {
            *found = userdata;
            return 1;
        }
    return 0;
}

int listObjects(sd_bus*, const char*, void* userdata, char*** paths, sd_bus_error*) {
    const AccessibleTree& tree = serverOf(userdata).tree();
    const std::size_t count = tree.nodes().size();
    char** list = static_cast<char**>(calloc(count + 1, sizeof(char*)));
    if (!list) return -ENOMEM;
    for (std::size_t i = 0; i < count; i++) {
        list[i] = strdup(tree.pathOf(static_cast<FXint>(i)).c_str());
        if (!list[i]) {
            for (std::size_t k = 0; k < i; k++)
                free(list[k]);
            free(list);
            return -ENOMEM;
        }
    }
    *paths = list;
    return 0;
}

} // namespace

ObjectServer::ObjectServer(FXApp* a, const AccessibleTree& t, const BusConnection& c, Host& h)
    : app(a), widgets(t), connection(c), host(h) {}

bool ObjectServer::attach(sd_bus* bus) {
    int r = 0;
    for (const Interface& row : INTERFACES)
        if (r >= 0)
            r = sd_bus_add_fallback_vtable(bus, nullptr, atspi::OBJECT_PREFIX, row.name, row.vtable,
                                           findObject, this);
    if (r >= 0)
        r = sd_bus_add_object_vtable(bus, nullptr, atspi::CACHE_PATH, atspi::CACHE_INTERFACE,
                                     CACHE_VTABLE, this);
    if (r >= 0)
        r = sd_bus_add_node_enumerator(bus, nullptr, atspi::OBJECT_PREFIX, listObjects, this);
    return r >= 0;
}

// The application is the root and has no place on the screen; every
// widget has one, and those that can be clicked have the click.
FXuint ObjectServer::interfacesOf(const AccessibleNode& node) {
    FXuint set = ACCESSIBLE;
    set |= node.widget ? COMPONENT : APPLICATION;
    if (roleIsClickable(node.role)) set |= ACTION;
    return set;
}

int ObjectServer::appendInterfaces(sd_bus_message* message, const AccessibleNode& node) {
    int r = sd_bus_message_open_container(message, 'a', "s");
    for (const Interface& row : INTERFACES)
        if (r >= 0 && (interfacesOf(node) & row.bit))
            r = sd_bus_message_append(message, "s", row.name);
    return r >= 0 ? sd_bus_message_close_container(message) : r;
}

const AccessibleNode* ObjectServer::nodeOf(const char* path, sd_bus_error* error) const {
    const AccessibleNode* node = widgets.find(path);
    if (!node) sd_bus_error_set(error, atspi::ERROR_UNKNOWN_OBJECT, "no such accessible object");
    return node;
}

FXint ObjectServer::indexOf(const AccessibleNode* node) const {
    return static_cast<FXint>(node - widgets.nodes().data());
}

int ObjectServer::appendReference(sd_bus_message* message, FXint index) const {
    if (index < 0 || index >= static_cast<FXint>(widgets.nodes().size()))
        return sd_bus_message_append(message, "(so)", connection.uniqueName(), atspi::NULL_PATH);
    return sd_bus_message_append(message, "(so)", connection.uniqueName(),
                                 widgets.pathOf(index).c_str());
}

int ObjectServer::appendDesktop(sd_bus_message* message) const {
    if (connection.state() != BusConnection::JOINED) return appendReference(message, -1);
    return sd_bus_message_append(message, "(so)", connection.desktopName().c_str(),
                                 connection.desktopPath().c_str());
}

void ObjectServer::requestClick(FXint index) {
    host.requestClick(widgets.nodes()[index].widget);
}

int refuse(sd_bus_error* error, const char* why) {
    return sd_bus_error_set(error, atspi::ERROR_INVALID_ARGS, why);
}
