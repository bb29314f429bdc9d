// Tray is the sheet's OK button: a click on it sends the window to the tray and never ends the
// sheet; "&Show" from the tray menu brings it back.
#include "resource.h"
#include "scenario.h"
#include "sheet_actions.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"

E2E_SCENARIO(tray_and_enter_keep_the_program) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    ClickAt(::GetDlgItem(sheet, IDOK));
    s.Expect(WaitUntil([&] { return !::IsWindowVisible(sheet); }), "Tray hiding the window", "still shown");
    s.Expect(!tuv.WaitForExit(0), "the program still running in the tray", "it ended");

    ::PostMessageA(sheet, WM_COMMAND, ID_SHOW, 0);  // what the tray menu's "&Show" sends
    s.Require(WaitUntil([&] { return ::IsWindowVisible(sheet) != 0; }), "Show bringing the window back", "hidden");
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    ClickAt(::GetDlgItem(sheet, IDCANCEL));
    s.Expect(tuv.WaitForExit(15000), "Quit ending the program afterwards", "still running");
}
