// Every click on Tips stores its state as "Tips"; the next start shows what was stored.
#include "page_driver.h"
#include "resource.h"
#include "scenario.h"
#include "tuv_session.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

E2E_SCENARIO(tips_setting_kept) {
    for (int round = 0; round < 2; ++round) {
        const bool wasOn = round == 0;  // first start: no setting, Tips on
        TuvSession tuv(s);
        HWND sheet = tuv.Sheet();
        HWND page = ExpressionPageInFront(s, sheet);
        HWND tips = ::GetDlgItem(page, IDC_TIPS);
        LRESULT shown = ::SendMessageA(tips, BM_GETCHECK, 0, 0);
        s.Expect(shown == (wasOn ? BST_CHECKED : BST_UNCHECKED), std::string("Tips ") + (wasOn ? "on" : "off") + " at start",
                 std::to_string(shown));
        ClickAt(tips);
        long long stored = -1;
        s.Expect(WaitUntil([&] { return (stored = ReadSettingInt("tuv", "Settings", "Tips")) == (wasOn ? 0 : 1); }),
                 std::string("\"Tips\" stored as ") + (wasOn ? "0" : "1") + " after a click", std::to_string(stored));
    }
    TuvSession last(s);
    HWND page = ExpressionPage(s, last.Sheet());
    LRESULT shown = ::SendMessageA(::GetDlgItem(page, IDC_TIPS), BM_GETCHECK, 0, 0);
    s.Expect(shown == BST_CHECKED, "Tips on again after the second start's click", std::to_string(shown));
}
