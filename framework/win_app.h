// CWinApp: the one application object. It knows the program's title and owns the settings store.
#pragma once

#include <windows.h>

#include <string>

#include "settings_store.h"
#include "window.h"

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The whole program, run by WinMain. It answers FALSE: the program then ends instead of
    // running a message loop of the framework's (ours has none; the main sheet runs its own).
    virtual BOOL InitInstance() { return FALSE; }

    std::string m_strTitle;  // the executable's base name
    CWnd* m_pMainWnd = nullptr;

    // Puts the settings under HKEY_CURRENT_USER\Software\<company>\<title>.
    void SetRegistryKey(const char* company);
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = nullptr) const;
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;
    BOOL WriteProfileString(const char* section, const char* entry, const char* text) const;

private:
    SettingsStore m_settings;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
