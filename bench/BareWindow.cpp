// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up benchmark: the least a FOX program with a
// calculator's shape can cost. One main window, a label standing in for a
// display and twenty plain buttons with the toolkit's fonts and colours; a
// digit key rewrites the label, so a key press costs one relayout and repaint,
// as it does in the calculator.
#include <fx.h>
#include <fxkeys.h>

using namespace FX;

class BareWindow : public FXMainWindow {
    FXDECLARE(BareWindow)

public:
    explicit BareWindow(FXApp* app);
    BareWindow(const BareWindow&) = delete;
    BareWindow& operator=(const BareWindow&) = delete;

    void create() override;
    long onKeyPress(FXObject*, FXSelector, void*);

protected:
    BareWindow() = default; // only for the class factory

private:
    FXLabel* display = nullptr; // the text a digit key rewrites
    FXString typed;             // the digits typed so far
};

FXDEFMAP(BareWindow)
BareWindowMap[] = {
    FXMAPFUNC(SEL_KEYPRESS, 0, BareWindow::onKeyPress),
};

FXIMPLEMENT(BareWindow, FXMainWindow, BareWindowMap, ARRAYNUMBER(BareWindowMap))

BareWindow::BareWindow(FXApp* app)
    : FXMainWindow(app, "Bare FOX window", nullptr, nullptr, DECOR_ALL, 50, 50) {
    auto* frame = new FXVerticalFrame(this, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    display = new FXLabel(frame, "0", nullptr, LAYOUT_FILL_X | JUSTIFY_RIGHT | FRAME_SUNKEN);
    auto* pad = new FXMatrix(frame, 4, MATRIX_BY_COLUMNS | LAYOUT_FILL_X | LAYOUT_FILL_Y);
    for (FXint i = 0; i < 20; ++i)
        new FXButton(pad, FXStringVal(i, 10), nullptr, nullptr, 0,
                     FRAME_RAISED | LAYOUT_FILL_X | LAYOUT_FILL_Y);
}

void BareWindow::create() {
    FXMainWindow::create();
    show();
}

long BareWindow::onKeyPress(FXObject*, FXSelector, void* ptr) {
    const auto* event = static_cast<const FXEvent*>(ptr);
    if (event->code < KEY_0 || event->code > KEY_9) return 0;
    typed.append(static_cast<FXchar>('0' + (event->code - KEY_0)));
    display->setText(typed);
    return 1;
}

int main(int argc, char** argv) {
    FXApp app("BareWindow", "Vyx");
    app.init(argc, argv);
    new BareWindow(&app);
    app.create();
    return app.run();
}
