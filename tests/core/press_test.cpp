#include <gtest/gtest.h>

#include <cmath>

#include "core/model/press.h"

namespace movra {
namespace {

TEST(PressCell, RoundsToTheNearestCellCornerWithTiesToEven) {
    EXPECT_EQ(PressCell(0), 1);
    EXPECT_EQ(PressCell(15), 1);
    EXPECT_EQ(PressCell(30), 2);   // 1.5
    EXPECT_EQ(PressCell(31), 2);
    EXPECT_EQ(PressCell(89), 2);
    EXPECT_EQ(PressCell(90), 2);   // 2.5
    EXPECT_EQ(PressCell(150), 4);  // 3.5
    EXPECT_EQ(PressCell(1755), 30);
}

TEST(PressCell, TheOutermostPixelsCountAsTheLastCell) {
    EXPECT_EQ(PressCell(1770), 30);  // 30.5: ties to even
    EXPECT_EQ(PressCell(1785), 30);  // would be 31
    EXPECT_EQ(PressCell(PondWidthTwips), 30);
}

TEST(PressPoint, TheSameDevicePointPicksTheSameCellAtEveryDensity) {
    // A device pixel is 15 / density twips, as the forms runtime counts it:
    // at 150 % pixel 3 is 30 twips, a tie that goes to column 2.
    struct Sample {
        double density;
        int pixel;
        float twips;
        int cell;
    };
    for (const Sample& s : {Sample{1, 2, 30, 2}, Sample{1, 6, 90, 2}, Sample{1.25, 10, 120, 3}, Sample{1.25, 11, 132, 3},
                            Sample{1.5, 3, 30, 2}, Sample{1.5, 9, 90, 2}, Sample{1.5, 10, 100, 3}, Sample{2, 4, 30, 2},
                            Sample{2, 7, 52.5f, 2}, Sample{3, 6, 30, 2}, Sample{3, 30, 150, 4}}) {
        const std::optional<TwipsPoint> at = PressPoint(s.pixel, s.pixel, s.density);
        ASSERT_TRUE(at) << s.density;
        EXPECT_EQ(at->x, s.twips) << s.density << " " << s.pixel;
        EXPECT_EQ(PressCell(at->y), s.cell) << s.density << " " << s.pixel;
    }
}

TEST(PressPoint, OnlyTheInnerAreaIsPressedAndItsLastPixelsAreTheLastCell) {
    for (const double density : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        // The first device pixels at or past the inner area's 120 by 119 logical pixels.
        const int width = int(std::ceil(120 * density)), height = int(std::ceil(119 * density));
        const std::optional<TwipsPoint> last = PressPoint(width - 1, height - 1, density);
        ASSERT_TRUE(last) << density;
        EXPECT_EQ(PressCell(last->x), 30) << density;
        EXPECT_EQ(PressCell(last->y), 30) << density;
        EXPECT_FALSE(PressPoint(width, 0, density)) << density;
        EXPECT_FALSE(PressPoint(0, height, density)) << density;
        EXPECT_FALSE(PressPoint(-1, 0, density)) << density;
    }
    // Nor can a density that no screen has take a press off the cells.
    for (const double density : {0.0, -1.0, std::nan("")}) EXPECT_FALSE(PressPoint(4, 4, density)) << density;
}

TEST(PressPond, RightButtonAloneOpensTheMenuAndPlacesNothing) {
    Model model;
    ResetModel(model);
    EXPECT_TRUE(PressPond(model, RightButton, 935, 455));
    EXPECT_EQ(model.Sources(1).Age, 0);
}

TEST(PressPond, OtherButtonCodesPlaceASourceOnThePressedCell) {
    Model model;
    ResetModel(model);
    EXPECT_FALSE(PressPond(model, LeftButton, 935, 455));
    EXPECT_FALSE(PressPond(model, MiddleButton, 30, 30));
    EXPECT_FALSE(PressPond(model, LeftButton + RightButton, 1785, 0));
    EXPECT_EQ(model.Sources(1).X, 17);
    EXPECT_EQ(model.Sources(1).Y, 9);
    EXPECT_EQ(model.Sources(2).X, 2);
    EXPECT_EQ(model.Sources(2).Y, 2);
    EXPECT_EQ(model.Sources(3).X, 30);
    EXPECT_EQ(model.Sources(3).Age, 1);
}

}  // namespace
}  // namespace movra
