#include "report.h"

#include "text_util.h"

namespace tuv {

void TrimNumberText(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    if (!text.empty() && text.front() != '0' && text.back() != '0') return;
    size_t begin = 0;
    while (begin < text.size() && text[begin] == '0' && !(begin + 1 < text.size() && text[begin + 1] == '.'))
        ++begin;
    size_t end = text.size();
    while (end > begin && text[end - 1] == '0' && !(end >= 2 && text[end - 2] == '.')) --end;
    std::string_view rest(text.data() + begin, end - begin);
    if (rest.size() >= 2 && rest.substr(rest.size() - 2) == ".0") rest.remove_suffix(2);
    text = rest.empty() ? std::string("NIL") : std::string(rest);
}

std::string BuildReport(const VariableSheet& sheet) {
    std::string report;
    int errors = 0;
    for (int i = 0; i < sheet.lineCount; ++i) {
        const std::string& line = sheet.lines[i];
        size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        if (sheet.statuses[i] == Defined) {
            std::string name(TrimWhite(std::string_view(line).substr(0, equals)));
            CanonicalizeName(name);
            auto found = sheet.values.find(name);
            std::string value = found != sheet.values.end() ? found->second : std::string();
            TrimNumberText(value);
            report += name;
            report += " = ";
            report += value;
        } else {
            report += "ERR ";
            report += std::to_string(++errors);
            report += " : ";
            report += line;
        }
        report += '\n';
    }
    return report;
}

}  // namespace tuv
