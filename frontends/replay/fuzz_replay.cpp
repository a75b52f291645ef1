// libFuzzer target: any bytes as a replay script must be read, and if valid
// run, without a crash, a sanitizer report, or an error other than a ScriptError.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "forms/replay.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<movra::script::Command> commands;
    try {
        commands = movra::script::ReadScript(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const movra::script::ScriptError&) {
        return 0;
    }
    long ticks = 0;
    for (const auto& command : commands)
        if (command.kind == movra::script::Command::Tick) ticks += command.ticks;
    if (ticks > 300) return 0;  // keep each run short
    std::string trace;
    movra::replay::Replay replay;
    replay.Run(commands, [&](const std::string& lines) { trace += lines; }, true);  // a valid script never raises a run-time error
    return 0;
}
