// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the accessibility bridge meets the toolkit's event loop: an
// application that tells an observer about each window-system event it
// dispatches, and a pump that serves one D-Bus connection from the loop.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

// Told about every window-system event, before and after it is dispatched.
class EventObserver {
public:
    virtual ~EventObserver() = default;
    // True when the event is to go nowhere.
    virtual bool beforeEvent(FX::FXRawEvent& event) = 0;
    virtual void afterEvent(FX::FXRawEvent& event) = 0;
};

// The toolkit's application, with an observer of its events, nested loops
// (modal dialogs) included. With no observer it is the toolkit's own.
class ObservedApp : public FX::FXApp {
public:
    ObservedApp(const FX::FXString& name, const FX::FXString& vendor) : FXApp(name, vendor) {}
    ObservedApp(const ObservedApp&) = delete;
    ObservedApp& operator=(const ObservedApp&) = delete;

    void setObserver(EventObserver* o) { observer = o; }
    bool dispatchEvent(FX::FXRawEvent& event) override;

private:
    EventObserver* observer = nullptr;
};

// Serves one D-Bus connection from the toolkit's loop: its socket is watched
// for reading, and for writing only while output waits; a timer runs only
// while a reply is awaited. Nothing wakes the program otherwise.
class BusPump : public FX::FXObject {
    FXDECLARE(BusPump)

public:
    // Called when the connection has something to do; it processes messages.
    class Client {
    public:
        virtual ~Client() = default;
        virtual void serve(BusPump& pump) = 0;
    };

    enum { ID_READY = 1, ID_TIMEOUT, ID_LAST };

    BusPump(FX::FXApp* app, Client* client);
    ~BusPump() override;
    BusPump(const BusPump&) = delete;
    BusPump& operator=(const BusPump&) = delete;

    void attach(sd_bus* bus);
    void detach();
    sd_bus* bus() const { return connection; }
    // Watches what the connection waits for now; called after every use of it.
    void rearm();

    long onReady(FX::FXObject*, FX::FXSelector, void*);

protected:
    BusPump() = default;

private:
    FX::FXApp* app = nullptr;
    Client* client = nullptr;
    sd_bus* connection = nullptr;
    FX::FXInputHandle watched = -1;
    FX::FXuint watchedMode = 0;
    bool timing = false;
};
