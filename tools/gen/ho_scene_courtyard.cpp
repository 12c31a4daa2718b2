// The second hidden-object scene: a tiled courtyard, an arcade of turquoise pointed arches with lanterns,
// a carpet with cushions and a tray, pomegranate trees and a long fountain pool along the bottom.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Sky.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::pointedArch;
using jigsaw::rast;
using jigsaw::starTiles;

namespace {

constexpr float kWallTop = 150, kFloor = 470, kPoolRim = 560;
constexpr float kBayX[] = {20, 222, 422, 622, 822};
constexpr float kBayW = 180;

// The wall's face: the tiled spandrels with a light fall from the top left, and a white inscription band.
void wallFace(Canvas& c) {
    const Shape face = Shape::rect(-10, kWallTop, kW + 20, kFloor - kWallTop);
    c.paint(rast(face), starTiles(26, pal::kTurquoise));
    c.paint(rast(face),
            Fill::linear({0, kWallTop}, {kW, kFloor},
                         {{0, hex(0xffffff, 0.18f)}, {0.5f, hex(0xffffff, 0)}, {1, hex(0x1a1030, 0.35f)}}));
    inked(c, Shape::rect(-10, kWallTop, kW + 20, 34), pal::kBlueDeep, 1.4f);
    Mask script(kW, kH);
    Rng rng(5301u);
    for (float x = 10; x < kW - 10; x += rng.range(8, 14)) {
        const float h = rng.range(6, 18);
        Shape::line({x, kWallTop + 26}, {x + rng.range(-2, 2), kWallTop + 26 - h}, 1.8f).drawInto(script);
        if (rng.uniform() < 0.35f) Shape::circle({x + 4, kWallTop + 10}, 1.6f).drawInto(script);
    }
    Shape::line({6, kWallTop + 26}, {kW - 6.0f, kWallTop + 26}, 1.6f).drawInto(script);
    c.paint(script, hex(0xf8f4e8));
    for (const float y : {kWallTop - 2, kWallTop + 34})
        inked(c, Shape::rect(-10, y, kW + 20, 5), hud::gold(y, y + 5), 1.0f);
    // Merlons along the top against the sky.
    for (float x = 6; x < kW; x += 40)
        inked(c, Shape::rect(x, kWallTop - 22, 26, 22, 3) | Shape::circle({x + 13, kWallTop - 22}, 13),
              Fill::vertical(kWallTop - 36, kWallTop, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}), 1.2f);
}

// An arched bay: a gold and turquoise frame round a deep shadowed opening.
Shape bayOpening(int i) {
    const float x0 = kBayX[i] + 22, x1 = kBayX[i] + kBayW - 22;
    return pointedArch(x0, x1, 300, 84, kFloor);
}

void bay(Canvas& c, int i) {
    const Shape hole = bayOpening(i);
    inked(c, hole.grown(12), Fill::vertical(200, kFloor, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}));
    inked(c, hole.grown(6), starTiles(11, hex(0x2a9ec0)), 1.0f);
    const Rect b = hole.bounds();
    inked(c, hole,
          Fill::vertical(b.y0, kFloor, {{0, hex(0x16204a)}, {0.55f, hex(0x2a3a6a)}, {1, hex(0x6a5a6a)}}));
    // The light from the top left reaches into the right side of the opening.
    Mask lit = rast(hole);
    lit.multiply(rast(Shape::polygon(
                          {{b.x0 + 40, b.y0}, {b.x1 + 10, b.y0}, {b.x1 + 10, kFloor}, {b.x0 + 100, kFloor}}))
                     .blurred(10));
    c.paint(lit, hex(0x8ab8e8, 0.18f), Blend::Screen);
}

// A carved double door with studs under a tiled lunette (the middle bay).
void door(Canvas& c, int i) {
    const float m = kBayX[i] + kBayW / 2;
    const Shape d = pointedArch(m - 52, m + 52, 340, 50, kFloor);
    inked(c, d.grown(5), hud::gold(290, kFloor), 1.2f);
    inked(c, d, Fill::linear({m - 50, 300}, {m + 50, kFloor}, {{0, hex(0xc07a40)}, {1, hex(0x4a2210)}}));
    c.paint(rast(Shape::line({m, 292}, {m, kFloor}, 2)), pal::kOutline.fade(0.8f));
    for (float y = 330; y < kFloor - 8; y += 24)
        for (const float dx : {-36.0f, -14.0f, 14.0f, 36.0f})
            c.paint(rast(Shape::circle({m + dx, y}, 2.6f)), pal::kGoldLight);
    for (const float dx : {-7.0f, 7.0f})
        inked(c, Shape::circle({m + dx, 400}, 4).outline(2), hud::gold(396, 404), 0.8f);
}

// Shelves inside a bay with pots and a latticed window above them.
void shelvedBay(Canvas& c, int i, uint32_t seed) {
    const float x0 = kBayX[i] + 22, x1 = kBayX[i] + kBayW - 22, m = (x0 + x1) / 2;
    const Shape win = pointedArch(m - 30, m + 30, 270, 34, 330);
    inked(c, win, Fill::vertical(230, 330, {{0, hex(0x8ac8f0)}, {1, hex(0xd8ecf6)}}), 1.0f);
    Mask lattice(kW, kH);
    for (float k = -70; k < 90; k += 12) {
        Shape::line({m - 40 + k, 230}, {m + 40 + k, 340}, 1.6f).drawInto(lattice);
        Shape::line({m + 40 - k, 230}, {m - 40 - k, 340}, 1.6f).drawInto(lattice);
    }
    lattice.multiply(rast(win));
    c.paint(lattice, pal::kGoldDeep);
    Rng rng(seed);
    for (const float y : {380.0f, 440.0f}) {
        castShadow(c, Shape::rect(x0 + 2, y, x1 - x0 - 4, 8), 5, 0.4f);
        inked(c, Shape::rect(x0 + 2, y, x1 - x0 - 4, 8),
              Fill::vertical(y, y + 8, {{0, hex(0xc8864a)}, {1, hex(0x5a2e14)}}), 1.0f);
        const Color glazes[] = {pal::kTurquoise, pal::kBlue, pal::kTerracotta, hex(0xf0e6d0)};
        for (float x = x0 + 18; x < x1 - 12; x += rng.range(30, 46))
            if (rng.uniform() < 0.7f)
                jar(c, {x, y}, rng.range(24, 38), glazes[rng.next() % 4],
                    rng.uniform() < 0.5f ? pal::kGold : pal::kBlueDeep);
    }
}

// A lattice screen filling a bay.
void screenBay(Canvas& c, int i) {
    const Shape hole = bayOpening(i).grown(-8);
    Mask lattice(kW, kH);
    const float x0 = kBayX[i];
    for (float k = -200; k < 400; k += 16) {
        Shape::line({x0 + k, 200}, {x0 + k + 270, kFloor}, 2.2f).drawInto(lattice);
        Shape::line({x0 + kBayW - k, 200}, {x0 + kBayW - k - 270, kFloor}, 2.2f).drawInto(lattice);
    }
    lattice.multiply(rast(hole));
    c.paint(lattice, hex(0x9a6a3a));
}

void floor(Canvas& c) {
    const Shape f = Shape::rect(-10, kFloor, kW + 20, kPoolRim - kFloor + 4);
    const Vec2 eye{512, 260};
    c.paint(rast(f), Fill([=](float x, float y) {
                const float t = (y - eye.y) / (kH - eye.y), u = (x - eye.x) / t, v = 1.0f / t;
                const float fu = u / 80.0f - std::floor(u / 80.0f), fv = v * 8.0f - std::floor(v * 8.0f);
                const bool odd = static_cast<int>(std::floor(u / 80.0f) + std::floor(v * 8.0f)) % 2 != 0;
                const float line =
                    std::min(std::min(fu, 1 - fu) * 80.0f * t, std::min(fv, 1 - fv) * 40.0f * t);
                const Color base = odd ? hex(0xecd2a0) : hex(0xdcb880);
                return line < 1.1f ? mix(base, hex(0x7a5434), 0.5f) : base;
            }));
    c.paint(rast(Shape::rect(-10, kFloor, kW + 20, 30)),
            Fill::vertical(kFloor, kFloor + 30, {{0, hex(0x3a1a30, 0.4f)}, {1, hex(0x3a1a30, 0.0f)}}));
}

}  // namespace

Scene persianCourtyard() {
    Canvas c(kW, kH, hex(0x000000));
    scene::paintSky(c, {{0, hex(0x1e4a9a)}, {0.6f, hex(0x4a8ed0)}, {1, hex(0xbfe4f0)}}, 170);
    bg::puffyClouds(c, 60, 150, hex(0xdce8f6, 0.85f), hex(0xffffff, 0.9f), 0.4f, 5302u);
    wallFace(c);
    for (int i = 0; i < 5; ++i) bay(c, i);
    screenBay(c, 0);
    shelvedBay(c, 1, 5303u);
    door(c, 2);
    shelvedBay(c, 3, 5304u);
    screenBay(c, 4);
    floor(c);
    return courtyardFront(c, {kBayX[1] + kBayW / 2, kBayX[2] + kBayW / 2, kBayX[3] + kBayW / 2});
}

}  // namespace gen::ho
