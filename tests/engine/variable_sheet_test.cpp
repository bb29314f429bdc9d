#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace {

struct Outcome {
    bool ok;
    std::string result;
    std::string details;
    std::string variables;  // as trimmed in place
};

Outcome Evaluate(std::string variables, const std::string& expression) {
    Outcome outcome;
    outcome.ok = tuv::RunEvaluation(variables, expression, outcome.result, outcome.details);
    outcome.variables = variables;
    return outcome;
}

TEST(RunEvaluation, HelpExampleResolvesInTwoPasses) {
    Outcome broken = Evaluate("a=23\nb=47\nc=a+b+d", "c");
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.result, "E");
    EXPECT_EQ(broken.details, "A = 23\r\nB = 47\r\nERR 1 : C=A+B+D\r\n");

    Outcome fixed = Evaluate("a=23\nb=47\nc=a+b+d\nd=sin(45)", "c");
    EXPECT_TRUE(fixed.ok);
    EXPECT_EQ(fixed.result, "70.707107");
    EXPECT_EQ(fixed.details, "A = 23\r\nB = 47\r\nC = 70.707107\r\nD = 0.707107\r\n");
}

TEST(RunEvaluation, ResultAndDetailsAcrossTheRoad) {
    struct Case {
        std::string variables, expression, result, details;
        bool ok;
    } cases[] = {
        // only the expression's own failure makes the result E
        {"a=1\nb=zz", "a+1", "2", "A = 1\r\nERR 1 : B=ZZ\r\n", true},
        {"a=1\nb=zz", "b", "E", "A = 1\r\nERR 1 : B=ZZ\r\n", false},
        {"a=1", "", "E", "A = 1\r\n", false},
        {"  \r\n\t", "a", "E", "", false},
        {"", "2*3", "6", "", true},
        // comments only at the very first character, blank lines vanish
        {";a=1\n?b=2\n c=3\r\n\r\n\r\nd=4", "c+d", "7", "C = 3\r\nD = 4\r\n", true},
        {"x=1\n ;y=2", ";y", "2", "X = 1\r\n;Y = 2\r\n", true},
        // upper case everywhere; quoted texts on lines too
        {"theta=2\nw=\"Word\"", "THETA*theta", "4", "THETA = 2\r\nW = WORD\r\n", true},
        {"", "\"Word\"", "Word", "", true},
        // second definition: the first to resolve wins, the other is an error line
        {"a=1\na=2", "a", "1", "A = 1\r\nERR 1 : A=2\r\n", true},
        {"a=b\na=2\nb=5", "a", "2", "ERR 1 : A=B\r\nA = 2\r\nB = 5\r\n", true},
        // lines without "=" leave no trace and take no number
        {"hello\na=zz\nb=yy", "1", "1", "ERR 1 : A=ZZ\r\nERR 2 : B=YY\r\n", true},
        {"c=a+b+d\nd=sin(45)+c", "1", "1", "ERR 1 : C=A+B+D\r\nERR 2 : D=SIN(45)+C\r\n", true},
        {"x=1=1", "x", "1", "X = 1\r\n", true},
        {"x = 5 ", "x", "5", "X = 5\r\n", true},
        {"=5", "1", "1", " = 5\r\n", true},
        {"a=", "a", "E", "ERR 1 : A=\r\n", false},
        // names after "!" with digits then letters are stored letters first
        {"s!1a=4", "s!a1", "4", "S!A1 = 4\r\n", true},
        {"s!1a=4", "s!1a", "E", "S!A1 = 4\r\n", false},
        {"s!a1b=4", "s!a1b", "4", "S!A1B = 4\r\n", true},
        // values keep their texts; trimming only touches texts with a point
        {"d=\"1/2/2000\"\nn=007.50", "n", "7.5", "D = 1/2/2000\r\nN = 7.5\r\n", true},
        {"t=0-0.0000001", "t", "-0", "T = -0\r\n", true},
        {"p=\".000\"", "p", "NIL", "P = NIL\r\n", true},
    };
    for (const Case& c : cases) {
        Outcome outcome = Evaluate(c.variables, c.expression);
        EXPECT_EQ(outcome.result, c.result) << c.variables << " | " << c.expression;
        EXPECT_EQ(outcome.details, c.details) << c.variables << " | " << c.expression;
        EXPECT_EQ(outcome.ok, c.ok) << c.variables << " | " << c.expression;
    }
}

TEST(RunEvaluation, TrimsTheVariablesTextInPlace) {
    EXPECT_EQ(Evaluate("\r\n  a=1 \r\n\r\n", "a").variables, "a=1");
    EXPECT_EQ(Evaluate(" \t ", "1").variables, "");
}

TEST(RunEvaluation, AnEmptySheetForgetsTheLastOne) {
    EXPECT_TRUE(Evaluate("a=5", "a").ok);
    Outcome after = Evaluate("", "a");
    EXPECT_FALSE(after.ok);
    EXPECT_EQ(after.details, "");
    EXPECT_TRUE(tuv::ActiveSheet().values.empty());
}

TEST(RunEvaluation, RawValueIsTheTextBeforeTrimming) {
    std::string variables, result, details, value;
    tuv::RunEvaluation(variables, "2*3", result, details, &value);
    EXPECT_EQ(value, "6.000000");
    tuv::RunEvaluation(variables, "", result, details, &value);
    EXPECT_EQ(value, "E");
    tuv::RunEvaluation(variables, "zz", result, details, &value);
    EXPECT_EQ(value, "0.0");
}

TEST(RunEvaluation, ChainWrittenBottomUpResolvesOnePassPerLink) {
    std::string variables;
    for (int i = 50; i > 0; --i) variables += "v" + std::to_string(i) + "=v" + std::to_string(i + 1) + "+1\n";
    variables += "v51=0";
    Outcome outcome = Evaluate(variables, "v1");
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.result, "50");
}

TEST(ResolveName, EnumerationsPickTheirPosition) {
    struct Case { std::string variables, expression, result; bool ok; } cases[] = {
        {"list(color)=\"RED,GREEN,BLUE\"\ncolor=\"green\"", "color", "2", true},
        {"list(color)=\"RED,GREEN,BLUE\"\ncolor=\"blue\"", "color*10", "30", true},
        {"list(color)=\"RED, GREEN\"\ncolor=\"green\"", "color", "GREEN", true},
        {"list(color)=\"RED,GREEN\"\ncolor=\"pink\"", "color", "PINK", true},
        {"list(n)=\"1,2\"\nn=2", "n", "2", true},  // a number is never looked up
    };
    for (const Case& c : cases) {
        Outcome outcome = Evaluate(c.variables, c.expression);
        EXPECT_EQ(outcome.result, c.result) << c.variables;
        EXPECT_EQ(outcome.ok, c.ok) << c.variables;
    }
}

TEST(SplitArguments, CommasOutsideBracketsOnly) {
    struct Case { std::string text; std::vector<std::string> pieces; } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a,b", {"a", "b"}},
        {"a,", {"a"}},
        {",a", {"", "a"}},
        {"a,,b", {"a", "", "b"}},
        {" a , b ", {" a ", " b "}},
        {"max(1,2),3", {"max(1,2)", "3"}},
        {"\"x,y\"", {"\"x", "y\""}},
        {"(a,b", {"(a,b"}},
        {"a),b,c", {"a),b,c"}},  // below depth 0 no comma cuts
    };
    for (const Case& c : cases) {
        std::vector<std::string_view> pieces;
        tuv::SplitArguments(c.text, pieces);
        EXPECT_EQ(std::vector<std::string>(pieces.begin(), pieces.end()), c.pieces) << c.text;
    }
}

TEST(CanonicalizeName, DigitsThenLettersBecomeLettersThenDigits) {
    struct Case { std::string in, out; } cases[] = {
        {"S!12AB", "S!AB12"}, {"S!1a", "S!a1"}, {"S!AB12", "S!AB12"}, {"S!12", "S!12"},
        {"S!AB", "S!AB"}, {"S!12AB3", "S!12AB3"}, {"S!", "S!"}, {"X", "X"}, {"A!B!1C", "A!B!1C"},
        {"!1A", "!A1"},
    };
    for (const Case& c : cases) {
        std::string name = c.in;
        tuv::CanonicalizeName(name);
        EXPECT_EQ(name, c.out) << c.in;
    }
}

TEST(TrimNumberText, InsignificantZerosGo) {
    struct Case { std::string in, out; } cases[] = {
        {"23.000000", "23"}, {"0.000000", "0"}, {"100.000000", "100"}, {"0.050000", "0.05"},
        {"-0.500000", "-0.5"}, {"007.5", "7.5"}, {"70.707107", "70.707107"}, {"0.707107", "0.707107"},
        {"-0.000000", "-0"}, {".000", "NIL"}, {".0", "NIL"}, {"E", "E"}, {"23", "23"}, {"1", "1"},
        {"100", "100"}, {"", ""}, {"1/2/2000", "1/2/2000"}, {"0.0", "0"}, {"10.0", "10"},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        tuv::TrimNumberText(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
}

TEST(TrimNumberText, LongNumbersAreTrimmedWhole) {
    // 1e300 written out is 301 digits and six decimals: no cut at 255 characters.
    std::string text = "1" + std::string(300, '0') + ".000000";
    tuv::TrimNumberText(text);
    EXPECT_EQ(text, "1" + std::string(300, '0'));
}

TEST(BuildReport, LongLinesAreNeverCut) {
    std::string name(400, 'N');
    Outcome outcome = Evaluate(name + "=1\n" + name + "=zz", "1");
    EXPECT_EQ(outcome.details, name + " = 1\r\nERR 1 : " + name + "=ZZ\r\n");
}

}  // namespace

namespace {

TEST(WorkBudget, HugeWorkEndsWithEAndTheReportStillBuilt) {
    struct Case { std::string variables, expression, details; } cases[] = {
        {"", "SUM(A1:A2000000000)", ""},
        {"", "MIN(A1:A2000000000)+MAX(B1:B2000000000)", ""},
        {"a=1\nb=SUM(A1:A2000000000)\nc=2", "a+c", "A = 1\r\nERR 1 : B=SUM(A1:A2000000000)\r\nERR 2 : C=2\r\n"},
        {"x=1" + [] { std::string s; for (int i = 0; i < 2000000; ++i) s += "+1"; return s; }(), "1", ""},
    };
    for (const Case& c : cases) {
        Outcome outcome = Evaluate(c.variables, c.expression);
        EXPECT_FALSE(outcome.ok) << c.expression;
        EXPECT_EQ(outcome.result, "E") << c.expression;
        if (!c.details.empty()) {
            EXPECT_EQ(outcome.details, c.details) << c.expression;
        }
    }
    // The next evaluation has its whole allowance again.
    Outcome after = Evaluate("a1=1\na2=2", "SUM(A1:A2)");
    EXPECT_TRUE(after.ok);
    EXPECT_EQ(after.result, "3");
}

TEST(WorkBudget, OrdinaryLargeInputStaysWithinIt) {
    std::string sum = "1";
    for (int i = 0; i < 100000; ++i) sum += "+1";
    Outcome flat = Evaluate("", sum);
    EXPECT_TRUE(flat.ok);
    EXPECT_EQ(flat.result, "100001");
    EXPECT_LT(tuv::WorkSpent(), tuv::kWorkBudget / 3);

    std::string chain;
    for (int i = 1; i < 20000; ++i) chain += "v" + std::to_string(i) + "=v" + std::to_string(i + 1) + "+1\n";
    chain += "v20000=0";
    Outcome resolved = Evaluate(chain, "v1");
    EXPECT_EQ(resolved.result, "19999");
    EXPECT_LT(tuv::WorkSpent(), tuv::kWorkBudget / 3);
    std::string sheet;
    for (int i = 1; i <= 1000; ++i) sheet += "a" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    Outcome range = Evaluate(sheet, "SUM(A1:A1000)+MAX(A1:A1000)");
    EXPECT_TRUE(range.ok);
    EXPECT_EQ(range.result, "501500");
}

}  // namespace
