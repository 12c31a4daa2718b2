// A main game that records what the cells report, and a frame loop for cells under a virtual clock.
#pragma once

#include <memory>

#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "engine/Engine.h"
#include "nonogram/Level.h"
#include "nonogram/MainGame.h"

namespace fixture {

struct RecordingGame : TMainGame {
    int stones = 0, tipsToBroke = 0, tipsToUncover = 0;
    void wyslijKamien(TTile&) override { ++stones; }
    void showTipToBroke(TTile&) override { ++tipsToBroke; }
    void showTipToUncover(TTile&) override { ++tipsToUncover; }
};

// A fresh recording game playing `level`, with a virtual clock and one delta unit per frame.
inline std::shared_ptr<RecordingGame> play(const std::shared_ptr<TLevel>& level) {
    eng::SetHeadless(eng::HeadlessConfig{});
    frameDelta = 1;
    auto game = std::make_shared<RecordingGame>();
    game->level = level;
    game->setState("NORMAL");
    mainGame = game;
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
