#include "property_sheet.h"

#include <windows.h>
#include <commctrl.h>

#include "resource_text.h"

namespace {
CPropertySheet* g_creatingSheet = nullptr;
HHOOK g_creationHook = nullptr;
}  // namespace

CPropertySheet::CPropertySheet(UINT captionId, CWnd* parent, UINT selectPage)
    : m_strCaption(LoadResourceString(captionId)), m_pParentWnd(parent), m_nStartPage(selectPage) {}

void CPropertySheet::AddPage(CPropertyPage* page) {
    if (page) m_pages.push_back(page);
}

CPropertyPage* CPropertySheet::GetPage(int index) const {
    return index >= 0 && index < GetPageCount() ? m_pages[static_cast<size_t>(index)] : nullptr;
}

int CPropertySheet::GetActiveIndex() const {
    if (!m_hWnd) return static_cast<int>(m_nStartPage);
    HWND tab = PropSheet_GetTabControl(m_hWnd);
    return tab ? TabCtrl_GetCurSel(tab) : -1;
}

CPropertyPage* CPropertySheet::GetActivePage() const { return GetPage(GetActiveIndex()); }

BOOL CPropertySheet::SetActivePage(int index) {
    if (!GetPage(index)) return FALSE;
    if (!m_hWnd) {
        m_nStartPage = static_cast<UINT>(index);
        return TRUE;
    }
    return PropSheet_SetCurSel(m_hWnd, nullptr, index);
}

LRESULT CALLBACK CPropertySheet::CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    // The first window PropertySheet creates is the sheet itself: take it over before it gets
    // WM_INITDIALOG, so that OnInitDialog runs after the sheet's own initialisation.
    if (code == HCBT_CREATEWND && g_creatingSheet) {
        CPropertySheet* sheet = g_creatingSheet;
        g_creatingSheet = nullptr;
        sheet->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return ::CallNextHookEx(g_creationHook, code, wParam, lParam);
}

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd || m_pages.empty()) return -1;

    std::vector<PROPSHEETPAGEA> pages;
    for (CPropertyPage* page : m_pages) pages.push_back(page->PageDescription());

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof(header);
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_HASHELP;
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    header.hwndParent = parent;
    header.hInstance = ::GetModuleHandleA(nullptr);
    header.pszCaption = m_strCaption.c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = m_nStartPage < pages.size() ? m_nStartPage : 0;
    header.ppsp = pages.data();

    g_creatingSheet = this;
    g_creationHook = ::SetWindowsHookExA(WH_CBT, &CPropertySheet::CreationHook, nullptr, ::GetCurrentThreadId());
    HWND sheet = reinterpret_cast<HWND>(::PropertySheetA(&header));
    if (g_creationHook) ::UnhookWindowsHookEx(g_creationHook);
    g_creationHook = nullptr;
    g_creatingSheet = nullptr;
    if (!sheet) return -1;
    if (!m_hWnd) SubclassWindow(sheet);  // no hook: at least route the messages from now on

    if (parent) ::EnableWindow(parent, FALSE);
    INT_PTR result = RunModalLoop();
    if (parent) {
        ::EnableWindow(parent, TRUE);
        ::SetActiveWindow(parent);
    }
    DestroyWindow();
    return result;
}

INT_PTR CPropertySheet::RunModalLoop() {
    MSG msg;
    while (m_hWnd && PropSheet_GetCurrentPageHwnd(m_hWnd) != nullptr) {
        // Unicode messages: a typed letter beyond the 8-bit code page arrives whole.
        BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave WM_QUIT for whoever runs next
            return IDCANCEL;
        }
        if (got < 0) return -1;
        if (WalkPreTranslateTree(m_hWnd, &msg)) continue;
        if (PropSheet_IsDialogMessage(m_hWnd, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    // The sheet keeps the button that ended it.
    LRESULT result = m_hWnd ? ::SendMessageA(m_hWnd, PSM_GETRESULT, 0, 0) : 0;
    return result > 0 ? IDOK : IDCANCEL;
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CPropertySheet::OnInitDialog() { return static_cast<BOOL>(Default()); }
