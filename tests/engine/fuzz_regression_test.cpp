// Replays every input kept in tests/fuzz/regressions through the Evaluate road, split as the fuzz
// target splits it: each once crashed, hung, tripped a sanitizer or differed from the literal
// implementations there. It must now end and, when small, agree with the literal implementations,
// as in the fuzzer.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "../fuzz/fuzz_input.h"
#include "rows.h"

TEST(FuzzRegressions, EveryKeptInputEvaluatesLikeTheLiteralImplementations) {
    ASSERT_FALSE(std::filesystem::is_empty(TESTS_DIR "/fuzz/regressions"));
    for (const auto& entry : std::filesystem::directory_iterator(TESTS_DIR "/fuzz/regressions")) {
        const std::string bytes = ReadFile(entry.path());
        auto [variables, expression] = SplitFuzzInput(bytes);
        EXPECT_EQ(DifferenceFromTheLiterals(variables, expression), "") << entry.path().filename();
    }
}
