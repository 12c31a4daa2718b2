// Scenery that swims or flies back and forth across a band of a scene, such as fish in a pool or birds in
// the sky; a new height and speed each time it crosses.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/Engine.h"

class TBackElement {
  public:
    eng::Image img;
    std::string typ;  // "FISH" moves; any other kind stands still, unseen
    std::string url;
    float x = 0, y = 0;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // the band
    float ax = 0, ay = 0;
    float r = 0, a = 1, s = 1;
    float hx = 0, hy = 0;  // the picture's handle

    void draw() const;
    void update();
    void reset();
    void reset_fish();
};

using TBackElements = std::vector<std::shared_ptr<TBackElement>>;
void updateBackElements(TBackElements& list);
void drawBackElements(const TBackElements& list);
