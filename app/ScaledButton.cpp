// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The push button with its frame drawn at the window's scale.
#include "ScaledButton.h"

using namespace FX;

FXDEFMAP(ScaledButton)
ScaledButtonMap[] = {
    FXMAPFUNC(SEL_PAINT, 0, ScaledButton::onPaint),
};

FXIMPLEMENT(ScaledButton, FXButton, ScaledButtonMap, ARRAYNUMBER(ScaledButtonMap))

ScaledButton::ScaledButton(const WindowScale& scale, FXComposite* parent, const FXString& text,
                           FXObject* target, FXSelector selector, FXuint options, FXint padding)
    : FXButton(parent, text, nullptr, target, selector, options, 0, 0, 0, 0, padding, padding,
               padding, padding),
      plainPadding(padding), plainBorder(border) {
    setScale(scale);
}

void ScaledButton::setScale(const WindowScale& scale) {
    padleft = padright = padtop = padbottom = scale(plainPadding);
    // The toolkit's frames are one line, or two when thick; each grows to its
    // width at the scale, rounded, and the label keeps clear of it.
    outerWidth = FXMAX(1, scale(1));
    innerWidth = 0;
    border = plainBorder;
    if (plainBorder > 1) {
        border = FXMAX(outerWidth + 1, scale(plainBorder));
        innerWidth = border - outerWidth;
    } else if (plainBorder == 1) {
        border = outerWidth;
    }
}

long ScaledButton::onPaint(FXObject* sender, FXSelector selector, void* data) {
    // The toolkit fills the face, draws the label inside the widened border and
    // a frame of one-pixel lines; at one pixel that frame is the right one.
    FXButton::onPaint(sender, selector, data);
    const bool toolkitWidths = outerWidth == 1 && innerWidth <= 1;
    if (toolkitWidths || !(options & (FRAME_RAISED | FRAME_SUNKEN))) return 1;
    if ((options & BUTTON_TOOLBAR) || isDefault()) return 1;

    // Drawn over it: the toolkit's lines, each as wide as the scale makes it.
    // A button shows raised when up or disabled and sunken while pressed.
    FXDCWindow dc(this, static_cast<FXEvent*>(data));
    const bool raised = !isEnabled() || state == STATE_UP;
    const bool thick = innerWidth > 0;
    for (FXint k = 0; k < outerWidth; k++) {
        if (raised)
            drawRing(dc, k, hiliteColor, thick ? borderColor : shadowColor, true);
        else
            drawRing(dc, k, shadowColor, hiliteColor, false);
    }
    for (FXint k = outerWidth; k < border && thick; k++) {
        if (raised)
            drawRing(dc, k, baseColor, shadowColor, true);
        else
            drawRing(dc, k, borderColor, baseColor, false);
    }
    return 1;
}

void ScaledButton::drawRing(FXDCWindow& dc, FXint inset, FXColor topLeft, FXColor bottomRight,
                            bool raised) {
    const FXint x = inset;
    const FXint y = inset;
    const FXint w = width - 2 * inset;
    const FXint h = height - 2 * inset;
    if (w <= 0 || h <= 0) return;
    if (raised) {
        // The shaded side runs the full length and takes both far corners.
        dc.setForeground(bottomRight);
        dc.fillRectangle(x, y + h - 1, w, 1);
        dc.fillRectangle(x + w - 1, y, 1, h);
        if (w > 1 && h > 1) {
            dc.setForeground(topLeft);
            dc.fillRectangle(x, y, w - 1, 1);
            dc.fillRectangle(x, y, 1, h - 1);
        }
    } else {
        // Sunken, the top and left side take them.
        dc.setForeground(topLeft);
        dc.fillRectangle(x, y, w, 1);
        dc.fillRectangle(x, y, 1, h);
        if (w > 1 && h > 1) {
            dc.setForeground(bottomRight);
            dc.fillRectangle(x + 1, y + h - 1, w - 1, 1);
            dc.fillRectangle(x + w - 1, y + 1, 1, h - 1);
        }
    }
}
