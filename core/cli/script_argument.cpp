#include "core/cli/script_argument.h"

#include <cstdio>
#include <system_error>

#include "core/cli/messages.h"

namespace movra::cli {

std::optional<std::vector<script::Command>> ReadScriptFile(const std::string& program, const std::string& path,
                                                           std::string& err) {
    try {
        return script::LoadScript(path);
    } catch (const script::ScriptError& error) {
        err += BadScriptLine(program, path, error);
    } catch (const std::system_error& error) {
        err += CannotRead(program, path, error.code());
    }
    return std::nullopt;
}

std::optional<std::vector<script::Command>> ReadStandardInput(const std::string& program, std::string& err) {
    try {
        return script::ReadScript(stdin);
    } catch (const script::ScriptError& error) {
        err += BadScriptLine(program, "standard input", error);
    }
    return std::nullopt;
}

}  // namespace movra::cli
