// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the registry's listeners want: the event types they registered for,
// and whether any takes keys from its device event controller. Both are
// asked of the registry when joining and whenever it or its listeners change.
#pragma once

#include <systemd/sd-bus.h>

#include "BusMessages.h"
#include "RegisteredEvents.h"

class ListenerWatch {
public:
    // Watches a new connection's registry; what was known of another goes.
    bool attach(sd_bus* bus);
    // A registry took its name, or left it: its lists are asked again.
    void registryChanged();

    const RegisteredEvents& events() const { return registered; }
    bool wantsKeys() const { return keyListeners; }

private:
    void askEvents();
    void askKeyListeners();
    static int onEvents(sd_bus_message* reply, void* self, sd_bus_error*);
    static int onEventListener(sd_bus_message* signal, void* self, sd_bus_error*);
    static int onKeyListeners(sd_bus_message* reply, void* self, sd_bus_error*);
    static int onKeyListenerChanged(sd_bus_message* signal, void* self, sd_bus_error*);

    sd_bus* bus = nullptr;
    RegisteredEvents registered;
    RepeatedQuestion eventsQuestion, keysQuestion;
    bool keyListeners = false;
};
