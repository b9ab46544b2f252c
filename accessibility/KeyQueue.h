// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Key presses and releases shown to the registry's device event controller
// before the window sees them, as toolkits do: a screen reader hears typed
// keys there and may keep one that is a command of its own, which then goes
// nowhere else. Nothing waits for the registry: a key is sent and held, and
// reaches the window when the registry has answered, or after a short limit
// without its answer. Every event that comes while keys are held waits
// behind them, so the window sees everything in the order it came. A registry that
// misses the limit gets no more keys to hold until it shows it is alive.
#pragma once

#include <X11/Xlib.h>
#include <fx.h>
#include <systemd/sd-bus.h>

#include <cstdint>
#include <deque>

#include "ObservedApp.h"

class KeyQueue : public FX::FXObject {
    FXDECLARE(KeyQueue)

public:
    enum { ID_LIMIT = 1, ID_LAST };

    explicit KeyQueue(ObservedApp* app);
    ~KeyQueue() override;
    KeyQueue(const KeyQueue&) = delete;
    KeyQueue& operator=(const KeyQueue&) = delete;

    // Takes an event before the window sees it, with the bus keys go
    // to (null while there is none) and whether some listener takes keys
    // from the registry: with none, keys go straight to the window. True
    // when the event is held.
    bool take(const FX::FXRawEvent& event, sd_bus* bus, bool listened);
    // Hands the window every held event the registry has answered for, in
    // order; to be called where a dispatched event may run a nested loop.
    void deliverAnswered();
    // Hands the window every held event now, as when the bus goes.
    void releaseAll();
    // A registry took its name: it is alive.
    void registryChanged();
    bool isStalled() const { return stalled; }

    long onLimit(FX::FXObject*, FX::FXSelector, void*);

protected:
    KeyQueue() = default;

private:
    struct Held {
        FX::FXRawEvent event;
        std::uint64_t cookie = 0; // of the call that asked the registry; 0 for none
        std::uint64_t sentUsec = 0;
        bool answered = false;
        bool consumed = false;
    };
    bool forward(const FX::FXRawEvent& event, sd_bus* bus, Held& held);
    void rearmLimit();
    static int onAnswer(sd_bus_message* reply, void* self, sd_bus_error*);

    ObservedApp* app = nullptr;
    std::deque<Held> held;
    bool stalled = false; // the registry missed the limit and has not answered since
    bool timing = false;
};
