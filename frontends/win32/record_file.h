// The file a recording goes into, named in UTF-8 and opened through the wide API.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace movra::win32 {

// Binary, so that lines end in "\n" alone, as on Linux.
class RecordFile {
public:
    // Opens name for appending, so that what it holds stays until Empty; on
    // failure, IsOpen() is false and reason says why.
    RecordFile(std::string name, std::error_code& reason);

    bool IsOpen() const { return file_ != nullptr; }
    const std::string& name() const { return name_; }

    // A disk file is emptied; a pipe or a console has nothing to empty.
    void Empty();
    // All the lines, flushed, or the reason they were not.
    std::error_code Write(const std::string& lines);

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };

    std::string name_;
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace movra::win32
