// The chest puzzle's pictures: the chest and its sliding lid, the sockets, the six tile kinds, the hidden
// objects, the papyrus strip and the "found" ribbon, with the drawing helpers they share.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"

namespace gen::pe {

using namespace paint;

// Every picture is painted this many times larger and shrunk, for clean edges and small details.
inline constexpr float kK = 2;

// The chest picture's size; the game draws it 10 pixels right of the board's corner.
inline constexpr int kChestW = 484, kChestH = 430;
// The opening the lid lies in, inside the chest picture, and so the lid's size.
inline constexpr float kOpenX = 52, kOpenY = 46;
inline constexpr int kLidW = 380, kLidH = 308;
// One socket and one tile of a block.
inline constexpr int kCell = 48;
// The hidden objects' pictures, square.
inline constexpr int kObject = 220;

// A point and a rounded box given in picture pixels, placed on the kK times larger canvas.
inline Vec2 at(float x, float y) {
    return {x * kK, y * kK};
}
Shape box(float x, float y, float w, float h, float radius = 0);
// A closed outline given in picture pixels.
Shape outline(std::initializer_list<Vec2> pts);
Shape outline(const std::vector<Vec2>& pts);

// Polished gold lit from the top left round the picture point m (radius r, both in picture pixels), with
// a dark outline, a rounded bevel and, with `shadow`, a short cast shadow.
void goldPart(Canvas& c, const Shape& s, Vec2 m, float r, bool shadow = true);
// A domed gold stud at picture point m.
void stud(Canvas& c, Vec2 m, float r);
// A cabochon of radius r at picture point m in the colours light → deep, with a glint.
void cabochon(Canvas& c, Vec2 m, float r, Color light, Color mid, Color deep);
// A smooth stroke through the picture points, its width tapering from w0 to w1.
Shape curve(const std::vector<Vec2>& pts, float w0, float w1);
// Gold lit from the top left for a part round picture point m, radius r.
Fill goldFill(Vec2 m, float r);
// A colour lit from the top left for a part round picture point m, radius r: light → mid → deep.
Fill litFill(Color light, Color mid, Color deep, Vec2 m, float r);
// A part of an object: dark outline, the fill and a rounded bevel `depth` picture pixels deep.
void objectPart(Canvas& c, const Shape& s, const Fill& fill, float depth = 3);
// A small four-pointed glint at picture point m.
void sparkle(Canvas& c, Vec2 m, float r, float strength = 1);
// A line cut into the picture along `cut` (on the large canvas): a dark groove with a lit lower-right lip.
void engrave(Canvas& c, const Shape& cut, float strength = 1.0f);
// Warm wood with long grain along `grain`, `tone` 0 dark .. 1 light, seeded.
Fill wood(Color dark, Color mid, Color light, float tone, uint32_t seed, Vec2 grain = {1, 0});

// pe_chest.cpp: the open chest, kChestW × kChestH.
Canvas chest();
// pe_cover.cpp: the sliding lid, kLidW × kLidH.
Canvas lid();
// pe_tiles.cpp: the empty socket and the tile of kind 1..6, each kCell square.
Canvas socket();
Canvas tile(int kind);
// pe_mask.cpp, pe_lamp.cpp, pe_bowl.cpp: the hidden objects, kObject square.
Canvas pharaohMask();
Canvas oilLamp();
Canvas singingBowl();
// pe_papyrus.cpp: the papyrus strip the loose blocks lie on, and the ribbon under the found object.
Canvas papyrusStrip();
Canvas foundRibbon();

}  // namespace gen::pe
