// Landmarks seen against the evening light: palms, pyramids and birds, with a warm rim from the sun.
#pragma once

#include <cstdint>

#include "paint/Canvas.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen::scene {

struct PalmSpec {
    paint::Vec2 base;     // where the trunk meets the ground
    float height = 260;   // from the ground to the crown
    float lean = 40;      // sideways offset of the crown (positive to the right)
    float scale = 1.0f;   // thickness and frond length
    float frondTurn = 0;  // turns the whole crown, degrees
    uint32_t seed = 1;
};

// Adds a palm (trunk, fronds with leaflets, a few dates) to the coverage mask.
void drawPalm(paint::Mask& into, const PalmSpec& p);
// The trunk alone, as drawPalm draws it.
void drawPalmTrunk(paint::Mask& into, const PalmSpec& p);

// Adds a tuft of grass blades fanning up from `base`.
void drawTuft(paint::Mask& into, paint::Vec2 base, float height, uint32_t seed);

struct PyramidFaces {
    paint::Shape lit;    // the face turned to the sun (left)
    paint::Shape shade;  // the face turned away
};
// A pyramid seen slightly from the left: apex, base width, base line y and how far the front corner sits.
PyramidFaces pyramid(paint::Vec2 apex, float baseWidth, float baseY, float frontShift);

// A small gliding bird, wings spread, `span` wide.
paint::Shape bird(paint::Vec2 centre, float span, float flap);

// Paints the silhouette `m` in `body` and lights its upper-left edges with `rim`.
void paintSilhouette(paint::Canvas& c, const paint::Mask& m, paint::Color body, paint::Color rim,
                     int rimWidth);

}  // namespace gen::scene
