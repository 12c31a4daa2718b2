// The renderer under a real display: colours, blend modes, transforms, clipping, batching, mode changes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/TestPixmaps.h"
#include "engine/Engine.h"

namespace {

class Renderer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::getenv("DISPLAY")) return;
        opened = eng::Graphics(640, 480, 0, 60, 0);
    }
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
        ASSERT_TRUE(opened);
        eng::SetVirtualResolution(640, 480);
        eng::SetViewport(0, 0, 640, 480);
        eng::SetOrigin(0, 0);
        eng::SetClsColor(0, 0, 0);
        eng::SetBlend(eng::ALPHABLEND);
        eng::SetScale(1, 1);
        eng::SetRotation(0);
        eng::SetAlpha(1);
        eng::SetColor(255, 255, 255);
        eng::Cls();
    }
    // The colour at (x, y) of the frame drawn so far.
    std::array<int, 3> at(int x, int y) {
        auto pm = eng::GrabPixmap(x, y, 1, 1);
        return {pm->rgba[0], pm->rgba[1], pm->rgba[2]};
    }
    static bool opened;
};
bool Renderer::opened = false;

using RGB = std::array<int, 3>;

void expectNear(const RGB& got, const RGB& want, const char* what) {
    for (int k = 0; k < 3; ++k) EXPECT_NEAR(got[k], want[k], 2) << what << " channel " << k;
}

}  // namespace

TEST_F(Renderer, BlendModesCombineAsSpecified) {
    eng::SetColor(255, 0, 0);
    eng::DrawRect(0, 0, 100, 100);
    eng::SetColor(0, 255, 0);
    eng::SetAlpha(0.5f);
    eng::SetBlend(eng::LIGHTBLEND);
    eng::DrawRect(0, 0, 20, 20);
    eng::SetBlend(eng::ALPHABLEND);
    eng::DrawRect(20, 0, 20, 20);
    eng::SetBlend(eng::SOLIDBLEND);
    eng::DrawRect(40, 0, 20, 20);
    eng::SetAlpha(1);
    eng::SetColor(128, 128, 128);
    eng::SetBlend(eng::SHADEBLEND);
    eng::DrawRect(60, 0, 20, 20);
    expectNear(at(10, 10), {255, 128, 0}, "light");
    expectNear(at(30, 10), {128, 128, 0}, "alpha");
    expectNear(at(50, 10), {0, 255, 0}, "solid");
    expectNear(at(70, 10), {128, 0, 0}, "shade");
    expectNear(at(90, 10), {255, 0, 0}, "untouched");
}

TEST_F(Renderer, RotationIsClockwiseAboutTheHandleAndOriginShifts) {
    eng::Image bar = eng::LoadImage(solidPixmap(40, 6, 255, 255, 255), 0);
    eng::MidHandleImage(bar);
    eng::SetRotation(90);
    eng::SetScale(2, 2);
    eng::SetOrigin(100, 0);
    eng::DrawImage(bar, 100, 100);
    eng::SetOrigin(0, 0);
    eng::SetRotation(0);
    eng::SetScale(1, 1);
    expectNear(at(200, 100 + 35), {255, 255, 255}, "along the turned bar");
    expectNear(at(200 + 35, 100), {0, 0, 0}, "across the turned bar");
    expectNear(at(100, 100), {0, 0, 0}, "without the origin");
}

TEST_F(Renderer, ViewportClipsDrawingAndClearing) {
    eng::SetColor(0, 0, 255);
    eng::DrawRect(0, 0, 200, 200);
    eng::SetViewport(50, 50, 50, 50);
    eng::SetClsColor(255, 255, 0);
    eng::Cls();
    eng::SetViewport(0, 0, 640, 480);
    eng::SetClsColor(0, 0, 0);
    eng::SetViewport(0, 0, 20, 20);
    eng::SetColor(255, 0, 0);
    eng::DrawRect(0, 0, 200, 200);
    eng::SetViewport(0, 0, 640, 480);
    expectNear(at(75, 75), {255, 255, 0}, "cleared inside");
    expectNear(at(110, 110), {0, 0, 255}, "kept outside the clear");
    expectNear(at(10, 10), {255, 0, 0}, "drawn inside");
    expectNear(at(30, 30), {0, 0, 255}, "clipped outside");
}

TEST_F(Renderer, SpritesShareOneBatchUntilTextureOrBlendChanges) {
    eng::Image imgs[3] = {eng::LoadImage(solidPixmap(16, 16, 255, 0, 0), -1),
                          eng::LoadImage(solidPixmap(24, 8, 0, 255, 0), -1),
                          eng::LoadImage(solidPixmap(8, 32, 0, 0, 255), -1)};
    eng::Flip(0);  // count this frame only
    for (int i = 0; i < 300; ++i) {
        eng::SetAlpha(0.5f + (i % 5) * 0.1f);
        eng::SetScale(1 + (i % 3) * 0.5f, 1);
        eng::SetRotation(static_cast<float>(i * 7));
        eng::DrawImage(imgs[i % 3], static_cast<float>(i % 600), static_cast<float>((i * 13) % 460));
        if (i % 50 == 0) eng::DrawRect(static_cast<float>(i), 5, 4, 4);
    }
    eng::Flip(0);
    EXPECT_EQ(eng::GetRenderStats().drawCalls, 1);
    eng::Cls();
    for (int i = 0; i < 300; ++i) eng::DrawImage(imgs[i % 3], static_cast<float>(i), 10);
    eng::DrawText("batch", 10, 100);
    eng::Flip(0);
    EXPECT_EQ(eng::GetRenderStats().drawCalls, 1);
    EXPECT_GE(eng::GetRenderStats().quads, 305);
    for (int i = 0; i < 10; ++i) {
        eng::SetBlend(i % 2 ? eng::LIGHTBLEND : eng::ALPHABLEND);
        eng::DrawImage(imgs[0], 10, 10);
    }
    eng::Flip(0);
    EXPECT_EQ(eng::GetRenderStats().drawCalls, 10);
}

TEST_F(Renderer, MipmappedPicturesShareAPageWithoutBleedingIntoEachOther) {
    const int mip = eng::FILTEREDIMAGE | eng::MIPMAPPEDIMAGE;
    eng::Image red = eng::LoadImage(solidPixmap(64, 64, 255, 0, 0), mip);
    eng::Image green = eng::LoadImage(solidPixmap(64, 64, 0, 255, 0), mip);
    eng::Image blue = eng::LoadImage(solidPixmap(32, 32, 0, 0, 255), mip);
    eng::Flip(0);
    for (int i = 0; i < 30; ++i) {
        eng::SetScale(0.25f + (i % 4) * 0.25f, 0.25f + (i % 4) * 0.25f);
        const eng::Image& img = i % 3 == 0 ? red : (i % 3 == 1 ? green : blue);
        eng::DrawImage(img, static_cast<float>(20 * i), 200);
    }
    eng::Flip(0);
    EXPECT_EQ(eng::GetRenderStats().drawCalls, 1);
    // Shrunk to an eighth, each still shows only its own colour.
    eng::Cls();
    eng::SetScale(0.125f, 0.125f);
    eng::DrawImage(red, 100, 100);
    eng::DrawImage(green, 200, 100);
    expectNear(at(104, 104), {255, 0, 0}, "shrunk red");
    expectNear(at(204, 104), {0, 255, 0}, "shrunk green");
}

TEST_F(Renderer, ImagesSurviveAModeChange) {
    eng::Image red = eng::LoadImage(solidPixmap(10, 10, 255, 0, 0), -1);
    eng::DrawImage(red, 5, 5);
    expectNear(at(8, 8), {255, 0, 0}, "before");
    ASSERT_TRUE(eng::Graphics(800, 600, 0, 60, 0));
    eng::SetVirtualResolution(640, 480);
    eng::Cls();
    eng::DrawImage(red, 5, 5);
    expectNear(at(8, 8), {255, 0, 0}, "after");
    ASSERT_TRUE(eng::Graphics(640, 480, 0, 60, 0));
}

TEST_F(Renderer, TextIsMeasuredAndDrawn) {
    EXPECT_EQ(eng::TextWidth(""), 0);
    EXPECT_GT(eng::TextWidth("Wide text"), eng::TextWidth("Wide"));
    EXPECT_EQ(eng::TextWidth("a\rb"), eng::TextWidth("ab"));
    EXPECT_GT(eng::TextHeight("A"), 8);
    eng::DrawText("MMMM", 20, 20);
    auto pm = eng::GrabPixmap(20, 20, eng::TextWidth("MMMM"), eng::TextHeight("MMMM"));
    int lit = 0;
    for (size_t i = 0; i < pm->rgba.size(); i += 4) lit += pm->rgba[i] > 128;
    EXPECT_GT(lit, 20);
}
