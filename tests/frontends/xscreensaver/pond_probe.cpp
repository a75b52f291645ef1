// The xscreensaver hack's test helper, on the display of DISPLAY.
//   pond_probe window W H   maps a W x H window and prints its id; each line
//                           "size W H" read then resizes it, and the end of
//                           the input destroys it.
//   pond_probe look WINDOW FACTOR LEFT TOP
//                           reads WINDOW ("root" or an id) from the screen and
//                           checks that it shows the pond's 120 x 119 pixels
//                           enlarged FACTOR times with the top-left corner at
//                           (LEFT, TOP), black all round; prints a digest of
//                           the pond's pixels, or says what is wrong (status 1).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

namespace {

constexpr int Width = 120, Height = 119;  // the pond's inner area, in pixels
// Cells of 4 pixels are painted up to here; the rest shows the control grey.
constexpr int PaintedEdge = 116;
constexpr std::uint32_t Grey = 0xf0f0f0;

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;

int OpenWindow(Display* display, int width, int height) {
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, unsigned(width),
                                              unsigned(height), 0, 0, 0);
    XMapWindow(display, window);
    XSync(display, False);
    std::cout << window << std::endl;
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command;
        unsigned w = 0, h = 0;
        if (words >> command >> w >> h && command == "size") XResizeWindow(display, window, w, h);
        XSync(display, False);
    }
    XDestroyWindow(display, window);
    XSync(display, False);
    return 0;
}

bool Fail(const char* what, int x, int y, std::uint32_t pixel) {
    std::fprintf(stderr, "%s at (%d, %d): #%06x\n", what, x, y, unsigned(pixel));
    return false;
}

// The pixel's RGB, on the 24-bit true-colour screens the hack draws on.
std::uint32_t At(XImage* image, int x, int y) { return std::uint32_t(XGetPixel(image, x, y)) & 0xffffff; }

bool LooksRight(XImage* image, int factor, int left, int top, std::uint64_t& digest) {
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const std::uint32_t pixel = At(image, x, y);
            const int px = x - left, py = y - top;
            if (px < 0 || py < 0 || px >= Width * factor || py >= Height * factor) {
                if (pixel != 0) return Fail("not black round the pond", x, y, pixel);
                continue;
            }
            // Every device pixel the same as its block's top-left one.
            if (pixel != At(image, left + px / factor * factor, top + py / factor * factor))
                return Fail("not enlarged by whole blocks", x, y, pixel);
            const bool painted = px / factor < PaintedEdge && py / factor < PaintedEdge;
            if (painted ? (pixel & 0xffff00) != 0 || pixel == 0 : pixel != Grey)
                return Fail(painted ? "a cell not blue" : "the rim not grey", x, y, pixel);
            if (px % factor == 0 && py % factor == 0) digest = (digest ^ pixel) * 0x100000001b3;  // FNV-1a
        }
    return true;
}

int Look(Display* display, const std::string& name, int factor, int left, int top) {
    const Window window = name == "root" ? DefaultRootWindow(display) : Window(std::stoul(name, nullptr, 0));
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes)) return 1;
    XImage* image = XGetImage(display, window, 0, 0, unsigned(attributes.width), unsigned(attributes.height),
                              AllPlanes, ZPixmap);
    if (!image) return 1;
    std::uint64_t digest = 0xcbf29ce484222325;
    const bool right = LooksRight(image, factor, left, top, digest);
    XDestroyImage(image);
    if (right) std::printf("%016llx\n", static_cast<unsigned long long>(digest));
    return right ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    DisplayPtr display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) {
        std::fprintf(stderr, "pond_probe: no display\n");
        return 1;
    }
    if (command == "window" && argc == 4) return OpenWindow(display.get(), std::stoi(argv[2]), std::stoi(argv[3]));
    if (command == "look" && argc == 6)
        return Look(display.get(), argv[2], std::stoi(argv[3]), std::stoi(argv[4]), std::stoi(argv[5]));
    std::fprintf(stderr, "usage: pond_probe window W H | look WINDOW FACTOR LEFT TOP\n");
    return 2;
}
