#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "text_util.h"

namespace tuv {

namespace {

std::string FormatUnsigned(uint64_t value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

// Seventeen significant digits of a positive finite value, rounded to nearest with ties away
// from zero, as `digits` (17 characters, the first not 0) and the power of ten of the first one.
void SeventeenDigits(double value, char (&digits)[17], int& exponent) {
    // to_chars rounds exactly but breaks ties to even; only a true tie needs another look.
    char buffer[40];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 16);
    (void)ec;
    digits[0] = buffer[0];
    for (int i = 1; i < 17; ++i) digits[i] = buffer[i + 1];  // skip the point
    int exp = 0;
    const char* p = buffer + 19;  // after "d.dddddddddddddddde"
    bool negative = *p == '-';
    for (++p; p < end; ++p) exp = exp * 10 + (*p - '0');
    exponent = negative ? -exp : exp;

    // value = m * 2^-k with m odd. A value with fractional bits has the exact decimal expansion
    // m * 5^k / 10^k, which always ends in 5; it is a tie at 17 digits exactly when m * 5^k has
    // 18 digits. Whole numbers never are (an 18-digit odd multiple of 5 is too big for a double).
    int binaryExponent = 0;
    double fraction = std::frexp(value, &binaryExponent);
    uint64_t m = uint64_t(std::ldexp(fraction, 53));
    int e = binaryExponent - 53;
    while ((m & 1) == 0) { m >>= 1; ++e; }
    if (e >= 0) return;
    constexpr uint64_t kTenTo17 = 100000000000000000ULL, kTenTo18 = 1000000000000000000ULL;
    uint64_t n = m;
    for (int k = -e; k > 0; --k) {
        if (n >= kTenTo18) return;
        n *= 5;
    }
    if (n < kTenTo17 || n >= kTenTo18) return;
    // The tie: drop the final 5 and round up.
    uint64_t rounded = n / 10 + 1;
    exponent = 17 + e;  // n * 10^e with 18 digits: its first digit stands at 10^(17 + e)
    if (rounded == kTenTo17) { rounded /= 10; ++exponent; }
    for (int i = 16; i >= 0; --i) { digits[i] = char('0' + rounded % 10); rounded /= 10; }
}

// The quick way for values below 8e9: rounding the exact value straight to six decimals gives
// the digits of the rule (17 significant digits first, then six decimals) unless the value lies
// so close to halfway between two six-decimal numbers that the first rounding could move it onto
// or across that point. Then, and for larger values, the long way decides. `digits` receives the
// value times 10^6, rounded, as decimal digits.
bool SixDecimalsQuickly(double magnitude, std::string& digits) {
    if (!(magnitude < 8e9)) return false;
    // magnitude * 10^6 = hi + lo exactly (Dekker's product; nothing here can overflow).
    constexpr double kSplitter = 134217729.0, kMillion = 1e6;
    const double hi = magnitude * kMillion;
    const double t = kSplitter * magnitude;
    const double ah = t - (t - magnitude), al = magnitude - ah;
    const double bt = kSplitter * kMillion;
    const double bh = bt - (bt - kMillion), bl = kMillion - bh;
    const double lo = ((ah * bh - hi) + ah * bl + al * bh) + al * bl;
    const double whole = std::floor(hi);
    const double fraction = (hi - whole) + lo;
    // The first rounding moves the value by at most half a unit of its 17th digit: 5e-17 of it,
    // that is 5e-11 * magnitude sixth-decimal units; the rest is a wide safety margin.
    if (std::fabs(fraction - 0.5) <= magnitude * 5e-11 + 1e-6) return false;
    const uint64_t rounded = static_cast<uint64_t>(whole) + (fraction > 0.5 ? 1 : 0);
    digits = FormatUnsigned(rounded);
    if (digits.size() < 7) digits.insert(0, 7 - digits.size(), '0');
    return true;
}

}  // namespace

std::string FormatNumber(double value) {
    if (!std::isfinite(value)) return "E";
    const bool negative = std::signbit(value);
    std::string out;
    if (value == 0) {
        out = "0000000";
    } else if (!SixDecimalsQuickly(std::fabs(value), out)) {
        char digits[17];
        int exponent = 0;
        SeventeenDigits(std::fabs(value), digits, exponent);
        auto digitAt = [&](int power) {
            int index = exponent - power;
            return (index >= 0 && index < 17) ? digits[index] : '0';
        };
        const int top = exponent > 0 ? exponent : 0;
        out.reserve(top + 10);
        for (int power = top; power >= -6; --power) out.push_back(digitAt(power));
        if (digitAt(-7) >= '5') {  // ties go up in magnitude too
            size_t i = out.size();
            while (i > 0 && out[i - 1] == '9') out[--i] = '0';
            if (i == 0) out.insert(out.begin(), '1'); else ++out[i - 1];
        }
    }
    out.insert(out.size() - 6, 1, '.');
    if (negative) out.insert(out.begin(), '-');
    return out;
}

std::string FormatInteger(long long value) {
    char buffer[24];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec;
    return std::string(buffer, end);
}

double ReadNumber(std::string_view text) {
    const size_t n = text.size();
    size_t i = 0;
    while (i < n && IsWhite(text[i])) ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const size_t start = i;

    // The longest prefix of the form digits [. digits] [e [sign] digits] with at least one digit.
    long long integerDigits = 0, leadingIntegerZeros = 0, fractionZeros = 0;
    bool nonZero = false, fractionDigits = false;
    for (; i < n && IsDigit(text[i]); ++i) {
        ++integerDigits;
        if (text[i] != '0') nonZero = true;
        else if (!nonZero) ++leadingIntegerZeros;
    }
    if (i < n && text[i] == '.') {
        ++i;
        for (; i < n && IsDigit(text[i]); ++i) {
            fractionDigits = true;
            if (text[i] != '0') nonZero = true;
            else if (!nonZero) ++fractionZeros;
        }
    }
    if (integerDigits == 0 && !fractionDigits) return 0.0;
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        if (j < n && IsDigit(text[j])) {
            for (; j < n && IsDigit(text[j]); ++j)
                if (exponent < 1000000000) exponent = exponent * 10 + (text[j] - '0');
            if (negativeExponent) exponent = -exponent;
            i = j;
        }
    }
    if (!nonZero) return negative ? -0.0 : 0.0;

    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + i, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small: which, by the power of ten of the first non-zero digit.
        long long power = integerDigits > leadingIntegerZeros ? integerDigits - leadingIntegerZeros - 1
                                                              : -(fractionZeros + 1);
        value = power + exponent > 0 ? HUGE_VAL : 0.0;
    } else if (ec != std::errc()) {
        value = 0;
    }
    return negative ? -value : value;
}

}  // namespace tuv
