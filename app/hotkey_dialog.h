// The "Hotkey" dialog of the tray menu: the hotkey now, a box that takes the next key combination
// pressed (Win included), "None" to switch it off, OK and Cancel. OK hands the choice to the
// program, which registers it at once; a key the system refuses is said here and nothing changes.
#pragma once

#include <functional>

#include "hotkey.h"
#include "window.h"

// A single-line edit that shows the last combination pressed in it that may be a hotkey, and
// types nothing. Keys with Ctrl, Alt or Win (and function keys) are its own; plain Tab, Enter and
// Escape go on moving the focus and closing the dialog.
class CHotkeyBox : public CWnd {
public:
    Hotkey m_hotkey;
    void SetHotkey(Hotkey hotkey);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class CHotkeyDialog : public CWnd {
public:
    // `apply` registers a chosen hotkey (none: unregisters) and answers whether the system took it.
    CHotkeyDialog(Hotkey current, bool refused, std::function<bool(Hotkey)> apply);
    INT_PTR DoModal(HWND owner);

    Hotkey m_hotkey;  // as chosen once DoModal answers IDOK

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();

    bool m_bRefused;
    std::function<bool(Hotkey)> m_apply;
    CHotkeyBox m_box;
};

// What the dialog says of a key the system would not register.
constexpr const char* kHotkeyTaken = "Another program uses this key.";
