#include "script.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <system_error>

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
// handler takes them, so that a recorded position reads back bit for bit.
template <typename Value>
Value Number(const std::string& word, int line, const char* what) {
    Value value = 0;
    if (!IsDecimal(word) ||
        std::from_chars(word.data(), word.data() + word.size(), value).ec != std::errc())
        throw ScriptError(line, std::string("not a number for ") + what + ": '" + word + "'");
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

std::vector<Command> LoadScript(const std::filesystem::path& path) {
    const auto fail = [&](int error) {
        const std::u8string name = path.u8string();
        throw std::system_error(error, std::generic_category(), "cannot read " + std::string(name.begin(), name.end()));
    };
    // A directory opens on some systems and fails only at the first read;
    // elsewhere it fails to open with a vaguer reason.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) fail(EISDIR);
    errno = 0;
    std::ifstream file(path);
    if (!file.is_open()) fail(errno ? errno : EIO);
    std::vector<Command> commands = ReadScript(file);
    if (file.bad()) fail(EIO);
    return commands;
}

}  // namespace movra::script
