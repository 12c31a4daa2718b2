// Painted skies for the game's landscapes: gradient, sun with glow, stars and soft cloud streaks.
#pragma once

#include <cstdint>

#include "paint/Canvas.h"
#include "paint/Fill.h"

namespace gen::scene {

using paint::Canvas;
using paint::Color;
using paint::Vec2;

// The whole canvas from `sky` (top → horizonY), then held at the last colour.
void paintSky(Canvas& c, const paint::Gradient& sky, float horizonY);
// A wide warm glow around the sun, brightest at its centre, wider than high.
void paintSunGlow(Canvas& c, Vec2 centre, float radius, Color color, float strength);
// The sun's disc with a soft rim.
void paintSunDisc(Canvas& c, Vec2 centre, float radius);
// Faint stars in the band from top to bottomY, fading out downwards.
void paintStars(Canvas& c, float bottomY, int count, uint32_t seed);
// Thin horizontal cloud streaks in the band y0..y1, lit warmly on the side of the sun.
void paintClouds(Canvas& c, float y0, float y1, Vec2 sun, uint32_t seed);

}  // namespace gen::scene
