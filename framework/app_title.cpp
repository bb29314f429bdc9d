#include "app_title.h"

#include <windows.h>

#include "text_encoding.h"

std::string AppTitleFromPath(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string ThisProgramPath() {
    // Asked in UTF-16: the 8-bit call may cut a UTF-8 path at a character boundary short of its
    // buffer's end, which looks like a whole path.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return FromUtf16(path);
        }
        path.resize(path.size() * 2);  // cut: ask again with room for the whole path
    }
}

std::string AppTitleOfThisProgram() { return AppTitleFromPath(ThisProgramPath()); }
