// Daylight scenes: golden dunes at noon with a distant pyramid, and an oasis pool among palms.
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

void distantPyramids(Canvas& c, Color lit, Color shade, Color veil) {
    Mask litM(kW, kH), shadeM(kW, kH);
    for (const PyramidFaces& p : {pyramid({598, 286}, 200, 392, -22), pyramid({706, 330}, 104, 392, -12)}) {
        p.lit.drawInto(litM);
        p.shade.drawInto(shadeM);
    }
    shadeM.subtract(litM);
    c.paint(litM, Fill::vertical(286, 392, {{0, lighter(lit, 0.2f)}, {1, lit}}));
    c.paint(shadeM, Fill::vertical(286, 392, {{0, shade}, {1, darker(shade, 0.08f)}}));
    Mask both = litM;
    both.unite(shadeM);
    c.paint(both, veil);
}

void dryTufts(Canvas& c, std::initializer_list<Vec2> spots, float height, uint32_t seed, Color body,
              Color rim) {
    Mask m(kW, kH);
    for (Vec2 p : spots) drawTuft(m, p, height, seed++);
    paintSilhouette(c, m, body, rim, 1);
}

// A toppled column drum and a carved block half sunk in the sand at the lower left.
void ruin(Canvas& c) {
    const Shape block = Shape::polygon({{-10, 628}, {96, 618}, {104, 712}, {-10, 720}});
    dropShadow(c, (block | Shape::rect(118, 660, 70, 40, 4)).rasterize(kW, kH), {10, 4}, 6,
               hex(0x8a5a2a, 0.45f));
    const Shape top = Shape::polygon({{-10, 628}, {96, 618}, {84, 604}, {-10, 612}});
    c.paint(block.rasterize(kW, kH, 1.2f),
            Fill::linear({0, 620}, {104, 712}, {{0, hex(0xe8c48a)}, {1, hex(0xa8784a)}}));
    c.paint(top.rasterize(kW, kH, 1.2f), Fill::vertical(604, 628, {{0, hex(0xfbe4b4)}, {1, hex(0xf0d09a)}}));
    // A carved eye and a few signs on its face.
    Mask signs(kW, kH);
    Shape::ellipse({46, 652}, 14, 6).outline(2.0f).drawInto(signs);
    Shape::circle({46, 652}, 3.5f).drawInto(signs);
    Shape::stroke({{34, 660}, {36, 672}, {30, 678}}, {2.0f, 1.6f}).drawInto(signs);
    Shape::line({14, 640}, {14, 690}, 2.0f).drawInto(signs);
    Shape::line({78, 638}, {80, 688}, 2.0f).drawInto(signs);
    c.paint(signs.shifted(1, 1), hex(0xfff0cc, 0.5f));
    c.paint(signs, hex(0x6a4020, 0.6f));
    c.paint(block.outline(1.2f).rasterize(kW, kH), hex(0x5a3418, 0.5f));
    // The drum: a short cylinder lying on its side.
    const Shape drum = Shape::rect(118, 660, 70, 40, 4);
    c.paint(drum.rasterize(kW, kH, 1.2f),
            Fill::vertical(660, 700, {{0, hex(0xfbe0ac)}, {0.5f, hex(0xdcb07a)}, {1, hex(0x9a6c40)}}));
    c.paint(Shape::ellipse({188, 680}, 9, 20).rasterize(kW, kH, 1.2f),
            Fill::linear({180, 660}, {196, 700}, {{0, hex(0xf0cc94)}, {1, hex(0xb08050)}}));
    c.paint(Shape::ellipse({188, 680}, 9, 20).outline(1.2f).rasterize(kW, kH), hex(0x5a3418, 0.45f));
}

}  // namespace

Canvas noonDunes() {
    Canvas c(kW, kH);
    const Vec2 sun{118, 92};
    paintSky(c, {{0.0f, hex(0x2f6fb8)}, {0.4f, hex(0x5f9fd6)}, {0.78f, hex(0xa9d3e6)}, {1.0f, hex(0xefe6c8)}},
             392);
    paintSunGlow(c, sun, 260, hex(0xfff4d0), 0.75f);
    paintSunDisc(c, sun, 30);
    // At noon the disc burns nearly white.
    c.paint(
        Shape::circle(sun, 27).rasterize(kW, kH, 2.0f),
        Fill::radial(sun - Vec2{6, 7}, 34, {{0, hex(0xffffff)}, {0.6f, hex(0xfffbe6)}, {1, hex(0xffe9a8)}}));
    puffyClouds(c, 150, 330, hex(0xe4eef6, 0.85f), hex(0xffffff, 0.85f), 0.35f, 11u);
    haze(c, 250, 392, hex(0xf3ead0, 0.45f));
    distantPyramids(c, hex(0xf2cf92), hex(0xb98a5c), hex(0xd7e2e2, 0.25f));

    Ridge far(kW, {.base = 398, .amplitude = 12, .wavelength = 240, .phase = 0.3f, .wobble = 5, .seed = 12});
    paintDunes(c, far,
               {.lit = hex(0xf4ddac),
                .shade = hex(0xd2ad80),
                .deep = hex(0xdcbb8e),
                .depth = 50,
                .haze = hex(0xe6e4d4, 0.4f),
                .rim = 0.25f,
                .seed = 13});
    Ridge mid(kW, {.base = 452, .amplitude = 30, .wavelength = 430, .phase = 0.62f, .wobble = 8, .seed = 14});
    paintDunes(c, mid,
               {.lit = hex(0xf8da9e),
                .shade = hex(0xd09a5e),
                .deep = hex(0xdcae72),
                .depth = 90,
                .haze = hex(0xf0e2c0, 0.18f),
                .rim = 0.3f,
                .ripples = 0.02f,
                .seed = 15});
    Ridge near(kW,
               {.base = 548, .amplitude = 44, .wavelength = 640, .phase = 0.15f, .wobble = 10, .seed = 16});
    paintDunes(c, near,
               {.lit = hex(0xfbdc9f),
                .shade = hex(0xc98a4c),
                .deep = hex(0xd6a265),
                .depth = 130,
                .rim = 0.3f,
                .ripples = 0.035f,
                .seed = 17});
    ruin(c);
    Ridge fore(kW,
               {.base = 668, .amplitude = 46, .wavelength = 820, .phase = 0.7f, .wobble = 10, .seed = 18});
    fore.flatten(250, 620, 200, 700);
    paintDunes(c, fore,
               {.lit = hex(0xfde1a6),
                .shade = hex(0xbf7d42),
                .deep = hex(0xc99055),
                .depth = 150,
                .rim = 0.35f,
                .ripples = 0.05f,
                .seed = 19});
    dryTufts(c, {{24, 706}, {48, 712}, {74, 708}, {742, 690}, {762, 696}}, 22, 20u, hex(0x7a5a2a),
             hex(0xfff0b0, 0.6f));
    vignette(c, 0.22f, hex(0x6a3a10));
    return c;
}

Canvas oasisPool() {
    Canvas c(kW, kH);
    const Vec2 sun{128, 96};
    paintSky(c,
             {{0.0f, hex(0x2f7cc0)}, {0.45f, hex(0x6cb8dc)}, {0.82f, hex(0xbfe6e4)}, {1.0f, hex(0xf3ead0)}},
             390);
    paintSunGlow(c, sun, 240, hex(0xfff2cc), 0.7f);
    paintSunDisc(c, sun, 28);
    puffyClouds(c, 120, 300, hex(0xe6f0f6, 0.8f), hex(0xffffff, 0.85f), 0.3f, 31u);
    haze(c, 260, 390, hex(0xf2ecd6, 0.4f));

    Ridge far(kW, {.base = 396, .amplitude = 10, .wavelength = 260, .phase = 0.4f, .wobble = 5, .seed = 32});
    paintDunes(c, far,
               {.lit = hex(0xf1dcae),
                .shade = hex(0xd0b089),
                .deep = hex(0xdcc196),
                .depth = 40,
                .haze = hex(0xe4ead8, 0.45f),
                .rim = 0.2f,
                .seed = 33});
    // A grove far off on the horizon, veiled by the distance.
    const PalmLook farLook{hex(0x3f6a3a), hex(0x7a9a5a), hex(0x6a5840), hex(0x9a8460), 0.55f, hex(0xd8e2d0)};
    uint32_t seed = 40;
    for (float x : {448.0f, 486.0f, 700.0f, 742.0f, 860.0f})
        paintPalm(c, {{x, 404}, 70 + 14 * std::sin(x), 6, 0.28f, 0, seed++}, farLook);

    Ridge mid(kW, {.base = 446, .amplitude = 22, .wavelength = 380, .phase = 0.1f, .wobble = 8, .seed = 34});
    paintDunes(c, mid,
               {.lit = hex(0xf6d8a0),
                .shade = hex(0xcf9f68),
                .deep = hex(0xd9ae78),
                .depth = 80,
                .haze = hex(0xf0e4c6, 0.2f),
                .rim = 0.3f,
                .seed = 35});

    // The pool: damp sand round it, water from sky-pale far off to deep turquoise close by.
    std::vector<Vec2> rim;
    const Noise shore(38u);
    for (int i = 0; i < 96; ++i) {
        const float a = 360.0f * i / 96.0f;
        const Vec2 d = polar({0, 0}, 1.0f, a);
        const float k = 1.0f + 0.1f * (shore.fbm(d.x * 1.6f + 3, d.y * 1.6f + 3, 3) - 0.5f);
        rim.push_back(Vec2{392, 540} + Vec2{d.x * 335 * k, d.y * 56 * k});
    }
    const Shape pool = Shape::polygon(rim);
    c.paint(pool.grown(16).rasterize(kW, kH, 14.0f), hex(0xb88a58, 0.5f));
    c.paint(pool.grown(4).rasterize(kW, kH, 3.0f), hex(0x7a5a3a, 0.65f));
    const Mask water = pool.rasterize(kW, kH, 1.5f);
    c.paint(water,
            Fill::vertical(
                482, 600,
                {{0, hex(0xb4efe2)}, {0.25f, hex(0x5fd4c4)}, {0.6f, hex(0x23a99f)}, {1, hex(0x0e6f6c)}}));
    // Back palms on the far shore and their broken reflections.
    Mask backPalms(kW, kH);
    const PalmSpec backSpecs[] = {{{212, 490}, 150, 18, 0.5f, 6, 41},
                                  {{258, 488}, 108, -8, 0.38f, -8, 42},
                                  {{586, 487}, 132, -16, 0.45f, 0, 43}};
    for (const PalmSpec& p : backSpecs) drawPalm(backPalms, p);
    Mask refl = reflection(backPalms, 488, 70, 44);
    refl.multiply(water);
    c.paint(refl, hex(0x0d5a52, 0.45f));
    const PalmLook backLook{hex(0x2f6a34), hex(0x8ac25a), hex(0x6a4a2a), hex(0xb89060), 0.2f, hex(0xe0e8d8)};
    for (const PalmSpec& p : backSpecs) paintPalm(c, p, backLook);
    // Ripples and the glitter of the sun.
    const Noise n(45u);
    Mask ripples(kW, kH);
    for (int y = 480; y < 600; ++y)
        for (int x = 50; x < 750; ++x) {
            const float band = std::sin((y + 6 * n.fbm(x / 80.0f, y / 10.0f, 2)) * 1.3f);
            const float patch = smoothstep(0.55f, 0.75f, n.fbm(x / 60.0f, y / 6.0f, 3));
            ripples.at(x, y) = smoothstep(0.75f, 1.0f, band) * patch;
        }
    ripples.multiply(water);
    c.paint(ripples, hex(0xe8fff8, 0.45f), Blend::Screen);
    c.paint(pool.outline(1.5f).rasterize(kW, kH, 1.5f), hex(0xfff6d8, 0.5f), Blend::Screen);
    // A few lily pads near the banks.
    Rng rng(53u);
    for (Vec2 p :
         {Vec2{110, 548}, Vec2{132, 560}, Vec2{96, 534}, Vec2{668, 552}, Vec2{690, 540}, Vec2{650, 566}}) {
        const float r = rng.range(6, 9);
        const Shape pad = Shape::ellipse(p, r, r * 0.38f) -
                          Shape::polygon({p, p + Vec2{r, -0.2f * r}, p + Vec2{r, 0.3f * r}});
        c.paint(pad.rasterize(kW, kH, 1.2f),
                Fill::vertical(p.y - 3, p.y + 3, {{0, hex(0x8cc65a)}, {1, hex(0x3e7a34)}}));
    }

    // The near bank rises a little over the water's edge.
    Ridge bank(kW, {.base = 586,
                    .amplitude = 9,
                    .wavelength = 230,
                    .phase = 0.3f,
                    .skew = 0.2f,
                    .wobble = 6,
                    .seed = 54});
    paintDunes(c, bank,
               {.lit = hex(0xf2cf94),
                .shade = hex(0xb88150),
                .deep = hex(0xd9a872),
                .depth = 60,
                .rim = 0.45f,
                .ripples = 0.02f,
                .seed = 55});
    Mask shoreReeds = reeds(60, 180, 590, 40, 46, 46);
    shoreReeds.unite(reeds(620, 740, 586, 36, 40, 47));
    paintLitShape(c, shoreReeds, Fill::vertical(556, 600, {{0, hex(0x8ab84e)}, {1, hex(0x3a6a2a)}}),
                  hex(0xf0ffb0, 0.5f), 1);

    Ridge fore(kW,
               {.base = 668, .amplitude = 34, .wavelength = 760, .phase = 0.35f, .wobble = 8, .seed = 36});
    fore.flatten(200, 600, 180, 690);
    paintDunes(c, fore,
               {.lit = hex(0xfbdca0),
                .shade = hex(0xc58850),
                .deep = hex(0xcf9860),
                .depth = 130,
                .rim = 0.3f,
                .ripples = 0.04f,
                .seed = 37});
    const PalmLook near{hex(0x1c5229), hex(0x7cbf4a), hex(0x4e321a), hex(0xb88a56)};
    paintPalm(c, {{128, 650}, 230, -24, 0.66f, -4, 48}, near);
    paintPalm(c, {{694, 640}, 210, 26, 0.62f, 6, 49}, near);
    paintPalm(c, {{52, 760}, 470, 70, 1.1f, 6, 50}, near);
    paintPalm(c, {{756, 740}, 420, -64, 1.0f, -8, 51}, near);
    dryTufts(c, {{250, 700}, {280, 706}, {520, 700}}, 20, 52u, hex(0x5a7a2a), hex(0xf0ffb0, 0.5f));
    vignette(c, 0.22f, hex(0x3a4a20));
    return c;
}

}  // namespace gen::bg
