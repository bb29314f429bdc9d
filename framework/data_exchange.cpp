#include "data_exchange.h"

#include "window.h"

HWND CDataExchange::ControlHandle(int id) const {
    return m_pDlgWnd ? ::GetDlgItem(m_pDlgWnd->m_hWnd, id) : nullptr;
}

namespace {

std::string TextOf(HWND control) {
    int length = ::GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd == nullptr) control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND control = dx->ControlHandle(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) {
        value = TextOf(control);
    } else if (TextOf(control) != value) {  // set again, a long text costs the control dearly
        ::SetWindowTextA(control, value.c_str());
    }
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->ControlHandle(id);
    if (!control) return;
    if (dx->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2) value = 0;
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}
