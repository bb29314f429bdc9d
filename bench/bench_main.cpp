// Benchmarks of the engine, as ns or ms per evaluation of one input through RunEvaluation:
//   typical/<case>                  typical expressions, one of every function family
//   flat/<kind>/<operators>/<impl>  long flat expressions
//   deep/<kind>/<depth>/<impl>      brackets and calls nested
//   sheet/bottom-up/<lines>/<impl>  big sheets written bottom-up
//   allowance/<case>                inputs that spend the whole work allowance and end in "E"
//   batch/RunEvaluation alone       with CALVO_BENCH_CASES naming a file of expressions, one a line:
//                                   all of them, one after the other, as tuv-eval --batch sees them
// <impl> is "after" for the engine and "before" for the literal implementation kept in the tests
// (the plain recursive evaluator, the plain pass algorithm), run only at sizes where it ends in
// reasonable time. Every benchmark checks its answer first, so it never times a quick failure.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "big_stack.h"
#include "inputs.h"
#include "literal_evaluator.h"
#include "literal_sheet.h"
#include "report.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace {

struct Outcome {
    bool ok;
    std::string result;
};

// A sheet once big keeps its hash table's buckets, and clearing them then costs every later
// evaluation microseconds: each benchmark starts from a new sheet, so the order they run in does
// not matter.
void FreshSheet() { tuv::ActiveSheet() = tuv::VariableSheet(); }

Outcome Run(const std::string& variables, const std::string& expression) {
    std::string text = variables, result, details;
    bool ok = tuv::RunEvaluation(text, expression, result, details);
    return {ok, result};
}

void Typical(benchmark::State& state, const bench::TypicalCase& c) {
    FreshSheet();
    Outcome first = Run(c.variables, c.expression);
    if (!first.ok || first.result == "E") {
        state.SkipWithError(("fails: " + c.expression).c_str());
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Run(c.variables, c.expression));
}

// The engine on an expression alone.
void EngineExpression(benchmark::State& state, const std::string& expression) {
    FreshSheet();
    Outcome first = Run("", expression);
    if (!first.ok) {
        state.SkipWithError("the engine fails");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Run("", expression));
}

// The longest an evaluation can take: the work allowance spent, the result "E".
void EngineOverAllowance(benchmark::State& state, const std::string& variables, const std::string& expression) {
    FreshSheet();
    Outcome first = Run(variables, expression);
    if (first.ok || first.result != "E" || !tuv::WorkExhausted()) {
        state.SkipWithError("the allowance was not spent");
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Run(variables, expression));
}

// The engine's share of tuv-eval --batch: the same expressions without the JSON around them.
void EngineCases(benchmark::State& state, const std::vector<std::string>& cases) {
    FreshSheet();
    for (auto _ : state)
        for (const std::string& expression : cases) benchmark::DoNotOptimize(Run("", expression));
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(cases.size()));
}

void LiteralExpression(benchmark::State& state, const std::string& expression) {
    FreshSheet();
    for (auto _ : state) {
        bool ok = false;
        state.SetIterationTime(bench::TimeOnBigStack([&] {
            tuv::ActiveSheet().Reset();
            std::string result;
            ok = LiteralEvaluate(expression, result);
            benchmark::DoNotOptimize(result);
        }));
        if (!ok) state.SkipWithError("the literal evaluator fails");
    }
}

void EngineSheet(benchmark::State& state, int lines) {
    FreshSheet();
    std::string sheet = bench::BottomUpSheet(lines);
    Outcome first = Run(sheet, "v1");
    if (!first.ok || first.result != std::to_string(lines)) {
        state.SkipWithError(("v1 is " + first.result).c_str());
        return;
    }
    for (auto _ : state) benchmark::DoNotOptimize(Run(sheet, "v1"));
}

void LiteralSheet(benchmark::State& state, int lines) {
    FreshSheet();
    std::string text = bench::BottomUpSheet(lines);
    for (auto _ : state) {
        tuv::VariableSheet& sheet = tuv::ActiveSheet();
        tuv::ReadSheetLines(text, sheet);
        LiteralResolveSheet(sheet);
        std::string value;
        bool ok = tuv::ResolveName("V1", value);
        tuv::TrimNumberText(value);
        if (!ok || value != std::to_string(lines))
            state.SkipWithError(("V1 is " + value).c_str());
    }
}

void RegisterAll() {
    for (const bench::TypicalCase& c : bench::TypicalCases())
        benchmark::RegisterBenchmark(("typical/" + c.name).c_str(), Typical, c);

    using bench::FlatKind;
    for (FlatKind kind : {FlatKind::Sum, FlatKind::Product, FlatKind::MixedLevels, FlatKind::PercentsAndSigns,
                          FlatKind::Comparisons}) {
        for (int operators : {1000, 10000, 100000}) {
            std::string name = std::string("flat/") + bench::FlatKindName(kind) + "/" + std::to_string(operators);
            std::string text = bench::FlatExpression(kind, operators);
            benchmark::RegisterBenchmark((name + "/after").c_str(), EngineExpression, text)
                ->Unit(benchmark::kMillisecond);
            // The recursion copies every left part: quadratic, seconds at 100,000.
            if (operators <= 10000)
                benchmark::RegisterBenchmark((name + "/before").c_str(), LiteralExpression, text)
                    ->UseManualTime()->Unit(benchmark::kMillisecond);
        }
    }

    using bench::NestKind;
    for (NestKind kind : {NestKind::Brackets, NestKind::Calls, NestKind::BracketedSums}) {
        for (int depth : {100, 1000}) {
            std::string name = std::string("deep/") + bench::NestKindName(kind) + "/" + std::to_string(depth);
            std::string text = bench::NestedExpression(kind, depth);
            benchmark::RegisterBenchmark((name + "/after").c_str(), EngineExpression, text)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark((name + "/before").c_str(), LiteralExpression, text)
                ->UseManualTime()->Unit(benchmark::kMillisecond);
        }
    }

    for (int lines : {1000, 2000, 5000, 20000}) {
        std::string name = "sheet/bottom-up/" + std::to_string(lines);
        benchmark::RegisterBenchmark((name + "/after").c_str(), EngineSheet, lines)->Unit(benchmark::kMillisecond);
    }
    std::string deepLines;
    for (int i = 1; i <= 3000; ++i)
        deepLines += "l" + std::to_string(i) + " = " + bench::NestedExpression(bench::NestKind::Brackets, 1500) + "\n";
    struct {
        const char* name;
        std::string variables, expression;
    } const overAllowance[] = {
        {"SUM(A1:A2000000000)", "", "SUM(A1:A2000000000)"},
        {"MAX(V1:V2000000000), V1 to V1000 defined", bench::BottomUpSheet(1000), "MAX(V1:V2000000000)"},
        {"1,000,000 operators", "", bench::FlatExpression(bench::FlatKind::Sum, 1000000)},
        {"3,000 lines nested 1,500 deep", deepLines, "l1"},
    };
    for (const auto& c : overAllowance)
        benchmark::RegisterBenchmark((std::string("allowance/") + c.name).c_str(), EngineOverAllowance, c.variables,
                                     c.expression)
            ->Unit(benchmark::kMillisecond);

    if (const char* path = std::getenv("CALVO_BENCH_CASES")) {
        std::vector<std::string> cases;
        std::ifstream file(path);
        for (std::string line; std::getline(file, line);) cases.push_back(line);
        benchmark::RegisterBenchmark("batch/RunEvaluation alone", EngineCases, cases)->Unit(benchmark::kMillisecond);
    }

    // The plain pass algorithm evaluates lines*(lines+1)/2 lines: seconds at 2,000 already.
    for (int lines : {1000, 2000})
        benchmark::RegisterBenchmark(("sheet/bottom-up/" + std::to_string(lines) + "/before").c_str(), LiteralSheet,
                                     lines)
            ->Iterations(lines <= 1000 ? 3 : 1)->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
