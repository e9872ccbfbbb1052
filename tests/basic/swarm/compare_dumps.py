#!/usr/bin/env python3
"""Compares two dumps of a swarm's particles, one line per particle:
index, alive, x, y, x velocity, y velocity, energy, strength, exchanged.
Numbers are compared as doubles, bit for bit, whatever their spelling
(".25" and "0.25" agree; 0 and -0 do not).

Prints a summary line of the expected dump (particles, dead ones, ones whose
energy changed from 100) and exits 0 when the dumps agree; else prints the
first difference and exits 1."""
import struct
import sys

FIELDS = ("index", "alive", "x", "y", "x velocity", "y velocity", "energy", "strength", "exchanged")


def read_dump(path):
    rows = []
    with open(path, encoding="ascii") as stream:
        for number, line in enumerate(stream, 1):
            texts = line.split()
            if len(texts) != len(FIELDS):
                raise SystemExit(f"{path}:{number}: {len(texts)} fields instead of {len(FIELDS)}: {line!r}")
            try:
                rows.append([(text, struct.pack("<d", float(text))) for text in texts])
            except ValueError:
                raise SystemExit(f"{path}:{number}: not a number in {line!r}")
    return rows


def main():
    if len(sys.argv) != 3:
        raise SystemExit("usage: compare_dumps.py EXPECTED ACTUAL")
    expected, actual = read_dump(sys.argv[1]), read_dump(sys.argv[2])
    for row, (want, got) in enumerate(zip(expected, actual)):
        for field, ((want_text, want_bits), (got_text, got_bits)) in enumerate(zip(want, got)):
            if want_bits != got_bits:
                print(f"particle line {row + 1}, {FIELDS[field]}: expected {want_text}, got {got_text}")
                return 1
    if len(expected) != len(actual):
        print(f"expected {len(expected)} particles, got {len(actual)}")
        return 1
    dead = sum(1 for row in expected if float(row[1][0]) == 0)
    traded = sum(1 for row in expected if float(row[6][0]) != 100)
    print(f"{len(expected)} particles, {dead} dead, {traded} with changed energy")
    return 0


if __name__ == "__main__":
    sys.exit(main())
