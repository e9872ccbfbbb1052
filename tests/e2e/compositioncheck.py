#!/usr/bin/env python3
"""Looks at one cell row of a console window screenshot (binary PPM, as
ImageMagick's `import` writes it) for the input method's composition text,
which the display draws on a light (or, while converting, highlight)
background over the console's black.

  compositioncheck.py IMAGE X Y WIDTH HEIGHT shown|converting|gone

shown: the composition starts at (X, Y): the column before X is black and
most of the WIDTH x HEIGHT area from there has a non-black background.
converting: shown, with a segment in the highlight colour.
gone: the area is mostly black again and holds no highlight colour.
Prints one line; exits 1 when the condition does not hold."""
import sys

from imagecheck import read_ppm

BLACK = (0, 0, 0)
HIGHLIGHT = (0, 0, 128)


def main():
    path, x0, y0, width, height, want = sys.argv[1:7]
    x0, y0, width, height = int(x0), int(y0), int(width), int(height)
    image_width, image_height, pixels = read_ppm(path)
    if x0 < 1 or y0 < 0 or x0 + width > image_width or y0 + height > image_height:
        raise SystemExit(f"area {x0},{y0} {width}x{height} is not inside {image_width}x{image_height}")

    def at(x, y):
        i = (y * image_width + x) * 3
        return tuple(pixels[i:i + 3])

    area = [at(x, y) for y in range(y0, y0 + height) for x in range(x0, x0 + width)]
    black = sum(p == BLACK for p in area) / len(area)
    highlight = sum(p == HIGHLIGHT for p in area)
    before = sum(at(x0 - 1, y) != BLACK for y in range(y0, y0 + height))
    print(f"area {x0},{y0} {width}x{height}: {black:.0%} black, {highlight} highlight pixels, "
          f"{before} lit pixels in the column before")
    if want == "shown":
        ok = black < 0.5 and before == 0
    elif want == "converting":
        ok = black < 0.5 and before == 0 and highlight > 0
    elif want == "gone":
        ok = black > 0.5 and highlight == 0
    else:
        raise SystemExit(f"unknown condition {want}")
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
