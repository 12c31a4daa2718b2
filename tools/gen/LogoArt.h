// The logo's gold and its winged-gem emblem, shared by the title logo and the window icon.
#pragma once

#include "paint/Canvas.h"
#include "paint/Geometry.h"
#include "paint/Style.h"

namespace gen {

// The logo's gold: pale at `top`, deep at `bottom`, with a dark outline `outline` wide.
paint::Style goldStyle(float top, float bottom, float outline);
// The emblem's gold wings around a gem centred on `gem`, `k` times their size in the logo (span 264,
// height 52), and the turquoise gem in its gold setting (radius 21 at k = 1).
void drawWings(paint::Canvas& c, paint::Vec2 gem, float k);
void drawGem(paint::Canvas& c, paint::Vec2 gem, float k);

}  // namespace gen
