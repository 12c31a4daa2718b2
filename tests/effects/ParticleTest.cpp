// Particles and emitters on the headless clock: life and delay, the interpolated values, removal, drawing,
// the picture table and emission timing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "common/TestPixmaps.h"
#include "core/Globals.h"
#include "effects/Emitter.h"
#include "effects/Particle.h"
#include "effects/ParticleEffects.h"
#include "files/TempDir.h"

namespace {

// Alpha 0 → 0.5, rotation 10 → 370, scale 1 → 3, path (0, 0) → (100, 0) bent through (50, 100); 1000 ms.
std::shared_ptr<TParticle> probeIn(TParticleList& list, int delay, int getBack) {
    auto p = createParticle(0, 0, 0, 100, 0, 50, 100, TRGB{}, 0, 0.5f, 1, 3, 10, 370, eng::ALPHABLEND, delay,
                            1000, list);
    p->getBack = getBack;
    return p;
}

class Particles : public testing::Test {
  protected:
    void SetUp() override {
        eng::SetHeadless(eng::HeadlessConfig{});
        frameDelta = 1;
    }
    void TearDown() override { particleImages.clear(); }
    // The lists a screen would own.
    TParticleList particles;
    TEmitterList emitters;
    std::shared_ptr<TParticle> probe(int delay, int getBack) { return probeIn(particles, delay, getBack); }
};

}  // namespace

TEST_F(Particles, LifeCountsFromTheFirstUpdateAfterTheDelayAndEndsInTheUpdateAfterIt) {
    auto p = probe(200, 0);
    EXPECT_EQ(p->startTime, eng::MilliSecs() + 200);
    eng::Delay(150);
    particles.update();
    EXPECT_EQ(p->lifePer, 0);
    EXPECT_EQ(p->x, 0);
    EXPECT_EQ(p->y, 0);
    EXPECT_EQ(p->a, 0);

    // The start passed long ago, but the life begins only now, at the first update.
    eng::Delay(350);
    particles.update();
    EXPECT_EQ(p->bornTime, eng::MilliSecs());
    EXPECT_EQ(p->lifePer, 0);

    eng::Delay(500);
    particles.update();
    EXPECT_FLOAT_EQ(p->lifePer, 0.5f);
    EXPECT_FLOAT_EQ(p->x, 50);  // the quadratic curve halfway: a quarter of each end, half the control point
    EXPECT_FLOAT_EQ(p->y, 50);
    EXPECT_FLOAT_EQ(p->s, 2);

    eng::Delay(500);
    particles.update();
    EXPECT_TRUE(particles.contains(p.get())) << "exactly at the end of its life it still lives";
    EXPECT_FLOAT_EQ(p->lifePer, 1);
    EXPECT_FLOAT_EQ(p->x, 100);
    EXPECT_FLOAT_EQ(p->a, 0.5f);

    eng::Delay(1);
    particles.update();
    EXPECT_FALSE(particles.contains(p.get()));
    EXPECT_TRUE(particles.empty());
}

TEST_F(Particles, AlphaAndRotationFollowTheGetBackRule) {
    struct Case {
        int getBack;
        int at;  // ms into the life
        float a, r;
    } cases[] = {
        {0, 250, 0.125f, 10}, {0, 500, 0.25f, 10}, {0, 750, 0.375f, 10}, {0, 1000, 0.5f, 10},
        {1, 250, 0.25f, 100}, {1, 500, 0.5f, 190}, {1, 750, 0.25f, 280}, {1, 1000, 0, 370},
    };
    for (const Case& c : cases) {
        auto p = probe(0, c.getBack);
        particles.update();  // born now
        eng::Delay(c.at);
        particles.update();
        EXPECT_NEAR(p->a, c.a, 1e-5) << "getBack " << c.getBack << " at " << c.at;
        EXPECT_NEAR(p->r, c.r, 1e-3) << "getBack " << c.getBack << " at " << c.at;
        particles.clear();
    }
}

TEST_F(Particles, ParticlesLeaveTheirOwnListsWhileTheOthersKeepUpdating) {
    TParticleList own;
    std::vector<std::shared_ptr<TParticle>> ps;
    for (int life : {300, 100, 400, 100, 200}) {
        ps.push_back(
            createParticle(0, 0, 0, 0, 0, 0, 0, TRGB{}, 1, 0, 1, 1, 0, 0, eng::LIGHTBLEND, 0, life, own));
        EXPECT_EQ(ps.back()->list, &own);
    }
    auto elsewhere =
        createParticle(0, 0, 0, 0, 0, 0, 0, TRGB{}, 1, 0, 1, 1, 0, 0, eng::LIGHTBLEND, 0, 50, particles);
    EXPECT_EQ(elsewhere->list, &particles);

    own.update();  // all born now
    const struct {
        int at;
        size_t left;
    } steps[] = {{150, 3}, {250, 2}, {350, 1}, {450, 0}};
    int elapsed = 0;
    for (const auto& step : steps) {
        eng::Delay(step.at - elapsed);
        elapsed = step.at;
        own.update();
        EXPECT_EQ(own.size(), step.left) << "after " << step.at << " ms";
        // The survivors were updated in the same pass in which their neighbours left.
        for (const auto& p : own) EXPECT_FLOAT_EQ(p->lifePer, static_cast<float>(step.at) / p->lifeTime);
    }
    EXPECT_EQ(particles.size(), 1u) << "the other list is left alone";
}

TEST_F(Particles, SetupReadsEveryPictureWithItsHandleAndReportsTheMissingOnes) {
    TempDir dir;
    std::filesystem::create_directories(dir.path / "data");
    std::filesystem::create_directories(dir.path / "pics");
    ASSERT_TRUE(eng::SavePixmapPNG(solidPixmap(8, 6, 255, 0, 0), dir.file("pics/a.png")));
    writeBytes(dir.file("data/particles.dat"),
               "particles {\n  i = 3\n  p0 = \"pics/a.png\"\n  p0handle = 3, 4\n  p1 = \"pics/missing.png\"\n"
               "  p2 = \"pics/a.png\"\n  p3 = \"pics/a.png\"\n  p3handle = 0, 5\n}\n");
    programPrefix = dir.path.string() + "/";
    testing::internal::CaptureStdout();
    TParticle::setup();
    const std::string out = testing::internal::GetCapturedStdout();
    programPrefix = "";

    ASSERT_EQ(particleImages.size(), 4u);
    EXPECT_FALSE(particleImages[1]);
    EXPECT_NE(out.find("NO PARTICLE IMG: " + dir.path.string() + "/pics/missing.png"), std::string::npos)
        << out;
    struct {
        int k;
        float hx, hy;
    } handles[] = {{0, 3, 4}, {2, 4, 3}, {3, 4, 3}};  // a zero or missing handle means the middle
    for (const auto& h : handles) {
        ASSERT_TRUE(particleImages[h.k]) << h.k;
        float hx = -1, hy = -1;
        eng::GetImageHandle(particleImages[h.k], hx, hy);
        EXPECT_EQ(hx, h.hx) << h.k;
        EXPECT_EQ(hy, h.hy) << h.k;
        EXPECT_EQ(eng::ImageFlags(particleImages[h.k]), eng::FILTEREDIMAGE | eng::MIPMAPPEDIMAGE);
    }
}

// Under a display: a particle shows its picture only once started and only when the picture exists.
TEST_F(Particles, OnlyStartedParticlesWithALoadedPictureAreDrawn) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs a display (the test command runs it under Xvfb)";
    ASSERT_TRUE(eng::Graphics(320, 240, 0, 60, 0));
    eng::SetVirtualResolution(320, 240);
    eng::SetViewport(0, 0, 320, 240);
    eng::SetOrigin(0, 0);
    eng::SetClsColor(0, 0, 0);
    particleImages = {eng::LoadImage(solidPixmap(10, 10, 255, 255, 255)), nullptr};
    eng::MidHandleImage(particleImages[0]);
    struct Case {
        int n;
        int delay;
        bool drawn;
    } cases[] = {{0, 0, true}, {0, 100, false}, {1, 0, false}, {2, 0, false}, {-1, 0, false}};
    for (const Case& c : cases) {
        eng::Cls();
        auto p = createParticle(c.n, 100, 100, 100, 100, 100, 100, TRGB{0, 255, 0}, 1, 1, 1, 1, 0, 0,
                                eng::ALPHABLEND, c.delay, 1000, particles);
        particles.update();
        particles.draw();
        const auto px = eng::GrabPixmap(100, 100, 1, 1);
        EXPECT_EQ(px->rgba[1] > 200, c.drawn) << "picture " << c.n << " delay " << c.delay;
        EXPECT_LT(px->rgba[0], 10) << "tinted by its colour";
        particles.clear();
    }
    eng::SetBlend(eng::ALPHABLEND);
}

TEST_F(Particles, AnEmitterEmitsEveryIntervalFromItsStartAndExpires) {
    const int64_t t0 = eng::MilliSecs();
    auto e = createEmitter(10, 50, 60, 100, 50, 200, TRGB{}, emitters, particles);
    auto silent = createEmitter(99, 50, 60, 0, 50, 100, TRGB{}, emitters, particles);
    EXPECT_EQ(emitters.size(), 2u);
    std::vector<int64_t> emissions;
    int64_t gone = 0;
    for (int t = 0; t <= 400; t += 10) {
        const size_t before = particles.size();
        emitters.update();
        if (particles.size() > before) {
            EXPECT_EQ(particles.size() - before, 2u) << "a red and a white sparkle";
            emissions.push_back(eng::MilliSecs() - t0);
        }
        if (!gone && emitters.empty()) gone = eng::MilliSecs() - t0;
        eng::Delay(10);
    }
    // Starts at 100; the next emission waits until the clock has passed the interval (strictly) — 160,
    // 220, 280; it expires in the first update after 300.
    EXPECT_EQ(emissions, (std::vector<int64_t>{100, 160, 220, 280}));
    EXPECT_EQ(gone, 310);
    for (const auto& p : particles) {
        EXPECT_EQ(p->n, 0);
        EXPECT_NEAR(p->x1, 50, 10);
        EXPECT_NEAR(p->y1, 60, 10);
        EXPECT_TRUE((p->rgb.g == 0 && p->rgb.b == 0 && p->rgb.r >= 200) ||
                    (p->rgb.r == 255 && p->rgb.g == 255 && p->rgb.b == 255));
    }
    EXPECT_EQ(silent->lista, nullptr) << "the silent emitter expired too";
}
