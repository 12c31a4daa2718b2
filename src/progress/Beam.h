// One light beam of the title screen: a picture that brightens and dims by itself.
#pragma once

#include "engine/Engine.h"

class TBeam {
  public:
    int x = 0, y = 0;
    float a = 0, da = 0;  // brightness 0..1 and its target
    eng::Image img;
    float speed = 0.01f;

    explicit TBeam(eng::Image image);
    void update();
    // Drawn additively at `strength` of its own brightness.
    void draw(float strength) const;
};
