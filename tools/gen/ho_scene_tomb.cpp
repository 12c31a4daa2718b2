// The first hidden-object scene: a painted tomb chamber with a starry ceiling, hieroglyph walls, a niche,
// shelves of offerings, torches, chests and jars, and a sacred pool along the bottom.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr float kCeiling = 96;  // the ceiling's lower edge
constexpr float kWallFoot = 468;
constexpr float kRim = 566;  // the pool's edge
constexpr Vec2 kTorches[] = {{430, 196}, {616, 196}};

// The little signs of the wall's inscriptions, each about `s` high around `p`.
void glyph(Mask& m, int kind, Vec2 p, float s) {
    const float h = s / 2;
    switch (kind % 8) {
        case 0:  // the sun
            (Shape::circle(p, h * 0.7f).outline(1.6f) | Shape::circle(p, 1.4f)).drawInto(m);
            break;
        case 1:  // water
            Shape::stroke(
                {p + Vec2{-h, 0}, p + Vec2{-h / 2, -3}, p + Vec2{0, 0}, p + Vec2{h / 2, -3}, p + Vec2{h, 0}},
                {1.6f})
                .drawInto(m);
            break;
        case 2:  // an eye
            (Shape::ellipse(p, h, h * 0.4f).outline(1.5f) | Shape::circle(p, h * 0.28f) |
             Shape::line(p + Vec2{-h * 0.2f, h * 0.4f}, p + Vec2{-h * 0.5f, h}, 1.4f))
                .drawInto(m);
            break;
        case 3:  // a reed leaf
            Shape::stroke({p + Vec2{0, h}, p + Vec2{-h * 0.3f, 0}, p + Vec2{h * 0.1f, -h}},
                          {2.4f, 2.0f, 0.6f})
                .drawInto(m);
            break;
        case 4:  // a bird
            (Shape::ellipse(p + Vec2{0, h * 0.1f}, h * 0.45f, h * 0.3f) |
             Shape::circle(p + Vec2{h * 0.4f, -h * 0.4f}, h * 0.2f) |
             Shape::polygon(
                 {p + Vec2{-h * 0.3f, 0}, p + Vec2{-h, h * 0.4f}, p + Vec2{-h * 0.2f, h * 0.35f}}) |
             Shape::line(p + Vec2{0, h * 0.35f}, p + Vec2{0, h}, 1.2f))
                .drawInto(m);
            break;
        case 5:  // the sign of life
            (Shape::ellipse(p + Vec2{0, -h * 0.55f}, h * 0.3f, h * 0.4f).outline(1.6f) |
             Shape::line(p + Vec2{-h * 0.55f, -h * 0.1f}, p + Vec2{h * 0.55f, -h * 0.1f}, 2.0f) |
             Shape::line(p + Vec2{0, -h * 0.1f}, p + Vec2{0, h}, 2.0f))
                .drawInto(m);
            break;
        case 6:  // a basket
            (Shape::ellipse(p + Vec2{0, h * 0.2f}, h * 0.8f, h * 0.45f) -
             Shape::rect(p.x - h, p.y - h, s, h * 1.2f))
                .drawInto(m);
            break;
        default:  // a snake
            Shape::stroke(
                {p + Vec2{-h, h * 0.5f}, p + Vec2{-h * 0.3f, h * 0.1f}, p + Vec2{h * 0.2f, h * 0.5f},
                 p + Vec2{h * 0.7f, 0}, p + Vec2{h * 0.6f, -h * 0.5f}},
                {1.4f, 2.0f, 2.0f, 1.8f, 2.6f})
                .drawInto(m);
    }
}

// Columns of inscriptions between ruled lines, the signs in blue, red and black like the old painters'.
void inscription(Canvas& c, float x0, float x1, float y0, float y1, float colW, uint32_t seed) {
    Rng rng(seed);
    Mask rules(kW, kH);
    const Color inks[] = {hex(0x1f4a8a), pal::kTerracottaDeep, hex(0x2e1508), pal::kTurquoiseDeep};
    Mask signs[4] = {Mask(kW, kH), Mask(kW, kH), Mask(kW, kH), Mask(kW, kH)};
    for (float x = x0; x <= x1 + 0.5f; x += colW) Shape::line({x, y0}, {x, y1}, 1.2f).drawInto(rules);
    for (float x = x0 + colW / 2; x < x1; x += colW)
        for (float y = y0 + colW * 0.6f; y < y1 - colW * 0.4f; y += colW * 0.95f)
            glyph(signs[rng.next() % 4], static_cast<int>(rng.next() % 8), {x, y}, colW * 0.62f);
    c.paint(rules, hex(0x5a3418, 0.45f));
    for (int i = 0; i < 4; ++i) c.paint(signs[i], inks[i].fade(0.82f));
}

void ceiling(Canvas& c) {
    c.paint(rast(Shape::rect(-10, -10, kW + 20, kCeiling + 10)),
            Fill::vertical(0, kCeiling, {{0, hex(0x0c1434)}, {1, hex(0x1f3570)}}));
    Mask stars(kW, kH);
    Rng rng(5201u);
    for (float y = 14; y < kCeiling - 14; y += 22)
        for (float x = 16 + (static_cast<int>(y) % 2) * 18; x < kW; x += 36)
            Shape::star({x + rng.range(-3, 3), y}, 5, 5.5f, 2.2f, rng.range(-10, 10)).drawInto(stars);
    c.paint(stars, pal::kGoldLight.fade(0.9f));
    // The frieze under the ceiling: tall rounded stalks in red, turquoise and gold.
    c.paint(rast(Shape::rect(-10, kCeiling - 4, kW + 20, 36)), hex(0xead2a0));
    Mask k[3] = {Mask(kW, kH), Mask(kW, kH), Mask(kW, kH)};
    for (int i = 0; i * 16 < kW + 16; ++i) {
        const float x = i * 16.0f + 2;
        (Shape::rect(x, kCeiling + 4, 10, 22, 4) | Shape::circle({x + 5, kCeiling + 4}, 5))
            .drawInto(k[i % 3]);
    }
    c.paint(k[0], pal::kTerracotta);
    c.paint(k[1], pal::kTurquoiseDeep);
    c.paint(k[2], pal::kGoldDeep);
    c.paint(rast(Shape::rect(-10, kCeiling - 5, kW + 20, 4)), pal::kOutline.fade(0.8f));
    c.paint(rast(Shape::rect(-10, kCeiling + 30, kW + 20, 4)), hex(0x1f3570));
}

// Plaster over the stone, warm where the torches light it, cooler up in the corners.
void wall(Canvas& c) {
    const Noise n(5202u);
    const Gradient plaster{
        {0, hex(0x6a4224)}, {0.45f, hex(0xb8864e)}, {0.8f, hex(0xe2b878)}, {1, hex(0xf2d29a)}};
    c.paint(rast(Shape::rect(-10, kCeiling + 34, kW + 20, kWallFoot - kCeiling - 30)),
            Fill([&](float x, float y) {
                float light = 0.55f - 0.25f * std::abs(x - 520) / 520.0f;
                for (const Vec2& t : kTorches) {
                    const Vec2 d = (Vec2{x, y} - t) / 170.0f;
                    light += 0.32f * std::exp(-dot(d, d));
                }
                const float mottle = (n.fbm(x / 40.0f, y / 40.0f, 4) - 0.5f) * 0.25f;
                return plaster.at(clamp01(light + mottle));
            }));
    // The dado: a painted band of reeds above the floor.
    const float d = kWallFoot - 44;
    c.paint(rast(Shape::rect(-10, d, kW + 20, 44)),
            Fill::vertical(d, kWallFoot, {{0, hex(0x9a5a34)}, {1, hex(0x6a3a22)}}));
    c.paint(rast(Shape::rect(-10, d, kW + 20, 5)), pal::kGold);
    Mask reeds(kW, kH);
    for (float x = 4; x < kW; x += 12)
        Shape::stroke({{x, kWallFoot - 2}, {x + 3, d + 12}, {x + 1, d + 9}}, {2.6f, 1.8f, 0.5f})
            .drawInto(reeds);
    c.paint(reeds, hex(0x2a7a6a, 0.8f));
}

// A deep niche in the wall: shadowed along its top and left where the stone overhangs, a lintel above.
void niche(Canvas& c, float x, float y, float w, float h) {
    const Shape hole = Shape::rect(x, y, w, h);
    inked(c, hole.grown(6), Fill::vertical(y, y + h, {{0, hex(0xf0d49a)}, {1, hex(0xb8864e)}}), 1.2f);
    c.paint(rast(hole),
            Fill::vertical(y, y + h, {{0, hex(0x2a160a)}, {0.6f, hex(0x5a361c)}, {1, hex(0x8a5a30)}}));
    c.paint(rast(Shape::rect(x, y, w, 12) | Shape::rect(x, y, 10, h)), hex(0x140a04, 0.55f));
    c.paint(rast(Shape::rect(x, y + h - 6, w, 6)), hex(0xc8985a));
    inked(c, Shape::rect(x - 14, y - 22, w + 28, 16),
          Fill::vertical(y - 22, y - 6, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.2f);
    c.paint(rast(Shape::circle({x + w / 2, y - 14}, 5)), pal::kTerracotta);
}

// A plank shelf on two brackets, with the shadow it casts.
void shelf(Canvas& c, float x, float y, float w) {
    castShadow(c, Shape::rect(x, y, w, 12), 6, 0.45f);
    for (const float bx : {x + 18, x + w - 28})
        inked(c, Shape::polygon({{bx, y + 10}, {bx + 10, y + 10}, {bx + 10, y + 40}}), hex(0x6a3a1e));
    inked(c, Shape::rect(x, y, w, 12, 2),
          Fill::vertical(y, y + 12, {{0, hex(0xc8864a)}, {1, hex(0x5a2e14)}}));
}

void torch(Canvas& c, Vec2 at) {
    inked(c, Shape::rect(at.x - 3, at.y + 8, 6, 44, 2), hex(0x4a2a14));
    inked(c, Shape::polygon({at + Vec2{-14, -2}, at + Vec2{14, -2}, at + Vec2{8, 12}, at + Vec2{-8, 12}}),
          hud::gold(at.y - 2, at.y + 12), 1.2f);
    inked(c, Shape::rect(at.x - 12, at.y + 48, 24, 6, 2), hud::gold(at.y + 48, at.y + 54), 1.0f);
    flame(c, at + Vec2{0, -1}, 40);
}

}  // namespace

// A papyrus column: fluted shaft, painted bands, an open capital and a round base.
Shape tombColumn(Canvas& c, float cx, float w, float base) {
    const float hw = w / 2, top = kCeiling - 6, capB = top + 90;
    const Gradient shaft{
        {0, hex(0xf6d8a2)}, {0.3f, hex(0xe0b47a)}, {0.75f, hex(0x9a6a3e)}, {1, hex(0x4a2c16)}};
    const Shape body = Shape::rect(cx - hw, capB, w, base - capB);
    const Shape cap =
        Shape::polygon({{cx - hw * 1.45f, top}, {cx + hw * 1.45f, top}, {cx + hw, capB}, {cx - hw, capB}});
    const Shape foot = Shape::ellipse({cx, base}, hw * 1.3f, 12);
    const Shape all = body | cap | foot;
    castShadow(c, all, 14, 0.4f);
    c.paint(rast(all.grown(1.6f)), pal::kOutline.fade(0.9f));
    c.paint(rast(body), Fill([=](float x, float) {
                const float u = (x - (cx - hw)) / w, flute = 0.5f + 0.5f * std::cos(u * kPi * 2 * 6);
                return shaft.at(clamp01(u * 0.95f + 0.07f * flute));
            }));
    const Color bands[] = {pal::kTerracotta, pal::kGold, pal::kTurquoise, pal::kGold, pal::kBlue};
    for (int i = 0; i < 5; ++i)
        c.paint(rast(Shape::rect(cx - hw, capB + 6 + i * 8.0f, w, 6)), Fill([=](float x, float) {
                    return mixOklab(lighter(bands[i], 0.25f), darker(bands[i], 0.55f),
                                    clamp01((x - cx + hw) / w));
                }));
    c.paint(rast(cap), Fill::linear({cx - hw * 1.4f, 0}, {cx + hw * 1.4f, 0},
                                    {{0, hex(0xf8dca6)}, {0.45f, hex(0xd8a868)}, {1, hex(0x5a3418)}}));
    Mask petals(kW, kH);
    for (int i = -3; i <= 3; ++i)
        Shape::stroke({{cx + i * hw * 0.2f, capB - 4}, {cx + i * hw * 0.4f, top + 10}}, {2.0f, 4.0f})
            .drawInto(petals);
    c.paint(petals, hex(0x2a7a6a, 0.8f));
    c.paint(rast(foot),
            Fill::linear({cx - hw * 1.3f, 0}, {cx + hw * 1.3f, 0}, {{0, hex(0xe8c48a)}, {1, hex(0x4a2c16)}}));
    // Inscriptions running down the shaft.
    inscription(c, cx - hw * 0.45f, cx + hw * 0.45f, capB + 52, base - 30, hw * 0.9f,
                static_cast<uint32_t>(cx));
    return all;
}

namespace {

void floorAndPool(Canvas& c) {
    c.paint(rast(Shape::rect(-10, kWallFoot, kW + 20, kRim - kWallFoot)),
            Fill::vertical(kWallFoot, kRim, {{0, hex(0x7a5030)}, {1, hex(0xb8864e)}}));
    Mask joints(kW, kH);
    const Vec2 eye{512, 250};
    for (int i = -12; i <= 12; ++i) {
        const Vec2 b{eye.x + i * 110.0f, kRim};
        const float t = (kWallFoot - eye.y) / (b.y - eye.y);
        Shape::line(lerp(eye, b, t), b, 1.3f).drawInto(joints);
    }
    for (const float y : {494.0f, 526.0f}) Shape::line({-10, y}, {kW + 10.0f, y}, 1.2f).drawInto(joints);
    c.paint(joints, hex(0x2e1508, 0.35f));
    c.paint(rast(Shape::rect(-10, kWallFoot, kW + 20, 16)),
            Fill::vertical(kWallFoot, kWallFoot + 16, {{0, hex(0x1a0a04, 0.5f)}, {1, hex(0x1a0a04, 0)}}));
    // The pool's lit coping, then the water to the bottom of the screen.
    inked(c, Shape::rect(-10, kRim, kW + 20, 16),
          Fill::vertical(kRim, kRim + 16, {{0, hex(0xf6dcaa)}, {1, hex(0xa8784a)}}));
    const float w0 = kRim + 16;
    const Shape water = Shape::rect(-10, w0, kW + 20, kH - w0 + 10);
    c.paint(rast(water),
            Fill::vertical(w0, kH, {{0, hex(0x0e3a48)}, {0.35f, pal::kTurquoiseDeep}, {1, hex(0x1a8a8a)}}));
    c.paint(rast(Shape::rect(-10, w0, kW + 20, 14)), hex(0x06141a, 0.5f));
    const Noise n(5203u);
    Mask glints(kW, kH);
    for (int y = static_cast<int>(w0) + 8; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            float v = 0;
            for (const Vec2& t : kTorches) v += std::exp(-std::pow((x - t.x) / 60.0f, 2.0f));
            glints.at(x, y) = smoothstep(0.6f, 0.78f, n.fbm(x / 24.0f, y / 3.5f, 3)) * (0.35f + 0.65f * v);
        }
    c.paint(glints, hex(0xd8fff4, 0.55f), Blend::Screen);
    // Lotus leaves and flowers along the near water.
    Rng rng(5204u);
    for (int i = 0; i < 9; ++i) {
        const Vec2 m{i < 5 ? rng.range(20, 260) : rng.range(740, 1010), rng.range(604, 700)};
        const float s = rng.range(16, 26);
        const Shape pad =
            Shape::ellipse(m, s, s * 0.3f) - Shape::polygon({m, m + Vec2{s, -2}, m + Vec2{s, 4}});
        inked(c, pad, Fill::vertical(m.y - 6, m.y + 6, {{0, hex(0x8ab85a)}, {1, hex(0x3a6a3a)}}), 1.0f);
    }
}

// Wall hangings between the inscriptions: the hawk's wings above the niche.
void wings(Canvas& c, Vec2 m) {
    Mask w(kW, kH);
    for (int side = -1; side <= 1; side += 2)
        for (int row = 0; row < 3; ++row) {
            const float s = static_cast<float>(side), y0 = m.y - 8 + row * 8.0f, len = 110 - row * 26.0f;
            Path p;
            p.moveTo({m.x + s * 12, y0})
                .quadTo({m.x + s * len * 0.55f, y0 - 16 + row * 5.0f}, {m.x + s * len, y0 - 10 + row * 6.0f})
                .quadTo({m.x + s * len * 0.6f, y0 + 2 + row * 3.0f}, {m.x + s * 12, y0 + 10});
            Shape::polygon(p.points()).drawInto(w);
        }
    c.paint(w.blurred(0.5f).levels(0.0f, 0.5f), pal::kOutline.fade(0.7f));
    c.paint(w,
            Fill::vertical(m.y - 24, m.y + 16, {{0, hex(0xffe7a0)}, {0.5f, pal::kGold}, {1, hex(0x2a7a8a)}}));
    inked(c, Shape::circle(m, 12),
          Fill::radial(m + Vec2{-4, -4}, 16, {{0, hex(0xffd0a0)}, {1, pal::kTerracottaDeep}}));
}

// A painted panel under the niche: the sun's boat on the waters of the sky.
void sunBoat(Canvas& c, float x, float y, float w, float h) {
    inked(c, Shape::rect(x - 6, y - 6, w + 12, h + 12), hud::gold(y - 6, y + h + 6), 1.2f);
    c.paint(rast(Shape::rect(x, y, w, h)),
            Fill::vertical(y, y + h, {{0, hex(0x1f3570)}, {1, hex(0x2b4a8a)}}));
    Mask waves(kW, kH);
    for (float wy = y + h - 22; wy < y + h - 4; wy += 7)
        for (float wx = x + 6; wx < x + w - 10; wx += 14)
            Shape::stroke({{wx, wy}, {wx + 4, wy - 3}, {wx + 8, wy}, {wx + 12, wy - 3}}, {1.3f})
                .drawInto(waves);
    c.paint(waves, pal::kTurquoiseLight.fade(0.8f));
    const Vec2 m{x + w / 2, y + h - 30};
    Path hull;
    hull.moveTo(m + Vec2{-w * 0.42f, -18})
        .quadTo(m + Vec2{-w * 0.2f, 10}, m + Vec2{0, 8})
        .quadTo(m + Vec2{w * 0.2f, 10}, m + Vec2{w * 0.42f, -18})
        .quadTo(m + Vec2{w * 0.2f, -2}, m + Vec2{0, -2})
        .quadTo(m + Vec2{-w * 0.2f, -2}, m + Vec2{-w * 0.42f, -18});
    inked(c, Shape::polygon(hull.points()), hud::gold(m.y - 18, m.y + 10), 1.2f);
    inked(c, Shape::circle(m + Vec2{0, -26}, 18),
          Fill::radial(m + Vec2{-6, -32}, 22,
                       {{0, hex(0xffd8a0)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}));
    for (const float sx : {-1.0f, 1.0f})
        inked(c,
              Shape::rect(m.x + sx * 34 - 5, m.y - 34, 10, 30, 4) | Shape::circle(m + Vec2{sx * 34, -40}, 6),
              sx < 0 ? Fill(hex(0x2a8a8a)) : Fill(hex(0xf0e6d0)), 1.0f);
}

}  // namespace

Scene tombChamber() {
    Canvas c(kW, kH, hex(0x000000));
    wall(c);
    ceiling(c);
    inscription(c, 170, 410, 146, 236, 24, 5210u);
    inscription(c, 660, 860, 146, 176, 20, 5211u);
    inscription(c, 170, 410, 300, 400, 20, 5212u);
    inscription(c, 760, 860, 186, 290, 20, 5213u);
    wings(c, {523, 128});
    sunBoat(c, 446, 310, 156, 104);
    niche(c, 478, 170, 90, 112);
    niche(c, 664, 196, 74, 66);
    shelf(c, 164, 256, 260);
    shelf(c, 150, 394, 200);
    shelf(c, 654, 350, 210);
    floorAndPool(c);
    for (const Vec2& t : kTorches) torch(c, t);
    tombColumn(c, 70, 84, 560);
    const Vec2 lamp = tombProps(c);
    Scene s = tombForeground(c);
    s.lamps = {kTorches[0] + Vec2{0, -18}, kTorches[1] + Vec2{0, -18}, lamp};
    s.band = {80, 624, 920, 660};
    s.movers = {fish(84, 36, hex(0xd0a050), hex(0xf8ecc8), hex(0xc05a30), 5221u),
                fish(70, 32, hex(0x5a8aa0), hex(0xe8f0e0), hex(0x2a5a7a), 5222u),
                fish(62, 30, hex(0xe88a4a), hex(0xfff0d8), hex(0xb8401e), 5223u)};
    return s;
}

}  // namespace gen::ho
