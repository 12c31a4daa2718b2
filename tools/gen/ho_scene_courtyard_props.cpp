// The courtyard's furnishings: lanterns in the arches, a carpet with cushions and a brass tray, pomegranate
// trees, a planter, and the long fountain pool; the tree, the planter and a bolster are cut out to stand in
// front of the objects.
#include <cmath>

#include "Palette.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::rast;
using jigsaw::starTiles;

namespace {

constexpr float kPoolRim = 560;

// A pierced brass lantern on a chain from the arch's crown; returns the centre of its light.
Vec2 lantern(Canvas& c, float x, float top) {
    c.paint(rast(Shape::line({x, top}, {x, top + 36}, 1.6f)), hex(0x3a2412));
    const float y = top + 36;
    const Fill brass = hud::gold(y, y + 62);
    inked(c, Shape::polygon({{x - 8, y}, {x + 8, y}, {x + 20, y + 16}, {x - 20, y + 16}}), brass, 1.2f);
    const Shape body =
        Shape::polygon({{x - 18, y + 16}, {x + 18, y + 16}, {x + 14, y + 50}, {x - 14, y + 50}});
    inked(c, body, hex(0x5a3414), 1.2f);
    Mask holes(kW, kH);
    for (int r = 0; r < 3; ++r)
        for (int k = -2; k <= 2; ++k)
            Shape::star({x + k * 6.5f, y + 23 + r * 10.0f}, 4, 3, 1.2f).drawInto(holes);
    holes.multiply(rast(body.grown(-2)));
    c.paint(holes, hex(0xfff0b0));
    c.paint(rast(body).blurred(6), hex(0xffb050, 0.3f), Blend::Screen);
    inked(c, Shape::polygon({{x - 14, y + 50}, {x + 14, y + 50}, {x + 4, y + 62}, {x - 4, y + 62}}), brass,
          1.2f);
    return {x, y + 33};
}

// A carpet in perspective between its back edge y0 (x from bl to br) and its front edge y1 (fl to fr).
void carpet(Canvas& c, float y0, float bl, float br, float y1, float fl, float fr) {
    const Shape outline = Shape::polygon({{bl, y0}, {br, y0}, {fr, y1}, {fl, y1}});
    castShadow(c, outline, 4, 0.3f);
    const Noise n(5311u);
    c.paint(rast(outline), Fill([=](float x, float y) {
                const float v = (y - y0) / (y1 - y0), l = mixf(bl, fl, v), r = mixf(br, fr, v);
                const float u = (x - l) / (r - l);
                const float bu = std::min(u, 1 - u) * 12, bv = std::min(v, 1 - v) * 2.2f;
                const float edge = std::min(bu, bv);
                Color col = hex(0xa82a2a);
                if (edge < 0.12f)
                    col = hex(0x3a1a30);
                else if (edge < 0.3f)
                    col = (static_cast<int>(u * 40 + v * 6) % 2) ? pal::kGold : pal::kBlueDeep;
                else if (edge < 0.36f)
                    col = hex(0xf0e0c0);
                else {
                    const float du = (u - 0.5f) * 3.2f, dv = (v - 0.5f) * 1.4f,
                                d = std::sqrt(du * du + dv * dv);
                    if (d < 0.34f)
                        col = d < 0.16f ? pal::kGold : hex(0x1f3570);
                    else if (d < 0.4f)
                        col = hex(0xf0e0c0);
                    else if (std::abs(std::sin(u * 34) * std::sin(v * 9)) > 0.82f)
                        col = hex(0xe0a040);
                }
                return mix(col, hex(0x2a0a10), 0.25f * (n.fbm(x / 6.0f, y / 6.0f, 2) - 0.3f));
            }));
    Mask fringe(kW, kH);
    for (float x = fl + 4; x < fr - 2; x += 5) Shape::line({x, y1}, {x, y1 + 6}, 1.2f).drawInto(fringe);
    c.paint(fringe, hex(0xf0e0c0));
}

// A plump cushion seen a little from above, with gold piping and tassels.
Shape cushion(Canvas& c, Vec2 m, float w, float h, Color cloth) {
    const Shape s = Shape::rect(m.x - w / 2, m.y - h / 2, w, h, h * 0.45f);
    castShadow(c, s, 6, 0.4f);
    inked(c, s,
          Fill::radial(m + Vec2{-w * 0.2f, -h * 0.3f}, w * 0.7f,
                       {{0, lighter(cloth, 0.35f)}, {1, darker(cloth, 0.45f)}}));
    c.paint(rast(s.grown(-4).outline(1.6f)), pal::kGold.fade(0.85f));
    c.paint(rast(Shape::regular(m, 4, h * 0.22f)), pal::kGoldLight);
    for (const float sx : {-1.0f, 1.0f})
        inked(c, Shape::ellipse(m + Vec2{sx * (w / 2 - 2), h / 2 - 2}, 3, 6), pal::kGold, 1.0f);
    return s;
}

// A long round bolster lying across the view.
Shape bolster(Canvas& c, Vec2 m, float w, float h, Color cloth) {
    const Shape s = Shape::rect(m.x - w / 2, m.y - h / 2, w, h, h / 2);
    castShadow(c, s, 6, 0.45f);
    inked(c, s,
          Fill::vertical(m.y - h / 2, m.y + h / 2,
                         {{0, lighter(cloth, 0.4f)}, {0.4f, cloth}, {1, darker(cloth, 0.55f)}}));
    Mask stripes(kW, kH);
    for (float x = m.x - w / 2 + 12; x < m.x + w / 2 - 8; x += 14)
        Shape::line({x, m.y - h / 2}, {x, m.y + h / 2}, 3).drawInto(stripes);
    stripes.multiply(rast(s.grown(-1)));
    c.paint(stripes, pal::kGold.fade(0.7f));
    for (const float sx : {-1.0f, 1.0f})
        inked(c, Shape::ellipse(m + Vec2{sx * w / 2, 0}, 5, h / 2 - 1), Fill(darker(cloth, 0.3f)), 1.0f);
    return s;
}

// A round brass tray on a low folding stand.
void tray(Canvas& c, Vec2 m, float r) {
    for (const float sx : {-0.6f, 0.6f})
        inked(c, Shape::line(m + Vec2{sx * r, 36}, m + Vec2{-sx * r * 0.5f, 4}, 4), hex(0x5a2e14), 1.0f);
    castShadow(c, Shape::ellipse(m, r, r * 0.26f), 6, 0.35f);
    inked(c, Shape::ellipse(m, r, r * 0.26f), hud::gold(m.y - r * 0.26f, m.y + r * 0.26f), 1.4f);
    c.paint(rast(Shape::ellipse(m, r * 0.8f, r * 0.19f).outline(1.4f)), pal::kBronze.fade(0.6f));
    c.paint(rast(Shape::ellipse(m + Vec2{-r * 0.3f, -r * 0.05f}, r * 0.3f, r * 0.06f)), hex(0xfff8d8, 0.5f));
}

// A pomegranate tree: crooked trunk and branches, heaped leaves from dark to sunlit, red fruit and flowers;
// returns the tree's coverage.
Mask pomegranateTree(Canvas& c, Vec2 foot, float size, uint32_t seed) {
    Rng rng(seed);
    const Vec2 crown = foot + Vec2{rng.range(-20, 30), -size};
    Mask wood(kW, kH);
    Shape::stroke({foot, foot + Vec2{-10, -size * 0.3f}, foot + Vec2{8, -size * 0.55f}, crown},
                  {18, 13, 10, 6})
        .drawInto(wood);
    for (int i = 0; i < 4; ++i)
        Shape::stroke({foot + Vec2{0, -size * 0.55f}, crown + Vec2{rng.range(-110, 110), rng.range(-40, 60)}},
                      {8, 3})
            .drawInto(wood);
    c.paint(wood.blurred(3).levels(0.05f, 0.5f), hex(0x1a0a04, 0.5f));
    c.paint(wood, Fill::vertical(crown.y, foot.y, {{0, hex(0x6a3a22)}, {1, hex(0x3a1e12)}}));
    Mask leaves(kW, kH), sun(kW, kH);
    std::vector<Vec2> clumps;
    for (int i = 0; i < 40; ++i) {
        const float a = rng.range(0, 2 * kPi), r = std::sqrt(rng.uniform());
        clumps.push_back(crown + Vec2{std::cos(a) * r * size * 0.55f, std::sin(a) * r * size * 0.36f});
    }
    for (const Vec2 p : clumps)
        for (int k = 0; k < 18; ++k) {
            const Vec2 q = p + Vec2{rng.range(-28, 28), rng.range(-20, 20)};
            const Shape leaf = Shape::ellipse(q, 9, 3.8f).rotated(rng.range(0, 180), q);
            leaf.drawInto(leaves);
            if (q.x - crown.x + (q.y - crown.y) * 1.2f < rng.range(-60, 40)) leaf.drawInto(sun);
        }
    Mask body = leaves.blurred(3);
    body.levels(0.12f, 0.35f);
    Mask shadow = body.shifted(8, 12);
    shadow.blur(6);
    c.paint(shadow, hex(0x0a0a20, 0.3f));
    c.paint(body, hex(0x1a3a22));
    c.paint(leaves, hex(0x3e6a2e));
    c.paint(sun, hex(0x8ab848, 0.9f));
    Mask all = wood;
    all.unite(body);
    all.unite(leaves);
    for (int i = 0; i < 14; ++i) {
        const Vec2 p =
            clumps[static_cast<size_t>(i) * 2 % clumps.size()] + Vec2{rng.range(-14, 14), rng.range(0, 18)};
        const float r = rng.range(9, 13);
        const Shape fruit = Shape::circle(p, r) |
                            Shape::polygon({p + Vec2{-4, -r + 1}, p + Vec2{0, -r - 7}, p + Vec2{4, -r + 1}});
        inked(c, fruit,
              Fill::radial(p + Vec2{-r * 0.35f, -r * 0.35f}, r * 1.3f,
                           {{0, hex(0xff8a70)}, {0.4f, hex(0xd42a2a)}, {1, hex(0x6a0e1a)}}),
              1.2f);
        fruit.grown(1.2f).drawInto(all);
    }
    for (int i = 0; i < 10; ++i) {
        const Vec2 p =
            clumps[static_cast<size_t>(i) * 3 % clumps.size()] + Vec2{rng.range(-20, 20), rng.range(-20, 10)};
        c.paint(rast(Shape::star(p, 6, 6, 2.5f, rng.range(0, 60))), hex(0xff5a30));
        c.paint(rast(Shape::circle(p, 1.6f)), pal::kGoldLight);
    }
    return all;
}

// The long pool: a cream coping, a tiled face, dark water catching the sky, and jets arcing in from spouts.
void pool(Canvas& c) {
    inked(c, Shape::rect(-10, kPoolRim - 4, kW + 20, 10),
          Fill::vertical(kPoolRim - 4, kPoolRim + 6, {{0, hex(0xfff6e0)}, {1, hex(0xc8a070)}}));
    c.paint(rast(Shape::rect(-10, kPoolRim + 6, kW + 20, 16)), starTiles(16, pal::kTurquoise));
    const float w0 = kPoolRim + 22;
    const Shape water = Shape::rect(-10, w0, kW + 20, kH - w0 + 10);
    c.paint(rast(water),
            Fill::vertical(w0, kH, {{0, hex(0x0e3a5a)}, {0.3f, hex(0x1a6a8a)}, {1, hex(0x4ac0c8)}}));
    c.paint(rast(Shape::rect(-10, w0, kW + 20, 12)), hex(0x061420, 0.45f));
    const Noise n(5312u);
    Mask glints(kW, kH);
    for (int y = static_cast<int>(w0) + 8; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            glints.at(x, y) = smoothstep(0.6f, 0.78f, n.fbm(x / 22.0f, y / 3.5f, 3)) * 0.8f;
    c.paint(glints, hex(0xe0fff8, 0.6f), Blend::Screen);
    Mask jets(kW, kH), splash(kW, kH);
    for (const float x : {150.0f, 390.0f, 634.0f, 874.0f}) {
        inked(c, Shape::rect(x - 7, kPoolRim - 14, 14, 12, 3), hud::gold(kPoolRim - 14, kPoolRim - 2), 1.0f);
        std::vector<Vec2> arc;
        for (int k = 0; k <= 14; ++k) {
            const float t = k / 14.0f;
            arc.push_back({x + 70 * t, kPoolRim - 10 - 34 * std::sin(t * kPi * 0.9f) + 60 * t * t});
        }
        Shape::stroke(arc, {3.0f, 1.4f}).drawInto(jets);
        Shape::ellipse({x + 70, w0 + 38}, 16, 4).outline(1.5f).drawInto(splash);
    }
    c.paint(jets, hex(0xeafffc, 0.85f));
    c.paint(splash, hex(0xffffff, 0.6f));
}

}  // namespace

Scene courtyardFront(Canvas& c, std::vector<float> lanterns) {
    Scene s;
    for (const float x : lanterns) s.lamps.push_back(lantern(c, x, 216));
    carpet(c, 482, 240, 790, 552, 190, 840);
    cushion(c, {372, 490}, 74, 30, pal::kTurquoiseDeep);
    cushion(c, {648, 492}, 70, 28, hex(0x6a3a8a));
    cushion(c, {744, 500}, 78, 30, pal::kTerracotta);
    tray(c, {540, 508}, 66);
    jar(c, {596, 506}, 30, pal::kTurquoise, pal::kGold);
    pool(c);
    pomegranateTree(c, {968, 560}, 290, 5313u);
    const Mask tree = pomegranateTree(c, {60, 560}, 300, 5314u);
    s.masks.push_back(cut(c, tree));
    // The planter at the pool's right end and the bolster at the carpet's front.
    const Vec2 pot{846, 568};
    const float h = 92;
    jar(c, pot, h, pal::kTurquoise, pal::kBlueDeep);
    Mask potMask = rast(Shape::ellipse(pot + Vec2{0, -h * 0.42f}, h * 0.36f, h * 0.42f).grown(1.6f) |
                        Shape::rect(pot.x - h * 0.2f, pot.y - h - 3, h * 0.4f, h * 0.4f));
    Rng rng(5315u);
    Mask bush(kW, kH), lit(kW, kH), roses(kW, kH);
    for (int i = 0; i < 90; ++i) {
        const Vec2 q =
            pot + Vec2{rng.range(-48, 48), -h - rng.range(0, 56) + std::abs(rng.range(-30, 30)) * 0.6f};
        const Shape leaf = Shape::ellipse(q, 8, 3.5f).rotated(rng.range(0, 180), q);
        leaf.drawInto(bush);
        if (q.x - pot.x + (q.y - pot.y + h + 30) < 0) leaf.drawInto(lit);
        if (i % 9 == 0) Shape::circle(q, 5).drawInto(roses);
    }
    c.paint(bush.blurred(1.2f).levels(0.05f, 0.4f), hex(0x1a3a22));
    c.paint(bush, hex(0x3e6a2e));
    c.paint(lit, hex(0x8ab848, 0.9f));
    c.paint(roses, Fill::radial(pot + Vec2{-20, -h - 40}, 60, {{0, hex(0xffc0d0)}, {1, hex(0xd04a70)}}));
    potMask.unite(bush.blurred(1.2f).levels(0.05f, 0.4f));
    potMask.unite(roses);
    s.masks.push_back(cut(c, potMask));
    const Shape b = bolster(c, {300, 542}, 132, 30, hex(0x2b4a8a));
    s.masks.push_back(cut(c, rast(b.grown(1.6f) | Shape::ellipse({366, 542}, 6, 15))));
    s.image = c;
    s.band = {80, 606, 940, 650};
    s.movers = {fish(86, 36, hex(0xf08a30), hex(0xfff4e0), hex(0xe8e0d0), 5321u),
                fish(74, 32, hex(0xf8f0e0), hex(0xffffff), hex(0xe05a30), 5322u),
                fish(66, 30, hex(0xf2c034), hex(0xfff8d8), hex(0xd08a20), 5323u)};
    s.leaves = {{20, 200, 220, 120, 1400}, {840, 220, 180, 110, 1800}};
    return s;
}

}  // namespace gen::ho
