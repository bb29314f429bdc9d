#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "number_text.h"

namespace {

using tuv::FormatNumber;
using tuv::ReadNumber;

// The writing rule done the long way: the exact decimal expansion (a double has at most 1074
// decimals), rounded half up at the 17th significant digit, then half up at the 6th decimal.
std::string LiteralFormat(double value) {
    if (!std::isfinite(value)) return "E";
    static char buffer[1500];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 1074);
    std::string text(buffer, end);
    size_t point = text.find('.');
    std::string digits = text.substr(0, point) + text.substr(point + 1);
    size_t intDigits = point;
    size_t first = digits.find_first_not_of('0');
    if (first != std::string::npos && first + 17 < digits.size()) {
        bool up = digits[first + 17] >= '5';
        for (size_t i = first + 17; i < digits.size(); ++i) digits[i] = '0';
        for (size_t i = first + 17; up && i-- > 0;) {
            if (digits[i] == '9') digits[i] = '0';
            else { ++digits[i]; up = false; }
        }
        if (up) { digits.insert(digits.begin(), '1'); ++intDigits; }
    }
    std::string kept = digits.substr(0, intDigits + 6);
    if (digits[intDigits + 6] >= '5') {
        size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) kept.insert(kept.begin(), '1'); else ++kept[i - 1];
    }
    size_t lead = kept.find_first_not_of('0');
    if (lead == std::string::npos || lead > kept.size() - 7) lead = kept.size() - 7;
    kept = kept.substr(lead);
    kept.insert(kept.size() - 6, ".");
    return (std::signbit(value) ? "-" : "") + kept;
}

TEST(FormatNumber, SixDecimalsWithTiesUp) {
    struct Case { double value; const char* text; } cases[] = {
        {0.0, "0.000000"},
        {-0.0, "-0.000000"},
        {1.0, "1.000000"},
        {1.0 / 3, "0.333333"},
        {2.0 / 3, "0.666667"},
        {1.0 / 128, "0.007813"},     // 0.0078125 exactly: the tie goes up
        {-1.0 / 128, "-0.007813"},
        {3.0078125, "3.007813"},
        {0.1 + 0.2, "0.300000"},
        {-1e-7, "-0.000000"},        // keeps its sign
        {999999.9999999, "1000000.000000"},
        {1e20, "100000000000000000000.000000"},
        {123456789.125, "123456789.125000"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatNumber(c.value), c.text) << c.value;
}

TEST(FormatNumber, SeventeenSignificantDigitsThenZeros) {
    // 2^70 = 1180591620717411303424
    EXPECT_EQ(FormatNumber(std::ldexp(1.0, 70)), "1180591620717411300000.000000");
    // 1e11 + 1/64 has 18 significant digits ending in 5: the 17-digit tie goes up first,
    // so the sixth decimal sees ...0156300 and not ...015625.
    EXPECT_EQ(FormatNumber(100000000000.015625), "100000000000.015630");
    EXPECT_EQ(FormatNumber(-100000000000.015625), "-100000000000.015630");
    std::string max = FormatNumber(std::numeric_limits<double>::max());
    EXPECT_EQ(max.size(), 309u + 7u);
    EXPECT_EQ(max.substr(0, 17), "17976931348623157");
    EXPECT_EQ(max.substr(17, 292), std::string(292, '0'));
}

TEST(FormatNumber, NotFiniteIsTheErrorMark) {
    EXPECT_EQ(FormatNumber(HUGE_VAL), "E");
    EXPECT_EQ(FormatNumber(-HUGE_VAL), "E");
    EXPECT_EQ(FormatNumber(std::nan("")), "E");
}

TEST(FormatNumber, AgreesWithTheLongWayOnRandomValues) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 20000; ++i) {
        double value;
        switch (i % 4) {
            case 0: {  // any bit pattern
                uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);
                break;
            }
            case 1: value = std::ldexp(double(random() >> 11), int(random() % 120) - 80); break;  // many ties
            case 2: value = double(int64_t(random() % 2000001) - 1000000) / 128; break;
            default: value = std::ldexp(double(random() >> 11), -int(random() % 70)) * ((random() & 1) ? 1 : -1);
        }
        ASSERT_EQ(FormatNumber(value), LiteralFormat(value)) << std::hexfloat << value;
    }
}

// Values next to the points halfway between two six-decimal numbers, where rounding to 17 digits
// first can decide the sixth decimal, at every magnitude up to where seventeen digits end.
TEST(FormatNumber, AgreesWithTheLongWayNextToHalfwayPoints) {
    std::mt19937_64 random(99);
    for (int i = 0; i < 40000; ++i) {
        double scale = std::ldexp(1.0, int(random() % 44) - 10);
        double halfway = (std::floor(double(random() % 1000000000) / 1000 * scale) + 0.5) / 1e6;
        double value = halfway;
        for (int steps = int(random() % 7) - 3; steps != 0; steps += steps > 0 ? -1 : 1)
            value = std::nextafter(value, steps > 0 ? HUGE_VAL : -HUGE_VAL);
        if (random() & 1) value = -value;
        ASSERT_EQ(FormatNumber(value), LiteralFormat(value)) << std::hexfloat << value;
    }
}

TEST(FormatInteger, PlainDecimal) {
    EXPECT_EQ(tuv::FormatInteger(0), "0");
    EXPECT_EQ(tuv::FormatInteger(-45), "-45");
    EXPECT_EQ(tuv::FormatInteger(9000000000LL), "9000000000");
}

TEST(ReadNumber, ReadsTheLeadingNumberLikeAtof) {
    struct Case { const char* text; double value; } cases[] = {
        {"12.5abc", 12.5}, {"  \t\n7", 7}, {"-3", -3}, {"+4", 4}, {"1.2.3", 1.2},
        {".5", 0.5}, {"5.", 5}, {"1e5", 1e5}, {"1E-2", 0.01}, {"2.5e+3x", 2500},
        {"1e", 1}, {"1e+", 1}, {"1ex", 1}, {"1,5", 1}, {"0.300000", 0.3},
        {"E", 0}, {"", 0}, {".", 0}, {"-", 0}, {"abc", 0}, {"- 5", 0},
        {"0x10", 0}, {"inf", 0}, {"nan", 0}, {"INFINITY", 0},
        {"1e-400", 0}, {"123456789012345678901234567890", 1.2345678901234568e29},
        {"4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << c.text;
}

TEST(ReadNumber, OverflowIsInfinityAndUnderflowZero) {
    EXPECT_EQ(ReadNumber("1e400"), HUGE_VAL);
    EXPECT_EQ(ReadNumber("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ReadNumber("1" + std::string(400, '0')), HUGE_VAL);
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1e500"), 1e99);
    EXPECT_EQ(ReadNumber("1e99999999999999999999"), HUGE_VAL);
    EXPECT_TRUE(std::signbit(ReadNumber("-0")));
}

}  // namespace
