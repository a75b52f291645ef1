// The movra program's options, run as a user runs them.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <sstream>

#include "core/script/script.h"
#include "frontends/qt/command_line.h"

namespace {

struct Outcome {
    int status;
    QByteArray out, err;
};

// The program runs with a platform that does not exist: anything that got as
// far as the application object would abort instead of answering.
void StartMovra(QProcess& process, const QStringList& arguments, const QString& platform) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", platform);
    process.setProcessEnvironment(environment);
    process.start(MOVRA_PROGRAM, arguments);
}

Outcome Movra(const QStringList& arguments) {
    QProcess process;
    StartMovra(process, arguments, "no-such-platform");
    process.waitForFinished(30000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(MovraOptions, HelpAndVersionAnswerWithoutADisplay) {
    const Outcome version = Movra({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "Movra Ver0.61\nFile version 1.00\n");
    const Outcome help = Movra({"-h"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: movra [options]\n")) << help.out.toStdString();
}

TEST(MovraOptions, AnUnknownOptionOrArgumentIsOneLineAndStatus2BeforeAnyWindow) {
    for (const QStringList& arguments : {QStringList{"--frobnicate"}, QStringList{"pond.txt"}}) {
        const Outcome run = Movra(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("movra: ")) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
    }
}

TEST(MovraOptions, WithNeitherADisplayNorAPlatformItSaysSoWithStatus3) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    process.setProcessEnvironment(environment);
    process.start(MOVRA_PROGRAM, {});
    process.waitForFinished(30000);
    EXPECT_EQ(process.exitCode(), 3);
    EXPECT_EQ(process.readAllStandardError(),
              "movra: no display: set DISPLAY or WAYLAND_DISPLAY, or run it in a desktop session\n");
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(none)";
}

void Write(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

TEST(MovraOptions, AStrayArgumentThatIsARecordingHintsAtPlayingIt) {
    QTemporaryDir dir;
    const QString recording = dir.filePath("session.txt");
    Write(recording, "press 10 20\ntick 2\n");
    EXPECT_EQ(Movra({recording}).err, "movra: Unexpected argument '" + recording.toUtf8() +
                                          "'; to play a recording: movra --play " + recording.toUtf8() + "\n");
    EXPECT_EQ(Movra({"pond.txt"}).err, "movra: Unexpected argument 'pond.txt'. Try 'movra --help'.\n");
}

TEST(MovraOptions, BadRecordAndPlayFilesStopWithStatus2BeforeAnyWindowAndOverwriteNothing) {
    QTemporaryDir dir;
    const QString kept = dir.filePath("kept.txt"), fresh = dir.filePath("fresh.txt");
    const QString bad = dir.filePath("bad.txt"), good = dir.filePath("good.txt");
    Write(kept, "precious\n");
    Write(bad, "press 10 20\ntick 2\nboom\n");
    Write(good, "press 10 20\ntick 2\n");
    const std::pair<QStringList, QString> cases[] = {
        {{"--play", bad, "--record", kept}, "movra: " + bad + ":3: unknown command 'boom'\n"},
        {{"--record", fresh, "--play", bad}, "movra: " + bad + ":3: unknown command 'boom'\n"},
        {{"--play", dir.filePath("missing.txt")},
         "movra: cannot read " + dir.filePath("missing.txt") + ": No such file or directory\n"},
        {{"--play", dir.path()}, "movra: cannot read " + dir.path() + ": Is a directory\n"},
        {{"--record", dir.filePath("no/such/dir.txt")}, "movra: cannot write " + dir.filePath("no/such/dir.txt")},
        {{"--record", dir.path()}, "movra: cannot write " + dir.path()},
    };
    for (const auto& [arguments, message] : cases) {
        const Outcome run = Movra(arguments);
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(message.toUtf8())) << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1);
    }
    // Nor does a program that passed its checks but found no display.
    Movra({"--play", good, "--record", kept});
    EXPECT_EQ(Contents(kept), "precious\n");
    EXPECT_FALSE(QFile::exists(fresh));
}

TEST(MovraOptions, RecordingIntoTheRecordingToPlayIsRefusedAndLeavesItWhole) {
    QTemporaryDir dir;
    const QString played = dir.filePath("same.txt"), link = dir.filePath("link.txt");
    QByteArray presses;
    for (int i = 0; i < 95; ++i) presses += "press " + QByteArray::number(i * 17) + " 900\ntick\n";
    Write(played, presses);
    ASSERT_TRUE(QFile::link(played, link));
    for (const QString& record : {played, dir.path() + "/./same.txt", link}) {
        // A window that did start would empty the file; it is killed if it runs.
        QProcess movra;
        StartMovra(movra, {"--play", played, "--record", record}, "offscreen");
        if (!movra.waitForFinished(5000)) movra.kill();
        movra.waitForFinished();
        EXPECT_EQ(movra.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(movra.exitCode(), 2);
        EXPECT_EQ(movra.readAllStandardError(),
                  "movra: cannot record into " + record.toUtf8() + ": it is the recording to play\n");
        EXPECT_EQ(Contents(played), presses);
    }
}

TEST(MovraOptions, ARecordingCutOffByAKillIsAValidScriptUpToItsLastFlushedLine) {
    QTemporaryDir dir;
    const QString played = dir.filePath("played.txt"), recording = dir.filePath("recording.txt");
    QByteArray presses;
    for (int i = 0; i < 100; ++i) presses += "press " + QByteArray::number(i * 17) + " 900\ntick 5\n";
    Write(played, presses);
    Write(recording, "an older recording\n");  // emptied once the program has started
    QProcess movra;
    StartMovra(movra, {"--play", played, "--record", recording}, "offscreen");
    // Flushed once a second as it goes: wait for the presses of the first
    // second and a half, then kill it somewhere between two flushes.
    for (int i = 0; i < 300 && Contents(recording).count("press") < 4; ++i) QTest::qWait(50);
    QTest::qWait(321);
    movra.kill();
    movra.waitForFinished();

    const QByteArray cut = Contents(recording);
    EXPECT_TRUE(cut.startsWith("# movra 1.00 (Movra Ver0.61), recorded ")) << cut.toStdString();
    EXPECT_TRUE(cut.endsWith('\n'));
    std::vector<movra::script::Command> commands;
    ASSERT_NO_THROW(commands = movra::script::LoadScript(recording.toStdString()));
    EXPECT_GE(std::count_if(commands.begin(), commands.end(),
                            [](const auto& command) { return command.kind == movra::script::Command::Press; }),
              4);
}

TEST(MovraOptions, ARecordingThatCannotBeWrittenIsReportedOnceAndThePondGoesOn) {
    QProcess movra;
    StartMovra(movra, {"--record", "/dev/full"}, "offscreen");
    QByteArray err;
    for (int i = 0; i < 100 && !err.contains("movra: cannot write /dev/full: "); ++i) {
        QTest::qWait(50);
        err += movra.readAllStandardError();
    }
    QTest::qWait(1200);  // past the next flush, which says nothing more
    err += movra.readAllStandardError();
    EXPECT_EQ(err.count("movra: cannot write /dev/full: "), 1) << err.toStdString();
    EXPECT_EQ(movra.state(), QProcess::Running);
    movra.kill();
    movra.waitForFinished();
}

TEST(MovraOptions, TheRainDropsOnThePondByItselfAndIsRecordedAsPresses) {
    QTemporaryDir dir;
    const QString recording = dir.filePath("rain.txt");
    QProcess movra;
    StartMovra(movra, {"--rain-seed", "7", "--record", recording}, "offscreen");
    // Drops come a second apart on average; the recording is written once a second.
    for (int i = 0; i < 100 && !Contents(recording).contains("press"); ++i) QTest::qWait(50);
    movra.kill();
    movra.waitForFinished();
    EXPECT_TRUE(Contents(recording).contains("\npress ")) << Contents(recording).toStdString();
}

TEST(MovraOptions, ZoomFullScreenAndRainPassOnFromTheCommandLine) {
    std::ostringstream out, err;
    const movra::qt::CommandLine line =
        movra::qt::ReadCommandLine({"movra", "--zoom", "3", "--full-screen", "--rain"}, out, err);
    EXPECT_FALSE(line.exitStatus);
    EXPECT_EQ(line.zoom, 3);
    EXPECT_TRUE(line.fullScreen);
    EXPECT_TRUE(line.rain);
    EXPECT_FALSE(line.rainSeed);
}

}  // namespace
