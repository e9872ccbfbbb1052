#!/usr/bin/env python3
"""Figure scripts for comparing the rasterizer with the GDI reference renderer.

    make_scripts.py DIR [--max-side N]

writes DIR/<set>-<k>.txt, each a canvas of figures that the reference renderer
(figures.exe) and rastercompare both read:

  ellipse-all       every box w x h with 0 <= w, h <= N (default 130), outlined
                    and filled, shelf-packed; filled boxes at most 9 wide each
                    get rows of their own at the right of a wide margin (the
                    reference fills some of those with stray spans that start
                    at the canvas's left edge)
  ellipse-circle    the boxes the runtime's Circle forms for radius 0..64 and
                    ratios 0.25..4, outlined and filled
  arc, pie          boxes of many sizes and aspects against a sweep of radial
                    points: the square walk's directions, the axes, the
                    diagonals, coinciding radials and radials at the centre
  circle-examples   the Circle examples: centre (100,100), radius 50
"""
import math
import os
import sys

WHITE = "ffffff"
RED = "0000ff"
CANVAS = 4096
GAP = 3


def circle_box(x, y, r, ratio):
    if ratio < 1:
        rx, ry = r, int(r * ratio)
    else:
        ry, rx = r, int(r / ratio)
    return x - rx, y - ry, x + rx, y + ry


def square_walk(t):
    """The runtime's direction for t hundredths of a radian (offset, y up)."""
    if t <= 78.5:
        return 78, math.floor(t)
    if t <= 235.5:
        return 78 - math.floor(t - 78.5), 78
    if t <= 392.5:
        return -78, 78 - math.floor(t - 235.5)
    if t <= 549.5:
        return math.floor(t - 392.5) - 78, -78
    if t <= 628:
        return 78, math.floor(t - 549.5) - 78
    return 0, 0


class Shelf:
    """Packs figures (given box-relative) into canvases of CANVAS x CANVAS."""

    def __init__(self, name, outdir, width=CANVAS, height=CANVAS, left=GAP):
        self.name, self.outdir, self.width, self.height, self.left = name, outdir, width, height, left
        self.pages = []
        self._new_page()

    def _new_page(self):
        self.lines = []
        self.pages.append(self.lines)
        self.x, self.y, self.row_h = self.left, GAP, 0

    def add(self, kind, box, radials=(), pen=WHITE, brush=None, own_row=False):
        l, t, r, b = box
        w, h = abs(r - l), abs(b - t)
        if own_row or self.x + w + GAP > self.width:
            self.x, self.y, self.row_h = self.left, self.y + self.row_h + GAP, 0
        if self.y + h + GAP > self.height:
            self._new_page()
        dx, dy = self.x - min(l, r), self.y - min(t, b)
        v = [l + dx, t + dy, r + dx, b + dy] + [c + (dx if i % 2 == 0 else dy) for i, c in enumerate(radials)]
        words = [kind] + [str(c) for c in v] + [pen] + ([brush or "null"] if kind != "arc" else [])
        self.lines.append(" ".join(words))
        self.x += w + GAP
        self.row_h = max(self.row_h, h)
        if own_row:
            self.x = self.width  # nothing else on this row

    def write(self):
        for k, lines in enumerate(self.pages):
            if not lines:
                continue
            with open(os.path.join(self.outdir, f"{self.name}-{k:02d}.txt"), "w") as f:
                f.write(f"size {self.width} {self.height}\n")
                f.write("\n".join(lines) + "\n")


def ellipse_all(outdir, n):
    packed = Shelf("ellipse-all", outdir)
    thin = Shelf("ellipse-thin", outdir, width=300 + n, height=8192, left=300)
    for w in range(n + 1):
        for h in range(n + 1):
            packed.add("ellipse", (0, 0, w, h), brush=None)
            if w <= 9:
                thin.add("ellipse", (0, 0, w, h), brush=RED, own_row=True)
            else:
                packed.add("ellipse", (0, 0, w, h), brush=RED)
    packed.write()
    thin.write()


def ellipse_circle(outdir):
    shelf = Shelf("ellipse-circle", outdir)
    ratios = [0.25, 0.3, 0.4, 0.5, 0.55, 0.6, 0.75, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2, 2.5, 3, 3.5, 4]
    for ratio in ratios:
        for r in range(65):
            for brush in (None, RED):
                shelf.add("ellipse", circle_box(200, 200, r, ratio), brush=brush)
    shelf.write()


BOXES = [(w, h) for w in (3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 16, 17, 20, 21, 31, 32, 41, 64, 65, 100, 101, 129)
         for h in (3, 4, 5, 7, 8, 11, 12, 20, 21, 33, 40, 64, 65, 101, 128, 129)]


def radial_set():
    dirs = set()
    for t in range(0, 700, 7):  # the square walk, one direction every 0.07 radian
        dirs.add(square_walk(t))
    for t in (78.5, 235.5, 392.5, 549.5, 628):
        dirs.add(square_walk(t))
    for d in ((1, 0), (0, 1), (-1, 0), (0, -1), (1, 1), (-1, 1), (-1, -1), (1, -1), (0, 0),
              (40, 1), (40, -1), (1, 40), (-1, 40), (-40, 1), (-40, -1), (1, -40), (-1, -40), (3, 2), (-2, 3)):
        dirs.add(d)
    return sorted(dirs)


def arcs_and_pies(outdir):
    dirs = radial_set()
    arcs = Shelf("arc", outdir)
    pies = Shelf("pie", outdir)
    k = 0
    for (w, h) in BOXES:
        cx, cy = w // 2, h // 2
        for i, s in enumerate(dirs):
            # each start against a spread of ends, plus the same direction
            ends = [dirs[(i + j) % len(dirs)] for j in (0, 1, 2, 5, 13, len(dirs) // 3, len(dirs) // 2, len(dirs) - 1)]
            for e in ends:
                k += 1
                radials = (cx + s[0], cy - s[1], cx + e[0], cy - e[1])
                arcs.add("arc", (0, 0, w, h), radials)
                pies.add("pie", (0, 0, w, h), radials, brush=RED if k % 2 else None)
    arcs.write()
    pies.write()


def circle_examples(outdir):
    shelf = Shelf("circle-examples", outdir, width=1024, height=1024)
    box = (50, 50, 150, 150)
    shelf.add("ellipse", (98, 98, 102, 102))
    shelf.add("ellipse", (98, 98, 102, 102), brush=RED)
    shelf.add("ellipse", (90, 95, 110, 105))
    shelf.add("ellipse", (95, 90, 105, 110))
    shelf.add("ellipse", (97, 99, 103, 101))
    shelf.add("arc", box, (178, 100, 22, 100))
    shelf.add("pie", box, (100, 22, 178, 100), brush=RED)
    shelf.add("pie", box, (100, 22, 178, 100))
    shelf.add("arc", box, (178, 100, 178, 100))
    shelf.add("arc", box, (178, 100, 100, 100))
    shelf.add("pie", box, (178, 100, 100, 100), brush=RED)
    shelf.add("ellipse", box, brush=RED)
    shelf.write()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    outdir = sys.argv[1]
    n = int(sys.argv[sys.argv.index("--max-side") + 1]) if "--max-side" in sys.argv else 130
    os.makedirs(outdir, exist_ok=True)
    ellipse_all(outdir, n)
    ellipse_circle(outdir)
    arcs_and_pies(outdir)
    circle_examples(outdir)


if __name__ == "__main__":
    main()
