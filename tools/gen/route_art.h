// The route mini-game's pictures: the turning stone blocks with their channels, the power source and the
// receiver with their lit looks, and the mini-game screens' top panel and skip gauge.
#pragma once

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen::route {

using namespace paint;

// The small pictures are painted this many times larger and shrunk, for clean edges.
inline constexpr int kScale = 4;
// The channel's turquoise inlay and its gold rim, half their widths in screen pixels. The blocks, the
// source and the receiver share them so the channels line up from one to the next.
inline constexpr float kInlayHalf = 5.5f, kRimHalf = 9.5f;

// Polished gold with a dark outline, all its widths k times the screen size; no cast shadow.
Style goldAt(float top, float bottom, float k);
// Turquoise lit from within: pale at the middle of a band `half` wide from the edge of `s`, deep at its edge.
Fill glowingInlay(const Shape& s, float half);
// A gold-rimmed channel along `inlay` (drawn at kScale), everything cut off at the edge of `within`.
void channel(Canvas& c, const Shape& inlay, const Shape& within);
// A soft halo of turquoise light round `s` (at kScale), `blur` screen pixels wide: Add on an empty picture,
// Inside to light only what is already painted.
void halo(Canvas& c, const Shape& s, float blur, float opacity, Blend mode);
// Fades a lit picture to nothing within `band` pixels of the sides `sides` names (left, top, right,
// bottom), so its light never ends in a hard edge.
void fadeSides(Canvas& c, float band, const bool (&sides)[4]);

// route_blocks.cpp: block `kind` (0 straight, 1 cross, 2 T, 3 corner, 4 dead end), 100 × 100.
Canvas block(int kind);

// route_ends.cpp: the power source (80 × 102) and its lit crystal (60 × 78, drawn at 15, 12 inside it);
// the receiver (80 × 102) and its lit lamp (80 × 44, drawn at 0, 29 inside it).
Canvas source();
Canvas sourceLit();
Canvas receiver();
Canvas receiverLit();

// route_panel.cpp: the mini-game screens' top panel, 1024 × 64.
Canvas topPanel();

// route_gauge.cpp: the skip gauge's fill (70 × 48), its frame (80 × 56), its ready glow, and its back and
// front plates (70 × 48 each).
Canvas gaugeFill();
Canvas gaugeFrame();
Canvas gaugeReady();
Canvas gaugeBack();
Canvas gaugeFront();

}  // namespace gen::route
