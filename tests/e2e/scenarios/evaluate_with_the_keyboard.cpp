// A user types a variables sheet in any order and an expression with real key presses: Enter in
// the variables box starts a new line, Enter in the expression box evaluates. The result, the
// trimmed variables and the report show; Details swaps the report in and back.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(evaluate_with_the_keyboard) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    HWND variables = ::GetDlgItem(page, IDC_VARIABLES);
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    HWND result = ::GetDlgItem(page, IDC_RESULT);
    HWND details = ::GetDlgItem(page, IDC_DETAILS_BOX);
    ClickAt(variables);
    s.Require(WaitUntil([&] { return FocusOf(page) == variables; }), "the focus in the variables box", "elsewhere");

    // c uses names defined below it; blank lines and blanks around the sheet are trimmed away.
    const char* lines[] = {"", "  c=a+b+d", "b=47", "a=23", "d=5/2  "};
    for (const char* line : lines) {
        TypeText(line);
        PressKey(VK_RETURN);
    }
    const std::string typed = "\r\n  c=a+b+d\r\nb=47\r\na=23\r\nd=5/2  \r\n";
    std::string seen;
    ExpectText(s, WaitUntil([&] { return (seen = FullTextOf(variables)) == typed; }),
             "Enter in the variables box starting new lines: " + Visible(typed), seen);
    s.Expect(TextOf(result).empty(), "no evaluation from Enter in the variables box", Quoted(TextOf(result)));

    PressKey(VK_TAB);  // on to the expression box
    TypeText("(c)*2");
    PressKey(VK_RETURN);
    ExpectText(s, WaitUntil([&] { return (seen = TextOf(result)) == "145"; }),
             "Enter in the expression box evaluating to \"141.414214\"", seen);
    const std::string trimmed = "c=a+b+d\r\nb=47\r\na=23\r\nd=5/2";
    ExpectText(s, (seen = FullTextOf(variables)) == trimmed, "the variables box showing its trimmed text " + Visible(trimmed),
             seen);
    ExpectText(s, (seen = TextOf(combo)) == "(c)*2", "the expression box still reading \"(c)*2\"", seen);
    const std::string report = "C = 72.5\r\nB = 47\r\nA = 23\r\nD = 2.5\r\n";
    ExpectText(s, (seen = FullTextOf(details)) == report, "the hidden details box refreshed: " + Visible(report),
             seen);

    // Details swaps the expression box, the result box and the Expression frame for the report.
    HWND frame = ::GetDlgItem(page, IDC_EXPRESSION_FRAME);
    HWND detailsCheck = ::GetDlgItem(page, IDC_DETAILS);
    ClickAt(detailsCheck);
    s.Expect(WaitUntil([&] { return ::IsWindowVisible(details) != 0; }), "the details box shown after Details",
             "still hidden");
    s.Expect(!::IsWindowVisible(combo) && !::IsWindowVisible(result) && !::IsWindowVisible(frame),
             "expression box, result box and Expression frame hidden in details mode", "one of them shown");
    s.Expect(::IsWindowVisible(variables) && ::IsWindowVisible(::GetDlgItem(page, IDC_EVALUATE)),
             "the variables box and the buttons staying", "one of them hidden");

    // A failed evaluation in details mode: "E", and the report with its numbered error line.
    PutText(variables, "c=a+b+d\r\nb=47\r\na=23");
    PostMessageA(::GetDlgItem(page, IDC_EVALUATE), BM_CLICK, 0, 0);
    const std::string failed = "ERR 1 : C=A+B+D\r\nB = 47\r\nA = 23\r\n";
    ExpectText(s, WaitUntil([&] { return (seen = FullTextOf(details)) == failed; }), "the report " + Visible(failed),
             seen);
    ExpectText(s, (seen = TextOf(result)) == "E", "the result \"E\" behind the report", seen);

    ClickAt(detailsCheck);
    s.Expect(WaitUntil([&] { return !::IsWindowVisible(details); }), "the details box hidden again", "still shown");
    s.Expect(::IsWindowVisible(combo) && ::IsWindowVisible(result) && ::IsWindowVisible(frame),
             "expression box, result box and Expression frame back", "one of them still hidden");
}
