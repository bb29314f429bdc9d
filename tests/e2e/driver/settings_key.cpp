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

bool WriteSetting(const std::string& title, const std::string& section, const std::string& name, unsigned value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKeyPath(title, section).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    DWORD data = value;
    bool written = ::RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                    sizeof(data)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return written;
}
