// The slides' landscape and building stone: mountain ranges with snow, dressed masonry, carved signs,
// trodden tracks and boulders.
#include <cmath>

#include "Palette.h"
#include "jigsaw_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

void mountains(Canvas& c, const Range& r) {
    struct Peak {
        Vec2 apex;
        float half;
    };
    Rng rng(r.seed);
    std::vector<Peak> peaks;
    const float step = (r.x1 - r.x0) / r.peaks;
    for (int i = 0; i < r.peaks; ++i) {
        const float x = r.x0 + step * (i + rng.range(0.25f, 0.75f));
        const float y = mixf(r.top, r.base, rng.range(0.0f, 0.55f));
        peaks.push_back({{x, y}, step * rng.range(0.75f, 1.25f)});
    }
    const Noise n(r.seed * 13u + 5u);
    const int w = c.width();
    std::vector<float> ridge(w);
    std::vector<int> owner(w);
    std::vector<Vec2> outline{{r.x0, r.base + 4}};
    for (int x = 0; x < w; ++x) {
        float best = 1e9f;
        for (size_t k = 0; k < peaks.size(); ++k) {
            const Peak& p = peaks[k];
            const float t = std::abs(x - p.apex.x) / p.half;
            const float y = p.apex.y + (r.base - p.apex.y) * std::pow(t, 0.85f);
            if (y < best) best = y, owner[x] = static_cast<int>(k);
        }
        const float rough = ((n.fbm(x / 38.0f, 0.5f, 4) - 0.5f) * 26 +
                             (n.fbm(x / 140.0f, 3.5f, 3) - 0.5f) * 0.35f * (r.base - r.top)) *
                            smoothstep(r.base, r.top, best);
        ridge[x] = std::min(best + rough, r.base);
    }
    for (int x = 0; x < w; x += 3) outline.push_back({static_cast<float>(x), ridge[x]});
    outline.push_back({static_cast<float>(w), ridge[w - 1]});
    outline.push_back({r.x1, r.base + 4});
    const Mask body = Shape::polygon(outline).rasterize(c.width(), c.height(), 1.2f);
    // Which way each point faces: left of its summit's crest line it takes the light. Blurred, so that
    // the creases between summits stay soft.
    Mask side(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < w; ++x) {
            if (body.at(x, y) <= 0) continue;
            const Peak& p = peaks[owner[x]];
            const float spine =
                p.apex.x + (y - p.apex.y) * 0.22f + 40 * (n.fbm(y / 50.0f, x / 400.0f, 3) - 0.5f);
            side.at(x, y) = smoothstep(spine + 6, spine - 6, static_cast<float>(x));
        }
    side.blur(5);
    const Range spec = r;
    c.paint(body, Fill([=](float x, float y) {
                const int col = std::clamp(static_cast<int>(x), 0, w - 1);
                const float depth = clamp01((y - spec.top) / std::max(1.0f, spec.base - spec.top));
                const float lit = side.sample(x, y);
                const float gully = n.fbm(x / 22.0f + y / 40.0f, y / 70.0f, 4);
                Color rock = mixOklab(spec.shade, spec.lit, lit * (0.7f + 0.5f * (gully - 0.5f)));
                rock = mixOklab(rock, darker(spec.shade, 0.2f), 0.25f * smoothstep(0.55f, 0.75f, gully));
                if (spec.snow.a > 0) {
                    const float below = clamp01((y - ridge[col]) / std::max(1.0f, spec.base - spec.top));
                    const float edge = spec.snowLine * (0.75f + 0.5f * n.fbm(x / 30.0f, 7.0f, 3)) +
                                       0.1f * std::abs(std::sin(x / 19.0f + gully * 3));
                    const float s =
                        smoothstep(edge + 0.02f, edge - 0.02f, depth) * smoothstep(0.3f, 0.0f, below);
                    const Color snow = lit > 0.5f ? spec.snow : mixOklab(spec.snow, spec.shade, 0.45f);
                    rock = mixOklab(rock, snow, s * spec.snow.a);
                }
                const float veil = spec.haze.a * (0.55f + 0.45f * depth);
                return mixOklab(rock, spec.haze.withAlpha(1), veil);
            }));
}

void masonry(Canvas& c, const Shape& area, float bw, float bh, Color stone, uint32_t seed) {
    const Noise n(seed);
    c.paint(rast(area), Fill([=](float x, float y) {
                const int row = static_cast<int>(std::floor(y / bh));
                const float off = (row % 2) * bw * 0.5f + (hash3(row, 0, seed) % 7) * bw * 0.05f;
                const int col = static_cast<int>(std::floor((x + off) / bw));
                const float u = (x + off) / bw - col, v = y / bh - row;
                const float tone = (hash3(col, row, seed) % 1000) / 1000.0f - 0.5f;
                Color k = mixOklab(darker(stone, 0.18f), lighter(stone, 0.12f),
                                   0.5f + tone * 0.5f + 0.5f * (n.fbm(x / 18.0f, y / 18.0f, 3) - 0.5f));
                // Each block's edges: lit at the top and left, shaded at the bottom and right, joints dark.
                const float eu = std::min(u, 1 - u) * bw, ev = std::min(v, 1 - v) * bh;
                if (u < 0.5f && eu < 3) k = lighter(k, 0.12f * (1 - eu / 3));
                if (v < 0.5f && ev < 3) k = lighter(k, 0.16f * (1 - ev / 3));
                if (u > 0.5f && eu < 4) k = darker(k, 0.22f * (1 - eu / 4));
                if (v > 0.5f && ev < 4) k = darker(k, 0.28f * (1 - ev / 4));
                if (std::min(eu, ev) < 1.2f) k = mixOklab(k, darker(stone, 0.65f), 0.8f);
                return k;
            }));
}

namespace {

// One carved sign `s` wide centred on m, added to the mask.
void sign(Mask& into, Vec2 m, float s, int kind) {
    const float w = s * 0.07f;
    switch (kind) {
        case 0:  // a sun with rays
            Shape::circle(m, s * 0.2f).outline(w).drawInto(into);
            for (int a = 0; a < 360; a += 45)
                Shape::line(polar(m, s * 0.3f, a), polar(m, s * 0.42f, a), w).drawInto(into);
            break;
        case 1:  // an eye
            (Shape::ellipse(m, s * 0.4f, s * 0.18f).outline(w) | Shape::circle(m, s * 0.09f)).drawInto(into);
            break;
        case 2:  // a bird in flight
            Shape::stroke({m + Vec2{-s * 0.4f, -s * 0.1f}, m + Vec2{-s * 0.12f, s * 0.05f}, m,
                           m + Vec2{s * 0.12f, s * 0.05f}, m + Vec2{s * 0.4f, -s * 0.1f}},
                          {w})
                .drawInto(into);
            break;
        case 3:  // waves
            for (int k = -1; k <= 1; ++k) {
                std::vector<Vec2> z;
                for (int i = 0; i <= 6; ++i)
                    z.push_back(m + Vec2{-s * 0.4f + s * 0.8f * i / 6,
                                         k * s * 0.16f + ((i % 2) ? -1.0f : 1.0f) * s * 0.05f});
                Shape::stroke(z, {w * 0.8f}).drawInto(into);
            }
            break;
        case 4:  // a stepped pyramid
            for (int k = 0; k < 3; ++k)
                Shape::rect(m.x - s * (0.4f - k * 0.12f), m.y + s * (0.18f - k * 0.16f),
                            s * (0.8f - k * 0.24f), s * 0.12f)
                    .outline(w * 0.8f)
                    .drawInto(into);
            break;
        default:  // a little grid of cells, some filled
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j) {
                    const Shape cell = Shape::rect(m.x - s * 0.33f + i * s * 0.23f,
                                                   m.y - s * 0.33f + j * s * 0.23f, s * 0.19f, s * 0.19f);
                    ((i + j) % 2 ? cell.outline(w * 0.6f) : cell).drawInto(into);
                }
    }
}

}  // namespace

void reliefs(Canvas& c, Rect box, float size, float opacity, uint32_t seed) {
    Rng rng(seed);
    Mask m(c.width(), c.height());
    const int rows = std::max(1, static_cast<int>(box.height() / (size * 1.3f)));
    const float rowH = box.height() / rows;
    for (int row = 0; row < rows; ++row) {
        const float y = box.y0 + rowH * row;
        Shape::line({box.x0, y}, {box.x1, y}, size * 0.05f).drawInto(m);
        const int cols = std::max(1, static_cast<int>(box.width() / (size * 1.1f)));
        for (int i = 0; i < cols; ++i)
            sign(m, {box.x0 + box.width() * (i + 0.5f) / cols, y + rowH * 0.55f},
                 size * rng.range(0.85f, 1.0f), static_cast<int>(rng.next() % 6));
    }
    Shape::line({box.x0, box.y1}, {box.x1, box.y1}, size * 0.05f).drawInto(m);
    c.paint(m.shifted(1, 1), hex(0xfff2d0, 0.45f * opacity));
    c.paint(m, hex(0x3a2010, 0.6f * opacity));
}

void track(Canvas& c, const std::vector<Vec2>& pts, float w0, float w1, Color col) {
    Path p;
    p.moveTo(pts.front()).smoothThrough({pts.begin() + 1, pts.end()});
    std::vector<float> ws;
    const auto& q = p.points();
    for (size_t i = 0; i < q.size(); ++i) ws.push_back(mixf(w0, w1, static_cast<float>(i) / (q.size() - 1)));
    Mask m = Shape::stroke(q, ws).rasterize(c.width(), c.height(), 2.5f);
    c.paint(m, col);
    Mask edge = m;
    edge.subtract(m.shifted(0, -3));
    c.paint(edge, darker(col, 0.35f).fade(0.5f));
}

Fill woodPlanks(float plank, Color wood, uint32_t seed) {
    const Noise n(seed);
    return Fill([=](float x, float y) {
        const int row = static_cast<int>(std::floor(y / plank));
        const float v = y / plank - row;
        const float tone = (hash3(row, 1, seed) % 1000) / 1000.0f - 0.5f;
        const float grain =
            std::sin((y + 6 * n.fbm(x / 90.0f, y / 12.0f, 3)) * 1.7f + n.fbm(x / 200.0f, row, 2) * 8);
        Color k = mixOklab(darker(wood, 0.25f), lighter(wood, 0.15f), 0.5f + tone * 0.45f + grain * 0.12f);
        if (v < 0.08f) k = lighter(k, 0.1f);
        if (v > 0.9f) k = mixOklab(k, darker(wood, 0.7f), (v - 0.9f) * 8);
        return k;
    });
}

void boulder(Canvas& c, Vec2 foot, float size, Color rock, uint32_t seed) {
    Rng rng(seed);
    std::vector<Vec2> pts;
    for (int i = 0; i < 11; ++i) {
        const float a = 180 + 180.0f * i / 10;
        pts.push_back(polar(foot, size * rng.range(0.75f, 1.0f) * (i == 0 || i == 10 ? 1.1f : 1.0f), a));
    }
    for (Vec2& p : pts) p.y = foot.y - (foot.y - p.y) * 0.75f;
    const Shape s = Shape::polygon(pts);
    c.paint(rast(s.moved({size * 0.3f, 2})).blurred(size * 0.1f), hex(0x1a0a04, 0.3f));
    inked(c, s,
          Fill::linear(foot + Vec2{-size * 0.7f, -size * 0.8f}, foot + Vec2{size * 0.6f, 0},
                       {{0, lighter(rock, 0.35f)}, {0.5f, rock}, {1, darker(rock, 0.45f)}}),
          1.3f);
    c.paint(rast(Shape::line(foot + Vec2{-size * 0.1f, -size * 0.6f}, foot + Vec2{size * 0.15f, -size * 0.2f},
                             1.2f) &
                 s),
            darker(rock, 0.6f).fade(0.6f));
}

}  // namespace gen::slides
