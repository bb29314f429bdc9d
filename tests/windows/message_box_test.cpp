// Message boxes: the application title as caption, the warning icon when none is given.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "message_box.h"
#include "win_app.h"

namespace {

TEST(AppMessageBox, WarningIconIsAddedOnlyWhereNoIconIsGiven) {
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

struct SeenBox {
    std::string caption;
    bool found = false;
};

BOOL CALLBACK FindBoxOfThread(HWND hWnd, LPARAM lParam) {
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof(className));
    if (std::string(className) != "#32770" || !::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hWnd;
    return FALSE;
}

// Shows a box on this thread while another thread reads it and answers it.
SeenBox ShowAndAnswer(const std::string& text, UINT type, int answer, int* result) {
    SeenBox seen;
    DWORD thread = ::GetCurrentThreadId();
    std::thread answerer([&] {
        HWND box = nullptr;
        for (int i = 0; i < 500 && !box; ++i) {
            ::EnumThreadWindows(thread, &FindBoxOfThread, reinterpret_cast<LPARAM>(&box));
            if (!box) ::Sleep(20);
        }
        if (!box) return;
        seen.found = true;
        char caption[128] = {};
        ::GetWindowTextA(box, caption, sizeof(caption));
        seen.caption = caption;
        ::PostMessageA(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
    });
    *result = AfxMessageBox(text, type);
    answerer.join();
    return seen;
}

TEST(AppMessageBox, CaptionIsTheApplicationTitle) {
    CWinApp app;
    app.m_strTitle = "renamed-calculator";  // as for an exe of that name
    int result = 0;
    SeenBox seen = ShowAndAnswer("Empty everything! Are you sure?", MB_YESNOCANCEL, IDNO, &result);
    ASSERT_TRUE(seen.found);
    EXPECT_EQ(seen.caption, "renamed-calculator");
    EXPECT_EQ(result, IDNO);
}

}  // namespace
