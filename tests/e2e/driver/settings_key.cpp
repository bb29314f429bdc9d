#include "settings_key.h"

#include <windows.h>
#include <shlwapi.h>

std::string SettingsKeyPath(const std::string& title, const std::string& section) {
    std::string path = "Software\\Quandor Technologies\\" + title;
    if (!section.empty()) path += "\\" + section;
    return path;
}

bool SettingsKeyExists(const std::string& title, const std::string& section) {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKeyPath(title, section).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    ::RegCloseKey(key);
    return true;
}

void DeleteSettingsKey(const std::string& title) {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, SettingsKeyPath(title).c_str());
}
