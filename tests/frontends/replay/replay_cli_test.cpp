// The movra-replay program as its users meet it: exit statuses, messages, image files.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <QImage>
#include <QImageReader>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct Outcome {
    int status;
    QByteArray out, err;
};

Outcome Replay(const QStringList& arguments, const QByteArray& script) {
    QProcess process;
    process.start(MOVRA_REPLAY, arguments);
    process.write(script);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(ReplayProgram, ABadScriptLineStopsBeforeAnyOutputWithStatus2) {
    const Outcome run = Replay({}, "press 935 455\ntick 2\npress 20 20 9\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.startsWith("movra-replay: standard input:3: ")) << run.err.toStdString();
}

TEST(ReplayProgram, BadOptionsAndUnwritableOutputsAreRefusedUpFront) {
    for (const QStringList& arguments :
         {QStringList{"--scale", "17"}, QStringList{"--frobnicate"}, QStringList{"a", "b"},
          QStringList{"--gif", "/nonexistent/dir/x.gif"}, QStringList{"--png", "/proc/movra"},
          QStringList{"/nonexistent/script"}}) {
        const Outcome run = Replay(arguments, "tick\n");
        EXPECT_EQ(run.status, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith("movra-replay: "));
    }
}

TEST(ReplayProgram, MessagesNameTheFileTheLineAndTheSystemsReasonOrHintAtHelp) {
    QTemporaryDir dir;
    const QString script = dir.filePath("rain.txt");
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("press 10 20\ntick\ntcik\n");
    file.close();
    const std::pair<QStringList, QString> cases[] = {
        {{script}, script + ":3: unknown command 'tcik'"},
        {{dir.filePath("nosuch.txt")}, "cannot read " + dir.filePath("nosuch.txt") + ": No such file or directory"},
        {{dir.path()}, "cannot read " + dir.path() + ": Is a directory"},
        {{"--gif", dir.path()}, "cannot write " + dir.path() + ": Is a directory"},
        {{"--gfi", "x.gif"}, "Unknown option 'gfi'. Try 'movra-replay --help'."},
        {{"a", "b"}, "Unexpected argument 'b'. Try 'movra-replay --help'."},
    };
    for (const auto& [arguments, message] : cases)
        EXPECT_EQ(Replay(arguments, "tick\n").err, "movra-replay: " + message.toUtf8() + "\n");
}

TEST(ReplayProgram, HelpNamesTheProgramAndAnOptionalScriptAndListsNoQtOptions) {
    const Outcome run = Replay({"--help"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("Usage: movra-replay [options] [SCRIPT]\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("\n  -h, --help       Show this help and end.\n"));
    EXPECT_FALSE(run.out.contains("--help-all"));
}

TEST(ReplayProgram, VersionNamesTheFileVersion) {
    const Outcome run = Replay({"--version"}, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "movra-replay 1.00 (Movra Ver0.61)\n");
}

TEST(ReplayProgram, ReadsTheScriptFromStandardInputGivenADash) {
    const Outcome run = Replay({"-"}, "press 935 455\ntick 2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.endsWith("tick 2\nbox 960 480 1020 540 15400960\n"));
}

TEST(ReplayProgram, InATerminalSaysWhereTheScriptComesFromAndHowToEndIt) {
    int typing = -1, terminal = -1;
    ASSERT_EQ(openpty(&typing, &terminal, nullptr, nullptr, nullptr), 0);
    QProcess process;
    process.setStandardInputFile(ttyname(terminal));
    process.start(MOVRA_REPLAY, {});
    const char typed[] = "press 935 455\ntick 2\n\x04";  // Ctrl+D ends it
    ASSERT_EQ(write(typing, typed, sizeof typed - 1), ssize_t(sizeof typed - 1));
    process.waitForFinished(30000);
    close(typing);
    close(terminal);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError(),
              "movra-replay: reading the script from standard input; end it with Ctrl+D (on Windows Ctrl+Z, "
              "Enter), or see 'movra-replay --help'.\n");
    EXPECT_TRUE(process.readAllStandardOutput().endsWith("tick 2\nbox 960 480 1020 540 15400960\n"));
}

TEST(ReplayProgram, TraceBesideAGifOnlyWhenAsked) {
    QTemporaryDir dir;
    const Outcome run = Replay({"--gif=" + dir.filePath("pond.gif"), "--trace"}, "press 935 455\ntick 2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.endsWith("tick 2\nbox 960 480 1020 540 15400960\n"));
}

TEST(ReplayProgram, ImagesShowThePaintedCellsEnlargedWholePixels) {
    QTemporaryDir dir;
    const QString gif = dir.filePath("pond.gif");
    const Outcome run = Replay({"--png", dir.path(), "--gif", gif, "--scale", "3"}, "press 935 455\ntick 2\n");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());  // no trace beside the images unless asked

    const QImage first(dir.filePath("tick-0001.png"));
    const QImage second(dir.filePath("tick-0002.png"));
    ASSERT_EQ(second.size(), QSize(360, 357));
    EXPECT_EQ(first.pixel(16 * 12 + 6, 8 * 12 + 6), qRgb(0, 0, 200));
    EXPECT_EQ(second.pixel(16 * 12 + 6, 8 * 12 + 6), qRgb(0, 0, 235));  // cell (17, 9)
    EXPECT_EQ(second.pixel(16 * 12, 8 * 12), qRgb(0, 0, 235));          // its corner pixel
    EXPECT_EQ(second.pixel(17 * 12, 8 * 12), qRgb(0, 0, 200));          // the next cell
    EXPECT_EQ(second.pixel(359, 356), qRgb(0xf0, 0xf0, 0xf0));          // unpainted strip

    QImageReader animation(gif);
    EXPECT_EQ(animation.imageCount(), 2);
    EXPECT_EQ(animation.nextImageDelay(), 100);
    EXPECT_EQ(animation.read().pixel(16 * 12 + 6, 8 * 12 + 6), qRgb(0, 0, 200));
    EXPECT_EQ(animation.read().pixel(16 * 12 + 6, 8 * 12 + 6), qRgb(0, 0, 235));
}

}  // namespace
