#include "sheet_actions.h"

#include <windows.h>
#include <commctrl.h>

#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

HWND ClickTab(Scenario& s, TuvSession& tuv, HWND sheet, int index, int pageControlId) {
    s.Require(!tuv.WaitForExit(0), "tuv still running when tab " + std::to_string(index) + " is clicked",
              "it has ended");
    HWND tab = FindChildOfClass(sheet, WC_TABCONTROLA);
    s.Require(tab != nullptr, "a tab control in the sheet", "none");
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    RECT item = TabItemScreenRect(tab, index, tuv.Process());
    s.Require(item.right > item.left, "tab " + std::to_string(index) + " on the screen", "no rectangle for it");
    ClickAtPoint({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    HWND page = nullptr;
    WaitUntil([&] { return (page = VisiblePageWithControl(sheet, pageControlId)) != nullptr; });
    s.Require(page != nullptr, "the page with control " + std::to_string(pageControlId) + " after a click on tab " +
                                   std::to_string(index),
              "tab " + std::to_string(::SendMessageA(tab, TCM_GETCURSEL, 0, 0)) + " selected, no such page");
    return page;
}
