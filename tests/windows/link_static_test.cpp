// The hyperlink control's fitting and command-line rules, as tables. Its hover, visited and failure
// states are seen end to end, with the real pointer and the real shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "link_static.h"

namespace {

TEST(LinkStatic, FitsItsRectangleToTheText) {
    struct Case {
        DWORD style;
        RECT rect;
        SIZE text;
        RECT expected;
    } cases[] = {
        {SS_LEFT, {10, 20, 110, 60}, {50, 13}, {10, 20, 60, 33}},
        {SS_RIGHT, {10, 20, 110, 60}, {50, 13}, {60, 20, 110, 33}},
        {SS_CENTER, {10, 20, 110, 60}, {51, 13}, {34, 20, 86, 33}},                   // d = 49 / 2 = 24
        {SS_CENTER | SS_CENTERIMAGE, {10, 20, 110, 60}, {50, 13}, {35, 33, 85, 47}},  // d = 27 / 2 = 13
        {SS_CENTER | SS_CENTERIMAGE, {10, 20, 50, 30}, {51, 13}, {5, 19, 55, 31}},    // wider and taller: -5, -1
    };
    for (const Case& c : cases) {
        RECT fitted = FitRectToText(c.rect, c.text, c.style);
        EXPECT_TRUE(::EqualRect(&fitted, &c.expected)) << c.style << ": " << fitted.left << "," << fitted.top;
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
