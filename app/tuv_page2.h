// The About page: title, version, notices and the maker's addresses.
#pragma once

#include "controls.h"
#include "property_page.h"

class CTuvPage2 : public CPropertyPage {
public:
    CTuvPage2();

    CStatic m_ctlOwnerLine;
    CButton m_btnHomePage;
    CStatic m_ctlTitle;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
