// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's application, with an observer of the window-system events it
// dispatches, nested loops (modal dialogs) included. With no observer it is
// the toolkit's own.
#pragma once

#include <fx.h>

// Told about every window-system event, before and after it is dispatched.
class EventObserver {
public:
    virtual ~EventObserver() = default;
    // True when the event is not to be dispatched now: it is dropped, or the
    // observer hands it to deliver() later.
    virtual bool beforeEvent(FX::FXRawEvent& event) = 0;
    virtual void afterEvent(FX::FXRawEvent& event) = 0;
};

class ObservedApp : public FX::FXApp {
public:
    ObservedApp(const FX::FXString& name, const FX::FXString& vendor) : FXApp(name, vendor) {}
    ObservedApp(const ObservedApp&) = delete;
    ObservedApp& operator=(const ObservedApp&) = delete;

    void setObserver(EventObserver* o) { observer = o; }
    bool dispatchEvent(FX::FXRawEvent& event) override;
    // Dispatches an event that the observer held back, as the toolkit would
    // have, then tells the observer it was.
    void deliver(FX::FXRawEvent& event);

private:
    EventObserver* observer = nullptr;
};
