// A screen that records what a level's cells, numbers and stones report to it, and a frame loop for cells
// under a virtual clock.
#pragma once

#include <memory>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"

namespace fixture {

struct RecordingGame : TLevelHost {
    TPlayEffects fx;
    std::shared_ptr<TLevel> level;
    int stones = 0, tipsToBroke = 0, tipsToUncover = 0, bagged = 0, chestHits = 0;
    int move = 0;          // what the cells said of the last move: 0 right, 1 wrong
    int numberBacks = -1;  // the last showing (1) or hiding (0) of the number panels
    float mnoznik = 1;     // points are paid times this, as on the main game
    float bagAtX = 664, bagAtY = 722;
    const TTile* over = nullptr;
    TTool hand = TTool::HAND;

    ~RecordingGame() override {
        if (level && level->host == this) level->host = nullptr;
    }
    TPlayEffects& effects() override { return fx; }
    const TTile* getOverTile() const override { return over; }
    TTool tool() const override { return hand; }
    int lastMove() const override { return move; }
    void setLastMove(int m) override { move = m; }
    void addScore(float points, float x, float y) override {
        const float award = points * mnoznik;
        startScorePopup(0, static_cast<int>(award), x, y, 0, level ? level->size : 0, fx.captions);
        if (level) level->score = static_cast<int>(level->score + award);
    }
    void wyslijKamien(TTile&) override { ++stones; }
    void showTipToBroke(TTile&) override { ++tipsToBroke; }
    void showTipToUncover(TTile&) override { ++tipsToUncover; }
    void showNumberBacks(int on) override { numberBacks = on; }
    float bagX() const override { return bagAtX; }
    float getWorekY() const override { return bagAtY; }
    void stoneInBag() override { ++bagged; }
    void uszkodzSkrzynie() override { ++chestHits; }
};

// A fresh recording game hosting `level`, with a virtual clock and one delta unit per frame.
inline std::shared_ptr<RecordingGame> play(const std::shared_ptr<TLevel>& level) {
    eng::SetHeadless(eng::HeadlessConfig{});
    frameDelta = 1;
    auto game = std::make_shared<RecordingGame>();
    game->level = level;
    if (level) level->host = game.get();
    return game;
}

// Runs n frames of 1000/60 ms: the clock first, then every cell.
inline void frames(TLevel& level, int n) {
    for (int i = 0; i < n; ++i) {
        eng::Delay(17);
        level.updateTiles();
    }
}

}  // namespace fixture
