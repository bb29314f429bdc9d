#include "settings_store.h"

#include <windows.h>

#include <vector>

namespace {

// The section's key, created with every missing parent; null when that fails.
HKEY OpenSection(const std::string& keyPath, const std::string& section) {
    if (keyPath.empty() || section.empty()) return nullptr;
    std::string path = keyPath + "\\" + section;
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, &disposition) == ERROR_SUCCESS) {
        return key;
    }
    // A key we may read but not write still answers reads.
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) return key;
    return nullptr;
}

class SectionKey {
public:
    SectionKey(const std::string& keyPath, const std::string& section) : m_key(OpenSection(keyPath, section)) {}
    ~SectionKey() {
        if (m_key) ::RegCloseKey(m_key);
    }
    SectionKey(const SectionKey&) = delete;
    SectionKey& operator=(const SectionKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key;
};

}  // namespace

void SettingsStore::SetLocation(const std::string& company, const std::string& application) {
    m_keyPath = "Software\\" + company + "\\" + application;
}

int SettingsStore::GetInt(const std::string& section, const std::string& entry, int defaultValue) const {
    SectionKey key(m_keyPath, section);
    if (!key.get()) return defaultValue;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return defaultValue;
    }
    return static_cast<int>(value);
}

std::string SettingsStore::GetString(const std::string& section, const std::string& entry,
                                     const std::string& defaultValue) const {
    SectionKey key(m_keyPath, section);
    if (!key.get()) return defaultValue;
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultValue;
    }
    // The value may change between the two queries; a second size mismatch reads as missing.
    std::vector<char> buffer(size + 1, '\0');
    DWORD read = size;
    if (::RegQueryValueExA(key.get(), entry.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &read) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return defaultValue;
    }
    // A stored text need not carry its terminator: stop at the first zero or at its end.
    std::string text(buffer.data(), read);
    size_t zero = text.find('\0');
    if (zero != std::string::npos) text.resize(zero);
    return text;
}

bool SettingsStore::WriteInt(const std::string& section, const std::string& entry, int value) const {
    SectionKey key(m_keyPath, section);
    if (!key.get()) return false;
    DWORD data = static_cast<DWORD>(value);
    return ::RegSetValueExA(key.get(), entry.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                            sizeof(data)) == ERROR_SUCCESS;
}

bool SettingsStore::WriteString(const std::string& section, const std::string& entry, const std::string& text) const {
    SectionKey key(m_keyPath, section);
    if (!key.get()) return false;
    // The text up to its first zero, with the terminating zero byte.
    std::string stored(text.c_str());
    return ::RegSetValueExA(key.get(), entry.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                            static_cast<DWORD>(stored.size() + 1)) == ERROR_SUCCESS;
}
