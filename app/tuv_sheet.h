// The main window: a property sheet with the Expression and About pages and its own button row
// (Help, Quit, Tray in place of OK, Cancel, Apply, Help).
#pragma once

#include "property_sheet.h"
#include "tuv_page1.h"
#include "tuv_page2.h"

class CTuvSheet : public CPropertySheet {
public:
    explicit CTuvSheet(CWnd* parent = nullptr);

    // Enter outside the variables box evaluates while the Expression page is active.
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CTuvPage1 m_pageExpression;
    CTuvPage2 m_pageAbout;
    HICON m_hIcon;
    int m_bRunAtStart;
    int m_bMinimize;

protected:
    BOOL OnInitDialog() override;

private:
    void RearrangeButtons();
};
