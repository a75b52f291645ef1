// The programs' one-line messages on the error stream, in the command line's
// conventions: "PROGRAM: what went wrong", with the system's reason where there is one.
#pragma once

#include <string>
#include <system_error>

#include "core/script/script.h"

namespace movra::cli {

// "PROGRAM: REASON Try 'PROGRAM --help'.\n"
std::string UsageMessage(const std::string& program, const std::string& reason);

// "PROGRAM: cannot read PATH: REASON\n"
std::string CannotRead(const std::string& program, const std::string& path, const std::error_code& reason);

// "PROGRAM: cannot write PATH: REASON\n"
std::string CannotWrite(const std::string& program, const std::string& path, const std::error_code& reason);

// "PROGRAM: SOURCE:N: REASON\n", the form editors and terminals link to the line.
std::string BadScriptLine(const std::string& program, const std::string& source, const script::ScriptError& error);

}  // namespace movra::cli
