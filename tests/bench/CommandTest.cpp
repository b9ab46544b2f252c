// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A measured program's command: which leading words set its environment, and
// the environment it then starts in.
#include "Command.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

TEST(BenchCommand, OnlyLeadingVariableAssignmentsSetTheEnvironment) {
    // A D-Bus address holds '=' and ',' in its value.
    Command session = splitCommand({"DBUS_SESSION_BUS_ADDRESS=unix:path=/tmp/b,guid=1f",
                                    "XDG_RUNTIME_DIR=/tmp/s", "build/vyx-calculator", "--x=1"});
    EXPECT_EQ(session.assignments, (Words{"DBUS_SESSION_BUS_ADDRESS=unix:path=/tmp/b,guid=1f",
                                          "XDG_RUNTIME_DIR=/tmp/s"}));
    EXPECT_EQ(session.argv, (Words{"build/vyx-calculator", "--x=1"}));
    // A program whose path holds '=' is no assignment, nor is a name that
    // starts with a digit or is empty.
    EXPECT_EQ(splitCommand({"./a=b", "x"}).argv, (Words{"./a=b", "x"}));
    EXPECT_EQ(splitCommand({"1A=b", "x"}).argv, (Words{"1A=b", "x"}));
    EXPECT_EQ(splitCommand({"=b", "x"}).argv, (Words{"=b", "x"}));
    EXPECT_TRUE(splitCommand({"A=b"}).argv.empty());
}

TEST(BenchCommand, AnAssignmentReplacesTheInheritedEntryOfItsNameOnly) {
    Words inherited{"DISPLAY=:5", "XDG_RUNTIME_DIR=/run/user/0", "XDG_RUNTIME_DIR_X=keep"};
    EXPECT_EQ(
        environmentWith(inherited, {"XDG_RUNTIME_DIR=/tmp/s", "DBUS_SESSION_BUS_ADDRESS=a=b"}),
        (Words{"DISPLAY=:5", "XDG_RUNTIME_DIR=/tmp/s", "XDG_RUNTIME_DIR_X=keep",
               "DBUS_SESSION_BUS_ADDRESS=a=b"}));
    EXPECT_EQ(environmentWith(inherited, {}), inherited);
}

} // namespace
