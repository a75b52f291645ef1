// A script named on a command line, read whole and checked.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/script/script.h"

namespace movra::cli {

// A file that cannot be read or a bad line gives nothing, and one line for
// the error stream added to err.
std::optional<std::vector<script::Command>> ReadScriptFile(const std::string& program, const std::string& path,
                                                           std::string& err);
std::optional<std::vector<script::Command>> ReadStandardInput(const std::string& program, std::string& err);

}  // namespace movra::cli
