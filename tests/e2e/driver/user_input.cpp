#include "user_input.h"

#include "wait.h"

bool BringToFront(HWND hWnd) {
    ::SetForegroundWindow(hWnd);
    return WaitUntil([&] { return ::GetForegroundWindow() == hWnd; }, 5000);
}

void PressKey(WORD virtualKey) {
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = virtualKey;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, keys, sizeof(INPUT));
}

void ClickAtPoint(POINT point) {
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT mouse[3] = {};
    for (INPUT& input : mouse) {
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((point.x * 65536LL + width / 2) / width);
        input.mi.dy = static_cast<LONG>((point.y * 65536LL + height / 2) / height);
    }
    mouse[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    mouse[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    mouse[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    // The pointer must have arrived before the button goes down, or the press lands where the
    // pointer was.
    ::SendInput(1, &mouse[0], sizeof(INPUT));
    WaitUntil(
        [&] {
            POINT now{};
            ::GetCursorPos(&now);
            return now.x == point.x && now.y == point.y;
        },
        2000);
    ::SendInput(2, &mouse[1], sizeof(INPUT));
}

void ClickAt(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    ClickAtPoint({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}
