// The replay script: presses and ticks, one command a line, read and checked whole.
#pragma once

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace movra::replay {

struct Command {
    enum Kind { Press, Tick } kind;
    float x = 0, y = 0;  // twips from the pond's inner top-left corner
    int button = 1;      // button code, 1..7
    long ticks = 1;
};

class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& reason)
        : std::runtime_error(std::to_string(line) + ": " + reason), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

inline constexpr long MaxTicks = 1'000'000;  // per tick command

// Reads the whole script; the first bad line throws a ScriptError.
std::vector<Command> ReadScript(std::istream& in);

}  // namespace movra::replay
