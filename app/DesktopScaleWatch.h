// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Following the desktop's font resolution while the program runs. The X
// server reports every change of the root window's resources, and of the
// settings manager's XSETTINGS, as an event; the watch looks at the value once
// the events have been handled and, when the resolution it gives is another,
// draws the window again at it. Nothing runs while nothing changes.
#pragma once

#include <fx.h>

#include "XSettings.h"

class AppWindow;

class DesktopScaleWatch : public FX::FXObject {
    FXDECLARE(DesktopScaleWatch)

public:
    enum { ID_CHANGED = 1, ID_LAST };

    explicit DesktopScaleWatch(AppWindow* window);
    ~DesktopScaleWatch() override;
    DesktopScaleWatch(const DesktopScaleWatch&) = delete;
    DesktopScaleWatch& operator=(const DesktopScaleWatch&) = delete;

    // Starts watching, for a window that exists and a registry whose screen
    // resolution is the desktop's to set; looks at the value once, in case it
    // changed since the window was built.
    void start();

    // Told of every window-system event the application dispatches.
    void notice(const FX::FXRawEvent& event);

    // Once the events are handled: the value read again, and followed.
    long onChanged(FX::FXObject*, FX::FXSelector, void*);

protected:
    DesktopScaleWatch() = default;

private:
    // Looks at the value once the event queue is empty: a desktop that writes
    // several times in a row gets one look, at the last value.
    void changed();
    // Finds the settings manager's window, and watches it.
    void followManager();

    AppWindow* window = nullptr;
    void* display = nullptr;          // Xlib's, once started
    unsigned long root = 0;           // the screen's root window
    XSettingsAtoms atoms;             // the XSETTINGS names
    unsigned long settingsWindow = 0; // the manager's window, 0 for none
};
