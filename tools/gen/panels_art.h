// Helpers shared by the pop-up, papyrus, options, profile and win/lose panel pictures.
#pragma once

#include "paint/Canvas.h"
#include "paint/Color.h"
#include "paint/Field.h"
#include "paint/Shape.h"

namespace gen {

// The dark panel colour the game fills the pop-up frame's middle with: (47, 17, 15).
inline constexpr paint::Color kPopUpPanel = paint::hex(0x2f110f);

// Pixels (images) that differ by no more than 2/255 in any channel.
bool samePixel(const paint::Pixel& a, const paint::Pixel& b);
bool sameImage(const paint::Canvas& a, const paint::Canvas& b);

// The shadow the edge of the hole `f` casts inside it from the top left, painted onto whatever shows through
// the hole (unlike innerShadow, which darkens only what is already painted there).
void seeThroughShadow(paint::Canvas& c, const paint::Field& f, float distance, float blur,
                      paint::Color color);

// A sunken field in a panel: a thin gold lip around `hole`, the hole filled with `inside` under a shadow
// cast from the top left and a faint light thrown back from its lower edge.
void recess(paint::Canvas& c, const paint::Shape& hole, const paint::Fill& inside, float depth = 4.0f);

// Two gold lines with a diamond at their outer ends either side of a heading centred at (cx, y).
void headingFlourish(paint::Canvas& c, float cx, float y, float gap, float length);

// sword_art.cpp: the magic sword that spins across the playfield, 64 × 200, pointing down.
paint::Canvas magicSword();

}  // namespace gen
