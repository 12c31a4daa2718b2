// The slides' shared light and finish: grading into night, pools of lamplight, shafts of light, dust,
// the moon, the warp that lays a flat picture onto a table, and the last touches.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "paint/Noise.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::rast;

void grade(Canvas& c, const std::function<Color(Color, float, float)>& fn) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Pixel& p = c.at(x, y);
            if (p.a <= 0) continue;
            const Color in{p.r / p.a, p.g / p.a, p.b / p.a, 1};
            const Color out = fn(in, x + 0.5f, y + 0.5f);
            p = {out.r * p.a, out.g * p.a, out.b * p.a, p.a};
        }
}

Color toNight(Color k, float darkness) {
    const float keep = 1 - 0.62f * darkness;
    const float l = 0.3f * k.r + 0.59f * k.g + 0.11f * k.b;
    // Colour drains towards a blue grey; the brightest things keep a little of their own hue.
    const Color grey = mix(k, Color{l, l, l, 1}, 0.6f);
    return Color{grey.r * 0.5f * keep, grey.g * 0.62f * keep, grey.b * 0.98f * keep + 0.02f, 1};
}

void nightGrade(Canvas& c, float darkness) {
    grade(c, [=](Color k, float, float) { return toNight(k, darkness); });
}

void firelitNight(Canvas& c, Vec2 fire, float reach, float darkness) {
    grade(c, [=](Color k, float x, float y) {
        const float d = length(Vec2{(x - fire.x) * 0.8f, (y - fire.y) * 1.4f});
        const float t = std::exp(-d / reach);
        const Color warm{std::min(1.0f, k.r * 1.05f), k.g * 0.78f, k.b * 0.5f, 1};
        return mix(toNight(k, darkness), warm, t);
    });
}

void lightPool(Canvas& c, Vec2 centre, Vec2 radii, Color col) {
    c.paint(Shape::ellipse(centre, radii.x, radii.y).rasterize(c.width(), c.height(), 2),
            Fill::radial(centre, radii,
                         {{0, col}, {0.3f, col.fade(0.45f)}, {0.65f, col.fade(0.12f)}, {1, col.fade(0)}}),
            Blend::Screen);
}

void rays(Canvas& c, Vec2 source, float fromDeg, float toDeg, int count, float length, Color col,
          uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < count; ++i) {
        const float a = mixf(fromDeg, toDeg, (i + rng.range(0.2f, 0.8f)) / count);
        const float spread = rng.range(0.8f, 2.6f), len = length * rng.range(0.7f, 1.05f);
        const Vec2 tip = polar(source, len, a);
        const Shape wedge = Shape::polygon({polar(source, 4, a - 90), polar(source, 4, a + 90),
                                            polar(source, len, a + spread), polar(source, len, a - spread)});
        Mask m = wedge.rasterize(c.width(), c.height(), 2);
        m.blur(rng.range(3, 8));
        c.paint(m, Fill::linear(source, tip, {{0, col}, {0.5f, col.fade(0.5f)}, {1, col.fade(0)}}),
                Blend::Screen, rng.range(0.45f, 1.0f));
    }
}

void motes(Canvas& c, const Mask& where, int count, Color col, uint32_t seed) {
    Rng rng(seed);
    Mask specks(c.width(), c.height()), halos(c.width(), c.height());
    for (int i = 0, tries = 0; i < count && tries < count * 40; ++tries) {
        const Vec2 p{rng.range(0, static_cast<float>(c.width())),
                     rng.range(0, static_cast<float>(c.height()))};
        const float v = where.sample(p.x, p.y);
        if (rng.uniform() > v) continue;
        ++i;
        const float r = rng.range(0.6f, 1.6f);
        Shape::circle(p, r).drawInto(specks, 1.2f);
        if (r > 1.2f) Shape::circle(p, r * 3).drawInto(halos, r * 3);
    }
    c.paint(halos, col.fade(0.25f), Blend::Screen);
    c.paint(specks, col, Blend::Screen);
}

void moon(Canvas& c, Vec2 centre, float r) {
    lightPool(c, centre, {r * 7, r * 7}, hex(0x8aa8e0, 0.35f));
    lightPool(c, centre, {r * 2.2f, r * 2.2f}, hex(0xd8e4ff, 0.5f));
    const Shape disc = Shape::circle(centre, r);
    c.paint(rast(disc), Fill::radial(centre - Vec2{r * 0.3f, r * 0.3f}, r * 1.4f,
                                     {{0, hex(0xfffdf2)}, {0.6f, hex(0xf4ecd0)}, {1, hex(0xd8ccb0)}}));
    const Noise n(91u);
    Mask seas = rast(disc.grown(-1));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (seas.at(x, y) > 0)
                seas.at(x, y) *= smoothstep(0.5f, 0.62f, n.fbm(x / (r * 0.5f), y / (r * 0.5f), 3));
    c.paint(seas, hex(0xb8b09a, 0.55f));
}

void finishSlide(Canvas& c, float vignette, uint32_t seed) {
    bg::vignette(c, vignette, hex(0x1a0a14));
    bg::finish(c, seed);
}

void warpOnto(Canvas& c, const Canvas& flat, const Vec2 (&q)[4]) {
    // The projective map of the unit square onto the quad, and its inverse (the adjugate).
    const float sx = q[0].x - q[1].x + q[2].x - q[3].x, sy = q[0].y - q[1].y + q[2].y - q[3].y;
    const float dx1 = q[1].x - q[2].x, dx2 = q[3].x - q[2].x, dy1 = q[1].y - q[2].y, dy2 = q[3].y - q[2].y;
    const float den = dx1 * dy2 - dx2 * dy1;
    const float g = (sx * dy2 - dx2 * sy) / den, h = (dx1 * sy - sx * dy1) / den;
    const float a = q[1].x - q[0].x + g * q[1].x, b = q[3].x - q[0].x + h * q[3].x, cc = q[0].x;
    const float d = q[1].y - q[0].y + g * q[1].y, e = q[3].y - q[0].y + h * q[3].y, f = q[0].y;
    const float A = e - f * h, B = cc * h - b, C = b * f - cc * e;
    const float D = f * g - d, E = a - cc * g, F = cc * d - a * f;
    const float G = d * h - e * g, H = b * g - a * h, I = a * e - b * d;
    const Mask cover = Shape::polygon({q[0], q[1], q[2], q[3]}).rasterize(c.width(), c.height(), 1.2f);
    const int fw = flat.width(), fh = flat.height();
    auto sample = [&](float u, float v) {
        const float px = std::clamp(u * fw - 0.5f, 0.0f, fw - 1.001f),
                    py = std::clamp(v * fh - 0.5f, 0.0f, fh - 1.001f);
        const int x0 = static_cast<int>(px), y0 = static_cast<int>(py);
        const float tx = px - x0, ty = py - y0;
        const Pixel &p00 = flat.at(x0, y0), &p10 = flat.at(x0 + 1, y0), &p01 = flat.at(x0, y0 + 1),
                    &p11 = flat.at(x0 + 1, y0 + 1);
        auto lerp4 = [&](float Pixel::*ch) {
            return mixf(mixf(p00.*ch, p10.*ch, tx), mixf(p01.*ch, p11.*ch, tx), ty);
        };
        return Pixel{lerp4(&Pixel::r), lerp4(&Pixel::g), lerp4(&Pixel::b), lerp4(&Pixel::a)};
    };
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float k = cover.at(x, y);
            if (k <= 0) continue;
            Pixel sum;
            for (int s = 0; s < 4; ++s) {
                const float X = x + 0.25f + 0.5f * (s % 2), Y = y + 0.25f + 0.5f * (s / 2);
                const float w = G * X + H * Y + I;
                const Pixel p = sample((A * X + B * Y + C) / w, (D * X + E * Y + F) / w);
                sum = {sum.r + p.r / 4, sum.g + p.g / 4, sum.b + p.b / 4, sum.a + p.a / 4};
            }
            blendPixel(c.at(x, y), {sum.r * k, sum.g * k, sum.b * k, sum.a * k}, Blend::Over);
        }
}

}  // namespace gen::slides
