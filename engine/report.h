// The result's final text and the details report.
#pragma once

#include <string>

#include "variable_sheet.h"

namespace tuv {

// Removes insignificant zeros from a number text: 23.000000 -> 23, 0.050000 -> 0.05.
void TrimNumberText(std::string& text);

// One line per variable line: "NAME = value" or "ERR n : LINE", each ending in "\n".
std::string BuildReport(const VariableSheet& sheet);

}  // namespace tuv
