// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Serves one D-Bus connection from the toolkit's loop: its socket is watched
// for reading, and for writing only while output waits; a timer runs only
// while a reply is awaited with a time limit. Nothing wakes the program
// otherwise.
#pragma once

#include <fx.h>
#include <systemd/sd-bus.h>

#include <functional>

class BusPump : public FX::FXObject {
    FXDECLARE(BusPump)

public:
    enum { ID_READY = 1, ID_TIMEOUT, ID_LAST };

    // serve is called when the connection has something to do; it processes
    // the connection's messages.
    BusPump(FX::FXApp* app, std::function<void()> serve);
    ~BusPump() override;
    BusPump(const BusPump&) = delete;
    BusPump& operator=(const BusPump&) = delete;

    void attach(sd_bus* bus);
    void detach();
    sd_bus* bus() const { return connection; }
    // Watches what the connection waits for now; called after every use of it.
    void rearm();
    // While paused nothing is read: messages wait in the socket until resume.
    void pause();
    void resume();
    bool isPaused() const { return paused; }

    long onReady(FX::FXObject*, FX::FXSelector, void*);

protected:
    BusPump() = default;

private:
    void unwatch();

    FX::FXApp* app = nullptr;
    std::function<void()> serve;
    sd_bus* connection = nullptr;
    FX::FXInputHandle watched = -1;
    FX::FXuint watchedMode = 0;
    bool timing = false;
    bool paused = false;
};
