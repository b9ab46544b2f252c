// SPDX-FileCopyrightText: 2026 The Vyx calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Object numbers and their paths.
#include <gtest/gtest.h>

#include "ObjectIds.h"

using namespace FX;

TEST(ObjectIds, ANumberIsNeverGivenToAnotherWidget) {
    ObjectIds ids;
    int widgets[2] = {};
    const FXuint first = ids.idOf(&widgets[0], 100);
    EXPECT_EQ(ids.idOf(&widgets[0], 100), first);
    // A widget made where a freed one lived has another window.
    const FXuint reborn = ids.idOf(&widgets[0], 101);
    EXPECT_NE(reborn, first);
    ids.forgetUnseen();
    // Both were seen in that walk; the next walk sees only the second widget.
    const FXuint other = ids.idOf(&widgets[1], 200);
    ids.forgetUnseen();
    EXPECT_EQ(ids.size(), 1u);
    // The forgotten widgets come back as new objects.
    const FXuint again = ids.idOf(&widgets[0], 100);
    EXPECT_TRUE(again != first && again != reborn && again != other && first != 0);
}

TEST(ObjectIds, PathsNameNumbersOnlyAsTheyAreWritten) {
    EXPECT_EQ(objectPath(0), "/org/a11y/atspi/accessible/root");
    for (const FXuint id : {1u, 42u, 4294967295u})
        EXPECT_EQ(objectId(objectPath(id).c_str()), std::optional<FXuint>(id));
    for (const char* path :
         {"/org/a11y/atspi/accessible/0", "/org/a11y/atspi/accessible/012",
          "/org/a11y/atspi/accessible/+1", "/org/a11y/atspi/accessible/4294967296",
          "/org/a11y/atspi/accessible/99999999999999999999", "/org/a11y/atspi/accessible/1a",
          "/org/a11y/atspi/accessible/", "/org/a11y/atspi/accessible1",
          "/org/a11y/atspi/accessible/root/1", "/org/a11y/atspi/null", ""})
        EXPECT_EQ(objectId(path), std::nullopt) << path;
    EXPECT_EQ(objectId(nullptr), std::nullopt);
}
