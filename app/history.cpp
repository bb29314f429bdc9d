#include "history.h"

#include <cstring>

#include "text_encoding.h"

namespace {
bool IsWhite(char c) { return c != '\0' && std::strchr(" \t\r\n\v\f", c) != nullptr; }
char Folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::string TrimHistoryText(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsWhite(text[begin])) ++begin;
    while (end > begin && IsWhite(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool SameHistoryText(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (Folded(a[i]) != Folded(b[i])) return false;
    }
    return true;
}

bool FitsHistory(const std::string& text) { return BoxLength(text) <= kMaxHistoryEntryLength; }

HistoryChange PlanHistoryChange(const std::vector<std::string>& entries, const std::string& typed) {
    HistoryChange change;
    change.text = TrimHistoryText(typed);
    if (change.text.empty() || !FitsHistory(change.text)) return change;
    change.insert = true;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (SameHistoryText(entries[i], change.text)) {
            change.remove = static_cast<int>(i);
            return change;
        }
    }
    if (entries.size() > static_cast<size_t>(kHistoryKeepBeforeInsert)) change.remove = static_cast<int>(entries.size()) - 1;
    return change;
}

std::vector<std::string> ApplyHistoryChange(std::vector<std::string> entries, const HistoryChange& change) {
    if (!change.insert) return entries;
    if (change.remove >= 0 && change.remove < static_cast<int>(entries.size())) {
        entries.erase(entries.begin() + change.remove);
    }
    entries.insert(entries.begin(), change.text);
    return entries;
}
