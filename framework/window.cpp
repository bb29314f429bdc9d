#include "window.h"

#include <map>
#include <set>
#include <string>

namespace {

// One user-interface thread: a plain map is enough.
std::map<HWND, CWnd*>& Handles() {
    static std::map<HWND, CWnd*> handles;
    return handles;
}

}  // namespace

CWnd::~CWnd() {
    if (m_hWnd && ::IsWindow(m_hWnd)) {
        if (m_pfnSuper) {
            UnsubclassWindow();
        } else {
            Detach();
        }
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    auto found = Handles().find(hWnd);
    return found == Handles().end() ? nullptr : found->second;
}

void CWnd::Attach(HWND hWnd) {
    m_hWnd = hWnd;
    Handles()[hWnd] = this;
}

void CWnd::Detach() {
    if (m_hWnd) Handles().erase(m_hWnd);
    m_hWnd = nullptr;
}

bool CWnd::SubclassWindow(HWND hWnd) {
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd)) return false;
    Attach(hWnd);
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc)));
    if (!m_pfnSuper) {
        Detach();
        return false;
    }
    return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
    HWND hWnd = m_hWnd;
    if (hWnd && m_pfnSuper) {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    Detach();
    return hWnd;
}

namespace {
CWnd* g_creating = nullptr;
}

const char* CWnd::RegisterClassOnce(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    // One class per combination, as the classes differ only in these four; the names live as
    // long as the program, so callers may keep them.
    static std::set<std::string> names;
    char name[96];
    wsprintfA(name, "TuvWnd:%x:%p:%p:%p", classStyle, cursor, background, icon);
    auto [stored, added] = names.insert(name);
    if (added) {
        WNDCLASSA wc{};
        wc.style = classStyle;
        wc.lpfnWndProc = &CWnd::CreationWndProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.hCursor = cursor;
        wc.hbrBackground = background;
        wc.hIcon = icon;
        wc.lpszClassName = stored->c_str();
        if (!::RegisterClassA(&wc)) {
            names.erase(stored);
            return nullptr;
        }
    }
    return stored->c_str();
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu) {
    if (m_hWnd || !className) return false;
    g_creating = this;
    HWND hWnd = ::CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent, menu,
                                  ::GetModuleHandleA(nullptr), nullptr);
    g_creating = nullptr;
    return hWnd != nullptr && m_hWnd == hWnd;
}

LRESULT CALLBACK CWnd::CreationWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* creating = g_creating;
    if (!creating) return ::DefWindowProcA(hWnd, message, wParam, lParam);
    g_creating = nullptr;
    creating->Attach(hWnd);
    // This first message (WM_NCCREATE, with the title) comes in the class's ANSI form and gets the
    // ANSI default; read as UTF-16 the title would be garbage, read past its end. The Unicode
    // procedure, as for every subclassed window, takes over once it has been handled.
    creating->m_pfnSuper = &::DefWindowProcA;
    const LRESULT result = StdWndProc(hWnd, message, wParam, lParam);
    creating->m_pfnSuper = &::DefWindowProcW;
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StdWndProc));
    return result;
}

LRESULT CALLBACK CWnd::StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (!wnd) return ::DefWindowProcW(hWnd, message, wParam, lParam);

    MSG current{hWnd, message, wParam, lParam, 0, {0, 0}};
    const MSG* outer = wnd->m_currentMsg;
    wnd->m_currentMsg = &current;
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->m_currentMsg = outer;

    if (message == WM_NCDESTROY) {
        // The window is gone: put the old procedure back and detach the object.
        WNDPROC super = wnd->m_pfnSuper;
        wnd->m_pfnSuper = nullptr;
        if (super) ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
        wnd->Detach();
    }
    return result;
}

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:  // lParam is null for menus and accelerators
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        child = reinterpret_cast<HWND>(lParam);
        break;
    default:
        return FALSE;
    }
    CWnd* wnd = child ? FromHandlePermanent(child) : nullptr;
    return wnd && wnd->OnChildNotify(message, wParam, lParam, result);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT reflected = 0;
    if (ReflectToChild(message, wParam, lParam, &reflected)) return reflected;
    switch (message) {
    case WM_COMMAND:
        if (OnCommand(wParam, lParam)) return 0;
        break;
    case WM_TIMER:
        OnTimer(wParam);
        return 0;
    case WM_DESTROY:
        OnDestroy();
        break;
    default:
        break;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    if (!m_currentMsg) return 0;
    return DefWindowProc(m_currentMsg->message, m_currentMsg->wParam, m_currentMsg->lParam);
}

BOOL CWnd::DestroyWindow() {
    return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }

void CWnd::OnTimer(UINT_PTR) { Default(); }

void CWnd::OnDestroy() {}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void CWnd::SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }

BOOL WalkPreTranslateTree(HWND stop, MSG* msg) {
    for (HWND hWnd = msg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
        if (wnd && wnd->PreTranslateMessage(msg)) return TRUE;
        if (hWnd == stop) break;
    }
    return FALSE;
}
