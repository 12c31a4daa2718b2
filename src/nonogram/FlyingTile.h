// A cell's flying copy: the opening animation of a level flies every cell into place.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/EffectList.h"

class TTile;
class TLevel;
class TFlyingTile;
using TFlyingTileList = TEffectList<TFlyingTile>;

class TFlyingTile {
  public:
    std::shared_ptr<TTile> tile;  // the cell it copies; the cell is not drawn while the copy flies
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;  // start
    float x2 = 0, y2 = 0;  // end: the cell's position
    float mx = 0, my = 0;  // control point
    float per = 0;
    int64_t time = 0;  // MilliSecs at which it sets off
    int rotate = 1;    // turns once on the way
    float perSpeed = 0.01f;
    TFlyingTileList* list = nullptr;

    ~TFlyingTile();

    void startFrom(float x, float y, int delay);
    // From a random point in a band around the screen, on a curve.
    void startFromRandomPosition(int delay);
    void drawHiden() const;
    void drawOdkryty() const;
    void draw() const;
    void update();
    // Hands the cell back to itself and leaves the list.
    void destroy();
    // The cell draws itself again.
    void releaseTile();
};

// A copy that leaves its list (also when the list is cleared) gives its cell back to itself.
inline void joinEffectList(TFlyingTile& item, TFlyingTileList* list) {
    item.list = list;
    if (!list) item.releaseTile();
}

// A new copy of the cell (not yet started nor listed); the cell's _flyingTile points to it.
std::shared_ptr<TFlyingTile> makeFlyingTile(std::shared_ptr<TTile> tile);
// The opening of a level: every cell rises from 800 pixels below into place, 500 ms from now and 5 ms
// apart in reading order, without turning, in 50 frames each. Earlier copies in `list` go.
void startOpeningFlight(TLevel& level, TFlyingTileList& list);
