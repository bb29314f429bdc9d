// Real input, as the keyboard and the mouse give it: it reaches tuv.exe through its message loop.
#pragma once

#include <windows.h>

// Brings the window to the front and waits until it has the keyboard; false when it does not get it.
bool BringToFront(HWND hWnd);
void PressKey(WORD virtualKey);
// A left click at a point of the screen, or in the middle of a window.
void ClickAtPoint(POINT point);
void ClickAt(HWND hWnd);
