#include "list_functions.h"

#include <climits>
#include <cmath>
#include <vector>

#include "evaluator.h"
#include "functions.h"
#include "number_text.h"
#include "text_util.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace tuv {
namespace {

// Evaluates one argument into a fresh text; a failed argument still takes part with the number
// its text reads as (an undefined name leaves "0.0").
double EvaluateNumber(std::string_view text, bool& ok) {
    std::string value;
    if (!Evaluate(text, value)) ok = false;
    return ReadNumber(value);
}

struct Range {
    std::string prefix;
    long long first = 0;
    long long last = 0;
};

// A range "A1:A5": the two ends must share a prefix. Without a ":" the first end is empty, so the
// prefixes differ unless the whole text is bare digits.
bool ReadRange(std::string_view text, Range& range) {
    const size_t colon = text.find(':');
    std::string_view firstEnd, lastEnd = text;
    if (colon != std::string_view::npos) {
        firstEnd = text.substr(0, colon);
        lastEnd = text.substr(colon + 1);
    }
    std::string lastPrefix;
    range.first = SplitRangeEnd(firstEnd, range.prefix);
    range.last = SplitRangeEnd(lastEnd, lastPrefix);
    return EqualsIgnoringCase(range.prefix, lastPrefix);
}

// Calls `visit` with the number of each variable of the range, in order; the counter is 64-bit so
// that a range ending at the largest 32-bit number still ends.
template <typename Visit>
bool WalkRange(const Range& range, Visit visit) {
    bool ok = true;
    std::string name;
    for (long long i = range.first; i <= range.last; ++i) {
        if (WorkExhausted()) return false;  // a range of billions ends with the allowance
        name = range.prefix;
        name += FormatInteger(i);
        std::string value;
        const bool evaluated = Evaluate(name, value);
        if (!evaluated) ok = false;
        visit(ReadNumber(value), evaluated);
    }
    return ok;
}

// MIN and MAX share everything but the comparison.
template <bool kTakeSmaller>
bool CallExtreme(std::string_view callText, std::string& result) {
    const std::string_view arguments = CallArguments(callText);
    bool ok = true;
    bool started = false;
    double extreme = 0;
    auto take = [&](double x) {
        if (!started || (kTakeSmaller ? x < extreme : x > extreme)) extreme = x;
        started = true;
    };
    if (callText.find(':') != std::string_view::npos) {
        Range range;
        if (!ReadRange(arguments, range)) {
            result = "0";
            return false;
        }
        ok = WalkRange(range, [&](double x, bool) { take(x); });
    } else {
        std::vector<std::string_view> pieces;
        SplitArguments(arguments, pieces);
        for (std::string_view piece : pieces) take(EvaluateNumber(piece, ok));
    }
    result = FormatNumber(extreme);
    return ok;
}

// AND stops at the first 0, OR at the first exact 1; later arguments are not evaluated.
bool CallTruth(std::string_view callText, double decisive, std::string& result) {
    std::vector<std::string_view> pieces;
    SplitArguments(CallArguments(callText), pieces);
    const char* stopValue = decisive == 0 ? "0.0" : "1.0";
    const char* fullValue = decisive == 0 ? "1.0" : "0.0";
    bool ok = true;
    for (std::string_view piece : pieces) {
        if (EvaluateNumber(piece, ok) == decisive) {
            result = stopValue;
            return ok;
        }
    }
    result = fullValue;
    return ok;
}

}  // namespace

int SplitRangeEnd(std::string_view end, std::string& prefix) {
    size_t digitsBegin = end.size();
    while (digitsBegin > 1 && IsDigit(end[digitsBegin - 1])) --digitsBegin;
    prefix.assign(end.substr(0, digitsBegin));
    long long number = 0;
    for (size_t i = digitsBegin; i < end.size(); ++i) {
        number = number * 10 + (end[i] - '0');
        if (number > INT_MAX) return INT_MAX;
    }
    return static_cast<int>(number);
}

double RoundToStep(double value, int step) {
    constexpr double kWholeFrom = 4503599627370496.0;  // 2^52: from here on every double is whole
    constexpr double kUnchangedFrom = 4611686018427387904.0;  // 2^62: no 64-bit room left
    const double magnitude = std::fabs(value);
    if (!(magnitude < kUnchangedFrom)) return value;
    if (magnitude >= kWholeFrom) {
        // Adding half a step would itself round here (2^52+1 plus 0.5 is a tie that goes to
        // 2^52+2), so round the whole number in integers instead.
        long long whole = static_cast<long long>(value);
        const long long rest = whole % step;
        const long long restMagnitude = rest < 0 ? -rest : rest;
        if (2 * restMagnitude >= step) whole += whole < 0 ? -(step - restMagnitude) : step - restMagnitude;
        else whole -= rest;
        return static_cast<double>(whole);
    }
    const double shifted = value >= 0 ? value + step / 2.0 : value - step / 2.0;
    const long long quotient = static_cast<long long>(shifted / step);
    return static_cast<double>(quotient * step);
}

bool CallIf(std::string_view callText, std::string& result) {
    // Scan from the right for the two last commas outside brackets; extra commas stay in the
    // condition, which then fails to evaluate.
    size_t commas[2] = {0, 0};
    int found = 0;
    int depth = 0;
    for (size_t i = callText.size() >= 2 ? callText.size() - 2 : 0; i >= 1 && found < 2; --i) {
        const char c = callText[i];
        if (c == ')') ++depth;
        else if (c == '(') --depth;
        else if (c == ',' && depth == 0) commas[found++] = i;
    }
    if (found < 2) {
        result = "0.0";
        return false;
    }
    const size_t open = callText.find('(') + 1;
    const size_t left = commas[1], right = commas[0];
    if (left < open) {  // only possible for a text that is not an IF call at all
        result = "0.0";
        return false;
    }
    std::string condition;
    const bool conditionOk = Evaluate(callText.substr(open, left - open), condition);
    const std::string_view chosen = ReadNumber(condition) == 1
                                        ? callText.substr(left + 1, right - left - 1)
                                        : callText.substr(right + 1, callText.size() - 1 - right - 1);
    result.clear();
    const bool chosenOk = Evaluate(chosen, result);
    return conditionOk && chosenOk;
}

bool CallSum(std::string_view callText, std::string& result) {
    Range range;
    if (!ReadRange(CallArguments(callText), range)) {
        result = "0";
        return false;
    }
    double sum = 0;
    const bool ok = WalkRange(range, [&](double x, bool evaluated) {
        if (evaluated) sum += x;
    });
    result = FormatNumber(sum);
    return ok;
}

bool CallRound(std::string_view callText, std::string& result) {
    std::vector<std::string_view> pieces;
    SplitArguments(CallArguments(callText), pieces);
    if (pieces.size() != 2) {
        result = "0.0";
        return false;
    }
    bool ok = true;
    double value = EvaluateNumber(pieces[0], ok);
    const double digits = EvaluateNumber(pieces[1], ok);
    if (digits == 0) value = RoundToStep(value, 1);
    else if (digits == -1) value = RoundToStep(value, 10);
    else if (digits == -2) value = RoundToStep(value, 100);
    result = FormatNumber(value);
    return ok;
}

bool CallAnd(std::string_view callText, std::string& result) { return CallTruth(callText, 0, result); }
bool CallOr(std::string_view callText, std::string& result) { return CallTruth(callText, 1, result); }
bool CallMin(std::string_view callText, std::string& result) { return CallExtreme<true>(callText, result); }
bool CallMax(std::string_view callText, std::string& result) { return CallExtreme<false>(callText, result); }

}  // namespace tuv
