#include "text_util.h"

namespace tuv {

std::string_view TrimWhiteRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && IsWhite(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view TrimWhite(std::string_view text) {
    size_t begin = 0;
    while (begin < text.size() && IsWhite(text[begin])) ++begin;
    return TrimWhiteRight(text.substr(begin));
}

void UpperCaseAscii(std::string& text) {
    for (char& c : text) c = ToUpperAscii(c);
}

std::string UpperCasedAscii(std::string_view text) {
    std::string copy(text);
    UpperCaseAscii(copy);
    return copy;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (ToUpperAscii(a[i]) != ToUpperAscii(b[i])) return false;
    return true;
}

}  // namespace tuv
