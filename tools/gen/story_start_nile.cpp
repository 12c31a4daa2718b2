// Dawn on the Nile from the steamer's deck: the pyramids ahead against the rising sun, palms on the far
// bank, the river turning gold; in front the awning's fringe, the white bulwark, a lifebuoy and luggage.
// Also the felucca that passes and the birds that fly ahead.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"
#include "story_start_art.h"

namespace gen::opening {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr float kHorizon = 404;
constexpr Vec2 kSun{650, 378};

void skyAndPyramids(Canvas& c) {
    scene::paintSky(
        c, {{0, hex(0x2b3a78)}, {0.4f, hex(0x8a6aa8)}, {0.75f, hex(0xf2a070)}, {1, hex(0xffe0a0)}}, kHorizon);
    scene::paintSunGlow(c, kSun, 360, hex(0xffd890), 0.8f);
    scene::paintClouds(c, 90, 300, kSun, 3501);
    scene::paintSunDisc(c, kSun, 30);
    Mask lit(kW, kH), shade(kW, kH);
    for (const scene::PyramidFaces& p :
         {scene::pyramid({560, 300}, 230, kHorizon, -20), scene::pyramid({720, 330}, 170, kHorizon, -14),
          scene::pyramid({830, 356}, 100, kHorizon, -8)}) {
        p.lit.drawInto(lit);
        p.shade.drawInto(shade);
    }
    shade.subtract(lit);
    // Against the sun they stand half in shadow, their edges lit gold.
    c.paint(lit, Fill::vertical(300, kHorizon, {{0, hex(0xe8a878)}, {1, hex(0xc0785a)}}));
    c.paint(shade, Fill::vertical(300, kHorizon, {{0, hex(0x8a5068)}, {1, hex(0x6a3a52)}}));
    Mask both = lit;
    both.unite(shade);
    c.paint(both, Fill::vertical(320, kHorizon, {{0, hex(0xffd0a0, 0.0f)}, {1, hex(0xffd0a0, 0.5f)}}));
    // The far bank: a dark line of palms and fields.
    Mask bank = rast(Shape::rect(-10, kHorizon - 6, kW + 20, 16, 6));
    for (int i = 0; i < 9; ++i) {
        const float x = 20.0f + i * 118 + (i % 3) * 17;
        if ((x > 170 && x < 450) || (x > 500 && x < 880)) continue;  // clear round her and the pyramids
        scene::drawPalm(
            bank, {{x, kHorizon + 4}, 70.0f + (i % 4) * 14, (i % 2 ? 10.0f : -8.0f), 0.5f, 0, 3510u + i});
    }
    c.paint(bank, Fill::vertical(300, kHorizon + 10, {{0, hex(0x4a4a5a)}, {1, hex(0x2e3040)}}));
}

void river(Canvas& c) {
    const Noise n(3520);
    c.paint(rast(Shape::rect(-10, kHorizon + 8, kW + 20, kRailLine - kHorizon)),
            Fill::vertical(kHorizon + 8, kRailLine + 40,
                           {{0, hex(0xf0b888)}, {0.4f, hex(0x7a7aa0)}, {1, hex(0x2e4a78)}}));
    // The sun's road across the water, broken by ripples.
    Mask glitter(kW, kH), ripples(kW, kH);
    Rng r(3521);
    for (int i = 0; i < 260; ++i) {
        const float y = r.range(kHorizon + 10, kRailLine + 10), spread = 14 + (y - kHorizon) * 0.5f;
        const float x = kSun.x + r.range(-spread, spread) * (0.6f + n.value(y / 6, 0));
        const float l = 4 + (y - kHorizon) * 0.12f;
        Shape::line({x - l, y}, {x + l, y}, 1.2f).drawInto(glitter);
    }
    for (int i = 0; i < 200; ++i) {
        const float y = r.range(kHorizon + 12, kRailLine + 10), x = r.range(0, kW),
                    l = 6 + (y - kHorizon) * 0.2f;
        Shape::line({x - l, y}, {x + l, y}, 1.0f).drawInto(ripples);
    }
    c.paint(ripples, hex(0xffe8d0, 0.25f), Blend::Screen);
    c.paint(glitter, hex(0xfff2c8, 0.85f), Blend::Screen);
}

void deck(Canvas& c) {
    // The white bulwark under its varnished rail, the deck's planks below.
    inked(c, Shape::rect(-10, kRailLine + 12, kW + 20, 140),
          Fill::vertical(kRailLine, kRailLine + 150,
                         {{0, hex(0xf4ead8)}, {0.6f, hex(0xd8c8b0)}, {1, hex(0x9a8a78)}}),
          1.4f);
    for (float x = 40; x < kW; x += 128)
        inked(c, Shape::rect(x, kRailLine + 12, 14, 140),
              Fill::linear({x, 0}, {x + 14, 0}, {{0, hex(0xfff8ec)}, {1, hex(0xb8a890)}}), 1.0f);
    inked(c, Shape::rect(-10, kRailLine, kW + 20, 16, 4),
          Fill::vertical(kRailLine, kRailLine + 16,
                         {{0, hex(0xc88a4e)}, {0.5f, hex(0x8a4e24)}, {1, hex(0x4a2410)}}),
          1.4f);
    c.paint(rast(Shape::rect(-10, kRailLine + 1, kW + 20, 3)), hex(0xffe0b0, 0.6f));
    inked(c, Shape::rect(-10, 666, kW + 20, 110), woodGrain(hex(0xb88050), hex(0x5a3418), 140, 3530), 1.2f);
    // A lifebuoy on the bulwark, red and white.
    const Vec2 b{900, 598};
    ho::castShadow(c, Shape::circle(b, 46).outline(26), 8, 0.45f);
    inked(c, Shape::circle(b, 46).outline(26), hex(0xf6efe4), 1.4f);
    for (int q = 0; q < 4; q += 1) {
        const float a0 = q * 90.0f + 20;
        const Shape wedge =
            Shape::polygon({b, polar(b, 90, a0), polar(b, 90, a0 + 25), polar(b, 90, a0 + 45)});
        c.paint(rast(Shape::circle(b, 46).outline(26) & wedge), pal::kTerracotta);
    }
    c.paint(rast(Shape::circle(b, 46).outline(26)),
            Fill::radial(b + Vec2{-20, -20}, 80, {{0, hex(0xffffff, 0.2f)}, {1, hex(0x2e1508, 0.3f)}}));
    // The travellers' luggage: a trunk and a carpet bag by the rail.
    ho::chest(c, 90, 590, 180, 74, hex(0x6a3a1c));
    inked(
        c, Shape::ellipse({340, 636}, 60, 36) | Shape::rect(290, 600, 100, 40, 12),
        Fill::radial({320, 610}, 90, {{0, hex(0xd0704a)}, {0.6f, pal::kTerracottaDeep}, {1, hex(0x4a1a10)}}));
    c.paint(rast(Shape::ellipse({340, 596}, 26, 14).outline(4)), hex(0x4a2a14));
    c.paint(rast(Shape::rect(290, 624, 100, 6) & Shape::ellipse({340, 636}, 60, 36)), pal::kGold.fade(0.7f));
}

void awning(Canvas& c) {
    // The striped awning's edge across the top, its scalloped fringe swaying a little.
    inked(c, Shape::rect(-10, -10, kW + 20, 40), hex(0xf4ead8), 1.4f);
    Shape fringe = Shape::rect(-10, 26, kW + 20, 6);
    for (float x = 0; x < kW + 40; x += 48)
        fringe = fringe | (Shape::circle({x + 24, 30}, 24) - Shape::rect(-20, -20, kW + 40, 30));
    ho::castShadow(c, fringe, 8, 0.35f);
    Mask stripes(kW, kH);
    for (float x = 0; x < kW + 40; x += 96) Shape::rect(x, -10, 48, 80).drawInto(stripes);
    c.paint(rast(fringe.grown(1.6f)), pal::kOutline.fade(0.9f));
    c.paint(rast(fringe), hex(0xf4ead8));
    Mask red = rast(fringe | Shape::rect(-10, -10, kW + 20, 40));
    red.multiply(stripes);
    c.paint(red, pal::kTerracotta);
    c.paint(rast(fringe | Shape::rect(-10, -10, kW + 20, 40)),
            Fill::vertical(-10, 56, {{0, hex(0x2e1508, 0.3f)}, {1, hex(0xffffff, 0.1f)}}));
    // The post at the left holds it up.
    inked(c, Shape::rect(10, 30, 18, kRailLine),
          Fill::linear({10, 0}, {28, 0}, {{0, hex(0xfff8ec)}, {1, hex(0xa89880)}}));
}

}  // namespace

Canvas nileDawn() {
    Canvas c(kW, kH);
    skyAndPyramids(c);
    river(c);
    awning(c);
    deck(c);
    bg::vignette(c, 0.4f, hex(0x1a0a20));
    bg::finish(c, 3599);
    return c;
}

Canvas passingFelucca() {
    const int w = 170, h = 190;
    const float size = 120;
    const Vec2 at{86, 160};
    const bg::Felucca f = bg::felucca(at, size);
    Canvas c(w, h);
    Mask all = cover(f.hull | f.sail | f.mast, w, h);
    c.paint(bg::reflection(all, at.y + 1, size * 0.3f, 3540), hex(0x1a2a4a, 0.3f));
    c.paint(cover((f.hull | f.sail).grown(1.2f), w, h), pal::kOutline.fade(0.85f));
    const Rect sb = f.sail.bounds();
    c.paint(cover(f.sail, w, h),
            Fill::linear({sb.x0, sb.y0}, {sb.x1, sb.y1},
                         {{0, hex(0xfff6e4)}, {0.5f, hex(0xf6d2a8)}, {1, hex(0xb08a78)}}));
    c.paint(cover(f.mast, w, h), hex(0x3a2010));
    const Rect hb = f.hull.bounds();
    c.paint(cover(f.hull, w, h),
            Fill::vertical(hb.y0, hb.y1, {{0, hex(0xb06a3a)}, {0.4f, hex(0x6a3a1e)}, {1, hex(0x3a1e0e)}}));
    c.paint(cover(Shape::line({hb.x0 + 8, hb.y0 + 6}, {hb.x1 - 10, hb.y0 + 3}, 1.6f), w, h), pal::kTurquoise);
    return padded(c, 6);
}

Canvas birds() {
    const int w = 300, h = 130;
    Canvas c(w, h);
    const Canvas one = ho::bird(54, 34, hex(0xf4ece0), hex(0x3a2a2a));
    const Vec2 at[] = {{10, 70}, {70, 40}, {130, 14}, {118, 78}, {190, 52}, {240, 90}};
    for (const Vec2 p : at) c.draw(one, static_cast<int>(p.x), static_cast<int>(p.y));
    return c;
}

}  // namespace gen::opening
