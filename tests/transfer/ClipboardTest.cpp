// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copy to the clipboard and paste from it, checked through the toolkit's own
// transfer calls: the window asks the clipboard it holds itself.
#include "WindowHarness.h"

#include <X11/Xlib.h>

using namespace FX;

namespace {

class Clipboard : public WindowTest {
protected:
    // What a program asking for the clipboard receives, every byte of it.
    std::string clipboard(FXDragType type = 0) {
        FXuchar* data = nullptr;
        FXuint size = 0;
        if (!window->getDNDData(FROM_CLIPBOARD, type ? type : window->clipType, data, size))
            return "(none)";
        std::string received(reinterpret_cast<const char*>(data), size);
        fxfree(reinterpret_cast<void**>(&data));
        return received;
    }
};

TEST_F(Clipboard, CopyOffersExactlyTheDisplaysTextUnderEveryTextTypeAndNothingElse) {
    click({"5"});
    press(AppWindow::ID_COPY_BIN);
    EXPECT_EQ(clipboard(), "0000 0000 0000 0000 0000 0000 0000 0101");

    click({"AC", "1", "+/-"});
    press(AppWindow::ID_COPY_HEX);
    EXPECT_EQ(clipboard(), "0xFFFFFFFF");

    click({"AC", "2", ".", "5"});
    press(AppWindow::ID_COPY_DEC);
    EXPECT_EQ(clipboard(), "2.5");

    click({"AC", "4", "2"});
    press(AppWindow::ID_COPY_DEC);
    FXApp& app = testApplication();
    for (const char* type :
         {"UTF8_STRING", "STRING", "TEXT", "text/plain;charset=utf-8", "text/plain"})
        EXPECT_EQ(clipboard(app.registerDragType(type)), "42") << type;
    EXPECT_EQ(clipboard(app.registerDragType("image/png")), "(none)") << "a type never offered";
}

TEST_F(Clipboard, CopyIsASnapshotAndTouchesNothingElse) {
    click({"4", "2"});
    markDisplays();
    EXPECT_EQ(press(AppWindow::ID_COPY_DEC), 1);
    EXPECT_EQ(allShown(), "untouched | untouched | untouched");
    click({"7", "+"});
    EXPECT_EQ(clipboard(), "42");
    EXPECT_EQ(clipboard(), "42") << "every request gets the same answer";
}

// With no primary selection on the display, paste reads the clipboard, which
// here holds the window's own copies.
TEST_F(Clipboard, PasteReadsANumberFromTheStartOfTheText) {
    click({"5"});
    press(AppWindow::ID_COPY_BIN);
    click({"AC", "1", "+/-"});
    press(AppWindow::ID_COPY_BIN);
    click({"9", "Paste"});
    EXPECT_EQ(shown(BASE_DECIMAL), "1111") << "the binary text reads as its first group";

    click({"AC", "2", ".", "5", "*", "3"});
    press(AppWindow::ID_COPY_HEX);
    press(AppWindow::ID_COPY_DEC);
    click({"AC", "5", "+", "Paste", "="});
    EXPECT_EQ(shown(BASE_DECIMAL), "8") << "a pending operator survives a paste";

    clickDisplay(BASE_HEXADECIMAL);
    click({"AC", "F", "F"});
    press(AppWindow::ID_COPY_HEX);
    click({"1", "Paste"});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000000") << "0xFF reads as 0";
}

TEST_F(Clipboard, PasteOfADecimalTextInHexadecimalBaseKeepsTheFraction) {
    click({"2", ".", "5"});
    press(AppWindow::ID_COPY_DEC);
    clickDisplay(BASE_HEXADECIMAL);
    click({"AC", "Paste"});
    EXPECT_EQ(allShown(), "0000 0000 0000 0000 0000 0000 0000 0010 | 0x00000002 | 2");
    click({"*", "2", "="});
    EXPECT_EQ(shown(BASE_HEXADECIMAL), "0x00000005");
}

// Quitting waits for a clipboard manager only when one runs and the clipboard
// is still the window's own; otherwise it asks nobody, keeps the window on
// the screen until the toolkit ends, and returns at once.
TEST_F(Clipboard, QuitStartsNoHandoverWithoutAClipboardOfItsOwnOrAManager) {
    Display* display = static_cast<Display*>(testApplication().getDisplay());
    if (XGetSelectionOwner(display, XInternAtom(display, "CLIPBOARD_MANAGER", False)) != None)
        GTEST_SKIP() << "a clipboard manager runs on the test display";
    EXPECT_EQ(window->handOverClipboard(), AppWindow::HANDOVER_NOT_OURS) << "nothing copied";
    click({"4", "2"});
    press(AppWindow::ID_COPY_DEC);
    EXPECT_EQ(window->handOverClipboard(), AppWindow::HANDOVER_NO_MANAGER);
    EXPECT_TRUE(window->shown());
}

} // namespace
