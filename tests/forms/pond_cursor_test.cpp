// The keyboard's cursor on the pond, through the shared form headless.
#include <gtest/gtest.h>

#include "forms/recorder.h"
#include "forms/replay.h"
#include "tests/forms/memory_sink.h"

namespace movra::forms {
namespace {

using Pixels = std::vector<std::uint32_t>;

constexpr int Width = 120;  // pixels of the pond, one per logical pixel

Pixels Image(const ImageSurface& pond) { return Pixels(pond.pixels(), pond.pixels() + pond.width() * pond.height()); }

// The pixels of a cell (column, row): four by four.
Pixels Cell(const Pixels& image, int column, int row) {
    Pixels cell;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) cell.push_back(image[((row - 1) * 4 + y) * Width + (column - 1) * 4 + x]);
    return cell;
}

TEST(PondCursorTest, KeysMoveWithinTheDrawnCellsFromTheMiddleFiveAtATimeWhenFast) {
    PondCursor cursor;
    EXPECT_FALSE(cursor.Shown());
    cursor.Move(PondKey::Right, false);
    EXPECT_TRUE(cursor.Shown());
    EXPECT_EQ(cursor.Column(), 16);
    cursor.Move(PondKey::Up, true);
    EXPECT_EQ(cursor.Row(), 10);
    for (int i = 0; i < 4; ++i) cursor.Move(PondKey::Right, true);
    EXPECT_EQ(cursor.Column(), DrawnSize);  // stops at the last drawn column
    cursor.Move(PondKey::Home, false);
    cursor.Move(PondKey::PageDown, false);
    EXPECT_EQ(cursor.Column(), 1);
    EXPECT_EQ(cursor.Row(), DrawnSize);
    EXPECT_FLOAT_EQ(cursor.PressAt().x, 15);
    EXPECT_FLOAT_EQ(cursor.PressAt().y, 1695);
}

TEST(PondCursorTest, TheMarkerShowsOverTheCellAndMovingOrAPointerPressRestoresItExactly) {
    replay::Replay replay;
    replay.Run(script::ReadScript("press 935 455\ntick 6\n"), {}, false);
    const Pixels before = Image(replay.pond());
    replay.form().Key_Event(PondKey::Right, false);  // shown at (16, 15)
    const Pixels marked = Cell(Image(replay.pond()), 16, 15);
    const std::uint32_t yellow = 0xffffff00;
    EXPECT_EQ(marked[0], yellow);   // the frame
    EXPECT_EQ(marked[5], Cell(before, 16, 15)[5]);  // the middle shows the level
    replay.form().Key_Event(PondKey::Left, false);
    EXPECT_EQ(Cell(Image(replay.pond()), 16, 15), Cell(before, 16, 15));
    EXPECT_EQ(Cell(Image(replay.pond()), 15, 15)[15], yellow);
    replay.form().Picture1_Event(2, 0, 0);  // the pointer hides it
    EXPECT_FALSE(replay.form().cursor().Shown());
    EXPECT_EQ(Image(replay.pond()), before);
}

TEST(PondCursorTest, DropAndMenuKeysPressInTheCursorsCellAndAreRecordedSo) {
    replay::Replay replay;
    MemorySink sink;
    Recorder recorder(replay.form(), sink, "keys.txt");
    std::string trace;
    replay.Run(script::ReadScript("tick\n"), [&](const std::string& lines) { trace += lines; }, false);
    replay.form().Key_Event(PondKey::Down, false);
    replay.form().Key_Event(PondKey::Drop, false);
    replay.form().Key_Event(PondKey::Menu, false);
    recorder.Flush();
    EXPECT_EQ(replay.model().Sources(1).X, 15);
    EXPECT_EQ(replay.model().Sources(1).Y, 16);
    EXPECT_NE(trace.find("popup"), std::string::npos);
    EXPECT_EQ(sink.text.substr(sink.text.find('\n') + 1), "tick 1\npress 855 915 1\npress 855 915 2\n");
}

}  // namespace
}  // namespace movra::forms
