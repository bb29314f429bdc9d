// The About page: title, version, notices, the ownership line, the newsletter link and the
// home-page button.
#pragma once

#include <string>

#include "controls.h"
#include "link_static.h"
#include "property_page.h"

// The maker's addresses; both are opened with kAddressQuery appended.
extern const char* const kHomePageAddress;
extern const char* const kNewsletterAddress;
extern const char* const kAddressQuery;

class CTuvPage2 : public CPropertyPage {
public:
    CTuvPage2();
    ~CTuvPage2() override;

    HFONT m_fontTitle = nullptr;
    CStatic m_ctlOwnerLine;
    CButton m_btnHomePage;
    CLinkStatic m_linkNewsletter;
    CStatic m_ctlTitle;

    void OnHomePage();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};
