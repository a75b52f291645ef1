#include "frontends/win32/record_file.h"

#include <windows.h>

#include <cerrno>
#include <io.h>

#include "core/files/file_system.h"
#include "frontends/win32/console.h"

namespace movra::win32 {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

}  // namespace

RecordFile::RecordFile(std::string name, std::error_code& reason) : name_(std::move(name)) {
    file_.reset(files::OpenFile(name_, "ab"));
    reason = file_ ? std::error_code() : LastError();
}

void RecordFile::Empty() {
    const int descriptor = _fileno(file_.get());
    if (GetFileType(HANDLE(_get_osfhandle(descriptor))) == FILE_TYPE_DISK) _chsize_s(descriptor, 0);
}

std::optional<std::string> RecordFile::Write(const std::string& lines) {
    errno = 0;
    if (std::fwrite(lines.data(), 1, lines.size(), file_.get()) == lines.size() && std::fflush(file_.get()) == 0)
        return std::nullopt;
    // A full disk may leave errno unset on some runtimes.
    return (errno ? LastError() : std::make_error_code(std::errc::io_error)).message();
}

void RecordFile::Tell(const std::string& message) { win32::Tell("", message); }

}  // namespace movra::win32
