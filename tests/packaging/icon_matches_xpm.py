#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vyx calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that a theme icon shows exactly the pixels of the program's XPM data,
each one repeated as a SIZE/width square block when the icon is larger.

The XPM text is read here on its own and the PNG through ImageMagick, so a
fault in the build-time export (channel order, size, the transparent colour,
the wrong image, smoothing or a shifted block when scaling) cannot hide behind
the same reader on both sides.
Usage: icon_matches_xpm.py ICON.xpm ICON.png SIZE
"""
import re
import subprocess
import sys


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


def png_pixels(path):
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
    got_w, got_h, got = png_pixels(png)
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
