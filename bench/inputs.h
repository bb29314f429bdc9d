// The inputs the benchmarks evaluate: typical expressions and the three kinds of big input.
#pragma once

#include <string>
#include <vector>

namespace bench {

struct TypicalCase {
    std::string name;
    std::string variables;
    std::string expression;
};

// Numbers, operators, every function family, dates and a sheet of 20 lines.
std::vector<TypicalCase> TypicalCases();

// A flat expression of `operators` binary operators, of one of the kinds below.
enum class FlatKind { Sum, Product, MixedLevels, PercentsAndSigns, Comparisons };
std::string FlatExpression(FlatKind kind, int operators);
const char* FlatKindName(FlatKind kind);

// `depth` brackets or calls, each inside the one before.
enum class NestKind { Brackets, Calls, BracketedSums };
std::string NestedExpression(NestKind kind, int depth);
const char* NestKindName(NestKind kind);

// `lines` lines written bottom-up: each uses the one below it, the last is a number, so the
// literal pass algorithm resolves one line per pass. V1 is `lines` when all resolve.
std::string BottomUpSheet(int lines);

}  // namespace bench
