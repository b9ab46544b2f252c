// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a whole: its class record, the routing of messages it does not
// handle, quitting through the event loop and the About box.
#include "WindowHarness.h"

using namespace FX;

namespace {

// Every descendant of a window that is an instance of the class.
void collect(FXWindow* parent, const FXMetaClass* kind, std::vector<FXWindow*>& found) {
    for (FXWindow* child = parent->getFirst(); child; child = child->getNext()) {
        if (child->isMemberOf(kind)) found.push_back(child);
        collect(child, kind, found);
    }
}

using WindowShell = WindowTest;

TEST_F(WindowShell, ClassRecordNamesTheWindowOnTopOfTheMainWindow) {
    EXPECT_STREQ(window->getClassName(), "AppWindow");
    EXPECT_EQ(AppWindow::metaClass.getBaseClass(), &FXMainWindow::metaClass);

    EXPECT_EQ(FXMetaClass::getMetaClassFromName("AppWindow"), &AppWindow::metaClass);
}

TEST_F(WindowShell, CommandsOutsideTheWindowsRangesReachTheBaseClass) {
    FXString title("Renamed");
    EXPECT_EQ(window->handle(nullptr, FXSEL(SEL_COMMAND, FXWindow::ID_SETSTRINGVALUE), &title), 1);
    EXPECT_EQ(window->getTitle(), "Renamed");
}

TEST_F(WindowShell, QuitEndsTheEventLoopWithZero) {
    const FXSelector quits[] = {
        FXSEL(SEL_COMMAND, AppWindow::ID_QUIT),
        FXSEL(SEL_SIGNAL, AppWindow::ID_QUIT),
        FXSEL(SEL_CLOSE, AppWindow::ID_CLOSE_WINDOW),
        FXSEL(SEL_CLOSE, 0), // the window manager's close
    };
    for (FXSelector quit : quits) {
        Deferred send([&] { window->handle(nullptr, quit, nullptr); });
        testApplication().addChore(&send, 0);
        EXPECT_EQ(testApplication().run(), 0);
    }

    // The "Exit" button carries the quit message itself.
    Deferred exitButton([&] { click({"Exit"}); });
    testApplication().addChore(&exitButton, 0);
    EXPECT_EQ(testApplication().run(), 0);
}

TEST_F(WindowShell, AboutBoxIsCentredOnTheWindowWithOneButtonAndTheBigIcon) {
    click({"5", "+", "2"});
    bool opened = false;
    Deferred inspect([&] {
        FXWindow* box = testApplication().getModalWindow();
        ASSERT_NE(box, nullptr);
        opened = true;
        ASSERT_TRUE(box->isMemberOf(FXMETACLASS(FXMessageBox)));
        EXPECT_EQ(static_cast<FXTopWindow*>(box)->getTitle(), "About Vyx Calculator");

        std::vector<FXWindow*> buttons, labels;
        collect(box, FXMETACLASS(FXButton), buttons);
        collect(box, FXMETACLASS(FXLabel), labels);
        EXPECT_EQ(buttons.size(), 1u);
        bool iconShown = false, textShown = false;
        for (FXWindow* label : labels) {
            iconShown |= static_cast<FXLabel*>(label)->getIcon() == window->bigIcon;
            const FXString text = static_cast<FXLabel*>(label)->getText();
            if (text.left(21) == "Vyx Calculator v 1.0\n") {
                textShown = true;
                EXPECT_EQ(text.contains('\n'), 7);
                EXPECT_NE(text.find("\n\nA simple calculator designed for programmers.\n\n"), -1);
                EXPECT_NE(text.find("\nIt has been developped with the FOX toolkit\n("), -1);
                EXPECT_EQ(text.right(2), ").");
            }
        }
        EXPECT_TRUE(iconShown);
        EXPECT_TRUE(textShown);

        const FXint boxCentre = box->getX() + box->getWidth() / 2;
        const FXint windowCentre = window->getX() + window->getWidth() / 2;
        EXPECT_LE(abs(boxCentre - windowCentre), 1);
        testApplication().stopModal(box, 0);
    });
    testApplication().addChore(&inspect, 0);
    EXPECT_EQ(press(AppWindow::ID_ABOUT), 1);
    EXPECT_TRUE(opened);

    // The calculation goes on as if nothing happened.
    click({"="});
    EXPECT_EQ(shown(BASE_DECIMAL), "7");
}

} // namespace
