// The Expression page inside the program's sheet: the Enter rule, the history it loads and
// stores, and how long its tips stay.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "resource.h"
#include "tuv_app.h"
#include "tuv_sheet.h"

namespace {

// Runs the probe from the modal loop, once the sheet is on the screen, then quits.
class ProbedSheet : public CTuvSheet {
public:
    explicit ProbedSheet(std::function<void(ProbedSheet&)> probe) : m_probe(std::move(probe)) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP) return CTuvSheet::WindowProc(message, wParam, lParam);
        m_probe(*this);
        m_probe = nullptr;
        return PostMessage(WM_COMMAND, IDCANCEL);
    }
    BOOL OnInitDialog() override {
        PostMessage(WM_APP);
        return CTuvSheet::OnInitDialog();
    }
    std::function<void(ProbedSheet&)> m_probe;
};

TEST(ExpressionPage, EnterEvaluatesUnlessInTheVariablesBox) {
    ProbedSheet sheet([](ProbedSheet& s) {
        CTuvPage1& page = s.m_pageExpression;
        struct Case { const char* where; int page; HWND focus; WPARAM key; bool evaluates; };
        const Case cases[] = {
            {"expression box", 0, ::GetWindow(page.m_ctlExpression.m_hWnd, GW_CHILD), VK_RETURN, true},
            {"New", 0, page.GetDlgItem(IDC_NEW), VK_RETURN, true},
            {"Quit", 0, s.GetDlgItem(IDCANCEL), VK_RETURN, true},
            {"variables box", 0, page.m_ctlVariables.m_hWnd, VK_RETURN, false},
            {"another key", 0, page.GetDlgItem(IDC_NEW), 'A', false},
            {"About page", 1, s.GetDlgItem(IDCANCEL), VK_RETURN, false},
        };
        for (const Case& c : cases) {
            s.SetActivePage(c.page);
            ::SetFocus(c.focus);
            ASSERT_EQ(::GetFocus(), c.focus) << c.where;
            MSG key{c.focus, WM_KEYDOWN, c.key, 0, 0, {0, 0}}, posted{};
            EXPECT_EQ(s.PreTranslateMessage(&key) != 0, c.evaluates) << c.where;
            // The evaluation comes as a click, posted, so that the key-down is over first.
            bool clicked = ::PeekMessageA(&posted, page.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE) &&
                           posted.wParam == MAKEWPARAM(IDC_EVALUATE, BN_CLICKED);
            EXPECT_EQ(clicked, c.evaluates) << c.where;
        }
        // Each box's tip hides after six seconds.
        for (HWND box : {page.m_ctlExpression.m_hWnd, page.m_ctlVariables.m_hWnd}) {
            ASSERT_NE(page.m_tip.FindTool(box), nullptr);
            EXPECT_EQ(page.m_tip.FindTool(box)->nSeconds, 6);
        }
    });
    sheet.DoModal();
    EXPECT_EQ(sheet.m_probe, nullptr) << "the probe never ran";
}

TEST(ExpressionPage, LoadsTheHistoryAndStoresItAfterEachSuccess) {
    const char* key = "Software\\Quandor Technologies\\windows_tests";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key);
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey(kCompanyKey);
    // Up to the stored count, empty entries skipped: the list is sin(45), 2+2.
    app->WriteProfileInt("Expressions", "Count", 3);
    for (auto [name, text] : {std::pair{"1", "sin(45)"}, {"2", ""}, {"3", "2+2"}, {"4", "9"}}) {
        app->WriteProfileString("Expressions", name, text);
    }
    ProbedSheet sheet([](ProbedSheet& s) {
        for (const char* typed : {" SIN(45) ", "1/0", "c"}) {  // the last two fail
            s.m_pageExpression.m_ctlExpression.SetWindowText(typed);
            s.m_pageExpression.OnEvaluate();
        }
    });
    sheet.DoModal();
    std::string stored = std::to_string(app->GetProfileInt("Expressions", "Count", -1));
    for (const char* name : {"1", "2"}) stored += " " + app->GetProfileString("Expressions", name);
    EXPECT_EQ(stored, "2 SIN(45) 2+2");
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key);
}

}  // namespace
