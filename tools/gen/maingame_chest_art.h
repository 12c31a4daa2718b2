// The treasure chest's drawing: its screen geometry, wood, gold fittings and the marks of damage.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "Generator.h"
#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Fill.h"
#include "paint/Shape.h"

namespace gen::chest {

using namespace paint;

// The chest is laid out in screen pixels and painted at twice the size on a canvas whose top-left corner
// is the screen point (kOriginX, kOriginY); the finished pictures are halved and cut from it.
inline constexpr float kScale = 2.0f;
inline constexpr int kOriginX = 814, kOriginY = 404;
inline constexpr int kCanvasW = (1000 - kOriginX) * 2, kCanvasH = (572 - kOriginY) * 2;

// Where the game draws the pictures (top-left corners on screen) and their sizes.
inline constexpr int kBackX = 822, kBackY = 413, kBackW = 167, kBackH = 144;
inline constexpr int kFrontX = 822, kFrontY = 467, kFrontW = 166, kFrontH = 90;
inline constexpr int kCoverX = 816, kCoverY = 467, kCoverW = 180, kCoverH = 100;
inline constexpr int kFrames = 6;

// The box: its front face, and the depth of the box as it shows on screen (up and to the right).
inline constexpr float kLeft = 826, kRight = 965, kTop = 489, kBottom = 553;
inline constexpr Vec2 kDepth{23, -22};
// The top of the front face's plank area and the plank height (three planks between the bands).
inline constexpr float kPlankTop = 495, kPlankBottom = 547;

// Screen point → canvas point, screen length → canvas length, canvas point → screen point.
inline Vec2 sp(float x, float y) {
    return {(x - kOriginX) * kScale, (y - kOriginY) * kScale};
}
inline Vec2 sp(Vec2 p) {
    return sp(p.x, p.y);
}
inline float sl(float v) {
    return v * kScale;
}
inline Vec2 toScreen(float x, float y) {
    return {x / kScale + kOriginX, y / kScale + kOriginY};
}

// A polygon given in screen points.
Shape poly(std::initializer_list<Vec2> screenPoints);
Shape poly(const std::vector<Vec2>& screenPoints);
// A rectangle given in screen pixels.
Shape box(float x0, float y0, float x1, float y1, float radius = 0.0f);

// Wood: `light` darkens (below 1) or brightens the tone; grain runs along `grainDir` (screen).
struct WoodLook {
    Color dark, mid, light;
    float brightness = 1.0f;
    Vec2 grainDir{1, 0};
    uint32_t seed = 1;
};
inline constexpr WoodLook kFrontWood{hex(0x4a2410), hex(0x8a4f24), hex(0xc98a4c)};
inline constexpr WoodLook kDarkWood{hex(0x2a1207), hex(0x55301a), hex(0x8a5a32)};
inline constexpr WoodLook kInsideWood{hex(0x140803), hex(0x3a1f0e), hex(0x6a4024)};

Fill woodFill(const WoodLook& look, float tone);
// Paints one plank: the wood, a soft bevel and a dark edge.
void plank(Canvas& c, const Shape& s, const WoodLook& look, float tone);

// Polished gold fittings lit from the top left, outlined in dark brown, with a small cast shadow.
void goldPart(Canvas& c, const Shape& s, Vec2 screenCentre, float screenRadius, float bevelDepth = 2.0f);
// A domed rivet.
void rivet(Canvas& c, Vec2 screen, float r);

// A crack along the screen polyline: a dark tapering split with a lit lower lip.
void crack(Canvas& c, const std::vector<Vec2>& screenPoints, float width, float opacity = 1.0f);
// A jagged tear through the wood (screen polygon): fresh light splinters round a dark hole.
void hole(Canvas& c, const std::vector<Vec2>& screenPoints, const Fill& inside);
// A concave dent in metal centred at `screen`.
void dent(Canvas& c, Vec2 screen, float rx, float ry);
// The outline of a board broken out between x0 and x1 (screen), its ends splintered along the grain;
// with `ragged` the lower edge is torn as well.
std::vector<Vec2> tornBoard(float x0, float x1, float y0, float y1, uint32_t seed, bool ragged = false);
// A jagged outline of a rough hole around `centre`, `rx` × `ry`, with `n` points.
std::vector<Vec2> jagged(Vec2 centre, float rx, float ry, int n, uint32_t seed, float roughness = 0.35f);

// maingame_chest_body.cpp: the open chest at a damage level 0..5, split into what lies behind the
// treasures (lid, inner walls) and what lies in front of them (front and side walls, lock). Without
// `castShadow` the lid throws no shadow on the niche (for cutting the chest into pieces).
void paintOpenBack(Canvas& c, int damage, bool castShadow = true);
void paintOpenFront(Canvas& c, int damage);
// The closed chest, painted on the same canvas.
void paintClosed(Canvas& c);
// maingame_chest_cover.cpp: the niche's front sill and side jambs.
Canvas nicheCover();

// maingame_chest_pieces.cpp: the 19 pieces cut from the most damaged chest (screen-sized 2× canvas).
void writePieces(const Context& ctx, const Canvas& chest);

}  // namespace gen::chest
