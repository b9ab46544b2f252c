// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings a desktop's settings manager publishes over X (XSETTINGS): the
// manager owns the selection _XSETTINGS_S<screen> and keeps every setting in
// one property of the owning window, _XSETTINGS_SETTINGS, which it rewrites
// as a whole whenever one changes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The integer setting of that name in the property's bytes. Nothing when there
// is none, when it holds a string or a colour, or when the bytes end before it
// is found: the property is read as the manager wrote it, in either byte order.
std::optional<std::int32_t> xsettingsInteger(const unsigned char* data, std::size_t size,
                                             const char* name);

// The names a client needs, interned once for a display.
struct XSettingsAtoms {
    unsigned long selection = 0; // _XSETTINGS_S<screen>
    unsigned long property = 0;  // _XSETTINGS_SETTINGS
    unsigned long manager = 0;   // MANAGER, the announcement of a new owner
};

// The display is Xlib's, passed as the toolkit passes it.
XSettingsAtoms xsettingsAtoms(void* display);

// The window holding the screen's settings now; 0 when no manager runs. With
// `watch`, the window's changes and its end are selected for, before the
// settings are read, so that no change after the reading goes unseen.
unsigned long xsettingsOwner(void* display, const XSettingsAtoms& atoms, bool watch);

// The property's bytes on that window; empty when the window has none or is
// gone (a manager may quit at any time).
std::vector<unsigned char> xsettingsData(void* display, const XSettingsAtoms& atoms,
                                         unsigned long owner);
