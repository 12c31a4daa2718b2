// The main game screen set up from the screen registry with the shipped pictures, fonts and GUI, a level
// started and played frame by frame with injected mouse and keys under a virtual clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../nonogram/LevelFixture.h"
#include "app/ScreenRegistry.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "gui/Mouse.h"
#include "nonogram/MainGame.h"
#include "progress/ProfileManager.h"

class MainGameTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        eng::SetHeadless(eng::HeadlessConfig{});
        ASSERT_TRUE(eng::Graphics(1024, 768, 0, 60, 0));
        programPrefix = std::string(GAME_DIR) + "/";
        languageCode = "en";
        if (!mouse) new TMouse();
        ASSERT_TRUE(screens.setUpAlone("MAIN-GAME"));
        game = mainGame;
    }

    void SetUp() override {
        profileManager = std::make_shared<TProfileManager>();
        profileManager->profile = std::make_shared<TProfile>();
        profileManager->profile->flowType = "CASUAL";
        mainGame = game;
        release();
    }

    // Starts the level and runs frames until the cells have landed and play begins.
    void start(const std::shared_ptr<TLevel>& level) {
        game->mnoznik = 1;
        game->setLevel(level);
        game->chest.restartWorek();
        game->prepare();
        for (int i = 0; i < 400 && game->state != TGameState::NORMAL; ++i) frame();
        ASSERT_EQ(game->state, TGameState::NORMAL);
    }

    // A level of `rows` picture rows ('#') and empty cells ('.'), tolerating `mistakes` hits.
    std::shared_ptr<TLevel> level(const std::vector<std::string>& picture, int mistakes = 5) {
        auto l = fixture::pictureLevel(picture, 0);
        l->maxMistakes = mistakes;
        return l;
    }

    static void frame(int n = 1) {
        for (int i = 0; i < n; ++i) {
            eng::Delay(17);
            game->update();
        }
    }

    static void moveTo(const TTile& t) { eng::InjectMouseMove(t.dim.x, t.dim.y); }
    static void button(int b, bool down) {
        eng::InjectMouseButton(b, down);
        frame();
    }
    static void release() {
        eng::InjectMouseButton(1, false);
        eng::InjectMouseButton(2, false);
        eng::InjectKey(162, false);
        eng::FlushMouse();
        eng::FlushKeys();
        if (mouse) mouse->clear();
    }
    // Presses `b` on `from`, moves to `to` over a few frames and keeps the button down.
    void dragTo(const TTile& from, const TTile& to, int b = 1) {
        moveTo(from);
        button(b, true);
        for (int i = 1; i <= 3; ++i) {
            eng::InjectMouseMove(from.dim.x + (to.dim.x - from.dim.x) * i / 3,
                                 from.dim.y + (to.dim.y - from.dim.y) * i / 3);
            frame();
        }
    }
    // Runs frames until no stone flies any more.
    static void landStones() {
        for (int i = 0; i < 600 && !game->fx.stones.empty(); ++i) frame();
    }

    static TProfile& profile() { return *profileManager->profile; }
    // The profile has played far enough to own every power-up (the bag included), or has played nothing.
    static void ownPowerUps(bool on) {
        TProfile& p = profile();
        p.levele.clear();
        if (!on) return;
        p.numerStageu = 5;
        p.updateLevelData(99, 1, 0, 0, 0, 1);
        p.numerStageu = 1;
    }
    static inline std::shared_ptr<TMainGame> game;
};
