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

// Days since 1 January 1970 in the proleptic Gregorian calendar. A month out of 1..12 moves into
// the years around it, then the day counts from the first of that month: day 0 is the last day of
// the month before, day 31 of February 2000 is 2 March 2000. No clock and no time zone involved.
long long DayNumber(int day, int month, int year);

}  // namespace tuv
