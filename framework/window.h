// CWnd: an object attached to an HWND. Every window we wrap is subclassed, so its messages pass
// through WindowProc first; what a handler leaves alone goes on to the window's own procedure.
// The procedures are Unicode ones, so that typed letters of any script reach the controls
// unchanged; the helpers below speak the program's 8-bit texts (UTF-8) and the system converts.
#pragma once

#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd = nullptr;

    // The wrapper attached to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Attaches this object to an existing window and routes its messages through WindowProc.
    bool SubclassWindow(HWND hWnd);
    bool SubclassDlgItem(UINT id, CWnd* parent);
    HWND UnsubclassWindow();

    // Creates a window of a class registered by RegisterClassOnce, attached from WM_NCCREATE on.
    bool CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu);
    // A plain window class whose procedure attaches the object being created.
    static const char* RegisterClassOnce(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);
    virtual BOOL DestroyWindow();

    // Pre-translation of a queued message; TRUE means it was handled and is not dispatched.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // The window procedure of the wrapper: handlers first, then DefWindowProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The window's own procedure (the one replaced by subclassing) or the system default.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled on to DefWindowProc unchanged.
    LRESULT Default();

    // Thin helpers over the ANSI calls.
    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    BOOL ShowWindow(int show) { return ::ShowWindow(m_hWnd, show); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }

protected:
    // Handlers of WM_COMMAND (TRUE when handled) and WM_TIMER.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnDestroy();
    // Called by SubclassWindow once m_hWnd is set, before the window's messages come here.
    virtual void PreSubclassWindow() {}
    // A notification the parent received from this control (WM_COMMAND, WM_CTLCOLOR...),
    // offered here first so a control can handle its own; TRUE with `result` set takes it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

public:
    // Offers a parent's message to the wrapper of the control it came from.
    static BOOL ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    static LRESULT CALLBACK StdWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK CreationWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void Attach(HWND hWnd);
    void Detach();

    WNDPROC m_pfnSuper = nullptr;
    const MSG* m_currentMsg = nullptr;
};

// Gives `msg` to PreTranslateMessage of the wrapper of its window and of each parent up to `stop`;
// TRUE as soon as one of them handled it.
BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
