// A falling piece of debris: the pieces of a burst chest and the bag that flies away once full.
#pragma once

#include <cstdint>
#include <memory>

#include "effects/EffectList.h"
#include "engine/Engine.h"

class TOdpad;
using TOdpadList = TEffectList<TOdpad>;

class TOdpad {
  public:
    eng::Image img;
    float x = 0, y = 0;
    float x1 = 0, y1 = 0;  // start
    float x2 = 0, y2 = 0;  // end
    float mx = 0, my = 0;  // control point
    float per = 0;
    float rot = 0;
    float s = 1, a = 1;
    float frame = 0;
    float obr = 1440;  // total turn over the whole fall, degrees
    float speed = 1;
    int64_t startTime = 0;  // kept for the chest pieces' delay; the fall ignores it
    TOdpadList* list = nullptr;

    // One step along the curve, turning; leaves the list at its end or once below y 830.
    void update();
    void draw() const;
    void destroy();
};

// A piece falling from (x1, y1) to (x2, y2) through (mx, my), turning four times: the bag.
std::shared_ptr<TOdpad> startDebris(eng::Image img, float x1, float y1, float x2, float y2, float mx,
                                    float my, float frame, TOdpadList& list);
// A chest piece: slower, turning by 25 degrees only.
std::shared_ptr<TOdpad> startChestPiece(eng::Image img, float x1, float y1, float x2, float y2, float mx,
                                        float my, int delay, TOdpadList& list);
