// The hidden objects of the Persian scenes: a sealed scroll, a hand mirror, a carved comb, an oil lamp, a
// jewelled goblet, a ruby ring and a slipper with a curled toe.
#include <cmath>
#include <vector>

#include "ho_items_art.h"

namespace gen::ho {

namespace {

const Color kRubyLight = hex(0xff9a9a), kRuby = hex(0xd02838), kRubyDeep = hex(0x5e0a18);

void scroll(Pen& p) {
    constexpr float turn = -18;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    // The rod's knobs, the rolled sheet and its spiral end.
    for (float x : {8.0f, 88.0f})
        p.part(T(Shape::circle({x, 48}, 4.2f)), gold(turned({x - 1, 46}, turn), 5), 1.5f);
    const Shape roll = Shape::rect(14, 36, 68, 24) | Shape::ellipse({82, 48}, 5.5f, 12);
    const Vec2 a = turned({48, 36}, turn), b = turned({48, 60}, turn);
    p.part(T(roll), cylinder(a, b, hex(0xfff6dc), hex(0xecd09a), hex(0xa8763e)), 1.5f);
    const Shape end = Shape::ellipse({14, 48}, 5.5f, 12);
    p.part(T(end), lit(hex(0xfff0d0), hex(0xe4c48c), hex(0xb08048), turned({12, 44}, turn), 10), 1);
    std::vector<Vec2> spiral;
    for (int i = 0; i < 40; ++i) {
        const float t = static_cast<float>(i) / 39.0f, ang = t * 4.5f * kPi;
        spiral.push_back(turned({14 + 4.6f * t * std::cos(ang), 48 + 10.5f * t * std::sin(ang)}, turn));
    }
    p.paint(T(end.grown(-0.6f)) & Shape::stroke(spiral, {0.7f}), hex(0x8a5a2a, 0.8f));
    // A red ribbon round the middle and its wax seal.
    const Shape band = Shape::rect(43, 35, 10, 26);
    p.part(T(band),
           Fill::linear(a, b, {{0, hex(0xf07a5a)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}), 1);
    p.part(T(curve({{47, 60}, {44, 68}, {40, 73}}, 4, 3) | curve({{49, 60}, {53, 67}, {58, 71}}, 4, 3)),
           terracotta(turned({46, 64}, turn), 10), 1);
    const Vec2 seal = turned({48, 58}, turn);
    p.part(blob({seal + Vec2{0, -7.5f}, seal + Vec2{6.5f, -4}, seal + Vec2{7.5f, 2.5f}, seal + Vec2{2, 7.2f},
                 seal + Vec2{-5, 6}, seal + Vec2{-7.6f, 0}, seal + Vec2{-5.5f, -5.5f}}),
           lit(hex(0xe8605a), hex(0xa8202c), hex(0x5a0a14), seal, 8), 2.2f);
    p.engrave(Shape::star(seal, 6, 3.6f, 1.6f).outline(0.7f), 0.8f);
    p.glint(turned({30, 40}, turn), 4, 0.7f);
}

void mirror(Pen& p) {
    constexpr float turn = 16;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    const Shape handle = poly({{44.5f, 56}, {51.5f, 56}, {50.5f, 88}, {45.5f, 88}});
    p.part(T(handle), gold(turned({46, 66}, turn), 20), 1.5f);
    p.part(T(Shape::ellipse({48, 63}, 6, 3.5f)), gold(turned({46, 62}, turn), 6), 1.5f);
    p.part(T(Shape::circle({48, 90}, 4.6f)), gold(turned({47, 88}, turn), 5), 1.5f);
    const Vec2 m = turned({48, 31}, turn);
    p.part(Shape::circle(m, 26), gold(m, 26), 2.5f);
    const Shape glass = Shape::circle(m, 20);
    p.part(glass, lit(hex(0xf4fbff), hex(0xa9cde2), hex(0x4a7896), m, 20), 1);
    // Light running across the glass, and turquoise studs round the frame.
    p.paint(glass & (Shape::rect(m.x - 30, m.y - 6, 60, 5).rotated(-45, m) |
                     Shape::rect(m.x - 30, m.y + 2, 60, 2.2f).rotated(-45, m)),
            hex(0xffffff, 0.55f));
    for (int i = 0; i < 8; ++i) {
        const Vec2 s = polar(m, 23, 22.5f + 45.0f * static_cast<float>(i));
        p.gem(s, 2.1f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    }
    p.gem(turned({48, 63}, turn), 2.4f, kRubyLight, kRuby, kRubyDeep);
}

void comb(Pen& p) {
    constexpr float turn = -10;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    const Fill ivory = lit(hex(0xfffbef), hex(0xf1dfb8), hex(0xb89868), turned({34, 34}, turn), 50);
    Shape teeth = Shape::rect(12, 48, 72, 4);
    for (float x = 12.5f; x < 83; x += 4.2f) teeth = teeth | Shape::rect(x, 48, 2.6f, 22, 1.3f);
    p.part(T(teeth), ivory, 0.8f);
    const Shape back = Shape::rect(10, 36, 76, 16, 3) | Shape::ellipse({48, 38}, 30, 14);
    p.part(T(back), ivory, 2.2f);
    // A gold arch inlaid along the back with scrolls cut either side and a turquoise stone at its crown.
    const Shape arch = (Shape::ellipse({48, 39}, 24.5f, 10) - Shape::ellipse({48, 40}, 21.5f, 7.8f)) &
                       Shape::rect(0, 0, kBox, 46);
    p.part(T(arch), gold(turned({40, 32}, turn), 24), 0.8f);
    p.part(T(Shape::rect(14, 45, 68, 3.2f, 1.2f)), gold(turned({40, 44}, turn), 30), 0.8f);
    for (float s : {-1.0f, 1.0f}) {
        auto X = [s](float x) { return 48 + s * (x - 48); };
        p.engrave(T(curve({{X(44), 43}, {X(36), 39}, {X(30), 41}, {X(31), 44}, {X(34), 43}}, 0.8f, 0.6f)),
                  0.7f);
        p.engrave(T(curve({{X(28), 43.5f}, {X(20), 41}, {X(16), 43}}, 0.8f, 0.6f)), 0.6f);
    }
    p.stud(turned({48, 35}, turn), 5.2f);
    p.gem(turned({48, 35}, turn), 3.6f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
}

void lamp(Pen& p) {
    // The handle and foot behind the body.
    p.part(curve({{25, 50}, {13.5f, 42.5f}, {8, 52}, {12.5f, 61.5f}, {23, 63}}, 4.2f, 3.6f),
           gold({10, 48}, 14), 1.2f);
    p.part(poly({{37, 66}, {51, 66}, {54, 74}, {34, 74}}), gold({40, 68}, 10), 1.2f);
    p.part(Shape::ellipse({44, 75}, 15, 3.8f), gold({38, 73}, 16), 1.2f);
    const Shape bowl = Shape::ellipse({44, 57}, 26, 13.5f);
    const Shape spout = curve({{60, 59}, {71, 56}, {80, 49}, {87.5f, 41}}, 11, 4.5f);
    const Shape body = bowl.blend(spout, 5);
    p.part(body, gold({34, 48}, 50), 3);
    p.shade(body & Shape::rect(0, 56, kBox, 20), {0, 56}, {0, 72}, 0.7f);
    // A turquoise band set with rubies round the belly.
    const Shape band = bowl.grown(-2.5f) & Shape::rect(0, 54, kBox, 6);
    p.part(band, turquoise({34, 55}, 30), 0.8f);
    for (float x : {30.0f, 44.0f, 58.0f}) p.gem({x, 57}, 2.4f, kRubyLight, kRuby, kRubyDeep);
    // The domed lid with its finial.
    const Shape dome = Shape::ellipse({44, 45}, 12.5f, 10) & Shape::rect(0, 30, kBox, 15.5f);
    p.part(dome, gold({40, 38}, 12), 2.2f);
    p.part(Shape::ellipse({44, 45}, 14, 2.4f), gold({40, 44}, 14), 0.8f);
    p.part(Shape::circle({44, 33.5f}, 2.6f) | poly({{44, 24}, {46.4f, 31}, {41.6f, 31}}), gold({43, 29}, 5),
           0.8f);
    // The flame at the spout's tip.
    const Shape flame = blob({{89.5f, 24}, {92.7f, 32}, {92, 38}, {88.5f, 40.5f}, {85, 38}, {85, 32}});
    p.part(flame,
           Fill::radial({88.5f, 36}, 8, {{0, hex(0xfffbe0)}, {0.45f, hex(0xffd24a)}, {1, hex(0xf06a1a)}}),
           0.6f, 0.2f, 0.1f);
    p.glint({32, 50}, 6);
}

void goblet(Pen& p) {
    p.part(poly({{41, 70}, {55, 70}, {64, 84}, {32, 84}}), gold({40, 74}, 20), 1.5f);
    p.part(Shape::ellipse({48, 85}, 18, 4.6f), gold({40, 82}, 20), 1.5f);
    p.part(Shape::rect(45, 42, 6, 30, 2), gold({46, 50}, 12), 1);
    p.part(Shape::ellipse({48, 55}, 6.5f, 4.2f), gold({46, 53}, 7), 1.5f);
    const Shape cup = blob({{27.5f, 13}, {29, 27}, {35, 38}, {48, 44}, {61, 38}, {67, 27}, {68.5f, 13}});
    p.part(cup, gold({38, 22}, 32), 3);
    // A band of rubies and turquoise between beaded lines, and the dark wine inside the rim.
    p.part(cup & Shape::rect(0, 22, kBox, 10), lapis({40, 24}, 24), 0.8f);
    p.gem({48, 27}, 4.2f, kRubyLight, kRuby, kRubyDeep);
    for (float s : {-1.0f, 1.0f})
        p.gem({48 + 11.5f * s, 27}, 2.8f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    for (float x = 34; x <= 62; x += 4) p.stud({x, 35.5f + 0.012f * (x - 48) * (x - 48) - 1.2f}, 1.2f);
    p.part(Shape::ellipse({48, 13}, 20.5f, 5.2f), gold({42, 10}, 20), 1);
    p.part(Shape::ellipse({48, 13.4f}, 17, 3.4f),
           lit(hex(0xb0304a), hex(0x6a0a22), hex(0x30040e), {44, 12}, 16), 0.5f);
    p.glint({35, 18}, 5);
}

void ring(Pen& p) {
    // The band seen from above at a slant, thicker at the front; the setting and its ruby on top.
    const Shape band = Shape::ellipse({48, 59}, 21, 13) - Shape::ellipse({48, 57}, 15.5f, 8.4f);
    p.part(band, gold({38, 52}, 24), 2.4f);
    p.engrave(Shape::ellipse({48, 61}, 18.4f, 10.5f).outline(0.7f) & Shape::rect(0, 62, kBox, 20), 0.6f);
    const Shape cup = blob({{37, 36}, {59, 36}, {55, 45}, {48, 50}, {41, 45}});
    p.part(cup, gold({44, 40}, 12), 1.6f);
    p.gem({48, 32}, 10, kRubyLight, kRuby, kRubyDeep);
    // Four claws holding the stone.
    for (float a : {-150.0f, -30.0f, 35.0f, 145.0f}) {
        const Vec2 c = polar({48, 32}, 9.6f, a);
        p.part(Shape::ellipse(c, 1.3f, 2.2f).rotated(a + 90, c), gold(c, 3), 0.6f);
    }
    p.glint({44, 28}, 4.5f);
    p.glint({33, 54}, 4, 0.8f);
}

void slipper(Pen& p) {
    // The gold-edged sole, then the red velvet upper ending in a curled toe with a tassel.
    const Shape sole = curve({{9, 60}, {24, 65}, {46, 66}, {66, 63}, {80, 56}, {88, 47}}, 4, 3.2f);
    p.part(sole, gold({40, 60}, 46), 1);
    const Shape upper = blob({{9, 43},
                              {8, 56},
                              {18, 63},
                              {40, 64},
                              {62, 61},
                              {78, 54},
                              {87, 45},
                              {91, 36},
                              {88, 29},
                              {82, 28.5f},
                              {80.5f, 33},
                              {83.5f, 36},
                              {80, 43},
                              {72, 48},
                              {56, 48},
                              {42, 44},
                              {27, 40},
                              {15, 39}});
    p.part(upper, lit(hex(0xf07a6a), hex(0xb8283a), hex(0x5e0a1c), {40, 44}, 50), 2.5f);
    const Shape opening = Shape::ellipse({27, 42.5f}, 17, 4.6f);
    p.part(opening, lit(hex(0x6a3040), hex(0x3a0c18), hex(0x1a0408), {24, 42}, 16), 0.8f);
    p.part(opening.outline(2.4f) - Shape::ellipse({27, 41}, 16, 3.6f), gold({22, 40}, 18), 0.6f);
    // Gold embroidery: a vine of curls along the side, and turquoise beads.
    p.paint(upper.grown(-1) & curve({{16, 53}, {30, 57}, {46, 56}, {62, 53}, {76, 45}}, 1.1f, 0.8f),
            pal::kGoldLight);
    for (Vec2 b : {Vec2{24, 53}, Vec2{40, 52.2f}, Vec2{56, 51.5f}, Vec2{69, 47.5f}}) {
        p.paint(upper.grown(-1) & Shape::circle(b, 2.4f).outline(0.9f), pal::kGoldLight);
        p.gem(b, 1.3f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    }
    p.stud({81.5f, 31}, 3.4f);
    p.glint({30, 52}, 4, 0.6f);
}

}  // namespace

const std::vector<Object>& persiaObjects() {
    static const std::vector<Object> list = {
        {"scroll", scroll}, {"mirror", mirror}, {"comb", comb},       {"lamp", lamp},
        {"goblet", goblet}, {"ring", ring},     {"slipper", slipper},
    };
    return list;
}

}  // namespace gen::ho
