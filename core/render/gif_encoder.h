// An animated GIF made frame by frame in memory, looping, a fixed delay a
// frame: what movra-replay writes to a file and the page offers as a download.
#pragma once

#include <cstdint>
#include <string>

namespace movra {

class GifEncoder {
public:
    // Size in pixels; delay in hundredths of a second.
    GifEncoder(int width, int height, int delayCentiseconds);

    // pixels: width by height 0xAARRGGBB words, row by row. Each frame carries
    // its own palette of exactly its colours (the pond has far fewer than
    // 256), so nothing is dithered or approximated. Throws std::length_error
    // for a frame of more than 256 colours.
    void Add(const std::uint32_t* pixels);
    // The file's trailer; no frame follows.
    void Finish();

    // The bytes made since the last call, to write out as they come.
    std::string Take();

private:
    int width_, height_, delay_;
    std::string bytes_;
};

}  // namespace movra
