#include "message_box.h"

#include "win_app.h"

UINT WithDefaultIcon(UINT type) {
    if ((type & MB_ICONMASK) != 0) return type;
    switch (type & MB_TYPEMASK) {
    case MB_OK:
    case MB_OKCANCEL:
    case MB_YESNO:
    case MB_YESNOCANCEL:
        return type | MB_ICONEXCLAMATION;
    default:
        return type;
    }
}

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->m_hWnd && ::IsWindowVisible(main->m_hWnd) ? main->m_hWnd : nullptr;
    std::string caption = app ? app->m_strTitle : std::string();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), WithDefaultIcon(type));
}
