// End-to-end: a user at the real tuv.exe. Each scenario checks only what no in-process test can:
// real keys and pointer moves through the program's message loop, the standard dialogs, the
// process ending, and what one run leaves for the next. The rules behind them are tested in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "resource.h"
#include "tuv_user.h"

namespace {

// A check box's state; -1 once it has gone.
LRESULT Check(HWND box) { return ::IsWindow(box) ? ::SendMessageA(box, BM_GETCHECK, 0, 0) : -1; }

// Clicks `button` on the page and chooses `name` in the file dialog it shows: a bare name is
// looked for in the folder the dialog starts in. Null when no file dialog came. The dialogs are
// answered with keys: Wine places the pointer wrongly for a moment over a window it has just shown.
HWND Choose(const Tuv& tuv, int button, const std::string& name) {
    Click(tuv.Item(button));
    HWND dialog = tuv.Window(tuv.sheet);
    HWND field = dialog ? ::GetDlgItem(dialog, 1148) : nullptr;  // cmb13, the file name
    if (!field) return nullptr;
    SetText(field, name);
    Press(VK_RETURN);
    return dialog;
}

// The dialog that `after` leaves behind once it has gone: a message box, a file dialog.
HWND Next(const Tuv& tuv, HWND after) {
    return WaitUntil([&] { return !::IsWindowVisible(after); }) ? tuv.Window(tuv.sheet) : nullptr;
}

}  // namespace

// The tip follows the pointer over the variables box and goes at the first key. The user types a
// sheet in any order: Enter there starts a new line, Enter in the expression box evaluates. The
// result and the trimmed variables show, Details swaps the report in and back; Escape ends it all.
TEST(TuvUser, TypesASheetAndReadsTheReport) {
    Tuv tuv;
    ASSERT_TRUE(tuv.page) << "the Expression page of tuv.exe, in front";
    HWND variables = tuv.Item(IDC_VARIABLES);  // it has the focus: the page's first control
    MoveTo(At(tuv.Item(IDC_NEW), 5, 5));
    HWND tip = nullptr;
    for (POINT to : {At(variables, 40, 20), At(variables, 80, 30)}) {
        MoveTo(to);
        RECT r{};
        EXPECT_TRUE(WaitUntil([&] {
            tip = tip ? tip : tuv.Window(tuv.sheet, "TuvWnd", 0);
            return tip && ::IsWindowVisible(tip) && ::GetWindowRect(tip, &r) && r.left == to.x && r.top == to.y;
        })) << "a tip at the pointer (" << to.x << "," << to.y << "), seen at (" << r.left << "," << r.top << ")";
    }
    Press(VK_RETURN);
    ASSERT_EQ(TextOnceIs(variables, "\r\n"), "\r\n");
    EXPECT_FALSE(::IsWindowVisible(tip)) << "the tip once a key has been handled";

    // c uses names defined below it; blank lines and blanks around the sheet are trimmed away.
    for (const char* line : {"  c=a+b+d", "b=47", "a=23", "d=5/2  "}) {
        Type(line);
        Press(VK_RETURN);
    }
    const std::string typed = "\r\n  c=a+b+d\r\nb=47\r\na=23\r\nd=5/2  \r\n";
    EXPECT_EQ(TextOnceIs(variables, typed), typed);
    Press(VK_TAB);  // on to the expression box
    Type("(c)*2");
    Press(VK_RETURN);
    EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), "145"), "145");
    EXPECT_EQ(Text(variables), "c=a+b+d\r\nb=47\r\na=23\r\nd=5/2");
    EXPECT_EQ(Text(tuv.Item(IDC_EXPRESSION)), "(c)*2");

    const HWND swapped[] = {tuv.Item(IDC_EXPRESSION), tuv.Item(IDC_RESULT), tuv.Item(IDC_EXPRESSION_FRAME)};
    HWND report = tuv.Item(IDC_DETAILS_BOX);
    for (bool details : {true, false}) {
        Click(tuv.Item(IDC_DETAILS));
        EXPECT_TRUE(WaitUntil([&] {
            return (::IsWindowVisible(report) != 0) == details &&
                   std::none_of(std::begin(swapped), std::end(swapped), [&](HWND w) { return (::IsWindowVisible(w) != 0) == details; });
        })) << (details ? "the report in place of the expression and the result" : "the expression and the result back");
        if (details) {
            EXPECT_EQ(Text(report), "C = 72.5\r\nB = 47\r\nA = 23\r\nD = 2.5\r\n");
        }
    }
    // Escape in the variables box: Wine's edit control closes the page, which must end the sheet.
    Click(variables);
    Press(VK_ESCAPE);
    EXPECT_TRUE(tuv.EndsCleanly()) << "Escape ends the program";
}

// Variables kept in files through the standard dialogs, each starting in the folder where the last
// file was chosen; a save that fails, New's question, a file too large to open, the close box.
TEST(TuvUser, KeepsVariablesInFiles) {
    Folder first, second;
    const std::string text = "x=1\r\n\ty=x*2  \r\nname=\"caf\xe9\"", old = "old=1";
    std::ofstream(first / "sheet.txt", std::ios::binary) << text;
    std::ofstream(second / "old.txt", std::ios::binary) << old;
    ::SetFileAttributesA((second / "old.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::ofstream(second / "huge.txt", std::ios::binary).seekp(16 << 20) << 'x';
    // As an earlier run leaves it; neither Wine's own memory of folders nor the current folder is there.
    ForgetSettings("tuv");
    StoreSetting("tuv", "Path", "TXT", first / "*.TXT");
    Tuv tuv(false);
    ASSERT_TRUE(tuv.page) << "the Expression page of tuv.exe, in front";
    HWND variables = tuv.Item(IDC_VARIABLES);

    ASSERT_TRUE(Choose(tuv, IDC_OPEN, "sheet.txt")) << "an Open dialog";
    EXPECT_EQ(TextOnceIs(variables, text), text) << "the file, byte for byte, from the remembered folder";
    ASSERT_TRUE(Choose(tuv, IDC_SAVE, second / "new.txt")) << "a Save dialog";
    EXPECT_TRUE(WaitUntil([&] { return Bytes(second / "new.txt") == text; })) << Bytes(second / "new.txt");

    // Saving over a read-only file: the dialog asks first, then the save fails with a message
    // naming the file, which stays as it was, with nothing left beside it.
    HWND dialog = Choose(tuv, IDC_SAVE, "old.txt");
    ASSERT_TRUE(dialog) << "a Save dialog";
    HWND replace = tuv.Window(dialog);
    ASSERT_TRUE(replace && ::GetDlgItem(replace, IDYES)) << "the question whether to replace old.txt";
    Press(VK_RETURN);  // Yes
    HWND message = Next(tuv, dialog);
    ASSERT_TRUE(message) << "a message that the save failed";
    EXPECT_NE(StaticTexts(message).find(second / "old.txt"), std::string::npos) << StaticTexts(message);
    Press(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(message); }));
    EXPECT_EQ(Bytes(second / "old.txt"), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(second.path), {}), 3) << "huge.txt, new.txt, old.txt";

    // Over 16 MB: refused with a message naming the file.
    Settle(tuv.sheet);  // the last message box fully gone before the next click
    message = Next(tuv, Choose(tuv, IDC_OPEN, "huge.txt"));
    ASSERT_TRUE(message) << "a message that huge.txt is too large";
    EXPECT_NE(StaticTexts(message).find("huge.txt"), std::string::npos) << StaticTexts(message);
    Press(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(message); }));
    Settle(tuv.page);
    EXPECT_EQ(Text(variables), text);

    // New asks first, and empties the variables only on Yes.
    for (auto [answer, key] : {std::pair{IDNO, 'N'}, {IDCANCEL, VK_ESCAPE}, {IDYES, VK_RETURN}}) {
        Click(tuv.Item(IDC_NEW));
        HWND question = tuv.Window(tuv.sheet);
        ASSERT_TRUE(question && ::GetDlgItem(question, answer)) << "New's question, with the answer " << answer;
        EXPECT_EQ(Text(question), "tuv");
        EXPECT_NE(StaticTexts(question).find("Empty everything! Are you sure?"), std::string::npos) << StaticTexts(question);
        Press(key);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(question); }));
        Settle(tuv.page);
        EXPECT_EQ(Text(variables), answer == IDYES ? "" : text) << "after the answer " << answer;
    }
    // With nothing to empty New asks nothing: the next dialog is Open's.
    Click(tuv.Item(IDC_NEW));
    ASSERT_TRUE(Choose(tuv, IDC_OPEN, "new.txt")) << "the Open dialog, not a question";
    EXPECT_EQ(TextOnceIs(variables, text), text) << "the saved file opened again";

    ::PostMessageA(tuv.sheet, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_TRUE(tuv.EndsCleanly()) << "the close box ends the program";
}

// What one run leaves for the next: the history of expressions and the Tips setting, kept under
// the program's own name, so that a renamed copy starts afresh. Quit ends it.
TEST(TuvUser, FindsItsHistoryAndTipsAfterARestart) {
    {
        Tuv tuv;
        ASSERT_TRUE(tuv.page) << "the Expression page of tuv.exe, in front";
        HWND combo = tuv.Item(IDC_EXPRESSION);
        Click(combo);
        for (auto [expression, value] : {std::pair{"1+1", "2"}, {"sin(45)", "0.707107"}, {"nope", "E"}}) {
            SetText(combo, expression);
            Press(VK_RETURN);
            EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), value), value) << expression;
        }
        Click(tuv.Item(IDC_TIPS));
        EXPECT_TRUE(WaitUntil([&] { return Check(tuv.Item(IDC_TIPS)) == BST_UNCHECKED; })) << "Tips off";
        Click(::FindWindowExA(tuv.sheet, nullptr, "Button", "&Quit"));
        EXPECT_TRUE(tuv.EndsCleanly()) << "Quit ends the program";
    }
    EXPECT_EQ(Setting("tuv", "Settings", "Tips"), 0u);
    {
        Tuv again(false);
        ASSERT_TRUE(again.page) << "the Expression page of tuv.exe, in front";
        HWND combo = again.Item(IDC_EXPRESSION);
        EXPECT_EQ(Check(again.Item(IDC_TIPS)), BST_UNCHECKED);
        EXPECT_EQ(Text(combo), "");
        EXPECT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
        // Read through the box: another process cannot read a combo box's list everywhere (wine64).
        Click(combo);
        for (const char* entry : {"sin(45)", "1+1"}) {
            Press(VK_DOWN);
            EXPECT_EQ(TextOnceIs(combo, entry), entry);
        }
    }
    Folder folder;
    const std::string copy = folder / "calvo-renamed.exe";
    ASSERT_TRUE(::CopyFileA(Tuv::Exe().c_str(), copy.c_str(), FALSE));
    Tuv renamed(true, copy);
    ASSERT_TRUE(renamed.page) << "the Expression page of the renamed copy, in front";
    EXPECT_EQ(Text(renamed.sheet), "Calvo");
    EXPECT_EQ(Check(renamed.Item(IDC_TIPS)), BST_CHECKED);
    EXPECT_EQ(::SendMessageA(renamed.Item(IDC_EXPRESSION), CB_GETCOUNT, 0, 0), 0);
    Click(renamed.Item(IDC_EXPRESSION));
    SetText(renamed.Item(IDC_EXPRESSION), "3*3");
    Press(VK_RETURN);
    EXPECT_TRUE(WaitUntil([] { return Setting("calvo-renamed", "Expressions", "Count") == 1; }));
    EXPECT_EQ(Setting("tuv", "Expressions", "Count"), 2u);
}

namespace {

// Whether some pixel of `window` on the screen has exactly `colour`.
bool Shows(HWND window, COLORREF colour) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    HDC screen = ::GetDC(nullptr);
    bool seen = false;
    for (int y = rect.top; y < rect.bottom && !seen; ++y)
        for (int x = rect.left; x < rect.right && !seen; ++x) seen = ::GetPixel(screen, x, y) == colour;
    ::ReleaseDC(nullptr, screen);
    return seen;
}

bool MenuShown() {
    HWND menu = ::FindWindowA("#32768", nullptr);
    return menu && ::IsWindowVisible(menu);
}

// Right-clicks the icon as the shell reports it; again while the menu of the last choice is still
// closing, when the program cannot open another yet.
bool OpenTrayMenu(HWND tray) {
    ::AllowSetForegroundWindow(ASFW_ANY);  // the menu's keys go to the program in front
    for (int attempt = 0; attempt < 10; ++attempt) {
        ::PostMessageA(tray, WM_USER + 10, IDR_TRAY_MENU, WM_RBUTTONUP);
        if (WaitUntil(MenuShown, 1500)) return true;
    }
    return false;
}

}  // namespace

// The About page with the pointer over the link, then the tray: Tray hides the window behind the
// icon, a right click opens its menu, a double click brings the window back, and with "Minimize"
// set the program starts in the tray. The icon's mouse messages are posted as the shell sends
// them: Wine's tray window is not the program's to click in every set-up.
TEST(TuvUser, VisitsTheAboutPageAndTheTray) {
    {
        Tuv tuv;
        ASSERT_TRUE(tuv.page) << "the Expression page of tuv.exe, in front";
        HWND tabs = ::FindWindowExA(tuv.sheet, nullptr, "SysTabControl32", nullptr);
        ClickAt(At(tabs, 110, 9));  // the second tab, "About Tuv" (its rectangle cannot be asked across processes)
        HWND about = nullptr;
        ASSERT_TRUE(WaitUntil([&] {
            for (about = nullptr; (about = ::FindWindowExA(tuv.sheet, about, "#32770", nullptr));)
                if (::IsWindowVisible(::GetDlgItem(about, IDC_HOME_PAGE))) return true;
            return false;
        }))
            << "the About page after a click on its tab";
        HWND link = ::GetDlgItem(about, IDC_NEWSLETTER), button = ::GetDlgItem(about, IDC_HOME_PAGE);
        EXPECT_EQ(Text(button), "https://www.quandor-technologies.example");
        EXPECT_TRUE(Shows(link, RGB(0, 0, 238))) << "the link in its colour";
        MoveTo(At(link, 4, 4));
        MoveTo(At(link, 6, 5));
        EXPECT_TRUE(WaitUntil([&] { return Shows(link, ::GetSysColor(COLOR_HIGHLIGHT)); })) << "the hover colour";
        CURSORINFO pointer{};
        pointer.cbSize = sizeof(pointer);
        ::GetCursorInfo(&pointer);
        EXPECT_NE(pointer.hCursor, ::LoadCursorA(nullptr, IDC_ARROW)) << "a hand over the link";

        Click(::GetDlgItem(tuv.sheet, IDOK));  // "&Tray"
        HWND tray = tuv.TrayWindow();
        ASSERT_TRUE(tray && WaitUntil([&] { return !::IsWindowVisible(tuv.sheet); })) << "Tray hides the window";
        ASSERT_TRUE(OpenTrayMenu(tray)) << "the tray menu on a right click";
        ::PostMessageA(::FindWindowA("#32768", nullptr), WM_KEYDOWN, VK_ESCAPE, 0);
        WaitUntil([] { return !MenuShown(); });
        ::PostMessageA(tray, WM_USER + 10, IDR_TRAY_MENU, WM_LBUTTONDBLCLK);
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(tuv.sheet) != 0; })) << "a double click shows it";
    }
    const DWORD minimize = 1;
    ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Quandor Technologies\\tuv\\Settings", "Minimize", REG_DWORD,
                      &minimize, sizeof(minimize));
    Tuv inTray(false, Tuv::Exe(), true);
    HWND tray = inTray.TrayWindow();
    ASSERT_TRUE(tray) << "tuv.exe started with its tray icon";
    HWND sheet = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (sheet = ::FindWindowA("#32770", "Calvo")) && !::IsWindowVisible(sheet); }))
        << "only the icon once started";
    // Once more should the program still be on its way into the tray when the first one came.
    bool shown = false;
    for (int attempt = 0; attempt < 5 && !shown; ++attempt) {
        ::PostMessageA(tray, WM_USER + 10, IDR_TRAY_MENU, WM_LBUTTONDBLCLK);
        if (!WaitUntil([&] { return ::IsWindowVisible(sheet) != 0; }, 3000)) continue;
        Settle(sheet);  // a Tray still on its way would hide it again
        shown = ::IsWindowVisible(sheet) != 0;
    }
    EXPECT_TRUE(shown) << "a double click shows the window";
}
