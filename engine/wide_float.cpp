#include "wide_float.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace tuv::math {

namespace {

constexpr int kBits = 32 * WideFloat::kWords;

// Unsigned integers of N words, least significant first.
template <size_t N>
using Digits = std::array<uint32_t, N>;

template <size_t N>
int Bit(const Digits<N>& a, int i) {
    return i >= 0 && i < int(32 * N) ? (a[i / 32] >> (i % 32)) & 1 : 0;
}

template <size_t N>
int TopBit(const Digits<N>& a) {  // -1 for zero
    for (int w = int(N) - 1; w >= 0; --w) {
        if (a[w] == 0) continue;
        int b = 31;
        while (!(a[w] >> b)) --b;
        return 32 * w + b;
    }
    return -1;
}

template <size_t N>
void ShiftLeft(Digits<N>& a, int bits) {
    const int words = bits / 32, rest = bits % 32;
    for (int i = int(N) - 1; i >= 0; --i) {
        const uint32_t high = i - words >= 0 ? a[i - words] : 0;
        const uint32_t low = i - words - 1 >= 0 ? a[i - words - 1] : 0;
        a[i] = rest ? (high << rest) | (low >> (32 - rest)) : high;
    }
}

template <size_t N>
void ShiftRight(Digits<N>& a, int bits) {
    const int words = bits / 32, rest = bits % 32;
    for (int i = 0; i < int(N); ++i) {
        const uint32_t low = i + words < int(N) ? a[i + words] : 0;
        const uint32_t high = i + words + 1 < int(N) ? a[i + words + 1] : 0;
        a[i] = rest ? (low >> rest) | (high << (32 - rest)) : low;
    }
}

// Adds v at word position `at`, carrying upwards.
template <size_t N>
void AddAt(Digits<N>& a, int at, uint64_t v) {
    for (int i = at; i < int(N) && v != 0; ++i) {
        v += a[i];
        a[i] = uint32_t(v);
        v >>= 32;
    }
}

template <size_t N>
void KeepLowBits(Digits<N>& a, int count) {
    for (int w = 0; w < int(N); ++w) {
        if (32 * w >= count)
            a[w] = 0;
        else if (32 * (w + 1) > count)
            a[w] &= (uint32_t(1) << (count - 32 * w)) - 1;
    }
}

// The bits of 2/pi after the binary point, 32 to a word: enough for the largest double.
constexpr uint32_t kTwoOverPi[] = {
    0xa2f9836e, 0x4e441529, 0xfc2757d1, 0xf534ddc0, 0xdb629599, 0x3c439041, 0xfe5163ab, 0xdebbc561, 0xb7246e3a,
    0x424dd2e0, 0x06492eea, 0x09d1921c, 0xfe1deb1c, 0xb129a73e, 0xe88235f5, 0x2ebb4484, 0xe99c7026, 0xb45f7e41,
    0x3991d639, 0x835339f4, 0x9c845f8b, 0xbdf9283b, 0x1ff897ff, 0xde05980f, 0xef2f118b, 0x5a0a6d1f, 0x6d367ecf,
    0x27cb09b7, 0x4f463f66, 0x9e5fea2d, 0x7527bac7, 0xebe5f17b, 0x3d0739f7, 0x8a5292ea, 0x6bfb5fb1, 0x1f8d5d08,
    0x56033046, 0xfc7b6bab, 0xf0cfbc20, 0x9af4361d, 0xa9e39161, 0x5ee61b08, 0x6599855f,
};

}  // namespace

WideFloat::WideFloat(double x) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    negative_ = bits >> 63;
    int biased = int(bits >> 52) & 0x7ff;
    uint64_t m = bits & ((uint64_t(1) << 52) - 1);
    if (biased != 0)
        m |= uint64_t(1) << 52;
    else
        biased = 1;
    if (m == 0) {
        negative_ = false;
        return;
    }
    significand_[0] = uint32_t(m);
    significand_[1] = uint32_t(m >> 32);
    const int top = TopBit(significand_);
    ShiftLeft(significand_, kBits - 1 - top);
    exponent_ = biased - 1075 + top + 1;
}

WideFloat WideFloat::Sum(const WideFloat& a, const WideFloat& b, bool subtract) {
    const bool bNegative = b.negative_ != subtract;
    if (b.IsZero()) return a;
    if (a.IsZero()) {
        WideFloat r = b;
        r.negative_ = bNegative;
        return r;
    }
    const WideFloat *big = &a, *small = &b;
    bool bigNegative = a.negative_, smallNegative = bNegative;
    bool swap = b.exponent_ > a.exponent_;
    if (a.exponent_ == b.exponent_)
        for (int i = kWords - 1; i >= 0; --i)
            if (a.significand_[i] != b.significand_[i]) {
                swap = b.significand_[i] > a.significand_[i];
                break;
            }
    if (swap) {
        std::swap(big, small);
        std::swap(bigNegative, smallNegative);
    }
    // Two guard words keep what a cancellation brings up.
    constexpr int kGuard = 2;
    Digits<kWords + kGuard> x{}, y{};
    for (int i = 0; i < kWords; ++i) {
        x[i + kGuard] = big->significand_[i];
        y[i + kGuard] = small->significand_[i];
    }
    const int distance = big->exponent_ - small->exponent_;
    if (distance >= 32 * int(y.size()))
        y.fill(0);
    else
        ShiftRight(y, distance);
    int exponent = big->exponent_;
    if (bigNegative == smallNegative) {
        uint64_t carry = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            carry += uint64_t(x[i]) + y[i];
            x[i] = uint32_t(carry);
            carry >>= 32;
        }
        if (carry) {
            ShiftRight(x, 1);
            x.back() |= 0x80000000u;
            ++exponent;
        }
    } else {
        int64_t borrow = 0;
        for (size_t i = 0; i < x.size(); ++i) {
            int64_t d = int64_t(x[i]) - y[i] - borrow;
            borrow = d < 0;
            x[i] = uint32_t(d + (borrow << 32));
        }
        const int top = TopBit(x);
        if (top < 0) return WideFloat();
        const int shift = 32 * int(x.size()) - 1 - top;
        ShiftLeft(x, shift);
        exponent -= shift;
    }
    WideFloat r;
    r.negative_ = bigNegative;
    r.exponent_ = exponent;
    for (int i = 0; i < kWords; ++i) r.significand_[i] = x[i + kGuard];
    return r;
}

WideFloat operator*(const WideFloat& a, const WideFloat& b) {
    constexpr int n = WideFloat::kWords;
    if (a.IsZero() || b.IsZero()) return WideFloat();
    Digits<2 * n> p{};
    for (int i = 0; i < n; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < n; ++j) {
            carry += uint64_t(a.significand_[i]) * b.significand_[j] + p[i + j];
            p[i + j] = uint32_t(carry);
            carry >>= 32;
        }
        p[i + n] = uint32_t(carry);
    }
    WideFloat r;
    r.negative_ = a.negative_ != b.negative_;
    r.exponent_ = a.exponent_ + b.exponent_;
    if (!(p.back() >> 31)) {
        ShiftLeft(p, 1);
        --r.exponent_;
    }
    for (int i = 0; i < n; ++i) r.significand_[i] = p[i + n];
    return r;
}

// Newton's iteration for 1/b from the double nearest it: 53, 106, 212 bits, then all.
WideFloat operator/(const WideFloat& a, const WideFloat& b) {
    WideFloat m = b;
    m.negative_ = false;
    m.exponent_ = 0;
    double hi, lo;
    m.Leading(hi, lo);
    const WideFloat one(1.0);
    WideFloat y(1.0 / hi);
    for (int i = 0; i < 3; ++i) y = y + y * (one - m * y);
    WideFloat q = a * y;
    if (q.IsZero()) return q;
    q.exponent_ -= b.exponent_;
    if (b.negative_) q.negative_ = !q.negative_;
    return q;
}

WideFloat WideFloat::operator-() const {
    WideFloat r = *this;
    if (!IsZero()) r.negative_ = !negative_;
    return r;
}

WideFloat WideFloat::DividedBy(uint32_t n) const {
    if (IsZero()) return *this;
    Digits<kWords + 1> q{};  // one more word of quotient from the remainder
    uint64_t remainder = 0;
    for (int i = kWords - 1; i >= 0; --i) {
        const uint64_t current = (remainder << 32) | significand_[i];
        q[i + 1] = uint32_t(current / n);
        remainder = current % n;
    }
    q[0] = uint32_t((remainder << 32) / n);
    const int shift = 32 * (kWords + 1) - 1 - TopBit(q);
    ShiftLeft(q, shift);
    WideFloat r;
    r.negative_ = negative_;
    r.exponent_ = exponent_ - shift;
    for (int i = 0; i < kWords; ++i) r.significand_[i] = q[i + 1];
    return r;
}

WideFloat WideFloat::Scaled(int powerOfTwo) const {
    WideFloat r = *this;
    if (!IsZero()) r.exponent_ += powerOfTwo;
    return r;
}

// Newton's iteration for 1/sqrt(m) with m = this in [1/2, 2), then sqrt = m / sqrt(m).
WideFloat WideFloat::Sqrt() const {
    if (IsZero()) return *this;
    const int odd = exponent_ & 1;
    WideFloat m = *this;
    m.exponent_ = odd;
    double hi, lo;
    m.Leading(hi, lo);
    const WideFloat one(1.0);
    WideFloat y(1.0 / std::sqrt(hi));
    for (int i = 0; i < 3; ++i) y = y + (y * (one - m * y * y)).Scaled(-1);
    return (m * y).Scaled((exponent_ - odd) / 2);
}

double WideFloat::ToDouble() const {
    if (IsZero()) return 0.0;
    const double sign = negative_ ? -1.0 : 1.0;
    if (exponent_ > 1024) return sign * std::numeric_limits<double>::infinity();
    const int unit = std::max(exponent_ - 53, -1074);  // the exponent of the last place
    const int kept = exponent_ - unit;                  // at most 53 bits
    if (kept < 0) return sign * 0.0;                    // below half the smallest subnormal
    const int dropped = kBits - kept;
    uint64_t n = 0;
    for (int i = kBits - 1; i >= dropped; --i) n = (n << 1) | Bit(significand_, i);
    const int half = Bit(significand_, dropped - 1);
    bool zeros = true, ones = true;
    for (int i = dropped - 2; i >= dropped - 151; --i) (Bit(significand_, i) ? zeros : ones) = false;
    // Above the tie, or at it and odd; or just below a tie taken as the tie, and odd.
    n += half ? !zeros || (n & 1) : ones && (n & 1);
    uint64_t bits = (uint64_t(unit + 1074) << 52) + n;
    bits = std::min<uint64_t>(bits, uint64_t(0x7ff) << 52);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return sign * value;
}

void WideFloat::Leading(double& hi, double& lo) const {
    const uint64_t top = ((uint64_t(significand_[7]) << 32) | significand_[6]) >> 11;
    const uint64_t next = (uint64_t(significand_[6] & 0x7ff) << 42) | (uint64_t(significand_[5]) << 10) |
                          (significand_[4] >> 22);
    hi = std::ldexp(double(top), exponent_ - 53);
    lo = std::ldexp(double(next), exponent_ - 106);
    if (negative_) {
        hi = -hi;
        lo = -lo;
    }
}

// Payne and Hanek's reduction in integers: |x| = m 2^e times the bits of 2/pi that matter, those
// whose products with m are not multiples of 4, and 416 bits beyond the binary point.
WideFloat QuarterTurns(double x, int& quadrant) {
    uint64_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    int biased = int(bits >> 52) & 0x7ff;
    uint64_t m = bits & ((uint64_t(1) << 52) - 1);
    if (biased != 0)
        m |= uint64_t(1) << 52;
    else
        biased = 1;
    const int e = biased - 1075;
    const int first = e > 2 ? (e - 2) / 32 : 0;
    constexpr int kUsed = 13;
    Digits<kUsed + 3> s{};
    for (int j = 0; j < kUsed; ++j) {
        const uint64_t t = kTwoOverPi[first + j];
        AddAt(s, kUsed - 1 - j, t * uint32_t(m));
        AddAt(s, kUsed - j, t * uint32_t(m >> 32));
    }
    const int point = 32 * (first + kUsed) - e;  // s = |x| 2/pi * 2^point, modulo 4 * 2^point
    quadrant = Bit(s, point) + 2 * Bit(s, point + 1);
    KeepLowBits(s, point);
    WideFloat f;
    if (Bit(s, point - 1)) {  // f = s / 2^point - 1
        f.negative_ = true;
        quadrant = (quadrant + 1) & 3;
        for (uint32_t& w : s) w = ~w;
        AddAt(s, 0, 1);
        KeepLowBits(s, point);
    }
    const int top = TopBit(s);
    if (top < 0) return WideFloat();
    if (top >= kBits)
        ShiftRight(s, top - (kBits - 1));
    else
        ShiftLeft(s, kBits - 1 - top);
    for (int i = 0; i < WideFloat::kWords; ++i) f.significand_[i] = s[i];
    f.exponent_ = top + 1 - point;
    if (x < 0) {
        f = -f;
        quadrant = (4 - quadrant) & 3;
    }
    return f;
}

}  // namespace tuv::math
