// The engine's own mathematical functions against correctly rounded values from mpmath
// (scripts/make-math-reference.py) and the special values C99 prescribes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "portable_math.h"

namespace {

using enum tuv::math::Function;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

struct Reference {
    tuv::math::Function function;
    double x, y, expected;
};

const Reference kReferences[] = {
#include "data/math_reference.inc"
#include "data/math_special.inc"
};

bool Same(double a, double b) { return std::isnan(b) ? std::isnan(a) : a == b && std::signbit(a) == std::signbit(b); }

// Both roads on every row: the quick one as real arguments take it, and the careful one, which they
// reach too rarely for the extremes and the random sweep to try it otherwise.
TEST(PortableMath, CorrectlyRoundedOnTheReferenceTable) {
    for (bool careful : {false, true}) {
        for (const Reference& r : kReferences) {
            const double got = tuv::math::Evaluate(r.function, r.x, r.y, careful);
            EXPECT_TRUE(Same(got, r.expected)) << int(r.function) << std::hexfloat << " (" << r.x << ", " << r.y
                                               << ") gives " << got << " for " << r.expected << (careful ? " carefully" : "");
        }
    }
}

}  // namespace
