// The golden pharaoh's mask hidden in the chest: a striped gold and lapis head cloth, a calm gold face with
// painted eyes, a braided beard, the cobra on the brow and a broad collar of turquoise, lapis and terracotta.
#include <algorithm>
#include <cmath>

#include "paint/Path.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr float kX = kObject / 2.0f;  // the mask's axis

const Color kLapis = hex(0x1f3a8a), kLapisDeep = hex(0x0f1c4a), kLapisLight = hex(0x4a74d0);

// A symmetric outline from the left half given from the top of the axis down to its bottom.
Shape mirrored(Path half) {
    return outline(half.mirrorX(kX).points());
}

// Gold and lapis stripes along curves y + bend·(x − axis)² = const, lit from the upper left.
Fill stripes(float period, float bend, Vec2 lightAt, float reach) {
    const Gradient gold{
        {0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.65f, pal::kGold}, {1, pal::kGoldDeep}};
    const Gradient lapis{{0, kLapisLight}, {0.45f, kLapis}, {1, kLapisDeep}};
    return Fill([=](float x, float y) {
        const Vec2 p = Vec2{x, y} / kK;
        const float s = (p.y + bend * (p.x - kX) * (p.x - kX)) / period;
        const float f = s - std::floor(s);
        const float t = clamp01(length(p - lightAt) / reach);
        // The gold bands a little wider than the lapis ones.
        return f < 0.52f ? gold.at(t) : lapis.at(t);
    });
}

// The head cloth behind the face, flaring out to the shoulders.
Shape headCloth() {
    Path half;
    half.moveTo({kX, 14})
        .cubicTo({86, 13}, {64, 20}, {58, 42})
        .cubicTo({54, 60}, {46, 76}, {35, 100})
        .cubicTo({27, 116}, {22, 134}, {22, 148})
        .cubicTo({22, 160}, {28, 166}, {38, 168})
        .lineTo({kX, 168});
    return mirrored(half);
}

Shape face() {
    Path half;
    half.moveTo({kX, 52})
        .cubicTo({92, 52}, {78, 56}, {76, 76})
        .cubicTo({74, 92}, {74, 110}, {77, 122})
        .cubicTo({82, 140}, {95, 150}, {kX, 151});
    return mirrored(half);
}

// A lappet of the head cloth hanging beside the face, on the side s (−1 left, +1 right).
Shape lappet(float s) {
    auto p = [s](float x, float y) { return Vec2{kX + s * (kX - x), y}; };
    return outline({p(57, 80), p(75, 86), p(78, 186), p(66, 192), p(52, 190), p(49, 184)});
}

// The broad collar: rows of beads in rings round the throat.
void collar(Canvas& c) {
    const Vec2 m{kX, 138};
    const Shape outer = Shape::ellipse(m * kK, 92 * kK, 74 * kK),
                inner = Shape::ellipse(m * kK, 40 * kK, 30 * kK);
    const Shape band = (outer - inner) & box(0, 148, kObject, 80);
    const Color rows[] = {pal::kGold,      pal::kTurquoise, kLapis,    pal::kTerracotta,
                          pal::kTurquoise, kLapis,          pal::kGold};
    const Fill beads([=](float x, float y) {
        const Vec2 p = Vec2{x, y} / kK - m;
        // 0 at the inner edge, 1 at the outer one: the ring between the two ellipses the point lies on.
        float lo = 0, hi = 1;
        for (int k = 0; k < 12; ++k) {
            const float t = (lo + hi) / 2, rx = 40 + 52 * t, ry = 30 + 44 * t;
            ((p.x / rx) * (p.x / rx) + (p.y / ry) * (p.y / ry) > 1 ? lo : hi) = t;
        }
        const float t = (lo + hi) / 2;
        const float row = t * 7;
        const int i = std::clamp(static_cast<int>(row), 0, 6);
        const float f = row - static_cast<float>(i);
        // Each row a string of small beads: round across, lit on the upper side.
        const float angle = std::atan2(p.y, p.x * 0.8f) * 40.0f / kPi;
        const float bead = std::sin(kPi * f) * (0.75f + 0.25f * std::abs(std::sin(kPi * angle)));
        const float light = clamp01(0.35f + 0.65f * bead - 0.3f * clamp01((p.x + 60) / 180.0f));
        return mixOklab(darker(rows[i], 0.55f), lighter(rows[i], 0.25f), light);
    });
    objectPart(c, band, beads, 2);
    // Gold drops hanging from the outer row.
    for (int i = -8; i <= 8; ++i) {
        const float a = 90.0f + 8.6f * i;
        const Vec2 d = polar({0, 0}, 1, a);
        const Vec2 q = m + Vec2{d.x * 89, d.y * 71};
        if (q.y < 150) continue;
        objectPart(c, Shape::ellipse(q * kK, 3.4f * kK, 4.6f * kK).rotated(a - 90, q * kK), goldFill(q, 5),
                   1.5f);
    }
}

// Eyes, brows and the lines of kohl, on the side s.
void eye(Canvas& c, float s) {
    auto p = [s](float x, float y) { return Vec2{kX + s * (kX - x), y}; };
    auto P = [&](float x, float y) { return p(x, y) * kK; };
    const Shape brow = Shape::stroke({P(82, 84), P(88, 79), P(97, 77.5f), P(105, 80)},
                                     {3.4f * kK, 3.0f * kK, 2.6f * kK, 2.0f * kK});
    objectPart(c, brow, litFill(kLapisLight, kLapis, kLapisDeep, p(92, 80), 12), 0.8f);
    const Shape white = outline({p(84, 92), p(90, 87.5f), p(97, 86.5f), p(104, 90), p(97, 95), p(89, 95)});
    const Shape kohl =
        white.grown(1.6f * kK) | Shape::stroke({P(86, 93), P(80, 93), P(76, 91)}, {2.4f * kK, 1.6f * kK});
    objectPart(c, kohl, litFill(kLapisLight, kLapis, kLapisDeep, p(92, 91), 12), 0.6f);
    c.paint(white, Fill::vertical(86 * kK, 96 * kK, {{0, hex(0xfffbee)}, {1, hex(0xd8cdb8)}}));
    c.paint(Shape::circle(P(95, 91), 3.6f * kK), hex(0x2a1a10));
    c.paint(Shape::circle(P(95, 91), 3.6f * kK).outline(0.7f * kK), hex(0x6a4a2a));
    c.paint(Shape::circle(P(93.8f, 89.8f), 1.1f * kK), hex(0xffffff, 0.9f));
    c.paint(Shape::stroke({P(84, 91.5f), P(90, 87), P(97, 86), P(104, 89.5f)}, {1.2f * kK}),
            hex(0x0f1c4a, 0.8f));
}

void features(Canvas& c) {
    eye(c, 1);
    eye(c, -1);
    auto P = [](float x, float y) { return at(x, y); };
    // The nose: its shaded side and nostrils, its ridge catching the light.
    c.paint(outline({{kX - 1, 94}, {kX + 6, 116}, {kX + 8, 121}, {kX + 2, 121}}), hex(0x8a4a08, 0.35f),
            Blend::Inside);
    c.paint(Shape::stroke({P(kX - 2, 94), P(kX - 3, 110), P(kX - 5, 117)}, {1.6f * kK}), hex(0xfff6d0, 0.55f),
            Blend::Inside);
    for (float s : {-1.0f, 1.0f})
        c.paint(Shape::ellipse(P(kX + s * 5, 120), 2.4f * kK, 1.3f * kK), hex(0x5a2c04, 0.75f),
                Blend::Inside);
    // The lips, gently smiling, and the shade under them.
    const Shape upper =
        outline({{kX - 11, 130}, {kX - 4, 127}, {kX, 128}, {kX + 4, 127}, {kX + 11, 130}, {kX, 131.5f}});
    const Shape lower =
        outline({{kX - 10, 130.5f}, {kX, 132}, {kX + 10, 130.5f}, {kX + 5, 135.5f}, {kX - 5, 135.5f}});
    c.paint(upper | lower, Fill::vertical(126 * kK, 136 * kK, {{0, hex(0xd08a2a)}, {1, hex(0xb06a18)}}),
            Blend::Inside);
    c.paint(Shape::stroke({P(kX - 11, 130.2f), P(kX, 131.5f), P(kX + 11, 130.2f)}, {1.1f * kK}),
            hex(0x5a2c04, 0.85f), Blend::Inside);
    c.paint(Shape::ellipse(P(kX - 2, 133.5f), 4 * kK, 1.2f * kK), hex(0xfff0c0, 0.5f), Blend::Inside);
    c.paint(Shape::ellipse(P(kX, 140), 7 * kK, 2.2f * kK), hex(0x8a4a08, 0.3f), Blend::Inside);
}

// The false beard: a braid of gold and lapis chevrons, curled forward at its end.
void beard(Canvas& c) {
    const Shape b =
        outline({{kX - 7, 146}, {kX + 7, 146}, {kX + 8, 188}, {kX + 3, 195}, {kX - 3, 195}, {kX - 8, 188}});
    const Fill chevrons([](float x, float y) {
        const Vec2 p = Vec2{x, y} / kK;
        const float s = (p.y - 0.6f * std::abs(p.x - kX)) / 6.0f;
        const float f = s - std::floor(s);
        const float shade = clamp01((p.x - kX + 8) / 16);
        return f < 0.55f ? mixOklab(pal::kGoldLight, pal::kGoldDeep, shade)
                         : mixOklab(kLapisLight, kLapisDeep, shade);
    });
    objectPart(c, b, chevrons, 2);
    objectPart(c, box(kX - 9, 145, 18, 5, 2), goldFill({kX, 146}, 9), 1.5f);
}

// The rearing cobra on the brow: a gold hood inlaid with lapis and turquoise.
void cobra(Canvas& c) {
    Path half;
    half.moveTo({kX, 36})
        .cubicTo({kX - 5, 36}, {kX - 8, 42}, {kX - 7, 50})
        .lineTo({kX - 3, 62})
        .lineTo({kX, 64});
    const Shape hood = mirrored(half);
    objectPart(c, hood, goldFill({kX - 3, 42}, 14), 2);
    objectPart(c, outline({{kX, 43}, {kX + 3.5f, 49}, {kX, 58}, {kX - 3.5f, 49}}),
               litFill(pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, {kX, 48}, 8), 1);
    cabochon(c, {kX, 39.5f}, 2.2f, hex(0xff9a7a), pal::kTerracotta, pal::kTerracottaDeep);
}

}  // namespace

Canvas pharaohMask() {
    Canvas c(static_cast<int>(kObject * kK), static_cast<int>(kObject * kK));
    objectPart(c, headCloth(), stripes(9, 0.005f, {70, 30}, 190), 4);
    collar(c);
    for (float s : {-1.0f, 1.0f}) {
        const Shape l = lappet(s);
        objectPart(c, l, stripes(9, 0, {60, 70}, 160), 3);
        // The ear in front of the lappet.
        const Vec2 e{kX + s * 36, 104};
        objectPart(c, Shape::ellipse(e * kK, 6 * kK, 12 * kK), goldFill(e, 12), 3);
        engrave(c, Shape::ellipse(e * kK, 3 * kK, 7 * kK).outline(0.9f * kK), 0.8f);
    }
    objectPart(c, face(), goldFill({95, 85}, 70), 6);
    features(c);
    // The band the head cloth is tied with across the brow.
    objectPart(c, Shape::stroke({at(77, 66), at(92, 58), at(kX, 56.5f), at(128, 58), at(143, 66)}, {7 * kK}),
               goldFill({90, 56}, 30), 2);
    beard(c);
    cobra(c);
    sparkle(c, {86, 62}, 9);
    sparkle(c, {62, 30}, 6, 0.7f);
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
