// The hidden objects of the Egyptian scenes: a jewelled scarab, an ankh, a bronze key, a dagger, a painted
// jar, the feather of truth and a papyrus sandal.
#include <algorithm>
#include <cmath>
#include <vector>

#include "ho_items_art.h"

namespace gen::ho {

namespace {

void scarab(Pen& p) {
    // Six gold legs under the body.
    Shape legs = Shape::circle(kMid, 0);
    for (float s : {-1.0f, 1.0f}) {
        auto X = [s](float x) { return 48 + s * (48 - x); };
        legs = legs | curve({{X(37), 40}, {X(25), 35}, {X(18), 26}}, 3.4f, 2.2f) |
               curve({{X(34), 52}, {X(21), 53}, {X(13), 60}}, 3.4f, 2.2f) |
               curve({{X(37), 64}, {X(26), 72}, {X(23), 82}}, 3.4f, 2.2f);
    }
    p.part(legs, gold({40, 50}, 40), 1.2f);
    const Shape body = Shape::ellipse({48, 59}, 19.5f, 23);
    p.part(body, gold({42, 52}, 26), 2);
    // The wing cases in turquoise either side of the gold seam.
    for (float s : {-1.0f, 1.0f}) {
        const Shape wing = body.grown(-2.6f) & Shape::rect(s < 0 ? 20 : 49.3f, 30, 26.7f, 60);
        p.part(wing, turquoise({40 + 8 * s, 52}, 22), 2.5f);
        p.engrave(curve({{48 + 7 * s, 44}, {48 + 12 * s, 58}, {48 + 8 * s, 74}}, 0.8f, 0.6f), 0.6f);
    }
    // The shield behind the head, lapis in a gold rim, and the head with its toothed brow.
    const Shape shield = Shape::ellipse({48, 34}, 16, 9.5f);
    p.part(shield, gold({44, 30}, 16), 1.5f);
    p.part(shield.grown(-2.4f), lapis({44, 31}, 14), 1.5f);
    Shape head = Shape::ellipse({48, 22.5f}, 9.5f, 6.5f);
    for (float x : {41.5f, 45.0f, 48.0f, 51.0f, 54.5f}) head = head | Shape::circle({x, 17.5f}, 1.9f);
    p.part(head, gold({46, 20}, 9), 1.5f);
    p.gem({48, 34}, 3.6f, hex(0xffb898), pal::kTerracotta, pal::kTerracottaDeep);
    p.glint({38, 50}, 6);
}

void ankh(Pen& p) {
    const Shape loop = Shape::ellipse({48, 24}, 13.5f, 17.5f) - Shape::ellipse({48, 23}, 6.5f, 10.5f);
    const Shape bar =
        poly({{24, 39}, {42, 41.5f}, {54, 41.5f}, {72, 39}, {72, 53}, {54, 50.5f}, {42, 50.5f}, {24, 53}});
    const Shape shaft =
        poly({{43, 46}, {53, 46}, {58.5f, 88}, {37.5f, 88}}) | Shape::rect(37.5f, 82, 21, 8, 2.5f);
    const Shape whole = loop | bar | shaft;
    p.part(whole, gold({40, 34}, 48), 2.2f);
    // Lapis set into the gold, a turquoise stone where the arms meet.
    p.part(whole.grown(-3.4f), lapis({42, 40}, 44), 1.2f, 0.4f, 0.3f);
    p.stud({48, 46}, 6.5f);
    p.gem({48, 46}, 4.2f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    p.glint({38, 16}, 6);
}

void key(Pen& p) {
    constexpr float turn = -32;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    constexpr award::Metal bronze{hex(0xfff0d0), hex(0xf2bd7a), hex(0xcf8c46),
                                  hex(0x915424), hex(0x5a300e), pal::kOutline};
    const Shape bow = Shape::circle({19, 48}, 12.5f);
    const Shape shaft = Shape::rect(28, 44.8f, 54, 6.4f, 1.5f);
    const Shape bit =
        poly({{67, 49}, {81, 49}, {81, 64}, {76.5f, 64}, {76.5f, 59}, {72, 59}, {72, 64}, {67, 64}});
    const Shape collar = Shape::rect(31, 41, 6, 14, 2) | Shape::rect(40, 42.5f, 3.5f, 11, 1.5f);
    p.part(T(shaft | bit), metal(bronze, {40, 40}, 46), 1.8f);
    p.part(T(bow - Shape::circle({19, 48}, 7.5f)), metal(bronze, {14, 44}, 16), 2.2f);
    p.part(T(collar), metal(bronze, {34, 42}, 10), 1.5f);
    p.part(T(Shape::circle({84, 48}, 3.6f)), metal(bronze, {82, 46}, 4), 1.2f);
    p.engrave(T(Shape::line({46, 48}, {64, 48}, 0.8f)), 0.6f);
    p.gem(turned({19, 48}, turn), 6.4f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
}

void dagger(Pen& p) {
    constexpr float turn = -38;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    // The blade in bright steel, a fuller along its middle.
    const Shape blade = poly({{41, 42.5f}, {80, 43.6f}, {96, 48}, {80, 52.4f}, {41, 53.5f}});
    const Vec2 across0 = turned({60, 43}, turn), across1 = turned({60, 53}, turn);
    p.part(T(blade), cylinder(across0, across1, hex(0xffffff), hex(0xc4ccd6), hex(0x6c7686)), 1.2f);
    p.paint(T(Shape::line({44, 48}, {80, 48}, 1.4f)), hex(0x5a6474, 0.55f));
    p.paint(T(Shape::line({44, 46.6f}, {78, 46.8f}, 0.8f)), hex(0xffffff, 0.7f));
    // The grip wrapped in red leather between gold bands, the pommel with a lapis stone.
    const Shape grip = Shape::rect(15, 43.5f, 21, 9, 3);
    p.part(T(grip), terracotta({20, 44}, 16), 1.6f);
    for (float x : {20.0f, 25.0f, 30.0f}) p.engrave(T(Shape::line({x, 44}, {x + 2.5f, 52}, 0.7f)), 0.7f);
    const Shape guard =
        Shape::rect(35, 33, 6.5f, 30, 3) | Shape::circle({38.2f, 33}, 4) | Shape::circle({38.2f, 63}, 4);
    p.part(T(guard), gold({36, 40}, 20), 1.8f);
    p.part(T(Shape::circle({12, 48}, 6.2f)), gold({10, 46}, 7), 1.8f);
    p.gem(turned({12, 48}, turn), 3.6f, hex(0x9ab8ff), pal::kBlue, pal::kBlueDeep);
    p.gem(turned({38.2f, 48}, turn), 2.6f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    p.glint(turned({70, 46}, turn), 5);
}

void vase(Pen& p) {
    const Shape body = blob({{41, 21},
                             {30, 30},
                             {25, 47},
                             {28, 66},
                             {36, 80},
                             {48, 86},
                             {60, 80},
                             {68, 66},
                             {71, 47},
                             {66, 30},
                             {55, 21}});
    for (float s : {-1.0f, 1.0f}) {
        auto X = [s](float x) { return 48 + s * (x - 48); };
        p.part(curve({{X(35), 27}, {X(24), 24}, {X(20), 32}, {X(27), 40}}, 3.6f, 3.2f),
               terracotta({30, 28}, 14), 1.2f);
    }
    p.part(body, terracotta({40, 44}, 38), 3);
    // Painted bands: turquoise, a dark zigzag on sand, a lapis line, and lotus petals round the foot.
    p.paint(body & Shape::rect(0, 36, kBox, 7), turquoise({40, 38}, 30));
    std::vector<Vec2> zig;
    for (float x = 22; x <= 74; x += 4) zig.push_back({x, (static_cast<int>(x) / 4) % 2 ? 47.5f : 52.5f});
    p.paint(body & Shape::rect(0, 45, kBox, 10),
            lit(hex(0xfff0c8), pal::kSand, pal::kSandDark, {40, 48}, 30));
    p.paint(body & Shape::stroke(zig, {1.6f}), pal::kOutline.fade(0.85f));
    p.paint(body & Shape::rect(0, 58, kBox, 3), lapis({40, 58}, 30));
    for (float x = 30; x <= 66; x += 9)
        p.paint(body & Shape::ellipse({x, 74}, 3.4f, 7), turquoise({x - 1, 71}, 7));
    p.shade(body, {26, 40}, {70, 56});
    // The neck and the rolled rim.
    const Shape neck = poly({{40, 12}, {56, 12}, {55, 24}, {41, 24}});
    p.part(neck, terracotta({44, 14}, 12), 1.5f);
    p.paint(neck & Shape::rect(0, 17, kBox, 2.6f), pal::kGold);
    p.part(Shape::ellipse({48, 11.5f}, 13, 4.2f), terracotta({42, 9}, 12), 1.5f);
    p.part(Shape::ellipse({48, 10.6f}, 8.5f, 2.2f), hex(0x4a1c0e), 0.5f);
    p.glint({36, 34}, 5, 0.8f);
}

float featherWidth(float t) {
    // The quill below, then the vane widening fast and rounding at the tip.
    if (t < 0.14f) return 1.4f;
    const float u = (t - 0.14f) / 0.86f;
    return 1.4f + 10.5f * std::pow(std::sin(std::min(1.0f, u * 1.15f) * kPi * 0.5f), 0.5f) *
                      std::sqrt(std::max(0.0f, 1.0f - std::pow(u, 6.0f)));
}

void feather(Pen& p) {
    constexpr float turn = 18;
    std::vector<Vec2> spine = along({{47, 94}, {47.3f, 70}, {48.5f, 44}, {50.5f, 22}, {54, 6}}, 60);
    for (Vec2& v : spine) v = turned(v, turn);
    const Shape vane = ribbon(spine, featherWidth);
    p.part(vane, lit(hex(0xffffff), hex(0xf4ead2), hex(0xc8b48a), turned({42, 36}, turn), 40), 2.5f);
    // Turquoise and lapis bands across the upper vane, fine barbs, and the shaft.
    for (int b = 0; b < 3; ++b) {
        const float y = 28.0f + 9.0f * static_cast<float>(b);
        const Shape band = Shape::rect(20, y, 60, 3.5f).rotated(turn - 14, turned({49, y}, turn));
        p.paint(vane.grown(-0.6f) & band.rotated(0, kMid),
                b % 2 ? lapis({44, y}, 20) : turquoise({44, y}, 20));
    }
    for (int i = 18; i < 56; i += 3) {
        const Vec2 a = spine[static_cast<size_t>(i)], d = normalize(spine[static_cast<size_t>(i) + 1] - a);
        const Vec2 n{-d.y, d.x};
        for (float s : {-1.0f, 1.0f})
            p.paint(vane.grown(-1) & Shape::line(a, a + n * (11 * s) + d * 5, 0.45f), hex(0x8a7450, 0.45f));
    }
    p.part(curve({spine[2], spine[20], spine[40], spine[56]}, 2.0f, 0.8f), gold(turned({46, 50}, turn), 30),
           0.6f);
    p.shade(vane, turned({38, 40}, turn), turned({60, 46}, turn), 0.6f);
}

void sandal(Pen& p) {
    constexpr float turn = 14;
    auto T = [&](const Shape& s) { return s.rotated(turn, kMid); };
    std::vector<Vec2> pts{{48, 6},  {38, 8},     {30, 17}, {28, 31}, {32, 47}, {34.5f, 61},
                          {32, 75}, {35, 87},    {45, 93}, {55, 92}, {62, 85}, {62, 71},
                          {61, 57}, {64.5f, 42}, {67, 27}, {63, 13}, {56, 7}};
    const Shape sole = blob(pts);
    p.part(T(sole), lit(hex(0xfff0c8), pal::kSand, pal::kSandDark, {40, 30}, 60), 2.5f);
    // The woven papyrus: a plaited border and rows of weave across the sole.
    p.engrave(T(sole.grown(-4).outline(0.8f)), 0.6f);
    for (float y = 12; y < 90; y += 4.2f)
        p.engrave(T(sole.grown(-4.6f) & Shape::rect(0, y, kBox, 0.7f)), 0.45f);
    // The thong between the toes and the strap over the instep, in red leather.
    const Shape thong = curve({{44, 22}, {46, 30}, {48, 41}}, 3.2f, 3.6f);
    const Shape strap = curve({{29, 49}, {38, 42}, {48, 40.5f}, {58, 42}, {66, 47}}, 6.5f, 6.5f);
    p.part(T(thong | strap), terracotta(turned({40, 38}, turn), 24), 1.8f);
    p.paint(T(Shape::stroke({{31, 48}, {38, 42.6f}, {48, 41.2f}, {58, 42.6f}, {64, 46.5f}}, {1.0f})),
            pal::kGold.fade(0.8f));
    p.stud(turned({48, 41}, turn), 4.6f);
    p.gem(turned({48, 41}, turn), 2.8f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
}

}  // namespace

const std::vector<Object>& egyptObjects() {
    static const std::vector<Object> list = {
        {"scarab", scarab}, {"ankh", ankh},       {"key", key},       {"dagger", dagger},
        {"vase", vase},     {"feather", feather}, {"sandal", sandal},
    };
    return list;
}

}  // namespace gen::ho
