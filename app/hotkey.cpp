#include "hotkey.h"

namespace {

bool IsFunctionKey(UINT key) { return key >= VK_F1 && key <= VK_F24; }

// Keys that are held, locked or clicked rather than pressed: never a hotkey's key.
bool IsModifierOrButton(UINT key) {
    switch (key) {
    case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_LWIN: case VK_RWIN: case VK_CAPITAL: case VK_NUMLOCK:
    case VK_SCROLL: return true;
    default: return key < 0x08 || (key >= VK_LSHIFT && key <= VK_RMENU) || key > 0xFE;
    }
}

const char* KeyName(UINT key) {
    switch (key) {
    case VK_SPACE: return "Space";
    case VK_RETURN: return "Enter";
    case VK_TAB: return "Tab";
    case VK_ESCAPE: return "Esc";
    case VK_BACK: return "Backspace";
    case VK_INSERT: return "Insert";
    case VK_DELETE: return "Delete";
    case VK_HOME: return "Home";
    case VK_END: return "End";
    case VK_PRIOR: return "Page Up";
    case VK_NEXT: return "Page Down";
    case VK_LEFT: return "Left";
    case VK_RIGHT: return "Right";
    case VK_UP: return "Up";
    case VK_DOWN: return "Down";
    case VK_PAUSE: return "Pause";
    case VK_SNAPSHOT: return "Print Screen";
    case VK_MULTIPLY: return "Num *";
    case VK_ADD: return "Num +";
    case VK_SUBTRACT: return "Num -";
    case VK_DECIMAL: return "Num .";
    case VK_DIVIDE: return "Num /";
    default: return nullptr;
    }
}

}  // namespace

bool IsHotkey(Hotkey hotkey) {
    if (hotkey.key == 0 || (hotkey.modifiers & ~UINT{MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN}) != 0 ||
        IsModifierOrButton(hotkey.key))
        return false;
    return IsFunctionKey(hotkey.key) || (hotkey.modifiers & (MOD_ALT | MOD_CONTROL | MOD_WIN)) != 0;
}

Hotkey HotkeyFromStored(DWORD stored) {
    if (stored == 0) return {};
    const Hotkey hotkey{stored >> 8, stored & 0xFF};
    if (IsHotkey(hotkey)) return hotkey;  // bits past the modifiers' byte make no hotkey either
    return {kDefaultHotkey >> 8, kDefaultHotkey & 0xFF};
}

DWORD StoredHotkey(Hotkey hotkey) { return hotkey.modifiers << 8 | hotkey.key; }

std::string HotkeyText(Hotkey hotkey) {
    if (hotkey.key == 0) return "None";
    std::string text;
    for (auto [flag, name] : {std::pair{MOD_WIN, "Win+"}, {MOD_CONTROL, "Ctrl+"}, {MOD_ALT, "Alt+"}, {MOD_SHIFT, "Shift+"}})
        if (hotkey.modifiers & flag) text += name;
    const UINT key = hotkey.key;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return text + static_cast<char>(key);
    if (IsFunctionKey(key)) return text + "F" + std::to_string(key - VK_F1 + 1);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return text + "Num " + std::to_string(key - VK_NUMPAD0);
    if (const char* name = KeyName(key)) return text + name;
    // A key whose label depends on the keyboard (";" on one, "Ü" on another): the layout names it.
    char label[64] = {};
    const LONG scanCode = static_cast<LONG>(::MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    if (scanCode && ::GetKeyNameTextA(scanCode << 16, label, sizeof(label)) > 0) return text + label;
    return text + "Key " + std::to_string(key);
}
