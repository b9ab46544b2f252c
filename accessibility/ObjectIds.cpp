// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Object numbers, and the object path scheme.
#include "ObjectIds.h"
#include "Protocol.h"

#include <cstring>
#include <limits>

using namespace FX;

std::string objectPath(FXuint id) {
    return id ? std::string(atspi::OBJECT_PREFIX) + "/" + std::to_string(id) : atspi::ROOT_PATH;
}

std::optional<FXuint> objectId(const char* path) {
    if (!path) return std::nullopt;
    if (std::strcmp(path, atspi::ROOT_PATH) == 0) return 0u;
    const std::size_t prefix = sizeof(atspi::OBJECT_PREFIX) - 1;
    if (std::strncmp(path, atspi::OBJECT_PREFIX, prefix) != 0 || path[prefix] != '/')
        return std::nullopt;
    const char* digits = path + prefix + 1;
    // Only the numbers objectPath writes: no sign, no leading zero, no blank,
    // nothing past 32 bits.
    if (*digits < '1' || *digits > '9') return std::nullopt;
    unsigned long long number = 0;
    for (const char* d = digits; *d; d++) {
        if (*d < '0' || *d > '9') return std::nullopt;
        number = number * 10 + static_cast<unsigned>(*d - '0');
        if (number > std::numeric_limits<FXuint>::max()) return std::nullopt;
    }
    return static_cast<FXuint>(number);
}

FXuint ObjectIds::idOf(const void* widget, unsigned long window) {
    auto found = ids.find({widget, window});
    if (found == ids.end()) {
        found = ids.emplace(std::make_pair(widget, window), Entry{next, false}).first;
        if (next < std::numeric_limits<FXuint>::max()) next++;
    }
    found->second.seen = true;
    return found->second.id;
}

void ObjectIds::forgetUnseen() {
    for (auto it = ids.begin(); it != ids.end();) {
        if (it->second.seen) {
            it->second.seen = false;
            ++it;
        } else {
            it = ids.erase(it);
        }
    }
}
