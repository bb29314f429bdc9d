// The sheet's own button row: an empty place, then Help, Quit and Tray; Apply hidden; Help
// renumbered; Tray (the sheet's OK) still the default button.
#include <algorithm>

#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "window_probe.h"

namespace {
constexpr int kApply = 12321;
constexpr int kStandardHelp = 9;
}  // namespace

E2E_SCENARIO(button_row) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND tray = ::GetDlgItem(sheet, IDOK);
    HWND quit = ::GetDlgItem(sheet, IDCANCEL);
    HWND help = ::GetDlgItem(sheet, IDC_HELP_TEXT);
    HWND apply = ::GetDlgItem(sheet, kApply);
    s.Require(tray && quit && help && apply, "buttons with the ids 1, 2, 106 and 12321",
              std::string(tray ? "" : "no 1 ") + (quit ? "" : "no 2 ") + (help ? "" : "no 106 ") +
                  (apply ? "" : "no 12321"));
    s.Expect(::GetDlgItem(sheet, kStandardHelp) == nullptr, "no button with the standard Help id 9 any more",
             "one is there, reading " + Quoted(TextOf(::GetDlgItem(sheet, kStandardHelp))));

    s.Expect(TextOf(help) == "&Help", "the button 106 reading \"&Help\"", Quoted(TextOf(help)));
    s.Expect(TextOf(quit) == "&Quit", "the button 2 reading \"&Quit\"", Quoted(TextOf(quit)));
    s.Expect(TextOf(tray) == "&Tray", "the button 1 reading \"&Tray\"", Quoted(TextOf(tray)));
    s.Expect(::IsWindowVisible(help) && ::IsWindowVisible(quit) && ::IsWindowVisible(tray),
             "Help, Quit and Tray visible", "one of them hidden");
    s.Expect(!::IsWindowVisible(apply), "Apply hidden", "Apply visible, reading " + Quoted(TextOf(apply)));

    RECT a = ScreenRect(apply), h = ScreenRect(help), q = ScreenRect(quit), t = ScreenRect(tray);
    std::string seen = "Apply " + Describe(a) + ", Help " + Describe(h) + ", Quit " + Describe(q) + ", Tray " +
                       Describe(t);
    s.Expect(a.top == h.top && h.top == q.top && q.top == t.top, "the four buttons on one row", seen);
    s.Expect(a.right <= h.left && h.right <= q.left && q.right <= t.left,
             "from left to right: the empty place (hidden Apply), Help, Quit, Tray", seen);
    // Each took another's place, so the gaps are the standard row's even gaps.
    s.Expect(h.left - a.right == q.left - h.right && q.left - h.right == t.left - q.right,
             "even gaps between the places", seen);

    RECT sheetRect = ScreenRect(sheet);
    s.Expect(t.right <= sheetRect.right && t.right > sheetRect.right - 40 && t.top > sheetRect.top,
             "the row at the sheet's bottom right", "sheet " + Describe(sheetRect) + ", " + seen);

    LRESULT defaultId = ::SendMessageA(sheet, DM_GETDEFID, 0, 0);
    s.Expect(HIWORD(defaultId) == DC_HASDEFID && LOWORD(defaultId) == IDOK, "Tray (id 1) the default button",
             "default id " + std::to_string(LOWORD(defaultId)) + (HIWORD(defaultId) == DC_HASDEFID ? "" : " (none)"));
}
