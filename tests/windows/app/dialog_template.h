// Reads a DIALOG resource of this program back into plain values, for checks against the
// page layouts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;           // -1 for the controls without one
    WORD classAtom = 0;   // 0x80 button, 0x81 edit, 0x82 static, 0x85 combo box; 0 for a class name
    std::string className;
    std::string text;
};

struct DialogTemplate {
    bool found = false;
    DWORD style = 0;
    short cx = 0, cy = 0;
    std::string caption;
    int fontPoints = 0;
    std::string fontName;
    std::vector<DialogItem> items;
};

DialogTemplate ReadDialogTemplate(int id);
