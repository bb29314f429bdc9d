// Dates written day/month/year (or with dashes) and their comparison.
#pragma once

#include <string_view>

namespace tuv {

// Reads three integers separated by "-" when the text has a "-", else by "/": day, month, year
// (year window applied). False when the text is no date.
bool ParseDateText(std::string_view text, int& day, int& month, int& year);

// Whether a value text contains "-" or "/" and reads as a date.
bool IsDateText(std::string_view text);

// 1.0 or 0.0: the two dates compared by "<", "=", ">", "L" (<=) or "G" (>=); 0.0 for any other code.
double CompareDateTexts(std::string_view left, std::string_view right, char op);

}  // namespace tuv
