// Window stretches from a theme's pieces, and animation schemas and their stepping.
#include <gtest/gtest.h>

#include "gui/RGMAnimation.h"
#include "gui/Theme.h"
#include "gui/Window.h"

namespace {
eng::Image block(int w, int h) {
    auto pm = std::make_shared<eng::PixmapData>();
    pm->width = w;
    pm->height = h;
    pm->rgba.assign(static_cast<size_t>(w) * h * 4, 255);
    return eng::LoadImage(pm, -1);
}
}  // namespace

TEST(Window, StretchesTheEdgesOverItsSize) {
    auto theme = std::make_shared<TTheme>();
    for (auto& piece : theme->oknoImg) piece = block(16, 16);
    TWindow w;
    w.theme = theme;
    w.dim = createDim(0, 0, 200, 100);
    w.obliczSkale();
    EXPECT_FLOAT_EQ(w.skala[0], 10.5f);
    EXPECT_FLOAT_EQ(w.skala[1], (100 - 32) / 16.0f);
    EXPECT_FLOAT_EQ(w.incX, 16);
    // A theme without a piece stretches only what it has; a window smaller than its corners does not
    // stretch backwards.
    theme->oknoImg[8] = nullptr;
    w.dim = createDim(0, 0, 20, 20);
    w.obliczSkale();
    EXPECT_EQ(w.skala[0], 0);
    EXPECT_EQ(w.skala[2], 0);
    EXPECT_EQ(w.skala[3], 0);
}

TEST(Animation, SchemaCutsTheStripIntoItsDistinctFrames) {
    testing::internal::CaptureStdout();
    TRGMAnimation a;
    a.interpretujSchemat("[NORMAL LOOP 100] 0 1 2 [OVER] 3");
    EXPECT_EQ(a.allFrames, 4);
    ASSERT_EQ(a.animsList.size(), 2u);
    EXPECT_EQ(a.animsList[0]->interwal, 100);
    EXPECT_EQ(a.animsList[0]->loop, 1);
    EXPECT_EQ(a.animsList[1]->id, "OVER");
    EXPECT_EQ(a.animsList[1]->interwal, 0);
    EXPECT_EQ(a.aktAnim, a.animsList[0]);
    TRGMAnimation b;
    b.interpretujSchemat("[NORMAL] 0 1 0 1");
    EXPECT_EQ(b.allFrames, 2);
    TRGMAnimation c;
    c.interpretujSchemat("[IDLE] 0");
    c.playAnim("missing");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("nie uwzglednil animacji NORMAL!"), std::string::npos);
    EXPECT_NE(out.find("Animacja ktora chcesz wyswietlic, nie istnieje!"), std::string::npos);
    c.updateMe(0, 0);  // nothing to play: no step, no crash
}

TEST(Animation, StepsByTheClockLoopingOrHolding) {
    eng::SetHeadless(eng::HeadlessConfig{});
    TRGMAnimation a;
    a.interpretujSchemat("[NORMAL LOOP 10] 4 5 6 [ONCE 10] 7 8");
    std::vector<int> shown;
    for (int i = 0; i < 4; ++i) {
        eng::Flip(-1);  // 16.7 ms: one step each frame
        a.updateMe(0, 0);
        shown.push_back(a.aktAnim->frame[a._frame]);
    }
    EXPECT_EQ(shown, (std::vector<int>{5, 6, 4, 5}));
    a.playAnim("once");
    for (int i = 0; i < 3; ++i) {
        eng::Flip(-1);
        a.updateMe(0, 0);
    }
    EXPECT_EQ(a.aktAnim->frame[a._frame], 8);
    EXPECT_EQ(a._wykonano, 1);
}
