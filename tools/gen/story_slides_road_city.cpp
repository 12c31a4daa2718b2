// The road to Persia, second part: the caravan reaching a caravanserai at evening, then the blue city of
// domes and minarets seen from the hills at morning.
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

constexpr Color kBrick = hex(0xd8aa78);

// A round corner tower with a crenellated top.
void tower(Canvas& c, float x, float top, float base, float r) {
    const Shape t = Shape::rect(x - r, top, 2 * r, base - top);
    masonry(c, t, 16, 8, kBrick, 5701u + static_cast<uint32_t>(x));
    c.paint(rast(t),
            Fill::linear({x - r, 0}, {x + r, 0},
                         {{0, hex(0xfff4e0)}, {0.35f, hex(0xffffff)}, {1, hex(0x806070)}}),
            Blend::Multiply);
    for (float cx = x - r; cx < x + r; cx += r * 0.5f)
        inked(c, Shape::rect(cx + 2, top - 12, r * 0.3f, 14),
              Fill::vertical(top - 12, top, {{0, hex(0xf0c898)}, {1, hex(0xb08060)}}), 1.0f);
    c.paint(rast(t.outline(2)), pal::kOutline.fade(0.7f));
}

void caravanserai(Canvas& c) {
    const float top = 330, base = 540;
    const Shape wall = Shape::rect(150, top, 724, base - top);
    masonry(c, wall, 22, 9, kBrick, 5702u);
    c.paint(rast(wall), Fill::linear({150, top}, {874, base}, {{0, hex(0xfff0e0)}, {1, hex(0xb09098)}}),
            Blend::Multiply);
    // Blind arches along the wall, each with its shadow.
    for (float x = 180; x < 850; x += 62) {
        if (x > 400 && x < 620) continue;
        const Shape niche = jigsaw::pointedArch(x, x + 40, top + 100, 26, base - 30);
        inked(c, niche, Fill::vertical(top + 70, base, {{0, hex(0x6a4050)}, {1, hex(0x9a6a5a)}}), 1.2f);
    }
    c.paint(rast(Shape::rect(150, top, 724, 10)), hex(0xf8d8a8));
    for (float x = 150; x < 874; x += 24) inked(c, Shape::rect(x + 3, top - 10, 14, 12), hex(0xe8bc88), 0.9f);
    tower(c, 150, top - 30, base, 38);
    tower(c, 874, top - 30, base, 38);
    // The great portal: a tiled frame, the deep arch and the lit gate.
    dome(c, {512, 260}, 170, 130, pal::kTurquoise);
    const Shape frame = Shape::rect(400, 230, 224, base - 230);
    inked(c, frame, jigsaw::starTiles(22, hex(0x2a9ec0)), 1.6f);
    c.paint(rast(frame),
            Fill::linear({400, 230}, {624, base}, {{0, hex(0xffffff, 0.0f)}, {1, hex(0x2a1030, 0.5f)}}));
    inked(c, Shape::rect(412, 242, 200, 22), pal::kBlueDeep, 1.0f);
    const Shape arch = jigsaw::pointedArch(432, 592, 340, 80, base);
    inked(c, arch.grown(8), Fill::vertical(260, base, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}), 1.2f);
    inked(c, arch, Fill::vertical(260, base, {{0, hex(0x2a1a30)}, {0.6f, hex(0x5a3020)}, {1, hex(0xffb050)}}),
          1.2f);
    const Shape gate = jigsaw::pointedArch(470, 554, 450, 36, base);
    c.paint(rast(gate),
            Fill::radial({512, 520}, 90, {{0, hex(0xfff0b0)}, {0.5f, hex(0xffb040)}, {1, hex(0xb05a20)}}));
    c.paint(rast(Shape::rect(140, base - 4, 744, 8)), hex(0x8a5a3a));
}

// Small flat-roofed houses of the city, pale in the morning haze.
void houses(Canvas& c, float y0, float y1, float x0, float x1, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 70; ++i) {
        const float y = rng.range(y0, y1), x = rng.range(x0, x1);
        const float s = 10 + (y - y0) * 0.35f;
        const float w = s * rng.range(1.2f, 2.4f), h = s * rng.range(0.8f, 1.4f);
        const Shape front = Shape::rect(x, y - h, w, h);
        c.paint(rast(front), Fill::linear({x, 0}, {x + w, 0}, {{0, hex(0xf4e0c0)}, {1, hex(0xd0b090)}}));
        c.paint(rast(Shape::rect(x + w, y - h + 2, w * 0.25f, h - 2)), hex(0xa88a78));
        if (rng.uniform() < 0.5f)
            c.paint(rast(Shape::rect(x + w * 0.3f, y - h * 0.6f, s * 0.25f, s * 0.35f)), hex(0x5a4050));
    }
}

void cypress(Canvas& c, Vec2 foot, float h) {
    const Shape t = Shape::ellipse(foot + Vec2{0, -h * 0.5f}, h * 0.13f, h * 0.5f);
    inked(c, t,
          Fill::linear(foot + Vec2{-h * 0.13f, -h}, foot + Vec2{h * 0.13f, 0},
                       {{0, hex(0x6a9050)}, {0.5f, hex(0x2e5a32)}, {1, hex(0x14301e)}}),
          1.0f);
}

}  // namespace

Canvas roadCaravanserai() {
    Canvas c(kW, kH);
    const Vec2 sun{110, 500};
    scene::paintSky(c,
                    {{0, hex(0x1e2860)},
                     {0.4f, hex(0x5a4a8a)},
                     {0.7f, hex(0xc86a7a)},
                     {0.9f, hex(0xf0a060)},
                     {1, hex(0xffd890)}},
                    520);
    scene::paintSunGlow(c, sun, 280, hex(0xff9a50), 0.8f);
    scene::paintClouds(c, 100, 330, sun, 5710u);
    scene::paintStars(c, 160, 60, 5711u);
    mountains(c, {.base = 520,
                  .top = 410,
                  .peaks = 6,
                  .lit = hex(0xb07080),
                  .shade = hex(0x6a4a70),
                  .haze = hex(0xe08a80, 0.45f),
                  .seed = 5712u});
    c.paint(rast(Shape::rect(0, 518, kW, 260)),
            Fill::vertical(518, kH, {{0, hex(0xd89070)}, {1, hex(0x8a5048)}}));
    caravanserai(c);
    // Evening: the wall takes the sunset's warmth on its left and falls into violet shade to the right.
    grade(c, [](Color k, float x, float y) {
        if (y < 200) return k;
        const float t = clamp01(x / kW);
        return Color{k.r * (1.02f - 0.25f * t), k.g * (0.86f - 0.2f * t), k.b * (0.8f + 0.05f * t), 1};
    });
    lantern(c, {440, 380}, 40, true);
    lantern(c, {584, 380}, 40, true);
    lightPool(c, {512, 540}, {220, 90}, hex(0xffa040, 0.45f));
    track(c, {{512, 545}, {470, 600}, {330, 680}, {140, 780}}, 40, 160, hex(0xc88a68, 0.7f));
    couchedCamel(c, {760, 600}, 90, false);
    couchedCamel(c, {880, 630}, 100, true);
    caravan(c, {380, 650}, 140, {-130, 30}, 1.04f, 5713u);
    finishSlide(c, 0.4f, 5714u);
    return c;
}

Canvas roadBlueCity() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x3a6ab8)}, {0.6f, hex(0x9ac4e8)}, {1, hex(0xf6ecd8)}}, 420);
    scene::paintSunGlow(c, {160, 120}, 300, hex(0xfff0c0), 0.6f);
    bg::puffyClouds(c, 40, 230, hex(0xf4f0f4, 0.85f), hex(0xffffff, 0.95f), 0.3f, 5720u);
    mountains(c, {.base = 400,
                  .top = 210,
                  .peaks = 5,
                  .lit = hex(0xb8b8d0),
                  .shade = hex(0x8088b0),
                  .snow = hex(0xfafcff),
                  .snowLine = 0.35f,
                  .haze = hex(0xd8e4f4, 0.55f),
                  .seed = 5721u});
    c.paint(rast(Shape::rect(0, 398, kW, 400)),
            Fill::vertical(398, 600, {{0, hex(0xd8d0b0)}, {0.4f, hex(0xb8b070)}, {1, hex(0x8a9050)}}));
    // The city: walls, houses, cypresses, and the great domes and minarets above them.
    houses(c, 400, 440, 190, 860, 5722u);
    minaret(c, 300, 440, 250, 16);
    minaret(c, 720, 440, 240, 16);
    dome(c, {420, 430}, 110, 100, pal::kTurquoise);
    dome(c, {600, 432}, 180, 170, hex(0x2a9ec0));
    minaret(c, 505, 440, 220, 18);
    minaret(c, 694, 440, 230, 18);
    dome(c, {790, 440}, 90, 80, pal::kTurquoise);
    houses(c, 440, 470, 170, 880, 5723u);
    const Shape wall = Shape::rect(160, 450, 730, 30);
    masonry(c, wall, 16, 7, hex(0xe0c8a0), 5724u);
    c.paint(rast(wall.outline(1.4f)), pal::kOutline.fade(0.5f));
    for (float x = 160; x < 890; x += 18) c.paint(rast(Shape::rect(x + 2, 444, 10, 8)), hex(0xd8bc90));
    bg::haze(c, 200, 480, hex(0xe8eef8, 0.3f));
    Rng rng(5725u);
    for (int i = 0; i < 16; ++i) cypress(c, {rng.range(120, 920), 500 + rng.range(0, 20)}, rng.range(40, 70));
    // The hill the travellers stand on, and the road down to the city.
    const Shape hill =
        Shape::polygon({{-10, 560}, {300, 540}, {600, 600}, {1040, 640}, {1040, 780}, {-10, 780}});
    const Noise n(5726u);
    c.paint(rast(hill), Fill([=](float x, float y) {
                return mixOklab(hex(0xc8b070), hex(0x8a8040),
                                n.fbm(x / 50.0f, y / 24.0f, 4) * 0.7f + (y - 540) / 600.0f);
            }));
    track(c, {{530, 482}, {590, 530}, {600, 580}, {450, 640}, {300, 780}}, 6, 90, hex(0xe8d0a0));
    caravan(c, {330, 680}, 150, {-140, 10}, 0.98f, 5727u);
    boulder(c, {900, 720}, 60, hex(0xa89080), 5728u);
    finishSlide(c, 0.3f, 5729u);
    return c;
}

}  // namespace gen::slides
