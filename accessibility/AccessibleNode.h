// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One object of a walk of the widget tree, as it was at that walk: plain
// values, so that two walks can be compared without the toolkit.
#pragma once

#include <fx.h>

#include <string>
#include <vector>

// A box inside the top-level window, in pixels.
struct Box {
    FX::FXint x = 0, y = 0, w = 0, h = 0;
    bool operator==(const Box& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
    bool operator!=(const Box& o) const { return !(*this == o); }
    bool contains(FX::FXint px, FX::FXint py) const {
        // Compared in 64 bits: a caller's point may be anywhere in 32.
        return static_cast<long long>(px) >= x && static_cast<long long>(py) >= y &&
               static_cast<long long>(px) < static_cast<long long>(x) + w &&
               static_cast<long long>(py) < static_cast<long long>(y) + h;
    }
};

struct AccessibleNode {
    FX::FXWindow* widget = nullptr; // none for the application
    FX::FXuint id = 0;              // the number in its object path; 0 for the application
    FX::FXint parent = -1;          // index of its parent node; -1 for the application
    FX::FXint indexInParent = -1;
    std::vector<FX::FXint> children; // indexes of its child nodes, in the toolkit's order
    FX::FXuint role = 0;
    std::string name;
    std::string description;
    FX::FXuint states[2] = {0, 0};
    Box box; // where it is in its top-level window; the window's own is at 0, 0

    bool has(FX::FXuint state) const { return (states[state / 32] >> (state % 32)) & 1; }
    void set(FX::FXuint state, bool on) {
        const FX::FXuint bit = 1u << (state % 32);
        states[state / 32] = on ? states[state / 32] | bit : states[state / 32] & ~bit;
    }
};
