// Texts and data carried as resources of the running program.
#pragma once

#include <windows.h>

#include <string>

// String resource `id`, or an empty text when it is missing.
std::string LoadResourceString(UINT id);
