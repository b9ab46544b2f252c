// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's face: fonts, icons, the memory and display block and the four
// button pads, built in one pass before any window-system resource exists; and
// the sizes of it that follow the scale.
#include "AppWindow.h"
#include "PixelArtIcon.h"
#include "ScaledButton.h"
#include "ScaledRadioButton.h"
#include "WindowScale.h"

#include "icons/calculator16.xpm"
#include "icons/calculator32.xpm"

using namespace FX;

namespace {

// One pad button: its label and, for the coloured pads, its tooltip. A row may
// hand its button over to another message once it is built.
struct PadRow {
    const char* label;
    const char* tip;
    FXSelector selector; // 0: keep the identifier of its place in the pad
};

// One pad: its rows, their first identifier and its colours.
struct Pad {
    const PadRow* rows;
    FXint count;
    FXint columns;
    FXSelector firstId;
    bool coloured; // the keypad keeps the toolkit's colours and has no tooltips
    FXColor back;
    FXColor text;
};

const PadRow FUNCTION_ROWS[] = {
    {"acos", "Arc cosinus", 0},
    {"cos", "Cosinus", 0},
    {"[RAD]", "Toggle angle mode", 0},
    {"!", "Factorial", 0},
    {"asin", "Arc sinus", 0},
    {"sin", "Sinus", 0},
    {"->rad", "Convert degrees -> radians", 0},
    {"sqrt", "Square root", 0},
    {"atan", "Arc tangent", 0},
    {"tan", "Tangent", 0},
    {"->deg", "Convert radians -> degrees", 0},
    {"x^2", "Square", 0},
    {"ln", "Natural logarithm", 0},
    {"e^x", "Exponential", 0},
    {"->E", "Convert Francs -> Euros", 0},
    {"10^x", "10 power x", 0},
    {"log", "Decimal logarithm", 0},
    {"Pi", "3.14", 0},
    {"->F", "Convert Euros -> Francs", 0},
    {"1/x", "Inverse", 0},
};

const PadRow INTEGER_ROWS[] = {
    {"<<", "Left shift", 0}, {">>", "Right shift", 0},  {"AND", "Logical AND", 0},
    {"OR", "Logical OR", 0}, {"XOR", "Logical XOR", 0},
};

const PadRow KEYPAD_ROWS[] = {
    {"A", nullptr, 0}, {"7", nullptr, 0}, {"8", nullptr, 0},   {"9", nullptr, 0},
    {"B", nullptr, 0}, {"4", nullptr, 0}, {"5", nullptr, 0},   {"6", nullptr, 0},
    {"C", nullptr, 0}, {"1", nullptr, 0}, {"2", nullptr, 0},   {"3", nullptr, 0},
    {"D", nullptr, 0}, {"0", nullptr, 0}, {".", nullptr, 0},   {"000", nullptr, 0},
    {"E", nullptr, 0}, {"F", nullptr, 0}, {"+/-", nullptr, 0}, {"Del", nullptr, 0},
};

const PadRow OPERATOR_ROWS[] = {
    {"mod", "Modulo (remainder)", 0},
    {"AC", "Reset current value", 0},
    {"*", "Multiplication", 0},
    {"Paste", "Paste from clipboard", 0},
    {"/", "Division", 0},
    {"Exit", "Quit", AppWindow::ID_QUIT},
    {"-", "Substraction", 0},
    {"...", "About", AppWindow::ID_ABOUT},
    {"+", "Addition", 0},
    {"=", "Compute the result", 0},
};

const Pad PADS[] = {
    {FUNCTION_ROWS, ARRAYNUMBER(FUNCTION_ROWS), 4, AppWindow::ID_ACOS, true, FXRGB(50, 50, 200),
     FXRGB(255, 255, 255)},
    {INTEGER_ROWS, ARRAYNUMBER(INTEGER_ROWS), 1, AppWindow::ID_SHL, true, FXRGB(200, 50, 50),
     FXRGB(255, 255, 255)},
    {KEYPAD_ROWS, ARRAYNUMBER(KEYPAD_ROWS), 4, AppWindow::ID_KEY_A, false, 0, 0},
    {OPERATOR_ROWS, ARRAYNUMBER(OPERATOR_ROWS), 2, AppWindow::ID_MOD, true, FXRGB(50, 180, 50),
     FXRGB(255, 255, 255)},
};

// The displays, in base order; only the decimal one starts checked, matching the
// engine's initial base.
struct DisplayRow {
    const char* text;
    const char* tip;
    FXColor back;
};

const DisplayRow DISPLAY_ROWS[] = {
    {"0000 0000 0000 0000 0000 0000 0000 0000", "Binary", FXRGB(255, 220, 220)},
    {"0x00000000", "Hexadecimal", FXRGB(220, 255, 220)},
    {"0", "Decimal", FXRGB(220, 220, 255)},
};

// The paddings and spacings of the frames at 96 dpi, in the order of the
// window's frames field.
struct FrameSpacing {
    FXint left, right, top, bottom, horizontal, vertical;
};

const FrameSpacing FRAME_SPACINGS[] = {
    {0, 0, 0, 0, 4, 4},  // the whole face: the block above the pads
    {4, 4, 4, 4, 4, 4},  // the memory and display block
    {5, 5, 0, 5, 10, 4}, // the pads side by side
};

// The toolkit takes 0 as "any set width".
const FXuint ANY_SETWIDTH = 0;

// Fills one pad matrix from its table; the button identifiers follow the rows.
FXMatrix* buildPad(const WindowScale& scale, FXComposite* parent, FXObject* target,
                   const Pad& pad) {
    FXMatrix* matrix = new FXMatrix(
        parent, pad.columns, MATRIX_BY_COLUMNS | PACK_UNIFORM_WIDTH | LAYOUT_FILL_X | LAYOUT_FILL_Y,
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    for (FXint i = 0; i < pad.count; i++) {
        const PadRow& row = pad.rows[i];
        FXButton* button = new ScaledButton(
            scale, matrix, row.label, target, pad.firstId + i,
            FRAME_RAISED | LAYOUT_FILL_X | LAYOUT_FILL_Y | LAYOUT_FILL_COLUMN | LAYOUT_FILL_ROW, 2);
        if (!pad.coloured) continue;
        button->setTipText(row.tip);
        button->setBackColor(pad.back);
        button->setTextColor(pad.text);
        if (row.selector) button->setSelector(row.selector);
    }
    return matrix;
}

} // namespace

AppWindow::AppWindow(FXApp* a)
    : FXMainWindow(a, "Vyx Developer Calculator", nullptr, nullptr, DECOR_ALL, 50, 50, 0, 0, 0, 0,
                   0, 0, 0, 0) {
    // Made the application's font before any widget exists, so every widget
    // takes it. The application never deletes a font it is given, so the window
    // keeps it, and the font it replaces, to undo the swap when it goes.
    normalFont = new FXFont(a, "tahoma", 9, FXFont::Bold, FXFont::Straight, FONTENCODING_DEFAULT,
                            ANY_SETWIDTH, 0);
    normalFont->create();
    replacedFont = a->getNormalFont();
    a->setNormalFont(normalFont);

    // Every pixel size below is the 96-dpi one, grown with the fonts.
    const WindowScale scale = WindowScale::of(*a);

    smallIcon = makePixelArtIcon(a, calculator16_xpm, scale.lines());
    bigIcon = makePixelArtIcon(a, calculator32_xpm, scale.lines());
    setIcon(bigIcon);
    setMiniIcon(smallIcon);

    // Each frame's paddings and spacings are set at the scale once all exist.
    FXVerticalFrame* frame = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);

    // Three rows by construction order: child k goes to row k mod 3, so each
    // row joins a memory slot, a display and its copy button.
    FXMatrix* block = new FXMatrix(frame, 3, MATRIX_BY_ROWS | LAYOUT_FILL_X | LAYOUT_FILL_COLUMN);
    for (FXint i = 0; i < 3; i++) {
        memoryButtons[i] = new ScaledButton(scale, block, FXString().format(" MEM %1d ", i), this,
                                            ID_RECALL_0 + i, BUTTON_NORMAL | LAYOUT_FILL_Y, 2);
        memoryButtons[i]->setTipText("Use this memory content as value.");
    }
    for (FXint i = 0; i < 3; i++) {
        FXButton* store =
            new ScaledButton(scale, block, "<", this, ID_STORE_0 + i, BUTTON_NORMAL, 2);
        store->setTipText("Save current value in this memory slot.");
    }
    displayFont = new FXFont(a, "courier", 11, FXFont::Bold, FXFont::Straight, FONTENCODING_DEFAULT,
                             ANY_SETWIDTH, 0);
    displayFont->create();
    for (FXint i = 0; i < 3; i++) {
        const DisplayRow& row = DISPLAY_ROWS[i];
        displays[i] = new ScaledRadioButton(scale, block, row.text, this, ID_BINARY + i,
                                            RADIOBUTTON_NORMAL | JUSTIFY_LEFT | LAYOUT_FILL_X |
                                                LAYOUT_FILL_Y | LAYOUT_FILL_COLUMN,
                                            2);
        displays[i]->setTipText(row.tip);
        displays[i]->setBackColor(row.back);
        displays[i]->setCheck(i == BASE_DECIMAL);
        displays[i]->setFont(displayFont);
    }
    for (FXint i = 0; i < 3; i++) {
        FXButton* copy =
            new ScaledButton(scale, block, ">", this, ID_COPY_BIN + i, BUTTON_NORMAL, 2);
        copy->setTipText("Copy this value to the system clipboard.");
    }

    FXHorizontalFrame* pads = new FXHorizontalFrame(frame, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    for (const Pad& pad : PADS) {
        FXMatrix* matrix = buildPad(scale, pads, this, pad);
        if (pad.firstId == ID_ACOS)
            angleButton = static_cast<FXButton*>(matrix->childAtIndex(ID_ANGLE - ID_ACOS));
    }
    frames[0] = frame;
    frames[1] = block;
    frames[2] = pads;
    spaceFrames(scale);

    toolTip = new FXToolTip(a, TOOLTIP_NORMAL);
}

void AppWindow::spaceFrames(const WindowScale& scale) {
    for (FXint k = 0; k < FRAMES; k++) {
        const FrameSpacing& spacing = FRAME_SPACINGS[k];
        frames[k]->setPadLeft(scale(spacing.left));
        frames[k]->setPadRight(scale(spacing.right));
        frames[k]->setPadTop(scale(spacing.top));
        frames[k]->setPadBottom(scale(spacing.bottom));
        frames[k]->setHSpacing(scale(spacing.horizontal));
        frames[k]->setVSpacing(scale(spacing.vertical));
    }
}

void AppWindow::redrawIcons(const WindowScale& scale) {
    redrawPixelArtIcon(smallIcon, calculator16_xpm, scale.lines());
    redrawPixelArtIcon(bigIcon, calculator32_xpm, scale.lines());
}
