// A drag on the grid: a straight line of cells from the cell where a button went down to the cell under the
// mouse, applied on release (the left button with the tool in hand, the right one with the other tool).
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "engine/Engine.h"
#include "nonogram/LevelHost.h"

class TLevel;
class TTile;

enum class TDragButton { NONE, LEFT, RIGHT };

class TDrag {
  public:
    TDragButton holding = TDragButton::NONE;
    std::vector<std::shared_ptr<TTile>> tilesyHolded;  // the line, in grid order
    std::shared_ptr<TTile> startTile;                  // where the button went down
    std::shared_ptr<TTile> firstHoldedTile, lastHoldedTile;
    std::shared_ptr<TTile> toDraw;  // the moving end; the labels are drawn while it is set
    int holdedCounter = 0;
    std::array<eng::Image, 5> darker;       // the shade over the line's cells, by size index
    std::array<eng::ImageFont, 5> numFont;  // their order labels, by size index

    void setupImages();
    void setupFonts();
    // Forgets the line.
    void clear();
    // After a cancel: true while a button is still down, then the next drag may start.
    bool waitingForRelease(bool buttonDown);
    void cancel() {
        clear();
        cancelled_ = true;
    }
    // The line runs from the start cell along the row or the column the mouse has moved further along.
    void holdOn(TLevel& level, const std::shared_ptr<TTile>& tile);
    // The buttons came up: the line's cells start one after another, 50 ms apart.
    void release(TTool hand);
    // The release uncovers (true) or breaks.
    bool releaseUncovers(TTool hand) const { return (holding == TDragButton::LEFT) == (hand == TTool::HAND); }
    int isHoldedPionowo() const;
    // The line's shade and order labels, white when the release uncovers, red when it breaks.
    void draw(const TLevel& level, TTool hand) const;

  private:
    void holdOffLeft();
    void holdOffRight();
    bool cancelled_ = false;
};
