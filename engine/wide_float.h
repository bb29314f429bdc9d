// Binary floating point with a 256-bit significand held in 32-bit integer words: the careful road
// of the mathematical functions, for the rare arguments whose double-double result lies too close
// to a rounding boundary to call. Integer arithmetic only, so every platform gives the same bits.
// Each operation truncates; results are good to about 2^-250 relative.
#pragma once

#include <array>
#include <cstdint>

namespace tuv::math {

class WideFloat {
public:
    static constexpr int kWords = 8;
    using Words = std::array<uint32_t, kWords>;

    constexpr WideFloat() = default;  // zero
    explicit WideFloat(double x);     // exact, subnormals included
    // 0.words * 2^exponent with the words given most significant first, the top bit set.
    constexpr WideFloat(int exponent, const Words& mostSignificantFirst) : exponent_(exponent) {
        for (int i = 0; i < kWords; ++i) significand_[i] = mostSignificantFirst[kWords - 1 - i];
    }

    friend WideFloat operator+(const WideFloat& a, const WideFloat& b) { return Sum(a, b, false); }
    friend WideFloat operator-(const WideFloat& a, const WideFloat& b) { return Sum(a, b, true); }
    friend WideFloat operator*(const WideFloat& a, const WideFloat& b);
    friend WideFloat operator/(const WideFloat& a, const WideFloat& b);
    WideFloat operator-() const;
    WideFloat DividedBy(uint32_t n) const;
    WideFloat Scaled(int powerOfTwo) const;  // exact
    WideFloat Sqrt() const;                  // of a value >= 0

    // The nearest double, ties to even, overflow to infinity, subnormals rounded once. A value
    // within 2^-150 units in the last place of a double or of a tie between two is taken as
    // exactly there: that is where exact results such as 10^23 land, and no inexact one comes
    // near (the roads into here are good to about 2^-190 units).
    double ToDouble() const;
    // The leading 106 bits as hi + lo, for a value well inside the range of doubles.
    void Leading(double& hi, double& lo) const;

    friend WideFloat QuarterTurns(double x, int& quadrant);

private:
    static WideFloat Sum(const WideFloat& a, const WideFloat& b, bool subtract);
    bool IsZero() const { return significand_[kWords - 1] == 0; }

    bool negative_ = false;
    int exponent_ = 0;     // the value is 0.significand * 2^exponent_, 0.significand in [1/2, 1)
    Words significand_{};  // least significant word first; all zero for zero
};

// x = (4n + quadrant + f) pi/2 with f in [-1/2, 1/2]: returns f to about 2^-320 absolute, from
// enough bits of 2/pi that every finite double is reduced exactly.
WideFloat QuarterTurns(double x, int& quadrant);

}  // namespace tuv::math
