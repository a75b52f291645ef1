// An animated GIF written frame by frame, looping, at a fixed delay per frame.
#pragma once

#include <string>

#include "core/render/image_surface.h"

struct GifFileType;

namespace movra::replay {

class GifWriter {
public:
    // Opens the file at once, so an unwritable path fails before any frame,
    // with a std::system_error that carries the system's reason.
    GifWriter(const std::string& path, int width, int height, int delayCentiseconds);
    ~GifWriter();
    GifWriter(const GifWriter&) = delete;
    GifWriter& operator=(const GifWriter&) = delete;

    // Each frame carries its own palette of exactly its colours (the pond has
    // far fewer than 256), so nothing is dithered or approximated.
    void Add(const ImageSurface& frame);
    // Finishes the file; throws if that fails.
    void Close();

private:
    GifFileType* gif_;
    int width_, height_, delay_;
    bool started_ = false;
};

}  // namespace movra::replay
