// Implementation of the layer effects on premultiplied canvases.
#include "paint/Effects.h"

#include <cmath>

#include "paint/Field.h"
#include "paint/Fill.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace paint {

void dropShadow(Canvas& c, const Mask& shape, Vec2 offset, float blur, Color color) {
    Mask m = shape.shifted(static_cast<int>(std::lround(offset.x)), static_cast<int>(std::lround(offset.y)));
    m.blur(blur);
    c.paint(m, color);
}

void outerGlow(Canvas& c, const Mask& shape, float blur, Color color, Blend mode) {
    c.paint(shape.blurred(blur), color, mode);
}

void bevel(Canvas& c, const Field& f, const Bevel& b) {
    const Vec2 toLight = lightDirection();
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Pixel& p = c.at(x, y);
            const float d = f.at(x, y);
            if (p.a <= 0.0f || d < -b.depth || d > 1.5f) continue;
            float w = 1.0f - clamp01(-d / b.depth);
            if (b.rounded) w = w * w * (3 - 2 * w);
            const float s = dot(f.normal(x, y), toLight) * w;
            if (s > 0) {
                const float k = s * b.highlight;  // screen with white, scaled by coverage
                p = {p.r + (p.a - p.r) * k, p.g + (p.a - p.g) * k, p.b + (p.a - p.b) * k, p.a};
            } else {
                const float k = 1.0f + s * b.shadow;
                p = {p.r * k, p.g * k, p.b * k, p.a};
            }
        }
}

void innerGlow(Canvas& c, const Field& f, Color color, float size, Blend mode) {
    Mask m(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float d = f.at(x, y);
            const float t = 1.0f - clamp01(-d / size);
            m.at(x, y) = d > 0.5f ? 0.0f : t * t * c.at(x, y).a;
        }
    c.paint(m, color, mode);
}

void innerShadow(Canvas& c, const Field& f, float distance, float blur, Color color) {
    const Vec2 off = lightDirection() * -distance;
    Mask outside = f.coverage().invert().shifted(static_cast<int>(std::lround(off.x)),
                                                 static_cast<int>(std::lround(off.y)));
    // Beyond the canvas counts as outside too, so the shadow does not vanish at the border.
    const int ox = static_cast<int>(std::lround(off.x)), oy = static_cast<int>(std::lround(off.y));
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            if (x - ox < 0 || y - oy < 0 || x - ox >= c.width() || y - oy >= c.height()) outside.at(x, y) = 1;
    outside.blur(blur);
    outside.multiply(f.coverage());
    c.paint(outside, color, Blend::Inside);
}

void grain(Canvas& c, float amount, uint32_t seed) {
    const Noise n(seed);
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            Pixel& p = c.at(x, y);
            const float g = n.grain(x, y) * amount * p.a;
            p = {std::clamp(p.r + g, 0.0f, p.a), std::clamp(p.g + g, 0.0f, p.a),
                 std::clamp(p.b + g, 0.0f, p.a), p.a};
        }
}

}  // namespace paint
