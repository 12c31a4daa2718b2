// The medals' emblems: a laurel wreath, a flawless gem, a heap of coins, a circular arrow round a picture
// grid, a cracked chest and a compass rose, outlined and lit from the top left.
#include <cmath>
#include <vector>

#include "awards_art.h"
#include "maingame_hud_art.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace gen::award {

using hud::part;

namespace {

Fill coinGold(Vec2 m, float r) {
    return Fill::radial(
        m + Vec2{-r * 0.4f, -r * 0.5f}, r * 1.6f,
        {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.75f, pal::kGold}, {1, pal::kGoldDeep}});
}

// One coin lying flat: its edge, then its face with a ring pressed into it.
void flatCoin(Canvas& c, Vec2 p, float k) {
    const float rx = 6.2f * k, ry = 2.3f * k;
    part(c, Shape::ellipse(p + Vec2{0, 1.5f * k}, rx, ry) | Shape::rect(p.x - rx, p.y, 2 * rx, 1.5f * k),
         Fill::vertical(p.y, p.y + 4 * k, {{0, pal::kGold}, {1, pal::kBronze}}), 0.8f * k, 0.5f * k);
    part(c, Shape::ellipse(p, rx, ry), coinGold(p, rx), 0.8f * k, 0.8f * k, 0.6f, 0.3f);
    c.paint(Shape::ellipse(p, rx * 0.68f, ry * 0.6f).outline(0.5f * k), pal::kGoldDeep.fade(0.8f),
            Blend::Inside);
}

// A tapering split with a lit lower lip, painted only over what is there.
void split(Canvas& c, const std::vector<Vec2>& pts, float width) {
    std::vector<float> widths;
    for (size_t i = 0; i < pts.size(); ++i)
        widths.push_back(width * (0.35f + 0.65f * std::sin(kPi * (0.1f + 0.8f * i / (pts.size() - 1.0f)))));
    const Shape line = Shape::stroke(pts, widths);
    c.paint(line.moved(Vec2{0.5f, 0.6f} * width), hex(0xffd9a0, 0.45f), Blend::Inside);
    c.paint(line, hex(0x1c0b03, 0.95f), Blend::Inside);
    // The treasure's gold shining through.
    c.paint(Shape::stroke(pts, {width * 0.3f}), pal::kGoldLight.fade(0.9f), Blend::Inside);
}

}  // namespace

void laurel(Canvas& c, Vec2 m, float radius, const Metal& metal, float k) {
    const float r = radius * k;
    for (float side : {-1.0f, 1.0f}) {
        // Each branch runs from the knot at the bottom round its side to the top.
        auto angleAt = [side](float t) { return 90.0f - side * (8.0f + 150.0f * t); };
        std::vector<Vec2> stem;
        for (int i = 0; i <= 20; ++i) stem.push_back(polar(m, r, angleAt(i / 20.0f)));
        part(c, Shape::stroke(stem, {1.6f * k, 0.8f * k}), metalFill(metal, m, r), 0.7f * k, 0.5f * k);
        for (int i = 0; i < 10; ++i) {
            const float t = (i + 0.5f) / 10.3f, a = angleAt(t);
            const float size = 1.15f - 0.4f * t;
            const float along = a - side * 90.0f;  // the way the branch grows
            for (float out : {-1.0f, 1.0f}) {
                const Vec2 p = polar(m, r + out * 3.6f * k * size, a - side * 3.0f);
                const Shape leaf = Shape::ellipse(p, 5.0f * k * size, 2.3f * k * size)
                                       .rotated(along + out * side * 32.0f, p);
                part(c, leaf, metalFill(metal, m, r), 0.7f * k, 1.0f * k, 0.6f, 0.4f, metal.outline);
            }
        }
    }
    // A small terracotta knot where the branches meet.
    const Vec2 knot = m + Vec2{0, r};
    part(c, Shape::circle(knot, 2.6f * k),
         Fill::radial(knot + Vec2{-k, -k}, 3.5f * k, {{0, hex(0xf0a080)}, {1, pal::kTerracottaDeep}}),
         0.8f * k, 1.0f * k);
}

void flawlessGem(Canvas& c, Vec2 m, float k) {
    auto at = [&](float x, float y) { return m + Vec2{x, y - 1.5f} * k; };
    const Vec2 t1 = at(-7, -9), t2 = at(7, -9), g1 = at(-13, -3), g2 = at(-4.5f, -3), g3 = at(4.5f, -3),
               g4 = at(13, -3), b = at(0, 12);
    const Gradient ice{{0, hex(0x0c5d66)}, {0.4f, hex(0x2fb8b4)}, {0.75f, hex(0xaef5ec)}, {1, hex(0xffffff)}};
    // A soft light behind the stone.
    Mask halo = Shape::circle(m, 12 * k).rasterize(c.width(), c.height());
    halo.blur(5 * k);
    c.paint(halo, pal::kTurquoiseLight.fade(0.45f), Blend::Screen);
    part(c, Shape::polygon({t1, t2, g4, b, g1}), ice.at(0.5f), 1.0f * k, 0);
    // Facets lit from the top left: bright on the crown's left, darker down the pavilion's right.
    struct Facet {
        std::vector<Vec2> pts;
        float tone;
    };
    for (const Facet& f :
         {Facet{{t1, g2, g1}, 0.95f}, Facet{{t1, t2, g3, g2}, 0.78f}, Facet{{t2, g4, g3}, 0.5f},
          Facet{{g1, g2, b}, 0.62f}, Facet{{g2, g3, b}, 0.4f}, Facet{{g3, g4, b}, 0.18f}}) {
        const Vec2 a = f.pts[0], z = f.pts[f.pts.size() - 1];
        c.paint(Shape::polygon(f.pts),
                Fill::linear(a, z, {{0, ice.at(f.tone + 0.08f)}, {1, ice.at(f.tone - 0.08f)}}),
                Blend::Inside);
    }
    Mask edges(c.width(), c.height());
    for (auto [p, q] :
         {std::pair{g1, g4}, std::pair{t1, g2}, std::pair{t2, g3}, std::pair{g2, b}, std::pair{g3, b}})
        Shape::line(p, q, 0.5f * k).drawInto(edges);
    c.paint(edges, hex(0xffffff, 0.5f), Blend::Screen);
    // The sparkles of a flawless stone.
    for (auto [p, r] :
         {std::pair{at(-6, -8), 5.0f}, std::pair{at(9, 4), 3.0f}, std::pair{at(-11, 6), 2.2f}}) {
        Mask glow = Shape::circle(p, r * 0.4f * k).rasterize(c.width(), c.height());
        glow.blur(r * 0.4f * k);
        c.paint(glow, hex(0xffffff, 0.8f), Blend::Screen);
        c.paint(Shape::star(p, 4, r * k, r * 0.18f * k), hex(0xffffff, 0.95f));
    }
}

void coinHeap(Canvas& c, Vec2 m, float k) {
    auto stack = [&](float x, float y, int count) {
        for (int i = 0; i < count; ++i) flatCoin(c, m + Vec2{x, y - 2.4f * i} * k, k);
    };
    stack(0, 3, 5);
    stack(-7.5f, 7, 3);
    stack(7.5f, 8, 2);
    // One coin standing up in front, a star struck on its face.
    const Vec2 p = m + Vec2{2.5f, 7.5f} * k;
    part(c, Shape::circle(p, 5.2f * k), coinGold(p, 5.2f * k), 0.8f * k, 1.2f * k, 0.6f, 0.35f);
    c.paint(Shape::circle(p, 3.9f * k).outline(0.5f * k), pal::kGoldDeep.fade(0.8f), Blend::Inside);
    part(c, Shape::star(p, 5, 2.8f * k, 1.2f * k), coinGold(p, 3 * k), 0.4f * k, 0.5f * k, 0.6f, 0.3f,
         pal::kGoldDeep);
    c.paint(Shape::star(m + Vec2{-9, -6} * k, 4, 3.2f * k, 0.6f * k), hex(0xfffbe8, 0.95f));
}

void replayGrid(Canvas& c, Vec2 m, const Metal& metal, float k) {
    // The picture grid: a small parchment with a heart filled in.
    constexpr const char* kHeart[5] = {"01010", "11111", "11111", "01110", "00100"};
    const float cell = 3.0f * k, gap = 0.6f * k, side = 5 * cell + 4 * gap, pad = 1.4f * k;
    const Vec2 o = m - Vec2{side / 2, side / 2};
    part(c, Shape::rect(o.x - pad, o.y - pad, side + 2 * pad, side + 2 * pad, 1.2f * k),
         Fill::vertical(o.y, o.y + side, {{0, hex(0xfdf1d4)}, {1, pal::kSand}}), 0.8f * k, 0.8f * k);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const Shape sq =
                Shape::rect(o.x + x * (cell + gap), o.y + y * (cell + gap), cell, cell, 0.4f * k);
            if (kHeart[y][x] == '1')
                c.paint(sq, Fill::vertical(sq.bounds().y0, sq.bounds().y1,
                                           {{0, pal::kTerracotta}, {1, pal::kTerracottaDeep}}));
            else
                c.paint(sq.outline(0.4f * k), pal::kSandDark.fade(0.7f));
        }
    // The arrow: nearly a full turn clockwise, its head closing on its tail.
    const float r = 18.5f * k, from = -35.0f, to = 235.0f;
    std::vector<Vec2> arc;
    for (float a = from; a <= to; a += 7.5f) arc.push_back(polar(m, r, a));
    const Vec2 tip = polar(m, r, to + 22.0f);
    const Shape head = Shape::polygon({polar(m, r - 5 * k, to), tip, polar(m, r + 5 * k, to)});
    metalPart(c, Shape::stroke(arc, {2.2f * k, 3.6f * k}) | head, metal, m, r, k);
}

void crackedChest(Canvas& c, Vec2 m, float k) {
    auto at = [&](float x, float y) { return m + Vec2{x, y} * k; };
    const Noise n(151u);
    const Gradient wood{{0, hex(0x3a1a0a)}, {0.5f, hex(0x8a4f24)}, {1, hex(0xd09454)}};
    const Fill planks([=](float x, float y) {
        const float u = (x - m.x) / k, v = (y - m.y) / k;
        const float streak = std::sin((v + 1.5f * n.fbm(u / 9.0f, v / 2.0f, 3)) * 2.2f);
        return wood.at(0.62f - 0.012f * (u + v) + 0.08f * streak);
    });
    const Shape body = Shape::rect(at(-14, -1).x, at(0, -1).y, 28 * k, 13 * k, 1.0f * k);
    const Shape lid = Shape::rect(at(-14, -12).x, at(0, -12).y, 28 * k, 11 * k, 4.5f * k) |
                      Shape::rect(at(-14, -6).x, at(0, -6).y, 28 * k, 5 * k);
    // Gold light bursting out of the cracks.
    Mask light = Shape::stroke({at(4, -13), at(2, -7), at(5, -1), at(3, 5), at(6, 13)}, {2.5f * k})
                     .rasterize(c.width(), c.height());
    light.blur(3.0f * k);
    c.paint(light, pal::kGoldLight, Blend::Screen);
    part(c, body, planks, 1.0f * k, 1.0f * k, 0.4f, 0.45f);
    part(c, lid, planks, 1.0f * k, 1.4f * k, 0.45f, 0.45f);
    for (float y : {3.5f, 7.5f}) hud::ink(c, {at(-14, y), at(14, y)}, 0.5f * k, hex(0x2a1206, 0.6f));
    hud::ink(c, {at(-14, -6.5f), at(14, -6.5f)}, 0.5f * k, hex(0x2a1206, 0.5f));
    split(c, {at(4, -12), at(2, -7), at(4.5f, -3)}, 1.6f * k);
    split(c, {at(5, -1), at(3, 3), at(6, 7), at(4, 12)}, 1.8f * k);
    split(c, {at(-14, 2), at(-10, 4), at(-11.5f, 7), at(-8, 10)}, 1.3f * k);
    // Gold bands and the lock.
    const Fill gold = hud::gold(at(0, -12).y, at(0, 12).y);
    for (float x : {-10.0f, 10.0f})
        part(c, (lid | body) & Shape::rect(at(x - 1.5f, 0).x, 0, 3 * k, static_cast<float>(c.height())), gold,
             0.6f * k, 0.7f * k);
    part(c, Shape::rect(at(-14.5f, -2).x, at(0, -2).y, 29 * k, 2.2f * k, 0.6f * k), gold, 0.7f * k, 0.6f * k);
    part(c, Shape::rect(at(-3, -4).x, at(0, -4).y, 6 * k, 7.5f * k, 1.2f * k), gold, 0.7f * k, 0.9f * k);
    c.paint(Shape::circle(at(0, -1), 1.0f * k) | Shape::rect(at(-0.5f, 0).x, at(0, -1).y, k, 2.5f * k),
            hex(0x1a0a04));
    // Splinters flying off.
    for (auto [p, turn] :
         {std::pair{at(11, -14), 20.0f}, std::pair{at(16, -9), -40.0f}, std::pair{at(-16, 3), 60.0f}})
        part(c, Shape::regular(p, 3, 1.6f * k, turn), Fill(hex(0xc98a4c)), 0.6f * k, 0.4f * k);
}

void compassRose(Canvas& c, Vec2 m, float k) {
    enamel(c, Shape::circle(m, 22.5f * k),
           Fill::radial(m + Vec2{-6, -7} * k, 32 * k,
                        {{0, hex(0xfff6df)}, {0.6f, pal::kSandLight}, {1, pal::kSand}}),
           k);
    Mask ticks(c.width(), c.height());
    for (int i = 0; i < 24; ++i) {
        const float a = i * 15.0f, in = i % 2 == 0 ? 18.5f : 19.8f;
        Shape::line(polar(m, in * k, a), polar(m, 21 * k, a), 0.5f * k).drawInto(ticks);
    }
    c.paint(ticks, pal::kBronze.fade(0.8f));
    c.paint(Shape::circle(m, 17.5f * k).outline(0.5f * k), pal::kBronze.fade(0.6f));
    // The short points between the winds, then the four long ones, each half lit and half shaded.
    auto point = [&](float a, float len, float half, Color lit, Color shade) {
        const Vec2 tip = polar(m, len * k, a), l = polar(m, half * k, a - 45), r = polar(m, half * k, a + 45);
        part(c, Shape::polygon({m, l, tip, r}), shade, 0.7f * k, 0);
        c.paint(Shape::polygon({m, l, tip}), lit, Blend::Inside);
    };
    for (int i = 0; i < 4; ++i)
        point(-45.0f + 90.0f * i, 12, 3.2f, pal::kTurquoiseLight, pal::kTurquoiseDeep);
    for (int i = 0; i < 4; ++i) {
        const bool north = i == 0;
        point(-90.0f + 90.0f * i, 17, 4.4f, north ? hex(0xf07a56) : pal::kBlue,
              north ? pal::kTerracottaDeep : pal::kBlueNight);
    }
    metalPart(c, Shape::circle(m, 2.6f * k), kGold, m, 2.6f * k, k);
}

}  // namespace gen::award
