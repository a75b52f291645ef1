#include <gtest/gtest.h>

#include <array>

#include "core/render/draw_pass.h"
#include "core/render/image_surface.h"
#include "core/render/recording_surface.h"
#include "core/render/rgb.h"

namespace movra {
namespace {

class DrawPassTest : public ::testing::Test {
protected:
    // A calm pond that has been painted once.
    void SetUp() override {
        ResetModel(model);
        RecordingSurface first;
        DrawPass(model, first);
    }
    std::vector<Box> Pass() {
        RecordingSurface surface;
        DrawPass(model, surface);
        return surface.boxes;
    }
    Model model;
};

TEST(DrawPassStart, FirstPassPaintsEveryColumnCalmAndTheNextNothing) {
    Model model;
    ResetModel(model);
    RecordingSurface surface;
    DrawPass(model, surface);
    ASSERT_EQ(surface.boxes.size(), 29u);
    for (int x = 1; x <= 29; ++x)
        EXPECT_EQ(surface.boxes[x - 1], (Box{(x - 1) * 60.f, 0, x * 60.f, 1740, 13107200}));
    for (int x = 1; x <= 29; ++x)
        for (int y = 1; y <= 29; ++y) EXPECT_EQ(model.ShownGrid(x, y), 200);
    surface.boxes.clear();
    DrawPass(model, surface);
    EXPECT_TRUE(surface.boxes.empty());
}

TEST_F(DrawPassTest, ChangedCellsMergeDownwardsIntoOneBox) {
    for (int y = 2; y <= 4; ++y) model.LevelGrid(5, y) = 235;
    EXPECT_EQ(Pass(), (std::vector<Box>{{240, 60, 300, 240, RGB(0, 0, 235)}}));
    for (int y = 2; y <= 4; ++y) {
        EXPECT_EQ(model.ShownGrid(5, y), 235);
        EXPECT_EQ(model.LevelGrid(5, y), 200);
    }
    EXPECT_EQ(model.ShownGrid(5, 5), 200);
}

TEST_F(DrawPassTest, UnchangedLowerCellsOfEqualLevelJoinTheRun) {
    model.ShownGrid(7, 11) = 180;  // already showing 180
    model.LevelGrid(7, 11) = 180;
    model.LevelGrid(7, 10) = 180;  // changed, above it
    EXPECT_EQ(Pass(), (std::vector<Box>{{360, 540, 420, 660, RGB(0, 0, 180)}}));
    EXPECT_EQ(model.LevelGrid(7, 11), 200);
}

TEST_F(DrawPassTest, ACellAboveADifferentLevelIsPaintedAloneThenTheNextOnItsOwn) {
    model.LevelGrid(1, 1) = 210;
    model.LevelGrid(1, 2) = 190;
    model.LevelGrid(2, 5) = 190;
    EXPECT_EQ(Pass(), (std::vector<Box>{{0, 0, 60, 60, RGB(0, 0, 210)},
                                        {0, 60, 60, 120, RGB(0, 0, 190)},
                                        {60, 240, 120, 300, RGB(0, 0, 190)}}));
}

TEST_F(DrawPassTest, RunsStopAtRow29AndNeverTouchRow30OrColumn30) {
    for (int y = 28; y <= 30; ++y) model.LevelGrid(3, y) = 235;
    model.LevelGrid(30, 4) = 235;
    EXPECT_EQ(Pass(), (std::vector<Box>{{120, 1620, 180, 1740, RGB(0, 0, 235)}}));
    EXPECT_EQ(model.LevelGrid(3, 30), 235);
    EXPECT_EQ(model.ShownGrid(3, 30), 0);
    EXPECT_EQ(model.LevelGrid(30, 4), 235);
}

TEST_F(DrawPassTest, ALevelLeftAloneKeepsItsValueIntoTheNextTick) {
    model.LevelGrid(4, 4) = 235;
    Pass();
    model.LevelGrid(4, 4) = 235;  // the next tick rebuilds the same level
    model.ShownGrid(4, 4) = 235;
    EXPECT_TRUE(Pass().empty());
    EXPECT_EQ(model.LevelGrid(4, 4), 235);  // not put back to calm
}

TEST_F(DrawPassTest, LevelsOutsideTheColourRangeSaturateButAreRecordedAsTheyAre) {
    model.LevelGrid(9, 9) = 290;
    model.LevelGrid(10, 9) = -35;
    EXPECT_EQ(Pass(), (std::vector<Box>{{480, 480, 540, 540, RGB(0, 0, 255)},
                                        {540, 480, 600, 540, RGB(0, 0, 0)}}));
    EXPECT_EQ(model.ShownGrid(9, 9), 290);
    EXPECT_EQ(model.ShownGrid(10, 9), -35);
}

TEST(Rgb, ComposesBlueGreenRedAndSaturates) {
    EXPECT_EQ(RGB(0, 0, 200), 13107200u);
    EXPECT_EQ(RGB(1, 2, 3), 1u + 2 * 256 + 3 * 65536);
    EXPECT_EQ(RGB(300, 0, 290), 255u + 255 * 65536);
    EXPECT_EQ(RGB(0, 0, -10), 0u);
}

TEST(ImageSurface, ACellIsFourPixelsSquareWithItsFarEdgesUnpainted) {
    ImageSurface surface(120, 119, 1, 0xf0f0f0);
    surface.FillBox(60, 60, 120, 120, RGB(0, 0, 235));
    EXPECT_EQ(surface.pixel(4, 4), 0xff0000ebu);
    EXPECT_EQ(surface.pixel(7, 7), 0xff0000ebu);
    EXPECT_EQ(surface.pixel(8, 7), 0xfff0f0f0u);
    EXPECT_EQ(surface.pixel(7, 8), 0xfff0f0f0u);
    EXPECT_EQ(surface.pixel(3, 4), 0xfff0f0f0u);
    surface.FillBox(0, 180, 15, 181, 0);  // under a pixel high: paints nothing
    surface.FillBox(225, 15, 240, 30, 0);
    const ImageSurface::Rect painted = surface.TakePainted();
    EXPECT_EQ((std::array{painted.left, painted.top, painted.right, painted.bottom}), (std::array{4, 1, 16, 8}));
    EXPECT_TRUE(surface.TakePainted().empty());
}

TEST(ImageSurface, AtScaleTwoACellIsEightDevicePixelsAndBoxesAreClipped) {
    ImageSurface surface(120, 119, 2, 0);
    ASSERT_EQ(surface.width(), 240);
    ASSERT_EQ(surface.height(), 238);
    surface.FillBox(1740, 1740, 1800, 1800, RGB(0, 0, 200));  // reaches past the bottom
    EXPECT_EQ(surface.pixel(232, 232), 0xff0000c8u);
    EXPECT_EQ(surface.pixel(239, 237), 0xff0000c8u);
    EXPECT_EQ(surface.pixel(231, 237), 0xff000000u);
    const ImageSurface::Rect painted = surface.TakePainted();
    EXPECT_EQ((std::array{painted.left, painted.top, painted.right, painted.bottom}), (std::array{232, 232, 240, 238}));
}

}  // namespace
}  // namespace movra
