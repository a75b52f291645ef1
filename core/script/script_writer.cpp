#include "core/script/script_writer.h"

#include <algorithm>
#include <utility>

#include "core/script/decimal.h"

namespace movra::script {
namespace {

// Fixed notation, which the reader takes (it refuses exponents), with the
// fewest digits that read back as the very same float: the nearest decimal
// of so many digits reads back if any of them does.
std::string Twips(float value) {
    std::string text;
    // 150 digits after the point hold the smallest float exactly.
    for (int digits = 0; digits <= 150; ++digits) {
        text = WriteFixed(value, digits);
        if (ReadFloat(text) == value) break;
    }
    return text;
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
