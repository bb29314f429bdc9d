// Runs a function on a thread with a stack big enough for the plain recursion of the literal
// evaluator over long texts (one frame pair per operator), and returns the CPU seconds that thread
// spent: on a shared machine that compares with Google Benchmark's CPU time of the engine's runs.
#pragma once

#include <functional>

namespace bench {

double TimeOnBigStack(const std::function<void()>& work);

}  // namespace bench
