// CPropertyPage: one page of a property sheet, built from a dialog template. The page's window is
// subclassed when it is created, so its messages reach the On... handlers.
#pragma once

#include <windows.h>
#include <prsht.h>

#include "data_exchange.h"
#include "window.h"

class CPropertySheet;

class CPropertyPage : public CWnd {
public:
    explicit CPropertyPage(UINT templateId);

    // Exchanges every control with its member: TRUE copies controls into members, FALSE the reverse.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // The page description handed to the sheet.
    const PROPSHEETPAGEA& PageDescription() const { return m_psp; }

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Called once the page's window exists: exchanges the members out and returns TRUE.
    virtual BOOL OnInitDialog();
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    PROPSHEETPAGEA m_psp;
};
