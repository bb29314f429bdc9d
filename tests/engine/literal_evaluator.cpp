#include "literal_evaluator.h"

#include "evaluator.h"
#include "functions.h"
#include "number_text.h"
#include "text_util.h"
#include "variable_sheet.h"

namespace {

bool LiteralAtom(std::string text, std::string& result) {
    tuv::UpperCaseAscii(text);
    if (tuv::IsNumberText(text)) { result = text; return true; }
    if (auto called = tuv::CallFunction(text, result)) return *called;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')')
        return LiteralEvaluate(text.substr(1, text.size() - 2), result);
    return tuv::ResolveName(text, result);
}

}  // namespace

bool LiteralEvaluate(std::string text, std::string& result) {
    text = std::string(tuv::TrimWhite(text));
    if (text.empty()) return false;
    if (text.back() == '%') {
        if (!LiteralEvaluate(text.substr(0, text.size() - 1), result)) return false;
        result = tuv::FormatNumber(tuv::ReadNumber(result) * 0.01);
        return true;
    }
    if (text.front() == '"') {
        result = text.size() >= 2 ? text.substr(1, text.size() - 2) : "";
        return true;
    }
    if (text.front() == '-' || text.front() == '+') return LiteralEvaluate("0" + text, result);
    size_t position = tuv::FindOperator(text, 0);
    if (position == tuv::kNoOperator) position = tuv::FindOperator(text, 1);
    if (position == tuv::kNoOperator) return LiteralAtom(text, result);
    std::string left = text.substr(0, position), a, b;
    char op = text[position];
    if (op == '=' && !left.empty() && (left.back() == '<' || left.back() == '>')) {
        op = left.back() == '<' ? 'L' : 'G';
        left.pop_back();
    }
    const bool leftOk = LiteralEvaluate(left, a), rightOk = LiteralEvaluate(text.substr(position + 1), b);
    return tuv::CombineValues(a, op, b, result) && leftOk && rightOk;
}
