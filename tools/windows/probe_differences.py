#!/usr/bin/env python3
"""Lists where the Windows and the Linux platformprobe answer differently and
gives each difference its explanation from the known-differences file.

    probe_differences.py WINDOWS-OUTPUT LINUX-OUTPUT KNOWN-DIFFERENCES

A known-differences line is `REGEX<TAB>explanation`; the first regex that
matches a question (the output line without its answer) explains it.
Exits 1 when a difference has no explanation or a question is missing on
one side."""
import re
import sys


def answers(path):
    result = {}
    with open(path, encoding="ascii", errors="replace") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line:
                continue
            if line.startswith("leadbytes "):
                question, _, answer = line.partition(":")
            else:
                question, _, answer = line.rpartition(" ")
            result[question] = answer.strip()
    return result


def explanations(path):
    rules = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            pattern, _, text = line.partition("\t")
            rules.append((re.compile(pattern), text.strip()))
    return rules


def main():
    windows, linux, rules = answers(sys.argv[1]), answers(sys.argv[2]), explanations(sys.argv[3])
    unexplained, explained, same = [], {}, 0
    for question in list(windows) + [q for q in linux if q not in windows]:
        w, l = windows.get(question, "(missing)"), linux.get(question, "(missing)")
        if w == l:
            same += 1
            continue
        line = f"{question}: Windows {w}, Linux {l}"
        reason = next((text for pattern, text in rules if pattern.search(question)), None)
        if reason is None or "(missing)" in (w, l):
            unexplained.append(line)
        else:
            explained.setdefault(reason, []).append(line)
    for reason, lines in explained.items():
        print(f"  known ({len(lines)}): {reason}; e.g. {lines[0]}")
    for line in unexplained:
        print(f"  UNEXPLAINED: {line}")
    different = sum(map(len, explained.values())) + len(unexplained)
    print(f"platformprobe: {same} answers the same, {different} different, "
          f"{len(unexplained)} unexplained")
    return 1 if unexplained else 0


if __name__ == "__main__":
    sys.exit(main())
