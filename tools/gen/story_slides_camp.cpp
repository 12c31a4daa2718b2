// The expedition's camp at the desert's edge: tents, crates, resting camels, palms and a pyramid far off,
// the guide by the fire at dusk; then the same camp under a starry night, lamps lit and everyone by the fire.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr Vec2 kFire{548, 640};
constexpr Vec2 kSun{846, 404};

// The tent's open door: dark, or glowing with the lamp inside.
void tentDoor(Canvas& c, Vec2 apex, float w, float h, bool lampLit) {
    const Shape door =
        Shape::polygon({apex + Vec2{0, h * 0.18f}, apex + Vec2{w * 0.2f, h}, apex + Vec2{-w * 0.16f, h}});
    c.paint(rast(door), lampLit
                            ? Fill::radial(apex + Vec2{0, h * 0.8f}, h * 0.75f,
                                           {{0, hex(0xfff0b0)}, {0.5f, hex(0xffb040)}, {1, hex(0xa05020)}})
                            : Fill(hex(0x3a2010)));
}

// A ridge tent seen from the front left: the lit front with its open door, the long roof behind.
void tent(Canvas& c, Vec2 apex, float w, float h, float depth, bool lampLit) {
    const Vec2 bl = apex + Vec2{-w / 2, h}, br = apex + Vec2{w / 2, h};
    const Vec2 back = apex + Vec2{depth, -depth * 0.12f}, backR = br + Vec2{depth, -depth * 0.12f};
    c.paint(rast(Shape::polygon({bl, br, backR + Vec2{20, 6}, bl + Vec2{40, 10}})).blurred(6),
            hex(0x2a1408, 0.35f));
    inked(c, Shape::polygon({apex, back, backR, br}),
          Fill::linear(apex, backR, {{0, hex(0xd8b888)}, {1, hex(0x9a7a5a)}}), 1.6f);
    const Shape front = Shape::polygon({apex, br, bl});
    inked(c, front, Fill::linear(apex, br, {{0, hex(0xfff0d0)}, {1, hex(0xd0ac78)}}), 1.6f);
    tentDoor(c, apex, w, h, lampLit);
    // The flap tied back to the left, and a few seams and guy ropes.
    inked(c,
          Shape::polygon({apex + Vec2{0, h * 0.18f}, apex + Vec2{-w * 0.16f, h}, apex + Vec2{-w * 0.28f, h},
                          apex + Vec2{-w * 0.05f, h * 0.3f}}),
          Fill::linear(apex, bl, {{0, hex(0xf0dcb0)}, {1, hex(0xb08a5a)}}), 1.2f);
    Mask ropes(kW, kH);
    Shape::line(apex, apex + Vec2{-w * 0.62f, h * 1.05f}, 1.4f).drawInto(ropes);
    Shape::line(back, backR + Vec2{w * 0.25f, h * 0.2f}, 1.4f).drawInto(ropes);
    Shape::line(apex + Vec2{depth * 0.5f, -depth * 0.06f}, apex + Vec2{depth * 0.5f + w * 0.45f, h * 1.02f},
                1.2f)
        .drawInto(ropes);
    c.paint(ropes, hex(0x5a3a20, 0.8f));
    inked(c, Shape::line(apex, apex + Vec2{0, -22}, 4), hex(0x6a4020), 1.0f);
    inked(c, Shape::polygon({apex + Vec2{2, -22}, apex + Vec2{30, -16}, apex + Vec2{2, -10}}),
          pal::kTerracotta, 1.0f);
}

void crates(Canvas& c) {
    struct Box {
        float x, y, w, h;
    };
    for (const Box b :
         {Box{250, 582, 60, 46}, Box{302, 598, 50, 34}, Box{262, 548, 44, 34}, Box{726, 574, 54, 40}}) {
        const Shape s = Shape::rect(b.x, b.y, b.w, b.h, 2);
        c.paint(rast(s.moved({8, 6})).blurred(4), hex(0x2a1408, 0.35f));
        inked(c, s, woodPlanks(b.h / 3, hex(0xb07a44), 5501u + static_cast<uint32_t>(b.x)), 1.3f);
        hud::ink(c, {{b.x + 3, b.y + 3}, {b.x + b.w - 3, b.y + b.h - 3}}, 2, hex(0x6a4020, 0.8f));
    }
    // A water barrel and a rolled carpet.
    const Shape barrel = Shape::rect(790, 560, 34, 50, 8);
    inked(c, barrel, Fill::linear({790, 0}, {824, 0}, {{0, hex(0xc08850)}, {1, hex(0x5a3418)}}), 1.3f);
    for (float y : {570.0f, 598.0f}) c.paint(rast(Shape::rect(790, y, 34, 3)), hex(0x3a2a20));
}

// The campfire: a ring of stones, crossed logs and a flame, and its smoke.
void campfire(Canvas& c, float flameH) {
    const Vec2 f = kFire;
    for (int i = 0; i < 9; ++i) {
        const float a = 200 + i * 17.5f;
        boulder(c, polar(f + Vec2{0, -4}, 40, a) + Vec2{0, 6}, 10, hex(0x8a7a6a), 5510u + i);
    }
    inked(c, Shape::line(f + Vec2{-30, 4}, f + Vec2{26, -10}, 9), hex(0x5a3418), 1.2f);
    inked(c, Shape::line(f + Vec2{-24, -10}, f + Vec2{30, 4}, 9), hex(0x6a4020), 1.2f);
    ho::flame(c, f + Vec2{0, -4}, flameH);
    ho::flame(c, f + Vec2{-12, 0}, flameH * 0.6f);
    ho::flame(c, f + Vec2{12, 0}, flameH * 0.55f);
}

// Everything on the ground, painted in the evening's own colours.
Canvas land(bool night) {
    Canvas c(kW, kH);
    const scene::PyramidFaces p = scene::pyramid({700, 318}, 230, 450, -14);
    c.paint(rast(p.lit), Fill::vertical(318, 450, {{0, hex(0xf8c890)}, {1, hex(0xd08a5a)}}));
    c.paint(rast(p.shade), Fill::vertical(318, 450, {{0, hex(0x9a5a6a)}, {1, hex(0x7a4052)}}));
    const scene::PyramidFaces p2 = scene::pyramid({590, 380}, 120, 452, -6);
    c.paint(rast(p2.lit), hex(0xe8a878));
    c.paint(rast(p2.shade), hex(0x8a4c5e));
    bg::haze(c, 300, 452, hex(0xffc090, 0.0f));
    scene::Ridge far(
        kW, {.base = 452, .amplitude = 10, .wavelength = 320, .phase = 0.4f, .wobble = 5, .seed = 5520});
    scene::paintDunes(c, far,
                      {.lit = hex(0xf4b676),
                       .shade = hex(0xb06a66),
                       .deep = hex(0xc07866),
                       .depth = 50,
                       .haze = hex(0xffc890, 0.35f),
                       .rim = 0.3f,
                       .seed = 5521});
    const bg::PalmLook farLook{hex(0x4a5a34), hex(0x8a8a4a), hex(0x5a4030),
                               hex(0x9a7050), 0.3f,          hex(0xf0b080)};
    uint32_t seed = 5530;
    for (float x : {40.0f, 96.0f, 150.0f, 930.0f, 980.0f})
        bg::paintPalm(c, {{x, 520}, 150 + 30 * std::sin(x), x < 500 ? 12.0f : -14.0f, 0.5f, 0, seed++},
                      farLook);
    scene::Ridge mid(
        kW, {.base = 530, .amplitude = 18, .wavelength = 520, .phase = 0.1f, .wobble = 8, .seed = 5522});
    scene::paintDunes(c, mid,
                      {.lit = hex(0xf2b070),
                       .shade = hex(0xa05a5a),
                       .deep = hex(0xc08060),
                       .depth = 120,
                       .haze = hex(0xffb880, 0.1f),
                       .rim = 0.4f,
                       .ripples = 0.03f,
                       .seed = 5523});
    const bg::PalmLook nearLook{hex(0x24401e), hex(0x6e8a34), hex(0x4a2c18), hex(0xb0784a), 0, hex(0)};
    bg::paintPalm(c, {{120, 650}, 400, 40, 0.95f, 4, 5540}, nearLook);
    bg::paintPalm(c, {{206, 620}, 300, -30, 0.75f, -10, 5541}, nearLook);
    tent(c, {400, 420}, 250, 170, 130, night);
    tent(c, {830, 470}, 150, 100, 80, night);
    crates(c);
    caravanCamel(c, {630, 596}, 170, nullptr, 5550u);
    couchedCamel(c, {900, 690}, 140, false);
    scene::Ridge fore(
        kW, {.base = 690, .amplitude = 24, .wavelength = 900, .phase = 0.3f, .wobble = 8, .seed = 5524});
    scene::paintDunes(c, fore,
                      {.lit = hex(0xf6b86a),
                       .shade = hex(0x9a5658),
                       .deep = hex(0x7a4048),
                       .depth = 120,
                       .rim = 0.4f,
                       .ripples = 0.05f,
                       .seed = 5525});
    campfire(c, night ? 58 : 44);
    return c;
}

// The people round the fire: the guide alone at dusk, all three at night.
Canvas folk(bool night) {
    Canvas c(kW, kH);
    person(c, Who::Hamid, kFire + Vec2{-120, 22}, 190, Pose::Sitting, true);
    if (night) {
        person(c, Who::Tazmira, kFire + Vec2{110, 26}, 180, Pose::Sitting, false);
        person(c, Who::Wren, kFire + Vec2{200, 6}, 186, Pose::Sitting, false);
    }
    return c;
}

}  // namespace

Canvas campDusk() {
    Canvas c(kW, kH);
    scene::paintSky(c,
                    {{0, hex(0x2e3a7a)},
                     {0.3f, hex(0x5a4a8e)},
                     {0.55f, hex(0xb0648a)},
                     {0.75f, hex(0xee8a62)},
                     {0.9f, hex(0xffbe6a)},
                     {1, hex(0xffe2a0)}},
                    452);
    scene::paintSunGlow(c, kSun, 320, hex(0xffb060), 0.8f);
    scene::paintClouds(c, 120, 330, kSun, 5560u);
    scene::paintSunDisc(c, kSun, 30);
    Canvas l = land(false);
    // The low sun warms everything facing it and reddens the shade.
    grade(l, [](Color k, float x, float) {
        const float warm = 0.12f + 0.1f * (x / kW);
        return Color{std::min(1.0f, k.r * (1 + warm)), k.g * (1 - warm * 0.2f), k.b * (1 - warm * 0.6f), 1};
    });
    c.draw(l, 0, 0);
    c.draw(folk(false), 0, 0);
    lightPool(c, kFire + Vec2{0, -20}, {140, 90}, hex(0xffa040, 0.5f));
    bg::haze(c, 620, kH, hex(0x3a1020, 0.25f));
    finishSlide(c, 0.35f, 5561u);
    return c;
}

Canvas campNight() {
    Canvas c(kW, kH);
    scene::paintSky(
        c, {{0, hex(0x070c26)}, {0.5f, hex(0x122050)}, {0.85f, hex(0x233a74)}, {1, hex(0x3a4a80)}}, 452);
    scene::paintStars(c, 440, 900, 5562u);
    moon(c, {170, 130}, 26);
    Canvas l = land(true);
    firelitNight(l, kFire + Vec2{0, -30}, 150, 0.75f);
    c.draw(l, 0, 0);
    tentDoor(c, {400, 420}, 250, 170, true);
    tentDoor(c, {830, 470}, 150, 100, true);
    Canvas people = folk(true);
    firelitNight(people, kFire + Vec2{0, -30}, 150, 0.75f);
    c.draw(people, 0, 0);
    // The fire and the lamp in the big tent light the night around them.
    ho::flame(c, kFire + Vec2{0, -4}, 58);
    lightPool(c, kFire + Vec2{0, -30}, {420, 260}, hex(0xff9030, 0.55f));
    lightPool(c, kFire + Vec2{0, -20}, {160, 110}, hex(0xffc060, 0.55f));
    lightPool(c, {400, 560}, {150, 110}, hex(0xffa040, 0.4f));
    lightPool(c, {830, 545}, {90, 70}, hex(0xffa040, 0.35f));
    Mask sparks(kW, kH);
    Rng rng(5563u);
    for (int i = 0; i < 16; ++i) {
        const float t = rng.uniform();
        Shape::circle(kFire + Vec2{rng.range(-30, 30) + rng.range(-60, 60) * t, -70 - t * 170},
                      rng.range(0.8f, 1.8f))
            .drawInto(sparks);
    }
    c.paint(sparks, hex(0xffd080), Blend::Screen);
    finishSlide(c, 0.4f, 5564u);
    return c;
}

}  // namespace gen::slides
