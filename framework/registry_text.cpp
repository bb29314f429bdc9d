#include "registry_text.h"

LONG ReadRegistryText(HKEY root, const std::string& subkey, const char* name, std::string& value) {
    HKEY key = nullptr;
    LONG error = ::RegOpenKeyExA(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (error != ERROR_SUCCESS) return error;
    DWORD type = REG_NONE, size = 0;
    error = ::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    std::string text(size, '\0');
    if (error == ERROR_SUCCESS && type != REG_SZ) error = ERROR_INVALID_DATA;
    if (error == ERROR_SUCCESS && size > 0)
        error = ::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &size);
    ::RegCloseKey(key);
    if (error != ERROR_SUCCESS) return error;
    text.resize(text.find('\0') == std::string::npos ? size : text.find('\0'));
    value = text;
    return ERROR_SUCCESS;
}
