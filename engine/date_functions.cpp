#include "date_functions.h"

#include <vector>

#include "dates.h"
#include "evaluator.h"
#include "functions.h"
#include "number_text.h"
#include "text_util.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

// Splits the call's arguments; false unless there are exactly `count`.
bool SplitExactly(std::string_view callText, size_t count, std::vector<std::string_view>& pieces) {
    SplitArguments(CallArguments(callText), pieces);
    return pieces.size() == count;
}

// Evaluates an argument and reads its value text as a date. `ok` collects the evaluation's flag;
// the return value says whether the text is a date.
bool EvaluateDate(std::string_view text, bool& ok, int& day, int& month, int& year) {
    std::string value;
    if (!Evaluate(text, value)) ok = false;
    return ParseDateText(value, day, month, year);
}

// Day number of an evaluated date argument, for DATE and DAYS360.
bool EvaluateDayNumber(std::string_view text, bool& ok, long long& dayNumber) {
    int day, month, year;
    if (!EvaluateDate(text, ok, day, month, year)) return false;
    dayNumber = DayNumber(day, month, year);
    return true;
}

}  // namespace

bool CallDate(std::string_view callText, std::string& result) {
    result = "0.0";
    std::vector<std::string_view> pieces;
    if (!SplitExactly(callText, 3, pieces)) return false;
    bool ok = true;
    long long left = 0, right = 0;
    const bool leftIsDate = EvaluateDayNumber(pieces[0], ok, left);
    const bool rightIsDate = EvaluateDayNumber(pieces[2], ok, right);
    if (!leftIsDate || !rightIsDate) return false;
    // The operator is taken as written: " < " with blanks matches nothing and gives 0.0.
    const std::string_view op = pieces[1];
    bool holds = false;
    if (op == "<") holds = left < right;
    else if (op == "<=") holds = left <= right;
    else if (op == ">") holds = left > right;
    else if (op == ">=") holds = left >= right;
    else if (op == "=") holds = left == right;
    else if (EqualsIgnoringCase(op, "NE")) holds = left != right;
    result = holds ? "1.0" : "0.0";
    return ok;
}

bool CallDays360(std::string_view callText, std::string& result) {
    result = "0.0";
    std::vector<std::string_view> pieces;
    if (!SplitExactly(callText, 2, pieces)) return false;
    bool ok = true;
    long long first = 0, second = 0;
    const bool firstIsDate = EvaluateDayNumber(pieces[0], ok, first);
    const bool secondIsDate = EvaluateDayNumber(pieces[1], ok, second);
    if (!firstIsDate || !secondIsDate) return false;
    result = FormatInteger(second - first);
    return ok;
}

bool CallDay(std::string_view callText, std::string& result) {
    result = "0.0";
    std::vector<std::string_view> pieces;
    if (!SplitExactly(callText, 1, pieces)) return false;
    bool ok = true;
    int day, month, year;
    if (!EvaluateDate(pieces[0], ok, day, month, year)) return false;
    result = FormatInteger(day);
    return ok;
}

}  // namespace tuv
