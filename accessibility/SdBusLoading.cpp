// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// sd-bus, loaded only when there is a session bus to ask. Linked the usual
// way, libsystemd and the five libraries it needs would be mapped and
// relocated at every start, growing the program's start-up time and resident
// memory by a sixth even where nobody ever listens. So the program links
// these stand-ins for the sd-bus functions the bridge calls instead; each
// calls the library's own once loadSdBus has loaded it, and fails as sd-bus
// fails when it could not.
#include "SdBusLoading.h"

#include <dlfcn.h>
#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstdarg>

// Each function: result, name, parameters, arguments, result without the library.
#define SD_BUS_FUNCTIONS(X)                                                                        \
    X(int, sd_bus_open_user, (sd_bus * *bus), (bus), -ENOSYS)                                      \
    X(int, sd_bus_new, (sd_bus * *bus), (bus), -ENOSYS)                                            \
    X(int, sd_bus_set_address, (sd_bus * bus, const char* address), (bus, address), -ENOSYS)       \
    X(int, sd_bus_set_bus_client, (sd_bus * bus, int b), (bus, b), -ENOSYS)                        \
    X(int, sd_bus_start, (sd_bus * bus), (bus), -ENOSYS)                                           \
    X(void, sd_bus_close, (sd_bus * bus), (bus), )                                                 \
    X(sd_bus*, sd_bus_unref, (sd_bus * bus), (bus), nullptr)                                       \
    X(int, sd_bus_is_open, (sd_bus * bus), (bus), -ENOSYS)                                         \
    X(int, sd_bus_is_ready, (sd_bus * bus), (bus), -ENOSYS)                                        \
    X(int, sd_bus_get_fd, (sd_bus * bus), (bus), -ENOSYS)                                          \
    X(int, sd_bus_get_events, (sd_bus * bus), (bus), -ENOSYS)                                      \
    X(int, sd_bus_get_timeout, (sd_bus * bus, uint64_t * usec), (bus, usec), -ENOSYS)              \
    X(int, sd_bus_process, (sd_bus * bus, sd_bus_message * *r), (bus, r), -ENOSYS)                 \
    X(int, sd_bus_get_unique_name, (sd_bus * bus, const char** name), (bus, name), -ENOSYS)        \
    X(int, sd_bus_send, (sd_bus * bus, sd_bus_message * m, uint64_t * cookie), (bus, m, cookie),   \
      -ENOSYS)                                                                                     \
    X(int, sd_bus_call_async,                                                                      \
      (sd_bus * bus, sd_bus_slot * *slot, sd_bus_message * m, sd_bus_message_handler_t callback,   \
       void* userdata, uint64_t usec),                                                             \
      (bus, slot, m, callback, userdata, usec), -ENOSYS)                                           \
    X(int, sd_bus_add_match_async,                                                                 \
      (sd_bus * bus, sd_bus_slot * *slot, const char* match, sd_bus_message_handler_t callback,    \
       sd_bus_message_handler_t install, void* userdata),                                          \
      (bus, slot, match, callback, install, userdata), -ENOSYS)                                    \
    X(int, sd_bus_add_object_vtable,                                                               \
      (sd_bus * bus, sd_bus_slot * *slot, const char* path, const char* interface,                 \
       const sd_bus_vtable* vtable, void* userdata),                                               \
      (bus, slot, path, interface, vtable, userdata), -ENOSYS)                                     \
    X(int, sd_bus_add_fallback_vtable,                                                             \
      (sd_bus * bus, sd_bus_slot * *slot, const char* prefix, const char* interface,               \
       const sd_bus_vtable* vtable, sd_bus_object_find_t find, void* userdata),                    \
      (bus, slot, prefix, interface, vtable, find, userdata), -ENOSYS)                             \
    X(int, sd_bus_add_node_enumerator,                                                             \
      (sd_bus * bus, sd_bus_slot * *slot, const char* path, sd_bus_node_enumerator_t callback,     \
       void* userdata),                                                                            \
      (bus, slot, path, callback, userdata), -ENOSYS)                                              \
    X(sd_bus_slot*, sd_bus_slot_unref, (sd_bus_slot * slot), (slot), nullptr)                      \
    X(int, sd_bus_message_new_method_call,                                                         \
      (sd_bus * bus, sd_bus_message * *m, const char* destination, const char* path,               \
       const char* interface, const char* member),                                                 \
      (bus, m, destination, path, interface, member), -ENOSYS)                                     \
    X(int, sd_bus_message_new_method_return, (sd_bus_message * call, sd_bus_message * *m),         \
      (call, m), -ENOSYS)                                                                          \
    X(int, sd_bus_message_new_signal,                                                              \
      (sd_bus * bus, sd_bus_message * *m, const char* path, const char* interface,                 \
       const char* member),                                                                        \
      (bus, m, path, interface, member), -ENOSYS)                                                  \
    X(sd_bus_message*, sd_bus_message_unref, (sd_bus_message * m), (m), nullptr)                   \
    X(const char*, sd_bus_message_get_path, (sd_bus_message * m), (m), nullptr)                    \
    X(const char*, sd_bus_message_get_sender, (sd_bus_message * m), (m), nullptr)                  \
    X(const char*, sd_bus_message_get_member, (sd_bus_message * m), (m), nullptr)                  \
    X(int, sd_bus_message_get_cookie, (sd_bus_message * m, uint64_t * cookie), (m, cookie),        \
      -ENOSYS)                                                                                     \
    X(int, sd_bus_message_get_reply_cookie, (sd_bus_message * m, uint64_t * cookie), (m, cookie),  \
      -ENOSYS)                                                                                     \
    X(int, sd_bus_message_peek_type, (sd_bus_message * m, char* type, const char** contents),      \
      (m, type, contents), -ENOSYS)                                                                \
    X(int, sd_bus_message_is_method_error, (sd_bus_message * m, const char* name), (m, name),      \
      -ENOSYS)                                                                                     \
    X(int, sd_bus_message_set_auto_start, (sd_bus_message * m, int b), (m, b), -ENOSYS)            \
    X(int, sd_bus_message_appendv, (sd_bus_message * m, const char* types, va_list ap),            \
      (m, types, ap), -ENOSYS)                                                                     \
    X(int, sd_bus_message_readv, (sd_bus_message * m, const char* types, va_list ap),              \
      (m, types, ap), -ENOSYS)                                                                     \
    X(int, sd_bus_reply_method_returnv, (sd_bus_message * call, const char* types, va_list ap),    \
      (call, types, ap), -ENOSYS)                                                                  \
    X(int, sd_bus_message_open_container, (sd_bus_message * m, char type, const char* contents),   \
      (m, type, contents), -ENOSYS)                                                                \
    X(int, sd_bus_message_close_container, (sd_bus_message * m), (m), -ENOSYS)                     \
    X(int, sd_bus_message_enter_container, (sd_bus_message * m, char type, const char* contents),  \
      (m, type, contents), -ENOSYS)                                                                \
    X(int, sd_bus_message_exit_container, (sd_bus_message * m), (m), -ENOSYS)                      \
    X(int, sd_bus_message_skip, (sd_bus_message * m, const char* types), (m, types), -ENOSYS)      \
    X(int, sd_bus_error_set, (sd_bus_error * e, const char* name, const char* message),            \
      (e, name, message), -ENOSYS)

namespace {

// The library's functions, once loaded; all null until then.
struct SdBus {
#define MEMBER(result, name, params, args, fallback) result(*name) params = nullptr;
    SD_BUS_FUNCTIONS(MEMBER)
#undef MEMBER
};

SdBus loaded;

} // namespace

bool loadSdBus() {
    if (loaded.sd_bus_open_user) return true;
    void* library = dlopen("libsystemd.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!library) return false;
    SdBus found;
    bool complete = true;
#define RESOLVE(result, name, params, args, fallback)                                              \
    found.name = reinterpret_cast<result(*) params>(dlsym(library, #name));                        \
    complete = complete && found.name;
    SD_BUS_FUNCTIONS(RESOLVE)
#undef RESOLVE
    if (!complete) {
        dlclose(library);
        return false;
    }
    // Kept loaded for the rest of the program: its connections live as long.
    loaded = found;
    return true;
}

extern "C" {

// The vtables' start points here only so that a program made for this
// vtable format cannot link with an older library; its value is not read.
const unsigned sd_bus_object_vtable_format = 242;

#define FORWARD(result, name, params, args, fallback)                                              \
    result name params {                                                                           \
        if (!loaded.name) return fallback;                                                         \
        return loaded.name args;                                                                   \
    }
SD_BUS_FUNCTIONS(FORWARD)
#undef FORWARD

// The variadic functions, each through the library's va_list form.
#define VARIADIC(name, vname)                                                                      \
    int name(sd_bus_message* m, const char* types, ...) {                                          \
        va_list ap;                                                                                \
        va_start(ap, types);                                                                       \
        const int r = vname(m, types, ap);                                                         \
        va_end(ap);                                                                                \
        return r;                                                                                  \
    }
VARIADIC(sd_bus_message_append, sd_bus_message_appendv)
VARIADIC(sd_bus_message_read, sd_bus_message_readv)
VARIADIC(sd_bus_reply_method_return, sd_bus_reply_method_returnv)
#undef VARIADIC

} // extern "C"
