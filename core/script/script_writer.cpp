#include "core/script/script_writer.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace movra::script {
namespace {

// Fixed notation, which the reader takes (it refuses exponents), with the
// fewest digits that read back as the very same float: the nearest decimal
// of so many digits reads back if any of them does. The C library prints and
// reads the decimal point of its locale; the script has a '.'.
std::string Twips(float value) {
    char text[256];
    // 150 digits after the point hold the smallest float exactly.
    for (int digits = 0; digits <= 150; ++digits) {
        std::snprintf(text, sizeof text, "%.*f", digits, double(value));
        if (std::strtof(text, nullptr) == value) break;
    }
    const std::string printed = text, point = std::localeconv()->decimal_point;
    const std::size_t at = printed.find(point);
    return at == std::string::npos ? printed : printed.substr(0, at) + '.' + printed.substr(at + point.size());
}

}  // namespace

void ScriptWriter::Comment(std::string_view text) {
    WriteTicks();
    lines_.append("# ").append(text).append("\n");
}

void ScriptWriter::Add(const Command& command) {
    if (command.kind == Command::Tick) {
        ticks_ += command.ticks;
        return;
    }
    WriteTicks();
    lines_ += "press " + Twips(command.x) + ' ' + Twips(command.y) + ' ' + std::to_string(command.button) + '\n';
}

std::string ScriptWriter::TakeLines() {
    WriteTicks();
    return std::exchange(lines_, {});
}

void ScriptWriter::WriteTicks() {
    for (; ticks_ > 0; ticks_ -= std::min(ticks_, MaxTicks))
        lines_ += "tick " + std::to_string(std::min(ticks_, MaxTicks)) + '\n';
}

}  // namespace movra::script
