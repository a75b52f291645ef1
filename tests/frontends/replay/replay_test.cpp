#include <gtest/gtest.h>

#include <sstream>

#include "forms/replay.h"

namespace movra::replay {
namespace {

std::string Trace(const std::string& script, bool levels = false) {
    std::string out;
    Replay replay;
    replay.Run(script::ReadScript(script), [&](const std::string& lines) { out += lines; }, levels);
    return out;
}

std::string CalmFirstPass() {
    std::string boxes;
    for (int x = 1; x <= 29; ++x)
        boxes += "box " + std::to_string((x - 1) * 60) + " 0 " + std::to_string(x * 60) +
                 " 1740 13107200\n";
    return boxes;
}

TEST(ReplayTrace, OnePressSpreadsFromItsCellTickByTick) {
    EXPECT_EQ(Trace("press 935 455\ntick 3\n"),
              "tick 1\n" + CalmFirstPass() +
                  "tick 2\n"
                  "box 960 480 1020 540 15400960\n"  // WaveTable(2, 1) = 35 at (17, 9)
                  "tick 3\n"                          // -35 there, +35 on its neighbours
                  "box 900 420 960 600 15400960\n"
                  "box 960 420 1020 480 15400960\n"
                  "box 960 480 1020 540 10813440\n"
                  "box 960 540 1020 600 15400960\n"
                  "box 1020 420 1080 600 15400960\n");
}

TEST(ReplayTrace, RightPressPrintsPopupAndPlacesNothing) {
    EXPECT_EQ(Trace("tick\npress 935 455 2\ntick 2\n"), "tick 1\n" + CalmFirstPass() +
                                                           "popup\ntick 2\ntick 3\n");
}

TEST(ReplayTrace, LevelsListRowsOfColumnsAndTheAges) {
    const std::string trace = Trace("press 0 0 5\ntick 2\n", true);
    const std::string tail = trace.substr(trace.rfind("levels\n"));
    std::istringstream lines(tail);
    std::string line;
    std::getline(lines, line);
    std::getline(lines, line);
    EXPECT_EQ(line.substr(0, 12), "200 200 200 ");  // (1, 1) was painted and put back
    for (int row = 2; row <= 30; ++row) std::getline(lines, line);
    std::getline(lines, line);
    EXPECT_EQ(line, "ages 3 0 0 0 0 0 0 0 0 0");
}

}  // namespace
}  // namespace movra::replay
