// Mouse sampling: clicks and holds per frame in both modes, movement, the wheel, screen edges, rectangles.
#include <gtest/gtest.h>

#include <vector>

#include "engine/Engine.h"
#include "gui/Mouse.h"

namespace {

// Starts every case from released buttons, a pointer at (0, 0) and a fresh virtual clock.
int64_t freshInput() {
    eng::SetHeadless(eng::HeadlessConfig{});
    eng::InjectMouseButton(1, false);
    eng::InjectMouseButton(2, false);
    eng::FlushMouse();
    eng::SetLogicalOffset(0, 0);
    eng::InjectMouseMove(0, 0);
    return eng::MilliSecs();
}

// Moves the virtual clock forward to `ms` after `start`.
void clockAt(int64_t start, int ms) {
    const int64_t now = eng::MilliSecs();
    if (start + ms > now) eng::Delay(static_cast<int>(start + ms - now));
}

// One sampled frame: its time, what the button did since the frame before, and what must be reported.
struct Step {
    int t;
    char input;  // 'v' went down, '^' came up, 't' went down and up again, '.' nothing
    int pressed, held;
};

// Plays the steps on `button` with a fresh mouse, sampling each frame normally or specially.
void play(const char* what, int button, bool special, const std::vector<Step>& steps) {
    const int64_t start = freshInput();
    TMouse m;
    for (const Step& s : steps) {
        clockAt(start, s.t);
        if (s.input == 'v' || s.input == 't') eng::InjectMouseButton(button, true);
        if (s.input == '^' || s.input == 't') eng::InjectMouseButton(button, false);
        special ? m.updateSpec() : m.update(1);
        EXPECT_EQ(button == 1 ? m.leftPressed : m.rightPressed, s.pressed) << what << ", frame at " << s.t;
        EXPECT_EQ(button == 1 ? m.leftHolded : m.rightHolded, s.held) << what << ", frame at " << s.t;
    }
}

struct Case {
    const char* what;
    int button;
    bool special;
    std::vector<Step> steps;
};

}  // namespace

TEST(Mouse, ButtonsFrameByFrame) {
    const Case cases[] = {
        {"left, normal",
         1,
         false,
         {{0, 'v', 1, 1}, {17, '.', 0, 1}, {33, '^', 0, 0}, {50, 't', 1, 1}, {67, '.', 0, 0}}},
        {"right, normal",
         2,
         false,
         {{0, 'v', 1, 1}, {17, '.', 0, 1}, {33, '^', 0, 0}, {50, 't', 1, 1}, {67, '.', 0, 0}}},
        // Special sampling reads the right button as it is: a click between frames is not held.
        {"right, special",
         2,
         true,
         {{0, 'v', 1, 1}, {17, '.', 0, 1}, {33, '^', 0, 0}, {50, 't', 1, 0}, {67, '.', 0, 0}}},
    };
    for (const Case& c : cases) play(c.what, c.button, c.special, c.steps);
}

// Special sampling, left button: a press is a click at its release unless it was reported as held.
TEST(Mouse, SpecialSamplingToldClicksFromHolds) {
    const Case cases[] = {
        {"150 ms press", 1, true, {{0, 'v', 0, 0}, {100, '.', 0, 0}, {150, '^', 1, 0}, {167, '.', 0, 0}}},
        {"500 ms press",
         1,
         true,
         {{0, 'v', 0, 0},
          {150, '.', 0, 0},
          {200, '.', 0, 0},
          {201, '.', 0, 1},
          {500, '.', 0, 1},
          {517, '^', 0, 0}}},
        {"released on the first frame past 200 ms, never reported held",
         1,
         true,
         {{0, 'v', 0, 0}, {200, '.', 0, 0}, {217, '^', 1, 0}, {233, '.', 0, 0}}},
        {"released after a stalled frame", 1, true, {{0, 'v', 0, 0}, {350, '^', 1, 0}}},
        {"pressed and released between two frames", 1, true, {{0, 't', 1, 0}, {17, '.', 0, 0}}},
        {"short press after a hold",
         1,
         true,
         {{0, 'v', 0, 0}, {300, '.', 0, 1}, {317, '^', 0, 0}, {400, 'v', 0, 0}, {450, '^', 1, 0}}},
    };
    for (const Case& c : cases) play(c.what, c.button, c.special, c.steps);
}

TEST(Mouse, HoldTimeCountsFromThePress) {
    const int64_t start = freshInput();
    TMouse m;
    clockAt(start, 40);
    eng::InjectMouseButton(1, true);
    m.updateSpec();
    clockAt(start, 290);
    m.updateSpec();
    EXPECT_EQ(m.getHoldedTime(), 250);
    eng::InjectMouseButton(1, false);
}

TEST(Mouse, ClearForgetsPendingClicks) {
    freshInput();
    TMouse m;
    eng::InjectMouseButton(1, true);
    eng::InjectMouseButton(2, true);
    eng::InjectMouseButton(2, false);
    m.update(1);
    m.clear();
    EXPECT_EQ(m.leftPressed + m.leftHolded + m.rightPressed + m.rightHolded, 0);
    m.update(1);  // the click was flushed; the left button is still down
    EXPECT_EQ(m.leftPressed, 0);
    EXPECT_EQ(m.rightPressed, 0);
    EXPECT_EQ(m.leftHolded, 1);
    eng::InjectMouseButton(1, false);
}

TEST(Mouse, MovementAndWheel) {
    freshInput();
    TMouse m;
    eng::InjectMouseMove(100, 200);
    m.update(1);
    const float z0 = m.z;
    eng::InjectMouseMove(90.7f, 230.2f);  // fractions are cut off
    eng::InjectMouseWheel(3);
    m.update(1);
    EXPECT_EQ(m.x, 90);
    EXPECT_EQ(m.y, 230);
    EXPECT_EQ(m.px, 100);
    EXPECT_EQ(m.py, 200);
    EXPECT_EQ(m.vx, 10);
    EXPECT_EQ(m.vy, -30);
    EXPECT_EQ(m.z, z0 + 3);
    EXPECT_EQ(m.vz, -3);
    m.update(1);
    EXPECT_EQ(m.vx, 0);
    EXPECT_EQ(m.vz, 0);

    // Neither the special sampling nor the non-logical one reads the wheel; both follow the pointer.
    for (bool special : {true, false}) {
        eng::InjectMouseWheel(-2);
        eng::InjectMouseMove(special ? 5 : 6, 7);
        special ? m.updateSpec() : m.update(0);
        EXPECT_EQ(m.z, z0 + 3);
        EXPECT_EQ(m.vz, 0);
        EXPECT_EQ(m.x, special ? 5 : 6);
        EXPECT_EQ(m.y, 7);
    }
}

TEST(Mouse, FullScreenKeepsThePointerOnTheLogicalScreen) {
    struct Case {
        int fullScreen;
        float inX, inY;
        int x, y;
    } cases[] = {
        {1, -40, 900, 0, 767},     {1, 1030, -5, 1023, 0}, {1, 1024, 768, 1023, 767},
        {1, 1023, 767, 1023, 767}, {1, 0, 0, 0, 0},        {0, -40, 900, -40, 900},
    };
    for (const auto& c : cases) {
        freshInput();
        eng::SetLogicalOffset(128, 0);  // side bars of a wide display
        TMouse m;
        m.keepOnScreen = c.fullScreen;
        eng::InjectMouseMove(c.inX, c.inY);
        m.updateSpec();
        EXPECT_EQ(m.x, c.x) << c.inX << "," << c.inY << " full screen " << c.fullScreen;
        EXPECT_EQ(m.y, c.y) << c.inX << "," << c.inY << " full screen " << c.fullScreen;
        // The pointer itself was put back where the game sees it.
        EXPECT_EQ(eng::MouseX(), c.x);
        EXPECT_EQ(eng::MouseY(), c.y);
    }
    eng::SetLogicalOffset(0, 0);
}

TEST(Mouse, RectanglesIncludeTheirEdges) {
    struct Case {
        int x, y, in;
    } cases[] = {{15, 15, 1}, {16, 15, 0}, {10, 10, 1}, {9, 10, 0}, {12, 16, 0}, {12, 9, 0}, {12, 12, 1}};
    TMouse m;
    TDim d;
    d.x = 10;
    d.y = 10;
    d.w = 5;
    d.h = 5;
    for (const auto& c : cases) {
        m.x = c.x;
        m.y = c.y;
        EXPECT_EQ(m.inRect(10, 10, 5, 5), c.in) << c.x << "," << c.y;
        EXPECT_EQ(m.inDim(d), c.in) << c.x << "," << c.y;
    }
}

TEST(Mouse, ConstructionMakesTheModuleMouse) {
    {
        TMouse a;
        EXPECT_EQ(mouse, &a);
    }
    EXPECT_EQ(mouse, nullptr);  // never left pointing at a mouse that is gone
}
