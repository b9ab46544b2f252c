// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icons at the window's scale. They are pixel art: smoothed up
// they would blur, so each pixel is repeated as a square block instead, as the
// icons exported for the desktop's theme are.
#pragma once

#include <fx.h>

// An icon from XPM data held in the program, each pixel a multiple × multiple
// block; at 1 it is the toolkit's XPM icon of the data, untouched.
FX::FXIcon* makePixelArtIcon(FX::FXApp* application, const char* const* xpm, FX::FXint multiple);

// The same icon drawn again from the data at another multiple, in place: the
// window manager's hints and the About box keep pointing at it. A created icon
// is sent to the window system anew.
void redrawPixelArtIcon(FX::FXIcon* icon, const char* const* xpm, FX::FXint multiple);
