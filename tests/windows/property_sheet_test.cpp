// The property sheet and its modal loop, with a real page from this program's resources.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "property_sheet.h"
#include "resource_text.h"
#include "test_pages.h"

namespace {

class TestPage : public CPropertyPage {
public:
    TestPage() : CPropertyPage(IDD_TEST_PAGE) {}
    std::string m_strText = "from member";
    int m_bCheck = 1;
    std::vector<UINT> pretranslated;
    bool initialised = false;

    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN || msg->message == WM_APP) pretranslated.push_back(msg->message);
        return msg->message == WM_APP;  // taken here: must never be dispatched
    }

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_TEST_EDIT, m_strText);
        DDX_Check(dx, IDC_TEST_CHECK, m_bCheck);
    }
    BOOL OnInitDialog() override {
        initialised = true;
        return CPropertyPage::OnInitDialog();
    }
};

// A sheet whose OnInitDialog queues what a user would do, then looks at what it sees.
class TestSheet : public CPropertySheet {
public:
    TestSheet() : CPropertySheet(IDS_TEST_CAPTION) {
        AddPage(&m_page);
        AddPage(&m_second);
    }
    TestPage m_page;
    TestPage m_second;
    std::function<void(TestSheet&)> onInit;
    bool hadButtonRowAtInit = false;
    bool pageWasInitialisedFirst = false;
    std::string captionAtInit;
    int appMessagesDispatched = 0;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) ++appMessagesDispatched;
        return CPropertySheet::WindowProc(message, wParam, lParam);
    }

protected:
    BOOL OnInitDialog() override {
        BOOL result = CPropertySheet::OnInitDialog();
        hadButtonRowAtInit = GetDlgItem(IDOK) && GetDlgItem(IDCANCEL) && PropSheet_GetTabControl(m_hWnd);
        pageWasInitialisedFirst = m_page.initialised;
        captionAtInit = GetWindowText();
        if (onInit) onInit(*this);
        return result;
    }
};

HWND PageControl(TestSheet& sheet, int id) { return ::GetDlgItem(sheet.m_page.m_hWnd, id); }

TEST(Sheet, BaseInitialisationRunsBeforeOursAndPagesExchangeOut) {
    TestSheet sheet;
    std::string shownText;
    LRESULT shownCheck = -1;
    sheet.onInit = [&](TestSheet& s) {
        char text[64] = {};
        ::GetWindowTextA(PageControl(s, IDC_TEST_EDIT), text, sizeof(text));
        shownText = text;
        shownCheck = ::SendMessageA(PageControl(s, IDC_TEST_CHECK), BM_GETCHECK, 0, 0);
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    };
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(sheet.hadButtonRowAtInit);
    EXPECT_TRUE(sheet.pageWasInitialisedFirst);
    EXPECT_EQ(sheet.captionAtInit, "Test sheet");
    EXPECT_EQ(shownText, "from member");
    EXPECT_EQ(shownCheck, BST_CHECKED);
    EXPECT_EQ(sheet.m_hWnd, nullptr);  // destroyed when the loop ended
}

TEST(Sheet, EveryWayOfCancellingEndsTheLoop) {
    struct Case {
        const char* what;
        std::function<void(TestSheet&)> end;
    };
    const Case cases[] = {
        {"Cancel button", [](TestSheet& s) { s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL); }},
        {"Escape in the page",
         [](TestSheet& s) { ::PostMessageA(PageControl(s, IDC_TEST_EDIT), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"Escape in a multi-line box",
         [](TestSheet& s) { ::PostMessageA(PageControl(s, IDC_TEST_NOTES), WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"close box", [](TestSheet& s) { s.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }},
    };
    for (const Case& c : cases) {
        TestSheet sheet;
        sheet.onInit = c.end;
        EXPECT_EQ(sheet.DoModal(), IDCANCEL) << c.what;
        EXPECT_EQ(sheet.m_hWnd, nullptr) << c.what;
    }
}

TEST(Sheet, OkCopiesTheControlsIntoTheMembers) {
    TestSheet sheet;
    sheet.onInit = [](TestSheet& s) {
        ::SetWindowTextA(PageControl(s, IDC_TEST_EDIT), "typed");
        ::SendMessageA(PageControl(s, IDC_TEST_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_OK);
    };
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.m_page.m_strText, "typed");
    EXPECT_EQ(sheet.m_page.m_bCheck, 0);
}

TEST(Sheet, QueuedMessagesPassThePagesPreTranslationFirst) {
    TestSheet sheet;
    sheet.onInit = [](TestSheet& s) {
        HWND edit = PageControl(s, IDC_TEST_EDIT);
        ::PostMessageA(edit, WM_KEYDOWN, 'A', 0);
        ::PostMessageA(s.m_hWnd, WM_APP, 0, 0);  // to the sheet: not under the page
        ::PostMessageA(edit, WM_APP, 0, 0);      // under the page: taken there
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    };
    sheet.DoModal();
    EXPECT_EQ(sheet.m_page.pretranslated, (std::vector<UINT>{WM_KEYDOWN, WM_APP}));
    EXPECT_EQ(sheet.appMessagesDispatched, 1);
}

TEST(Sheet, StartsOnTheChosenPageAndSwitchesPages) {
    TestSheet sheet;
    ASSERT_TRUE(sheet.SetActivePage(1));
    int startIndex = -1;
    int afterSwitch = -1;
    sheet.onInit = [&](TestSheet& s) {
        startIndex = s.GetActiveIndex();
        s.SetActivePage(0);
        afterSwitch = s.GetActiveIndex();
        s.PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
    };
    sheet.DoModal();
    EXPECT_EQ(startIndex, 1);
    EXPECT_EQ(afterSwitch, 0);
    EXPECT_FALSE(sheet.SetActivePage(2));
}

TEST(Sheet, MissingResourcesNeitherCrashNorHang) {
    // No caption string and no page template: the sheet must come back, whatever it could show.
    class Bare : public CPropertyPage {
    public:
        Bare() : CPropertyPage(9999) {}
    } page;
    CPropertySheet sheet(9998);
    sheet.AddPage(&page);
    INT_PTR result = sheet.DoModal();
    EXPECT_TRUE(result == -1 || result == IDCANCEL) << result;
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(LoadResourceString(9998), "");
}

}  // namespace
