#include "script_writer.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace movra::script {
namespace {

// Fixed notation, which the reader takes (it refuses exponents), with the
// fewest digits that read back as the very same float.
std::string Twips(float value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr);
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
