// The road to Persia, first part: the caravan leaving the ziggurat's ruins at dawn, crossing the desert
// plain, and climbing a winding pass through the mountains.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Dunes.h"
#include "scene/Sky.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

// A ruined ziggurat: three stepped tiers of mud brick, worn at the corners, a stair up its front.
void ziggurat(Canvas& c, float cx, float base, float w, Color brick) {
    const Noise n(5601u);
    Shape body = Shape::rect(0, 0, 1, 1);
    bool first = true;
    float y = base;
    for (int t = 0; t < 3; ++t) {
        const float tw = w * (1 - t * 0.26f), th = w * (t == 0 ? 0.22f : 0.15f);
        const Shape tier = Shape::polygon({{cx - tw / 2, y},
                                           {cx - tw / 2 + th * 0.35f, y - th},
                                           {cx + tw / 2 - th * 0.35f, y - th},
                                           {cx + tw / 2, y}});
        body = first ? tier : (body | tier);
        first = false;
        y -= th;
    }
    // Worn away in places: the edges crumble into ragged steps.
    std::vector<Vec2> wear{{cx - w, base + 10}};
    for (float x = cx - w * 0.6f; x <= cx + w * 0.6f; x += 8)
        wear.push_back(
            {x, y - 20 + 40 * n.fbm(x / 30.0f, 2.0f, 3) * smoothstep(w * 0.1f, w * 0.5f, std::abs(x - cx))});
    wear.push_back({cx + w, base + 10});
    body = body - (Shape::rect(cx - w, y - 200, 2 * w, base - y + 200) - Shape::polygon(wear));
    c.paint(rast(body.moved({20, 6})).blurred(10), hex(0x2a1408, 0.3f));
    masonry(c, body, 18, 8, brick, 5602u);
    c.paint(rast(body),
            Fill::linear({cx - w / 2, y}, {cx + w / 2, base},
                         {{0, hex(0xfff0d8)}, {0.55f, hex(0xe0c0a0)}, {1, hex(0x8a6070)}}),
            Blend::Multiply);
    // The front stair climbing to the first terrace.
    const Shape stair = Shape::polygon({{cx - w * 0.06f, base},
                                        {cx - w * 0.04f, base - w * 0.37f},
                                        {cx + w * 0.04f, base - w * 0.37f},
                                        {cx + w * 0.06f, base}});
    inked(c, stair,
          Fill::linear({cx - w * 0.06f, 0}, {cx + w * 0.06f, 0},
                       {{0, lighter(brick, 0.2f)}, {1, darker(brick, 0.35f)}}),
          1.2f);
    Mask steps(kW, kH);
    for (float s = base - 6; s > base - w * 0.37f; s -= 6)
        Shape::line({cx - w * 0.06f, s}, {cx + w * 0.06f, s}, 1.2f).drawInto(steps);
    steps.multiply(rast(stair));
    c.paint(steps, hex(0x3a2010, 0.5f));
    c.paint(rast(body.outline(2)), pal::kOutline.fade(0.6f));
}

// A stretch of broken wall, a few courses high, fallen bricks at its foot.
void brokenWall(Canvas& c, float x0, float x1, float base, float h, Color brick, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> top{{x0, base}};
    for (float x = x0; x <= x1; x += 6)
        top.push_back({x, base - h * (0.35f + 0.65f * n.fbm(x / 40.0f, 0.3f, 3))});
    top.push_back({x1, base});
    const Shape wall = Shape::polygon(top);
    masonry(c, wall, 22, 9, brick, seed + 1);
    c.paint(rast(wall), Fill::linear({x0, base - h}, {x1, base}, {{0, hex(0xfff0d8)}, {1, hex(0xa08070)}}),
            Blend::Multiply);
    c.paint(rast(wall.outline(1.6f)), pal::kOutline.fade(0.55f));
    Rng rng(seed);
    for (int i = 0; i < 6; ++i)
        boulder(c, {rng.range(x0 - 10, x1 + 10), base + rng.range(2, 10)}, rng.range(4, 9), brick,
                seed + 10 + i);
}

// Flat desert ground from `horizon` down, warm and lit from the left, with a faint track.
void plain(Canvas& c, float horizon, Color nearCol, Color farCol, uint32_t seed) {
    const Noise n(seed);
    c.paint(rast(Shape::rect(0, horizon, kW, kH - horizon)), Fill([=](float x, float y) {
                const float t = clamp01((y - horizon) / (kH - horizon));
                const float v = n.fbm(x / (60 + 300 * t), (y - horizon) / (8 + 60 * t), 4);
                return mixOklab(mixOklab(farCol, nearCol, std::pow(t, 0.6f)), darker(nearCol, 0.2f),
                                0.4f * (v - 0.3f));
            }));
}

}  // namespace

Canvas roadRuins() {
    Canvas c(kW, kH);
    const Vec2 sun{250, 456};
    scene::paintSky(c,
                    {{0, hex(0x2a3a7a)},
                     {0.35f, hex(0x6a6aa0)},
                     {0.65f, hex(0xe0a0a0)},
                     {0.88f, hex(0xffc890)},
                     {1, hex(0xfff0c0)}},
                    470);
    scene::paintSunGlow(c, sun, 300, hex(0xffc070), 0.9f);
    scene::paintClouds(c, 150, 340, sun, 5610u);
    scene::paintSunDisc(c, sun, 26);
    plain(c, 468, hex(0xd8a070), hex(0xf0c8a0), 5611u);
    const bg::PalmLook farLook{hex(0x4a5a40), hex(0x8a8a5a), hex(0x5a4030),
                               hex(0x9a7050), 0.45f,         hex(0xf8d0a8)};
    uint32_t seed = 5620;
    for (float x : {560.0f, 600.0f, 650.0f, 700.0f, 930.0f, 975.0f})
        bg::paintPalm(c, {{x, 476}, 90 + 24 * std::sin(x), 8, 0.34f, 0, seed++}, farLook);
    ziggurat(c, 330, 480, 420, hex(0xc89a6a));
    brokenWall(c, 60, 210, 520, 60, hex(0xc8966a), 5630u);
    brokenWall(c, 470, 600, 500, 40, hex(0xc8966a), 5631u);
    bg::haze(c, 380, 500, hex(0xffd8b0, 0.25f));
    track(c, {{330, 500}, {480, 560}, {700, 630}, {1060, 700}}, 20, 90, hex(0xe8b888, 0.7f));
    brokenWall(c, 40, 330, 690, 110, hex(0xb88660), 5632u);
    caravan(c, {830, 664}, 150, {-130, -26}, 0.86f, 5640u);
    // The low sun lights the dust hanging over the track.
    lightPool(c, sun, {500, 260}, hex(0xffd0a0, 0.25f));
    finishSlide(c, 0.35f, 5641u);
    return c;
}

Canvas roadPlain() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x2a5aa8)}, {0.6f, hex(0x70a8e0)}, {1, hex(0xf0e4c8)}}, 440);
    bg::puffyClouds(c, 60, 300, hex(0xf4ecf0, 0.9f), hex(0xffffff, 0.95f), 0.35f, 5650u);
    mountains(c, {.base = 444,
                  .top = 340,
                  .peaks = 7,
                  .lit = hex(0xb0a0b8),
                  .shade = hex(0x8088a8),
                  .snow = hex(0xf4f6ff),
                  .snowLine = 0.2f,
                  .haze = hex(0xd8e0f0, 0.6f),
                  .seed = 5651u});
    scene::Ridge far(
        kW, {.base = 452, .amplitude = 8, .wavelength = 300, .phase = 0.2f, .wobble = 5, .seed = 5652});
    scene::paintDunes(c, far,
                      {.lit = hex(0xf6d6a0),
                       .shade = hex(0xc8a080),
                       .deep = hex(0xe0b890),
                       .depth = 50,
                       .haze = hex(0xf0e4d0, 0.3f),
                       .rim = 0.3f,
                       .seed = 5653});
    scene::Ridge mid(
        kW, {.base = 520, .amplitude = 24, .wavelength = 560, .phase = 0.6f, .wobble = 8, .seed = 5654});
    scene::paintDunes(c, mid,
                      {.lit = hex(0xf6cc8a),
                       .shade = hex(0xc08a60),
                       .deep = hex(0xdcaa70),
                       .depth = 120,
                       .rim = 0.45f,
                       .ripples = 0.04f,
                       .seed = 5655});
    caravan(c, {700, 612}, 170, {-150, -12}, 0.9f, 5660u);
    scene::Ridge fore(
        kW, {.base = 700, .amplitude = 30, .wavelength = 900, .phase = 0.7f, .wobble = 10, .seed = 5656});
    scene::paintDunes(c, fore,
                      {.lit = hex(0xf8d090),
                       .shade = hex(0xc08858),
                       .deep = hex(0xb07a50),
                       .depth = 140,
                       .rim = 0.5f,
                       .ripples = 0.06f,
                       .seed = 5657});
    finishSlide(c, 0.3f, 5661u);
    return c;
}

Canvas roadPass() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x3a5aa0)}, {0.6f, hex(0x8ab0d8)}, {1, hex(0xf0dcc0)}}, 380);
    bg::puffyClouds(c, 40, 220, hex(0xf0e8ec, 0.85f), hex(0xffffff, 0.95f), 0.3f, 5670u);
    mountains(c, {.base = 420,
                  .top = 120,
                  .peaks = 4,
                  .lit = hex(0xb8a8b8),
                  .shade = hex(0x6a7094),
                  .snow = hex(0xf8faff),
                  .snowLine = 0.3f,
                  .haze = hex(0xc8d4ec, 0.45f),
                  .seed = 5671u});
    c.paint(rast(Shape::rect(0, 400, kW, 220)),
            Fill::vertical(400, 600, {{0, hex(0xc8c0c0)}, {1, hex(0x9a9068)}}));
    mountains(c, {.base = 580,
                  .top = 380,
                  .peaks = 7,
                  .lit = hex(0xc0a888),
                  .shade = hex(0x8a7a80),
                  .haze = hex(0xd0d0dc, 0.45f),
                  .seed = 5680u});
    mountains(c, {.x0 = -100,
                  .x1 = 700,
                  .base = 560,
                  .top = 260,
                  .peaks = 3,
                  .lit = hex(0xc89a70),
                  .shade = hex(0x7a5a5a),
                  .haze = hex(0xd8c8c8, 0.25f),
                  .seed = 5672u});
    mountains(c, {.x0 = 480,
                  .x1 = 1200,
                  .base = 600,
                  .top = 300,
                  .peaks = 3,
                  .lit = hex(0xd0a070),
                  .shade = hex(0x7a5250),
                  .haze = hex(0xd8c8c8, 0.15f),
                  .seed = 5673u});
    // The valley floor and the road winding up it in bends.
    const Shape floor =
        Shape::polygon({{-10, 560}, {300, 520}, {620, 560}, {1040, 580}, {1040, 780}, {-10, 780}});
    const Noise n(5674u);
    c.paint(rast(floor), Fill([=](float x, float y) {
                return mixOklab(hex(0xb89a60), hex(0x7a7a44),
                                n.fbm(x / 60.0f, y / 30.0f, 4) * 0.8f + (y - 560) / 800.0f);
            }));
    track(c, {{560, 520}, {640, 540}, {520, 570}, {300, 600}, {420, 640}, {720, 680}, {960, 760}}, 8, 70,
          hex(0xe0c090));
    Rng rng(5675u);
    for (int i = 0; i < 22; ++i) {
        const Vec2 f{rng.range(0, kW), rng.range(550, 760)};
        const float s = 5 + (f.y - 540) * 0.07f;
        const Shape tree =
            Shape::circle(f + Vec2{0, -s}, s) | Shape::circle(f + Vec2{s * 0.6f, -s * 0.7f}, s * 0.7f);
        inked(c, tree,
              Fill::linear(f + Vec2{-s, -2 * s}, f + Vec2{s, 0}, {{0, hex(0x8aa050)}, {1, hex(0x3a5a2a)}}),
              1.0f);
    }
    caravan(c, {470, 640}, 66, {-44, -8}, 0.94f, 5676u);
    boulder(c, {110, 760}, 70, hex(0xa08070), 5677u);
    boulder(c, {930, 740}, 56, hex(0xa08070), 5678u);
    finishSlide(c, 0.3f, 5679u);
    return c;
}

}  // namespace gen::slides
