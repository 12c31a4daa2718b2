// The finished picture lifted off the grid on the win screen: a copy of every cell that closes up into a
// compact picture (the empty cells fade away) and scales to fit the panel.
#pragma once

#include <memory>
#include <vector>

#include "core/Dim.h"
#include "engine/Engine.h"

class TLevel;
struct TTileData;

class TTileCopy {
  public:
    std::shared_ptr<TTileData> td;
    eng::Image img;
    TDim dim;  // current position (its centre)
    int frame = 0;
    float odl = 0, kat = 0;  // distance from the copy's centre and angle, degrees
    float a = 1, da = 1;
    float dcx = 0, dcy = 0;  // target position
    float dRot = 0, dOdl = 0;
    float stOdl = 0, stRot = 0;
    float per = 0;

    // Each angle above 360 loses 360, each below 0 gains 360 (once).
    void checkRot();
    void update();
};

class TCopyTab {
  public:
    float xo = 0, yo = 0;                                       // centre
    std::vector<std::vector<std::shared_ptr<TTileCopy>>> tile;  // [row][col]
    float gs = 1, dgs = 1;
    float alpha = 1;
    float rot = 0;
    float width = 0, height = 0;  // the grid's cell-centre rectangle
    int rows = 0, cols = 0;
    float xd = 0, yd = 0;  // cell (0, 0)

    // `a` is the alpha the screen gives the whole picture.
    void draw(float a) const;
    void update();
};

// A copy of the level's cells as they lie, heading for the closed-up layout around their centre.
std::shared_ptr<TCopyTab> copyLevelPicture(const TLevel& level);
// The scale that brings the larger side of the copy down to 280 pixels; 1 when it fits.
float properScaleForTab(float width, float height);
