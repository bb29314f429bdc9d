#!/usr/bin/env python3
"""Writes JSON Lines cases for tuv-eval --batch to standard output: random expressions over every
operator and function, numbers from tiny to huge, dates and sheets. The seed keeps them stable."""
import json
import random

rng = random.Random(7)
UNARY = ["SIN", "COS", "TAN", "ASIN", "ACOS", "ATAN", "SQRT", "SQR", "LOG", "LN", "LOG10", "EXP",
         "ALOG", "ALOG10", "POW10"]
BINARY = ["POW", "MODULO", "NROOT"]


def pick(weighted):
    """Calls one of the (weight, make) pairs, chosen by weight."""
    return rng.choices([make for _, make in weighted], [weight for weight, _ in weighted])[0]()


def number():
    return pick([(3, lambda: f"{rng.uniform(-1000, 1000):.6f}"), (2, lambda: f"{rng.uniform(0, 1):.6f}"),
                 (2, lambda: str(rng.randint(-400, 400))),
                 (1, lambda: rng.choice(["90", "180", "270", "45", "30", "0.5", "1", "2", "10", "1/3", "2/3"])),
                 (2, lambda: f"{rng.uniform(1, 9):.3f}{'0' * rng.randint(5, 30)}")])


def operand(depth):
    if depth > 2 or rng.random() < 0.4:
        value = number()
        return f"({value})" if value.startswith("-") else value
    def inner():
        return expression(depth + 1)
    return pick([(9, lambda: f"{rng.choice(UNARY)}({inner()})"), (4, lambda: f"{rng.choice(BINARY)}({number()},{inner()})"),
                 (2, lambda: f"ROUND({inner()},{rng.choice(['0', '-1', '-2', '1'])})"),
                 (2, lambda: f"{rng.choice(['MIN', 'MAX', 'AND', 'OR'])}({inner()},{number()},{number()})"),
                 (3, lambda: f"({inner()})")])


def expression(depth=0):
    text = operand(depth)
    for _ in range(rng.randint(0, 3)):
        text += rng.choice(["+", "-", "*", "/", "^", "<", ">", "=", "<=", ">="]) + operand(depth)
    return text + "%" if rng.random() < 0.1 else text


def date():
    return f"{rng.randint(-5, 40)}/{rng.randint(-3, 15)}/{rng.choice([rng.randint(0, 99), rng.randint(1600, 2400)])}"


def dates():
    return {"variables": f'd1="{date()}"\nd2="{date()}"', "expression": rng.choice(
        ["DAYS360(d1,d2)", "DATE(d1,<,d2)", "DATE(d1,NE,d2)", "d1<d2", "d1>=d2", "DAY(d2)", "DATE(d1,=,d2)"])}


def sheet():
    lines = [f"a{j}={expression(1)}" for j in range(1, 6)]
    rng.shuffle(lines)
    return {"variables": "\n".join(lines), "expression": "SUM(A1:A5)+MIN(A1:A5)*MAX(A1:A5)"}


def single():
    """One call or power of plain numbers: the last digits show in large results."""
    return rng.choice([f"{rng.choice(UNARY)}({number()})", f"{rng.choice(BINARY)}({number()},{number()})",
                       f"{rng.uniform(0, 1000):.6f}^({number()})"])


for _ in range(20000):
    print(json.dumps(pick([(4, lambda: {"expression": single()}), (4, lambda: {"expression": expression()}),
                           (1, dates), (1, sheet)])))
