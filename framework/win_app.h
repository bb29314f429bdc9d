// CWinApp: the one application object. It knows the program's title, owns the settings store
// and runs InitInstance from WinMain.
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

    // Start-up; FALSE ends the program at once instead of running a message loop.
    virtual BOOL InitInstance() { return FALSE; }
    // The message loop of a program whose InitInstance answered TRUE.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

    std::string m_strTitle;  // the executable's base name
    HINSTANCE m_hInstance;
    CWnd* m_pMainWnd = nullptr;

    // Puts the settings under HKEY_CURRENT_USER\Software\<company>\<title>.
    void SetRegistryKey(const char* company);
    int GetProfileInt(const char* section, const char* entry, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* entry, const char* defaultValue = nullptr) const;
    BOOL WriteProfileInt(const char* section, const char* entry, int value) const;
    BOOL WriteProfileString(const char* section, const char* entry, const char* text) const;
    const SettingsStore& Settings() const { return m_settings; }

    HICON LoadIcon(UINT id) const { return ::LoadIconA(m_hInstance, MAKEINTRESOURCEA(id)); }

private:
    SettingsStore m_settings;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
