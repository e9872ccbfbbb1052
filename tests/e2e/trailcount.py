#!/usr/bin/env python3
"""Counts the lit (non-black) pixels of screenshots of a swarm program's
window and checks how many are black and how many hold more circles than
the program's trails allow.

    trailcount.py [--frame-pixels N] [--max-frames N] [--max-black N]
                  [--max-long N] SHOT.ppm...

One frame of circles lights at most --frame-pixels pixels; a picture with
more than --max-frames frames' worth is "long". Prints a histogram of the
pictures by frames' worth and exits 1 when more than --max-black pictures
are black or more than --max-long are long."""
import argparse
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "lib"))
from ppm import read_ppm  # noqa: E402

NON_ZERO = re.compile(rb"[^\x00]")


def lit_pixels(path):
    """Pixels with any non-zero channel; most of the picture is black, so
    only the non-zero bytes are visited."""
    _, _, pixels = read_ppm(path)
    return len({match.start() // 3 for match in NON_ZERO.finditer(pixels)})


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("shots", nargs="+")
    parser.add_argument("--frame-pixels", type=int, default=808)
    parser.add_argument("--max-frames", type=int, default=12)
    parser.add_argument("--max-black", type=int, default=3)
    parser.add_argument("--max-long", type=int, default=3)
    args = parser.parse_args()

    counts = [lit_pixels(shot) for shot in args.shots]
    frames = [count / args.frame_pixels for count in counts]
    black = sum(1 for count in counts if count == 0)
    long = sum(1 for f in frames if f > args.max_frames)
    histogram = {}
    for f in frames:
        bucket = "black" if f == 0 else f"<= {min(int(f) + 1, 99):2d}" if f < 99 else ">= 99"
        histogram[bucket] = histogram.get(bucket, 0) + 1
    print(f"{len(counts)} pictures, lit pixels min {min(counts)}, median {sorted(counts)[len(counts) // 2]}, "
          f"max {max(counts)}; black {black}, more than {args.max_frames} frames {long}")
    print("frames' worth: " + ", ".join(f"{bucket}: {n}" for bucket, n in sorted(histogram.items(), key=order)))
    print("lit pixels: " + " ".join(str(count) for count in counts))
    failures = []
    if black > args.max_black:
        failures.append(f"{black} black pictures, at most {args.max_black} allowed")
    if long > args.max_long:
        failures.append(f"{long} pictures with more than {args.max_frames} frames of circles, "
                        f"at most {args.max_long} allowed")
    for failure in failures:
        print(f"  {failure}")
    return 1 if failures else 0


def order(item):
    bucket = item[0]
    return -1 if bucket == "black" else int(bucket.split()[-1])


if __name__ == "__main__":
    sys.exit(main())
