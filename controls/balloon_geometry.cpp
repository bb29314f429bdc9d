#include "balloon_geometry.h"

BalloonLayout ComputeBalloonLayout(int width, int height, int tailSide) {
    BalloonLayout layout;
    const int L = 0, T = 0, R = width, B = height;
    const int h = B / 2;
    layout.body = RECT{L, T, R, B};
    switch (tailSide) {
    case kTailLeft:
        layout.body.left = L + 10;
        layout.tail[0] = {L, h - 10};
        layout.tail[1] = {L + 15, h - 10};
        layout.tail[2] = {L + 15, h + 5};
        break;
    case kTailTop:
        layout.body.top = T + 10;
        layout.tail[0] = {L + 10, T};
        layout.tail[1] = {L + 10, T + 15};
        layout.tail[2] = {L + 25, T + 15};
        break;
    case kTailBottom:
        layout.body.bottom = B - 10;
        layout.tail[0] = {L + 10, B};
        layout.tail[1] = {L + 10, B - 15};
        layout.tail[2] = {L + 25, B - 15};
        break;
    default:
        return layout;
    }
    layout.text = RECT{layout.body.left + 8, layout.body.top + 8, layout.body.right - 8, layout.body.bottom - 8};
    layout.valid = true;
    return layout;
}

POINT PlaceBalloon(int x, int y, int width, int height, int screenWidth, int screenHeight) {
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    if (y + height > screenHeight) y = screenHeight - height;
    if (x + width > screenWidth) x = screenWidth - width;
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
