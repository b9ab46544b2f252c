// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Icons from XPM pixel art, enlarged by whole pixel blocks.
#include "PixelArtIcon.h"

using namespace FX;

FXIcon* makePixelArtIcon(FXApp* application, const char* const* xpm, FXint multiple) {
    // The toolkit's XPM reader takes non-const pointers but only reads them.
    FXXPMIcon* icon = new FXXPMIcon(application, const_cast<const FXchar**>(xpm));
    const FXColor* source = icon->getData();
    if (multiple <= 1 || source == nullptr) return icon;

    const FXint width = icon->getWidth();
    const FXint height = icon->getHeight();
    const FXint targetWidth = width * multiple;
    FXColor* target = nullptr;
    // No memory for the large one leaves the icon its own size.
    if (!FXMALLOC(&target, FXColor, targetWidth * height * multiple)) return icon;
    for (FXint y = 0; y < height * multiple; y++)
        for (FXint x = 0; x < targetWidth; x++)
            target[y * targetWidth + x] = source[(y / multiple) * width + x / multiple];
    // The icon takes the pixels over and lets go of its own.
    icon->setData(target, IMAGE_OWNED, targetWidth, height * multiple);
    return icon;
}
