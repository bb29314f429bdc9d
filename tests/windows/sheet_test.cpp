// Sheets run by the framework's modal loop. With the framework's own classes on the program's
// Expression page: how a message travels and how Escape ends the loop. The program's own sheet:
// the Enter rule, the history the page loads and stores, and how long its tips stay.
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "resource.h"
#include "tuv_app.h"
#include "tuv_sheet.h"

namespace {

// Runs `probe` from the modal loop once the sheet is on the screen; the probe ends the sheet.
template <class Sheet> class Probed : public Sheet {
public:
    std::function<void(Probed&)> probe;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_APP + 9) return Sheet::WindowProc(message, wParam, lParam);
        std::exchange(probe, nullptr)(*this);
        return 0;
    }
    BOOL OnInitDialog() override {
        this->PostMessage(WM_APP + 9);
        return Sheet::OnInitDialog();
    }
};

std::vector<std::string> g_log;
constexpr UINT kPassed = WM_APP, kTaken = WM_APP + 1;  // posted to the box; the page takes the second
constexpr WORD kMark = 0x7777;                          // a notification and a colour request of the test's own

BOOL Log(const char* who, UINT message) {
    if (message == kPassed || message == kTaken) g_log.push_back(who);
    return FALSE;
}

class Box : public CWnd {
public:
    BOOL PreTranslateMessage(MSG* msg) override { return Log("box pre", msg->message); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        Log("box got", message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) override {
        if (message == WM_COMMAND && HIWORD(wParam) == kMark) g_log.push_back("box offered");
        *result = 1234;
        return message == WM_CTLCOLORSTATIC && wParam == kMark;
    }
};

class Page : public CPropertyPage {
public:
    Page() : CPropertyPage(IDD_EXPRESSION) {}
    Box box;
    BOOL PreTranslateMessage(MSG* msg) override { return Log("page pre", msg->message) || msg->message == kTaken; }
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_RESULT, box); }
};

class Sheet : public CPropertySheet {
public:
    Sheet() : CPropertySheet(IDS_CAPTION) { AddPage(&page); }
    Page page;
    BOOL PreTranslateMessage(MSG* msg) override { return Log("sheet pre", msg->message); }
};

TEST(Sheet, RoutesMessages) {
    Probed<Sheet> sheet;
    sheet.probe = [&](Sheet& s) {
        HWND box = s.page.box.m_hWnd;  // bound by DDX_Control
        // A parent's notifications are offered to the control's wrapper first.
        EXPECT_EQ(::SendMessageA(s.page.m_hWnd, WM_CTLCOLORSTATIC, kMark, reinterpret_cast<LPARAM>(box)), 1234);
        ::SendMessageA(s.page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_RESULT, kMark), reinterpret_cast<LPARAM>(box));
        // What the wrapper leaves alone reaches the edit control.
        s.page.box.SetWindowText("typed");
        EXPECT_EQ(s.page.box.GetWindowText(), "typed");
        // Queued messages: pre-translated from their window up through its parents, then dispatched.
        ::PostMessageA(box, kPassed, 0, 0);
        ::PostMessageA(box, kTaken, 0, 0);
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(g_log, (std::vector<std::string>{"box offered", "box pre", "page pre", "sheet pre", "box got", "box pre",
                                               "page pre"}));
    EXPECT_EQ(sheet.page.box.m_hWnd, nullptr);  // detached when its window went
}

// Escape in a single-line box (in the multi-line variables box: end to end).
TEST(Sheet, EscapeEndsTheLoop) {
    Probed<Sheet> sheet;
    sheet.probe = [](Sheet& s) { ::PostMessageA(s.page.box.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0); };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
}

TEST(ExpressionPage, EnterRuleHistoryAndTips) {
    const char* key = "Software\\Quandor Technologies\\windows_tests";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key);
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey(kCompanyKey);
    // Up to the stored count, empty entries skipped: the history is sin(45), 2+名前 (UTF-8 throughout).
    app->WriteProfileInt("Expressions", "Count", 3);
    for (auto [name, text] : {std::pair{"1", "sin(45)"}, {"2", ""}, {"3", "2+名前"}, {"4", "9"}}) {
        app->WriteProfileString("Expressions", name, text);
    }
    Probed<CTuvSheet> sheet;
    sheet.probe = [](CTuvSheet& s) {
        CTuvPage1& page = s.m_pageExpression;
        // Enter in the expression box and in the variables box: end to end.
        struct Case { const char* where; int page; HWND focus; WPARAM key; bool evaluates; };
        const Case cases[] = {
            {"New", 0, page.GetDlgItem(IDC_NEW), VK_RETURN, true},
            {"Quit", 0, s.GetDlgItem(IDCANCEL), VK_RETURN, true},
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
        // A paste longer than an edit box's own limit is taken whole.
        std::string ones = "1";
        for (int i = 0; i < 20000; ++i) ones += "+1";
        HGLOBAL clip = ::GlobalAlloc(GMEM_MOVEABLE, ones.size() + 1);
        std::memcpy(::GlobalLock(clip), ones.c_str(), ones.size() + 1);
        ::GlobalUnlock(clip);
        ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::SetClipboardData(CF_TEXT, clip) && ::CloseClipboard());
        page.m_ctlExpression.SetWindowText("");
        page.m_ctlExpression.SendMessage(WM_PASTE);
        page.OnEvaluate();
        EXPECT_EQ(page.m_strResult, "20001");
        for (const char* typed : {" SIN(45) ", "1/0", "c"}) {  // the last two fail
            page.m_ctlExpression.SetWindowText(typed);
            page.OnEvaluate();
        }
        // Each box's tip hides after six seconds.
        for (HWND box : {page.m_ctlExpression.m_hWnd, page.m_ctlVariables.m_hWnd}) {
            EXPECT_EQ(page.m_tip.FindTool(box) ? page.m_tip.FindTool(box)->nSeconds : -1, 6);
        }
        s.PostMessage(WM_COMMAND, IDCANCEL);
    };
    sheet.DoModal();
    EXPECT_EQ(sheet.probe, nullptr) << "the probe never ran";
    std::string stored = std::to_string(app->GetProfileInt("Expressions", "Count", -1));
    for (const char* name : {"1", "3"}) stored += " " + app->GetProfileString("Expressions", name);
    EXPECT_EQ(stored, "3 SIN(45) 2+名前");
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key);
}

// At logon the taskbar may come after the program. The shell refuses the icon (here as it refuses
// one it holds already), and its "TaskbarCreated" enables the tray and brings the start in it,
// unless the user has begun to work meanwhile.
TEST(MainSheet, TrayComesWithALateTaskbar) {
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey(kCompanyKey);
    app->WriteProfileInt("Settings", "Minimize", 1);
    for (bool used : {false, true}) {
        ASSERT_TRUE(theTray.Create(nullptr, kTrayMessage, "Calvo", ::LoadIconA(nullptr, IDI_APPLICATION), IDR_TRAY_MENU));
        Probed<CTuvSheet> sheet;
        app->m_pMainWnd = &sheet;
        sheet.probe = [used](CTuvSheet& s) {
            EXPECT_FALSE(theTray.m_bEnabled);
            EXPECT_TRUE(s.IsWindowVisible()) << "opens as usual";
            MSG key{s.m_hWnd, WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};
            if (used) s.PreTranslateMessage(&key);
            ::Shell_NotifyIconA(NIM_DELETE, &theTray.m_nid);  // the old icon went with the old taskbar
            ::SendMessageA(theTray.m_hWnd, CSystemTray::s_uTaskbarCreated, 0, 0);
            EXPECT_TRUE(theTray.m_bEnabled) << used;
            EXPECT_EQ(s.IsWindowVisible() != 0, used) << "in the tray unless used";
            EXPECT_EQ(theTray.m_bHidden != 0, used) << "the icon only while the window is not shown";
            s.PostMessage(WM_COMMAND, IDCANCEL);
        };
        sheet.DoModal();
        app->m_pMainWnd = nullptr;
        EXPECT_EQ(sheet.probe, nullptr) << "the probe never ran";
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quandor Technologies\\windows_tests");
}

}  // namespace
