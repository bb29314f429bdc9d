// tuv.exe's resources, read from this test program which carries the same tuv.rc: the page
// layouts control by control, the tray menu and the icon sizes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_template.h"
#include "resource.h"

namespace {

constexpr WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82, kCombo = 0x85;
constexpr const char* kAnyText = nullptr;

struct ExpectedControl {
    int id;
    WORD classAtom;
    const char* text;  // kAnyText: the maker's text, ours to choose
    short x, y, cx, cy;
    DWORD typeMask;    // the bits that make the control's kind ...
    DWORD type;        // ... and their value
    DWORD required;    // further style bits that must be set
    DWORD forbidden;   // and those that must not
    DWORD exRequired;
    bool visible;
    bool tabStop;
};

constexpr DWORD kButtonType = 0x0F;
constexpr DWORD kNone = 0;

void ExpectLayout(const DialogTemplate& dialog, const std::vector<ExpectedControl>& expected) {
    ASSERT_EQ(dialog.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& e = expected[i];
        const DialogItem& item = dialog.items[i];
        SCOPED_TRACE("control " + std::to_string(i) + ", id " + std::to_string(e.id));
        EXPECT_EQ(item.id, e.id);
        EXPECT_EQ(item.classAtom, e.classAtom);
        if (e.text != kAnyText) {
            EXPECT_EQ(item.text, e.text);
        }
        EXPECT_EQ(item.x, e.x);
        EXPECT_EQ(item.y, e.y);
        EXPECT_EQ(item.cx, e.cx);
        EXPECT_EQ(item.cy, e.cy);
        EXPECT_EQ(item.style & e.typeMask, e.type);
        EXPECT_EQ(item.style & e.required, e.required);
        EXPECT_EQ(item.style & e.forbidden, kNone);
        EXPECT_EQ(item.exStyle & e.exRequired, e.exRequired);
        EXPECT_EQ((item.style & WS_VISIBLE) != 0, e.visible);
        EXPECT_EQ((item.style & WS_TABSTOP) != 0, e.tabStop);
    }
}

TEST(Resources, ExpressionPageLayout) {
    DialogTemplate dialog = ReadDialogTemplate(IDD_EXPRESSION);
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.cx, 237);
    EXPECT_EQ(dialog.cy, 175);
    EXPECT_EQ(dialog.caption, "Expression");
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_EQ(dialog.fontName, "MS Sans Serif");
    EXPECT_EQ(dialog.style & (WS_CHILD | WS_CAPTION), static_cast<DWORD>(WS_CHILD | WS_CAPTION));

    const DWORD scrolls = WS_VSCROLL | WS_HSCROLL;
    ExpectLayout(dialog, {
        {-1, kButton, "Variables (Optional)", 8, 3, 221, 76, kButtonType, BS_GROUPBOX, 0, 0, 0, true, false},
        {IDC_VARIABLES, kEdit, "", 13, 12, 209, 62, ES_MULTILINE, ES_MULTILINE, ES_WANTRETURN | scrolls,
         ES_READONLY, WS_EX_STATICEDGE, true, true},
        {IDC_EXPRESSION_FRAME, kButton, "Expression", 8, 82, 221, 33, kButtonType, BS_GROUPBOX, 0, 0, 0, true, false},
        {IDC_EXPRESSION, kCombo, "", 13, 94, 209, 81, 0x3, CBS_DROPDOWN, CBS_AUTOHSCROLL | WS_VSCROLL, CBS_SORT, 0,
         true, true},
        {IDC_EVALUATE, kButton, "&Evaluate", 190, 156, 39, 16, kButtonType, BS_DEFPUSHBUTTON, 0, 0, 0, true, true},
        {-1, kButton, "Result", 8, 119, 221, 33, kButtonType, BS_GROUPBOX, 0, 0, 0, true, false},
        {IDC_RESULT, kEdit, "", 13, 132, 208, 13, ES_MULTILINE, 0, ES_READONLY | ES_AUTOHSCROLL, 0, 0, true, true},
        {IDC_NEW, kButton, "&New", 8, 156, 30, 16, kButtonType, BS_PUSHBUTTON, 0, 0, 0, true, true},
        {IDC_OPEN, kButton, "&Open...", 38, 156, 30, 16, kButtonType, BS_PUSHBUTTON, 0, 0, 0, true, true},
        {IDC_SAVE, kButton, "&Save...", 68, 156, 30, 16, kButtonType, BS_PUSHBUTTON, 0, 0, 0, true, true},
        {IDC_DETAILS_BOX, kEdit, "", 8, 85, 221, 67, ES_MULTILINE, ES_MULTILINE, ES_READONLY | scrolls, 0,
         WS_EX_STATICEDGE, false, true},
        {IDC_DETAILS, kButton, "&Details", 147, 160, 36, 8, kButtonType, BS_AUTOCHECKBOX, 0, 0, 0, true, true},
        {IDC_TIPS, kButton, "&Tips", 108, 160, 29, 8, kButtonType, BS_AUTOCHECKBOX, 0, 0, 0, true, true},
    });
}

TEST(Resources, AboutPageLayout) {
    DialogTemplate dialog = ReadDialogTemplate(IDD_ABOUT);
    ASSERT_TRUE(dialog.found);
    EXPECT_EQ(dialog.cx, 237);
    EXPECT_EQ(dialog.cy, 162);
    EXPECT_EQ(dialog.caption, "About Tuv");
    EXPECT_EQ(dialog.fontPoints, 8);
    EXPECT_EQ(dialog.fontName, "MS Sans Serif");

    const DWORD centred = SS_TYPEMASK;
    ExpectLayout(dialog, {
        {-1, kButton, "", 14, 5, 208, 93, kButtonType, BS_GROUPBOX, 0, 0, 0, true, false},
        {IDC_TITLE, kStatic, "Calvo", 23, 16, 189, 16, centred, SS_CENTER, SS_CENTERIMAGE, 0, WS_EX_TRANSPARENT, true,
         false},
        {IDC_NEWSLETTER, kStatic, kAnyText, 23, 103, 189, 10, centred, SS_CENTER, SS_CENTERIMAGE, 0, 0, true, false},
        {-1, kStatic, kAnyText, 23, 53, 189, 17, centred, SS_CENTER, 0, 0, 0, true, false},
        {-1, kStatic, kAnyText, 23, 75, 189, 18, centred, SS_CENTER, 0, 0, 0, true, false},
        {IDC_OWNER_LINE, kStatic, kAnyText, 23, 116, 189, 17, centred, SS_CENTER, 0, 0, 0, true, false},
        {-1, kStatic, "", 23, 34, 188, 1, centred, SS_ETCHEDHORZ, 0, 0, 0, true, false},
        {-1, kStatic, kAnyText, 23, 37, 189, 9, centred, SS_CENTER, SS_CENTERIMAGE, 0, 0, true, false},
        {IDC_HOME_PAGE, kButton, kAnyText, 14, 141, 208, 18, kButtonType, BS_PUSHBUTTON, 0, 0, 0, true, true},
    });
}

TEST(Resources, TrayMenuItemsInOrder) {
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TRAY_MENU));
    ASSERT_NE(menu, nullptr);
    HMENU popup = ::GetSubMenu(menu, 0);
    ASSERT_NE(popup, nullptr);
    struct Item {
        UINT id;  // 0 for a separator
        const char* text;
    };
    const Item expected[] = {{ID_SHOW, "&Show"},
                             {0, ""},
                             {ID_MINIMIZE_AT_START, "Minimize to &Tray at start"},
                             {ID_RUN_AT_START, "&Run on Windows-start"},
                             {0, ""},
                             {ID_APP_ABOUT, "&About..."}};
    ASSERT_EQ(::GetMenuItemCount(popup), 6);
    for (int i = 0; i < 6; ++i) {
        char text[64] = {};
        ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof(text), MF_BYPOSITION);
        bool separator = (::GetMenuState(popup, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0;
        EXPECT_EQ(separator, expected[i].id == 0) << i;
        if (!separator) {
            EXPECT_EQ(::GetMenuItemID(popup, i), expected[i].id) << i;
            EXPECT_STREQ(text, expected[i].text) << i;
        }
    }
    ::DestroyMenu(menu);
}

TEST(Resources, IconHasItsOwnSmallAndLargeImage) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC group = ::FindResourceA(module, MAKEINTRESOURCEA(IDI_TUV), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(::LockResource(::LoadResource(module, group)));
    for (int size : {16, 32}) {
        int imageId = ::LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        HRSRC image = ::FindResourceA(module, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));  // RT_ICON
        ASSERT_NE(image, nullptr) << size;
        auto* header = static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(module, image)));
        EXPECT_EQ(header->biWidth, size);
        EXPECT_EQ(header->biHeight, 2 * size);  // colour and mask
    }
}

}  // namespace
