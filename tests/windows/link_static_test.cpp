// The hyperlink control's fitting and command-line rules, as tables (tests/windows/data/link_*.tsv).
// Its hover, visited and failure states are seen end to end, with the real pointer and the
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
    for (const Row& row : ReadRows(TABLES "link_command.tsv")) EXPECT_EQ(HandlerCommandLine(row[0], row[1]), row[2]) << row[0];
}

}  // namespace
