// tuv-eval through its built program: the rows of tuv_eval.tsv.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "../engine/rows.h"

TEST(TuvEval, Rows) {
    setenv("EXAMPLES", TESTS_DIR "/../examples", 1);
    const std::string files = ::testing::TempDir() + "tuv_eval_" + std::to_string(getpid());
    for (const Row& row : ReadRows(TESTS_DIR "/cli/tuv_eval.tsv")) {
        std::ofstream(files + ".in", std::ios::binary) << row[1];
        const int status = std::system((std::string(TUV_EVAL_PATH) + " " + row[0] + " <" + files + ".in >" + files +
                                        ".out 2>" + files + ".err").c_str());
        ExpectText(ReadFile(files + ".out"), row[2], row[0] + " (standard output)");
        ExpectText(ReadFile(files + ".err"), row[3], row[0] + " (standard error)");
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::stoi(row[4])) << row[0];
    }
    for (const char* end : {".in", ".out", ".err"}) std::remove((files + end).c_str());
}
