// The program's settings key, HKEY_CURRENT_USER\Software\Quandor Technologies\<title>.
#pragma once

#include <string>

std::string SettingsKeyPath(const std::string& title, const std::string& section = std::string());
bool SettingsKeyExists(const std::string& title, const std::string& section = std::string());
void DeleteSettingsKey(const std::string& title);
// Stores an integer as the program would, before it starts.
bool WriteSetting(const std::string& title, const std::string& section, const std::string& name, unsigned value);
