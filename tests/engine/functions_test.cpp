#include <gtest/gtest.h>

#include <string>

#include "functions.h"
#include "number_text.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

struct Outcome {
    std::string text;
    bool ok;
};

// The whole road with an empty variables box; the value text before the result is trimmed.
Outcome RunExpression(std::string_view expression) {
    std::string variables, result, details, value;
    const bool ok = RunEvaluation(variables, expression, result, details, &value);
    return {value, ok};
}

struct Case {
    const char* expression;
    const char* text;
    bool ok;
};

void ExpectCases(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        const Outcome outcome = RunExpression(c.expression);
        EXPECT_EQ(outcome.text, c.text) << c.expression;
        EXPECT_EQ(outcome.ok, c.ok) << c.expression;
    }
}

TEST(MathFunctions, AnglesInDegrees) {
    ExpectCases({
        {"sin(45)", "0.707107", true},
        {"SIN(30)", "0.500000", true},
        {"COS(90)", "0.000000", true},
        {"COS(60)", "0.500000", true},
        {"TAN(45)", "1.000000", true},
        {"TAN(180)", "-0.000000", true},
        {"ASIN(1)", "90.000000", true},
        {"ACOS(-1)", "180.000000", true},
        {"ATAN(1)", "45.000000", true},
        {"ASIN(2)", "E", true},
        {"ACOS(2)", "E", true},
        {"1+ASIN(2)", "1.000000", true},
    });
}

TEST(MathFunctions, TangentOfNinetyIsLargeButFinite) {
    // pi is cut at ten decimals, so the angle never quite reaches a right angle.
    const Outcome outcome = RunExpression("TAN(90)");
    ASSERT_TRUE(outcome.ok);
    const double value = ReadNumber(outcome.text);
    EXPECT_GT(value, 2.0e10) << outcome.text;
    EXPECT_LT(value, 2.5e10) << outcome.text;
}

TEST(MathFunctions, LogarithmsAndPowers) {
    ExpectCases({
        {"SQRT(16)", "4.000000", true},
        {"SQRT(-4)", "E", false},
        {"SQRT(0)", "0.000000", true},
        {"SQR(-3)", "9.000000", true},
        {"LOG(100)", "4.605170", true},
        {"LN(1)", "0.000000", true},
        {"LOG(0)", "E", true},
        {"LN(-1)", "E", true},
        {"LOG10(1000)", "3.000000", true},
        {"LOG10(0)", "E", true},
        {"EXP(1)", "2.718282", true},
        {"ALOG(1)", "2.718282", true},
        {"EXP(1000)", "E", true},
        {"ALOG10(2)", "100.000000", true},
        {"POW10(3)", "1000.000000", true},
        {"POW10(400)", "E", true},
    });
}

TEST(MathFunctions, RecognitionOrderPicksTheWholeName) {
    // LOG( must not catch LOG10(, ALOG( must not catch ALOG10(, SQR( must not catch SQRT(.
    ExpectCases({
        {"LOG(1000)", "6.907755", true},
        {"LOG10(1000)", "3.000000", true},
        {"ALOG(2)", "7.389056", true},
        {"ALOG10(2)", "100.000000", true},
        {"SQR(9)", "81.000000", true},
        {"SQRT(9)", "3.000000", true},
        {"POW(2,3)", "8.000000", true},
        {"POW10(2)", "100.000000", true},
    });
}

TEST(MathFunctions, TwoArguments) {
    ExpectCases({
        {"POW(2,10)", "1024.000000", true},
        {"POW(-2,3)", "-8.000000", true},
        {"POW(2)", "E", true},
        {"POW(,3)", "E", true},
        {"POW(2,)", "E", true},
        {"POW(X,2)", "E", true},
        {"POW(2,X)", "E", true},
        {"POW(MAX(1,2),3)", "E", true},
        {"POW(2,MAX(1,3))", "8.000000", true},
        {"POW(0-8,0.5)", "E", true},
        {"POW(10,400)", "E", true},
        {"MODULO(7,3)", "1.000000", true},
        {"MODULO(-7,3)", "-1.000000", true},
        {"MODULO(7.5,2)", "1.500000", true},
        {"MODULO(7,0)", "E", true},
        {"NROOT(27,3)", "3.000000", true},
        {"27^(1/3)", "2.999997", true},
        {"NROOT(-8,3)", "E", true},
        {"NROOT(16,0)", "E", true},  // 1/0 is infinite
        {"NROOT(1,0)", "1.000000", true},
    });
}

TEST(MathFunctions, ArgumentFailuresAndOddCallTexts) {
    ExpectCases({
        {"SIN(30", "0.052336", true},  // the last character is dropped whatever it is
        {"SIN()", "E", false},
        {"SIN(", "E", false},
        {"SIN(X)", "0.0", false},
        {"SQRT(X)", "0.0", false},
        {"SIN (30)", "0.0", false},
        {"SINX", "0.0", false},
        {"SIN(SIN(30)*60)", "0.500000", true},
        {"2*SIN(30)+1", "2.000000", true},
    });
}

TEST(MathFunctions, ValuesThatAreNotFiniteShowAsErrorMark) {
    // A literal too long for a double reads as infinity: sin of it has no value, the square of a
    // huge number overflows. Both give the error mark with success, like the tested functions.
    const std::string huge = "1" + std::string(400, '0');
    ExpectCases({{"SQR(10^200)", "E", true}});
    for (const char* name : {"SIN(", "COS(", "SQR(", "TAN(", "EXP("}) {
        const Outcome outcome = RunExpression(name + huge + ")");
        EXPECT_EQ(outcome.text, "E") << name;
        EXPECT_TRUE(outcome.ok) << name;
    }
    const Outcome atan = RunExpression("ATAN(" + huge + ")");
    EXPECT_EQ(atan.text, "90.000000");
}

TEST(CallFunction, ReportsNoCallForOtherAtoms) {
    std::string result = "untouched";
    for (const char* text : {"SINX", "SIN", "SIN (30)", "(SIN(30))", "5", "X1", "", "LOGA(2)", "DAYS(1)"}) {
        EXPECT_FALSE(CallFunction(text, result).has_value()) << text;
        EXPECT_EQ(result, "untouched") << text;
    }
}

TEST(CallFunction, ArgumentText) {
    struct {
        const char* call;
        const char* arguments;
    } cases[] = {
        {"SIN(30)", "30"}, {"SIN(30", "3"}, {"SIN()", ""}, {"SIN(", ""},
        {"POW(A(1),2)", "A(1),2"}, {"DAYS360(X,Y)", "X,Y"},
    };
    for (const auto& c : cases) EXPECT_EQ(CallArguments(c.call), c.arguments) << c.call;
}

}  // namespace
}  // namespace tuv
