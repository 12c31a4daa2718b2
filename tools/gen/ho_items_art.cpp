// The pen the hidden objects are drawn with, and the shapes and lit fills they share.
#include "ho_items_art.h"

#include <algorithm>
#include <cmath>

#include "maingame_hud_art.h"
#include "paint/Mask.h"
#include "paint/Path.h"

namespace gen::ho {

namespace {

// Outlines are this wide in screen pixels, whatever the scale.
constexpr float kOutlinePx = 1.15f;

}  // namespace

Pen::Pen(float scale) : scale_(scale), k_(scale * kSuper) {
    const int n = static_cast<int>(std::ceil((kBox + 2 * kMargin) * scale)) * kSuper;
    c_ = Canvas(n, n);
}

Shape Pen::big(const Shape& s) const {
    return s.moved({kMargin, kMargin}).scaled(k_, {0, 0});
}

Fill Pen::big(const Fill& f) const {
    if (f.solid()) return f;
    const float k = k_;
    return Fill([f, k](float x, float y) { return f.at(x / k - kMargin, y / k - kMargin); });
}

void Pen::part(const Shape& s, const Fill& fill, float depth, float highlight, float shadow) {
    hud::part(c_, big(s), big(fill), kOutlinePx * kSuper, depth * k_, highlight, shadow);
}

void Pen::paint(const Shape& s, const Fill& fill, Blend mode) {
    c_.paint(big(s), big(fill), mode);
}

void Pen::shade(const Shape& s, Vec2 p0, Vec2 p1, float strength) {
    paint(s,
          Fill::linear(p0, p1,
                       {{0, hex(0xfff6e0, 0.0f)},
                        {0.22f, hex(0xfff6e0, 0.3f * strength)},
                        {0.45f, hex(0xfff6e0, 0.0f)},
                        {0.7f, hex(0x3a1a08, 0.0f)},
                        {1, hex(0x3a1a08, 0.45f * strength)}}),
          Blend::Over);
}

void Pen::engrave(const Shape& cut, float strength) {
    const Shape b = big(cut);
    hud::Layer l(c_, b.bounds().expanded(3 * kSuper));
    const Mask m = l.mask(b, 1.2f);
    const int lip = std::max(1, static_cast<int>(std::lround(0.8f * kSuper)));
    l.canvas().paint(m.shifted(lip, lip), hex(0xfff2d0, 0.4f * strength));
    l.canvas().paint(m, hex(0x2a1206, 0.65f * strength));
    l.put(c_, Blend::Inside);
}

void Pen::stud(Vec2 m, float r) {
    part(Shape::circle(m, r), gold(m, r), r * 0.6f);
    paint(Shape::circle(m - Vec2{0.35f, 0.4f} * r, 0.3f * r), hex(0xffffff, 0.75f), Blend::Screen);
}

void Pen::gem(Vec2 m, float r, Color light, Color mid, Color deep) {
    const Vec2 at = (m + Vec2{kMargin, kMargin}) * k_;
    award::gem(c_, at, r * k_, light, mid, deep, kSuper);
}

void Pen::glint(Vec2 m, float r, float strength) {
    paint(Shape::circle(m, 0.8f * r),
          Fill::radial(m, 0.8f * r, {{0, hex(0xffffff, 0.7f * strength)}, {1, hex(0xffffff, 0.0f)}}));
    c_.paint(big(Shape::star(m, 4, r, 0.14f * r)), hex(0xffffff, 0.95f * strength));
}

Canvas Pen::finish() const {
    const Canvas shrunk = hud::shadowed(c_.downsampled(kSuper), {0.8f, 1.2f}, 0.9f, 0.45f);
    int x0 = shrunk.width(), y0 = shrunk.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < shrunk.height(); ++y)
        for (int x = 0; x < shrunk.width(); ++x)
            if (shrunk.at(x, y).a > 2.0f / 255.0f) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    if (x1 < 0) return Canvas(1, 1);
    return shrunk.cropped(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
}

Shape poly(std::initializer_list<Vec2> pts) {
    return Shape::polygon(std::vector<Vec2>(pts));
}

Shape poly(const std::vector<Vec2>& pts) {
    return Shape::polygon(pts);
}

Shape curve(const std::vector<Vec2>& pts, float w0, float w1) {
    Path path;
    path.moveTo(pts.front()).smoothThrough(std::vector<Vec2>(pts.begin() + 1, pts.end()));
    const auto& flat = path.points();
    std::vector<float> widths;
    for (size_t i = 0; i < flat.size(); ++i)
        widths.push_back(mixf(w0, w1, static_cast<float>(i) / static_cast<float>(flat.size() - 1)));
    return Shape::stroke(flat, widths);
}

Shape blob(const std::vector<Vec2>& pts) {
    std::vector<Vec2> loop(pts.begin() + 1, pts.end());
    loop.push_back(pts.front());
    Path path;
    path.moveTo(pts.front()).smoothThrough(loop);
    return Shape::polygon(path.points());
}

Vec2 turned(Vec2 p, float degrees) {
    return kMid + rotate(p - kMid, degrees * kPi / 180.0f);
}

Shape ribbon(const std::vector<Vec2>& spine, float (*width)(float)) {
    const int n = static_cast<int>(spine.size());
    std::vector<Vec2> left, right;
    for (int i = 0; i < n; ++i) {
        const Vec2 d = normalize(spine[std::min(i + 1, n - 1)] - spine[std::max(i - 1, 0)]);
        const Vec2 nrm{-d.y, d.x};
        const float w = std::max(0.0f, width(static_cast<float>(i) / static_cast<float>(n - 1)));
        left.push_back(spine[i] + nrm * w);
        right.push_back(spine[i] - nrm * w);
    }
    std::vector<Vec2> ring = left;
    ring.insert(ring.end(), right.rbegin(), right.rend());
    return poly(ring);
}

std::vector<Vec2> along(const std::vector<Vec2>& pts, int n) {
    std::vector<Vec2> out;
    const int segs = static_cast<int>(pts.size()) - 1;
    for (int i = 0; i < n; ++i) {
        const float u = static_cast<float>(i) / static_cast<float>(n - 1) * static_cast<float>(segs);
        const int s = std::min(static_cast<int>(u), segs - 1);
        const float t = u - static_cast<float>(s);
        const Vec2 p0 = pts[std::max(s - 1, 0)], p1 = pts[s], p2 = pts[s + 1];
        const Vec2 p3 = pts[std::min(s + 2, segs)];
        const float t2 = t * t, t3 = t2 * t;
        out.push_back(0.5f * (2 * p1 + (p2 - p0) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                              (3 * p1 - p0 - 3 * p2 + p3) * t3));
    }
    return out;
}

Fill turquoise(Vec2 m, float r) {
    return lit(pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, m, r);
}

Fill lapis(Vec2 m, float r) {
    return lit(hex(0x6f94e0), pal::kBlue, pal::kBlueDeep, m, r);
}

Fill terracotta(Vec2 m, float r) {
    return lit(hex(0xf5a27e), pal::kTerracotta, pal::kTerracottaDeep, m, r);
}

Fill lit(Color light, Color mid, Color deep, Vec2 m, float r) {
    return Fill::radial(m - Vec2{0.4f, 0.45f} * r, 1.6f * r, {{0, light}, {0.45f, mid}, {1, deep}});
}

Fill metal(const award::Metal& m, Vec2 at, float r) {
    return award::metalFill(m, at, r);
}

Fill cylinder(Vec2 p0, Vec2 p1, Color light, Color mid, Color deep) {
    return Fill::linear(p0, p1, {{0, mid}, {0.28f, light}, {0.62f, mid}, {1, deep}});
}

}  // namespace gen::ho
