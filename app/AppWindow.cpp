// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a whole: its message map and class record, its creation and
// teardown, the About box and quitting.
#include "AppWindow.h"

using namespace FX;

// One entry per identifier range; a key press or release with identifier 0
// goes to onKeyPress or onKeyRelease alone, so the inherited key handling
// never sees it.
FXDEFMAP(AppWindow)
AppWindowMap[] = {
    FXMAPFUNC(SEL_COMMAND, AppWindow::ID_ABOUT, AppWindow::onCmdAbout),
    FXMAPFUNC(SEL_COMMAND, AppWindow::ID_QUIT, AppWindow::onCmdQuit),
    FXMAPFUNC(SEL_SIGNAL, AppWindow::ID_QUIT, AppWindow::onCmdQuit),
    FXMAPFUNC(SEL_CLOSE, AppWindow::ID_CLOSE_WINDOW, AppWindow::onCmdQuit),
    // The window manager's close: quitting here, rather than in the toolkit's
    // close, which destroys the window, and the clipboard with it, first.
    FXMAPFUNC(SEL_CLOSE, 0, AppWindow::onCmdQuit),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_RECALL_0, AppWindow::ID_RECALL_2, AppWindow::onCmdRecall),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_STORE_0, AppWindow::ID_STORE_2, AppWindow::onCmdStore),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_COPY_BIN, AppWindow::ID_COPY_DEC, AppWindow::onCmdCopy),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_BINARY, AppWindow::ID_DECIMAL, AppWindow::onCmdBase),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_ACOS, AppWindow::ID_INVERSE, AppWindow::onCmdFunction),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_SHL, AppWindow::ID_XOR, AppWindow::onCmdInteger),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_KEY_A, AppWindow::ID_KEY_DEL, AppWindow::onCmdKeypad),
    FXMAPFUNCS(SEL_COMMAND, AppWindow::ID_MOD, AppWindow::ID_EQUALS, AppWindow::onCmdOperator),
    FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, AppWindow::onClipboardRequest),
    FXMAPFUNC(SEL_SELECTION_REQUEST, 0, AppWindow::onClipboardRequest),
    FXMAPFUNC(SEL_KEYPRESS, 0, AppWindow::onKeyPress),
    FXMAPFUNC(SEL_KEYRELEASE, 0, AppWindow::onKeyRelease),
};

FXIMPLEMENT(AppWindow, FXMainWindow, AppWindowMap, ARRAYNUMBER(AppWindowMap))

AppWindow::AppWindow() {}

AppWindow::~AppWindow() {
    // The tooltip belongs to the application's window tree but draws with our
    // font, so it must not outlive it.
    delete toolTip;
    // The widgets that used these are destroyed afterwards by the base class,
    // which never draws with them again.
    delete smallIcon;
    delete bigIcon;
    delete displayFont;
    // The application would otherwise keep pointing at a deleted font.
    if (normalFont && getApp()->getNormalFont() == normalFont)
        getApp()->setNormalFont(replacedFont);
    delete normalFont;
}

void AppWindow::create() {
    FXMainWindow::create();
    show();
    // The types are registered with the display, so they are known only once
    // the window exists.
    clipType = FXWindow::stringType;
    registerTextTypes();
}

long AppWindow::onCmdAbout(FXObject*, FXSelector, void*) {
    FXMessageBox about(this, "About Vyx Calculator",
                       "Vyx Calculator v 1.0\n"
                       "The Vyx calculator developers\n"
                       "Written in C++ on the FOX GUI toolkit 1.6\n"
                       "\n"
                       "A simple calculator designed for programmers.\n"
                       "\n"
                       "It has been developped with the FOX toolkit\n"
                       "(http://www.fox-toolkit.org).",
                       bigIcon, MBOX_OK | DECOR_TITLE | DECOR_BORDER, 0, 0);
    about.execute(PLACEMENT_OWNER);
    return 1;
}

// A copied value outlives the window where a clipboard manager runs.
long AppWindow::onCmdQuit(FXObject*, FXSelector, void*) {
    handOverClipboard();
    getApp()->exit(0);
    return 1;
}
