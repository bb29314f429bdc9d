#include "tuv_sheet.h"

#include "hotkey_dialog.h"
#include "resource.h"
#include "win_app.h"

CSystemTray theTray;

namespace {
constexpr int kApplyButton = 12321;  // the sheet's Apply Now button
constexpr int kHotkeyId = 1;
constexpr UINT kNoRepeat = 0x4000;  // MOD_NOREPEAT (Windows 7 on): a key held down fires once

// A tray option as stored now: another copy of the program may have changed it meanwhile.
int StoredOption(const char* name) { return AfxGetApp()->GetProfileInt("Settings", name, 0); }

// Icon 129 drawn for `width` × `height`: the icon holds images for every usual size and scaling,
// where one image shrunk or stretched would blur.
HICON LoadProgramIcon(int width, int height) {
    return static_cast<HICON>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TUV), IMAGE_ICON, width, height, 0));
}
}  // namespace

CTuvSheet::CTuvSheet(CWnd* parent)
    : CPropertySheet(IDS_CAPTION, parent, 0), m_hIcon(nullptr), m_hSmallIcon(nullptr), m_bRunAtStart(0), m_bMinimize(0) {
    AddPage(&m_pageExpression);
    AddPage(&m_pageAbout);
    m_hIcon = LoadProgramIcon(::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
    m_hSmallIcon = LoadProgramIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
    m_bMinimize = StoredOption("Minimize");
    m_bRunAtStart = StoredOption("Run At Start");
}

CTuvSheet::~CTuvSheet() {
    // The window and the tray icon that showed them are gone by now.
    for (HICON icon : {m_hIcon, m_hSmallIcon})
        if (icon) ::DestroyIcon(icon);
}

BOOL CTuvSheet::OnInitDialog() {
    BOOL result = CPropertySheet::OnInitDialog();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hSmallIcon));
    RearrangeButtons();

    // Without a taskbar yet the window opens as usual; OnTrayEnabled does the rest once it comes.
    if (!theTray.Create(nullptr, kTrayMessage, "Calvo", m_hSmallIcon, IDR_TRAY_MENU)) return -1;
    theTray.SetDefaultMenuItem(0, TRUE);
    theTray.HideIcon();
    // A hotkey another program holds is said in its dialog only: nothing interrupts the start.
    m_hotkey = HotkeyFromStored(static_cast<DWORD>(AfxGetApp()->GetProfileInt("Settings", "Hotkey", kDefaultHotkey)));
    m_bHotkeyRefused = !RegisterHotkey(m_hotkey);
    if (StoredOption("Minimize")) PostMessage(WM_COMMAND, IDOK, 0);
    return result;
}

void CTuvSheet::OnTrayEnabled() {
    theTray.SetDefaultMenuItem(0, TRUE);
    // The start in the tray comes late, but only while the user has not begun to work.
    if (StoredOption("Minimize") && !m_bUsed) SendToTray();
    else if (IsWindowVisible()) theTray.HideIcon();
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
    switch (msg->message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: m_bUsed = true; break;
    default: break;
    }
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN && GetActivePage() == &m_pageExpression &&
        m_pageExpression.m_hWnd && ::GetFocus() != m_pageExpression.m_ctlVariables.m_hWnd) {
        // Posted, as a click would arrive: the key-down is over before the evaluation starts.
        m_pageExpression.PostMessage(WM_COMMAND, MAKEWPARAM(IDC_EVALUATE, BN_CLICKED), 0);
        return TRUE;
    }
    return CPropertySheet::PreTranslateMessage(msg);
}

LRESULT CTuvSheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // "&Tray" is the sheet's OK button: it must never end the sheet.
    if (message == WM_COMMAND && wParam == IDOK) {
        SendToTray();
        return 0;
    }
    if (message == kTrayEnabledMessage) {
        OnTrayEnabled();
        return 0;
    }
    if (message == WM_HOTKEY && wParam == kHotkeyId) {
        OnHotkey();
        return 0;
    }
    return CPropertySheet::WindowProc(message, wParam, lParam);
}

void CTuvSheet::SendToTray() {
    if (!theTray.m_bEnabled) {
        ShowWindow(SW_MINIMIZE);
        return;
    }
    theTray.ShowIcon();
    ShowWindow(SW_HIDE);
}

BOOL CTuvSheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case ID_SHOW: OnShow(); return TRUE;
    case ID_APP_ABOUT: OnAbout(); return TRUE;
    case ID_MINIMIZE_AT_START: OnMinimizeAtStart(); return TRUE;
    case ID_RUN_AT_START: OnRunAtStart(); return TRUE;
    case ID_HOTKEY: OnHotkeySettings(); return TRUE;
    case ID_APP_EXIT: OnExit(); return TRUE;
    case IDC_HELP_TEXT:
        if (HIWORD(wParam) == BN_CLICKED) {
            OnHelpText();
            return TRUE;
        }
        break;
    default: break;
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CTuvSheet::OnDestroy() {
    ::UnregisterHotKey(m_hWnd, kHotkeyId);
    theTray.DeleteIcon();
    CPropertySheet::OnDestroy();
}

void CTuvSheet::OnShow() {
    ShowWindow(SW_SHOW);
    theTray.HideIcon();
}

void CTuvSheet::OnAbout() {
    OnShow();
    SetActivePage(1);
}

void CTuvSheet::OnHotkey() {
    if (IsWindowVisible() && !::IsIconic(m_hWnd) && ::GetForegroundWindow() == m_hWnd) {
        SendToTray();
        return;
    }
    OnShow();
    if (::IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
    // While one of its dialogs is open, that dialog is what comes to the front.
    if (HWND popup = ::GetLastActivePopup(m_hWnd); popup != m_hWnd) {
        ::SetForegroundWindow(popup);
        return;
    }
    SetActivePage(0);
    ::SetForegroundWindow(m_hWnd);
    // Typing replaces the expression.
    ::SetFocus(m_pageExpression.m_ctlExpression.m_hWnd);
    m_pageExpression.m_ctlExpression.SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

bool CTuvSheet::RegisterHotkey(Hotkey hotkey) {
    ::UnregisterHotKey(m_hWnd, kHotkeyId);
    return hotkey.key == 0 || ::RegisterHotKey(m_hWnd, kHotkeyId, hotkey.modifiers | kNoRepeat, hotkey.key);
}

void CTuvSheet::OnHotkeySettings() {
    // The tray's menu works while a dialog of ours is open: that one comes to the front instead.
    if (HWND popup = ::GetLastActivePopup(m_hWnd); popup != m_hWnd) {
        ::SetForegroundWindow(popup);
        return;
    }
    // Unregistered while the dialog is open, so that its box can take the same keys.
    RegisterHotkey({});
    CHotkeyDialog dialog(m_hotkey, m_bHotkeyRefused, [this](Hotkey chosen) { return RegisterHotkey(chosen); });
    if (dialog.DoModal(m_hWnd) == IDOK) {
        m_hotkey = dialog.m_hotkey;
        m_bHotkeyRefused = false;
        AfxGetApp()->WriteProfileInt("Settings", "Hotkey", static_cast<int>(StoredHotkey(m_hotkey)));
    } else if (m_hWnd) {
        m_bHotkeyRefused = !RegisterHotkey(m_hotkey);
    }
}

// As "&Quit" does.
void CTuvSheet::OnExit() { PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL, 0); }

// Each option flips what its check mark showed: the stored value, not this copy's last one.
void CTuvSheet::OnMinimizeAtStart() {
    m_bMinimize = !StoredOption("Minimize");
    AfxGetApp()->WriteProfileInt("Settings", "Minimize", m_bMinimize);
}

void CTuvSheet::OnRunAtStart() {
    m_bRunAtStart = !StoredOption("Run At Start");
    AfxGetApp()->WriteProfileInt("Settings", "Run at start", m_bRunAtStart);
    ApplyRunAtStart();
}

void CTuvSheet::OnUpdateMinimizeAtStart(HMENU menu) {
    m_bMinimize = StoredOption("Minimize");
    ::CheckMenuItem(menu, ID_MINIMIZE_AT_START, MF_BYCOMMAND | (m_bMinimize ? MF_CHECKED : MF_UNCHECKED));
}

void CTuvSheet::OnUpdateRunAtStart(HMENU menu) {
    m_bRunAtStart = StoredOption("Run At Start");
    ::CheckMenuItem(menu, ID_RUN_AT_START, MF_BYCOMMAND | (m_bRunAtStart ? MF_CHECKED : MF_UNCHECKED));
}
