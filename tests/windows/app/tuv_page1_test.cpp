// The Expression page in-process, inside the real sheet: how it is built, the history it loads
// and stores, the exchange of the expression box and the Enter rule; then the tip's records and
// placement. What a user sees of the rest is in the end-to-end scenarios.
#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "resource.h"
#include "tuv_app.h"
#include "tuv_sheet.h"

namespace {

class ProbedSheet : public CTuvSheet {
public:
    explicit ProbedSheet(std::function<void(ProbedSheet&)> probe) : m_probe(std::move(probe)) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != kProbe) return CTuvSheet::WindowProc(message, wParam, lParam);
        m_probe(*this);
        PostMessage(WM_COMMAND, IDCANCEL);
        return 0;
    }

protected:
    // The probe runs from the modal loop, once the sheet is on the screen.
    static constexpr UINT kProbe = WM_APP + 77;
    BOOL OnInitDialog() override {
        BOOL result = CTuvSheet::OnInitDialog();
        PostMessage(kProbe);
        return result;
    }

private:
    std::function<void(ProbedSheet&)> m_probe;
};

class TuvPage1Test : public ::testing::Test {
protected:
    void SetUp() override {
        AfxGetApp()->SetRegistryKey(kCompanyKey);
        Clean();
    }
    void TearDown() override { Clean(); }
    static void Clean() { ::SHDeleteKeyA(HKEY_CURRENT_USER, AfxGetApp()->Settings().KeyPath().c_str()); }
    // Runs the sheet with the probe once the Expression page is built.
    static void WithPage(const std::function<void(CTuvPage1&, ProbedSheet&)>& probe) {
        bool ran = false;
        ProbedSheet sheet([&](ProbedSheet& s) {
            ran = true;
            ASSERT_NE(s.m_pageExpression.m_hWnd, nullptr);
            probe(s.m_pageExpression, s);
        });
        sheet.DoModal();
        EXPECT_TRUE(ran);
    }
    static std::vector<std::string> Entries(CComboBox& box) {
        std::vector<std::string> entries;
        for (int i = 0; i < box.GetCount(); ++i) {
            char text[512] = {};
            box.SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    static void Evaluate(CTuvPage1& page, const std::string& expression) {
        page.m_ctlExpression.SetWindowText(expression);
        page.OnEvaluate();
    }
    static std::string Stored(const char* name) { return AfxGetApp()->GetProfileString("Expressions", name, "<none>"); }
};

LOGFONTA FontOf(CWnd& control) {
    LOGFONTA font{};
    HFONT handle = reinterpret_cast<HFONT>(control.SendMessage(WM_GETFONT));
    ::GetObjectA(handle, sizeof(font), &font);
    return font;
}

TEST_F(TuvPage1Test, BuildsItsFontsMarginsAndTip) {
    WithPage([](CTuvPage1& page, ProbedSheet&) {
        struct Case {
            CWnd* box;
            int height, weight;
        };
        const Case cases[] = {{&page.m_ctlVariables, 18, 600}, {&page.m_ctlExpression, 18, 600},
                              {&page.m_ctlDetails, 18, 600}, {&page.m_ctlResult, 20, 700}};
        for (const Case& c : cases) {
            LOGFONTA font = FontOf(*c.box);
            EXPECT_STREQ(font.lfFaceName, "Courier");
            EXPECT_EQ(font.lfHeight, c.height);
            EXPECT_EQ(font.lfWeight, c.weight);
            EXPECT_EQ(font.lfCharSet, ANSI_CHARSET);
            EXPECT_EQ(font.lfPitchAndFamily, DEFAULT_PITCH | FF_ROMAN);
        }
        LRESULT margins = page.m_ctlVariables.SendMessage(EM_GETMARGINS);
        EXPECT_EQ(LOWORD(margins), 5);
        EXPECT_EQ(HIWORD(margins), 5);
        // Several megabytes fit, not just the edit control's 30,000 characters.
        EXPECT_GE(page.m_ctlVariables.SendMessage(EM_GETLIMITTEXT), static_cast<LRESULT>(16 * 1024 * 1024));

        CBalloonTip& tip = page.m_tip;
        ASSERT_NE(tip.m_hWnd, nullptr);
        RECT window{};
        ::GetWindowRect(tip.m_hWnd, &window);
        EXPECT_EQ(window.right - window.left, 200);
        EXPECT_EQ(window.bottom - window.top, 125);
        // A popup's owner is always a top-level window: the page's sheet.
        EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), ::GetAncestor(page.m_hWnd, GA_ROOT));
        EXPECT_FALSE(::IsWindowVisible(tip.m_hWnd));
        RECT text = tip.m_rcText;
        EXPECT_EQ(text.left, 8);
        EXPECT_EQ(text.top, 18);
        EXPECT_EQ(text.right, 192);
        EXPECT_EQ(text.bottom, 117);
        HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(::GetWindowRgn(tip.m_hWnd, shape), ERROR);
        EXPECT_FALSE(::PtInRegion(shape, 0, 0));   // the pointer's pixel
        EXPECT_TRUE(::PtInRegion(shape, 10, 1));   // the tail's tip
        EXPECT_TRUE(::PtInRegion(shape, 100, 60));
        EXPECT_FALSE(::PtInRegion(shape, 100, 5)); // above the body, beside the tail
        ::DeleteObject(shape);
        EXPECT_TRUE(tip.m_bFollowMouse);
        EXPECT_EQ(tip.m_nDefaultSeconds, 6);

        const BalloonTool* expression = tip.FindTool(page.m_ctlExpression.m_hWnd);
        const BalloonTool* variables = tip.FindTool(page.m_ctlVariables.m_hWnd);
        ASSERT_TRUE(expression && variables);
        EXPECT_EQ(expression->strTitle, "Expression");
        EXPECT_EQ(expression->strText,
                  "Please type in the expression here. For eg:\r\nsin(45)+56/2\r\nYou may also use any variable from "
                  "the 'variables' box.");
        EXPECT_EQ(variables->strTitle, "Variables");
        EXPECT_EQ(variables->strText, "Please type in the variables here. For eg:\r\nx=sin(45)+56/2\r\ny=x/23");
        EXPECT_EQ(expression->nSeconds, 6);
        EXPECT_EQ(variables->crText, RGB(0, 0, 0));
        // The combo box's own edit field is a window of its own, with no tool.
        EXPECT_EQ(tip.FindTool(::GetWindow(page.m_ctlExpression.m_hWnd, GW_CHILD)), nullptr);
    });
}

TEST_F(TuvPage1Test, LoadsTheStoredHistoryInOrderSkippingEmptyValues) {
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt("Expressions", "Count", 4);
    app->WriteProfileString("Expressions", "1", "b*2");
    app->WriteProfileString("Expressions", "2", "");
    app->WriteProfileString("Expressions", "3", "a+1");
    // "4" is missing; "5" lies beyond Count.
    app->WriteProfileString("Expressions", "5", "beyond");
    WithPage([](CTuvPage1& page, ProbedSheet&) {
        EXPECT_EQ(Entries(page.m_ctlExpression), (std::vector<std::string>{"b*2", "a+1"}));
        EXPECT_EQ(page.m_ctlExpression.GetWindowText(), "");
        EXPECT_EQ(page.m_ctlExpression.SendMessage(CB_GETCURSEL), CB_ERR);
    });
    // A count edited far past anything the program writes: read up to a bound, not for minutes.
    app->WriteProfileInt("Expressions", "Count", 0x7FFFFFFF);
    WithPage([](CTuvPage1& page, ProbedSheet&) {
        EXPECT_EQ(Entries(page.m_ctlExpression), (std::vector<std::string>{"b*2", "a+1", "beyond"}));
    });
}

TEST_F(TuvPage1Test, StoresTheHistoryAfterEachSuccess) {
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt("Expressions", "Count", 3);
    app->WriteProfileString("Expressions", "1", "sin(45)");
    app->WriteProfileString("Expressions", "2", "");  // skipped when loading: the list has 2 entries
    app->WriteProfileString("Expressions", "3", "2+2");
    app->WriteProfileString("Expressions", "9", "old");
    WithPage([&](CTuvPage1& page, ProbedSheet&) {
        Evaluate(page, " SIN(45) ");
        EXPECT_EQ(page.m_strResult, "0.707107");
        EXPECT_EQ(Entries(page.m_ctlExpression), (std::vector<std::string>{"SIN(45)", "2+2"}));
        // The whole list is written again, and Count follows it; "3" and "9" are left alone.
        EXPECT_EQ(app->GetProfileInt("Expressions", "Count", -1), 2);
        EXPECT_EQ(Stored("1"), "SIN(45)");
        EXPECT_EQ(Stored("2"), "2+2");
        EXPECT_EQ(Stored("3"), "2+2");
        EXPECT_EQ(Stored("9"), "old");
        // The box shows the text as typed, blanks and all.
        EXPECT_EQ(page.m_ctlExpression.GetWindowText(), " SIN(45) ");

        // Failures and empty texts leave the list and the store alone.
        for (const char* failing : {"si", "", "1/0", "   "}) {
            Evaluate(page, failing);
            EXPECT_EQ(page.m_strResult, "E") << failing;
            EXPECT_EQ(Entries(page.m_ctlExpression), (std::vector<std::string>{"SIN(45)", "2+2"})) << failing;
            EXPECT_EQ(app->GetProfileInt("Expressions", "Count", -1), 2) << failing;
            // The box keeps the failed text: no history entry that begins with it takes its place.
            EXPECT_EQ(page.m_ctlExpression.GetWindowText(), failing);
        }
    });
}

TEST_F(TuvPage1Test, EnterEvaluatesOutsideTheVariablesBox) {
    WithPage([](CTuvPage1& page, ProbedSheet& sheet) {
        struct Case {
            const char* where;
            HWND focus;
            bool taken;
        };
        const Case cases[] = {
            {"expression box", ::GetWindow(page.m_ctlExpression.m_hWnd, GW_CHILD), true},
            {"New", page.GetDlgItem(IDC_NEW), true},
            {"Open", page.GetDlgItem(IDC_OPEN), true},
            {"Quit", sheet.GetDlgItem(IDCANCEL), true},
            {"variables box", page.m_ctlVariables.m_hWnd, false},
        };
        for (const Case& c : cases) {
            ::SetFocus(c.focus);
            ASSERT_EQ(::GetFocus(), c.focus) << c.where;
            MSG key{c.focus, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
            EXPECT_EQ(sheet.PreTranslateMessage(&key) != 0, c.taken) << c.where;
            MSG posted{};
            bool clicked = ::PeekMessageA(&posted, page.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE) != 0;
            EXPECT_EQ(clicked, c.taken) << c.where;
            if (clicked) {
                EXPECT_EQ(posted.wParam, static_cast<WPARAM>(IDC_EVALUATE)) << c.where;
                EXPECT_EQ(posted.lParam, 0) << c.where;
            }
            // Other keys are not taken.
            MSG other{c.focus, WM_KEYDOWN, 'A', 0, 0, {0, 0}};
            EXPECT_FALSE(sheet.PreTranslateMessage(&other)) << c.where;
        }
        // On the About page, Enter follows the standard dialog rule.
        sheet.SetActivePage(1);
        ::SetFocus(sheet.GetDlgItem(IDCANCEL));
        MSG key{sheet.GetDlgItem(IDCANCEL), WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
        EXPECT_FALSE(sheet.PreTranslateMessage(&key));
    });
}

TEST(BalloonTip, ToolsAndTimes) {
    CBalloonTip tip;
    CWnd none;
    tip.m_nDefaultSeconds = 4;
    tip.AddTool(&none, "first", "One", RGB(1, 2, 3), 2);
    tip.AddTool(&none, "second", "Two", RGB(4, 5, 6), -1);
    tip.m_nDefaultSeconds = 9;  // later changes leave stored records alone
    const BalloonTool* tool = tip.FindTool(nullptr);
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->strText, "second");
    EXPECT_EQ(tool->strTitle, "Two");
    EXPECT_EQ(tool->crText, RGB(4, 5, 6));
    EXPECT_EQ(tool->nSeconds, 4);
    EXPECT_EQ(tip.m_tools.size(), 1u);
}

TEST(BalloonTip, CreationAndPlacement) {
    CBalloonTip noShape;
    noShape.m_nTailSide = 3;
    EXPECT_FALSE(noShape.Create(nullptr));
    EXPECT_EQ(noShape.m_hWnd, nullptr);

    CBalloonTip tip;  // 100 x 60, tail on the left
    ASSERT_TRUE(tip.Create(nullptr));
    EXPECT_EQ(::GetWindowLongA(tip.m_hWnd, GWL_STYLE) & (WS_POPUP | WS_BORDER | WS_CAPTION), static_cast<LONG>(WS_POPUP));
    EXPECT_EQ(tip.m_rcText.left, 18);
    EXPECT_EQ(tip.m_rcText.bottom, 52);
    int width = ::GetSystemMetrics(SM_CXSCREEN), height = ::GetSystemMetrics(SM_CYSCREEN);
    tip.ShowAt(width - 1, height - 1, 0);  // no timer with a time of 0
    RECT r{};
    ::GetWindowRect(tip.m_hWnd, &r);
    EXPECT_EQ(r.left, width - 100);
    EXPECT_EQ(r.top, height - 60);
    EXPECT_TRUE(tip.IsWindowVisible());
    EXPECT_EQ(tip.m_uTimer, 0u);
    EXPECT_NE(::GetForegroundWindow(), tip.m_hWnd);  // never activated
    tip.Hide();
    EXPECT_FALSE(tip.IsWindowVisible());
}

}  // namespace
