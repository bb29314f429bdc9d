// The history's update rule as a table: trimming, the case collapse and the 21-entry rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history.h"

namespace {

using List = std::vector<std::string>;

// `first` (if any), then e1 ... e<count>.
List Entries(int count, const std::string& first = {}) {
    List list;
    if (!first.empty()) list.push_back(first);
    for (int i = 1; i <= count; ++i) list.push_back("e" + std::to_string(i));
    return list;
}

TEST(History, UpdateRule) {
    List withSin = Entries(21), sinOnTop = Entries(21, "SIN(45)");
    withSin[7] = "sin(45)";
    sinOnTop.erase(sinOnTop.begin() + 8);
    struct Case { const char* what; List before; std::string typed; List after; };
    const Case cases[] = {
        {"most recent first", {"a", "b"}, "c", {"c", "a", "b"}},
        {"surrounding blanks are not stored", {"a"}, " \t\v\f 2*3  \r\n", {"2*3", "a"}},
        {"blanks inside stay", {}, "  1 + 2 ", {"1 + 2"}},
        {"blank text changes nothing", {"a"}, "  \t ", {"a"}},
        {"case collapse, spelt as last typed", {"x", "a*z", "y"}, "A*Z", {"A*Z", "x", "y"}},
        {"the same text moves to the top", {"x", "y", "z"}, "z", {"z", "x", "y"}},
        {"only a to z fold", {"\xe9", "{"}, "\xc9", {"\xc9", "\xe9", "{"}},
        {"no fold by the case bit alone", {"{"}, "[", {"[", "{"}},
        {"a longer text is another", {"sin(45)"}, "sin(45)1", {"sin(45)1", "sin(45)"}},
        {"twenty entries grow to twenty-one", Entries(20), "x+1", Entries(20, "x+1")},
        {"twenty-one: the oldest goes", Entries(21), "x+1", Entries(20, "x+1")},
        {"twenty-one with the text inside: nothing else goes", withSin, " SIN(45) ", sinOnTop},
        {"twenty-one with the oldest typed again", Entries(21), "E21", Entries(20, "E21")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ApplyHistoryChange(c.before, PlanHistoryChange(c.before, c.typed)), c.after) << c.what;
    }
}

}  // namespace
