// libFuzzer target over the whole Evaluate road.
//
// The input is split at its first NUL byte (fuzz_input.h): short mutations without one reach the
// plain evaluator, inputs with one also reach the sheet, the ranges and the name lookups.
//
// Besides crashes, hangs and sanitizer reports, a small input must give the statuses, values,
// value text and flag of the literal implementations (the plain pass algorithm and the plain
// recursive evaluator); a difference aborts with a description.
//
// Each run gets a small work allowance of its own: the product's allowance is a fifth of a second
// of native work, which the sanitizers and coverage stretch to seconds, and inputs grown from the
// huge-range seeds would spend all of it every time. What happens when an allowance runs out is the
// same whatever its size, so a small one loses nothing and lets the fuzzer explore.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "fuzz_input.h"
#include "variable_sheet.h"

namespace {

constexpr long long kFuzzAllowance = 500'000;

// An outer scope that the evaluation's own scope joins, with all but kFuzzAllowance spent.
struct FuzzAllowance {
    tuv::WorkScope scope;
    FuzzAllowance() { tuv::ChargeWork(tuv::kWorkBudget - kFuzzAllowance); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto [variables, expression] = SplitFuzzInput({reinterpret_cast<const char*>(data), size});
    std::string result, details, value;
    std::optional<FuzzAllowance> allowance(std::in_place);
    const bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
    if (tuv::WorkExhausted()) return 0;  // ends in "E" by design: nothing to compare
    allowance.emplace();  // the literal implementations get one of their own
    const std::string difference = CompareWithLiterals(variables, expression, ok, value);
    if (!difference.empty()) {
        std::fprintf(stderr, "differs from the literal implementations: %s\n", difference.c_str());
        std::abort();
    }
    return 0;
}
