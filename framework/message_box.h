// Message boxes with the application title as caption.
#pragma once

#include <windows.h>

#include <string>

// Shows `text` owned by the main window (when it is shown), captioned with the application title.
// Without a type it is a warning with an OK button.
int AfxMessageBox(const std::string& text, UINT type = MB_OK | MB_ICONEXCLAMATION);
