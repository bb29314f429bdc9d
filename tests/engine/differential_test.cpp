// The engine against the literal implementations on random input: the evaluator, which folds
// operator chains in loops and steps over bracket groups, against the plain recursion; the
// resolution, which evaluates a line again only once a name it missed is defined, against the plain
// pass algorithm. Both share the steps they call (CombineValues, CallFunction, FormatNumber,
// ResolveName, BuildReport); the row tables check those.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../fuzz/fuzz_input.h"
#include "evaluator.h"

// Random texts over the characters that matter to the rules, then texts thick with brackets,
// balanced and not, where the operator search steps over groups; each also wrapped in brackets.
TEST(Differential, EvaluatorAgreesWithThePlainRecursion) {
    tuv::ActiveSheet().values = {{"A", "3"}, {"B", "-0.5"}, {"D", "1/2/2000"}, {"S", "WORD"}};
    const std::vector<std::vector<std::string>> sets = {
        {"1", "2", "0", "10", ".5", "007", "a", "b", "d", "s", "x", "+", "-", "*", "/", "^", "<", ">", "=", "<=",
         ">=", "(", ")", "%", "\"", " ", "sin(", "max(", ",", "\"1/1/1999\"", "1e5", "\t"},
        {"(", "(", ")", ")", "1", "2", "a", "+", "-", "*", "^", "<", "=", "%", "sqr(", "min(", ",", " "}};
    std::mt19937 random(12345);
    for (const std::vector<std::string>& pieces : sets) {
        for (int i = 0; i < 30000; ++i) {
            std::string text;
            for (int length = 1 + int(random() % 20); length > 0; --length) text += pieces[random() % pieces.size()];
            for (const std::string& candidate : {text, "(" + text + ")", text + ")", "(" + text}) {
                std::string expected = "<untouched>", actual = expected;
                const bool expectedOk = LiteralEvaluate(candidate, expected);
                ASSERT_EQ(tuv::Evaluate(candidate, actual), expectedOk) << candidate;
                ASSERT_EQ(actual, expected) << candidate;
            }
        }
    }
}

// Sheets where the order of lines, duplicates, cycles, enumerations and failing functions decide
// which definition wins, and the value of C on each.
TEST(Differential, ResolutionAgreesWithThePlainPassAlgorithm) {
    const char* const names[] = {"a", "b", "c", "d", "e1", "e2", "e3", "e4", "list(c)", "s!1x"};
    const char* const operands[] = {"a", "b", "c", "d", "e1", "e2", "e3", "e4", "s!x1", "1", "2.5", "0",
                                    "\"RED\"", "\"1/1/2000\"", "sin(30)"};
    const char* const shapes[] = {"@", "@+@", "@*@-@", "if(@>@,@,@)", "sum(e1:e4)", "min(@,@)", "max(e1:e3)",
                                  "sqrt(@-3)", "pow(@,2)", "and(@,@)", "or(@,@)", "(@)%", "day(@)",
                                  "date(@,<,@)", "\"RED,GREEN,@\"", "@/@", "@=@"};
    const char* const others[] = {";a=99", "\r\n", "nothing here", " ?b = 7"};  // comment, blank, no "=", no comment
    std::mt19937 random(2026);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        for (int lines = 1 + int(random() % 12); lines > 0; --lines) {
            if (const unsigned kind = random() % 12; kind < 4) {
                text += others[kind];
            } else {
                std::string expression;
                for (const char* c = shapes[random() % std::size(shapes)]; *c; ++c)
                    expression += *c == '@' ? std::string(operands[random() % std::size(operands)]) : std::string(1, *c);
                text += std::string(names[random() % std::size(names)]) + "=" + expression;
            }
            text += random() % 3 ? "\n" : "\r\n";
        }
        ASSERT_EQ(DifferenceFromTheLiterals(text, "c"), "") << text;
    }
}
