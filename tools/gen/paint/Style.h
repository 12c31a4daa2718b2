// One call that draws a shape or a text as a finished element: shadow, glow, outline, fill, bevel, inner
// glow.
#pragma once

#include <optional>

#include "paint/Effects.h"
#include "paint/Fill.h"

namespace paint {

class Field;

struct Shadow {
    Vec2 offset{3.0f, 4.0f};  // down and to the right: the light is at the top left
    float blur = 4.0f;
    Color color = hex(0x1a0d05, 0.6f);
};

struct Glow {
    float blur = 8.0f;
    Color color = hex(0xffe08a, 0.6f);
    Blend mode = Blend::Over;
};

struct InnerGlow {
    float size = 4.0f;
    Color color = hex(0xffffff, 0.4f);
    Blend mode = Blend::Screen;
};

struct Style {
    Fill fill = kWhite;
    float outline = 0.0f;  // width of the outline outside the shape's edge
    Fill outlineFill = kBlack;
    std::optional<Shadow> shadow;
    std::optional<Glow> glow;
    std::optional<Bevel> bevel;
    std::optional<InnerGlow> innerGlow;
};

// Draws the shape described by field `f` (canvas-sized) onto c with every part of the style.
void drawStyled(Canvas& c, const Field& f, const Style& s);

}  // namespace paint
