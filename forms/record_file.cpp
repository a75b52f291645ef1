#include "forms/record_file.h"

#include <cerrno>

#include "core/files/file_system.h"

namespace movra::forms {
namespace {

std::error_code LastError() { return {errno, std::generic_category()}; }

}  // namespace

RecordFile::RecordFile(std::string name, Teller tell, std::error_code& reason)
    : name_(std::move(name)), tell_(std::move(tell)), file_(files::OpenFile(name_, "ab")) {
    reason = file_ ? std::error_code() : LastError();
}

void RecordFile::Empty() { files::EmptyFile(file_.get(), name_); }

std::optional<std::string> RecordFile::Write(const std::string& lines) {
    errno = 0;
    if (std::fwrite(lines.data(), 1, lines.size(), file_.get()) == lines.size() && std::fflush(file_.get()) == 0)
        return std::nullopt;
    // A full disk may leave errno unset on some runtimes.
    return (errno ? LastError() : std::make_error_code(std::errc::io_error)).message();
}

}  // namespace movra::forms
