#include "tuv_page2.h"

#include "resource.h"
#include "screen_scale.h"
#include "text_encoding.h"

const char* const kHomePageAddress = "https://www.quandor-technologies.example";
const char* const kNewsletterAddress = "https://news.quandor-technologies.example/subscribe";
const char* const kAddressQuery = "?tuv";

namespace {

// In UTF-8 ("\xC2\xA9" is the sign ©), and shown in whatever code page the program runs in.
constexpr const char* kOwnerLine = "\xC2\xA9 1998-2026 Quandor Technologies. All rights reserved.";

}  // namespace

CTuvPage2::CTuvPage2() : CPropertyPage(IDD_ABOUT) {}

CTuvPage2::~CTuvPage2() {
    if (m_fontTitle) ::DeleteObject(m_fontTitle);
}

void CTuvPage2::DoDataExchange(CDataExchange* dx) {
    DDX_Control(dx, IDC_OWNER_LINE, m_ctlOwnerLine);
    DDX_Control(dx, IDC_HOME_PAGE, m_btnHomePage);
    DDX_Control(dx, IDC_NEWSLETTER, m_linkNewsletter);
    DDX_Control(dx, IDC_TITLE, m_ctlTitle);
}

BOOL CTuvPage2::OnInitDialog() {
    CPropertyPage::OnInitDialog();
    m_fontTitle = ::CreateFontA(Scaled(20), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, 0x10, "Arial");
    m_ctlTitle.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontTitle), TRUE);
    m_linkNewsletter.SetUrl(std::string(kNewsletterAddress) + kAddressQuery);
    m_ctlOwnerLine.SetWindowText(FromUtf8(kOwnerLine));
    m_btnHomePage.SetWindowText(kHomePageAddress);
    return TRUE;
}

BOOL CTuvPage2::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_HOME_PAGE) {
        OnHomePage();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CTuvPage2::OnHomePage() {
    CLinkStatic opener;
    opener.OpenUrl(std::string(kHomePageAddress) + kAddressQuery, SW_SHOW);
}
