#include "variable_sheet.h"

#include "evaluator.h"
#include "number_text.h"
#include "report.h"
#include "text_util.h"
#include "work_budget.h"

#include <set>

namespace tuv {

void VariableSheet::Reset() {
    // Fresh containers: clearing would keep a big sheet's buckets, and every later evaluation
    // would walk them again.
    lines = {};
    statuses = {};
    lineCount = 0;
    values = {};
}

VariableSheet& ActiveSheet() {
    static VariableSheet sheet;
    return sheet;
}

namespace {

// While a sheet resolves, the names each line looked up and did not find.
thread_local std::vector<std::string>* g_missedNames = nullptr;

// Evaluates one line, collecting the names it missed.
bool EvaluateLineRecordingMisses(std::string_view line, std::string& name, std::string& value,
                                 std::vector<std::string>& missed) {
    missed.clear();
    g_missedNames = &missed;
    bool ok = EvaluateLine(line, name, value);
    g_missedNames = nullptr;
    return ok;
}

}  // namespace

void ReadSheetLines(std::string_view text, VariableSheet& sheet) {
    sheet.Reset();
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view piece = text.substr(start, end - start);
        // A comment is marked by its very first character, as typed.
        if (!piece.empty() && piece.front() != ';' && piece.front() != '?')
            sheet.lines.push_back(UpperCasedAscii(TrimWhite(piece)));
        start = text.find_first_not_of("\r\n", end);
        if (start == std::string_view::npos) break;
    }
    sheet.lineCount = int(sheet.lines.size());
    sheet.statuses.assign(sheet.lines.size(), Unresolved);
}

// The lines resolve in passes: each pass evaluates every unresolved line in order, a value stored
// being visible to the lines after it, and passes go on while one resolves something and another
// still fails. A line's outcome depends only on the names it looks up, and values once stored never
// change, so a line that failed fails again until a name it missed is defined. Only such lines are
// evaluated again: in the same pass when the name was defined above them, in the next one otherwise.
// Statuses and values are those of evaluating every unresolved line in every pass.
void ResolveSheet(VariableSheet& sheet) {
    std::unordered_map<std::string, std::vector<int>> waiting;  // missed name -> lines that missed it
    std::set<int> thisPass, nextPass;
    for (int i = 0; i < sheet.lineCount; ++i) thisPass.insert(i);
    int unresolved = sheet.lineCount;
    std::string name, value;
    std::vector<std::string> missed;
    bool progress = true;
    while (progress && unresolved > 0 && !WorkExhausted()) {
        progress = false;
        for (auto next = thisPass.begin(); next != thisPass.end(); next = thisPass.erase(next)) {
            const int line = *next;
            if (sheet.statuses[line] != Unresolved) continue;
            value.clear();
            if (!EvaluateLineRecordingMisses(sheet.lines[line], name, value, missed)) {
                if (WorkExhausted()) return;
                for (const std::string& miss : missed) {
                    std::vector<int>& lines = waiting[miss];
                    if (lines.empty() || lines.back() != line) lines.push_back(line);
                }
                continue;
            }
            progress = true;
            --unresolved;
            if (sheet.values.count(name)) {
                sheet.statuses[line] = Duplicate;
                continue;
            }
            sheet.statuses[line] = Defined;
            auto woken = waiting.find(name);
            sheet.values.emplace(std::move(name), value);
            if (woken == waiting.end()) continue;
            for (int other : woken->second) (other > line ? thisPass : nextPass).insert(other);
            waiting.erase(woken);
        }
        thisPass.swap(nextPass);
    }
}

bool RunEvaluation(std::string& variables, std::string_view expression, std::string& result,
                   std::string& details, std::string* value) {
    variables = std::string(TrimWhite(variables));
    result = "E";
    details.clear();
    WorkScope scope;
    bool ok;
    if (variables.empty()) {
        ActiveSheet().Reset();
        ok = Evaluate(expression, result);
    } else {
        ok = EvaluateSheet(variables, expression, result);
    }
    if (WorkExhausted()) {
        ok = false;
        result = "E";
    }
    if (value) *value = result;
    if (ok) TrimNumberText(result);
    else result = "E";

    std::string report = BuildReport(ActiveSheet());
    details.reserve(report.size() + report.size() / 8);
    for (char c : report) {
        if (c == '\n') details += "\r\n";
        else details += c;
    }
    return ok;
}

bool EvaluateSheet(std::string_view variables, std::string_view expression, std::string& value) {
    VariableSheet& sheet = ActiveSheet();
    ReadSheetLines(variables, sheet);
    ResolveSheet(sheet);
    return Evaluate(expression, value);
}

bool EvaluateLine(std::string_view line, std::string& name, std::string& value) {
    size_t equals = line.find('=');
    if (equals == std::string_view::npos) return false;
    name = std::string(TrimWhiteRight(line.substr(0, equals)));
    CanonicalizeName(name);
    return Evaluate(TrimWhite(line.substr(equals + 1)), value);
}

void CanonicalizeName(std::string& name) {
    size_t bang = name.find('!');
    if (bang == std::string::npos) return;
    size_t digitsEnd = bang + 1;
    while (digitsEnd < name.size() && IsDigit(name[digitsEnd])) ++digitsEnd;
    size_t lettersEnd = digitsEnd;
    while (lettersEnd < name.size() && IsAsciiLetter(name[lettersEnd])) ++lettersEnd;
    if (digitsEnd == bang + 1 || lettersEnd == digitsEnd || lettersEnd != name.size()) return;
    std::string digits = name.substr(bang + 1, digitsEnd - bang - 1);
    name.erase(bang + 1, digits.size());
    name += digits;
}

bool ResolveName(std::string_view name, std::string& result) {
    const VariableSheet& sheet = ActiveSheet();
    auto found = sheet.values.find(std::string(name));
    if (found == sheet.values.end()) {
        if (g_missedNames) g_missedNames->emplace_back(name);
        result = "0.0";
        return false;
    }
    result = found->second;
    if (IsNumberText(result)) return true;
    // An enumeration: LIST(NAME) holds the quoted choices; the name's text picks one by position.
    std::string listName = "LIST(" + std::string(name) + ")";
    auto list = sheet.values.find(listName);
    if (list == sheet.values.end()) {
        if (g_missedNames) g_missedNames->push_back(std::move(listName));
        return true;
    }
    ChargeWork(static_cast<long long>(list->second.size()));
    std::vector<std::string_view> pieces;
    SplitArguments(list->second, pieces);
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (EqualsIgnoringCase(pieces[i], found->second)) {
            result = FormatInteger(static_cast<long long>(i + 1));
            return true;
        }
    }
    return true;
}

void SplitArguments(std::string_view text, std::vector<std::string_view>& pieces) {
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '(') ++depth;
        else if (c == ')') --depth;
        else if (c == ',' && depth == 0) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < text.size()) pieces.push_back(text.substr(start));
}

}  // namespace tuv
