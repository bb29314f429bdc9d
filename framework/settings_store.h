// The settings store: integers and strings under
// HKEY_CURRENT_USER\Software\<company>\<application>\<section>. A value that is missing, of
// the wrong type or of the wrong size reads as the caller's default. Value names are matched
// without regard to case, as the registry matches them.
#pragma once

#include <string>

class SettingsStore {
public:
    // Until a location is set every read gives its default and every write fails.
    void SetLocation(const std::string& company, const std::string& application);

    // Reads and writes open the section's key, creating every missing part of its path.
    int GetInt(const std::string& section, const std::string& entry, int defaultValue) const;
    std::string GetString(const std::string& section, const std::string& entry,
                          const std::string& defaultValue = std::string()) const;
    bool WriteInt(const std::string& section, const std::string& entry, int value) const;
    bool WriteString(const std::string& section, const std::string& entry, const std::string& text) const;

private:
    std::string m_keyPath;
};
