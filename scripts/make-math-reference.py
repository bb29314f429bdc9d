#!/usr/bin/env python3
"""Writes tests/engine/data/math_reference.inc: arguments of the engine's mathematical functions with
their correctly rounded results. Needs mpmath (Debian: python3-mpmath); run it by hand,
`python3 scripts/make-math-reference.py` with /usr/bin/python3, and commit its output. The seed keeps
the table stable; the tests never run it.

Values come from mpmath at 400 bits (1,600 for sin, cos and tan, whose reduction by pi/2 uses up
as many bits as the argument has binary places before the point) and are rounded to the nearest
double exactly, by fractions. A value too close to a tie to decide at that precision stops the
script; pow's exact results (ties such as 10^23 among them) are computed in fractions instead.

The rows: the extremes (subnormals, the largest doubles, the edges of the domains, overflow and
underflow, near multiples of pi/2, huge exponents, exact ties), arguments of everyday size, then a
random sweep over the whole double range, log-uniform in magnitude, both signs."""
import math
import os
import random
import sys
from fractions import Fraction

import mpmath as mp

SMALLEST = 5e-324
NORMAL = sys.float_info.min
LARGEST = sys.float_info.max
RANDOM_PER_FUNCTION = 1200
RANDOM_POW = 2400
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "engine", "data", "math_reference.inc")

rng = random.Random(20261206)


def to_double(q):
    try:
        return float(q)  # correctly rounded, ties to even, subnormals included
    except OverflowError:
        return math.inf if q > 0 else -math.inf


def rounded(v, bits):
    """The double nearest the mpf v, whose error is a few units of its last of `bits` places."""
    if v == 0:
        return 0.0
    sign, man, exp, size = v._mpf_
    if exp + size > 1100:
        return -math.inf if sign else math.inf
    if exp + size < -1200:
        return -0.0 if sign else 0.0
    q = Fraction(-man if sign else man) * Fraction(2) ** exp
    slack = abs(q) / 2 ** (bits - 16)
    d = to_double(q)
    if to_double(q - slack) != d or to_double(q + slack) != d:
        raise ValueError(f"too close to a tie to decide: {v}")
    return d


def perfect_root(n, halvings):
    """The 2^halvings-th root of n >= 0 when n is such a power, else None."""
    for _ in range(halvings):
        r = math.isqrt(n)
        if r * r != n:
            return None
        n = r
    return n


def exact_power(x, y):
    """x^y as a fraction when it is rational and cheap: whole y, or y = p / 2^k and x a perfect
    2^k-th power. None otherwise."""
    for k in range(0, 7):
        p = y * 2 ** k
        if p != int(p):
            continue
        p, root = int(p), Fraction(x)
        if abs(p) > 1100 * 2 ** k or (k and x < 0):
            return None
        if k:
            n, d = perfect_root(root.numerator, k), perfect_root(root.denominator, k)
            if n is None or d is None:
                return None
            root = Fraction(n, d)
        return root ** p
    return None


def reference(name, x, y=0.0):
    bits = 1600 if name in ("Sin", "Cos", "Tan") else 400
    with mp.workprec(bits):
        a = mp.mpf(x)
        if name == "Pow":
            q = exact_power(x, y)
            if q is not None:
                return to_double(q)
            return rounded(mp.power(a, mp.mpf(y)), bits)
        f = {"Sin": mp.sin, "Cos": mp.cos, "Tan": mp.tan, "Asin": mp.asin, "Acos": mp.acos,
             "Atan": mp.atan, "Exp": mp.exp, "Log": mp.log, "Log10": mp.log10}[name]
        return rounded(f(a), bits)


def around(x, count=2):
    """x and its `count` neighbouring doubles on each side."""
    out, up, down = [x], x, x
    for _ in range(count):
        up, down = math.nextafter(up, math.inf), math.nextafter(down, -math.inf)
        out += [up, down]
    return out


def both_signs(values):
    return [s * v for v in values for s in (1, -1)]


def log_uniform(low, high):
    """|x| log-uniform in [2^low, 2^high); below 2^-1022 the subnormals keep fewer bits."""
    return math.ldexp(1 + rng.random(), rng.randrange(low, high))


def signed(x):
    return -x if rng.random() < 0.5 else x


def near_multiples_of_half_pi(e):
    """Doubles m 2^e, 2^52 <= m < 2^53, next to multiples of pi/2: from the convergents of the
    continued fraction of 2^e 2/pi, whose denominators m bring m 2^e 2/pi closest to a whole."""
    with mp.workprec(max(e, 0) + 400):
        beta = mp.mpf(2) ** e * 2 / mp.pi
        t, q_before, q = beta, 1, 0
        denominators = []
        while q < 2 ** 53:
            a = int(mp.floor(t))
            q_before, q = q, a * q + q_before
            if q < 2 ** 53:
                denominators.append(q)
            t = 1 / (t - a)
    found = []
    for q in denominators[-2:]:
        m = q * -(-2 ** 52 // q)  # the first multiple of q from 2^52
        if m < 2 ** 53:
            found.append(math.ldexp(m, e))
    return found


def radians(degrees):  # as functions.cpp converts, scaled by 4 where the product would overflow
    if abs(degrees) > 2.0 ** 1020:
        return ((degrees * 0.25 * 3.1415926535) * (1.0 / 180.0)) * 4
    return (degrees * 3.1415926535) * (1.0 / 180.0)


def power_ties():
    """(x, y) whose power is exactly halfway between two doubles: an odd number of 54 bits."""
    cases = []
    for a in range(3, 40, 2):  # a^n, whole n
        n = next(n for n in range(2, 64) if a ** n >= 2 ** 53)
        if a ** n < 2 ** 54:
            cases += [(float(a), float(n)), (-float(a), float(n)), (math.ldexp(a, 3), float(n))]
    cases.append((10.0, 23.0))
    for n in (2, 2, 3, 4, 5, 6):  # and larger bases, whose logarithms take the longest series
        low, high = math.ceil(2 ** (53 / n)), math.floor((2 ** 54 - 1) ** (1 / n))
        for a in (low | 1, rng.randrange(low, high) | 1, high - (1 - high % 2)):
            if 2 ** 53 <= a ** n < 2 ** 54:
                cases.append((float(a), float(n)))
    for p, k in ((3, 1), (5, 1), (7, 1), (5, 2), (7, 2), (9, 3), (11, 3)):  # (a^(2^k))^(p/2^k)
        low, high = math.ceil(2 ** (53 / p)), math.floor(2 ** (54 / p))
        for a in sorted({rng.randrange(low, high + 1) | 1 for _ in range(3)}):
            if 2 ** 53 <= a ** p < 2 ** 54:
                cases.append((float(a ** 2 ** k), p / 2 ** k))
    for a in (3, 5, 101, 1001, 1551):  # a^5 2^-1075: halfway between two subnormals
        cases.append((math.ldexp(a * a, -430), 2.5))
    return cases


def extremes():
    rows = []
    edges = both_signs([SMALLEST, 2 * SMALLEST, 1.5e-310, NORMAL, math.nextafter(NORMAL, 0), LARGEST,
                        math.nextafter(LARGEST, 0), 2.0 ** 1023])
    # sin, cos, tan: everyday angles in degrees, then the extremes
    trig = [radians(d) for d in (90.0, -90.0, 270.0, 180.0, 360.0, 45.0, 30.0, 60.0, 1e15,
                                 to_double(Fraction(497.6592215) ** 64), 1e308, -LARGEST)]
    small = around(2.0 ** -25) + around(2.0 ** -26) + around(2.0 ** -27)  # where x itself stops being the answer
    trig += edges + both_signs(small + around(2.0 ** 32, 1) + [1e22, 1e300])
    for i, e in enumerate((-52, -45, -30, -20, -10, -1, 0, 5, 20, 50, 100, 200, 400, 600, 797, 900, 971)):
        trig += [x if i % 2 else -x for x in near_multiples_of_half_pi(e)]
    rows += [(name, x, 0.0) for x in trig for name in ("Sin", "Cos", "Tan")]
    one_below = math.nextafter(1.0, 0)
    unit = both_signs([1.0, one_below, 1 - 2.0 ** -52, 1 - 2.0 ** -30, 0.5, 1e-300, SMALLEST, NORMAL] + small)
    rows += [(name, x, 0.0) for x in unit for name in ("Asin", "Acos")]
    rows += [("Atan", x, 0.0) for x in edges + both_signs(
        [1e305, 2.0 ** 50, 4e15, 2.0 ** 52, 2.0 ** 53, 6e15, 1.0, one_below] + around(2.0 ** 60, 1) + small)]
    # exp: the edges of overflow, of the subnormals, of the smallest subnormal and of rounding to 0
    rows += [("Exp", x, 0.0) for x in
             around(709.782712893384) + around(-708.3964185322641) + around(-744.4400719213812) +
             around(-745.1332191019411) + [709.8, -745.2] + both_signs([2.0 ** -53, 2.0 ** -54]) + edges]
    logs = [SMALLEST, 2 * SMALLEST, 1.5e-310, NORMAL, LARGEST, 0.5, 2.0] + around(1.0, 3)
    rows += [(name, x, 0.0) for x in logs + [10.0 ** k for k in range(-5, 23)] for name in ("Log", "Log10")]
    # pow: 10^y at the edges of the range, huge exponents, the largest and smallest bases, ties
    pows = [(10.0, y) for y in around(308.25471555991675) + around(-307.6526555685888) +
            around(-323.3062153431158) + around(-323.60724533877976) + [308.0, -308.0, -323.0, 22.0, 23.0, -22.0]]
    pows += [(2.0, y) for y in (1024.0, math.nextafter(1024.0, 0), 1023.0, -1074.0, -1075.0, -1074.5, -1022.0)]
    pows += [(x, y) for x in (1 + 2.0 ** -52, one_below, 1 - 2.0 ** -30)
             for y in both_signs([2.0 ** 62, 2.0 ** 63, 2.0 ** 70, 1e300])]
    pows += [(x, y) for x in (LARGEST, SMALLEST, NORMAL) for y in both_signs([0.5, 1.0, 1.5, 2.0 ** -60])]
    pows += [(-1.0, 2.0 ** 60), (-1.0, 1e300), (-2.0, 1023.0), (-2.0, -1075.0)]
    rows += [("Pow", x, y) for x, y in pows + power_ties()]
    # values exactly representable, or next to one
    rows += [("Pow", 2.0, 10.0), ("Pow", -2.0, 3.0), ("Pow", 10.0, 15.0), ("Pow", 27.0, 1 / 3), ("Pow", 0.5, -2.0),
             ("Pow", 4.0, 0.5), ("Log10", 1e-300, 0.0), ("Asin", 1.0, 0.0), ("Acos", -1.0, 0.0), ("Atan", 1.0, 0.0),
             ("Exp", 0.0, 0.0), ("Log", 1.0, 0.0)]
    return rows


def everyday():
    rows = []
    for _ in range(120):
        degrees = rng.choice([rng.uniform(-720, 720), rng.randint(-3600, 3600), rng.uniform(-1e9, 1e9)])
        rows += [(name, radians(degrees), 0.0) for name in ("Sin", "Cos", "Tan")]
        rows += [("Asin", rng.uniform(-1, 1), 0.0), ("Acos", rng.uniform(-1, 1), 0.0),
                 ("Atan", rng.uniform(-50, 50), 0.0), ("Exp", rng.uniform(-5, 5), 0.0),
                 ("Log", rng.uniform(0.5, 2), 0.0), ("Log10", rng.uniform(0, 1e6), 0.0)]
        a = rng.choice([rng.uniform(0, 100), float(rng.randint(-20, 20))])
        b = rng.choice([rng.uniform(-30, 30), float(rng.randint(-40, 40)), 1.0 / rng.randint(1, 9)])
        if a != 0 and (a > 0 or b == int(b)):
            rows.append(("Pow", a, b))
    return rows


def sweep():
    rows = []
    for _ in range(RANDOM_PER_FUNCTION):
        rows += [(name, signed(log_uniform(-1074, 1024)), 0.0) for name in ("Sin", "Cos", "Tan", "Atan")]
        near_one = 1 - math.ldexp(rng.random(), -rng.randrange(0, 53))
        rows += [(name, signed(near_one if rng.random() < 0.4 else log_uniform(-1074, 0)), 0.0)
                 for name in ("Asin", "Acos")]
        x = signed(log_uniform(-1074, 1024)) if rng.random() < 0.3 else rng.uniform(-746, 710)
        rows.append(("Exp", x, 0.0))
        for name in ("Log", "Log10"):
            near_one = 1 + signed(math.ldexp(rng.random(), -rng.randrange(1, 53)))
            rows.append((name, near_one if rng.random() < 0.25 else log_uniform(-1074, 1024), 0.0))
    for i in range(RANDOM_POW):
        kind = i % 8
        if kind < 3:  # any base, the exponent where the result stays near the range
            x = log_uniform(-1074, 1024)
            y = rng.uniform(-760, 720) / math.log(x) if x != 1 else 3.0
        elif kind == 3:  # bases next to 1, huge exponents
            x = 1 + signed(math.ldexp(1 + rng.random(), -rng.randrange(2, 53)))
            y = rng.uniform(-760, 720) / math.log(x)
        elif kind == 4:  # whole exponents, negative bases
            x, y = signed(log_uniform(-40, 40)), float(rng.randint(-80, 80))
        elif kind == 5:  # POW10
            x, y = 10.0, rng.choice([rng.uniform(-330, 312), float(rng.randint(-330, 310))])
        elif kind == 6:  # NROOT
            x, y = log_uniform(-1074, 1024), 1.0 / rng.randint(2, 1000)
        else:  # anything at all: mostly overflow, underflow or 1
            x, y = signed(log_uniform(-1074, 1024)), signed(log_uniform(-1074, 1024))
            if x < 0:
                y = float(round(y))
        rows.append(("Pow", x, y))
    return rows


def literal(v):
    if math.isinf(v):
        return "kInf" if v > 0 else "-kInf"
    text = v.hex()
    mantissa, exponent = text.split("p")
    if "." in mantissa:
        mantissa = mantissa.rstrip("0").rstrip(".")
    return mantissa + "p" + exponent


def main():
    rows = extremes() + everyday() + sweep()
    lines = []
    for name, x, y in rows:
        second = literal(y) if name == "Pow" else "0"
        lines.append(f"{{k{name},{literal(x)},{second},{literal(reference(name, x, y))}}},")
    with open(OUTPUT, "w") as out:
        out.write("// Generated by scripts/make-math-reference.py: function, x, y (Pow only), correctly rounded result.\n")
        out.write("\n".join(lines) + "\n")
    counts = {}
    for name, _, _ in rows:
        counts[name] = counts.get(name, 0) + 1
    print(len(rows), "rows:", counts)


if __name__ == "__main__":
    main()
