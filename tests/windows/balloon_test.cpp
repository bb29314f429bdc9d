// The balloon tip's shape, its placement on the screen and its relay rule, as tables.
#include <gtest/gtest.h>

#include <string>

#include "balloon_geometry.h"

namespace {

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(Balloon, Layout) {
    // A 200 x 125 tip: its size, body, corner, text 8 inside the body, and the tail's three
    // corners, which leave the 10 pixels between the body and the pointer; a left tail sits at
    // half the height. At other DPIs every length is scaled to the nearest pixel, halves up.
    struct Case { int side, dpi; const char* layout; };
    const Case cases[] = {
        {kTailTop, 96, "200x125 0,10,200,125 12 8,18,192,117 10,0 10,15 25,15"},
        {kTailLeft, 96, "200x125 10,0,200,125 12 18,8,192,117 0,52 15,52 15,67"},
        {kTailBottom, 96, "200x125 0,0,200,115 12 8,8,192,107 10,125 10,110 25,110"},
        {kTailTop, 144, "300x188 0,15,300,188 18 12,27,288,176 15,0 15,23 38,23"},
        {kTailLeft, 144, "300x188 15,0,300,188 18 27,12,288,176 0,79 23,79 23,102"},
        {kTailTop, 120, "250x156 0,13,250,156 15 10,23,240,146 13,0 13,19 31,19"},
        {kTailBottom, 192, "400x250 0,0,400,230 24 16,16,384,214 20,250 20,220 50,220"},
    };
    for (const Case& c : cases) {
        BalloonLayout l = ComputeBalloonLayout(200, 125, c.side, c.dpi);
        std::string seen = std::to_string(l.size.cx) + "x" + std::to_string(l.size.cy) + " " + Text(l.body) + " " +
                           std::to_string(l.corner) + " " + Text(l.text);
        for (POINT p : l.tail) seen += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        EXPECT_EQ(seen, c.layout) << c.dpi;
    }
}

TEST(Balloon, PlacementStaysInTheWorkArea) {
    // A 200 x 125 tip: the corner asked for, the work area of the point's monitor, where it goes.
    const RECT screen{0, 0, 1024, 768}, left{-1280, 0, 0, 1024}, above{0, -768, 1024, 0};
    const RECT taskbarBottom{0, 0, 1024, 728}, taskbarTop{0, 40, 1024, 768}, taskbarLeft{60, 0, 1024, 768},
               taskbarRight{0, 0, 964, 768};
    struct Case { POINT asked; RECT area; POINT at; };
    const Case cases[] = {
        {{100, 100}, screen, {100, 100}},          {{1023, 767}, screen, {824, 643}},
        {{100, 700}, taskbarBottom, {100, 603}},   {{5, 5}, taskbarTop, {5, 40}},
        {{10, 300}, taskbarLeft, {60, 300}},       {{900, 300}, taskbarRight, {764, 300}},
        {{-100, 50}, left, {-200, 50}},            {{-1300, -5}, left, {-1280, 0}},
        {{500, -50}, above, {500, -125}},          {{1000, -800}, above, {824, -768}},
    };
    for (const Case& c : cases) {
        POINT at = PlaceBalloon(c.asked.x, c.asked.y, 200, 125, c.area);
        EXPECT_EQ(Text({c.asked.x, c.asked.y, at.x, at.y}), Text({c.asked.x, c.asked.y, c.at.x, c.at.y})) << Text(c.area);
    }
}

// The relay rule followed through the tip's states: idle (hidden, no current control), showing
// (visible for the current control), dismissed (hidden, current control kept).
TEST(Balloon, RelayFollowsTheStateTable) {
    const int a = 1, b = 2, other = 3;  // two registered controls and a window with no tool
    const void *const A = &a, *const B = &b, *const Other = &other;
    enum Event { Dismiss, Move, OtherMessage, Timer };  // RelayKind's three, then the hide timer firing
    // What happens, over which window, with the pointer inside the current control or not and
    // with the focus in this program or not; then the state ("following": showing, moved to the
    // pointer; "shown anew": the last control's tip hidden first) and the current control.
    struct Step {
        const char* what; Event event; const void* over; bool inside, focus; const char* state; const void* current;
    };
    const Step steps[] = {
        {"moves over a window with no tool", Move, Other, false, true, "idle", nullptr},
        {"moves onto A without the focus", Move, A, false, false, "idle", nullptr},
        {"moves onto A: shown at once", Move, A, false, true, "showing", A},
        {"moves inside A: follows", Move, A, true, true, "following", A},
        {"without the focus moving neither follows", Move, A, true, false, "showing", A},
        {"... nor hides", Move, Other, false, false, "showing", A},
        {"a key goes down", Dismiss, A, true, true, "dismissed", A},
        {"moves inside A again: stays hidden", Move, A, true, true, "dismissed", A},
        {"leaves A for a window with no tool", Move, Other, false, true, "idle", nullptr},
        {"back onto A", Move, A, false, true, "showing", A},
        {"from A straight onto B", Move, B, false, true, "shown anew", B},
        {"the timer ends it", Timer, B, true, true, "dismissed", B},
        {"from the dismissed B onto A", Move, A, false, true, "shown anew", A},
        {"a click without the focus", Dismiss, Other, false, false, "dismissed", A},
        {"other messages change nothing", OtherMessage, B, false, true, "dismissed", A},
    };
    const void* current = nullptr;
    bool visible = false;
    for (const Step& s : steps) {
        RelayFacts facts{.kind = static_cast<RelayKind>(s.event), .focusInApp = s.focus, .target = s.over,
                         .targetRegistered = s.over != Other, .insideCurrent = s.inside, .followMouse = true, .tipVisible = visible};
        const RelayStep step = s.event == Timer ? RelayStep{RelayAction::Hide} : DecideRelay(facts, current);
        if (step.action == RelayAction::Hide || step.action == RelayAction::HideAndClear) visible = false;
        if (step.action == RelayAction::Show || step.action == RelayAction::Follow) visible = true;  // both show the tip
        const char* shown = step.action == RelayAction::Follow ? "following" : step.hideFirst ? "shown anew" : "showing";
        EXPECT_STREQ(visible ? shown : current ? "dismissed" : "idle", s.state) << s.what;
        EXPECT_EQ(current, s.current) << s.what;
    }
}

}  // namespace
