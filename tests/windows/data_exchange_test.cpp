// Data exchange between controls and members, both ways.
#include <gtest/gtest.h>

#include <string>

#include "controls.h"
#include "data_exchange.h"
#include "framework_test_support.h"

namespace {

TEST(DataExchange, TextGoesOutAndComesBackWhole) {
    TestWindow dialog;
    HWND edit = dialog.AddControl("EDIT", ES_MULTILINE, 10);
    std::string value = "x=sin(45)\r\ny=x/23";
    CDataExchange out(&dialog, FALSE);
    DDX_Text(&out, 10, value);
    char text[64] = {};
    ::GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "x=sin(45)\r\ny=x/23");

    ::SetWindowTextA(edit, "  typed  ");
    CDataExchange in(&dialog, TRUE);
    DDX_Text(&in, 10, value);
    EXPECT_EQ(value, "  typed  ");
}

TEST(DataExchange, CheckStatesAndOutOfRangeValues) {
    TestWindow dialog;
    HWND box = dialog.AddControl("BUTTON", BS_AUTO3STATE, 11);
    struct Case {
        int member;
        LRESULT shown;
        int memberAfter;
    };
    const Case cases[] = {{0, BST_UNCHECKED, 0}, {1, BST_CHECKED, 1}, {2, BST_INDETERMINATE, 2},
                          {3, BST_UNCHECKED, 0}, {-1, BST_UNCHECKED, 0}};
    for (const Case& c : cases) {
        ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
        int member = c.member;
        CDataExchange out(&dialog, FALSE);
        DDX_Check(&out, 11, member);
        EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), c.shown) << c.member;
        EXPECT_EQ(member, c.memberAfter) << c.member;
    }
    ::SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    int member = 0;
    CDataExchange in(&dialog, TRUE);
    DDX_Check(&in, 11, member);
    EXPECT_EQ(member, 1);
}

TEST(DataExchange, ComboTextSelectsTheFirstEntryThatBeginsWithIt) {
    TestWindow dialog;
    HWND combo = dialog.AddControl("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL, 12);
    for (const char* entry : {"cos(0)", "sin(45)", "SIN(90)"}) {
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
    }
    struct Case {
        const char* member;
        const char* shown;
        LRESULT selected;
    };
    const Case cases[] = {
        {"si", "sin(45)", 1},      // first entry beginning with it, any case
        {"SIN(9", "SIN(90)", 2},
        {"tan(1)", "tan(1)", CB_ERR},  // no entry: the text itself
    };
    for (const Case& c : cases) {
        ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        std::string member = c.member;
        CDataExchange out(&dialog, FALSE);
        DDX_CBString(&out, 12, member);
        char text[32] = {};
        ::GetWindowTextA(combo, text, sizeof(text));
        EXPECT_STREQ(text, c.shown) << c.member;
        EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), c.selected) << c.member;
    }
    ::SetWindowTextA(combo, " 1+2 ");
    std::string member;
    CDataExchange in(&dialog, TRUE);
    DDX_CBString(&in, 12, member);
    EXPECT_EQ(member, " 1+2 ");
}

TEST(DataExchange, ControlIsBoundOnceAndMissingControlsAreLeftAlone) {
    TestWindow dialog;
    HWND edit = dialog.AddControl("EDIT", 0, 13);
    CEdit wrapper;
    CDataExchange dx(&dialog, TRUE);
    DDX_Control(&dx, 13, wrapper);
    EXPECT_EQ(wrapper.m_hWnd, edit);
    DDX_Control(&dx, 13, wrapper);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);

    std::string text = "unchanged";
    int check = 5;
    DDX_Text(&dx, 99, text);
    DDX_Check(&dx, 99, check);
    DDX_CBString(&dx, 99, text);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(check, 5);
}

}  // namespace
