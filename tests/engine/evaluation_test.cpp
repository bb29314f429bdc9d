// The evaluation rules as tables of worked-out rows (data/*.tsv), the Evaluate road around them,
// and the limits that keep any input from crashing or freezing the window.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "evaluator.h"
#include "report.h"
#include "rows.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace {

// A row: expression, value text ("<untouched>": the result text was left as it was), ok or fail,
// and optionally the variables text and the report of the sheet it gives.
TEST(Rows, EveryTable) {
    for (const char* table : {"operators.tsv", "functions.tsv", "dates.tsv", "sheets.tsv"}) {
        for (const Row& row : ReadRows(std::string(TESTS_DIR) + "/engine/data/" + table)) {
            const std::string variables = row.size() > 3 ? row[3] : "";
            std::string value = "<untouched>";
            tuv::WorkScope scope;
            const bool ok = tuv::EvaluateSheet(variables, row[0], value);
            const std::string where = std::string(table) + ": " + row[0].substr(0, 80) + " | " + variables.substr(0, 80);
            EXPECT_EQ(value, row[1]) << where;
            EXPECT_EQ(ok, row[2] == "ok") << where;
            if (row.size() > 4) {
                EXPECT_EQ(tuv::BuildReport(tuv::ActiveSheet()), row[4]) << where;
            }
        }
    }
}

// The road's flag, the variables text as it trimmed it in place, the result, the value and the details.
using Outcome = std::tuple<bool, std::string, std::string, std::string, std::string>;
Outcome Road(std::string variables, const std::string& expression) {
    std::string result, value, details;
    const bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
    return {ok, variables, result, value, details};
}

std::string Repeat(const std::string& piece, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += piece;
    return text;
}

// The road trims the variables text in place and the result (E on failure, when the value text may
// be another), breaks the report's lines with CR LF and, given no variables, forgets the last sheet.
TEST(RunEvaluation, TrimsAndReports) {
    EXPECT_EQ(Road("\r\n  a=1 \r\n\r\nb=zz\n", "a/8"), (Outcome{true, "a=1 \r\n\r\nb=zz", "0.125", "0.125000", "A = 1\r\nERR 1 : B=ZZ\r\n"}));
    EXPECT_EQ(Road("a=1", "a+zz"), (Outcome{false, "a=1", "E", "1.000000", "A = 1\r\n"}));
    EXPECT_EQ(Road(" \t ", ""), (Outcome{false, "", "E", "E", ""}));
    EXPECT_TRUE(tuv::ActiveSheet().values.empty());
}

// Brackets nest up to kMaxNesting deep, the operators inside them not counted; long flat texts and
// chains of lines are folded in loops, well within the work allowance. Past the allowance the road
// ends in E with the report of what was resolved; the next evaluation has the whole allowance again.
TEST(Limits, NestingAndWork) {
    std::string chain, sheet;  // the chain written bottom-up: one pass per link
    for (int i = 1; i < 20000; ++i) chain += "v" + std::to_string(i) + "=v" + std::to_string(i + 1) + "+1\n";
    for (int i = 1; i <= 1000; ++i) sheet += "a" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    const struct { std::string variables, expression; bool ok; std::string value, details; } cases[] = {
        {"", Repeat("(", tuv::kMaxNesting) + "1+2" + Repeat(")", tuv::kMaxNesting), true, "3.000000", ""},
        {"", Repeat("(", tuv::kMaxNesting + 1) + "1+2" + Repeat(")", tuv::kMaxNesting + 1), false, "E", ""},
        {"", Repeat("(", 20000) + "1+2" + Repeat(")", 20000), false, "E", ""},
        {"", Repeat("(", 20000), false, "0.0", ""},
        {"", Repeat("0+1*(", 1000) + "1" + Repeat(")", 1000), true, "1.000000", ""},
        {"", "1" + Repeat("+1", 100000), true, "100001.000000", ""},
        {"", Repeat("-", 50001) + "5", false, "-5.000000", ""},
        {"", "5" + Repeat("%", 50000), true, "0.000000", ""},
        {chain + "v20000=0", "v1", true, "19999.000000", "V1 = 19999\r\nV2 = 19998\r\n..."},
        {sheet, "SUM(A1:A1000)+MAX(A1:A1000)", true, "501500.000000", "A1 = 1\r\nA2 = 2\r\n..."},
        {"", "SUM(A1:A2000000000)", false, "E", ""},
        {"", "MIN(A1:A2000000000)+MAX(B1:B2000000000)", false, "E", ""},
        {"a=1\nb=SUM(A1:A2000000000)\nc=2", "a+c", false, "E", "A = 1\r\nERR 1 : B=SUM(A1:A2000000000)\r\nERR 2 : C=2\r\n"},
        {"x=1" + Repeat("+1", 2000000), "1", false, "E", "ERR 1 : X=1+1+1..."},
        {"a1=1\na2=2", "SUM(A1:A2)", true, "3.000000", "A1 = 1\r\nA2 = 2\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression.substr(0, 40) + " (case " + std::to_string(&c - cases) + ")");
        const auto [ok, variables, result, value, details] = Road(c.variables, c.expression);
        EXPECT_EQ(ok, c.ok);
        EXPECT_EQ(value, c.value);
        ExpectText(details, c.details, "details");
        EXPECT_TRUE(tuv::WorkExhausted() || tuv::WorkSpent() < tuv::kWorkBudget / 3) << tuv::WorkSpent();
    }
}

}  // namespace
