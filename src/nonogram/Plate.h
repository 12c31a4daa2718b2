// The square wooden chips a cell's board breaks into: they jump up, drift sideways, spin, fall and fade.
#pragma once

#include <array>
#include <memory>

#include "effects/EffectList.h"
#include "engine/Engine.h"
#include "nonogram/TileData.h"

class TPlate;
using TPlateList = TEffectList<TPlate>;

class TPlate {
  public:
    int imgN = 0;    // size index: the chip sheet
    int frameN = 0;  // the chip
    float x = 0, y = 0;
    float ax = 0, ay = 0;  // velocity per frame
    float a = 1;
    float r = 0;
    float rSpeed = 0.5f;
    float aSpeed = 0;
    int firstTime = 1;  // 1 until its first update
    TPlateList* list = nullptr;

    void draw() const;
    void update();
    void destroy();
};

// One sheet of chips per size index: a board cut into rows x cols square chips.
struct TChipSheet {
    const char* path;
    int chipW, chipH;
    int chips;
    int cols, rows;
    eng::Image img;  // the chips as frames, mid-handled
};
extern std::array<TChipSheet, TILE_SIZES> chipSheets;

void loadChipSheets();
// Every chip of one board whose picture has its top-left corner at (x, y).
void breakIntoChips(int size, float x, float y, TPlateList& list);
// One chip with its top-left corner at (x, y) and sideways drift d (-1, 0 or 1), appended to `list`.
std::shared_ptr<TPlate> startChip(int size, int frame, float x, float y, int d, TPlateList& list);
