// The evaluator works on the text itself. A text is trimmed; a trailing percent sign applies to
// everything before it; a text that begins with a double quote is a string literal; a leading sign
// is evaluated as "0" followed by the text. Otherwise the text splits at its rightmost operator of
// the loosest level (+ - < = > before * / ^) outside brackets, both sides are evaluated and combined,
// and a text without such an operator is an atom.
//
// Splitting at the rightmost operator and evaluating the left side the same way is a left fold over
// the operators of one level, so each level is evaluated here as a loop over its operators instead
// of a recursion into ever shorter left sides: the results, flags and texts are those of the
// recursion, but a long flat expression neither copies its prefixes nor deepens the stack.
#include "evaluator.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "dates.h"
#include "functions.h"
#include "number_text.h"
#include "portable_math.h"
#include "text_util.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace tuv {

namespace {

// A text under evaluation. `zero` stands for a "0" written before `s`: a text with a leading sign
// is evaluated as "0" followed by the text, and all its left parts start with that "0" too.
struct Piece {
    std::string_view s;
    bool zero = false;
};

// Where a step starts: a whole text, a left part known to hold no level-0 operator, or an atom.
enum Start { kWholeText = 0, kLevelOne = 1, kAtom = 2 };

thread_local int g_nesting = 0;

class NestingGuard {
public:
    NestingGuard() : ok_(++g_nesting <= kMaxNesting) {}
    ~NestingGuard() { --g_nesting; }
    bool ok() const { return ok_; }

private:
    bool ok_;
};

bool IsOperatorOfLevel(char c, int level) {
    if (level == 0) return c == '+' || c == '-' || c == '<' || c == '=' || c == '>';
    return c == '*' || c == '/' || c == '^';
}

// An upper-cased atom text and, for each bracket, the position of its partner (matched from the
// left; kNoPartner where it has none). The texts nested in an atom are evaluated as views into it,
// so they are neither copied nor upper-cased again, and the operator search steps over whole
// bracket groups: deep nesting costs a constant per level instead of a scan of the rest.
constexpr uint32_t kNoPartner = UINT32_MAX;

struct AtomText {
    std::string text;
    std::vector<uint32_t> partner;  // empty when the text has no bracket
};

thread_local const AtomText* g_innermostAtom = nullptr;

// The atom text that `view` lies in, if it is the innermost one.
const AtomText* AtomHolding(std::string_view view) {
    const AtomText* atom = g_innermostAtom;
    if (!atom || view.empty()) return nullptr;
    const char* begin = atom->text.data();
    return view.data() >= begin && view.data() + view.size() <= begin + atom->text.size() ? atom : nullptr;
}

void FindPartners(AtomText& atom) {
    if (atom.text.find('(') == std::string::npos) return;
    atom.partner.assign(atom.text.size(), kNoPartner);
    std::vector<uint32_t> open;
    for (uint32_t i = 0; i < atom.text.size(); ++i) {
        if (atom.text[i] == '(') {
            open.push_back(i);
        } else if (atom.text[i] == ')' && !open.empty()) {
            atom.partner[i] = open.back();
            atom.partner[open.back()] = i;
            open.pop_back();
        }
    }
}

// Scans back from the end for an operator of `level` at bracket depth 0, down to `first`.
// Within an atom text, a ")" met at a depth of 0 or more whose partner lies in the text closes a
// group whose every character stands deeper than 0: the scan jumps to the partner.
size_t FindOperatorFrom(std::string_view text, int level, size_t first, const AtomText* atom = nullptr) {
    const size_t offset = atom ? size_t(text.data() - atom->text.data()) : 0;
    const bool jumps = atom && !atom->partner.empty();
    int depth = 0;
    for (size_t i = text.size(); i > first;) {
        char c = text[--i];
        if (c == '(') {
            --depth;
        } else if (c == ')') {
            if (jumps && depth >= 0) {
                uint32_t partner = atom->partner[offset + i];
                if (partner != kNoPartner && partner >= offset) {
                    i = partner - offset;  // the pair nets to nothing: depth stays
                    continue;
                }
            }
            ++depth;
        } else if (depth == 0 && IsOperatorOfLevel(c, level)) {
            return i;
        }
    }
    return kNoOperator;
}

bool EvaluateUpperAtom(std::string_view upper, std::string& result);

// Evaluates an atom, upper-casing it first unless it lies in an atom text already.
bool EvaluateAtomText(std::string_view text, std::string& result) {
    if (AtomHolding(text)) return EvaluateUpperAtom(text, result);
    AtomText atom{UpperCasedAscii(text), {}};
    FindPartners(atom);
    const AtomText* outer = g_innermostAtom;
    g_innermostAtom = &atom;
    bool ok = EvaluateUpperAtom(atom.text, result);
    g_innermostAtom = outer;
    return ok;
}

bool EvaluatePiece(Piece text, Start start, std::string& result);

// Removes trailing white space and percent signs; returns how many percent signs went.
int StripPercents(Piece& text) {
    int count = 0;
    text.s = TrimWhiteRight(text.s);
    while (!text.s.empty() && text.s.back() == '%') {
        text.s = TrimWhiteRight(text.s.substr(0, text.s.size() - 1));
        ++count;
    }
    return count;
}

// Each percent sign multiplies the value by 0.01, written as a number text again.
void ApplyPercents(int count, std::string& result) {
    for (int i = 0; i < count; ++i) result = FormatNumber(ReadNumber(result) * 0.01);
}

// An atom after a leading sign is looked at with the "0" written out.
[[gnu::noinline]] bool EvaluateSignedAtom(std::string_view text, std::string& result) {
    std::string whole = "0";
    whole += text;
    return EvaluateAtomText(whole, result);
}

struct Split {
    uint32_t position;  // of the operator character
    char code;          // the operator, or L for <= and G for >=

    // Where the left side ends: before the < or > of <= and >=.
    size_t LeftEnd() const { return code == 'L' || code == 'G' ? position - 1 : position; }
};

// Rightmost operator first: the order in which the recursion would meet them.
std::vector<Split> FindSplits(Piece text, int level) {
    std::vector<Split> splits;
    const size_t first = text.zero ? 0 : 1;  // the first character of a text is never an operator
    size_t end = text.s.size();
    const AtomText* atom = AtomHolding(text.s);
    for (;;) {
        size_t p = FindOperatorFrom(text.s.substr(0, end), level, first, atom);
        if (p == kNoOperator) break;
        Split split{static_cast<uint32_t>(p), text.s[p]};
        if (split.code == '=' && p > 0 && (text.s[p - 1] == '<' || text.s[p - 1] == '>'))
            split.code = text.s[p - 1] == '<' ? 'L' : 'G';
        splits.push_back(split);
        end = split.LeftEnd();
        // Combining the two sides is paid here: the list stops growing once it could never be folded.
        if (!ChargeWork(kWorkPerOperator)) break;
    }
    return splits;
}

// Folds the operators of one level left to right, as the recursion into left sides would.
// Kept out of line: brackets nest through EvaluateLevel, and its frame should stay small.
[[gnu::noinline]] bool FoldSplits(Piece text, const std::vector<Split>& splits, int level, std::string& result) {
    // The leftmost operand is the innermost left side of the recursion.
    const Split& leftmost = splits.back();
    std::string left;
    bool ok = EvaluatePiece(Piece{text.s.substr(0, leftmost.LeftEnd()), text.zero}, Start(level + 1), left);

    std::string right, value;
    for (size_t k = splits.size(); k-- > 0;) {
        if (WorkExhausted()) {
            result = "E";
            return false;
        }
        const Split& split = splits[k];
        // The left side that this operator splits ends where the next operator's left side ends;
        // trimmed, its trailing percent signs apply to the whole of it.
        Piece side{text.s.substr(0, k > 0 ? splits[k - 1].LeftEnd() : text.s.size()), text.zero};
        int percents = k > 0 ? StripPercents(side) : 0;
        right.clear();
        bool rightOk = EvaluatePiece(Piece{side.s.substr(split.position + 1)}, kWholeText, right);
        bool combined = CombineValues(left, split.code, right, value);
        ok = ok && rightOk && combined;
        left.swap(value);
        if (ok) ApplyPercents(percents, left);
    }
    result.swap(left);
    return ok;
}

// Evaluates a text from `level` on. `text` is trimmed, without trailing percent signs, and neither
// a string literal nor signed (a sign is `zero`).
bool EvaluateLevel(Piece text, int level, std::string& result) {
    for (; level <= 1; ++level) {
        std::vector<Split> splits = FindSplits(text, level);
        if (WorkExhausted()) {
            result = "E";
            return false;
        }
        if (!splits.empty()) return FoldSplits(text, splits, level, result);
    }
    return text.zero ? EvaluateSignedAtom(text.s, result) : EvaluateAtomText(text.s, result);
}

bool EvaluatePiece(Piece text, Start start, std::string& result) {
    if (!ChargeWork(kWorkPerStep + static_cast<long long>(text.s.size()))) {
        result = "E";
        return false;
    }
    text.s = text.zero ? TrimWhiteRight(text.s) : TrimWhite(text.s);
    if (!text.zero && text.s.empty()) return false;  // result untouched
    int percents = StripPercents(text);
    if (!text.zero && text.s.empty()) return false;

    bool ok;
    if (start == kWholeText && !text.zero && text.s.front() == '"') {
        // A string literal: everything between the first and the last character.
        result.assign(text.s.size() >= 2 ? text.s.substr(1, text.s.size() - 2) : std::string_view());
        ok = true;
    } else {
        if (start == kWholeText && !text.zero && (text.s.front() == '-' || text.s.front() == '+'))
            text.zero = true;
        ok = EvaluateLevel(text, start == kAtom ? 2 : start, result);
    }
    if (ok) ApplyPercents(percents, result);
    return ok;
}

}  // namespace

bool Evaluate(std::string_view text, std::string& result) {
    WorkScope scope;
    return EvaluatePiece(Piece{text}, kWholeText, result);
}

bool IsNumberText(std::string_view text) {
    if (text.empty()) return false;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (IsDigit(c) || c == '.') continue;
        if (c == '-' && i == 0) continue;
        if (c == '%' && i + 1 == text.size()) continue;
        return false;
    }
    return true;
}

size_t FindOperator(std::string_view text, int level) { return FindOperatorFrom(text, level, 1); }

bool ApplyOperator(std::string_view text, size_t position, std::string& result) {
    std::string_view left = text.substr(0, position);
    char code = text[position];
    if (code == '=' && !left.empty() && (left.back() == '<' || left.back() == '>')) {
        code = left.back() == '<' ? 'L' : 'G';
        left.remove_suffix(1);
    }
    std::string leftValue, rightValue;
    bool leftOk = Evaluate(left, leftValue);
    bool rightOk = Evaluate(text.substr(position + 1), rightValue);
    bool combined = CombineValues(leftValue, code, rightValue, result);
    return leftOk && rightOk && combined;
}

bool CombineValues(std::string_view left, char op, std::string_view right, std::string& result) {
    double value;
    if (IsDateText(left) && IsDateText(right)) {
        value = CompareDateTexts(left, right, op);
    } else {
        const double a = ReadNumber(left), b = ReadNumber(right);
        switch (op) {
            case '+': value = a + b; break;
            case '-': value = a - b; break;
            case '*': value = a * b; break;
            case '/':
                if (b == 0) { result = "E"; return false; }
                value = a / b;
                break;
            case '^': value = math::Pow(a, b); break;
            case '<': value = a < b; break;
            case '>': value = a > b; break;
            case '=': value = a == b; break;
            case 'L': value = a <= b; break;
            case 'G': value = a >= b; break;
            default: result = "E"; return false;
        }
    }
    if (!std::isfinite(value)) { result = "E"; return false; }
    result = FormatNumber(value);
    return true;
}

bool EvaluateAtom(std::string_view text, std::string& result) { return EvaluateAtomText(text, result); }

namespace {

bool EvaluateUpperAtom(std::string_view upper, std::string& result) {
    if (IsNumberText(upper)) {
        result.assign(upper);
        return true;
    }
    NestingGuard guard;
    if (!guard.ok()) {
        result = "E";
        return false;
    }
    if (std::optional<bool> called = CallFunction(upper, result)) return *called;
    if (upper.size() >= 2 && upper.front() == '(' && upper.back() == ')')
        return EvaluatePiece(Piece{upper.substr(1, upper.size() - 2)}, kWholeText, result);
    return ResolveName(upper, result);
}

}  // namespace

}  // namespace tuv
