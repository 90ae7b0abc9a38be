#!/usr/bin/env python3
"""Reads the benchmarks' JSON report and prints the figures: the rewrite's
time per byte, how 16 MB compares with 1 MB, and the key list parse with the
device search. Exits 1 when 16 MB takes more than LIMIT times as long as 1 MB
with the caches emptied before each rewrite (the like-for-like comparison),
for either place of the settings."""
import json
import sys

LIMIT = 20.0
MB = 1 << 20
UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def runs_of(report, prefix):
    """(arguments, seconds) of each case, medians when repeated."""
    runs = [b for b in report["benchmarks"] if b["name"].startswith(prefix)]
    if any(b.get("aggregate_name") == "median" for b in runs):
        runs = [b for b in runs if b.get("aggregate_name") == "median"]
    for b in runs:
        args = dict(part.split(":") for part in b["run_name"].split("/")[1:] if ":" in part)
        yield args, b["real_time"] * UNITS[b["time_unit"]]


def rewrite_times(report):
    """{(at_bottom, cold_caches, bytes): seconds}"""
    return {(a["at_bottom"] == "1", a["cold_caches"] == "1", int(a["bytes"])): t
            for a, t in runs_of(report, "BM_Rewrite/")}


def print_search(report):
    for args, seconds in runs_of(report, "BM_ParseAndSearch/"):
        names = "the last name holds the last entry" if args["last_matches"] == "1" else "no name matches"
        page = "Shift-JIS" if args["shift_jis"] == "1" else "single-byte"
        per_pair = seconds / (50 * 10000) * 1e9
        print(f"key list parse and search, 50 entries x 10,000 names, {names}, {page}: "
              f"{seconds * 1e3:.1f} ms ({per_pair:.0f} ns per entry and name)")


def main(path):
    with open(path) as f:
        report = json.load(f)
    print_search(report)
    times = rewrite_times(report)
    failed = False
    for bottom in (False, True):
        place = "settings at the bottom" if bottom else "settings at the top"
        for cold in (True, False):
            caches = "caches emptied" if cold else "caches warm   "
            for size in sorted(s for (b, c, s) in times if (b, c) == (bottom, cold)):
                per_byte = times[(bottom, cold, size)] / size * 1e9
                print(f"rewrite, {place}, {caches}, {size:>8} bytes: {per_byte:6.3f} ns per byte")
        for cold in (True, False):
            small, large = times.get((bottom, cold, MB)), times.get((bottom, cold, 16 * MB))
            if small is None or large is None:
                if cold:
                    print(f"rewrite, {place}: no 1 MB and 16 MB runs with the caches emptied", file=sys.stderr)
                    failed = True
                continue
            ratio = large / small
            if cold:
                verdict = "ok" if ratio <= LIMIT else f"ABOVE {LIMIT:g}: the rewrite does not grow linearly"
                failed |= ratio > LIMIT
                print(f"rewrite, {place}: 16 MB takes {ratio:.1f} times as long as 1 MB, caches emptied ({verdict})")
            else:
                print(f"rewrite, {place}: {ratio:.1f} times with the caches warm, where 1 MB stays in them"
                      " (for reference; not like for like)")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
