// Distance fields: from supersampled masks by exact Euclidean distance transform, and their coverage.
#include "paint/Field.h"

#include <limits>

#include "paint/Mask.h"

namespace paint {

namespace {

constexpr float kFar = 1e12f;

// One-dimensional squared distance transform of sampled function f (Felzenszwalb & Huttenlocher).
void edt1d(const std::vector<float>& f, std::vector<float>& d, int n, std::vector<int>& v,
           std::vector<float>& z) {
    int k = 0;
    v[0] = 0;
    z[0] = -std::numeric_limits<float>::infinity();
    z[1] = std::numeric_limits<float>::infinity();
    for (int q = 1; q < n; ++q) {
        float s;
        while (true) {
            const int p = v[k];
            s = ((f[q] + static_cast<float>(q) * q) - (f[p] + static_cast<float>(p) * p)) / (2.0f * (q - p));
            if (s > z[k] || k == 0) break;
            --k;
        }
        if (s <= z[k]) {
            v[0] = q;
            z[0] = -std::numeric_limits<float>::infinity();
            z[1] = std::numeric_limits<float>::infinity();
            k = 0;
            continue;
        }
        ++k;
        v[k] = q;
        z[k] = s;
        z[k + 1] = std::numeric_limits<float>::infinity();
    }
    k = 0;
    for (int q = 0; q < n; ++q) {
        while (z[k + 1] < static_cast<float>(q)) ++k;
        const float dq = static_cast<float>(q - v[k]);
        d[q] = dq * dq + f[v[k]];
    }
}

// Squared distance of every pixel to the nearest pixel where `seed` is true.
std::vector<float> squaredDistance(const std::vector<char>& seed, int w, int h) {
    std::vector<float> grid(seed.size());
    for (size_t i = 0; i < seed.size(); ++i) grid[i] = seed[i] ? 0.0f : kFar;
    const int n = std::max(w, h);
    std::vector<float> f(n), d(n), z(n + 1);
    std::vector<int> v(n);
    for (int x = 0; x < w; ++x) {
        for (int y = 0; y < h; ++y) f[y] = grid[static_cast<size_t>(y) * w + x];
        edt1d(f, d, h, v, z);
        for (int y = 0; y < h; ++y) grid[static_cast<size_t>(y) * w + x] = d[y];
    }
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) f[x] = grid[static_cast<size_t>(y) * w + x];
        edt1d(f, d, w, v, z);
        for (int x = 0; x < w; ++x) grid[static_cast<size_t>(y) * w + x] = d[x];
    }
    return grid;
}

}  // namespace

Field::Field(int w, int h, float value) : w_(w), h_(h), v_(static_cast<size_t>(w) * h, value) {}

Field Field::fromMask(const Mask& hires, int factor) {
    const int w = hires.width(), h = hires.height();
    std::vector<char> inside(static_cast<size_t>(w) * h), outside(inside.size());
    for (size_t i = 0; i < inside.size(); ++i) {
        inside[i] = hires.values()[i] >= 0.5f;
        outside[i] = !inside[i];
    }
    const std::vector<float> toInside = squaredDistance(inside, w, h);
    const std::vector<float> toOutside = squaredDistance(outside, w, h);
    Field out(w / factor, h / factor);
    const float inv = 1.0f / static_cast<float>(factor * factor * factor);
    for (int y = 0; y < out.h_; ++y)
        for (int x = 0; x < out.w_; ++x) {
            float sum = 0;
            for (int sy = 0; sy < factor; ++sy)
                for (int sx = 0; sx < factor; ++sx) {
                    const size_t i = static_cast<size_t>(y * factor + sy) * w + x * factor + sx;
                    // Half a sample from the nearest sample centre of the other side is where the edge lies.
                    sum += inside[i] ? -(std::sqrt(toOutside[i]) - 0.5f) : std::sqrt(toInside[i]) - 0.5f;
                }
            out.at(x, y) = sum * inv;
        }
    return out;
}

float Field::get(int x, int y) const {
    return at(std::clamp(x, 0, w_ - 1), std::clamp(y, 0, h_ - 1));
}

Vec2 Field::normal(int x, int y) const {
    return normalize({get(x + 1, y) - get(x - 1, y), get(x, y + 1) - get(x, y - 1)});
}

Mask Field::coverage(float grow, float feather) const {
    Mask m(w_, h_);
    for (size_t i = 0; i < v_.size(); ++i) m.values()[i] = clamp01(0.5f - (v_[i] - grow) / feather);
    return m;
}

Mask Field::band(float inner, float outer, float feather) const {
    Mask m(w_, h_);
    for (size_t i = 0; i < v_.size(); ++i) {
        const float in = clamp01(0.5f - (v_[i] - outer) / feather);
        const float out = clamp01(0.5f - (v_[i] - inner) / feather);
        m.values()[i] = in * (1.0f - out);
    }
    return m;
}

Field& Field::offset(float d) {
    for (float& v : v_) v -= d;
    return *this;
}

}  // namespace paint
