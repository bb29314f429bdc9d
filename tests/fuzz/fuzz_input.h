// How a fuzzer input becomes the two texts of the Evaluate road, and the check of a small input
// against the literal implementations. Shared by the fuzz target and the engine tests.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "../engine/literal_evaluator.h"
#include "../engine/literal_sheet.h"
#include "report.h"
#include "variable_sheet.h"
#include "work_budget.h"

// The bytes before the first NUL are the variables text, the bytes after it the expression;
// without a NUL the whole input is the expression and the variables text is empty.
inline std::pair<std::string, std::string_view> SplitFuzzInput(std::string_view input) {
    size_t nul = input.find('\0');
    if (nul == std::string_view::npos) return {std::string(), input};
    return {std::string(input.substr(0, nul)), input.substr(nul + 1)};
}

// The literal implementations copy every part, recurse once per operator and evaluate every
// unresolved line in every pass: they serve as oracles only for inputs this small.
constexpr size_t kLiteralCheckLimit = 512;
constexpr int kLiteralSheetLineLimit = 100;

// For messages: the bytes in double quotes, any outside printable ASCII as a question mark (the
// input itself is kept whole in the findings).
inline std::string QuoteBytes(std::string_view text) {
    std::string quoted = "\"";
    for (unsigned char c : text) quoted += c >= 32 && c < 127 ? char(c) : '?';
    return quoted + "\"";
}

// Right after RunEvaluation of (`variables` as it trimmed them, `expression`) gave `ok` and
// `value`: evaluates the same input with the literal pass algorithm and the plain recursion and
// describes a difference in the sheet (statuses, values) or in the expression's value text or flag;
// empty when they agree or when the input is too big for them. An evaluation that ran out of its work
// allowance ends in "E" by design and is not compared. Leaves the active sheet as the literal
// algorithm left it.
inline std::string CompareWithLiterals(const std::string& variables, std::string_view expression, bool ok,
                                       const std::string& value) {
    tuv::VariableSheet& sheet = tuv::ActiveSheet();
    if (tuv::WorkExhausted() || expression.size() > kLiteralCheckLimit || sheet.lineCount > kLiteralSheetLineLimit)
        return "";
    const tuv::VariableSheet engine = sheet;

    tuv::WorkScope scope;
    tuv::ReadSheetLines(variables, sheet);  // no lines in an empty text
    LiteralResolveSheet(sheet);
    std::string literal = "E";  // RunEvaluation gives "E" for an expression that left its result untouched
    bool literalOk = LiteralEvaluate(std::string(expression), literal);
    if (tuv::WorkExhausted()) return "";

    if (engine.statuses != sheet.statuses || engine.values != sheet.values)
        return "sheet: engine " + QuoteBytes(tuv::BuildReport(engine)) + ", literal " + QuoteBytes(tuv::BuildReport(sheet));
    if (value != literal || ok != literalOk)
        return "expression " + QuoteBytes(expression) + ": engine " + QuoteBytes(value) + (ok ? " ok" : " failed") +
               ", literal " + QuoteBytes(literal) + (literalOk ? " ok" : " failed");
    return "";
}

// The Evaluate road on one input, then CompareWithLiterals.
inline std::string DifferenceFromTheLiterals(std::string variables, std::string_view expression) {
    std::string result, details, value;
    const bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
    return CompareWithLiterals(variables, expression, ok, value);
}
