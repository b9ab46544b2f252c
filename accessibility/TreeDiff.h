// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What changed between two walks of the widget tree, as typed events in the
// order a screen reader needs them: the tree's shape first, then names (a
// widget that takes the focus is read with its new name), states, places,
// and the focus last. Pure: no toolkit calls, no bus.
#pragma once

#include <fx.h>

#include <string>
#include <vector>

#include "AccessibleNode.h"

struct TreeEvent {
    enum Kind {
        CHILD_REMOVED,       // child left source, from index
        CHILD_ADDED,         // child came under source, at index
        WINDOW_CREATED,      // source is a new top-level window
        WINDOW_DESTROYED,    // source was a top-level window
        NAME_CHANGED,        // text is the new name
        DESCRIPTION_CHANGED, // text is the new description
        STATE_CHANGED,       // state turned on or off
        BOUNDS_CHANGED,      // box is the new place
        FOCUS_LEFT,          // source lost the focus
        FOCUS_CAME,          // source took the focus
        ANNOUNCED,           // text is to be said, at the source's initiative
    };
    Kind kind;
    FX::FXuint source = 0; // object number of the object it is about
    FX::FXuint child = 0;  // the child's number, for children changes
    FX::FXint index = 0;   // the child's index in its parent, for children changes
    FX::FXuint state = 0;
    bool on = false;
    bool window = false; // the source is a top-level window
    std::string text;
    Box box;

    bool operator==(const TreeEvent& o) const;
};

// The states whose changes are told; the focus is told apart, last.
extern const FX::FXuint SIGNALLED_STATES[];
extern const std::size_t SIGNALLED_STATE_COUNT;

// The events that turn the walk before into the walk now. A node is the same
// object in both when it has the same number. An object that leaves the tree
// turns defunct, as listeners may still hold it.
std::vector<TreeEvent> diffTrees(const std::vector<AccessibleNode>& before,
                                 const std::vector<AccessibleNode>& now);
