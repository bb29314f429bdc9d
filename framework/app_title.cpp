#include "app_title.h"

#include <windows.h>

std::string AppTitleFromPath(const std::string& path) {
    size_t slash = path.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

std::string AppTitleOfThisProgram() {
    char path[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return AppTitleFromPath(std::string(path, length < MAX_PATH ? length : MAX_PATH));
}
