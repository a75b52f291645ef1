// The options of a command line as both programs read them: --name VALUE,
// --name=VALUE, one dash alike (-name), one-letter aliases, "--" ending them.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace movra::cli {

struct Option {
    std::vector<std::string> names;  // e.g. {"h", "help"}; the last one is the option's key
    std::string valueName;           // e.g. "FILE"; empty for a switch
    std::string description;         // empty: accepted but left out of the help
};

// A command line that does not fit its options; what() is one sentence, such
// as "Unknown option 'x'.".
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Arguments {
    std::map<std::string, std::string> values;  // by key; a switch's value is empty
    std::vector<std::string> positional;        // in order

    bool IsSet(const std::string& key) const { return values.count(key) > 0; }
    // The value given last, or the fallback when the option was not given.
    std::string Value(const std::string& key, const std::string& fallback = "") const;
};

// A whole number from min to max, written in decimal and nothing else.
std::optional<long long> WholeNumber(const std::string& text, long long min, long long max);

// words: the arguments after the program's name. Throws a UsageError.
Arguments ParseArguments(const std::vector<Option>& options, const std::vector<std::string>& words);

}  // namespace movra::cli
