#include <gtest/gtest.h>

#include "core/model/model.h"
#include "core/model/tick_update.h"
#include "core/model/build_tables.h"

namespace movra {
namespace {

TEST(ResetModel, CalmsThePondFreesEverySlotAndLeavesShownAtZero) {
    Model model;
    model.Sources(3).Age = 12;
    model.LevelGrid(30, 30) = 5;
    ResetModel(model);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(model.Sources(i).Age, 0);
    for (int x = 1; x <= 30; ++x)
        for (int y = 1; y <= 30; ++y) {
            EXPECT_EQ(model.LevelGrid(x, y), 200);
            EXPECT_EQ(model.ShownGrid(x, y), 0);
        }
}

TEST(PlaceSource, FillsSlotsInOrderAndIgnoresTheEleventhPress) {
    Model model;
    ResetModel(model);
    for (int i = 1; i <= 10; ++i) PlaceSource(model, Int16(i), Int16(31 - i));
    PlaceSource(model, 15, 15);
    for (int i = 1; i <= 10; ++i) {
        EXPECT_EQ(model.Sources(i).X, i);
        EXPECT_EQ(model.Sources(i).Y, 31 - i);
        EXPECT_EQ(model.Sources(i).Age, 1);
    }
}

TEST(PlaceSource, ReusesTheLowestFreedSlotOverwritingItsOldCell) {
    Model model;
    ResetModel(model);
    BuildTables(model);
    PlaceSource(model, 1, 1);                          // slot 1
    for (int t = 0; t < 5; ++t) TickUpdate(model);     // slot 1 at age 6
    PlaceSource(model, 2, 2);                          // slot 2
    for (int t = 0; t < 25; ++t) TickUpdate(model);    // slot 1 has lived 30 ticks
    ASSERT_EQ(model.Sources(1).Age, 0);
    ASSERT_EQ(model.Sources(2).Age, 26);
    EXPECT_EQ(model.Sources(1).X, 1);  // a freed slot keeps its old cell...
    PlaceSource(model, 9, 8);
    EXPECT_EQ(model.Sources(1).X, 9);  // ...until it is reused first
    EXPECT_EQ(model.Sources(1).Y, 8);
    EXPECT_EQ(model.Sources(1).Age, 1);
    EXPECT_EQ(model.Sources(3).Age, 0);
}

}  // namespace
}  // namespace movra
