#include "core/cli/help_text.h"

#include <algorithm>

namespace movra::cli {
namespace {

constexpr std::size_t Indent = 2, Gap = 2, LineWidth = 79;  // in characters

std::string Label(const Option& option) {
    std::string label;
    for (const std::string& name : option.names)
        label += (label.empty() ? "" : ", ") + std::string(name.size() == 1 ? "-" : "--") + name;
    if (!option.valueName.empty()) label += " <" + option.valueName + ">";
    return label;
}

constexpr const char* Blanks = " \t\n\v\f\r";  // what separates the words of a description

// One row: the label, then the description wrapped word by word into its column.
void Row(std::string& out, const std::string& label, const std::string& text, std::size_t column) {
    std::string line = std::string(Indent, ' ') + label;
    bool first = true;
    for (std::size_t start = text.find_first_not_of(Blanks); start != std::string::npos; first = false) {
        const std::size_t end = std::min(text.find_first_of(Blanks, start), text.size());
        const std::string_view word = std::string_view(text).substr(start, end - start);
        start = text.find_first_not_of(Blanks, end);
        if (!first && line.size() + 1 + word.size() > LineWidth) {
            out += line + '\n';
            line.clear();
            first = true;
        }
        line.resize(first ? column : line.size() + 1, ' ');
        line += word;
    }
    out += line + '\n';
}

}  // namespace

std::string HelpText(const HelpPage& page) {
    std::vector<std::pair<std::string, std::string>> options;
    for (const Option& option : page.options)
        if (!option.description.empty()) options.emplace_back(Label(option), option.description);
    std::size_t width = 0;
    for (const auto& rows : {options, page.arguments})
        for (const auto& [label, text] : rows) width = std::max(width, label.size());
    const std::size_t column = Indent + width + Gap;

    std::string out = "Usage: " + page.usage + '\n' + page.description + "\nOptions:\n";
    for (const auto& [label, text] : options) Row(out, label, text, column);
    if (!page.arguments.empty()) out += "\nArguments:\n";
    for (const auto& [label, text] : page.arguments) Row(out, label, text, column);
    return out;
}

}  // namespace movra::cli
