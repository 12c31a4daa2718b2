// Frame delta from the clock, and the approach of animated values to their targets.
#include <gtest/gtest.h>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "screen/Ekran.h"

TEST(Timing, FrameDeltaFollowsTheClock) {
    TDeltaTime t;
    t.SetFPS(60);
    struct Step {
        int64_t now;
        float delta;
    } steps[] = {
        {1000, 1000 / (1000.0f / 60)},  // the first update measures from zero
        {1017, 17 / (1000.0f / 60)},    // about one frame at 60 per second
        {1050, 33 / (1000.0f / 60)},    // about two frames: 30 per second
        {1050, 1 / (1000.0f / 60)},     // the same millisecond counts as 1 ms, never 0
        {1000, 50 / (1000.0f / 60)},    // a clock going back still gives a positive delta
    };
    for (const auto& s : steps) {
        t.UpdateAt(s.now);
        EXPECT_NEAR(t.CurrDelta(), s.delta, 1e-4) << s.now;
    }
    EXPECT_NEAR(TDeltaTime().CurrDelta(), 0.0f, 1e-6);  // no frame rate set yet
}

TEST(Timing, FramesPerSecondAreCountedPerWholeSecond) {
    TDeltaTime t;
    t.SetFPS(60);
    t.UpdateAt(1);  // opens the first second
    for (int i = 1; i <= 30; ++i) t.UpdateAt(1 + i * 33);
    EXPECT_EQ(t.FPS(), 0);
    t.UpdateAt(1 + 31 * 33);  // past the end of the second
    EXPECT_EQ(t.FPS(), 30);
}

TEST(Timing, PrepareDeltaLeavesASmallDelta) {
    eng::SetHeadless(eng::HeadlessConfig{});  // a clock that stands still between frames
    TEkran screen;
    screen._prepareDelta();
    EXPECT_NEAR(frameDelta, 0.06f, 1e-3);
}

TEST(Timing, ApproachNeverPassesTheTarget) {
    struct Case {
        float value, target, speed, delta, expected;
    } cases[] = {
        {0.98f, 1.0f, 0.05f, 1.0f, 1.0f}, {0.03f, 0.0f, 0.05f, 1.0f, 0.0f}, {0.0f, 1.0f, 0.05f, 1.0f, 0.05f},
        {0.5f, 0.0f, 0.05f, 2.0f, 0.4f},  {0.5f, 0.5f, 0.05f, 1.0f, 0.5f},  {0.0f, 1.0f, 0.05f, 100.0f, 1.0f},
    };
    for (const auto& c : cases) {
        frameDelta = c.delta;
        float v = c.value;
        approach(v, c.target, c.speed);
        EXPECT_FLOAT_EQ(v, c.expected) << c.value << " -> " << c.target;
    }
    // Default speeds: alpha from 0 to 1 in 20 frames, the free value in 200.
    TEkran s;
    frameDelta = 1;
    s.alpha = 0;
    s.dAlpha = 1;
    s.dp = 1;
    int framesAlpha = 0, framesP = 0;
    while (s.alpha < 1) s._updateAlpha(), ++framesAlpha;
    while (s.p < 1) s._updatePer(), ++framesP;
    EXPECT_EQ(framesAlpha, 20);
    EXPECT_NEAR(framesP, 200, 1);  // 0.005 is not exact in binary: one frame may be added
}
