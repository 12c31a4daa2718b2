// The map's Tibet: a range of snowy mountains, pines on the foothills and a monastery on a ledge with
// prayer flags strung to the next peak.
#include <algorithm>
#include <vector>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace gen::map {

namespace {

struct Peak {
    Vec2 apex;
    float halfWidth, base;
};

// One mountain: a lit left face, a shaded right face, a snow cap with a ragged lower edge, inked.
void mountain(Canvas& c, const Peak& p, uint32_t seed) {
    Rng rng(seed);
    const float h = p.base - p.apex.y, w = p.halfWidth;
    const Vec2 left{p.apex.x - w, p.base}, right{p.apex.x + w, p.base};
    const Vec2 ls{p.apex.x - w * rng.range(0.45f, 0.6f), p.apex.y + h * rng.range(0.45f, 0.6f)};
    const Vec2 rs{p.apex.x + w * rng.range(0.4f, 0.55f), p.apex.y + h * rng.range(0.4f, 0.55f)};
    const Vec2 valley{p.apex.x + w * 0.15f, p.base};
    const Shape body = Shape::polygon({left, ls, p.apex, rs, right});
    const Shape lit = Shape::polygon({left - Vec2{2, 0}, ls - Vec2{2, 0}, p.apex + Vec2{0, -2},
                                      p.apex + Vec2{w * 0.05f, h * 0.4f}, valley});
    // A snow line that dips and rises between the ridges.
    std::vector<Vec2> snow{{p.apex.x - w, p.apex.y - 10}};
    const float line = p.apex.y + h * 0.42f;
    for (int i = 0; i <= 8; ++i) {
        const float x = p.apex.x - w + 2 * w * i / 8.0f;
        snow.push_back(
            {x, line + (i % 2 ? rng.range(6, 12) : rng.range(-6, 0)) - std::abs(x - p.apex.x) * 0.3f});
    }
    snow.push_back({p.apex.x + w, p.apex.y - 10});
    const Shape cap = Shape::polygon(snow) & body;

    hud::Layer l(c, body.bounds().expanded(8));
    Canvas& lc = l.canvas();
    Mask shadow = l.mask(body.moved({6, 3}));
    shadow.blur(3);
    lc.paint(shadow, hex(0x4a3020, 0.25f));
    lc.paint(l.mask(body.grown(1.1f)), kInk.fade(0.9f));
    lc.paint(l.mask(body),
             l.local(Fill::vertical(p.apex.y, p.base, {{0, hex(0x8c86a0)}, {1, hex(0x6c6070)}})));
    lc.paint(l.mask(lit & body),
             l.local(Fill::vertical(p.apex.y, p.base, {{0, hex(0xd8c8b4)}, {1, hex(0xb09478)}})));
    lc.paint(l.mask(cap), l.local(Fill::vertical(p.apex.y, line, {{0, hex(0xdce8f4)}, {1, hex(0xb4c8e0)}})));
    lc.paint(l.mask(cap & lit), hex(0xfffdf6));
    // Ridges: the crease between the faces and a few ink strokes down the shaded side.
    lc.paint(l.mask(Shape::stroke({p.apex, p.apex + Vec2{w * 0.05f, h * 0.4f}, valley}, {1.0f, 0.8f, 0.3f})),
             kInk.fade(0.55f));
    Mask hatch(lc.width(), lc.height());
    for (int i = 1; i <= 3; ++i) {
        const float x = p.apex.x + w * (0.2f + 0.18f * i);
        l.local(Shape::line({x, p.base - h * 0.5f + i * h * 0.08f}, {x + 4, p.base - 3}, 0.8f))
            .drawInto(hatch);
    }
    hatch.multiply(l.mask(body.grown(-1.5f)));
    lc.paint(hatch, kInk.fade(0.4f));
    l.put(c);
}

// A small dark pine.
void pine(Canvas& c, Vec2 foot, float h) {
    const Shape tree =
        Shape::polygon(
            {foot + Vec2{-h * 0.28f, -h * 0.25f}, foot + Vec2{0, -h}, foot + Vec2{h * 0.28f, -h * 0.25f}}) |
        Shape::polygon({foot + Vec2{-h * 0.34f, 0}, foot + Vec2{0, -h * 0.7f}, foot + Vec2{h * 0.34f, 0}});
    hud::part(c, tree,
              Fill::linear(foot + Vec2{-h * 0.3f, -h}, foot + Vec2{h * 0.3f, 0},
                           {{0, hex(0x6f9a58)}, {1, hex(0x2c5034)}}),
              1.0f, 0.8f, 0.4f, 0.3f, kInk.fade(0.9f));
}

// The monastery: white walls stepping up the rock, a deep red upper storey and gilded roofs.
void monastery(Canvas& c, Vec2 foot) {
    const Fill white = Fill::linear(foot + Vec2{-40, -50}, foot + Vec2{40, 0},
                                    {{0, hex(0xfffaf0)}, {0.6f, hex(0xeee2cc)}, {1, hex(0xc0a888)}});
    auto block = [&](float x, float y, float w, float h, const Fill& f) {
        hud::part(c,
                  Shape::polygon({foot + Vec2{x, y}, foot + Vec2{x + 2, y - h}, foot + Vec2{x + w - 2, y - h},
                                  foot + Vec2{x + w, y}}),
                  f, 1.0f, 1.0f, 0.45f, 0.3f, kInk.fade(0.9f));
    };
    Mask shadow = Shape::rect(foot.x - 36, foot.y - 20, 76, 20).rasterize(kW, kH);
    shadow = shadow.shifted(6, 3);
    shadow.blur(3);
    c.paint(shadow, hex(0x4a3020, 0.3f));
    block(-38, 0, 30, 16, white);
    block(10, 0, 30, 20, white);
    block(-22, -10, 48, 24, white);
    block(-14, -34, 32, 12,
          Fill::vertical(foot.y - 46, foot.y - 34, {{0, hex(0xb04a34)}, {1, hex(0x7a2a20)}}));
    for (float x : {-8.0f, 2.0f, 12.0f})  // windows
        c.paint(Shape::rect(foot.x + x - 2, foot.y - 28, 4, 6, 1), hex(0x4a2a14, 0.85f));
    for (float x : {-34.0f, -24.0f, 16.0f, 26.0f, 34.0f})
        c.paint(Shape::rect(foot.x + x - 1.5f, foot.y - 11, 3, 4, 1), hex(0x4a2a14, 0.8f));
    hud::part(c, Shape::polygon({foot + Vec2{-12, -46}, foot + Vec2{2, -54}, foot + Vec2{16, -46}}),
              hud::gold(foot.y - 54, foot.y - 46), 1.0f, 0.8f);
    hud::part(c, Shape::line(foot + Vec2{2, -54}, foot + Vec2{2, -59}, 1.4f), pal::kGold, 0.8f, 0);
}

// A line of prayer flags sagging between two points.
void prayerFlags(Canvas& c, Vec2 a, Vec2 b) {
    const Color colours[] = {hex(0x2b4a8a), hex(0xf4f0e4), hex(0xc2593a), hex(0x3f8a4a), hex(0xf2b134)};
    std::vector<Vec2> line;
    for (int i = 0; i <= 12; ++i) {
        const float t = i / 12.0f;
        line.push_back(lerp(a, b, t) + Vec2{0, 10 * std::sin(kPi * t)});
    }
    c.paint(Shape::stroke(line, {0.7f}), kInk.fade(0.7f));
    for (int i = 1; i < 12; ++i) {
        const Vec2 p = line[static_cast<size_t>(i)];
        c.paint(Shape::rect(p.x - 1.5f, p.y, 3.2f, 4.2f), colours[i % 5]);
    }
}

}  // namespace

void paintTibet(Canvas& c) {
    std::vector<Peak> peaks{{{806, 116}, 46, 190},  {{888, 96}, 56, 184},  {{962, 116}, 50, 192},
                            {{1012, 146}, 40, 212}, {{784, 226}, 40, 292}, {{952, 214}, 46, 290},
                            {{1000, 262}, 38, 322}, {{790, 418}, 42, 488}, {{872, 438}, 40, 500},
                            {{968, 458}, 48, 530},  {{806, 540}, 40, 600}, {{1000, 556}, 40, 618},
                            {{900, 520}, 30, 570}};
    std::sort(peaks.begin(), peaks.end(), [](const Peak& a, const Peak& b) { return a.base < b.base; });
    uint32_t seed = 700;
    for (const Peak& p : peaks) mountain(c, p, seed++);
    for (auto [x, y] : {std::pair{768.0f, 320.0f}, std::pair{780.0f, 330.0f}, std::pair{774.0f, 510.0f},
                        std::pair{846.0f, 610.0f}, std::pair{836.0f, 500.0f}, std::pair{940.0f, 600.0f}})
        pine(c, {x, y}, 14);
    prayerFlags(c, {936, 330}, {1000, 290});
    monastery(c, {930, 392});
}

}  // namespace gen::map
