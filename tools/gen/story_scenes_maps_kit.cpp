// The route maps' kit, in the journey map's brown ink: parchment, seas, rivers, mountains, trees, waves,
// a compass rose and the lands' names.
#include <cmath>

#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Text.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

// A soft shadow on the parchment, cast to the lower right.
void paperShadow(Canvas& c, const Shape& s, Vec2 offset, float blur) {
    Mask m = rast(c, s.moved(offset));
    m.blur(blur);
    c.paint(m, hex(0x5a3414, 0.28f));
}

}  // namespace

void mapSheet(Canvas& c, uint32_t seed) {
    c.paint(Mask(c.width(), c.height(), 1.0f),
            map::agedParchment({0, 0, float(c.width()), float(c.height())}, seed));
    // Folded in four: a dark crease with a lit ridge beside it.
    Mask dark(c.width(), c.height()), ridge(c.width(), c.height());
    const float mx = c.width() / 2.0f, my = c.height() / 2.0f;
    Shape::line({mx, 0}, {mx, float(c.height())}, 1.2f).drawInto(dark);
    Shape::line({0, my}, {float(c.width()), my}, 1.2f).drawInto(dark);
    Shape::rect(mx + 1, 0, 8, c.height()).drawInto(ridge, 6);
    Shape::rect(0, my + 1, c.width(), 8).drawInto(ridge, 6);
    c.paint(ridge, hex(0xfff6dc, 0.12f));
    c.paint(dark, hex(0x7a5228, 0.2f));
}

void mapWater(Canvas& c, const Shape& water) {
    const Field f = water.field(c.width(), c.height(), 24);
    c.paint(f.coverage(), Fill([&f](float x, float y) {
                const float d = -f.get(static_cast<int>(x), static_cast<int>(y));
                return mixOklab(hex(0x4fa9a4, 0.8f), hex(0x9ed3c4, 0.7f), smoothstep(1, 18, d));
            }));
    c.paint(f.band(-11, -9.8f), hex(0x2f7f82, 0.45f));
    c.paint(f.band(-20.5f, -19.5f), hex(0x2f7f82, 0.25f));
    c.paint(f.band(-0.9f, 0.9f), kInk.fade(0.85f));
    c.paint(f.band(0.9f, 4.0f, 2.0f), hex(0xfff4d6, 0.35f));
}

void mapRiver(Canvas& c, const std::vector<Vec2>& pts, float width, float fields) {
    Path p;
    p.moveTo(pts.front()).smoothThrough({pts.begin() + 1, pts.end()});
    if (fields > 0) {
        Mask banks = rast(c, Shape::stroke(p.points(), {fields}), fields * 0.3f);
        c.paint(banks, hex(0x8fae52, 0.4f));
        Rng rng(static_cast<uint64_t>(pts.front().x * 31 + pts.front().y));
        Mask dots(c.width(), c.height());
        const Rect b = Shape::stroke(p.points(), {fields}).bounds();
        for (int i = 0; i < static_cast<int>(b.width() * b.height() / 300); ++i) {
            const Vec2 q{rng.range(b.x0, b.x1), rng.range(b.y0, b.y1)};
            if (banks.get(static_cast<int>(q.x), static_cast<int>(q.y)) > 0.6f)
                Shape::circle(q, rng.range(1.0f, 2.0f)).drawInto(dots);
        }
        c.paint(dots, hex(0x4f7a2c, 0.45f));
    }
    // Narrow at the source, wider towards the mouth.
    std::vector<float> widths;
    for (size_t i = 0; i < p.points().size(); ++i)
        widths.push_back(width * (0.45f + 0.55f * i / float(p.points().size() - 1)));
    const Shape water = Shape::stroke(p.points(), widths);
    c.paint(water.grown(1.3f), kInk.fade(0.8f));
    c.paint(water, Fill::vertical(0, c.height(), {{0, hex(0x5fbab6)}, {1, hex(0x3a8fa6)}}));
}

void mapMountain(Canvas& c, Vec2 apex, float w, float base, bool snow, uint32_t seed) {
    Rng rng(seed);
    const float h = base - apex.y;
    const Vec2 left{apex.x - w, base}, right{apex.x + w, base};
    const Vec2 ls{apex.x - w * rng.range(0.45f, 0.6f), apex.y + h * rng.range(0.4f, 0.55f)};
    const Vec2 rs{apex.x + w * rng.range(0.4f, 0.55f), apex.y + h * rng.range(0.4f, 0.55f)};
    const Vec2 crease{apex.x + w * 0.08f, apex.y + h * 0.45f}, valley{apex.x + w * 0.2f, base};
    const Shape body = Shape::polygon({left, ls, apex, rs, right});
    const Shape litFace =
        Shape::polygon({left - Vec2{4, 0}, ls - Vec2{4, 0}, apex - Vec2{0, 4}, crease, valley}) & body;
    paperShadow(c, body, {6, 3}, 3);
    c.paint(body.grown(1.1f), kInk.fade(0.9f));
    if (snow) {
        c.paint(body, Fill::vertical(apex.y, base, {{0, hex(0x8c86a0)}, {1, hex(0x6c6070)}}));
        c.paint(litFace, Fill::vertical(apex.y, base, {{0, hex(0xd8c8b4)}, {1, hex(0xb09478)}}));
        std::vector<Vec2> line{{apex.x - w, apex.y - 10}};
        const float snowY = apex.y + h * 0.42f;
        for (int i = 0; i <= 8; ++i) {
            const float x = apex.x - w + 2 * w * i / 8.0f;
            line.push_back(
                {x, snowY + (i % 2 ? rng.range(5, 11) : rng.range(-5, 0)) - std::abs(x - apex.x) * 0.3f});
        }
        line.push_back({apex.x + w, apex.y - 10});
        const Shape cap = Shape::polygon(line) & body;
        c.paint(cap, Fill::vertical(apex.y, snowY, {{0, hex(0xdce8f4)}, {1, hex(0xb4c8e0)}}));
        c.paint(cap & litFace, hex(0xfffdf6));
    } else {
        c.paint(body, Fill::vertical(apex.y, base, {{0, hex(0xb8784e)}, {1, hex(0x8a5038)}}));
        c.paint(litFace, Fill::vertical(apex.y, base, {{0, hex(0xf0c08a)}, {1, hex(0xcf8a58)}}));
    }
    c.paint(Shape::stroke({apex, crease, valley}, {1.0f, 0.8f, 0.3f}), kInk.fade(0.5f));
    Mask hatch(c.width(), c.height());
    for (int i = 1; i <= 3; ++i) {
        const float x = apex.x + w * (0.22f + 0.18f * i);
        Shape::line({x, base - h * 0.45f + i * h * 0.08f}, {x + 3, base - 3}, 0.8f).drawInto(hatch);
    }
    hatch.multiply(rast(c, body.grown(-1.5f)));
    c.paint(hatch, kInk.fade(0.4f));
}

void mapPine(Canvas& c, Vec2 foot, float h) {
    const Shape tree =
        Shape::polygon(
            {foot + Vec2{-h * 0.28f, -h * 0.25f}, foot + Vec2{0, -h}, foot + Vec2{h * 0.28f, -h * 0.25f}}) |
        Shape::polygon({foot + Vec2{-h * 0.34f, 0}, foot + Vec2{0, -h * 0.7f}, foot + Vec2{h * 0.34f, 0}});
    c.paint(tree.grown(1.0f), kInk.fade(0.85f));
    c.paint(tree, Fill::linear(foot + Vec2{-h * 0.3f, -h}, foot + Vec2{h * 0.3f, 0},
                               {{0, hex(0x6f9a58)}, {1, hex(0x2c5034)}}));
}

void mapWaves(Canvas& c, const std::vector<Vec2>& at, Color ink) {
    Mask m(c.width(), c.height());
    for (Vec2 p : at) {
        Path w;
        w.moveTo(p + Vec2{-9, 2}).quadTo(p + Vec2{-4.5f, -4}, p).quadTo(p + Vec2{4.5f, -4}, p + Vec2{9, 2});
        Shape::stroke(w.points(), {1.3f}).drawInto(m);
    }
    c.paint(m, ink);
}

void mapCompass(Canvas& c, const Font& font, Vec2 m, float r) {
    auto point = [&](float deg, float len, float half, Color litSide, Color shadeSide) {
        const Vec2 tip = polar(m, len, deg), left = polar(m, half, deg - 45),
                   right = polar(m, half, deg + 45);
        c.paint(Shape::polygon({m, tip, left}), litSide);
        c.paint(Shape::polygon({m, tip, right}), shadeSide);
        c.paint(Shape::polygon({left, tip, right, m}).outline(1.0f), kInk.fade(0.9f));
    };
    c.paint(Shape::circle(m, r * 0.65f).outline(1.2f) | Shape::circle(m, r * 0.74f).outline(0.8f),
            kInk.fade(0.7f));
    for (int i = 0; i < 4; ++i)
        point(45.0f + 90.0f * i, r * 0.6f, r * 0.15f, pal::kSandLight, pal::kSandDark);
    for (int i = 0; i < 4; ++i) point(-90.0f + 90.0f * i, r, r * 0.2f, pal::kGoldLight, pal::kTerracottaDeep);
    c.paint(Shape::circle(m, r * 0.09f), pal::kTurquoise);
    c.paint(Shape::circle(m, r * 0.09f).outline(1.0f), kInk);
    Mask n(c.width(), c.height());
    const float px = r * 0.38f;
    font.render(n, "N", px, {m.x - font.advance("N", px) / 2, m.y - r - 4});
    c.paint(n, kInk);
}

void mapLabel(Canvas& c, const Font& font, const std::string& name, Vec2 centre, float px) {
    constexpr int k = 3;
    const float tracking = px * 0.12f;
    const Rect ink = font.inkBounds(name, px, tracking);
    const int w = static_cast<int>(ink.width() + px), h = static_cast<int>(px * 1.8f);
    const float baseline = px * 1.2f;
    Mask big(w * k, h * k);
    font.render(big, name, px * k, Vec2{px * 0.5f - ink.x0, baseline} * k, tracking * k);
    big = big.warped([&](Vec2 p) { return Vec2{p.x + (p.y - baseline * k) * 0.18f, p.y}; });
    const Mask text = big.downsampled(k);
    Canvas t(w, h);
    t.paint(text.shifted(1, 1), hex(0xfff2d2, 0.5f));
    t.paint(text, kInk.fade(0.88f));
    std::vector<Vec2> swash;
    std::vector<float> widths;
    for (int i = 0; i <= 20; ++i) {
        const float u = i / 20.0f;
        swash.push_back({px * 0.3f + u * (w - px * 0.6f), baseline + px * 0.28f - 3 * std::sin(u * kPi * 2)});
        widths.push_back(0.4f + 1.8f * std::sin(u * kPi));
    }
    t.paint(Shape::stroke(swash, widths).rasterize(w, h), kInk.fade(0.7f));
    c.draw(t, static_cast<int>(centre.x - w / 2.0f), static_cast<int>(centre.y - baseline + px * 0.35f));
}

}  // namespace gen::story
