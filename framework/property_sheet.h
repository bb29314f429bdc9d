// CPropertySheet: a modeless property sheet run by our own modal loop. Each queued message goes
// to the pre-translation steps first (the window it is for, then its parents up to the sheet),
// then to PropSheet_IsDialogMessage; the loop ends when the sheet has no current page, which is
// how the sheet reports OK, Cancel, Escape and the close box.
#pragma once

#include <string>
#include <vector>

#include "property_page.h"
#include "window.h"

class CPropertySheet : public CWnd {
public:
    CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);

    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const;
    BOOL SetActivePage(int index);

    // Creates the sheet, runs it until it ends, destroys it. IDOK, IDCANCEL, or -1 when the
    // sheet could not be created.
    virtual INT_PTR DoModal();

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // Runs the sheet's own initialisation and answers what it answered.
    virtual BOOL OnInitDialog();

private:
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    INT_PTR RunModalLoop();

    std::string m_strCaption;
    CWnd* m_pParentWnd;
    UINT m_nStartPage;
    std::vector<CPropertyPage*> m_pages;
};
