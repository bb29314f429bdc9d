// Tray is the sheet's OK button: neither a click on it nor Enter on it may end the sheet.
#include "resource.h"
#include "scenario.h"
#include "sheet_actions.h"
#include "tuv_session.h"
#include "user_input.h"

E2E_SCENARIO(tray_and_enter_keep_the_program) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    ClickAt(::GetDlgItem(sheet, IDOK));  // the click also gives Tray the focus, so Enter presses it
    PressKey(VK_RETURN);
    // Input is handled in order: once the tab click shows its page, Tray and Enter are done.
    ClickTab(s, tuv, sheet, 1, IDC_HOME_PAGE);
    s.Expect(!tuv.WaitForExit(0), "the program still running after Tray and Enter", "it ended");

    ClickAt(::GetDlgItem(sheet, IDCANCEL));
    s.Expect(tuv.WaitForExit(15000), "Quit ending the program afterwards", "still running");
}
