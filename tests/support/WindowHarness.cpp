// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The in-process window harness and the test program's entry: the application
// is created once, after the test list is known, so listing needs no display.
#include "WindowHarness.h"

using namespace FX;

const char* const UNTOUCHED = "untouched";

namespace {

FXApp* application = nullptr;

class ApplicationEnvironment : public ::testing::Environment {
public:
    void TearDown() override {
        delete application;
        application = nullptr;
    }
};

// Every pad button under a window, searched depth first.
FXButton* findButton(FXWindow* parent, const FXString& label, int& found) {
    FXButton* match = nullptr;
    for (FXWindow* child = parent->getFirst(); child; child = child->getNext()) {
        if (child->isMemberOf(FXMETACLASS(FXButton)) &&
            static_cast<FXButton*>(child)->getText() == label) {
            match = static_cast<FXButton*>(child);
            found++;
        }
        if (FXButton* inner = findButton(child, label, found)) match = inner;
    }
    return match;
}

} // namespace

FXApp& testApplication() {
    if (!application) {
        static char name[] = "vyx-tests";
        static char* argv[] = {name, nullptr};
        int argc = 1;
        application = new FXApp("Calculator", "Vyx");
        application->init(argc, argv, true);
    }
    return *application;
}

void WindowTest::SetUp() {
    window = new TestWindow(&testApplication());
    // The application creates its root tree only once; later windows are
    // created on their own, as a window opened while the program runs would be.
    testApplication().create();
    window->create();
    window->toolTip->create();
}

void WindowTest::TearDown() {
    delete window;
}

long WindowTest::press(FXSelector id) {
    return window->handle(nullptr, FXSEL(SEL_COMMAND, id), nullptr);
}

FXButton* WindowTest::button(const char* label) {
    int found = 0;
    FXButton* match = findButton(window, label, found);
    EXPECT_EQ(found, 1) << "buttons labelled \"" << label << "\"";
    return match;
}

void WindowTest::click(const std::vector<const char*>& labels) {
    for (const char* label : labels) {
        FXButton* pressed = button(label);
        if (!pressed) return;
        pressed->getTarget()->handle(pressed, FXSEL(SEL_COMMAND, pressed->getSelector()),
                                     reinterpret_cast<void*>(1));
    }
}

void WindowTest::expectSessions(const std::vector<Session>& sessions) {
    for (const Session& session : sessions) {
        click({"AC"});
        click(session.keys);
        std::string keys;
        for (const char* key : session.keys)
            keys += std::string(" ") + key;
        EXPECT_EQ(shown(BASE_DECIMAL), session.decimal) << "after" << keys;
    }
}

void WindowTest::clickDisplay(FXint base) {
    window->displays[base]->setCheck(TRUE);
    press(AppWindow::ID_BINARY + base);
}

std::string WindowTest::shown(FXint base) const {
    return window->displays[base]->getText().text();
}

std::string WindowTest::allShown() const {
    return shown(BASE_BINARY) + " | " + shown(BASE_HEXADECIMAL) + " | " + shown(BASE_DECIMAL);
}

void WindowTest::markDisplays() {
    for (FXRadioButton* display : window->displays)
        display->setText(UNTOUCHED);
}

int WindowTest::checkedDisplays() const {
    int checked = 0;
    for (FXRadioButton* display : window->displays)
        checked += display->getCheck() ? 1 : 0;
    return checked;
}

std::vector<FXColor> WindowTest::shownPixels(FXWindow* widget) {
    FXApp& application = testApplication();
    widget->getShell()->show();
    // Once the server has mapped the window its exposures are queued here;
    // painting them and syncing again puts every pixel on screen.
    application.flush(true);
    application.runWhileEvents();
    application.repaint();
    application.flush(true);
    FXImage image(&application, nullptr, IMAGE_KEEP, widget->getWidth(), widget->getHeight());
    image.create();
    {
        FXDCWindow dc(&image);
        dc.drawArea(widget, 0, 0, widget->getWidth(), widget->getHeight(), 0, 0);
    }
    image.restore();
    const FXColor* data = image.getData();
    return std::vector<FXColor>(data, data + widget->getWidth() * widget->getHeight());
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);
    return RUN_ALL_TESTS();
}
