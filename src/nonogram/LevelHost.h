// What the cells, clue numbers, treasures and stones of a level ask of the screen that plays it. The level
// holds the screen as its host; a level without one (a tool, a test of the level alone) asks nothing.
#pragma once

#include "core/Dim.h"

class TTile;
struct TPlayEffects;

// The tools of the main game, numbered as the power-up buttons and the cursors count them.
enum class TTool { HAND = 0, HOOK = 1, EYE = 4, MAP = 5, SKULL = 6 };

class TLevelHost {
  public:
    virtual ~TLevelHost() = default;

    // The lists the level's effects go into (chips, splinters, score popups, praise, stones ...).
    virtual TPlayEffects& effects() = 0;

    // The pointer: the cell under it, the row and column lit in the number panels, the tool in hand.
    virtual const TTile* getOverTile() const { return nullptr; }
    virtual int getOverLeft2() const { return -1; }
    virtual int getOverUp2() const { return -1; }
    virtual TTool tool() const { return TTool::HAND; }

    // Moves: 0 after a right move, 1 after a wrong one; the points of a right move; the stone of a wrong
    // one.
    virtual int lastMove() const { return 0; }
    virtual void setLastMove(int move) {}
    virtual void addScore(float points, float x, float y) {}
    virtual void wyslijKamien(TTile& tile) {}

    // Tutorial tips for a cell that waits for the other tool.
    virtual void showTipToBroke(TTile& tile) {}
    virtual void showTipToUncover(TTile& tile) {}

    // A treasure came out of the cell: it may charge a spent hint slot.
    virtual void chargeHint(TTile& tile) {}

    // The number panels' backing shows and hides with the numbers.
    virtual void showNumberBacks(int on) {}

    // The bag and the chest that stones fly to: where the bag is now, a stone in the bag, a hit on the
    // chest.
    virtual float bagX() const { return 0; }
    virtual float getWorekY() const { return 0; }
    virtual void stoneInBag() {}
    virtual void uszkodzSkrzynie() {}
};
