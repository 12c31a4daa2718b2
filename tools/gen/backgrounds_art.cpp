// Shared painting of the level backgrounds: haze, clouds, palms in colour, papyrus, boats, camels,
// reflections and the finishing grain.
#include "backgrounds_art.h"

#include <cmath>

#include "paint/Effects.h"
#include "paint/Noise.h"
#include "paint/Path.h"

namespace gen::bg {

namespace {

Vec2 quad(Vec2 a, Vec2 c, Vec2 b, float t) {
    const float u = 1 - t;
    return a * (u * u) + c * (2 * u * t) + b * (t * t);
}

}  // namespace

Mask everywhere() {
    return Mask(kW, kH, 1.0f);
}

void haze(Canvas& c, float y0, float y1, Color col) {
    c.paint(everywhere(), Fill::vertical(y0, y1, {{0, col.withAlpha(0)}, {1, col}}));
}

void vignette(Canvas& c, float strength, Color col) {
    const Vec2 m{c.width() * 0.42f, c.height() * 0.48f};
    c.paint(everywhere(), Fill([=](float x, float y) {
                const float dx = (x - m.x) / (c.width() * 0.62f), dy = (y - m.y) / (c.height() * 0.62f);
                const float d = std::sqrt(dx * dx + dy * dy);
                return col.withAlpha(strength * smoothstep(0.55f, 1.25f, d));
            }));
}

void puffyClouds(Canvas& c, float y0, float y1, Color body, Color lit, float cover, uint32_t seed) {
    const Noise n(seed);
    Mask m(c.width(), c.height()), light(c.width(), c.height());
    auto density = [&](float x, float y) {
        const float band =
            smoothstep(y0, y0 + (y1 - y0) * 0.35f, y) * (1 - smoothstep(y1 - (y1 - y0) * 0.3f, y1, y));
        // Heaps: broad shapes flattened vertically, with billows on top.
        const float v = 0.75f * n.fbm(x / 260.0f, y / 70.0f, 4) + 0.25f * n.fbm(x / 45.0f, y / 30.0f, 3);
        return smoothstep(0.62f - 0.2f * cover, 0.78f - 0.2f * cover, v) * band;
    };
    for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float d = density(x + 0.5f, y + 0.5f);
            if (d <= 0) continue;
            m.at(x, y) = d;
            // Lit where the cloud thins towards the sun (up and to the left).
            light.at(x, y) = d * (1.0f - 0.8f * density(x - 9.0f, y - 12.0f));
        }
    m.blur(1.2f);
    light.blur(1.5f);
    c.paint(m, body);
    c.paint(light, lit, Blend::Screen);
}

void paintLitShape(Canvas& c, const Mask& m, const Fill& fill, Color rim, int rimWidth) {
    c.paint(m, fill);
    Mask edge = m;
    edge.subtract(m.shifted(rimWidth, rimWidth));
    edge.blur(0.7f);
    edge.multiply(m);
    c.paint(edge, rim, Blend::Screen);
}

Mask palmTrunk(const scene::PalmSpec& p) {
    Mask m(kW, kH);
    scene::drawPalmTrunk(m, p);
    return m;
}

void paintPalm(Canvas& c, const scene::PalmSpec& p, const PalmLook& look) {
    Mask whole(kW, kH);
    scene::drawPalm(whole, p);
    Mask trunk = palmTrunk(p);
    const Vec2 crown = p.base + Vec2{p.lean, -p.height};
    // Below the crown the trunk shows; above it the fronds cover it.
    for (int y = 0; y < kH; ++y) {
        const float k = smoothstep(crown.y + 4 * p.scale, crown.y + 16 * p.scale, static_cast<float>(y));
        for (int x = 0; x < kW; ++x) trunk.at(x, y) *= k;
    }
    Mask fronds = whole;
    fronds.subtract(trunk);
    const Noise n(p.seed * 7u + 1u);
    auto veil = [&](Color col) { return mixOklab(col, look.hazeColor.withAlpha(1), look.haze); };
    const Color td = veil(look.trunkDark), tl = veil(look.trunkLight);
    const Vec2 base = p.base, top = crown;
    c.paint(trunk, Fill([=](float x, float y) {
                // Across the trunk: lit on the left; along it: the rings of old leaf bases.
                const float t = clamp01((base.y - y) / std::max(1.0f, base.y - top.y));
                const float cx = mixf(base.x - p.lean * 0.15f, top.x, t * t);
                const float side = clamp01(0.5f + (cx - x) / (14.0f * p.scale));
                const float ring = 0.5f + 0.5f * std::sin(y / (3.2f * p.scale));
                return mixOklab(td, tl, clamp01(side * 0.85f + 0.25f * ring - 0.1f));
            }));
    const Color fd = veil(look.frondDark), fl = veil(look.frondLight);
    paintLitShape(c, fronds, Fill([=](float x, float y) {
                      const float v = n.fbm(x / 14.0f, y / 14.0f, 2);
                      const float up = clamp01((crown.y + 60.0f * p.scale - y) / (110.0f * p.scale));
                      return mixOklab(fd, fl, clamp01(0.2f + 0.6f * up + 0.35f * (v - 0.5f)));
                  }),
                  mixOklab(fl, hex(0xfff2b0), 0.5f).withAlpha(0.6f * (1 - look.haze)), 2);
}

Mask papyrus(float x0, float x1, float baseY, float height, int count, uint32_t seed) {
    Mask m(kW, kH);
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const Vec2 base{rng.range(x0, x1), baseY + rng.range(-4, 6)};
        const float h = height * rng.range(0.6f, 1.0f);
        const float lean = rng.range(-0.25f, 0.25f) * h;
        const Vec2 top = base + Vec2{lean, -h};
        const Vec2 mid = base + Vec2{lean * 0.3f, -h * 0.55f};
        std::vector<Vec2> stalk;
        for (int k = 0; k <= 16; ++k) stalk.push_back(quad(base, mid, top, k / 16.0f));
        Shape::stroke(stalk, {3.6f, 1.8f}).drawInto(m);
        // The umbel: a dense spray of rays fanning out from the top, drooping at the tips.
        const float r = h * rng.range(0.13f, 0.17f);
        Shape::circle(top, 2.6f).drawInto(m);
        for (int k = 0; k < 24; ++k) {
            const float a = -175.0f + 170.0f * k / 23.0f + rng.range(-4, 4);
            const float len = r * rng.range(0.8f, 1.05f);
            const float droop = len * 0.45f * std::abs(std::cos(a * kPi / 180.0f));
            const Vec2 tip = polar(top, len, a) + Vec2{0, droop};
            const Vec2 bendP = polar(top, len * 0.55f, a) + Vec2{0, droop * 0.15f};
            Shape::stroke({top, bendP, tip}, {1.6f, 1.2f, 0.4f}).drawInto(m);
        }
    }
    return m;
}

Mask reeds(float x0, float x1, float baseY, float height, int count, uint32_t seed) {
    Mask m(kW, kH);
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const Vec2 base{rng.range(x0, x1), baseY + rng.range(-3, 5)};
        const float h = height * rng.range(0.45f, 1.0f);
        const float bend = rng.range(-0.35f, 0.35f) * h;
        const Vec2 tip = base + Vec2{bend, -h};
        const Vec2 mid = base + Vec2{bend * 0.2f, -h * 0.6f};
        std::vector<Vec2> pts;
        for (int k = 0; k <= 12; ++k) pts.push_back(quad(base, mid, tip, k / 12.0f));
        Shape::stroke(pts, {rng.range(2.5f, 4.0f), 0.4f}).drawInto(m);
    }
    return m;
}

Felucca felucca(Vec2 w, float size) {
    const float L = size;
    Path hull;
    hull.moveTo(w + Vec2{-0.56f * L, -0.13f * L})
        .quadTo(w + Vec2{-0.1f * L, -0.06f * L}, w + Vec2{0.58f * L, -0.16f * L})
        .quadTo(w + Vec2{0.42f * L, 0.02f * L}, w + Vec2{0.05f * L, 0.02f * L})
        .quadTo(w + Vec2{-0.42f * L, 0.02f * L}, w + Vec2{-0.56f * L, -0.13f * L});
    const Vec2 foot = w + Vec2{0.02f * L, -0.1f * L};
    const Vec2 peak = w + Vec2{-0.5f * L, -1.3f * L};    // the yard's upper end, far above the stern
    const Vec2 tack = w + Vec2{0.5f * L, -0.16f * L};    // its lower end, near the bow
    const Vec2 clew = w + Vec2{-0.34f * L, -0.16f * L};  // the sail's free corner, by the stern
    Path sail;
    sail.moveTo(peak).quadTo(lerp(peak, tack, 0.5f) + Vec2{0.1f * L, 0.04f * L}, tack);
    sail.quadTo(lerp(tack, clew, 0.5f) + Vec2{0, -0.05f * L}, clew);
    sail.quadTo(lerp(clew, peak, 0.5f) + Vec2{-0.1f * L, 0.02f * L}, peak);
    return {Shape::polygon(hull.points()), Shape::polygon(sail.points()),
            Shape::line(foot, foot + Vec2{0.02f * L, -0.95f * L}, 0.028f * L) |
                Shape::line(peak, tack, 0.02f * L)};
}

Shape camel(Vec2 f, float s) {
    const float u = s / 100.0f;  // drawn on a camel 100 units high at the hump
    auto P = [&](float x, float y) { return f + Vec2{x * u, -y * u}; };
    Path outline;
    outline.moveTo(P(-30, 66));
    outline.smoothThrough({P(-35, 56), P(-27, 45), P(0, 42),  P(24, 46), P(33, 52),  P(43, 60),  P(50, 72),
                           P(57, 79),  P(66, 81),  P(65, 88), P(57, 91), P(52, 95),  P(48, 90),  P(42, 76),
                           P(34, 67),  P(24, 70),  P(12, 82), P(-2, 90), P(-16, 83), P(-26, 72), P(-30, 66)});
    Shape body = Shape::polygon(outline.points());
    for (float x : {-25.0f, -18.0f, 18.0f, 25.0f}) {
        const float k = x < 0 ? -1.5f : 1.5f;
        body = body | Shape::stroke({P(x, 50), P(x + k, 24), P(x, 2)}, {8 * u, 4.2f * u, 3.6f * u});
    }
    return body | Shape::stroke({P(-33, 62), P(-36, 50), P(-35, 42)}, {3 * u, 1.6f * u});
}

Mask reflection(const Mask& m, float axis, float fadeDepth, uint32_t seed) {
    const Noise n(seed);
    Mask out(m.width(), m.height());
    for (int y = static_cast<int>(axis); y < m.height(); ++y) {
        const float d = y + 0.5f - axis;
        const float fade = std::exp(-d / fadeDepth);
        for (int x = 0; x < m.width(); ++x) {
            const float wob = (n.fbm(x / 40.0f, y / 3.0f, 2) - 0.5f) * (2.0f + d * 0.08f);
            out.at(x, y) = m.sample(x + 0.5f + wob, axis - d) * fade;
        }
    }
    return out;
}

void finish(Canvas& c, uint32_t seed) {
    c.blur(0.45f);
    // The blur lets the border fade against the empty outside; the picture stays fully opaque.
    for (Pixel& p : c.pixels()) {
        const float inv = 1.0f / std::max(p.a, 1e-6f);
        p = {std::min(1.0f, p.r * inv), std::min(1.0f, p.g * inv), std::min(1.0f, p.b * inv), 1.0f};
    }
    grain(c, 0.012f, seed);
}

}  // namespace gen::bg
