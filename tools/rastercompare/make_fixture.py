#!/usr/bin/env python3
"""Captures the reference pixels of a representative set of figures from the
GDI reference renderer, for tests/unit/raster_reference_test.cpp.

    make_fixture.py FIGURES_EXE OUT.txt

Runs FIGURES_EXE (the renderer in /work/shared/gdi-reference, built with
mingw) under Wine with no X display, one canvas after another; WINEPREFIX
as set. Each figure is drawn in rows of its own, right of a wide margin, so
that nothing one figure draws can land on another's box. Filled ellipses
whose outline stops short of the box's top and bottom rows (tall ellipses a
few pixels wide, see tips_cut_short) are left out: for the rows beyond the
tips the reference paints brush spans left over from earlier figures, so its
pixels there depend on what it drew before.

Every output line is one figure drawn with its box's top-left corner at
(1, 1) on a surface of (width + 2) x (height + 2) pixels, and the FNV-1a
hash of that surface's pixels, each pixel coded 0 (black), 1 (pen, white),
2 (brush, red) or 3 (anything else), row by row:
    ellipse l t r b BRUSH HASH
    arc l t r b xs ys xe ye HASH
    pie l t r b xs ys xe ye BRUSH HASH
BRUSH is 0000ff or null; the pen is ffffff.
"""
import os
import subprocess
import sys

from make_scripts import square_walk  # the runtime's direction walk

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "lib"))
from ppm import parse_ppm  # noqa: E402

MARGIN = 300
CANVAS_HEIGHT = 8192
GAP = 3


def circle_box(r, ratio):
    if ratio < 1:
        rx, ry = r, int(r * ratio)
    else:
        ry, rx = r, int(r / ratio)
    return rx, ry


def tips_cut_short(w, h):
    """Whether the platform's ellipse walk ends before reaching the top row."""
    if w <= 2 or h <= 2:
        return False
    a, b = w - 1, h - 1
    f = lambda x, y: b * b * x * x + a * a * y * y - a * a * b * b
    x, y, last = -a, b & 1, 0
    while x <= 0 and y <= b:
        last = y
        d = f(x + 2, y + 2)
        if d < 0:
            if f(x, y + 2) + d >= 0:
                x += 2
            y += 2
        else:
            if d + f(x + 2, y) <= 0:
                y += 2
            x += 2
    return last < b


def figures():
    """(kind, w, h, radials relative to the box's top-left corner, brush)"""
    out = []
    for ratio in (0.25, 0.5, 1, 2, 4):
        for r in range(65):
            rx, ry = circle_box(r, ratio)
            for brush in ("null", "0000ff"):
                if brush == "null" or not tips_cut_short(2 * rx, 2 * ry):
                    out.append(("ellipse", 2 * rx, 2 * ry, (), brush))
    sides = (0, 1, 2, 3, 5, 7, 9, 13, 21, 33, 65, 129)
    for w in sides:
        for h in sides:
            for brush in ("null", "0000ff"):
                if brush == "null" or not tips_cut_short(w, h):
                    out.append(("ellipse", w, h, (), brush))
    walk = [square_walk(t) for t in (0, 40, 78.5, 120, 157, 235.5, 300, 392.5, 450, 549.5, 600, 628, 700)]
    every_pair = [(s, e) for s in walk for e in walk]
    some_pairs = every_pair[::4]
    boxes = [((21, 21), every_pair), ((20, 20), every_pair), ((100, 100), every_pair), ((43, 3), every_pair),
             ((41, 21), some_pairs), ((20, 40), some_pairs), ((8, 3), some_pairs), ((101, 61), some_pairs),
             ((5, 5), some_pairs), ((4, 4), some_pairs), ((3, 3), some_pairs), ((7, 4), some_pairs)]
    for (w, h), pairs in boxes:
        cx, cy = w // 2, h // 2
        for s, e in pairs:
            radials = (cx + s[0], cy - s[1], cx + e[0], cy - e[1])
            out.append(("arc", w, h, radials, None))
            out.append(("pie", w, h, radials, "0000ff"))
    return out


def command(kind, x, y, w, h, radials, brush):
    v = [x, y, x + w, y + h] + [c + (x if i % 2 == 0 else y) for i, c in enumerate(radials)]
    words = [kind] + [str(c) for c in v] + ["ffffff"] + ([brush] if brush else [])
    return " ".join(words)


def code(rgb):
    if rgb == b"\0\0\0":
        return 0
    if rgb == b"\xff\xff\xff":
        return 1
    if rgb == b"\xff\0\0":
        return 2
    return 3


def fnv1a(codes):
    h = 0xcbf29ce484222325
    for c in codes:
        h ^= c
        h = (h * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return h


def capture(figures_exe, figs):
    width = MARGIN + max(w for _, w, _, _, _ in figs) + GAP + 2
    hashes = []
    i = 0
    env = dict(os.environ, WINEDEBUG="-all")
    env.pop("DISPLAY", None)
    while i < len(figs):
        y, placed, lines = GAP + 1, [], []
        while i < len(figs) and y + figs[i][2] + GAP + 1 < CANVAS_HEIGHT:
            kind, w, h, radials, brush = figs[i]
            lines.append(command(kind, MARGIN, y, w, h, radials, brush))
            placed.append((MARGIN, y, w, h))
            y += h + GAP + 2
            i += 1
        script = f"size {width} {CANVAS_HEIGHT}\n" + "\n".join(lines) + "\n"
        done = subprocess.run(["wine", figures_exe, "-", "-"], input=script.encode(), capture_output=True,
                              env=env, check=True)
        cw, _, pixels = parse_ppm(done.stdout)
        for (x, y0, w, h) in placed:
            codes = []
            for yy in range(y0 - 1, y0 + h + 1):
                row = pixels[(yy * cw + x - 1) * 3:(yy * cw + x + w + 1) * 3]
                codes.extend(code(row[k:k + 3]) for k in range(0, len(row), 3))
            hashes.append(fnv1a(codes))
    return hashes


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    figs = figures()
    hashes = capture(sys.argv[1], figs)
    with open(sys.argv[2], "w") as out:
        out.write("# Reference pixels of figures drawn by the GDI reference renderer (Wine),\n")
        out.write("# captured by tools/rastercompare/make_fixture.py; see there for the format.\n")
        for (kind, w, h, radials, brush), digest in zip(figs, hashes):
            out.write(command(kind, 1, 1, w, h, radials, brush).replace(" ffffff", "") + f" {digest:016x}\n")


if __name__ == "__main__":
    main()
