// Data exchange between a dialog's controls and its members (DoDataExchange / UpdateData).
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}
    BOOL m_bSaveAndValidate;  // TRUE: controls into members; FALSE: members into controls
    CWnd* m_pDlgWnd;
    HWND ControlHandle(int id) const;
};

// Binds control `id` to `control` the first time (subclassing it).
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// The whole window text (a combo box's: its edit field's); set only when it differs.
void DDX_Text(CDataExchange* dx, int id, std::string& value);
// The check state; a member outside 0..2 goes out as 0 (and becomes 0).
void DDX_Check(CDataExchange* dx, int id, int& value);
