// A recording kept in memory, for tests that read back what a recorder wrote.
#pragma once

#include <optional>
#include <string>

#include "forms/recorder.h"

namespace movra::forms {

struct MemorySink : RecordSink {
    std::optional<std::string> Write(const std::string& lines) override {
        text += lines;
        return std::nullopt;
    }
    void Tell(const std::string&) override {}
    std::string text;
};

}  // namespace movra::forms
