// The Expression page: variables, expression and result.
#pragma once

#include <string>

#include "controls.h"
#include "property_page.h"

class CTuvPage1 : public CPropertyPage {
public:
    CTuvPage1();

    CEdit m_ctlDetails;
    CEdit m_ctlVariables;
    CEdit m_ctlResult;
    CComboBox m_ctlExpression;
    CButton m_ctlExpressionFrame;
    std::string m_strExpression;
    std::string m_strResult;
    std::string m_strVariables;
    std::string m_strDetails;
    int m_bDetails;
    int m_bTips;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
