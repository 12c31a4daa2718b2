// The second jigsaw picture: a tiled courtyard, a great arched portal under a turquoise dome between two
// minarets, arcades either side, a long pool with a fountain and pomegranate trees in fruit.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Sky.h"

namespace gen::jigsaw {

// A pointed arch of span x0..x1 springing at y `spring`, `rise` high, standing down to `bottom`.
Shape pointedArch(float x0, float x1, float spring, float rise, float bottom) {
    const float m = (x0 + x1) / 2, w = x1 - x0;
    Path p;
    p.moveTo({m, bottom})
        .lineTo({x0, bottom})
        .lineTo({x0, spring})
        .cubicTo({x0, spring - rise * 0.62f}, {m - w * 0.2f, spring - rise * 0.86f}, {m, spring - rise})
        .mirrorX(m);
    return Shape::polygon(p.points());
}

// Glazed tiles: eight-pointed white stars with gold hearts on turquoise, deep blue crosses between them.
Fill starTiles(float period, Color ground) {
    return Fill([=](float x, float y) {
        auto cell = [&](float v) { return v - period * std::floor(v / period + 0.5f); };
        const float u = std::abs(cell(x)), v = std::abs(cell(y));
        const float star = std::min(std::max(u, v), (u + v) * 0.7071f);
        const float cu = std::abs(cell(x + period / 2)), cv = std::abs(cell(y + period / 2));
        if (star < period * 0.1f) return pal::kGold;
        if (star < period * 0.22f) return hex(0xf8f4e8);
        if (star < period * 0.26f) return pal::kBlueDeep;
        if (std::min(cu, cv) < period * 0.05f && std::max(cu, cv) < period * 0.22f) return pal::kBlueDeep;
        return ground;
    });
}

namespace {

constexpr float kFloor = 560;  // where the walls stand on the courtyard's floor
constexpr float kMid = kPaintW / 2.0f;

// Shading lit from the top left over a box, multiplied onto what is painted.
void shade(Canvas& c, const Shape& s, float strength) {
    const Rect b = s.bounds();
    c.paint(rast(s), Fill::linear({b.x0, b.y0}, {b.x1, b.y1},
                                  {{0, hex(0xffffff, 0.0f)}, {1, hex(0x3a1a30, strength)}}));
}

// One arched bay of an arcade: a turquoise tile frame, patterned spandrels and a shadowed niche.
void bay(Canvas& c, float x0, float x1, float top, float bottom, bool door) {
    const float w = x1 - x0;
    const Shape frame = Shape::rect(x0, top, w, bottom - top);
    inked(c, frame, starTiles(w * 0.16f, pal::kTurquoise), 1.2f);
    shade(c, frame, 0.35f);
    const Shape opening =
        pointedArch(x0 + w * 0.14f, x1 - w * 0.14f, top + (bottom - top) * 0.42f, w * 0.36f, bottom);
    inked(c, opening.grown(w * 0.05f), Fill::vertical(top, bottom, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}),
          1.2f);
    const Rect ob = opening.bounds();
    inked(c, opening,
          Fill::vertical(ob.y0, ob.y1, {{0, hex(0x1a2448)}, {0.6f, hex(0x2a3a6a)}, {1, hex(0x6a5060)}}),
          1.0f);
    if (door) {
        const Shape d =
            pointedArch(x0 + w * 0.32f, x1 - w * 0.32f, bottom - (bottom - top) * 0.35f, w * 0.18f, bottom);
        inked(c, d, Fill::vertical(ob.y0, bottom, {{0, hex(0xa8602e)}, {1, hex(0x5a2a14)}}), 1.0f);
    } else {
        // A lamp hanging in the niche.
        const Vec2 l{(x0 + x1) / 2, ob.y0 + (ob.y1 - ob.y0) * 0.45f};
        c.paint(rast(Shape::line({l.x, ob.y0}, l, 1.2f)), hex(0xa08050));
        c.paint(rast(Shape::circle(l, w * 0.06f)),
                Fill::radial(l, w * 0.06f, {{0, hex(0xfff0b0)}, {1, pal::kGoldDeep}}));
        c.paint(rast(Shape::circle(l, w * 0.2f)),
                Fill::radial(l, w * 0.2f, {{0, hex(0xffd070, 0.4f)}, {1, hex(0xffd070, 0.0f)}}),
                Blend::Screen);
    }
    c.paint(rast(Shape::rect(x0, top, w, 4)), pal::kGoldLight);
}

// The side walls: two storeys of arched bays over a plinth, a cornice with a gold band along the top.
void arcade(Canvas& c, float x0, float x1) {
    const float top = 246;
    const Shape wall = Shape::rect(x0, top, x1 - x0, kFloor - top);
    inked(c, wall, Fill::vertical(top, kFloor, {{0, hex(0xf0d6a0)}, {1, hex(0xc89a64)}}));
    const int n = 3;
    const float step = (x1 - x0) / n;
    for (int i = 0; i < n; ++i) {
        const float a = x0 + i * step + step * 0.08f, b = x0 + (i + 1) * step - step * 0.08f;
        bay(c, a, b, top + 26, 396, false);
        bay(c, a, b, 412, kFloor - 12, i == (x0 < kMid ? 2 : 0));
    }
    inked(c, Shape::rect(x0 - 4, top - 12, x1 - x0 + 8, 18),
          Fill::vertical(top - 12, top + 6, {{0, hex(0xfff0c8)}, {1, hex(0xc89a64)}}));
    c.paint(rast(Shape::rect(x0 - 4, top + 1, x1 - x0 + 8, 4)), pal::kBlue);
    inked(c, Shape::rect(x0, kFloor - 12, x1 - x0, 12),
          Fill::vertical(kFloor - 12, kFloor, {{0, hex(0xd8b080)}, {1, hex(0x9a6a44)}}));
}

// The dome on its drum, ribbed with gold and scattered with tile flowers, and its golden finial.
void dome(Canvas& c) {
    const float base = 150, top = 16, w = 170;
    inked(c, Shape::rect(kMid - w * 0.62f, base - 34, w * 1.24f, 40), starTiles(22, pal::kTurquoiseDeep));
    Path p;
    p.moveTo({kMid, base - 30})
        .lineTo({kMid - w * 0.66f, base - 30})
        .cubicTo({kMid - w * 0.74f, base - 110}, {kMid - w * 0.3f, top + 30}, {kMid, top})
        .mirrorX(kMid);
    const Shape d = Shape::polygon(p.points());
    inked(c, d,
          Fill::radial({kMid - 50, base - 100}, 190,
                       {{0, hex(0x9af6ea)}, {0.4f, pal::kTurquoise}, {1, hex(0x0a5a58)}}));
    Mask deco(kPaintW, kPaintH);
    for (int i = -4; i <= 4; ++i)
        Shape::stroke({{kMid + i * w * 0.15f, base - 30},
                       {kMid + i * w * 0.12f, base - 90},
                       {kMid + i * w * 0.03f, top + 14}},
                      {2.2f, 1.2f})
            .drawInto(deco);
    for (int i = -5; i <= 5; ++i)
        for (int j = 0; j < 3; ++j)
            Shape::star({kMid + i * 24.0f + (j % 2) * 12, base - 50 - j * 26.0f}, 8, 5, 2.4f).drawInto(deco);
    deco.multiply(rast(d.grown(-2)));
    c.paint(deco, pal::kGoldLight.fade(0.85f));
    c.paint(rast(Shape::line({kMid, top + 2}, {kMid, top - 16}, 3)), pal::kGoldDeep);
    inked(c, Shape::circle({kMid, top - 6}, 6), hud::gold(top - 12, top));
    inked(c, Shape::circle({kMid, top - 22}, 4), hud::gold(top - 26, top - 18));
}

// A slim minaret: a tiled shaft with gold bands, a balcony on brackets and a gilded cap.
void minaret(Canvas& c, float x, float top) {
    const float w = 34;
    const Shape shaft = Shape::rect(x - w / 2, top + 40, w, kFloor - top - 40);
    inked(c, shaft, starTiles(17, pal::kTurquoise));
    c.paint(
        rast(shaft),
        Fill::linear({x - w / 2, 0}, {x + w / 2, 0},
                     {{0, hex(0xffffff, 0.25f)}, {0.4f, hex(0xffffff, 0.0f)}, {1, hex(0x1a1030, 0.45f)}}));
    for (float y : {top + 150.0f, top + 300.0f})
        inked(c, Shape::rect(x - w / 2 - 2, y, w + 4, 8), hud::gold(y, y + 8), 1.2f);
    inked(c,
          Shape::polygon({{x - w / 2 - 12, top + 40},
                          {x + w / 2 + 12, top + 40},
                          {x + w / 2, top + 58},
                          {x - w / 2, top + 58}}),
          Fill::vertical(top + 40, top + 58, {{0, hex(0xf6e6c4)}, {1, hex(0xa87a50)}}));
    inked(c, Shape::rect(x - w / 2 + 3, top + 10, w - 6, 30),
          Fill::vertical(top + 10, top + 40, {{0, hex(0xf0d6a0)}, {1, hex(0xc89a64)}}));
    Path cap;
    cap.moveTo({x, top + 12})
        .lineTo({x - w / 2 + 1, top + 12})
        .quadTo({x - w / 2, top - 14}, {x, top - 34})
        .mirrorX(x);
    inked(c, Shape::polygon(cap.points()), hud::gold(top - 34, top + 12));
    c.paint(rast(Shape::line({x, top - 34}, {x, top - 50}, 2.5f)), pal::kGoldDeep);
}

// The great portal: a tall tiled frame with an inscription band, the deep arched hall inside it with rows of
// little niches in its vault, and a carved wooden door.
void portal(Canvas& c) {
    const float x0 = 338, x1 = 686, top = 150, w = x1 - x0;
    const Shape frame = Shape::rect(x0, top, w, kFloor - top);
    inked(c, frame, starTiles(28, hex(0x2a9ec0)));
    shade(c, frame, 0.3f);
    inked(c, Shape::rect(x0 + 12, top + 12, w - 24, 24), pal::kBlueDeep, 1.2f);
    Mask script(kPaintW, kPaintH);
    Rng rng(4601u);
    for (float x = x0 + 22; x < x1 - 22; x += rng.range(8, 14)) {
        const float h = rng.range(6, 16);
        Shape::line({x, top + 30}, {x + rng.range(-2, 2), top + 30 - h}, 1.8f).drawInto(script);
        if (rng.uniform() < 0.4f) Shape::circle({x + 4, top + 18}, 1.6f).drawInto(script);
    }
    Shape::line({x0 + 20, top + 30}, {x1 - 20, top + 30}, 1.6f).drawInto(script);
    c.paint(script, hex(0xf8f4e8));
    const Shape hall = pointedArch(x0 + 40, x1 - 40, top + 170, 110, kFloor);
    inked(c, hall.grown(10), Fill::vertical(top, kFloor, {{0, hex(0xf6e6c4)}, {1, hex(0xc8a070)}}));
    inked(c, hall.grown(5), starTiles(12, pal::kTurquoise), 1.0f);
    const Rect hb = hall.bounds();
    inked(c, hall,
          Fill::vertical(hb.y0, kFloor, {{0, hex(0x16204a)}, {0.5f, hex(0x243a6e)}, {1, hex(0x7a6a70)}}));
    // Rows of small niches in the vault, lighter towards the bottom where the daylight reaches.
    Mask niches(kPaintW, kPaintH), lit(kPaintW, kPaintH);
    for (int row = 0; row < 5; ++row) {
        const float y = hb.y0 + 40 + row * 30, half = (hb.x1 - hb.x0) * (0.16f + row * 0.085f);
        const int n = 3 + row * 2;
        for (int i = 0; i < n; ++i) {
            const float nx = kMid - half + (2 * half) * (i + 0.5f) / n, nw = 2 * half / n * 0.8f;
            pointedArch(nx - nw / 2, nx + nw / 2, y + 12, 12, y + 24).drawInto(niches);
            Shape::rect(nx - nw / 2, y + 12, nw * 0.3f, 12).drawInto(lit);
        }
    }
    niches.multiply(rast(hall.grown(-6)));
    lit.multiply(niches);
    c.paint(niches, hex(0x3a5aa0, 0.8f));
    c.paint(lit, hex(0x9ac8ff, 0.45f), Blend::Screen);
    // The door with its studs, and windows either side of it.
    const Shape door = pointedArch(kMid - 50, kMid + 50, 430, 46, kFloor);
    inked(c, door.grown(6), hud::gold(380, kFloor), 1.2f);
    inked(c, door,
          Fill::linear({kMid - 50, 400}, {kMid + 50, kFloor}, {{0, hex(0xb8703a)}, {1, hex(0x4a2210)}}));
    c.paint(rast(Shape::line({kMid, 392}, {kMid, kFloor}, 2)), pal::kOutline.fade(0.8f));
    for (float y = 420; y < kFloor - 8; y += 22)
        for (float dx : {-34.0f, -14.0f, 14.0f, 34.0f})
            c.paint(rast(Shape::circle({kMid + dx, y}, 2.6f)), pal::kGoldLight);
    for (float dx : {-118.0f, 118.0f}) {
        const Shape win = pointedArch(kMid + dx - 22, kMid + dx + 22, 430, 24, 520);
        inked(c, win.grown(4), hud::gold(400, 520), 1.0f);
        inked(c, win, Fill::vertical(400, 520, {{0, hex(0x1a2448)}, {1, hex(0x3a4a7a)}}));
        Mask lattice(kPaintW, kPaintH);
        for (float k = -60; k < 80; k += 10) {
            Shape::line({kMid + dx - 30 + k, 400}, {kMid + dx + 30 + k, 520}, 1.3f).drawInto(lattice);
            Shape::line({kMid + dx + 30 - k, 400}, {kMid + dx - 30 - k, 520}, 1.3f).drawInto(lattice);
        }
        lattice.multiply(rast(win));
        c.paint(lattice, pal::kGold.fade(0.8f));
    }
    c.paint(rast(Shape::rect(x0, top, w, 5)), pal::kGoldLight);
}

// The courtyard's floor: pale paving in perspective with a terracotta and turquoise border.
void floor(Canvas& c) {
    const Shape f = Shape::rect(-10, kFloor, kPaintW + 20, kPaintH - kFloor + 10);
    const Vec2 eye{kMid, 300};
    const Noise n(4602u);
    c.paint(rast(f), Fill([=](float x, float y) {
                const float t = (y - eye.y) / (kPaintH - eye.y);
                const float u = (x - eye.x) / t, v = 1.0f / t;
                const float iu = std::floor(u / 90.0f), iv = std::floor(v * 6.0f);
                const bool odd = static_cast<int>(iu + iv) % 2 != 0;
                const float fu = u / 90.0f - iu, fv = v * 6.0f - iv;
                const float line =
                    std::min(std::min(fu, 1 - fu) * 90.0f * t, std::min(fv, 1 - fv) * 40.0f * t);
                Color base = odd ? hex(0xe8cc98) : hex(0xd8b07a);
                if (std::abs(x - eye.x) / t > 300 && std::abs(x - eye.x) / t < 390)
                    base = odd ? pal::kTerracotta : pal::kTurquoise;
                base = mix(base, hex(0x6a4a3a), 0.18f * (n.fbm(x / 40.0f, y / 20.0f, 3) - 0.3f));
                return line < 1.2f ? mix(base, hex(0x7a5434), 0.6f) : base;
            }));
    c.paint(rast(Shape::rect(-10, kFloor, kPaintW + 20, 40)),
            Fill::vertical(kFloor, kFloor + 40, {{0, hex(0x3a1a30, 0.35f)}, {1, hex(0x3a1a30, 0.0f)}}));
}

// The long pool running from the portal to the fountain, mirroring the hall's arch and the sky.
void pool(Canvas& c) {
    const Shape rim = Shape::polygon(
        {{kMid - 66, kFloor + 8}, {kMid + 66, kFloor + 8}, {kMid + 150, 700}, {kMid - 150, 700}});
    inked(c, rim, Fill::vertical(kFloor, 700, {{0, hex(0xf6ead0)}, {1, hex(0xc8a880)}}));
    const Shape water = Shape::polygon(
        {{kMid - 56, kFloor + 14}, {kMid + 56, kFloor + 14}, {kMid + 134, 700}, {kMid - 134, 700}});
    c.paint(
        rast(water),
        Fill::vertical(kFloor, 700, {{0, hex(0x1a3a6a)}, {0.4f, pal::kTurquoiseDeep}, {1, hex(0x4ac0c8)}}));
    const Noise n(4603u);
    Mask glints(kPaintW, kPaintH);
    for (int y = static_cast<int>(kFloor) + 14; y < 700; ++y)
        for (int x = 360; x < 664; ++x)
            glints.at(x, y) = smoothstep(0.62f, 0.8f, n.fbm(x / 18.0f, y / 3.0f, 3)) * 0.8f;
    glints.multiply(rast(water));
    c.paint(glints, hex(0xcffff8, 0.7f), Blend::Screen);
    c.paint(
        rast(Shape::polygon(
                 {{kMid - 20, kFloor + 14}, {kMid + 20, kFloor + 14}, {kMid + 40, 690}, {kMid - 40, 690}}) &
             water),
        hex(0xffe8a0, 0.25f), Blend::Screen);
}

// An eight-sided fountain basin with a tiled face, a jet rising from its bowl and falling in arcs.
void fountain(Canvas& c) {
    const Vec2 m{kMid, 712};
    std::vector<Vec2> oct, face;
    for (int i = 0; i < 8; ++i)
        oct.push_back({m.x + 150 * std::cos((i * 45 + 22.5f) * kPi / 180),
                       m.y + 34 * std::sin((i * 45 + 22.5f) * kPi / 180)});
    const Shape top = Shape::polygon(oct);
    const Shape body = top | Shape::rect(m.x - 150 * 0.924f, m.y, 2 * 150 * 0.924f, 52);
    inked(c, body, starTiles(24, pal::kTurquoise));
    shade(c, body, 0.3f);
    inked(c, top, Fill::vertical(m.y - 34, m.y + 34, {{0, hex(0xfff6e0)}, {1, hex(0xd8b890)}}));
    inked(c, top.grown(-12), Fill::vertical(m.y - 24, m.y + 24, {{0, hex(0x1a6a7a)}, {1, hex(0x5ad0d0)}}),
          1.0f);
    inked(c, Shape::rect(m.x - 9, m.y - 64, 18, 64, 3), hud::gold(m.y - 64, m.y));
    inked(c, Shape::ellipse({m.x, m.y - 66}, 34, 9),
          Fill::vertical(m.y - 75, m.y - 57, {{0, hex(0xfff6e0)}, {1, hex(0xc8a070)}}));
    Mask water(kPaintW, kPaintH);
    Shape::stroke({{m.x, m.y - 70}, {m.x, m.y - 120}, {m.x, m.y - 150}}, {5, 3, 1.5f}).drawInto(water);
    for (int i = -3; i <= 3; ++i) {
        if (i == 0) continue;
        const float s = i * 22.0f;
        std::vector<Vec2> arc;
        for (int k = 0; k <= 12; ++k) {
            const float t = k / 12.0f;
            arc.push_back(
                {m.x + s * t * 1.6f, m.y - 140 + 150 * t * t - 60 * t * (1 - t) * (1 - std::abs(i) * 0.15f)});
        }
        Shape::stroke(arc, {2.4f, 1.0f}).drawInto(water);
    }
    c.paint(water, hex(0xe8fffc, 0.85f));
    Rng rng(4604u);
    Mask drops(kPaintW, kPaintH);
    for (int i = 0; i < 40; ++i)
        Shape::circle({m.x + rng.range(-120, 120), m.y - rng.range(0, 120) + std::abs(rng.range(-30, 30))},
                      rng.range(1, 2.2f))
            .drawInto(drops);
    c.paint(drops, hex(0xffffff, 0.8f));
}

// A pomegranate tree: a crooked trunk and branches, heaped leaves from dark to sunlit, red fruit and
// flowers.
void pomegranate(Canvas& c, Vec2 foot, float size, uint32_t seed) {
    Rng rng(seed);
    const Vec2 crown = foot + Vec2{rng.range(-20, 20), -size};
    Mask wood(kPaintW, kPaintH);
    Shape::stroke({foot, foot + Vec2{-10, -size * 0.3f}, foot + Vec2{8, -size * 0.55f}, crown},
                  {18, 13, 10, 6})
        .drawInto(wood);
    for (int i = 0; i < 4; ++i)
        Shape::stroke({foot + Vec2{0, -size * 0.55f}, crown + Vec2{rng.range(-110, 110), rng.range(-40, 60)}},
                      {8, 3})
            .drawInto(wood);
    c.paint(wood.blurred(0.6f), Fill::vertical(crown.y, foot.y, {{0, hex(0x6a3a22)}, {1, hex(0x3a1e12)}}));
    Mask leaves(kPaintW, kPaintH), sun(kPaintW, kPaintH);
    std::vector<Vec2> clumps;
    for (int i = 0; i < 46; ++i) {
        const float a = rng.range(0, 2 * kPi), r = std::sqrt(rng.uniform());
        clumps.push_back(crown + Vec2{std::cos(a) * r * size * 0.62f, std::sin(a) * r * size * 0.4f});
    }
    for (const Vec2 p : clumps)
        for (int k = 0; k < 18; ++k) {
            const Vec2 q = p + Vec2{rng.range(-30, 30), rng.range(-22, 22)};
            const Shape leaf = Shape::ellipse(q, 9, 3.8f).rotated(rng.range(0, 180), q);
            leaf.drawInto(leaves);
            if (q.x - crown.x + (q.y - crown.y) * 1.2f < rng.range(-60, 40)) leaf.drawInto(sun);
        }
    Mask body = leaves.blurred(3);
    body.levels(0.12f, 0.35f);
    c.paint(body, hex(0x1a3a22));
    c.paint(leaves, hex(0x3e6a2e));
    c.paint(sun, hex(0x8ab848, 0.9f));
    for (int i = 0; i < 16; ++i) {
        const Vec2 p =
            clumps[static_cast<size_t>(i) * 2 % clumps.size()] + Vec2{rng.range(-14, 14), rng.range(0, 18)};
        const float r = rng.range(9, 13);
        inked(c,
              Shape::circle(p, r) |
                  Shape::polygon({p + Vec2{-4, -r + 1}, p + Vec2{0, -r - 7}, p + Vec2{4, -r + 1}}),
              Fill::radial(p + Vec2{-r * 0.35f, -r * 0.35f}, r * 1.3f,
                           {{0, hex(0xff8a70)}, {0.4f, hex(0xd42a2a)}, {1, hex(0x6a0e1a)}}),
              1.2f);
    }
    for (int i = 0; i < 10; ++i) {
        const Vec2 p =
            clumps[static_cast<size_t>(i) * 3 % clumps.size()] + Vec2{rng.range(-20, 20), rng.range(-20, 10)};
        c.paint(rast(Shape::star(p, 6, 6, 2.5f, rng.range(0, 60))), hex(0xff5a30));
        c.paint(rast(Shape::circle(p, 1.6f)), pal::kGoldLight);
    }
}

// A terracotta pot with a turquoise band.
void pot(Canvas& c, Vec2 foot, float h) {
    const Shape body = Shape::ellipse(foot + Vec2{0, -h * 0.45f}, h * 0.42f, h * 0.45f) |
                       Shape::rect(foot.x - h * 0.34f, foot.y - h, h * 0.68f, h * 0.16f, 3);
    inked(c, body,
          Fill::linear(foot + Vec2{-h * 0.4f, -h}, foot + Vec2{h * 0.4f, 0},
                       {{0, hex(0xf0a070)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}));
    c.paint(rast(Shape::rect(foot.x - h * 0.5f, foot.y - h * 0.62f, h, h * 0.1f)), pal::kTurquoise,
            Blend::Inside);
}

}  // namespace

Canvas persianCourtyard() {
    Canvas c(kPaintW, kPaintH);
    scene::paintSky(c, {{0, hex(0x1e4a9a)}, {0.55f, hex(0x4a8ed0)}, {1, hex(0xbfe4f0)}}, 260);
    bg::puffyClouds(c, 30, 200, hex(0xdce8f6, 0.85f), hex(0xffffff, 0.9f), 0.35f, 4605u);
    dome(c);
    minaret(c, 318, 70);
    minaret(c, 706, 70);
    arcade(c, -10, 300);
    arcade(c, 724, kPaintW + 10);
    portal(c);
    floor(c);
    pool(c);
    for (const Vec2 p : {Vec2{260, 640}, Vec2{764, 640}}) pot(c, p, 46);
    pomegranate(c, {130, 750}, 300, 4606u);
    pomegranate(c, {900, 760}, 320, 4607u);
    fountain(c);
    bg::vignette(c, 0.25f, hex(0x1a1030));
    return c;
}

}  // namespace gen::jigsaw
