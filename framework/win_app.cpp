#include "win_app.h"

#include "app_title.h"

namespace {
CWinApp* g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

CWinApp::CWinApp() : m_strTitle(AppTitleOfThisProgram()) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

void CWinApp::SetRegistryKey(const char* company) { m_settings.SetLocation(company ? company : "", m_strTitle); }

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue) const {
    return m_settings.GetInt(section ? section : "", entry ? entry : "", defaultValue);
}

std::string CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue) const {
    return m_settings.GetString(section ? section : "", entry ? entry : "", defaultValue ? defaultValue : "");
}

BOOL CWinApp::WriteProfileInt(const char* section, const char* entry, int value) const {
    return m_settings.WriteInt(section ? section : "", entry ? entry : "", value);
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* text) const {
    return m_settings.WriteString(section ? section : "", entry ? entry : "", text ? text : "");
}
