// The chest puzzle: carry the loose blocks onto the sockets of the chest's lid, turning them in quarter
// turns, until every socket is covered; then the lid slides away and the object inside comes into view.
// A gauge lets the player skip the level after 90 seconds.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "minigames/CarryInput.h"
#include "minigames/PEFoundScreen.h"
#include "minigames/PELevel.h"
#include "minigames/SkipGauge.h"
#include "screen/Ekran.h"

class TPuzzleExpress : public TEkran {
  public:
    std::shared_ptr<TPELevel> level;
    std::string state;  // BEGIN, BEGIN-2, NORMAL, WIN-1 .. WIN-4
    eng::Image panel, chest, chestCover, listwa;
    eng::ImageFont titleFont;
    TBlock* overBlock = nullptr;     // the block under the mouse
    TBlock* clickedBlock = nullptr;  // the block being carried
    TCarryInput input;
    TSkipGauge gauge;  // fills in 90 seconds
    float lp = 0;      // the papyrus strip sliding in
    float coverP = 0;  // the lid sliding away
    float objA = 0, dObjA = 0;
    float listwaX = 1100, listwaY = 616;
    int64_t time = 0;  // MilliSecs of the next second of play
    TPEFoundScreen found;

    TPuzzleExpress() { id = "PUZZLE-EXPRESS"; }
    void setup() override;
    void setLevel(const std::shared_ptr<TPELevel>& l) { level = l; }
    // "GET-NEXT-LEVEL" (solved or skipped), "RESTART-LEVEL", "MAIN-MENU" or "MAPA".
    std::string mainLoop() override;
    void prepare() override;
    bool finished() const override { return fade == 1 && dFade == 1; }
    void update() override;
    void draw() override;
    void afterFrame() override;

    // Turns the carried block a quarter turn (clockwise, or back when `d` is -1) unless it is turning.
    void rotate() { rotate2(1); }
    void rotate2(int d);
    // Picks the block up, or lets the carried one go and tries to put it on the field.
    void useClick(TBlock* block);
    // Solved or skipped: the lid opens.
    void WIN();
    // The board's resting place.
    static constexpr float kBoardX = 250, kBoardY = 80;

  private:
    void _updateState();
    void _updatePlay();
    void _drawChest() const;
    void _drawField() const;
    void _drawDiagnostics() const;
};

extern TPuzzleExpress* puzzleExpress;

// The flow's "PUZZLE-EXPRESS" entries: a fresh level from its file, a saved one, a resumed one.
void registerPuzzleExpressKind();
