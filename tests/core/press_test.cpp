#include <gtest/gtest.h>

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
