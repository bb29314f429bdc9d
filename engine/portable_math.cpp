#include "portable_math.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "wide_float.h"

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

// Constants to 106 bits and more.
constexpr Pair kLn2{0.6931471805599453, 2.3190468138462996e-17};
constexpr Pair kLn10{2.302585092994046, -2.1707562233822494e-16};
constexpr Pair kHalfPi{1.5707963267948966, 6.123233995736766e-17};
constexpr Pair kPi{3.141592653589793, 1.2246467991473532e-16};
constexpr double kHalfPiParts[4] = {1.5707963267948966, 6.123233995736766e-17, -1.4973849048591698e-33,
                                    5.562271104316826e-50};

// The quick roads stay within about 2^-103 relative, measured against mpmath on 70,000 arguments
// over the whole range; exp and pow lose more as k in the reduction by k ln 2 grows (2^-96.6 at
// x = 568), and the reduction by pi/2 adds an absolute error of its own. The bounds built on this
// leave a wide margin: too wide costs only a careful evaluation now and then.
constexpr double kQuickError = 0x1p-90;

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
    // Each half scaled apart; a result near the subnormals is left to the careful road.
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

// x reduced by a multiple k of pi/2: x = k pi/2 + r with |r| <= about pi/4. Below 2^32 four parts
// of pi/2 keep r within about 2^-102 absolute; beyond, the exact reduction gives r to about 2^-103
// relative.
Pair ReduceByHalfPi(double x, int& quadrant, double& error) {
    if (std::fabs(x) >= 0x1p32) {
        Pair f;
        QuarterTurns(x, quadrant).Leading(f.hi, f.lo);
        Pair r = Mul(f, kHalfPi);
        error = std::fabs(r.hi) * kQuickError;
        return r;
    }
    Pair r{x, 0};
    quadrant = 0;
    error = std::fabs(x) > 0.7853981633974483 ? kQuickError : 0;
    // The first multiple may be off by one; a second round takes up the rest.
    for (int round = 0; round < 3 && std::fabs(r.hi) > 0.7853981633974483; ++round) {
        double k = std::nearbyint(r.hi * 0.6366197723675814);
        for (double part : kHalfPiParts) r = Sub(r, TwoProduct(k, part));
        quadrant += static_cast<int>(std::fmod(k, 4.0));
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

// sin and cos of x together, as pairs, and a bound on the absolute error the reduction adds.
void SinCos(double x, Pair& sine, Pair& cosine, double& error) {
    int quadrant = 0;
    Pair r = ReduceByHalfPi(x, quadrant, error);
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

// The careful road: the same functions again in 256-bit arithmetic, good to about 2^-245.
constexpr WideFloat kHalfPiWide(1, {0xc90fdaa2, 0x2168c234, 0xc4c6628b, 0x80dc1cd1, 0x29024e08, 0x8a67cc74,
                                    0x020bbea6, 0x3b139b22});
constexpr WideFloat kLn2Wide(0, {0xb17217f7, 0xd1cf79ab, 0xc9e3b398, 0x03f2f6af, 0x40f34326, 0x7298b62d,
                                 0x8a0d175b, 0x8baafa2c});
constexpr WideFloat kLn10Wide(2, {0x935d8ddd, 0xaaa8ac16, 0xea56d62b, 0x82d30a28, 0xe28fecf9, 0xda5df90e,
                                  0x83c61e82, 0x01f02d73});

// e^x for |x| < 750.
WideFloat CarefulExp(const WideFloat& x) {
    double hi, lo;
    x.Leading(hi, lo);
    const double k = std::nearbyint(hi / kLn2.hi);
    // e^r = (e^(r/256))^256 with |r/256| < 2^-9.4, where 22 terms reach 2^-280.
    const WideFloat r = (x - kLn2Wide * WideFloat(k)).Scaled(-8);
    WideFloat term(1.0), sum(1.0);
    for (uint32_t n = 1; n <= 22; ++n) {
        term = (term * r).DividedBy(n);
        sum = sum + term;
    }
    for (int i = 0; i < 8; ++i) sum = sum * sum;
    return sum.Scaled(int(k));
}

// ln x for a positive finite x: 2 atanh s with |s| < 0.172, where 53 terms reach 2^-260.
WideFloat CarefulLog(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);
    if (m < 0.70710678118654752) {
        m *= 2;
        --exponent;
    }
    const WideFloat s = WideFloat(m - 1) / (WideFloat(m) + WideFloat(1.0)), s2 = s * s;
    WideFloat power = s, sum = s;
    for (uint32_t n = 3; n <= 105; n += 2) {
        power = power * s2;
        sum = sum + power.DividedBy(n);
    }
    return sum.Scaled(1) + kLn2Wide * WideFloat(double(exponent));
}

// atan t for t >= 0: four halvings of the angle leave t < 0.05, where 34 terms reach 2^-280.
WideFloat CarefulAtan(WideFloat t) {
    const WideFloat one(1.0);
    double hi, lo;
    t.Leading(hi, lo);
    const bool inverted = hi > 1;
    if (inverted) t = one / t;
    for (int i = 0; i < 4; ++i) t = t / (one + (one + t * t).Sqrt());
    const WideFloat t2 = t * t;
    WideFloat power = t, sum = t;
    for (uint32_t n = 3; n <= 67; n += 2) {
        power = -(power * t2);
        sum = sum + power.DividedBy(n);
    }
    sum = sum.Scaled(4);
    return inverted ? kHalfPiWide - sum : sum;
}

// sin and cos of x from the exact reduction; with |r| <= pi/4, 31 terms each reach 2^-260.
void CarefulSinCos(double x, WideFloat& sine, WideFloat& cosine) {
    int quadrant = 0;
    const WideFloat r = QuarterTurns(x, quadrant) * kHalfPiWide, r2 = r * r;
    WideFloat s = r, c(1.0), term = r;
    for (uint32_t n = 2; n <= 60; n += 2) {
        term = -(term * r2).DividedBy(n * (n + 1));
        s = s + term;
    }
    term = c;
    for (uint32_t n = 1; n <= 59; n += 2) {
        term = -(term * r2).DividedBy(n * (n + 1));
        c = c + term;
    }
    switch (quadrant) {
        case 0: sine = s; cosine = c; break;
        case 1: sine = c; cosine = -s; break;
        case 2: sine = -s; cosine = -c; break;
        default: sine = -c; cosine = s; break;
    }
}

// hi + lo rounded to the nearest double, in value, when everything within error of it rounds the
// same way. Results near the subnormal range always take the careful road, which rounds them once.
bool RoundsClearly(Pair v, double error, double& value) {
    if (!(std::fabs(v.hi) >= 0x1p-900)) return false;
    value = v.hi + v.lo;
    return v.hi + (v.lo + error) == value && v.hi + (v.lo - error) == value;
}

double SinImpl(double x, bool careful) {
    if (!std::isfinite(x)) return kNaN;
    if (std::fabs(x) < 0x1p-26) return x;  // x - x^3/6 rounds to x
    Pair s, c;
    double error = 0, value = 0;
    SinCos(x, s, c, error);
    if (!careful && RoundsClearly(s, error + kQuickError * std::fabs(s.hi), value)) return value;
    WideFloat sine, cosine;
    CarefulSinCos(x, sine, cosine);
    return sine.ToDouble();
}

double CosImpl(double x, bool careful) {
    if (!std::isfinite(x)) return kNaN;
    Pair s, c;
    double error = 0, value = 0;
    SinCos(x, s, c, error);
    if (!careful && RoundsClearly(c, error + kQuickError * std::fabs(c.hi), value)) return value;
    WideFloat sine, cosine;
    CarefulSinCos(x, sine, cosine);
    return cosine.ToDouble();
}

double TanImpl(double x, bool careful) {
    if (!std::isfinite(x)) return kNaN;
    if (std::fabs(x) < 0x1p-27) return x;  // x + x^3/3 rounds to x
    Pair s, c;
    double error = 0, value = 0;
    SinCos(x, s, c, error);
    const Pair quick = Div(s, c);
    const double relative = kQuickError + error / std::fabs(s.hi) + error / std::fabs(c.hi);
    if (!careful && RoundsClearly(quick, relative * std::fabs(quick.hi), value)) return value;
    WideFloat sine, cosine;
    CarefulSinCos(x, sine, cosine);
    return (sine / cosine).ToDouble();
}

double AtanImpl(double x, bool careful) {
    if (std::isnan(x)) return x;
    const double a = std::fabs(x);
    if (a < 0x1p-27) return x;  // x - x^3/3 rounds to x
    double value = kHalfPi.hi;  // pi/2 - 1/a rounds to it beyond 2^53
    if (a <= 0x1p60) {
        const Pair quick = AtanPair(Pair{a, 0});
        if (careful || !RoundsClearly(quick, kQuickError * quick.hi, value))
            value = CarefulAtan(WideFloat(a)).ToDouble();
    }
    return x < 0 ? -value : value;
}

double AsinImpl(double x, bool careful) {
    if (std::isnan(x) || std::fabs(x) > 1) return kNaN;
    const double a = std::fabs(x);
    if (a < 0x1p-26) return x;  // x + x^3/6 rounds to x
    double value = kHalfPi.hi;
    if (a < 1) {
        // asin a = atan(a / sqrt((1 - a)(1 + a)))
        const Pair oneMinus = TwoSum(1, -a), onePlus = TwoSum(1, a);
        const Pair quick = AtanPair(Div(Pair{a, 0}, Sqrt(Mul(oneMinus, onePlus))));
        if (careful || !RoundsClearly(quick, kQuickError * quick.hi, value)) {
            const WideFloat w(a), one(1.0);
            value = CarefulAtan(w / ((one - w) * (one + w)).Sqrt()).ToDouble();
        }
    }
    return x < 0 ? -value : value;
}

double AcosImpl(double x, bool careful) {
    if (std::isnan(x) || std::fabs(x) > 1) return kNaN;
    if (x == -1) return kPi.hi;
    if (x == 1) return 0;
    // acos x = 2 atan(sqrt((1 - x) / (1 + x))), accurate near 1 where acos is small.
    const Pair ratio = Div(TwoSum(1, -x), TwoSum(1, x));
    const Pair quick = Mul(AtanPair(Sqrt(ratio)), 2.0);
    double value = 0;
    if (!careful && RoundsClearly(quick, kQuickError * quick.hi, value)) return value;
    const WideFloat w(x), one(1.0);
    return CarefulAtan(((one - w) / (one + w)).Sqrt()).Scaled(1).ToDouble();
}

double ExpImpl(double x, bool careful) {
    if (std::isnan(x)) return x;
    if (x > 709.8) return kInfinity;
    if (x < -745.2) return 0;
    const Pair quick = ExpPair(Pair{x, 0});
    double value = 0;
    // The reduction by k ln 2 loses more the larger k is.
    if (!careful && RoundsClearly(quick, kQuickError * (1 + std::fabs(x)) * quick.hi, value)) return value;
    return CarefulExp(WideFloat(x)).ToDouble();
}

double LogImpl(double x, bool careful) {
    if (std::isnan(x) || x < 0) return kNaN;
    if (x == 0) return -kInfinity;
    if (std::isinf(x)) return x;
    if (x == 1) return 0;
    const Pair quick = LogPair(x);
    double value = 0;
    if (!careful && RoundsClearly(quick, kQuickError * std::fabs(quick.hi), value)) return value;
    return CarefulLog(x).ToDouble();
}

double Log10Impl(double x, bool careful) {
    if (std::isnan(x) || x < 0) return kNaN;
    if (x == 0) return -kInfinity;
    if (std::isinf(x)) return x;
    if (x == 1) return 0;
    const Pair quick = Div(LogPair(x), kLn10);
    double value = 0;
    if (!careful && RoundsClearly(quick, kQuickError * std::fabs(quick.hi), value)) return value;
    return (CarefulLog(x) / kLn10Wide).ToDouble();
}

// Special cases as C99 defines them for pow.
double PowImpl(double base, double exponent, bool careful) {
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
    // Small whole exponents by repeated squaring: as exact as the general way, and many times
    // quicker. The bound keeps every partial product a normal number.
    int binaryExponent = 0;
    std::frexp(base, &binaryExponent);
    Pair result{1, 0};
    double error = kQuickError;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 64 &&
        std::fabs(binaryExponent * exponent) < 900) {
        long long n = static_cast<long long>(std::fabs(exponent));
        Pair square{base, 0};
        for (; n > 0; n >>= 1) {
            if (n & 1) result = Mul(result, square);
            if (n > 1) square = Mul(square, square);
        }
        if (exponent < 0) result = Div(Pair{1, 0}, result);
    } else {
        Pair logarithm = LogPair(base);
        double estimate = logarithm.hi * exponent;  // decides overflow before any exact product
        if (estimate > 710) return sign * kInfinity;
        if (estimate < -746) return sign * 0.0;
        Pair power = Mul(logarithm, exponent);
        if (power.hi > 709.8) return sign * kInfinity;
        if (power.hi < -745.2) return sign * 0.0;
        result = ExpPair(power);
        error *= 1 + std::fabs(power.hi);  // the logarithm's error times the exponent, and exp's own
    }
    double value = 0;
    if (careful || !RoundsClearly(result, error * result.hi, value))
        value = CarefulExp(CarefulLog(base) * WideFloat(exponent)).ToDouble();
    return sign * value;
}

}  // namespace

double Sin(double x) { return SinImpl(x, false); }
double Cos(double x) { return CosImpl(x, false); }
double Tan(double x) { return TanImpl(x, false); }
double Asin(double x) { return AsinImpl(x, false); }
double Acos(double x) { return AcosImpl(x, false); }
double Atan(double x) { return AtanImpl(x, false); }
double Exp(double x) { return ExpImpl(x, false); }
double Log(double x) { return LogImpl(x, false); }
double Log10(double x) { return Log10Impl(x, false); }
double Pow(double base, double exponent) { return PowImpl(base, exponent, false); }

double Evaluate(Function function, double x, double y, bool careful) {
    switch (function) {
        case Function::kSin: return SinImpl(x, careful);
        case Function::kCos: return CosImpl(x, careful);
        case Function::kTan: return TanImpl(x, careful);
        case Function::kAsin: return AsinImpl(x, careful);
        case Function::kAcos: return AcosImpl(x, careful);
        case Function::kAtan: return AtanImpl(x, careful);
        case Function::kExp: return ExpImpl(x, careful);
        case Function::kLog: return LogImpl(x, careful);
        case Function::kLog10: return Log10Impl(x, careful);
        case Function::kPow: break;
    }
    return PowImpl(x, y, careful);
}

}  // namespace tuv::math
