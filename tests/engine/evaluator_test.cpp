#include <gtest/gtest.h>

#include <random>
#include <string>

#include "evaluator.h"
#include "literal_evaluator.h"
#include "variable_sheet.h"

namespace {

struct Case {
    std::string text;
    std::string result;  // "<untouched>" when the result string keeps its preset
    bool ok;
};

constexpr const char* kUntouched = "<untouched>";

void ExpectCases(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::string result = kUntouched;
        bool ok = tuv::Evaluate(c.text, result);
        EXPECT_EQ(result, c.result) << "text: " << c.text;
        EXPECT_EQ(ok, c.ok) << "text: " << c.text;
    }
}

class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override { tuv::ActiveSheet().Reset(); }
};

TEST_F(EvaluatorTest, OperatorsShareTwoLevelsLeftToRight) {
    ExpectCases({
        {"1+2*3", "7.000000", true},
        {"2*3^2", "36.000000", true},
        {"2^3^2", "64.000000", true},
        {"8/2/2", "2.000000", true},
        {"8-2+2", "8.000000", true},
        {"8-2-2", "4.000000", true},
        {"(1+2)*(3+4)", "21.000000", true},
        {"7 + 1", "8.000000", true},
        {" \t7 + 1\r\n", "8.000000", true},
    });
}

TEST_F(EvaluatorTest, EveryStepRoundsToSixDecimals) {
    ExpectCases({
        {"1/3*3", "0.999999", true},
        {"2/3*3", "2.000001", true},
        {"1/128", "0.007813", true},
        {"0.1+0.2=0.3", "1.000000", true},
        {"0-0.0000001", "-0.000000", true},
        {"2^70", "1180591620717411300000.000000", true},
    });
}

TEST_F(EvaluatorTest, PercentAppliesToEverythingBeforeIt) {
    ExpectCases({
        {"200+10%", "2.100000", true},
        {"10%*200", "20.000000", true},
        {"50%", "0.500000", true},
        {"1+2%+3", "3.030000", true},
        {"5%%", "0.000500", true},
        {"10 % + 5", "5.100000", true},
        {"%", kUntouched, false},
        {"%+3", "3.000000", false},
        {"1e400%", "0.0", false},  // a name: undefined, so it fails before the percent
        {"1" + std::string(400, '0') + "%", "E", true},  // reads as infinity: no number to write
    });
}

TEST_F(EvaluatorTest, ComparisonsGiveOneOrZero) {
    ExpectCases({
        {"2=1+1", "1.000000", true},  // (2=1)+1
        {"1<2+3", "4.000000", true},  // (1<2)+3
        {"3>=3", "1.000000", true},
        {"3<=2", "0.000000", true},
        {"3>2", "1.000000", true},
        {"3<>2", "0.000000", false},
        {"3==3", "0.000000", false},
        {"3=<4", "1.000000", false},
        {"5<<=3", "1.000000", false},  // (5<)<=3
    });
}

TEST_F(EvaluatorTest, SignOnlyAtTheVeryBeginning) {
    ExpectCases({
        {"-5", "-5.000000", true},
        {"+5", "5.000000", true},
        {"-2^2", "-4.000000", true},
        {"-2+3", "1.000000", true},
        {"--5", "-5.000000", false},  // (0-)-5
        {"2*-3", "-3.000000", false},
        {"2^-1", "0.000000", false},  // (2^)-1
        {"3>-2", "-1.000000", false},  // (3>)-2
        {"2*(-3)", "-6.000000", true},
        {"3>(-2)", "1.000000", true},
        {"2^(-1)", "0.500000", true},
        {"-", "0.000000", false},
        {"-(5", "0.0", false},
    });
}

TEST_F(EvaluatorTest, NumbersKeepTheirTypedText) {
    ExpectCases({
        {"5", "5", true},
        {"007", "007", true},
        {"1.2.3", "1.2.3", true},
        {"1.2.3+0", "1.200000", true},
        {".", ".", true},
        {"((2))", "2", true},
        {"1e5", "0.0", false},
        {"1e-5", "-5.000000", false},  // 1E-5: an undefined name minus 5
        {"2(3)", "0.0", false},
    });
}

TEST_F(EvaluatorTest, FailuresAndTheirTexts) {
    ExpectCases({
        {"", kUntouched, false},
        {"  \r\n", kUntouched, false},
        {"5+", "5.000000", false},
        {"1/0", "E", false},
        {"0/0", "E", false},
        {"10^400", "E", false},
        {"(-8)^(1/3)", "E", false},
        {"x", "0.0", false},
        {"x+1", "1.000000", false},
        {"(1+2", "2.000000", false},  // "(1" + 2
        {"1+2)", "0.0", false},
        {"()", kUntouched, false},
    });
}

TEST_F(EvaluatorTest, StringLiteralsAreWholeTexts) {
    ExpectCases({
        {"\"abc\"", "abc", true},
        {"\"abc\"+1", "abc\"+", true},
        {"(\"abc\")+1", "1.000000", true},
        {"(\"abc\")", "ABC", true},
        {"\"", "", true},
        {"\"\"", "", true},
        {"\"a+b\"", "a+b", true},
        {"1+\"a+b\"", "1.000000", false},
    });
}

TEST_F(EvaluatorTest, NamesComeFromTheValueTable) {
    auto& values = tuv::ActiveSheet().values;
    values["A"] = "23";
    values["THETA"] = "0.5";
    values["WORD"] = "HELLO";
    ExpectCases({
        {"a", "23", true},
        {"a*2", "46.000000", true},
        {"Theta+theta", "1.000000", true},
        {"word", "HELLO", true},
        {"word+1", "1.000000", true},
        {"a b", "0.0", false},
    });
}

TEST_F(EvaluatorTest, NestingUpToTheLimitEvaluates) {
    for (int depth : {1000, tuv::kMaxNesting}) {
        std::string text = std::string(depth, '(') + "1+2" + std::string(depth, ')');
        std::string result;
        EXPECT_TRUE(tuv::Evaluate(text, result)) << depth;
        EXPECT_EQ(result, "3.000000");
    }
    std::string mixed;
    for (int i = 0; i < 1000; ++i) mixed += "1+2*(";
    mixed += "1" + std::string(1000, ')');
    std::string result;
    EXPECT_TRUE(tuv::Evaluate(mixed, result));
}

TEST_F(EvaluatorTest, DeeperThanTheLimitFailsWithE) {
    for (int depth : {tuv::kMaxNesting + 1, 20000}) {
        std::string text = std::string(depth, '(') + "1" + std::string(depth, ')');
        std::string result;
        EXPECT_FALSE(tuv::Evaluate(text, result)) << depth;
        EXPECT_EQ(result, "E");
    }
    std::string unbalanced(20000, '(');
    std::string result;
    EXPECT_FALSE(tuv::Evaluate(unbalanced, result));
}

TEST_F(EvaluatorTest, LongFlatChainsNeedNoDeepStack) {
    std::string sum = "1";
    for (int i = 0; i < 100000; ++i) sum += "+1";
    std::string result;
    EXPECT_TRUE(tuv::Evaluate(sum, result));
    EXPECT_EQ(result, "100001.000000");
    std::string signs = "-" + std::string(50000, '-') + "5";
    EXPECT_FALSE(tuv::Evaluate(signs, result));
    std::string percents = "5" + std::string(50000, '%');
    EXPECT_TRUE(tuv::Evaluate(percents, result));
    EXPECT_EQ(result, "0.000000");
}

// Random texts over the characters that matter to the rules, compared with the plain recursion.
TEST_F(EvaluatorTest, AgreesWithThePlainRecursion) {
    auto& values = tuv::ActiveSheet().values;
    values["A"] = "3";
    values["B"] = "-0.5";
    values["D"] = "1/2/2000";
    values["S"] = "WORD";
    const char* pieces[] = {"1", "2", "0", "10", ".5", "007", "a", "b", "d", "s", "x", "+", "-", "*", "/",
                            "^", "<", ">", "=", "<=", ">=", "(", ")", "%", "\"", " ", "sin(", "max(",
                            ",", "\"1/1/1999\"", "1e5", "\t"};
    std::mt19937 random(12345);
    for (int i = 0; i < 30000; ++i) {
        std::string text;
        int length = 1 + int(random() % 14);
        for (int j = 0; j < length; ++j) text += pieces[random() % std::size(pieces)];
        std::string expected = kUntouched, actual = kUntouched;
        bool expectedOk = LiteralEvaluate(text, expected);
        bool actualOk = tuv::Evaluate(text, actual);
        ASSERT_EQ(actual, expected) << "text: " << text;
        ASSERT_EQ(actualOk, expectedOk) << "text: " << text;
    }
}

// Texts thick with brackets, balanced and not, where the operator search steps over bracket
// groups: compared with the plain recursion, which scans every character.
TEST_F(EvaluatorTest, BracketGroupsAgreeWithThePlainRecursion) {
    tuv::ActiveSheet().values["A"] = "2";
    const char* pieces[] = {"(", "(", ")", ")", "1", "2", "a", "+", "-", "*", "^", "<", "=", "%", "sqr(", "min(", ",", " "};
    std::mt19937 random(4242);
    for (int i = 0; i < 30000; ++i) {
        std::string text;
        int length = 1 + int(random() % 24);
        for (int j = 0; j < length; ++j) text += pieces[random() % std::size(pieces)];
        for (const std::string& candidate : {text, "(" + text + ")", text + ")", "(" + text}) {
            std::string expected = kUntouched, actual = kUntouched;
            bool expectedOk = LiteralEvaluate(candidate, expected);
            bool actualOk = tuv::Evaluate(candidate, actual);
            ASSERT_EQ(actual, expected) << "text: " << candidate;
            ASSERT_EQ(actualOk, expectedOk) << "text: " << candidate;
        }
    }
}

TEST(FindOperator, RightmostOutsideBracketsNeverFirst) {
    EXPECT_EQ(tuv::FindOperator("8-2-2", 0), 3u);
    EXPECT_EQ(tuv::FindOperator("(1+2)*3", 0), tuv::kNoOperator);
    EXPECT_EQ(tuv::FindOperator("(1+2)*3", 1), 5u);
    EXPECT_EQ(tuv::FindOperator("-5", 0), tuv::kNoOperator);
    EXPECT_EQ(tuv::FindOperator("1+(2", 0), tuv::kNoOperator);
    EXPECT_EQ(tuv::FindOperator("", 0), tuv::kNoOperator);
}

TEST(IsNumberText, DigitsPointsAndTwoMarks) {
    for (const char* yes : {"5", "007", ".", "-", "1.2.3", "-5", "5%", "-.%"}) EXPECT_TRUE(tuv::IsNumberText(yes)) << yes;
    for (const char* no : {"", "1e5", "5-", "%5", "1 2", "+5", "5%%", "A"}) EXPECT_FALSE(tuv::IsNumberText(no)) << no;
}

}  // namespace
