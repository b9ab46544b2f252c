// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// org.a11y.atspi.Application, on the root object: the toolkit and its
// version, the protocol version, and the number the registry may give it.
#include "Interfaces.h"

#include <clocale>
#include <string>

using namespace FX;

namespace {

int getToolkitName(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
                   sd_bus_error*) {
    return sd_bus_message_append(reply, "s", "FOX");
}

int getVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
               sd_bus_error*) {
    const std::string version = std::to_string(fxversion[0]) + "." + std::to_string(fxversion[1]) +
                                "." + std::to_string(fxversion[2]);
    return sd_bus_message_append(reply, "s", version.c_str());
}

int getAtspiVersion(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void*,
                    sd_bus_error*) {
    return sd_bus_message_append(reply, "s", "2.1");
}

int getId(sd_bus*, const char*, const char*, const char*, sd_bus_message* reply, void* userdata,
          sd_bus_error*) {
    return sd_bus_message_append(reply, "i", serverOf(userdata).applicationId);
}

// The number is the registry's bookkeeping; the program does nothing with it.
int setId(sd_bus*, const char*, const char*, const char*, sd_bus_message* value, void* userdata,
          sd_bus_error*) {
    FXint id = 0;
    const int r = sd_bus_message_read(value, "i", &id);
    if (r < 0) return r;
    serverOf(userdata).applicationId = id;
    return 1;
}

// The locale categories in the protocol's order.
const int LOCALE_CATEGORIES[] = {LC_MESSAGES, LC_COLLATE, LC_CTYPE,
                                 LC_MONETARY, LC_NUMERIC, LC_TIME};

int getLocale(sd_bus_message* call, void*, sd_bus_error* error) {
    FXuint category = 0;
    const int r = sd_bus_message_read(call, "u", &category);
    if (r < 0) return r;
    if (category >= ARRAYNUMBER(LOCALE_CATEGORIES)) return refuse(error, "unknown locale type");
    const char* locale = std::setlocale(LOCALE_CATEGORIES[category], nullptr);
    return sd_bus_reply_method_return(call, "s", locale ? locale : "C");
}

} // namespace

const sd_bus_vtable APPLICATION_VTABLE[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("ToolkitName", "s", getToolkitName, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Version", "s", getVersion, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("AtspiVersion", "s", getAtspiVersion, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_WRITABLE_PROPERTY("Id", "i", getId, setId, 0, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetLocale", "u", "s", getLocale, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};
