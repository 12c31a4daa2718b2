// The tomb chamber's furniture: offerings on the shelves and in the niche, jars, an offering table, a chest
// and a standing lamp on the floor, and the great jar and the column that stand in front of the objects.
#include <cmath>

#include "Palette.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr Vec2 kLampstand{836, 548};  // where the standing lamp's foot meets the floor
constexpr float kLampH = 132;

// A shallow bowl on a foot, heaped with something round (fruit, bread).
void bowl(Canvas& c, Vec2 foot, float w, Color heap) {
    const Shape b = Shape::ellipse(foot + Vec2{0, -w * 0.2f}, w * 0.5f, w * 0.22f) -
                    Shape::rect(foot.x - w, foot.y - w, 2 * w, w * 0.8f);
    const Shape stem = Shape::rect(foot.x - w * 0.12f, foot.y - w * 0.2f, w * 0.24f, w * 0.2f);
    castShadow(c, b | stem, 4, 0.3f);
    for (int i = 0; i < 4; ++i) {
        const Vec2 p = foot + Vec2{(i - 1.5f) * w * 0.2f, -w * (0.26f + 0.06f * (i % 2))};
        inked(c, Shape::circle(p, w * 0.14f),
              Fill::radial(p + Vec2{-w * 0.05f, -w * 0.05f}, w * 0.18f,
                           {{0, lighter(heap, 0.4f)}, {1, darker(heap, 0.4f)}}),
              1.0f);
    }
    inked(c, b | stem, hud::gold(foot.y - w * 0.3f, foot.y), 1.2f);
}

// Folded linen in a pile, white with blue stripes.
void linen(Canvas& c, Vec2 foot, float w) {
    for (int i = 0; i < 3; ++i) {
        const float y = foot.y - (i + 1) * 10.0f;
        inked(c, Shape::rect(foot.x - w / 2 + i * 3, y, w - i * 6, 10, 3),
              Fill::vertical(y, y + 10, {{0, hex(0xfffaf0)}, {1, hex(0xc8b89a)}}), 1.0f);
        c.paint(rast(Shape::rect(foot.x - w / 2 + i * 3 + 6, y + 4, w - i * 6 - 12, 2)),
                pal::kBlue.fade(0.8f));
    }
}

// A low table with bread, a bowl of figs and a lotus laid across it.
void offeringTable(Canvas& c, float x, float top, float w) {
    const float legH = 70;
    castShadow(c, Shape::rect(x, top, w, legH + 10), 10, 0.35f);
    for (const float lx : {x + 10, x + w - 22})
        inked(c, Shape::rect(lx, top + 8, 12, legH, 2), hex(0x5a2e14));
    inked(c, Shape::rect(x - 6, top, w + 12, 10, 3),
          Fill::vertical(top, top + 10, {{0, hex(0xd89a5a)}, {1, hex(0x6a3a1e)}}));
    for (int i = 0; i < 3; ++i) {
        const Vec2 p{x + 18 + i * 14.0f, top - 7};
        inked(c, Shape::ellipse(p, 12, 7),
              Fill::vertical(p.y - 7, p.y + 7, {{0, hex(0xf0b870)}, {1, hex(0x9a5a2a)}}), 1.0f);
    }
    bowl(c, {x + w - 26, top}, 40, hex(0x7a2e5a));
    const Vec2 l{x + w * 0.58f, top - 3};
    c.paint(rast(Shape::stroke({l, l + Vec2{-30, 2}}, {1.6f})), hex(0x3a6a3a));
    for (int k = -2; k <= 2; ++k)
        inked(c, Shape::ellipse(l + Vec2{k * 3.0f, -8}, 3, 9).rotated(k * 18.0f, l),
              Fill::vertical(l.y - 17, l.y, {{0, hex(0xfff0f4)}, {1, hex(0x6a8ad0)}}), 0.8f);
}

// A tall bronze lamp stand with a bowl of oil and its flame.
Vec2 lampstand(Canvas& c, Vec2 foot, float h) {
    const Fill bronze = hud::gold(foot.y - h, foot.y);
    castShadow(c, Shape::rect(foot.x - 4, foot.y - h, 8, h), 6, 0.35f);
    inked(
        c,
        Shape::polygon({foot + Vec2{-24, 0}, foot + Vec2{24, 0}, foot + Vec2{6, -16}, foot + Vec2{-6, -16}}),
        bronze);
    inked(c, Shape::rect(foot.x - 3.5f, foot.y - h, 7, h - 10), bronze, 1.2f);
    for (const float k : {0.35f, 0.7f}) inked(c, Shape::ellipse(foot + Vec2{0, -h * k}, 8, 4), bronze, 1.0f);
    const Shape dish =
        Shape::ellipse(foot + Vec2{0, -h}, 26, 10) - Shape::rect(foot.x - 30, foot.y - h - 20, 60, 16);
    inked(c, dish, bronze);
    flame(c, foot + Vec2{0, -h - 4}, 34);
    return foot + Vec2{0, -h - 22};
}

// A seated cat of dark bronze with a gold collar and ear ring, on a little plinth.
void cat(Canvas& c, Vec2 foot, float h) {
    auto P = [&](float x, float y) { return foot + Vec2{x * h, -y * h}; };
    Path body;
    body.moveTo(P(-0.2f, 0.12f));
    body.smoothThrough({P(-0.24f, 0.4f), P(-0.12f, 0.66f), P(-0.1f, 0.78f), P(-0.16f, 0.96f), P(-0.1f, 0.9f),
                        P(0.0f, 0.9f), P(0.05f, 1.0f), P(0.06f, 0.82f), P(0.02f, 0.64f), P(0.1f, 0.4f),
                        P(0.14f, 0.12f), P(-0.2f, 0.12f)});
    const Shape cat = Shape::polygon(body.points()) |
                      Shape::stroke({P(0.12f, 0.14f), P(0.26f, 0.14f), P(0.3f, 0.22f)}, {h * 0.05f});
    const Shape plinth = Shape::rect(foot.x - h * 0.3f, foot.y - h * 0.12f, h * 0.62f, h * 0.12f, 2);
    castShadow(c, cat | plinth, 6, 0.35f);
    inked(c, plinth, Fill::vertical(foot.y - h * 0.12f, foot.y, {{0, hex(0xe8c48a)}, {1, hex(0x7a4a2a)}}));
    inked(c, cat,
          Fill::linear(P(-0.2f, 1), P(0.2f, 0.1f),
                       {{0, hex(0x5a5a6a)}, {0.5f, hex(0x26222e)}, {1, hex(0x120e16)}}));
    c.paint(rast(Shape::rect(foot.x - h * 0.13f, foot.y - h * 0.7f, h * 0.2f, h * 0.04f) & cat), pal::kGold);
    c.paint(rast(Shape::circle(P(-0.02f, 0.84f), h * 0.02f)), pal::kTurquoiseLight);
    c.paint(rast(Shape::circle(P(0.05f, 0.78f), h * 0.025f).outline(1.2f)), pal::kGoldLight);
}

}  // namespace

Vec2 tombProps(Canvas& c) {
    // The upper shelf: jars and a basket, room left for small finds.
    jar(c, {194, 256}, 48, pal::kTerracotta, pal::kTurquoise);
    jar(c, {238, 256}, 32, hex(0x3a8aa0), pal::kGold);
    jar(c, {414, 256}, 28, hex(0xd8c8a8), pal::kTerracottaDeep);
    // The lower shelf: folded linen and a bowl of fruit.
    linen(c, {196, 394}, 52);
    bowl(c, {318, 394}, 46, hex(0xd0802a));
    // The right shelf: jars and a little box.
    jar(c, {678, 350}, 42, hex(0x2a9aa0), pal::kGoldLight);
    jar(c, {718, 350}, 30, pal::kTerracotta, hex(0x2e1508));
    inked(c, Shape::rect(742, 326, 34, 24, 3),
          Fill::vertical(326, 350, {{0, hex(0xf0d8a0)}, {1, hex(0x8a5a2a)}}));
    c.paint(rast(Shape::rect(742, 334, 34, 4)), pal::kBlue);
    jar(c, {852, 350}, 26, hex(0xe8d8b8), pal::kBlue);
    // Cups either side of the niche's floor.
    for (const float x : {492.0f, 554.0f}) bowl(c, {x, 276}, 20, hex(0xe8d8a0));
    // The floor: a group of storage jars, the offering table, the chest and the lamp.
    jar(c, {250, 530}, 86, hex(0xc8804a), pal::kBlue);
    jar(c, {306, 520}, 60, hex(0x2a8a8a), pal::kGold);
    jar(c, {346, 532}, 40, pal::kTerracotta, pal::kTurquoiseLight);
    offeringTable(c, 466, 444, 118);
    chest(c, 636, 432, 150, 86, hex(0x9a5a2a));
    cat(c, {612, 540}, 76);
    return lampstand(c, kLampstand, kLampH);
}

Scene tombForeground(Canvas& c) {
    Scene s;
    // The great jar at the pool's edge and the column on the right, cut out after painting.
    const Vec2 foot{116, 582};
    const float h = 196;
    const Shape big = Shape::ellipse(foot + Vec2{0, -h * 0.42f}, h * 0.36f, h * 0.42f) |
                      Shape::rect(foot.x - h * 0.13f, foot.y - h, h * 0.26f, h * 0.3f) |
                      Shape::rect(foot.x - h * 0.2f, foot.y - h - 2, h * 0.4f, h * 0.08f, 2);
    jar(c, foot, h, hex(0xd8894a), pal::kBlueDeep);
    // Handles and a painted lotus on its belly.
    for (const float sx : {-1.0f, 1.0f})
        inked(c,
              Shape::stroke({foot + Vec2{sx * h * 0.12f, -h * 0.9f}, foot + Vec2{sx * h * 0.3f, -h * 0.88f},
                             foot + Vec2{sx * h * 0.3f, -h * 0.7f}},
                            {5}),
              hex(0xa8582a), 1.2f);
    const Vec2 lotus = foot + Vec2{0, -h * 0.36f};
    for (int k = -2; k <= 2; ++k)
        c.paint(
            rast(Shape::ellipse(lotus + Vec2{k * 7.0f, -10}, 5, 14).rotated(k * 16.0f, lotus + Vec2{0, 6})),
            pal::kTurquoiseLight.fade(0.8f));
    Mask front = rast(big.grown(1.6f));
    for (const float sx : {-1.0f, 1.0f})
        Shape::stroke({foot + Vec2{sx * h * 0.12f, -h * 0.9f}, foot + Vec2{sx * h * 0.3f, -h * 0.88f},
                       foot + Vec2{sx * h * 0.3f, -h * 0.7f}},
                      {8})
            .drawInto(front);
    s.masks.push_back(cut(c, front));
    const Shape col = tombColumn(c, 930, 84, 572);
    s.masks.push_back(cut(c, rast(col.grown(1.6f))));
    s.image = c;
    return s;
}

}  // namespace gen::ho
