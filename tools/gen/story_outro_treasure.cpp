// The treasure's painting: heaps of coins, golden statues, scrolls, the carved tablets and the Heart of the
// Caravan Kings itself.
#include <algorithm>
#include <cmath>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_outro_art.h"

namespace gen::outro {

void coinHeap(Canvas& c, const Shape& heap, uint32_t seed) {
    const Rect b = heap.bounds();
    castShadow(c, heap, 10, 0.45f);
    c.paint(rast(c, heap.grown(1.2f)), pal::kOutline.fade(0.8f));
    c.paint(rast(c, heap), Fill::linear({b.x0, b.y0}, {b.x1, b.y1},
                                        {{0, hex(0xffe08a)}, {0.45f, pal::kGold}, {1, hex(0x7a4410)}}));
    Rng rng(seed);
    struct Coin {
        Vec2 p;
        float r, tilt;
    };
    std::vector<Coin> coins;
    const int n = static_cast<int>(b.width() * b.height() / 90);
    for (int i = 0; i < n; ++i) {
        const Vec2 p{rng.range(b.x0, b.x1), rng.range(b.y0, b.y1)};
        if (heap.distance(p) > -3) continue;
        coins.push_back({p, rng.range(5.5f, 8.5f), rng.range(-30, 30)});
    }
    std::sort(coins.begin(), coins.end(), [](const Coin& a, const Coin& b) { return a.p.y < b.p.y; });
    Mask rims(c.width(), c.height()), faces(c.width(), c.height()), lows(c.width(), c.height());
    for (const Coin& k : coins) {
        const Shape e = Shape::ellipse(k.p, k.r, k.r * 0.55f).rotated(k.tilt, k.p);
        e.grown(1.0f).drawInto(rims);
        e.drawInto(faces);
        Shape::ellipse(k.p + Vec2{1.5f, 1.2f}, k.r * 0.7f, k.r * 0.3f).rotated(k.tilt, k.p).drawInto(lows);
    }
    c.paint(rims, hex(0x6a3a0c, 0.85f));
    c.paint(faces,
            Fill::vertical(b.y0, b.y1, {{0, hex(0xfff0b0)}, {0.5f, pal::kGoldLight}, {1, pal::kGold}}));
    c.paint(lows, pal::kGoldDeep.fade(0.6f));
    // A few gems among the gold.
    const Color gems[] = {hex(0xd8283a), pal::kTurquoise, hex(0x3a6ae0), hex(0x3ab060)};
    for (int i = 0; i < 7; ++i) {
        const Vec2 p{rng.range(b.x0, b.x1), rng.range(b.y0 + b.height() * 0.2f, b.y1)};
        if (heap.distance(p) > -8) continue;
        const float s = rng.range(4, 7);
        const Color g = gems[i % 4];
        part(c, Shape::regular(p, 6, s, 30),
             Fill::radial(p - Vec2{s * 0.3f, s * 0.4f}, s * 1.4f,
                          {{0, lighter(g, 0.6f)}, {0.5f, g}, {1, darker(g, 0.5f)}}),
             1.0f, 1.5f);
    }
    for (int i = 0; i < 5; ++i) {
        const Vec2 p{rng.range(b.x0, b.x1), rng.range(b.y0, b.y0 + b.height() * 0.6f)};
        if (heap.distance(p) < -4) sparkle(c, p, rng.range(8, 14), 0.8f);
    }
}

void goldStatue(Canvas& c, Vec2 foot, float h) {
    const float u = h / 100;
    const Fill gold = hud::gold(foot.y - h, foot.y);
    auto at = [&](float x, float y) { return foot + Vec2{x * u, -y * u}; };
    // The stone plinth, then the seated figure under its halo.
    const Shape plinth = Shape::rect(foot.x - 30 * u, foot.y - 14 * u, 60 * u, 14 * u, 2 * u);
    castShadow(c, plinth, 6, 0.4f);
    part(c, plinth, hud::sandstone(plinth.bounds(), 71), 1.4f, 2.5f);
    part(c, Shape::circle(at(0, 76), 20 * u).outline(4 * u), gold, 1.2f, 1.5f);
    part(c, Shape::ellipse(at(0, 22), 28 * u, 9 * u), gold, 1.3f, 3);
    part(c, Shape::ellipse(at(0, 46), 17 * u, 24 * u).blend(Shape::ellipse(at(0, 30), 24 * u, 8 * u), 4 * u),
         gold, 1.3f, 4);
    part(c, Shape::ellipse(at(0, 27), 11 * u, 4 * u), gold, 1.0f, 1.5f);
    part(c, Shape::ellipse(at(0, 77), 9 * u, 11 * u), gold, 1.2f, 3);
    part(c, Shape::ellipse(at(0, 89), 5 * u, 4 * u), gold, 1.0f, 1.5f);
    for (const float s : {-1.0f, 1.0f})
        c.paint(rast(c, Shape::stroke({at(s * 5, 76), at(s * 2.5f, 75), at(s * 0.5f, 76)}, {0.9f * u})),
                pal::kBronze);
    sparkle(c, at(-6, 82), 5 * u, 0.6f);
}

void scroll(Canvas& c, Vec2 centre, float len, float turn) {
    const float r = len * 0.13f;
    const Vec2 a = centre + rotate({-len / 2, 0}, turn * kPi / 180),
               b = centre + rotate({len / 2, 0}, turn * kPi / 180);
    const Shape body = Shape::line(a, b, 2 * r);
    castShadow(c, body, 5, 0.4f);
    part(c, body,
         Fill::linear(centre + Vec2{0, -r}, centre + Vec2{0, r},
                      {{0, hex(0xfff4d8)}, {0.5f, hex(0xe8cc98)}, {1, hex(0xa87a48)}}),
         1.3f, 2);
    part(c, Shape::ellipse(b, r * 0.45f, r).rotated(turn, b), hex(0xc89a60), 1.1f, 1);
    c.paint(rast(c, Shape::ellipse(b, r * 0.15f, r * 0.35f).rotated(turn, b)), hex(0x6a4020));
    const Vec2 m = lerp(a, b, 0.45f);
    part(c, Shape::line(m + Vec2{0, -r * 1.05f}, m + Vec2{0, r * 1.05f}, r * 0.5f).rotated(turn, m),
         pal::kTerracotta, 1.0f, 1);
}

void heartJewel(Canvas& c, Vec2 m, float r) {
    glow(c, m, r * 2.2f, hex(0x8cf2e4), 0.7f);
    glow(c, m, r * 1.2f, hex(0xffe6a0), 0.6f);
    // The gold sunburst setting, its rays tipped with small gems, then the bezel.
    const Fill gold = hud::gold(m.y - r * 1.5f, m.y + r * 1.5f);
    part(c, Shape::star(m, 16, r * 1.5f, r * 1.05f), gold, 1.5f, 3);
    part(c, Shape::star(m, 8, r * 1.3f, r * 0.9f, 22.5f),
         Fill::radial(m, r * 1.4f, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.2f, 2.5f);
    for (int i = 0; i < 8; ++i) {
        const Vec2 p = polar(m, r * 1.2f, i * 45.0f - 90 + 22.5f);
        const Color g = i % 2 ? hex(0xd8283a) : pal::kTurquoise;
        part(c, Shape::circle(p, r * 0.1f),
             Fill::radial(p - Vec2{r * 0.03f, r * 0.04f}, r * 0.14f,
                          {{0, lighter(g, 0.6f)}, {1, darker(g, 0.3f)}}),
             1.0f, 1);
    }
    part(c, Shape::circle(m, r * 0.82f), gold, 1.6f, 3.5f);
    Mask beads(c.width(), c.height());
    for (int i = 0; i < 28; ++i)
        Shape::circle(polar(m, r * 0.76f, i * 360.0f / 28), r * 0.035f).drawInto(beads);
    c.paint(beads, pal::kGoldPale);
    // The stone: an octagon cut with a table and facets, each facet lit by how it turns to the light.
    const float R = r * 0.68f, T = r * 0.34f;
    const Shape stone = Shape::regular(m, 8, R, 22.5f);
    c.paint(rast(c, stone.grown(1.6f)), pal::kOutline);
    for (int i = 0; i < 8; ++i) {
        const float a0 = i * 45.0f - 90 + 22.5f, a1 = a0 + 45;
        const Vec2 o0 = polar(m, R, a0), o1 = polar(m, R, a1), t0 = polar(m, T, a0), t1 = polar(m, T, a1);
        const Vec2 n = normalize(polar({0, 0}, 1, a0 + 22.5f));
        const float lit = clamp01(0.5f - 0.5f * dot(n, normalize({1, 1.25f})));
        const Color f = mixOklab(pal::kTurquoiseDeep, pal::kTurquoiseLight, lit);
        c.paint(rast(c, Shape::polygon({o0, o1, t1, t0})),
                Fill::linear(lerp(o0, o1, 0.5f), lerp(t0, t1, 0.5f),
                             {{0, darker(f, 0.15f)}, {1, lighter(f, 0.15f)}}));
    }
    const Shape table = Shape::regular(m, 8, T, 22.5f);
    c.paint(rast(c, table),
            Fill::radial(m - Vec2{T * 0.4f, T * 0.5f}, T * 1.8f,
                         {{0, hex(0xe0fff8)}, {0.4f, pal::kTurquoiseLight}, {1, pal::kTurquoise}}));
    Mask edges(c.width(), c.height());
    for (int i = 0; i < 8; ++i) {
        const float a = i * 45.0f - 90 + 22.5f;
        Shape::line(polar(m, R, a), polar(m, T, a), 1.0f).drawInto(edges);
    }
    table.outline(1.0f).drawInto(edges);
    c.paint(edges, hex(0x0a4a44, 0.7f));
    c.paint(rast(c, Shape::ellipse(m + Vec2{-T * 0.35f, -T * 0.45f}, T * 0.35f, T * 0.18f).rotated(-35, m)),
            hex(0xffffff, 0.75f));
    sparkle(c, m + Vec2{-T * 0.5f, -T * 0.6f}, r * 0.55f, 1.0f);
    sparkle(c, polar(m, r * 1.45f, -60), r * 0.3f, 0.8f);
}

void tablet(Canvas& c, Vec2 m, float w, float h, float turn, bool fresh) {
    const float x = m.x - w / 2, y = m.y - h / 2, sh = y + w * 0.32f;
    Path p;
    p.moveTo({x, y + h}).lineTo({x, sh});
    p.cubicTo({x, y + w * 0.08f}, {x + w * 0.22f, y}, {x + w / 2, y});
    p.cubicTo({x + w * 0.78f, y}, {x + w, y + w * 0.08f}, {x + w, sh});
    p.lineTo({x + w, y + h});
    const Shape face = Shape::polygon(p.points()).rotated(turn, m);
    castShadow(c, face, w * 0.08f, 0.4f);
    const Color lit = fresh ? hex(0xe8e4d8) : hex(0xf2c890), deep = fresh ? hex(0x8a8a90) : hex(0xa8704a);
    const Noise n(fresh ? 911u : 912u);
    part(c, face, Fill([=](float px, float py) {
             const float t = clamp01((px - x) / w * 0.45f + (py - y) / h * 0.6f);
             return mixOklab(mixOklab(lit, deep, t), darker(deep, 0.2f),
                             0.3f * n.fbm(px / (w * 0.2f), py / (w * 0.2f), 3));
         }),
         1.4f, w * 0.08f);
    // The 5 × 5 picture grid: the old tablet's cells in gold, the new one's in glowing turquoise.
    const char* const oldCells[5] = {"..#..", ".###.", "#####", ".#.#.", ".#.#."};
    const char* const newCells[5] = {"#...#", ".#.#.", "..#..", ".###.", "#####"};
    const char* const* cells = fresh ? newCells : oldCells;
    const float cell = w * 0.14f, gx = m.x - cell * 2.5f, gy = m.y - cell * 2.5f + h * 0.12f;
    Mask grid(c.width(), c.height()), inlay(c.width(), c.height());
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 5; ++i) {
            const Vec2 cc{gx + (i + 0.5f) * cell, gy + (j + 0.5f) * cell};
            const Vec2 q = m + rotate(cc - m, turn * kPi / 180);
            Shape::rect(q.x - cell * 0.42f, q.y - cell * 0.42f, cell * 0.84f, cell * 0.84f, cell * 0.1f)
                .rotated(turn, q)
                .drawInto(cells[j][i] == '#' ? inlay : grid);
        }
    c.paint(grid.shifted(1, 1), hex(0xfff2d0, 0.35f));
    c.paint(grid, hex(0x3a2010, 0.45f));
    if (fresh) {
        c.paint(inlay.blurred(cell * 0.5f), hex(0x8cf2e4, 0.8f), Blend::Screen);
        c.paint(inlay, Fill::radial(m, w * 0.5f, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoise}}));
    } else {
        c.paint(inlay, hud::gold(gy, gy + cell * 5));
    }
    // A carved band of marks over the grid.
    Mask marks(c.width(), c.height());
    for (int i = 0; i < 5; ++i) {
        const Vec2 q = m + rotate(Vec2{gx + (i + 0.5f) * cell, gy - cell * 0.7f} - m, turn * kPi / 180);
        Shape::circle(q, cell * 0.14f).drawInto(marks);
    }
    c.paint(marks, hex(0x3a2010, 0.55f));
}

}  // namespace gen::outro
