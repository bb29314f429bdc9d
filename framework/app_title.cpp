#include "app_title.h"

#include <windows.h>

std::string AppTitleFromPath(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string ThisProgramPath() {
    // In UTF-8 a path of MAX_PATH characters takes up to three times as many bytes.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut: ask again with room for the whole path
    }
}

std::string AppTitleOfThisProgram() { return AppTitleFromPath(ThisProgramPath()); }
