#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "dates.h"
#include "value_cases.h"
#include "variable_sheet.h"

namespace tuv {
namespace {

// D1 is 1 January 2000 and D2 15 February 2000, both held as quoted texts.
void ExpectCases(std::initializer_list<ValueCase> cases, const std::string& variables = "D1=\"1/1/2000\"\nD2=\"15/2/2000\"") {
    ExpectValues(variables, cases);
}

TEST(ParseDateText, ThreeIntegersReadLikeScanf) {
    struct {
        const char* text;
        bool isDate;
        int day = 0, month = 0, year = 0;
    } cases[] = {
        {"25/12/2000", true, 25, 12, 2000}, {"25-12-99", true, 25, 12, 1999}, {" 1/ 2/\t5", true, 1, 2, 2005},
        {"1/2/3 and more", true, 1, 2, 2003}, {"+1/+2/+37", true, 1, 2, 2037}, {"1/2/38", true, 1, 2, 1938},
        {"1/2/1899", true, 1, 2, 3799}, {"1/2/1900", true, 1, 2, 1900}, {"1-2--3", true, 1, 2, 1997},
        {"-2147483648-1-1", true, INT_MIN, 1, 2001}, {"1/1/2147483647", true, 1, 1, INT_MAX},
        {"2147483648/1/1", false}, {"99999999999/1/1", false},
        {"1/1/18446744073709551621", false},  // 2^64 + 5 must not wrap round to 5
        {"1/2/-3", false},     // a dash anywhere means dashes throughout
        {"1 /2/2000", false},  // the separator must follow the integer at once
        {"1/1", false}, {"1/1/", false}, {"a/b/c", false}, {"5", false}, {"-5.000000", false}, {"E", false},
    };
    for (const auto& c : cases) {
        int day = 0, month = 0, year = 0;
        EXPECT_EQ(ParseDateText(c.text, day, month, year), c.isDate) << c.text;
        EXPECT_EQ(IsDateText(c.text), c.isDate) << c.text;
        if (c.isDate) {
            EXPECT_TRUE(day == c.day && month == c.month && year == c.year) << c.text;
        }
    }
}

TEST(DayNumber, ProlepticGregorianWithNormalisation) {
    EXPECT_EQ(DayNumber(1, 1, 1970), 0);
    EXPECT_EQ(DayNumber(31, 12, 1969), -1);
    EXPECT_EQ(DayNumber(1, 3, 2000) - DayNumber(28, 2, 2000), 2);  // leap year
    EXPECT_EQ(DayNumber(1, 3, 2100) - DayNumber(28, 2, 2100), 1);  // not one
    EXPECT_EQ(DayNumber(1, 1, 0) - DayNumber(1, 1, -400), 146097);
    EXPECT_EQ(DayNumber(31, 2, 2000), DayNumber(2, 3, 2000));
    EXPECT_EQ(DayNumber(-1, 3, 2000), DayNumber(28, 2, 2000));
    EXPECT_EQ(DayNumber(1, 13, 1999), DayNumber(1, 1, 2000));
    EXPECT_EQ(DayNumber(1, -12, 2000), DayNumber(1, 12, 1998));
    EXPECT_EQ(DayNumber(1, 1, 0) - DayNumber(1, -10, 0), 334);  // 1 February of the year before
    EXPECT_EQ(DayNumber(1, INT_MAX, 0), DayNumber(1, (INT_MAX - 1) % 12 + 1, (INT_MAX - 1) / 12));
    EXPECT_LT(DayNumber(INT_MIN, INT_MIN, INT_MIN), DayNumber(INT_MAX, INT_MAX, INT_MAX));
}

TEST(DateComparison, RelationalOperatorsOnFieldsAsWritten) {
    ExpectCases({
        {"D1<D2", "1.000000", true}, {"D2<D1", "0.000000", true}, {"D1>D2", "0.000000", true},
        {"D2>D1", "1.000000", true}, {"D1=D2", "0.000000", true}, {"D1=D1", "1.000000", true},
        {"D1<=D1", "1.000000", true}, {"D2<=D1", "0.000000", true}, {"D1>=D2", "0.000000", true},
        {"D2>=D1", "1.000000", true}, {"D1>=D1", "1.000000", true},
        // The date comparison takes over the arithmetic operators too, and gives 0.
        {"D1+D2", "0.000000", true}, {"D1/D2", "0.000000", true}, {"D1<D2+1", "2.000000", true},
        {"D1<\"15/2/2000\"", "1.000000", true}, {"D2>(\"1-1-0\")", "1.000000", true},
        // Outside brackets the last dash is taken for a minus and the date is cut apart:
        // (D1<"15-2) - (2000", an undefined name).
        {"D1<\"15-2-2000\"", "-2.000000", false},
        // 30/2/2000 comes before 1/3/2000 as written, although it is the same day.
        {"D3<D4", "1.000000", true}, {"DATE(D3,=,D4)", "1.0", true},
    }, "D1=\"1/1/2000\"\nD2=\"15/2/2000\"\nD3=\"30/2/2000\"\nD4=\"1/3/2000\"");
}

TEST(DateFunctions, DateDays360Day) {
    ExpectCases({
        {"DATE(D1,<,D2)", "1.0", true}, {"DATE(D1,<=,D2)", "1.0", true}, {"DATE(D2,>,D1)", "1.0", true},
        {"DATE(D2,>=,D1)", "1.0", true}, {"DATE(D1,=,D2)", "0.0", true}, {"date(d1,ne,d2)", "1.0", true},
        {"DATE(D1, <, D2)", "0.0", true},  // the operator is taken exactly as written
        {"DATE(D1,<,D2,D2)", "0.0", false}, {"DATE(5,<,D2)", "0.0", false}, {"DATE(X,<,D2)", "0.0", false},
        {"DATE(IF(X,D1,D2),=,D2)", "1.0", false},  // a failed argument still compares, and fails the call
        {"DATE(\"31/12/1969\",<,\"1/1/1970\")", "1.0", true}, {"DATE(\"1/13/1999\",=,\"1/1/2000\")", "1.0", true},
        {"DAYS360(D1,D2)", "45", true}, {"DAYS360(D2,D1)", "-45", true},
        {"DAYS360(\"1/3/2000\",\"1/4/2000\")", "31", true},  // across a usual clock change
        {"DAYS360(\"1/1/1900\",\"1/1/2000\")", "36524", true}, {"DAYS360(\"1/1/2000\",\"1/1/2100\")", "36525", true},
        {"DAYS360(\"0/1/2000\",\"31/12/1999\")", "0", true},
        // A million 400-year cycles: more days than 32 bits hold.
        {"DAYS360(\"1/1/2000\",\"1/1/400002000\")", "146097000000", true},
        {"DAYS360(D1)", "0.0", false}, {"DAYS360(D1,5)", "0.0", false}, {"DAYS360(D1,\"99999999999/1/1\")", "0.0", false},
        {"DAY(D2)", "15", true}, {"DAY(\"25-12-99\")", "25", true}, {"DAY(\"31/2/2000\")", "31", true},
        {"DAY(5)", "0.0", false}, {"DAY()", "0.0", false}, {"DAY(D1,D2)", "0.0", false}, {"DAY(X)", "0.0", false},
        {"DAY(IF(X,D1,D2))", "15", false},
        {"DAY(D2)+DAYS360(D1,D2)", "60.000000", true},
    });
}

}  // namespace
}  // namespace tuv
