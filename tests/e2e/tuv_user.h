// What the end-to-end scenarios do to the real tuv.exe, from a process of their own in the same
// Wine prefix: find its windows, read their texts, send real input (SendInput: it goes through the
// program's message loop as the keyboard and the pointer's would), and wait by polling.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

// Polls `done` every 20 ms until it holds or `ms` have passed; answers its last answer.
template <class Condition>
bool WaitUntil(Condition done, DWORD ms = 15000) {
    for (DWORD start = ::GetTickCount(); !done(); ::Sleep(20)) {
        if (::GetTickCount() - start >= ms) return done();
    }
    return true;
}

std::string Text(HWND window);  // its whole text, through WM_GETTEXT
// The window's text once it reads `expected`, or what it reads when the wait ends.
std::string TextOnceIs(HWND window, const std::string& expected, DWORD ms = 15000);
std::string StaticTexts(HWND dialog);  // a message box's texts, each followed by "|"

// Real key presses into the window with the keyboard focus, for a UTF-8 text; a character with no
// key in the keyboard map (Wine under Xvfb has none for "(" and ")", nor for any letter beyond
// ASCII) goes as the character itself.
void Type(const std::string& text);
void Press(WORD key);
// A hotkey as the program stores it (the key in the low byte, MOD_WIN, MOD_CONTROL, MOD_ALT and
// MOD_SHIFT above): its modifiers held down, the key pressed, the modifiers let go.
void PressHotkey(DWORD stored);
POINT At(HWND window, int dx, int dy);  // a point dx, dy from the window's top-left corner
void MoveTo(POINT point);               // returns once the pointer is there
void Click(HWND window);                // a left click in its middle
void ClickAt(POINT point, DWORD down = MOUSEEVENTF_LEFTDOWN);  // or MOUSEEVENTF_RIGHTDOWN
// Does `act` again until `done` holds within `each` ms of it: under Wine an input just after
// another window showed or went may go astray (seen in full CI runs only).
template <class Act, class Condition>
bool RepeatUntil(Act act, Condition done, DWORD each = 5000) {
    return WaitUntil([&] { return act(), WaitUntil(done, each); });
}
template <class Condition>
bool ClickUntil(HWND window, Condition done) { return RepeatUntil([&] { Click(window); }, done); }

// Settings as the program stores them, under HKCU\Software\Quandor Technologies\<title>.
DWORD Setting(const std::string& title, const char* section, const char* name);  // ~0u: none

// A folder of the scenario's own in the temporary folder, removed with all it holds.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder();
    ~ScratchFolder();
    std::string operator/(const std::string& name) const { return (path / name).string(); }
};
std::string Bytes(const std::string& path);  // "<missing>" when there is no such file
std::string WinePath(const char* unixPath);  // as Wine names it: the Unix root is drive Z:

// Starts a command line, its program found as Windows finds it; a process without handles if none.
PROCESS_INFORMATION Start(std::string command);

// One run of tuv.exe (by default the one under test), ended when the object goes if it is still
// running. `fresh`: its settings key is removed first.
class Tuv {
public:
    // `inTray`: the program is to start with only its tray icon; no page is looked for.
    explicit Tuv(bool fresh = true, const std::string& exe = Exe(), bool inTray = false);
    ~Tuv();
    static std::string Exe();  // the tuv.exe under test, as Wine names it
    // The next visible top-level window of the process owned by `owner` whose class begins with
    // `kind`: the sheet (no owner), a message box or a file dialog, the tip; null if none comes.
    // An owned dialog is then waited for (up to 15 s) until it is in front, where the keys go.
    HWND Window(HWND owner, const char* kind = "#32770", DWORD ms = 15000) const;
    HWND Item(int id) const { return ::GetDlgItem(page, id); }
    bool EndsCleanly() const;  // ends by itself within 15 s, with exit code 0
    bool ToTray() const;       // clicks "&Tray" until the window is hidden; false if it stays
    // The tray's hidden window, which the shell sends the icon's mouse messages to.
    HWND TrayWindow() const;

    HWND sheet = nullptr;
    HWND page = nullptr;  // the Expression page

private:
    PROCESS_INFORMATION m_process{};
};
