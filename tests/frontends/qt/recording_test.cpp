// The recorder and the player on the real window, checked against the replay of what was recorded.
#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTemporaryDir>
#include <tuple>

#include "tests/frontends/qt/program_fixture.h"
#include "forms/player.h"
#include "forms/record_file.h"
#include "forms/recorder.h"
#include "forms/replay.h"
#include "core/script/script.h"

namespace movra {
namespace {

using script::Command;

// The painted cells of a pond picture: 29 by 29 cells of 4 by 4 pixels.
QImage Cells(const QImage& pond) { return pond.copy(0, 0, 116, 116).convertToFormat(QImage::Format_RGB32); }

// What the replay paints after each tick.
std::vector<QImage> Replayed(const std::vector<Command>& recording) {
    std::vector<QImage> frames;
    replay::Replay().Run(recording, {}, false, [&](long, const ImageSurface& pond) {
        frames.push_back(Cells(QImage(reinterpret_cast<const uchar*>(pond.pixels()), pond.width(), pond.height(),
                                      QImage::Format_RGB32)));
    });
    return frames;
}

// A press as the picture box gets it: (tick after which it came, button code, x, y in twips).
using TimedPress = std::tuple<long, int, float, float>;

std::vector<TimedPress> Presses(const std::vector<Command>& recording) {
    std::vector<TimedPress> presses;
    long tick = 0;
    for (const Command& command : recording) {
        if (command.kind == Command::Tick) tick += command.ticks;
        if (command.kind == Command::Press) presses.emplace_back(tick, command.button, command.x, command.y);
    }
    return presses;
}

class RecordingTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        std::error_code reason;
        file.emplace(path.toStdString(), [](const std::string&) {}, reason);
        ASSERT_FALSE(reason) << reason.message();
        recorder = std::make_unique<forms::Recorder>(form->form(), *file, file->name());
    }

    void TearDown() override {
        player.reset();
        recorder.reset();
        ProgramTest::TearDown();
    }

    // One 100-ms step of the clock: a tick if the timer runs; then the pond as shown.
    void Step(int times = 1) {
        for (int i = 0; i < times; ++i) {
            now += 100;
            if (form->Timer1->isActive()) Tick();
            frames.push_back(Cells(form->Picture1->grab().toImage().copy(1, 1, 120, 119)));
        }
    }

    // A press offset milliseconds after the last step, at a point of the
    // picture box (border included), with the buttons held.
    void Press(int offset, QPointF at, Qt::MouseButton button, Qt::MouseButtons buttons) {
        now += offset;
        QMouseEvent press(QEvent::MouseButtonPress, at, form->Picture1->mapToGlobal(at), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(form->Picture1, &press);
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        now -= offset;
    }

    // The whole recording: the recorder goes, and writes out what is left.
    std::vector<Command> Recording() {
        recorder.reset();
        return script::LoadScript(path.toStdString());
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("session.txt");
    std::optional<forms::RecordFile> file;
    std::unique_ptr<forms::Recorder> recorder;
    std::unique_ptr<forms::Player> player;
    std::vector<QImage> frames;  // the window's pond after each step
};

TEST_F(RecordingTest, ASessionRecordedFromTheWindowReplaysToEveryPictureItPainted) {
    Step(5);  // the calm pond is painted at once, then the timer sleeps
    Press(37, {13, 15}, Qt::RightButton, Qt::RightButton);  // asleep: the menu, no wake
    Press(0, {1 + 10 / 3.0, 1 + 118.5}, Qt::LeftButton, Qt::LeftButton);  // on a tick's instant, wakes it
    Step(3);
    Press(50, {61, 33}, Qt::MiddleButton, Qt::MiddleButton);
    Press(50, {41, 81}, Qt::RightButton, Qt::LeftButton | Qt::RightButton);  // a chord places a source
    Step();
    Press(0, {2, 90}, Qt::LeftButton, Qt::LeftButton);  // right after a tick
    Step(40);                                           // the pond comes to rest
    EXPECT_FALSE(form->Timer1->isActive());
    Press(10, {100, 100}, Qt::RightButton, Qt::RightButton);
    Step(5);
    Press(99, {117, 3}, Qt::LeftButton, Qt::LeftButton);
    Step(10);

    const std::vector<Command> recording = Recording();
    std::vector<std::pair<long, int>> presses;  // tick, button
    for (const auto& [tick, button, x, y] : Presses(recording)) presses.emplace_back(tick, button);
    EXPECT_EQ(presses, (std::vector<std::pair<long, int>>{{5, 2}, {5, 1}, {8, 4}, {8, 3}, {9, 1}, {49, 2}, {54, 1}}));
    const std::vector<QImage> replayed = Replayed(recording);
    ASSERT_EQ(replayed.size(), frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(replayed[i], frames[i]) << "tick " << i + 1;
}

TEST_F(RecordingTest, PlayedPressesLandOnTheirTicksAcrossARestAndLivePressesAreRecordedBetween) {
    const std::string played(
        "press 600 600\n"
        "tick 50\n"  // the first rings are gone by tick 36: the pond rests until the next press
        "press 1200 900 4\ntick 3\npress 450 1350 2\ntick 2\npress 1500.5 300.25 3\ntick 6\n");
    player = std::make_unique<forms::Player>(form->form(), script::ReadScript(played));
    Step(5);
    Press(40, {41, 61}, Qt::LeftButton, Qt::LeftButton);
    Step(90);  // the last played press has rung out: the timer sleeps again
    EXPECT_FALSE(form->Timer1->isActive());
    Press(20, {81, 21}, Qt::LeftButton, Qt::LeftButton);
    Step(5);

    const std::vector<Command> recording = Recording();
    EXPECT_EQ(Presses(recording), (std::vector<TimedPress>{{0, 1, 600, 600},
                                                           {5, 1, 600, 900},
                                                           {50, 4, 1200, 900},
                                                           {53, 2, 450, 1350},
                                                           {55, 3, 1500.5f, 300.25f},
                                                           {95, 1, 1200, 300}}));
    const std::vector<QImage> replayed = Replayed(recording);
    ASSERT_EQ(replayed.size(), frames.size());
    EXPECT_EQ(replayed.back(), frames.back());
}

}  // namespace
}  // namespace movra
