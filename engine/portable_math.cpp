#include "portable_math.h"

#include <cmath>
#include <limits>

namespace tuv::math {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A value carried as an unevaluated sum hi + lo with |lo| <= half an ulp of hi.
struct Pair {
    double hi;
    double lo;
};

Pair TwoSum(double a, double b) {
    double s = a + b;
    double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

Pair QuickTwoSum(double a, double b) {  // |a| >= |b|
    double s = a + b;
    return {s, b - (s - a)};
}

// Dekker's product, exact without a fused multiply-add (arguments well inside the range).
Pair TwoProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    double p = a * b;
    double ta = kSplitter * a, tb = kSplitter * b;
    double ah = ta - (ta - a), al = a - ah;
    double bh = tb - (tb - b), bl = b - bh;
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

Pair Add(Pair a, Pair b) {
    Pair s = TwoSum(a.hi, b.hi);
    Pair t = TwoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = QuickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return QuickTwoSum(s.hi, s.lo);
}

Pair Negate(Pair a) { return {-a.hi, -a.lo}; }
Pair Sub(Pair a, Pair b) { return Add(a, Negate(b)); }

Pair Mul(Pair a, Pair b) {
    Pair p = TwoProduct(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return QuickTwoSum(p.hi, p.lo);
}

Pair Mul(Pair a, double b) {
    Pair p = TwoProduct(a.hi, b);
    p.lo += a.lo * b;
    return QuickTwoSum(p.hi, p.lo);
}

Pair Div(Pair a, Pair b) {
    double q1 = a.hi / b.hi;
    Pair r = Sub(a, Mul(b, q1));
    double q2 = r.hi / b.hi;
    r = Sub(r, Mul(b, q2));
    double q3 = r.hi / b.hi;
    Pair q = QuickTwoSum(q1, q2);
    return Add(q, Pair{q3, 0});
}

Pair Div(Pair a, double b) { return Div(a, Pair{b, 0}); }

Pair Sqrt(Pair a) {
    if (a.hi <= 0) return {0, 0};
    double s = std::sqrt(a.hi);  // correctly rounded on every IEEE platform
    Pair square = TwoProduct(s, s);
    double correction = (Sub(a, square).hi) / (2 * s);
    return QuickTwoSum(s, correction);
}

double Round(Pair a) { return a.hi + a.lo; }

// Constants to 106 bits and more.
constexpr Pair kLn2{0.6931471805599453, 2.3190468138462996e-17};
constexpr Pair kLn10{2.302585092994046, -2.1707562233822494e-16};
constexpr Pair kHalfPi{1.5707963267948966, 6.123233995736766e-17};
constexpr Pair kPi{3.141592653589793, 1.2246467991473532e-16};
constexpr double kHalfPiParts[4] = {1.5707963267948966, 6.123233995736766e-17, -1.4973849048591698e-33,
                                    5.562271104316826e-50};

// e^x for a pair of modest size (|x| < 746).
Pair ExpPair(Pair x) {
    double k = std::nearbyint(x.hi / kLn2.hi);
    Pair r = Sub(x, Mul(kLn2, k));
    // Shrink the argument by 2^10, sum the series of e^r - 1, then square back up.
    constexpr int kHalvings = 10;
    r.hi = std::ldexp(r.hi, -kHalvings);
    r.lo = std::ldexp(r.lo, -kHalvings);
    Pair term = r, sum = r;
    for (int n = 2; n <= 12; ++n) {
        term = Div(Mul(term, r), double(n));
        sum = Add(sum, term);
    }
    for (int i = 0; i < kHalvings; ++i) sum = Add(Mul(sum, 2.0), Mul(sum, sum));  // (1+s)^2 - 1
    Pair value = Add(Pair{1, 0}, sum);
    int scale = int(k);
    // Scale each half apart so that a tiny result is rounded only once.
    return {std::ldexp(value.hi, scale), std::ldexp(value.lo, scale)};
}

// ln x for a positive finite x, as a pair.
Pair LogPair(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // x = m * 2^exponent, m in [0.5, 1)
    if (m < 0.70710678118654752) {
        m *= 2;
        --exponent;
    }
    // ln m = 2 atanh s with s = (m - 1) / (m + 1), |s| < 0.172.
    Pair s = Div(Pair{m - 1, 0}, TwoSum(m, 1));
    Pair s2 = Mul(s, s);
    Pair power = s, sum = s;
    for (int n = 3; n <= 47; n += 2) {
        power = Mul(power, s2);
        sum = Add(sum, Div(power, double(n)));
    }
    return Add(Mul(sum, 2.0), Mul(kLn2, double(exponent)));
}

// x reduced by a multiple k of pi/2: x = k pi/2 + r with |r| <= about pi/4. Four parts of pi/2
// keep r exact to about 2^-100 for |x| up to 2^100; beyond that, where no digit of the result
// means anything, x is first taken modulo the double nearest 2 pi, so that the result is at least
// a number between -1 and 1 and the same everywhere.
Pair ReduceByHalfPi(double x, long long& quadrant) {
    if (std::fabs(x) > 1e30) x = std::fmod(x, 2 * kPi.hi);
    Pair r{x, 0};
    quadrant = 0;
    // The first multiple is off by up to |x| 2^-53 itself; a second round takes up the rest.
    for (int round = 0; round < 3 && std::fabs(r.hi) > 0.7853981633974483; ++round) {
        double k = std::nearbyint(r.hi * 0.6366197723675814);
        for (double part : kHalfPiParts) r = Sub(r, TwoProduct(k, part));
        quadrant += static_cast<long long>(std::fmod(k, 4.0));
    }
    quadrant %= 4;
    if (quadrant < 0) quadrant += 4;
    return r;
}

// Series for |r| <= pi/4.
Pair SinSeries(Pair r) {
    Pair r2 = Mul(r, r), term = r, sum = r;
    for (int n = 2; n <= 30; n += 2) {
        term = Div(Mul(term, r2), -double(n) * double(n + 1));
        sum = Add(sum, term);
    }
    return sum;
}

Pair CosSeries(Pair r) {
    Pair r2 = Mul(r, r), term{1, 0}, sum{1, 0};
    for (int n = 1; n <= 29; n += 2) {
        term = Div(Mul(term, r2), -double(n) * double(n + 1));
        sum = Add(sum, term);
    }
    return sum;
}

// sin and cos of x together, as pairs.
void SinCos(double x, Pair& sine, Pair& cosine) {
    long long quadrant = 0;
    Pair r = ReduceByHalfPi(x, quadrant);
    Pair s = SinSeries(r), c = CosSeries(r);
    switch (quadrant) {
        case 0: sine = s; cosine = c; break;
        case 1: sine = c; cosine = Negate(s); break;
        case 2: sine = Negate(s); cosine = Negate(c); break;
        default: sine = Negate(c); cosine = s; break;
    }
}

// atan of t >= 0, as a pair.
Pair AtanPair(Pair t) {
    bool inverted = t.hi > 1;
    if (inverted) t = Div(Pair{1, 0}, t);
    // atan t = 2 atan(t / (1 + sqrt(1 + t^2))), three times, then the series.
    constexpr int kHalvings = 3;
    for (int i = 0; i < kHalvings; ++i) t = Div(t, Add(Pair{1, 0}, Sqrt(Add(Pair{1, 0}, Mul(t, t)))));
    Pair t2 = Mul(t, t), power = t, sum = t;
    for (int n = 3; n <= 37; n += 2) {
        power = Negate(Mul(power, t2));
        sum = Add(sum, Div(power, double(n)));
    }
    sum = Mul(sum, double(1 << kHalvings));
    return inverted ? Sub(kHalfPi, sum) : sum;
}

bool IsOddInteger(double y) { return std::fabs(y) < 9007199254740992.0 && std::fmod(y, 2.0) != 0 && std::trunc(y) == y; }

}  // namespace

double Sin(double x) {
    if (!std::isfinite(x)) return kNaN;
    if (x == 0) return x;
    Pair s, c;
    SinCos(x, s, c);
    return Round(s);
}

double Cos(double x) {
    if (!std::isfinite(x)) return kNaN;
    Pair s, c;
    SinCos(x, s, c);
    return Round(c);
}

double Tan(double x) {
    if (!std::isfinite(x)) return kNaN;
    if (x == 0) return x;
    Pair s, c;
    SinCos(x, s, c);
    return Round(Div(s, c));
}

double Atan(double x) {
    if (std::isnan(x)) return x;
    if (x == 0) return x;
    if (std::isinf(x)) return x > 0 ? kHalfPi.hi : -kHalfPi.hi;
    double value = Round(AtanPair(Pair{std::fabs(x), 0}));
    return x < 0 ? -value : value;
}

double Asin(double x) {
    if (std::isnan(x) || std::fabs(x) > 1) return kNaN;
    if (x == 0) return x;
    double a = std::fabs(x);
    double value;
    if (a == 1) {
        value = kHalfPi.hi;
    } else {
        // asin a = atan(a / sqrt((1 - a)(1 + a)))
        Pair oneMinus = TwoSum(1, -a), onePlus = TwoSum(1, a);
        value = Round(AtanPair(Div(Pair{a, 0}, Sqrt(Mul(oneMinus, onePlus)))));
    }
    return x < 0 ? -value : value;
}

double Acos(double x) {
    if (std::isnan(x) || std::fabs(x) > 1) return kNaN;
    if (x == -1) return kPi.hi;
    if (x == 1) return 0;
    // acos x = 2 atan(sqrt((1 - x) / (1 + x))), accurate near 1 where acos is small.
    Pair ratio = Div(TwoSum(1, -x), TwoSum(1, x));
    return Round(Mul(AtanPair(Sqrt(ratio)), 2.0));
}

double Exp(double x) {
    if (std::isnan(x)) return x;
    if (x > 709.8) return kInfinity;
    if (x < -745.2) return 0;
    return Round(ExpPair(Pair{x, 0}));
}

double Log(double x) {
    if (std::isnan(x) || x < 0) return kNaN;
    if (x == 0) return -kInfinity;
    if (std::isinf(x)) return x;
    return Round(LogPair(x));
}

double Log10(double x) {
    if (std::isnan(x) || x < 0) return kNaN;
    if (x == 0) return -kInfinity;
    if (std::isinf(x)) return x;
    return Round(Div(LogPair(x), kLn10));
}

// Special cases as C99 defines them for pow.
double Pow(double base, double exponent) {
    if (exponent == 0 || base == 1) return 1;
    if (std::isnan(base) || std::isnan(exponent)) return kNaN;
    const bool oddExponent = IsOddInteger(exponent);
    if (std::isinf(exponent)) {
        double a = std::fabs(base);
        if (a == 1) return 1;
        return (a < 1) == (exponent < 0) ? kInfinity : 0;
    }
    if (base == 0) {
        if (exponent < 0) return oddExponent ? std::copysign(kInfinity, base) : kInfinity;
        return oddExponent ? base : 0;
    }
    if (std::isinf(base)) {
        if (base > 0) return exponent < 0 ? 0 : kInfinity;
        if (exponent < 0) return oddExponent ? -0.0 : 0;
        return oddExponent ? -kInfinity : kInfinity;
    }
    double sign = 1;
    if (base < 0) {
        if (std::trunc(exponent) != exponent) return kNaN;
        if (oddExponent) sign = -1;
        base = -base;
    }
    // Small whole exponents by repeated squaring: exact to about 2^-100 like the general way,
    // and many times quicker. The bound keeps every partial product a normal number.
    int binaryExponent = 0;
    std::frexp(base, &binaryExponent);
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 64 &&
        std::fabs(binaryExponent * exponent) < 900) {
        long long n = static_cast<long long>(std::fabs(exponent));
        Pair result{1, 0}, square{base, 0};
        for (; n > 0; n >>= 1) {
            if (n & 1) result = Mul(result, square);
            if (n > 1) square = Mul(square, square);
        }
        if (exponent < 0) result = Div(Pair{1, 0}, result);
        return sign * Round(result);
    }
    Pair logarithm = LogPair(base);
    double estimate = logarithm.hi * exponent;  // decides overflow before any exact product
    if (estimate > 710) return sign * kInfinity;
    if (estimate < -746) return sign * 0.0;
    Pair power = Mul(logarithm, exponent);
    if (power.hi > 709.8) return sign * kInfinity;
    if (power.hi < -745.2) return sign * 0.0;
    return sign * Round(ExpPair(power));
}

}  // namespace tuv::math
