// Numbers as the calculator writes and reads them. Values travel between evaluation steps as
// texts, so these two functions are part of the arithmetic and must give the same texts on
// every platform: neither hands the work to the C runtime's printf or atof.
#pragma once

#include <string>
#include <string_view>

namespace tuv {

// The "%f" rule: the exact decimal value rounded to 17 significant digits (ties away from
// zero), later places written as zeros, then rounded to six decimals (ties away from zero).
// A negative value keeps its sign even when it rounds to zero. Not finite: the error mark "E".
std::string FormatNumber(double value);

// "%d" for counts and day numbers.
std::string FormatInteger(long long value);

// Classic atof: leading white space, an optional sign, digits with an optional point, an
// optional exponent. Stops at the first character that does not fit; no leading number reads
// as 0; no hex, "inf" or "nan"; a magnitude too large reads as infinity, too small as zero.
double ReadNumber(std::string_view text);

}  // namespace tuv
