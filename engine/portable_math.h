// The mathematical functions of the built-in calls, computed the same way on every platform.
// The C libraries of the native and the Windows build disagree in the last bits (and near the
// poles of the tangent in the sixth digit), and those bits show in the seventeen digits of a
// large result. These use only IEEE addition, subtraction, multiplication and division, carried
// in pairs of doubles (about 106 bits), and integer arithmetic, so they are bit for bit the same
// wherever the engine runs. Each gives the correctly rounded value for every finite argument:
// when the pair lies too close to a rounding boundary to call, a careful road in 256-bit
// arithmetic decides (wide_float.h). Special and domain-error cases give what C99 prescribes.
#pragma once

namespace tuv::math {

double Sin(double x);  // radians
double Cos(double x);
double Tan(double x);
double Asin(double x);
double Acos(double x);
double Atan(double x);
double Exp(double x);
double Log(double x);
double Log10(double x);
double Pow(double base, double exponent);

enum class Function { kSin, kCos, kTan, kAsin, kAcos, kAtan, kExp, kLog, kLog10, kPow };

// The function at x (and y for kPow). `careful` sends every argument down the careful road, which
// real arguments take too rarely for the tests to reach it otherwise.
double Evaluate(Function function, double x, double y, bool careful);

}  // namespace tuv::math
