// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Icons from XPM pixel art, enlarged by whole pixel blocks.
#include "PixelArtIcon.h"

using namespace FX;

namespace {

// Gives the icon the plain icon's pixels, each as a multiple × multiple block;
// the two may be one. No memory for the new pixels leaves the icon as it was.
void takeBlocks(FXIcon* icon, const FXIcon& plain, FXint multiple) {
    const FXColor* source = plain.getData();
    const FXint width = plain.getWidth();
    const FXint height = plain.getHeight();
    const FXint targetWidth = width * multiple;
    FXColor* target = nullptr;
    if (!FXMALLOC(&target, FXColor, targetWidth * height * multiple)) return;
    for (FXint y = 0; y < height * multiple; y++)
        for (FXint x = 0; x < targetWidth; x++)
            target[y * targetWidth + x] = source[(y / multiple) * width + x / multiple];
    // The icon takes the pixels over and lets go of its own.
    icon->setData(target, IMAGE_OWNED, targetWidth, height * multiple);
}

} // namespace

FXIcon* makePixelArtIcon(FXApp* application, const char* const* xpm, FXint multiple) {
    // The toolkit's XPM reader takes non-const pointers but only reads them.
    FXXPMIcon* icon = new FXXPMIcon(application, const_cast<const FXchar**>(xpm));
    if (multiple > 1 && icon->getData() != nullptr) takeBlocks(icon, *icon, multiple);
    return icon;
}

void redrawPixelArtIcon(FXIcon* icon, const char* const* xpm, FXint multiple) {
    // A created icon no longer holds its pixels: they come from the data again.
    FXXPMIcon plain(icon->getApp(), const_cast<const FXchar**>(xpm));
    if (plain.getData() == nullptr) return;
    takeBlocks(icon, plain, FXMAX(1, multiple));
    if (icon->id()) icon->render();
}
