#include "dates.h"

#include <climits>

#include "text_util.h"

namespace tuv {
namespace {

// One "%d" of scanf: white space, an optional sign, at least one digit. A number outside the
// 32-bit range makes the text no date rather than a wrapped or clipped value.
bool ReadDateField(std::string_view text, size_t& position, int& field) {
    while (position < text.size() && IsWhite(text[position])) ++position;
    bool negative = false;
    if (position < text.size() && (text[position] == '-' || text[position] == '+')) {
        negative = text[position] == '-';
        ++position;
    }
    if (position >= text.size() || !IsDigit(text[position])) return false;
    long long magnitude = 0;
    bool tooLarge = false;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (!tooLarge) magnitude = magnitude * 10 + (text[position] - '0');
        if (magnitude > 2147483648LL) tooLarge = true;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (tooLarge || value > INT_MAX || value < INT_MIN) return false;
    field = static_cast<int>(value);
    return true;
}

int ApplyYearWindow(int year) {
    if (year < 38) return year + 2000;
    if (year < 1900) return year + 1900;
    return year;
}

long long FloorDivide(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from 1970-01-01 to the first of a month (1..12) of a year, proleptic Gregorian.
long long DaysToMonthStart(long long year, int month) {
    if (month <= 2) --year;  // count March as the first month so the leap day ends the year
    const long long era = FloorDivide(year, 400);
    const long long yearOfEra = year - era * 400;
    const long long shiftedMonth = month > 2 ? month - 3 : month + 9;
    const long long dayOfYear = (153 * shiftedMonth + 2) / 5;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

bool ParseDateText(std::string_view text, int& day, int& month, int& year) {
    char separator;
    if (text.find('-') != std::string_view::npos) separator = '-';
    else if (text.find('/') != std::string_view::npos) separator = '/';
    else return false;
    size_t position = 0;
    int fields[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (position >= text.size() || text[position] != separator) return false;
            ++position;
        }
        if (!ReadDateField(text, position, fields[i])) return false;
    }
    day = fields[0];
    month = fields[1];
    year = ApplyYearWindow(fields[2]);
    return true;
}

bool IsDateText(std::string_view text) {
    if (text.find_first_of("-/") == std::string_view::npos) return false;
    int day, month, year;
    return ParseDateText(text, day, month, year);
}

double CompareDateTexts(std::string_view left, std::string_view right, char op) {
    int leftDay, leftMonth, leftYear, rightDay, rightMonth, rightYear;
    if (!ParseDateText(left, leftDay, leftMonth, leftYear) || !ParseDateText(right, rightDay, rightMonth, rightYear))
        return 0.0;
    // The fields as written: 31/2/2000 comes before 1/3/2000 here.
    int order = 0;
    if (leftYear != rightYear) order = leftYear < rightYear ? -1 : 1;
    else if (leftMonth != rightMonth) order = leftMonth < rightMonth ? -1 : 1;
    else if (leftDay != rightDay) order = leftDay < rightDay ? -1 : 1;
    bool holds = false;
    switch (op) {
        case '<': holds = order < 0; break;
        case '>': holds = order > 0; break;
        case '=': holds = order == 0; break;
        case 'L': holds = order <= 0; break;
        case 'G': holds = order >= 0; break;
        default: break;
    }
    return holds ? 1.0 : 0.0;
}

long long DayNumber(int day, int month, int year) {
    const long long months = static_cast<long long>(year) * 12 + (month - 1LL);
    const long long normalYear = FloorDivide(months, 12);
    const int normalMonth = static_cast<int>(months - normalYear * 12) + 1;
    return DaysToMonthStart(normalYear, normalMonth) + (day - 1LL);
}

}  // namespace tuv
