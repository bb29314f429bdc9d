// CLinkStatic: a static text control of a dialog turned into a hyperlink. Underlined text in the
// link colours, a hand pointer and the hover colour while the pointer is over it, the target in a
// tooltip; a click opens the target through the shell and marks the link visited.
#pragma once

#include <string>

#include "controls.h"

class CLinkStatic : public CStatic {
public:
    CLinkStatic();
    ~CLinkStatic() override;

    void SetUrl(const std::string& url);
    void MarkVisited(BOOL visited);
    // Opens `url` with the shell, else with the program registered for HTML documents; the
    // result is ShellExecute's or WinExec's, greater than 32 on success. Needs no window.
    int OpenUrl(const std::string& url, int showCommand);
    void ShowOpenError(int code);

    BOOL PreTranslateMessage(MSG* msg) override;

    COLORREF m_crLink = RGB(0, 0, 238);
    COLORREF m_crVisited = RGB(85, 26, 139);
    COLORREF m_crHover;
    BOOL m_bHover = FALSE;
    BOOL m_bVisited = FALSE;
    BOOL m_bUnderline = TRUE;
    BOOL m_bFitToText = TRUE;
    std::string m_strUrl;
    HFONT m_font = nullptr;
    HCURSOR m_hHandCursor = nullptr;
    CToolTipCtrl m_tipCtrl;

protected:
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void FitWindowToText();
    void LoadHandCursor();
    void Redraw();
};

// The window rectangle that fits a text of `text` size into `rect` by the static styles: centred
// (SS_CENTER, SS_CENTERIMAGE) shrinking or growing around the middle, else from the left or
// right edge and the top.
RECT FitRectToText(RECT rect, SIZE text, DWORD style);

// The command line that opens `target` with the program registered for HTML documents: the
// registered command cut at its "%1" (with the quotes around it, if any) and the target after a
// blank.
std::string HandlerCommandLine(const std::string& registered, const std::string& target);

// The message text for a failed open with ShellExecute's code.
std::string OpenErrorText(int code);
