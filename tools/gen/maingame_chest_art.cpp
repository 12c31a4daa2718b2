// The chest's materials: wood planks, gold fittings, rivets, and the cracks, tears and dents of damage.
#include "maingame_chest_art.h"

#include <cmath>

#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Style.h"

namespace gen::chest {

Shape poly(std::initializer_list<Vec2> screenPoints) {
    return poly(std::vector<Vec2>(screenPoints));
}

Shape poly(const std::vector<Vec2>& screenPoints) {
    std::vector<Vec2> pts;
    pts.reserve(screenPoints.size());
    for (const Vec2& p : screenPoints) pts.push_back(sp(p));
    return Shape::polygon(std::move(pts));
}

Shape box(float x0, float y0, float x1, float y1, float radius) {
    const Vec2 a = sp(x0, y0);
    return Shape::rect(a.x, a.y, sl(x1 - x0), sl(y1 - y0), sl(radius));
}

Fill woodFill(const WoodLook& look, float tone) {
    const Noise n(look.seed);
    const Gradient g{{0, look.dark}, {0.5f, look.mid}, {1, look.light}};
    const Vec2 along = normalize(look.grainDir);
    const Vec2 across{-along.y, along.x};
    return Fill([=](float cx, float cy) {
        const Vec2 p = toScreen(cx, cy);
        const float u = dot(p, along), v = dot(p, across);
        // Long streaks of grain, bent by slow noise, with a few darker rings.
        const float warp = n.fbm(u / 60.0f, v / 8.0f, 3) * 5.0f;
        const float streak = 0.5f + 0.5f * std::sin((v + warp) * 2.1f);
        const float fine = n.fbm(u / 14.0f, v / 0.9f, 2) - 0.5f;
        float t = tone + 0.16f * (streak - 0.5f) + 0.22f * fine;
        t = 0.5f + (t - 0.5f) * 1.0f;
        Color c = g.at(clamp01(t));
        return look.brightness >= 1 ? lighter(c, look.brightness - 1) : darker(c, 1 - look.brightness);
    });
}

void plank(Canvas& c, const Shape& s, const WoodLook& look, float tone) {
    const Field f = s.field(c.width(), c.height());
    Canvas p(c.width(), c.height());
    p.paint(f.coverage(), woodFill(look, tone));
    bevel(p, f, Bevel{sl(1.6f), 0.35f, 0.55f, true});
    p.paint(f.band(-sl(0.55f), 0.2f), pal::kOutline.fade(0.7f), Blend::Inside);
    c.draw(p, 0, 0);
}

void goldPart(Canvas& c, const Shape& s, Vec2 centre, float radius, float bevelDepth) {
    const Vec2 m = sp(centre);
    const float r = sl(radius);
    Style st;
    st.fill = Fill::radial(m + Vec2{-0.45f * r, -0.5f * r}, 1.7f * r,
                           {{0, pal::kGoldPale},
                            {0.22f, pal::kGoldLight},
                            {0.55f, pal::kGold},
                            {0.85f, pal::kGoldDeep},
                            {1, hex(0x9a5a12)}});
    st.outline = sl(0.6f);
    st.outlineFill = pal::kOutline.fade(0.9f);
    st.bevel = Bevel{sl(bevelDepth), 0.6f, 0.5f, true};
    st.shadow = Shadow{{sl(0.7f), sl(0.9f)}, sl(0.7f), hex(0x1a0d05, 0.55f)};
    drawStyled(c, s.field(c.width(), c.height()), st);
}

void rivet(Canvas& c, Vec2 screen, float r) {
    const Vec2 m = sp(screen);
    Style st;
    st.fill = Fill::radial(m + Vec2{-sl(0.4f * r), -sl(0.45f * r)}, sl(1.5f * r),
                           {{0, pal::kGoldPale}, {0.4f, pal::kGold}, {1, hex(0x7a4410)}});
    st.outline = sl(0.45f);
    st.outlineFill = pal::kOutline.fade(0.85f);
    st.shadow = Shadow{{sl(0.4f), sl(0.5f)}, sl(0.4f), hex(0x1a0d05, 0.5f)};
    drawStyled(c, Shape::circle(m, sl(r)).field(c.width(), c.height()), st);
}

void crack(Canvas& c, const std::vector<Vec2>& screenPoints, float width, float opacity) {
    std::vector<Vec2> pts;
    std::vector<float> widths;
    for (size_t i = 0; i < screenPoints.size(); ++i) {
        pts.push_back(sp(screenPoints[i]));
        const float t = static_cast<float>(i) / static_cast<float>(screenPoints.size() - 1);
        widths.push_back(sl(width) * (0.35f + 0.65f * std::sin(kPi * (0.15f + 0.7f * t))));
    }
    const Shape line = Shape::stroke(pts, widths);
    const int w = c.width(), h = c.height();
    c.paint(line.moved({sl(0.6f), sl(0.7f)}).rasterize(w, h, 1.2f), hex(0xffd9a0, 0.35f * opacity),
            Blend::Inside);
    c.paint(line.rasterize(w, h, 1.2f), hex(0x1c0b03, 0.9f * opacity), Blend::Inside);
}

void hole(Canvas& c, const std::vector<Vec2>& screenPoints, const Fill& inside) {
    const Shape h = poly(screenPoints);
    const int w = c.width(), hh = c.height();
    // Torn fibres round the edge, then the darkness behind, shaded deeper under the upper edge.
    c.paint(h.grown(sl(1.1f)).rasterize(w, hh, 1.0f), hex(0xd9a565), Blend::Inside);
    c.paint(h.grown(sl(1.1f)).outline(sl(0.5f)).rasterize(w, hh, 1.0f), pal::kOutline.fade(0.6f),
            Blend::Inside);
    c.paint(h.rasterize(w, hh, 1.0f), inside, Blend::Inside);
    const Field f = h.field(w, hh);
    Canvas shade(w, hh);
    shade.paint(f.coverage(), kBlack);
    innerShadow(shade, f, sl(1.5f), sl(1.2f), hex(0x000000, 0.7f));
    Mask m = f.coverage();
    Mask sh(w, hh);
    for (int y = 0; y < hh; ++y)
        for (int x = 0; x < w; ++x)
            sh.at(x, y) = m.at(x, y) * (1.0f - clamp01(-f.at(x, y) / sl(2.5f))) * 0.6f;
    c.paint(sh, hex(0x000000), Blend::Inside);
}

void dent(Canvas& c, Vec2 screen, float rx, float ry) {
    const Vec2 m = sp(screen);
    const int w = c.width(), h = c.height();
    const Shape e = Shape::ellipse(m, sl(rx), sl(ry));
    // The upper-left wall of a hollow turns away from the light, the lower-right one faces it.
    c.paint(e.rasterize(w, h, sl(1.2f)),
            Fill::linear(m - Vec2{sl(rx), sl(ry)}, m + Vec2{sl(rx), sl(ry)},
                         {{0, hex(0x5a3008, 0.75f)},
                          {0.45f, hex(0x8a5010, 0.35f)},
                          {0.7f, hex(0xfff0b0, 0.0f)},
                          {1, hex(0xfff4c8, 0.7f)}}),
            Blend::Inside);
    c.paint(e.outline(sl(0.4f)).rasterize(w, h, 1.0f), hex(0x3a1e06, 0.35f), Blend::Inside);
}

std::vector<Vec2> jagged(Vec2 centre, float rx, float ry, int n, uint32_t seed, float roughness) {
    Rng rng(seed);
    std::vector<Vec2> pts;
    for (int i = 0; i < n; ++i) {
        const float a = 360.0f * static_cast<float>(i) / static_cast<float>(n) + rng.range(-8, 8);
        const float k = (i % 2 ? 1.0f : 1.0f - roughness) * rng.range(0.85f, 1.1f);
        const Vec2 d = polar({0, 0}, 1.0f, a);
        pts.push_back(centre + Vec2{d.x * rx * k, d.y * ry * k});
    }
    return pts;
}

std::vector<Vec2> tornBoard(float x0, float x1, float y0, float y1, uint32_t seed, bool ragged) {
    Rng rng(seed);
    std::vector<Vec2> pts;
    const int across = 7;
    // Top edge along the seam, then the right end splintered into long points, the bottom, the left end.
    for (int i = 0; i <= 4; ++i) pts.push_back({mixf(x0 + 3, x1 - 3, i / 4.0f), y0 + rng.range(-0.2f, 0.3f)});
    for (int i = 1; i < across; ++i) {
        const float y = mixf(y0, y1, static_cast<float>(i) / across);
        pts.push_back({x1 + (i % 2 ? rng.range(2.0f, 5.0f) : rng.range(-3.0f, -0.5f)), y});
    }
    for (int i = 4; i >= 0; --i) {
        const float drop = ragged ? (i % 2 ? rng.range(-4.0f, -1.5f) : rng.range(-0.5f, 1.0f)) : 0.0f;
        pts.push_back({mixf(x0 + 3, x1 - 3, i / 4.0f), y1 + drop + rng.range(-0.2f, 0.2f)});
    }
    for (int i = across - 1; i >= 1; --i) {
        const float y = mixf(y0, y1, static_cast<float>(i) / across);
        pts.push_back({x0 - (i % 2 ? rng.range(2.0f, 5.0f) : rng.range(-3.0f, -0.5f)), y});
    }
    return pts;
}

}  // namespace gen::chest
