// A surface that paints into a pixel image, 15 twips to a logical pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "core/render/surface.h"

namespace movra {

inline constexpr int TwipsPerPixel = 15;

// Where a window system gives no palette: the usual light grey of controls.
inline constexpr std::uint32_t DefaultControlColour = 0xf0f0f0;

// Pixels are 0xAARRGGBB words, row by row, ready to wrap in a 32-bit image.
// The image may hold several device pixels per logical pixel (scale), so that
// cells are painted sharp at any density rather than enlarged afterwards.
// A box covers its near edges but not its far ones: the box from 0 to 60 twips
// is pixels 0..3, and neighbouring cells never overlap.
class ImageSurface : public Surface {
public:
    // Size in logical pixels; background as 0xRRGGBB.
    ImageSurface(int width, int height, double scale, std::uint32_t background);

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;

    // Device pixels from left, top up to but not including right, bottom.
    struct Rect {
        int left = 0, top = 0, right = 0, bottom = 0;
        bool empty() const { return right <= left || bottom <= top; }
    };
    // The rectangle round every pixel painted since the last call, which a
    // window sends to the screen at once; empty when nothing was painted.
    Rect TakePainted();

    int width() const { return width_; }    // device pixels
    int height() const { return height_; }  // device pixels
    double scale() const { return scale_; }
    const std::uint32_t* pixels() const { return pixels_.data(); }
    std::uint32_t pixel(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

private:
    int ToDevice(float twips, int limit) const;

    int width_;
    int height_;
    double scale_;
    std::vector<std::uint32_t> pixels_;
    Rect painted_;
};

// The 0xAARRGGBB pixel of a colour value.
constexpr std::uint32_t ToPixel(Colour colour) {
    const std::uint32_t red = colour & 0xff, green = (colour >> 8) & 0xff, blue = (colour >> 16) & 0xff;
    return 0xff000000u | red << 16 | green << 8 | blue;
}

}  // namespace movra
