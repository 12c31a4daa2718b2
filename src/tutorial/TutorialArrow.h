// A tutorial arrow: it fades in, pulses and bobs along the direction it points.
#pragma once

#include "engine/Engine.h"

class TArrow {
  public:
    float x = 0, y = 0;
    float p = 0, dP = 1;  // pulse phase and target
    float a = 0, dA = 1;
    float rot = 0;  // degrees; 0 points down
    int n = 0;      // picture index

    void update();
    void draw(const eng::Image& image) const;
};
