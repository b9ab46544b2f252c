// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The diff of two walks of the tree, on walks written by hand: which typed
// events come, with what, and in which order.
#include <gtest/gtest.h>

#include <tuple>

#include "Protocol.h"
#include "TreeDiff.h"

using namespace FX;

namespace {

// A walk: the application, one frame (1), a panel (2) with two buttons
// (3, 4), the second display-like radio button checked.
std::vector<AccessibleNode> walk() {
    std::vector<AccessibleNode> nodes(5);
    const FXuint roles[] = {ROLE_APPLICATION, ROLE_FRAME, ROLE_PANEL, ROLE_PUSH_BUTTON,
                            ROLE_RADIO_BUTTON};
    const FXint parents[] = {-1, 0, 1, 2, 2};
    for (FXint i = 0; i < 5; i++) {
        nodes[i].id = static_cast<FXuint>(i * 10);
        nodes[i].role = roles[i];
        nodes[i].parent = parents[i];
        nodes[i].name = "node " + std::to_string(i);
        nodes[i].box = {i, i, 10, 10};
        if (parents[i] >= 0) {
            nodes[i].indexInParent = static_cast<FXint>(nodes[parents[i]].children.size());
            nodes[parents[i]].children.push_back(i);
        }
    }
    nodes[1].set(A11Y_ACTIVE, true);
    nodes[4].set(A11Y_CHECKED, true);
    nodes[3].set(A11Y_FOCUSED, true);
    return nodes;
}

std::vector<TreeEvent::Kind> kinds(const std::vector<TreeEvent>& events) {
    std::vector<TreeEvent::Kind> out;
    for (const TreeEvent& e : events)
        out.push_back(e.kind);
    return out;
}

} // namespace

TEST(TreeDiff, ChangedValuesComeAsTypedEventsWithTheFocusLast) {
    const std::vector<AccessibleNode> before = walk();
    EXPECT_TRUE(diffTrees(before, before).empty());

    std::vector<AccessibleNode> now = walk();
    now[4].name = "12";
    now[4].set(A11Y_CHECKED, false);
    now[3].box.w = 20;
    now[3].set(A11Y_FOCUSED, false);
    now[4].set(A11Y_FOCUSED, true);
    now[1].set(A11Y_ACTIVE, false);
    const std::vector<TreeEvent> events = diffTrees(before, now);
    ASSERT_EQ(kinds(events),
              (std::vector<TreeEvent::Kind>{TreeEvent::NAME_CHANGED, TreeEvent::STATE_CHANGED,
                                            TreeEvent::STATE_CHANGED, TreeEvent::BOUNDS_CHANGED,
                                            TreeEvent::FOCUS_LEFT, TreeEvent::FOCUS_CAME}));
    EXPECT_EQ(events[0].source, 40u);
    EXPECT_EQ(events[0].text, "12");
    // The frame's activation is a window's; the button's check is not.
    EXPECT_EQ(std::make_tuple(events[1].source, events[1].state, events[1].on, events[1].window),
              std::make_tuple(10u, static_cast<FXuint>(A11Y_ACTIVE), false, true));
    EXPECT_EQ(std::make_tuple(events[2].source, events[2].state, events[2].on, events[2].window),
              std::make_tuple(40u, static_cast<FXuint>(A11Y_CHECKED), false, false));
    EXPECT_EQ(events[3].box, (Box{3, 3, 20, 10}));
    EXPECT_EQ(std::make_pair(events[4].source, events[5].source), std::make_pair(30u, 40u));
}

TEST(TreeDiff, ChildrenThatGoAreDefunctAndNewWindowsAreCreated) {
    const std::vector<AccessibleNode> before = walk();
    // The first button goes and the focus with it; a dialog comes, active.
    std::vector<AccessibleNode> now = walk();
    now[2].children = {4};
    now[4].indexInParent = 0;
    now[3].id = 99; // what stands at its index now is another object
    now[3].parent = 0;
    now[3].role = ROLE_DIALOG;
    now[3].children.clear();
    now[3].set(A11Y_FOCUSED, false);
    now[3].set(A11Y_ACTIVE, true);
    now[3].indexInParent = 1;
    now[0].children = {1, 3};
    // A focus that went with its object is not said to leave it.
    const std::vector<TreeEvent> events = diffTrees(before, now);
    ASSERT_EQ(kinds(events),
              (std::vector<TreeEvent::Kind>{TreeEvent::CHILD_ADDED, TreeEvent::WINDOW_CREATED,
                                            TreeEvent::STATE_CHANGED, TreeEvent::CHILD_REMOVED,
                                            TreeEvent::STATE_CHANGED}));
    EXPECT_EQ(std::make_tuple(events[0].source, events[0].child, events[0].index),
              std::make_tuple(0u, 99u, 1));
    EXPECT_EQ(events[1].source, 99u);
    EXPECT_TRUE(events[2].window && events[2].on && events[2].state == A11Y_ACTIVE);
    EXPECT_EQ(std::make_tuple(events[3].source, events[3].child, events[3].index),
              std::make_tuple(20u, 30u, 0));
    EXPECT_EQ(std::make_tuple(events[4].source, events[4].state, events[4].on),
              std::make_tuple(30u, static_cast<FXuint>(A11Y_DEFUNCT), true));

    // A child that moves to another parent leaves one and comes to the
    // other, and is not defunct.
    std::vector<AccessibleNode> moved = walk();
    moved[2].children = {3};
    moved[1].children = {2, 4};
    moved[4].parent = 1;
    moved[4].indexInParent = 1;
    EXPECT_EQ(kinds(diffTrees(before, moved)),
              (std::vector<TreeEvent::Kind>{TreeEvent::CHILD_ADDED, TreeEvent::CHILD_REMOVED}));
}
