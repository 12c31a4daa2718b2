// Shared pieces of the level backgrounds: haze, clouds, coloured palms, water, reeds, boats, animals and
// the finishing touches, all lit from the top left.
#pragma once

#include <cstdint>
#include <vector>

#include "Generator.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "scene/Silhouettes.h"

namespace gen::bg {

using namespace paint;

inline constexpr int kW = 1024, kH = 768;

// A full-canvas mask, for painting gradients over everything.
Mask everywhere();
// Veils the band from y0 (clear) to y1 (`c` at its own alpha) and holds it below.
void haze(Canvas& c, float y0, float y1, Color col);
// Darkens the corners a little, drawing the eye to the middle.
void vignette(Canvas& c, float strength, Color col);
// Soft heaped fair-weather clouds in the band y0..y1; `cover` 0..1 is how much of the sky they fill.
void puffyClouds(Canvas& c, float y0, float y1, Color body, Color lit, float cover, uint32_t seed);
// Paints a mask with a vertical gradient and lights its upper-left edge.
void paintLitShape(Canvas& c, const Mask& m, const Fill& fill, Color rim, int rimWidth);

// A palm in colour: a ringed brown trunk and green fronds, lit from the upper left.
struct PalmLook {
    Color frondDark, frondLight, trunkDark, trunkLight;
    float haze = 0;  // 0 near, up to 1 fully veiled in `hazeColor`
    Color hazeColor{0, 0, 0, 0};
};
void paintPalm(Canvas& c, const scene::PalmSpec& p, const PalmLook& look);
// The palm's trunk alone (the same curve drawPalm uses).
Mask palmTrunk(const scene::PalmSpec& p);

// Papyrus: tall thin stalks ending in fanned umbels, rising from the line `baseY` between x0 and x1.
Mask papyrus(float x0, float x1, float baseY, float height, int count, uint32_t seed);
// Short blade-like reeds.
Mask reeds(float x0, float x1, float baseY, float height, int count, uint32_t seed);

// A Nile sailing boat: a curved hull, a slanted yard and a large triangular sail.
struct Felucca {
    Shape hull, sail, mast;
};
Felucca felucca(Vec2 waterline, float size);

// A camel standing side-on, facing right; `size` is its height at the hump.
Shape camel(Vec2 feet, float size);

// The mirror image of the mask below the line y = axis, shaken by small ripples and fading with depth.
Mask reflection(const Mask& m, float axis, float fadeDepth, uint32_t seed);

// The last touches: a breath of softening and fine grain.
void finish(Canvas& c, uint32_t seed);

}  // namespace gen::bg

namespace gen::bg {

// The six scenes, in the order of their file numbers.
paint::Canvas noonDunes();      // backgrounds_day.cpp
paint::Canvas oasisPool();      // backgrounds_day.cpp
paint::Canvas templeHall();     // backgrounds_temple.cpp
paint::Canvas sunsetPlateau();  // backgrounds_evening.cpp
paint::Canvas riverMorning();   // backgrounds_river.cpp
paint::Canvas starryNight();    // backgrounds_evening.cpp

}  // namespace gen::bg
