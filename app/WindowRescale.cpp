// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window drawn again at a new scale while it runs. Every widget stays the
// same object, so nothing that points at one (the keyboard focus, the
// accessibility bridge, the About box) is left pointing at nothing, and the
// window stays the X window that owns the clipboard.
#include "AppWindow.h"
#include "ScaledButton.h"
#include "ScaledRadioButton.h"

using namespace FX;

namespace {

// Each scaled widget takes the scale; every widget is laid out and drawn anew.
void rescaleTree(FXWindow* widget, const WindowScale& scale) {
    if (widget->isMemberOf(FXMETACLASS(ScaledButton)))
        static_cast<ScaledButton*>(widget)->setScale(scale);
    else if (widget->isMemberOf(FXMETACLASS(ScaledRadioButton)))
        static_cast<ScaledRadioButton*>(widget)->setScale(scale);
    widget->recalc();
    widget->update();
    for (FXWindow* child = widget->getFirst(); child; child = child->getNext())
        rescaleTree(child, scale);
}

// A font made again: the toolkit takes the screen resolution as it creates one.
void remake(FXFont* font) {
    font->destroy();
    font->create();
}

} // namespace

void AppWindow::rescale() {
    const WindowScale scale = WindowScale::of(*getApp());
    remake(normalFont);
    remake(displayFont);
    redrawIcons(scale);
    // The window manager learns of an icon only as it is set.
    setIcon(nullptr);
    setIcon(bigIcon);
    setMiniIcon(nullptr);
    setMiniIcon(smallIcon);
    spaceFrames(scale);
    rescaleTree(this, scale);
    // The size a window built at this scale opens with; a resize keeps the
    // top left corner where it is.
    resize(getDefaultWidth(), getDefaultHeight());
    layout();
}
