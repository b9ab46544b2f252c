// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one of the program's window icons as a PNG file for the desktop's icon
// theme. The pixels come from the very XPM data the window is built with, so
// the menu entry and the running window can never show two different images.
// Larger theme sizes repeat each pixel SCALE times in both directions: pixel
// art smoothed up would blur, and a separate drawing could drift from the
// window's own.
// Usage: vyx-icon-export 16|32 SCALE OUTPUT.png
#include <fx.h>
#include <FXPNGImage.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "icons/calculator16.xpm"
#include "icons/calculator32.xpm"

namespace {

// Past this the image is no icon any theme has a folder for (256 = 32 x 8).
const long MAX_SCALE = 16;

// Each source pixel becomes a scale x scale block of the same colour.
void scaleWhole(const FXColor* source, FXint width, FXint height, FXint scale, FXColor* target) {
    const FXint targetWidth = width * scale;
    for (FXint y = 0; y < height * scale; ++y) {
        for (FXint x = 0; x < targetWidth; ++x) {
            target[y * targetWidth + x] = source[(y / scale) * width + x / scale];
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    char* end = nullptr;
    const long scale = argc == 4 ? strtol(argv[2], &end, 10) : 0;
    if (argc != 4 || (strcmp(argv[1], "16") != 0 && strcmp(argv[1], "32") != 0) ||
        *argv[2] == '\0' || *end != '\0' || scale < 1 || scale > MAX_SCALE) {
        fprintf(stderr, "usage: %s 16|32 SCALE OUTPUT.png  (SCALE 1 to %ld)\n", argv[0], MAX_SCALE);
        return 2;
    }
    const FXint factor = static_cast<FXint>(scale);
    // The loader takes the data as writable pointers but only reads it.
    const FXchar** xpm = const_cast<const FXchar**>(strcmp(argv[1], "16") == 0 ? calculator16_xpm
                                                                               : calculator32_xpm);
    FXColor* pixels = nullptr;
    FXint width = 0;
    FXint height = 0;
    if (!fxloadXPM(xpm, pixels, width, height)) {
        fprintf(stderr, "%s: the %s pixel icon data does not read as XPM\n", argv[0], argv[1]);
        return 1;
    }
    FXColor* scaled = nullptr;
    if (!FXMALLOC(&scaled, FXColor, width * height * factor * factor)) {
        FXFREE(&pixels);
        fprintf(stderr, "%s: no memory for a %dx scaled icon\n", argv[0], factor);
        return 1;
    }
    scaleWhole(pixels, width, height, factor, scaled);
    FXFREE(&pixels);

    FXFileStream out;
    bool written =
        out.open(argv[3], FXStreamSave) && fxsavePNG(out, scaled, width * factor, height * factor);
    written = out.close() && written;
    FXFREE(&scaled);
    if (!written) {
        fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
