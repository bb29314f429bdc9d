#include "property_page.h"

CPropertyPage::CPropertyPage(UINT templateId) : m_psp{} {
    m_psp.dwSize = sizeof(m_psp);
    // The application has a Help command, so every page offers the Help button.
    m_psp.dwFlags = PSP_DEFAULT | PSP_HASHELP;
    m_psp.hInstance = ::GetModuleHandleA(nullptr);
    m_psp.pszTemplate = MAKEINTRESOURCEA(templateId);
    m_psp.pfnDlgProc = &CPropertyPage::DialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
}

INT_PTR CALLBACK CPropertyPage::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // Everything after this message goes through the subclass, so the dialog procedure only
    // has to hand the window to its object.
    auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* page = description ? reinterpret_cast<CPropertyPage*>(description->lParam) : nullptr;
    if (!page || !page->SubclassWindow(hWnd)) return TRUE;
    return page->OnInitDialog();
}

BOOL CPropertyPage::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Escape in a multi-line edit closes the edit's dialog, which is this page: the dialog code
    // then sends the page IDCANCEL with no button. It is the sheet that Escape must cancel.
    if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        HWND sheet = ::GetParent(m_hWnd);
        if (sheet) ::PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        return TRUE;
    }
    return FALSE;
}
