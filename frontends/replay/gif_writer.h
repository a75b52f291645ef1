// An animated GIF file written frame by frame, looping, at a fixed delay per frame.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "core/render/gif_encoder.h"
#include "core/render/image_surface.h"

namespace movra::replay {

class GifWriter {
public:
    // Opens the file at once, so an unwritable path fails before any frame,
    // with a std::system_error that carries the system's reason.
    GifWriter(const std::string& path, int width, int height, int delayCentiseconds);

    void Add(const ImageSurface& frame);
    // Finishes the file; throws if that fails.
    void Close();

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    void Write();

    std::string path_;
    std::unique_ptr<std::FILE, Closer> file_;
    GifEncoder encoder_;
};

}  // namespace movra::replay
