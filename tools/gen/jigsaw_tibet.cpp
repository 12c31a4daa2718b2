// The third jigsaw picture: a white-walled temple with golden roofs on a crag, snowy peaks behind it, mist in
// the valley, prayer flags strung across and a white shrine among pines in front.
#include <cmath>
#include <vector>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Sky.h"

namespace gen::jigsaw {

// Strings of prayer flags sagging between two points: blue, white, red, green and yellow in turn.
void prayerFlags(Canvas& c, Vec2 a, Vec2 b, float sag, float size, uint32_t seed) {
    const Color colours[] = {hex(0x2b5ab0), hex(0xf8f4e8), hex(0xd03a2a), hex(0x3a9a4a), hex(0xf2c034)};
    Rng rng(seed);
    std::vector<Vec2> line;
    const int n = static_cast<int>(length(b - a) / (size * 1.5f));
    for (int i = 0; i <= n; ++i)
        line.push_back(lerp(a, b, i / static_cast<float>(n)) + Vec2{0, sag * std::sin(kPi * i / n)});
    c.paint(rast(Shape::stroke(line, {1.4f})), hex(0x3a2a2a, 0.8f));
    for (int i = 1; i < n; ++i) {
        const Vec2 p = line[static_cast<size_t>(i)];
        const float turn = rng.range(-12, 12);
        const Shape flag =
            Shape::polygon({p + Vec2{-size * 0.5f, 0}, p + Vec2{size * 0.5f, 0},
                            p + Vec2{size * 0.55f, size * 1.1f}, p + Vec2{-size * 0.45f, size * 1.05f}})
                .rotated(turn, p);
        c.paint(rast(flag.grown(0.8f)), hex(0x2a1a1a, 0.5f));
        c.paint(rast(flag), colours[i % 5]);
        c.paint(rast(Shape::circle(p + Vec2{0, size * 0.55f}, size * 0.16f).rotated(turn, p)),
                hex(0x1a1a2a, 0.35f));
    }
}

namespace {

// A snowy peak: a ragged ridge line from left to right through the summit, lit on the left face, the snow
// reaching down in gullies; `haze` veils it with distance.
void peak(Canvas& c, Vec2 top, float halfWidth, float base, float haze, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> outline{{top.x - halfWidth, base}};
    for (int i = 0; i <= 40; ++i) {
        const float t = i / 40.0f, x = top.x - halfWidth + 2 * halfWidth * t;
        const float h = 1 - std::abs(2 * t - 1);
        outline.push_back(
            {x, base - (base - top.y) * std::pow(h, 1.3f) - 22 * (n.fbm(x / 40.0f, 1.5f, 3) - 0.5f) * h});
    }
    outline.push_back({top.x + halfWidth, base});
    const Shape body = Shape::polygon(outline);
    const Color veil = hex(0xc8dcf0);
    auto v = [&](Color col) { return mixOklab(col, veil, haze); };
    c.paint(rast(body), Fill::vertical(top.y, base, {{0, v(hex(0x7a88a8))}, {1, v(hex(0x4a5a78))}}));
    // The snow: everything above a wavy line, more of it on the gullies.
    const float line = top.y + (base - top.y) * 0.55f;
    const Fill snow([=](float x, float y) {
        const float edge =
            line + 60 * (n.fbm(x / 26.0f, 3.0f, 3) - 0.5f) - 30 * std::abs(std::sin(x / 23.0f));
        const float a = smoothstep(edge + 4, edge - 4, y);
        const bool lit = x < top.x + (y - top.y) * 0.25f * std::sin(y / 30.0f) - 4;
        return (lit ? v(hex(0xfbfdff)) : v(hex(0xa8bcd8))).withAlpha(a);
    });
    c.paint(rast(body), snow);
    // The shaded side of the rock below the snow.
    Mask dark(kPaintW, kPaintH);
    Shape::polygon({top, {top.x + halfWidth, base}, {top.x + 10, base}}).drawInto(dark, 4.0f);
    dark.multiply(rast(body));
    c.paint(dark, v(hex(0x2a3050)).withAlpha(0.35f));
}

// The crag the temple stands on: layered rock with lit ledges and dark clefts, green on its lower slopes.
Shape crag() {
    Path p;
    p.moveTo({180, 780})
        .lineTo({250, 640})
        .smoothThrough(
            {{310, 540}, {350, 476}, {420, 452}, {620, 446}, {820, 452}, {880, 500}, {930, 590}, {990, 660}})
        .lineTo({1040, 700})
        .lineTo({1040, 780});
    return Shape::polygon(p.points());
}

void paintCrag(Canvas& c, const Shape& s) {
    const Noise n(4701u);
    c.paint(rast(s.grown(1.5f)), pal::kOutline.fade(0.8f));
    c.paint(rast(s), Fill([=](float x, float y) {
                const float strata = std::sin((y + 30 * n.fbm(x / 80.0f, y / 40.0f, 3)) / 9.0f);
                const float light = clamp01(0.7f - (x - 300) / 900.0f - (y - 400) / 900.0f);
                const Color rock = mixOklab(hex(0x6a4a40), hex(0xe0b890), light + 0.15f * strata);
                const float moss =
                    smoothstep(560, 700, y) * smoothstep(0.4f, 0.6f, n.fbm(x / 60.0f, y / 60.0f, 4));
                return mixOklab(rock, hex(0x5a7a3a), moss * 0.8f);
            }));
}

// One storey of white wall, narrowing upwards, with rows of dark windows framed in maroon.
void wall(Canvas& c, float x0, float x1, float top, float bottom, int rows, Color body) {
    const float lean = (bottom - top) * 0.08f;
    const Shape w = Shape::polygon({{x0, bottom}, {x0 + lean, top}, {x1 - lean, top}, {x1, bottom}});
    inked(c, w,
          Fill::linear({x0, top}, {x1, bottom},
                       {{0, body},
                        {0.6f, mixOklab(body, hex(0xc8b090), 0.35f)},
                        {1, mixOklab(body, hex(0x8a7060), 0.5f)}}));
    const float step = (bottom - top) / (rows + 0.6f);
    for (int r = 0; r < rows; ++r) {
        const float y = top + step * (r + 0.5f);
        for (float x = x0 + lean + 14; x < x1 - lean - 14; x += 26) {
            c.paint(rast(Shape::polygon(
                        {{x - 7, y + step * 0.5f}, {x - 5.5f, y}, {x + 5.5f, y}, {x + 7, y + step * 0.5f}})),
                    hex(0x6a1e18));
            c.paint(rast(Shape::rect(x - 4, y + 3, 8, step * 0.5f - 5)), hex(0x1a0e10));
        }
    }
    c.paint(rast(Shape::rect(x0 + lean - 2, top - 4, x1 - x0 - 2 * lean + 4, 6)), hex(0x6a2a1e));
}

// A golden roof with upturned eaves and a bell-shaped finial.
void roof(Canvas& c, float cx, float y, float half) {
    Path p;
    p.moveTo({cx, y})
        .lineTo({cx - half - 10, y})
        .quadTo({cx - half, y - 8}, {cx - half * 0.7f, y - 22})
        .lineTo({cx - half * 0.25f, y - 34})
        .lineTo({cx, y - 34})
        .mirrorX(cx);
    inked(c, Shape::polygon(p.points()), hud::gold(y - 34, y));
    c.paint(rast(Shape::rect(cx - half * 0.7f, y - 20, half * 1.4f, 2)), pal::kGoldDeep);
    const Shape fin = Shape::ellipse({cx, y - 44}, 6, 10) | Shape::rect(cx - 8, y - 36, 16, 4) |
                      Shape::line({cx, y - 54}, {cx, y - 64}, 2.5f);
    inked(c, fin, hud::gold(y - 64, y - 34), 1.2f);
}

// A stair zigzagging down the rock from the temple's gate.
void stair(Canvas& c) {
    Mask m(kPaintW, kPaintH);
    Shape::stroke({{610, 474}, {530, 520}, {650, 576}, {540, 640}, {640, 700}, {580, 780}}, {12}).drawInto(m);
    m.multiply(rast(crag()));
    c.paint(m, hex(0xe8dcc4));
    c.paint(m.shifted(0, 3), hex(0x5a4438, 0.5f), Blend::Inside);
}

// The temple: broad white walls stepping up the crag, the maroon hall on top under golden roofs.
void temple(Canvas& c) {
    const Color white = hex(0xfaf6ec);
    wall(c, 340, 880, 380, 474, 3, white);
    wall(c, 400, 820, 318, 384, 2, white);
    wall(c, 420, 560, 268, 322, 2, white);
    wall(c, 660, 800, 278, 322, 2, white);
    wall(c, 520, 700, 200, 322, 4, hex(0xa83228));
    c.paint(rast(Shape::rect(528, 202, 164, 10)), hex(0xf0e6d0));  // the white band under the eaves
    roof(c, 610, 198, 100);
    roof(c, 490, 266, 62);
    roof(c, 730, 276, 62);
    // A golden wheel between two deer on the hall's front.
    const Vec2 w{610, 234};
    inked(c, Shape::circle(w, 11).outline(3) | Shape::circle(w, 3), hud::gold(223, 245), 1.0f);
    for (const float s : {-1.0f, 1.0f})
        inked(c, Shape::ellipse(w + Vec2{s * 20, 4}, 7, 5), hud::gold(229, 243), 1.0f);
    // The gate at the foot of the walls.
    inked(c, Shape::rect(592, 438, 36, 36, 3),
          Fill::vertical(438, 474, {{0, hex(0x8a2a20)}, {1, hex(0x4a1410)}}), 1.2f);
    inked(c, Shape::rect(584, 430, 52, 8), hud::gold(430, 438), 1.0f);
}

// Small white houses of the monks down the slope, flat-roofed with a maroon band and dark windows.
void houses(Canvas& c) {
    Rng rng(4713u);
    for (const Vec2 f : {Vec2{380, 560}, Vec2{450, 610}, Vec2{330, 650}, Vec2{760, 560}, Vec2{840, 620},
                         Vec2{720, 660}, Vec2{900, 690}, Vec2{440, 720}, Vec2{780, 740}}) {
        const float w = rng.range(46, 70), h = rng.range(30, 42);
        inked(
            c, Shape::rect(f.x - w / 2, f.y - h, w, h),
            Fill::linear(f + Vec2{-w / 2, -h}, f + Vec2{w / 2, 0}, {{0, hex(0xfffbf2)}, {1, hex(0xc8b49a)}}),
            1.3f);
        c.paint(rast(Shape::rect(f.x - w / 2, f.y - h, w, 6)), hex(0x8a2a20));
        for (float x = f.x - w / 2 + 10; x < f.x + w / 2 - 6; x += 14)
            c.paint(rast(Shape::rect(x - 3, f.y - h + 12, 6, 8)), hex(0x1a0e10));
    }
}

// A white shrine: stepped base, a dome, a gold spire of rings and a crescent with a sun on top.
void chorten(Canvas& c, Vec2 foot, float s) {
    const Fill white = Fill::linear(foot + Vec2{-s, -2 * s}, foot + Vec2{s, 0},
                                    {{0, hex(0xffffff)}, {0.6f, hex(0xe8e0d0)}, {1, hex(0xa89888)}});
    inked(c, Shape::rect(foot.x - s, foot.y - s * 0.3f, 2 * s, s * 0.3f), white);
    inked(c, Shape::rect(foot.x - s * 0.8f, foot.y - s * 0.55f, s * 1.6f, s * 0.27f), white);
    inked(c,
          Shape::ellipse({foot.x, foot.y - s * 0.85f}, s * 0.55f, s * 0.4f) -
              Shape::rect(foot.x - s, foot.y - s * 0.55f, 2 * s, s),
          white);
    inked(c,
          Shape::polygon({{foot.x - s * 0.2f, foot.y - s * 1.2f},
                          {foot.x - s * 0.08f, foot.y - s * 2.0f},
                          {foot.x + s * 0.08f, foot.y - s * 2.0f},
                          {foot.x + s * 0.2f, foot.y - s * 1.2f}}),
          hud::gold(foot.y - s * 2, foot.y - s * 1.2f), 1.2f);
    Mask rings(kPaintW, kPaintH);
    for (float t = 0.15f; t < 1.0f; t += 0.15f)
        Shape::line({foot.x - s * 0.2f, foot.y - s * (1.2f + 0.8f * t)},
                    {foot.x + s * 0.2f, foot.y - s * (1.2f + 0.8f * t)}, 1.2f)
            .drawInto(rings);
    rings.multiply(rast(Shape::rect(foot.x - s * 0.2f, foot.y - s * 2, s * 0.4f, s * 0.8f)));
    c.paint(rings, pal::kBronze.fade(0.7f));
    inked(c,
          Shape::circle({foot.x, foot.y - s * 2.18f}, s * 0.09f) |
              (Shape::circle({foot.x, foot.y - s * 2.05f}, s * 0.16f) -
               Shape::circle({foot.x, foot.y - s * 2.12f}, s * 0.15f)),
          hud::gold(foot.y - s * 2.3f, foot.y - s * 1.95f), 1.0f);
}

// Dark juniper pines, lit on their left.
void pine(Canvas& c, Vec2 foot, float h) {
    Path p;
    p.moveTo({foot.x, foot.y - h});
    for (int i = 1; i <= 4; ++i) {
        const float y = foot.y - h + h * i / 4.2f, w = h * (0.1f + 0.07f * i);
        p.lineTo({foot.x - w, y}).lineTo({foot.x - w * 0.45f, y - h * 0.03f});
    }
    p.lineTo({foot.x - h * 0.04f, foot.y}).mirrorX(foot.x);
    const Shape tree = Shape::polygon(p.points());
    inked(c, tree,
          Fill::linear(foot + Vec2{-h * 0.35f, -h}, foot + Vec2{h * 0.35f, 0},
                       {{0, hex(0x6a9a50)}, {0.5f, hex(0x2e5a32)}, {1, hex(0x14301e)}}),
          1.2f);
}

}  // namespace

Canvas tibetTemple() {
    Canvas c(kPaintW, kPaintH);
    scene::paintSky(c, {{0, hex(0x1a3a8a)}, {0.5f, hex(0x3a7ad0)}, {1, hex(0xc8e6f6)}}, 420);
    bg::puffyClouds(c, 20, 150, hex(0xe8f0fa, 0.8f), hex(0xffffff, 0.9f), 0.25f, 4702u);
    peak(c, {180, 96}, 330, 520, 0.35f, 4703u);
    peak(c, {880, 70}, 360, 520, 0.3f, 4704u);
    peak(c, {560, 150}, 260, 520, 0.45f, 4705u);
    peak(c, {-40, 230}, 220, 560, 0.2f, 4706u);
    bg::puffyClouds(c, 360, 560, hex(0xf0f4fa, 0.9f), hex(0xffffff, 0.95f), 0.6f, 4707u);
    const Shape rock = crag();
    paintCrag(c, rock);
    stair(c);
    houses(c);
    temple(c);
    for (const Vec2 f : {Vec2{300, 600}, Vec2{480, 560}, Vec2{700, 600}, Vec2{860, 560}, Vec2{950, 650}})
        pine(c, f, 70);
    prayerFlags(c, {860, 390}, {1030, 250}, 26, 18, 4708u);
    prayerFlags(c, {360, 390}, {96, 512}, 30, 18, 4709u);
    prayerFlags(c, {-10, 40}, {560, 120}, 60, 26, 4710u);
    prayerFlags(c, {600, 110}, {1040, 30}, 50, 26, 4711u);
    // The near slope: grass and rocks, the shrine and pines, and a flag pole.
    const Shape slope =
        Shape::polygon({{-10, 620}, {120, 600}, {260, 640}, {330, 700}, {300, 780}, {-10, 780}});
    inked(c, slope, Fill::vertical(600, 768, {{0, hex(0x9ab85a)}, {1, hex(0x3a5a2a)}}));
    for (const Vec2 f : {Vec2{40, 640}, Vec2{290, 690}, Vec2{960, 720}, Vec2{1000, 740}}) pine(c, f, 120);
    chorten(c, {150, 690}, 60);
    c.paint(rast(Shape::line({92, 700}, {92, 500}, 4)), hex(0x4a2a1a));
    prayerFlags(c, {92, 510}, {-10, 560}, 8, 16, 4712u);
    bg::vignette(c, 0.22f, hex(0x0a1430));
    return c;
}

}  // namespace gen::jigsaw
