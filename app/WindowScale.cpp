// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's scale from the toolkit's screen resolution.
#include "WindowScale.h"

#include "DesktopResolution.h"

#include <algorithm>
#include <cmath>

using namespace FX;

namespace {

// The scale stays within half and five times the 96-dpi window, the range of
// desktop resolutions taken from Xft.dpi. A resolution the user wrote beyond it
// is a slip: at a thousand times, the icons alone would take gigabytes.
const double SMALLEST = 0.5;
const double LARGEST = 5.0;

// To the nearest whole pixel, a half down: the fonts' pixel sizes round up,
// and sizes rounded up as well would make the window outgrow its scale. At one
// and a half a one-pixel line stays one pixel, and the text has room enough.
FXint roundHalfDown(double pixels) {
    return static_cast<FXint>(std::ceil(pixels - 0.5));
}

} // namespace

WindowScale::WindowScale(FXuint screenResolution)
    : factor(screenResolution == 0
                 ? 1.0
                 : std::clamp(static_cast<double>(screenResolution) / TOOLKIT_RESOLUTION, SMALLEST,
                              LARGEST)),
      lineWidth(std::max(1, roundHalfDown(factor))) {}

WindowScale WindowScale::of(FXApp& application) {
    return WindowScale(toolkitScreenResolution(application));
}

FXint WindowScale::operator()(FXint pixels) const {
    return roundHalfDown(pixels * factor);
}
