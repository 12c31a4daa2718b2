// The bronze singing bowl hidden in the chest: seen a little from above on a lapis-blue cushion, its band
// set with turquoise stones, its wooden striker with a leather grip lying in front.
#include <cmath>
#include <vector>

#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr Vec2 kShift{0, -22};
constexpr float kX = kObject / 2.0f, kRimY = 92, kRx = 76, kRy = 20;  // the rim's ellipse

Vec2 q(float x, float y) {
    return Vec2{x, y} + kShift;
}
Vec2 Q(float x, float y) {
    return q(x, y) * kK;
}

const Gradient kBronze{{0, hex(0xfff0c0)},
                       {0.18f, hex(0xeec070)},
                       {0.45f, hex(0xc98a3a)},
                       {0.75f, hex(0x8a5220)},
                       {1, hex(0x4a2610)}};

// The point of the rim's ellipse at `deg` (0 right, 90 nearest to us), grown by `dr`.
Vec2 onRim(float deg, float dr = 0) {
    return q(kX, kRimY) +
           Vec2{std::cos(deg * kPi / 180) * (kRx + dr), std::sin(deg * kPi / 180) * (kRy + dr * kRy / kRx)};
}

void cushion(Canvas& c) {
    const Shape pad = Shape::ellipse(Q(kX, 160), 94 * kK, 34 * kK);
    objectPart(c, pad, litFill(hex(0x5a7ed0), pal::kBlue, pal::kBlueNight, q(80, 148), 100), 10);
    // A gold cord round the seam and a tassel at each side.
    objectPart(c, Shape::ellipse(Q(kX, 158), 88 * kK, 29 * kK).outline(2.4f * kK), goldFill(q(80, 140), 100),
               1);
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 t = q(kX + s * 90, 164);
        objectPart(c, outline({t + Vec2{-2, -3}, t + Vec2{2, -3}, t + Vec2{4.5f, 10}, t + Vec2{-4.5f, 10}}),
                   goldFill(t, 8), 1);
        stud(c, t + Vec2{0, -3}, 3);
    }
}

// The outer wall: the rim's front half and a rounded belly narrowing to a flat foot.
Shape wall() {
    Path p;
    p.moveTo(onRim(180));
    p.cubicTo(q(kX - kRx, 124), q(kX - 52, 150), q(kX, 152));
    p.cubicTo(q(kX + 52, 150), q(kX + kRx, 124), onRim(0));
    for (int d = 0; d <= 180; d += 6) p.lineTo(onRim(static_cast<float>(-d)));
    return outline(p.points());
}

void bowl(Canvas& c) {
    // Polished bronze: a bright vertical sheen left of the middle, dark at the far right, turned rings.
    const Fill metal([](float x, float y) {
        const Vec2 p = Vec2{x, y} / kK - q(0, 0);
        const float u = (p.x - kX) / kRx;
        const float sheen = std::exp(-((u + 0.4f) * (u + 0.4f)) / 0.025f);
        const float rings = 0.03f * std::sin((p.y - kRimY) * 1.3f);
        return kBronze.at(clamp01(0.48f + 0.38f * u - 0.4f * sheen + rings + 0.1f * (p.y - 120) / 40));
    });
    objectPart(c, wall(), metal, 5);

    // The band below the rim: two chased lines with small rings between, and turquoise stones.
    auto along = [](float deg, float down) { return onRim(deg) + Vec2{0, down}; };
    std::vector<Vec2> upper, lower;
    for (int d = 4; d <= 176; d += 4) {
        upper.push_back(along(static_cast<float>(d), 9) * kK);
        lower.push_back(along(static_cast<float>(d), 25) * kK);
    }
    Shape lines = Shape::stroke(upper, {1.0f * kK}) | Shape::stroke(lower, {1.0f * kK});
    for (int d = 18; d <= 162; d += 12)
        if (d % 36 != 0)
            lines =
                lines | Shape::circle(along(static_cast<float>(d), 17) * kK, 2.2f * kK).outline(0.8f * kK);
    engrave(c, lines, 0.8f);
    for (float d : {36.0f, 72.0f, 108.0f, 144.0f}) {
        const Vec2 m = along(d, 17);
        goldPart(c, Shape::circle(m * kK, 5.5f * kK), m, 6);
        cabochon(c, m, 4, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    }

    // The rim, a thick rolled lip, and the inside seen over it: the far wall lit, the bottom in shade.
    const Shape outer = Shape::ellipse(Q(kX, kRimY), kRx * kK, kRy * kK);
    const Shape inside = Shape::ellipse(Q(kX, kRimY + 1), (kRx - 7) * kK, (kRy - 5) * kK);
    objectPart(
        c, outer - inside,
        Fill::linear(Q(kX - kRx, kRimY - kRy), Q(kX + kRx, kRimY + kRy),
                     {{0, hex(0xfff0c0)}, {0.3f, hex(0xeec070)}, {0.7f, hex(0xb07830)}, {1, hex(0x6a3a14)}}),
        2.5f);
    const Field f = inside.field(c.width(), c.height());
    Canvas in(c.width(), c.height());
    in.paint(f.coverage(), Fill::vertical(q(0, kRimY - kRy + 5).y * kK, q(0, kRimY + kRy - 4).y * kK,
                                          {{0, hex(0xe0a860)}, {0.45f, hex(0x9a6028)}, {1, hex(0x3a1c08)}}));
    in.paint(
        Shape::ellipse(Q(kX + 6, kRimY + 6), 34 * kK, 6 * kK),
        Fill::radial(Q(kX + 6, kRimY + 6), 34 * kK, {{0, hex(0x2a1406, 0.5f)}, {1, hex(0x2a1406, 0.0f)}}),
        Blend::Inside);
    innerShadow(in, f, 2.5f * kK, 2.5f * kK, hex(0x1a0a02, 0.7f));
    c.draw(in, 0, 0);
    c.paint(inside.outline(0.8f * kK), pal::kOutline.fade(0.7f));
}

// The striker: a turned wooden stick with a suede grip, lying on the cushion in front of the bowl.
void striker(Canvas& c) {
    const Vec2 a = q(34, 194), b = q(188, 168);
    objectPart(c, Shape::line(a * kK, b * kK, 9 * kK),
               wood(hex(0x4a2410), hex(0x8a5028), hex(0xd09858), 0.55f, 131u, normalize(b - a)), 2.5f);
    const Vec2 g0 = lerp(a, b, 0.62f);
    objectPart(c, Shape::line(g0 * kK, b * kK, 11.5f * kK),
               litFill(hex(0xc07850), hex(0x8a3a24), hex(0x4a1a0e), lerp(g0, b, 0.3f), 40), 3);
    // Stitches along the grip and a gold ring where it begins.
    for (float t = 0.08f; t < 0.95f; t += 0.12f) {
        const Vec2 m = lerp(g0, b, t);
        c.paint(Shape::line((m + Vec2{-1, -4}) * kK, (m + Vec2{1, 4}) * kK, 0.8f * kK), hex(0x2a0c06, 0.55f),
                Blend::Inside);
    }
    goldPart(c, Shape::line((g0 + Vec2{-1, -6.5f}) * kK, (g0 + Vec2{1, 6.5f}) * kK, 4 * kK), g0, 6);
}

}  // namespace

Canvas singingBowl() {
    Canvas c(static_cast<int>(kObject * kK), static_cast<int>(kObject * kK));
    cushion(c);
    bowl(c);
    striker(c);
    sparkle(c, q(58, 112), 9);
    sparkle(c, q(150, 80), 6, 0.7f);
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
