#!/usr/bin/env python3
"""Generates random BASIC programs, builds each with `promptbasic build
--console` and runs it. Fails when a build prints anything or fails (a
well-formed program must build silently: no diagnostic, no C++ compiler
message), or a program does not end with status 0 and an empty stderr within
the time limit (a crash, a signal, a runtime error or a hang). Prints the
counts; the failing programs are kept in --keep.

    run_generated.py PROMPTBASIC --count 150 [--seed 1] [--jobs 2] [--keep DIR] [--verbose]
"""
import argparse
import concurrent.futures
import os
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
RUN_SECONDS = 60  # only stops a hang; the programs run in milliseconds


def check(promptbasic, source):
    """None when the program builds silently and runs cleanly, else the reason."""
    program = source[:-4]
    build = subprocess.run([promptbasic, "build", source, "--console", "-o", program],
                           capture_output=True, text=True, errors="replace")
    if build.returncode != 0 or build.stdout or build.stderr:
        return "build", f"status {build.returncode}\n{build.stdout}{build.stderr}"
    try:
        run = subprocess.run([program], stdin=subprocess.DEVNULL, capture_output=True, timeout=RUN_SECONDS)
    except subprocess.TimeoutExpired:
        return "run", f"still running after {RUN_SECONDS} s"
    if run.returncode != 0 or run.stderr:
        return "run", f"status {run.returncode}\n{run.stderr.decode(errors='replace')}"
    os.remove(program)
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("promptbasic")
    parser.add_argument("--count", type=int, default=150)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--keep", help="directory for failing programs")
    parser.add_argument("--verbose", action="store_true", help="one line per program as it finishes")
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="generated.")
    try:
        subprocess.run([sys.executable, os.path.join(HERE, "generate.py"), "--seed", str(args.seed),
                        "--count", str(args.count), "--out", work], check=True)
        sources = [os.path.join(work, f"prog_{seed}.bas") for seed in range(args.seed, args.seed + args.count)]
        counts = {"built": 0, "ran": 0, "build failures": 0, "run failures": 0}
        failures = []
        with concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
            for source, result in zip(sources, pool.map(lambda s: check(args.promptbasic, s), sources)):
                if args.verbose:
                    print(f"{os.path.basename(source)}: {'ok' if result is None else result[0] + ' failure'}",
                          flush=True)
                if result is None:
                    counts["built"] += 1
                    counts["ran"] += 1
                    continue
                stage, reason = result
                counts[f"{stage} failures"] += 1
                if stage == "run":
                    counts["built"] += 1
                failures.append((source, stage, reason))
                if args.verbose:
                    print(reason.strip()[:2000], flush=True)
                if args.keep:
                    os.makedirs(args.keep, exist_ok=True)
                    shutil.copy(source, args.keep)
        for source, stage, reason in failures:
            print(f"FAIL ({stage}) {os.path.basename(source)}: {reason.strip()[:2000]}")
        print(f"{args.count} programs (seeds {args.seed}..{args.seed + args.count - 1}): "
              + ", ".join(f"{value} {name}" for name, value in counts.items()))
        return 1 if failures else 0
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
