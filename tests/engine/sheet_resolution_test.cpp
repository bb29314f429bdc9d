// The engine's resolution against the plain pass algorithm, on sheets where the order of lines,
// duplicates, cycles and failing functions decide which definition wins.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "literal_sheet.h"
#include "report.h"
#include "variable_sheet.h"

namespace {

std::string RandomSheet(std::mt19937& random) {
    const char* names[] = {"a", "b", "c", "d", "e1", "e2", "e3", "e4", "list(c)", "s!1x"};
    const char* operands[] = {"a", "b", "c", "d", "e1", "e2", "e3", "e4", "s!x1", "1", "2.5", "0",
                              "\"RED\"", "\"1/1/2000\"", "sin(30)"};
    const char* shapes[] = {"%s", "%s+%s", "%s*%s-%s", "if(%s>%s,%s,%s)", "sum(e1:e4)", "min(%s,%s)",
                            "max(e1:e3)", "sqrt(%s-3)", "pow(%s,2)", "and(%s,%s)", "or(%s,%s)", "(%s)%",
                            "day(%s)", "date(%s,<,%s)", "\"RED,GREEN,%s\"", "%s/%s", "%s=%s"};
    std::string sheet;
    int lines = 1 + int(random() % 12);
    for (int i = 0; i < lines; ++i) {
        switch (random() % 12) {
            case 0: sheet += ";a=99"; break;            // a comment
            case 1: sheet += "\r\n"; break;              // a blank line
            case 2: sheet += "nothing here"; break;      // no "=": no trace in the report
            case 3: sheet += " ?b = 7"; break;           // not a comment: the marker is not first
            default: {
                std::string shape = shapes[random() % std::size(shapes)], expression;
                for (char c : shape) {
                    if (c == 's' && !expression.empty() && expression.back() == '%') expression.back() = '\x01';
                    else expression += c;
                }
                std::string filled;
                for (char c : expression) filled += c == '\x01' ? std::string(operands[random() % std::size(operands)]) : std::string(1, c);
                sheet += std::string(names[random() % std::size(names)]) + "=" + filled;
            }
        }
        sheet += random() % 3 ? "\n" : "\r\n";
    }
    return sheet;
}

TEST(SheetResolution, AgreesWithThePlainPassAlgorithm) {
    std::mt19937 random(2026);
    for (int round = 0; round < 4000; ++round) {
        std::string text = RandomSheet(random);
        // Names are looked up in the active sheet, so each algorithm runs there in turn.
        tuv::VariableSheet& actual = tuv::ActiveSheet();
        tuv::ReadSheetLines(text, actual);
        LiteralResolveSheet(actual);
        const tuv::VariableSheet expected = actual;
        const std::string expectedReport = tuv::BuildReport(expected);

        tuv::ReadSheetLines(text, actual);
        tuv::ResolveSheet(actual);
        ASSERT_EQ(actual.statuses, expected.statuses) << text;
        ASSERT_EQ(actual.values, expected.values) << text;
        ASSERT_EQ(tuv::BuildReport(actual), expectedReport) << text;
    }
}

// Bottom-up chains are the worst case for passes: one pass per link.
TEST(SheetResolution, LongChainWrittenBottomUp) {
    const int count = 20000;
    std::string text;
    for (int i = 1; i < count; ++i) text += "v" + std::to_string(i) + "=v" + std::to_string(i + 1) + "+1\n";
    text += "v" + std::to_string(count) + "=0";
    std::string variables = text, result, details;
    ASSERT_TRUE(tuv::RunEvaluation(variables, "v1", result, details));
    EXPECT_EQ(result, std::to_string(count - 1));
    EXPECT_EQ(details.substr(0, 14), "V1 = 19999\r\nV2");
}

TEST(SheetResolution, LowerLineWinsWhenTheUpperOneNeedsALaterPass) {
    // "x" on line 1 needs y, which line 3 defines; line 2 defines x in the first pass.
    tuv::VariableSheet& sheet = tuv::ActiveSheet();
    tuv::ReadSheetLines("x=y+1\nx=5\ny=1\nz=x", sheet);
    tuv::ResolveSheet(sheet);
    EXPECT_EQ(tuv::BuildReport(sheet), "ERR 1 : X=Y+1\nX = 5\nY = 1\nZ = 5\n");
}

TEST(SheetResolution, ValueDefinedInAPassServesTheLinesBelowInThatPass) {
    // Pass 2 defines A on line 1, so line 3 takes X in that very pass; line 2 waits for E, which
    // line 4 defines later in pass 2, and finds X taken in pass 3.
    tuv::VariableSheet& sheet = tuv::ActiveSheet();
    tuv::ReadSheetLines("a=b\nx=e\nx=a\ne=b\nb=1", sheet);
    tuv::ResolveSheet(sheet);
    EXPECT_EQ(tuv::BuildReport(sheet), "A = 1\nERR 1 : X=E\nX = 1\nE = 1\nB = 1\n");
}

TEST(SheetResolution, EnumerationDefinedLaterChangesTheValue) {
    // c reads as its text until LIST(C) exists; d, referring to c, must see the final answer.
    const char* text = "d=c\nc=\"GREEN\"\nlist(c)=\"RED,GREEN\"";
    tuv::VariableSheet& sheet = tuv::ActiveSheet();
    tuv::ReadSheetLines(text, sheet);
    LiteralResolveSheet(sheet);
    const tuv::VariableSheet expected = sheet;
    tuv::ReadSheetLines(text, sheet);
    tuv::ResolveSheet(sheet);
    EXPECT_EQ(sheet.values, expected.values);
    EXPECT_EQ(tuv::BuildReport(sheet), tuv::BuildReport(expected));
}

}  // namespace
