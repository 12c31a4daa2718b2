// The professor's study in Cairo on a rainy evening: an arched window on the wet city, shelves of books,
// the journey map on the wall, and on the desk the oil lamp and the opened crate full of straw.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Noise.h"
#include "story_start_art.h"

namespace gen::opening {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr float kWinX0 = 52, kWinX1 = 292, kWinSpring = 150, kWinRise = 110, kWinSill = 392;

// Rain outside: the night sky, the city's domes and minarets with a few lit windows, slanting rain.
void cityInRain(Canvas& c, const Shape& glass) {
    Canvas out(kW, kH);
    out.paint(
        bg::everywhere(),
        Fill::vertical(30, kWinSill, {{0, pal::kBlueNight}, {0.6f, hex(0x24386a)}, {1, hex(0x45507a)}}));
    Shape city = Shape::rect(0, 330, kW, 100);
    for (auto [x, w, h] : {std::tuple{70.0f, 60.0f, 60.0f}, {160.0f, 80.0f, 40.0f}, {250.0f, 50.0f, 70.0f}}) {
        city = city | Shape::rect(x - w / 2, 330 - h, w, h + 2) |
               (Shape::ellipse({x, 330 - h}, w * 0.36f, w * 0.34f) & Shape::rect(0, 0, kW, 330 - h + 1));
        city = city | Shape::line({x, 330 - h - w * 0.34f}, {x, 330 - h - w * 0.34f - 10}, 2);
    }
    city = city | Shape::rect(118, 190, 12, 150) | Shape::rect(114, 236, 20, 6) |
           Shape::rect(115, 180, 18, 12) | Shape::polygon({{116, 180}, {124, 160}, {132, 180}}) |
           Shape::rect(222, 230, 10, 110) | Shape::polygon({{222, 230}, {227, 214}, {232, 230}});
    out.paint(rast(city), Fill::vertical(160, 400, {{0, hex(0x1c2548)}, {1, hex(0x121a36)}}));
    Rng r(3101);
    for (int i = 0; i < 14; ++i) {
        const float x = r.range(60, 290), y = r.range(300, 380);
        out.paint(rast(Shape::rect(x, y, 4, 6, 1)), hex(0xffc860, 0.85f));
    }
    // The rain: thin streaks leaning left, brighter where the lamp catches them.
    Mask rain(kW, kH);
    for (int i = 0; i < 240; ++i) {
        const float x = r.range(30, 320), y = r.range(20, 400), l = r.range(14, 30);
        Shape::line({x, y}, {x - l * 0.25f, y + l}, 0.9f).drawInto(rain);
    }
    out.paint(rain, hex(0xb8d0f0, 0.35f));
    out.clip(rast(glass));
    c.draw(out, 0, 0);
    // Drops running down the panes, each with a lit rim.
    Mask drops(kW, kH), lit(kW, kH);
    for (int i = 0; i < 60; ++i) {
        const Vec2 d{r.range(60, 288), r.range(40, 390)};
        const float s = r.range(1.5f, 3.5f);
        Shape::ellipse(d, s, s * 1.3f).drawInto(drops);
        Shape::circle(d + Vec2{-s * 0.35f, -s * 0.45f}, s * 0.35f).drawInto(lit);
        if (i % 4 == 0) Shape::line(d, d + Vec2{0, -r.range(10, 40)}, s * 0.6f).drawInto(drops);
    }
    drops.multiply(rast(glass));
    lit.multiply(rast(glass));
    c.paint(drops, hex(0x0a1230, 0.3f));
    c.paint(lit, hex(0xe0f0ff, 0.7f));
    c.paint(rast(glass),
            Fill::linear({60, 40}, {290, 390},
                         {{0, hex(0xffffff, 0.1f)}, {0.5f, hex(0xffffff, 0)}, {1, hex(0xffffff, 0.04f)}}));
}

void window(Canvas& c) {
    const Shape outer =
        jigsaw::pointedArch(kWinX0 - 18, kWinX1 + 18, kWinSpring, kWinRise + 14, kWinSill + 14);
    const Shape glass = jigsaw::pointedArch(kWinX0, kWinX1, kWinSpring, kWinRise, kWinSill);
    ho::castShadow(c, outer, 12, 0.35f);
    inked(c, outer, woodGrain(hex(0x8a5a34), hex(0x3e2212), 90, 3102));
    cityInRain(c, glass);
    const float mx = (kWinX0 + kWinX1) / 2;
    Shape bars = Shape::rect(mx - 5, 20, 10, kWinSill) | Shape::rect(kWinX0, 262, kWinX1 - kWinX0, 9);
    bars = bars & glass;
    inked(c, bars, woodGrain(hex(0x7a4a2a), hex(0x3a1e10), 60, 3103), 1.2f);
    // The sill, deep enough to hold a pot of basil.
    inked(c, Shape::rect(kWinX0 - 30, kWinSill + 8, kWinX1 - kWinX0 + 60, 16, 3),
          Fill::vertical(kWinSill + 8, kWinSill + 24, {{0, hex(0xb07a48)}, {1, hex(0x5a321a)}}));
    // Heavy terracotta curtains gathered at each side, their folds catching the lamp.
    for (float s : {-1.0f, 1.0f}) {
        const float x = s < 0 ? kWinX0 - 34 : kWinX1 + 34;
        const Shape drape =
            Shape::polygon({{x - 30, 0}, {x + 30, 0}, {x + 22 * s + 8, 250}, {x + 14, 470}, {x - 30, 470}});
        inked(c, drape,
              Fill::linear({x - 30, 0}, {x + 30, 0},
                           {{0, hex(0xa8442c)},
                            {0.35f, hex(0xd06a48)},
                            {0.7f, pal::kTerracottaDeep},
                            {1, hex(0x6a2818)}}));
        Mask folds(kW, kH);
        for (float f : {-14.0f, 2.0f, 16.0f})
            Shape::stroke({{x + f, 4}, {x + f + 6 * s, 250}, {x + f, 470}}, {2.5f}).drawInto(folds);
        folds.multiply(rast(drape));
        c.paint(folds, hex(0x4a1a0c, 0.45f));
    }
}

// Books on a shelf from x0 to x1 standing on y: colours, heights and a lean now and then.
void books(Canvas& c, float x0, float x1, float y, uint32_t seed) {
    const Color spines[] = {pal::kTerracottaDeep, pal::kBlue,     pal::kTurquoiseDeep, hex(0x6a3a1c),
                            hex(0x4a5a2a),        pal::kGoldDeep, hex(0x7a2a3a),       pal::kBlueDeep};
    Rng r(seed);
    float x = x0;
    while (x < x1 - 14) {
        const float w = r.range(12, 24), h = r.range(58, 84);
        const Color col = spines[r.next() % 8];
        Shape b = Shape::rect(x, y - h, w, h, 2);
        if (r.uniform() < 0.12f && x + w + 30 < x1) {
            b = b.rotated(14, {x + w, y});
            x += 14;
        }
        inked(c, b,
              Fill::linear({x, 0}, {x + w, 0},
                           {{0, lighter(col, 0.25f)}, {0.4f, col}, {1, darker(col, 0.45f)}}),
              1.0f);
        for (float by : {y - h + 10, y - 12})
            c.paint(rast(Shape::rect(x + 2, by, w - 4, 3) & b), pal::kGold.fade(0.8f));
        x += w + 1;
        if (r.uniform() < 0.1f) x += r.range(20, 40);
    }
}

void shelves(Canvas& c) {
    const float x0 = 700, x1 = 1010;
    ho::castShadow(c, Shape::rect(x0, 20, x1 - x0, 460), 14, 0.45f);
    inked(c, Shape::rect(x0, 20, x1 - x0, 460, 3), woodGrain(hex(0x6a4028), hex(0x2e180c), 70, 3104));
    c.paint(rast(Shape::rect(x0 + 14, 34, x1 - x0 - 28, 440)), hex(0x1e0e06, 0.7f));
    const float rows[] = {136, 246, 356, 462};
    uint32_t seed = 3110;
    for (const float y : rows) {
        books(c, x0 + 18, x1 - 18, y, seed++);
        inked(c, Shape::rect(x0 + 6, y, x1 - x0 - 12, 12, 2),
              Fill::vertical(y, y + 12, {{0, hex(0x9a6a40)}, {1, hex(0x4a2814)}}), 1.2f);
    }
    // A few keepsakes among the books.
    ho::jar(c, {750, 136}, 52, pal::kTurquoise, pal::kGold);
    ho::jar(c, {960, 356}, 44, pal::kTerracotta, pal::kBlueDeep);
    ho::chest(c, 900, 212, 62, 34, hex(0x7a4a22));
}

void wallMap(Canvas& c) {
    const Canvas m = hud::resampled(map::mapBack(), 240, 180);
    const float x = 420, y = 84;
    ho::castShadow(c, Shape::rect(x - 14, y - 14, 268, 208), 10, 0.5f);
    inked(c, Shape::rect(x - 14, y - 14, 268, 208, 3), hud::gold(y - 14, y + 194), 1.4f);
    c.draw(m, static_cast<int>(x), static_cast<int>(y));
    c.paint(rast(Shape::rect(x, y, 240, 180).outline(2)), pal::kOutline.fade(0.6f));
}

void desk(Canvas& c) {
    const Shape top = Shape::polygon({{-10, kDeskLine}, {kW + 10, kDeskLine}, {kW + 10, 566}, {-10, 566}});
    c.paint(rast(Shape::rect(0, kDeskLine - 4, kW, 8)).blurred(4), hex(0x1a0a04, 0.6f));
    inked(c, top, woodGrain(hex(0xa86a3a), hex(0x4a2410), 160, 3120), 1.4f);
    inked(c, Shape::rect(-10, 566, kW + 20, 220), woodGrain(hex(0x5a321a), hex(0x24120a), 120, 3121), 1.4f);
    c.paint(rast(Shape::rect(-10, 566, kW + 20, 8)), hex(0xd89a5a, 0.5f));
    for (float x : {60.0f, 400.0f, 740.0f}) {
        inked(c, Shape::rect(x, 590, 240, 66, 4), woodGrain(hex(0x6a3c20), hex(0x2a140a), 90, 3122), 1.2f);
        inked(c, Shape::rect(x + 100, 616, 40, 10, 4), hud::gold(616, 626), 1.0f);
    }
}

void crate(Canvas& c) {
    const Fill pine = woodGrain(hex(0xe0b070), hex(0x9a6a38), 80, 3130);
    const Shape back = Shape::polygon({{418, 436}, {614, 436}, {624, 500}, {408, 500}});
    const Shape front = Shape::rect(398, 500, 236, 104, 3);
    ho::castShadow(c, front | back, 16, 0.55f);
    inked(c, back, Fill::vertical(436, 500, {{0, hex(0x7a4a24)}, {1, hex(0x4a2a14)}}), 1.4f);
    // Straw heaped in the crate and spilling over onto the desk.
    Rng r(3131);
    Mask straw(kW, kH), strawLit(kW, kH);
    for (int i = 0; i < 420; ++i) {
        const bool spill = i > 340;
        const Vec2 a =
            spill ? Vec2{r.range(380, 660), r.range(590, 625)} : Vec2{r.range(412, 620), r.range(440, 512)};
        const float ang = r.range(-0.6f, 0.6f) + (i % 2 ? kPi : 0), l = r.range(14, 34);
        const Vec2 b = a + Vec2{std::cos(ang) * l, std::sin(ang) * l * 0.35f};
        Shape::stroke({a, (a + b) * 0.5f + Vec2{0, -2}, b}, {1.3f, 1.1f, 0.7f})
            .drawInto(i % 3 ? straw : strawLit);
    }
    straw.multiply(rast(back.grown(6) | Shape::rect(380, 585, 290, 44)));
    strawLit.multiply(rast(back.grown(6) | Shape::rect(380, 585, 290, 44)));
    c.paint(rast(Shape::ellipse({516, 486}, 104, 30)), hex(0xb88a3a));
    c.paint(straw.blurred(0.4f), hex(0xd8a848));
    c.paint(strawLit, hex(0xffe08a));
    inked(c, front, pine, 1.6f);
    Mask seams(kW, kH);
    for (float y : {534.0f, 568.0f}) Shape::line({400, y}, {632, y}, 1.4f).drawInto(seams);
    c.paint(seams, hex(0x5a3418, 0.6f));
    for (float x : {398.0f, 612.0f}) inked(c, Shape::rect(x, 500, 22, 104, 2), pine, 1.2f);
    for (float x : {409.0f, 623.0f})
        for (float y : {512.0f, 592.0f}) c.paint(rast(Shape::circle({x, y}, 2.2f)), hex(0x3a2a20));
    // The shipper's stencil.
    c.paint(rast(Shape::rect(470, 538, 92, 26, 4).outline(2.5f)), hex(0x3a2414, 0.55f));
    c.paint(rast(Shape::stroke({{484, 545}, {492, 557}, {500, 547}, {508, 557}, {516, 545}}, {2.4f})),
            hex(0x3a2414, 0.6f));
    c.paint(rast(Shape::circle({540, 551}, 7).outline(2.4f) | Shape::line({540, 544}, {540, 558}, 2.4f)),
            hex(0x3a2414, 0.6f));
    // The lid, prised off, leans against the desk's edge to the right.
    const Shape lid = Shape::rect(648, 520, 170, 40, 3).rotated(-6, {648, 560});
    ho::castShadow(c, lid, 10, 0.5f);
    inked(c, lid, pine, 1.4f);
    c.paint(rast(Shape::line({652, 540}, {814, 523}, 1.2f)), hex(0x5a3418, 0.6f));
    for (Vec2 n : {Vec2{660, 530}, Vec2{805, 515}, Vec2{662, 551}, Vec2{807, 536}})
        c.paint(rast(Shape::line(n, n + Vec2{3, -10}, 1.6f)), hex(0x9aa0a8));
}

void lamp(Canvas& c) {
    const Vec2 base{106, 548};
    c.paint(rast(Shape::circle({106, 420}, 300)).blurred(120), hex(0xffb050, 0.35f), Blend::Screen);
    ho::castShadow(c, Shape::ellipse(base, 40, 10), 8, 0.5f);
    inked(c, Shape::ellipse(base, 40, 10) | Shape::rect(70, 520, 72, 28, 8), hud::gold(510, 556), 1.4f);
    inked(c, Shape::ellipse({106, 500}, 34, 30),
          Fill::radial({96, 488}, 40, {{0, hex(0xf8d890)}, {1, pal::kGoldDeep}}), 1.4f);
    // The glass chimney and its flame.
    const Shape chimney = Shape::ellipse({106, 444}, 20, 26) | Shape::rect(96, 396, 20, 50, 6);
    ho::flame(c, {106, 462}, 30);
    c.paint(rast(chimney), hex(0xfff4d8, 0.22f));
    c.paint(rast(chimney.outline(2)), hex(0xfff0d0, 0.6f));
    c.paint(rast(Shape::ellipse({98, 436}, 4, 12)), hex(0xffffff, 0.45f));
}

}  // namespace

Canvas study() {
    Canvas c(kW, kH);
    const Noise n(3100);
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                const Color base = mixOklab(hex(0x6a4028), hex(0xa8744a), clamp01(y / 480.0f));
                return mixOklab(base, hex(0x5a3220), 0.3f * n.fbm(x / 90, y / 90, 4));
            }));
    // Wainscot below the chair rail.
    inked(c, Shape::rect(-10, 330, kW + 20, 150), woodGrain(hex(0x6a3a20), hex(0x2e160a), 100, 3105), 1.4f);
    for (float x = 20; x < kW; x += 170)
        c.paint(rast(Shape::rect(x, 348, 140, 110, 4).outline(3)), hex(0x1e0c04, 0.45f));
    inked(c, Shape::rect(-10, 322, kW + 20, 12, 2),
          Fill::vertical(322, 334, {{0, hex(0xb07a48)}, {1, hex(0x5a321a)}}));
    window(c);
    shelves(c);
    wallMap(c);
    // Cool light from the window washes the left wall; the lamp warms the middle.
    c.paint(rast(Shape::ellipse({170, 220}, 260, 300)).blurred(60), hex(0x6a8ad0, 0.14f), Blend::Screen);
    desk(c);
    crate(c);
    lamp(c);
    bg::vignette(c, 0.55f, hex(0x140804));
    bg::finish(c, 3199);
    return c;
}

}  // namespace gen::opening
