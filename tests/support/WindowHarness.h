// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drives a real calculator window inside the test process: one application on
// the test display, a fresh window per test, and messages sent as the buttons
// send them.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AppWindow.h"

// The application shared by every test of the process, created on first use.
FX::FXApp& testApplication();

// Runs an action when it gets any message: as a chore, once the event loop
// is idle; as an accelerator's target, when the accelerator fires.
class Deferred : public FX::FXObject {
public:
    explicit Deferred(std::function<void()> action) : action(std::move(action)) {}
    long handle(FX::FXObject*, FX::FXSelector, void*) override {
        action();
        return 1;
    }

private:
    std::function<void()> action;
};

// The window with its fields opened to the tests.
class TestWindow : public AppWindow {
public:
    using AppWindow::angleButton;
    using AppWindow::AppWindow;
    using AppWindow::bigIcon;
    using AppWindow::clipText;
    using AppWindow::clipType;
    using AppWindow::displayFont;
    using AppWindow::displays;
    using AppWindow::engine;
    using AppWindow::memoryButtons;
    using AppWindow::normalFont;
    using AppWindow::smallIcon;
    using AppWindow::toolTip;
};

// A user's session from a cleared value: the buttons clicked, in order, and
// what the decimal display shows afterwards.
struct Session {
    std::vector<const char*> keys;
    const char* decimal;
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sends SEL_COMMAND with the identifier, as a button of the window would.
    long press(FX::FXSelector id);

    // Clicks the pad buttons with these labels, in order, through the message
    // each button carries to its target.
    void click(const std::vector<const char*>& labels);

    // Plays each session after "AC" and checks the decimal display.
    void expectSessions(const std::vector<Session>& sessions);

    // The one pad button with this label; fails the test when there is none.
    FX::FXButton* button(const char* label);

    // What a click on a display does: the radio button checks itself, then
    // tells the window.
    void clickDisplay(FX::FXint base);

    // The text of the display of this base code.
    std::string shown(FX::FXint base) const;

    // The three display texts as one line: binary | hex | decimal.
    std::string allShown() const;

    // Overwrites every display label, so a test sees whether a command
    // rewrote them.
    void markDisplays();

    // How many displays carry a check mark.
    int checkedDisplays() const;

    // The widget's pixels as the window system shows them, row by row, once
    // its top window is on screen and has painted everything asked of it.
    static std::vector<FX::FXColor> shownPixels(FX::FXWindow* widget);

    TestWindow* window = nullptr;
};

// The texts of the three displays after a command that leaves them alone.
extern const char* const UNTOUCHED;
