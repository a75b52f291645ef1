// The rain through the shared form: its drops, its rhythm, and its rest.
#include <gtest/gtest.h>

#include "forms/rain.h"
#include "forms/recorder.h"
#include "forms/replay.h"
#include "tests/forms/fake_controls.h"
#include "tests/forms/memory_sink.h"

namespace movra::forms {
namespace {

std::string RainTrace(std::uint32_t seed, long ticks, int* mostBusySlots = nullptr) {
    std::string trace;
    replay::Replay replay;
    replay.StartRain(seed);
    replay.Run(script::ReadScript("tick " + std::to_string(ticks) + "\n"), [&](const std::string& lines) { trace += lines; }, false,
               [&](long, const ImageSurface&) {
                   int busy = 0;
                   for (int i = 1; i <= SourceSlots; ++i) busy += replay.model().Sources(i).Age != 0;
                   if (mostBusySlots) *mostBusySlots = std::max(*mostBusySlots, busy);
               });
    return trace;
}

long Drops(const std::string& trace) {
    long drops = 0;
    for (std::size_t at = trace.find("press "); at != std::string::npos; at = trace.find("\npress ", at + 1)) ++drops;
    return drops;
}

TEST(RainTest, ASeedGivesTheSameDropsOnTheSameTicksAboutOneASecondAndNeverFillsTheSlots) {
    int mostBusy = 0;
    const std::string trace = RainTrace(1, 6000, &mostBusy);  // ten minutes
    EXPECT_EQ(trace, RainTrace(1, 6000));
    EXPECT_NE(trace, RainTrace(2, 6000));
    EXPECT_GT(Drops(trace), 540);
    EXPECT_LT(Drops(trace), 660);
    EXPECT_LT(mostBusy, SourceSlots);
}

TEST(RainTest, ARecordingOfRainReplaysWithoutRainToTheSamePond) {
    replay::Replay raining;
    MemorySink sink;
    Recorder recorder(raining.form(), sink, "rain.txt");  // before the rain, as in the window
    raining.StartRain(7);
    raining.Run(script::ReadScript("tick 400\n"), {}, false);
    recorder.Flush();

    replay::Replay replayed;
    replayed.Run(script::ReadScript(sink.text), {}, false);
    ASSERT_NE(sink.text.find("press "), std::string::npos);
    EXPECT_EQ(replayed.model().LevelGrid, raining.model().LevelGrid);
    EXPECT_EQ(replayed.model().ShownGrid, raining.model().ShownGrid);
}

// The rain's own timer, apart from Timer1.
struct RainDevice : TimerDevice {
    void Set(int intervalMs) override { log.push_back("rain timer " + std::to_string(intervalMs)); }
    void Kill() override { log.push_back("rain timer off"); }
    std::vector<std::string> log;
};

TEST(RainTest, AtRestTimer1SleepsAndTheRainsTimerWakesItForTheNextDrop) {
    FakeControls fake;
    FrmMovra form(fake.controls());
    form.Load();
    fake.now = 100;
    form.Timer1_Event();  // the calm pond is at rest: Timer1 sleeps
    fake.Take();
    RainDevice device;
    Rain rain(form, device, 1);
    ASSERT_EQ(device.log.size(), 1u);
    const int delay = std::stoi(device.log[0].substr(11));  // "rain timer N"
    EXPECT_EQ(delay % 100, 0);
    fake.now = 100 + delay;
    rain.Fired();
    // Woken on its grid, the skipped ticks told, and the drop falls at once.
    EXPECT_EQ(fake.Take(), (std::vector<std::string>{"timer 100"}));
    EXPECT_FALSE(form.Timer1().Asleep());
    int busy = 0;
    for (int i = 1; i <= SourceSlots; ++i) busy += form.model().Sources(i).Age != 0;
    EXPECT_EQ(busy, 1);
}

}  // namespace
}  // namespace movra::forms
