#include "tuv_page2.h"

#include "resource.h"

CTuvPage2::CTuvPage2() : CPropertyPage(IDD_ABOUT) {}

void CTuvPage2::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_OWNER_LINE, m_ctlOwnerLine);
    DDX_Control(dx, IDC_HOME_PAGE, m_btnHomePage);
    DDX_Control(dx, IDC_TITLE, m_ctlTitle);
}
