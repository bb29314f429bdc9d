// The main window: a property sheet with the Expression and About pages and its own button row
// (Help, Quit, Tray in place of OK, Cancel, Apply, Help), sent to the tray and back by the tray
// icon, with the two tray options, the startup shortcut and the help text.
#pragma once

#include <string>

#include "hotkey.h"
#include "property_sheet.h"
#include "system_tray.h"
#include "tuv_page1.h"
#include "tuv_page2.h"

// The program's one tray icon, from start to end.
extern CSystemTray theTray;
// The tray icon's callback message.
constexpr UINT kTrayMessage = WM_USER + 10;

class CTuvSheet : public CPropertySheet {
public:
    explicit CTuvSheet(CWnd* parent = nullptr);
    ~CTuvSheet() override;

    // Enter outside the variables box evaluates while the Expression page is active.
    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    CTuvPage1 m_pageExpression;
    CTuvPage2 m_pageAbout;
    HICON m_hIcon;       // icon 129 at the system's size for large icons
    HICON m_hSmallIcon;  // and at the size of small ones: the caption's and the tray's
    int m_bRunAtStart;
    int m_bMinimize;

    void OnShow();
    void OnAbout();
    void OnMinimizeAtStart();
    void OnRunAtStart();
    void OnHelpText();
    // The global hotkey: brings the window to the Expression page, ready to type, or sends it to
    // the tray when it is in front.
    void OnHotkey();
    void OnHotkeySettings();
    void OnExit();
    // The marks from the store, as the tray's menu sets them when it opens; no menu of the sheet's
    // own needs them.
    void OnUpdateMinimizeAtStart(HMENU menu);
    void OnUpdateRunAtStart(HMENU menu);
    // The tray icon came late, with the taskbar: applies what the start could not.
    void OnTrayEnabled();

    // Creates or deletes the startup shortcut to match m_bRunAtStart.
    void ApplyRunAtStart() const;
    // The startup link's path without ".lnk", from the user's Startup folder; empty without one.
    static std::string StartupLinkPath();
    // Saves a shell link at `linkPath` + ".lnk"; the last COM result.
    static HRESULT CreateShortcut(std::string target, std::string linkPath, std::string description);
    // The folder of the running program, ending with a backslash, however long its path.
    static std::string GetModuleFolder();
    // Writes resource (`type`, `id`) byte for byte to `fileName`; false when it could not.
    static bool WriteResourceToFile(const char* type, UINT id, const std::string& fileName);
    // Writes the help text beside the program, else in the temporary folder; the file, or empty.
    static std::string WriteHelpText();

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The sheet is the program: its icon goes with it.
    void OnDestroy() override;

private:
    void RearrangeButtons();
    // "&Tray": to the tray when there is an icon, else minimised so that the taskbar brings it back.
    void SendToTray();

    // Registers `hotkey` for this window in place of the one before (none: only unregisters); false
    // when the system refused it.
    bool RegisterHotkey(Hotkey hotkey);

    bool m_bUsed = false;  // the user has pressed a key or a button here since the start
    Hotkey m_hotkey;       // as stored
    bool m_bHotkeyRefused = false;
};
