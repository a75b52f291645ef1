// What the movra program decides from its command line before any window,
// alike for every front end; the front end opens the recording itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/cli/option_parser.h"
#include "core/script/script.h"

namespace movra::cli {

struct MovraCommandLine {
    // Set when the program ends at once: after --help or --version, or a bad
    // command line (reported in err).
    std::optional<int> exitStatus;
    std::optional<std::string> record = std::nullopt;  // --record's file (UTF-8)
    // --play: the recording's commands, read and checked.
    std::optional<std::vector<script::Command>> play = std::nullopt;
    int zoom = 0;             // --zoom's factor for this run; 0 when not given
    bool fullScreen = false;  // --full-screen
    bool rain = false;        // --rain, or --rain-seed
    std::optional<std::uint32_t> rainSeed = std::nullopt;
    Arguments arguments = {};  // as given, the front end's own options too
};

// words: the arguments after the program's name. frontEndOptions: options the
// front end's toolkit reads itself, accepted here and left out of the help.
// What the program says is added to out and err, for its standard output and
// error, which each front end writes its own way.
MovraCommandLine ReadMovraCommandLine(const std::vector<std::string>& words, const std::vector<Option>& frontEndOptions,
                                      std::string& out, std::string& err);

}  // namespace movra::cli
