// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes one of the program's window icons as a PNG file for the desktop's icon
// theme. The pixels come from the very XPM data the window is built with, so
// the menu entry and the running window can never show two different images.
// Usage: vyx-icon-export 16|32 OUTPUT.png
#include <fx.h>
#include <FXPNGImage.h>

#include <cstdio>
#include <cstring>

#include "icons/calculator16.xpm"
#include "icons/calculator32.xpm"

int main(int argc, char** argv) {
    if (argc != 3 || (strcmp(argv[1], "16") != 0 && strcmp(argv[1], "32") != 0)) {
        fprintf(stderr, "usage: %s 16|32 OUTPUT.png\n", argv[0]);
        return 2;
    }
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
    FXFileStream out;
    bool written = out.open(argv[2], FXStreamSave) && fxsavePNG(out, pixels, width, height);
    written = out.close() && written;
    FXFREE(&pixels);
    if (!written) {
        fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
