#include "tuv_app.h"

#include <ole2.h>

#include "tuv_sheet.h"

CTuvApp theApp;

BOOL CTuvApp::InitInstance() {
    // COM is needed only for the startup shortcut; without it the program runs all the same.
    const bool ole = SUCCEEDED(::OleInitialize(nullptr));
    // The three-dimensional control look needs no switching on since Windows 95.
    SetRegistryKey(kCompanyKey);
    {
        CTuvSheet sheet(nullptr);
        m_pMainWnd = &sheet;
        sheet.DoModal();
        m_pMainWnd = nullptr;
    }
    // The tray's window goes before the statics its window wrapper depends on.
    theTray.DestroyWindow();
    if (ole) ::OleUninitialize();
    // The sheet was the program: no message loop of our own.
    return FALSE;
}
