// Picture1 in an X window: the pond's inner area at the largest whole factor
// that fits the window, centred, the rest of the window black.
#pragma once

#include <X11/Xlib.h>

#include <memory>

#include "core/render/image_surface.h"
#include "forms/controls.h"
#include "forms/zoom.h"

namespace movra::xscreensaver {

// Paints go into a persistent image at the window's factor, whose painted
// part goes to the window at each refresh: the cells are painted sharp at
// that size, not enlarged afterwards.
class XPond final : public forms::PictureBox {
public:
    // Throws a std::runtime_error when the window's pixels are not 24-bit
    // true colour, the only kind of pixel the image is made of.
    XPond(Display* display, Window window);
    ~XPond() override;
    XPond(const XPond&) = delete;
    XPond& operator=(const XPond&) = delete;

    // The window is now width by height pixels: false when its size is as it
    // was. Otherwise the pond is placed anew, at another factor perhaps, and
    // the form should paint its cells again before the window is shown.
    bool Fit(int width, int height);
    // Puts the whole window on the screen: the black round the pond, and the pond.
    void Show();

    void FillBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void Refresh() override;

private:
    void MakeImage();
    void Put(const ImageSurface::Rect& rect);

    Display* display_;
    Window window_;
    Visual* visual_;
    int depth_;
    GC gc_;
    int width_ = 0, height_ = 0;  // the window's, in pixels
    forms::Placement placement_{0, 0, 0};
    std::unique_ptr<ImageSurface> surface_;
    XImage* image_ = nullptr;  // over surface_'s pixels
};

}  // namespace movra::xscreensaver
