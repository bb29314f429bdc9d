#pragma once

#include <istream>
#include <ostream>

// Reads JSON Lines {"variables": "...", "expression": "..."} and writes one JSON line per input
// line: {"ok", "result", "value", "details"}, or {"error"} for a line that is not such an object.
void RunBatch(std::istream& in, std::ostream& out);
