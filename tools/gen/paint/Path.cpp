// Flattening of Bézier and Catmull-Rom curves into points.
#include "paint/Path.h"

namespace paint {

int Path::stepsFor(float approxLength) {
    return std::clamp(static_cast<int>(approxLength / 3.0f), 4, 64);
}

Path& Path::moveTo(Vec2 p) {
    pts_.push_back(p);
    return *this;
}

Path& Path::lineTo(Vec2 p) {
    pts_.push_back(p);
    return *this;
}

Path& Path::quadTo(Vec2 c, Vec2 e) {
    const Vec2 s = current();
    const int n = stepsFor(length(c - s) + length(e - c));
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / n, u = 1 - t;
        pts_.push_back(s * (u * u) + c * (2 * u * t) + e * (t * t));
    }
    return *this;
}

Path& Path::cubicTo(Vec2 c1, Vec2 c2, Vec2 e) {
    const Vec2 s = current();
    const int n = stepsFor(length(c1 - s) + length(c2 - c1) + length(e - c2));
    for (int i = 1; i <= n; ++i) {
        const float t = static_cast<float>(i) / n, u = 1 - t;
        pts_.push_back(s * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + e * (t * t * t));
    }
    return *this;
}

Path& Path::smoothThrough(const std::vector<Vec2>& points) {
    std::vector<Vec2> all;
    if (!pts_.empty()) all.push_back(current());
    all.insert(all.end(), points.begin(), points.end());
    if (pts_.empty() && !all.empty()) pts_.push_back(all.front());
    for (size_t i = 0; i + 1 < all.size(); ++i) {
        const Vec2 p0 = all[i == 0 ? 0 : i - 1], p1 = all[i], p2 = all[i + 1];
        const Vec2 p3 = all[std::min(i + 2, all.size() - 1)];
        cubicTo(p1 + (p2 - p0) / 6.0f, p2 - (p3 - p1) / 6.0f, p2);
    }
    return *this;
}

Path& Path::mirrorX(float axis) {
    const size_t n = pts_.size();
    for (size_t i = n; i-- > 0;) pts_.push_back({2 * axis - pts_[i].x, pts_[i].y});
    return *this;
}

}  // namespace paint
