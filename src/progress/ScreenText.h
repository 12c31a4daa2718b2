// Captions of the menus: a line centred on a point over a black shadow, and outlined text that reads on any
// picture.
#pragma once

#include <string>

#include "engine/Engine.h"

// Draws `text` in `font` centred on x `cx` at top `y`, its shadow `offset` pixels down and right, the face in
// (r, g, b) at `alpha`; answers the x where the text begins. The font stays selected.
float shadowedText(const eng::ImageFont& font, const std::string& text, float cx, float y, float offset,
                   float alpha, int r, int g, int b);

// Draws `text` at (x, y) in the current font over a black shadow `shadow` pixels down and right (at
// `shadowAlpha` x `alpha`) and a black one-pixel outline at the four diagonals, the face in (r, g, b) at
// `alpha`. Leaves the colour and alpha set to the face's.
void outlinedText(const std::string& text, float x, float y, float shadow, float alpha, int r, int g, int b,
                  float shadowAlpha = 0.5f);
