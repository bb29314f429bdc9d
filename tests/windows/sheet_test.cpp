// The program's sheet run by the framework's modal loop: its button row, the Enter rule, the About
// title's font, the history the page loads and stores, a long paste, Open and the current folder,
// how long its tips stay, the tray when the taskbar comes late, and Cancel's answer.
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

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

TEST(ExpressionPage, EnterRuleHistoryPasteOpenAndTips) {
    const char* key = "Software\\Quandor Technologies\\windows_tests";
    ::SHDeleteKeyA(HKEY_CURRENT_USER, key);
    CWinApp* app = AfxGetApp();
    app->SetRegistryKey(kCompanyKey);
    // Up to the stored count, in its order, empty and too long entries skipped: the history is sin(45), 2+名前, 9
    // (UTF-8 throughout).
    app->WriteProfileInt("Expressions", "Count", 5);
    const std::string tooLong(30001, '7');
    for (auto [name, text] : {std::pair{"1", "sin(45)"}, {"2", ""}, {"3", "2+名前"}, {"4", tooLong.c_str()}, {"5", "9"}, {"6", "8"}}) {
        app->WriteProfileString("Expressions", name, text);
    }
    Probed<CTuvSheet> sheet;
    sheet.probe = [](CTuvSheet& s) {
        CTuvPage1& page = s.m_pageExpression;
        // Enter in the expression box and in the variables box: end to end.
        for (auto [where, onPage, focus, pressed, evaluates] :
             {std::tuple{"New", 0, page.GetDlgItem(IDC_NEW), VK_RETURN, true}, {"Quit", 0, s.GetDlgItem(IDCANCEL), VK_RETURN, true},
              {"another key", 0, page.GetDlgItem(IDC_NEW), 'A', false}, {"About page", 1, s.GetDlgItem(IDCANCEL), VK_RETURN, false}}) {
            s.SetActivePage(onPage);
            ::SetFocus(focus);
            ASSERT_EQ(::GetFocus(), focus) << where;
            MSG key{focus, WM_KEYDOWN, static_cast<WPARAM>(pressed), 0, 0, {0, 0}}, posted{};
            EXPECT_EQ(s.PreTranslateMessage(&key) != 0, evaluates) << where;
            // The evaluation comes as a click, posted, so that the key-down is over first.
            bool clicked = ::PeekMessageA(&posted, page.m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE) &&
                           posted.wParam == MAKEWPARAM(IDC_EVALUATE, BN_CLICKED);
            EXPECT_EQ(clicked, evaluates) << where;
        }
        // The button row as the user sees it, left to right, the default one starred.
        std::map<LONG, std::string> row;  // by their left edges
        for (HWND button = nullptr; (button = ::FindWindowExA(s.m_hWnd, button, "Button", nullptr));) {
            RECT place{};
            char text[32] = "(empty)";
            ::GetWindowRect(button, &place);
            if (::IsWindowVisible(button)) ::GetWindowTextA(button, text, sizeof(text));
            const bool isDefault = ::GetDlgCtrlID(button) == LOWORD(s.SendMessage(DM_GETDEFID));
            row[place.left] = text + std::string(isDefault ? "*" : "");
        }
        std::string texts;
        for (const auto& [left, text] : row) texts += text + " ";
        EXPECT_EQ(texts, "(empty) &Help &Quit &Tray* ");
        LOGFONTA title{};  // the About page's, which the last row showed
        ::GetObjectA(reinterpret_cast<HFONT>(s.m_pageAbout.m_ctlTitle.SendMessage(WM_GETFONT)), sizeof(title), &title);
        EXPECT_EQ(std::string(title.lfFaceName) + " " + std::to_string(title.lfHeight) + " " + std::to_string(title.lfWeight), "Arial 20 700");
        for (const char* typed : {" SIN(45) ", "1/0", "c"}) {  // the last two fail
            page.m_ctlExpression.SetWindowText(typed);
            page.OnEvaluate();
        }
        EXPECT_EQ(page.m_ctlExpression.SendMessage(CB_GETCURSEL), 0) << "the entry evaluated last";
        // A paste longer than an edit box's own limit is taken whole, evaluated, and not kept.
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
        // Open, the dialog answered as a user would: the file is read, and the dialog has not left
        // the program in a folder of its choosing (which could then not be removed nor ejected).
        namespace fs = std::filesystem;
        const std::string file = (fs::temp_directory_path() / "calvo-open.txt").string(), before = fs::current_path().string();
        std::ofstream(file) << "a=1";
        // Answered again until it is over: a dialog found early may not have its file name box yet.
        std::atomic<bool> over = false;
        std::thread user([&] {
            for (int i = 0; i < 600 && !over; ++i, ::Sleep(100)) {
                HWND dialog = ::FindWindowA("#32770", "Open");
                if (::IsWindowVisible(dialog) && ::SetDlgItemTextA(dialog, 1148, file.c_str())) ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            }
        });
        page.OnOpen();
        over = true;
        user.join();
        EXPECT_EQ(page.m_ctlVariables.GetWindowText() + " in " + fs::current_path().string(), "a=1 in " + before);
        ::DeleteFileA(file.c_str());
        // The tips: none while another program has the focus (no window of ours has it); over a box
        // its tip shows, a right click hides it; shown anew it hides by itself after six seconds.
        // Over the expression box's text the pointer's messages go to its edit field: no tip there.
        const HWND expression = page.m_ctlExpression.m_hWnd, text = ::GetWindow(expression, GW_CHILD), variables = page.m_ctlVariables.m_hWnd;
        for (auto [box, message, focus, shown] : {std::tuple{expression, WM_MOUSEMOVE, HWND{}, false}, {text, WM_MOUSEMOVE, text, false},
                                                  {expression, WM_MOUSEMOVE, text, true}, {expression, WM_RBUTTONDOWN, text, false},
                                                  {variables, WM_MOUSEMOVE, text, true}}) {
            RECT place{};
            ::GetWindowRect(box, &place);
            ::SetFocus(focus);
            const MSG event{box, static_cast<UINT>(message), 0, 0, 0, {place.left + 5, place.top + 5}};
            page.m_tip.RelayEvent(&event);
            EXPECT_EQ(page.m_tip.IsWindowVisible() != 0, shown) << std::hex << message << " with the focus at " << focus;
        }
        const DWORD shownAt = ::GetTickCount();
        for (MSG msg; page.m_tip.IsWindowVisible() && ::GetTickCount() - shownAt < 15000;)
            if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT), ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
        EXPECT_TRUE(::GetTickCount() - shownAt >= 5500 && !page.m_tip.IsWindowVisible()) << ::GetTickCount() - shownAt << " ms";
        EXPECT_EQ(page.m_tip.FindTool(page.m_ctlExpression.m_hWnd)->nSeconds, 6);
        s.PostMessage(WM_COMMAND, IDCANCEL);
    };
    sheet.DoModal();
    EXPECT_EQ(sheet.probe, nullptr) << "the probe never ran";
    std::string stored = std::to_string(app->GetProfileInt("Expressions", "Count", -1));
    for (const char* name : {"1", "2", "3"}) stored += " " + app->GetProfileString("Expressions", name);
    EXPECT_EQ(stored, "3 SIN(45) 2+名前 9");
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
        EXPECT_EQ(sheet.DoModal(), IDCANCEL);  // as Quit, Escape and the close box end it
        app->m_pMainWnd = nullptr;
        EXPECT_EQ(sheet.probe, nullptr) << "the probe never ran";
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\Quandor Technologies\\windows_tests");
}

}  // namespace
