#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that an icon shows exactly the pixels of the program's XPM data,
each one repeated as a SIZE/width square block when the icon is larger.

The XPM text is read here on its own and the icon through ImageMagick, so a
fault in the build-time export (channel order, size, the transparent colour,
the wrong image, smoothing or a shifted block when scaling) cannot hide behind
the same reader on both sides. The icon may be in any format ImageMagick
reads, or JPEG XL, which AppStream compose caches icons as where it can and
which Debian's ImageMagick does not read: the reference decoder (djxl) turns
it into a PNG first.
Usage: icon_matches_xpm.py ICON.xpm ICON SIZE
"""
import os
import re
import subprocess
import sys
import tempfile

# A bare JPEG XL codestream, and the ISO media file box that wraps one.
JPEG_XL_SIGNATURES = (b"\xff\x0a", b"\x00\x00\x00\x0cJXL \x0d\x0a\x87\x0a")


def xpm_pixels(path):
    # The data is C source: its strings carry escapes such as \t.
    strings = [s.encode().decode("unicode_escape")
               for s in re.findall(r'"((?:[^"\\]|\\.)*)"', open(path).read())]
    width, height, ncolours, cpp = map(int, strings[0].split()[:4])
    palette = {}
    for line in strings[1 : 1 + ncolours]:
        key, fields = line[:cpp], line[cpp:].split()
        colour = fields[fields.index("c") + 1]
        if colour.lower() == "none":
            palette[key] = (0, 0, 0, 0)
        else:
            value = int(colour.lstrip("#"), 16)
            palette[key] = (value >> 16, (value >> 8) & 0xFF, value & 0xFF, 255)
    rows = strings[1 + ncolours : 1 + ncolours + height]
    pixels = [palette[row[i : i + cpp]] for row in rows for i in range(0, width * cpp, cpp)]
    return width, height, pixels


def decoded_pixels(path):
    with open(path, "rb") as icon:
        head = icon.read(12)
    if not head.startswith(JPEG_XL_SIGNATURES):
        return image_pixels(path)
    with tempfile.TemporaryDirectory() as work:
        png = os.path.join(work, "icon.png")
        subprocess.run(["djxl", path, png], check=True, capture_output=True)
        return image_pixels(png)


def image_pixels(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], check=True,
                         capture_output=True).stdout
    pixels = [tuple(raw[i : i + 4]) for i in range(0, len(raw), 4)]
    # Fully transparent pixels have no colour worth comparing.
    pixels = [(0, 0, 0, 0) if p[3] == 0 else p for p in pixels]
    return int(size[0]), int(size[1]), pixels


def main():
    xpm, png, size = sys.argv[1], sys.argv[2], int(sys.argv[3])
    art_w, art_h, art = xpm_pixels(xpm)
    got_w, got_h, got = decoded_pixels(png)
    if (got_w, got_h) != (size, size):
        sys.exit(f"{png}: {got_w}x{got_h}, not {size}x{size}")
    if size % art_w or size % art_h:
        sys.exit(f"{png}: {size} is no whole multiple of {xpm}'s {art_w}x{art_h}")
    scale_x, scale_y = size // art_w, size // art_h
    want = [art[(y // scale_y) * art_w + x // scale_x] for y in range(size) for x in range(size)]
    wrong = [i for i, (a, b) in enumerate(zip(want, got)) if a != b]
    if wrong:
        i = wrong[0]
        sys.exit(f"{png}: {len(wrong)} pixels differ from {xpm} scaled to {size}; first at "
                 f"{i % size},{i // size}: {got[i]} instead of {want[i]}")


if __name__ == "__main__":
    main()
