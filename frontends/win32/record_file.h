// The file a recording goes into, named in UTF-8 and opened through the wide API: the recorder's sink.
#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "forms/recorder.h"

namespace movra::win32 {

// Binary, so that lines end in "\n" alone, as on Linux.
class RecordFile : public forms::RecordSink {
public:
    // Opens name for appending, so that what it holds stays until Empty; on
    // failure, reason says why.
    RecordFile(std::string name, std::error_code& reason);

    const std::string& name() const { return name_; }

    // A disk file is emptied; a pipe or a console has nothing to empty.
    void Empty();
    // All the lines, flushed, or the reason they were not.
    std::optional<std::string> Write(const std::string& lines) override;
    // On standard error, the console, or a message box.
    void Tell(const std::string& message) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string name_;
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace movra::win32
