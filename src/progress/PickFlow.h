// The flow choice before a new game: the casual or the hard journey.
#pragma once

#include "screen/Ekran.h"

class TPickFlow : public TEkran {
  public:
    TPickFlow() { id = "PICK-FLOW"; }
    void setup() override;
    // Runs over `menu` (may be null); answers "START-NEW-GAME" once a flow was chosen, or "" on Escape.
    std::string mainLoop(TEkran* menu);
    std::string mainLoop() override { return mainLoop(nullptr); }
    void update() override;
    void draw() override;
    void afterFrame() override;
    bool finished() const override;

  private:
    TEkran* behind = nullptr;
    void _choose(const char* flowType);
};

extern TPickFlow* pickFlow;
