// The jewelled oil lamp hidden in the chest: a gold body on a turned foot with a long curving spout, a
// looped handle and a domed lid, banded in turquoise enamel set with terracotta stones.
#include <cmath>
#include <vector>

#include "pe_art.h"

namespace gen::pe {

namespace {

// The lamp is drawn round this point so that it sits in the middle of its picture.
constexpr Vec2 kShift{-5, 2};

Vec2 q(float x, float y) {
    return Vec2{x, y} + kShift;
}
Vec2 Q(float x, float y) {
    return q(x, y) * kK;
}

Shape body() {
    const Shape bowl = Shape::ellipse(Q(100, 128), 56 * kK, 29 * kK);
    const Shape spout = curve({q(136, 135), q(160, 128), q(178, 114), q(192, 96), q(202, 84)}, 22, 6.5f);
    return bowl.blend(spout, 10 * kK);
}

void handle(Canvas& c) {
    const Shape loop =
        curve({q(60, 114), q(38, 101), q(23, 109), q(21, 128), q(31, 143), q(52, 146)}, 7.5f, 6);
    const Shape thumb = curve({q(39, 102), q(35, 93), q(39, 87), q(45, 87)}, 5, 3.5f);
    objectPart(c, loop | thumb, goldFill(q(34, 110), 30), 2.5f);
}

void foot(Canvas& c) {
    const Shape stem = outline({q(90, 150), q(110, 150), q(114, 164), q(86, 164)});
    objectPart(c, stem, goldFill(q(96, 154), 16), 2);
    const Shape base = Shape::ellipse(Q(100, 170), 30 * kK, 8 * kK);
    objectPart(c, base, goldFill(q(88, 166), 30), 3);
    engrave(c, Shape::ellipse(Q(100, 168.5f), 24 * kK, 4.5f * kK).outline(0.8f * kK), 0.7f);
    objectPart(c, Shape::ellipse(Q(100, 161), 15 * kK, 4 * kK), goldFill(q(95, 159), 14), 1.5f);
}

// The turquoise band round the widest part of the body, set with terracotta stones between gold dots.
void band(Canvas& c, const Shape& b) {
    auto arc = [](float x) { return 126 + 0.0012f * (x - 100) * (x - 100); };
    std::vector<Vec2> top, bottom;
    for (float x = 30; x <= 150; x += 4) {
        top.push_back(q(x, arc(x) - 7));
        bottom.push_back(q(x, arc(x) + 7));
    }
    std::vector<Vec2> ring = top;
    ring.insert(ring.end(), bottom.rbegin(), bottom.rend());
    const Shape strip = outline(ring) & b.grown(-2.5f * kK);
    objectPart(c, strip.grown(2.2f * kK) & b, goldFill(q(80, 120), 60), 1.2f);
    objectPart(c, strip, litFill(pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, q(70, 124), 60),
               1.5f);
    for (float x : {62.0f, 100.0f, 136.0f}) {
        const Vec2 m = q(x, arc(x));
        goldPart(c, Shape::circle(m * kK, 6.5f * kK), m, 7);
        cabochon(c, m, 4.5f, hex(0xffb898), pal::kTerracotta, pal::kTerracottaDeep);
    }
    for (float x : {44.0f, 81.0f, 118.0f}) stud(c, q(x, arc(x)), 2.2f);
}

// Gold scrolls chased into the body above and below the band.
void chasing(Canvas& c) {
    Shape lines = Shape::stroke({Q(56, 114), Q(70, 108), Q(84, 112), Q(92, 106)}, {0.9f * kK});
    lines = lines | Shape::stroke({Q(108, 106), Q(118, 112), Q(132, 108), Q(146, 114)}, {0.9f * kK});
    lines =
        lines | Shape::stroke({Q(64, 144), Q(80, 150), Q(100, 148), Q(120, 151), Q(136, 145)}, {0.9f * kK});
    for (float x : {74.0f, 126.0f})
        lines = lines | Shape::circle(Q(x, 104 + (x > 100 ? 2.0f : 0.0f)), 1.8f * kK).outline(0.8f * kK);
    engrave(c, lines, 0.7f);
}

void lid(Canvas& c) {
    // The neck, ringed with terracotta enamel.
    objectPart(c, box(q(84, 94).x, q(0, 94).y, 32, 12, 3), goldFill(q(92, 96), 18), 2);
    objectPart(c, box(q(85, 98).x, q(0, 98).y, 30, 4.5f, 1),
               litFill(hex(0xf6a07a), pal::kTerracotta, pal::kTerracottaDeep, q(94, 99), 14), 0.8f);
    const Shape dome = Shape::ellipse(Q(100, 94), 19 * kK, 16 * kK) & box(0, q(0, 60).y, kObject, 34.5f);
    objectPart(c, dome, goldFill(q(92, 84), 22), 4);
    objectPart(c, Shape::ellipse(Q(100, 94.5f), 21 * kK, 3.5f * kK), goldFill(q(92, 93), 22), 1.2f);
    cabochon(c, q(100, 86), 5, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    // The finial: a small bead and a flame-shaped tip.
    objectPart(c, Shape::circle(Q(100, 74), 4.5f * kK), goldFill(q(98, 72), 5), 2);
    const Shape tip = outline({q(100, 52), q(104, 62), q(103, 68), q(97, 68), q(96, 62)});
    objectPart(c, tip.grown(0.5f * kK), goldFill(q(98, 58), 9), 1.5f);
}

}  // namespace

Canvas oilLamp() {
    Canvas c(static_cast<int>(kObject * kK), static_cast<int>(kObject * kK));
    handle(c);
    foot(c);
    const Shape b = body();
    objectPart(c, b, goldFill(q(78, 110), 95), 6);
    // The spout's mouth, and the shade under the belly.
    objectPart(c, Shape::ellipse(Q(203, 83), 4.5f * kK, 3 * kK).rotated(-40, Q(203, 83)),
               litFill(hex(0x7a4410), hex(0x4a2408), hex(0x2a1204), q(203, 83), 4), 0.8f);
    c.paint(b,
            Fill::vertical(q(0, 134).y * kK, q(0, 156).y * kK,
                           {{0, hex(0x6a3000, 0.0f)}, {1, hex(0x6a3000, 0.35f)}}),
            Blend::Inside);
    chasing(c);
    band(c, b);
    lid(c);
    sparkle(c, q(66, 112), 9);
    sparkle(c, q(176, 112), 6, 0.7f);
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
