// Wrappers of the standard controls the pages bind with DDX_Control.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "window.h"

class CStatic : public CWnd {};

class CButton : public CWnd {};

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
