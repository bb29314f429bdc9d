// The window wrapper: attaching, routing to handlers, passing on, and detaching.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework_test_support.h"

namespace {

class CommandCounter : public CWnd {
public:
    std::vector<int> commands;
    UINT_PTR handledId = 0;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        commands.push_back(LOWORD(wParam));
        return LOWORD(wParam) == handledId;
    }
};

TEST(Window, CreatedWindowIsAttachedAndDetachedWhenDestroyed) {
    auto* window = new TestWindow;
    HWND hWnd = window->m_hWnd;
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), window);
    ::DestroyWindow(hWnd);
    EXPECT_EQ(window->m_hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    delete window;
}

TEST(Window, ClassesAreRegisteredOncePerKindAndKeepTheirNames) {
    const char* first = CWnd::RegisterClassOnce(0, nullptr, nullptr, nullptr);
    const char* again = CWnd::RegisterClassOnce(0, nullptr, nullptr, nullptr);
    const char* other = CWnd::RegisterClassOnce(CS_DBLCLKS, nullptr, nullptr, nullptr);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(first, again);
    EXPECT_STRNE(first, other);
    WNDCLASSA info{};
    EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), first, &info));
    EXPECT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), other, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
}

TEST(Window, SubclassedControlRoutesMessagesAndPassesOnTheRest) {
    TestWindow parent;
    HWND edit = parent.AddControl("EDIT", 0, 100);
    CommandCounter wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(edit));
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &wrapper);
    // A second wrapper cannot take a window that is already taken.
    CWnd other;
    EXPECT_FALSE(other.SubclassWindow(edit));

    wrapper.handledId = 7;
    ::SendMessageA(edit, WM_COMMAND, 7, 0);
    ::SendMessageA(edit, WM_COMMAND, 8, 0);
    EXPECT_EQ(wrapper.commands, (std::vector<int>{7, 8}));

    // Messages it does not handle still reach the edit control's own procedure.
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("kept"));
    EXPECT_EQ(wrapper.GetWindowText(), "kept");

    EXPECT_EQ(wrapper.UnsubclassWindow(), edit);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    ::SendMessageA(edit, WM_COMMAND, 9, 0);
    EXPECT_EQ(wrapper.commands.size(), 2u);
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
    char text[16] = {};
    ::GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "after");
}

TEST(Window, WrapperDestroyedBeforeItsWindowGivesTheWindowBack) {
    TestWindow parent;
    HWND edit = parent.AddControl("EDIT", 0, 100);
    {
        CommandCounter wrapper;
        ASSERT_TRUE(wrapper.SubclassWindow(edit));
    }
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), nullptr);
    ::SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("alive"));
    char text[16] = {};
    ::GetWindowTextA(edit, text, sizeof(text));
    EXPECT_STREQ(text, "alive");
}

class KeyTaker : public CWnd {
public:
    std::vector<std::string>* log = nullptr;
    std::string name;
    bool take = false;
    BOOL PreTranslateMessage(MSG*) override {
        log->push_back(name);
        return take;
    }
};

TEST(Window, PreTranslationWalksFromTheWindowUpToTheStop) {
    TestWindow top;
    HWND child = top.AddControl("STATIC", 0, 1);
    HWND grandChild = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, child, nullptr, nullptr, nullptr);
    std::vector<std::string> log;
    KeyTaker childWrapper, grandWrapper;
    childWrapper.log = grandWrapper.log = &log;
    childWrapper.name = "child";
    grandWrapper.name = "grand";
    ASSERT_TRUE(childWrapper.SubclassWindow(child));
    ASSERT_TRUE(grandWrapper.SubclassWindow(grandChild));

    MSG msg{grandChild, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_FALSE(WalkPreTranslateTree(top.m_hWnd, &msg));
    EXPECT_EQ(log, (std::vector<std::string>{"grand", "child"}));

    log.clear();
    grandWrapper.take = true;
    EXPECT_TRUE(WalkPreTranslateTree(top.m_hWnd, &msg));
    EXPECT_EQ(log, (std::vector<std::string>{"grand"}));

    // The walk stops at the given window: the child's parent chain ends there.
    log.clear();
    grandWrapper.take = false;
    childWrapper.take = true;
    EXPECT_FALSE(WalkPreTranslateTree(grandChild, &msg));
    EXPECT_EQ(log, (std::vector<std::string>{"grand"}));
}

class SelfColouring : public CWnd {
public:
    std::vector<UINT> seen;

protected:
    BOOL OnChildNotify(UINT message, WPARAM, LPARAM, LRESULT* result) override {
        seen.push_back(message);
        if (message != WM_CTLCOLORSTATIC) return FALSE;
        *result = 1234;
        return TRUE;
    }
};

class CountingParent : public TestWindow {
public:
    int commands = 0;

protected:
    BOOL OnCommand(WPARAM, LPARAM) override {
        ++commands;
        return TRUE;
    }
};

TEST(Window, ParentOffersControlNotificationsToTheControlFirst) {
    CountingParent parent;
    HWND label = parent.AddControl("STATIC", SS_NOTIFY, 5);
    SelfColouring wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(label));

    HDC dc = ::GetDC(label);
    EXPECT_EQ(::SendMessageA(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(label)),
              1234);
    ::ReleaseDC(label, dc);

    // Declined by the control: the parent handles it as usual.
    ::SendMessageA(parent.m_hWnd, WM_COMMAND, MAKEWPARAM(5, STN_CLICKED), reinterpret_cast<LPARAM>(label));
    EXPECT_EQ(parent.commands, 1);
    // A menu command has no control to offer it to.
    ::SendMessageA(parent.m_hWnd, WM_COMMAND, 32771, 0);
    EXPECT_EQ(parent.commands, 2);
    EXPECT_EQ(wrapper.seen, (std::vector<UINT>{WM_CTLCOLORSTATIC, WM_COMMAND}));
}

}  // namespace
