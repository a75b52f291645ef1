#include "core/cli/messages.h"

namespace movra::cli {

std::string UsageMessage(const std::string& program, const std::string& reason) {
    return program + ": " + reason + " Try '" + program + " --help'.\n";
}

std::string CannotRead(const std::string& program, const std::string& path, const std::error_code& reason) {
    return program + ": cannot read " + path + ": " + reason.message() + '\n';
}

std::string CannotWrite(const std::string& program, const std::string& path, const std::error_code& reason) {
    return program + ": cannot write " + path + ": " + reason.message() + '\n';
}

std::string BadScriptLine(const std::string& program, const std::string& source, const script::ScriptError& error) {
    return program + ": " + source + ':' + std::to_string(error.line()) + ": " + error.reason() + '\n';
}

}  // namespace movra::cli
