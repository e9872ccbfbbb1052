#!/usr/bin/env python3
"""Checks a screenshot (binary PPM) of examples/draw.bas's window: the
target's rings, the filled ellipse, the printed text rows and the black
background. Prints what failed; exits 1 when anything did."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "lib"))
from ppm import read_ppm  # noqa: E402

RED, WHITE, GREEN, YELLOW, BLACK = (255, 0, 0), (255, 255, 255), (0, 255, 0), (255, 255, 0), (0, 0, 0)

# Points well inside each figure (client coordinates), away from outlines.
EXPECTED = [
    ((200, 200), RED, "the target's centre (ring 1)"),
    ((245, 200), WHITE, "ring 2"),
    ((200, 125), RED, "ring 3"),
    ((100, 200), WHITE, "ring 4"),
    ((200, 335), RED, "ring 5"),
    ((700, 300), YELLOW, "the filled ellipse"),
    ((60, 450), BLACK, "the background"),
]


def colour_in_band(width, pixels, top, bottom, colour):
    return any(tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) == colour
               for y in range(top, bottom) for x in range(0, min(width, 300)))


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    failures = []
    for (x, y), colour, what in EXPECTED:
        if x >= width or y >= height:
            failures.append(f"{what}: ({x},{y}) outside the {width}x{height} picture")
            continue
        seen = tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3])
        if seen != colour:
            failures.append(f"{what}: ({x},{y}) is {seen}, expected {colour}")
    # The two printed rows: white text in the first, green in the second.
    if not colour_in_band(width, pixels, 0, 16, WHITE):
        failures.append("no white text in the first row")
    if not colour_in_band(width, pixels, 16, 32, GREEN):
        failures.append("no green text in the second row")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
