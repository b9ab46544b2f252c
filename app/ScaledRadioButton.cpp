// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radio button with its indicator drawn at the window's scale.
#include "ScaledRadioButton.h"

using namespace FX;

FXDEFMAP(ScaledRadioButton)
ScaledRadioButtonMap[] = {
    FXMAPFUNC(SEL_PAINT, 0, ScaledRadioButton::onPaint),
};

FXIMPLEMENT(ScaledRadioButton, FXRadioButton, ScaledRadioButtonMap,
            ARRAYNUMBER(ScaledRadioButtonMap))

namespace {

// The toolkit's indicator at 96 dpi: a 13-pixel square holding a 12-pixel
// ring with a 4-pixel ball, 4 pixels before the text.
const FXint BOX = 13;
const FXint RING = 12;
const FXint BALL = 4;
const FXint GAP = 4;

// A disk of this diameter with its top left corner at x, y, the half above the
// diagonal from its top right to its bottom left, the diagonal included, in one
// colour and the rest in the other. Drawn row by row from pixel centres: the window system's own
// filled arcs grow one-pixel nubs at the top, bottom and sides.
void fillDisk(FXDCWindow& dc, FXint x, FXint y, FXint diameter, FXColor upperLeft,
              FXColor lowerRight) {
    const double radius = diameter / 2.0;
    for (FXint row = 0; row < diameter; row++) {
        const double dy = row + 0.5 - radius;
        FXint first = -1;
        FXint lit = 0; // pixels of the row on the upper left
        FXint count = 0;
        for (FXint column = 0; column < diameter; column++) {
            const double dx = column + 0.5 - radius;
            if (dx * dx + dy * dy > radius * radius) continue;
            if (first < 0) first = column;
            count++;
            if (column + row + 1 <= diameter) lit++;
        }
        if (count == 0) continue;
        if (lit > 0) {
            dc.setForeground(upperLeft);
            dc.fillRectangle(x + first, y + row, lit, 1);
        }
        if (count > lit) {
            dc.setForeground(lowerRight);
            dc.fillRectangle(x + first + lit, y + row, count - lit, 1);
        }
    }
}

} // namespace

ScaledRadioButton::ScaledRadioButton(const WindowScale& scale, FXComposite* parent,
                                     const FXString& text, FXObject* target, FXSelector selector,
                                     FXuint options, FXint padding)
    : FXRadioButton(parent, text, target, selector, options, 0, 0, 0, 0, padding, padding, padding,
                    padding),
      plainPadding(padding) {
    setScale(scale);
}

void ScaledRadioButton::setScale(const WindowScale& scale) {
    padleft = padright = padtop = padbottom = scale(plainPadding);
    ownDrawing = !scale.isOne();
    box = scale(BOX);
    ring = scale(RING);
    ball = scale(BALL);
    gap = scale(GAP);
    line = scale.lines();
}

FXint ScaledRadioButton::getDefaultWidth() {
    if (!ownDrawing) return FXRadioButton::getDefaultWidth();
    const FXint text = label.empty() ? 0 : labelWidth(label) + gap;
    return box + text + padleft + padright + 2 * border;
}

FXint ScaledRadioButton::getDefaultHeight() {
    if (!ownDrawing) return FXRadioButton::getDefaultHeight();
    const FXint text = label.empty() ? 0 : labelHeight(label);
    return FXMAX(box, text) + padtop + padbottom + 2 * border;
}

long ScaledRadioButton::onPaint(FXObject* sender, FXSelector selector, void* data) {
    if (!ownDrawing) return FXRadioButton::onPaint(sender, selector, data);
    FXEvent* event = static_cast<FXEvent*>(data);
    FXDCWindow dc(this, event);
    dc.setForeground(backColor);
    dc.fillRectangle(event->rect.x, event->rect.y, event->rect.w, event->rect.h);

    const FXint tw = label.empty() ? 0 : labelWidth(label);
    const FXint th = label.empty() ? 0 : labelHeight(label);
    const FXint inside = width - padleft - padright - 2 * border;
    const FXint whole = box + (tw ? gap + tw : 0);
    FXint ix = border + padleft;
    if (!(options & JUSTIFY_LEFT)) ix += (inside - whole) / 2;
    const FXint tx = ix + box + gap;
    const FXint ty = border + padtop + (height - padtop - padbottom - 2 * border - th) / 2;
    const FXint iy = border + padtop + (height - padtop - padbottom - 2 * border - box) / 2;

    // Two rings sunk into the face, shaded on the upper left: each is the edge
    // of a disk that the next, smaller one leaves showing.
    const FXColor disk = isEnabled() ? diskColor : baseColor;
    fillDisk(dc, ix, iy, ring, shadowColor, hiliteColor);
    fillDisk(dc, ix + line, iy + line, ring - 2 * line, borderColor, baseColor);
    fillDisk(dc, ix + 2 * line, iy + 2 * line, ring - 4 * line, disk, disk);
    if (check != FALSE) {
        // Undecided shows the ball greyed, as does a disabled button.
        const FXColor mark = check == TRUE && isEnabled() ? radioColor : shadowColor;
        const FXint at = (ring - ball) / 2;
        fillDisk(dc, ix + at, iy + at, ball, mark, mark);
    }

    if (!label.empty()) {
        dc.setFont(font);
        if (isEnabled()) {
            dc.setForeground(textColor);
            drawLabel(dc, label, hotoff, tx, ty, tw, th);
        } else {
            dc.setForeground(hiliteColor);
            drawLabel(dc, label, hotoff, tx + line, ty + line, tw, th);
            dc.setForeground(shadowColor);
            drawLabel(dc, label, hotoff, tx, ty, tw, th);
        }
        if (hasFocus()) {
            for (FXint k = 0; k < line; k++)
                dc.drawFocusRectangle(tx - 1 - k, ty - 1 - k, tw + 2 + 2 * k, th + 2 + 2 * k);
        }
    }
    return 1;
}
