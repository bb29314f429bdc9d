#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "dates.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

struct Case {
    const char* expression;
    const char* text;
    bool ok;
};

// D1 is 1 January 2000, D2 is 15 February 2000, both held as quoted texts.
void ExpectCases(std::initializer_list<Case> cases, std::string variables = "D1=\"1/1/2000\"\nD2=\"15/2/2000\"") {
    for (const Case& c : cases) {
        std::string vars = variables, result, details, value;
        const bool ok = RunEvaluation(vars, c.expression, result, details, &value);
        EXPECT_EQ(value, c.text) << c.expression;
        EXPECT_EQ(ok, c.ok) << c.expression;
    }
}

TEST(ParseDateText, ReadsThreeIntegersLikeScanf) {
    struct {
        const char* text;
        bool isDate;
        int day = 0, month = 0, year = 0;
    } cases[] = {
        {"25/12/2000", true, 25, 12, 2000},
        {"25-12-99", true, 25, 12, 1999},
        {" 1/ 2/\t5", true, 1, 2, 2005},  // white space before each integer
        {"1/2/3 and more", true, 1, 2, 2003},
        {"+1/+2/+37", true, 1, 2, 2037},
        {"1/2/38", true, 1, 2, 1938},
        {"1/2/150", true, 1, 2, 2050},
        {"1/2/1899", true, 1, 2, 3799},
        {"1/2/1900", true, 1, 2, 1900},
        {"1/2/-3", false},  // the dash makes it a dash date
        {"1-2--3", true, 1, 2, 1997},
        {"-5-3-2000", true, -5, 3, 2000},  // the dash form still reads signs
        {"1--3-2000", true, 1, -3, 2000},
        {"31/2/2000", true, 31, 2, 2000},
        {"2147483647/1/1", true, INT_MAX, 1, 2001},
        {"-2147483648-1-1", true, INT_MIN, 1, 2001},
        {"1/1/2147483647", true, 1, 1, INT_MAX},
        {"2147483648/1/1", false},
        {"99999999999/1/1", false},
        {"1/1/-99999999999", false},
        {"1 /2/2000", false},  // a separator must follow the integer at once
        {"1/1", false},
        {"1/1/", false},
        {"a/b/c", false},
        {"1-2/3", false},  // a dash anywhere means dashes throughout
        {"/1/1", false},
        {"5", false},
        {"", false},
        {"-5.000000", false},
        {"E", false},
    };
    for (const auto& c : cases) {
        int day = 0, month = 0, year = 0;
        EXPECT_EQ(ParseDateText(c.text, day, month, year), c.isDate) << c.text;
        EXPECT_EQ(IsDateText(c.text), c.isDate) << c.text;
        if (!c.isDate) continue;
        EXPECT_EQ(day, c.day) << c.text;
        EXPECT_EQ(month, c.month) << c.text;
        EXPECT_EQ(year, c.year) << c.text;
    }
}

TEST(DayNumber, ProlepticGregorianWithNormalisation) {
    EXPECT_EQ(DayNumber(1, 1, 1970), 0);
    EXPECT_EQ(DayNumber(31, 12, 1969), -1);
    EXPECT_EQ(DayNumber(1, 1, 2000), 10957);
    EXPECT_EQ(DayNumber(1, 3, 2000) - DayNumber(28, 2, 2000), 2);  // leap year
    EXPECT_EQ(DayNumber(1, 3, 2100) - DayNumber(28, 2, 2100), 1);  // not one
    EXPECT_EQ(DayNumber(1, 3, 1900) - DayNumber(28, 2, 1900), 1);
    EXPECT_EQ(DayNumber(1, 1, 2400) - DayNumber(1, 1, 2000), 146097);
    EXPECT_EQ(DayNumber(1, 1, 0) - DayNumber(1, 1, -400), 146097);
    // Out-of-range fields move into the neighbouring months and years.
    EXPECT_EQ(DayNumber(31, 2, 2000), DayNumber(2, 3, 2000));
    EXPECT_EQ(DayNumber(0, 3, 2000), DayNumber(29, 2, 2000));
    EXPECT_EQ(DayNumber(-1, 3, 2000), DayNumber(28, 2, 2000));
    EXPECT_EQ(DayNumber(1, 13, 1999), DayNumber(1, 1, 2000));
    EXPECT_EQ(DayNumber(1, 0, 2000), DayNumber(1, 12, 1999));
    EXPECT_EQ(DayNumber(1, -11, 2000), DayNumber(1, 1, 1999));
    EXPECT_EQ(DayNumber(1, -12, 2000), DayNumber(1, 12, 1998));
    EXPECT_EQ(DayNumber(367, 1, 2000), DayNumber(1, 1, 2001));  // 2000 has 366 days
    // The extremes of every field stay within 64 bits and keep their order.
    EXPECT_LT(DayNumber(INT_MIN, INT_MIN, INT_MIN), DayNumber(INT_MAX, INT_MAX, INT_MAX));
    EXPECT_EQ(DayNumber(1, INT_MAX, 0), DayNumber(1, (INT_MAX - 1) % 12 + 1, (INT_MAX - 1) / 12));
}

TEST(DateComparison, EveryRelationalOperator) {
    ExpectCases({
        {"D1<D2", "1.000000", true},
        {"D2<D1", "0.000000", true},
        {"D1>D2", "0.000000", true},
        {"D2>D1", "1.000000", true},
        {"D1=D2", "0.000000", true},
        {"D1=D1", "1.000000", true},
        {"D1<=D2", "1.000000", true},
        {"D1<=D1", "1.000000", true},
        {"D2<=D1", "0.000000", true},
        {"D1>=D2", "0.000000", true},
        {"D1>=D1", "1.000000", true},
        {"D2>=D1", "1.000000", true},
        // The date comparison takes over the arithmetic operators too, and gives 0.
        {"D1+D2", "0.000000", true},
        {"D1-D2", "0.000000", true},
        {"D1*D2", "0.000000", true},
        {"D1/D2", "0.000000", true},
        {"D1^D2", "0.000000", true},
        {"D1<D2+1", "2.000000", true},
    });
}

TEST(DateComparison, FieldsAsWrittenAndQuotedForms) {
    ExpectCases({
        // Compared as written, although the calendar finds these two equal.
        {"D3<D4", "1.000000", true},
        {"DATE(D3,=,D4)", "1.0", true},
        {"D1<\"15/2/2000\"", "1.000000", true},
        {"D4>(\"1-1-2000\")", "1.000000", true},
        {"D1=(\"1-1-0\")", "1.000000", true},  // the year window makes 0 into 2000
        // Outside brackets the last dash is taken for a minus and the date is cut apart:
        // (D1<"15-2) - (2000", an undefined name).
        {"D1<\"15-2-2000\"", "-2.000000", false},
    }, "D1=\"1/1/2000\"\nD3=\"30/2/2000\"\nD4=\"1/3/2000\"");
}

TEST(DateFunctions, Date) {
    ExpectCases({
        {"DATE(D1,<,D2)", "1.0", true},
        {"DATE(D1,<=,D2)", "1.0", true},
        {"DATE(D1,>,D2)", "0.0", true},
        {"DATE(D1,>=,D2)", "0.0", true},
        {"DATE(D1,=,D2)", "0.0", true},
        {"DATE(D1,=,D1)", "1.0", true},
        {"DATE(D1,NE,D2)", "1.0", true},
        {"date(d1,ne,d1)", "0.0", true},
        {"DATE(D1, <, D2)", "0.0", true},  // the operator is taken exactly as written
        {"DATE(D1,<>,D2)", "0.0", true},
        {"DATE(D1,<,D2,D2)", "0.0", false},
        {"DATE(D1,<)", "0.0", false},
        {"DATE()", "0.0", false},
        {"DATE(5,<,D2)", "0.0", false},
        {"DATE(X,<,D2)", "0.0", false},
        {"DATE(\"31/12/1969\",<,\"1/1/1970\")", "1.0", true},
        {"DATE(\"1/13/1999\",=,\"1/1/2000\")", "1.0", true},
        {"DATE(\"1/1/2039\",>,\"31/12/2038\")", "1.0", true},
    });
}

TEST(DateFunctions, Days360CountsCalendarDays) {
    ExpectCases({
        {"DAYS360(D1,D2)", "45", true},
        {"DAYS360(D2,D1)", "-45", true},
        {"DAYS360(D1,D1)", "0", true},
        {"DAYS360(\"1/3/2000\",\"1/4/2000\")", "31", true},    // across a usual clock change
        {"DAYS360(\"25/10/2000\",\"5/11/2000\")", "11", true},
        {"DAYS360(\"1/1/1900\",\"1/1/2000\")", "36524", true},
        {"DAYS360(\"1/1/2000\",\"1/1/2100\")", "36525", true},
        {"DAYS360(\"28/2/2100\",\"1/3/2100\")", "1", true},
        {"DAYS360(\"31/2/2000\",\"2/3/2000\")", "0", true},
        {"DAYS360(\"0/1/2000\",\"31/12/1999\")", "0", true},
        // A million 400-year cycles: more days than 32 bits hold.
        {"DAYS360(\"1/1/2000\",\"1/1/400002000\")", "146097000000", true},
        {"DAYS360(D1)", "0.0", false},
        {"DAYS360(D1,5)", "0.0", false},
        {"DAYS360(D1,\"99999999999/1/1\")", "0.0", false},
        {"DAYS360(D1,X)", "0.0", false},
    });
}

TEST(DateFunctions, Day) {
    ExpectCases({
        {"DAY(D2)", "15", true},
        {"DAY(\"25-12-99\")", "25", true},
        {"DAY(\"31/2/2000\")", "31", true},  // the day as written
        {"DAY(5)", "0.0", false},
        {"DAY()", "0.0", false},
        {"DAY(D1,D2)", "0.0", false},
        {"DAY(\"1/1\")", "0.0", false},
        {"DAY(\"a/b/c\")", "0.0", false},
        {"DAY(X)", "0.0", false},
        {"DAY(D2)+DAYS360(D1,D2)", "60.000000", true},
    });
}

}  // namespace
}  // namespace tuv
