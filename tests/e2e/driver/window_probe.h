// Looking at another process's windows the way a user sees them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

std::string ClassName(HWND hWnd);
// The window text, asked with WM_GETTEXT (which crosses processes).
std::string TextOf(HWND hWnd);
RECT ScreenRect(HWND hWnd);
std::string Describe(const RECT& rect);
std::string Quoted(const std::string& text);
std::string Joined(const std::vector<std::string>& texts);

// The first child window (any depth) of a class, or null.
HWND FindChildOfClass(HWND parent, const char* className);
// The visible child dialog (a page) of the sheet that holds control `id`, or null.
HWND VisiblePageWithControl(HWND sheet, int id);
// The texts of a tab control's tabs, read through memory in the process that owns it.
std::vector<std::string> TabTexts(HWND tab, HANDLE process);
// A tab's rectangle on the screen (empty when it cannot be read).
RECT TabItemScreenRect(HWND tab, int index, HANDLE process);
