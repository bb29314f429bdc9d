// tuv-eval: evaluates an expression against an optional variables file, as the calculator does.
//   tuv-eval [--variables FILE] [--details] [--raw] [--] EXPRESSION
//   tuv-eval --batch | --help | --version
// Exit status: 0 the evaluation succeeded (or --help, --version), 1 it failed (the result is E),
// 2 usage or file error.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

#include "batch.h"
#include "report.h"
#include "variable_sheet.h"
#include "version.h"

namespace {

constexpr const char* kUsage =
    "usage: tuv-eval [--variables FILE] [--details] [--raw] [--] EXPRESSION\n"
    "       tuv-eval --batch | --help | --version";

constexpr const char* kHelp =
    "Evaluates EXPRESSION as the Calvo calculator does and prints the result (E when it fails).\n"
    "  --variables FILE  the variables sheet, one name = expression per line\n"
    "  --details         also print the report of every variable\n"
    "  --raw             print the value before trimming\n"
    "  --batch           read JSON Lines {\"variables\": ..., \"expression\": ...} from standard\n"
    "                    input and write one JSON answer per line\n"
    "Exit status: 0 success, 1 the evaluation failed, 2 usage or file error.\n";

int UsageError(const std::string& message) {
    std::cerr << "tuv-eval: " << message << "\n" << kUsage << "\n";
    return 2;
}

bool ReadFile(const std::string& path, std::string& text) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream content;
    content << file.rdbuf();
    if (file.bad()) return false;
    text = content.str();
    return true;
}

#ifdef _WIN32
// The arguments and texts are UTF-8 (the program's manifest asks Windows for that). A console
// shows them right only while its output code page is UTF-8 too: set for the run, then put back.
class Utf8Console {
public:
    Utf8Console() : m_previous(::GetConsoleOutputCP()) {
        if (m_previous) ::SetConsoleOutputCP(CP_UTF8);
    }
    ~Utf8Console() {
        if (m_previous) ::SetConsoleOutputCP(m_previous);
    }

private:
    UINT m_previous;  // 0: no console (a pipe or a file takes the bytes as they are)
};
#endif

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
#ifdef _WIN32
    // Texts are bytes: no line-break translation on the way out or in.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    Utf8Console console;
#endif
    std::string variablesPath, expression;
    bool details = false, raw = false, batch = false, haveExpression = false, optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!optionsEnded && arg == "--help") {
            std::cout << kUsage << "\n\n" << kHelp;
            return 0;
        }
        if (!optionsEnded && arg == "--version") {
            std::cout << "tuv-eval (Calvo) " << CALVO_VERSION_TEXT << "\n";
            return 0;
        }
        if (!optionsEnded && arg == "--") optionsEnded = true;
        else if (!optionsEnded && arg == "--batch") batch = true;
        else if (!optionsEnded && arg == "--details") details = true;
        else if (!optionsEnded && arg == "--raw") raw = true;
        else if (!optionsEnded && arg == "--variables") {
            if (++i >= argc) return UsageError("--variables needs a file name");
            variablesPath = argv[i];
        } else if (!optionsEnded && arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
            return UsageError("unknown option " + arg);
        } else if (haveExpression) {
            return UsageError("one expression only (quote it)");
        } else {
            expression = arg;
            haveExpression = true;
        }
    }
    if (batch) {
        if (haveExpression || details || raw || !variablesPath.empty())
            return UsageError("--batch takes its input from standard input only");
        RunBatch(std::cin, std::cout);
        return 0;
    }
    if (!haveExpression) return UsageError("no expression");

    std::string variables;
    if (!variablesPath.empty() && !ReadFile(variablesPath, variables)) {
        std::cerr << "tuv-eval: cannot read " << variablesPath << "\n";
        return 2;
    }
    std::string result, detailsText, value;
    bool ok = tuv::RunEvaluation(variables, expression, result, detailsText, &value);
    std::cout << (raw ? value : result) << '\n';
    if (details) std::cout << tuv::BuildReport(tuv::ActiveSheet());
    std::cout.flush();
    return ok ? 0 : 1;
}
