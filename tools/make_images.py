# Makes movra.png, logo.png, icons/hicolor/*/apps/movra.png and the Windows movra.ico and logo.bmp; run by hand, outputs are committed.
"""Draw Movra's images with the Python standard library only.

The program icon is a small globe on a 32x32 grid with a 16-colour palette.
The larger hicolor icons are nearest-neighbour copies of it.  The logo for
the about box is a 100x100 true-colour picture of ripple rings around a drop.
Everything is deterministic: running the script twice gives identical files.
"""

import math
import os
import random
import struct
import zlib

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")

# ---------------------------------------------------------------- PNG writer


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def _png(width, height, colour_type, rows, extra_chunks=()):
    """rows: a list of bytes objects, one per scanline, without filter bytes."""
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    raw = b"".join(b"\x00" + row for row in rows)
    out = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
    for kind, data in extra_chunks:
        out += _chunk(kind, data)
    out += _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b"")
    return out


def write_palette_png(path, pixels, palette):
    """pixels: rows of palette indices; palette: list of (r, g, b, a)."""
    assert len(palette) <= 16
    plte = b"".join(bytes(p[:3]) for p in palette)
    trns = bytes(p[3] for p in palette)
    rows = [bytes(row) for row in pixels]
    data = _png(len(pixels[0]), len(pixels), 3, rows, [(b"PLTE", plte), (b"tRNS", trns)])
    _save(path, data)


def write_rgba_png(path, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    rows = [bytes(c for px in row for c in px) for row in pixels]
    _save(path, _png(len(pixels[0]), len(pixels), 6, rows))


def _dib(pixels):
    """A bottom-up 32-bit BGRA device-independent bitmap and its AND mask, as an
    icon's image wants it (the height in the header counts both); pixels: rows of (r, g, b, a)."""
    height, width = len(pixels), len(pixels[0])
    colours = b"".join(bytes((b, g, r, a)) for row in reversed(pixels) for r, g, b, a in row)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(colours), 0, 0, 0, 0)
    stride = (width + 31) // 32 * 4  # rows of whole 32-bit words
    rows = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(bits)
    return header + colours + rows


def write_ico(path, images):
    """images: square images as rows of (r, g, b, a), each one entry of the icon."""
    entries = [_dib(pixels) for pixels in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pixels, data in zip(images, entries):
        out += struct.pack("<BBBBHHII", len(pixels) % 256, len(pixels) % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    _save(path, out + b"".join(entries))


def write_bmp(path, pixels):
    """A 24-bit BMP file of rows of (r, g, b, a), opaque: a quarter smaller than with the alpha GDI ignores."""
    height, width = len(pixels), len(pixels[0])
    pad = b"\0" * (-width * 3 % 4)  # rows of whole 32-bit words
    colours = b"".join(b"".join(bytes((b, g, r)) for r, g, b, _ in row) + pad for row in reversed(pixels))
    dib = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(colours), 0, 0, 0, 0) + colours
    _save(path, b"BM" + struct.pack("<IHHI", 14 + len(dib), 0, 0, 14 + 40) + dib)


def _save(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------- the globe

CLEAR, EDGE, RIM, DEEP, SEA, SHALLOW, GLINT = range(7)
DARK_LAND, LAND, LIGHT_LAND, CLOUD_SHADE, CLOUD = range(7, 12)

PALETTE = [
    (0, 0, 0, 0),          # CLEAR: outside the disc
    (10, 30, 110, 110),    # EDGE: half-covered pixels on the outline
    (10, 30, 110, 255),    # RIM: dark blue outline
    (20, 60, 170, 255),    # DEEP: ocean in shadow
    (30, 100, 215, 255),   # SEA: ocean
    (70, 150, 240, 255),   # SHALLOW: lit ocean
    (160, 210, 255, 255),  # GLINT: highlight
    (20, 110, 40, 255),    # DARK_LAND
    (50, 160, 60, 255),    # LAND
    (120, 205, 90, 255),   # LIGHT_LAND
    (200, 215, 230, 255),  # CLOUD_SHADE
    (255, 255, 255, 255),  # CLOUD
]

SIZE = 32
CENTRE = (SIZE - 1) / 2.0
RADIUS = 15.0
LIGHT = (-0.5, -0.6, 0.62)  # from the upper left, towards the viewer

# Land masses as (x, y, half-width, half-height) ellipses in pixel
# coordinates; a seeded noise term roughens their coasts.
CONTINENTS = [
    (10.0, 10.5, 5.5, 4.0),   # north-west
    (7.5, 15.5, 3.0, 3.5),
    (19.5, 18.5, 4.5, 6.5),   # south-east
    (22.5, 13.0, 3.0, 2.5),
    (11.5, 24.0, 3.0, 1.8),   # southern island
]

# Cloud streaks: arcs of circles (centre x, centre y, radius, from, to degrees).
CLOUDS = [
    (15.5, 15.5, 11.0, 282.0, 338.0),
    (15.5, 15.5, 10.0, 118.0, 168.0),
    (21.0, 31.0, 13.0, 242.0, 282.0),
]


def _noise_field(seed, cells=8):
    """A smooth value-noise function over the icon, from a fixed seed."""
    rng = random.Random(seed)
    grid = [[rng.uniform(-1.0, 1.0) for _ in range(cells + 1)] for _ in range(cells + 1)]
    step = SIZE / cells

    def smooth(t):
        return t * t * (3 - 2 * t)

    def value(x, y):
        gx, gy = x / step, y / step
        ix, iy = min(int(gx), cells - 1), min(int(gy), cells - 1)
        fx, fy = smooth(gx - ix), smooth(gy - iy)
        top = grid[iy][ix] * (1 - fx) + grid[iy][ix + 1] * fx
        bottom = grid[iy + 1][ix] * (1 - fx) + grid[iy + 1][ix + 1] * fx
        return top * (1 - fy) + bottom * fy

    return value


def _coverage(x, y):
    """Fraction of pixel (x, y) inside the disc, from 4x4 sub-samples."""
    inside = 0
    for sy in range(4):
        for sx in range(4):
            dx = x + (sx + 0.5) / 4 - 0.5 - CENTRE
            dy = y + (sy + 0.5) / 4 - 0.5 - CENTRE
            inside += dx * dx + dy * dy <= RADIUS * RADIUS
    return inside / 16.0


def _shade(x, y):
    """Lambert lighting of the sphere at pixel (x, y), roughly 0..1."""
    nx, ny = (x - CENTRE) / RADIUS, (y - CENTRE) / RADIUS
    nz = math.sqrt(max(0.0, 1.0 - nx * nx - ny * ny))
    length = math.sqrt(sum(c * c for c in LIGHT))
    return max(0.0, (nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2]) / length)


def _is_land(x, y, noise):
    best = -1.0
    for cx, cy, rx, ry in CONTINENTS:
        d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
        best = max(best, 1.0 - d)
    return best + 0.45 * noise(x, y) > 0.0


def _cloud_pixels():
    """The pixels under the cloud arcs, each marked lit or shaded."""
    marks = {}
    for cx, cy, r, start, end in CLOUDS:
        steps = int(abs(end - start) * r / 20) + 8
        for i in range(steps + 1):
            a = math.radians(start + (end - start) * i / steps)
            px, py = round(cx + r * math.cos(a)), round(cy + r * math.sin(a))
            marks[(px, py)] = CLOUD
            below = (px, py + 1)
            if below not in marks:
                marks[below] = CLOUD_SHADE
    return marks


def draw_globe():
    noise = _noise_field(seed=1961)
    clouds = _cloud_pixels()
    pixels = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            cover = _coverage(x, y)
            dist = math.hypot(x - CENTRE, y - CENTRE)
            if cover == 0.0:
                index = CLEAR
            elif cover < 0.5:
                index = EDGE
            elif dist > RADIUS - 1.3:
                index = RIM
            elif (x, y) in clouds:
                index = clouds[(x, y)]
            else:
                light = _shade(x, y)
                if _is_land(x, y, noise):
                    index = DARK_LAND if light < 0.35 else LAND if light < 0.8 else LIGHT_LAND
                elif light > 0.93:
                    index = GLINT
                else:
                    index = DEEP if light < 0.35 else SEA if light < 0.7 else SHALLOW
            row.append(index)
        pixels.append(row)
    return pixels


def resize_nearest(pixels, size):
    """Nearest-neighbour resize of a square image to size x size."""
    src = len(pixels)
    return [[pixels[y * src // size][x * src // size] for x in range(size)] for y in range(size)]


# ---------------------------------------------------------------- the logo

LOGO = 100


def _mix(a, b, t):
    t = min(1.0, max(0.0, t))
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(len(a)))


def _logo_colour(x, y):
    """Colour of one sample point: a pond of ripple rings and a falling drop."""
    sky_top, sky_bottom = (236, 244, 252), (205, 226, 246)
    colour = _mix(sky_top, sky_bottom, y / LOGO)

    # The pond surface seen at a slant: rings are ellipses around (50, 66).
    dx, dy = (x - 50.0) / 44.0, (y - 66.0) / 18.0
    r = math.hypot(dx, dy)
    if r <= 1.0:
        calm, crest, trough = (40, 110, 210), (150, 205, 255), (15, 55, 150)
        wave = math.cos(r * 3.5 * 2 * math.pi) * (1.0 - r) ** 0.8
        colour = _mix(calm, crest if wave > 0 else trough, abs(wave) * 1.4)
        if r > 0.93:  # soft shore line
            colour = _mix(colour, sky_bottom, (r - 0.93) / 0.07)

    # The drop: a circle with a pointed top, above the rings.
    ddx, ddy = x - 50.0, y - 30.0
    body = math.hypot(ddx, ddy) <= 11.0
    tip = -25.0 <= ddy < 0 and abs(ddx) <= 8.5 * (ddy + 25.0) / 25.0
    if body or tip:
        shine = math.hypot(ddx + 4.0, ddy + 3.0)
        colour = _mix((150, 205, 255), (25, 80, 190), shine / 16.0)
    return colour


def draw_logo():
    pixels = []
    for y in range(LOGO):
        row = []
        for x in range(LOGO):
            samples = [_logo_colour(x + (sx + 0.5) / 3, y + (sy + 0.5) / 3)
                       for sy in range(3) for sx in range(3)]
            row.append(tuple(round(sum(s[i] for s in samples) / 9) for i in range(3)) + (255,))
        pixels.append(row)
    return pixels


# ---------------------------------------------------------------- main


def main():
    globe = draw_globe()
    write_palette_png(os.path.join(HERE, "movra.png"), globe, PALETTE)
    for size in (16, 32, 48, 64, 128, 256):
        path = os.path.join(HERE, "icons", "hicolor", f"{size}x{size}", "apps", "movra.png")
        write_palette_png(path, resize_nearest(globe, size), PALETTE)
    logo = draw_logo()
    write_rgba_png(os.path.join(HERE, "logo.png"), logo)
    # The Windows program's icon and logo, as its resource compiler takes them.
    write_ico(os.path.join(HERE, "movra.ico"),
              [[[PALETTE[i] for i in row] for row in resize_nearest(globe, size)] for size in (16, 32, 48)])
    write_bmp(os.path.join(HERE, "logo.bmp"), logo)


if __name__ == "__main__":
    main()
