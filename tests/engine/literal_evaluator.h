// The evaluation rules done the plain recursive way, copying every part: the oracle that the
// engine's evaluator, which folds operator chains in loops, must agree with.
#pragma once

#include <string>

bool LiteralEvaluate(std::string text, std::string& result);
