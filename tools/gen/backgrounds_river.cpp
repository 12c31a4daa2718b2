// The river in the morning: the far bank with its palm groves under pale cliffs, a broad calm stream with
// a felucca under sail, and papyrus on the near bank.
#include <cmath>

#include "backgrounds_art.h"
#include "paint/Effects.h"
#include "paint/Noise.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"

namespace gen::bg {

using namespace scene;

namespace {

constexpr float kFarBank = 372;  // where the far bank meets the water
constexpr Vec2 kSun{150, 186};

// Low cliffs far away: a flat-topped ridge with gullies, veiled by the morning haze.
void cliffs(Canvas& c) {
    const Noise n(91u);
    std::vector<Vec2> top{{-10, kFarBank}};
    for (int x = -10; x <= kW + 10; x += 4) {
        const float fx = static_cast<float>(x);
        const float mesa = smoothstep(0.35f, 0.6f, n.fbm(fx / 260.0f, 0.5f, 3));
        top.push_back({fx, 336 - 26 * mesa - 6 * n.fbm(fx / 30.0f, 3.5f, 2)});
    }
    top.push_back({kW + 10.0f, kFarBank});
    const Shape ridge = Shape::polygon(top);
    c.paint(ridge.rasterize(kW, kH, 1.2f),
            Fill::vertical(300, kFarBank, {{0, hex(0xe6c6b0)}, {1, hex(0xc9a48e)}}));
    // Gullies in shade.
    Mask gullies(kW, kH);
    for (int i = 0; i < 28; ++i) {
        const float x = 20.0f + i * 37.0f + 12 * n.value(i * 1.7f, 2.0f);
        Shape::stroke({{x, 326}, {x + 3, 348}, {x + 2, kFarBank}}, {0.6f, 3.0f, 5.0f}).drawInto(gullies);
    }
    gullies.multiply(ridge.rasterize(kW, kH));
    c.paint(gullies, hex(0xa88a8a, 0.2f));
}

// The far bank: a strip of green fields and a line of palms.
Mask farBank(Canvas& c) {
    Mask trees(kW, kH);
    Rng rng(92u);
    for (float x = 250; x < kW + 30; x += rng.range(22, 46))
        drawPalm(trees, {{x, kFarBank + 2},
                         rng.range(38, 62),
                         rng.range(-8, 8),
                         0.22f,
                         rng.range(-10, 10),
                         93u + static_cast<uint32_t>(x)});
    // Thicker bushes between them.
    for (float x = -10; x < kW + 10; x += 14)
        Shape::ellipse({x, kFarBank - 2}, rng.range(8, 16), rng.range(4, 8)).drawInto(trees);
    c.paint(trees, Fill::vertical(kFarBank - 70, kFarBank, {{0, hex(0x6a8a5a)}, {1, hex(0x3e5e40)}}));
    c.paint(trees, hex(0xd8c8b8, 0.35f));
    c.paint(Shape::rect(-10, kFarBank - 2, kW + 20, 5).rasterize(kW, kH), hex(0x6a7a4a));
    return trees;
}

void river(Canvas& c, const Mask& bankTrees) {
    const Shape water = Shape::rect(-10, kFarBank + 2, kW + 20, kH);
    const Mask w = water.rasterize(kW, kH);
    c.paint(w, Fill::vertical(
                   kFarBank, 640,
                   {{0, hex(0xd6e6e6)}, {0.15f, hex(0x9ccfd8)}, {0.5f, hex(0x4fa3b6)}, {1, hex(0x1f6f8c)}}));
    // The far bank mirrored, then the sun's glitter in a broken column.
    Mask refl = reflection(bankTrees, kFarBank + 3, 40, 94u);
    refl.multiply(w);
    c.paint(refl, hex(0x3e6a5a, 0.5f));
    const Noise n(95u);
    Mask glitter(kW, kH), ripples(kW, kH);
    for (int y = static_cast<int>(kFarBank) + 4; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const float depth = (y - kFarBank) / (kH - kFarBank);
            const float band = std::sin((y + 8 * n.fbm(x / 120.0f, y / 12.0f, 2)) * (1.2f - 0.6f * depth));
            const float dash = smoothstep(0.55f, 0.8f, n.fbm(x / (30.0f + 60 * depth), y / 5.0f, 3));
            const float col = std::exp(-std::pow((x - kSun.x) / (28.0f + 60.0f * depth), 2.0f));
            glitter.at(x, y) = smoothstep(0.6f, 1.0f, band) * dash * col;
            ripples.at(x, y) = smoothstep(0.8f, 1.0f, band) * dash * 0.6f;
        }
    c.paint(ripples, hex(0xeaf8ff, 0.35f), Blend::Screen);
    c.paint(glitter, hex(0xfff2c8, 0.9f), Blend::Screen);
}

void paintFelucca(Canvas& c, Vec2 at, float size, float haze) {
    const Felucca f = felucca(at, size);
    Mask all = f.hull.rasterize(kW, kH, 1.2f);
    all.unite(f.sail.rasterize(kW, kH, 1.2f));
    all.unite(f.mast.rasterize(kW, kH, 1.0f));
    Mask refl = reflection(all, at.y + 1, size * 0.5f, 96u);
    c.paint(refl, hex(0x1a3a4a, 0.22f * (1 - haze)));
    const Color veil = hex(0xd6e6e6);
    auto v = [&](Color col) { return mixOklab(col, veil, haze); };
    const Rect sb = f.sail.bounds();
    c.paint(f.sail.rasterize(kW, kH, 1.2f),
            Fill::linear({sb.x0, sb.y0}, {sb.x1, sb.y1},
                         {{0, v(hex(0xfffaf0))}, {0.55f, v(hex(0xf0e2c8))}, {1, v(hex(0xb8a48a))}}));
    // Seams across the sail.
    Mask seams(kW, kH);
    for (float t = 0.2f; t < 0.9f; t += 0.16f)
        Shape::line({sb.x0 + (sb.x1 - sb.x0) * t, sb.y0}, {sb.x0 + (sb.x1 - sb.x0) * (t - 0.25f), sb.y1},
                    size * 0.008f)
            .drawInto(seams);
    seams.multiply(f.sail.rasterize(kW, kH));
    c.paint(seams, v(hex(0xa08a70)).withAlpha(0.35f));
    c.paint(f.mast.rasterize(kW, kH, 1.0f), v(hex(0x4a2c18)));
    const Rect hb = f.hull.bounds();
    c.paint(f.hull.rasterize(kW, kH, 1.2f),
            Fill::vertical(hb.y0, hb.y1,
                           {{0, v(hex(0xb06a3a))}, {0.35f, v(hex(0x6a3a1e))}, {1, v(hex(0x3a1e0e))}}));
    c.paint(Shape::line({hb.x0 + size * 0.06f, hb.y0 + size * 0.05f},
                        {hb.x1 - size * 0.04f, hb.y0 + size * 0.02f}, size * 0.012f)
                .rasterize(kW, kH),
            v(hex(0x2cc3b5)).withAlpha(0.8f));
}

}  // namespace

Canvas riverMorning() {
    Canvas c(kW, kH);
    paintSky(c,
             {{0.0f, hex(0x5a96d0)}, {0.45f, hex(0x96c4e0)}, {0.82f, hex(0xeed8bc)}, {1.0f, hex(0xffe2b4)}},
             372);
    paintSunGlow(c, kSun, 250, hex(0xffe0a0), 0.75f);
    paintSunDisc(c, kSun, 30);
    puffyClouds(c, 80, 260, hex(0xf2e2e0, 0.75f), hex(0xfff8ee, 0.8f), 0.3f, 97u);
    haze(c, 240, 372, hex(0xf6e2c8, 0.45f));
    cliffs(c);
    haze(c, 300, 372, hex(0xf2e4d4, 0.35f));
    const Mask trees = farBank(c);
    river(c, trees);
    paintFelucca(c, {312, 398}, 34, 0.45f);
    paintFelucca(c, {560, 478}, 112, 0.0f);
    Mask birds(kW, kH);
    bird({420, 150}, 14, 3).drawInto(birds);
    bird({446, 136}, 11, 2).drawInto(birds);
    c.paint(birds, hex(0x3a3a4a, 0.7f));

    // The near bank: a low sandy shore with papyrus thickets at both ends.
    Ridge shore(kW, {.base = 652,
                     .amplitude = 20,
                     .wavelength = 520,
                     .phase = 0.2f,
                     .skew = 0.2f,
                     .wobble = 8,
                     .seed = 98});
    shore.flatten(220, 560, 160, 676);
    paintDunes(c, shore,
               {.lit = hex(0xf0cf98),
                .shade = hex(0xa87a50),
                .deep = hex(0x8a6240),
                .depth = 90,
                .rim = 0.35f,
                .ripples = 0.03f,
                .seed = 99});
    Mask tall = papyrus(-20, 160, 676, 250, 22, 100u);
    tall.unite(papyrus(640, 820, 668, 240, 22, 101u));
    Mask shortReeds = reeds(-10, 190, 682, 70, 60, 102u);
    shortReeds.unite(reeds(600, 800, 676, 64, 56, 103u));
    paintLitShape(c, tall,
                  Fill::vertical(420, 700, {{0, hex(0x7aa846)}, {0.5f, hex(0x4a7a32)}, {1, hex(0x2a4a24)}}),
                  hex(0xfff2b0, 0.6f), 1);
    paintLitShape(c, shortReeds, Fill::vertical(600, 700, {{0, hex(0x8ab84e)}, {1, hex(0x2e5a28)}}),
                  hex(0xf6ffc0, 0.5f), 1);
    vignette(c, 0.25f, hex(0x1a2a3a));
    return c;
}

}  // namespace gen::bg
