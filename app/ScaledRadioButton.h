// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A radio button whose round indicator and paddings grow with the window's
// scale. The toolkit draws the indicator at a fixed 13 pixels whatever the
// resolution; at a larger scale this one draws it itself, in the toolkit's
// colours and shape: a lit and shaded double ring around the disk, and the
// ball when checked. At the 96-dpi scale it is the toolkit's radio button.
#pragma once

#include <fx.h>

#include "WindowScale.h"

class ScaledRadioButton : public FX::FXRadioButton {
    FXDECLARE(ScaledRadioButton)

public:
    // As the toolkit's radio button, with the paddings given at 96 dpi. It
    // serves the window's displays: the indicator before the text, which is
    // left-justified or centred.
    ScaledRadioButton(const WindowScale& scale, FX::FXComposite* parent, const FX::FXString& text,
                      FX::FXObject* target, FX::FXSelector selector, FX::FXuint options,
                      FX::FXint padding);
    ScaledRadioButton(const ScaledRadioButton&) = delete;
    ScaledRadioButton& operator=(const ScaledRadioButton&) = delete;

    FX::FXint getDefaultWidth() override;
    FX::FXint getDefaultHeight() override;

    long onPaint(FX::FXObject*, FX::FXSelector, void*);

    // Takes the paddings and indicator of this scale, from the paddings given
    // at 96 dpi; the caller lays the window out again.
    void setScale(const WindowScale& scale);

    // The side of the square the indicator takes, and the ring it draws in it.
    FX::FXint getIndicatorSize() const { return box; }

protected:
    ScaledRadioButton() = default;

    FX::FXint plainPadding = 0; // each padding at 96 dpi
    bool ownDrawing = false;    // false: the toolkit's 96-dpi look, drawn by it
    FX::FXint box = 13;         // the indicator's square
    FX::FXint ring = 12;        // the outer ring's diameter, at the square's top left
    FX::FXint ball = 4;         // the check mark's diameter
    FX::FXint gap = 4;          // between indicator and text
    FX::FXint line = 1;         // each of the two rings' width
};
