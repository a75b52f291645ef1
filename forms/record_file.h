// The file a recording goes into, named in UTF-8: the recorder's sink on a desktop.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "forms/recorder.h"

namespace movra::forms {

// Binary, so that lines end in "\n" alone on every platform.
class RecordFile : public RecordSink {
public:
    // How the toolkit shows a line to the user: standard error, a console, a message box.
    using Teller = std::function<void(const std::string& message)>;

    // Opens name for appending, so that what it holds stays until Empty; on
    // failure, reason says why.
    RecordFile(std::string name, Teller tell, std::error_code& reason);

    const std::string& name() const { return name_; }

    // Once the program has started: a disk file is emptied, a pipe or a
    // device has nothing to empty.
    void Empty();
    // All the lines, flushed, or the reason they were not.
    std::optional<std::string> Write(const std::string& lines) override;
    void Tell(const std::string& message) override { tell_(message); }

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string name_;
    Teller tell_;
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace movra::forms
