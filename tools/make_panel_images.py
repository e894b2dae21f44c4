#!/usr/bin/python3
"""Renders the control panel's images in resources/images/ from their SVG
sources in resources/images/src/ (edit those in any SVG editor).

    tools/make_panel_images.py [OUTPUT_FOLDER]   render every image
    tools/make_panel_images.py --check           render into a temporary folder and
                                                 fail if a committed image differs

Needs rsvg-convert (librsvg2-bin), icotool (icoutils) and Pillow (python3-pil, for
Debian's /usr/bin/python3). None of them writes a date, so the same sources give
the same bytes, and the committed files change only when a source does.

Files and sizes (the panel and its tests rely on them):
    About.png, Options.png, Enable.png, Disable.png, Close.png   40 x 40 RGBA
    Save.png                                                     40 x 40 palette
    AboutLogo.png                                                120 x 120 RGBA
    TrayIcon1.png, TrayIcon2.png                                 26 x 46 RGB
    ColorBlack.png, ColorWhite.png, ColorBlackWhite.png          16 x 16 RGB
    ram_optimizer.ico   48, 32, 16 px at 8 bpp; 256, 48, 32, 16 px at 32 bpp
"""

import os
import subprocess
import sys
import tempfile

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
IMAGES = os.path.join(HERE, "..", "resources", "images")
SOURCES = os.path.join(IMAGES, "src")

# name: (width, height, PNG colour type)
PICTURES = {
    **dict.fromkeys(["About.png", "Options.png", "Enable.png", "Disable.png", "Close.png"], (40, 40, "RGBA")),
    "Save.png": (40, 40, "P"),
    "AboutLogo.png": (120, 120, "RGBA"),
    **dict.fromkeys(["TrayIcon1.png", "TrayIcon2.png"], (26, 46, "RGB")),
    **dict.fromkeys(["ColorBlack.png", "ColorWhite.png", "ColorBlackWhite.png"], (16, 16, "RGB")),
}
ICON = "ram_optimizer.ico"
ICON_8BIT = (48, 32, 16)
ICON_32BIT = (256, 48, 32, 16)

# The palette image is shown on the usual window colour: its edge pixels are
# flattened onto it, and what the drawing leaves empty is palette entry 0, the
# one transparent entry.
WINDOW_COLOUR = (240, 240, 240)


def render(svg, width, height, out):
    subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-o", out, svg], check=True)
    return Image.open(out).convert("RGBA")


def flatten(pixel, background):
    *colour, alpha = pixel
    return tuple(round((c * alpha + b * (255 - alpha)) / 255) for c, b in zip(colour, background))


def palette_image(rgba, background):
    palette = [background]
    index = {}
    indexes = []
    for pixel in rgba.getdata():
        if pixel[3] == 0:
            indexes.append(0)
            continue
        colour = flatten(pixel, background)
        if colour not in index:
            index[colour] = len(palette)
            palette.append(colour)
        indexes.append(index[colour])
    if len(palette) > 256:
        raise SystemExit(f"{len(palette)} colours do not fit a palette")
    image = Image.new("P", rgba.size)
    image.putdata(indexes)
    image.putpalette([c for colour in palette for c in colour])
    return image


def icon_8bit(rgba):
    """255 colours and one transparent entry (255): icotool takes the icon's
    mask from the transparency and cannot lower a bit depth itself."""
    opaque = Image.new("RGB", rgba.size)
    opaque.paste(rgba, mask=rgba.getchannel("A"))
    image = opaque.quantize(255)
    image.putpalette(image.getpalette()[:255 * 3] + [0, 0, 0])
    pixels = image.load()
    alpha = rgba.getchannel("A").load()
    for y in range(rgba.height):
        for x in range(rgba.width):
            if alpha[x, y] < 128:
                pixels[x, y] = 255
    return image


def make(out, work):
    for name, (width, height, mode) in PICTURES.items():
        svg = os.path.join(SOURCES, name[:-4] + ".svg")
        rgba = render(svg, width, height, os.path.join(work, name))
        target = os.path.join(out, name)
        if mode == "P":
            palette_image(rgba, WINDOW_COLOUR).save(target, transparency=0, optimize=True)
        else:
            rgba.convert(mode).save(target, optimize=True)

    svg = os.path.join(SOURCES, ICON[:-4] + ".svg")
    low, high = [], []
    for size in ICON_8BIT:
        path = os.path.join(work, f"icon8-{size}.png")
        icon_8bit(render(svg, size, size, path)).save(path, transparency=255)
        low.append(path)
    for size in ICON_32BIT:
        path = os.path.join(work, f"icon32-{size}.png")
        render(svg, size, size, path)
        high.append(path)
    subprocess.run(["icotool", "-c", "-o", os.path.join(out, ICON), "-b", "8", *low, "-b", "32", *high],
                   check=True)


def same_file(a, b):
    try:
        with open(a, "rb") as x, open(b, "rb") as y:
            return x.read() == y.read()
    except FileNotFoundError:
        return False


def main():
    args = sys.argv[1:]
    with tempfile.TemporaryDirectory() as work:
        if args == ["--check"]:
            fresh = os.path.join(work, "fresh")
            os.mkdir(fresh)
            make(fresh, work)
            differing = 0
            for name in [*PICTURES, ICON]:
                same = same_file(os.path.join(fresh, name), os.path.join(IMAGES, name))
                differing += 0 if same else 1
                print(("ok " if same else "differs from its source ") + name)
            return 1 if differing else 0
        out = args[0] if args else IMAGES
        os.makedirs(out, exist_ok=True)
        make(out, work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
