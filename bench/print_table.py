#!/usr/bin/env python3
"""Prints the benchmark results as one table.

usage: print_table.py RESULTS_JSON BATCH_JSON

RESULTS_JSON is Google Benchmark's --benchmark_out of calvo_bench, BATCH_JSON the output of
batch_throughput.py. Times are CPU time: Google Benchmark's for the engine, the thread's own for
the literal implementations (timed manually on their big-stack thread). "before" is the literal
implementation kept in the tests, "after" the engine; "growth" compares the engine's time with the
size before it (linear work grows by the size's factor); the last column holds the speed goals.
"""
import json
import re
import sys

GOALS = [
    (re.compile(r"^flat/.*/100000$"), 50e-3, "< 50 ms"),
    (re.compile(r"^sheet/bottom-up/20000$"), 1.0, "< 1 s"),
    (re.compile(r"^allowance/"), 2.0, "< 2 s"),
]
SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def seconds(entry):
    # Manual time is the literal run's own thread CPU time; otherwise the benchmark's CPU time.
    key = "real_time" if entry["name"].endswith("/manual_time") else "cpu_time"
    return entry[key] * SCALE[entry["time_unit"]]


def show(value):
    if value is None:
        return "-"
    for unit, factor in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6)):
        if value >= factor:
            return f"{value / factor:.3g} {unit}"
    return f"{value / 1e-9:.3g} ns"


def main():
    results = json.load(open(sys.argv[1]))["benchmarks"]
    batch = json.load(open(sys.argv[2]))

    rows, order = {}, []
    engine_alone = None
    for entry in results:
        if entry["name"] == "batch/RunEvaluation alone":
            engine_alone = entry.get("items_per_second")
            continue
        name = re.sub(r"/(manual_time|iterations:\d+)$", "", entry["name"])
        impl = "after"
        match = re.match(r"^(.*)/(after|before)$", name)
        if match:
            name, impl = match.groups()
        if name not in rows:
            rows[name] = {}
            order.append(name)
        rows[name][impl] = None if entry.get("error_occurred") else seconds(entry)
        if entry.get("error_occurred"):
            rows[name]["error"] = entry.get("error_message", "error")

    # Sizes of one kind together, smallest first, kinds in the order they ran.
    def family(name):
        return re.sub(r"/\d+$", "", name)

    families = list(dict.fromkeys(family(name) for name in order))

    def size(name):
        match = re.search(r"/(\d+)$", name)
        return int(match.group(1)) if match else 0

    order.sort(key=lambda name: (families.index(family(name)), size(name)))

    lines = [("benchmark", "before", "after", "before/after", "growth", "goal")]
    previous = None
    for name in order:
        row = rows[name]
        before, after = row.get("before"), row.get("after")
        ratio = f"{before / after:.1f}x" if before and after else "-"
        # How the engine's time grew from the size before: linear work grows as much as the size.
        growth = ""
        if previous and family(previous) == family(name) and size(name) and after and rows[previous].get("after"):
            growth = f"x{after / rows[previous]['after']:.1f} for x{size(name) / size(previous):g}"
        if after:
            previous = name
        goal = ""
        for pattern, limit, text in GOALS:
            if pattern.match(name):
                goal = f"{text}: {'met' if after is not None and after < limit else 'MISSED'}"
        if "error" in row:
            goal = "ERROR: " + row["error"]
        lines.append((name, show(before), show(after), ratio, growth, goal))

    tuv, bc = batch["tuv-eval --batch"], batch["bc -l"]
    lines.append(("", "", "", "", "", ""))
    lines.append((f"batch, {batch['cases']} short expressions", "bc -l", "tuv-eval --batch", "tuv/bc", "", "goal"))
    ratio = tuv["cases_per_s"] / bc["cases_per_s"]
    lines.append(("  cases per CPU second", f"{bc['cases_per_s']:,.0f}", f"{tuv['cases_per_s']:,.0f}",
                  f"{ratio:.2f}x", "", f">= bc -l: {'met' if ratio >= 1 else 'MISSED'}"))
    lines.append(("  wall time", show(bc["wall_s"]), show(tuv["wall_s"]), "", "", ""))
    if engine_alone:
        # Google Benchmark counts items per CPU second of the benchmark's thread.
        lines.append(("  RunEvaluation alone, cases per CPU second", "", f"{engine_alone:,.0f}",
                      f"{engine_alone / bc['cases_per_s']:.2f}x", "", "the engine's share, no JSON"))

    widths = [max(len(line[i]) for line in lines) for i in range(6)]
    for i, line in enumerate(lines):
        cells = [line[0].ljust(widths[0])] + [line[k].rjust(widths[k]) for k in (1, 2, 3)]
        cells += [line[4].ljust(widths[4]), line[5]]
        print("  ".join(cells).rstrip())
        if i == 0:
            print("  ".join("-" * w for w in widths))


if __name__ == "__main__":
    main()
