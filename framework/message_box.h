// Message boxes with the application title as caption.
#pragma once

#include <windows.h>

#include <string>

// `type` with the warning icon added when it names no icon and its buttons are OK, OK and
// Cancel, Yes and No, or Yes, No and Cancel.
UINT WithDefaultIcon(UINT type);

// Shows `text` owned by the main window (when it is shown), captioned with the application title.
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
