// The number writer against the long way; data/operators.tsv holds its worked-out texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

#include "number_text.h"

namespace {

// Rounds a digit string half up after its first `keep` digits, which become zeros.
void RoundHalfUp(std::string& digits, size_t keep) {
    if (keep >= digits.size()) return;
    bool up = digits[keep] >= '5';
    std::fill(digits.begin() + keep, digits.end(), '0');
    for (size_t i = keep; up && i-- > 0;) {
        up = digits[i] == '9';
        digits[i] = up ? '0' : char(digits[i] + 1);
    }
}

// The writing rule done the long way: the exact decimal expansion (a double has at most 1074
// decimals), rounded half up at the 17th significant digit, then half up at the 6th decimal.
std::string LiteralFormat(double value) {
    if (!std::isfinite(value)) return "E";
    static char buffer[1500];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 1074);
    std::string digits = "0" + std::string(buffer, end);  // a leading 0 takes any carry
    const size_t point = digits.find('.');
    digits.erase(point, 1);
    if (size_t first = digits.find_first_not_of('0'); first != std::string::npos) RoundHalfUp(digits, first + 17);
    RoundHalfUp(digits, point + 6);
    std::string text = digits.substr(0, point) + "." + digits.substr(point, 6);
    text.erase(0, std::min(text.find_first_not_of('0'), point - 1));
    return (std::signbit(value) ? "-" : "") + text;
}

TEST(FormatNumber, AgreesWithTheLongWay) {
    std::mt19937_64 random(20261206);
    for (int i = 0; i < 60000; ++i) {
        double value;
        switch (i % 12) {
            case 0: value = std::bit_cast<double>(uint64_t(random())); break;  // any bit pattern
            case 1: value = std::ldexp(double(random() >> 11), int(random() % 120) - 80); break;  // many ties
            case 2: value = double(int64_t(random() % 2000001) - 1000000) / 128; break;
            case 3: value = std::ldexp(double(random() >> 11), -int(random() % 70)) * ((random() & 1) ? 1 : -1); break;
            default: {  // next to the points halfway between two six-decimal numbers, where rounding to 17
                        // digits first can decide the sixth decimal, at every magnitude up to where 17 digits end
                const double scale = std::ldexp(1.0, int(random() % 44) - 10);
                value = (std::floor(double(random() % 1000000000) / 1000 * scale) + 0.5) / 1e6;
                value = std::bit_cast<double>(std::bit_cast<uint64_t>(value) + random() % 7 - 3);  // up to 3 steps off
                if (random() & 1) value = -value;
            }
        }
        ASSERT_EQ(tuv::FormatNumber(value), LiteralFormat(value)) << std::hexfloat << value;
    }
}

}  // namespace
