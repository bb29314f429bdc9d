// The main sheet in-process: what it reads from the settings store and how its frame is set up.
#include <windows.h>
#include <shlwapi.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "resource.h"
#include "tuv_app.h"
#include "tuv_sheet.h"

namespace {

class TuvSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        AfxGetApp()->SetRegistryKey(kCompanyKey);
        Clean();
    }
    void TearDown() override { Clean(); }
    static void Clean() { ::SHDeleteKeyA(HKEY_CURRENT_USER, AfxGetApp()->Settings().KeyPath().c_str()); }
};

TEST_F(TuvSheetTest, ReadsItsSettingsWhenBuilt) {
    struct Case {
        const char* what;
        int minimize;     // -1: not stored
        int runAtStart;   // stored under the tray command's spelling "Run at start"
        int tips;
        int expectMinimize, expectRunAtStart, expectTips;
    };
    const Case cases[] = {
        {"first run", -1, -1, -1, 0, 0, 1},
        {"all switched", 1, 1, 0, 1, 1, 0},
        {"other spelling read back", 0, 1, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        Clean();
        CWinApp* app = AfxGetApp();
        if (c.minimize >= 0) app->WriteProfileInt("Settings", "Minimize", c.minimize);
        if (c.runAtStart >= 0) app->WriteProfileInt("Settings", "Run at start", c.runAtStart);
        if (c.tips >= 0) app->WriteProfileInt("Settings", "Tips", c.tips);
        CTuvSheet sheet;
        EXPECT_EQ(sheet.m_bMinimize, c.expectMinimize) << c.what;
        EXPECT_EQ(sheet.m_bRunAtStart, c.expectRunAtStart) << c.what;
        EXPECT_EQ(sheet.m_pageExpression.m_bTips, c.expectTips) << c.what;
        EXPECT_NE(sheet.m_hIcon, nullptr);
    }
}

// Looks at the frame once our initialisation has run, then quits.
class ProbedSheet : public CTuvSheet {
public:
    LRESULT bigIcon = 0, smallIcon = 0;
    int pages = 0;
    bool tabStopOnHelp = false;

protected:
    BOOL OnInitDialog() override {
        BOOL result = CTuvSheet::OnInitDialog();
        bigIcon = SendMessage(WM_GETICON, ICON_BIG);
        smallIcon = SendMessage(WM_GETICON, ICON_SMALL);
        pages = TabCtrl_GetItemCount(PropSheet_GetTabControl(m_hWnd));
        PostMessage(WM_COMMAND, IDCANCEL);
        return result;
    }
};

TEST_F(TuvSheetTest, SetsItsIconAsLargeAndSmallIcon) {
    ProbedSheet sheet;
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(sheet.bigIcon, reinterpret_cast<LRESULT>(sheet.m_hIcon));
    EXPECT_EQ(sheet.smallIcon, reinterpret_cast<LRESULT>(sheet.m_hIcon));
    EXPECT_EQ(sheet.pages, 2);
}

}  // namespace
