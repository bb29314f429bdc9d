// The global hotkey that brings the window and sends it back: how it is stored, which keys may be
// one, and how it reads. Stored as the integer "Hotkey" of section "Settings": the virtual-key code
// in the low byte and RegisterHotKey's modifier flags (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4,
// MOD_WIN 8) in the next one, so Ctrl+Shift+F9 is 0x678; 0 is none.
#pragma once

#include <windows.h>

#include <string>

struct Hotkey {
    UINT modifiers = 0;  // MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN
    UINT key = 0;        // a virtual-key code; 0: no hotkey
    bool operator==(const Hotkey&) const = default;
};

// Win+Alt+C, C for calculator: neither Windows 10 and 11 nor the common tray tools' defaults take it,
// and it has no Ctrl+Alt, which is AltGr on many keyboards (the README says what was checked).
constexpr DWORD kDefaultHotkey = (MOD_WIN | MOD_ALT) << 8 | 'C';

// The stored value read: 0 is none; a value that cannot be a hotkey (and an absent one, for which
// the caller passes kDefaultHotkey) is the default.
Hotkey HotkeyFromStored(DWORD stored);
DWORD StoredHotkey(Hotkey hotkey);

// Whether `hotkey` may be one: a key that is not itself a modifier nor a mouse button, and, unless it
// is a function key, held with Ctrl, Alt or Win, so that no key that types or moves the caret is
// taken from every program.
bool IsHotkey(Hotkey hotkey);

// How the user reads it: "Win+Ctrl+Alt+Shift+" as held, then the key ("C", "F9", "Space"); "None".
std::string HotkeyText(Hotkey hotkey);
