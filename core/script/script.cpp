#include "core/script/script.h"

#include <algorithm>
#include <cmath>

#include "core/model/press.h"
#include "core/script/decimal.h"

namespace movra::script {
namespace {

constexpr const char* Blanks = " \t\n\v\f\r";  // what separates words, as for a stream

bool IsDecimal(const std::string& word) {
    std::size_t i = word[0] == '-' ? 1 : 0, digits = 0, points = 0;
    for (; i < word.size(); ++i) {
        if (word[i] == '.')
            ++points;
        else if (word[i] >= '0' && word[i] <= '9')
            ++digits;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

float Parse(const std::string& word, float) { return ReadFloat(word); }
double Parse(const std::string& word, double) { return ReadDouble(word); }

// Press positions are read straight into single precision, as the press
// handler takes them, so that a recorded position reads back bit for bit
// (the reader rounds correctly). A number too large for the type, or so
// small that it reads as zero, is refused.
template <typename Value>
Value Number(const std::string& word, int line, const char* what) {
    const bool decimal = IsDecimal(word);
    const Value value = decimal ? Parse(word, Value()) : 0;
    const bool read = decimal && !std::isinf(value) &&
                      (value != 0 || word.find_first_of("123456789") == std::string::npos);
    if (!read) throw ScriptError(line, std::string("not a number for ") + what + ": '" + word + "'");
    return value;
}

long Whole(const std::string& word, int line, const char* what, long low, long high) {
    const double value = Number<double>(word, line, what);
    if (value != std::floor(value) || value < low || value > high)
        throw ScriptError(line, std::string(what) + " must be a whole number from " +
                                    std::to_string(low) + " to " + std::to_string(high) +
                                    ": '" + word + "'");
    return long(value);
}

Command Press(const std::vector<std::string>& words, int line) {
    if (words.size() < 3 || words.size() > 4)
        throw ScriptError(line, "usage: press X Y [BUTTON]");
    Command command{Command::Press};
    command.x = Number<float>(words[1], line, "X");
    command.y = Number<float>(words[2], line, "Y");
    if (command.x < 0 || command.x >= PondWidthTwips || command.y < 0 || command.y >= PondHeightTwips)
        throw ScriptError(line, "press outside the pond (0 <= X < 1800, 0 <= Y < 1785 twips)");
    if (words.size() == 4) command.button = int(Whole(words[3], line, "BUTTON", 1, 7));
    return command;
}

Command Tick(const std::vector<std::string>& words, int line) {
    if (words.size() > 2) throw ScriptError(line, "usage: tick [N]");
    Command command{Command::Tick};
    if (words.size() == 2) command.ticks = Whole(words[1], line, "N", 1, MaxTicks);
    return command;
}

// One line of a script: its command, if it has one, goes into commands.
void ReadLine(std::string_view text, int line, std::vector<Command>& commands) {
    std::vector<std::string> words;
    const std::string_view code = text.substr(0, text.find('#'));
    for (std::size_t start = code.find_first_not_of(Blanks); start != std::string_view::npos;) {
        const std::size_t end = std::min(code.find_first_of(Blanks, start), code.size());
        words.emplace_back(code.substr(start, end - start));
        start = code.find_first_not_of(Blanks, end);
    }
    if (words.empty()) return;
    if (words[0] == "press")
        commands.push_back(Press(words, line));
    else if (words[0] == "tick")
        commands.push_back(Tick(words, line));
    else
        throw ScriptError(line, "unknown command '" + words[0] + "'");
}

}  // namespace

std::vector<Command> ReadScript(std::string_view text) {
    std::vector<Command> commands;
    for (std::size_t start = 0, line = 1; start < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        ReadLine(text.substr(start, end - start), int(line), commands);
        start = end + 1;
    }
    return commands;
}

std::vector<Command> ReadScript(std::FILE* file) {
    std::string text;
    char buffer[4096];
    // Not a read past the end: a terminal's Ctrl+D ends its input only once.
    while (!std::feof(file) && !std::ferror(file)) text.append(buffer, std::fread(buffer, 1, sizeof buffer, file));
    if (std::ferror(file)) text.erase(text.rfind('\n') + 1);  // npos + 1: nothing whole
    return ReadScript(std::string_view(text));
}

}  // namespace movra::script
