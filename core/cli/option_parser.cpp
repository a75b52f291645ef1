#include "core/cli/option_parser.h"

#include <algorithm>
#include <charconv>

namespace movra::cli {
namespace {

const Option* Find(const std::vector<Option>& options, const std::string& name) {
    for (const Option& option : options)
        if (std::find(option.names.begin(), option.names.end(), name) != option.names.end()) return &option;
    return nullptr;
}

}  // namespace

std::string Arguments::Value(const std::string& key, const std::string& fallback) const {
    const auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
}

std::optional<long long> WholeNumber(const std::string& text, long long min, long long max) {
    long long number = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (text.empty() || error != std::errc() || stop != end || number < min || number > max) return std::nullopt;
    return number;
}

Arguments ParseArguments(const std::vector<Option>& options, const std::vector<std::string>& words) {
    Arguments arguments;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--") {
            arguments.positional.insert(arguments.positional.end(), words.begin() + std::ptrdiff_t(i) + 1, words.end());
            break;
        }
        // "-" alone names standard input.
        if (word.size() < 2 || word[0] != '-') {
            arguments.positional.push_back(word);
            continue;
        }
        const std::size_t dashes = word[1] == '-' ? 2 : 1, equals = word.find('=');
        const std::string spelled = word.substr(0, equals);  // as typed, dashes and all
        const std::string name = spelled.substr(dashes);
        const Option* option = Find(options, name);
        if (!option) throw UsageError("Unknown option '" + name + "'.");
        std::string& value = arguments.values[option->names.back()];
        if (option->valueName.empty()) {
            if (equals != std::string::npos) throw UsageError("Unexpected value after '" + spelled + "'.");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            throw UsageError("Missing value after '" + spelled + "'.");
        }
    }
    return arguments;
}

}  // namespace movra::cli
