#include "tuv_page1.h"

#include "resource.h"
#include "win_app.h"

CTuvPage1::CTuvPage1() : CPropertyPage(IDD_EXPRESSION), m_bDetails(0), m_bTips(1) {
    m_bTips = AfxGetApp()->GetProfileInt("Settings", "Tips", 1);
}

void CTuvPage1::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_EXPRESSION_FRAME, m_ctlExpressionFrame);
    DDX_Control(dx, IDC_DETAILS_BOX, m_ctlDetails);
    DDX_Control(dx, IDC_VARIABLES, m_ctlVariables);
    DDX_Control(dx, IDC_RESULT, m_ctlResult);
    DDX_Control(dx, IDC_EXPRESSION, m_ctlExpression);
    DDX_CBString(dx, IDC_EXPRESSION, m_strExpression);
    DDX_Text(dx, IDC_RESULT, m_strResult);
    DDX_Text(dx, IDC_VARIABLES, m_strVariables);
    DDX_Text(dx, IDC_DETAILS_BOX, m_strDetails);
    DDX_Check(dx, IDC_DETAILS, m_bDetails);
    DDX_Check(dx, IDC_TIPS, m_bTips);
}
