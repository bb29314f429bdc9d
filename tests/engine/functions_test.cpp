#include <gtest/gtest.h>

#include <string>

#include "functions.h"
#include "number_text.h"
#include "value_cases.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

void ExpectCases(std::initializer_list<ValueCase> cases) { ExpectValues("", cases); }

TEST(MathFunctions, OneArgument) {
    ExpectCases({
        {"sin(45)", "0.707107", true}, {"SIN(30)", "0.500000", true}, {"COS(90)", "0.000000", true},
        {"TAN(45)", "1.000000", true}, {"TAN(180)", "-0.000000", true}, {"ASIN(1)", "90.000000", true},
        {"ACOS(-1)", "180.000000", true}, {"ATAN(1)", "45.000000", true}, {"ASIN(2)", "E", true},
        {"1+ASIN(2)", "1.000000", true}, {"SQRT(16)", "4.000000", true}, {"SQRT(-4)", "E", false},
        {"SQR(-3)", "9.000000", true}, {"LOG(100)", "4.605170", true}, {"LN(1)", "0.000000", true},
        {"LOG(0)", "E", true}, {"LN(-1)", "E", true}, {"EXP(1)", "2.718282", true},
        {"EXP(1000)", "E", true}, {"POW10(400)", "E", true}, {"SQR(10^200)", "E", true},
        // The name is matched whole: LOG( is not LOG10(, ALOG( not ALOG10(, SQR( not SQRT(.
        {"LOG(1000)", "6.907755", true}, {"LOG10(1000)", "3.000000", true}, {"ALOG(2)", "7.389056", true},
        {"ALOG10(2)", "100.000000", true}, {"POW10(2)", "100.000000", true}, {"SQR(9)", "81.000000", true},
        {"SQRT(9)", "3.000000", true},
        // The last character is dropped whatever it is; an argument's failure is the call's.
        {"SIN(30", "0.052336", true}, {"SIN()", "E", false}, {"SIN(", "E", false},
        {"SIN(X)", "0.0", false}, {"SIN (30)", "0.0", false}, {"SINX", "0.0", false},
        {"2*SIN(SIN(30)*60)+1", "2.000000", true},
    });
}

TEST(MathFunctions, TwoArgumentsNeverFail) {
    ExpectCases({
        {"POW(2,10)", "1024.000000", true}, {"POW(-2,3)", "-8.000000", true}, {"POW(2)", "E", true},
        {"POW(,3)", "E", true}, {"POW(2,)", "E", true}, {"POW(X,2)", "E", true}, {"POW(2,X)", "E", true},
        {"POW(MAX(1,2),3)", "E", true}, {"POW(2,MAX(1,3))", "8.000000", true}, {"POW(0-8,0.5)", "E", true},
        {"MODULO(7,3)", "1.000000", true}, {"MODULO(-7,3)", "-1.000000", true}, {"MODULO(7,0)", "E", true},
        {"NROOT(27,3)", "3.000000", true}, {"27^(1/3)", "2.999997", true}, {"NROOT(-8,3)", "E", true},
        {"NROOT(16,0)", "E", true},
    });
}

TEST(MathFunctions, TangentOfNinetyIsLargeButFinite) {
    // pi is cut at ten decimals, so the angle never quite reaches a right angle.
    std::string variables, result, details, value;
    ASSERT_TRUE(RunEvaluation(variables, "TAN(90)", result, details, &value));
    EXPECT_GT(ReadNumber(value), 2.0e10) << value;
    EXPECT_LT(ReadNumber(value), 2.5e10) << value;
}

TEST(MathFunctions, InfiniteArgumentGivesErrorMarkWithSuccess) {
    // A literal too long for a double reads as infinity; sin of it has no value.
    const std::string huge = "1" + std::string(400, '0');
    ExpectCases({{"SIN(" + huge + ")", "E", true}, {"COS(" + huge + ")", "E", true},
                 {"SQR(" + huge + ")", "E", true}, {"ATAN(" + huge + ")", "90.000000", true}});
}

TEST(MathFunctions, AnglesTooLargeForTheDegreeProductStillHaveTheirSine) {
    // 1e308 degrees: the product with pi overflows unless scaled; the sine of the radians the two
    // products give with room for the exponent is 0.2612489474 (mpmath).
    ExpectCases({{"SIN(1" + std::string(308, '0') + ")", "0.261249", true}});
}

TEST(CallFunction, OtherAtomsAreNoCall) {
    std::string result = "untouched";
    for (const char* text : {"SINX", "SIN", "SIN (30)", "(SIN(30))", "5", "", "LOGA(2)", "DAYS(1)"}) {
        EXPECT_FALSE(CallFunction(text, result).has_value()) << text;
        EXPECT_EQ(result, "untouched") << text;
    }
}

}  // namespace
}  // namespace tuv
