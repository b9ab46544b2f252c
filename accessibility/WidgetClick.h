// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A click of the mouse made for a caller on the bus. It is a click in full:
// what a widget does with a click that needs the window system's time, such
// as taking the clipboard from another program or reading the selection,
// needs a time no older than the other program's. A made-up press carries
// none, so the window system is first asked for its time (a property change
// on the widget's window, whose notice carries it); the click is made once
// the notice has been dispatched and the toolkit has taken its time.
#pragma once

#include <fx.h>

class WidgetClick {
public:
    explicit WidgetClick(FX::FXApp* app) : app(app) {}

    // Asks for the time for a click on the widget, replacing a click asked
    // for before; true while it waits. A widget whose window cannot be asked
    // is clicked at once.
    bool request(FX::FXWindow* widget);
    bool pending() const { return target != nullptr; }
    // Called after each event is dispatched: the widget to click now, when
    // the event is the notice with the time. A click whose widget has gone
    // is dropped; either way the click is no longer pending.
    FX::FXWindow* due(const FX::FXRawEvent& event);
    // Drops the click asked for.
    void cancel() { target = nullptr; }
    void click(FX::FXWindow* widget);

private:
    bool exists(const FX::FXWindow* widget) const;

    FX::FXApp* app;
    FX::FXWindow* target = nullptr;
    FX::FXID stampWindow = 0;
    unsigned long stampAtom = 0;
};
