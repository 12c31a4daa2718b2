// A developer screen that plays one level file on an empty screen: the cells fly in, the hand (left
// button) and the hook (right button) work on single cells, the clue numbers follow; S prints the score.
#pragma once

#include <memory>
#include <string>

#include "nonogram/LevelHost.h"
#include "nonogram/PlayEffects.h"
#include "screen/Ekran.h"

class TLevel;

class TLevelScene : public TEkran, public TLevelHost {
  public:
    explicit TLevelScene(std::string path) : path_(std::move(path)) { id = "LEVEL-SCENE"; }
    std::string mainLoop() override;  // a level file that cannot be read ends the run
    void prepare() override;
    void finish() override;
    void afterFrame() override;  // Escape ends the run
    void update() override;
    void draw() override;

    // The level's host: its effects play here; a right move scores, a wrong one throws a stone off the
    // bottom right of the screen (there is no chest).
    TPlayEffects& effects() override { return fx_; }
    const TTile* getOverTile() const override { return over_.get(); }
    int lastMove() const override { return lastMove_; }
    void setLastMove(int move) override { lastMove_ = move; }
    void addScore(float points, float x, float y) override;
    void wyslijKamien(TTile& tile) override;

  private:
    void _drawBackdrop() const;
    std::string path_;
    std::shared_ptr<TLevel> level_;
    std::shared_ptr<TTile> over_;
    TPlayEffects fx_;
    int lastMove_ = 0;
    bool flying_ = true;      // the opening flight is on
    bool completed_ = false;  // the level-completed caption was shown
};
