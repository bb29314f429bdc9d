// libFuzzer target over the whole Evaluate road.
//
// The input is split at its first NUL byte (fuzz_input.h): short mutations without one reach the
// plain evaluator, inputs with one also reach the sheet, the ranges and the name lookups.
//
// Besides crashes, hangs and sanitizer reports, a small input must give the statuses, values,
// value text and flag of the literal implementations (the plain pass algorithm and the plain
// recursive evaluator); a difference aborts with a description.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "variable_sheet.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto [variables, expression] = SplitFuzzInput({reinterpret_cast<const char*>(data), size});
    std::string result, details, value;
    bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
    std::string difference = CompareWithLiterals(variables, expression, ok, value);
    if (!difference.empty()) {
        std::fprintf(stderr, "differs from the literal implementations: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
