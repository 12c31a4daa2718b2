// Gradient tables and the fill functions built on them.
#include "paint/Fill.h"

#include <cmath>

namespace paint {

namespace {
constexpr int kTableSize = 1024;
}

Gradient::Gradient(std::initializer_list<Stop> stops) : Gradient(std::vector<Stop>(stops)) {}

Gradient::Gradient(const std::vector<Stop>& stops) : table_(kTableSize) {
    for (int i = 0; i < kTableSize; ++i) {
        const float t = static_cast<float>(i) / (kTableSize - 1);
        if (stops.empty()) break;
        if (t <= stops.front().pos) {
            table_[i] = stops.front().color;
            continue;
        }
        if (t >= stops.back().pos) {
            table_[i] = stops.back().color;
            continue;
        }
        size_t k = 0;
        while (k + 1 < stops.size() && stops[k + 1].pos < t) ++k;
        const Stop& a = stops[k];
        const Stop& b = stops[k + 1];
        const float span = b.pos - a.pos;
        table_[i] = span > 0 ? mixOklab(a.color, b.color, (t - a.pos) / span) : b.color;
    }
}

Color Gradient::at(float t) const {
    const float f = clamp01(t) * (kTableSize - 1);
    const int i = std::min(static_cast<int>(f), kTableSize - 2);
    return mix(table_[i], table_[i + 1], f - static_cast<float>(i));
}

Fill::Fill(Color c) : fn_([c](float, float) { return c; }), solid_(true) {}

Fill Fill::linear(Vec2 p0, Vec2 p1, Gradient g) {
    const Vec2 d = p1 - p0;
    const float inv = 1.0f / std::max(dot(d, d), 1e-6f);
    return Fill([=](float x, float y) { return g.at(dot(Vec2{x, y} - p0, d) * inv); });
}

Fill Fill::vertical(float y0, float y1, Gradient g) {
    return linear({0, y0}, {0, y1}, std::move(g));
}

Fill Fill::radial(Vec2 c, float r, Gradient g) {
    return radial(c, {r, r}, std::move(g));
}

Fill Fill::radial(Vec2 c, Vec2 r, Gradient g) {
    return Fill([=](float x, float y) { return g.at(length({(x - c.x) / r.x, (y - c.y) / r.y})); });
}

}  // namespace paint
