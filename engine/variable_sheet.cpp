#include "variable_sheet.h"

#include "evaluator.h"
#include "number_text.h"
#include "report.h"
#include "text_util.h"

namespace tuv {

void VariableSheet::Reset() {
    lines.clear();
    statuses.clear();
    lineCount = 0;
    values.clear();
}

VariableSheet& ActiveSheet() {
    static VariableSheet sheet;
    return sheet;
}

namespace {

// Lines are cut at every carriage return and line feed; runs of them cut once, so blank lines
// vanish. A line whose first character as typed is ";" or "?" is a comment.
void ReadLines(std::string_view text, VariableSheet& sheet) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view piece = text.substr(start, end - start);
        if (!piece.empty() && piece.front() != ';' && piece.front() != '?')
            sheet.lines.push_back(UpperCasedAscii(TrimWhite(piece)));
        start = text.find_first_not_of("\r\n", end);
        if (start == std::string_view::npos) break;
    }
}

// Resolves the unresolved lines in passes until a pass makes no progress or nothing failed.
void ResolveLines(VariableSheet& sheet) {
    std::string name, value;
    bool failed, progress;
    do {
        failed = progress = false;
        for (int i = 0; i < sheet.lineCount; ++i) {
            if (sheet.statuses[i] != Unresolved) continue;
            value.clear();
            if (!EvaluateLine(sheet.lines[i], name, value)) {
                failed = true;
                continue;
            }
            if (sheet.values.count(name)) {
                sheet.statuses[i] = Duplicate;
            } else {
                sheet.values.emplace(name, value);
                sheet.statuses[i] = Defined;
            }
            progress = true;
        }
    } while (progress && failed);
}

}  // namespace

bool RunEvaluation(std::string& variables, std::string_view expression, std::string& result,
                   std::string& details, std::string* value) {
    variables = std::string(TrimWhite(variables));
    result = "E";
    details.clear();
    bool ok;
    if (variables.empty()) {
        ActiveSheet().Reset();
        ok = Evaluate(expression, result);
    } else {
        ok = EvaluateSheet(variables, expression, result);
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
    sheet.Reset();
    ReadLines(variables, sheet);
    sheet.lineCount = int(sheet.lines.size());
    sheet.statuses.assign(sheet.lines.size(), Unresolved);
    ResolveLines(sheet);
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
        result = "0.0";
        return false;
    }
    result = found->second;
    if (IsNumberText(result)) return true;
    // An enumeration: LIST(NAME) holds the quoted choices; the name's text picks one by position.
    auto list = sheet.values.find("LIST(" + std::string(name) + ")");
    if (list == sheet.values.end()) return true;
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
