#!/usr/bin/env python3
"""Writes JSON Lines cases for tuv-eval --batch to standard output: random expressions over every
operator and function, numbers from tiny to huge, dates and sheets. The seed keeps them stable."""
import json
import random
import sys

rng = random.Random(int(sys.argv[1]) if len(sys.argv) > 1 else 7)
count = int(sys.argv[2]) if len(sys.argv) > 2 else 20000

UNARY = ["SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "SQRT", "SQR", "LOG", "LN", "LOG10", "EXP",
         "ALOG", "ALOG10", "POW10"]
BINARY = ["POW", "MODULO", "NROOT"]


def number():
    kind = rng.random()
    if kind < 0.3:
        return f"{rng.uniform(-1000, 1000):.6f}"
    if kind < 0.5:
        return f"{rng.uniform(0, 1):.6f}"
    if kind < 0.7:
        return str(rng.randint(-400, 400))
    if kind < 0.8:
        return rng.choice(["90", "180", "270", "45", "30", "0.5", "1", "2", "10", "1/3", "2/3"])
    return f"{rng.uniform(1, 9):.3f}{'0' * rng.randint(5, 30)}"


def operand(depth):
    if depth > 2 or rng.random() < 0.4:
        value = number()
        return f"({value})" if value.startswith("-") else value
    kind = rng.random()
    if kind < 0.45:
        return f"{rng.choice(UNARY)}({expression(depth + 1)})"
    if kind < 0.65:
        return f"{rng.choice(BINARY)}({number()},{expression(depth + 1)})"
    if kind < 0.75:
        return f"ROUND({expression(depth + 1)},{rng.choice(['0', '-1', '-2', '1'])})"
    if kind < 0.85:
        return f"{rng.choice(['MIN', 'MAX', 'AND', 'OR'])}({expression(depth + 1)},{number()},{number()})"
    return f"({expression(depth + 1)})"


def expression(depth=0):
    text = operand(depth)
    for _ in range(rng.randint(0, 3)):
        text += rng.choice(["+", "-", "*", "/", "^", "<", ">", "=", "<=", ">="]) + operand(depth)
    if rng.random() < 0.1:
        text += "%"
    return text


def date():
    return f"{rng.randint(-5, 40)}/{rng.randint(-3, 15)}/{rng.choice([rng.randint(0, 99), rng.randint(1600, 2400)])}"


for i in range(count):
    kind = rng.random()
    if kind < 0.4:  # one call or power of plain numbers: the last digits show in large results
        case = {"expression": rng.choice([f"{rng.choice(UNARY)}({number()})", f"{rng.choice(BINARY)}({number()},{number()})",
                                          f"{rng.uniform(0, 1000):.6f}^({number()})"])}
    elif kind < 0.8:
        case = {"expression": expression()}
    elif kind < 0.9:
        a, b = date(), date()
        case = {"variables": f'd1="{a}"\nd2="{b}"',
                "expression": rng.choice(["DAYS360(d1,d2)", "DATE(d1,<,d2)", "DATE(d1,NE,d2)", "d1<d2",
                                          "d1>=d2", "DAY(d2)", "DATE(d1,=,d2)"])}
    else:
        lines = [f"a{j}={expression(1)}" for j in range(1, 6)]
        rng.shuffle(lines)
        case = {"variables": "\n".join(lines), "expression": "SUM(A1:A5)+MIN(A1:A5)*MAX(A1:A5)"}
    print(json.dumps(case))
