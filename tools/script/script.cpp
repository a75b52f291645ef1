#include "script.h"

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>

#include "press.h"

namespace movra::script {
namespace {

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

// Press positions are read straight into single precision, as the press
// handler takes them, so that a recorded position reads back bit for bit. A
// stream in the classic locale reads the same in any locale and on every
// standard library (not all have from_chars for floating point); a number so
// small that it reads as zero is refused, as too large a one is.
template <typename Value>
Value Number(const std::string& word, int line, const char* what) {
    Value value = 0;
    std::istringstream in(word);
    in.imbue(std::locale::classic());
    const bool read = IsDecimal(word) && in >> value && in.peek() == std::char_traits<char>::eof() &&
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

}  // namespace

std::vector<Command> ReadScript(std::istream& in) {
    std::vector<Command> commands;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        std::istringstream fields(text.substr(0, text.find('#')));
        std::vector<std::string> words;
        for (std::string word; fields >> word;) words.push_back(word);
        if (words.empty()) continue;
        if (words[0] == "press")
            commands.push_back(Press(words, line));
        else if (words[0] == "tick")
            commands.push_back(Tick(words, line));
        else
            throw ScriptError(line, "unknown command '" + words[0] + "'");
    }
    return commands;
}

std::vector<Command> LoadScript(const std::string& path) {
    std::ifstream file(path);
    std::vector<Command> commands;
    if (file) commands = ReadScript(file);
    // A directory opens, and fails only at the first read.
    if (!file.is_open() || file.bad()) throw std::runtime_error("cannot read " + path);
    return commands;
}

}  // namespace movra::script
