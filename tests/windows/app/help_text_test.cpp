// The help text carried as resource 133: its form, its sections, and its examples, whose
// report lines must be what the program really shows for them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resource.h"
#include "variable_sheet.h"

namespace {

std::string HelpText() {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT");
    if (!resource) return {};
    const char* data = static_cast<const char*>(::LockResource(::LoadResource(module, resource)));
    return std::string(data, ::SizeofResource(module, resource));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

bool HasLine(const std::vector<std::string>& lines, const std::string& wanted) {
    for (const std::string& line : lines) {
        size_t first = line.find_first_not_of(" \t");
        if (first != std::string::npos && line.substr(first) == wanted) return true;
    }
    return false;
}

TEST(HelpText, IsPlainAsciiWithCarriageReturnLineFeedLines) {
    std::string text = HelpText();
    ASSERT_FALSE(text.empty());
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        ASSERT_TRUE(c == '\t' || c == '\r' || c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare line feed at " << i;
        }
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "bare carriage return at " << i;
        }
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(HelpText, HasItsSectionsUnderlinedInOrder) {
    std::vector<std::string> lines = Lines(HelpText());
    const std::vector<std::string> sections = {"Variables",          "Expressions",       "Evaluating an Expression",
                                               "Checking for errors", "Order of evaluation", "Tips",
                                               "Minimizing to System Tray"};
    size_t searchFrom = 0;
    for (const std::string& title : sections) {
        size_t at = searchFrom;
        while (at + 1 < lines.size() && !(lines[at] == title && lines[at + 1] == std::string(title.size(), '-'))) ++at;
        EXPECT_LT(at + 1, lines.size()) << "no underlined section \"" << title << "\" after line " << searchFrom;
        searchFrom = at + 2;
    }
    int rules = 0;
    for (const std::string& line : lines) rules += line.size() > 20 && line == std::string(line.size(), '=');
    EXPECT_GE(rules, 2) << "the header block is closed by rules of '='";
}

TEST(HelpText, ReportExamplesAreWhatTheProgramShows) {
    struct Example {
        const char* variables;
        std::vector<std::string> reportLines;  // as the help text shows them
    };
    const Example examples[] = {
        {"a=23\r\nb=47\r\nc=a+b+d", {"A = 23", "B = 47", "ERR 1 : C=A+B+D"}},
        {"a=23\r\nb=47\r\nc=a+b+d\r\nd=sin(45)", {"A = 23", "B = 47", "C = 70.707107", "D = 0.707107"}},
        {"c=a+b+d\r\nd=sin(45)+c", {"ERR 1 : C=A+B+D", "ERR 2 : D=SIN(45)+C"}},
    };
    std::vector<std::string> help = Lines(HelpText());
    for (const Example& example : examples) {
        std::string variables = example.variables;
        std::string result, details;
        tuv::RunEvaluation(variables, "1", result, details);
        std::vector<std::string> report = Lines(details + "\r\n");
        for (const std::string& line : example.reportLines) {
            EXPECT_TRUE(HasLine(help, line)) << "the help text lacks \"" << line << "\"";
            EXPECT_TRUE(HasLine(report, line)) << "the program does not show \"" << line << "\" for "
                                               << example.variables << "; it shows:\n"
                                               << details;
        }
    }
}

}  // namespace
