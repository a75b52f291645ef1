// The shared form under a fake toolkit: what every front end's window does,
// proved once.
#include <gtest/gtest.h>

#include "forms/frm_movra.h"
#include "forms/player.h"
#include "forms/recorder.h"
#include "tests/forms/fake_controls.h"

namespace movra::forms {
namespace {

using Log = std::vector<std::string>;

// Follows the form into the log, as a recorder would.
struct Follower : FormFollower {
    explicit Follower(Log& log) : log(log) {}
    void Ticked() override { log.push_back("ticked"); }
    void Woke(int skipped) override { log.push_back("woke " + std::to_string(skipped)); }
    void Pressed(int button, float x, float y) override {
        log.push_back("pressed " + std::to_string(button) + " " + std::to_string(int(x)) + " " + std::to_string(int(y)));
    }
    void Closing() override { log.push_back("closing"); }
    Log& log;
};

class FormTest : public testing::Test {
protected:
    FormTest() { form.Load(); }

    // The timer's event, at a time on the clock.
    void TickAt(std::int64_t ms) {
        fake.now = ms;
        form.Timer1_Event();
    }

    FakeControls fake;
    FrmMovra form{fake.controls()};
};

TEST_F(FormTest, TheFirstTickPaintsThePondThenTheTimerSleepsAndAPressWakesItOnItsGrid) {
    EXPECT_EQ(fake.Take(), (Log{"timer 100"}));
    EXPECT_EQ(form.model().AppDir, "/usr/lib/movra/");
    Follower follower(fake.log);
    form.Follow(follower);
    TickAt(100);
    EXPECT_EQ(fake.boxes, 29);  // the calm pond, one column at a time
    EXPECT_EQ(fake.Take(), (Log{"timer off", "ticked"}));  // at rest: asleep

    fake.now = 640;  // five grid instants skipped; the next is 60 ms away
    form.Picture1_Event(1, 935, 455);
    EXPECT_EQ(fake.Take(), (Log{"timer 60", "woke 5", "pressed 1 935 455"}));
    TickAt(700);
    EXPECT_EQ(fake.Take(), (Log{"timer 100", "ticked"}));  // a whole period again
    EXPECT_EQ(form.model().Sources(1).X, 17);
    EXPECT_EQ(form.model().Sources(1).Age, 2);
    form.Unfollow(follower);
}

TEST_F(FormTest, ARightPressOpensTheMenuWhereItWasAfterTheFollowersAndStirsNothing) {
    TickAt(100);
    Follower follower(fake.log);
    form.Follow(follower);
    fake.Take();
    form.Picture1_Event(2, 300, 600);
    EXPECT_EQ(fake.Take(), (Log{"pressed 2 300 600", "popup 300 600"}));
    EXPECT_EQ(form.model().Sources(1).Age, 0);
    EXPECT_TRUE(form.Timer1().Asleep());
    form.Unfollow(follower);
}

TEST_F(FormTest, TheMenusCommandsOpenTheHelpBesideTheProgramAndTheAboutBoxAndEnd) {
    Follower follower(fake.log);
    form.Follow(follower);
    fake.Take();
    form.Menu_Event(MenuItem::MnuHelp);
    form.Menu_Event(MenuItem::MnuVersion);
    form.Menu_Event(MenuItem::MnuEnd);
    EXPECT_EQ(fake.Take(), (Log{"help /usr/lib/movra/Movra.hlp", "version", "timer off", "closing", "end 0"}));
    // Nothing runs after the end.
    TickAt(100);
    form.Picture1_Event(1, 0, 0);
    form.Menu_Event(MenuItem::MnuVersion);
    EXPECT_TRUE(fake.Take().empty());
    EXPECT_EQ(form.model().Sources(1).Age, 0);
}

TEST(FormLoadTest, AppDirEndsInOneSeparatorEvenAtADriveRoot) {
    for (const auto& [path, dir] : {std::pair{"C:\\", "C:\\"}, std::pair{"C:\\Movra", "C:\\Movra\\"}}) {
        FakeControls fake;
        fake.appPath = path;
        fake.separator = '\\';
        FrmMovra form(fake.controls());
        form.Load();
        EXPECT_EQ(form.model().AppDir, dir);
    }
}

TEST_F(FormTest, ARunTimeErrorIsReportedOnceAndEndsTheProgramWithFailure) {
    form.model().Sources(1) = SourceSlot{31, 5, 1};  // outside the tables
    fake.Take();
    TickAt(100);
    TickAt(200);
    EXPECT_EQ(fake.Take(), (Log{"error 9", "timer off", "end 1"}));
    EXPECT_TRUE(form.Ended());
}

// A recording's file, which fails to take writes once told to.
struct Sink : RecordSink {
    std::optional<std::string> Write(const std::string& lines) override {
        if (!failure) text += lines;
        return failure;
    }
    void Tell(const std::string& message) override { told.push_back(message); }
    // What was written, after the header's line.
    std::string Lines() const { return text.substr(text.find('\n') + 1); }
    std::string text;
    std::optional<std::string> failure;
    std::vector<std::string> told;
};

TEST_F(FormTest, TheRecorderCountsTheRestAtEachFlushAndPressAndTellsAFailedWriteOnce) {
    Sink sink;
    Recorder recorder(form, sink, "out.txt");
    TickAt(100);  // paints the calm pond and sleeps
    fake.now = 540;
    recorder.Flush();  // four ticks skipped so far
    fake.now = 740;
    form.Picture1_Event(1, 15, 30);  // wakes, having skipped six
    recorder.Flush();
    EXPECT_EQ(sink.Lines(), "tick 5\ntick 2\npress 15 30 1\n");
    sink.failure = "No space left on device";
    TickAt(800);
    recorder.Flush();
    TickAt(900);
    recorder.Flush();
    EXPECT_EQ(sink.told, Log{"movra: cannot write out.txt: No space left on device; the recording stops here\n"});
}

TEST_F(FormTest, ASessionPlayedThroughTheFormIsRecordedAsItWasPlayed) {
    const std::string played = "tick 3\npress 935 455 1\ntick 40\npress 30 30 2\ntick 5\npress 1770 0 4\ntick 40\n";
    Sink sink;
    Recorder recorder(form, sink, "session.txt");
    Player player(form, script::ReadScript(played));
    // The last 40 ticks end in a rest, which the flush counts.
    for (int tick = 1; tick <= 88; ++tick) {
        fake.now = tick * 100;
        // The timer fires only while it runs; asleep, its grid counts on.
        if (!form.Timer1().Asleep()) form.Timer1_Event();
    }
    recorder.Flush();
    EXPECT_EQ(sink.Lines(), played);
}

TEST_F(FormTest, AKeysDropLandsOnTheCursorsCellOddOrEvenAndAtTheFarCorner) {
    const auto dropAt = [&](int slot, int column, int row) {
        form.Key_Event(PondKey::Drop, false);
        EXPECT_EQ(form.model().Sources(slot).X, column) << slot;
        EXPECT_EQ(form.model().Sources(slot).Y, row) << slot;
    };
    dropAt(1, 15, 15);  // where the cursor starts
    form.Key_Event(PondKey::Right, false);
    form.Key_Event(PondKey::Down, false);
    dropAt(2, 16, 16);
    form.Key_Event(PondKey::End, false);
    form.Key_Event(PondKey::PageDown, false);
    dropAt(3, 29, 29);
    form.Key_Event(PondKey::Home, false);
    form.Key_Event(PondKey::PageUp, false);
    dropAt(4, 1, 1);
}

}  // namespace
}  // namespace movra::forms
