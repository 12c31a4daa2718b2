// A cell's flying copy: the opening animation of a level flies every cell into place.
#pragma once

#include <cstdint>
#include <list>
#include <memory>

class TTile;
class TLevel;

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
};

using TFlyingTileList = std::list<std::shared_ptr<TFlyingTile>>;
extern TFlyingTileList flyingTileList;

// A new copy of the cell (not yet started nor listed); the cell's _flyingTile points to it.
std::shared_ptr<TFlyingTile> makeFlyingTile(std::shared_ptr<TTile> tile);
void updateFlyingTiles();
void drawFlyingTiles();
// Drops every copy and gives each cell back to itself.
void clearFlyingTiles();
// The opening of a level: every cell rises from 800 pixels below into place, 500 ms from now and 5 ms
// apart in reading order, without turning, in 50 frames each.
void startOpeningFlight(TLevel& level);
