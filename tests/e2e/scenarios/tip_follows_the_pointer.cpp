// The balloon tip: it appears where the pointer moves over the variables box, 200 x 125 pixels,
// pale yellow, follows the pointer, and goes on a key press; it stays away while the pointer
// stays in the box. Over the expression box's edit field none shows (that is a window of its
// own), over its drop-down button one does. None in details mode, none with Tips off, and the
// display time ends it.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

namespace {

std::string At(const RECT& r) { return Describe(r); }

COLORREF ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    COLORREF colour = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

// A new pointer position over the window, away from where the pointer is now.
POINT Inside(HWND hWnd, int dx, int dy) {
    RECT r = ScreenRect(hWnd);
    return {r.left + dx, r.top + dy};
}

// Lets the program take in the input sent so far, then watches for a tip for a moment: a tip
// shows at once on a move, so none by then means none.
bool NoTipShows(TuvSession& tuv, HWND sheet, HWND tip) {
    ::WaitForInputIdle(tuv.Process(), 5000);
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(sheet, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    return !WaitUntil([&] { return ::IsWindowVisible(tip) != 0; }, 700);
}

}  // namespace

E2E_SCENARIO(tip_follows_the_pointer) {
    TuvSession tuv(s);
    HWND sheet = tuv.Sheet();
    HWND page = ExpressionPageInFront(s, sheet);
    HWND variables = ::GetDlgItem(page, IDC_VARIABLES);
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    DWORD pid = tuv.ProcessId();

    // Start outside both boxes, then move onto the variables box.
    MovePointerTo(Inside(::GetDlgItem(page, IDC_NEW), 5, 5));
    POINT first = Inside(variables, 40, 20);
    MovePointerTo(first);
    HWND tip = nullptr;
    s.Require(WaitUntil([&] { return (tip = FindVisibleTip(pid)) != nullptr; }), "a tip over the variables box",
              "none shown");
    RECT r = ScreenRect(tip);
    s.Expect(r.left == first.x && r.top == first.y && r.right - r.left == 200 && r.bottom - r.top == 125,
             "the tip 200 x 125 with its top-left corner at the pointer (" + std::to_string(first.x) + "," +
                 std::to_string(first.y) + ")",
             At(r));
    ::RedrawWindow(tip, nullptr, nullptr, RDW_UPDATENOW);
    COLORREF body = 0;
    s.Expect(WaitUntil([&] { return (body = ScreenPixel(r.left + 100, r.top + 121)) == RGB(255, 255, 230); }, 3000),
             "the tip's body pale yellow (255,255,230)",
             std::to_string(GetRValue(body)) + "," + std::to_string(GetGValue(body)) + "," + std::to_string(GetBValue(body)));

    // It follows the pointer inside the box.
    POINT second = Inside(variables, 80, 30);
    MovePointerTo(second);
    s.Expect(WaitUntil([&] {
                 RECT now = ScreenRect(tip);
                 return now.left == second.x && now.top == second.y;
             }),
             "the tip following to the pointer", At(ScreenRect(tip)));

    // A key hides it, and moving inside the box does not bring it back.
    PressKey(VK_SHIFT);
    s.Expect(WaitUntil([&] { return !::IsWindowVisible(tip); }), "the tip hidden after a key press", "still shown");
    MovePointerTo(Inside(variables, 60, 25));
    MovePointerTo(Inside(variables, 62, 26));
    s.Expect(NoTipShows(tuv, sheet, tip), "no tip while the pointer stays in the box after the key", "shown again");

    // Over the expression box's own edit field: a window of its own, with no tip registered.
    MovePointerTo(Inside(::GetDlgItem(page, IDC_NEW), 5, 5));
    HWND edit = ::GetWindow(combo, GW_CHILD);
    MovePointerTo(Inside(edit, 10, 5));
    MovePointerTo(Inside(edit, 12, 6));
    s.Expect(NoTipShows(tuv, sheet, tip), "no tip over the expression box's edit field", "a tip at " + At(ScreenRect(tip)));
    // Over its drop-down button, the combo box itself: the expression tip.
    RECT box = ScreenRect(combo), field = ScreenRect(edit);
    POINT button{(field.right + box.right) / 2, (box.top + box.bottom) / 2};
    MovePointerTo(button);
    s.Expect(WaitUntil([&] { return ::IsWindowVisible(tip) != 0; }), "a tip over the drop-down button", "none");

    // Leaving for nothing registered hides it; the display time ends one left alone.
    MovePointerTo(Inside(::GetDlgItem(page, IDC_NEW), 5, 5));
    s.Expect(WaitUntil([&] { return !::IsWindowVisible(tip); }), "the tip gone when the pointer leaves", "still shown");
    MovePointerTo(Inside(variables, 30, 30));
    s.Require(WaitUntil([&] { return ::IsWindowVisible(tip) != 0; }), "the tip back over the variables box", "none");
    DWORD shownAt = ::GetTickCount();
    s.Expect(WaitUntil([&] { return !::IsWindowVisible(tip); }, 12000), "the tip ending by itself", "still shown");
    DWORD lasted = ::GetTickCount() - shownAt;
    s.Expect(lasted > 4000, "the tip lasting about 6 seconds", std::to_string(lasted) + " ms");

    // Details mode: no tip.
    MovePointerTo(Inside(::GetDlgItem(page, IDC_NEW), 5, 5));
    ClickAt(::GetDlgItem(page, IDC_DETAILS));
    s.Require(WaitUntil([&] { return ::IsWindowVisible(::GetDlgItem(page, IDC_DETAILS_BOX)) != 0; }), "details mode",
              "the details box hidden");
    MovePointerTo(Inside(variables, 50, 20));
    MovePointerTo(Inside(variables, 52, 22));
    s.Expect(NoTipShows(tuv, sheet, tip), "no tip in details mode", "a tip at " + At(ScreenRect(tip)));
    ClickAt(::GetDlgItem(page, IDC_DETAILS));

    // Tips off: no tip.
    ClickAt(::GetDlgItem(page, IDC_TIPS));
    s.Require(WaitUntil([&] { return ReadSettingInt("tuv", "Settings", "Tips") == 0; }), "Tips switched off", "still on");
    MovePointerTo(Inside(variables, 50, 20));
    MovePointerTo(Inside(variables, 52, 22));
    s.Expect(NoTipShows(tuv, sheet, tip), "no tip with Tips off", "a tip at " + At(ScreenRect(tip)));
}
