// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The tree's typed events as the protocol's signals, sent only when some
// listener registered for their type. Listeners keep copies of names and
// states and count on these signals to keep them right.
#pragma once

#include <systemd/sd-bus.h>

#include <string>
#include <vector>

#include "BusConnection.h"
#include "BusMessages.h"
#include "RegisteredEvents.h"
#include "TreeDiff.h"

class EventSignals {
public:
    EventSignals(const BusConnection& connection, const RegisteredEvents& wanted);

    void send(const std::vector<TreeEvent>& events);
    // A listener that arrived after the window opened learns which window is
    // active and what has the focus, as if the window had just been activated.
    void announce(FX::FXuint window, FX::FXuint focus);

private:
    struct Signal {
        const char* interface;
        const char* member;
        const char* type; // the type listeners register for
        std::string detail;
        FX::FXint detail1 = 0;
        FX::FXint detail2 = 0;
    };
    void emit(FX::FXuint source, const Signal& signal, const MessageFill& value = nullptr);
    void stateChanged(FX::FXuint source, FX::FXuint state, bool on);
    void windowEvent(FX::FXuint source, const char* member, const char* type);

    const BusConnection& connection;
    const RegisteredEvents& wanted;
};
