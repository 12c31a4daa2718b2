// The weather of the hidden-object scenes in gfx/particles/pogoda/: three falling leaves (a palm leaflet, a
// fig leaf and an autumn maple leaf), a raindrop, a soft light ball and three seeds.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ho_items_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "paint/Style.h"

namespace gen::ho {

namespace {

constexpr int kK = 4;  // painted four times larger and shrunk

Vec2 K(float x, float y) {
    return Vec2{x, y} * kK;
}

// A leaf or seed: a thin outline of its own darkest colour, the fill and a soft bevel.
void organic(Canvas& c, const Shape& s, const Fill& fill, Color edge, float outline, float depth) {
    Style st;
    st.fill = fill;
    st.outline = outline * kK;
    st.outlineFill = edge;
    st.bevel = Bevel{depth * kK, 0.45f, 0.35f, true};
    hud::styled(c, s, st, 4.0f * kK);
}

// Veins painted only over the leaf, a little short of its edge.
void veins(Canvas& c, const Shape& v, const Shape& leaf, Color col) {
    c.paint(v & leaf.grown(-1.2f * kK), col, Blend::Inside);
}

// A smooth closed outline through points given in picture pixels.
Shape smooth(std::vector<Vec2> pts) {
    for (Vec2& p : pts) p = p * kK;
    return blob(pts);
}

Shape rib(std::vector<Vec2> pts, float w0, float w1) {
    for (Vec2& p : pts) p = p * kK;
    return curve(pts, w0 * kK, w1 * kK);
}

Fill greenLeaf(Color light, Color mid, Color deep) {
    return Fill::linear(K(12, 10), K(50, 56), {{0, light}, {0.5f, mid}, {1, deep}});
}

// A long narrow leaflet of a date palm, curving across the picture.
Canvas palmLeaflet() {
    Canvas c(64 * kK, 64 * kK);
    const std::vector<Vec2> spine{{5, 59}, {22, 40}, {38, 22}, {59, 5}};
    std::vector<Vec2> left, right;
    for (size_t i = 0; i < 25; ++i) {
        const float t = static_cast<float>(i) / 24.0f;
        const Vec2 a = lerp(spine[0], spine[3], t);
        const Vec2 bend = Vec2{-1, -1} * (4.0f * std::sin(t * kPi));
        const Vec2 p = a + bend;
        const float w =
            7.5f * std::pow(std::max(0.0f, std::sin(std::pow(t, 0.8f) * kPi)), 0.7f) * (1.0f - 0.2f * t);
        const Vec2 n = normalize(Vec2{-1, -1});
        left.push_back(p + n * w);
        right.push_back(p - n * w);
    }
    // The two sides meet at the tips; each tip point goes in once.
    std::vector<Vec2> ring = left;
    ring.insert(ring.end(), right.rbegin() + 1, right.rend() - 1);
    for (Vec2& p : ring) p = p * kK;
    const Shape leaf = Shape::polygon(ring);
    organic(c, leaf, greenLeaf(hex(0xc6e07a), hex(0x6fae3c), hex(0x2f6a2a)), hex(0x1f3a14), 1.1f, 2.0f);
    // The midrib and the fine parallel veins either side of it.
    std::vector<Vec2> mid;
    for (size_t i = 1; i + 1 < left.size(); ++i) mid.push_back((left[i] + right[i]) * 0.5f);
    veins(c, rib(mid, 1.3f, 0.5f), leaf, hex(0xe8f5b0, 0.75f));
    for (float off : {-2.8f, 2.8f}) {
        std::vector<Vec2> v;
        for (size_t i = 3; i + 3 < mid.size(); ++i)
            v.push_back(mid[i] + normalize(Vec2{-1, -1}) * off * 0.8f);
        veins(c, rib(v, 0.5f, 0.3f), leaf, hex(0x2f6a2a, 0.45f));
    }
    return c.downsampled(kK);
}

// A fig leaf: five rounded lobes spread from the stalk, veins running out to each.
Canvas figLeaf() {
    Canvas c(64 * kK, 64 * kK);
    const Vec2 base{30, 46};
    Shape leaf = Shape::ellipse(K(30, 36), 9 * kK, 10 * kK);
    const float angles[] = {-90, -38, -142, 12, 168};
    const float lengths[] = {30, 25, 25, 17, 17};
    for (int i = 0; i < 5; ++i) {
        const Vec2 tip = polar(base, lengths[i], angles[i]);
        const Vec2 m = lerp(base, tip, 0.58f);
        const float r = lengths[i] * 0.42f;
        const Shape lobe =
            Shape::ellipse(m * kK, r * 0.64f * kK, r * 1.05f * kK).rotated(angles[i] + 90, m * kK);
        leaf = leaf.blend(lobe, 2.5f * kK);
    }
    leaf = leaf.rotated(18, K(32, 32)).moved(K(1, 0));
    const Shape stalk = rib({{33, 49}, {36, 56}, {41, 61}}, 2.2f, 1.4f);
    organic(c, stalk, hex(0x7a8a3a), hex(0x1f3a14), 1.0f, 0.8f);
    organic(c, leaf, greenLeaf(hex(0xb4d86a), hex(0x4f9a3a), hex(0x245a26)), hex(0x1f3a14), 1.1f, 2.6f);
    Shape v = Shape::circle(K(0, 0), 0);
    for (int i = 0; i < 5; ++i) {
        const Vec2 tip = polar(base, lengths[i] * 0.82f, angles[i]);
        v = v | rib({base, lerp(base, tip, 0.5f) + Vec2{0.8f, -0.6f}, tip}, 1.2f, 0.4f);
    }
    veins(c, v.rotated(18, K(32, 32)).moved(K(1, 0)), leaf, hex(0xdcefa0, 0.7f));
    return c.downsampled(kK);
}

// An autumn maple leaf: five toothed lobes in red and orange, yellow towards its heart.
Canvas mapleLeaf() {
    Canvas c(64 * kK, 64 * kK);
    const Vec2 m{32, 33};
    std::vector<Vec2> pts;
    constexpr int n = 360;
    for (int i = 0; i < n; ++i) {
        const float a = 2 * kPi * static_cast<float>(i) / n;  // 0 straight up, clockwise
        const float lobe = std::pow(std::abs(std::cos(2.5f * a)), 1.1f);
        const float teeth = 0.12f * std::pow(std::abs(std::cos(12.5f * a)), 3.0f) * (0.3f + 0.7f * lobe);
        // The two lobes either side of the stalk are shorter; the notch at the stalk is deep.
        const float lower = 1.0f - 0.35f * smoothstep(0.4f, 0.9f, std::cos(a - kPi));
        const float r = 26.0f * (0.3f + 0.62f * std::pow(lobe, 1.6f) + teeth) * lower;
        pts.push_back((m + Vec2{std::sin(a), -std::cos(a)} * r) * kK);
    }
    const Shape leaf = Shape::polygon(pts).rotated(-20, m * kK);
    const Shape stalk = rib({{32, 40}, {30, 50}, {26, 60}}, 2.0f, 1.3f).rotated(-20, m * kK);
    organic(c, stalk, hex(0x8a3a1c), hex(0x3a1406), 1.0f, 0.8f);
    const Fill fill =
        Fill::radial(K(32, 36), 30 * kK,
                     {{0, hex(0xffd34a)}, {0.35f, hex(0xf59a2a)}, {0.7f, hex(0xd9531f)}, {1, hex(0x9a2a14)}});
    organic(c, leaf, fill, hex(0x4a1606), 1.1f, 2.4f);
    Shape v = Shape::circle(K(0, 0), 0);
    for (int i = 0; i < 5; ++i) {
        const Vec2 tip = polar(m, 20, -90 + 72.0f * static_cast<float>(i));
        v = v | rib({m, lerp(m, tip, 0.5f), tip}, 1.1f, 0.35f);
    }
    veins(c, v.rotated(-20, m * kK), leaf, hex(0xffe79a, 0.6f));
    return c.downsampled(kK);
}

}  // namespace

Canvas leaf(int kind) {
    if (kind == 0) return palmLeaflet();
    if (kind == 1) return figLeaf();
    return mapleLeaf();
}

Canvas raindrop() {
    Canvas c(16 * kK, 32 * kK);
    const Shape drop = smooth({{8, 1.5f},
                               {9.6f, 9},
                               {12.3f, 17},
                               {13, 22.5f},
                               {11.4f, 27.4f},
                               {8, 29},
                               {4.6f, 27.4f},
                               {3, 22.5f},
                               {3.7f, 17},
                               {6.4f, 9}});
    const Field f = drop.field(c.width(), c.height(), 6.0f * kK);
    c.paint(
        f.coverage(),
        Fill::vertical(2 * kK, 29 * kK,
                       {{0, hex(0xdff4ff, 0.25f)}, {0.6f, hex(0xa8d8f0, 0.55f)}, {1, hex(0x5a9ccc, 0.75f)}}));
    c.paint(f.band(-1.0f * kK, 0.0f), hex(0x3f78a8, 0.6f));
    c.paint(Shape::ellipse(K(6.2f, 21.5f), 1.3f * kK, 2.6f * kK), hex(0xffffff, 0.85f));
    c.paint(Shape::circle(K(10, 26), 1.0f * kK), hex(0xffffff, 0.4f));
    return c.downsampled(kK);
}

Canvas lightBall() {
    Canvas c(32, 32);
    c.paint(Shape::circle({16, 16}, 16), Fill::radial({16, 16}, 15.5f,
                                                      {{0, hex(0xffffff)},
                                                       {0.18f, hex(0xfff6d0, 0.95f)},
                                                       {0.45f, hex(0xffe08a, 0.5f)},
                                                       {0.75f, hex(0xffc84a, 0.14f)},
                                                       {1, hex(0xffc84a, 0.0f)}}));
    return c;
}

Canvas seed(int kind) {
    Canvas c(16 * kK, 16 * kK);
    const Vec2 m = K(8, 8);
    if (kind == 0) {
        // A plump grain of wheat with its crease.
        const Shape g = Shape::ellipse(m, 3.6f * kK, 6.0f * kK).rotated(30, m);
        organic(c, g, lit(hex(0xffe7a6), hex(0xe0a94e), hex(0x9a6222), m, 6 * kK), pal::kOutline, 0.9f, 1.5f);
        c.paint(rib({{7.5f, 3.5f}, {8.6f, 8}, {8.2f, 12.5f}}, 0.7f, 0.5f).rotated(30, m), hex(0x8a5420, 0.7f),
                Blend::Inside);
    } else if (kind == 1) {
        // A sunflower seed: dark with pale stripes, pointed at one end.
        const Shape g = smooth({{8, 1.8f},
                                {10.3f, 5.5f},
                                {11.6f, 10},
                                {10.4f, 13.6f},
                                {8, 14.6f},
                                {5.6f, 13.6f},
                                {4.4f, 10},
                                {5.7f, 5.5f}})
                            .rotated(-35, m);
        organic(c, g, lit(hex(0x8a7a6a), hex(0x3e342c), hex(0x1c1612), m, 6 * kK), pal::kOutline, 0.9f, 1.2f);
        for (float x : {6.3f, 8.0f, 9.7f})
            c.paint(rib({{x * 0.3f + 5.6f, 3.5f}, {x, 9}, {x, 13}}, 0.55f, 0.35f).rotated(-35, m),
                    hex(0xf0e6d0, 0.75f), Blend::Inside);
    } else {
        // A small round lentil, amber and glossy.
        const Shape g = Shape::ellipse(m, 5.2f * kK, 4.4f * kK).rotated(-15, m);
        organic(c, g, lit(hex(0xffcf8a), hex(0xd9782e), hex(0x8a3a14), m, 5 * kK), pal::kOutline, 0.9f, 1.6f);
        c.paint(Shape::ellipse(K(6.2f, 6.4f), 1.5f * kK, 0.9f * kK), hex(0xffffff, 0.6f), Blend::Screen);
    }
    return c.downsampled(kK);
}

}  // namespace gen::ho
