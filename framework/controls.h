// Wrappers of the standard controls the pages bind with DDX_Control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "window.h"

class CStatic : public CWnd {};

class CButton : public CWnd {};

// A push button that a mouse click presses without taking the keyboard focus: the box the user
// types in keeps it, to type on at once, and is not drawn again for losing it (which costs Wine's
// edit control the square of a long line's length). Keys work as on any button.
class CFocusKeepingButton : public CButton {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {  // pressed while it holds the pointer
            ::SetCapture(m_hWnd);
            SendMessage(BM_SETSTATE, TRUE);
            return 0;
        }
        if (message != WM_LBUTTONUP || ::GetCapture() != m_hWnd) return CButton::WindowProc(message, wParam, lParam);
        const bool pressed = SendMessage(BM_GETSTATE) & BST_PUSHED;
        ::ReleaseCapture();
        SendMessage(BM_SETSTATE, FALSE);
        if (pressed) ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), BN_CLICKED), reinterpret_cast<LPARAM>(m_hWnd));
        return 0;
    }
};

class CEdit : public CWnd {
public:
    void SetMargins(int left, int right) {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(left, right));
    }
};

class CComboBox : public CWnd {
public:
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    int AddString(const char* text) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int InsertString(int index, const char* text) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
    }
    int DeleteString(int index) { return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(index))); }
    // Selects an entry of the list alone: CB_SETCURSEL also sets the edit field's text, which
    // costs a long text dearly where that text is in the field already.
    void SelectListEntry(int index) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (::GetComboBoxInfo(m_hWnd, &info) && info.hwndList) ::SendMessageA(info.hwndList, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
};

// A tooltip control with tools identified by (window, id); its owner relays the mouse messages.
// TOOLINFO goes in the size every comctl32 version accepts.
class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override { DestroyWindow(); }
    bool Create(CWnd* parent, DWORD style) {
        m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, parent->m_hWnd, nullptr, nullptr, nullptr);
        return m_hWnd != nullptr;
    }
    bool AddTool(HWND window, const std::string& text, const RECT& area, UINT id) {
        TOOLINFOA tool = Tool(window, id, text);
        tool.rect = area;
        return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    }
    void UpdateTipText(const std::string& text, HWND window, UINT id) {
        TOOLINFOA tool = Tool(window, id, text);
        SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    void RelayEvent(MSG* msg) { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }

private:
    static TOOLINFOA Tool(HWND window, UINT id, const std::string& text) {
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.hwnd = window;
        tool.uId = id;
        tool.lpszText = const_cast<char*>(text.c_str());
        return tool;
    }
};
