// The story's cutscene pictures: a small kit of shared painting (parts, dust, parchment maps, desert sky,
// figures seen from behind) and the scenes built from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace paint {
class Font;
}

namespace gen::story {

using namespace paint;

inline constexpr int kW = 1024, kH = 768;

// story_scenes_kit.cpp ------------------------------------------------------------------------------------

// A painted part: the dark-brown outline, its fill and a soft rounded bevel lit from the top left.
void part(Canvas& c, const Shape& s, const Fill& fill, float outline = 1.4f, float depth = 3.0f);
// Cloth, skin or wood of one colour lit from the top left over a part of radius r round m.
Fill lit(Vec2 m, float r, Color c);
// A shape's coverage on a canvas-sized mask.
Mask rast(const Canvas& c, const Shape& s, float feather = 1.0f);
// A soft shadow of the shape on what lies under it, cast down and to the right.
void shadowOf(Canvas& c, const Shape& s, Vec2 offset, float blur, float strength);

// Billowing dust: a coverage made of many soft round puffs scattered in `box` (denser towards its middle)
// and broken up by noise; `puffs` of radius rMin..rMax.
Mask billows(int w, int h, Rect box, int puffs, float rMin, float rMax, uint32_t seed);
// Paints dust over the coverage `m`: warm sand, lit on its upper-left side, shaded below.
void paintDust(Canvas& c, const Mask& m, Color body, Color light, Color shade, float opacity);

// The golden-hour desert sky down to `horizon`, with the sun's glow, streaks of cloud and the sun.
void goldenSky(Canvas& c, float horizon, Vec2 sun, uint32_t seed);

// Draws one of the figures below the other way round (they face left), standing on `feet`.
void facingRight(Canvas& c, void (*draw)(Canvas&, Vec2, float), Vec2 feet, float h);

// A wooden crate with planks and nailed battens, x..x+w, y..y+h, lit from the top left.
void crate(Canvas& c, float x, float y, float w, float h, uint32_t seed);

// story_scenes_maps_kit.cpp: a parchment map in the journey map's ink ------------------------------------

// The whole sheet: aged parchment, folds and a faint grain.
void mapSheet(Canvas& c, uint32_t seed);
// Sea or lake: a pale wash deepening to the coast, the coast inked and two ripple lines echoing it.
void mapWater(Canvas& c, const Shape& water);
// A river as a smooth line through `pts`, `width` wide, with a band of green fields along it.
void mapRiver(Canvas& c, const std::vector<Vec2>& pts, float width, float fields);
// An inked mountain standing on `base`, lit on its left face, with a snow cap when `snow`.
void mapMountain(Canvas& c, Vec2 apex, float halfWidth, float base, bool snow, uint32_t seed);
// A tiny dark pine standing on `foot` (the journey map's palm stands beside it: `map::palm`).
void mapPine(Canvas& c, Vec2 foot, float h);
// Little ink wave strokes.
void mapWaves(Canvas& c, const std::vector<Vec2>& at, Color ink);
// An eight-pointed compass rose of radius r with the north mark.
void mapCompass(Canvas& c, const Font& font, Vec2 m, float r);
// A land's name in slanted capitals with a swash under it, centred on `centre`.
void mapLabel(Canvas& c, const Font& font, const std::string& name, Vec2 centre, float px);
// The map's ink.
inline constexpr Color kInk = hex(0x4a2a14);

// story_scenes_figures.cpp: the story's people, `h` pixels tall, standing on `feet` --------------------

void tazmiraFromBehind(Canvas& c, Vec2 feet, float h);
void professorFromBehind(Canvas& c, Vec2 feet, float h);
// Hamid the guide in profile, facing left; his hand at (5.5, −49.5) figure units holds a lead rope.
void hamidProfile(Canvas& c, Vec2 feet, float h);
// Corvin in profile, facing left, pointing ahead with his right arm.
void corvinPointing(Canvas& c, Vec2 feet, float h);
// A camel standing side-on, facing `right` or left, saddled with a striped blanket; `size` = hump height.
void camel(Canvas& c, Vec2 feet, float size, bool right);

// The scenes ------------------------------------------------------------------------------------------

// story_scenes_letter.cpp: the tomb by lamplight and the letter.
Canvas tombByLamplight();
Canvas letter();
// story_scenes_pyramid*.cpp: the rising pyramid's back, the pyramid, the dust and the two foregrounds.
Canvas pyramidBack();
Canvas risingPyramid();
Canvas dustBand();
Canvas dustCloud();
Canvas dustHaze();
Canvas pyramidForeground();
Canvas pyramidForegroundRight();
// story_scenes_maps.cpp: the two route maps and their markers.
Canvas iraqMap();
Canvas tibetMap();
Canvas routeDot();
Canvas startMarker();
Canvas crossMarker();
Canvas inkArrow();
// story_scenes_ziggurat.cpp: the ziggurat by the river, calm and then under the rival's bulldozer.
Canvas zigguratCalm();
Canvas zigguratDug();
// story_scenes_waterfall.cpp: the gorge with the hidden gate, and the waterfall over it.
Canvas gorge();
Canvas waterfall();

}  // namespace gen::story
