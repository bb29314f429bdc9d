#include "tuv_user.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "resource.h"

namespace fs = std::filesystem;

namespace {

const std::string kSettings = "Software\\Quandor Technologies\\";

void SendInputs(std::vector<INPUT> inputs) {
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD key, DWORD flags, WORD scan = 0) { return INPUT{.type = INPUT_KEYBOARD, .ki = {key, scan, flags, 0, 0}}; }

INPUT Mouse(POINT at, DWORD flags) {
    // Rounded up: the position is worked out again as dx * width / 65536, rounded down.
    auto scale = [](LONG v, int size) { return static_cast<LONG>((v * 65536LL + size - 1) / size); };
    LONG dx = scale(at.x, ::GetSystemMetrics(SM_CXSCREEN)), dy = scale(at.y, ::GetSystemMetrics(SM_CYSCREEN));
    return INPUT{.type = INPUT_MOUSE, .mi = {dx, dy, 0, flags | MOUSEEVENTF_ABSOLUTE, 0, 0}};
}

}  // namespace

std::string Text(HWND window) {
    std::string text(::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0) + 1, '\0');
    text.resize(::SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

std::string TextOnceIs(HWND window, const std::string& expected, DWORD ms) {
    std::string seen;
    WaitUntil([&] { return (seen = Text(window)) == expected; }, ms);
    return seen;
}

std::string StaticTexts(HWND dialog) {
    std::string texts;
    for (HWND child = nullptr; (child = ::FindWindowExA(dialog, child, "Static", nullptr));) texts += Text(child) + "|";
    return texts;
}

void Type(const std::string& text) {
    // Texts are UTF-8: a character beyond ASCII goes as the character itself, as an input method sends it.
    std::wstring wide(text.size(), L'\0');
    wide.resize(::MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), wide.data(), int(wide.size())));
    for (wchar_t c : wide) {
        SHORT key = c < 0x80 ? ::VkKeyScanA(static_cast<char>(c)) : -1;
        if (key == -1) {
            SendInputs({Key(0, KEYEVENTF_UNICODE, c), Key(0, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP, c)});
        } else if (key & 0x100) {
            SendInputs({Key(VK_SHIFT, 0), Key(key & 0xFF, 0), Key(key & 0xFF, KEYEVENTF_KEYUP), Key(VK_SHIFT, KEYEVENTF_KEYUP)});
        } else {
            Press(key & 0xFF);
        }
    }
}

void Press(WORD key) { SendInputs({Key(key, 0), Key(key, KEYEVENTF_KEYUP)}); }

void PressHotkey(DWORD stored) {
    std::vector<INPUT> keys{Key(stored & 0xFF, 0), Key(stored & 0xFF, KEYEVENTF_KEYUP)};
    for (auto [flag, key] : {std::pair{MOD_SHIFT, VK_SHIFT}, {MOD_ALT, VK_MENU}, {MOD_CONTROL, VK_CONTROL}, {MOD_WIN, VK_LWIN}})
        if (stored >> 8 & flag) keys.insert(keys.begin(), Key(key, 0)), keys.push_back(Key(key, KEYEVENTF_KEYUP));
    SendInputs(keys);
}

POINT At(HWND window, int dx, int dy) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.left + dx, rect.top + dy};
}

void MoveTo(POINT point) {
    SendInputs({Mouse(point, MOUSEEVENTF_MOVE)});
    WaitUntil([&] {
        POINT now{};
        return ::GetCursorPos(&now) && now.x == point.x && now.y == point.y;
    }, 2000);
}

void Click(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    ClickAt({(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void ClickAt(POINT point, DWORD down) {
    // Each event carries the position: Wine may move the pointer back to where X last saw it.
    MoveTo(point);
    SendInputs({Mouse(point, MOUSEEVENTF_MOVE | down), Mouse(point, MOUSEEVENTF_MOVE | down << 1)});  // its button up
}

DWORD Setting(const std::string& title, const char* section, const char* name) {
    DWORD value = ~0u, size = sizeof(value);
    ::RegGetValueA(HKEY_CURRENT_USER, (kSettings + title + "\\" + section).c_str(), name, RRF_RT_REG_DWORD, nullptr,
                   &value, &size);
    return value;
}

// Removes `path` with all it holds, read-only files at any depth too.
static void RemoveAll(const fs::path& path) {
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(path, ignored))
        ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(path, ignored);
}

ScratchFolder::ScratchFolder() {
    static int made = 0;
    path = fs::temp_directory_path() / ("tuv-e2e-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++made));
    RemoveAll(path);  // what an earlier run with the same process id may have left
    fs::create_directories(path);
}

ScratchFolder::~ScratchFolder() { RemoveAll(path); }

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file ? std::string(std::istreambuf_iterator<char>(file), {}) : "<missing>";
}

PROCESS_INFORMATION Start(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

Tuv::Tuv(bool fresh, const std::string& exe, bool inTray) {
    if (fresh) ::RegDeleteTreeA(HKEY_CURRENT_USER, (kSettings + fs::path(exe).stem().string()).c_str());
    if (!(m_process = Start("\"" + exe + "\"")).hProcess) return;
    // Until its start is over: what it posted itself while starting (going to the tray) is handled.
    ::WaitForInputIdle(m_process.hProcess, 30000);
    if (inTray) {
        WaitUntil([&] { return TrayWindow() != nullptr; }, 30000);
        return;
    }
    if (!(sheet = Window(nullptr, "#32770", 30000))) return;
    HWND found = nullptr;
    WaitUntil([&] { return (found = ::FindWindowExA(sheet, nullptr, "#32770", nullptr)) && ::GetDlgItem(found, IDC_EVALUATE); });
    // Keys go to the window in front.
    ::SetForegroundWindow(sheet);
    if (WaitUntil([&] { return ::GetForegroundWindow() == sheet; })) page = found;
}

Tuv::~Tuv() {
    if (!m_process.hProcess) return;
    ::TerminateProcess(m_process.hProcess, 1);  // no effect once it has ended
    ::WaitForSingleObject(m_process.hProcess, 15000);
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

std::string WinePath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

std::string Tuv::Exe() { return WinePath(TUV_EXE); }

// The first top-level window of the process, from the front, for which `wanted` holds.
template <class Wanted>
static HWND FirstWindowOf(DWORD processId, Wanted wanted) {
    for (HWND found = ::GetTopWindow(nullptr); found; found = ::GetWindow(found, GW_HWNDNEXT)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(found, &process);
        if (process == processId && wanted(found)) return found;
    }
    return nullptr;
}

HWND Tuv::Window(HWND owner, const char* kind, DWORD ms) const {
    HWND found = nullptr;
    WaitUntil([&] {
        return (found = FirstWindowOf(m_process.dwProcessId, [&](HWND w) {
            char name[64] = {};
            ::GetClassNameA(w, name, sizeof(name));
            return ::IsWindowVisible(w) && ::GetWindow(w, GW_OWNER) == owner && std::string(name).rfind(kind, 0) == 0;
        })) != nullptr;
    }, ms);
    // Keys go to the window in front, which a dialog becomes only after it shows.
    if (found && owner && std::string(kind) == "#32770") WaitUntil([&] { return ::GetForegroundWindow() == found; });
    return found;
}

bool Tuv::EndsCleanly() const {
    DWORD code = 1;
    return ::WaitForSingleObject(m_process.hProcess, 15000) == WAIT_OBJECT_0 &&
           ::GetExitCodeProcess(m_process.hProcess, &code) && code == 0;
}

bool Tuv::ToTray() const {
    return sheet && ClickUntil(::GetDlgItem(sheet, IDOK), [&] { return !::IsWindowVisible(sheet); });
}

HWND Tuv::TrayWindow() const {
    return FirstWindowOf(m_process.dwProcessId, [](HWND w) {
        RECT rect{};
        return !::IsWindowVisible(w) && ::GetWindowRect(w, &rect) && rect.right - rect.left == 10 && rect.bottom - rect.top == 10;
    });
}
