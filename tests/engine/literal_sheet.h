// The pass algorithm done the plain way: every unresolved line evaluated in every pass. The
// oracle that the engine's resolution, which evaluates a line again only when a name it missed
// has been defined, must agree with.
#pragma once

#include "variable_sheet.h"

void LiteralResolveSheet(tuv::VariableSheet& sheet);
