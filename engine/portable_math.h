// The mathematical functions of the built-in calls, computed the same way on every platform.
// The C libraries of the native and the Windows build disagree in the last bits (and near the
// poles of the tangent in the sixth digit), and those bits show in the seventeen digits of a
// large result. These use only IEEE addition, subtraction, multiplication and division, carried
// in pairs of doubles (about 106 bits), so each result is the correctly rounded value but for
// rare near-ties, and bit for bit the same wherever the engine runs.
#pragma once

namespace tuv::math {

double Sin(double x);
double Cos(double x);
double Tan(double x);
double Asin(double x);
double Acos(double x);
double Atan(double x);
double Exp(double x);
double Log(double x);
double Log10(double x);
double Pow(double base, double exponent);

}  // namespace tuv::math
