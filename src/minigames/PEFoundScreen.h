// The banner under the object found in the chest: "You found" and the object's name, fading in with it.
#pragma once

#include <string>

#include "engine/Engine.h"

class TPEFoundScreen {
  public:
    eng::Image banner;
    eng::ImageFont font;
    std::string caption;  // "You found %s" from the screen's texts

    void setup();
    // Draws the banner for `name` centred on x at y with `alpha` (nothing without a name).
    void draw(const std::string& name, float x, float y, float alpha) const;
};
