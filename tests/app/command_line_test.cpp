// The movra program's options, run as a user runs them.
#include <gtest/gtest.h>

#include <QProcess>

namespace {

struct Outcome {
    int status;
    QByteArray out, err;
};

// The program runs with a platform that does not exist: anything that got as
// far as the application object would abort instead of answering.
Outcome Movra(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "no-such-platform");
    process.setProcessEnvironment(environment);
    process.start(MOVRA_PROGRAM, arguments);
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

}  // namespace
