// New asks "Empty everything! Are you sure?" (Yes, No, Cancel, captioned with the application
// title) only when there are variables, and empties only the variables box, only on Yes.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(new_asks_first) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    HWND variables = ::GetDlgItem(page, IDC_VARIABLES);
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    HWND result = ::GetDlgItem(page, IDC_RESULT);
    HWND newButton = ::GetDlgItem(page, IDC_NEW);

    // Nothing to empty: no question. Enter afterwards evaluates, so once its result shows the
    // click has been handled.
    ClickAt(newButton);
    std::string seen = EvaluateWithEnter(s, page, "2+3");
    s.Expect(seen == "5", "2+3 giving 5 after New on an empty box", Quoted(seen));
    HWND box = FindDialog(tuv.ProcessId(), sheet);
    s.Expect(box == nullptr, "no question for an empty variables box", box ? Quoted(StaticTexts(box)) : "");
    if (box) ::PostMessageA(box, WM_COMMAND, IDYES, 0);

    struct Case {
        const char* answer;
        int button;
        bool emptied;
    };
    const Case cases[] = {{"No", IDNO, false}, {"Cancel", IDCANCEL, false}, {"Yes", IDYES, true}};
    for (const Case& c : cases) {
        PutText(variables, "x=1\r\ny=2");
        ClickAt(newButton);
        box = WaitForDialog(tuv.ProcessId(), sheet);
        s.Require(box != nullptr, std::string("the question before answering ") + c.answer, "no dialog");
        s.Expect(TextOf(box) == "tuv", "the question captioned \"tuv\"", Quoted(TextOf(box)));
        s.Expect(StaticTexts(box) == "Empty everything! Are you sure?", "the text \"Empty everything! Are you sure?\"",
                 Quoted(StaticTexts(box)));
        s.Expect(::GetDlgItem(box, IDYES) && ::GetDlgItem(box, IDNO) && ::GetDlgItem(box, IDCANCEL) &&
                     !::GetDlgItem(box, IDOK),
                 "the buttons Yes, No and Cancel", "other buttons");
        ClickAt(::GetDlgItem(box, c.button));
        s.Require(WaitUntil([&] { return !::IsWindow(box); }), std::string("the question gone after ") + c.answer,
                  "still there");
        seen = FullTextOf(variables);
        std::string expected = c.emptied ? "" : "x=1\r\ny=2";
        ExpectText(s, WaitUntil([&] { return (seen = FullTextOf(variables)) == expected; }, 3000),
                 std::string("after ") + c.answer + " the variables " + Visible(expected), seen);
        s.Expect(TextOf(combo) == "2+3" && TextOf(result) == "5",
                 std::string("after ") + c.answer + " the expression and the result kept",
                 Quoted(TextOf(combo)) + ", " + Quoted(TextOf(result)));
    }
}
