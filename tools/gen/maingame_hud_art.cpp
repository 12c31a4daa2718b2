// Drawing helpers of the main game's panel pictures: layers, gold, lapis, sandstone, sockets and strips.
#include "maingame_hud_art.h"

#include <algorithm>
#include <cmath>

#include "paint/Effects.h"
#include "paint/Noise.h"

namespace gen::hud {

Layer::Layer(const Canvas& on, Rect box) {
    const Rect b =
        intersect(box, Rect{0, 0, static_cast<float>(on.width()), static_cast<float>(on.height())});
    const float x0 = std::floor(b.x0), y0 = std::floor(b.y0);
    origin_ = {x0, y0};
    c_ = Canvas(std::max(1, static_cast<int>(std::ceil(b.x1 - x0))),
                std::max(1, static_cast<int>(std::ceil(b.y1 - y0))));
}

Fill Layer::local(const Fill& f) const {
    if (f.solid()) return f;
    const Vec2 o = origin_;
    return Fill([f, o](float x, float y) { return f.at(x + o.x, y + o.y); });
}

Style Layer::local(Style s) const {
    s.fill = local(s.fill);
    s.outlineFill = local(s.outlineFill);
    return s;
}

void Layer::put(Canvas& dst, Blend mode, float opacity) const {
    dst.draw(c_, static_cast<int>(origin_.x), static_cast<int>(origin_.y), mode, opacity);
}

void styled(Canvas& c, const Shape& s, const Style& st, float margin) {
    Layer l(c, s.bounds().expanded(margin + st.outline + 2));
    drawStyled(l.canvas(), l.field(s), l.local(st));
    l.put(c);
}

Fill gold(float top, float bottom) {
    return Fill::vertical(
        top, bottom,
        {{0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.62f, pal::kGold}, {1, pal::kGoldDeep}});
}

Style goldTrim(float top, float bottom, float outline) {
    Style s;
    s.fill = bottom - top > 200 ? Fill(hex(0xeaae3e)) : gold(top, bottom);
    s.outline = outline;
    s.outlineFill = pal::kOutline.fade(0.9f);
    s.bevel = Bevel{2.0f, 0.7f, 0.45f, true};
    s.shadow = Shadow{{1.0f, 1.5f}, 1.5f, kShadow};
    return s;
}

Fill lapis(float top, float bottom) {
    return Fill::vertical(top, bottom, {{0, pal::kBlueNight}, {0.55f, pal::kBlueDeep}, {1, hex(0x24407a)}});
}

void part(Canvas& c, const Shape& s, const Fill& fill, float outline, float depth, float highlight,
          float shadow, Color outlineColor) {
    Style st;
    st.fill = fill;
    st.outline = outline;
    st.outlineFill = outlineColor;
    if (depth > 0) st.bevel = Bevel{depth, highlight, shadow, true};
    styled(c, s, st, 2.0f);
}

void ink(Canvas& c, const std::vector<Vec2>& pts, float width, Color color) {
    c.paint(Shape::stroke(pts, {width}), color, Blend::Inside);
}

void socket(Canvas& c, const Shape& hole, float rim, const Fill& inside, float depth) {
    const Rect b = hole.bounds();
    styled(c, hole.grown(rim), goldTrim(b.y0 - rim, b.y1 + rim), 6.0f);
    Layer l(c, b.expanded(4));
    const Field f = l.field(hole);
    Canvas& lc = l.canvas();
    lc.paint(f.coverage(), l.local(inside));
    innerShadow(lc, f, depth, depth * 0.9f, hex(0x02040c, 0.85f));
    innerGlow(lc, f, hex(0x8fb6ff, 0.12f), 2.0f);
    lc.paint(f.band(-0.2f, 1.0f), pal::kOutline.fade(0.85f));
    l.put(c);
}

void groove(Canvas& c, const Shape& line, float opacity) {
    Layer l(c, line.bounds().expanded(4));
    const Mask m = l.mask(line, 1.2f);
    l.canvas().paint(m.shifted(1, 1), hex(0xfff2d0, 0.5f * opacity));
    l.canvas().paint(m, hex(0x5a300f, 0.7f * opacity));
    l.put(c);
}

Fill sandstone(Rect lit, uint32_t seed) {
    const Noise n(seed), layers(seed * 7u + 3u);
    const Gradient stone{
        {0, hex(0xf7dba4)}, {0.3f, hex(0xe9c283)}, {0.6f, hex(0xd4a263)}, {1, hex(0xa06a36)}};
    return Fill([=](float x, float y) {
        const float u = (x - lit.x0) / std::max(1.0f, lit.width());
        const float v = (y - lit.y0) / std::max(1.0f, lit.height());
        const float light = 0.2f + 0.3f * std::clamp((u * 0.6f + v) / 1.6f, 0.0f, 1.0f);
        const float mottle = n.fbm(x / 110.0f, y / 80.0f, 5) - 0.5f;
        const float strata = std::sin((y + 18.0f * layers.fbm(x / 140.0f, y / 50.0f, 3)) / 6.0f);
        const float speck = n.grain(static_cast<int>(x), static_cast<int>(y));
        return stone.at(light + mottle * 0.5f + strata * 0.04f + speck * 0.03f);
    });
}

void grainedSandstone(Canvas& c, const Field& f, int w, int h, Rect lit, uint32_t seed, int grains) {
    c.paint(f.coverage(), sandstone(lit, seed));
    Rng rng(seed + 1);
    Mask dark(w, h), light(w, h);
    for (int i = 0; i < grains; ++i)
        Shape::circle({rng.range(0, static_cast<float>(w)), rng.range(0, static_cast<float>(h))},
                      rng.range(0.35f, 0.8f))
            .drawInto(i % 3 ? dark : light);
    dark.multiply(f.coverage());
    light.multiply(f.coverage());
    c.paint(dark, hex(0x8a5a2c, 0.3f));
    c.paint(light, hex(0xfff3d6, 0.35f));
    bevel(c, f, Bevel{5.0f, 0.3f, 0.45f, true});
}

Canvas resampled(const Canvas& c, int w, int h) {
    constexpr int kSub = 4;
    Canvas out(w, h);
    const float sx = static_cast<float>(c.width()) / w, sy = static_cast<float>(c.height()) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Pixel s;
            for (int j = 0; j < kSub; ++j)
                for (int i = 0; i < kSub; ++i) {
                    const int px = static_cast<int>((x + (i + 0.5f) / kSub) * sx);
                    const int py = static_cast<int>((y + (j + 0.5f) / kSub) * sy);
                    const Pixel& p = c.at(std::min(px, c.width() - 1), std::min(py, c.height() - 1));
                    s = {s.r + p.r, s.g + p.g, s.b + p.b, s.a + p.a};
                }
            const float inv = 1.0f / (kSub * kSub);
            out.at(x, y) = {s.r * inv, s.g * inv, s.b * inv, s.a * inv};
        }
    return out;
}

Canvas strip(const std::vector<Canvas>& frames) {
    Canvas s(frames[0].width() * static_cast<int>(frames.size()), frames[0].height());
    for (size_t i = 0; i < frames.size(); ++i) s.draw(frames[i], static_cast<int>(i) * frames[0].width(), 0);
    return s;
}

Canvas greyed(const Canvas& c, float light) {
    Canvas out = c;
    for (Pixel& p : out.pixels()) {
        const float l = 0.3f * p.r + 0.55f * p.g + 0.15f * p.b;
        const float g = std::min(p.a, l * 0.75f + p.a * (0.12f + light * 0.25f));
        // A faint warm cast keeps the grey from looking cold against the sandstone.
        p = {std::min(p.a, g * 1.04f), g, g * 0.93f, p.a};
    }
    return out;
}

Canvas shadowed(const Canvas& c, Vec2 offset, float blur, float opacity) {
    Canvas out(c.width(), c.height());
    dropShadow(out, c.alpha(), offset, blur, hex(0x1a0d05, opacity));
    out.draw(c, 0, 0);
    return out;
}

}  // namespace gen::hud
