#include "tuv_sheet.h"

#include "resource.h"
#include "win_app.h"

namespace {
constexpr int kApplyButton = 12321;  // the sheet's Apply Now button
}

CTuvSheet::CTuvSheet(CWnd* parent)
    : CPropertySheet(IDS_CAPTION, parent, 0), m_hIcon(nullptr), m_bRunAtStart(0), m_bMinimize(0) {
    AddPage(&m_pageExpression);
    AddPage(&m_pageAbout);
    CWinApp* app = AfxGetApp();
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TUV));
    m_bMinimize = app->GetProfileInt("Settings", "Minimize", 0);
    m_bRunAtStart = app->GetProfileInt("Settings", "Run At Start", 0);
}

BOOL CTuvSheet::OnInitDialog() {
    BOOL result = CPropertySheet::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    RearrangeButtons();
    return result;
}

void CTuvSheet::RearrangeButtons() {
    // The standard row reads OK, Cancel, Apply, Help; ours reads (empty), Help, Quit, Tray.
    const int ids[4] = {IDOK, IDCANCEL, kApplyButton, IDHELP};
    HWND buttons[4];
    RECT places[4];
    for (int i = 0; i < 4; ++i) {
        buttons[i] = GetDlgItem(ids[i]);
        if (!buttons[i]) return;  // not the row we know: leave it as it is
        ::GetWindowRect(buttons[i], &places[i]);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&places[i]), 2);
    }
    enum { Ok, Cancel, Apply, Help };
    const int moveTo[4] = {Help, Apply, Ok, Cancel};  // OK takes Help's place, and so on
    for (int i = 0; i < 4; ++i) {
        const RECT& place = places[moveTo[i]];
        ::MoveWindow(buttons[i], place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
    }
    ::SetWindowTextA(buttons[Ok], "&Tray");
    ::SetWindowTextA(buttons[Cancel], "&Quit");
    ::SetWindowTextA(buttons[Help], "&Help");
    ::ShowWindow(buttons[Apply], SW_HIDE);
    // A new id takes Help's clicks away from the sheet's own help.
    ::SetWindowLongPtrA(buttons[Help], GWLP_ID, IDC_HELP_TEXT);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CTuvSheet::PreTranslateMessage(MSG* msg) {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && GetActivePage() == &m_pageExpression &&
        m_pageExpression.m_hWnd && ::GetFocus() != m_pageExpression.m_ctlVariables.m_hWnd) {
        // Posted, as a click would arrive: the key-down is over before the evaluation starts.
        m_pageExpression.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_EVALUATE, BN_CLICKED), 0);
        return TRUE;
    }
    return CPropertySheet::PreTranslateMessage(msg);
}

LRESULT CTuvSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // "&Tray" is the sheet's OK button: it must never end the sheet. Sending the window to the
    // tray comes with the tray icon; until then the click is taken and does nothing.
    if (message == WM_COMMAND && wParam == IDOK) return 0;
    return CPropertySheet::WindowProc(message, wParam, lParam);
}
