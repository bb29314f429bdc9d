// End-to-end: a user at the real tuv.exe. Each scenario checks only what no in-process test can:
// real keys and pointer moves through the program's message loop, the standard dialogs, the
// process ending, and what one run leaves for the next. The rules behind them are tested in-process.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "read_link.h"
#include "resource.h"
#include "tuv_user.h"  // windows.h, before msi.h
#include "version.h"

#include <msi.h>

namespace {

// A check box's state; -1 once it has gone.
LRESULT Check(HWND box) { return ::IsWindow(box) ? ::SendMessageA(box, BM_GETCHECK, 0, 0) : -1; }

// Clicks `button` on the page and chooses `name` in the file dialog it shows: a bare name is
// looked for in the folder the dialog starts in. Null when no file dialog came. The dialogs are
// answered with keys: Wine places the pointer wrongly for a moment over a window it has just shown.
HWND Choose(const Tuv& tuv, int button, const std::string& name) {
    HWND dialog = nullptr;
    ClickUntil(tuv.Item(button), [&] { return (dialog = tuv.Window(tuv.sheet, "#32770", 0)) != nullptr; });
    HWND field = dialog ? ::GetDlgItem(dialog, 1148) : nullptr;  // cmb13, the file name
    if (!field) return nullptr;
    ::SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
    Press(VK_RETURN);
    return dialog;
}

// The dialog that `after` leaves behind once it has gone: a message box, a file dialog.
HWND Next(const Tuv& tuv, HWND after) {
    return WaitUntil([&] { return !::IsWindowVisible(after); }) ? tuv.Window(tuv.sheet) : nullptr;
}

// How wide on the screen `window` draws in its client area (not its border, which a classic
// look draws in black) in a colour that `wanted` accepts, from the first such pixel to the last;
// or in exactly `colour`.
template <class Wanted>
int InkWidth(HWND window, Wanted wanted) {
    RECT rect{};
    ::GetClientRect(window, &rect);
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    HDC screen = ::GetDC(nullptr);
    LONG left = rect.right, right = rect.left - 1;
    for (LONG y = rect.top; y < rect.bottom; ++y)
        for (LONG x = rect.left; x < rect.right; ++x)
            if (wanted(::GetPixel(screen, x, y))) left = std::min(left, x), right = std::max(right, x);
    ::ReleaseDC(nullptr, screen);
    return static_cast<int>(std::max(0L, right - left + 1));
}
int InkWidth(HWND window, COLORREF colour) { return InkWidth(window, [=](COLORREF c) { return c == colour; }); }
bool Shows(HWND window, COLORREF colour) { return InkWidth(window, colour) > 0; }

// Whether a message box shows the warning icon beside its text: the one drawn in yellow and orange.
bool ShowsWarning(HWND box) {
    for (HWND child = nullptr; (child = ::FindWindowExA(box, child, "Static", nullptr));)
        if (::IsWindowVisible(child) && ::SendMessageA(child, STM_GETICON, 0, 0))
            return InkWidth(child, [](COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) > 100 && GetBValue(c) < 100; }) > 0;
    return false;
}

// The texts of a message box ("<none>" without one), once it is answered with Enter and gone;
// `warns`: whether it showed the warning icon.
std::string Answer(HWND message, bool* warns = nullptr) {
    if (!message) return "<none>";
    const std::string texts = StaticTexts(message);
    if (warns) *warns = ShowsWarning(message);
    Press(VK_RETURN);
    WaitUntil([&] { return !::IsWindowVisible(message); });
    return texts;
}

// The screen's DPI of the programs started while it lives (Wine reads it as each one starts):
// 144 is Windows' 150 % display scaling. Afterwards the default, 96, again.
struct ScreenDpi {
    explicit ScreenDpi(DWORD dpi) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi, sizeof(dpi));
    }
    ~ScreenDpi() { ::RegDeleteKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels"); }
};

}  // namespace

// The tip follows the pointer over the variables box and goes at the first key. The user types a
// sheet in any order: Enter there starts a new line; a click on Evaluate evaluates and leaves the
// focus in the expression box, where Enter evaluates too. The result and the trimmed variables
// show, Details swaps the report in and back; Escape ends it all. Once at 100 % display scaling
// and once at 150 %, where the tip and the result's text, whose sizes the program sets itself,
// are half as large again.
TEST(TuvUser, TypesASheetAndReadsTheReport) {
    std::string tipSize[2];
    int ink[2]{};
    for (int i : {0, 1}) {
        ScreenDpi dpi(i == 0 ? 96 : 144);
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
            tipSize[i] = std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top);
        }
        Press(VK_RETURN);
        ASSERT_EQ(TextOnceIs(variables, "\r\n"), "\r\n");
        EXPECT_FALSE(::IsWindowVisible(tip)) << "the tip once a key has been handled";

        // c uses names defined below it; blank lines and blanks around the sheet are trimmed away.
        MoveTo(At(tuv.Item(IDC_NEW), 5, 5));  // no tip comes and goes while the keys go in
        for (const char* line : {"  c=a+b+d", "b=47", "a=23", "d=5/2  "}) {
            Type(line);
            Press(VK_RETURN);
        }
        const std::string typed = "\r\n  c=a+b+d\r\nb=47\r\na=23\r\nd=5/2  \r\n";
        EXPECT_EQ(TextOnceIs(variables, typed), typed);
        Press(VK_TAB);  // on to the expression box
        Type("(c)*2");
        Click(tuv.Item(IDC_EVALUATE));  // which leaves the focus in the expression box, to type on
        EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), "145"), "145");
        Type("000");
        Press(VK_RETURN);
        EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), "145000"), "145000");
        EXPECT_EQ(Text(variables), "c=a+b+d\r\nb=47\r\na=23\r\nd=5/2");
        EXPECT_EQ(Text(tuv.Item(IDC_EXPRESSION)), "(c)*2000");
        // The result box: no scroll bar, whose arrows may be drawn in the same black.
        ink[i] = InkWidth(tuv.Item(IDC_RESULT), ::GetSysColor(COLOR_WINDOWTEXT));

        const HWND swapped[] = {tuv.Item(IDC_EXPRESSION), tuv.Item(IDC_RESULT), tuv.Item(IDC_EXPRESSION_FRAME)};
        HWND report = tuv.Item(IDC_DETAILS_BOX);
        for (bool details : {true, false}) {
            EXPECT_TRUE(ClickUntil(tuv.Item(IDC_DETAILS), [&] {
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
    EXPECT_EQ(tipSize[0] + " and " + tipSize[1], "200x125 and 300x188");
    // Glyphs advance by whole pixels, so the text is not exactly half as wide again (1.44 in Wine).
    EXPECT_NEAR(static_cast<double>(ink[1]) / ink[0], 1.5, 0.15) << ink[0] << " and " << ink[1] << " pixels wide";
}

namespace {

// The default value of HKEY_CLASSES_ROOT\<key> for one scenario (null: none), and back afterwards.
struct ClassesValue {
    std::string key, saved;
    bool had;
    ClassesValue(std::string name, const char* value) : key(std::move(name)) {
        char old[1024] = {};
        DWORD size = sizeof(old);
        had = ::RegGetValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS;
        saved = old;
        Set(value);
    }
    ~ClassesValue() { Set(had ? saved.c_str() : nullptr); }
    void Set(const char* value) const {
        if (value) ::RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value, 0);
        else ::RegDeleteKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr);
    }
};

// A handler for an address scheme or a file type that only notes what it is asked to open, every
// letter of it, in `record` (tests/e2e/recorder.cpp).
std::string Recorder(const std::string& record) {
    return "\"" + WinePath(TUV_RECORDER) + "\" \"" + record + "\" \"%1\"";
}
// What the recorder noted, once it holds `count` lines (or `ms` have passed).
std::string Opened(const std::string& record, int count, DWORD ms = 20000) {
    std::string lines;
    WaitUntil([&] {
        lines = Bytes(record);
        return std::count(lines.begin(), lines.end(), '\n') >= count;
    }, ms);
    return lines;
}

HWND AboutPage(const Tuv& tuv, DWORD ms = 15000) {
    HWND about = nullptr;
    WaitUntil([&] {
        for (about = nullptr; (about = ::FindWindowExA(tuv.sheet, about, "#32770", nullptr));)
            if (::IsWindowVisible(::GetDlgItem(about, IDC_HOME_PAGE))) return true;
        return false;
    }, ms);
    return about;
}

}  // namespace

// The About page: the home-page button and the newsletter link with real pointer
// moves (colours, hand), the link and the button opening their addresses through the shell, a
// failed open. A handler that notes what it is asked to open stands in for the browser.
TEST(TuvUser, FollowsTheAboutPagesLinks) {
    ScratchFolder folder;
    const std::string record = folder / "opened.txt";
    ClassesValue browser("https\\shell\\open\\command", Recorder(record).c_str());
    Tuv tuv;
    ASSERT_TRUE(tuv.page) << "the Expression page of tuv.exe, in front";
    // The second tab, "About Tuv" (its rectangle cannot be asked across processes), clicked again
    // should the click go astray (seen once in a CI run).
    HWND about = nullptr, tabs = ::FindWindowExA(tuv.sheet, nullptr, "SysTabControl32", nullptr);
    RepeatUntil([&] { ClickAt(At(tabs, 110, 9)); }, [&] { return (about = AboutPage(tuv, 0)) != nullptr; });
    ASSERT_TRUE(about) << "the About page after a click on its tab";
    HWND link = ::GetDlgItem(about, IDC_NEWSLETTER), button = ::GetDlgItem(about, IDC_HOME_PAGE),
         title = ::GetDlgItem(about, IDC_TITLE);
    EXPECT_EQ(Text(button), "https://www.quandor-technologies.example");
    RECT fitted{};
    ::GetWindowRect(link, &fitted);
    EXPECT_NEAR(fitted.right - fitted.left, InkWidth(link, RGB(0, 0, 238)), 2) << "the link in its colour, fitted to it";
    // The pointer onto `window`, after which the link shows `colour`. Moved twice: Wine may not
    // pass on a single move (the link missed one under load, on and off it).
    auto pointAt = [&](HWND window, COLORREF colour) {
        MoveTo(At(window, 4, 4));
        MoveTo(At(window, 6, 5));
        return WaitUntil([&] { return Shows(link, colour); });
    };
    const COLORREF hovered = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_TRUE(pointAt(link, hovered)) << "the hover colour";
    CURSORINFO pointer{sizeof(pointer), 0, nullptr, {}};
    ::GetCursorInfo(&pointer);
    EXPECT_NE(pointer.hCursor, ::LoadCursorA(nullptr, IDC_ARROW)) << "a hand over the link";
    EXPECT_EQ(Text(tuv.Window(tuv.sheet, "tooltips_class32")), "https://news.quandor-technologies.example/subscribe?tuv");

    Click(link);
    const std::string newsletter = "https://news.quandor-technologies.example/subscribe?tuv\r\n",
                      home = "https://www.quandor-technologies.example?tuv\r\n";
    EXPECT_EQ(Opened(record, 1), newsletter);
    // The link lets the pointer go only once it has seen it leave.
    EXPECT_TRUE(pointAt(title, RGB(85, 26, 139))) << "the visited colour";
    ClickUntil(button, [&] { return Bytes(record).find(home) != std::string::npos; });  // lost once under load
    EXPECT_EQ(Opened(record, 2).substr(0, newsletter.size() + home.size()), newsletter + home);

    {  // No handler for the address, nor for HTML documents: a message, and the link no longer visited.
        ClassesValue noBrowser("https\\shell\\open\\command", nullptr), noHtml(".htm", "calvo-no-such-class");
        EXPECT_TRUE(pointAt(link, hovered)) << "hovering beats visited";
        HWND message = nullptr;
        ClickUntil(link, [&] { return (message = tuv.Window(tuv.sheet, "#32770", 0)) != nullptr; });
        const std::string texts = Answer(message);
        EXPECT_EQ(texts.substr(texts.find('|') + 1),
                  "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.|");
        // The sheet takes clicks again once the message has ended, not when it hides.
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(tuv.sheet) != 0; }));
        EXPECT_TRUE(pointAt(title, RGB(0, 0, 238))) << "the link's own colour again";
    }
}

namespace {

// A folder of 95 CJK characters in two levels (Linux takes 255 bytes a level): more than MAX_PATH
// bytes in UTF-8, though far fewer characters.
std::string LongFolder(const ScratchFolder& base) {
    std::string first = base.path.string() + "\\", second;
    for (int i = 0; i < 50; ++i) first += i < 45 ? "計" : "", second += "算";
    ::CreateDirectoryA(first.c_str(), nullptr);
    ::CreateDirectoryA((first += "\\" + second).c_str(), nullptr);
    return first;
}

}  // namespace

// A user whose names and files are in any script, from a copy of the program in a folder of 95
// CJK characters: a sheet whose names are Cyrillic and CJK typed and evaluated; a UTF-8 file (with
// its byte-order mark) and a file of an older version in Windows-1252 open through the standard
// dialogs as the letters they hold, the second dialog starting in the first one's folder; a save
// under a Cyrillic name keeps Windows-1252, until a letter it has not comes, which the save says.
// A save over a read-only file and a file too large fail with messages, which warn; New's
// question; Help opens the text beside the program, or says why it cannot; Tips off; the close
// box. Started again, the copy has the run's expression in its history and Tips still off.
TEST(TuvUser, KeepsVariablesInFilesOfAnyName) {
    ScratchFolder base;
    const std::string folder = LongFolder(base), exe = folder + "\\tuv.exe";
    ASSERT_TRUE(::CopyFileA(Tuv::Exe().c_str(), exe.c_str(), FALSE)) << folder;
    const std::string utf8 = "π=3.14159\r\nкруг=2*π", legacy = "café=1\r\nnaïve=2", old = "old=1", record = base / "opened.txt";
    std::ofstream(folder + "\\utf8.txt", std::ios::binary) << "\xEF\xBB\xBF" << utf8;
    const std::string cp1252 = "caf\xE9=1\r\nna\xEFve=2", edited = legacy + "\r\nж=3";
    std::ofstream(folder + "\\legacy.txt", std::ios::binary) << cp1252;
    std::ofstream(folder + "\\old.txt", std::ios::binary) << old;
    ::SetFileAttributesA((folder + "\\old.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    std::ofstream(folder + "\\huge.txt", std::ios::binary).seekp(3 << 24 | 4) << 'x';  // past 3 bytes for each of 16 M characters
    ClassesValue viewer("txtfile\\shell\\open\\command", Recorder(record).c_str());
    Tuv tuv(true, exe);
    ASSERT_TRUE(tuv.page) << "the Expression page of the copy in " << folder;
    HWND variables = tuv.Item(IDC_VARIABLES);

    for (const char* line : {"xд=1\r", "xж=2\r", "名前=3\t"}) Type(line);  // Enter, Enter, Tab
    Type("xд+xж+名前");
    Press(VK_RETURN);
    EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), "6"), "6") << "three names, none taken for another";
    EXPECT_EQ(Text(variables), "xд=1\r\nxж=2\r\n名前=3");

    for (auto [file, text] : {std::pair{folder + "\\utf8.txt", utf8}, {"legacy.txt", legacy}}) {
        ASSERT_TRUE(Choose(tuv, IDC_OPEN, file)) << "an Open dialog for " << file;
        EXPECT_EQ(TextOnceIs(variables, text), text) << file;
    }
    const std::string saved = folder + "\\сохранено.txt";
    ASSERT_TRUE(Choose(tuv, IDC_SAVE, "сохранено.txt")) << "a Save dialog";
    EXPECT_TRUE(WaitUntil([&] { return Bytes(saved) == cp1252; })) << "in Windows-1252, as the file it came from";
    // Saved over a file (the dialog asks first, answered Yes): the message that follows.
    auto saveOver = [&](const char* name, bool* warns) {
        HWND dialog = Choose(tuv, IDC_SAVE, name);
        if (dialog && tuv.Window(dialog)) Press(VK_RETURN);
        return Answer(dialog ? Next(tuv, dialog) : nullptr, warns);
    };
    // A letter that Windows-1252 has not: saved again in UTF-8, and the user is told.
    ::SendMessageA(variables, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(edited.c_str()));
    bool warns = true;
    EXPECT_NE(saveOver("сохранено.txt", &warns).find(saved + " is now saved in UTF-8"), std::string::npos);
    EXPECT_EQ(Bytes(saved) + (warns ? " (a warning)" : ""), edited);
    // Over a read-only file the save fails with a message naming the file, which stays as it was.
    EXPECT_NE(saveOver("old.txt", &warns).find(folder + "\\old.txt"), std::string::npos);
    EXPECT_TRUE(warns) << "a warning, though the program names no icon";
    EXPECT_EQ(Bytes(folder + "\\old.txt"), old);
    // Too long for the box: refused with a message naming the file.
    EXPECT_NE(Answer(Next(tuv, Choose(tuv, IDC_OPEN, "huge.txt"))).find("huge.txt"), std::string::npos);

    // New asks first (the refused file left the variables as they were), and empties the variables only on Yes.
    for (auto [answer, key] : {std::pair{IDNO, 'N'}, {IDCANCEL, VK_ESCAPE}, {IDYES, VK_RETURN}}) {
        HWND question = nullptr;
        ClickUntil(tuv.Item(IDC_NEW), [&] { return (question = tuv.Window(tuv.sheet, "#32770", 0)) != nullptr; });
        ASSERT_TRUE(question && ::GetDlgItem(question, answer)) << "New's question, with the answer " << answer;
        EXPECT_EQ(Text(question), "tuv");
        EXPECT_NE(StaticTexts(question).find("Empty everything! Are you sure?"), std::string::npos) << StaticTexts(question);
        EXPECT_TRUE(WaitUntil([&] { return ShowsWarning(question); })) << "New's question warns";
        Press(key);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(question); }));
        ::SendMessageTimeoutA(tuv.page, WM_NULL, 0, 0, SMTO_NORMAL, 15000, nullptr);  // the answer handled
        EXPECT_EQ(Text(variables), answer == IDYES ? "" : edited) << "after the answer " << answer;
    }
    // With nothing to empty New asks nothing: the next dialog is Open's.
    Click(tuv.Item(IDC_NEW));
    ASSERT_TRUE(Choose(tuv, IDC_OPEN, "old.txt")) << "the Open dialog, not a question";
    EXPECT_EQ(TextOnceIs(variables, old), old);

    EXPECT_TRUE(ClickUntil(tuv.Item(IDC_TIPS), [&] { return Check(tuv.Item(IDC_TIPS)) == BST_UNCHECKED; })) << "Tips off";
    HWND help = ::FindWindowExA(tuv.sheet, nullptr, "Button", "&Help");
    ClickUntil(help, [&] { return Bytes(record) != "<missing>"; });
    EXPECT_EQ(Opened(record, 1), folder + "\\tuv.txt\r\n");
    {  // Nothing to open text files with: Help says so.
        ClassesValue noViewer("txtfile\\shell\\open\\command", nullptr), noTxt(".txt", "calvo-no-such-class");
        HWND message = nullptr;
        ClickUntil(help, [&] { return (message = tuv.Window(tuv.sheet, "#32770", 0)) != nullptr; });
        const std::string texts = Answer(message);
        EXPECT_EQ(texts.substr(texts.find('|') + 1),
                  "Unable to open the help text:\n\nThere is no application associated\nwith the given filename extension.|");
    }
    ::PostMessageA(tuv.sheet, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    EXPECT_TRUE(tuv.EndsCleanly()) << "the close box ends the program";

    // What the run left for the next: the expression in the history, Tips off.
    Tuv again(false, exe);
    ASSERT_TRUE(again.page) << "the copy started again";
    EXPECT_EQ(Check(again.Item(IDC_TIPS)), BST_UNCHECKED);
    HWND combo = again.Item(IDC_EXPRESSION);
    EXPECT_EQ(Text(combo), "");
    // Chosen by message: another process cannot read a combo box's list everywhere (wine64).
    EXPECT_EQ(::SendMessageA(combo, CB_SETCURSEL, 0, 0), 0);
    EXPECT_EQ(Text(combo), "xд+xж+名前");
}

namespace {

bool MenuShown() { return ::IsWindowVisible(::FindWindowA("#32768", nullptr)); }

// The middle of the program's icon in the shell's notification area: Wine shows the icons of a
// desktop without a taskbar in a window of its own ("Wine System Tray"), the first one at its left.
POINT TrayIcon() {
    POINT middle{::GetSystemMetrics(SM_CXSMICON) / 2 + 2, ::GetSystemMetrics(SM_CYSMICON) / 2 + 2};
    ::ClientToScreen(::FindWindowA("__winex11_standalone_tray", nullptr), &middle);
    return middle;
}

// Right-clicks the icon; again while the menu of the last choice is still closing, when the
// program cannot open another yet.
bool OpenTrayMenu() { return RepeatUntil([] { ClickAt(TrayIcon(), MOUSEEVENTF_RIGHTDOWN); }, MenuShown, 1500); }

// Opens the icon's menu and clicks its command number `index` (separators not counted). The
// items are found as a user finds them: the pointer goes down the menu's right margin, and each
// item lights up under it. `checked`: whether the item showed a check mark, left of its text.
// A menu in which no item lit up under the pointer (Wine, now and then, on its first menu of a new
// tray window) is closed and opened again.
bool ChooseFromTrayMenu(int index, bool* checked = nullptr, int tries = 3) {
    if (!OpenTrayMenu()) return false;
    RECT rect{};
    ::GetWindowRect(::FindWindowA("#32768", nullptr), &rect);
    const LONG x = rect.right - 4;
    const COLORREF lit = ::GetSysColor(COLOR_HIGHLIGHT);
    HDC screen = ::GetDC(nullptr);
    int seen = -1;
    for (LONG y = rect.top + 2; y < rect.bottom - 2 && seen < index; y += 3) {
        MoveTo({x, y});
        if (!WaitUntil([&] { return ::GetPixel(screen, x, y) == lit; }, 300)) continue;  // a separator
        ++seen;
        const LONG top = y;
        while (::GetPixel(screen, x, y + 1) == lit) ++y;  // on to the item's last line
        if (seen != index) continue;
        WaitUntil([&] { return ::GetPixel(screen, rect.left + 3, top) == lit; }, 300);  // lit across
        for (LONG my = top; checked && my <= y; ++my)
            for (LONG mx = rect.left + 3; mx < rect.left + 15; ++mx) *checked |= ::GetPixel(screen, mx, my) != lit;
        ClickAt({x, y - 4});
    }
    ::ReleaseDC(nullptr, screen);
    if (seen < 0 && tries > 1) return Press(VK_ESCAPE), WaitUntil([] { return !MenuShown(); }), ChooseFromTrayMenu(index, checked, tries - 1);
    return seen == index && WaitUntil([] { return !MenuShown(); });
}

enum TrayCommand { Show, MinimizeAtStart, RunAtStart, HotkeySettings, About, Exit };

// A folder of the user's as the shell names it: "Startup" (where the startup link goes), "Programs"
// (the Start menu's), "Local AppData".
std::string ShellFolder(const char* name) {
    char folder[MAX_PATH] = {};
    DWORD size = sizeof(folder);
    ::RegGetValueA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", name,
                   RRF_RT_REG_SZ, nullptr, folder, &size);
    return folder;
}


}  // namespace

// The tray, from a renamed copy of the program in a folder of 95 CJK characters, which keeps its
// settings under its own name: Tray hides the window behind the icon, where a single click leaves
// it; the icon's menu, with the options checked as stored (by this copy or another), runs at start
// (the startup link appears, pointing at tuv.exe in that folder, and goes when chosen again), stops minimising at start and brings the window back on the About
// page, where Quit ends it. Started again to minimise the copy shows only the icon, whose double
// click shows the window. The icon and its menu are worked with the pointer, in the window where
// Wine shows the icons.
TEST(TuvUser, WorksFromTheTray) {
    ScratchFolder base;
    const std::string folder = LongFolder(base), copy = folder + "\\calvo-renamed.exe";
    ASSERT_TRUE(::CopyFileA(Tuv::Exe().c_str(), copy.c_str(), FALSE));
    ::CoInitialize(nullptr);
    {
        Tuv tuv(true, copy);
        ASSERT_TRUE(tuv.page) << "the Expression page of the renamed copy, in front";
        ASSERT_TRUE(tuv.TrayWindow() && tuv.ToTray())
            << "\"&Tray\" hides the window";
        const std::string link = ShellFolder("Startup") + "\\Numbrio.lnk";
        ::DeleteFileA(link.c_str());
        ClickAt(TrayIcon());  // one click, which must not bring the window back (checked below)
        for (DWORD stored : {1u, 0u}) {
            bool checked = false;
            ASSERT_TRUE(ChooseFromTrayMenu(RunAtStart, &checked)) << "Run on Windows-start, in the icon's menu";
            EXPECT_EQ(checked, stored == 0) << "checked as stored before";
            const std::string wanted = stored ? folder + "\\tuv.exe|Numbrio" : "<none>|";
            EXPECT_TRUE(WaitUntil([&] { return ReadLink(link) == wanted; })) << link << " reads " << ReadLink(link);
            EXPECT_EQ(Setting("calvo-renamed", "Settings", "Run At Start"), stored);
        }
        // Another copy of the program sets an option: the menu shows it, and choosing it clears it.
        auto storeMinimize = [](DWORD on) {
            ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Quandor Technologies\\calvo-renamed\\Settings", "Minimize",
                              REG_DWORD, &on, sizeof(on));
        };
        storeMinimize(1);
        bool checked = false;
        EXPECT_TRUE(ChooseFromTrayMenu(MinimizeAtStart, &checked) && checked) << "Minimize to Tray at start, checked";
        EXPECT_TRUE(WaitUntil([&] { return Setting("calvo-renamed", "Settings", "Minimize") == 0; }));
        EXPECT_FALSE(::IsWindowVisible(tuv.sheet)) << "a single click and the options leave the window in the tray";
        ASSERT_TRUE(ChooseFromTrayMenu(About));
        EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(tuv.sheet) != 0; })) << "About shows the window";
        EXPECT_TRUE(AboutPage(tuv)) << "on the About page";
        ClickUntil(::FindWindowExA(tuv.sheet, nullptr, "Button", "&Quit"), [&] { return !::IsWindow(tuv.sheet); });
        EXPECT_TRUE(tuv.EndsCleanly()) << "Quit ends the program";
        storeMinimize(1);
    }
    Tuv inTray(false, copy, true);
    EXPECT_EQ(Text(inTray.TrayWindow()), "") << "the tray's hidden window, untitled as made";
    HWND sheet = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (sheet = ::FindWindowA("#32770", "Calvo")) && !::IsWindowVisible(sheet); }))
        << "only the icon once started, under the program's caption";
    EXPECT_TRUE(RepeatUntil([] { ClickAt(TrayIcon()), ClickAt(TrayIcon()); }, [&] { return ::IsWindowVisible(sheet) != 0; }))
        << "a double click shows the window";
}



// The hotkey: from the tray (left on the About page) it brings the window in front, ready for the
// expression to be typed over, and sends it back. A second copy is refused the key and says so in its dialog, where a new
// key is pressed into the box; "Exit" in the icon's menu ends that copy, and the key it chose is
// the first copy's after a restart.
TEST(TuvUser, WorksFromTheHotkey) {
    constexpr DWORD kDefault = (MOD_WIN | MOD_ALT) << 8 | 'C', kChosen = (MOD_WIN | MOD_SHIFT) << 8 | VK_F9;
    {
        Tuv first;
        ASSERT_TRUE(first.page);
        HWND expression = first.Item(IDC_EXPRESSION);
        Press(VK_TAB);
        Type("1+1");
        PressHotkey(MOD_CONTROL << 8 | VK_TAB);  // on to the About page, whence the key comes back
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindowVisible(expression); }) && first.ToTray());
        PressHotkey(kDefault);
        EXPECT_TRUE(WaitUntil([&] { return ::GetForegroundWindow() == first.sheet && ::IsWindowVisible(expression); }));
        Type("42");
        EXPECT_EQ(TextOnceIs(expression, "42"), "42") << "typed over the expression";
        PressHotkey(kDefault);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(first.sheet); })) << "the key again: to the tray";
        PressHotkey(kDefault);
        Tuv second(false);
        ASSERT_TRUE(second.page && second.ToTray());
        HWND dialog = ChooseFromTrayMenu(HotkeySettings) ? second.Window(second.sheet) : nullptr;
        ASSERT_TRUE(dialog) << "the hotkey's dialog";
        EXPECT_EQ(StaticTexts(dialog), "Brings Calvo to the front from any program, and sends it back to the tray.|Hotkey now:|"
                                       "Win+Alt+C|Press the new keys:|Another program uses this key.|");
        Press(VK_RETURN);
        EXPECT_FALSE(WaitUntil([&] { return !::IsWindowVisible(dialog); }, 1000)) << "OK with a key in use changes nothing";
        PressHotkey(kChosen);
        EXPECT_EQ(TextOnceIs(::GetDlgItem(dialog, IDC_HOTKEY_BOX), "Win+Shift+F9"), "Win+Shift+F9");
        Press(VK_RETURN);
        EXPECT_TRUE(WaitUntil([] { return Setting("tuv", "Settings", "Hotkey") == kChosen; }));
        ASSERT_TRUE(ChooseFromTrayMenu(Exit));
        EXPECT_TRUE(second.EndsCleanly()) << "Exit ends the program";
    }
    Tuv again(false);
    ASSERT_TRUE(again.page && again.ToTray());
    PressHotkey(kChosen);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(again.sheet) != 0; })) << "the chosen key, after a restart";
}

namespace {

// msiexec with a package, silently, as a script installs; its exit code.
// The packages Windows Installer knows by the upgrade code: each is one entry in the list of apps.
int InstalledPackages() {
    char product[39];
    int count = 0;
    while (::MsiEnumRelatedProductsA("{DA17DCAD-A6A4-4794-9993-324E742820CC}", 0, count, product) == ERROR_SUCCESS) ++count;
    return count;
}

DWORD Msiexec(const char* action, const char* package) {
    const PROCESS_INFORMATION process = Start(std::string("msiexec ") + action + " \"" + WinePath(package) + "\" /qn");
    DWORD code = ~0u;
    if (process.hProcess && ::WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) ::GetExitCodeProcess(process.hProcess, &code);
    return ::CloseHandle(process.hThread), ::CloseHandle(process.hProcess), code;
}

}  // namespace

// The installer as a script uses it, on this build's programs: installed over an older version it
// replaces it and refuses to go back; the installed program evaluates and runs at logon; uninstall
// leaves nothing that acts, Help's text and the startup link included, but keeps the settings.
TEST(TuvPackage, InstallsUpgradesAndRemoves) {
    Msiexec("/x", TUV_MSI);  // what an interrupted run left
    const std::string folder = ShellFolder("Local AppData") + "\\Programs\\Calvo",
                      menu = ShellFolder("Programs") + "\\Calvo.lnk", link = ShellFolder("Startup") + "\\Numbrio.lnk";
    ASSERT_TRUE(Msiexec("/i", TUV_OLDER_MSI) == 0 && Msiexec("/i", TUV_MSI) == 0);
    EXPECT_EQ(InstalledPackages(), 1) << "one entry after the upgrade";
    EXPECT_NE(Msiexec("/i", TUV_OLDER_MSI), 0u) << "an older version over a newer one";
    EXPECT_TRUE(Bytes(folder + "\\README.txt").starts_with("Calvo " CALVO_VERSION_TEXT " for Windows"));
    ::CoInitialize(nullptr);
    EXPECT_EQ(ReadLink(menu), folder + "\\tuv.exe|Calvo calculator");
    {
        Tuv tuv(true, folder + "\\tuv.exe");
        ASSERT_TRUE(tuv.page) << "the installed program";
        Press(VK_TAB);
        Type("6*7");
        Press(VK_RETURN);
        EXPECT_EQ(TextOnceIs(tuv.Item(IDC_RESULT), "42"), "42");
        ASSERT_TRUE(tuv.ToTray());
        ASSERT_TRUE(ChooseFromTrayMenu(RunAtStart) && ChooseFromTrayMenu(Exit));
        EXPECT_TRUE(WaitUntil([&] { return ReadLink(link) == folder + "\\tuv.exe|Numbrio"; })) << ReadLink(link);
    }
    std::ofstream(folder + "\\tuv.txt") << "as Help writes it";
    ASSERT_EQ(Msiexec("/x", TUV_MSI), 0u);
    EXPECT_EQ(InstalledPackages(), 0);
    for (const std::string& left : {folder, menu, link})
        EXPECT_EQ(::GetFileAttributesA(left.c_str()), INVALID_FILE_ATTRIBUTES) << left << " after uninstall";
    EXPECT_EQ(Setting("tuv", "Settings", "Run At Start"), 1u) << "the user's settings stay";
}
