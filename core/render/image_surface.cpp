#include "core/render/image_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace movra {

ImageSurface::ImageSurface(int width, int height, double scale, std::uint32_t background)
    : width_(int(std::lround(width * scale))),
      height_(int(std::lround(height * scale))),
      scale_(scale),
      pixels_(std::size_t(width_) * height_, 0xff000000u | background) {}

int ImageSurface::ToDevice(float twips, int limit) const {
    // Rounded half up by hand, once inside the image: a call into the maths
    // library for every corner of hundreds of boxes a tick costs more than
    // the filling.
    const double device = std::clamp(twips * scale_ / TwipsPerPixel, 0.0, double(limit));
    return int(device + 0.5);
}

void ImageSurface::FillBox(float x1, float y1, float x2, float y2, Colour colour) {
    const int left = ToDevice(std::min(x1, x2), width_), right = ToDevice(std::max(x1, x2), width_);
    const int top = ToDevice(std::min(y1, y2), height_), bottom = ToDevice(std::max(y1, y2), height_);
    if (left >= right || top >= bottom) return;
    painted_ = painted_.empty() ? Rect{left, top, right, bottom}
                                : Rect{std::min(painted_.left, left), std::min(painted_.top, top),
                                       std::max(painted_.right, right), std::max(painted_.bottom, bottom)};
    const std::uint32_t pixel = ToPixel(colour);
    for (int y = top; y < bottom; ++y)
        std::fill(pixels_.begin() + std::ptrdiff_t(y) * width_ + left,
                  pixels_.begin() + std::ptrdiff_t(y) * width_ + right, pixel);
}

ImageSurface::Rect ImageSurface::TakePainted() { return std::exchange(painted_, Rect{}); }

}  // namespace movra
