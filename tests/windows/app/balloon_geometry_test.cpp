// The balloon tip's shape, its placement on the screen and its relay rule, as tables.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "balloon_geometry.h"

namespace {

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

TEST(BalloonLayout, TheThreeTailSides) {
    struct Case {
        int width, height, side;
        RECT body;
        POINT tail[3];
        RECT text;
    };
    const Case cases[] = {
        // The Expression page's tips.
        {200, 125, kTailTop, {0, 10, 200, 125}, {{10, 0}, {10, 15}, {25, 15}}, {8, 18, 192, 117}},
        // A tip as constructed.
        {100, 60, kTailLeft, {10, 0, 100, 60}, {{0, 20}, {15, 20}, {15, 35}}, {18, 8, 92, 52}},
        {100, 60, kTailBottom, {0, 0, 100, 50}, {{10, 60}, {10, 45}, {25, 45}}, {8, 8, 92, 42}},
        // An odd height: the tail's middle is the integer half.
        {50, 41, kTailLeft, {10, 0, 50, 41}, {{0, 10}, {15, 10}, {15, 25}}, {18, 8, 42, 33}},
    };
    for (const Case& c : cases) {
        BalloonLayout layout = ComputeBalloonLayout(c.width, c.height, c.side);
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " side " + std::to_string(c.side));
        ASSERT_TRUE(layout.valid);
        EXPECT_EQ(Text(layout.body), Text(c.body));
        EXPECT_EQ(Text(layout.text), Text(c.text));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(layout.tail[i].x, c.tail[i].x) << "point " << i;
            EXPECT_EQ(layout.tail[i].y, c.tail[i].y) << "point " << i;
        }
        // The top-left pixel is outside the shape, so the pointer's window stays the control.
        HRGN body = ::CreateRoundRectRgn(layout.body.left, layout.body.top, layout.body.right, layout.body.bottom, 12, 12);
        HRGN tail = ::CreatePolygonRgn(layout.tail, 3, ALTERNATE);
        HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(::CombineRgn(shape, tail, body, RGN_OR), ERROR);
        EXPECT_FALSE(::PtInRegion(shape, 0, 0));
        EXPECT_TRUE(::PtInRegion(shape, c.width / 2, c.height / 2));
        for (HRGN region : {body, tail, shape}) ::DeleteObject(region);
    }
}

TEST(BalloonLayout, OtherTailSidesHaveNone) {
    EXPECT_FALSE(ComputeBalloonLayout(200, 125, 3).valid);
    EXPECT_FALSE(ComputeBalloonLayout(200, 125, -1).valid);
}

TEST(BalloonPlacement, StaysOnTheScreen) {
    struct Case {
        int x, y;
        int expectX, expectY;
    };
    // A 200 x 125 tip on a 1024 x 768 screen.
    const Case cases[] = {
        {100, 100, 100, 100},   // room enough: at the point
        {-5, -7, 0, 0},         // negative coordinates become 0
        {824, 643, 824, 643},   // exactly touching the right and bottom edges
        {825, 100, 824, 100},   // one pixel past the right edge
        {100, 644, 100, 643},   // one pixel past the bottom
        {1023, 767, 824, 643},  // the pointer in the bottom-right corner
        {-50, 900, 0, 643},
    };
    for (const Case& c : cases) {
        POINT at = PlaceBalloon(c.x, c.y, 200, 125, 1024, 768);
        EXPECT_EQ(at.x, c.expectX) << c.x << "," << c.y;
        EXPECT_EQ(at.y, c.expectY) << c.x << "," << c.y;
    }
}

// The relay rule as the tip's states: Idle (hidden, no current control), Showing (visible for
// the current control), Dismissed (hidden, current control kept).
enum class State { Idle, Showing, Dismissed };

struct Tip {
    const void* current = nullptr;
    bool visible = false;
    const void* shownFor = nullptr;
    int shows = 0, follows = 0;

    State Now() const { return visible ? State::Showing : (current ? State::Dismissed : State::Idle); }

    // `over`: the window under the pointer; `inside`: the pointer in the current control's rectangle.
    void Relay(RelayKind kind, const void* over, bool registered, bool inside, bool focus = true, bool follow = true) {
        RelayFacts facts;
        facts.kind = kind;
        facts.focusInApp = focus;
        facts.target = over;
        facts.targetRegistered = registered;
        facts.insideCurrent = inside;
        facts.followMouse = follow;
        facts.tipVisible = visible;
        RelayStep step = DecideRelay(facts, current);
        switch (step.action) {
        case RelayAction::None: break;
        case RelayAction::Hide:
        case RelayAction::HideAndClear: visible = false; break;
        case RelayAction::Follow: ++follows; break;
        case RelayAction::Show:
            visible = true;
            shownFor = over;
            ++shows;
            break;
        }
    }
    void TimerFires() { visible = false; }
};

const int a = 1, b = 2, other = 3;  // two registered controls and an unregistered window
const void* const A = &a;
const void* const B = &b;
const void* const Other = &other;

TEST(BalloonRelay, FollowsTheStateTable) {
    struct Step {
        const char* what;
        RelayKind kind;
        const void* over;
        bool registered, inside;
        bool timer;  // instead of a message: the hide timer fires
        State expect;
        const void* current;
    };
    const Step steps[] = {
        {"moves over an unregistered window", RelayKind::Move, Other, false, false, false, State::Idle, nullptr},
        {"moves onto A: shown at once", RelayKind::Move, A, true, false, false, State::Showing, A},
        {"moves inside A: follows", RelayKind::Move, A, true, true, false, State::Showing, A},
        {"a key goes down", RelayKind::Dismiss, A, true, true, false, State::Dismissed, A},
        {"moves inside A again: stays hidden", RelayKind::Move, A, true, true, false, State::Dismissed, A},
        {"leaves A for nothing registered", RelayKind::Move, Other, false, false, false, State::Idle, nullptr},
        {"back onto A", RelayKind::Move, A, true, false, false, State::Showing, A},
        {"from A straight onto B", RelayKind::Move, B, true, false, false, State::Showing, B},
        {"the timer ends it", RelayKind::Other, B, true, true, true, State::Dismissed, B},
        {"moves inside B: stays hidden", RelayKind::Move, B, true, true, false, State::Dismissed, B},
        {"from the dismissed B onto A", RelayKind::Move, A, true, false, false, State::Showing, A},
        {"a click", RelayKind::Dismiss, Other, false, false, false, State::Dismissed, A},
        {"other messages change nothing", RelayKind::Other, B, true, false, false, State::Dismissed, A},
        {"leaves A for B", RelayKind::Move, B, true, false, false, State::Showing, B},
        {"leaves B for nothing", RelayKind::Move, Other, false, false, false, State::Idle, nullptr},
    };
    Tip tip;
    for (const Step& step : steps) {
        if (step.timer) {
            tip.TimerFires();
        } else {
            tip.Relay(step.kind, step.over, step.registered, step.inside);
        }
        EXPECT_EQ(tip.Now(), step.expect) << step.what;
        EXPECT_EQ(tip.current, step.current) << step.what;
        if (tip.visible) {
            EXPECT_EQ(tip.shownFor, step.current) << step.what;
        }
    }
    EXPECT_EQ(tip.follows, 1);
}

TEST(BalloonRelay, NoShowingOrMovingWithoutTheFocus) {
    Tip tip;
    tip.Relay(RelayKind::Move, A, true, false, /*focus=*/false);
    EXPECT_EQ(tip.Now(), State::Idle);
    tip.Relay(RelayKind::Move, A, true, false);
    ASSERT_EQ(tip.Now(), State::Showing);
    // Another program took the focus: moving neither moves nor hides the tip ...
    tip.Relay(RelayKind::Move, A, true, true, /*focus=*/false);
    tip.Relay(RelayKind::Move, Other, false, false, /*focus=*/false);
    EXPECT_EQ(tip.Now(), State::Showing);
    EXPECT_EQ(tip.follows, 0);
    // ... but a click still hides it.
    tip.Relay(RelayKind::Dismiss, Other, false, false, /*focus=*/false);
    EXPECT_EQ(tip.Now(), State::Dismissed);
}

TEST(BalloonRelay, WithoutFollowingTheTipStaysWhereItAppeared) {
    Tip tip;
    tip.Relay(RelayKind::Move, A, true, false, true, /*follow=*/false);
    tip.Relay(RelayKind::Move, A, true, true, true, /*follow=*/false);
    EXPECT_EQ(tip.follows, 0);
    EXPECT_EQ(tip.shows, 1);
    EXPECT_EQ(tip.Now(), State::Showing);
}

}  // namespace
