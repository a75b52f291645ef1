// For a build without an image library (Windows): no PNG or GIF files; the
// program refuses their options before it starts.
#include <system_error>

#include "frontends/replay/gif_writer.h"
#include "frontends/replay/png_file.h"

namespace movra::replay {

bool ImageFilesSupported() { return false; }

std::error_code MakePngFolder(const std::string&) { return std::make_error_code(std::errc::not_supported); }

bool WritePng(const std::string&, const ImageSurface&) { return false; }

GifWriter::GifWriter(const std::string&, int, int, int) : gif_(nullptr), width_(0), height_(0), delay_(0) {
    throw std::system_error(std::make_error_code(std::errc::not_supported));
}
GifWriter::~GifWriter() = default;
void GifWriter::Add(const ImageSurface&) {}
void GifWriter::Close() {}

}  // namespace movra::replay
