#!/usr/bin/env python3
"""Draws the control panel's embedded images into resources/images/.

Python 3 standard library only: the shapes are plain geometry, sampled 4 x 4 per
pixel for smooth edges, and written as PNG (zlib + struct) and as a Windows icon.
The output is the same on every run, so the committed files change only when
this script does.

    python3 tools/make_panel_images.py [OUTPUT_FOLDER]

Files and sizes (the panel and its tests rely on them):
    About.png, Options.png, Enable.png, Disable.png, Close.png   40 x 40 RGBA
    Save.png                                                     40 x 40 palette
    AboutLogo.png                                                120 x 120 RGBA
    TrayIcon1.png, TrayIcon2.png                                 26 x 46 RGB
    ColorBlack.png, ColorWhite.png, ColorBlackWhite.png          16 x 16 RGB
    ram_optimizer.ico   48, 32, 16 px at 8 bpp; 256, 48, 32, 16 px at 32 bpp
"""

import math
import os
import struct
import sys
import zlib

SUPERSAMPLE = 4

# ---------------------------------------------------------------------------
# Shapes. Each is a function (x, y) -> bool in a 0..1 unit square, so that one
# drawing serves every size; a layer is a shape with a colour.


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    return lambda x, y: r_inner * r_inner <= (x - cx) ** 2 + (y - cy) ** 2 <= r_outer * r_outer


def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x <= x1 and y0 <= y <= y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x <= x1 and y0 <= y <= y1):
            return False
        nx = min(max(x, x0 + r), x1 - r)
        ny = min(max(y, y0 + r), y1 - r)
        return (x - nx) ** 2 + (y - ny) ** 2 <= r * r

    return inside


def segment(ax, ay, bx, by, width):
    """A stroke of the given width from a to b, with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    half2 = (width / 2) ** 2

    def inside(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx, ay + t * dy
        return (x - px) ** 2 + (y - py) ** 2 <= half2

    return inside


def polyline(points, width):
    parts = [segment(a[0], a[1], b[0], b[1], width) for a, b in zip(points, points[1:])]
    return lambda x, y: any(p(x, y) for p in parts)


def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            x1, y1 = points[i]
            x2, y2 = points[(i + 1) % n]
            if (y1 > y) != (y2 > y) and x < (x2 - x1) * (y - y1) / (y2 - y1) + x1:
                result = not result
        return result

    return inside


def gear(cx, cy, r_root, r_tip, teeth, r_hole):
    """A gear wheel: teeth with flat tops and a round hole in the middle."""

    def inside(x, y):
        dx, dy = x - cx, y - cy
        d = math.hypot(dx, dy)
        if d < r_hole or d > r_tip:
            return False
        if d <= r_root:
            return True
        phase = (math.atan2(dy, dx) / (2 * math.pi) * teeth) % 1.0
        return 0.25 <= phase <= 0.75

    return inside


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


# ---------------------------------------------------------------------------
# Rendering.


def render(size_w, size_h, layers, background=None):
    """Composites the layers over a transparent (or given) background.

    Returns rows of (r, g, b, a) tuples. Coordinates of the shapes are in units
    of the image's width and height (0..1 each)."""
    n = SUPERSAMPLE
    rows = []
    for py in range(size_h):
        row = []
        for px in range(size_w):
            r = g = b = 0.0
            a = 0.0
            if background is not None:
                r, g, b = (c / 255 for c in background)
                a = 1.0
            # One coverage per layer, then "over" compositing in layer order.
            for shape, colour in layers:
                hits = 0
                for sy in range(n):
                    y = (py + (sy + 0.5) / n) / size_h
                    for sx in range(n):
                        x = (px + (sx + 0.5) / n) / size_w
                        if shape(x, y):
                            hits += 1
                if hits == 0:
                    continue
                cover = hits / (n * n) * (colour[3] / 255 if len(colour) > 3 else 1.0)
                cr, cg, cb = (c / 255 for c in colour[:3])
                out_a = cover + a * (1 - cover)
                if out_a > 0:
                    r = (cr * cover + r * a * (1 - cover)) / out_a
                    g = (cg * cover + g * a * (1 - cover)) / out_a
                    b = (cb * cover + b * a * (1 - cover)) / out_a
                a = out_a
            row.append((round(r * 255), round(g * 255), round(b * 255), round(a * 255)))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# PNG and ICO writers.


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def png_bytes(width, height, colour_type, raw_rows, palette=None, transparent_index=None):
    """colour_type 6: RGBA, 2: RGB, 3: palette (8-bit indexes)."""
    raw = b"".join(b"\x00" + bytes(row) for row in raw_rows)
    out = b"\x89PNG\r\n\x1a\n"
    out += png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
    if palette is not None:
        out += png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
    if transparent_index is not None:
        # Entries past the end of tRNS are opaque.
        out += png_chunk(b"tRNS", b"\xff" * transparent_index + b"\x00")
    out += png_chunk(b"IDAT", zlib.compress(raw, 9))
    out += png_chunk(b"IEND", b"")
    return out


def write_rgba_png(path, rows):
    data = [[c for px in row for c in px] for row in rows]
    write_file(path, png_bytes(len(rows[0]), len(rows), 6, data))


def write_rgb_png(path, rows):
    data = [[c for px in row for c in px[:3]] for row in rows]
    write_file(path, png_bytes(len(rows[0]), len(rows), 2, data))


def write_palette_png(path, rows, background):
    """A palette image: entry 0 is fully transparent and stands for every pixel
    the drawing leaves empty; edge pixels are flattened onto `background` (the
    usual window colour), and each other colour gets one entry in order of first
    appearance."""
    palette = [background]
    index = {}
    data = []
    for row in rows:
        line = []
        for px in row:
            if px[3] == 0:
                line.append(0)
                continue
            colour = flatten(px, background)
            if colour not in index:
                index[colour] = len(palette)
                palette.append(colour)
            line.append(index[colour])
        data.append(line)
    if len(palette) > 256:
        raise SystemExit(f"{path}: {len(palette)} colours do not fit a palette")
    write_file(path, png_bytes(len(rows[0]), len(rows), 3, data, palette, transparent_index=0))


def flatten(px, background):
    r, g, b, a = px
    return tuple(round((c * a + bg * (255 - a)) / 255) for c, bg in zip((r, g, b), background))


def icon_palette():
    """A fixed 256-colour palette for the 8 bpp icon images: a 6 x 7 x 6 colour
    cube (252 colours) and four greys."""
    colours = []
    for r in range(6):
        for g in range(7):
            for b in range(6):
                colours.append((r * 51, round(g * 42.5), b * 51))
    colours += [(32, 32, 32), (96, 96, 96), (160, 160, 160), (224, 224, 224)]
    return colours


def nearest(palette, colour):
    best = 0
    best_d = None
    for i, c in enumerate(palette):
        d = (c[0] - colour[0]) ** 2 + (c[1] - colour[1]) ** 2 + (c[2] - colour[2]) ** 2
        if best_d is None or d < best_d:
            best, best_d = i, d
    return best


def and_mask(rows):
    """1 bpp transparency mask, bottom-up, rows padded to 4 bytes: 1 = transparent."""
    size = len(rows)
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            if px[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def dib_32(rows):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
    return header + bytes(pixels) + and_mask(rows)


def dib_8(rows, palette):
    size = len(rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    stride = ((size + 3) // 4) * 4
    cache = {}
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, px in enumerate(row):
            # Transparent pixels are masked out; their index does not matter.
            colour = (0, 0, 0) if px[3] < 128 else px[:3]
            if colour not in cache:
                cache[colour] = nearest(palette, colour)
            line[x] = cache[colour]
        pixels += line
    return header + table + bytes(pixels) + and_mask(rows)


def write_ico(path, images):
    """images: list of (rows, bits per pixel), in directory order."""
    palette = icon_palette()
    blobs = []
    for rows, bpp in images:
        blobs.append(dib_8(rows, palette) if bpp == 8 else dib_32(rows))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (rows, bpp), blob in zip(images, blobs):
        size = len(rows)
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
    out += b"".join(blobs)
    write_file(path, out)


def write_file(path, data):
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# The artwork. Flat shapes in a small set of colours.

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
BLUE = (38, 110, 196)
GREEN = (46, 160, 67)
AMBER = (232, 150, 28)
RED = (208, 56, 56)
GREY = (110, 118, 128)
NAVY = (36, 56, 94)
GOLD = (222, 178, 64)
PCB = (30, 122, 80)
CHIP = (34, 38, 44)
SLATE = (46, 52, 64)
YELLOW = (240, 208, 40)


def about_icon():
    return [
        (circle(0.5, 0.5, 0.45), BLUE),
        (circle(0.5, 0.29, 0.065), WHITE),
        (rounded_rect(0.44, 0.42, 0.56, 0.76, 0.03), WHITE),
    ]


def options_icon():
    return [
        (gear(0.5, 0.5, 0.33, 0.45, 8, 0.14), GREY),
        (ring(0.5, 0.5, 0.24, 0.14), (150, 158, 168)),
    ]


def save_icon():
    body = rounded_rect(0.1, 0.1, 0.9, 0.9, 0.06)
    notch = polygon([(0.76, 0.08), (0.92, 0.08), (0.92, 0.24)])
    return [
        (minus(body, notch), NAVY),
        (rect(0.26, 0.14, 0.68, 0.38), (200, 208, 220)),
        (rect(0.54, 0.18, 0.62, 0.34), NAVY),
        (rect(0.22, 0.54, 0.78, 0.86), WHITE),
        (rect(0.28, 0.62, 0.72, 0.65), (170, 178, 190)),
        (rect(0.28, 0.72, 0.72, 0.75), (170, 178, 190)),
    ]


def enable_icon():
    return [
        (circle(0.5, 0.5, 0.45), GREEN),
        (polyline([(0.28, 0.52), (0.44, 0.68), (0.73, 0.35)], 0.11), WHITE),
    ]


def disable_icon():
    return [
        (circle(0.5, 0.5, 0.45), AMBER),
        (rounded_rect(0.33, 0.3, 0.45, 0.7, 0.02), WHITE),
        (rounded_rect(0.55, 0.3, 0.67, 0.7, 0.02), WHITE),
    ]


def close_icon():
    return [
        (circle(0.5, 0.5, 0.45), RED),
        (segment(0.33, 0.33, 0.67, 0.67, 0.11), WHITE),
        (segment(0.67, 0.33, 0.33, 0.67, 0.11), WHITE),
    ]


def memory_module(x0, y0, x1, y1):
    """A memory module seen from the front: board, four chips, gold contacts."""
    w, h = x1 - x0, y1 - y0
    layers = [(rounded_rect(x0, y0, x1, y1, 0.04 * w), PCB)]
    # The notch in the contact edge.
    layers.append((rect(x0 + 0.46 * w, y1 - 0.16 * h, x0 + 0.54 * w, y1), (0, 0, 0, 0)))
    for i in range(4):
        cx0 = x0 + (0.07 + i * 0.23) * w
        layers.append((rect(cx0, y0 + 0.16 * h, cx0 + 0.17 * w, y0 + 0.6 * h), CHIP))
    for i in range(12):
        px0 = x0 + (0.05 + i * 0.077) * w
        if 0.44 < (px0 - x0) / w < 0.55:
            continue
        layers.append((rect(px0, y1 - 0.17 * h, px0 + 0.045 * w, y1 - 0.03 * h), GOLD))
    return layers


def knock_out(layers):
    """Turns fully transparent layers into holes in everything drawn before them."""
    result = []
    for shape, colour in layers:
        if len(colour) > 3 and colour[3] == 0:
            result = [(minus(s, shape), c) for s, c in result]
        else:
            result.append((shape, colour))
    return result


def app_icon():
    layers = memory_module(0.06, 0.2, 0.94, 0.66)
    # An upward arrow: memory set free.
    layers.append((circle(0.72, 0.7, 0.22), WHITE))
    layers.append((circle(0.72, 0.7, 0.19), GREEN))
    layers.append((polygon([(0.72, 0.55), (0.84, 0.69), (0.76, 0.69), (0.76, 0.84),
                            (0.68, 0.84), (0.68, 0.69), (0.6, 0.69)]), WHITE))
    return knock_out(layers)


def about_logo():
    layers = [(circle(0.5, 0.5, 0.48), (232, 240, 250)), (ring(0.5, 0.5, 0.48, 0.455), BLUE)]
    layers += memory_module(0.16, 0.3, 0.84, 0.6)
    layers.append((rect(0.3, 0.68, 0.7, 0.72), GREEN))
    layers.append((rect(0.36, 0.76, 0.64, 0.8), (120, 190, 130)))
    return knock_out(layers)


# A 3 x 5 pixel font for the digits the tray picture shows.
DIGITS = {
    "3": ["###", "..#", "###", "..#", "###"],
    "7": ["###", "..#", ".#.", ".#.", ".#."],
    "6": ["###", "#..", "###", "#.#", "###"],
    "4": ["#.#", "#.#", "###", "..#", "..#"],
}


def tray_picture(text, bar_colour):
    """The tray icon as it looks in the taskbar: a number above a coloured bar,
    on the dark taskbar, drawn pixel by pixel (26 x 46, opaque)."""
    w, h = 26, 46
    rows = [[SLATE + (255,) for _ in range(w)] for _ in range(h)]
    # The icon itself: 18 x 18, centred.
    ox, oy = 4, 14
    for y in range(18):
        for x in range(18):
            rows[oy + y][ox + x] = (238, 240, 244, 255)
    scale = 2
    x = ox + 2
    for ch in text:
        glyph = DIGITS[ch]
        for gy, line in enumerate(glyph):
            for gx, cell in enumerate(line):
                if cell == "#":
                    for sy in range(scale):
                        for sx in range(scale):
                            rows[oy + 2 + gy * scale + sy][x + gx * scale + sx] = BLACK + (255,)
        x += 3 * scale + 1
    for y in range(13, 17):
        for xx in range(1, 17):
            rows[oy + y][ox + xx] = bar_colour + (255,)
    return rows


def swatch(kind):
    rows = []
    for y in range(16):
        row = []
        for x in range(16):
            if x in (0, 15) or y in (0, 15):
                colour = (128, 128, 128)
            elif kind == "black":
                colour = BLACK
            elif kind == "white":
                colour = WHITE
            else:
                colour = BLACK if x + y < 16 else WHITE
            row.append(colour + (255,))
        rows.append(row)
    return rows


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "images")
    os.makedirs(out, exist_ok=True)

    def path(name):
        return os.path.join(out, name)

    write_rgba_png(path("About.png"), render(40, 40, about_icon()))
    write_rgba_png(path("Options.png"), render(40, 40, options_icon()))
    write_palette_png(path("Save.png"), render(40, 40, save_icon()), (240, 240, 240))
    write_rgba_png(path("Enable.png"), render(40, 40, enable_icon()))
    write_rgba_png(path("Disable.png"), render(40, 40, disable_icon()))
    write_rgba_png(path("Close.png"), render(40, 40, close_icon()))
    write_rgba_png(path("AboutLogo.png"), render(120, 120, about_logo()))
    write_rgb_png(path("TrayIcon1.png"), tray_picture("37", GREEN))
    write_rgb_png(path("TrayIcon2.png"), tray_picture("64", YELLOW))
    write_rgb_png(path("ColorBlack.png"), swatch("black"))
    write_rgb_png(path("ColorWhite.png"), swatch("white"))
    write_rgb_png(path("ColorBlackWhite.png"), swatch("both"))

    icon = app_icon()
    sizes = {s: render(s, s, icon) for s in (256, 48, 32, 16)}
    write_ico(path("ram_optimizer.ico"),
              [(sizes[48], 8), (sizes[32], 8), (sizes[16], 8),
               (sizes[256], 32), (sizes[48], 32), (sizes[32], 32), (sizes[16], 32)])


if __name__ == "__main__":
    main()
