// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading sd-bus when the bridge first needs it.
#pragma once

// Loads libsystemd's sd-bus; false when it is not installed. Until it is
// loaded, every sd-bus function fails as it does with no bus.
bool loadSdBus();
