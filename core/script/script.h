// The script of presses and ticks that movra-replay runs and movra records:
// its commands, and the reader that checks a script whole.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace movra::script {

struct Command {
    enum Kind { Press, Tick } kind;
    float x = 0, y = 0;  // twips from the pond's inner top-left corner
    int button = 1;      // button code, 1..7
    long ticks = 1;
};

// A bad line; what() reads "line N: reason".
class ScriptError : public std::runtime_error {
public:
    ScriptError(int line, const std::string& reason)
        : std::runtime_error("line " + std::to_string(line) + ": " + reason), line_(line), reason_(reason) {}
    int line() const { return line_; }
    const std::string& reason() const { return reason_; }

private:
    int line_;
    std::string reason_;
};

inline constexpr long MaxTicks = 1'000'000;  // per tick command

// Reads the whole script; the first bad line throws a ScriptError.
std::vector<Command> ReadScript(std::string_view text);
// The same from an open file, such as standard input, up to its end; a read
// error ends it after the last whole line, and leaves the file's error set.
std::vector<Command> ReadScript(std::FILE* file);

// Reads a script file, named in UTF-8. One that cannot be read throws a
// std::system_error with the system's reason ("cannot read NAME: No such file
// or directory"); a bad line, a ScriptError.
std::vector<Command> LoadScript(const std::string& name);

}  // namespace movra::script
