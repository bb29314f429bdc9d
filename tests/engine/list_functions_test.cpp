#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "list_functions.h"
#include "value_cases.h"
#include "variable_sheet.h"

namespace tuv {
namespace {


TEST(ListFunctions, IfTakesItsLastTwoCommasOutsideBrackets) {
    ExpectValues("A=3\nB=7", {
        {"IF(1,10,20)", "10", true}, {"IF(2,10,20)", "20", true}, {"IF(A>B,A,B)", "7", true},
        {"IF(1,MAX(1,2),3)", "2.000000", true}, {"IF(MIN(1,2)=1,5,6)", "5", true},
        {"IF(1,2)", "0.0", false}, {"IF(", "0.0", false},
        {"IF(1,2,3,4)", "4", false},  // the condition is "1,2"
        {"IF(0,X,5)", "5", true},     // the part not chosen is never evaluated
        {"IF(1,X,5)", "0.0", false}, {"IF(X,5,6)", "6", false},
    });
}

TEST(ListFunctions, RangesOfNumberedVariables) {
    ExpectValues("A1=1\nA2=2\nA3=3", {
        {"SUM(A1:A3)", "6.000000", true}, {"sum(a01:a3)", "6.000000", true}, {"SUM(A3:A1)", "0.000000", true},
        {"SUM(A1:B3)", "0", false}, {"SUM(1,2,3)", "0", false}, {"SUM(A1 :A3)", "0", false},
        {"SUM(A3)", "0", false}, {"SUM(A1:A4)", "6.000000", false},
        {"SUM(12:14)", "39.000000", true},  // prefix "1": the names 12, 13 and 14 are numbers
        {"MIN(A1:A3)", "1.000000", true}, {"MAX(A1:A3)", "3.000000", true}, {"MAX(A1:B3)", "0", false},
    });
    // SUM skips the undefined middle variable; MIN and MAX count it as 0. All three fail.
    ExpectValues("A1=1\nA3=3", {
        {"SUM(A1:A3)", "4.000000", false}, {"MIN(A1:A3)", "0.000000", false}, {"MAX(A1:A3)", "3.000000", false},
        // The prefix "5+A" makes the failed middle name leave 5.000000: SUM drops it, MIN keeps it.
        {"SUM(5+A1:5+A3)", "14.000000", false}, {"MIN(5+A1:5+A3)", "5.000000", false},
    });
    // A 32-bit counter would wrap after the last name and never stop.
    ExpectValues("A2147483647=5", {
        {"SUM(A2147483647:A99999999999)", "5.000000", true}, {"SUM(A99999999999:A1)", "0.000000", true},
    });
}

TEST(ListFunctions, MinMaxOverLists) {
    ExpectValues("", {
        {"MIN(4,2,8)", "2.000000", true}, {"MAX(4,2,8)", "8.000000", true}, {"MIN(-4,2)", "-4.000000", true},
        {"MIN(4,X,8)", "0.000000", false}, {"MAX(-4,X)", "0.000000", false}, {"MAX(1,,2)", "2.000000", false},
        {"MIN()", "0.000000", true}, {"MAX()", "0.000000", true},
    });
}

TEST(ListFunctions, RoundAndTruth) {
    const std::string huge = "1" + std::string(400, '0');  // reads as infinity
    ExpectValues("", {
        {"ROUND(2.5,0)", "3.000000", true}, {"ROUND(-2.5,0)", "-3.000000", true},
        {"ROUND(1234,-2)", "1200.000000", true}, {"ROUND(15,-1)", "20.000000", true},
        {"ROUND(1.26,1)", "1.260000", true}, {"ROUND(5)", "0.0", false}, {"ROUND(5,0,1)", "0.0", false}, {"ROUND(2.5,X)", "3.000000", false},
        {"ROUND(3000000000.4,0)", "3000000000.000000", true}, {"ROUND(-0.4,0)", "0.000000", true},
        {"ROUND(" + huge + ",0)", "E", true}, {"MAX(1," + huge + ")", "E", true},
        {"AND()", "1.0", true}, {"OR()", "0.0", true}, {"AND(2,3)", "1.0", true},
        {"AND(1,0,X)", "0.0", true}, {"AND(1,X,1)", "0.0", false}, {"OR(0,1,X)", "1.0", true},
        {"OR(2,0)", "0.0", true}, {"OR(0,X)", "0.0", false},
    });
}

TEST(SplitRangeEnd, PrefixAndNumber) {
    struct {
        const char* end;
        const char* prefix;
        int number;
    } cases[] = {{"A12", "A", 12}, {"A012", "A", 12}, {"AB", "AB", 0}, {"7", "7", 0}, {"", "", 0},
                 {"X1Y2", "X1Y", 2}, {"A99999999999", "A", INT_MAX}};
    for (const auto& c : cases) {
        std::string prefix = "old";
        EXPECT_EQ(SplitRangeEnd(c.end, prefix), c.number) << c.end;
        EXPECT_EQ(prefix, c.prefix) << c.end;
    }
}

TEST(RoundToStep, HalvesAwayFromZeroBeyond32Bits) {
    struct {
        double value;
        int step;
        double rounded;
    } cases[] = {
        {2.5, 1, 3}, {-2.5, 1, -3}, {1250, 100, 1300}, {-1249, 100, -1200}, {-3000000000.5, 1, -3000000001.0},
        // Whole numbers past 2^52: adding half a step in floating point would round by itself.
        {4503599627370497.0, 1, 4503599627370497.0}, {-4503599627370505.0, 10, -4503599627370510.0},
        {9007199254740990.0, 100, 9007199254741000.0}, {1e300, 100, 1e300}, {INFINITY, 1, INFINITY},
    };
    for (const auto& c : cases) EXPECT_EQ(RoundToStep(c.value, c.step), c.rounded) << c.value << " " << c.step;
    EXPECT_FALSE(std::signbit(RoundToStep(-0.4, 1)));
    EXPECT_FALSE(std::signbit(RoundToStep(-40, 100)));
}

}  // namespace
}  // namespace tuv
