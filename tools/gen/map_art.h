// Pieces of the journey map screen and the stage sheet laid over it: the painted map, its markers, arrow
// and panel, the sheet and its level icons.
#pragma once

#include <cstdint>
#include <vector>

#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Shape.h"

namespace gen::map {

using namespace paint;

inline constexpr int kW = 1024, kH = 768;

// The five stage places on the screen, in the order the journey visits them.
inline constexpr Vec2 kStages[] = {{170, 470}, {300, 300}, {500, 430}, {650, 250}, {860, 330}};

// The brown ink the map is drawn in.
inline constexpr Color kInk = hex(0x4a2a14);

// Old parchment over the box `sheet`: pale and mottled in the middle, browned towards its edges.
Fill agedParchment(Rect sheet, uint32_t seed);

// map_back.cpp: the whole map picture, opaque.
Canvas mapBack();
// map_lands.cpp: the landmarks of the three lands, painted onto the map.
void paintEgypt(Canvas& c);
void paintPersia(Canvas& c);
// map_tibet.cpp
void paintTibet(Canvas& c);

// map_pieces.cpp: the stage marker (`open` with a turquoise gem, else a dull stone), 40 × 48; the arrow
// over the current stage, 44 × 52; the bottom panel, 1024 × 92.
Canvas stageMarker(bool open);
Canvas stageArrow();
Canvas mapPanel();

// map_sheet.cpp: the parchment sheet of the stage screen, 1024 × 768, transparent around it.
Canvas stageSheet();

// map_icons.cpp: the level icons of the stage sheet, 80 × 64 each.
enum class LevelKind { Picture, Express, Hidden, Inlay, Route, Story };
Canvas levelIcon(LevelKind kind);

// map_lands.cpp: a palm the size of a thumbnail standing on `base`: a bent trunk and five fronds.
void palm(Canvas& c, Vec2 base, float h, float lean);
// Wind-combed sand: a few ink arcs in the open desert, one at each point of `at`.
void duneMarks(Canvas& c, const std::vector<Vec2>& at);

}  // namespace gen::map
