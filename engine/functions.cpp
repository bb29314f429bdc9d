#include "functions.h"

#include <cmath>

#include "date_functions.h"
#include "evaluator.h"
#include "list_functions.h"
#include "number_text.h"
#include "portable_math.h"

namespace tuv {
namespace {

// The values come from the engine's own functions, which round the same on every platform
// (std::sqrt and std::fmod are exact everywhere). Angles use pi cut at ten decimals and apply the
// degree factor as two products; TAN(90) is therefore a large finite number and COS(90) prints
// as 0.000000. Keep both exactly like this.
constexpr double kPi = 3.1415926535;
constexpr double kOneOver180 = 1.0 / 180.0;

// Past 2^1020 the first product would overflow: scaling by 4 around both gives the very bits they
// would give with room for the exponent, so every finite angle has its sine.
double ToRadians(double degrees) {
    if (std::fabs(degrees) > 0x1p1020) return ((degrees * 0.25 * kPi) * kOneOver180) * 4;
    return (degrees * kPi) * kOneOver180;
}
double ToDegrees(double radians) { return (radians * 180.0) / kPi; }

double Sine(double x) { return math::Sin(ToRadians(x)); }
double Cosine(double x) { return math::Cos(ToRadians(x)); }
double Tangent(double x) { return math::Tan(ToRadians(x)); }
double ArcSine(double x) { return ToDegrees(math::Asin(x)); }
double ArcCosine(double x) { return ToDegrees(math::Acos(x)); }
double ArcTangent(double x) { return ToDegrees(math::Atan(x)); }
double SquareRoot(double x) { return std::sqrt(x); }
double Square(double x) { return x * x; }
double NaturalLog(double x) { return math::Log(x); }
double DecimalLog(double x) { return math::Log10(x); }
double Exponential(double x) { return math::Exp(x); }
double PowerOfTen(double x) { return math::Pow(10.0, x); }

double Power(double a, double b) { return math::Pow(a, b); }
double Remainder(double a, double b) { return std::fmod(a, b); }
// 1/n stays a double here; it never passes through a six-decimal text.
double NthRoot(double a, double n) { return math::Pow(a, 1.0 / n); }

// One argument: its failure is the call's failure, with the text it left. A value that is not
// finite is written as the error mark with success (FormatNumber gives "E" for it).
template <double (*Compute)(double)>
bool CallUnary(std::string_view callText, std::string& result) {
    if (!Evaluate(CallArguments(callText), result)) return false;
    result = FormatNumber(Compute(ReadNumber(result)));
    return true;
}

bool CallSquareRoot(std::string_view callText, std::string& result) {
    if (!Evaluate(CallArguments(callText), result)) return false;
    const double x = ReadNumber(result);
    if (x < 0) {
        result = "E";
        return false;
    }
    result = FormatNumber(SquareRoot(x));
    return true;
}

// Two arguments, split at the first comma whatever the brackets. Never fails: every problem
// shows as the error mark.
template <double (*Compute)(double, double)>
bool CallBinary(std::string_view callText, std::string& result) {
    const std::string_view arguments = CallArguments(callText);
    const size_t comma = arguments.find(',');
    std::string first, second;
    if (comma == std::string_view::npos || comma == 0 || !Evaluate(arguments.substr(0, comma), first) ||
        !Evaluate(arguments.substr(comma + 1), second)) {
        result = "E";
        return true;
    }
    result = FormatNumber(Compute(ReadNumber(first), ReadNumber(second)));
    return true;
}

using Body = bool (*)(std::string_view callText, std::string& result);

struct FunctionRow {
    std::string_view prefix;
    Body body;
};

// Tried in this order; the first prefix that begins the call text decides.
constexpr FunctionRow kFunctions[] = {
    {"IF(", CallIf},
    {"SIN(", CallUnary<Sine>},
    {"COS(", CallUnary<Cosine>},
    {"TAN(", CallUnary<Tangent>},
    {"ASIN(", CallUnary<ArcSine>},
    {"ACOS(", CallUnary<ArcCosine>},
    {"ATAN(", CallUnary<ArcTangent>},
    {"SQRT(", CallSquareRoot},
    {"SQR(", CallUnary<Square>},
    {"LOG(", CallUnary<NaturalLog>},
    {"LN(", CallUnary<NaturalLog>},
    {"LOG10(", CallUnary<DecimalLog>},
    {"EXP(", CallUnary<Exponential>},
    {"ALOG(", CallUnary<Exponential>},
    {"ALOG10(", CallUnary<PowerOfTen>},
    {"POW10(", CallUnary<PowerOfTen>},
    {"POW(", CallBinary<Power>},
    {"MODULO(", CallBinary<Remainder>},
    {"NROOT(", CallBinary<NthRoot>},
    {"SUM(", CallSum},
    {"ROUND(", CallRound},
    {"OR(", CallOr},
    {"AND(", CallAnd},
    {"MIN(", CallMin},
    {"MAX(", CallMax},
    {"DAYS360(", CallDays360},
    {"DATE(", CallDate},
    {"DAY(", CallDay},
};

}  // namespace

std::string_view CallArguments(std::string_view callText) {
    const size_t open = callText.find('(');
    if (open == std::string_view::npos || open + 2 > callText.size()) return {};
    return callText.substr(open + 1, callText.size() - open - 2);
}

std::optional<bool> CallFunction(std::string_view callText, std::string& result) {
    // Every name begins with a letter: brackets, digits and the rest need no look at the table.
    if (callText.empty() || callText.front() < 'A' || callText.front() > 'Z') return std::nullopt;
    for (const FunctionRow& row : kFunctions)
        if (callText.starts_with(row.prefix)) return row.body(callText, result);
    return std::nullopt;
}

}  // namespace tuv
