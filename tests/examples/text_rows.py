#!/usr/bin/env python3
"""Prints how many text rows (16 pixels high, from the top) of a console
window screenshot (binary PPM) show anything but black, counting up to the
first empty row, and how many lit pixels the last of them holds."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "lib"))
from ppm import read_ppm  # noqa: E402

ROW_HEIGHT = 16


def main():
    width, height, pixels = read_ppm(sys.argv[1])
    rows, lit = 0, 0
    while (rows + 1) * ROW_HEIGHT <= height:
        band = pixels[rows * ROW_HEIGHT * width * 3:(rows + 1) * ROW_HEIGHT * width * 3]
        count = sum(1 for i in range(0, len(band), 3) if band[i:i + 3] != b"\x00\x00\x00")
        if count == 0:
            break
        rows, lit = rows + 1, count
    print(rows, lit)


if __name__ == "__main__":
    main()
