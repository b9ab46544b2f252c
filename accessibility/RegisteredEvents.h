// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which events some listener wants: the registry keeps the list of every
// listener's event types ("object:state-changed:focused", "window:", "focus:")
// and tells each change, and only the events that one of them covers are
// sent. Pure: the registry's answers are handed in.
#pragma once

#include <string>
#include <utility>
#include <vector>

class RegisteredEvents {
public:
    // Until the registry has told its list, every event is wanted, as it is
    // from a registry that keeps no list.
    void forget();
    // The registry's whole list: (listener's bus name, event type) pairs.
    void assign(const std::vector<std::pair<std::string, std::string>>& list);
    void add(const std::string& listener, const std::string& type);
    // An empty type removes every registration of that listener, as the
    // registry says when a listener leaves the bus.
    void remove(const std::string& listener, const std::string& type);

    // Whether an event of this type ("object:property-change:accessible-name")
    // is wanted by some listener. A registered type covers itself and every
    // type it is the start of, up to a colon: "object:" and "object" cover
    // every object event. Names are compared as the registry's clients write
    // them in either form ("object:state-changed" or "Object:StateChanged").
    bool wants(const std::string& type) const;
    bool known() const { return listKnown; }

private:
    bool listKnown = false;
    std::vector<std::pair<std::string, std::string>> registrations; // listener, normalised type
};
