// The help page of a command: usage line, description, options and arguments
// in two columns, wrapped to a terminal's 79 columns.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/cli/option_parser.h"

namespace movra::cli {

struct HelpPage {
    std::string usage;        // after "Usage: ", e.g. "movra-replay [options] [SCRIPT]"
    std::string description;  // printed as it is, lines ended by '\n'
    std::vector<Option> options;
    std::vector<std::pair<std::string, std::string>> arguments;  // name, description
};

std::string HelpText(const HelpPage& page);

}  // namespace movra::cli
