// The map's Egypt and Persia: pyramids, palms, a temple gate and a felucca by the Nile; rocky hills, a domed
// city and a camel caravan on its road.
#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

#include "Palette.h"
#include "backgrounds_art.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Silhouettes.h"

namespace gen::map {

namespace {

// A small painted part with the map's brown ink round it.
void inked(Canvas& c, const Shape& s, const Fill& fill, float depth = 1.5f) {
    hud::part(c, s, fill, 1.1f, depth, 0.45f, 0.3f, kInk.fade(0.9f));
}

// A soft shadow on the ground, cast to the lower right.
void groundShadow(Canvas& c, const Shape& s, float blur = 2.0f) {
    hud::Layer l(c, s.bounds().expanded(blur * 3 + 4));
    Mask m = l.mask(s);
    m.blur(blur);
    l.canvas().paint(m, hex(0x5a3414, 0.3f));
    l.put(c);
}

void pyramids(Canvas& c) {
    struct P {
        Vec2 apex;
        float width, base;
    };
    for (const P& p : {P{{52, 410}, 42, 440}, P{{94, 384}, 76, 436}, P{{142, 404}, 52, 438}}) {
        const scene::PyramidFaces f = scene::pyramid(p.apex, p.width, p.base, -p.width * 0.12f);
        groundShadow(c, Shape::polygon({p.apex + Vec2{p.width * 0.2f, 10},
                                        {p.apex.x + p.width * 0.5f, p.base},
                                        {p.apex.x + p.width * 0.95f, p.base + 4}}));
        inked(c, f.lit | f.shade, Fill::vertical(p.apex.y, p.base, {{0, hex(0x9a6a58)}, {1, hex(0x7a4a40)}}),
              0);
        c.paint(f.lit, Fill::vertical(p.apex.y, p.base, {{0, hex(0xffe2a4)}, {1, hex(0xe3a860)}}));
        c.paint(f.lit.outline(0.8f), kInk.fade(0.5f));
        // Courses of stone on the lit face.
        Mask courses(kW, kH);
        for (float y = p.apex.y + 7; y < p.base - 2; y += 6)
            Shape::line({p.apex.x - p.width, y}, {p.apex.x + p.width, y}, 0.7f).drawInto(courses);
        courses.multiply(f.lit.grown(-1).rasterize(kW, kH));
        c.paint(courses, hex(0x9a5a2a, 0.3f));
        c.paint(Shape::regular(p.apex + Vec2{0, 4}, 3, 4.5f), pal::kGoldLight);
    }
}

}  // namespace

// A palm the size of a thumbnail: a bent trunk and five fronds.
void palm(Canvas& c, Vec2 base, float h, float lean) {
    const Vec2 top = base + Vec2{lean, -h};
    Shape tree = Shape::stroke({base, base + Vec2{lean * 0.3f, -h * 0.5f}, top}, {2.2f, 1.6f, 1.3f});
    Shape crown = Shape::circle(top, 1.5f);
    for (float a : {-170.0f, -130.0f, -90.0f, -50.0f, -10.0f}) {
        const Vec2 mid = polar(top, h * 0.32f, a), tip = polar(top, h * 0.5f, a + (a < -90 ? -30.0f : 30.0f));
        crown = crown | Shape::stroke({top, mid, tip + Vec2{0, 2}}, {2.4f, 2.0f, 0.6f});
    }
    c.paint(tree.grown(0.8f) | crown.grown(0.8f), kInk.fade(0.8f));
    c.paint(tree, hex(0x8a5a30));
    c.paint(crown,
            Fill::vertical(top.y - h * 0.3f, top.y + h * 0.3f, {{0, hex(0x8fbe4a)}, {1, hex(0x3f7a2a)}}));
}

// Wind-combed sand: a few ink arcs in the open desert.
void duneMarks(Canvas& c, const std::vector<Vec2>& at) {
    Mask m(c.width(), c.height());
    for (Vec2 p : at) {
        Path a;
        a.moveTo(p + Vec2{-14, 3})
            .quadTo(p + Vec2{-4, -5}, p + Vec2{4, -2})
            .quadTo(p + Vec2{9, 0}, p + Vec2{14, 4});
        Shape::stroke(a.points(), {0.6f, 1.6f, 0.6f}).drawInto(m);
    }
    c.paint(m, hex(0x9a6a34, 0.6f));
}

namespace {

// A temple gate: two sloping towers and a lintel, lit from the left.
void templeGate(Canvas& c, Vec2 foot) {
    auto tower = [&](float x0, float x1) {
        return Shape::polygon({{x0, foot.y}, {x0 + 4, foot.y - 30}, {x1 - 4, foot.y - 30}, {x1, foot.y}});
    };
    const Shape gate = tower(foot.x - 26, foot.x - 5) | tower(foot.x + 5, foot.x + 26) |
                       Shape::rect(foot.x - 6, foot.y - 22, 12, 5);
    groundShadow(c, gate.moved({6, 3}));
    inked(c, gate,
          Fill::linear(foot + Vec2{-26, -30}, foot + Vec2{26, 0}, {{0, hex(0xfbe0a8)}, {1, hex(0xc98a52)}}));
    Mask lines(kW, kH);
    for (float y : {foot.y - 26, foot.y - 8})
        Shape::line({foot.x - 24, y}, {foot.x + 24, y}, 0.8f).drawInto(lines);
    lines.multiply(gate.rasterize(kW, kH));
    c.paint(lines, hex(0x8a4a24, 0.55f));
    c.paint(Shape::rect(foot.x - 4, foot.y - 17, 8, 17), hex(0x4a2a14, 0.75f));
}

// A pool in the desert ringed with palms.
void oasis(Canvas& c, Vec2 m) {
    c.paint(Shape::ellipse(m, 40, 20).rasterize(kW, kH, 10.0f), hex(0x8fae52, 0.4f));
    const Shape pool = Shape::ellipse(m, 20, 8);
    c.paint(pool.grown(1.2f), kInk.fade(0.8f));
    c.paint(pool, Fill::vertical(m.y - 8, m.y + 8, {{0, hex(0x3a8fa6)}, {1, hex(0x6fc4c0)}}));
    for (auto [dx, dy, lean] : {std::tuple{-22.0f, -4.0f, -3.0f}, std::tuple{-8.0f, -8.0f, 2.0f},
                                std::tuple{18.0f, -5.0f, 3.0f}, std::tuple{26.0f, 6.0f, 2.0f}})
        palm(c, m + Vec2{dx, dy}, 16, lean);
}

// A Nile boat with a pale sail.
void boat(Canvas& c, Vec2 waterline, float size) {
    const bg::Felucca f = bg::felucca(waterline, size);
    inked(c, f.mast, hex(0x5a3418), 0);
    inked(c, f.sail,
          Fill::linear(waterline + Vec2{-size, -size}, waterline, {{0, hex(0xfffaf0)}, {1, hex(0xe0cfb0)}}),
          0.8f);
    inked(c, f.hull, hex(0x8a4a24), 0.8f);
}

// A lumpy rocky hill standing on `base`, lit on its left and hatched on its right.
void hill(Canvas& c, Vec2 base, float w, float h, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> pts;
    constexpr int kN = 18;
    for (int i = 0; i <= kN; ++i) {
        const float t = static_cast<float>(i) / kN;
        const float lump = 1 + 0.22f * (n.value(t * 4, 0.5f) - 0.5f);
        pts.push_back(
            {base.x - w / 2 + w * t, base.y - h * std::pow(std::max(0.0f, std::sin(kPi * t)), 0.75f) * lump});
    }
    pts.push_back({base.x, base.y + 3});
    const Shape s = Shape::polygon(pts);
    groundShadow(c, s.moved({5, 2}));
    inked(c, s,
          Fill::linear(base + Vec2{-w * 0.35f, -h}, base + Vec2{w * 0.4f, 0},
                       {{0, hex(0xf0c08a)}, {0.55f, hex(0xcf8a58)}, {1, hex(0x9a5a3c)}}),
          2.0f);
    Mask hatch(kW, kH);
    for (int i = 0; i < 4; ++i) {
        const float x = base.x + w * (0.08f + 0.09f * i);
        Shape::line({x, base.y - h * 0.55f + i * 3.0f}, {x + 3, base.y - 2}, 0.8f).drawInto(hatch);
    }
    hatch.multiply(s.grown(-1.5f).rasterize(kW, kH));
    c.paint(hatch, kInk.fade(0.45f));
}

// A walled city of white houses under turquoise domes, with two minarets.
void domedCity(Canvas& c, Vec2 foot) {
    const Shape wall = Shape::rect(foot.x - 50, foot.y - 14, 100, 14, 1.5f);
    groundShadow(c, wall.moved({6, 3}), 3.0f);
    const Fill stone = Fill::linear(foot + Vec2{-50, -50}, foot + Vec2{50, 0},
                                    {{0, hex(0xfff4dc)}, {0.6f, hex(0xead3a8)}, {1, hex(0xc8a070)}});
    for (float x : {-38.0f, 34.0f}) {  // minarets behind the wall
        const Vec2 b = foot + Vec2{x, -12};
        inked(c, Shape::rect(b.x - 3, b.y - 40, 6, 40), stone, 1.0f);
        inked(c, Shape::rect(b.x - 5, b.y - 30, 10, 3, 1), stone, 0.6f);
        inked(c, Shape::polygon({{b.x - 3.5f, b.y - 40}, {b.x, b.y - 50}, {b.x + 3.5f, b.y - 40}}),
              pal::kTurquoise, 0.8f);
    }
    struct House {
        float x, w, h, dome;
    };
    for (const House& hs : {House{-24, 18, 22, 8}, House{-2, 26, 30, 13}, House{20, 16, 18, 7}}) {
        const Vec2 b = foot + Vec2{hs.x, -12};
        inked(c, Shape::rect(b.x - hs.w / 2, b.y - hs.h, hs.w, hs.h), stone, 1.0f);
        const Vec2 dm{b.x, b.y - hs.h};
        const Shape dome =
            Shape::ellipse(dm, hs.dome, hs.dome * 1.05f) & Shape::rect(dm.x - 20, dm.y - 20, 40, 20);
        inked(c, dome,
              Fill::radial(dm + Vec2{-hs.dome * 0.4f, -hs.dome * 0.7f}, hs.dome * 1.6f,
                           {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}),
              1.2f);
        inked(c, Shape::line(dm + Vec2{0, -hs.dome}, dm + Vec2{0, -hs.dome - 4}, 1.2f), pal::kGold, 0);
        for (float wx : {-hs.w * 0.25f, hs.w * 0.25f})
            c.paint(Shape::rect(b.x + wx - 1.5f, b.y - hs.h * 0.6f, 3, 5, 1.5f), hex(0x6a3a1a, 0.8f));
    }
    Shape crenels = wall;
    for (float x = -48; x < 50; x += 8) crenels = crenels | Shape::rect(foot.x + x, foot.y - 18, 4, 5);
    inked(c, crenels, stone, 1.0f);
    c.paint(Shape::rect(foot.x - 5, foot.y - 10, 10, 10, 4), hex(0x4a2a14, 0.8f));
}

// The caravan road: a faint double track with a line of camels on it.
void caravan(Canvas& c) {
    Path road;
    road.moveTo({446, 566}).smoothThrough({{520, 520}, {600, 500}, {660, 470}, {700, 440}});
    Mask m = Shape::stroke(road.points(), {1.0f}).rasterize(kW, kH);
    m.unite(Shape::stroke(road.points(), {1.0f}).moved({0, 5}).rasterize(kW, kH));
    c.paint(m, hex(0x8a5a30, 0.45f));
    Mask camels(kW, kH);
    for (float x : {548.0f, 566.0f, 584.0f}) bg::camel({x, 511 - (x - 548) * 0.25f}, 15).drawInto(camels);
    c.paint(camels.shifted(1, 1), hex(0xfff2d2, 0.4f));
    c.paint(camels, kInk.fade(0.85f));
}

}  // namespace

void paintEgypt(Canvas& c) {
    duneMarks(c, {{40, 270},
                  {96, 300},
                  {60, 340},
                  {130, 250},
                  {330, 430},
                  {360, 470},
                  {320, 520},
                  {80, 520},
                  {130, 555},
                  {300, 600},
                  {350, 560},
                  {40, 470}});
    pyramids(c);
    for (auto [x, y, lean] : {std::tuple{200.0f, 600.0f, -3.0f}, std::tuple{244.0f, 560.0f, 3.0f},
                              std::tuple{196.0f, 520.0f, -2.0f}, std::tuple{270.0f, 420.0f, 3.0f},
                              std::tuple{262.0f, 350.0f, 2.0f}, std::tuple{214.0f, 300.0f, -3.0f},
                              std::tuple{270.0f, 248.0f, 3.0f}, std::tuple{220.0f, 232.0f, -2.0f}})
        palm(c, {x, y}, 16, lean);
    oasis(c, {96, 282});
    templeGate(c, {354, 268});
    boat(c, {236, 640}, 22);
}

void paintPersia(Canvas& c) {
    uint32_t seed = 640;
    for (auto [x, y, w, h] :
         {std::tuple{440.0f, 200.0f, 60.0f, 26.0f}, std::tuple{560.0f, 186.0f, 44.0f, 20.0f},
          std::tuple{486.0f, 186.0f, 56.0f, 30.0f}, std::tuple{528.0f, 212.0f, 50.0f, 22.0f},
          std::tuple{462.0f, 228.0f, 44.0f, 18.0f}, std::tuple{720.0f, 330.0f, 44.0f, 20.0f},
          std::tuple{560.0f, 300.0f, 40.0f, 18.0f}, std::tuple{480.0f, 560.0f, 56.0f, 24.0f},
          std::tuple{640.0f, 560.0f, 60.0f, 26.0f}, std::tuple{610.0f, 196.0f, 40.0f, 16.0f},
          std::tuple{700.0f, 590.0f, 46.0f, 20.0f}})
        hill(c, {x, y}, w, h, seed++);
    caravan(c);
    domedCity(c, {680, 418});
}

}  // namespace gen::map
