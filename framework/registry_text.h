// Reading a text from outside the settings store: a system key such as the shell's folders or
// the handler of a file type.
#pragma once

#include <windows.h>

#include <string>

// Value `name` (null: the key's default value) of `root`\`subkey` as text, at whatever length,
// ending at its first zero: 0, or an error code (also when it is not a plain REG_SZ text).
LONG ReadRegistryText(HKEY root, const std::string& subkey, const char* name, std::string& value);
