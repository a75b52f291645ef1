#include "frontends/replay/gif_writer.h"

#include <fcntl.h>
#include <gif_lib.h>

#include <cerrno>
#include <map>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace movra::replay {
namespace {

[[noreturn]] void Fail(int error) {
    const char* text = GifErrorString(error);
    throw std::runtime_error(std::string("GIF: ") + (text ? text : "write failed"));
}

void Check(GifFileType* gif, int status) {
    if (status == GIF_ERROR) Fail(gif->Error);
}

// The Netscape extension that makes viewers loop the animation forever.
void PutLoopForever(GifFileType* gif) {
    static const char application[] = "NETSCAPE2.0";
    const unsigned char loop[] = {1, 0, 0};
    Check(gif, EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE));
    Check(gif, EGifPutExtensionBlock(gif, 11, application));
    Check(gif, EGifPutExtensionBlock(gif, 3, loop));
    Check(gif, EGifPutExtensionTrailer(gif));
}

}  // namespace

GifWriter::GifWriter(const std::string& path, int width, int height, int delayCentiseconds)
    : width_(width), height_(height), delay_(delayCentiseconds) {
    // Opened here rather than by giflib, which would make the file private to
    // its owner; this way the umask decides, as for any other output.
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (file < 0) throw std::system_error(errno, std::generic_category(), path);
    int error = 0;
    gif_ = EGifOpenFileHandle(file, &error);  // owns the file from here on
    if (!gif_) Fail(error);
    EGifSetGifVersion(gif_, true);
}

GifWriter::~GifWriter() {
    if (gif_) EGifCloseFile(gif_, nullptr);
}

void GifWriter::Add(const ImageSurface& frame) {
    std::map<std::uint32_t, int> index;
    std::vector<GifColorType> colours;
    std::vector<GifPixelType> pixels(std::size_t(width_) * height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const std::uint32_t pixel = frame.pixel(x, y);
            auto [it, added] = index.try_emplace(pixel, int(colours.size()));
            if (added)
                colours.push_back({GifByteType(pixel >> 16), GifByteType(pixel >> 8), GifByteType(pixel)});
            pixels[std::size_t(y) * width_ + x] = GifPixelType(it->second);
        }
    if (colours.size() > 256) throw std::runtime_error("GIF: a frame has more than 256 colours");
    int size = 2;
    while (size < int(colours.size())) size *= 2;
    colours.resize(std::size_t(size));

    if (!started_) {
        Check(gif_, EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr));
        PutLoopForever(gif_);
        started_ = true;
    }
    GraphicsControlBlock timing{DISPOSAL_UNSPECIFIED, false, delay_, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&timing, extension);
    Check(gif_, EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension));
    ColorMapObject* map = GifMakeMapObject(size, colours.data());
    const int status = EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map);
    GifFreeMapObject(map);
    Check(gif_, status);
    for (int y = 0; y < height_; ++y)
        Check(gif_, EGifPutLine(gif_, pixels.data() + std::size_t(y) * width_, width_));
}

void GifWriter::Close() {
    if (!started_) Check(gif_, EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr));
    int error = 0;
    const int status = EGifCloseFile(gif_, &error);
    gif_ = nullptr;
    if (status == GIF_ERROR) Fail(error);
}

}  // namespace movra::replay
