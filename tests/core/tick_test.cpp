#include <gtest/gtest.h>

#include <random>

#include "core/model/build_tables.h"
#include "core/render/draw_pass.h"
#include "core/render/recording_surface.h"
#include "tests/core/reference_tick.h"
#include "core/model/tick_update.h"

namespace movra {
namespace {

class TickTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetModel(model);
        BuildTables(model);
    }
    int CellsNotAt(int level) const {
        int count = 0;
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 30; ++y) count += model.LevelGrid(x, y) != level;
        return count;
    }
    Model model;
};

TEST_F(TickTest, WithoutSourcesATickChangesNothing) {
    model.LevelGrid(4, 4) = 300;
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(4, 4), 300);
    EXPECT_EQ(CellsNotAt(200), 1);
}

TEST_F(TickTest, SourceInTheCornerAddsNothingFirstThenItsCentreWave) {
    PlaceSource(model, 1, 1);
    TickUpdate(model);
    EXPECT_EQ(CellsNotAt(200), 0);
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(1, 1), 200 + 35);  // WaveTable(2, 1)
    EXPECT_EQ(model.LevelGrid(2, 2), 200);       // WaveTable(2, 2) is the front: 0
    EXPECT_EQ(CellsNotAt(200), 1);
}

TEST_F(TickTest, LastColumnAndRowAreSimulatedLikeAnyOtherCell) {
    PlaceSource(model, 30, 30);
    TickUpdate(model);
    TickUpdate(model);
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(30, 30), 200 + 35 - 35);    // ages 2 and 3 at distance 1
    EXPECT_EQ(model.LevelGrid(29, 30), 200 + 35);         // age 3 at distance 2
}

TEST_F(TickTest, SourceAgesOneToThirtyThenItsSlotIsFree) {
    PlaceSource(model, 10, 10);
    for (int age = 1; age <= 30; ++age) {
        ASSERT_EQ(model.Sources(1).Age, age);
        TickUpdate(model);
    }
    EXPECT_EQ(model.Sources(1).Age, 0);
}

TEST_F(TickTest, TwoSourcesOnOneCellAddTwice) {
    PlaceSource(model, 7, 7);
    PlaceSource(model, 7, 7);
    TickUpdate(model);
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(7, 7), 200 + 2 * 35);
}

TEST_F(TickTest, OutOfRangeLevelsArePulledBackAndThatContributionDropped) {
    PlaceSource(model, 5, 5);
    model.Sources(1).Age = 2;  // adds 35 at (5, 5)
    model.LevelGrid(5, 5) = 260;
    model.LevelGrid(6, 6) = -10;
    model.LevelGrid(7, 7) = 255;
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(5, 5), 255);
    EXPECT_EQ(model.LevelGrid(6, 6), 0);
    EXPECT_EQ(model.LevelGrid(7, 7), 255);  // in range: the front's 0 is added
}

TEST_F(TickTest, ALevelPushedOutByOneSourceIsClampedAtTheNextSourcesVisit) {
    model.LevelGrid(5, 5) = 250;
    PlaceSource(model, 5, 5);
    PlaceSource(model, 5, 5);
    model.Sources(1).Age = 2;  // +35: 285, out of range but kept
    model.Sources(2).Age = 3;  // would add -35; the clamp comes first
    TickUpdate(model);
    EXPECT_EQ(model.LevelGrid(5, 5), 255);
}

TEST_F(TickTest, AgreesWithThePerCellLoopOnRandomScenarios) {
    std::mt19937 random(20261208);
    for (int scenario = 0; scenario < 40; ++scenario) {
        Model fast, reference;
        for (Model* m : {&fast, &reference}) {
            ResetModel(*m);
            BuildTables(*m);
        }
        const bool drawing = scenario % 2 == 0;  // without it, levels pile up at the limits
        RecordingSurface surface;
        for (int tick = 0; tick < 200; ++tick) {
            const int presses = std::uniform_int_distribution(0, 3)(random) == 0 ? 2 : 0;
            for (int p = 0; p < presses; ++p) {
                const auto col = Int16(std::uniform_int_distribution(1, 30)(random));
                const auto row = Int16(std::uniform_int_distribution(1, 30)(random));
                PlaceSource(fast, col, row);
                PlaceSource(reference, col, row);
            }
            TickUpdate(fast);
            testing::TickReference(reference);
            for (int x = 1; x <= 30; ++x)
                for (int y = 1; y <= 30; ++y)
                    ASSERT_EQ(fast.LevelGrid(x, y), reference.LevelGrid(x, y))
                        << "scenario " << scenario << " tick " << tick << " cell " << x << "," << y;
            for (int i = 1; i <= 10; ++i) ASSERT_EQ(fast.Sources(i).Age, reference.Sources(i).Age);
            if (drawing) {
                DrawPass(fast, surface);
                DrawPass(reference, surface);
            }
        }
    }
}

TEST_F(TickTest, PondRestsOnlyOnceTheLastRingIsRepaintedAndWakesOnAPress) {
    RecordingSurface surface;
    EXPECT_FALSE(AtRest(model));  // nothing shown yet
    DrawPass(model, surface);
    ASSERT_TRUE(AtRest(model));
    PlaceSource(model, 5, 5);
    PlaceSource(model, 30, 30);  // rings into the undrawn last column and row
    EXPECT_FALSE(AtRest(model));
    for (int tick = 1; tick <= 30; ++tick) {
        TickUpdate(model);
        // The last tick frees the slots, but its ring is still to be repainted.
        EXPECT_FALSE(AtRest(model)) << tick;
        DrawPass(model, surface);
        EXPECT_EQ(AtRest(model), tick == 30) << tick;
    }
    // A carried-over cell (its level equals what it shows) does not keep it awake.
    model.LevelGrid(3, 3) = model.ShownGrid(3, 3) = 230;
    EXPECT_TRUE(AtRest(model));
    // At rest, a tick and a pass change nothing at all.
    const Model before = model;
    TickUpdate(model);
    DrawPass(model, surface);
    EXPECT_EQ(model.LevelGrid, before.LevelGrid);
    EXPECT_EQ(model.ShownGrid, before.ShownGrid);
    PlaceSource(model, 1, 1);
    EXPECT_FALSE(AtRest(model));
}

TEST_F(TickTest, SourceOutsideThePondRaisesSubscriptOutOfRange) {
    for (const Int16 bad : {Int16(0), Int16(31), Int16(-32768), Int16(32767)}) {
        Model m = model;
        PlaceSource(m, bad, 5);
        try {
            TickUpdate(m);
            ADD_FAILURE() << "no error for column " << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), SubscriptOutOfRangeError);
        }
    }
}

TEST_F(TickTest, AnOverflowingSumRaisesOverflowLikeTheReference) {
    model.WaveTable(2, 1) = 32767;
    BuildRings(model);
    PlaceSource(model, 5, 5);
    TickUpdate(model);
    for (auto tick : {TickUpdate, testing::TickReference}) {
        Model m = model;
        try {
            tick(m);
            ADD_FAILURE() << "no overflow";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), OverflowError);
        }
    }
}

TEST(Int16, StoringRoundsToEvenAndArithmeticIsChecked) {
    EXPECT_EQ(Round16(1.5), 2);
    EXPECT_EQ(Round16(2.5), 2);
    EXPECT_EQ(Round16(-0.5), 0);
    EXPECT_EQ(Round16(31.5), 32);
    EXPECT_THROW(Round16(32767.5), RuntimeError);
    EXPECT_THROW(Add16(32767, 1), RuntimeError);
    EXPECT_THROW(Abs16(-32768), RuntimeError);
    try {
        Mul16(200, 200);
        ADD_FAILURE();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), OverflowError);
        EXPECT_STREQ(e.what(), "オーバーフローしました。");
    }
}

TEST(Arrays, SubscriptOutsideTheOneBasedBoundsIsAnError) {
    Model model;
    EXPECT_NO_THROW(model.LevelGrid(30, 30));
    EXPECT_THROW(model.LevelGrid(0, 1), RuntimeError);
    EXPECT_THROW(model.LevelGrid(1, 31), RuntimeError);
    EXPECT_THROW(model.WaveTable(31, 1), RuntimeError);
    EXPECT_NO_THROW(model.WaveTable(30, 60));
    EXPECT_THROW(model.Sources(11), RuntimeError);
}

}  // namespace
}  // namespace movra
