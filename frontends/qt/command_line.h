// The program's command line, read before any window exists.
#pragma once

#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "core/script/script.h"
#include "forms/record_file.h"

namespace movra::qt {

// With no display to open a window on, the program ends at once with this status.
inline constexpr int NoDisplayStatus = 3;

struct CommandLine {
    // Set when the program ends at once: 0 after --help or --version, 2 on a
    // bad command line, 3 with no display (reported on the error stream).
    std::optional<int> exitStatus;
    // --record: the file, open for appending and so still as it was; the
    // recording empties it once the program has started.
    std::optional<forms::RecordFile> record = std::nullopt;
    // --play: the recording's commands, read and checked.
    std::optional<std::vector<script::Command>> play = std::nullopt;
    int zoom = 0;             // --zoom's factor for this run; 0 when not given
    bool fullScreen = false;  // --full-screen
    bool rain = false;        // --rain, or --rain-seed
    std::optional<std::uint32_t> rainSeed = std::nullopt;
};

// arguments: the program's own name first, as in argv.
CommandLine ReadCommandLine(const QStringList& arguments, std::ostream& out, std::ostream& err);

}  // namespace movra::qt
