// The balloon tip's shape, its placement on the screen and its relay rule, as tables
// (tests/windows/data/balloon_*.tsv), and how its texts fit.
#include <gtest/gtest.h>

#include <string>

#include "balloon_geometry.h"
#include "balloon_tip.h"
#include "rows.h"

namespace {

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

TEST(Balloon, Layout) {
    for (const Row& row : ReadRows(TABLES "balloon_layout.tsv")) {
        BalloonLayout l = ComputeBalloonLayout(200, 125, std::stoi(row[0]), std::stoi(row[1]));
        std::string seen = std::to_string(l.size.cx) + "x" + std::to_string(l.size.cy) + " " + Text(l.body) + " " +
                           std::to_string(l.corner) + " " + Text(l.text);
        for (POINT p : l.tail) seen += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        EXPECT_EQ(seen, row[2]) << row[0] << " at " << row[1];
    }
}

TEST(Balloon, PlacementStaysInTheWorkArea) {
    for (const Row& row : ReadRows(TABLES "balloon_placement.tsv")) {
        const std::vector<int> asked = Numbers(row[0]), area = Numbers(row[1]);
        POINT at = PlaceBalloon(asked[0], asked[1], 200, 125, RECT{area[0], area[1], area[2], area[3]});
        EXPECT_EQ(std::to_string(at.x) + "," + std::to_string(at.y), row[2]) << row[0] << " in " << row[1];
    }
}

// A title that fits stays on one line; a text wider than the tip wraps instead of being cut.
TEST(Balloon, TextWrapsOnlyWhenWiderThanTheTip) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    auto height = [&](const std::string& text) { RECT tip{0, 0, 180, 500}; return DrawFitted(dc, text, tip); };
    EXPECT_GT(height("Please type in the expression here. You may also use any variable."), 2 * height("Expression"));
    ::DeleteDC(dc);
}

TEST(Balloon, RelayFollowsTheStateTable) {
    const int a = 1, b = 2, none = 3;
    auto window = [&](const std::string& name) -> const void* { return name == "A" ? &a : name == "B" ? &b : &none; };
    const void* current = nullptr;
    bool visible = false;
    for (const Row& row : ReadRows(TABLES "balloon_relay.tsv")) {
        const std::string& event = row[0];
        const RelayKind kind = event == "Dismiss" ? RelayKind::Dismiss : event == "Move" ? RelayKind::Move : RelayKind::Other;
        RelayFacts facts{.kind = kind, .focusInApp = row[3] == "yes", .target = window(row[1]),
                         .targetRegistered = row[1] != "-", .insideCurrent = row[2] == "yes", .followMouse = true, .tipVisible = visible};
        const RelayStep step = event == "Timer" ? RelayStep{RelayAction::Hide} : DecideRelay(facts, current);
        if (step.action == RelayAction::Hide || step.action == RelayAction::HideAndClear) visible = false;
        if (step.action == RelayAction::Show || step.action == RelayAction::Follow) visible = true;  // both show the tip
        const char* shown = step.action == RelayAction::Follow ? "following" : step.hideFirst ? "shown anew" : "showing";
        EXPECT_EQ(visible ? shown : current ? "dismissed" : "idle", row[4]) << event << " over " << row[1];
        EXPECT_EQ(current, row[5] == "-" ? nullptr : window(row[5])) << event << " over " << row[1];
    }
}

}  // namespace
