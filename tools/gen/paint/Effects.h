// Layer effects lit from the top left: drop shadows, glows, bevels, inner shadows and film grain.
#pragma once

#include <cstdint>

#include "paint/Canvas.h"
#include "paint/Geometry.h"

namespace paint {

class Field;
class Mask;

// The direction the light comes from, the same for every picture of the game: the top left.
inline Vec2 lightDirection() {
    return normalize({-1.0f, -1.25f});
}

struct Bevel {
    float depth = 4.0f;       // how far in from the edge the slope reaches
    float highlight = 0.55f;  // strength of the lit side
    float shadow = 0.4f;      // strength of the side turned away
    bool rounded = true;      // a soft cushion rather than a flat chisel
};

// A shadow of `shape` blurred by `blur`, moved by `offset`, painted under what is drawn next.
void dropShadow(Canvas& c, const Mask& shape, Vec2 offset, float blur, Color color);
// A halo around `shape`.
void outerGlow(Canvas& c, const Mask& shape, float blur, Color color, Blend mode = Blend::Over);
// Lights the shape's edge from the top left and darkens the far side, within the canvas' alpha.
void bevel(Canvas& c, const Field& f, const Bevel& b);
// Colour seeping in from the edge, `size` pixels deep.
void innerGlow(Canvas& c, const Field& f, Color color, float size, Blend mode = Blend::Screen);
// A shadow cast inside the shape by its own edge (a sunken look), the light from the top left.
void innerShadow(Canvas& c, const Field& f, float distance, float blur, Color color);
// Fine luminance grain of ±amount (0..1), the same for every run with the same seed.
void grain(Canvas& c, float amount, uint32_t seed);

}  // namespace paint
