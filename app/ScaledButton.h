// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose frame and paddings grow with the window's scale. The
// toolkit draws its frames one or two pixels wide whatever the resolution; at a
// larger scale this button draws each of their lines as wide as the scale
// makes it, in the toolkit's colours and shapes. At the 96-dpi scale it is the
// toolkit's button.
#pragma once

#include <fx.h>

#include "WindowScale.h"

class ScaledButton : public FX::FXButton {
    FXDECLARE(ScaledButton)

public:
    // As the toolkit's button, with the paddings given at 96 dpi. It serves
    // the window's buttons: raised, plain or thick, never a toolbar or
    // default button, whose frames stay the toolkit's.
    ScaledButton(const WindowScale& scale, FX::FXComposite* parent, const FX::FXString& text,
                 FX::FXObject* target, FX::FXSelector selector, FX::FXuint options,
                 FX::FXint padding);
    ScaledButton(const ScaledButton&) = delete;
    ScaledButton& operator=(const ScaledButton&) = delete;

    long onPaint(FX::FXObject*, FX::FXSelector, void*);

    // Takes the paddings and frame widths of this scale, from those given at
    // 96 dpi; the caller lays the window out again.
    void setScale(const WindowScale& scale);

    // How wide the frame's outer line is drawn; the inner line of a thick
    // frame takes the rest of the border.
    FX::FXint getOuterWidth() const { return outerWidth; }

protected:
    ScaledButton() = default;

    // One ring of the frame, `inset` pixels in from the edge: the toolkit's
    // one-pixel rectangle, whose lit or shaded side takes the corners.
    void drawRing(FX::FXDCWindow& dc, FX::FXint inset, FX::FXColor topLeft, FX::FXColor bottomRight,
                  bool raised);

    FX::FXint plainPadding = 0; // each padding at 96 dpi
    FX::FXint plainBorder = 0;  // the toolkit's border for the frame style
    FX::FXint outerWidth = 1;   // the lit and shaded outer line
    FX::FXint innerWidth = 0;   // a thick frame's inner line; 0 for a plain frame
};
