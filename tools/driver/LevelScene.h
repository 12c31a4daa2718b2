// A developer screen that plays one level file on an empty screen: the cells fly in, the hand (left
// button) and the hook (right button) work on single cells, the clue numbers follow; S prints the score.
#pragma once

#include <memory>
#include <string>

#include "screen/Ekran.h"

class TLevel;

class TLevelScene : public TEkran {
  public:
    explicit TLevelScene(std::string path) : path_(std::move(path)) { id = "LEVEL-SCENE"; }
    std::string mainLoop() override;  // a level file that cannot be read ends the run
    void prepare() override;
    void finish() override;
    void afterFrame() override;  // Escape ends the run
    void update() override;
    void draw() override;

  private:
    void _drawBackdrop() const;
    std::string path_;
    std::shared_ptr<TLevel> level_;
    bool flying_ = true;      // the opening flight is on
    bool completed_ = false;  // the level-completed caption was shown
};
