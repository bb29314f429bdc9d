#include "message_box.h"

#include "win_app.h"

namespace {
UINT WithDefaultIcon(UINT type) {
    switch (type & MB_TYPEMASK) {
    case MB_OK: case MB_OKCANCEL: case MB_YESNO: case MB_YESNOCANCEL:
        return type & MB_ICONMASK ? type : type | MB_ICONEXCLAMATION;
    default: return type;
    }
}
}  // namespace

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd* main = AfxGetMainWnd();
    HWND owner = main && main->m_hWnd && ::IsWindowVisible(main->m_hWnd) ? main->m_hWnd : nullptr;
    std::string caption = app ? app->m_strTitle : std::string();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), WithDefaultIcon(type));
}

std::string SystemErrorText(DWORD error) {
    char* buffer = nullptr;
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                        FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : std::string();
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    return text;
}
