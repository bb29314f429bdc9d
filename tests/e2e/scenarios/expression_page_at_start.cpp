// The Expression page as it opens: empty boxes, the details box hidden, Details unchecked and
// the Tips box showing the stored setting (switched on when there is none).
#include "resource.h"
#include "scenario.h"
#include "settings_key.h"
#include "tuv_session.h"
#include "window_probe.h"

namespace {

std::string CheckState(LRESULT state) {
    return state == BST_CHECKED ? "checked" : state == BST_UNCHECKED ? "unchecked" : std::to_string(state);
}

}  // namespace

E2E_SCENARIO(expression_page_at_start) {
    struct Case {
        const char* what;
        int storedTips;  // -1: nothing stored
        LRESULT tipsShown;
    };
    const Case cases[] = {{"first run", -1, BST_CHECKED}, {"Tips stored as 0", 0, BST_UNCHECKED},
                          {"Tips stored as 1", 1, BST_CHECKED}};
    for (const Case& c : cases) {
        DeleteSettingsKey("tuv");
        if (c.storedTips >= 0) {
            s.Require(WriteSetting("tuv", "Settings", "Tips", static_cast<unsigned>(c.storedTips)),
                      "the Tips setting stored", "the registry refused it");
        }
        TuvSession tuv(s);
        HWND sheet = tuv.Sheet();
        HWND page = VisiblePageWithControl(sheet, IDC_EVALUATE);
        s.Require(page != nullptr, "the Expression page shown", "no such page");
        const std::string when = std::string(" (") + c.what + ")";

        LRESULT tips = ::SendMessageA(::GetDlgItem(page, IDC_TIPS), BM_GETCHECK, 0, 0);
        s.Expect(tips == c.tipsShown, "Tips " + CheckState(c.tipsShown) + when, CheckState(tips));
        LRESULT details = ::SendMessageA(::GetDlgItem(page, IDC_DETAILS), BM_GETCHECK, 0, 0);
        s.Expect(details == BST_UNCHECKED, "Details unchecked" + when, CheckState(details));

        HWND detailsBox = ::GetDlgItem(page, IDC_DETAILS_BOX);
        s.Expect(!::IsWindowVisible(detailsBox), "the details box hidden" + when, "it is shown");
        for (int id : {IDC_VARIABLES, IDC_EXPRESSION, IDC_RESULT}) {
            HWND box = ::GetDlgItem(page, id);
            s.Expect(::IsWindowVisible(box) && TextOf(box).empty(), "box " + std::to_string(id) + " shown and empty" + when,
                     (::IsWindowVisible(box) ? "shown, " : "hidden, ") + Quoted(TextOf(box)));
        }
    }
}
