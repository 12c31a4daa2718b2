// Distance functions of the primitive shapes and their combinations.
#include "paint/Shape.h"

#include <limits>

namespace paint {

namespace {

using Node = Shape::Node;
constexpr float kHuge = 1e9f;

struct Circle : Node {
    Vec2 c;
    float r;
    Circle(Vec2 c_, float r_) : c(c_), r(r_) {}
    float distance(Vec2 p) const override { return length(p - c) - r; }
    Rect bounds() const override { return {c.x - r, c.y - r, c.x + r, c.y + r}; }
};

struct Ellipse : Node {
    Vec2 c, rad;
    Ellipse(Vec2 c_, Vec2 r_) : c(c_), rad(r_) {}
    float distance(Vec2 p) const override {
        const Vec2 q = p - c;
        const float k0 = length({q.x / rad.x, q.y / rad.y});
        const float k1 = length({q.x / (rad.x * rad.x), q.y / (rad.y * rad.y)});
        if (k1 < 1e-6f) return -std::min(rad.x, rad.y);
        return k0 * (k0 - 1.0f) / k1;
    }
    Rect bounds() const override { return {c.x - rad.x, c.y - rad.y, c.x + rad.x, c.y + rad.y}; }
};

struct RoundRect : Node {
    Vec2 c, half;
    float r;
    RoundRect(Vec2 c_, Vec2 h_, float r_) : c(c_), half(h_), r(r_) {}
    float distance(Vec2 p) const override {
        const Vec2 q{std::abs(p.x - c.x) - half.x + r, std::abs(p.y - c.y) - half.y + r};
        const Vec2 outside{std::max(q.x, 0.0f), std::max(q.y, 0.0f)};
        return length(outside) + std::min(std::max(q.x, q.y), 0.0f) - r;
    }
    Rect bounds() const override { return {c.x - half.x, c.y - half.y, c.x + half.x, c.y + half.y}; }
};

Rect boundsOf(const std::vector<Vec2>& pts) {
    Rect b{kHuge, kHuge, -kHuge, -kHuge};
    for (const Vec2& p : pts) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return b;
}

struct Polygon : Node {
    std::vector<Vec2> v;
    Rect box;
    explicit Polygon(std::vector<Vec2> pts) : v(std::move(pts)), box(boundsOf(v)) {}
    float distance(Vec2 p) const override {
        if (v.size() < 3) return kHuge;
        float d2 = std::numeric_limits<float>::max();
        bool inside = false;
        const size_t n = v.size();
        for (size_t i = 0, j = n - 1; i < n; j = i, ++i) {
            const Vec2 e = v[j] - v[i], w = p - v[i];
            const float ee = dot(e, e);
            const float t = ee > 0 ? clamp01(dot(w, e) / ee) : 0.0f;
            const Vec2 b = w - e * t;
            d2 = std::min(d2, dot(b, b));
            const bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) inside = !inside;
        }
        return inside ? -std::sqrt(d2) : std::sqrt(d2);
    }
    Rect bounds() const override { return box; }
};

struct Stroke : Node {
    std::vector<Vec2> v;
    std::vector<float> half;
    Rect box;
    Stroke(std::vector<Vec2> pts, std::vector<float> widths) : v(std::move(pts)) {
        float maxW = 0;
        for (size_t i = 0; i < v.size(); ++i) {
            const float w = widths.size() == 1 ? widths[0] : widths[std::min(i, widths.size() - 1)];
            half.push_back(w / 2);
            maxW = std::max(maxW, w / 2);
        }
        box = boundsOf(v).expanded(maxW);
    }
    float distance(Vec2 p) const override {
        if (v.size() == 1) return length(p - v[0]) - half[0];
        float best = kHuge;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            const Vec2 e = v[i + 1] - v[i], w = p - v[i];
            const float ee = dot(e, e);
            const float t = ee > 0 ? clamp01(dot(w, e) / ee) : 0.0f;
            best = std::min(best, length(w - e * t) - mixf(half[i], half[i + 1], t));
        }
        return best;
    }
    Rect bounds() const override { return box; }
};

struct Union : Node {
    Shape a, b;
    Union(Shape a_, Shape b_) : a(std::move(a_)), b(std::move(b_)) {}
    float distance(Vec2 p) const override { return std::min(a.distance(p), b.distance(p)); }
    Rect bounds() const override { return unite(a.bounds(), b.bounds()); }
};

struct Intersection : Node {
    Shape a, b;
    Intersection(Shape a_, Shape b_) : a(std::move(a_)), b(std::move(b_)) {}
    float distance(Vec2 p) const override { return std::max(a.distance(p), b.distance(p)); }
    Rect bounds() const override { return intersect(a.bounds(), b.bounds()); }
};

struct Difference : Node {
    Shape a, b;
    Difference(Shape a_, Shape b_) : a(std::move(a_)), b(std::move(b_)) {}
    float distance(Vec2 p) const override { return std::max(a.distance(p), -b.distance(p)); }
    Rect bounds() const override { return a.bounds(); }
};

struct SmoothUnion : Node {
    Shape a, b;
    float k;
    SmoothUnion(Shape a_, Shape b_, float k_) : a(std::move(a_)), b(std::move(b_)), k(k_) {}
    float distance(Vec2 p) const override {
        const float da = a.distance(p), db = b.distance(p);
        const float h = clamp01(0.5f + 0.5f * (db - da) / k);
        return mixf(db, da, h) - k * h * (1.0f - h);
    }
    Rect bounds() const override { return unite(a.bounds(), b.bounds()).expanded(k); }
};

struct Offset : Node {
    Shape a;
    float r;
    Offset(Shape a_, float r_) : a(std::move(a_)), r(r_) {}
    float distance(Vec2 p) const override { return a.distance(p) - r; }
    Rect bounds() const override { return a.bounds().expanded(std::max(r, 0.0f)); }
};

struct Band : Node {
    Shape a;
    float half;
    Band(Shape a_, float w) : a(std::move(a_)), half(w / 2) {}
    float distance(Vec2 p) const override { return std::abs(a.distance(p)) - half; }
    Rect bounds() const override { return a.bounds().expanded(half); }
};

// p_world = pivot + s·R·(p_local − pivot) + move.
struct Transform : Node {
    Shape a;
    Vec2 pivot, move;
    float angle, s;
    Transform(Shape a_, Vec2 pivot_, Vec2 move_, float angle_, float s_)
        : a(std::move(a_)), pivot(pivot_), move(move_), angle(angle_), s(s_) {}
    float distance(Vec2 p) const override {
        const Vec2 local = pivot + rotate(p - move - pivot, -angle) / s;
        return a.distance(local) * s;
    }
    Rect bounds() const override {
        const Rect b = a.bounds();
        Rect out{kHuge, kHuge, -kHuge, -kHuge};
        for (Vec2 c : {Vec2{b.x0, b.y0}, Vec2{b.x1, b.y0}, Vec2{b.x0, b.y1}, Vec2{b.x1, b.y1}}) {
            const Vec2 q = pivot + rotate(c - pivot, angle) * s + move;
            out = unite(out, Rect{q.x, q.y, q.x + 0.001f, q.y + 0.001f});
        }
        return out;
    }
};

std::vector<Vec2> starPoints(Vec2 c, int n, float outer, float inner, float rotationDeg) {
    std::vector<Vec2> pts;
    for (int i = 0; i < 2 * n; ++i) {
        const float deg = -90.0f + rotationDeg + 180.0f * static_cast<float>(i) / static_cast<float>(n);
        pts.push_back(polar(c, i % 2 == 0 ? outer : inner, deg));
    }
    return pts;
}

}  // namespace

Shape Shape::circle(Vec2 c, float r) {
    return Shape(std::make_shared<Circle>(c, r));
}
Shape Shape::ellipse(Vec2 c, float rx, float ry) {
    return Shape(std::make_shared<Ellipse>(c, Vec2{rx, ry}));
}
Shape Shape::rect(float x, float y, float w, float h, float radius) {
    radius = std::min({radius, w / 2, h / 2});
    return Shape(std::make_shared<RoundRect>(Vec2{x + w / 2, y + h / 2}, Vec2{w / 2, h / 2}, radius));
}
Shape Shape::polygon(std::vector<Vec2> pts) {
    return Shape(std::make_shared<Polygon>(std::move(pts)));
}
Shape Shape::line(Vec2 a, Vec2 b, float width) {
    return stroke({a, b}, {width});
}
Shape Shape::stroke(std::vector<Vec2> pts, std::vector<float> widths) {
    return Shape(std::make_shared<Stroke>(std::move(pts), std::move(widths)));
}
Shape Shape::star(Vec2 c, int n, float outer, float inner, float rotationDeg) {
    return polygon(starPoints(c, n, outer, inner, rotationDeg));
}
Shape Shape::regular(Vec2 c, int sides, float radius, float rotationDeg) {
    std::vector<Vec2> pts;
    for (int i = 0; i < sides; ++i)
        pts.push_back(polar(c, radius, -90.0f + rotationDeg + 360.0f * static_cast<float>(i) / sides));
    return polygon(std::move(pts));
}

Shape Shape::operator|(const Shape& o) const {
    return Shape(std::make_shared<Union>(*this, o));
}
Shape Shape::operator&(const Shape& o) const {
    return Shape(std::make_shared<Intersection>(*this, o));
}
Shape Shape::operator-(const Shape& o) const {
    return Shape(std::make_shared<Difference>(*this, o));
}
Shape Shape::blend(const Shape& o, float k) const {
    return Shape(std::make_shared<SmoothUnion>(*this, o, k));
}
Shape Shape::grown(float r) const {
    return Shape(std::make_shared<Offset>(*this, r));
}
Shape Shape::outline(float width) const {
    return Shape(std::make_shared<Band>(*this, width));
}
Shape Shape::moved(Vec2 d) const {
    return Shape(std::make_shared<Transform>(*this, Vec2{}, d, 0.0f, 1.0f));
}
Shape Shape::rotated(float degrees, Vec2 pivot) const {
    return Shape(std::make_shared<Transform>(*this, pivot, Vec2{}, degrees * kPi / 180.0f, 1.0f));
}
Shape Shape::scaled(float s, Vec2 pivot) const {
    return Shape(std::make_shared<Transform>(*this, pivot, Vec2{}, 0.0f, s));
}

}  // namespace paint
