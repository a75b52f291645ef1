#include <gtest/gtest.h>

#include <cmath>

#include "core/model/build_tables.h"

namespace movra {
namespace {

// Entries by age t (rows) and lag d = t - k behind the front (columns 0..9).
constexpr int Expected[30][10] = {
    {0}, {0, 35}, {0, 35, -35}, {0, 30, -30, -5}, {0, 30, -30, -5, 20},
    {0, 30, -30, -5, 20, -20}, {0, 25, -30, -5, 15, -20, -5},
    {0, 25, -30, -5, 15, -20, -5, 5}, {0, 25, -25, -5, 15, -20, -5, 5, -10},
    {0, 25, -25, -5, 15, -15, -5, 5, -10, -5}, {0, 20, -25, -5, 15, -15, -5, 5, -10, -5},
    {0, 20, -25, -5, 15, -15, -5, 5, -10, -5}, {0, 20, -20, -5, 10, -15, -5, 5, -5, -5},
    {0, 20, -20, -5, 10, -15, -5, 5, -5, -5}, {0, 15, -20, -5, 10, -15, -5, 5, -5, -5},
    {0, 15, -20, -5, 10, -15, -5, 5, -5, -5}, {0, 15, -15, -5, 10, -10, -5, 5, -5, -5},
    {0, 15, -15, -5, 10, -10, -5, 5, -5, -5}, {0, 10, -15, -5, 5, -10, -5, 0, -5, -5},
    {0, 10, -15, -5, 5, -10, -5, 0, -5, -5}, {0, 10, -15, -5, 5, -10, -5, 0, -5, -5},
    {0, 10, -10, -5, 5, -10, -5, 0, -5, -5}, {0, 5, -10, -5, 5, -10, -5, 0, -5, -5},
    {0, 5, -10, -5, 5, -5, -5, 0, -5, -5}, {0, 5, -10, -5, 0, -5, -5, 0, -5, -5},
    {0, 5, -5, -5, 0, -5, -5, 0, -5, -5}, {0, 0, -5, -5, 0, -5, -5, 0, -5, -5},
    {0, 0, -5, -5, 0, -5, -5, 0, -5, -5}, {0, 0, -5, -5, 0, -5, -5, 0, -5, -5},
    {0},
};

class TablesTest : public ::testing::Test {
protected:
    void SetUp() override { BuildTables(model); }
    Model model;
};

TEST_F(TablesTest, EveryWaveEntryMatchesTheTableByAgeAndLag) {
    for (int t = 1; t <= 30; ++t)
        for (int k = 1; k <= 60; ++k) {
            const int lag = t - k;
            const int expected = (lag >= 0 && lag < 10) ? Expected[t - 1][lag] : 0;
            EXPECT_EQ(model.WaveTable(t, k), expected) << "t=" << t << " k=" << k;
        }
}

TEST_F(TablesTest, FloorTurnsTheTinyNegativesOf628IntoMinusFive) {
    EXPECT_EQ(model.WaveTable(4, 1), -5);   // lag 3
    EXPECT_EQ(model.WaveTable(29, 20), -5);  // floor of -0.000318
    EXPECT_EQ(model.WaveTable(29, 21), -5);
    EXPECT_EQ(model.WaveTable(29, 22), 0);
}

TEST_F(TablesTest, DistanceIsTheFlooredHypotenuseAndSymmetric) {
    EXPECT_EQ(model.DistanceTable(1, 1), 1);
    EXPECT_EQ(model.DistanceTable(2, 1), 2);
    EXPECT_EQ(model.DistanceTable(2, 2), 2);
    EXPECT_EQ(model.DistanceTable(3, 3), 4);
    EXPECT_EQ(model.DistanceTable(3, 4), 5);
    EXPECT_EQ(model.DistanceTable(30, 30), 42);
    for (int i = 1; i <= 30; ++i) {
        EXPECT_EQ(model.DistanceTable(i, 1), i);
        for (int j = 1; j <= 30; ++j) {
            EXPECT_EQ(model.DistanceTable(i, j), model.DistanceTable(j, i));
            // Integer square root, independent of floating point.
            const int d = model.DistanceTable(i, j);
            EXPECT_LE(d * d, i * i + j * j);
            EXPECT_GT((d + 1) * (d + 1), i * i + j * j);
        }
    }
}

TEST(TablesBuild, ResetLeavesTablesUntouchedUntilTheBuild) {
    Model model;
    model.WaveTable(2, 1) = 7;
    ResetModel(model);
    EXPECT_EQ(model.WaveTable(2, 1), 7);
    BuildTables(model);
    EXPECT_EQ(model.WaveTable(2, 1), 35);
}

}  // namespace
}  // namespace movra
