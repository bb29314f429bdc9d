// The framework in a real property sheet of the program's two pages, with the framework's own
// classes: how a message travels, how data is exchanged, and every way the modal loop ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "property_sheet.h"
#include "resource.h"

namespace {

std::vector<std::string> g_log;
constexpr UINT kPassed = WM_APP, kTaken = WM_APP + 1;  // posted to the box; the page takes the second
constexpr WORD kMark = 0x7777;                          // a notification and colour request no control sends

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
    std::string text = "from member";
    int check = 1;
    BOOL PreTranslateMessage(MSG* msg) override { return Log("page pre", msg->message) || msg->message == kTaken; }
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_RESULT, box);
        DDX_Text(dx, IDC_RESULT, text);
        DDX_Check(dx, IDC_DETAILS, check);
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (HIWORD(wParam) == kMark) g_log.push_back("page command");
        return CPropertyPage::OnCommand(wParam, lParam);
    }
};

class Sheet : public CPropertySheet {
public:
    explicit Sheet(std::function<void(Sheet&)> init) : CPropertySheet(IDS_CAPTION), onInit(std::move(init)) {
        AddPage(&page);
        AddPage(&about);
    }
    Page page;
    CPropertyPage about{IDD_ABOUT};
    std::function<void(Sheet&)> onInit;
    BOOL PreTranslateMessage(MSG* msg) override { return Log("sheet pre", msg->message); }
    BOOL OnInitDialog() override {
        BOOL result = CPropertySheet::OnInitDialog();
        onInit(*this);
        return result;
    }
};

TEST(Sheet, RoutesMessagesAndExchangesData) {
    g_log.clear();
    std::string seen;
    Sheet sheet([&](Sheet& s) {
        HWND box = s.page.box.m_hWnd, check = s.page.GetDlgItem(IDC_DETAILS);  // box: bound by DDX_Control
        // A parent's notifications are offered to the control's wrapper first.
        LRESULT colour = ::SendMessageA(s.page.m_hWnd, WM_CTLCOLORSTATIC, kMark, reinterpret_cast<LPARAM>(box));
        ::SendMessageA(s.page.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_RESULT, kMark), reinterpret_cast<LPARAM>(box));
        seen = s.page.box.GetWindowText() + " " + std::to_string(::SendMessageA(check, BM_GETCHECK, 0, 0)) + " " +
               std::to_string(colour);
        // Queued messages: pre-translated from their window up through its parents, then dispatched.
        ::PostMessageA(box, kPassed, 0, 0);
        ::PostMessageA(box, kTaken, 0, 0);
        // What the wrapper leaves alone reaches the edit control; leaving the page reads it back.
        s.page.box.SetWindowText("typed");
        ::SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
        s.SetActivePage(1);
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, "from member 1 1234");
    EXPECT_EQ(sheet.page.text + " " + std::to_string(sheet.page.check), "typed 0");
    EXPECT_EQ(g_log, (std::vector<std::string>{"box offered", "page command", "box pre", "page pre", "sheet pre",
                                               "box got", "box pre", "page pre"}));
    EXPECT_EQ(sheet.page.box.m_hWnd, nullptr);  // detached when its window went
}

TEST(Sheet, EveryWayOfCancellingEndsTheLoop) {
    const std::pair<const char*, std::function<void(Sheet&)>> cases[] = {
        {"Cancel", [](Sheet& s) { s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL); }},
        {"Escape", [](Sheet& s) { ::PostMessageA(s.page.box.m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Escape in a multi-line box",
         [](Sheet& s) { ::PostMessageA(s.page.GetDlgItem(IDC_VARIABLES), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](Sheet& s) { s.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    };
    for (const auto& [what, end] : cases) {
        Sheet sheet(end);
        EXPECT_EQ(sheet.DoModal(), IDCANCEL) << what;
        EXPECT_EQ(sheet.m_hWnd, nullptr) << what;
    }
}

}  // namespace
