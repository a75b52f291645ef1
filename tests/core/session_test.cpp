// The recording and playing rules that every front end shares, over a rest of the timer.
#include <gtest/gtest.h>

#include "core/session/playback.h"
#include "core/session/recording.h"
#include "core/session/tick_grid.h"

namespace movra::session {
namespace {

TEST(SessionTest, ARestBetweenTicksIsCountedOnceAndPlaysBackOnTheSameTick) {
    TickGrid grid(100);
    Recording recording(std::chrono::sys_days{std::chrono::December / 9 / 2026} + std::chrono::hours(15));
    for (int t = 100; t <= 300; t += 100) {
        grid.Ticked(t);
        recording.Ticked();
    }
    grid.Sleep();
    recording.Resting(grid.Missed(1020));  // a flush while asleep: 7 skipped so far
    EXPECT_EQ(grid.Missed(1020), 7);
    const TickGrid::Wakeup wakeup = grid.Wake(1250);  // a press wakes it
    EXPECT_EQ(wakeup.missed, 9);
    EXPECT_EQ(wakeup.delayMs, 50);  // back on the beat at 1300
    recording.Woke(wakeup.missed);
    recording.Pressed(1, 935, 455.5f);
    recording.Ticked();

    const std::string lines = recording.TakeLines();
    EXPECT_EQ(lines,
              "# movra " MOVRA_FILE_VERSION " (Movra Ver0.61), recorded 2026-12-09T15:00:00Z\n"
              "tick 12\npress 935 455.5 1\ntick 1\n");

    Playback playback(script::ReadScript(lines));
    EXPECT_TRUE(playback.Advance(0).empty());
    EXPECT_TRUE(playback.Advance(11).empty());
    const std::vector<script::Command> due = playback.Advance(1);
    ASSERT_EQ(due.size(), 1u);
    EXPECT_EQ(due[0].y, 455.5f);
    EXPECT_FALSE(playback.Pending());
}

}  // namespace
}  // namespace movra::session
