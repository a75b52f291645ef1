// The script format: what the reader takes and refuses, and what the writer writes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "core/script/script.h"
#include "core/script/script_writer.h"

namespace movra::script {
namespace {

int ErrorLine(const std::string& script) {
    try {
        ReadScript(script);
    } catch (const ScriptError& error) {
        return error.line();
    }
    return 0;
}

TEST(ScriptReader, IgnoresCommentsAndBlankLinesAndTakesDefaults) {
    const auto commands = ReadScript("# a comment\n\n  press 1.5 2.25   # left\ntick\ntick 3\npress 0 0 4\n");
    ASSERT_EQ(commands.size(), 4u);
    EXPECT_EQ(commands[0].kind, Command::Press);
    EXPECT_FLOAT_EQ(commands[0].y, 2.25f);
    EXPECT_EQ(commands[0].button, 1);
    EXPECT_EQ(commands[1].ticks, 1);
    EXPECT_EQ(commands[2].ticks, 3);
    EXPECT_EQ(commands[3].button, 4);
}

TEST(ScriptReader, ReportsTheLineOfTheFirstBadCommand) {
    EXPECT_EQ(ErrorLine("tick\njump 1 2\n"), 2);
    EXPECT_EQ(ErrorLine("press 10\n"), 1);
    EXPECT_EQ(ErrorLine("\n\npress 10 20 8\n"), 3);       // button out of range
    EXPECT_EQ(ErrorLine("press 10 20 1.5\n"), 1);
    EXPECT_EQ(ErrorLine("press 1800 0\n"), 1);             // outside the pond
    EXPECT_EQ(ErrorLine("press 0 1785\n"), 1);
    EXPECT_EQ(ErrorLine("press -1 0\n"), 1);
    EXPECT_EQ(ErrorLine("press nan 0\n"), 1);
    EXPECT_EQ(ErrorLine("press 0x10 0\n"), 1);
    EXPECT_EQ(ErrorLine("tick 0\n"), 1);
    EXPECT_EQ(ErrorLine("tick 2 3\n"), 1);
    EXPECT_EQ(ErrorLine("tick 99999999999999999999\n"), 1);
    EXPECT_EQ(ErrorLine("press 1799.9 1784.9 7\ntick 1000000\n"), 0);
}

TEST(ScriptReader, ReadsTheSameFromAFileAsFromText) {
    // Longer than the reader's buffer, with Windows's line ends and no last one.
    std::string text = "# made elsewhere\r\npress 1.5 2\r\n\n  tick\t3 # three\n";
    while (text.size() < 10000) text += "tick 2\r\npress 1799.75 0.125 7\n";
    text += "press 0 0 4";
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), std::fclose);
    ASSERT_TRUE(file);
    ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file.get()), text.size());
    std::rewind(file.get());
    const auto fromFile = ReadScript(file.get()), fromText = ReadScript(std::string_view(text));
    EXPECT_FALSE(std::ferror(file.get()));
    ASSERT_GT(fromText.size(), 500u);
    EXPECT_EQ(fromText[1].ticks, 3);
    EXPECT_EQ(fromText.back().button, 4);
    ASSERT_EQ(fromFile.size(), fromText.size());
    for (std::size_t i = 0; i < fromText.size(); ++i) {
        EXPECT_EQ(fromFile[i].kind, fromText[i].kind);
        EXPECT_EQ(fromFile[i].x, fromText[i].x);
        EXPECT_EQ(fromFile[i].y, fromText[i].y);
        EXPECT_EQ(fromFile[i].button, fromText[i].button);
        EXPECT_EQ(fromFile[i].ticks, fromText[i].ticks);
    }
    try {
        ReadScript(std::string_view("tick\n\ntcik 3\n"));
        FAIL() << "a bad line read";
    } catch (const ScriptError& error) {
        EXPECT_STREQ(error.what(), "line 3: unknown command 'tcik'");
    }
}

TEST(ScriptWriter, WritesWholeLinesThatReadBackAsTheSamePressesAndTicks) {
    // Twips as presses give them: whole and fractional pixels (at a pixel
    // ratio of 1.75, say) times 15, and the smallest and largest floats in range.
    std::vector<float> positions = {0, std::nextafter(0.0f, 1.0f), std::nextafter(1800.0f, 0.0f)};
    for (int i = 0; i < 210; ++i) positions.push_back(float(i / 1.75 * 15));
    ScriptWriter writer;
    writer.Comment("made by a test");
    for (std::size_t i = 0; i < positions.size(); ++i) {
        writer.Add({Command::Tick});
        writer.Add({Command::Tick, 0, 0, 1, 2});
        writer.Add({Command::Press, positions[i], positions[positions.size() - 1 - i] * 0.99f, int(i % 7) + 1});
    }
    writer.Add({Command::Tick, 0, 0, 1, 2 * MaxTicks + 5});
    const std::string lines = writer.TakeLines();
    ASSERT_EQ(lines.substr(0, 17), "# made by a test\n");
    EXPECT_EQ(lines.back(), '\n');
    EXPECT_EQ(writer.TakeLines(), "");

    const std::vector<Command> commands = ReadScript(lines);
    ASSERT_EQ(commands.size(), 2 * positions.size() + 3);
    for (std::size_t i = 0; i < positions.size(); ++i) {
        EXPECT_EQ(commands[2 * i].ticks, 3);
        EXPECT_EQ(commands[2 * i + 1].x, positions[i]);  // the same float, not merely close
        EXPECT_EQ(commands[2 * i + 1].y, positions[positions.size() - 1 - i] * 0.99f);
        EXPECT_EQ(commands[2 * i + 1].button, int(i % 7) + 1);
    }
    EXPECT_EQ(commands.back().ticks, 5);
    EXPECT_EQ(commands[commands.size() - 2].ticks, MaxTicks);
}

}  // namespace
}  // namespace movra::script
