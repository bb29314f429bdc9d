#include "balloon_tip.h"

#include "balloon_geometry.h"
#include "message_box.h"
#include "screen_scale.h"

CBalloonTip::CBalloonTip() : m_strClassName(CWnd::RegisterClassOnce(0, nullptr, nullptr, nullptr)) {}

CBalloonTip::~CBalloonTip() {
    StopTimer();
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
    m_tools.clear();
    ReleaseResources();
}

void CBalloonTip::ReleaseResources() {
    for (HGDIOBJ* object : {reinterpret_cast<HGDIOBJ*>(&m_fontBody), reinterpret_cast<HGDIOBJ*>(&m_fontTitle),
                            reinterpret_cast<HGDIOBJ*>(&m_rgnBody), reinterpret_cast<HGDIOBJ*>(&m_rgnTail),
                            reinterpret_cast<HGDIOBJ*>(&m_rgnWindow)}) {
        if (*object) ::DeleteObject(*object);
        *object = nullptr;
    }
}

BOOL CBalloonTip::Create(CWnd* owner) {
    HWND parent = owner ? owner->m_hWnd : nullptr;
    SIZE size = Layout().size;
    return CreateEx(0, m_strClassName, nullptr, WS_POPUP, 0, 0, size.cx, size.cy, parent, nullptr) ? TRUE : FALSE;
}

BalloonLayout CBalloonTip::Layout() const { return ComputeBalloonLayout(m_nWidth, m_nHeight, m_nTailSide, ScreenDpi()); }

void CBalloonTip::AddTool(CWnd* control, const std::string& text, const std::string& title, COLORREF crText,
                          int seconds) {
    auto tool = std::make_unique<BalloonTool>();
    tool->strText = text;
    tool->strTitle = title;
    tool->crText = crText;
    tool->nSeconds = seconds < 0 ? m_nDefaultSeconds : seconds;
    m_tools[control ? control->m_hWnd : nullptr] = std::move(tool);
}

const BalloonTool* CBalloonTip::FindTool(HWND control) const {
    auto found = m_tools.find(control);
    return found == m_tools.end() ? nullptr : found->second.get();
}

HRGN CBalloonTip::MakeWindowRegion() const {
    BalloonLayout layout = Layout();
    HRGN region = ::CreateRectRgnIndirect(&layout.body);
    if (region && m_rgnTail && m_rgnBody && ::CombineRgn(region, m_rgnTail, m_rgnBody, RGN_OR) != ERROR) return region;
    if (region) ::DeleteObject(region);
    AfxMessageBox("ERROR in Combining Region", MB_OK | MB_ICONEXCLAMATION);
    return nullptr;
}

int CBalloonTip::OnCreate() {
    BalloonLayout layout = Layout();
    if (!layout.valid) return -1;  // no triangle for that side
    m_rcText = layout.text;
    m_rgnBody = ::CreateRoundRectRgn(layout.body.left, layout.body.top, layout.body.right, layout.body.bottom,
                                     layout.corner, layout.corner);
    m_rgnTail = ::CreatePolygonRgn(layout.tail, 3, ALTERNATE);
    m_rgnWindow = MakeWindowRegion();
    if (!m_rgnWindow) return -1;
    // The window owns the region it is given: it gets a copy, ours is released with the tip.
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    if (shape && ::CombineRgn(shape, m_rgnWindow, nullptr, RGN_COPY) != ERROR) {
        ::SetWindowRgn(m_hWnd, shape, TRUE);
    } else if (shape) {
        ::DeleteObject(shape);
    }
    const int fontHeight = Scaled(m_nFontHeight);
    m_fontBody = ::CreateFontA(fontHeight, 0, 0, 0, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, m_strFontName.c_str());
    m_fontTitle = ::CreateFontA(fontHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, 0, 0, 0, FF_ROMAN, "Verdana");
    return 0;
}

int DrawFitted(HDC dc, const std::string& text, RECT& rect) {
    SIZE size{};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    UINT format = size.cx < rect.right - rect.left ? DT_SINGLELINE : DT_WORDBREAK;
    return ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void CBalloonTip::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    HRGN region = MakeWindowRegion();
    if (region) {
        HBRUSH background = ::CreateSolidBrush(m_crBackground);
        HBRUSH frame = ::CreateSolidBrush(m_crFrame);
        ::FillRgn(dc, region, background);
        ::FrameRgn(dc, region, frame, 1, 1);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, m_crText);

        HGDIOBJ previous = ::SelectObject(dc, m_fontTitle);
        RECT titleRect = m_rcText;
        int titleHeight = DrawFitted(dc, m_strTitle, titleRect);
        SIZE m{};
        ::GetTextExtentPoint32A(dc, "M", 1, &m);
        RECT bodyRect = m_rcText;
        bodyRect.top = m_rcText.top + titleHeight + m.cy / 2;
        ::SelectObject(dc, m_fontBody);
        DrawFitted(dc, m_strText, bodyRect);
        ::SelectObject(dc, previous);

        ::DeleteObject(background);
        ::DeleteObject(frame);
        ::DeleteObject(region);
    }
    ::EndPaint(m_hWnd, &paint);
}

void CBalloonTip::OnTimer(UINT_PTR id) {
    if (id == kHideTimer) {
        StopTimer();
        ShowWindow(SW_HIDE);
    }
    CWnd::OnTimer(id);
}

LRESULT CBalloonTip::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (Default() == -1) return -1;
        return OnCreate();
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

BOOL CBalloonTip::PreTranslateMessage(MSG* msg) {
    RelayEvent(msg);
    return CWnd::PreTranslateMessage(msg);
}

void CBalloonTip::RelayEvent(const MSG* msg) {
    if (!msg || !m_hWnd) return;
    RelayFacts facts;
    switch (msg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_KEYDOWN:
        facts.kind = RelayKind::Dismiss;
        break;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        facts.kind = RelayKind::Move;
        break;
    default:
        return;
    }
    facts.focusInApp = ::GetFocus() != nullptr;
    // The exact window: over a combo box's text the messages go to its edit field, a window of
    // its own with no tip, so the box's tip shows over its frame and button only.
    const BalloonTool* tool = FindTool(msg->hwnd);
    facts.target = msg->hwnd;
    facts.targetRegistered = tool != nullptr;
    if (m_hCurrent) {
        RECT rect{};
        ::GetWindowRect(m_hCurrent, &rect);
        facts.insideCurrent = ::PtInRect(&rect, msg->pt) != 0;
    }
    facts.followMouse = m_bFollowMouse;
    facts.tipVisible = IsWindowVisible() != 0;

    const void* current = m_hCurrent;
    HWND previous = m_hCurrent;
    RelayStep step = DecideRelay(facts, current);
    m_hCurrent = static_cast<HWND>(const_cast<void*>(current));
    switch (step.action) {
    case RelayAction::None:
        break;
    case RelayAction::Hide:
    case RelayAction::HideAndClear:
        Hide();
        break;
    case RelayAction::Follow:
        if (const BalloonTool* shown = FindTool(previous)) ShowAt(msg->pt.x, msg->pt.y, shown->nSeconds);
        break;
    case RelayAction::Show:
        if (step.hideFirst) Hide();
        m_crText = tool->crText;
        m_strText = tool->strText;
        m_strTitle = tool->strTitle;
        ShowAt(msg->pt.x, msg->pt.y, tool->nSeconds);
        break;
    }
}

void CBalloonTip::ShowAt(int x, int y, int seconds) {
    SIZE size = Layout().size;
    // On the monitor the point is on (or the nearest one), clear of its taskbar.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (!::GetMonitorInfoA(::MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &monitor))
        monitor.rcWork = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    POINT at = PlaceBalloon(x, y, size.cx, size.cy, monitor.rcWork);
    ::SetWindowPos(m_hWnd, HWND_TOP, at.x, at.y, size.cx, size.cy, SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNOACTIVATE);
    // A new text on a tip that was already showing must be painted again.
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    StartTimer(seconds);
}

void CBalloonTip::Hide() {
    if (!m_hWnd || !IsWindowVisible()) return;
    ShowWindow(SW_HIDE);
    StopTimer();
}

void CBalloonTip::StartTimer(int seconds) {
    StopTimer();
    if (seconds > 0 && m_hWnd) m_uTimer = ::SetTimer(m_hWnd, kHideTimer, static_cast<UINT>(seconds) * 1000u, nullptr);
}

void CBalloonTip::StopTimer() {
    if (m_uTimer != 0 && m_hWnd && ::IsWindow(m_hWnd)) ::KillTimer(m_hWnd, m_uTimer);
    m_uTimer = 0;
}
