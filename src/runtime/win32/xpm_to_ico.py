#!/usr/bin/env python3
"""Writes the program icon as a Windows .ico file, made from the XPM picture that is the one
source of the icon: one 32-bit image (colours with an alpha channel, plus the AND mask that
older Windows versions draw with). Only what the program's XPM uses is read: one character per
pixel, colours given as #RRGGBB or None.

usage: xpm_to_ico.py PICTURE.xpm ICON.ico
"""
import re
import struct
import sys


def read_xpm(path):
    strings = re.findall(r'"((?:[^"\\]|\\.)*)"', open(path, encoding="utf-8").read())
    width, height, colour_count, chars_per_pixel = map(int, strings[0].split()[:4])
    if chars_per_pixel != 1:
        sys.exit(f"{path}: only one character per pixel is supported")
    colours = {}
    for line in strings[1 : 1 + colour_count]:
        key, value = line[0], line[1:].split()
        colour = value[value.index("c") + 1]
        if colour.lower() == "none":
            colours[key] = None
        elif re.fullmatch(r"#[0-9A-Fa-f]{6}", colour):
            colours[key] = tuple(int(colour[i : i + 2], 16) for i in (1, 3, 5))
        else:
            sys.exit(f"{path}: colour {colour!r} is not #RRGGBB or None")
    rows = strings[1 + colour_count : 1 + colour_count + height]
    if len(rows) != height or any(len(row) != width for row in rows):
        sys.exit(f"{path}: the picture is not {width} x {height}")
    return width, height, [[colours[c] for c in row] for row in rows]


def ico_bytes(width, height, pixels):
    colour_rows, mask_rows = [], []
    mask_stride = ((width + 31) // 32) * 4
    # A bitmap in an icon is stored bottom row first.
    for row in reversed(pixels):
        colour_rows.append(
            b"".join(
                struct.pack("<4B", 0, 0, 0, 0) if p is None else struct.pack("<4B", p[2], p[1], p[0], 255)
                for p in row
            )
        )
        mask = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(mask))
    image_bits = b"".join(colour_rows) + b"".join(mask_rows)
    # The header's height counts the colour image and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(image_bits), 0, 0, 0, 0)
    image = header + image_bits
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[2], "wb") as out:
        out.write(ico_bytes(*read_xpm(sys.argv[1])))


if __name__ == "__main__":
    main()
