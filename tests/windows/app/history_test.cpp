// The history's update rule as a table: trimming, the case collapse and the 21-entry rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "history.h"

namespace {

using List = std::vector<std::string>;

List Numbered(int count) {
    List list;
    for (int i = 1; i <= count; ++i) list.push_back("e" + std::to_string(i));
    return list;
}

List With(List list, int at, const std::string& text) {
    list[static_cast<size_t>(at)] = text;
    return list;
}

List Front(const std::string& text, List list) {
    list.insert(list.begin(), text);
    return list;
}

TEST(History, UpdateRule) {
    List twenty = Numbered(20), full = Numbered(21);
    List fullWithSin = With(full, 7, "sin(45)");
    List fullSinOnTop = fullWithSin;
    fullSinOnTop.erase(fullSinOnTop.begin() + 7);
    fullSinOnTop.insert(fullSinOnTop.begin(), "SIN(45)");

    struct Case {
        const char* what;
        List before;
        std::string typed;
        List after;
    };
    const Case cases[] = {
        {"first entry", {}, "1+1", {"1+1"}},
        {"most recent first", {"a", "b"}, "c", {"c", "a", "b"}},
        {"surrounding blanks are not stored", {"a"}, " \t 2*3  \r\n", {"2*3", "a"}},
        {"blanks inside stay", {}, "  1 + 2 ", {"1 + 2"}},
        {"empty text changes nothing", {"a"}, "", {"a"}},
        {"blank text changes nothing", {"a"}, "  \t ", {"a"}},
        {"case collapse, spelt as last typed", {"x", "sin(45)", "y"}, "SIN(45)", {"SIN(45)", "x", "y"}},
        {"the same text moves to the top", {"x", "y", "z"}, "z", {"z", "x", "y"}},
        {"only a to z fold", {"\xe9"}, "\xc9", {"\xc9", "\xe9"}},
        {"twenty entries grow to twenty-one", twenty, "x+1", Front("x+1", twenty)},
        {"twenty-one: the oldest goes", full, "x+1", Front("x+1", Numbered(20))},
        {"twenty-one with the text inside: nothing else goes", fullWithSin, " SIN(45) ", fullSinOnTop},
        {"twenty-one with the oldest typed again", full, "E21", Front("E21", Numbered(20))},
    };
    for (const Case& c : cases) {
        List after = ApplyHistoryChange(c.before, PlanHistoryChange(c.before, c.typed));
        EXPECT_EQ(after, c.after) << c.what;
    }
}

TEST(History, ComparesOnlyAToZWithoutCase) {
    EXPECT_TRUE(SameHistoryText("Sin(45)", "sIN(45)"));
    EXPECT_FALSE(SameHistoryText("sin(45)", "sin(45) "));
    EXPECT_FALSE(SameHistoryText("[", "{"));  // differ by the case bit but are no letters
    EXPECT_FALSE(SameHistoryText("\xe4", "\xc4"));
}

}  // namespace
