// Replays every input kept in tests/fuzz/regressions through the Evaluate road, split as the fuzz
// target splits it: each once crashed, hung, tripped a sanitizer or differed from the literal
// implementations there. It must now end and, when small, agree with the literal implementations,
// as in the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../fuzz/fuzz_input.h"

TEST(FuzzRegressions, EveryKeptInputEvaluatesLikeTheLiteralImplementations) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_REGRESSIONS_DIR)) {
        SCOPED_TRACE(entry.path().filename().string());
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        auto [variables, expression] = SplitFuzzInput(bytes);
        std::string result, details, value;
        const bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
        EXPECT_EQ(CompareWithLiterals(variables, expression, ok, value), "");
        ++count;
    }
    EXPECT_GT(count, 0) << "no inputs in " << FUZZ_REGRESSIONS_DIR;
}
