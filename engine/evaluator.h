// The expression evaluator: one text in, one value text and a success flag out. It works on
// the text itself, splitting at the loosest operator outside brackets; see evaluator.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tuv {

// Brackets and function calls nested deeper than this fail with "E" instead of exhausting the
// stack. Ordinary input never comes near it.
constexpr int kMaxNesting = 2000;

constexpr size_t kNoOperator = std::string_view::npos;

// Evaluates a text; on success `result` holds its value text. On failure `result` holds what the
// failing step left (an empty text leaves it untouched); callers decide by the flag alone.
bool Evaluate(std::string_view text, std::string& result);

// Digits and points, a leading minus sign and a trailing percent sign allowed; not empty.
bool IsNumberText(std::string_view text);

// Position of the rightmost operator of `level` (0: + - < = >, 1: * / ^) outside brackets,
// never the first character; kNoOperator when there is none.
size_t FindOperator(std::string_view text, int level);

// Splits `text` at `position`, evaluates both sides and combines them.
bool ApplyOperator(std::string_view text, size_t position, std::string& result);

// Evaluates a text in which no operator was found: a number, a call, a bracketed text or a name.
bool EvaluateAtom(std::string_view text, std::string& result);

// Combines two operand value texts by an operator code (+ - * / ^ < > = and L for <=, G for >=).
// Writes the value text; returns false when the value has no number (division by zero, not finite).
bool CombineValues(std::string_view left, char op, std::string_view right, std::string& result);

}  // namespace tuv
