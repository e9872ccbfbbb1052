#!/usr/bin/env python3
"""Checks a screenshot of the console window (binary PPM, as ImageMagick's
`import` writes it) against what a swarm program may show.

Prints one summary line, then one line per failed condition; exits 1 when a
condition fails. Coordinates are the image's own, which for a window
screenshot are client coordinates."""
import argparse
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "lib"))
from ppm import read_ppm  # noqa: E402

BLACK = (0, 0, 0)
GROUP_COLOURS = {  # palette indices 1 to 6
    (0, 0, 255): "blue",
    (255, 0, 0): "red",
    (255, 0, 255): "magenta",
    (0, 255, 0): "green",
    (0, 255, 255): "cyan",
    (255, 255, 0): "yellow",
}
WHITE = (255, 255, 255)


def crop(width, height, pixels, border):
    if border == 0:
        return width, height, pixels
    inner_width, inner_height = width - 2 * border, height - 2 * border
    if inner_width <= 0 or inner_height <= 0:
        raise SystemExit(f"a border of {border} leaves nothing of {width}x{height}")
    rows = (pixels[(y * width + border) * 3:(y * width + border + inner_width) * 3]
            for y in range(border, border + inner_height))
    return inner_width, inner_height, b"".join(rows)


NON_ZERO = re.compile(rb"[^\x00]")


def analyse(width, height, pixels):
    """Counts the non-black colours and finds the right-most and bottom-most
    non-black pixel. Most of the window is black, so only non-zero bytes are
    visited."""
    counts = {}
    drawn_right = drawn_bottom = -1
    for y in range(height):
        row = pixels[y * width * 3:(y + 1) * width * 3]
        last_x = -1
        for match in NON_ZERO.finditer(row):
            x = match.start() // 3
            if x == last_x:
                continue
            last_x = x
            rgb = tuple(row[3 * x:3 * x + 3])
            counts[rgb] = counts.get(rgb, 0) + 1
            drawn_right = max(drawn_right, x)
            drawn_bottom = y
    return counts, drawn_right, drawn_bottom


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("image")
    parser.add_argument("--border", type=int, default=0,
                        help="leave out this many pixels on every side (a window frame); "
                             "coordinates then count from inside it")
    parser.add_argument("--palette-only", action="store_true",
                        help="every pixel is black, a group colour or white")
    parser.add_argument("--min-group-colours", type=int, default=0,
                        help="at least this many of the six group colours appear")
    parser.add_argument("--max-group-colours", type=int,
                        help="at most this many of the six group colours appear")
    parser.add_argument("--max-x", type=int, help="no non-black pixel right of this column")
    parser.add_argument("--max-y", type=int, help="no non-black pixel below this row")
    parser.add_argument("--min-black-fraction", type=float, default=0.0)
    parser.add_argument("--white", action="store_true", help="white pixels appear")
    parser.add_argument("--no-white", action="store_true", help="no white pixel appears")
    args = parser.parse_args()

    width, height, pixels = crop(*read_ppm(args.image), args.border)
    counts, right, bottom = analyse(width, height, pixels)
    groups = sorted(GROUP_COLOURS[c] for c in counts if c in GROUP_COLOURS)
    others = {c: n for c, n in counts.items() if c not in GROUP_COLOURS and c != WHITE}
    drawn = sum(counts.values())
    black_fraction = 1 - drawn / (width * height)
    print(f"{args.image}: {width}x{height}, black {black_fraction:.4f}, "
          f"groups {','.join(groups) or '-'}, white {counts.get(WHITE, 0)}, "
          f"other colours {len(others)}, drawn up to ({right},{bottom})")

    failures = []
    if args.palette_only and others:
        sample = ", ".join(f"#{r:02x}{g:02x}{b:02x}x{n}" for (r, g, b), n in list(others.items())[:5])
        failures.append(f"colours outside the palette: {sample}")
    if len(groups) < args.min_group_colours:
        failures.append(f"{len(groups)} group colours, expected at least {args.min_group_colours}")
    if args.max_group_colours is not None and len(groups) > args.max_group_colours:
        failures.append(f"{len(groups)} group colours, expected at most {args.max_group_colours}")
    if args.max_x is not None and right > args.max_x:
        failures.append(f"drawn at x={right}, beyond {args.max_x}")
    if args.max_y is not None and bottom > args.max_y:
        failures.append(f"drawn at y={bottom}, beyond {args.max_y}")
    if black_fraction < args.min_black_fraction:
        failures.append(f"black fraction {black_fraction:.4f} below {args.min_black_fraction}")
    if args.white and WHITE not in counts:
        failures.append("no white pixel")
    if args.no_white and WHITE in counts:
        failures.append(f"{counts[WHITE]} white pixels")
    for failure in failures:
        print(f"  {failure}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
