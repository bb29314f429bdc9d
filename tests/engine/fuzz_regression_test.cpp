// Replays every input kept in tests/fuzz/regressions through the Evaluate road, split as the fuzz
// target splits it: each once crashed, hung, tripped a sanitizer or differed from the literal
// implementations there. It must now give a value or "E", and a small input must agree with the
// literal pass algorithm and the plain recursion, as in the fuzzer.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../fuzz/fuzz_input.h"
#include "variable_sheet.h"
#include "work_budget.h"

namespace {

std::vector<std::filesystem::path> RegressionFiles() {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(FUZZ_REGRESSIONS_DIR))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FuzzRegressions, EveryKeptInputEvaluatesLikeTheLiteralImplementations) {
    std::vector<std::filesystem::path> files = RegressionFiles();
    ASSERT_FALSE(files.empty()) << "no inputs in " << FUZZ_REGRESSIONS_DIR;
    for (const auto& path : files) {
        SCOPED_TRACE(path.filename().string());
        std::string bytes = ReadBytes(path);
        ASSERT_FALSE(bytes.empty());
        auto [variables, expression] = SplitFuzzInput(bytes);
        std::string result, details, value;
        bool ok = tuv::RunEvaluation(variables, expression, result, details, &value);
        if (tuv::WorkExhausted()) {
            // Past the work allowance the road ends in "E".
            EXPECT_FALSE(ok);
            EXPECT_EQ(result, "E");
        }
        EXPECT_EQ(CompareWithLiterals(variables, expression, ok, value), "");
    }
}

}  // namespace
