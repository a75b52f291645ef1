#include "frontends/xscreensaver/x_pond.h"

#include <X11/Xutil.h>

#include <bit>
#include <stdexcept>
#include <vector>

namespace movra::xscreensaver {
namespace {

// The image's pixels are ImageSurface's 0xAARRGGBB words, which only a
// true-colour visual of eight bits a primary in these places takes as they are.
bool TakesImagePixels(const Visual* visual, int depth) {
    return visual->c_class == TrueColor && visual->red_mask == 0xff0000 && visual->green_mask == 0xff00 &&
           visual->blue_mask == 0xff && (depth == 24 || depth == 32);
}

XWindowAttributes Attributes(Display* display, Window window) {
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    if (!TakesImagePixels(attributes.visual, attributes.depth))
        throw std::runtime_error("the window's visual is not 24-bit true colour");
    return attributes;
}

}  // namespace

XPond::XPond(Display* display, Window window) : display_(display), window_(window) {
    const XWindowAttributes attributes = Attributes(display, window);
    visual_ = attributes.visual;
    depth_ = attributes.depth;
    gc_ = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc_, ToPixel(0));  // black, opaque where the pixels have alpha
    Fit(attributes.width, attributes.height);
}

XPond::~XPond() {
    if (image_) {
        image_->data = nullptr;  // the surface's, not Xlib's to free
        XDestroyImage(image_);
    }
    XFreeGC(display_, gc_);
}

bool XPond::Fit(int width, int height) {
    if (width == width_ && height == height_) return false;
    width_ = width;
    height_ = height;
    const int factor = placement_.factor;
    placement_ = forms::Centred(width, height);
    if (placement_.factor != factor) MakeImage();
    return true;
}

void XPond::MakeImage() {
    if (image_) {
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    surface_ = std::make_unique<ImageSurface>(PondWidthPixels, PondHeightPixels, placement_.factor,
                                              DefaultControlColour);
    image_ = XCreateImage(display_, visual_, unsigned(depth_), ZPixmap, 0,
                          reinterpret_cast<char*>(const_cast<std::uint32_t*>(surface_->pixels())),
                          unsigned(surface_->width()), unsigned(surface_->height()), 32, 0);
    if (!image_ || image_->bits_per_pixel != 32) throw std::runtime_error("the display keeps no 32-bit pixels");
    // The words are in this machine's order; Xlib swaps them for a server of the other.
    image_->byte_order = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
}

void XPond::Show() {
    const int left = placement_.left, top = placement_.top;
    const int right = left + surface_->width(), bottom = top + surface_->height();
    std::vector<XRectangle> around;
    const auto add = [&](int x, int y, int w, int h) {
        if (w > 0 && h > 0) around.push_back({short(x), short(y), (unsigned short)(w), (unsigned short)(h)});
    };
    add(0, 0, width_, top);
    add(0, bottom, width_, height_ - bottom);
    add(0, top, left, bottom - top);
    add(right, top, width_ - right, bottom - top);
    if (!around.empty()) XFillRectangles(display_, window_, gc_, around.data(), int(around.size()));
    Put({0, 0, surface_->width(), surface_->height()});
}

void XPond::FillBox(float x1, float y1, float x2, float y2, Colour colour) { surface_->FillBox(x1, y1, x2, y2, colour); }

void XPond::Refresh() {
    const ImageSurface::Rect painted = surface_->TakePainted();
    if (!painted.empty()) Put(painted);
}

void XPond::Put(const ImageSurface::Rect& rect) {
    XPutImage(display_, window_, gc_, image_, rect.left, rect.top, placement_.left + rect.left,
              placement_.top + rect.top, unsigned(rect.right - rect.left), unsigned(rect.bottom - rect.top));
}

}  // namespace movra::xscreensaver
