#include "frontends/replay/gif_writer.h"

#include <cerrno>
#include <system_error>

#include "core/files/file_system.h"

namespace movra::replay {
namespace {

[[noreturn]] void Fail(const std::string& path) {
    // A full disk may leave errno unset on some runtimes.
    throw std::system_error(errno ? errno : EIO, std::generic_category(), path);
}

}  // namespace

GifWriter::GifWriter(const std::string& path, int width, int height, int delayCentiseconds)
    : path_(path), file_(files::OpenFile(path, "wb")), encoder_(width, height, delayCentiseconds) {
    if (!file_) Fail(path);
}

void GifWriter::Add(const ImageSurface& frame) {
    encoder_.Add(frame.pixels());
    Write();
}

void GifWriter::Close() {
    encoder_.Finish();
    Write();
    errno = 0;
    if (std::fclose(file_.release()) != 0) Fail(path_);
}

void GifWriter::Write() {
    const std::string bytes = encoder_.Take();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_.get()) != bytes.size()) Fail(path_);
}

}  // namespace movra::replay
