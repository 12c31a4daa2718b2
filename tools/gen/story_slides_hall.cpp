// Inside the temple: the pillared hall with the second tablet on its altar under shafts of light, the wall
// of carvings round the painted map, the map itself close up, and the rival's traces on the dusty floor.
#include <cmath>
#include <tuple>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr Color kHallStone = hex(0xc8a47c);
constexpr Vec2 kVp{512, 360};
constexpr float kEye = 260, kHalf = 560, kTop = 620, kBack = 3.2f, kF = 700;

// Blocks of stone on a surface, u and v in the surface's own units.
Color blocks(float u, float v, float bw, float bh, const Noise& n) {
    const int row = static_cast<int>(std::floor(v / bh));
    const float uu = u + (row % 2) * bw * 0.5f;
    const int col = static_cast<int>(std::floor(uu / bw));
    const float tone = (hash3(col, row, 61u) % 100) / 100.0f;
    Color k = mixOklab(darker(kHallStone, 0.15f), lighter(kHallStone, 0.1f),
                       0.3f + 0.5f * tone + 0.4f * (n.fbm(u / 40.0f, v / 40.0f, 3) - 0.5f));
    const float eu = std::min(uu - col * bw, (col + 1) * bw - uu),
                ev = std::min(v - row * bh, (row + 1) * bh - v);
    if (std::min(eu, ev) < 3) k = darker(k, 0.45f);
    return k;
}

// The hall's floor, walls, ceiling and end wall met by the ray through (x, y).
Color hall(float x, float y, const Noise& n) {
    const float dx = x - kVp.x, dy = y - kVp.y;
    const float sF = dy / kEye, sW = std::abs(dx) / kHalf, sC = -dy / (kTop - kEye);
    float s = std::max({sF, sW, sC});
    const float z = 1 / std::max(s, 1e-4f);
    if (z > kBack) {
        const float X = dx * kBack, H = kEye - dy * kBack;
        Color k = blocks(X, H, 160, 70, n);
        if (H > 440 && H < 520) k = mixOklab(k, hex(0x8a6a4a), 0.4f);
        return darker(k, 0.35f);
    }
    const float X = dx * z, H = kEye - dy * z, Zw = z * kF;
    Color k;
    if (s == sF) {
        k = blocks(X + 2000, Zw, 180, 180, n);
    } else if (s == sW) {
        k = blocks(Zw, H, 200, 80, n);
        if (H > 420 && H < 480) k = mixOklab(k, hex(0x8a5a3a), 0.5f);
    } else {
        k = mixOklab(hex(0x4a3424), hex(0x6a4a30), n.fbm(X / 100.0f, Zw / 100.0f, 3));
        if (std::fmod(Zw, 240.0f) < 40) k = hex(0x3a2418);
    }
    // Dim and warm, darker away from the middle and with depth.
    const float dark = 0.35f * clamp01(std::abs(X) / kHalf) + 0.25f * clamp01(z / kBack);
    return darker(k, dark);
}

Vec2 project(float X, float H, float z) {
    return {kVp.x + X / z, kVp.y - (H - kEye) / z};
}

void pillar(Canvas& c, float X, float z) {
    const Vec2 foot = project(X, 0, z), head = project(X, kTop, z);
    const float w = 90 / z;
    const Shape p = Shape::rect(foot.x - w / 2, head.y, w, foot.y - head.y);
    inked(c, p,
          Fill::linear({foot.x - w / 2, 0}, {foot.x + w / 2, 0},
                       {{0, lighter(kHallStone, 0.2f)}, {0.35f, kHallStone}, {1, darker(kHallStone, 0.6f)}}),
          std::max(1.0f, 2.4f / z));
    Mask flutes(kW, kH);
    for (float f = -0.3f; f <= 0.31f; f += 0.15f)
        Shape::line({foot.x + f * w, head.y + 30 / z}, {foot.x + f * w, foot.y - 30 / z},
                    std::max(0.8f, 2 / z))
            .drawInto(flutes);
    c.paint(flutes, hex(0x3a2010, 0.3f));
    for (const float yy : {head.y + 14 / z, foot.y - 24 / z})
        inked(c, Shape::rect(foot.x - w * 0.7f, yy - 12 / z, w * 1.4f, 24 / z), kHallStone,
              std::max(1.0f, 2 / z));
    c.paint(rast(p), Fill::vertical(
                         head.y, foot.y,
                         {{0, hex(0x1a0a04, 0.4f)}, {0.5f, hex(0x1a0a04, 0.0f)}, {1, hex(0x1a0a04, 0.2f)}}));
}

// A second tablet, its cells still closed but for a few, standing on the altar.
void secondTablet(Canvas& c, Rect box) {
    inked(c, Shape::rect(box.x0, box.y0, box.width(), box.height(), 4), hud::sandstone(box, 6201u), 1.6f);
    const float cell = box.width() * 0.8f / 8;
    Mask cells(kW, kH), lit(kW, kH);
    for (int j = 0; j < 6; ++j)
        for (int i = 0; i < 8; ++i) {
            const Shape sq =
                Shape::rect(box.x0 + box.width() * 0.14f + i * cell, box.y0 + box.height() * 0.2f + j * cell,
                            cell * 0.84f, cell * 0.84f, 1.5f);
            sq.outline(1.2f).drawInto(cells);
            if ((i * 7 + j * 3) % 5 == 0) sq.drawInto(lit);
        }
    c.paint(cells, hex(0x3a2010, 0.6f));
    c.paint(lit, pal::kTurquoiseLight);
    c.paint(lit.blurred(4), hex(0x60f0e0, 0.6f), Blend::Screen);
}

// The painted map on the plaster: snowy peaks, a monastery on its cliff, a waterfall and the star.
void wallMap(Canvas& c, Rect b) {
    const Noise n(6210u);
    const float W = b.width(), H = b.height();
    auto P = [&](float u, float v) { return Vec2{b.x0 + u * W, b.y0 + v * H}; };
    c.paint(rast(Shape::rect(b.x0, b.y0, W, H)), Fill([=](float x, float y) {
                const float stain = n.fbm(x / 90.0f, y / 90.0f, 4);
                return mixOklab(hex(0xf0dcb0), hex(0xb08a5a), 0.2f + 0.6f * smoothstep(0.45f, 0.8f, stain));
            }));
    auto paintOn = [&](const Shape& s, const Fill& f) { c.paint(rast(s), f, Blend::Over, 0.9f); };
    // Peaks.
    for (const auto& [u, v, hw] :
         {std::tuple{0.22f, 0.12f, 0.2f}, {0.5f, 0.06f, 0.24f}, {0.8f, 0.14f, 0.2f}}) {
        const Shape m = Shape::polygon({P(u, v), P(u + hw, 0.55f), P(u - hw, 0.55f)});
        paintOn(m, Fill::linear(P(u - hw, v), P(u + hw, 0.55f), {{0, hex(0x8aa0c8)}, {1, hex(0x3a4a78)}}));
        paintOn(Shape::polygon({P(u, v), P(u + hw * 0.4f, v + 0.17f), P(u + hw * 0.1f, v + 0.13f),
                                P(u - hw * 0.15f, v + 0.18f), P(u - hw * 0.38f, v + 0.16f)}),
                hex(0xfafcff));
        c.paint(rast(m.outline(std::max(1.5f, W * 0.003f))), hex(0x2e1508, 0.6f));
    }
    // The cliff, the waterfall from its lip, the pool and river below.
    const Shape cliff = Shape::polygon({P(0.52f, 0.42f), P(0.7f, 0.4f), P(0.74f, 0.9f), P(0.44f, 0.92f)});
    paintOn(cliff, Fill::linear(P(0.5f, 0.4f), P(0.75f, 0.9f), {{0, hex(0xc8a070)}, {1, hex(0x6a4a30)}}));
    c.paint(rast(cliff.outline(std::max(1.5f, W * 0.003f))), hex(0x2e1508, 0.6f));
    paintOn(
        Shape::stroke({P(0.7f, 0.45f), P(0.73f, 0.6f), P(0.74f, 0.82f)}, {W * 0.02f, W * 0.03f, W * 0.035f}),
        Fill::vertical(b.y0 + H * 0.45f, b.y0 + H * 0.85f, {{0, hex(0xe8f8ff)}, {1, hex(0x8ad0e8)}}));
    Path river;
    river.moveTo(P(0.74f, 0.86f)).smoothThrough({P(0.86f, 0.9f), P(0.9f, 0.96f), P(1.0f, 0.98f)});
    paintOn(Shape::stroke(river.points(), {W * 0.03f}), hex(0x5ab0c8));
    // The monastery on top of the cliff: white walls, maroon band, gold roofs.
    const Vec2 m = P(0.6f, 0.4f);
    const float s = W * 0.1f;
    paintOn(Shape::rect(m.x - s, m.y - s * 0.7f, 2 * s, s * 0.7f), hex(0xfaf4e8));
    paintOn(Shape::rect(m.x - s, m.y - s * 0.7f, 2 * s, s * 0.14f), hex(0x8a2a2a));
    paintOn(Shape::rect(m.x - s * 0.45f, m.y - s * 1.2f, s * 0.9f, s * 0.5f), hex(0xfaf4e8));
    paintOn(Shape::polygon(
                {{m.x - s * 0.6f, m.y - s * 1.2f}, {m.x, m.y - s * 1.5f}, {m.x + s * 0.6f, m.y - s * 1.2f}}),
            pal::kGold);
    Mask windows(kW, kH);
    for (int i = 0; i < 5; ++i)
        Shape::rect(m.x - s * 0.8f + i * s * 0.36f, m.y - s * 0.4f, s * 0.12f, s * 0.16f).drawInto(windows);
    c.paint(windows, hex(0x3a2010, 0.8f));
    // The trail to it, dotted, and the star that marks the place.
    Mask trail(kW, kH);
    for (float t = 0; t < 1; t += 0.04f)
        Shape::circle(lerp(P(0.05f, 0.95f), P(0.45f, 0.5f), t) + Vec2{0, std::sin(t * 9) * H * 0.03f},
                      W * 0.006f)
            .drawInto(trail);
    c.paint(trail, hex(0x8a2a1a, 0.85f));
    const Vec2 star = P(0.6f, 0.26f);
    c.paint(rast(Shape::star(star, 5, W * 0.06f, W * 0.025f).grown(2)), hex(0x2e1508, 0.7f));
    c.paint(rast(Shape::star(star, 5, W * 0.06f, W * 0.025f)),
            Fill::radial(star, W * 0.06f, {{0, pal::kGoldPale}, {0.5f, pal::kGold}, {1, pal::kTerracotta}}));
    // Age: cracks in the plaster.
    Mask cracks(kW, kH);
    Rng rng(6211u);
    for (int i = 0; i < 7; ++i) {
        Vec2 p = P(rng.uniform(), rng.uniform());
        std::vector<Vec2> pts{p};
        for (int k = 0; k < 6; ++k)
            pts.push_back(p = p + Vec2{rng.range(-1, 1), rng.range(-1, 1)} * W * 0.03f);
        Shape::stroke(pts, {1.4f, 0.6f}).drawInto(cracks);
    }
    cracks.multiply(rast(Shape::rect(b.x0, b.y0, W, H)));
    c.paint(cracks, hex(0x4a3020, 0.55f));
}

}  // namespace

Canvas templeHall() {
    Canvas c(kW, kH);
    const Noise n(6220u);
    c.paint(bg::everywhere(), Fill([&](float x, float y) { return hall(x, y, n); }));
    for (float z = kBack - 0.3f; z >= 1.0f; z -= 0.6f)
        for (const float side : {-1.0f, 1.0f}) pillar(c, side * 330, z);
    // The altar at the far end with the tablet upon it, in a shaft of light from the roof.
    const float za = kBack - 0.45f;
    const Vec2 af = project(0, 0, za);
    for (int k = 0; k < 3; ++k) {
        const float w = (340 - k * 60) / za, h = 40 / za;
        inked(c, Shape::rect(af.x - w / 2, af.y - h * (k + 1), w, h),
              Fill::vertical(af.y - h * (k + 1), af.y - h * k,
                             {{0, lighter(kHallStone, 0.2f)}, {1, darker(kHallStone, 0.35f)}}),
              1.4f);
    }
    const float tw = 110 / za;
    secondTablet(c, {af.x - tw / 2, af.y - 120 / za - tw * 1.1f, af.x + tw / 2, af.y - 120 / za});
    const Vec2 hole = project(0, kTop, za);
    const Shape shaft =
        Shape::polygon({hole + Vec2{-30, 0}, hole + Vec2{30, 0}, af + Vec2{90, 0}, af + Vec2{-90, 0}});
    Mask m = shaft.rasterize(kW, kH, 2);
    m.blur(8);
    c.paint(m, Fill::vertical(hole.y, af.y, {{0, hex(0xfff4d0, 0.6f)}, {1, hex(0xffe0a0, 0.3f)}}),
            Blend::Screen);
    for (const float x : {-220.0f, 220.0f}) {
        const Vec2 top = project(x, kTop, 1.6f), foot = project(x * 1.1f, 0, 1.9f);
        Mask s =
            Shape::polygon({top + Vec2{-20, 0}, top + Vec2{20, 0}, foot + Vec2{60, 0}, foot + Vec2{-60, 0}})
                .rasterize(kW, kH, 2);
        s.blur(10);
        c.paint(s, hex(0xffe8b0, 0.25f), Blend::Screen);
        m.unite(s);
    }
    motes(c, m, 160, hex(0xfff0c0, 0.85f), 6221u);
    lightPool(c, af + Vec2{0, -40}, {260, 160}, hex(0xffd080, 0.35f));
    finishSlide(c, 0.5f, 6222u);
    return c;
}

Canvas hallWall() {
    Canvas c(kW, kH);
    const Noise n(6230u);
    c.paint(bg::everywhere(),
            Fill([&](float x, float y) { return darker(blocks(x, y, 150, 64, n), 0.15f); }));
    reliefs(c, {140, 60, 884, 150}, 70, 1.0f, 6231u);
    reliefs(c, {140, 590, 884, 690}, 70, 1.0f, 6232u);
    const Rect map{230, 168, 794, 572};
    inked(c, Shape::rect(map.x0 - 16, map.y0 - 16, map.width() + 32, map.height() + 32, 6),
          Fill::vertical(map.y0, map.y1, {{0, lighter(kHallStone, 0.25f)}, {1, darker(kHallStone, 0.3f)}}),
          2);
    wallMap(c, map);
    hud::groove(c, Shape::rect(map.x0 - 8, map.y0 - 8, map.width() + 16, map.height() + 16, 4).outline(2));
    for (const float x : {90.0f, 934.0f}) {
        const Shape p = Shape::rect(x - 50, -10, 100, 800);
        inked(c, p,
              Fill::linear(
                  {x - 50, 0}, {x + 50, 0},
                  {{0, lighter(kHallStone, 0.25f)}, {0.35f, kHallStone}, {1, darker(kHallStone, 0.6f)}}),
              2);
    }
    // Light falls in a slant across the wall from an opening up on the left.
    Mask beam = Shape::polygon({{80, -20}, {360, -20}, {900, 780}, {480, 780}}).rasterize(kW, kH, 2);
    beam.blur(30);
    c.paint(beam, hex(0xffe8b0, 0.3f), Blend::Screen);
    motes(c, beam, 120, hex(0xfff0c0, 0.8f), 6233u);
    c.paint(bg::everywhere(),
            Fill::radial({400, 300}, {800, 700}, {{0, hex(0x1a0a04, 0.0f)}, {1, hex(0x1a0a04, 0.45f)}}));
    finishSlide(c, 0.4f, 6234u);
    return c;
}

Canvas hallMap() {
    Canvas c(kW, kH);
    const Noise n(6240u);
    c.paint(bg::everywhere(),
            Fill([&](float x, float y) { return darker(blocks(x * 2.5f, y * 2.5f, 150, 64, n), 0.2f); }));
    const Rect map{40, 20, 984, 748};
    wallMap(c, map);
    lightPool(c, {620, 200}, {420, 300}, hex(0xffe0a0, 0.3f));
    c.paint(bg::everywhere(),
            Fill::radial({600, 300}, {800, 700}, {{0, hex(0x1a0a04, 0.0f)}, {1, hex(0x1a0a04, 0.4f)}}));
    finishSlide(c, 0.4f, 6241u);
    return c;
}

Canvas hallFloor() {
    Canvas c(kW, kH);
    const Noise n(6250u);
    // Flags seen from above, greyed with dust; the altar's steps along the top.
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                const Color k = blocks(x + 40, y, 220, 160, n);
                return mixOklab(k, hex(0xd8c8b0), 0.45f * n.fbm(x / 120.0f, y / 120.0f, 4));
            }));
    for (int k = 0; k < 3; ++k) {
        const float y = 40 + k * 50.0f;
        inked(
            c, Shape::rect(140 + k * 60.0f, -20, 744 - k * 120.0f, y + 30),
            Fill::vertical(y - 40, y + 10, {{0, lighter(kHallStone, 0.2f)}, {1, darker(kHallStone, 0.35f)}}),
            2);
    }
    // Boot prints crossing the dust: clean dark soles, the heel apart from the tread.
    Mask prints(kW, kH);
    for (int i = 0; i < 8; ++i) {
        const float t = i / 7.0f;
        const Vec2 p = lerp(Vec2{170, 740}, Vec2{560, 220}, t) + Vec2{(i % 2 ? 30.0f : -30.0f), 0};
        const float a = -40;
        (Shape::ellipse(p, 20, 30) | Shape::ellipse(p + Vec2{0, 42}, 16, 16)).rotated(a, p).drawInto(prints);
    }
    Mask tread(kW, kH);
    for (float y = 0; y < kH; y += 7)
        Shape::line({0, y}, {static_cast<float>(kW), y + 60}, 2).drawInto(tread);
    Mask inner = prints;
    inner.multiply(tread);
    c.paint(prints, hex(0x6a5040, 0.55f));
    c.paint(inner, hex(0x3a2a20, 0.35f));
    // The torn page from a notebook: ruled lines, hurried writing and a sketch of peaks.
    std::vector<Vec2> page{{590, 430}, {820, 400}, {860, 640}};
    Rng rng(6251u);
    for (float t = 0; t <= 1.0f; t += 0.08f)
        page.push_back(lerp(Vec2{860, 640}, Vec2{630, 676}, t) + Vec2{rng.range(-5, 5), rng.range(-8, 8)});
    const Shape paper = Shape::polygon(page);
    c.paint(rast(paper.moved({8, 10})).blurred(6), hex(0x1a0a04, 0.45f));
    inked(c, paper, Fill::linear({590, 400}, {860, 680}, {{0, hex(0xfffaf0)}, {1, hex(0xd8c8a8)}}), 1.4f);
    Mask lines(kW, kH), ink(kW, kH);
    for (int i = 0; i < 9; ++i) {
        const float y = 450 + i * 24.0f;
        Shape::line({600, y + 8}, {850, y - 24}, 1).drawInto(lines);
        if (i < 4) Shape::line({620, y + 2}, {620 + rng.range(120, 200), y - 20}, 2.2f).drawInto(ink);
    }
    Shape::polygon({{680, 610}, {720, 548}, {740, 580}, {762, 540}, {800, 600}}).outline(2.4f).drawInto(ink);
    lines.multiply(rast(paper));
    ink.multiply(rast(paper));
    c.paint(lines, hex(0x6a8ac8, 0.5f));
    c.paint(ink, hex(0x2a2a4a, 0.8f));
    // The red scarf, dropped in loose loops with its fringed end trailing.
    Path scarf;
    scarf.moveTo({180, 690})
        .smoothThrough({{240, 610},
                        {330, 560},
                        {420, 560},
                        {450, 500},
                        {390, 450},
                        {300, 470},
                        {280, 530},
                        {350, 590},
                        {450, 620}});
    const auto& pts = scarf.points();
    const Shape sc = Shape::stroke(pts, {44});
    c.paint(rast(sc.moved({8, 10})).blurred(8), hex(0x1a0a04, 0.45f));
    inked(
        c, sc,
        Fill::linear({240, 420}, {470, 700}, {{0, hex(0xf05a4a)}, {0.5f, hex(0xc01e28)}, {1, hex(0x7a0a18)}}),
        1.6f);
    // Where the band passes over itself, a shadow and a seam; knitted ribs along it.
    const size_t half = pts.size() * 2 / 3;
    const Shape upper = Shape::stroke({pts.begin() + static_cast<long>(half), pts.end()}, {44});
    inked(c, upper, Fill::linear({280, 500}, {450, 640}, {{0, hex(0xf86a5a)}, {1, hex(0xb01a24)}}), 1.6f);
    Mask ribs(kW, kH);
    for (size_t i = 0; i < pts.size(); i += 3) {
        const Vec2 a = pts[i], b = pts[std::min(pts.size() - 1, i + 1)];
        const Vec2 d = normalize(b - a), nn = rotate(d, kPi / 2);
        Shape::line(a - nn * 18, a + nn * 18, 1.6f).drawInto(ribs);
    }
    ribs.multiply(rast(sc.grown(-3)));
    c.paint(ribs, hex(0x5a0610, 0.3f));
    Mask fringe(kW, kH);
    for (int i = -3; i <= 3; ++i)
        Shape::line(Vec2{180, 690} + Vec2{i * 6.0f, i * 4.5f}, Vec2{160, 714} + Vec2{i * 6.0f, i * 4.5f},
                    2.4f)
            .drawInto(fringe);
    c.paint(fringe, hex(0xa01820));
    // A shaft of light from the roof picks them out.
    Mask beam = Shape::polygon({{300, -20}, {640, -20}, {900, 780}, {160, 780}}).rasterize(kW, kH, 2);
    beam.blur(40);
    c.paint(beam, hex(0xffe8b0, 0.22f), Blend::Screen);
    motes(c, beam, 90, hex(0xfff0c0, 0.8f), 6252u);
    finishSlide(c, 0.55f, 6253u);
    return c;
}

}  // namespace gen::slides
