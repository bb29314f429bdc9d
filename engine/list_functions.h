// Functions over several arguments: the conditional, sums and extremes over lists or ranges of
// numbered variables, rounding and the truth functions. Each takes the whole upper-cased call
// text, such as SUM(A1:A5), and gives a success flag and a value text.
#pragma once

#include <string>
#include <string_view>

namespace tuv {

bool CallIf(std::string_view callText, std::string& result);
bool CallSum(std::string_view callText, std::string& result);
bool CallRound(std::string_view callText, std::string& result);
bool CallAnd(std::string_view callText, std::string& result);
bool CallOr(std::string_view callText, std::string& result);
bool CallMin(std::string_view callText, std::string& result);
bool CallMax(std::string_view callText, std::string& result);

// A range end such as A12: the letters before the trailing digits go to `prefix`, the digits are
// returned (0 when there are none; the first character always stays in the prefix). Digits beyond
// the 32-bit range give the largest 32-bit number.
int SplitRangeEnd(std::string_view end, std::string& prefix);

// Rounds half away from zero to a multiple of `step` (1, 10 or 100). The result is a whole number,
// never -0; a magnitude of 2^62 or more (already whole) and a value that is not finite come back
// as they are.
double RoundToStep(double value, int step);

}  // namespace tuv
