// Compositing of premultiplied pixels and painting through coverage masks.
#include "paint/Canvas.h"

#include <algorithm>

#include "paint/Blur.h"
#include "paint/Fill.h"
#include "paint/Geometry.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace paint {

Pixel premultiply(Color c) {
    return {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

void blendPixel(Pixel& d, const Pixel& s, Blend mode) {
    switch (mode) {
        case Blend::Over: {
            const float k = 1.0f - s.a;
            d = {s.r + d.r * k, s.g + d.g * k, s.b + d.b * k, s.a + d.a * k};
            break;
        }
        case Blend::Multiply: {
            const float ks = 1.0f - s.a, kd = 1.0f - d.a;
            d = {s.r * d.r + s.r * kd + d.r * ks, s.g * d.g + s.g * kd + d.g * ks,
                 s.b * d.b + s.b * kd + d.b * ks, s.a + d.a * ks};
            break;
        }
        case Blend::Add:
            d = {std::min(d.r + s.r, 1.0f), std::min(d.g + s.g, 1.0f), std::min(d.b + s.b, 1.0f),
                 std::min(d.a + s.a, 1.0f)};
            break;
        case Blend::Screen:
            d = {s.r + d.r - s.r * d.r, s.g + d.g - s.g * d.g, s.b + d.b - s.b * d.b, s.a + d.a - s.a * d.a};
            break;
        case Blend::Inside: {
            // Source-atop: the source over the destination, weighted by the destination's alpha.
            const float k = 1.0f - s.a;
            d = {s.r * d.a + d.r * k, s.g * d.a + d.g * k, s.b * d.a + d.b * k, d.a};
            break;
        }
    }
}

Canvas::Canvas(int w, int h, Color fill) : w_(w), h_(h), px_(static_cast<size_t>(w) * h, premultiply(fill)) {}

void Canvas::clear(Color c) {
    std::fill(px_.begin(), px_.end(), premultiply(c));
}

void Canvas::paint(const Mask& m, const Fill& fill, Blend mode, float opacity) {
    const Color solid = fill.at(0, 0);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const float cov = m.at(x, y) * opacity;
            if (cov <= 0.0f) continue;
            Color c = fill.solid() ? solid : fill.at(x + 0.5f, y + 0.5f);
            c.a *= cov;
            blendPixel(at(x, y), premultiply(c), mode);
        }
}

void Canvas::paint(const Shape& s, const Fill& fill, Blend mode, float opacity) {
    paint(s.rasterize(w_, h_), fill, mode, opacity);
}

void Canvas::draw(const Canvas& src, int dx, int dy, Blend mode, float opacity) {
    const int x0 = std::max(0, dx), y0 = std::max(0, dy);
    const int x1 = std::min(w_, dx + src.w_), y1 = std::min(h_, dy + src.h_);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            Pixel s = src.at(x - dx, y - dy);
            if (s.a <= 0.0f && mode != Blend::Add && mode != Blend::Screen) continue;
            s = {s.r * opacity, s.g * opacity, s.b * opacity, s.a * opacity};
            blendPixel(at(x, y), s, mode);
        }
}

void Canvas::clip(const Mask& m) {
    for (size_t i = 0; i < px_.size(); ++i) {
        const float k = m.values()[i];
        px_[i] = {px_[i].r * k, px_[i].g * k, px_[i].b * k, px_[i].a * k};
    }
}

Mask Canvas::alpha() const {
    Mask m(w_, h_);
    for (size_t i = 0; i < px_.size(); ++i) m.values()[i] = px_[i].a;
    return m;
}

void Canvas::blur(float sigma) {
    blurPlanes(&px_[0].r, w_, h_, 4, sigma);
}

Canvas Canvas::cropped(int x, int y, int w, int h) const {
    Canvas out(w, h);
    out.draw(*this, -x, -y);
    return out;
}

Canvas Canvas::downsampled(int factor) const {
    static_assert(sizeof(Pixel) == 4 * sizeof(float), "pixels are four packed float planes");
    Canvas out(w_ / factor, h_ / factor);
    if (!out.px_.empty()) downsamplePlanes(&px_[0].r, w_, h_, 4, factor, &out.px_[0].r);
    return out;
}

}  // namespace paint
