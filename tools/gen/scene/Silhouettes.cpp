// Shapes of palms, pyramids and birds, and their silhouette painting.
#include "scene/Silhouettes.h"

#include <cmath>
#include <vector>

#include "paint/Fill.h"
#include "paint/Noise.h"
#include "paint/Path.h"

namespace gen::scene {

using namespace paint;

namespace {

Vec2 quad(Vec2 a, Vec2 c, Vec2 b, float t) {
    const float u = 1 - t;
    return a * (u * u) + c * (2 * u * t) + b * (t * t);
}

void drawFrond(Mask& into, Vec2 crown, float angleDeg, float len, float scale, Rng& rng) {
    const Vec2 dir = polar({0, 0}, 1, angleDeg);
    // Fronds arch up a little, then droop with their weight; the more sideways, the more they hang.
    const float sideways = std::abs(dir.x);
    const Vec2 ctrl = crown + dir * (len * 0.55f) + Vec2{0, -len * 0.22f * (1 - 0.5f * sideways)};
    const Vec2 tip = crown + dir * (len * 0.85f) + Vec2{0, len * (0.12f + 0.45f * sideways * sideways)};
    std::vector<Vec2> spine;
    std::vector<float> widths;
    constexpr int kSteps = 24;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        spine.push_back(quad(crown, ctrl, tip, t));
        widths.push_back(mixf(6.0f, 1.5f, t) * scale);
    }
    Shape::stroke(spine, widths).drawInto(into);
    // Leaflets on both sides, longest in the middle of the frond, hanging down with their weight.
    for (float t = 0.1f; t < 0.98f; t += 0.065f) {
        const Vec2 p = quad(crown, ctrl, tip, t);
        const Vec2 tangent = normalize(quad(crown, ctrl, tip, t + 0.01f) - p);
        const float l = len * 0.32f * std::pow(std::sin(kPi * std::min(1.0f, t * 1.08f + 0.04f)), 0.5f) *
                        rng.range(0.85f, 1.1f);
        for (int side = -1; side <= 1; side += 2) {
            Vec2 d = rotate(tangent, side * rng.range(0.55f, 0.8f));
            d = normalize(d + Vec2{0, 0.8f});
            const Vec2 mid = p + d * (l * 0.5f) + tangent * (l * 0.15f);
            const Vec2 end = p + d * l + tangent * (l * 0.35f) + Vec2{0, l * 0.25f};
            Shape::stroke({p, mid, end}, {5.5f * scale, 3.8f * scale, 0.8f}).drawInto(into);
        }
    }
}

}  // namespace

void drawPalmTrunk(Mask& into, const PalmSpec& p) {
    const Vec2 crown = p.base + Vec2{p.lean, -p.height};
    const Vec2 bend = p.base + Vec2{-p.lean * 0.3f, -p.height * 0.55f};  // rises, then leans
    std::vector<Vec2> trunk;
    std::vector<float> widths;
    constexpr int kSteps = 30;
    for (int i = 0; i <= kSteps; ++i) {
        const float t = static_cast<float>(i) / kSteps;
        trunk.push_back(quad(p.base, bend, crown, t));
        // Wider foot, slim neck, and the knobbly rings of old leaf bases.
        const float ring = 0.8f * std::abs(std::sin(t * 38.0f));
        widths.push_back((mixf(19.0f, 10.0f, std::sqrt(t)) + ring) * p.scale);
    }
    Shape::stroke(trunk, widths).drawInto(into);
}

void drawPalm(Mask& into, const PalmSpec& p) {
    Rng rng(p.seed);
    const Vec2 crown = p.base + Vec2{p.lean, -p.height};
    drawPalmTrunk(into, p);

    const float len = 120.0f * p.scale;
    const float angles[] = {-168, -140, -112, -82, -52, -22, 8, 150, 188, 35};
    for (float a : angles)
        drawFrond(into, crown, a + p.frondTurn + rng.range(-6, 6), len * rng.range(0.85f, 1.1f), p.scale,
                  rng);
    for (int i = 0; i < 4; ++i)
        Shape::circle(crown + Vec2{rng.range(-9, 9), rng.range(3, 12)} * p.scale, 4.5f * p.scale)
            .drawInto(into);
}

void drawTuft(Mask& into, Vec2 base, float height, uint32_t seed) {
    Rng rng(seed);
    const int blades = 7 + static_cast<int>(rng.uniform() * 5);
    for (int i = 0; i < blades; ++i) {
        const float a = -90.0f + rng.range(-62, 62);
        const float h = height * rng.range(0.55f, 1.0f);
        const Vec2 tip = polar(base, h, a) + Vec2{0, h * 0.1f};
        const Vec2 mid = lerp(base, tip, 0.5f) + Vec2{(tip.x - base.x) * -0.15f, -h * 0.08f};
        Shape::stroke({base + Vec2{rng.range(-4, 4), 0}, mid, tip}, {3.0f, 2.0f, 0.4f}).drawInto(into);
    }
}

PyramidFaces pyramid(Vec2 apex, float baseWidth, float baseY, float frontShift) {
    const Vec2 left{apex.x - baseWidth / 2, baseY}, right{apex.x + baseWidth / 2, baseY};
    const Vec2 front{apex.x + frontShift, baseY + 6};
    return {Shape::polygon({apex, left, front}), Shape::polygon({apex, front, right})};
}

Shape bird(Vec2 c, float span, float flap) {
    const float h = span * 0.5f;
    Path wing;
    wing.moveTo(c + Vec2{-h, -flap})
        .quadTo(c + Vec2{-h * 0.45f, -flap * 1.1f}, c + Vec2{0, span * 0.06f})
        .quadTo(c + Vec2{h * 0.45f, -flap * 1.1f}, c + Vec2{h, -flap});
    std::vector<float> widths;
    const size_t n = wing.points().size();
    for (size_t i = 0; i < n; ++i) {
        const float t = std::abs(static_cast<float>(i) / (n - 1) * 2 - 1);
        widths.push_back(mixf(span * 0.09f, span * 0.02f, t));
    }
    return Shape::stroke(wing.points(), widths);
}

void paintSilhouette(Canvas& c, const Mask& m, Color body, Color rim, int rimWidth) {
    c.paint(m, body);
    // Where the neighbour towards the sun (up-left) is empty, the edge catches the light.
    Mask edge = m;
    edge.subtract(m.shifted(rimWidth, rimWidth));
    edge.blur(0.6f);
    edge.multiply(m);
    c.paint(edge, rim, Blend::Screen);
}

}  // namespace gen::scene
