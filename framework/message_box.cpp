#include "message_box.h"

#include "win_app.h"

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->m_hWnd && ::IsWindowVisible(main->m_hWnd) ? main->m_hWnd : nullptr;
    std::string caption = app ? app->m_strTitle : std::string();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}
