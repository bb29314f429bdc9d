#!/usr/bin/env python3
"""tuv-eval --batch against bc -l on the same short expressions, in cases per second.

usage: batch_throughput.py TUV_EVAL [COUNT]        prints one JSON object
       batch_throughput.py --cases FILE [COUNT]    writes the expressions, one a line, and stops

The expressions use numbers, + - * / and brackets only, so both read them; no divisor is zero.
Each program's wall time and the CPU time it used (user + system) are measured around one run
over all of them; cases per second are counted on CPU time, which a shared machine disturbs least.
"""
import json
import os
import random
import resource
import subprocess
import sys
import tempfile
import time


def expressions(count):
    rng = random.Random(6)
    ops = "+-*/"

    def number():
        if rng.random() < 0.3:
            return f"{rng.randint(1, 999)}.{rng.randint(1, 99)}"
        return str(rng.randint(1, 999))

    texts = []
    for _ in range(count):
        operands = rng.randint(2, 4)
        text = number()
        for i in range(1, operands):
            operand = number()
            if i == 1 and rng.random() < 0.3:
                text = f"({text}{rng.choice(ops)}{operand})"
            else:
                text += rng.choice(ops) + operand
        texts.append(text)
    return texts


def run(command, input_path, env=None):
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.monotonic()
    with open(input_path, "rb") as stdin:
        out = subprocess.run(command, stdin=stdin, stdout=subprocess.PIPE, check=True, env=env).stdout
    wall = time.monotonic() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    return out, wall, cpu


def main():
    if sys.argv[1] == "--cases":
        count = int(sys.argv[3]) if len(sys.argv) > 3 else 100000
        with open(sys.argv[2], "w") as f:
            f.write("\n".join(expressions(count)) + "\n")
        return
    tuv_eval = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    texts = expressions(count)
    with tempfile.TemporaryDirectory() as folder:
        jsonl = os.path.join(folder, "cases.jsonl")
        bc_input = os.path.join(folder, "cases.bc")
        with open(jsonl, "w") as f:
            for text in texts:
                f.write(json.dumps({"variables": "", "expression": text}) + "\n")
        with open(bc_input, "w") as f:
            f.write("\n".join(texts) + "\n")

        out, tuv_wall, tuv_cpu = run([tuv_eval, "--batch"], jsonl)
        answers = out.decode().splitlines()
        failed = sum(1 for a in answers if not json.loads(a).get("ok"))
        if len(answers) != count or failed:
            sys.exit(f"tuv-eval --batch: {len(answers)} answers for {count} cases, {failed} failed")

        env = dict(os.environ, BC_LINE_LENGTH="0")
        out, bc_wall, bc_cpu = run(["bc", "-l", "-q"], bc_input, env)
        if len(out.splitlines()) != count:
            sys.exit(f"bc -l: {len(out.splitlines())} answers for {count} cases")

    print(json.dumps({
        "cases": count,
        "tuv-eval --batch": {"wall_s": tuv_wall, "cpu_s": tuv_cpu, "cases_per_s": count / tuv_cpu},
        "bc -l": {"wall_s": bc_wall, "cpu_s": bc_cpu, "cases_per_s": count / bc_cpu},
    }))


if __name__ == "__main__":
    main()
