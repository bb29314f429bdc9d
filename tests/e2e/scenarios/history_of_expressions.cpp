// The history of evaluated expressions: most recent first, one entry for texts differing only in
// case, at most 21 entries, stored under "Expressions" and loaded again at the next start.
// Failures and empty texts leave it alone, and the box keeps what the user typed.
#include <algorithm>

#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

namespace {

std::vector<std::string> StoredHistory() {
    std::vector<std::string> stored;
    long long count = ReadSettingInt("tuv", "Expressions", "Count");
    for (long long i = 1; i <= count; ++i) stored.push_back(ReadSettingString("tuv", "Expressions", std::to_string(i)));
    return stored;
}

}  // namespace

E2E_SCENARIO(history_of_expressions) {
    std::vector<std::string> expected;
    {
        TuvSession tuv(s);
        HWND sheet = tuv.Sheet();
        HWND page = ExpressionPageInFront(s, sheet);
        HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);

        std::string seen = EvaluateWithEnter(s, page, "sin(45)");
        s.Expect(seen == "0.707107", "sin(45) giving 0.707107", Quoted(seen));
        seen = EvaluateWithEnter(s, page, "  1+1 ");
        s.Expect(seen == "2", "1+1 giving 2", Quoted(seen));
        s.Expect(TextOf(combo) == "  1+1 ", "the box keeping the blanks typed", Quoted(TextOf(combo)));
        expected = {"1+1", "sin(45)"};
        s.Expect(ComboEntries(combo) == expected, "the list " + Joined(expected) + ", stored without the blanks",
                 Joined(ComboEntries(combo)));

        // A failure: "E", the history unchanged, and the box still showing "si", not "sin(45)".
        seen = EvaluateWithEnter(s, page, "si");
        s.Expect(seen == "E", "si giving E", Quoted(seen));
        s.Expect(TextOf(combo) == "si", "the expression box keeping \"si\" beside its \"E\"", Quoted(TextOf(combo)));
        s.Expect(ComboEntries(combo) == expected, "the list unchanged by a failure", Joined(ComboEntries(combo)));
        seen = EvaluateWithEnter(s, page, "");
        s.Expect(seen == "E", "an empty expression giving E", Quoted(seen));
        s.Expect(ComboEntries(combo) == expected, "the list unchanged by an empty text", Joined(ComboEntries(combo)));

        // Case collapse: one entry, spelt as last typed, at the top.
        seen = EvaluateWithEnter(s, page, "SIN(45)");
        expected = {"SIN(45)", "1+1"};
        s.Expect(ComboEntries(combo) == expected, "the list " + Joined(expected), Joined(ComboEntries(combo)));
        s.Expect(StoredHistory() == expected, "the stored history " + Joined(expected), Joined(StoredHistory()));

        // Up to 21 entries; the 22nd pushes the oldest out.
        for (int i = 1; i <= 20; ++i) {
            std::string expression = std::to_string(i) + "*10";
            seen = EvaluateWithEnter(s, page, expression);
            s.Require(seen == std::to_string(i * 10), expression + " giving " + std::to_string(i * 10), Quoted(seen));
            expected.insert(expected.begin(), expression);
        }
        expected.pop_back();  // "1+1" went with the 22nd expression
        s.Expect(ComboEntries(combo) == expected, "21 entries, the oldest gone: " + Joined(expected),
                 Joined(ComboEntries(combo)));
        s.Expect(ReadSettingInt("tuv", "Expressions", "Count") == 21, "Count stored as 21",
                 std::to_string(ReadSettingInt("tuv", "Expressions", "Count")));
        s.Expect(StoredHistory() == expected, "the stored history " + Joined(expected), Joined(StoredHistory()));

        // Evaluating an entry of the full list again moves it up and deletes nothing else.
        EvaluateWithEnter(s, page, "5*10");
        expected.erase(std::find(expected.begin(), expected.end(), "5*10"));
        expected.insert(expected.begin(), "5*10");
        s.Expect(ComboEntries(combo) == expected, "5*10 moved to the top of the 21: " + Joined(expected),
                 Joined(ComboEntries(combo)));
    }
    // The next start loads the stored list, with the expression box empty.
    TuvSession again(s);
    HWND page = ExpressionPage(s, again.Sheet());
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    s.Expect(ComboEntries(combo) == expected, "after a restart the list " + Joined(expected), Joined(ComboEntries(combo)));
    s.Expect(TextOf(combo).empty(), "an empty expression box after a restart", Quoted(TextOf(combo)));
}
