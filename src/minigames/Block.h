// One block of the chest puzzle: a shape of tiles lying loose, carried by the mouse or sitting on the
// lid's field; it turns in quarter turns toward its target angle.
#pragma once

#include "minigames/PEData.h"

class TBlock {
  public:
    const TBlockData* bd = nullptr;
    float x = 0, y = 0;                 // position on the screen
    float dir = 0, dDir = 0;            // rotation in degrees and its target
    float overA = 0, dOverA = 0;        // hover highlight
    float clickedA = 0, dClickedA = 0;  // carried: lifts the shadow
    float adX = 0, ady = 0;             // grab offset: mouse minus position at pick-up
    int id = 0;                         // the block's id within its level
    int onPlace = 0;                    // 1 while it sits on the field

    // The centre of cell (r, c) at the block's position and angle `d` (its current angle by default).
    void cellPos(int r, int c, float& px, float& py) const;
    void cellPosAt(int r, int c, float d, float& px, float& py) const;
    // The same truncated to whole pixels.
    void getDim(int r, int c, int& px, int& py) const;
    bool turning() const { return dir != dDir; }
    // One frame: highlight, lift and turn; a carried block follows the mouse. True when the mouse is over
    // one of its tiles.
    bool update();
    // Whether the point lies on one of its tiles as drawn now (pixel-exact with the pictures).
    bool isUnder(float mx, float my) const;
    // Picked up (1) or let go (0) with the mouse at (mx, my).
    void click(int down, float mx, float my);
    // Its tiles (grey when loose) with the shadow while carried and the glow under the mouse.
    void draw(float alpha) const;

  private:
    void drawTiles() const;
};
