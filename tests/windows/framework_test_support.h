// Small windows for the framework's tests: a hidden top-level window with standard controls.
#pragma once

#include <windows.h>

#include "window.h"

class TestWindow : public CWnd {
public:
    TestWindow() {
        CreateEx(0, RegisterClassOnce(0, nullptr, nullptr, nullptr), "test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                 nullptr, nullptr);
    }
    ~TestWindow() override {
        if (m_hWnd) ::DestroyWindow(m_hWnd);
    }
    HWND AddControl(const char* className, DWORD style, int id) {
        return ::CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr), nullptr);
    }
};
