// The main game's effect objects: flying cells, wooden chips, score popups, praise captions and the
// cell-revealing emitters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "LevelFixture.h"
#include "common/TestPixmaps.h"
#include "core/Globals.h"
#include "effects/Particle.h"
#include "nonogram/Caption.h"
#include "nonogram/FlyingTile.h"
#include "nonogram/FlyingTresure.h"
#include "nonogram/Plate.h"
#include "nonogram/PlayEffects.h"
#include "nonogram/RevealEmitter.h"
#include "nonogram/SpecCaption.h"
#include "nonogram/TextCaption.h"

namespace {

class Effects : public testing::Test {
  protected:
    void SetUp() override {
        eng::SetHeadless(eng::HeadlessConfig{});
        frameDelta = 1;
        savedKinds = tileDataList;
        tileDataList.clear();
    }
    void TearDown() override {
        fx.clear();
        tileDataList = savedKinds;
        captionDigits = {};
        captionPlus = nullptr;
    }
    std::vector<std::shared_ptr<TTileData>> savedKinds;
    TPlayEffects fx;  // the lists a screen would own

    static bool openDisplay() {
        if (!std::getenv("DISPLAY") || !eng::Graphics(320, 240, 0, 60, 0)) return false;
        eng::SetVirtualResolution(320, 240);
        eng::SetViewport(0, 0, 320, 240);
        eng::SetOrigin(0, 0);
        eng::SetClsColor(0, 0, 0);
        return true;
    }
    static int greenAt(int x, int y) { return eng::GrabPixmap(x, y, 1, 1)->rgba[1]; }
};

}  // namespace

TEST_F(Effects, AFlyingCellWaitsForItsTimeAndHandsTheCellBackWhenLanded) {
    auto level = fixture::pictureLevel({"#."}, 0, false);
    auto cell = level->tileAt(0, 0);
    cell->dim.x = 100;
    cell->dim.y = 60;
    cell->tdHide->hideImg[0] = eng::LoadImage(solidPixmap(20, 20, 0, 255, 0));
    eng::MidHandleImage(cell->tdHide->hideImg[0]);
    const bool display = openDisplay();

    auto f = makeFlyingTile(cell);
    EXPECT_EQ(cell->_flyingTile, f.get());
    f->rotate = 0;
    f->perSpeed = 0.02f;
    f->startFrom(100, 200, 500);
    fx.flyingTiles.add(f);
    for (int i = 0; i < 20; ++i) {
        eng::Delay(20);  // 400 ms: still before its time
        fx.flyingTiles.update();
    }
    EXPECT_EQ(f->per, 0);
    EXPECT_EQ(f->x, 100);
    EXPECT_EQ(f->y, 200);
    if (display) {
        // Not even drawn invisibly: the frame gets no picture at all.
        eng::Cls();
        fx.flyingTiles.draw();
        eng::Flip();
        EXPECT_EQ(eng::GetRenderStats().quads, 0) << "drawn before its time";
        eng::Cls();
        cell->draw();
        eng::Flip();
        EXPECT_EQ(eng::GetRenderStats().quads, 0) << "the cell showed itself";
    }

    eng::Delay(100);
    int frames = 0;
    while (f->per < 1 && frames < 100) {
        fx.flyingTiles.update();
        ++frames;
        EXPECT_EQ(cell->_flyingTile, f.get()) << "the cell shows itself before the copy landed";
        if (frames == 25 && display) {
            eng::Cls();
            fx.flyingTiles.draw();
            EXPECT_GT(greenAt(static_cast<int>(f->x), static_cast<int>(f->y)), 100)
                << "the copy is not drawn";
            EXPECT_LT(f->y, 200);
            EXPECT_GT(f->y, 60);
        }
    }
    EXPECT_GE(frames, 50);  // steps of 0.02
    EXPECT_LE(frames, 51);
    EXPECT_EQ(f->x, 100);
    EXPECT_EQ(f->y, 60);
    EXPECT_EQ(fx.flyingTiles.size(), 1u) << "it leaves in the frame after landing";
    fx.flyingTiles.update();
    EXPECT_TRUE(fx.flyingTiles.empty());
    EXPECT_EQ(cell->_flyingTile, nullptr);

    // Clearing the list hands every cell back at once.
    auto g = makeFlyingTile(level->tileAt(0, 1));
    g->startFromRandomPosition(0);
    fx.flyingTiles.add(g);
    fx.flyingTiles.clear();
    EXPECT_EQ(level->tileAt(0, 1)->_flyingTile, nullptr);
    EXPECT_TRUE(fx.flyingTiles.empty());
}

TEST_F(Effects, ABoardBreaksIntoChipsThatCoverItAndVanishWithinFiftyFrames) {
    struct Case {
        int size, chips, side, chip;
    } cases[] = {{0, 25, 50, 10}, {1, 36, 36, 6}, {2, 36, 30, 5}, {3, 16, 24, 6}, {4, 16, 20, 5}};
    for (const Case& c : cases) {
        fx.plates.clear();
        breakIntoChips(c.size, 40, 60, fx.plates);
        ASSERT_EQ(fx.plates.size(), static_cast<size_t>(c.chips)) << "size " << c.size;
        std::set<int> frames;
        std::set<std::pair<float, float>> places;
        float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
        for (const auto& p : fx.plates) {
            frames.insert(p->frameN);
            places.insert({p->x, p->y});
            left = std::min(left, p->x - c.chip / 2.0f);
            right = std::max(right, p->x + c.chip / 2.0f);
            top = std::min(top, p->y - c.chip / 2.0f);
            bottom = std::max(bottom, p->y + c.chip / 2.0f);
            EXPECT_TRUE(p->ax == -1.5f || p->ax == 0 || p->ax == 1.5f) << p->ax;
            EXPECT_TRUE(p->ay >= -4 && p->ay <= -3) << p->ay;
            EXPECT_EQ(p->imgN, c.size);
        }
        EXPECT_EQ(frames.size(), static_cast<size_t>(c.chips));
        EXPECT_EQ(*frames.rbegin(), c.chips - 1);
        EXPECT_EQ(places.size(), static_cast<size_t>(c.chips)) << "two chips on one place";
        EXPECT_EQ(left, 40);
        EXPECT_EQ(top, 60);
        EXPECT_EQ(right, 40 + c.side);
        EXPECT_EQ(bottom, 60 + c.side);
    }

    // The first update only starts the chips; then they fade by 0.02 .. 0.03 a frame.
    fx.plates.clear();
    breakIntoChips(2, 40, 60, fx.plates);
    const float startY = fx.plates.front()->y;
    for (int i = 0; i < 34; ++i) fx.plates.update();
    EXPECT_EQ(fx.plates.size(), 36u) << "a chip vanished within 33 frames of flight";
    EXPECT_GT(fx.plates.front()->r, 0);
    EXPECT_NE(fx.plates.front()->y, startY);
    for (int i = 0; i < 18; ++i) fx.plates.update();
    EXPECT_TRUE(fx.plates.empty()) << "a chip outlived 51 frames of flight";
}

TEST_F(Effects, AScorePopupStaysBetweenFiftyAndNineHundredFifty) {
    // A plus sign 10 wide and digits 20 wide: "+25" is 10 + 40 + 10 of margin = 60 wide.
    captionPlus = eng::LoadImage(solidPixmap(10, 30, 255, 255, 255));
    for (auto& d : captionDigits) d = eng::LoadImage(solidPixmap(20, 30, 255, 255, 255));
    struct Case {
        float x;
        int value;
        float expected;
    } cases[] = {{20, 25, 50}, {500, 25, 500}, {890, 25, 890}, {940, 25, 890}, {2000, 125, 870}};
    for (const Case& c : cases) {
        auto pop = startScorePopup(0, c.value, c.x, 300, 0, 0, fx.captions);
        EXPECT_EQ(pop->x, c.expected) << "at " << c.x;
        EXPECT_EQ(pop->valueList.size(), std::to_string(c.value).size());
        EXPECT_EQ(pop->ss, 1) << "no tile kinds: full size";
    }
    EXPECT_EQ(fx.captions.size(), std::size(cases));

    // Smaller cells draw smaller digits: the width of kind 1's picture at the size, over its full width, +
    // 0.1.
    auto kind = fixture::kind(1);
    const int widths[] = {50, 36, 30, 24, 20};
    for (int s = 0; s < TILE_SIZES; ++s)
        kind->gfx[s] = eng::LoadImage(solidPixmap(widths[s], widths[s], 9, 9, 9));
    tileDataList = {fixture::kind(0), kind};
    const float scales[] = {1, 0.82f, 0.7f, 0.58f, 0.5f};
    for (int s = 0; s < TILE_SIZES; ++s)
        EXPECT_FLOAT_EQ(startScorePopup(0, 25, 500, 300, 0, s, fx.captions)->ss, scales[s]);

    // It rises and fades, and goes when the alpha reaches 0.
    fx.captions.clear();
    auto pop = startScorePopup(0, 25, 500, 300, 0, 0, fx.captions);
    int frames = 0;
    while (!fx.captions.empty() && frames < 200) {
        fx.captions.update();
        ++frames;
    }
    EXPECT_GE(frames, 100);  // 1 → 0 by 0.01
    EXPECT_LE(frames, 101);
    EXPECT_EQ(pop->a, 0);
    EXPECT_NEAR(pop->y, 300 - 0.15f * frames, 1e-3);
}

TEST_F(Effects, PraiseIsOfferedOnlyWhenNoneIsShowingAndTheLevelGoesOn) {
    auto level = fixture::pictureLevel({"#.", ".#"}, 0, false);

    startScorePopup(0, 25, 500, 300, 0, 0, fx.captions);
    offerPraise(*level, 300, fx.captions);
    ASSERT_EQ(fx.captions.size(), 2u) << "a score popup does not block praise";
    auto praise = std::dynamic_pointer_cast<TSpecCaption>(fx.captions.back());
    ASSERT_TRUE(praise);
    EXPECT_GE(praise->n, 0);
    EXPECT_LE(praise->n, 3);
    EXPECT_EQ(praise->x, praisePlace(*level, 300).x);
    EXPECT_EQ(praise->y, praisePlace(*level, 300).y);

    offerPraise(*level, 400, fx.captions);
    EXPECT_EQ(fx.captions.size(), 2u) << "a second praise while one shows";

    fx.captions.clear();
    auto finished = fixture::pictureLevel({"..", ".."}, 0, false);  // nothing left to uncover
    offerPraise(*finished, 300, fx.captions);
    EXPECT_TRUE(fx.captions.empty()) << "praise for a finished level";
}

TEST_F(Effects, PraiseWobblesInHoldsAndFadesAway) {
    struct Case {
        int kind;
        float base;  // the scale it settles at
    } cases[] = {{2, 0.6f}, {5, 1}};
    for (const Case& c : cases) {
        fx.captions.clear();
        if (c.kind == 5)
            showLevelCompleted(fx.captions);
        else
            startPraise(c.kind, 300, 120, fx.captions);
        auto praise = std::dynamic_pointer_cast<TSpecCaption>(fx.captions.back());
        ASSERT_TRUE(praise);
        const float y0 = praise->y;
        float top = 0;
        int frames = 0, wobbling = 0;
        bool settled = false;
        while (!fx.captions.empty() && frames < 400) {
            fx.captions.update();
            ++frames;
            ASSERT_GE(praise->a, 0);
            ASSERT_LE(praise->a, 1);
            top = std::max(top, praise->a);
            if (praise->state == "START") {
                ++wobbling;
            } else if (!settled) {
                settled = true;
                EXPECT_NEAR(praise->sx, c.base, 1e-5);
                EXPECT_NEAR(praise->sy, c.base, 1e-5);
            }
        }
        EXPECT_TRUE(fx.captions.empty()) << "kind " << c.kind << " never went";
        EXPECT_EQ(top, 1) << "kind " << c.kind;
        EXPECT_EQ(praise->a, 0);
        EXPECT_EQ(wobbling, c.kind == 5 ? 66 : 33) << "the wobble runs at 0.03 (0.015 for level completed)";
        EXPECT_NEAR(praise->y, y0 - 0.1f * frames, 1e-2);
    }
}

TEST_F(Effects, CaptionPicturesLoadFromTheProgramFolder) {
    programPrefix = std::string(GAME_DIR) + "/";
    languageCode = "en";
    TTextCaption::setup();
    loadCaptionImages();
    programPrefix = "";
    for (const auto& d : captionDigits) {
        ASSERT_TRUE(d);
        EXPECT_GE(eng::ImageHeight(d), 26);
        EXPECT_LE(eng::ImageHeight(d), 40);
    }
    ASSERT_TRUE(captionPlus);
    float hx = 0, hy = 0;
    eng::GetImageHandle(captionPlus, hx, hy);
    EXPECT_EQ(hx, -2);
    EXPECT_EQ(hy, 0);
    for (int i = 0; i < PRAISE_PICTURES; ++i) {
        EXPECT_EQ(praiseImages[i] != nullptr, i != 4) << i;
        if (!praiseImages[i]) continue;
        eng::GetImageHandle(praiseImages[i], hx, hy);
        EXPECT_EQ(hx, eng::ImageWidth(praiseImages[i]) / 2.0f);
        EXPECT_GE(eng::ImageWidth(praiseImages[i]), 280);
        EXPECT_LE(eng::ImageWidth(praiseImages[i]), 540);
    }
}

TEST_F(Effects, AnExpiringRevealEmitterUncoversItsCellWithAFlash) {
    auto level = fixture::pictureLevel({"#.", ".#"}, 0, false);
    auto cell = level->tileAt(1, 0);
    cell->dim.x = 300;
    cell->dim.y = 200;
    struct Case {
        int r, c;
        bool reveals;
    } cases[] = {{1, 0, true}, {5, 5, false}};
    TEmitterList emitters;
    for (const Case& k : cases) {
        createRevealEmitter(level, k.r, k.c, 11, 0, 0, 0, 50, 100, emitters, fx.particles);
        fx.particles.clear();
        for (int i = 0; i < 3 && !emitters.empty(); ++i) {
            eng::Delay(60);
            fx.particles.clear();  // keep only what the expiry makes
            emitters.update();
        }
        ASSERT_TRUE(emitters.empty());
        int flashes = 0;
        for (const auto& p : fx.particles)
            if (p->n == 11) {
                ++flashes;
                EXPECT_EQ(p->x1, 300);
                EXPECT_EQ(p->y1, 200);
                EXPECT_FLOAT_EQ(p->startS, 0.1f);
                EXPECT_FLOAT_EQ(p->ds, 0.75f);
            }
        EXPECT_EQ(flashes, k.reveals ? 2 : 0) << k.r << "," << k.c;
    }
    EXPECT_EQ(cell->state, TTileState::ODKRYJ_1);
    EXPECT_EQ(cell->punktuj, 1);
    EXPECT_EQ(level->tileAt(0, 0)->state, TTileState::NONE);

    // With the level gone the emitter just goes.
    createRevealEmitter(level, 1, 1, 1, 0, 0, 0, 50, 0, emitters, fx.particles);
    level.reset();
    eng::Delay(10);
    emitters.update();
    EXPECT_TRUE(emitters.empty());
    fx.particles.clear();
}

TEST_F(Effects, ATreasureThatFallsOrLeavesLetsGoOfItsCell) {
    auto level = fixture::pictureLevel(std::vector<std::string>(5, "#####"));
    auto kind = std::make_shared<TTresureData>();
    kind->id = 1;
    auto fly = [&](int c) {
        auto& cell = level->tile[0][c];
        auto t = startFlyingTresure(kind, 0, 0, cell->dim.x, cell->dim.y, cell);
        cell->_myTresure = t.get();
        return t;
    };
    auto runUntilGone = [&] {
        for (int i = 0; i < 2000 && !level->flyingTresures.empty(); ++i) {
            eng::Delay(17);
            updateFlyingTresures(*level);
        }
        EXPECT_TRUE(level->flyingTresures.empty());
    };
    // Flying to the summary and leaving the list.
    fly(0)->flyToSummary(0);
    runUntilGone();
    EXPECT_EQ(level->tile[0][0]->_myTresure, nullptr);
    // Still in the air when the chest bursts: it falls, and its cell no longer waits for it.
    fly(1);
    sendAllDown(*level);
    EXPECT_EQ(level->tile[0][1]->_myTresure, nullptr);
    runUntilGone();
}
