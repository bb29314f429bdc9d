#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "list_functions.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

struct Case {
    const char* expression;
    const char* text;
    bool ok;
};

// Evaluates each expression against one variables text; checks the value text before trimming.
void ExpectCases(std::string variables, std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        std::string vars = variables, result, details, value;
        const bool ok = RunEvaluation(vars, c.expression, result, details, &value);
        EXPECT_EQ(value, c.text) << c.expression;
        EXPECT_EQ(ok, c.ok) << c.expression;
    }
}

TEST(ListFunctions, IfScansForItsLastTwoCommas) {
    ExpectCases("A=3\nB=7", {
        {"IF(1,10,20)", "10", true},
        {"IF(2,10,20)", "20", true},  // only exactly 1 is true
        {"IF(1=1,10,20)", "10", true},
        {"IF(A>B,A,B)", "7", true},
        {"IF(A<B,A,B)", "3", true},
        {"IF(1,MAX(1,2),3)", "2.000000", true},
        {"IF(MIN(1,2)=1,5,6)", "5", true},
        {"IF(1,2,MAX(4,5))", "2", true},
        {"IF(1,2)", "0.0", false},
        {"IF()", "0.0", false},
        {"IF(", "0.0", false},
        {"IF(1,2,3,4)", "4", false},  // the condition is "1,2"
        {"IF(0,X,5)", "5", true},     // the part not chosen is never evaluated
        {"IF(1,X,5)", "0.0", false},
        {"IF(X,5,6)", "6", false},
        {"1+IF(1,2,3)", "3.000000", true},
    });
}

TEST(ListFunctions, SumOverRanges) {
    ExpectCases("A1=1\nA2=2\nA3=3", {
        {"SUM(A1:A3)", "6.000000", true},
        {"sum(a1:a3)", "6.000000", true},
        {"SUM(A01:A3)", "6.000000", true},
        {"SUM(A2:A2)", "2.000000", true},
        {"SUM(A3:A1)", "0.000000", true},
        {"SUM(A1:B3)", "0", false},
        {"SUM(1,2,3)", "0", false},  // SUM knows only ranges
        {"SUM(A1 :A3)", "0", false},
        {"SUM(A1: A3)", "0", false},
        {"SUM(A3)", "0", false},
        {"SUM()", "0.000000", true},  // both ends empty: the one name "0", a number
        {"SUM(12:14)", "39.000000", true},  // prefix "1": the names 12, 13 and 14 are numbers
        {"SUM(A1:A4)", "6.000000", false},
    });
}

TEST(ListFunctions, FailedRangeVariable) {
    // SUM skips the undefined middle variable; MIN and MAX count it as 0. All three fail.
    ExpectCases("A1=1\nA3=3", {
        {"SUM(A1:A3)", "4.000000", false},
        {"MIN(A1:A3)", "0.000000", false},
        {"MAX(A1:A3)", "3.000000", false},
    });
}

TEST(ListFunctions, RangeEndingAtTheLargestNumberEnds) {
    // A 32-bit counter would wrap at the last name and never stop.
    ExpectCases("A2147483647=5", {
        {"SUM(A2147483646:A2147483647)", "5.000000", false},
        {"SUM(A2147483647:A99999999999)", "5.000000", true},
        {"SUM(A99999999999:A1)", "0.000000", true},
    });
}

TEST(ListFunctions, MinAndMax) {
    ExpectCases("A1=1\nA2=2\nA3=3", {
        {"MIN(A1:A3)", "1.000000", true},
        {"MAX(A1:A3)", "3.000000", true},
        {"MIN(A3:A1)", "0.000000", true},
        {"MAX(A1:B3)", "0", false},
        {"MIN(4,2,8)", "2.000000", true},
        {"MAX(4,2,8)", "8.000000", true},
        {"MIN(-4,2)", "-4.000000", true},
        {"MAX(-4,-2)", "-2.000000", true},
        {"MIN(4,X,8)", "0.000000", false},
        {"MAX(-4,X)", "0.000000", false},
        {"MAX(7)", "7.000000", true},
        {"MIN()", "0.000000", true},
        {"MAX()", "0.000000", true},
        {"MIN(IF(1,5,6),3)", "3.000000", true},
        {"MAX(1,,2)", "2.000000", false},  // the empty piece fails
    });
}

TEST(ListFunctions, Round) {
    ExpectCases("", {
        {"ROUND(2.5,0)", "3.000000", true},
        {"ROUND(-2.5,0)", "-3.000000", true},
        {"ROUND(2.4,0)", "2.000000", true},
        {"ROUND(1234,-2)", "1200.000000", true},
        {"ROUND(1250,-2)", "1300.000000", true},
        {"ROUND(15,-1)", "20.000000", true},
        {"ROUND(-15,-1)", "-20.000000", true},
        {"ROUND(1.26,1)", "1.260000", true},
        {"ROUND(1.26,-3)", "1.260000", true},
        {"ROUND(5)", "0.0", false},
        {"ROUND(5,0,1)", "0.0", false},
        {"ROUND(X,0)", "0.000000", false},
        {"ROUND(2.5,X)", "3.000000", false},  // X reads as 0 digits
        {"ROUND(3000000000.4,0)", "3000000000.000000", true},
        {"ROUND(-0.4,0)", "0.000000", true},
    });
}

TEST(ListFunctions, InfiniteValuesShowAsErrorMark) {
    // A literal too long for a double reads as infinity; the flag stays as the argument's.
    const std::string huge = "1" + std::string(400, '0');
    for (const std::string& expression : {"ROUND(" + huge + ",0)", "MAX(1," + huge + ")", "MIN(" + huge + ")"}) {
        std::string vars, result, details, value;
        EXPECT_TRUE(RunEvaluation(vars, expression, result, details, &value)) << expression;
        EXPECT_EQ(value, "E") << expression;
    }
    std::string vars = "A1=" + huge + "\nA2=1", result, details, value;
    EXPECT_TRUE(RunEvaluation(vars, "SUM(A1:A2)", result, details, &value));
    EXPECT_EQ(value, "E");
}

TEST(ListFunctions, AndOr) {
    ExpectCases("", {
        {"AND()", "1.0", true},
        {"OR()", "0.0", true},
        {"AND(1,1)", "1.0", true},
        {"AND(2,3)", "1.0", true},
        {"AND(1,0,X)", "0.0", true},  // X is never evaluated
        {"AND(1,X)", "0.0", false},
        {"AND(1,X,1)", "0.0", false},
        {"OR(0,1,X)", "1.0", true},
        {"OR(2,0)", "0.0", true},  // only exactly 1 is true
        {"OR(0,X)", "0.0", false},
        {"OR(1<2,X)", "1.0", true},
        {"AND(1<2,2<3)", "1.0", true},
    });
}

TEST(SplitRangeEnd, PrefixAndNumber) {
    struct {
        const char* end;
        const char* prefix;
        int number;
    } cases[] = {
        {"A12", "A", 12}, {"A012", "A", 12}, {"AB", "AB", 0}, {"7", "7", 0},
        {"", "", 0},      {"12", "1", 2},    {"X1Y2", "X1Y", 2},
        {"A2147483647", "A", INT_MAX}, {"A99999999999", "A", INT_MAX},
    };
    for (const auto& c : cases) {
        std::string prefix = "old";
        EXPECT_EQ(SplitRangeEnd(c.end, prefix), c.number) << c.end;
        EXPECT_EQ(prefix, c.prefix) << c.end;
    }
}

TEST(RoundToStep, HalvesAwayFromZero) {
    struct {
        double value;
        int step;
        double rounded;
    } cases[] = {
        {2.5, 1, 3},
        {-2.5, 1, -3},
        {2.4999, 1, 2},
        {1250, 100, 1300},
        {1249, 100, 1200},
        {-1250, 100, -1300},
        {-1249, 100, -1200},
        {45, 10, 50},
        {3000000000.4, 1, 3000000000.0},
        {-3000000000.5, 1, -3000000001.0},
        // Whole numbers past 2^52: half a step must not be added in floating point.
        {4503599627370497.0, 1, 4503599627370497.0},
        {4503599627370505.0, 10, 4503599627370510.0},
        {-4503599627370505.0, 10, -4503599627370510.0},
        {9007199254740990.0, 100, 9007199254741000.0},
        {4611686018427387904.0, 10, 4611686018427387904.0},
        {1e300, 100, 1e300},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToStep(c.value, c.step), c.rounded) << c.value << " " << c.step;
}

TEST(RoundToStep, NeverNegativeZeroAndKeepsInfinity) {
    EXPECT_FALSE(std::signbit(RoundToStep(-0.4, 1)));
    EXPECT_FALSE(std::signbit(RoundToStep(-0.0, 1)));
    EXPECT_FALSE(std::signbit(RoundToStep(-40, 100)));
    EXPECT_EQ(RoundToStep(INFINITY, 1), INFINITY);
    EXPECT_EQ(RoundToStep(-INFINITY, 10), -INFINITY);
}

}  // namespace
}  // namespace tuv
