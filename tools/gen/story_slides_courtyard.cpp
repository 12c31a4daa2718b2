// The tiled courtyard in the golden afternoon: a long pool leading to a great portal under a turquoise dome,
// arcades of tiled arches either side, cypresses along the water, a fountain, and everything mirrored in
// the pool.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Sky.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr Vec2 kVp{512, 420};
constexpr float kEye = 170;      // the eye's height above the paving
constexpr float kHalf = 600;     // from the pool's middle to the arcades
constexpr float kWallTop = 360;  // the arcades' cornice
constexpr float kPool = 150;     // half the pool's width
constexpr float kRim = 26;
constexpr float kF = 700;     // world units per unit of depth
constexpr float kEnd = 4.6f;  // the portal's wall

Vec2 project(float X, float H, float z) {
    return {kVp.x + X / z, kVp.y - (H - kEye) / z};
}

// The arcade wall at distance u along it and height v: tiled spandrels round pointed arches.
Color arcade(float u, float v, const Fill& tiles) {
    if (v > kWallTop - 44) {
        if (v > kWallTop - 8) return pal::kGoldLight;
        const float dot = std::fmod(u, 22.0f);
        return (dot < 4 && std::fmod(v, 14.0f) < 6) ? hex(0xf8f4e8) : pal::kBlueDeep;
    }
    const float ul = std::fmod(u, 280.0f) - 140;
    const float w = 92, spring = 190, rise = 80;
    const float edge = v < spring ? w : w * (1 - std::pow(clamp01((v - spring) / rise), 1.4f));
    if (std::abs(ul) < edge) {
        const float t = clamp01(v / (spring + rise));
        return mixOklab(hex(0x9a7060), hex(0x1e2a58), std::pow(t, 0.7f));
    }
    if (std::abs(ul) < edge + 12) return mixOklab(hex(0xf6e6c4), hex(0xd8b080), v / kWallTop);
    if (v < 24) return hex(0xc8a070);
    return tiles.at(u, v);
}

// What the ray through (x, y) meets before the portal's wall: paving, pool, rim or arcade; transparent
// beyond (the sky and the portal are painted already).
Color court(float x, float y, const Fill& tiles, const Noise& n) {
    const float dx = x - kVp.x, dy = y - kVp.y;
    const float sFloor = dy / kEye, sWall = std::abs(dx) / kHalf;
    float z = 1e9f;
    bool wall = false;
    if (sWall > 0 && (sFloor <= sWall)) {
        z = 1 / sWall;
        wall = kEye - dy * z < kWallTop;
        if (!wall) z = 1e9f;
    }
    if (!wall && sFloor > 0) z = 1 / sFloor;
    if (z >= kEnd) return {0, 0, 0, 0};
    const float X = dx * z, H = kEye - dy * z, Zw = z * kF;
    Color k;
    if (wall) {
        k = arcade(Zw + (dx < 0 ? 0 : 140), H, tiles);
        // The left arcade faces the sun; the right one lies in soft shade.
        k = dx < 0 ? mixOklab(k, hex(0xffe0a0), 0.12f) : mixOklab(k, hex(0x3a2a50), 0.22f);
    } else if (std::abs(X) < kPool) {
        k = hex(0x10796f);  // the water, covered by the reflections later
    } else if (std::abs(X) < kPool + kRim) {
        k = mixOklab(hex(0xfff0d0), hex(0xc8a878), clamp01((std::abs(X) - kPool) / kRim));
    } else {
        // Paving: cream and terracotta squares with turquoise lines along the rim.
        const float a = std::abs(X) - kPool - kRim;
        if (a < 16) return hex(0x2cc3b5);
        const int i = static_cast<int>(std::floor(a / 70)), j = static_cast<int>(std::floor(Zw / 70));
        k = (i + j) % 2 ? hex(0xe8c898) : hex(0xc87a50);
        if (std::fmod(a, 70.0f) < 3 || std::fmod(Zw, 70.0f) < 3) k = hex(0x8a5a3a);
        k = mixOklab(k, darker(k, 0.2f), n.fbm(X / 80.0f, Zw / 80.0f, 2) * 0.6f);
    }
    // Distance softens everything into the warm air.
    return mixOklab(k, hex(0xf0d8b0), smoothstep(1.0f, kEnd * 1.6f, z));
}

// The portal at the end: the dome behind, minarets, a tiled frame, the deep arched hall with its niches.
void portal(Canvas& c) {
    const float s = 1 / kEnd;
    const float floorY = kVp.y + kEye * s, x0 = kVp.x - kHalf * s, x1 = kVp.x + kHalf * s;
    const float top = kVp.y - (kWallTop - kEye) * s;
    dome(c, {kVp.x, top - 70}, 200, 190, pal::kTurquoise);
    minaret(c, kVp.x - 150, floorY, top - 230, 20);
    minaret(c, kVp.x + 150, floorY, top - 230, 20);
    const Shape wing = Shape::rect(x0, top, x1 - x0, floorY - top);
    inked(c, wing, jigsaw::starTiles(14, pal::kTurquoise), 1.2f);
    const Shape frame = Shape::rect(kVp.x - 110, top - 90, 220, floorY - top + 90);
    inked(c, frame, jigsaw::starTiles(18, hex(0x2a9ec0)), 1.4f);
    inked(c, Shape::rect(kVp.x - 100, top - 82, 200, 16), pal::kBlueDeep, 1.0f);
    const Shape hall = jigsaw::pointedArch(kVp.x - 80, kVp.x + 80, top + 10, 70, floorY);
    inked(c, hall.grown(7), Fill::vertical(top - 60, floorY, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}), 1.0f);
    inked(c, hall,
          Fill::vertical(top - 60, floorY, {{0, hex(0x16204a)}, {0.6f, hex(0x2a3a6e)}, {1, hex(0x7a6a70)}}),
          1.0f);
    Mask niches(kW, kH);
    for (int row = 0; row < 4; ++row) {
        const float y = top - 50 + row * 20, half = 20 + row * 16;
        const int k = 2 + row * 2;
        for (int i = 0; i < k; ++i) {
            const float nx = kVp.x - half + 2 * half * (i + 0.5f) / k, nw = 2 * half / k * 0.7f;
            jigsaw::pointedArch(nx - nw / 2, nx + nw / 2, y + 8, 7, y + 16).drawInto(niches);
        }
    }
    niches.multiply(rast(hall.grown(-4)));
    c.paint(niches, hex(0x4a6ab0, 0.8f));
    inked(c, jigsaw::pointedArch(kVp.x - 30, kVp.x + 30, floorY - 50, 20, floorY),
          Fill::vertical(floorY - 70, floorY, {{0, hex(0xa8602e)}, {1, hex(0x5a2a14)}}), 1.0f);
    for (const float lx : {kVp.x - 60, kVp.x + 60}) lantern(c, {lx, top + 30}, 18, true);
}

void cypress(Canvas& c, Vec2 foot, float h) {
    c.paint(rast(Shape::ellipse(foot + Vec2{h * 0.12f, 0}, h * 0.16f, h * 0.03f)).blurred(h * 0.02f),
            hex(0x1a0a04, 0.35f));
    const Shape t = Shape::ellipse(foot + Vec2{0, -h * 0.52f}, h * 0.085f, h * 0.5f) |
                    Shape::rect(foot.x - h * 0.015f, foot.y - h * 0.06f, h * 0.03f, h * 0.06f);
    inked(c, t,
          Fill::linear(foot + Vec2{-h * 0.12f, -h}, foot + Vec2{h * 0.12f, 0},
                       {{0, hex(0x7aa058)}, {0.45f, hex(0x2e5a32)}, {1, hex(0x10281a)}}),
          std::max(0.8f, h * 0.006f));
    const Noise n(static_cast<uint32_t>(foot.x * 7 + foot.y));
    Mask tufts(kW, kH);
    for (int i = 0; i < 10; ++i) {
        const float yy = foot.y - h * (0.1f + 0.085f * i);
        Shape::ellipse({foot.x - h * 0.04f, yy}, h * 0.05f, h * 0.025f).drawInto(tufts);
    }
    tufts.multiply(rast(t));
    c.paint(tufts, hex(0xa8c878, 0.35f));
}

// The fountain in the pool: a round basin on a foot, a jet and its falling arcs.
void fountain(Canvas& c, float z) {
    const Vec2 b = project(0, 0, z);
    const float s = 1 / z;
    inked(c, Shape::ellipse(b, 110 * s, 26 * s),
          Fill::vertical(b.y - 26 * s, b.y + 26 * s, {{0, hex(0xfff0d0)}, {1, hex(0xb89870)}}), 1.2f);
    c.paint(rast(Shape::ellipse(b + Vec2{0, -4 * s}, 92 * s, 18 * s)),
            Fill::vertical(b.y - 20 * s, b.y + 12 * s, {{0, hex(0x8cf2e4)}, {1, hex(0x2cc3b5)}}));
    inked(c, Shape::rect(b.x - 12 * s, b.y - 70 * s, 24 * s, 66 * s, 4 * s),
          Fill::linear({b.x - 12 * s, 0}, {b.x + 12 * s, 0}, {{0, hex(0xfff0d0)}, {1, hex(0xa88860)}}), 1.0f);
    inked(c, Shape::ellipse(b + Vec2{0, -72 * s}, 40 * s, 10 * s), hud::gold(b.y - 82 * s, b.y - 62 * s),
          1.0f);
    Mask water(kW, kH);
    const Vec2 top = b + Vec2{0, -170 * s};
    Shape::stroke({b + Vec2{0, -76 * s}, top}, {5 * s, 2 * s}).drawInto(water);
    for (const float side : {-1.0f, 1.0f})
        for (const float k : {0.5f, 0.8f}) {
            std::vector<Vec2> arc;
            for (int i = 0; i <= 12; ++i) {
                const float t = i / 12.0f;
                arc.push_back(top +
                              Vec2{side * 90 * k * s * t, (-20 * (1 - t) * t * 4 + 160 * t * t) * s * k});
            }
            Shape::stroke(arc, {2.5f * s, 1.5f * s}).drawInto(water);
        }
    c.paint(water.blurred(0.8f), hex(0xf0fcff, 0.85f));
    lightPool(c, top, {30 * s, 30 * s}, hex(0xffffff, 0.5f));
}

}  // namespace

Canvas roadCourtyard() {
    Canvas c(kW, kH);
    scene::paintSky(
        c, {{0, hex(0x2a5aa8)}, {0.55f, hex(0x6aa0d8)}, {0.85f, hex(0xf0d8b8)}, {1, hex(0xffe0b0)}}, 420);
    scene::paintSunGlow(c, {140, 80}, 340, hex(0xfff0c0), 0.55f);
    bg::puffyClouds(c, 30, 200, hex(0xf8eef0, 0.8f), hex(0xffffff, 0.95f), 0.28f, 5901u);
    portal(c);
    const Fill tiles = jigsaw::starTiles(40, pal::kTurquoise);
    const Noise n(5902u);
    Canvas ground(kW, kH);
    ground.paint(
        bg::everywhere(), Fill([&](float x, float y) {
            Color sum{0, 0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                const Color s = court(x + (k % 2 - 0.5f) * 0.5f, y + (k / 2 - 0.5f) * 0.5f, tiles, n);
                sum = {sum.r + s.r * s.a / 4, sum.g + s.g * s.a / 4, sum.b + s.b * s.a / 4, sum.a + s.a / 4};
            }
            return sum.a > 0 ? Color{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a} : sum;
        }));
    c.draw(ground, 0, 0);
    // Cypresses along the pool, the far ones first.
    for (float z = 4.2f; z >= 1.6f; z -= 0.85f)
        for (const float side : {-1.0f, 1.0f}) cypress(c, project(side * (kPool + kRim + 90), 0, z), 460 / z);
    // The pool mirrors what stands above it, rippled and tinted by the water.
    const Canvas above = c;
    const Mask pool = Shape::polygon({project(-kPool, 0, kEnd * 0.92f), project(kPool, 0, kEnd * 0.92f),
                                      project(kPool, 0, 0.15f), project(-kPool, 0, 0.15f)})
                          .rasterize(kW, kH, 1.2f);
    c.paint(pool, Fill([&](float x, float y) {
                const float dy = y - kVp.y;
                const float z = kEye / std::max(dy, 0.5f);
                const float wob = (n.fbm(x / 30.0f, y / 3.0f, 3) - 0.5f) * 10;
                // Mirrored about the portal's foot: right for the portal, near enough for the sky above it.
                const float foot = kVp.y + kEye / kEnd;
                const float sy = std::clamp(2 * foot - y, 0.0f, kH - 1.0f);
                const Pixel p =
                    above.at(std::clamp(static_cast<int>(x + wob), 0, kW - 1), static_cast<int>(sy));
                const Color ref{p.r, p.g, p.b, 1};
                const float fres = clamp01(0.45f + 0.35f / z);
                return mixOklab(mixOklab(ref, hex(0x0e6a70), 0.3f), hex(0x1a8a8a), 1 - fres);
            }));
    Mask glints(kW, kH);
    Rng rng(5903u);
    for (int i = 0; i < 90; ++i) {
        const float z = rng.range(0.7f, kEnd * 0.9f);
        const Vec2 p = project(rng.range(-kPool, kPool), 0, z);
        Shape::ellipse(p, 8 / z + 1, 0.8f + 0.5f / z).drawInto(glints);
    }
    glints.multiply(pool);
    c.paint(glints, hex(0xffffff, 0.55f), Blend::Screen);
    fountain(c, 2.2f);
    // The golden afternoon light from the left.
    c.paint(bg::everywhere(),
            Fill::linear({0, 0}, {kW, kH}, {{0, hex(0xffd890, 0.12f)}, {1, hex(0x2a1a40, 0.15f)}}));
    finishSlide(c, 0.3f, 5904u);
    return c;
}

}  // namespace gen::slides
