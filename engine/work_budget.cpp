#include "work_budget.h"

namespace tuv {

namespace {

struct Allowance {
    int openScopes = 0;
    long long spent = 0;
    bool exhausted = false;
};

thread_local Allowance g_allowance;

}  // namespace

WorkScope::WorkScope() {
    if (g_allowance.openScopes++ == 0) {
        g_allowance.spent = 0;
        g_allowance.exhausted = false;
    }
}

WorkScope::~WorkScope() { --g_allowance.openScopes; }

bool ChargeWork(long long units) {
    if (g_allowance.exhausted) return false;
    g_allowance.spent += units;
    if (g_allowance.spent > kWorkBudget) g_allowance.exhausted = true;
    return !g_allowance.exhausted;
}

bool WorkExhausted() { return g_allowance.exhausted; }

long long WorkSpent() { return g_allowance.spent; }

}  // namespace tuv
