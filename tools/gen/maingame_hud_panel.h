// The ornaments of the main game's panel picture and the screen positions it is built around.
#pragma once

#include "paint/Canvas.h"
#include "paint/Geometry.h"

namespace paint {
class Font;
}

namespace gen::panel {

// The play area, where the level's background shows: x 0..780, y 40..676.
inline constexpr float kPlayRight = 780;
inline constexpr float kPlayTop = 40;
inline constexpr float kPlayBottom = 676;
// The grid size text is centred here in the top bar.
inline constexpr float kSizeX = 390;

// Painted wings spreading left and right from `centre`: from `inner` to `outer` pixels off its middle.
void wings(paint::Canvas& c, paint::Vec2 centre, float inner, float outer);
// A small gold stud with a turquoise bead.
void stud(paint::Canvas& c, paint::Vec2 at, float r);
// A round gold-rimmed medallion with a carved lotus and a turquoise gem at its heart.
void lotusMedallion(paint::Canvas& c, paint::Vec2 centre, float r);
// A thin gold bar across the panel at height y with a diamond in the middle.
void divider(paint::Canvas& c, float y, float x0, float x1);
// The arched niche the treasure chest stands in: a starry lapis back wall in a gold-trimmed frame.
void chestNiche(paint::Canvas& c);

}  // namespace gen::panel
