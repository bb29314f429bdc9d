// The expression history's update rule, without any window: the page reads the combo box's
// list, asks what to change and applies it, then stores the whole list.
#pragma once

#include <string>
#include <vector>

// At most this many entries are kept before a new one goes in: a full list holds one more.
constexpr int kHistoryKeepBeforeInsert = 20;
// Longer expressions (in characters, as an edit box counts them: its own default limit) are
// evaluated but not kept: the registry is for small values, and a cut expression is another one.
constexpr size_t kMaxHistoryEntryLength = 30000;

// Whether a text may be a history entry, by its length.
bool FitsHistory(const std::string& text);

// The text with the white space at both ends (space, tab, CR, LF, VT, FF) removed.
std::string TrimHistoryText(const std::string& text);

// Equal when the letters a to z are ignored in case; other bytes must match.
bool SameHistoryText(const std::string& a, const std::string& b);

// What one successful evaluation of `typed` does to the list.
struct HistoryChange {
    bool insert = false;  // false: the trimmed text is empty or too long, nothing changes
    int remove = -1;      // the entry deleted first, or -1
    std::string text;     // the trimmed text put at position 0
};

// The entry equal to the trimmed text (any case) goes; else, when more than 20 entries are
// there, the last one does. Then the text goes to the top. An empty or too long text changes nothing.
HistoryChange PlanHistoryChange(const std::vector<std::string>& entries, const std::string& typed);

// Applies a change to a copy of the list.
std::vector<std::string> ApplyHistoryChange(std::vector<std::string> entries, const HistoryChange& change);
