// The evaluation rules as tables of worked-out rows (data/*.tsv), the Evaluate road around them,
// and the limits that keep any input from crashing or freezing the window.
#include <gtest/gtest.h>

#include <string>

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
        for (const Row& row : ReadRows(std::string(ENGINE_DATA_DIR) + "/" + table)) {
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

struct Outcome {
    bool ok;
    std::string variables, result, value, details;  // the variables text as trimmed in place
    bool operator==(const Outcome&) const = default;
};
void PrintTo(const Outcome& o, std::ostream* out) { *out << o.ok << " {" << o.variables << "} " << o.result << " " << o.value << " {" << o.details << "}"; }

Outcome Road(std::string variables, const std::string& expression) {
    Outcome o;
    o.ok = tuv::RunEvaluation(variables, expression, o.result, o.details, &o.value);
    o.variables = variables;
    return o;
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

TEST(Limits, NestingUpTo2000Deep) {
    for (int depth : {tuv::kMaxNesting, tuv::kMaxNesting + 1, 20000}) {
        std::string result;
        EXPECT_EQ(tuv::Evaluate(Repeat("(", depth) + "1+2" + Repeat(")", depth), result), depth <= tuv::kMaxNesting);
        EXPECT_EQ(result, depth <= tuv::kMaxNesting ? "3.000000" : "E") << depth;
    }
    std::string result;
    EXPECT_FALSE(tuv::Evaluate(Repeat("(", 20000), result));
    EXPECT_TRUE(tuv::Evaluate(Repeat("1+2*(", 1000) + "1" + Repeat(")", 1000), result));
}

// Long flat texts are folded in loops; ordinary large input stays well within the work allowance.
TEST(Limits, LongInputWithinTheAllowance) {
    Outcome flat = Road("", "1" + Repeat("+1", 100000));
    EXPECT_EQ(flat.result, "100001");
    EXPECT_LT(tuv::WorkSpent(), tuv::kWorkBudget / 3);
    EXPECT_FALSE(Road("", Repeat("-", 50001) + "5").ok);
    EXPECT_EQ(Road("", "5" + Repeat("%", 50000)).result, "0");

    std::string chain;  // written bottom-up: one pass per link
    for (int i = 1; i < 20000; ++i) chain += "v" + std::to_string(i) + "=v" + std::to_string(i + 1) + "+1\n";
    Outcome resolved = Road(chain + "v20000=0", "v1");
    EXPECT_EQ(resolved.result, "19999");
    EXPECT_EQ(resolved.details.substr(0, 14), "V1 = 19999\r\nV2");
    EXPECT_LT(tuv::WorkSpent(), tuv::kWorkBudget / 3);

    std::string sheet;
    for (int i = 1; i <= 1000; ++i) sheet += "a" + std::to_string(i) + "=" + std::to_string(i) + "\n";
    EXPECT_EQ(Road(sheet, "SUM(A1:A1000)+MAX(A1:A1000)").result, "501500");
}

// Past the allowance the road ends in E with the report of what was resolved; the next evaluation
// has the whole allowance again.
TEST(Limits, SpentAllowanceEndsInE) {
    struct Case { std::string variables, expression, details; } cases[] = {
        {"", "SUM(A1:A2000000000)", ""},
        {"", "MIN(A1:A2000000000)+MAX(B1:B2000000000)", ""},
        {"a=1\nb=SUM(A1:A2000000000)\nc=2", "a+c", "A = 1\r\nERR 1 : B=SUM(A1:A2000000000)\r\nERR 2 : C=2\r\n"},
        {"x=1" + Repeat("+1", 2000000), "1", "ERR 1 : X=1+1+1"},
    };
    for (const Case& c : cases) {
        Outcome o = Road(c.variables, c.expression);
        EXPECT_FALSE(o.ok) << c.expression;
        EXPECT_EQ(o.result, "E") << c.expression;
        EXPECT_EQ(o.details.substr(0, c.details.size()), c.details) << c.expression;
    }
    EXPECT_EQ(Road("a1=1\na2=2", "SUM(A1:A2)").result, "3");
}

}  // namespace
