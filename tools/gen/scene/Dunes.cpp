// Dune crest shapes and their shading.
#include "scene/Dunes.h"

#include <cmath>

#include "paint/Geometry.h"
#include "paint/Noise.h"

namespace gen::scene {

using namespace paint;

Ridge::Ridge(int width, const Spec& s) : y_(static_cast<size_t>(width) + 1) {
    const Noise n(s.seed);
    for (int x = 0; x <= width; ++x) {
        float u = static_cast<float>(x) / s.wavelength + s.phase;
        u += s.skew * std::sin(2 * kPi * u) / (2 * kPi);
        // 1 − |sin| has sharp crests and rounded troughs; the square root softens the very tip.
        const float sn = std::sin(kPi * u);
        const float h = 1.0f - std::sqrt(sn * sn + 0.004f);
        y_[x] = s.base - s.amplitude * (h - 0.5f) + s.wobble * (n.fbm(x / 260.0f, 0.5f, 3) - 0.5f) * 2.0f;
    }
}

void Ridge::flatten(float x0, float x1, float soft, float towardY) {
    for (size_t x = 0; x < y_.size(); ++x) {
        const float fx = static_cast<float>(x);
        const float w = smoothstep(x0 - soft, x0, fx) * (1.0f - smoothstep(x1, x1 + soft, fx));
        y_[x] = mixf(y_[x], towardY, w);
    }
}

float Ridge::at(float x) const {
    const float fx = std::clamp(x, 0.0f, static_cast<float>(y_.size() - 1));
    const size_t i = std::min(static_cast<size_t>(fx), y_.size() - 2);
    return mixf(y_[i], y_[i + 1], fx - static_cast<float>(i));
}

float Ridge::slope(float x) const {
    return (at(x + 1.5f) - at(x - 1.5f)) / 3.0f;
}

void paintDunes(Canvas& c, const Ridge& r, const DuneLook& look) {
    const Noise n(look.seed);
    for (int x = 0; x < c.width(); ++x) {
        const float cx = x + 0.5f;
        const float crest = r.at(cx);
        const float norm = std::sqrt(1.0f + r.slope(cx) * r.slope(cx));
        for (int y = std::max(0, static_cast<int>(crest) - 2); y < c.height(); ++y) {
            const float cy = y + 0.5f;
            const float cov = clamp01(0.5f + (cy - crest) / norm);
            if (cov <= 0) continue;
            const float t = std::max(0.0f, cy - crest);
            // Facing the light where the crest rises to the right; the boundary leans down to the right.
            const float s = -r.slope(cx - look.skew * t);
            const float lit = smoothstep(-0.12f, 0.16f, s);
            // The light and shade of the slopes show near the crest and melt into the body below.
            const float contrast = 1.0f - smoothstep(0.0f, look.depth * 0.45f, t);
            const Color body = mixOklab(look.shade, look.lit, 0.45f);
            Color col = mixOklab(body, mixOklab(look.shade, look.lit, lit), contrast);
            col = mixOklab(col, look.deep, smoothstep(0.0f, look.depth, t) * 0.85f);
            if (look.ripples > 0) {
                const float warp = n.fbm(cx / 90.0f, cy / 30.0f, 3) * 14.0f;
                const float wave = std::sin((cy - crest * 0.7f + warp) * 0.42f);
                const float k = look.ripples * wave * (0.4f + 0.6f * lit) * smoothstep(4, 30, t);
                col = k > 0 ? lighter(col, k * 0.5f) : darker(col, -k);
            }
            const float rim = look.rim * lit * std::exp(-t / 2.5f);
            col = lighter(col, rim);
            col = mix(col, look.haze.withAlpha(1), look.haze.a);
            col.a = cov;
            blendPixel(c.at(x, y), premultiply(col), Blend::Over);
        }
    }
}

}  // namespace gen::scene
