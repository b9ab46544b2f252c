// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility bridge: shows the program's windows to screen readers and
// other assistive programs over the accessibility bus, while the desktop says
// that one is wanted, and lets them click its buttons.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include <string>
#include <vector>

#include "AccessibleNameTable.h"
#include "AccessibleTree.h"
#include "EventLoopJoin.h"

class AccessibilityBridge : public EventObserver, public BusPump::Client {
public:
    // Once the window is first drawn, starts watching the session bus for the
    // desktop's accessibility status, without waiting for any answer; with no
    // session bus it does nothing.
    AccessibilityBridge(ObservedApp& app, const AccessibleNames& names);
    ~AccessibilityBridge() override;
    AccessibilityBridge(const AccessibilityBridge&) = delete;
    AccessibilityBridge& operator=(const AccessibilityBridge&) = delete;

    bool beforeEvent(FX::FXRawEvent& event) override;
    void afterEvent(FX::FXRawEvent& event) override;
    void serve(BusPump& pump) override;

    // For the protocol interfaces, while they answer a call.
    FX::FXApp* application() const { return app; }
    const AccessibleTree& tree() const { return widgets; }
    // Appends the object reference (bus name, path) of a node; -1 is the null
    // reference.
    int appendReference(sd_bus_message* message, FX::FXint index) const;
    int appendDesktop(sd_bus_message* message) const;
    // Clicks the widget of a node once the call is answered: the rest of the
    // queue waits until the click has been handled.
    void requestClick(FX::FXint index);
    FX::FXint applicationId = 0; // the registry may give the application a number

private:
    // Session bus: whether assistive programs are wanted, and where their bus is.
    void start();
    void watchSession();
    void askStatus();
    void askAddress();
    static int onStatus(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int onStatusChanged(sd_bus_message* signal, void* self, sd_bus_error* error);
    static int onAddress(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int onBusOwner(sd_bus_message* signal, void* self, sd_bus_error* error);

    // The accessibility bus: joining it, and leaving it again.
    void join(const std::string& address);
    void leave();
    void embed();
    static int onEmbedded(sd_bus_message* reply, void* self, sd_bus_error* error);
    static int onRegistryOwner(sd_bus_message* signal, void* self, sd_bus_error* error);
    // What follows a round of processing: joining, leaving, clicking.
    void settle();
    void runClick();
    void click(FX::FXWindow* widget);

    // Walks the widgets again and signals what changed since the last walk.
    enum Cause { CAUSE_OTHER, CAUSE_KEY, CAUSE_POINTER };
    void refresh(Cause cause);
    FX::FXint chooseFocus(Cause cause, bool valuesChanged);
    void signalChanges(const std::vector<AccessibleNode>& before);
    void announceWindow();
    void emit(const std::string& path, const char* interface, const char* member,
              const char* detail, FX::FXint detail1, FX::FXint detail2, char type,
              const void* value);
    bool forwardKey(const FX::FXRawEvent& event);

    ObservedApp* app;
    AccessibleTree widgets;
    std::vector<AccessibleNode> shown; // the walk the bus was last told about
    BusPump sessionPump;
    BusPump accessibilityPump;
    bool started = false; // the window has been drawn once
    bool wanted = false;  // the desktop says assistive programs are on
    bool addressAsked = false;
    bool lost = false; // the accessibility bus went away
    bool embedAsked = false;
    bool embedded = false;    // the registry has put the application on its desktop
    bool announce = false;    // just embedded: tell which window and widget are active
    bool keysStalled = false; // the registry did not answer a key in time
    std::string desktopName;  // the registry's desktop, once embedded
    std::string desktopPath;
    std::string pendingAddress;
    FX::FXWindow* clickTarget = nullptr;
    FX::FXWindow* lastToolkitFocus = nullptr;
    bool typing = false; // the last key changed a shown value
    FX::FXint focus = -1;
};
