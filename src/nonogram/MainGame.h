// The screen on which a nonogram level is played: the level, the tools and the play state the cells
// and clue numbers report to.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/Ekran.h"
#include "nonogram/Level.h"

class TMainGame : public TEkran {
  public:
    int lastMove = 0;  // 0 after a right move, 1 after a wrong one
    float dNumberBacks = 0, numberBacks = 0;
    std::shared_ptr<TLevel> level;
    std::string state;  // play state, upper case
    std::shared_ptr<TTile> overTile;
    std::shared_ptr<TTile> clickedTile;
    std::shared_ptr<TTile> toDraw;
    std::vector<std::shared_ptr<TTile>> tilesyHolded;
    std::shared_ptr<TTile> startTile;
    int hand = 0;  // 0 hand, 1 hook, 4 eye, 5 map, 6 skull
    float mnoznik = 1;
    std::shared_ptr<TTile> lastHoldedTile, firstHoldedTile;

    TMainGame();

    void setState(const std::string& name);
    // Column / row of the cell under the mouse, or -1.
    int getOverUp() const;
    int getOverLeft() const;
    // While a drag of more than one cell runs, its column or row; otherwise as above.
    int getOverUp2() const;
    int getOverLeft2() const;
    int isHoldedPionowo() const;
    // Pays points x the multiplier: a rising popup and the level's score (nothing once won).
    void addScore(float points, float x, float y);
    void addMultiplier(float f) { mnoznik += f; }

    // Reported by the cells; the chest, hints and tutorial tips answer them once they exist.
    virtual void wyslijKamien(TTile& tile);
    virtual void showTipToBroke(TTile& tile);
    virtual void showTipToUncover(TTile& tile);
    // Power-up hints: whether a hint slot waits to be loaded, and where the next free slot is.
    virtual int isHintUnloaded() const;
    virtual bool getFreeHintDim(TDim& out) const;
    virtual void startFlyingHint(TTile& tile, const TDim& slot);
};

extern std::shared_ptr<TMainGame> mainGame;
