// CSystemTray: one icon with a tooltip in the taskbar's notification area. Its hidden window turns
// the icon's mouse messages into the popup menu and into commands for the main window, and puts
// the icon back when the taskbar is recreated.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "window.h"

class CSystemTray : public CWnd {
public:
    CSystemTray();
    ~CSystemTray() override;

    // Adds the icon; TRUE when the shell took it. The callbacks go to `parent`'s window when it
    // has one (which must pass them to OnTrayMessage), else to the tray's own hidden window.
    // When the shell refused it (at logon the taskbar may not exist yet), the first
    // "TaskbarCreated" adds it, enables the tray and sends kTrayEnabledMessage to the main window.
    BOOL Create(CWnd* parent, UINT callbackMessage, const char* tip, HICON icon, UINT id);
    void HideIcon();
    void ShowIcon();
    void DeleteIcon();
    // The popup menu's bold item: a position counted from 0, or a command id.
    BOOL SetDefaultMenuItem(UINT item, BOOL byPosition);

    virtual LRESULT OnTrayMessage(WPARAM wParam, LPARAM lParam);

    BOOL m_bEnabled = FALSE;
    BOOL m_bHidden = FALSE;
    NOTIFYICONDATAA m_nid;
    UINT m_uDefaultItem = 0;
    BOOL m_bDefaultByPosition = TRUE;
    // Create could not add the icon: the taskbar's arrival is awaited.
    BOOL m_bAwaitingTaskbar = FALSE;

    static const UINT s_uTaskbarCreated;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL Notify(DWORD operation, UINT flags);
    // The first submenu of the menu resource with the icon's id; null when either is missing.
    HMENU LoadTrayMenu(HMENU& menu) const;
};

// The first version of the record, whose tooltip field holds 63 characters: 88 bytes in the
// 32-bit program.
constexpr DWORD kNotifyIconDataSize = NOTIFYICONDATAA_V1_SIZE;

// Sent to the main window when the tray could be enabled only after Create, once the taskbar came.
constexpr UINT kTrayEnabledMessage = WM_APP + 0x3E0;
