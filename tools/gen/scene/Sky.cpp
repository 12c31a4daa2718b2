// Sky painting: gradients, sun glow, stars and streaky clouds from value noise.
#include "scene/Sky.h"

#include <cmath>

#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"

namespace gen::scene {

using namespace paint;

void paintSky(Canvas& c, const Gradient& sky, float horizonY) {
    for (int y = 0; y < c.height(); ++y) {
        const Pixel p = premultiply(sky.at((y + 0.5f) / horizonY));
        for (int x = 0; x < c.width(); ++x) c.at(x, y) = p;
    }
}

void paintSunGlow(Canvas& c, Vec2 centre, float radius, Color color, float strength) {
    Mask m(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float dx = (x + 0.5f - centre.x) / (radius * 1.6f), dy = (y + 0.5f - centre.y) / radius;
            const float d = std::sqrt(dx * dx + dy * dy);
            // A tight core and a long, gentle tail.
            m.at(x, y) = strength * (0.55f * std::exp(-d * d * 4.0f) + 0.45f * std::exp(-d * 1.6f));
        }
    c.paint(m, color, Blend::Screen);
}

void paintSunDisc(Canvas& c, Vec2 centre, float radius) {
    const Shape disc = Shape::circle(centre, radius);
    c.paint(disc.rasterize(c.width(), c.height(), 2.0f),
            Fill::radial(centre - Vec2{radius * 0.25f, radius * 0.3f}, radius * 1.2f,
                         {{0.0f, hex(0xfffdf0)}, {0.45f, hex(0xfff0b8)}, {1.0f, hex(0xffc25c)}}));
    c.paint(disc.grown(radius * 0.35f).rasterize(c.width(), c.height(), radius * 0.6f), hex(0xffe9a8, 0.35f),
            Blend::Screen);
}

void paintStars(Canvas& c, float bottomY, int count, uint32_t seed) {
    Rng rng(seed);
    Mask stars(c.width(), c.height()), halos(c.width(), c.height());
    // A soft dot of `radius` and brightness `v` gathered into m.
    auto dot = [](Mask& m, Vec2 p, float radius, float feather, float v) {
        for (int y = static_cast<int>(p.y - radius - feather) - 1; y <= p.y + radius + feather + 1; ++y)
            for (int x = static_cast<int>(p.x - radius - feather) - 1; x <= p.x + radius + feather + 1; ++x) {
                if (x < 0 || y < 0 || x >= m.width() || y >= m.height()) continue;
                const float d = length(Vec2{x + 0.5f, y + 0.5f} - p) - radius;
                m.at(x, y) = std::max(m.at(x, y), clamp01(0.5f - d / feather) * v);
            }
    };
    for (int i = 0; i < count; ++i) {
        const Vec2 p{rng.range(0, static_cast<float>(c.width())), rng.range(0, bottomY)};
        const bool big = rng.uniform() < 0.12f;
        const float size = big ? rng.range(1.0f, 1.4f) : rng.range(0.45f, 0.8f);
        const float fade = 1.0f - smoothstep(bottomY * 0.3f, bottomY, p.y);
        const float bright = rng.range(0.35f, 0.9f) * fade;
        if (bright < 0.05f) continue;
        dot(stars, p, size, 1.2f, bright);
        if (big) dot(halos, p, 2.0f, 5.0f, 0.3f * bright);
    }
    c.paint(halos, hex(0xbfd8ff), Blend::Screen);
    c.paint(stars, hex(0xfff6e0), Blend::Screen);
}

void paintClouds(Canvas& c, float y0, float y1, Vec2 sun, uint32_t seed) {
    const Noise n(seed);
    Mask body(c.width(), c.height()), light(c.width(), c.height());
    for (int y = static_cast<int>(y0); y < static_cast<int>(y1); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float band =
                smoothstep(y0, y0 + (y1 - y0) * 0.3f, y) * (1 - smoothstep(y1 - (y1 - y0) * 0.4f, y1, y));
            const float warp = n.fbm(x / 180.0f, y / 40.0f, 3) * 60.0f;
            const float v = n.fbm((x + warp) / 320.0f, y / 16.0f, 5);
            const float cov = smoothstep(0.52f, 0.72f, v) * band;
            body.at(x, y) = cov;
            // Lit from below on the sun's side: stronger near the sun and on the lower edge of a streak.
            const float under = smoothstep(0.52f, 0.66f, n.fbm((x + warp) / 320.0f, (y - 4) / 16.0f, 5));
            const float nearSun = std::exp(-std::abs(x - sun.x) / 420.0f);
            light.at(x, y) = cov * (1 - under * 0.6f) * nearSun;
        }
    c.paint(body, hex(0x8c5a8a, 0.5f));
    c.paint(light, hex(0xffb27a, 0.85f), Blend::Screen);
}

}  // namespace gen::scene
