// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's font resolution carried over to the toolkit. Desktops (and
// xrdb) publish it as the X resource Xft.dpi on the root window, and settings
// managers as Xft/DPI in XSETTINGS; the toolkit reads neither and sizes every
// font from its own registry entry SETTINGS/screenres, 100 by default, which
// it takes for 96 dots per inch.
#pragma once

#include <fx.h>

#include <optional>
#include <vector>

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

// The same for the Xft/DPI in the bytes of an XSETTINGS property, which holds
// 1024 × dpi, by the same rules. Nothing when the bytes hold none, or are
// malformed.
std::optional<FX::FXuint> screenResolutionFromXSettings(const std::vector<unsigned char>& settings);

// The desktop's resolution: the resources' Xft.dpi, which every Xft program
// reads and xrdb sets, where it is usable; otherwise the XSETTINGS' Xft/DPI,
// for desktops that publish only those.
std::optional<FX::FXuint> desktopScreenResolution(const char* resources,
                                                  const std::vector<unsigned char>& settings);

// The desktop's resolution on the application's display as it is now, read
// from the server: the root window's RESOURCE_MANAGER and the XSETTINGS of the
// screen's settings manager, if one runs.
std::optional<FX::FXuint> currentDesktopResolution(FX::FXApp& application);

// Hands the resolution to the toolkit for the fonts created from now on,
// unless its registry already holds one, which is the user's choice. The entry
// lives in memory only: it is never written back to the registry files.
// Returns whether it was handed over.
bool offerScreenResolution(FX::FXRegistry& registry, FX::FXuint resolution);

// Hands a resolution to the toolkit in place of the one offered before, for
// the fonts created from now on, the same way. Only for a registry whose entry
// the desktop owns: the offer at start told so. Returns whether it changed.
bool replaceScreenResolution(FX::FXRegistry& registry, FX::FXuint resolution);

// The desktop's resolution offered to the toolkit, for the display the
// application has connected to: call it after init and before any font is
// created. Returns whether the resolution is the desktop's to set from now on,
// that is whether the user left the registry's entry unset.
bool followDesktopResolution(FX::FXApp& application);
