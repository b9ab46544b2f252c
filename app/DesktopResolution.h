// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's font resolution carried over to the toolkit. Desktops (and
// xrdb) publish it as the X resource Xft.dpi on the root window; the toolkit
// never reads it and sizes every font from its own registry entry
// SETTINGS/screenres, 100 by default, which it takes for 96 dots per inch.
#pragma once

#include <fx.h>

#include <optional>

// The toolkit's screen resolution that stands for 96 dots per inch.
constexpr FX::FXuint TOOLKIT_RESOLUTION = 100;

// The screen resolution the application's fonts are made at: its registry's,
// whether the user or the desktop set it.
FX::FXuint toolkitScreenResolution(FX::FXApp& application);

// The toolkit's screen resolution for the Xft.dpi in an X resource string
// (as XResourceManagerString gives it; null when the display has none):
// 100 × dpi ÷ 96, rounded. Nothing when there is no Xft.dpi, or when its value
// is not a plain number from 48 to 480 dots per inch.
std::optional<FX::FXuint> screenResolutionFromResources(const char* resources);

// Hands the resolution to the toolkit for the fonts created from now on,
// unless its registry already holds one, which is the user's choice. The entry
// lives in memory only: it is never written back to the registry files.
// Returns whether it was handed over.
bool offerScreenResolution(FX::FXRegistry& registry, FX::FXuint resolution);

// Both of the above, for the display the application has connected to: call
// it after init and before any font is created.
void followDesktopResolution(FX::FXApp& application);
