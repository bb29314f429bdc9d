#include "page_driver.h"

#include <windows.h>

#include <cstring>

#include "resource.h"
#include "settings_key.h"
#include "user_input.h"
#include "wait.h"
#include "window_probe.h"

HWND ExpressionPage(Scenario& s, HWND sheet) {
    HWND page = nullptr;
    WaitUntil([&] { return (page = VisiblePageWithControl(sheet, IDC_EVALUATE)) != nullptr; });
    s.Require(page != nullptr, "the Expression page shown", "no visible page with the Evaluate button");
    return page;
}

HWND ExpressionPageInFront(Scenario& s, HWND sheet) {
    HWND page = ExpressionPage(s, sheet);
    s.Require(BringToFront(sheet), "the sheet in front", "another window keeps the focus");
    return page;
}

std::string FullTextOf(HWND hWnd) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length)) return "<no answer>";
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                               30000, &copied)) {
        return "<no answer>";
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

void PutText(HWND hWnd, const std::string& text) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutA(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 30000, &ignored);
}

void TypeText(const std::string& text) {
    for (char c : text) {
        SHORT key = ::VkKeyScanA(c);
        std::vector<INPUT> inputs;
        if (key == -1) {
            // No key for it in the display's keyboard map (Wine under Xvfb has none for "(" and
            // ")"): the character itself, as an input method gives it.
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<unsigned char>(c);
            input.ki.dwFlags = KEYEVENTF_UNICODE;
            inputs.push_back(input);
            input.ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
            inputs.push_back(input);
            ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
            continue;
        }
        bool shift = (key & 0x100) != 0;
        auto add = [&](WORD vk, bool up) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = vk;
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            inputs.push_back(input);
        };
        if (shift) add(VK_SHIFT, false);
        add(static_cast<WORD>(key & 0xFF), false);
        add(static_cast<WORD>(key & 0xFF), true);
        if (shift) add(VK_SHIFT, true);
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

void MovePointerTo(POINT point) {
    int width = ::GetSystemMetrics(SM_CXSCREEN);
    int height = ::GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    // Rounded up: the position is worked out again as dx * width / 65536, rounded down.
    move.mi.dx = static_cast<LONG>((point.x * 65536LL + width - 1) / width);
    move.mi.dy = static_cast<LONG>((point.y * 65536LL + height - 1) / height);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &move, sizeof(INPUT));
    WaitUntil(
        [&] {
            POINT now{};
            ::GetCursorPos(&now);
            return now.x == point.x && now.y == point.y;
        },
        2000);
}

void FocusControl(HWND dialog, HWND control) {
    ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

HWND FocusOf(HWND hWnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(hWnd, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

std::vector<std::string> ComboEntries(HWND combo) {
    // Asked in UTF-16: Wine hands CB_GETLBTEXT across processes as wide text even when it is
    // asked for ANSI.
    std::vector<std::string> entries;
    int count = static_cast<int>(::SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        LRESULT length = ::SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring wide(length > 0 ? static_cast<size_t>(length) + 1 : 1, L'\0');
        LRESULT copied =
            ::SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(wide.data()));
        wide.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        std::string text(wide.size() * 2 + 1, '\0');
        int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), static_cast<int>(wide.size()), text.data(),
                                          static_cast<int>(text.size()), nullptr, nullptr);
        text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
        entries.push_back(text);
    }
    return entries;
}

std::string EvaluateWithEnter(Scenario& s, HWND page, const std::string& expression) {
    HWND combo = ::GetDlgItem(page, IDC_EXPRESSION);
    HWND result = ::GetDlgItem(page, IDC_RESULT);
    PutText(result, "");
    PutText(combo, expression);
    HWND edit = ::GetWindow(combo, GW_CHILD);  // the combo box's edit field
    FocusControl(page, combo);
    s.Require(WaitUntil([&] { return FocusOf(page) == edit || FocusOf(page) == combo; }, 5000),
              "the focus in the expression box", "it is elsewhere");
    PressKey(VK_RETURN);
    std::string shown;
    bool done = WaitUntil([&] { return !(shown = TextOf(result)).empty(); });
    s.Require(done, "a result after Enter on " + Quoted(expression), "the result box stayed empty");
    return shown;
}

namespace {

struct DialogSearch {
    DWORD processId;
    HWND except;
    HWND found;
    const char* classPrefix;
};

BOOL CALLBACK CheckDialog(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<DialogSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner != search->processId || hWnd == search->except || !::IsWindowVisible(hWnd)) return TRUE;
    if (ClassName(hWnd).rfind(search->classPrefix, 0) == 0) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hWnd, LPARAM lParam) {
    auto* texts = reinterpret_cast<std::string*>(lParam);
    if (ClassName(hWnd) == "Static") {
        std::string text = TextOf(hWnd);
        if (!text.empty()) *texts += (texts->empty() ? "" : "|") + text;
    }
    return TRUE;
}

}  // namespace

HWND FindDialog(DWORD processId, HWND except) {
    DialogSearch search{processId, except, nullptr, "#32770"};
    ::EnumWindows(&CheckDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(DWORD processId, HWND except, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, except)) != nullptr; }, timeoutMs);
    return found;
}

HWND WaitForOwnedDialog(DWORD processId, HWND owner, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = nullptr;
            DialogSearch search{processId, nullptr, nullptr, "#32770"};
            // Walk every visible dialog of the process until one is owned by `owner`.
            for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(w, &pid);
                if (pid == search.processId && ::IsWindowVisible(w) && ClassName(w) == "#32770" &&
                    ::GetWindow(w, GW_OWNER) == owner) {
                    found = w;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return found;
}

HWND FileNameField(HWND fileDialog) {
    // Explorer-style dialogs have the combo box cmb13 (1148) around an edit; older ones edt1 (1152).
    for (int id : {1148, 1152}) {
        HWND field = ::GetDlgItem(fileDialog, id);
        if (field && ::IsWindowVisible(field)) return field;
    }
    return nullptr;
}

void ChooseFile(Scenario& s, HWND fileDialog, const std::string& path) {
    HWND field = FileNameField(fileDialog);
    s.Require(field != nullptr, "a file name field in the file dialog " + Quoted(TextOf(fileDialog)), "none");
    PutText(field, path);
    HWND ok = ::GetDlgItem(fileDialog, IDOK);
    s.Require(ok != nullptr, "an OK button in the file dialog", "none");
    ClickAt(ok);
}

std::string StaticTexts(HWND dialog) {
    std::string texts;
    ::EnumChildWindows(dialog, &CollectStatic, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FindVisibleTip(DWORD processId) {
    DialogSearch search{processId, nullptr, nullptr, "TuvWnd:"};
    ::EnumWindows(&CheckDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

namespace {

bool ReadValue(const std::string& title, const std::string& section, const std::string& name, DWORD& type,
               std::string& data) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath(title, section).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD size = 0;
    bool ok = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (ok) {
        data.assign(size, '\0');
        ok = ::RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) ==
             ERROR_SUCCESS;
        data.resize(size);
    }
    ::RegCloseKey(key);
    return ok;
}

}  // namespace

std::string ReadSettingString(const std::string& title, const std::string& section, const std::string& name,
                              const std::string& missing) {
    DWORD type = 0;
    std::string data;
    if (!ReadValue(title, section, name, type, data) || type != REG_SZ) return missing;
    while (!data.empty() && data.back() == '\0') data.pop_back();
    return data;
}

long long ReadSettingInt(const std::string& title, const std::string& section, const std::string& name,
                         long long missing) {
    DWORD type = 0;
    std::string data;
    if (!ReadValue(title, section, name, type, data) || type != REG_DWORD || data.size() != 4) return missing;
    DWORD value = 0;
    memcpy(&value, data.data(), 4);
    return value;
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char base[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, base);
    m_path = std::string(base) + name + "-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    for (const std::string& name : Names()) {
        std::string path = File(name);
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }
    ::RemoveDirectoryA(m_path.c_str());
}

std::vector<std::string> ScratchFolder::Names() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

std::string FileBytes(const std::string& path) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string text;
    static char buffer[1 << 16];
    DWORD got = 0;
    while (::ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got) text.append(buffer, got);
    ::CloseHandle(file);
    return text;
}

bool PutFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD done = 0;
    bool ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) && done == bytes.size();
    ::CloseHandle(file);
    return ok;
}

std::string Visible(const std::string& text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            shown.push_back(static_cast<char>(c));
        } else {
            shown += "\\x";
            shown.push_back(hex[c >> 4]);
            shown.push_back(hex[c & 15]);
        }
    }
    return Quoted(shown.size() > 300 ? shown.substr(0, 300) + "..." : shown);
}
