// Enter while the focus is on "&New" or "&Open..." evaluates instead of pressing the button.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(enter_on_a_button_evaluates) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    HWND variables = ::GetDlgItem(page, IDC_VARIABLES);
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    HWND result = ::GetDlgItem(page, IDC_RESULT);

    struct Case {
        int button;
        const char* name;
        const char* expression;
        const char* expected;
    };
    // The variables box is not empty, so New would ask its question, and Open shows a dialog.
    const Case cases[] = {{IDC_NEW, "&New", "x*3", "6"}, {IDC_OPEN, "&Open...", "x+40", "42"}};
    PutText(variables, "x=2");
    for (const Case& c : cases) {
        PutText(result, "");
        PutText(combo, c.expression);
        HWND button = ::GetDlgItem(page, c.button);
        FocusControl(page, button);
        s.Require(WaitUntil([&] { return FocusOf(page) == button; }), std::string("the focus on ") + c.name,
                  "it is elsewhere");
        PressKey(VK_RETURN);
        std::string seen;
        ExpectText(s, WaitUntil([&] { return (seen = TextOf(result)) == c.expected; }),
                 std::string("Enter on ") + c.name + " evaluating " + c.expression + " to " + c.expected, seen);
        HWND dialog = FindDialog(tuv.ProcessId(), sheet);
        s.Expect(dialog == nullptr, std::string("no dialog from ") + c.name,
                 dialog ? "one reading " + Quoted(TextOf(dialog)) : "");
        if (dialog) ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        s.Expect(FullTextOf(variables) == "x=2", "the variables kept", Visible(FullTextOf(variables)));
    }
}
