#include "system_tray.h"

#include <cstring>

#include "resource.h"
#include "win_app.h"

const UINT CSystemTray::s_uTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

namespace {
// The shell announces a new taskbar from its own, lower integrity level: a program started
// elevated would never hear of it. Looked up at run time: Windows 7 and later have it.
void AllowTaskbarCreated(HWND window) {
    using Filter = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    auto filter = reinterpret_cast<Filter>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx")));
    if (filter && window) filter(window, CSystemTray::s_uTaskbarCreated, 1 /* MSGFLT_ALLOW */, nullptr);
}
}  // namespace

CSystemTray::CSystemTray() { std::memset(&m_nid, 0, sizeof(m_nid)); }

CSystemTray::~CSystemTray() {
    DeleteIcon();
    DestroyWindow();
}

BOOL CSystemTray::Create(CWnd* parent, UINT callbackMessage, const char* tip, HICON icon, UINT id) {
    if (LOBYTE(LOWORD(::GetVersion())) < 4) {
        m_bEnabled = FALSE;
        return FALSE;
    }
    if (!m_hWnd) {
        CreateEx(0, RegisterClassOnce(0, nullptr, nullptr, nullptr), "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
        AllowTaskbarCreated(m_hWnd);
    }
    m_nid.cbSize = kNotifyIconDataSize;
    m_nid.hWnd = parent && parent->m_hWnd ? parent->m_hWnd : m_hWnd;
    m_nid.uID = id;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.hIcon = icon;
    m_nid.uCallbackMessage = callbackMessage;
    // The field holds 63 characters and the terminator; a longer tip is cut, never overrun.
    std::strncpy(m_nid.szTip, tip, 63);
    m_nid.szTip[63] = '\0';
    m_bEnabled = ::Shell_NotifyIconA(NIM_ADD, &m_nid);
    m_bAwaitingTaskbar = !m_bEnabled;
    return m_bEnabled;
}

BOOL CSystemTray::Notify(DWORD operation, UINT flags) {
    m_nid.uFlags = flags;
    return ::Shell_NotifyIconA(operation, &m_nid);
}

void CSystemTray::HideIcon() {
    if (!m_bEnabled || m_bHidden) return;
    Notify(NIM_DELETE, NIF_ICON);
    m_bHidden = TRUE;
}

void CSystemTray::ShowIcon() {
    if (!m_bEnabled || !m_bHidden) return;
    Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    m_bHidden = FALSE;
}

void CSystemTray::DeleteIcon() {
    m_bAwaitingTaskbar = FALSE;
    if (!m_bEnabled) return;
    Notify(NIM_DELETE, 0);
    m_bEnabled = FALSE;
}

HMENU CSystemTray::LoadTrayMenu(HMENU& menu) const {
    menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nid.uID));
    HMENU submenu = menu ? ::GetSubMenu(menu, 0) : nullptr;
    if (menu && !submenu) {
        ::DestroyMenu(menu);
        menu = nullptr;
    }
    return submenu;
}

BOOL CSystemTray::SetDefaultMenuItem(UINT item, BOOL byPosition) {
    if (item == m_uDefaultItem && byPosition == m_bDefaultByPosition) return TRUE;
    m_uDefaultItem = item;
    m_bDefaultByPosition = byPosition;
    HMENU menu = nullptr;
    HMENU submenu = LoadTrayMenu(menu);
    if (!submenu) return FALSE;
    ::SetMenuDefaultItem(submenu, m_uDefaultItem, m_bDefaultByPosition);
    ::DestroyMenu(menu);
    return TRUE;
}

LRESULT CSystemTray::OnTrayMessage(WPARAM wParam, LPARAM lParam) {
    CWnd* main = AfxGetMainWnd();
    if (wParam != m_nid.uID || !main) return 0;
    HWND target = main->m_hWnd;
    HMENU menu = nullptr;
    switch (LOWORD(lParam)) {
    case WM_RBUTTONUP: {
        HMENU submenu = LoadTrayMenu(menu);
        if (!submenu) return 0;
        ::SetMenuDefaultItem(submenu, m_uDefaultItem, m_bDefaultByPosition);
        CWinApp* app = AfxGetApp();
        if (app->GetProfileInt("Settings", "Run At Start", 0)) ::CheckMenuItem(submenu, ID_RUN_AT_START, MF_CHECKED);
        if (app->GetProfileInt("Settings", "Minimize", 0)) ::CheckMenuItem(submenu, ID_MINIMIZE_AT_START, MF_CHECKED);
        POINT pointer;
        ::GetCursorPos(&pointer);
        ::SetForegroundWindow(target);
        ::TrackPopupMenu(submenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, pointer.x, pointer.y, 0, target, nullptr);
        // The menu closes properly only once its owner has seen another message.
        ::PostMessageA(target, WM_NULL, 0, 0);
        ::DestroyMenu(menu);
        return 1;
    }
    case WM_LBUTTONDBLCLK: {
        ::SetForegroundWindow(target);
        UINT command = m_uDefaultItem;
        if (m_bDefaultByPosition) {
            HMENU submenu = LoadTrayMenu(menu);
            if (!submenu) return 0;
            command = ::GetMenuItemID(submenu, static_cast<int>(m_uDefaultItem));
        }
        ::SendMessageA(target, WM_COMMAND, command, 0);
        if (menu) ::DestroyMenu(menu);
        return 1;
    }
    default:
        return 1;
    }
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == m_nid.uCallbackMessage && message != 0) return OnTrayMessage(wParam, lParam);
    if (message == s_uTaskbarCreated) {
        m_nid.cbSize = kNotifyIconDataSize;
        if (Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP) && m_bAwaitingTaskbar) {
            m_bAwaitingTaskbar = FALSE;
            m_bEnabled = TRUE;
            m_bHidden = FALSE;
            if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd) main->SendMessage(kTrayEnabledMessage);
        }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
