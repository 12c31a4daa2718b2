// The jigsaw: carry the scattered pieces onto the board, where a piece dropped near its outline snaps in
// for good; when every piece lies at its place the level is won. A gauge lets the player send every piece
// home after 60 seconds.
#pragma once

#include <memory>
#include <string>

#include "minigames/CarryInput.h"
#include "minigames/PuzzleLevel.h"
#include "minigames/SkipGauge.h"
#include "screen/Ekran.h"

class TPuzzle : public TEkran {
  public:
    std::shared_ptr<TPuzzleLevel> level;
    eng::Image background, podkladka, panel;
    std::string state;  // BEGIN, GAME, SKIP, END, DONE
    eng::ImageFont font;
    TSkipGauge gauge;                   // fills in 60 seconds
    TPuzzleElement* over = nullptr;     // the free piece under the mouse
    TPuzzleElement* clicked = nullptr;  // the carried piece
    TCarryInput input;

    TPuzzle() {
        id = "PUZZLE";
        gauge.maxTimeSkip = 60000;
    }
    void setup() override;
    // Makes the level current (null: the flow could not read it) with the stage's background.
    void SetLevel(const std::shared_ptr<TPuzzleLevel>& l);
    // "GET-NEXT-LEVEL" (solved or skipped), "RESTART-LEVEL", "MAIN-MENU" or "MAPA".
    std::string mainLoop() override;
    void prepare() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void update() override;
    void draw() override;
    void afterFrame() override;

    // Picks the piece up, or drops the carried one.
    void useClick(TPuzzleElement* piece);
    // Placed pieces first (row-major), the loose ones above them in their order.
    void SortPuzzles();
    void Win();
    // Every piece flies home; the level is won when they arrive.
    void SkipWIN();

  private:
    void _updatePuzzles(int blocked);
    void _updateCheckWin();
    void _updateState();
};

extern TPuzzle* puzzle;

// The flow's "PUZZLE" entries: a fresh level from its file, a saved one, a resumed one.
void registerPuzzleKind();
