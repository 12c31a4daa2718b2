// The chest's moving objects: thrown stones, falling debris and the collected treasures' landing and fall.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "LevelFixture.h"
#include "PlayFixture.h"
#include "core/Globals.h"
#include "nonogram/FlyingTresure.h"

namespace {

using S = TStoneState;

// Stones reporting to a recording screen: its bag stands at (664, 722) until a test lifts it.
class Chest : public testing::Test {
  protected:
    void SetUp() override { game = fixture::play(nullptr); }

    // Frames (one update of every stone, 20 ms apart) until `done` holds; 1000 at most.
    int framesUntil(const std::function<bool()>& done) {
        int frames = 0;
        while (!done() && frames < 1000) {
            eng::Delay(20);
            game->fx.stones.update();
            ++frames;
        }
        return frames;
    }
    bool listed(const std::shared_ptr<TKamien>& k) const { return game->fx.stones.contains(k.get()); }
    std::shared_ptr<TKamien> stone(float x, float y, float tx, float ty, int size) {
        return startStone(*game, 0, x, y, tx, ty, size);
    }

    std::shared_ptr<fixture::RecordingGame> game;
};

// Steps of `step` reach 1 after ceil(1 / step) frames; float rounding may cost one more.
void expectFrames(int frames, float step, const char* phase) {
    const int ideal = static_cast<int>(std::ceil(1 / step - 1e-4f));
    EXPECT_GE(frames, ideal) << phase;
    EXPECT_LE(frames, ideal + 1) << phase;
}

}  // namespace

TEST_F(Chest, AStonePopsUpHitsTheChestOnceAndBouncesOffTheScreen) {
    for (const float speed : {0.5f, 1.0f}) {
        SCOPED_TRACE(speed);
        game->chestHits = 0;
        auto k = stone(300, 400, 900, 480, 2);
        ASSERT_TRUE(listed(k));
        EXPECT_EQ(k->state, S::START);
        EXPECT_GE(k->speed, 0.5f);
        EXPECT_LE(k->speed, 1.0f);
        k->speed = speed;

        // It grows to 1.3 times its size over the cell, then shrinks back, without moving.
        float biggest = 0;
        int frames = framesUntil([&] {
            biggest = std::max(biggest, k->s);
            return k->state != S::START;
        });
        expectFrames(frames, 0.05f, "START");
        EXPECT_EQ(k->state, S::HIDE);
        EXPECT_FLOAT_EQ(biggest, 1.3f);
        frames = framesUntil([&] { return k->state != S::HIDE; });
        expectFrames(frames, 0.05f, "HIDE");
        EXPECT_FLOAT_EQ(k->s, 1.0f);
        EXPECT_EQ(k->x, 300);
        EXPECT_EQ(k->y, 400);

        // The throw: a high arc from the cell to the chest point.
        ASSERT_EQ(k->state, S::FLY);
        EXPECT_EQ(k->x1, 300);
        EXPECT_EQ(k->y1, 400);
        EXPECT_EQ(k->x2, 900);
        EXPECT_EQ(k->y2, 480);
        EXPECT_EQ(k->mx, 600);
        EXPECT_GE(k->my, 250);
        EXPECT_LE(k->my, 300);
        // On the way it leaves 7 - size dust puffs at a time, every other frame at 20 ms a frame.
        float highest = 400;
        size_t particles = game->fx.particles.size(), puffs = 0;
        frames = framesUntil([&] {
            if (k->state != S::FLY) return true;
            highest = std::min(highest, k->y);
            EXPECT_EQ(game->chestHits, 0) << "damaged before it arrived";
            const size_t added = game->fx.particles.size() - particles;
            EXPECT_TRUE(added == 0 || added == 5) << added;
            puffs += added / 5;
            particles = game->fx.particles.size();
            return false;
        });
        expectFrames(frames, 0.02f * speed, "FLY");
        EXPECT_NEAR(static_cast<float>(puffs), frames / 2.0f, 1.5f);
        EXPECT_LT(highest, 380) << "no arc";
        EXPECT_EQ(game->chestHits, 1);
        EXPECT_EQ(game->bagged, 0);
        const size_t burst = game->fx.particles.size() - particles;
        EXPECT_GE(burst, 50u) << "no splinters at the impact";
        EXPECT_LE(burst, 55u);

        // It bounces off the impact point down to the bottom.
        ASSERT_EQ(k->state, S::FLY_DOWN);
        EXPECT_EQ(k->x1, 900);
        EXPECT_EQ(k->y1, 480);
        EXPECT_GE(k->x2, 400);
        EXPECT_LE(k->x2, 800);
        EXPECT_EQ(k->y2, 800);
        EXPECT_GE(k->my, 330);
        EXPECT_LE(k->my, 430);
        frames = framesUntil([&] { return !listed(k); });
        expectFrames(frames, 0.02f * speed, "FLY-DOWN");
        EXPECT_EQ(k->x, k->x2);
        EXPECT_EQ(k->y, 800);
        EXPECT_EQ(k->rot, 1440);
        EXPECT_EQ(game->chestHits, 1) << "the bounce damaged the chest again";
        game->fx.particles.clear();
    }
}

TEST_F(Chest, TwoStonesThrownInOneFrameDamageTheChestEachWhenItArrives) {
    auto fast = stone(300, 400, 880, 470, 0);
    auto slow = stone(320, 400, 900, 480, 0);
    fast->speed = 1;
    slow->speed = 0.5f;
    framesUntil([&] { return fast->state != S::FLY && fast->state != S::START && fast->state != S::HIDE; });
    EXPECT_EQ(fast->state, S::FLY_DOWN);
    EXPECT_EQ(slow->state, S::FLY);
    EXPECT_EQ(game->chestHits, 1);
    framesUntil([&] { return slow->state != S::FLY; });
    EXPECT_EQ(slow->state, S::FLY_DOWN);
    EXPECT_EQ(game->chestHits, 2);
    framesUntil([&] { return game->fx.stones.empty(); });
    EXPECT_TRUE(game->fx.stones.empty());
    EXPECT_EQ(game->chestHits, 2);
}

TEST_F(Chest, AStoneForTheBagFollowsTheRisingBagAndCountsUntilItIsIn) {
    auto chestStone = stone(200, 300, 900, 480, 1);
    auto k = stone(300, 400, 0, 0, 1);
    k->gotoworek = 1;
    k->speed = 0.5f;
    EXPECT_EQ(stonesFlyingToBag(game->fx.stones), 1) << "only the stone for the bag takes a place in it";

    framesUntil([&] { return k->state == S::FLY_TO_WOREK; });
    ASSERT_EQ(k->state, S::FLY_TO_WOREK);
    EXPECT_EQ(k->x2, game->bagX());
    EXPECT_EQ(k->y2, game->getWorekY());
    const float restingY = game->getWorekY();

    // Halfway the bag lifts by its full 50 pixels; the stone's target lifts with it.
    framesUntil([&] { return k->per >= 0.5f; });
    game->bagAtY = restingY - 50;
    game->fx.stones.update();
    EXPECT_FLOAT_EQ(k->y2, restingY - 50);
    EXPECT_EQ(stonesFlyingToBag(game->fx.stones), 1);
    EXPECT_EQ(game->bagged, 0);

    framesUntil([&] { return !listed(k); });
    EXPECT_FALSE(listed(k));
    EXPECT_EQ(k->x, game->bagX());
    EXPECT_EQ(k->y, game->getWorekY());
    EXPECT_EQ(game->bagged, 1);
    EXPECT_EQ(stonesFlyingToBag(game->fx.stones), 0);
    framesUntil([&] { return game->fx.stones.empty(); });
    EXPECT_EQ(game->bagged, 1);
    EXPECT_EQ(game->chestHits, 1) << "the other stone went to the chest";
}

TEST_F(Chest, ClearingTheStonesDuringAFrameStopsTheRest) {
    // The first stone's hit ends the level: the screen clears its stones before the second one moves.
    struct Clearing : fixture::RecordingGame {
        void uszkodzSkrzynie() override {
            ++chestHits;
            fx.stones.clear();
        }
    } clearing;
    auto a = startStone(clearing, 0, 300, 400, 900, 480, 0);
    auto b = startStone(clearing, 0, 300, 400, 900, 480, 0);
    a->state = b->state = S::FLY;
    a->per = b->per = 0.99f;
    clearing.fx.stones.update();
    EXPECT_EQ(clearing.chestHits, 1);
    EXPECT_EQ(a->state, S::FLY_DOWN);
    EXPECT_EQ(b->per, 0.99f) << "a cleared stone moved on";
    EXPECT_TRUE(clearing.fx.stones.empty());
    EXPECT_EQ(a->list, nullptr);
    EXPECT_EQ(b->list, nullptr);
}

TEST_F(Chest, DebrisFallsAlongItsCurveAndLeavesBelowTheScreenOrAtItsEnd) {
    struct Case {
        const char* what;
        bool chestPiece;
        float x1, y1, x2, y2, mx, my;
        float step;      // progress per frame
        bool offScreen;  // leaves once below y 830 rather than at the end
    };
    const Case cases[] = {
        {"bag", false, 664, 722, 764, 822, 714, 772, 0.02f, false},
        {"bag dropping far", false, 500, 500, 500, 1000, 500, 750, 0.02f, true},
        {"chest piece", true, 860, 450, 660, 700, 860, 600, 0.009f, false},
        {"chest piece dropping far", true, 860, 450, 660, 1150, 660, 450, 0.009f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TOdpadList& debris = game->fx.debris;
        auto d = c.chestPiece ? startChestPiece(nullptr, c.x1, c.y1, c.x2, c.y2, c.mx, c.my, 500, debris)
                              : startDebris(nullptr, c.x1, c.y1, c.x2, c.y2, c.mx, c.my, 2, debris);
        const float turn = c.chestPiece ? 25.0f : 1440.0f;
        EXPECT_EQ(d->obr, turn);
        int frames = 0;
        float lastY = c.y1, lastRot = 0;
        while (!debris.empty() && frames < 500) {
            lastY = d->y;
            debris.update();
            ++frames;
            EXPECT_GE(d->rot, lastRot);
            EXPECT_LE(d->rot, turn);
            lastRot = d->rot;
        }
        ASSERT_TRUE(debris.empty());
        if (c.offScreen) {
            EXPECT_GT(d->y, 830);
            EXPECT_LE(lastY, 830);
            EXPECT_LT(frames, static_cast<int>(1 / c.step));
        } else {
            expectFrames(frames, c.step, c.what);
            EXPECT_EQ(d->x, c.x2);
            EXPECT_EQ(d->y, c.y2);
            EXPECT_EQ(d->rot, turn);
        }
        EXPECT_EQ(d->s, 1);
        EXPECT_EQ(d->a, 1);
    }
}

TEST_F(Chest, LeavingALevelLandsTheTreasuresStillFlyingIntoTheChest) {
    auto level = fixture::pictureLevel({"##"}, 0, false);
    auto kind = std::make_shared<TTresureData>();
    auto flying = startFlyingTresure(kind, 0, 0, 100, 200, level->tileAt(0, 0));
    level->tileAt(0, 0)->_myTresure = flying.get();
    auto lying = startFlyingTresure(kind, 0, 0, 140, 200, level->tileAt(0, 1));
    lying->myEnd = 1;
    lying->x = lying->x2;
    lying->y = lying->y2;
    for (int i = 0; i < 10; ++i) updateFlyingTresures(*level);
    ASSERT_EQ(flying->myEnd, 0);

    placeAllInChest(*level);
    EXPECT_EQ(flying->myEnd, 1);
    EXPECT_FLOAT_EQ(flying->x, flying->x2);
    EXPECT_FLOAT_EQ(flying->y, flying->y2);
    EXPECT_EQ(level->tileAt(0, 0)->_myTresure, nullptr) << "the cell still waits for its treasure";
    EXPECT_EQ(lying->myEnd, 1);
    EXPECT_EQ(lying->x, lying->x2);
    EXPECT_EQ(level->flyingTresures.size(), 2u);
    EXPECT_EQ(treasuresFalling(*level), 0);
}

TEST_F(Chest, ABurstChestDropsEveryTreasureAndEmptiesTheList) {
    auto level = fixture::pictureLevel({"###"}, 0, false);
    auto kind = std::make_shared<TTresureData>();
    std::vector<std::shared_ptr<TFlyingTresure>> treasures;
    for (int i = 0; i < 3; ++i)
        treasures.push_back(startFlyingTresure(kind, 0, 0, 100, 200, level->tileAt(0, i)));
    placeAllInChest(*level);

    sendAllDown(*level);
    EXPECT_EQ(treasuresFalling(*level), 3);
    std::vector<float> startY;
    for (const auto& t : treasures) startY.push_back(t->y);
    int frames = 0;
    while (!level->flyingTresures.empty() && frames < 500) {
        std::vector<float> before;
        for (const auto& t : treasures) before.push_back(t->y);
        eng::Delay(20);
        updateFlyingTresures(*level);
        ++frames;
        for (size_t i = 0; i < treasures.size(); ++i) EXPECT_GE(treasures[i]->y, before[i]);
        EXPECT_EQ(treasuresFalling(*level), static_cast<int>(level->flyingTresures.size()));
    }
    EXPECT_TRUE(level->flyingTresures.empty());
    EXPECT_GE(frames, 67);
    EXPECT_LE(frames, 202);
    for (size_t i = 0; i < treasures.size(); ++i) {
        EXPECT_FLOAT_EQ(treasures[i]->y, startY[i] + 700);
        EXPECT_NEAR(treasures[i]->a, 0, 1e-5);
    }
}
