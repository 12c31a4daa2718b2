// Cutting a painted frame into the nine pieces a theme stretches: corners, edges and centre.
#pragma once

#include <array>
#include <functional>

#include "paint/Canvas.h"
#include "paint/Mask.h"

namespace gen {

// A frame painted once at a comfortable size, everything but the panel's fill.
struct FrameArt {
    paint::Canvas deco;  // rims, ornaments, shading and shadow; see-through where the panel shows
    paint::Mask panel;   // where the panel's fill lies under the decoration
    // The panel's fill over the whole window, u and v from 0 (left, top) to 1 (right, bottom). The game
    // stretches edges and centre by the same factors, so a fill that varies smoothly in u and v lines up.
    std::function<paint::Color(float u, float v)> fill;
};

// Pieces in the theme's order: top-left, top, top-right, right, bottom-right, bottom, bottom-left, left,
// centre. Corners are corner × corner; edges are `length` long and uniform along it (taken from the middle
// of the painting); the centre is length × length. Throws when the corners do not meet the edges cleanly.
std::array<paint::Canvas, 9> sliceFrame(const FrameArt& art, int corner, int length);

// For a horizontal strip cut into two ends `end` wide and a middle column: throws when an end does not
// meet the middle cleanly.
void checkStripEnds(const paint::Canvas& strip, int end);

}  // namespace gen
