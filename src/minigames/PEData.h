// The chest puzzle's tile kinds and block shapes, read once at start: each shape is a small grid of tile
// pictures turned about its pivot.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

class TPETileData {
  public:
    int id = 0;
    eng::Image img;  // mid-handled
};

class TBlockData {
  public:
    int id = 0;
    int rows = 0, cols = 0;
    std::vector<std::vector<const TPETileData*>> tab;  // [row][col]; null: not part of the shape
    float xo = 0, yo = 0;                              // the pivot, from the block's position
    std::vector<std::vector<float>> katTab, odlTab;  // each cell's angle (degrees) and distance to the pivot

    // The pivot and the polar tables for cells `w` x `h` pixels.
    void computePolar(int w, int h);
    // No cell of the grid is part of the shape.
    bool empty() const;
};

// The tile kinds, the shapes and the field cell picture, with the cell size taken from that picture.
struct TPEData {
    std::vector<std::unique_ptr<TPETileData>> peTilesData;
    std::vector<std::unique_ptr<TBlockData>> blocksData;
    eng::Image peTileImage;
    int W = 48, H = 48;

    // Reads "data/puzzleExpress-tiles.dat" and "data/puzzleExpress-blocks.dat" below the program folder
    // (pictures too when `pictures`); faults are reported.
    void load(bool pictures = true);
    const TPETileData* getPETileDataById(int id) const;
    const TBlockData* getBlockDataById(int id) const;
};

extern TPEData peData;
