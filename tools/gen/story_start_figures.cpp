// The professor and Tazmira from the chest up, painted with the portraits' own brushes so they look the
// same here as in the dialogs; each figure's picture ends on the line it stands behind.
#include "Palette.h"
#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "story_start_art.h"

namespace gen::opening {

using dialog::Bust;
using dialog::cloth;

namespace {

// The portraits' heads, drawn smaller and higher: portrait units → figure units.
struct Place {
    Vec2 from, to;
    float k;
    Vec2 operator()(Vec2 p) const { return to + (p - from) * k; }
    Shape operator()(const Shape& s) const { return s.scaled(k, from).moved(to - from); }
    Fill fill(Vec2 m, float r, Color c) const { return cloth((*this)(m), r * k, c); }
    std::vector<Vec2> pts(std::initializer_list<Vec2> ps) const {
        std::vector<Vec2> out;
        for (Vec2 p : ps) out.push_back((*this)(p));
        return out;
    }
};

Bust::Face placedFace(Bust::Face f, const Place& p) {
    f.centre = p(f.centre);
    f.rx *= p.k;
    f.ry *= p.k;
    return f;
}

// A sleeve from the shoulder to the hand, and the hand, a mitten with its thumb.
void arm(Bust& b, std::vector<Vec2> sleeve, float width, Color cloth_, Vec2 hand, float handR, Color skin,
         float turn) {
    b.part(Shape::stroke(sleeve, {width, width * 0.85f, width * 0.75f}),
           cloth(sleeve.front(), width * 2.5f, cloth_), 1.0f, 2);
    const Shape palm = Shape::ellipse(hand, handR, handR * 1.15f).rotated(turn, hand);
    const Shape thumb = Shape::ellipse(hand + Vec2{-handR * 0.8f, -handR * 0.3f}, handR * 0.35f, handR * 0.7f)
                            .rotated(turn - 30, hand);
    b.part(palm.blend(thumb, 1.0f), cloth(hand, handR * 1.5f, skin), 0.8f, 1.2f);
}

// The figure's picture: the big canvas shrunk to kFigure and its shadow laid on the wall behind.
Canvas finishFigure(Bust& b) {
    Canvas small = b.canvas().downsampled(static_cast<int>(dialog::kScale * dialog::kPortrait / kFigure));
    return hud::shadowed(small, {7, 3}, 6, 0.35f);
}

}  // namespace

Canvas professorFigure() {
    Bust b{Fill(kTransparent)};
    const Place p{{66, 58}, {64, 38}, 0.86f};
    Bust::Face f{hex(0xf0c4a0), hex(0xb97c5a)};
    f.rx = 20;
    f.ry = 24;
    f.oldAge = true;
    f.eyes = hex(0x3a5a7a);
    f.brows = hex(0xe6e2da);
    f = placedFace(f, p);
    b.neck(f);
    // Tweed jacket over a dark waistcoat with its watch chain, white shirt and the deep blue bow tie.
    const Color tweed = hex(0x7a5434), vest = hex(0x5a2e22);
    const Shape body = Shape::ellipse({64, 92}, 44, 22).blend(Shape::rect(22, 92, 84, 48, 8), 8);
    b.part(body, cloth({50, 84}, 50, tweed), 1.1f, 4);
    b.part(Shape::polygon({{50, 76}, {78, 76}, {78, 140}, {50, 140}}), cloth({58, 90}, 30, vest), 0.9f, 2);
    b.part(Shape::polygon({{54, 72}, {74, 72}, {64, 102}}), cloth({60, 78}, 14, hex(0xf4efe6)), 0.9f, 2);
    for (float y : {108.0f, 118.0f, 128.0f})
        b.part(Shape::circle({64, y}, 1.6f), hud::gold(y - 2, y + 2), 0.5f, 0.4f);
    b.part(Shape::stroke({{52, 112}, {58, 117}, {64, 118}}, {1.0f}), hud::gold(110, 120), 0.4f, 0.2f);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{64 + s * 10, 72}, {64 + s * 24, 80}, {64 + s * 18, 96}, {64 + s * 13, 140}}),
               cloth({54, 84}, 24, tweed), 0.9f, 2);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{64, 77}, {64 + s * 8, 72.5f}, {64 + s * 8, 81.5f}}),
               cloth({60, 74}, 9, pal::kBlue), 0.8f, 1.5f);
    b.part(Shape::circle({64, 77}, 2.3f), cloth({63, 76}, 4, pal::kBlue), 0.8f, 1);
    // His left arm hangs behind the desk; his right holds up the magnifying glass.
    const Color skin = f.skin;
    arm(b, {{28, 90}, {22, 116}, {22, 140}}, 15, tweed, {22, 150}, 5, skin, 0);
    b.part(Shape::line({104, 72}, {104, 96}, 3), cloth({103, 80}, 8, hex(0x6a3a1c)), 0.7f, 1);
    b.part(Shape::circle({104, 62}, 11).outline(3.4f), hud::gold(50, 74), 0.7f, 1);
    b.part(Shape::circle({104, 62}, 9.3f),
           Fill::linear({96, 54}, {112, 70},
                        {{0, hex(0xf4fbff, 0.75f)}, {0.5f, hex(0xbfe0ec, 0.35f)}, {1, hex(0x7aa8c0, 0.45f)}}),
           0, 0.6f);
    arm(b, {{100, 88}, {110, 110}, {106, 100}}, 14, tweed, {104, 98}, 5, skin, 10);
    b.head(f);
    b.features(f);
    const Color white = hex(0xeeebe4);
    for (float s : {-1.0f, 1.0f})
        b.part(p(Shape::ellipse({66 + s * 20, 50}, 6, 10).rotated(s * 15, {66 + s * 20, 50})),
               p.fill({66 + s * 18, 46}, 10, white), 0.8f, 2);
    b.shade(p(Shape::ellipse({58, 40}, 7, 4).rotated(-20, {58, 40})), p(Shape::circle({66, 56}, 20)),
            hex(0xffffff, 0.35f), 2);
    const Fill beard = p.fill({60, 80}, 24, white);
    b.part(p(Shape::ellipse({66, 86}, 19, 20).blend(Shape::ellipse({66, 74}, 20, 8), 6)), beard, 1.0f, 3);
    for (float s : {-1.0f, 1.0f})
        b.ink(p.pts({{66 + s * 6, 84}, {66 + s * 8, 94}, {66 + s * 5, 102}}), 0.6f, hex(0xa8a49c));
    for (float s : {-1.0f, 1.0f})
        b.part(p(Shape::ellipse({66 + s * 6.5f, 76}, 8, 3.5f).rotated(s * 12, {66 + s * 6.5f, 76})),
               p.fill({62, 74}, 10, white), 0.8f, 1.5f);
    b.ink(p.pts({{63, 81}, {66, 81.6f}, {69, 81}}), 1.0f, hex(0x5a2a1a));
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 e = p({66 + s * 8, 60});
        b.shade(Shape::circle(e, 6.5f * p.k), hex(0xdff0ff, 0.18f));
        b.part(Shape::circle(e, 6.5f * p.k).outline(1.2f), hud::gold(e.y - 6, e.y + 6), 0.6f, 0.5f);
    }
    b.part(Shape::stroke(p.pts({{63, 59.5f}, {66, 58.2f}, {69, 59.5f}}), {1.1f}), hud::gold(45, 50), 0.5f,
           0.3f);
    return finishFigure(b);
}

Canvas tazmiraFigure(bool waving) {
    Bust b{Fill(kTransparent)};
    const Place p{{66, 64}, {64, 42}, 0.9f};
    Bust::Face f{hex(0xf2c49a), hex(0xc9825a)};
    f.rx = 18.5f;
    f.ry = 22.5f;
    f.female = true;
    f.eyes = hex(0x2f7a58);
    f.brows = hex(0x6a2c12);
    f.lips = hex(0xc4503c);
    f = placedFace(f, p);
    const Color hair = hex(0xa8461c), khaki = hex(0xc4a46a), skin = f.skin;
    b.part(p(Shape::ellipse({66, 64}, 24, 26)), p.fill({66, 60}, 26, hair), 1.0f, 3);
    b.neck(f);
    // The khaki shirt with rolled sleeves and breast pockets.
    const Shape body = Shape::ellipse({64, 96}, 38, 20).blend(Shape::rect(30, 96, 68, 48, 10), 8);
    b.part(body, cloth({52, 88}, 44, khaki), 1.1f, 4);
    b.ink({{64, 80}, {64, 140}}, 0.8f, darker(khaki, 0.5f));
    for (float s : {-1.0f, 1.0f}) {
        b.part(Shape::rect(64 + s * 16 - 7, 100, 14, 13, 2), cloth({64 + s * 16, 102}, 10, khaki), 0.7f,
               1.2f);
        b.part(Shape::polygon({{64 + s * 16 - 7.5f, 99}, {64 + s * 16 + 7.5f, 99}, {64 + s * 16, 105}}),
               cloth({64 + s * 16, 100}, 8, khaki), 0.6f, 0.8f);
        b.part(Shape::polygon(p.pts({{66 + s * 3, 104}, {66 + s * 20, 100}, {66 + s * 15, 116}})),
               p.fill({60, 104}, 16, khaki), 0.9f, 2);
    }
    // The long braid over her right shoulder, under the scarf's tail.
    for (int i = 0; i < 7; ++i) {
        const Vec2 q{80.0f + i * 0.8f, 74.0f + i * 6.2f};
        b.part(Shape::ellipse(q, 4.8f - i * 0.3f, 3.9f).rotated(i % 2 ? 20 : -20, q), cloth(q, 6, hair), 0.9f,
               1.5f);
    }
    b.part(Shape::ellipse({84.5f, 118}, 2.2f, 3), cloth({84, 117}, 3, pal::kTerracottaDeep), 0.7f, 0.6f);
    b.part(Shape::stroke(p.pts({{75, 100}, {73, 110}, {77, 122}}), {5, 4, 2.5f}),
           p.fill({72, 104}, 14, pal::kTerracotta), 0.9f, 2);
    b.part(p(Shape::ellipse({66, 98}, 15, 5.5f)), p.fill({62, 96}, 12, pal::kTerracotta), 1.0f, 2);
    b.part(p(Shape::circle({73, 101}, 4)), p.fill({72, 100}, 6, pal::kTerracotta), 0.9f, 1.5f);
    if (waving) {
        // Left arm down behind the rail, the right raised high and waving.
        arm(b, {{32, 92}, {26, 118}, {26, 144}}, 13, khaki, {26, 152}, 5, skin, 0);
        arm(b, {{96, 90}, {114, 84}, {116, 58}}, 12, khaki, {116, 48}, 5.5f, skin, 12);
        b.part(Shape::rect(110, 64, 12, 5, 2).rotated(4, {116, 66}), cloth({114, 64}, 6, darker(khaki, 0.1f)),
               0.7f, 1);
    } else {
        // The crowbar that opened the crate rests on her left shoulder.
        b.part(Shape::stroke({{22, 140}, {30, 70}, {34, 52}, {40, 48}}, {3.2f}),
               cloth({26, 80}, 20, hex(0x5a5e66)), 0.7f, 1);
        arm(b, {{96, 92}, {102, 118}, {102, 144}}, 13, khaki, {102, 152}, 5, skin, 0);
        arm(b, {{34, 92}, {22, 112}, {26, 102}}, 12, khaki, {27, 98}, 5, skin, -10);
    }
    b.head(f);
    b.features(f);
    for (float s : {-1.0f, 1.0f})
        b.part(p(Shape::stroke({{66 + s * 15, 46}, {66 + s * 20, 58}, {66 + s * 19, 70}}, {7, 5, 2})),
               p.fill({66 + s * 16, 52}, 14, hair), 0.8f, 2);
    b.part(p(Shape::ellipse({60, 48}, 13, 5).rotated(-12, {60, 48})), p.fill({58, 46}, 12, hair), 0.8f, 1.5f);
    const Color helmet = hex(0xeedcaa);
    b.shade(p(Shape::ellipse({68, 47}, 22, 5)), hex(0x6a3a1c, 0.35f), 2);
    b.part(p(Shape::ellipse({66, 43}, 33, 7.5f)), p.fill({56, 40}, 30, helmet), 1.1f, 2);
    b.part(p(Shape::ellipse({66, 36}, 23, 19) & Shape::rect(30, 10, 72, 32)), p.fill({60, 28}, 22, helmet),
           1.1f, 4);
    b.part(p(Shape::rect(43.5f, 36, 45, 5.5f, 1.5f)), p.fill({60, 38}, 20, hex(0x7a5430)), 0.9f, 1);
    b.part(p(Shape::ellipse({66, 17.5f}, 4, 2)), p.fill({65, 17}, 4, helmet), 0.8f, 1);
    return finishFigure(b);
}

}  // namespace gen::opening
