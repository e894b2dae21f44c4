#!/usr/bin/env python3
"""Makes the engine's two Windows image resources from the engine's own sources.

  engine/os/win32/tray_background.bmp  DEFAULTBMP: 16 x 16, 24 bits per pixel,
                                       every pixel the key colour; the tray icon
                                       is drawn onto it and the key colour left
                                       over becomes transparent.
  engine/os/win32/disabled.ico         WIWIED: 16 x 16, 16 colours, the picture of
                                       a switched-off optimizer.

The disabled picture, its colours and the key colour are read from
engine/tray_picture.cpp and engine/tray_picture.h, so the Windows icon and the
Linux face's software renderer show the same picture. Only the standard library
is used and the output depends on nothing but those sources: rerunning gives the
same bytes. The build uses the committed files and never runs this script.

Usage: tools/make_engine_images.py [--check]
  --check  write nothing; exit 1 when a committed file differs from what the
           sources give.
"""

import pathlib
import re
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PICTURE_SOURCE = ROOT / "engine" / "tray_picture.cpp"
PICTURE_HEADER = ROOT / "engine" / "tray_picture.h"
OUTPUT_DIR = ROOT / "engine" / "os" / "win32"
BACKGROUND_FILE = OUTPUT_DIR / "tray_background.bmp"
DISABLED_FILE = OUTPUT_DIR / "disabled.ico"

SIZE = 16
TRANSPARENT = "."


def fail(message):
    sys.stderr.write("make_engine_images: " + message + "\n")
    sys.exit(2)


def read_key_colour(header_text):
    match = re.search(r"kKeyColour\s*\{\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\}", header_text)
    if not match:
        fail("no kKeyColour in " + str(PICTURE_HEADER))
    return tuple(int(v) for v in match.groups())


def read_disabled_map(source_text):
    match = re.search(r"kDisabledMap\s*=\s*\{(.*?)\};", source_text, re.S)
    if not match:
        fail("no kDisabledMap in " + str(PICTURE_SOURCE))
    rows = re.findall(r'"([^"]*)"', match.group(1))
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        fail("kDisabledMap must be %d strings of %d characters" % (SIZE, SIZE))
    return rows


def read_disabled_colours(source_text):
    match = re.search(r"Rgb\s+disabledColour\s*\(.*?\)\s*\{(.*?)\n\}", source_text, re.S)
    if not match:
        fail("no disabledColour() in " + str(PICTURE_SOURCE))
    colours = {}
    for letter, r, g, b in re.findall(
        r"case\s*'(.)'\s*:\s*return\s*\{\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\}", match.group(1)
    ):
        colours[letter] = (int(r), int(g), int(b))
    return colours


def background_bitmap(key):
    """A bottom-up 24-bit BMP file filled with the key colour."""
    row = bytes((key[2], key[1], key[0])) * SIZE  # BGR; 48 bytes, already a multiple of 4
    pixels = row * SIZE
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + pixels


def disabled_icon(rows, colours):
    """A one-image .ico: 16 x 16 at 4 bits per pixel with its transparency mask."""
    letters = sorted({c for row in rows for c in row if c != TRANSPARENT})
    missing = [c for c in letters if c not in colours]
    if missing:
        fail("no colour for map letters " + "".join(missing))
    # Index 0 is black: transparent pixels must be black under a set mask bit.
    palette = [(0, 0, 0)] + [colours[c] for c in letters]
    if len(palette) > 16:
        fail("the disabled picture has more than 15 colours")
    palette += [(0, 0, 0)] * (16 - len(palette))
    index = {c: i + 1 for i, c in enumerate(letters)}
    index[TRANSPARENT] = 0

    colour_rows = []
    mask_rows = []
    for row in reversed(rows):  # DIB rows run from the bottom
        nibbles = [index[c] for c in row]
        colour_rows.append(bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2)))
        bits = 0
        for c in row:
            bits = (bits << 1) | (1 if c == TRANSPARENT else 0)
        mask_rows.append(struct.pack(">H", bits) + b"\0\0")  # rows padded to 4 bytes
    colour_bits = b"".join(colour_rows)
    mask_bits = b"".join(mask_rows)

    info = struct.pack(
        "<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(colour_bits) + len(mask_bits), 0, 0, 16, 0
    )
    rgbquads = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    image = info + rgbquads + colour_bits + mask_bits
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        sys.stderr.write(__doc__)
        return 2
    source_text = PICTURE_SOURCE.read_text(encoding="utf-8")
    header_text = PICTURE_HEADER.read_text(encoding="utf-8")
    outputs = {
        BACKGROUND_FILE: background_bitmap(read_key_colour(header_text)),
        DISABLED_FILE: disabled_icon(read_disabled_map(source_text), read_disabled_colours(source_text)),
    }
    stale = []
    for path, data in outputs.items():
        current = path.read_bytes() if path.exists() else None
        if current == data:
            continue
        if check:
            stale.append(path)
        else:
            path.write_bytes(data)
            print("wrote " + str(path.relative_to(ROOT)))
    for path in stale:
        print("out of date: " + str(path.relative_to(ROOT)))
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
