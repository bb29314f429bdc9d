// Every evaluation runs on the window's only thread, so each one gets a fixed allowance of work.
// Evaluating a text costs a fixed amount plus its length, combining two values by an operator a
// smaller one, and reading an enumeration the length of its list. Once the allowance is spent,
// every further step fails at once and the evaluation ends with "E" (the report is still built
// from what was resolved). Ordinary input uses a few thousand units, a 100,000-operator expression
// about 8 million; the whole allowance is a tenth to a fifth of a second of work natively.
#pragma once

#include <cstddef>

namespace tuv {

constexpr long long kWorkBudget = 50'000'000;
constexpr long long kWorkPerStep = 64;      // evaluating a text, besides its length
constexpr long long kWorkPerOperator = 16;  // combining two values

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

// What the last (or the current) evaluation has spent.
long long WorkSpent();

}  // namespace tuv
