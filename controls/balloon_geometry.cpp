#include "balloon_geometry.h"

#include "screen_scale.h"

BalloonLayout ComputeBalloonLayout(int width, int height, int tailSide, int dpi) {
    auto px = [dpi](int pixels) { return ScalePixels(pixels, dpi); };
    BalloonLayout layout;
    layout.size = SIZE{px(width), px(height)};
    const int L = 0, T = 0, R = layout.size.cx, B = layout.size.cy;
    const int h = B / 2;
    layout.body = RECT{L, T, R, B};
    layout.corner = px(12);
    switch (tailSide) {
    case kTailLeft:
        layout.body.left = L + px(10);
        layout.tail[0] = {L, h - px(10)};
        layout.tail[1] = {L + px(15), h - px(10)};
        layout.tail[2] = {L + px(15), h + px(5)};
        break;
    case kTailTop:
        layout.body.top = T + px(10);
        layout.tail[0] = {L + px(10), T};
        layout.tail[1] = {L + px(10), T + px(15)};
        layout.tail[2] = {L + px(25), T + px(15)};
        break;
    case kTailBottom:
        layout.body.bottom = B - px(10);
        layout.tail[0] = {L + px(10), B};
        layout.tail[1] = {L + px(10), B - px(15)};
        layout.tail[2] = {L + px(25), B - px(15)};
        break;
    default:
        return layout;
    }
    const int margin = px(8);
    layout.text = RECT{layout.body.left + margin, layout.body.top + margin, layout.body.right - margin,
                       layout.body.bottom - margin};
    layout.valid = true;
    return layout;
}

POINT PlaceBalloon(int x, int y, int width, int height, const RECT& workArea) {
    if (x < workArea.left) x = workArea.left;
    if (y < workArea.top) y = workArea.top;
    if (y + height > workArea.bottom) y = workArea.bottom - height;
    if (x + width > workArea.right) x = workArea.right - width;
    return POINT{x, y};
}

RelayStep DecideRelay(const RelayFacts& facts, const void*& current) {
    RelayStep step;
    switch (facts.kind) {
    case RelayKind::Dismiss:
        step.action = RelayAction::Hide;
        return step;
    case RelayKind::Other:
        return step;
    case RelayKind::Move:
        break;
    }
    if (!facts.focusInApp) return step;
    if (current) {
        if (facts.insideCurrent) {
            if (facts.followMouse && facts.tipVisible) step.action = RelayAction::Follow;
            return step;
        }
        current = nullptr;
        if (!facts.targetRegistered) {
            step.action = RelayAction::HideAndClear;
            return step;
        }
        step.hideFirst = true;
    } else if (!facts.targetRegistered) {
        return step;
    }
    step.action = RelayAction::Show;
    current = facts.target;
    return step;
}
