// Captions of the menus: a line centred on a point, over a black shadow at half its alpha.
#pragma once

#include <string>

#include "engine/Engine.h"

// Draws `text` in `font` centred on x `cx` at top `y`, its shadow `offset` pixels down and right, the face in
// (r, g, b) at `alpha`; answers the x where the text begins. The font stays selected.
float shadowedText(const eng::ImageFont& font, const std::string& text, float cx, float y, float offset,
                   float alpha, int r, int g, int b);
