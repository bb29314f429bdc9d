// Message boxes with the application title as caption.
#pragma once

#include <windows.h>

#include <string>

// Shows `text` owned by the main window (when it is shown), captioned with the application title.
// A box with OK, OK and Cancel, Yes and No, or Yes, No and Cancel and no icon of its own is a warning.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);

// The system's text for an error code, without its line break; empty for an unknown code.
std::string SystemErrorText(DWORD error);
