// The main window: its caption and two tabs, each showing its page.
#include <windows.h>
#include <commctrl.h>

#include "resource.h"
#include "scenario.h"
#include "sheet_actions.h"
#include "tuv_session.h"
#include "window_probe.h"

E2E_SCENARIO(sheet_caption_and_tabs) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    s.Expect(TextOf(sheet) == "Calvo", "the caption \"Calvo\"", Quoted(TextOf(sheet)));

    HWND tab = FindChildOfClass(sheet, WC_TABCONTROLA);
    s.Require(tab != nullptr, "a tab control in the sheet", "none");
    std::vector<std::string> tabs = TabTexts(tab, tuv.Process());
    s.Expect(tabs == std::vector<std::string>{"Expression", "About Tuv"}, "the tabs \"Expression\", \"About Tuv\"",
             Joined(tabs));
    s.Expect(::SendMessageA(tab, TCM_GETCURSEL, 0, 0) == 0, "the first tab selected at start",
             "tab " + std::to_string(::SendMessageA(tab, TCM_GETCURSEL, 0, 0)));

    HWND expressionPage = VisiblePageWithControl(sheet, IDC_EVALUATE);
    s.Require(expressionPage != nullptr, "the Expression page shown, with its Evaluate button", "no such page");
    HWND evaluate = ::GetDlgItem(expressionPage, IDC_EVALUATE);
    s.Expect(TextOf(evaluate) == "&Evaluate", "Evaluate's text \"&Evaluate\"", Quoted(TextOf(evaluate)));

    HWND about = ClickTab(s, tuv, sheet, 1, IDC_HOME_PAGE);
    s.Expect(!::IsWindowVisible(expressionPage), "the Expression page hidden behind the About page", "still visible");
    HWND title = ::GetDlgItem(about, IDC_TITLE);
    s.Expect(TextOf(title) == "Calvo", "the About page's title \"Calvo\"", Quoted(TextOf(title)));

    ClickTab(s, tuv, sheet, 0, IDC_EVALUATE);
    s.Expect(!::IsWindowVisible(about), "the About page hidden again on the first tab", "still visible");
}
