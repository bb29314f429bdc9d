// The help text's report examples must be what the program really shows for them.
#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "resource.h"
#include "variable_sheet.h"

namespace {

TEST(HelpText, ReportExamplesAreWhatTheProgramShows) {
    HRSRC resource = ::FindResourceA(nullptr, MAKEINTRESOURCEA(IDR_HELP_TEXT), "TEXT");
    ASSERT_NE(resource, nullptr);
    const std::string help(static_cast<const char*>(::LockResource(::LoadResource(nullptr, resource))),
                           ::SizeofResource(nullptr, resource));
    const std::pair<const char*, const char*> examples[] = {
        {"a=23\r\nb=47\r\nc=a+b+d", "A = 23|B = 47|ERR 1 : C=A+B+D"},
        {"a=23\r\nb=47\r\nc=a+b+d\r\nd=sin(45)", "A = 23|B = 47|C = 70.707107|D = 0.707107"},
        {"c=a+b+d\r\nd=sin(45)+c", "ERR 1 : C=A+B+D|ERR 2 : D=SIN(45)+C"},
    };
    for (const auto& [variables, lines] : examples) {
        std::string sheet = variables, result, details;
        tuv::RunEvaluation(sheet, "1", result, details);
        const std::regex bar("\\|");
        EXPECT_EQ(details, std::regex_replace(lines, bar, "\r\n") + "\r\n") << variables;
        // In the help text each report line stands on a CRLF line of its own, after a tab.
        EXPECT_NE(help.find("\n\t" + std::regex_replace(lines, bar, "\r\n\t") + "\r\n"), std::string::npos) << lines;
    }
}

}  // namespace
