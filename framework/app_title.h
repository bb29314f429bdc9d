// The application title: the executable's file name without folder and extension.
#pragma once

#include <string>

// "C:\Apps\tuv.exe" gives "tuv". Only the last extension goes ("calc.v2.exe" gives "calc.v2");
// a dot inside a folder name is no extension.
std::string AppTitleFromPath(const std::string& path);

// The full path of the running executable, however long.
std::string ThisProgramPath();

// The title of the running executable.
std::string AppTitleOfThisProgram();
