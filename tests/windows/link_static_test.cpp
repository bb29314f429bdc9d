// The hyperlink control's fitting (tests/windows/data/link_fit.tsv) and command-line rules, as
// tables. Its hover, visited and failure states are seen end to end, with the real pointer and the
// real shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "link_static.h"
#include "rows.h"

namespace {

TEST(LinkStatic, FitsItsRectangleToTheText) {
    for (const Row& row : ReadRows(TABLES "link_fit.tsv")) {
        const std::vector<int> r = Numbers(row[1]), text = Numbers(row[2]);
        RECT fitted = FitRectToText(RECT{r[0], r[1], r[2], r[3]}, SIZE{text[0], text[1]}, std::stoi(row[0]));
        EXPECT_EQ(Numbers(row[3]), (std::vector<int>{fitted.left, fitted.top, fitted.right, fitted.bottom})) << row[0] << " " << row[1];
    }
}

TEST(LinkStatic, HandlerCommandLineReplacesThePlaceholder) {
    const std::string target = "https://example.example/?tuv";
    const std::string longCommand = "\"C:\\" + std::string(3000, 'p') + "\\browser.exe\"";
    const std::string longTarget = "https://example.example/" + std::string(3000, 'q');
    struct Case {
        std::string registered, target, expected;
    } cases[] = {
        {"\"C:\\b.exe\" \"%1\" -new", target, "\"C:\\b.exe\"  " + target},
        {"C:\\b.exe %1 -new", target, "C:\\b.exe  " + target},
        {"C:\\b.exe -new", target, "C:\\b.exe -new " + target},
        {"C:\\b.exe \"%1\" %1", target, "C:\\b.exe  " + target},
        {longCommand + " \"%1\"", longTarget, longCommand + "  " + longTarget},
    };
    for (const Case& c : cases) EXPECT_EQ(HandlerCommandLine(c.registered, c.target), c.expected) << c.registered;
}

}  // namespace
