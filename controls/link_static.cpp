#include "link_static.h"

#include <shellapi.h>

#include "message_box.h"
#include "registry_text.h"

CLinkStatic::CLinkStatic() : m_crHover(::GetSysColor(COLOR_HIGHLIGHT)) {}

CLinkStatic::~CLinkStatic() {
    if (m_font) ::DeleteObject(m_font);
    if (m_hHandCursor) ::DestroyCursor(m_hHandCursor);
}

void CLinkStatic::PreSubclassWindow() {
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | SS_NOTIFY);
    if (m_strUrl.empty()) m_strUrl = GetWindowText();
    if (GetWindowText().empty()) SetWindowText(m_strUrl);

    LOGFONTA font{};
    ::GetObjectA(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)), sizeof(font), &font);
    font.lfUnderline = static_cast<BYTE>(m_bUnderline);
    m_font = ::CreateFontIndirectA(&font);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);

    FitWindowToText();
    LoadHandCursor();

    m_tipCtrl.Create(this, 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    m_tipCtrl.AddTool(m_hWnd, m_strUrl, client, 1);
}

void CLinkStatic::SetUrl(const std::string& url) {
    m_strUrl = url;
    if (!m_hWnd) return;
    FitWindowToText();
    m_tipCtrl.UpdateTipText(m_strUrl, m_hWnd, 1);
}

void CLinkStatic::MarkVisited(BOOL visited) {
    m_bVisited = visited;
    if (m_hWnd) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

BOOL CLinkStatic::PreTranslateMessage(MSG* msg) {
    if (m_tipCtrl.m_hWnd) m_tipCtrl.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

RECT FitRectToText(RECT rect, SIZE text, DWORD style) {
    if (style & SS_CENTERIMAGE) {
        int d = (rect.bottom - rect.top - text.cy) / 2;
        rect.top += d;
        rect.bottom -= d;
    } else {
        rect.bottom = rect.top + text.cy;
    }
    DWORD align = style & SS_TYPEMASK;
    if (align == SS_CENTER) {
        int d = (rect.right - rect.left - text.cx) / 2;
        rect.left += d;
        rect.right -= d;
    } else if (align == SS_RIGHT) {
        rect.left = rect.right - text.cx;
    } else {
        rect.right = rect.left + text.cx;
    }
    return rect;
}

void CLinkStatic::FitWindowToText() {
    if (!m_hWnd || !m_bFitToText) return;
    RECT rect;
    ::GetWindowRect(m_hWnd, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(m_hWnd), reinterpret_cast<POINT*>(&rect), 2);
    std::string text = GetWindowText();
    SIZE size{};
    HDC dc = ::GetDC(m_hWnd);
    HGDIOBJ old = ::SelectObject(dc, m_font);
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(m_hWnd, dc);
    rect = FitRectToText(rect, size, static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE)));
    ::SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkStatic::LoadHandCursor() {
    if (m_hHandCursor) return;
    std::string folder(::GetWindowsDirectoryA(nullptr, 0), '\0');
    folder.resize(::GetWindowsDirectoryA(folder.data(), static_cast<UINT>(folder.size())));
    if (!folder.empty()) {
        std::string path = folder + "\\winhlp32.exe";
        if (HMODULE module = ::LoadLibraryA(path.c_str())) {
            if (HCURSOR hand = ::LoadCursorA(module, MAKEINTRESOURCEA(106))) m_hHandCursor = ::CopyIcon(hand);
            ::FreeLibrary(module);
        }
    }
    // Current systems (and Wine) no longer carry that pointer: the system's own hand then.
    if (!m_hHandCursor) {
        if (HCURSOR hand = ::LoadCursorA(nullptr, IDC_HAND)) m_hHandCursor = ::CopyIcon(hand);
    }
}

void CLinkStatic::Redraw() { ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

LRESULT CLinkStatic::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR) {
        if (!m_hHandCursor) return FALSE;
        ::SetCursor(m_hHandCursor);
        return TRUE;
    }
    if (message == WM_MOUSEMOVE) {
        LRESULT result = CStatic::WindowProc(message, wParam, lParam);
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        if (!m_bHover) {
            m_bHover = TRUE;
            Redraw();
            ::SetCapture(m_hWnd);
        } else if (!::PtInRect(&client, point)) {
            m_bHover = FALSE;
            ::ReleaseCapture();
            Redraw();
        }
        return result;
    }
    if (message == WM_CAPTURECHANGED && m_bHover) {
        // Something else took the pointer (the failure message, say): the pointer has left.
        m_bHover = FALSE;
        Redraw();
    }
    return CStatic::WindowProc(message, wParam, lParam);
}

BOOL CLinkStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT* result) {
    if (message == WM_CTLCOLORSTATIC) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetTextColor(dc, m_bHover ? m_crHover : m_bVisited ? m_crVisited : m_crLink);
        ::SetBkMode(dc, TRANSPARENT);
        *result = reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
        int opened = OpenUrl(m_strUrl, SW_SHOW);
        m_bVisited = opened > 32;
        if (opened <= 32) {
            ::MessageBeep(MB_ICONEXCLAMATION);
            ShowOpenError(opened);
        } else {
            MarkVisited(TRUE);
        }
        *result = 0;
        return TRUE;
    }
    return FALSE;
}

std::string HandlerCommandLine(const std::string& registered, const std::string& target) {
    std::string command = registered;
    size_t placeholder = command.find("\"%1\"");
    if (placeholder == std::string::npos) placeholder = command.find("%1");
    if (placeholder != std::string::npos) command.erase(placeholder);
    return command + " " + target;
}

int CLinkStatic::OpenUrl(const std::string& url, int showCommand) {
    auto shell = reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", url.c_str(), nullptr, nullptr, showCommand));
    int result = static_cast<int>(shell);
    if (static_cast<UINT_PTR>(shell) > 32) return result;

    std::string handler, command;
    if (ReadRegistryText(HKEY_CLASSES_ROOT, ".htm", nullptr, handler) != ERROR_SUCCESS) return result;
    if (ReadRegistryText(HKEY_CLASSES_ROOT, handler + "\\shell\\open\\command", nullptr, command) != ERROR_SUCCESS)
        return result;
    return static_cast<int>(::WinExec(HandlerCommandLine(command, url).c_str(), static_cast<UINT>(showCommand)));
}

std::string OpenErrorText(int code) {
    switch (code) {
    case 0: return "The operating system is out\nof memory or resources.";
    case SE_ERR_FNF: return "The specified file was not found.";
    case SE_ERR_PNF: return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED: return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM: return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT: return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE: return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE: return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT: return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL: return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
    case SE_ERR_NOASSOC: return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND: return "The specified dynamic-link library was not found.";
    default: return "Unknown Error (" + std::to_string(code) + ") occurred.";
    }
}

void CLinkStatic::ShowOpenError(int code) {
    AfxMessageBox("Unable to open hyperlink:\n\n" + OpenErrorText(code), MB_ICONEXCLAMATION);
}
