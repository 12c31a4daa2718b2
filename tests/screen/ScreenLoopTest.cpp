// The one frame loop every screen runs: its order within a frame, its end, and the overlay loop that draws
// the screen below first.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/Engine.h"
#include "screen/Ekran.h"

namespace {

// Writes what happens into a shared log; fades out after `frames` frames.
struct Probe : TEkran {
    std::vector<std::string>* log = nullptr;
    std::string tag;
    int frames = 0, seen = 0;
    void prepare() override { log->push_back(tag + ":prepare"); }
    void finish() override { log->push_back(tag + ":finish"); }
    void update() override {
        log->push_back(tag + ":update");
        _updateAlpha();
    }
    void draw() override { log->push_back(tag + ":draw"); }
    void afterFrame() override {
        log->push_back(tag + ":after");
        if (++seen == frames) {
            wynik = tag + "-done";
            dAlpha = 0;
        }
    }
};

class ScreenLoop : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
    }
    std::vector<std::string> log;
    Probe make(const std::string& tag, int frames) {
        Probe p;
        p.log = &log;
        p.tag = tag;
        p.frames = frames;
        p.aSpeed = 0.5f;  // fades out within two frames once told to
        return p;
    }
};

}  // namespace

TEST_F(ScreenLoop, AVisitUpdatesDrawsAndReactsEachFrameUntilFadedOut) {
    Probe p = make("s", 2);
    const uint64_t before = eng::FrameCount();
    EXPECT_EQ(p.mainLoop(), "s-done");
    // Two frames to be told to leave, then the fade-out of alpha 1 at 0.5 per frame: two more.
    const std::vector<std::string> frame = {"s:update", "s:draw", "s:after"};
    std::vector<std::string> expected = {"s:prepare"};
    for (int i = 0; i < 4; ++i) expected.insert(expected.end(), frame.begin(), frame.end());
    expected.push_back("s:finish");
    EXPECT_EQ(log, expected);
    EXPECT_EQ(eng::FrameCount() - before, 4u);  // every frame was presented
}

TEST_F(ScreenLoop, AnOverlayDrawsTheScreenBelowFirstWithoutUpdatingIt) {
    Probe below = make("below", 0), over = make("over", 1);
    over.ekran = &below;  // what was set before the overlay comes back after it
    TEkran* const before = over.ekran;
    EXPECT_EQ(over.runOverlay(below), "over-done");
    const std::vector<std::string> frame = {"over:update", "below:draw", "over:draw", "over:after"};
    std::vector<std::string> expected;
    for (int i = 0; i < 3; ++i) expected.insert(expected.end(), frame.begin(), frame.end());
    EXPECT_EQ(log, expected);
    EXPECT_EQ(over.ekran, before);
}
