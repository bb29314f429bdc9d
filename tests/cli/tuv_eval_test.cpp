#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
};

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') quoted += "'\\''";
        else quoted += c;
    }
    return quoted + "'";
}

// Runs tuv-eval with `args` (already quoted), feeding `input` on standard input; `out` is what it
// wrote on standard output, or with `errors` on standard error.
Outcome TuvEval(const std::string& args, const std::string& input = "", bool errors = false) {
    // CTest runs tests side by side: each test has its own input file.
    std::string inputPath = ::testing::TempDir() + "tuv_eval_input_" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";
    std::ofstream(inputPath, std::ios::binary) << input;
    std::string command = std::string(TUV_EVAL_PATH) + " " + args + " < " + inputPath + (errors ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    Outcome run{-1, ""};
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string WriteTemp(const std::string& name, const std::string& content) {
    std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

TEST(TuvEvalArguments, ResultTextAndExitStatus) {
    struct Case {
        std::string args;
        std::string out;
        int status;
    } cases[] = {
        {"'1+2*3'", "7\n", 0},
        {"'1/128'", "0.007813\n", 0},
        {"--raw '1/128'", "0.007813\n", 0},
        {"--raw '2*3'", "6.000000\n", 0},
        {"-- '-5'", "-5\n", 0},
        {"--raw '-5'", "-5.000000\n", 0},
        {"'1/0'", "E\n", 1},
        {"--raw 'x'", "0.0\n", 1},
        {"''", "E\n", 1},
        {"--raw ''", "E\n", 1},
        {"'\"abc\"'", "abc\n", 0},
    };
    for (const Case& c : cases) {
        Outcome run = TuvEval(c.args);
        EXPECT_EQ(run.out, c.out) << c.args;
        EXPECT_EQ(run.status, c.status) << c.args;
    }
}

TEST(TuvEvalArguments, HelpAndVersionOnStandardOutputUsageErrorsOnStandardError) {
    for (std::string args : {"--help", "--version", "'1+1' --help", "--frobnicate 1"}) {
        bool asked = args.find("--frobnicate") == std::string::npos;
        Outcome run = TuvEval(args, "", !asked);
        EXPECT_EQ(run.status, asked ? 0 : 2) << args;
        std::string start = args == "--version" ? "tuv-eval (Calvo) " : "usage: tuv-eval";
        EXPECT_NE(run.out.find(start), std::string::npos) << args << ": " << run.out;
    }
}

TEST(TuvEvalArguments, UsageAndFileErrorsExitWithTwo) {
    for (std::string args : {"", "--frobnicate 1", "1 2", "--variables", "--batch 1",
                             "--variables /nonexistent/file.txt 1"}) {
        Outcome run = TuvEval(args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_EQ(run.out, "") << args;
    }
}

TEST(TuvEvalVariables, DetailsListEveryLineOfTheFile) {
    Outcome run = TuvEval("--details --variables " + Quote(std::string(EXAMPLES_DIR) + "/help-example.txt") + " c*2");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "141.414214\nA = 23\nB = 47\nC = 70.707107\nD = 0.707107\n");

    std::string path = WriteTemp("broken.txt", "a=23\nb=47\nc=a+b+d\n");
    run = TuvEval("--details --variables " + Quote(path) + " c");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "E\nA = 23\nB = 47\nERR 1 : C=A+B+D\n");
}

TEST(TuvEvalBatch, OneAnswerPerLineInOrder) {
    std::string input =
        "{\"variables\": \"a=2\\nb=a*3\", \"expression\": \"b+1\"}\n"
        "{\"expression\": \"\"}\n"
        "not json\n"
        "{\"expression\": 5}\n"
        "{\"variables\": \"x=1\", \"expression\": \"x/0\"}\n"
        "{\"expression\": \"a\"}\n";
    Outcome run = TuvEval("--batch", input);
    EXPECT_EQ(run.status, 0);
    std::string expected =
        "{\"ok\":true,\"result\":\"7\",\"value\":\"7.000000\",\"details\":\"A = 2\\nB = 6\\n\"}\n"
        "{\"ok\":false,\"result\":\"E\",\"value\":\"E\",\"details\":\"\"}\n";
    ASSERT_GE(run.out.size(), expected.size());
    EXPECT_EQ(run.out.substr(0, expected.size()), expected);
    std::string rest = run.out.substr(expected.size());
    // The malformed lines get an error each and the batch goes on; every line is a fresh sheet,
    // so "a" of the first line is undefined in the last.
    size_t first = rest.find('\n'), second = rest.find('\n', first + 1);
    EXPECT_EQ(rest.compare(0, 9, "{\"error\":"), 0) << rest;
    EXPECT_EQ(rest.compare(first + 1, 9, "{\"error\":"), 0) << rest;
    EXPECT_EQ(rest.substr(second + 1),
              "{\"ok\":false,\"result\":\"E\",\"value\":\"E\",\"details\":\"X = 1\\n\"}\n"
              "{\"ok\":false,\"result\":\"E\",\"value\":\"0.0\",\"details\":\"\"}\n");
}

}  // namespace
