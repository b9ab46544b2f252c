// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which events the registered event types cover.
#include <gtest/gtest.h>

#include "RegisteredEvents.h"

TEST(RegisteredEvents, ATypeCoversItselfAndWhatItStarts) {
    RegisteredEvents events;
    // Before the registry has told its list, everything goes out.
    EXPECT_TRUE(events.wants("object:bounds-changed"));
    events.assign({{":1.5", "object:state-changed:focused"}, {":1.5", "Window:Activate"}});
    EXPECT_TRUE(events.wants("object:state-changed:focused"));
    EXPECT_TRUE(events.wants("window:activate"));
    EXPECT_FALSE(events.wants("object:state-changed:checked"));
    EXPECT_FALSE(events.wants("window:deactivate"));
    EXPECT_FALSE(events.wants("focus"));

    events.add(":1.7", "Object:StateChanged");
    events.add(":1.7", "focus:");
    EXPECT_TRUE(events.wants("object:state-changed:checked"));
    EXPECT_TRUE(events.wants("focus"));
    EXPECT_FALSE(events.wants("object:state-changed-x"));
    EXPECT_FALSE(events.wants("object:property-change:accessible-name"));
    events.add(":1.8", "object:");
    EXPECT_TRUE(events.wants("object:property-change:accessible-name"));
    EXPECT_FALSE(events.wants("objects"));

    // One registration goes at a time; a listener that leaves takes all of its own.
    events.add(":1.8", "object:");
    events.remove(":1.8", "object:");
    EXPECT_TRUE(events.wants("object:bounds-changed"));
    events.remove(":1.8", "object");
    EXPECT_FALSE(events.wants("object:bounds-changed"));
    events.remove(":1.7", "");
    EXPECT_FALSE(events.wants("focus"));
    EXPECT_TRUE(events.wants("window:activate"));
    events.assign({{":1.9", ""}});
    EXPECT_TRUE(events.wants("anything:at-all"));
    events.assign({});
    EXPECT_FALSE(events.wants("window:activate"));
}
