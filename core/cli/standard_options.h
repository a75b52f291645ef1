// The options every program has, in one wording.
#pragma once

#include "core/cli/option_parser.h"

namespace movra::cli {

inline const Option HelpOption{{"h", "help"}, "", "Show this help and end."};
inline const Option VersionOption{{"v", "version"}, "", "Show the version and end."};

}  // namespace movra::cli
