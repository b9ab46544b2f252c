// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's main window: message identifiers, fields and handlers.
// The constructor that builds the widget tree lives in WindowLayout.cpp; the
// handlers live in commands/ and transfer/, one concept per file.
#pragma once

#include <fx.h>

#include "CalcEngine.h"
#include "WindowScale.h"

class AppWindow : public FX::FXMainWindow {
    FXDECLARE(AppWindow)

public:
    // Each range follows the order in which the layout creates its buttons, so a
    // handler finds its button's position by subtracting the range's first name.
    enum {
        ID_ABOUT = FX::FXMainWindow::ID_LAST,
        ID_QUIT,
        ID_CLOSE_WINDOW,
        ID_RECALL_0,
        ID_RECALL_1,
        ID_RECALL_2,
        ID_STORE_0,
        ID_STORE_1,
        ID_STORE_2,
        ID_COPY_BIN,
        ID_COPY_HEX,
        ID_COPY_DEC,
        ID_BINARY,
        ID_HEXADECIMAL,
        ID_DECIMAL,
        // function pad, row by row
        ID_ACOS,
        ID_COS,
        ID_ANGLE,
        ID_FACT,
        ID_ASIN,
        ID_SIN,
        ID_TORAD,
        ID_SQRT,
        ID_ATAN,
        ID_TAN,
        ID_TODEG,
        ID_SQUARE,
        ID_LN,
        ID_EXP,
        ID_TOEURO,
        ID_POW10,
        ID_LOG,
        ID_PI,
        ID_TOFRANC,
        ID_INVERSE,
        // integer pad
        ID_SHL,
        ID_SHR,
        ID_AND,
        ID_OR,
        ID_XOR,
        // keypad, row by row
        ID_KEY_A,
        ID_KEY_7,
        ID_KEY_8,
        ID_KEY_9,
        ID_KEY_B,
        ID_KEY_4,
        ID_KEY_5,
        ID_KEY_6,
        ID_KEY_C,
        ID_KEY_1,
        ID_KEY_2,
        ID_KEY_3,
        ID_KEY_D,
        ID_KEY_0,
        ID_KEY_POINT,
        ID_KEY_000,
        ID_KEY_E,
        ID_KEY_F,
        ID_KEY_SIGN,
        ID_KEY_DEL,
        // operator pad, row by row
        ID_MOD,
        ID_CLEAR,
        ID_MUL,
        ID_PASTE,
        ID_DIV,
        ID_EXIT, // built on "Exit", which then carries ID_QUIT
        ID_SUB,
        ID_INFO, // built on "...", which then carries ID_ABOUT
        ID_ADD,
        ID_EQUALS,
        ID_LAST
    };

    explicit AppWindow(FX::FXApp* a);
    ~AppWindow() override;
    AppWindow(const AppWindow&) = delete;
    AppWindow& operator=(const AppWindow&) = delete;

    void create() override;

    long onCmdAbout(FX::FXObject*, FX::FXSelector, void*);
    long onCmdQuit(FX::FXObject*, FX::FXSelector, void*);
    long onCmdRecall(FX::FXObject*, FX::FXSelector, void*);
    long onCmdStore(FX::FXObject*, FX::FXSelector, void*);
    long onCmdCopy(FX::FXObject*, FX::FXSelector, void*);
    long onCmdBase(FX::FXObject*, FX::FXSelector, void*);
    long onCmdFunction(FX::FXObject*, FX::FXSelector, void*);
    long onCmdInteger(FX::FXObject*, FX::FXSelector, void*);
    long onCmdKeypad(FX::FXObject*, FX::FXSelector, void*);
    long onCmdOperator(FX::FXObject*, FX::FXSelector, void*);
    long onClipboardRequest(FX::FXObject*, FX::FXSelector, void*);
    long onKeyPress(FX::FXObject*, FX::FXSelector, void*);
    long onKeyRelease(FX::FXObject*, FX::FXSelector, void*);

    // How handing the clipboard over at quit ended.
    enum Handover {
        HANDOVER_NOT_OURS,   // another program's or nobody's clipboard: nothing to keep
        HANDOVER_NO_MANAGER, // no clipboard manager runs: nobody to keep it
        HANDOVER_SAVED,      // the manager took the text
        HANDOVER_REFUSED,    // the manager declined
        HANDOVER_NO_ANSWER,  // the manager did not answer in time
    };

    // At quit, asks the desktop's clipboard manager to keep the copied text,
    // when the clipboard is still ours and a manager runs, and serves it the
    // text until it answers or its time is up; otherwise returns at once.
    Handover handOverClipboard();

    // Rewrites the three display labels from the engine, and nothing else.
    void updateDisplays();

    // Draws the whole window again at the scale of the toolkit's screen
    // resolution as it is now: fonts, paddings, frames, radio marks, icons and
    // the window's size become those of a window built at it. The widgets,
    // their state, the keyboard focus and the clipboard stay, and so does the
    // window's top left corner.
    void rescale();

    // How many names a copy is offered under.
    enum { TEXT_TYPES = 5 };

protected:
    // Sets the value from the text of the primary selection or, failing that,
    // the clipboard; the caller refreshes the displays.
    void pasteValue();
    // The type paste asks the origin's owner for; 0 when it offers no text.
    FX::FXDragType pasteType(FX::FXDNDOrigin origin) const;
    // Registers the names a copy is offered under; needs the display.
    void registerTextTypes();
    // Whether a copy is offered under the type.
    bool offersType(FX::FXDragType type) const;
    // The frames' paddings and spacings at the scale.
    void spaceFrames(const WindowScale& scale);
    // The icons drawn again at the scale, each the same object.
    void redrawIcons(const WindowScale& scale);

    // Only for the class factory: no widgets, fonts or icons, so the pointers are
    // null and the destructor has nothing to delete.
    AppWindow();

    FX::FXFont* displayFont = nullptr;   // "courier" 11 bold of the displays; owned
    FX::FXRadioButton* displays[3] = {}; // indexed by base code: binary, hex, decimal
    FX::FXButton* memoryButtons[3] = {}; // recall buttons of slots 0-2
    FX::FXButton* angleButton = nullptr; // shows "[RAD]" or "[DEG]"
    FX::FXDragType clipType = 0;         // string type, known once created
    FX::FXString clipText;               // text of the last copy, answered on request
    FX::FXIcon* smallIcon = nullptr;     // 16x16 mini icon; owned
    FX::FXIcon* bigIcon = nullptr;       // 32x32 icon, also the About box's; owned
    FX::FXFont* normalFont = nullptr;    // "tahoma" 9 bold of every widget; owned
    FX::FXFont* replacedFont = nullptr;  // the application's font before ours
    FX::FXToolTip* toolTip = nullptr;    // draws with normalFont, so goes with it; owned
    enum { FRAMES = 3 };
    FX::FXPacker* frames[FRAMES] = {}; // the face, the display block, the pads' row
    CalcEngine engine;                 // the calculator state

    // The types a copy is offered under, UTF8_STRING first; known once created.
    FX::FXDragType textTypes[TEXT_TYPES] = {};
};
