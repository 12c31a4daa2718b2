// The award screen: a hall of trophies with twelve velvet-lined niches in a sandstone wall under a lapis
// frieze, and the gold-and-stone plinth the OK button stands in.
#include <cmath>

#include "awards_art.h"
#include "backgrounds_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Style.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen::award {

using hud::styled;

namespace {

constexpr int kW = 1024, kH = 768;
constexpr float kFriezeBottom = 66;  // the lapis frieze under the ceiling
constexpr float kDadoTop = 614;      // where the wall gives way to the dado and the floor
constexpr float kCourse = 52, kBlock = 150;

// The sandstone wall in courses of blocks, each block a little different, lit from the upper left and
// from the niches' lamps.
void wall(Canvas& c) {
    const Fill stone = hud::sandstone({0, kFriezeBottom, static_cast<float>(kW), kDadoTop}, 313u);
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                const int row = static_cast<int>(std::floor((y - kFriezeBottom) / kCourse));
                const int col = static_cast<int>(std::floor((x + (row % 2) * kBlock * 0.5f) / kBlock));
                const float tone =
                    (static_cast<float>(hash3(col, row, 314u) >> 8) / 16777216.0f - 0.5f) * 0.14f;
                const Color s = stone.at(x, y);
                return tone > 0 ? lighter(s, tone) : darker(s, -tone);
            }));
    Mask joints(kW, kH), lit(kW, kH);
    for (float y = kFriezeBottom; y < kDadoTop; y += kCourse) {
        Shape::line({-10, y}, {kW + 10.0f, y}, 1.6f).drawInto(joints);
        Shape::line({-10, y + 1.6f}, {kW + 10.0f, y + 1.6f}, 1.0f).drawInto(lit);
        const int row = static_cast<int>(std::lround((y - kFriezeBottom) / kCourse));
        for (float x = -kBlock + (row % 2) * kBlock * 0.5f; x < kW; x += kBlock) {
            Shape::line({x, y}, {x, y + kCourse}, 1.6f).drawInto(joints);
            Shape::line({x + 1.6f, y + 1}, {x + 1.6f, y + kCourse}, 1.0f).drawInto(lit);
        }
    }
    c.paint(joints, hex(0x2e1508, 0.45f));
    c.paint(lit, hex(0xffe8bc, 0.25f), Blend::Screen);
    // The hall is dim: the wall darkens away from the middle and towards the floor.
    c.paint(bg::everywhere(), Fill([](float x, float y) {
                const float dx = (x - 512) / 640.0f, dy = (y - 300) / 520.0f;
                return hex(0x4a1c08, 0.2f + 0.4f * clamp01(std::sqrt(dx * dx + dy * dy)));
            }),
            Blend::Multiply);
}

// The frieze under the ceiling: lapis between gold trims, a row of studs, and the dark plaque the game
// writes the heading on, with a rosette at each end.
void frieze(Canvas& c) {
    c.paint(Shape::rect(0, 0, kW, kFriezeBottom), hud::lapis(-20, kFriezeBottom));
    Style trim = hud::goldTrim(kFriezeBottom - 4, kFriezeBottom + 4);
    trim.shadow = Shadow{{0, 3}, 3, hex(0x1a0d05, 0.6f)};
    styled(c, Shape::rect(-10, kFriezeBottom - 4, kW + 20, 8), trim, 8);
    styled(c, Shape::rect(-10, 3, kW + 20, 3), hud::goldTrim(3, 6, 0.8f), 4);
    for (float x = 20; x < kW; x += 32) {
        if (x > 280 && x < 744) continue;
        Style st = hud::goldTrim(31, 41, 0.8f);
        st.bevel = Bevel{1.2f, 0.6f, 0.4f, true};
        styled(c, Shape::star({x, 35}, 4, 5.0f, 2.0f), st, 3);
        gem(c, {x + 16, 35}, 2.6f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, 1.0f);
    }
    hud::socket(c, Shape::rect(316, 9, 392, 46, 12), 5,
                Fill::vertical(9, 55, {{0, hex(0x1a0806)}, {0.5f, hex(0x2f110f)}, {1, hex(0x3a1612)}}), 4);
    borderMedallion(c, {300, 32});
    borderMedallion(c, {724, 32});
}

// One niche: a carved sandstone surround, a gold lip, a velvet lining lit by a lamp above and a sill.
void niche(Canvas& c, Vec2 m) {
    const Shape hole = Shape::rect(m.x - 62, m.y - 4, 124, 70, 4) | Shape::circle({m.x, m.y - 4}, 62);
    const Shape surround = hole.grown(11);
    Style carved;
    carved.fill = hud::sandstone(surround.bounds(), 315u);
    carved.outline = 1.0f;
    carved.outlineFill = pal::kOutline.fade(0.7f);
    carved.bevel = Bevel{5.0f, 0.55f, 0.5f, true};
    carved.shadow = Shadow{{3, 4}, 5, hex(0x1a0d05, 0.55f)};
    styled(c, surround, carved, 12);
    hud::groove(c, hole.grown(6.5f).outline(1.0f), 0.7f);
    recess(
        c, hole,
        Fill::radial({m.x, m.y - 46}, Vec2{110, 130},
                     {{0, hex(0x9a4430)}, {0.25f, hex(0x62241a)}, {0.6f, hex(0x35100c)}, {1, hex(0x1a0605)}}),
        7.0f);
    // Folds in the velvet, and the lamp's light pooled at the top.
    hud::Layer l(c, hole.bounds().expanded(2));
    Canvas& lc = l.canvas();
    for (float dx = -45; dx <= 45; dx += 18) {
        Mask fold = l.mask(Shape::line({m.x + dx, m.y - 60}, {m.x + dx * 1.1f, m.y + 66}, 3.0f));
        fold.blur(3.0f);
        lc.paint(fold, hex(0x1a0504, 0.28f));
    }
    lc.clip(l.mask(hole));
    l.put(c);
    const Shape sill = Shape::rect(m.x - 72, m.y + 64, 144, 10, 3);
    Style ledge = carved;
    ledge.fill = hud::sandstone(sill.bounds().expanded(20), 316u);
    ledge.bevel = Bevel{3.0f, 0.6f, 0.5f, true};
    styled(c, sill, ledge, 10);
    styled(c, Shape::rect(m.x - 70, m.y + 64, 140, 2.5f, 1), hud::goldTrim(m.y + 63, m.y + 67, 0.6f), 3);
    // A keystone at the top of the arch: a gold star round a turquoise stone.
    const Vec2 key{m.x, m.y - 72};
    styled(c, Shape::star(key, 8, 9.0f, 6.0f, 22.5f), hud::goldTrim(key.y - 9, key.y + 9, 1.0f), 4);
    gem(c, key, 4.2f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, 1.0f);
}

// The warm light each niche's lamp throws onto the wall round it.
void nicheLight(Canvas& c, Vec2 m) {
    c.paint(Shape::circle(m, 150),
            Fill::radial({m.x, m.y - 20}, Vec2{130, 120}, {{0, hex(0xffa850, 0.45f)}, {1, hex(0xffa850, 0)}}),
            Blend::Screen);
}

// The dado of lapis and gold along the foot of the wall, and the polished stone floor.
void floorAndDado(Canvas& c) {
    const Noise n(317u);
    c.paint(Shape::rect(0, kDadoTop, kW, kH - kDadoTop), Fill([&](float x, float y) {
                const float d = (y - kDadoTop - 36) / (kH - kDadoTop);
                const float mottle = n.fbm(x / 60.0f, y / 20.0f, 4) - 0.5f;
                return mixOklab(hex(0x6a4128), hex(0x2a160c), clamp01(0.2f + d * 0.8f + mottle * 0.3f));
            }));
    c.paint(Shape::rect(0, kDadoTop, kW, 36), hud::lapis(kDadoTop, kDadoTop + 36));
    for (float y : {kDadoTop, kDadoTop + 36})
        styled(c, Shape::rect(-10, y - 3, kW + 20, 6), hud::goldTrim(y - 3, y + 3, 0.9f), 6);
    Mask seams(kW, kH);
    for (float x = -200; x < kW + 200; x += 128)
        Shape::line({x, kDadoTop + 39}, {512 + (x - 512) * 1.8f, kH + 0.0f}, 1.4f).drawInto(seams);
    for (float y : {680.0f, 736.0f}) Shape::line({0, y}, {kW, y}, 1.2f).drawInto(seams);
    c.paint(seams, hex(0x1a0a04, 0.35f));
    // A glow of the niches' light on the floor.
    c.paint(Shape::rect(0, kDadoTop + 36, kW, kH),
            Fill::radial({512, kDadoTop + 36}, Vec2{520, 120},
                         {{0, hex(0xffc070, 0.18f)}, {1, hex(0xffc070, 0)}}),
            Blend::Screen);
}

}  // namespace

// "gfx/gui/awardScreen/back.jpg": the game shows a medal centred in each niche, a tooltip line 40 px below
// it, the heading on the frieze's plaque and two buttons on the floor.
Canvas hallBack() {
    Canvas c(kW, kH, hex(0x000000));
    wall(c);
    floorAndDado(c);
    for (int pass = 0; pass < 2; ++pass)
        for (int r = 0; r < 3; ++r)
            for (int col = 0; col < 4; ++col) {
                const Vec2 m{197.0f + 210.0f * col, 190.0f + 165.0f * r};
                pass == 0 ? nicheLight(c, m) : niche(c, m);
            }
    frieze(c);
    bg::vignette(c, 0.35f, hex(0x120602));
    bg::finish(c, 318u);
    return c;
}

// "gfx/gui/awardScreen/buttonFrame.png", 97 × 95: a sandstone plinth with gold corners and a gold ring
// round the dark socket the round OK button sits in.
Canvas buttonFrame() {
    constexpr int kFW = 97, kFH = 95;
    const Vec2 m{48.5f, 47.5f};
    Canvas c(kFW, kFH);
    const Shape plinth = Shape::rect(4, 3, 88, 86, 14);
    Style stone;
    stone.fill = hud::sandstone(plinth.bounds(), 319u);
    stone.outline = 1.2f;
    stone.outlineFill = pal::kOutline.fade(0.85f);
    stone.bevel = Bevel{4.0f, 0.6f, 0.5f, true};
    stone.shadow = Shadow{{1.5f, 2.5f}, 2.0f, hex(0x1a0d05, 0.6f)};
    styled(c, plinth, stone, 4);
    hud::groove(c, Shape::rect(9, 8, 78, 76, 10).outline(1.0f), 0.8f);
    for (Vec2 p : {Vec2{14, 13}, Vec2{83, 13}, Vec2{14, 79}, Vec2{83, 79}}) {
        Style st = hud::goldTrim(p.y - 5, p.y + 5, 0.8f);
        st.bevel = Bevel{1.4f, 0.6f, 0.4f, true};
        styled(c, Shape::star(p, 4, 5.5f, 2.2f), st, 3);
    }
    hud::socket(
        c, Shape::circle(m, 33), 4.5f,
        Fill::radial(m + Vec2{3, 4}, 36, {{0, hex(0x3a1a10)}, {0.7f, hex(0x1d0b08)}, {1, hex(0x120605)}}), 4);
    return c;
}

}  // namespace gen::award
