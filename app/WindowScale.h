// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How much larger than at 96 dots per inch the window is drawn. The fonts grow
// with the toolkit's screen resolution (SETTINGS/screenres, 100 standing for
// 96 dpi), which the desktop's Xft.dpi sets unless the user set it; every pixel
// size the window names grows by the same factor, so the whole face keeps its
// proportions instead of only its text growing.
#pragma once

#include <fx.h>

class WindowScale {
public:
    // The scale for this toolkit screen resolution: 100 and 0 are 1, and it is
    // kept within 0.5 and 5.
    explicit WindowScale(FX::FXuint screenResolution);

    // The scale the application's fonts are made at: its registry's resolution.
    static WindowScale of(FX::FXApp& application);

    // A padding, spacing or size of the 96-dpi window, at this scale, rounded
    // to the nearest pixel, a half down.
    FX::FXint operator()(FX::FXint pixels) const;

    // The width of a one-pixel line, and the whole multiple pixel art is
    // repeated by: the scale rounded as above, never below 1.
    FX::FXint lines() const { return lineWidth; }

    // Exactly the 96-dpi window: the toolkit draws everything itself.
    bool isOne() const { return factor == 1.0; }

    double value() const { return factor; }

private:
    double factor;
    FX::FXint lineWidth;
};
