# Makes the web app's icons from the desktop program's globe; run by hand, outputs are committed.
"""The installable page's icons, drawn by make_images.py.

icon-192.png and icon-512.png are whole-pixel enlargements of the 32x32 globe.
icon-maskable-512.png has the globe on the window face's grey, small enough to
stay inside the circle that every mask shape keeps (80% of the width).
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
WEB = os.path.join(HERE, "..", "frontends", "web")
sys.dont_write_bytecode = True  # leave no cache beside the desktop's script

import make_images  # beside this script

FACE = (0xC0, 0xC0, 0xC0)  # the window face, also the manifest's background colour


def _over_face(colour):
    """An RGBA palette colour laid over the face, opaque."""
    r, g, b, a = colour
    return tuple(round(c * a / 255 + f * (1 - a / 255)) for c, f in zip((r, g, b), FACE)) + (255,)


def maskable(globe, size, globe_size):
    small = make_images.resize_nearest(globe, globe_size)
    margin = (size - globe_size) // 2
    face = FACE + (255,)
    pixels = [[face] * size for _ in range(size)]
    for y, row in enumerate(small):
        for x, index in enumerate(row):
            pixels[margin + y][margin + x] = _over_face(make_images.PALETTE[index])
    return pixels


def main():
    globe = make_images.draw_globe()
    for size in (192, 512):
        path = os.path.join(WEB, f"icon-{size}.png")
        make_images.write_palette_png(path, make_images.resize_nearest(globe, size), make_images.PALETTE)
    # 384 = 12 x 32: the largest whole enlargement inside the 80% circle of 512.
    make_images.write_rgba_png(os.path.join(WEB, "icon-maskable-512.png"), maskable(globe, 512, 384))


if __name__ == "__main__":
    main()
