// Every evaluation runs on the window's only thread, so each one gets a fixed allowance of work.
// Evaluating a text costs a fixed amount plus its length, so does combining two values by an
// operator, and reading an enumeration costs the length of its list. Once the allowance is spent every further step fails at once, and the evaluation
// ends with "E" (the report is still built from what was resolved). Ordinary input uses a few
// thousand units; the allowance is about half a second of work on a current machine.
#pragma once

#include <cstddef>

namespace tuv {

constexpr long long kWorkBudget = 50'000'000;
constexpr long long kWorkPerStep = 64;

// Opens the allowance for one evaluation; nested scopes share the outermost one.
class WorkScope {
public:
    WorkScope();
    ~WorkScope();
    WorkScope(const WorkScope&) = delete;
    WorkScope& operator=(const WorkScope&) = delete;
};

// Spends `units`; false once the allowance is spent.
bool ChargeWork(long long units);

bool WorkExhausted();

}  // namespace tuv
