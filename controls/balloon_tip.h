// CBalloonTip: a borderless popup shaped as a rounded body with a tail, showing a bold title and
// a text beside the pointer while it is over a registered control. It learns everything from the
// queued messages its owner hands to RelayEvent; one window timer limits the display time.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "balloon_geometry.h"
#include "window.h"

struct BalloonTool {
    std::string strText;
    std::string strTitle;
    COLORREF crText = 0;
    int nSeconds = 0;
};

class CBalloonTip : public CWnd {
public:
    enum { TailLeft = 0, TailTop = 1, TailBottom = 2 };
    static constexpr UINT_PTR kHideTimer = 1;

    CBalloonTip();
    ~CBalloonTip() override;

    // Set m_nWidth, m_nHeight and m_nTailSide (and the font members) before: the shape and the
    // fonts are made once, here. Sizes are pixels at 96 DPI, scaled to the screen's.
    BOOL Create(CWnd* owner);
    // Registers `control` (again: the old record goes); a negative time takes m_nDefaultSeconds.
    void AddTool(CWnd* control, const std::string& text, const std::string& title, COLORREF crText, int seconds);
    // Shows, moves or hides the tip for one queued message.
    void RelayEvent(const MSG* msg);
    // Puts the tip's top-left corner at the screen point (kept on its monitor), shows it without
    // activating it and restarts the hide timer.
    void ShowAt(int x, int y, int seconds);
    void Hide();
    void StartTimer(int seconds);
    void StopTimer();

    BOOL PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The registered record for a window, or null.
    const BalloonTool* FindTool(HWND control) const;

    bool m_bFollowMouse = false;
    int m_nTailSide = TailLeft;
    const char* m_strClassName;
    HFONT m_fontBody = nullptr;
    HFONT m_fontTitle = nullptr;
    HRGN m_rgnBody = nullptr;
    HRGN m_rgnTail = nullptr;
    HRGN m_rgnWindow = nullptr;
    RECT m_rcText{};
    std::map<HWND, std::unique_ptr<BalloonTool>> m_tools;
    HWND m_hCurrent = nullptr;
    int m_nWidth = 100;
    int m_nHeight = 60;
    COLORREF m_crBackground = RGB(255, 255, 230);
    COLORREF m_crFrame = RGB(0, 0, 0);
    COLORREF m_crText = RGB(0, 0, 0);
    int m_nFontHeight = 14;
    std::string m_strFontName = "Arial";
    std::string m_strText;
    std::string m_strTitle;
    int m_nDefaultSeconds = 10;
    UINT_PTR m_uTimer = 0;

protected:
    int OnCreate();
    void OnPaint();
    void OnTimer(UINT_PTR id) override;

private:
    // The shape and size of the window on this screen.
    BalloonLayout Layout() const;
    // The union of the tail and the body; null when combining fails (the message is shown).
    HRGN MakeWindowRegion() const;
    void ReleaseResources();
};

// Draws `text` in `rect` on one line when its one-line width fits, word-wrapped otherwise (where
// its line breaks take effect too); answers the height drawn.
int DrawFitted(HDC dc, const std::string& text, RECT& rect);
