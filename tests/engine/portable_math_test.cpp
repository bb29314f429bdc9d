// The engine's own mathematical functions against correctly rounded values from mpmath (see
// scripts/make-math-reference.py), and against the C library where both must agree.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "portable_math.h"

namespace {

using enum tuv::math::Function;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Reference {
    tuv::math::Function function;
    double x, y, expected;
};

const Reference kReferences[] = {
#include "data/math_reference.inc"
};

// Both roads on every row: the quick one as real arguments take it, and the careful one, which they
// reach too rarely for the extremes and the random sweep to try it otherwise.
TEST(PortableMath, CorrectlyRoundedOnTheReferenceTable) {
    for (bool careful : {false, true}) {
        for (const Reference& r : kReferences) {
            const double got = tuv::math::Evaluate(r.function, r.x, r.y, careful);
            EXPECT_TRUE(got == r.expected && std::signbit(got) == std::signbit(r.expected))
                << int(r.function) << std::hexfloat << " (" << r.x << ", " << r.y << ") gives " << got
                << " for " << r.expected << (careful ? " on the careful road" : "");
        }
    }
}

TEST(PortableMath, SpecialValuesAsTheCLibraryGivesThem) {
    using namespace tuv::math;
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    struct Case { double got, expected; } cases[] = {
        {Log(0), -inf}, {Log(inf), inf}, {Log10(0), -inf}, {Exp(1000), inf}, {Exp(-1000), 0}, {Exp(-inf), 0},
        {Pow(0, -1), inf}, {Pow(-0.0, -1), -inf}, {Pow(0, 2), 0}, {Pow(2, inf), inf}, {Pow(0.5, inf), 0},
        {Pow(2, -inf), 0}, {Pow(-1, inf), 1}, {Pow(nan, 0), 1}, {Pow(1, nan), 1}, {Pow(-inf, 3), -inf},
        {Pow(-inf, -3), -0.0}, {Pow(10, 400), inf}, {Pow(10, -400), 0}, {Pow(2, 1e301), inf}, {Pow(-2, 1025), -inf},
        {Atan(inf), std::atan(inf)}, {Atan(-inf), std::atan(-inf)}, {Sin(-0.0), -0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.expected);
        EXPECT_EQ(std::signbit(c.got), std::signbit(c.expected));
    }
    for (double notANumber : {Log(-1), Log10(-1), Asin(2), Acos(-1.5), Pow(-8, 1.0 / 3), Sin(inf), Cos(nan), Tan(-inf)})
        EXPECT_TRUE(std::isnan(notANumber));
}

#ifndef _WIN32
// The native C library is within one unit in the last place of these functions: so must ours be,
// and the two must agree to the last bit on nearly every argument.
int64_t UlpDistance(double a, double b) {
    int64_t ia, ib;
    std::memcpy(&ia, &a, 8);
    std::memcpy(&ib, &b, 8);
    if (ia < 0) ia = INT64_MIN - ia;
    if (ib < 0) ib = INT64_MIN - ib;
    return ia > ib ? ia - ib : ib - ia;
}

TEST(PortableMath, AgreesWithTheNativeCLibrary) {
    uint64_t state = 88172645463325252ULL;
    auto next = [&] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return double(state >> 11) / 9007199254740992.0;
    };
    int differing = 0, total = 0;
    for (int i = 0; i < 20000; ++i) {
        double u = next(), v = next();
        double angle = (u - 0.5) * 2000;
        double pairs[][2] = {
            {tuv::math::Sin(angle), std::sin(angle)},   {tuv::math::Cos(angle), std::cos(angle)},
            {tuv::math::Tan(angle), std::tan(angle)},   {tuv::math::Asin(2 * u - 1), std::asin(2 * u - 1)},
            {tuv::math::Acos(2 * u - 1), std::acos(2 * u - 1)}, {tuv::math::Atan(angle), std::atan(angle)},
            {tuv::math::Exp(angle / 3), std::exp(angle / 3)}, {tuv::math::Log(u * 1e6), std::log(u * 1e6)},
            {tuv::math::Log10(v * 1e-6), std::log10(v * 1e-6)},
            {tuv::math::Pow(u * 100, angle / 20), std::pow(u * 100, angle / 20)},
        };
        for (auto& pair : pairs) {
            ++total;
            int64_t distance = UlpDistance(pair[0], pair[1]);
            ASSERT_LE(distance, 1) << std::hexfloat << u << " " << v;
            differing += distance != 0;
        }
    }
    // Where they differ the C library is the one off: the reference table checks ours.
    EXPECT_LT(differing, total / 100) << differing << " of " << total;
}
#endif

}  // namespace
