#!/usr/bin/env python3
"""Pictures for comparing Circle on Windows with Circle on the project's own
layer, drawn by promptdraw on both and compared pixel by pixel.

    draw_compare.py scripts DIR          writes DIR/<picture>.txt scripts
    draw_compare.py compare DIR WINDOWS_SUFFIX LINUX_SUFFIX
                                         compares DIR/<picture><suffix>.ppm

Each figure sits in its own square cell of the screen-sized back buffer, so
a difference is reported as the figure whose cell it falls in. Full ellipses
must match exactly; arcs and sectors are reported with the number of
pixels that differ."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from ppm import read_ppm  # noqa: E402

SCREEN_WIDTH, SCREEN_HEIGHT = 1920, 1080
CELL = 132  # a radius-64 figure is 129 pixels wide at most
COLUMNS, ROWS = SCREEN_WIDTH // CELL, SCREEN_HEIGHT // CELL
RATIOS = ["0.25", "0.5", "0.75", "1", "1.5", "2", "3", "4"]
ANGLES = ["0", "0.5", "1.57", "2", "3.14", "4.71", "5.5", "6.28", "7"]


def ellipse_figures():
    """Full ellipses of radius 0 to 64 per ratio, outlined and filled."""
    for ratio in RATIOS:
        for fill in (0, 1):
            name = f"ellipse-ratio{ratio}-fill{fill}"
            figures = []
            for radius in range(65):
                colour = 1 + radius % 7
                fill_colour = 1 + (radius + 3) % 7
                figures.append((f"radius {radius}", radius, colour, "0", "0", ratio, fill, fill_colour))
            yield name, figures


def arc_figures():
    """Arcs (both angles not negative) and sectors (negated angles) between
    every pair of angles, on a circle and on two ellipses."""
    for ratio in ("1", "0.5", "3"):
        for kind in ("arc", "sector"):
            name = f"{kind}-ratio{ratio}"
            figures = []
            for start in ANGLES:
                for end in ANGLES:
                    if start == "0" and end == "0":
                        continue
                    if kind == "sector":
                        # A negative zero counts as zero, so the sector is
                        # asked for by the other angle when one is 0.
                        s = start if start == "0" else "-" + start
                        e = end if end == "0" else "-" + end
                    else:
                        s, e = start, end
                    figures.append((f"start {s} end {e}", 50, 2 + len(figures) % 6, s, e, ratio, 1, 7))
            yield name, figures


def pictures():
    for name, figures in list(ellipse_figures()) + list(arc_figures()):
        # Large sets are split so that every figure gets a cell.
        per_picture = COLUMNS * ROWS
        for part in range(0, len(figures), per_picture):
            suffix = "" if len(figures) <= per_picture else f"-part{part // per_picture + 1}"
            yield name + suffix, figures[part:part + per_picture]


def cell_centre(index):
    column, row = index % COLUMNS, index // COLUMNS
    return column * CELL + CELL // 2, row * CELL + CELL // 2


def write_scripts(directory):
    os.makedirs(directory, exist_ok=True)
    names = []
    for name, figures in pictures():
        with open(os.path.join(directory, name + ".txt"), "w") as f:
            f.write(f"# {name}\n")
            for index, (_, radius, colour, start, end, ratio, fill, fill_colour) in enumerate(figures):
                x, y = cell_centre(index)
                f.write(f"circle {x} {y} {radius} {colour} {start} {end} {ratio} {fill} {fill_colour}\n")
        names.append(name)
    print("\n".join(names))


def differing_pixels_per_cell(windows, linux):
    (width, height, a), (width_b, height_b, b) = windows, linux
    if (width, height) != (width_b, height_b):
        raise SystemExit(f"sizes differ: {width}x{height} and {width_b}x{height_b}")
    counts = {}
    stride = width * 3
    for y in range(height):
        row_a, row_b = a[y * stride:(y + 1) * stride], b[y * stride:(y + 1) * stride]
        if row_a == row_b:
            continue
        for x in range(width):
            if row_a[3 * x:3 * x + 3] != row_b[3 * x:3 * x + 3]:
                cell = (y // CELL) * COLUMNS + x // CELL if x < COLUMNS * CELL else -1
                counts[cell] = counts.get(cell, 0) + 1
    return counts


def compare(directory, windows_suffix, linux_suffix):
    failed = False
    totals = {"ellipse": [0, 0], "arc": [0, 0], "sector": [0, 0]}
    for name, figures in pictures():
        kind = name.split("-")[0]
        windows = read_ppm(os.path.join(directory, name + windows_suffix))
        linux = read_ppm(os.path.join(directory, name + linux_suffix))
        counts = differing_pixels_per_cell(windows, linux)
        totals[kind][0] += len(figures)
        for cell, count in sorted(counts.items()):
            label = figures[cell][0] if 0 <= cell < len(figures) else "outside every figure's cell"
            print(f"  {name}, {label}: {count} pixels differ")
            totals[kind][1] += 1
            if kind == "ellipse" or not 0 <= cell < len(figures):
                failed = True
    for kind, (figures, differing) in totals.items():
        print(f"{kind}s: {figures} figures, {differing} differ")
    return 1 if failed else 0


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "scripts":
        write_scripts(sys.argv[2])
        return 0
    if len(sys.argv) == 5 and sys.argv[1] == "compare":
        return compare(*sys.argv[2:])
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main())
