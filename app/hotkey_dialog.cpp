#include "hotkey_dialog.h"

#include "resource.h"

namespace {
bool Held(int key) { return (::GetKeyState(key) & 0x8000) != 0; }

UINT HeldModifiers() {
    return (Held(VK_CONTROL) ? MOD_CONTROL : 0) | (Held(VK_MENU) ? MOD_ALT : 0) | (Held(VK_SHIFT) ? MOD_SHIFT : 0) |
           (Held(VK_LWIN) || Held(VK_RWIN) ? MOD_WIN : 0);
}
}  // namespace

void CHotkeyBox::SetHotkey(Hotkey hotkey) {
    m_hotkey = hotkey;
    const std::string text = HotkeyText(hotkey);
    SetWindowText(text);
    SendMessage(EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));  // the caret after it
}

LRESULT CHotkeyBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE: {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        const bool key = msg && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN || msg->message == WM_SYSCHAR);
        // A combination, and anything with Alt (no mnemonic fires from here), is the box's own.
        if (key && (msg->message != WM_KEYDOWN || IsHotkey({HeldModifiers(), static_cast<UINT>(msg->wParam)})))
            return DLGC_WANTALLKEYS;
        return Default();
    }
    case WM_KEYDOWN: case WM_SYSKEYDOWN:
        if (const Hotkey pressed{HeldModifiers(), static_cast<UINT>(wParam)}; IsHotkey(pressed)) SetHotkey(pressed);
        return 0;
    // Nothing is typed, pasted or cut here, and Alt's letters make no beep.
    case WM_CHAR: case WM_SYSCHAR: case WM_PASTE: case WM_CUT: case WM_CLEAR: case WM_UNDO: case WM_CONTEXTMENU: return 0;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

CHotkeyDialog::CHotkeyDialog(Hotkey current, bool refused, std::function<bool(Hotkey)> apply)
    : m_hotkey(current), m_bRefused(refused), m_apply(std::move(apply)) {}

INT_PTR CHotkeyDialog::DoModal(HWND owner) {
    return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_HOTKEY), owner, &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CHotkeyDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // From here on the subclass routes the dialog's messages to its object.
    auto* dialog = reinterpret_cast<CHotkeyDialog*>(lParam);
    if (dialog && dialog->SubclassWindow(hWnd)) dialog->OnInitDialog();
    return TRUE;
}

void CHotkeyDialog::OnInitDialog() {
    ::SetDlgItemTextA(m_hWnd, IDC_HOTKEY_NOW, HotkeyText(m_hotkey).c_str());
    ::SetDlgItemTextA(m_hWnd, IDC_HOTKEY_STATUS, m_bRefused ? kHotkeyTaken : "");
    m_box.SubclassDlgItem(IDC_HOTKEY_BOX, this);
    m_box.SetHotkey(m_hotkey);
}

BOOL CHotkeyDialog::OnCommand(WPARAM wParam, LPARAM) {
    switch (LOWORD(wParam)) {
    case IDC_HOTKEY_NONE:
        m_box.SetHotkey({});
        ::SetFocus(m_box.m_hWnd);
        return TRUE;
    case IDOK:
        if (!m_apply(m_box.m_hotkey)) {
            ::SetDlgItemTextA(m_hWnd, IDC_HOTKEY_STATUS, kHotkeyTaken);
            ::SetFocus(m_box.m_hWnd);
            return TRUE;
        }
        m_hotkey = m_box.m_hotkey;
        ::EndDialog(m_hWnd, IDOK);
        return TRUE;
    case IDCANCEL: ::EndDialog(m_hWnd, IDCANCEL); return TRUE;
    default: return FALSE;
    }
}
