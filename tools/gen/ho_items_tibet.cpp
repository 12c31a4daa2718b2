// The hidden objects of the Tibetan scenes: a pomegranate, a gold cuff, a temple bell, a candle in its
// holder, a prayer wheel, a copper teapot and a gold coin.
#include <cmath>
#include <vector>

#include "ho_items_art.h"

namespace gen::ho {

namespace {

const Color kCoralLight = hex(0xffb39a), kCoral = hex(0xe0583a), kCoralDeep = hex(0x8a2a14);

void turquoiseStone(Pen& p, Vec2 m, float r) {
    p.gem(m, r, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
}
void coralStone(Pen& p, Vec2 m, float r) {
    p.gem(m, r, kCoralLight, kCoral, kCoralDeep);
}

void pomegranate(Pen& p) {
    // A leaf on its twig behind the fruit.
    const Shape leaf = blob({{52, 24}, {62, 15}, {75, 12}, {70, 22}, {60, 27}});
    p.part(leaf, lit(hex(0xb8e07a), hex(0x5aa040), hex(0x245a26), {62, 16}, 14), 1.2f);
    p.paint(leaf.grown(-1) & curve({{54, 24}, {63, 18}, {72, 14}}, 0.8f, 0.4f), hex(0xe0f5b0, 0.7f));
    const Shape crown = poly({{40, 33},
                              {36, 18},
                              {42, 24},
                              {44.5f, 14.5f},
                              {48, 21.5f},
                              {51.5f, 14.5f},
                              {54, 24},
                              {60, 18},
                              {56, 33}});
    p.part(crown, lit(hex(0xf08a6a), hex(0xa8283a), hex(0x5a0a18), {46, 22}, 12), 1.2f);
    const Shape fruit = blob(
        {{48, 28}, {61, 31}, {70, 41}, {73, 56}, {65, 70}, {48, 76}, {31, 70}, {23, 56}, {26, 41}, {35, 31}});
    p.part(fruit, lit(hex(0xff9a7a), hex(0xc8283a), hex(0x5e0a18), {46, 48}, 28), 3.5f);
    // Blush and a sheen on the skin, the crown's open mouth.
    p.paint(Shape::ellipse({56, 60}, 12, 10),
            Fill::radial({56, 60}, 12, {{0, hex(0xf0a030, 0.35f)}, {1, hex(0xf0a030, 0.0f)}}));
    p.part(Shape::ellipse({48, 31}, 6, 2), hex(0x4a0a14), 0.4f);
    p.paint(fruit & Shape::ellipse({37, 41}, 5, 7.5f).rotated(35, {37, 41}), hex(0xffffff, 0.35f));
    p.glint({35, 42}, 5);
}

void bracelet(Pen& p) {
    // A wide gold cuff lying on its side, seen low: its far inner wall shows through the opening.
    constexpr float top = 40, height = 15, rx = 32, ry = 10;
    const Shape cuff = Shape::ellipse({48, top}, rx, ry) | Shape::rect(48 - rx, top, 2 * rx, height) |
                       Shape::ellipse({48, top + height}, rx, ry);
    p.part(cuff, cylinder({16, 0}, {80, 0}, pal::kGoldPale, pal::kGold, pal::kBronze), 2);
    const Shape opening = Shape::ellipse({48, top}, rx - 4.5f, ry - 2.2f);
    p.part(opening,
           Fill::vertical(top - ry, top + ry,
                          {{0, hex(0x6a3a0a)}, {0.6f, pal::kGoldDeep}, {1, pal::kGoldLight}}),
           1, 0.3f, 0.5f);
    p.part(Shape::ellipse({48, top}, rx, ry) - opening, gold({34, top - 6}, 34), 1);
    // Turquoise and coral set along the front, between engraved lines.
    auto front = [&](float x, float off) {
        const float u = (x - 48) / rx;
        return top + off + ry * std::sqrt(std::max(0.0f, 1 - u * u));
    };
    std::vector<Vec2> upper, lower;
    for (float x = 19; x <= 77; x += 2) {
        upper.push_back({x, front(x, 2.6f)});
        lower.push_back({x, front(x, height - 2.2f)});
    }
    p.engrave(Shape::stroke(upper, {0.7f}), 0.6f);
    p.engrave(Shape::stroke(lower, {0.7f}), 0.6f);
    int i = 0;
    for (float x : {26.0f, 37.0f, 48.0f, 59.0f, 70.0f}) {
        const Vec2 m{x, front(x, height / 2 + 0.2f)};
        const float r = 3.6f * std::sqrt(1 - std::pow((x - 48) / rx, 2.0f) * 0.7f);
        p.stud(m, r + 1);
        if (i++ % 2) {
            coralStone(p, m, r);
        } else {
            turquoiseStone(p, m, r);
        }
    }
    p.glint({26, 44}, 5);
}

void bell(Pen& p) {
    const award::Metal bronze{hex(0xfff0c8), hex(0xf0c070), hex(0xc88a3a),
                              hex(0x8a561e), hex(0x4a2a0a), pal::kOutline};
    // The handle: a knob on a lotus collar under a five-pronged tip.
    p.part(Shape::rect(45, 12, 6, 20, 2), metal(bronze, {46, 18}, 10), 1);
    p.part(poly({{44, 10}, {45.5f, 3}, {47, 7}, {48, 1.5f}, {49, 7}, {50.5f, 3}, {52, 10}}),
           metal(bronze, {47, 5}, 6), 0.8f);
    p.part(Shape::ellipse({48, 12}, 5.5f, 3), metal(bronze, {46, 11}, 6), 1);
    p.part(Shape::ellipse({48, 21}, 6.5f, 4.5f), metal(bronze, {46, 19}, 7), 1.5f);
    p.part(Shape::ellipse({48, 29}, 10, 3.2f), metal(bronze, {44, 28}, 10), 1);
    // The body flaring to its lip, a dark mouth and the clapper in it.
    const Shape body = blob(
        {{48, 28}, {59, 30}, {63, 40}, {65, 55}, {72, 68}, {48, 71}, {24, 68}, {31, 55}, {33, 40}, {37, 30}});
    p.part(body, metal(bronze, {40, 42}, 36), 3);
    p.shade(body, {30, 50}, {68, 58}, 0.8f);
    p.part(Shape::ellipse({48, 70}, 25, 5.5f), metal(bronze, {38, 68}, 26), 1.5f);
    p.part(Shape::ellipse({48, 70.6f}, 21, 3.3f), hex(0x2a1206), 0.3f);
    p.part(Shape::circle({48, 76}, 4.2f), metal(bronze, {47, 75}, 4), 1.2f);
    // A turquoise band on the shoulder and a row of beads round the waist.
    p.part(body & Shape::rect(0, 38, kBox, 5), turquoise({42, 38}, 20), 0.6f);
    for (float x = 36; x <= 60; x += 4) {
        const float y = 55 + 0.01f * (x - 48) * (x - 48);
        p.stud({x, y}, 1.3f);
    }
    p.glint({38, 44}, 5);
}

void candle(Pen& p) {
    // The holder: a gold dish with a ring handle.
    p.part(Shape::circle({70, 76}, 5.6f) - Shape::circle({70, 76}, 3), gold({68, 73}, 6), 1);
    p.part(Shape::ellipse({48, 80}, 19, 5.5f), gold({40, 77}, 20), 2);
    p.part(Shape::ellipse({48, 76}, 10, 3.4f) | Shape::rect(38, 72, 20, 4), gold({44, 73}, 10), 1.2f);
    // The candle with a run of wax down its side.
    const Fill wax = cylinder({40, 0}, {56, 0}, hex(0xfffdf2), hex(0xf3e3c0), hex(0xc4a478));
    const Shape body = Shape::rect(40.5f, 32, 15, 42, 1.5f);
    p.part(body, wax, 1.2f);
    p.part(curve({{45, 33}, {44.5f, 40}, {45.5f, 46}, {44.8f, 50}}, 3, 2.2f), wax, 0.8f);
    p.part(Shape::ellipse({48, 32.5f}, 7.5f, 2.4f), hex(0xfff6dc), 0.5f);
    p.paint(Shape::line({48, 31}, {48.5f, 26}, 1.1f), pal::kOutline, Blend::Over);
    // The flame and its glow.
    p.paint(Shape::circle({48.5f, 20}, 12),
            Fill::radial({48.5f, 20}, 12, {{0, hex(0xffe08a, 0.5f)}, {1, hex(0xffd060, 0.0f)}}), Blend::Over);
    const Shape flame = blob({{49, 8}, {52, 16}, {52, 23}, {48.5f, 27}, {45, 23}, {45.5f, 16}});
    p.part(flame,
           Fill::radial({48.5f, 22}, 12, {{0, hex(0xffffff)}, {0.35f, hex(0xffe066)}, {1, hex(0xf06a1a)}}),
           0.5f, 0.2f, 0.1f);
}

void prayerWheel(Pen& p) {
    constexpr float turn = 12;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    // The wooden handle, its gold ferrule, and the chain with its weight.
    p.part(
        T(Shape::rect(45, 58, 6, 36, 2.5f)),
        cylinder(turned({45, 70}, turn), turned({51, 70}, turn), hex(0xc08a5a), hex(0x8a5228), hex(0x4a2410)),
        1);
    p.part(T(Shape::rect(43.5f, 60, 9, 6, 1.5f)), gold(turned({46, 61}, turn), 6), 1);
    std::vector<Vec2> chain;
    for (int i = 0; i < 6; ++i) chain.push_back(turned({68.5f + 2.6f * i, 44 + 1.4f * i * i * 0.35f}, turn));
    for (const Vec2& c : chain) p.part(Shape::circle(c, 1.4f), gold(c, 2), 0.4f);
    p.stud(turned({85, 52}, turn), 4.4f);
    // The drum, ringed at both ends, set with stones between engraved letters.
    const Shape drum = Shape::rect(30, 27, 36, 32) | Shape::ellipse({48, 59}, 18, 5);
    const Vec2 l = turned({30, 40}, turn), r = turned({66, 40}, turn);
    p.part(T(drum), cylinder(l, r, pal::kGoldPale, pal::kGold, pal::kBronze), 2);
    p.part(T(Shape::rect(30, 49, 36, 6) & drum),
           cylinder(l, r, hex(0xa8f4ea), pal::kTurquoise, pal::kTurquoiseDeep), 0.6f);
    for (float x : {36.0f, 48.0f, 60.0f}) {
        p.engrave(T(Shape::circle({x, 39}, 3.2f).outline(0.7f) | Shape::line({x, 35}, {x, 43}, 0.7f)), 0.7f);
    }
    for (float x : {42.0f, 54.0f}) coralStone(p, turned({x, 39}, turn), 2.2f);
    p.part(T(Shape::ellipse({48, 27}, 18, 5)), gold(turned({40, 25}, turn), 18), 1);
    // The domed cap and its spire.
    p.part(T(Shape::ellipse({48, 25}, 11, 9) & Shape::rect(0, 10, kBox, 15)),
           gold(turned({44, 18}, turn), 10), 2);
    p.part(T(poly({{48, 4}, {50.2f, 16}, {45.8f, 16}})), gold(turned({47, 10}, turn), 6), 0.6f);
    turquoiseStone(p, turned({48, 19}, turn), 2.2f);
    p.glint(turned({36, 34}, turn), 5);
}

void teapot(Pen& p) {
    const award::Metal copper{hex(0xffe2cc), hex(0xf0a070), hex(0xc8643a),
                              hex(0x8a361a), hex(0x4a1a0a), pal::kOutline};
    p.part(curve({{30, 42}, {14, 38}, {8, 50}, {14, 62}, {28, 64}}, 4.4f, 4), metal(copper, {12, 46}, 16),
           1.2f);
    p.part(curve({{64, 60}, {74, 54}, {82, 42}, {90, 32}}, 8, 4.4f), metal(copper, {76, 44}, 16), 1.5f);
    p.part(Shape::ellipse({90.5f, 31.5f}, 3.5f, 2.4f).rotated(-40, {90.5f, 31.5f}), hex(0x3a1406), 0.3f);
    p.part(Shape::ellipse({46, 73}, 15, 4), metal(copper, {40, 71}, 16), 1.2f);
    const Shape body = Shape::ellipse({46, 54}, 25, 19.5f);
    p.part(body, metal(copper, {40, 48}, 26), 3);
    // Brass bands with turquoise and coral, the lid and its knob.
    for (float y : {43.0f, 64.0f}) p.part(body & Shape::rect(0, y, kBox, 4.5f), gold({40, y}, 26), 0.8f);
    for (float x : {34.0f, 46.0f, 58.0f}) {
        if (x == 46) {
            coralStone(p, {x, 45.2f}, 2.6f);
        } else {
            turquoiseStone(p, {x, 45.2f}, 2.2f);
        }
    }
    p.part(Shape::ellipse({46, 35.5f}, 13, 4), gold({40, 34}, 14), 1);
    p.part(Shape::ellipse({46, 33}, 9, 6.5f) & Shape::rect(0, 20, kBox, 13.5f), metal(copper, {43, 28}, 9),
           1.8f);
    p.stud({46, 25}, 3.4f);
    p.glint({34, 47}, 6);
}

void coin(Pen& p) {
    const Vec2 m = kMid;
    p.part(Shape::circle(m, 19), gold(m, 19), 2.2f);
    p.part(Shape::circle(m, 14.5f), gold(m + Vec2{2, 2}, 16), 1.2f, 0.35f, 0.45f);
    // Beads round the rim and an eight-petalled lotus struck in the middle.
    Shape beads = Shape::circle(m, 0);
    for (int i = 0; i < 20; ++i) beads = beads | Shape::circle(polar(m, 16.8f, 18.0f * i), 0.9f);
    p.engrave(beads, 0.6f);
    Shape lotus = Shape::circle(m, 3.2f).outline(0.8f);
    for (int i = 0; i < 8; ++i) {
        const float a = 45.0f * i - 90;
        const Vec2 c = polar(m, 7.6f, a);
        lotus = lotus | Shape::ellipse(c, 1.9f, 4.2f).rotated(a + 90, c).outline(0.8f);
    }
    p.engrave(lotus, 0.85f);
    p.glint({41, 40}, 5);
}

}  // namespace

const std::vector<Object>& tibetObjects() {
    static const std::vector<Object> list = {
        {"pomegranate", pomegranate}, {"bracelet", bracelet}, {"bell", bell}, {"candle", candle},
        {"prayerwheel", prayerWheel}, {"teapot", teapot},     {"coin", coin},
    };
    return list;
}

}  // namespace gen::ho
