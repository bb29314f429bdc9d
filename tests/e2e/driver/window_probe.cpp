#include "window_probe.h"

#include <windows.h>
#include <commctrl.h>

std::string ClassName(HWND hWnd) {
    char name[256] = {};
    int length = ::GetClassNameA(hWnd, name, sizeof(name));
    return std::string(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::string TextOf(HWND hWnd) {
    char text[1024] = {};
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(hWnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                               5000, &length)) {
        return "<no answer>";
    }
    return std::string(text, length < sizeof(text) ? length : sizeof(text) - 1);
}

RECT ScreenRect(HWND hWnd) {
    RECT rect{};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

std::string Describe(const RECT& rect) {
    return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" + std::to_string(rect.right) +
           "," + std::to_string(rect.bottom) + ")";
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) joined += (joined.empty() ? "" : ", ") + Quoted(text);
    return "[" + joined + "]";
}

namespace {

struct ChildSearch {
    const char* className;
    int controlId;
    HWND found;
};

BOOL CALLBACK CheckClass(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (ClassName(hWnd) == search->className) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CheckPage(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ChildSearch*>(lParam);
    if (ClassName(hWnd) == "#32770" && ::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, search->controlId)) {
        search->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindChildOfClass(HWND parent, const char* className) {
    ChildSearch search{className, 0, nullptr};
    ::EnumChildWindows(parent, &CheckClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisiblePageWithControl(HWND sheet, int id) {
    ChildSearch search{nullptr, id, nullptr};
    ::EnumChildWindows(sheet, &CheckPage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> TabTexts(HWND tab, HANDLE process) {
    std::vector<std::string> texts;
    int count = static_cast<int>(::SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    constexpr size_t kTextSize = 256;
    // TCM_GETITEM carries pointers: both the record and its text must live in the other process.
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof(TCITEMA) + kTextSize, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return texts;
    char* remoteText = static_cast<char*>(remote) + sizeof(TCITEMA);
    for (int i = 0; i < count; ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = remoteText;
        item.cchTextMax = kTextSize;
        char text[kTextSize] = {};
        SIZE_T moved = 0;
        if (!::WriteProcessMemory(process, remote, &item, sizeof(item), &moved) ||
            !::WriteProcessMemory(process, remoteText, text, sizeof(text), &moved) ||
            !::SendMessageA(tab, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote)) ||
            !::ReadProcessMemory(process, remoteText, text, sizeof(text) - 1, &moved)) {
            texts.push_back("<unreadable>");
            continue;
        }
        texts.push_back(text);
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return texts;
}

RECT TabItemScreenRect(HWND tab, int index, HANDLE process) {
    RECT rect{};
    void* remote = ::VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    if (!remote) return rect;
    SIZE_T moved = 0;
    if (::SendMessageA(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote)) &&
        ::ReadProcessMemory(process, remote, &rect, sizeof(rect), &moved)) {
        ::MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    } else {
        rect = RECT{};
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return rect;
}
