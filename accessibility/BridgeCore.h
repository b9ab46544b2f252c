// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bridge's parts, joined: the status watch says when to be on the
// accessibility bus, the connection gets there, the object server answers
// calls from the latest walk of the tree, the tree is walked again after
// the events that can change what a listener sees, its changes go out as
// signals, keys wait for the registry's word, and clicks are made for
// callers. It decides the accessible focus. Nothing it is sent changes the
// program but a click.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include "AccessibleNameTable.h"
#include "AccessibleTree.h"
#include "BusConnection.h"
#include "EventSignals.h"
#include "KeyQueue.h"
#include "ListenerWatch.h"
#include "ObjectServer.h"
#include "ObservedApp.h"
#include "StatusWatch.h"
#include "TreeDiff.h"
#include "WidgetClick.h"

class BridgeCore : public EventObserver, public BusConnection::Owner, public ObjectServer::Host {
public:
    BridgeCore(ObservedApp& app, const AccessibleNames& names);
    ~BridgeCore() override;
    BridgeCore(const BridgeCore&) = delete;
    BridgeCore& operator=(const BridgeCore&) = delete;

    bool beforeEvent(FX::FXRawEvent& event) override;
    void afterEvent(FX::FXRawEvent& event) override;
    bool connected(sd_bus* bus) override;
    void embedded() override;
    void registryChanged(bool present) override;
    void served() override;
    void requestClick(FX::FXWindow* widget) override;

private:
    enum Cause { CAUSE_OTHER, CAUSE_KEY, CAUSE_POINTER };
    void start();
    void settle();
    void leaveBus();
    void makeClick();
    void refresh(Cause cause);
    void hear(std::vector<TreeEvent>& events);
    std::string heardText(const std::vector<TreeEvent>& events) const;
    bool announcing() const;
    FX::FXint chooseFocus(Cause cause, bool valuesChanged);

    ObservedApp* app;
    AccessibleTree widgets;
    ListenerWatch listeners;
    KeyQueue keys;
    BusConnection connection;
    StatusWatch status;
    ObjectServer server;
    EventSignals signals;
    WidgetClick clicks;
    bool started = false;               // the window has been drawn once
    bool announce = false;              // just embedded: tell which window and widget are active
    unsigned lostAt = 0;                // the status's announcements when the bus was lost
    FX::FXWindow* clickAsked = nullptr; // by the call being served
    FX::FXWindow* lastToolkitFocus = nullptr;
    bool typing = false;     // the last key changed a shown value
    FX::FXuint buttonsHeld = 0; // the pointer's buttons down, one bit each
    bool focusByGrab = false;   // the last focus change came with a keyboard grab
    FX::FXint focus = -1;
};
