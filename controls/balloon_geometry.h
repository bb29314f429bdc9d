// The balloon tip's shape, placement and relay rule, without any window, so that they can be
// checked as tables. CBalloonTip does the window work around them.
#pragma once

#include <windows.h>

enum BalloonTailSide { kTailLeft = 0, kTailTop = 1, kTailBottom = 2 };

struct BalloonLayout {
    bool valid = false;  // false for a tail side with no layout
    SIZE size{};         // the window's size
    RECT body{};         // the rounded body, in client coordinates
    int corner = 0;      // the width and height of the ellipse that rounds its corners
    POINT tail[3]{};     // the tail's triangle
    RECT text{};         // where title and text are drawn
};

// The layout of a tip of width × height pixels with its tail on `tailSide`, all of it sized at
// 96 DPI and drawn on a screen of `dpi`.
BalloonLayout ComputeBalloonLayout(int width, int height, int tailSide, int dpi = 96);

// Where a tip of width × height whose top-left corner should be at (x, y) goes, so that it lies
// in `workArea` (a monitor's, without its taskbar; left of or above the primary monitor its
// coordinates are negative): a tip past the left or top edge moves right or down, then one past
// the right or bottom edge moves left or up.
POINT PlaceBalloon(int x, int y, int width, int height, const RECT& workArea);

// The relay rule for one queued message. The caller works out the facts, applies the action
// and keeps `current` (the control the tip shows for, or showed for last).
enum class RelayKind { Dismiss, Move, Other };  // button or key down; pointer move; the rest

struct RelayFacts {
    RelayKind kind = RelayKind::Other;
    bool focusInApp = false;          // a window of this thread has the keyboard focus
    const void* target = nullptr;     // the exact window the message is for
    bool targetRegistered = false;    // a tool is registered under `target`
    bool insideCurrent = false;       // the pointer lies in the current control's window rectangle
    bool followMouse = false;
    bool tipVisible = false;
};

enum class RelayAction {
    None,
    Hide,         // hide; `current` stays
    Follow,       // move the visible tip to the pointer and restart its timer
    HideAndClear, // the pointer left the current control for nothing registered
    Show,         // (after hiding, when there was a current control) show the target's tool
};

struct RelayStep {
    RelayAction action = RelayAction::None;
    bool hideFirst = false;  // with Show: the tip of the previous control goes first
};

// Decides what a message does and updates `current` accordingly.
RelayStep DecideRelay(const RelayFacts& facts, const void*& current);
