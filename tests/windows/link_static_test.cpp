// The hyperlink control: its fitting and command-line rules as tables, and its hover, visited and
// failure states through real messages to a real control.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

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
        EXPECT_TRUE(::EqualRect(&fitted, &c.expected))
            << std::hex << c.style << std::dec << ": " << fitted.left << "," << fitted.top << "," << fitted.right
            << "," << fitted.bottom;
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

// A top-level window with one centred static text, the link attached to it as a dialog would.
struct LinkWindow {
    HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200, nullptr,
                                    nullptr, nullptr, nullptr);
    HWND text = ::CreateWindowExA(0, "STATIC", "Our newsletter", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                                  20, 20, 300, 40, parent, nullptr, nullptr, nullptr);
    CWnd parentWrapper;
    CLinkStatic link;
    LinkWindow() {
        parentWrapper.SubclassWindow(parent);
        link.SubclassWindow(text);
    }
    ~LinkWindow() { ::DestroyWindow(parent); }
    COLORREF TextColour() {
        HDC dc = ::GetDC(text);
        ::SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
        COLORREF colour = ::GetTextColor(dc);
        ::ReleaseDC(text, dc);
        return colour;
    }
    void Click() { ::SendMessageA(parent, WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(text)); }
};

// Points the HTML fallback at a class without a command, so that an unknown scheme fails for good.
struct NoHtmlHandler {
    std::string saved;
    NoHtmlHandler() {
        ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", saved);
        ::RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, "calvo-test-no-such-class", 0);
    }
    ~NoHtmlHandler() { ::RegSetValueA(HKEY_CLASSES_ROOT, ".htm", REG_SZ, saved.c_str(), 0); }
};

TEST(LinkStatic, HoverVisitedAndFailedOpen) {
    LinkWindow w;
    EXPECT_EQ(w.link.GetWindowText(), "Our newsletter");
    EXPECT_EQ(w.link.m_strUrl, "Our newsletter");  // no target yet: the text is the target
    RECT rect;
    ::GetWindowRect(w.text, &rect);
    EXPECT_LT(rect.right - rect.left, 300) << "the control shrinks to its text";
    EXPECT_EQ(w.TextColour(), RGB(0, 0, 238));

    ::SendMessageA(w.text, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    EXPECT_TRUE(w.link.m_bHover);
    EXPECT_EQ(::GetCapture(), w.text);
    w.link.m_bVisited = TRUE;
    EXPECT_EQ(w.TextColour(), w.link.m_crHover) << "hovering wins over visited";
    ::SendMessageA(w.text, WM_MOUSEMOVE, 0, MAKELPARAM(-5, 2));
    EXPECT_FALSE(w.link.m_bHover);
    EXPECT_EQ(::GetCapture(), nullptr);
    EXPECT_EQ(w.TextColour(), RGB(85, 26, 139));

    NoHtmlHandler noHandler;
    w.link.SetUrl("calvo-test-unknown-scheme:page");
    std::string message;
    std::thread answerer([&] {
        for (int i = 0; i < 500 && message.empty(); ++i, ::Sleep(20)) {
            HWND box = ::FindWindowA("#32770", nullptr);
            HWND textControl = box ? ::GetDlgItem(box, 0xFFFF) : nullptr;
            if (!textControl) continue;
            char text[512] = {};
            ::GetWindowTextA(textControl, text, sizeof(text));
            message = text;
            ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
    });
    w.Click();
    answerer.join();
    EXPECT_EQ(message, "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_FALSE(w.link.m_bVisited) << "a failed open clears the visited state";
}

}  // namespace
