#include <gtest/gtest.h>

#include "message_box.h"

namespace {

TEST(MessageBoxIcon, WarningIconIsAddedOnlyWhereNoIconIsGiven) {
    struct Case {
        UINT type;
        UINT expected;
    };
    const Case cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
        {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
        {MB_OK | MB_ICONSTOP, MB_OK | MB_ICONSTOP},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2},
        {MB_OK | MB_DEFBUTTON2, MB_OK | MB_DEFBUTTON2 | MB_ICONEXCLAMATION},
    };
    for (const Case& c : cases) EXPECT_EQ(WithDefaultIcon(c.type), c.expected) << std::hex << c.type;
}

}  // namespace
