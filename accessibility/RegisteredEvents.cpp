// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The registered event types, and which events they cover.
#include "RegisteredEvents.h"

#include <algorithm>
#include <cctype>

namespace {

// "Object:StateChanged:Focused" and "object:state-changed:focused" alike
// become the latter; a trailing colon goes.
std::string normalised(const std::string& type) {
    std::string out;
    bool segmentStart = true;
    for (const char c : type) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (std::isupper(u) && !segmentStart && out.back() != '-') out += '-';
        out += static_cast<char>(std::tolower(u));
        segmentStart = c == ':';
    }
    while (!out.empty() && out.back() == ':')
        out.pop_back();
    return out;
}

bool covers(const std::string& registered, const std::string& type) {
    if (registered.empty()) return true;
    if (type.compare(0, registered.size(), registered) != 0) return false;
    return type.size() == registered.size() || type[registered.size()] == ':';
}

} // namespace

void RegisteredEvents::forget() {
    listKnown = false;
    registrations.clear();
}

void RegisteredEvents::assign(const std::vector<std::pair<std::string, std::string>>& list) {
    registrations.clear();
    for (const auto& [listener, type] : list)
        registrations.emplace_back(listener, normalised(type));
    listKnown = true;
}

void RegisteredEvents::add(const std::string& listener, const std::string& type) {
    registrations.emplace_back(listener, normalised(type));
}

void RegisteredEvents::remove(const std::string& listener, const std::string& type) {
    const std::string key = normalised(type);
    if (type.empty()) {
        registrations.erase(std::remove_if(registrations.begin(), registrations.end(),
                                           [&](const auto& r) { return r.first == listener; }),
                            registrations.end());
        return;
    }
    auto it = std::find(registrations.begin(), registrations.end(), std::make_pair(listener, key));
    if (it != registrations.end()) registrations.erase(it);
}

bool RegisteredEvents::wants(const std::string& type) const {
    if (!listKnown) return true;
    for (const auto& r : registrations)
        if (covers(r.second, type)) return true;
    return false;
}
