// The variables sheet: lines "name = expression" resolved in passes into a table of value texts,
// and the whole Evaluate road from the two input texts to the result and details texts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tuv {

enum LineStatus : unsigned char { Unresolved = 0, Defined = 1, Duplicate = 2 };

struct VariableSheet {
    std::vector<std::string> lines;            // accepted lines, trimmed and upper-cased
    std::vector<unsigned char> statuses;       // one LineStatus per line
    int lineCount = 0;
    std::unordered_map<std::string, std::string> values;  // upper-case name -> value text

    void Reset();
};

// The one sheet of the process: the last evaluation's state, read by the report.
VariableSheet& ActiveSheet();

// The Evaluate road. Trims `variables` in place; gives the result text ("E" on failure) and the
// details text with "\r\n" line breaks. `value`, when given, receives the expression's value
// text before trimming ("E" when the expression left nothing).
bool RunEvaluation(std::string& variables, std::string_view expression, std::string& result,
                   std::string& details, std::string* value = nullptr);

// Rebuilds the sheet from a non-empty variables text, resolves it, then evaluates the expression.
bool EvaluateSheet(std::string_view variables, std::string_view expression, std::string& value);

// Splits a variables text into the sheet's lines, all unresolved, and empties the value table.
void ReadSheetLines(std::string_view text, VariableSheet& sheet);

// Resolves the sheet's unresolved lines in passes, storing their values.
void ResolveSheet(VariableSheet& sheet);

// One line: the name before the first "=", the value of the expression after it.
bool EvaluateLine(std::string_view line, std::string& name, std::string& value);

// A defined name whose part after "!" is digits then letters gets letters then digits.
void CanonicalizeName(std::string& name);

// Looks an upper-case name up in the active sheet's value table.
bool ResolveName(std::string_view name, std::string& result);

// Appends the pieces of `text` cut at the commas outside brackets (pieces untrimmed; no empty
// last piece). The pieces point into `text`.
void SplitArguments(std::string_view text, std::vector<std::string_view>& pieces);

}  // namespace tuv
