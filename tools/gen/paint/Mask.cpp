// Combining, shifting, blurring and resampling coverage masks.
#include "paint/Mask.h"

#include <algorithm>
#include <cmath>

#include "paint/Blur.h"

namespace paint {

Mask::Mask(int w, int h, float value) : w_(w), h_(h), v_(static_cast<size_t>(w) * h, value) {}

float Mask::sample(float x, float y) const {
    const float fx = x - 0.5f, fy = y - 0.5f;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const float tx = fx - x0, ty = fy - y0;
    const float a = mixf(get(x0, y0), get(x0 + 1, y0), tx);
    const float b = mixf(get(x0, y0 + 1), get(x0 + 1, y0 + 1), tx);
    return mixf(a, b, ty);
}

Mask& Mask::multiply(const Mask& o) {
    for (size_t i = 0; i < v_.size(); ++i) v_[i] *= o.v_[i];
    return *this;
}

Mask& Mask::unite(const Mask& o) {
    for (size_t i = 0; i < v_.size(); ++i) v_[i] = std::max(v_[i], o.v_[i]);
    return *this;
}

Mask& Mask::subtract(const Mask& o) {
    for (size_t i = 0; i < v_.size(); ++i) v_[i] *= 1.0f - o.v_[i];
    return *this;
}

Mask& Mask::invert() {
    for (float& v : v_) v = 1.0f - v;
    return *this;
}

Mask& Mask::scale(float f) {
    for (float& v : v_) v = clamp01(v * f);
    return *this;
}

Mask& Mask::blur(float sigma) {
    blurPlanes(v_.data(), w_, h_, 1, sigma);
    return *this;
}

Mask& Mask::levels(float lo, float hi) {
    for (float& v : v_) v = smoothstep(lo, hi, v);
    return *this;
}

Mask Mask::shifted(int dx, int dy) const {
    Mask out(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) out.at(x, y) = get(x - dx, y - dy);
    return out;
}

Mask Mask::warped(const std::function<Vec2(Vec2)>& source) const {
    Mask out(w_, h_);
    for (int y = 0; y < h_; ++y)
        for (int x = 0; x < w_; ++x) {
            const Vec2 s = source({x + 0.5f, y + 0.5f});
            out.at(x, y) = sample(s.x, s.y);
        }
    return out;
}

Mask Mask::blurred(float sigma) const {
    Mask out = *this;
    out.blur(sigma);
    return out;
}

Mask Mask::downsampled(int factor) const {
    Mask out(w_ / factor, h_ / factor);
    downsamplePlanes(v_.data(), w_, h_, 1, factor, out.v_.data());
    return out;
}

}  // namespace paint
