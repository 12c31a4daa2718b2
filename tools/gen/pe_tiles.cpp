// The lid's empty socket and the six tile kinds: cut gem stones with a bevelled rim and a glyph engraved
// in the middle (ankh, sun, eye, star, lotus, scarab).
#include <array>
#include <vector>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr float kS = kCell;   // picture size
constexpr float kM = kS / 2;  // its middle

// A stone's colours from its brightest facet to its darkest, and the colour of the lines cut into it.
struct Gem {
    Color pale, light, mid, deep, cut;
};
const std::array<Gem, 6> kGems = {{
    {hex(0xd8fff8), pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep, hex(0x064a44)},
    {pal::kGoldPale, pal::kGoldLight, pal::kGold, pal::kGoldDeep, hex(0x6a3a08)},
    {hex(0xffd2bc), hex(0xec9070), pal::kTerracotta, pal::kTerracottaDeep, hex(0x4a160c)},
    {hex(0xb8cdff), hex(0x5a7ed0), pal::kBlue, pal::kBlueDeep, hex(0x080e2a)},
    {hex(0xd8ffd8), hex(0x7ed89a), hex(0x2f9a5c), hex(0x165a34), hex(0x06301a)},
    {hex(0xffffff), hex(0xfbeccc), hex(0xe6c894), hex(0xa87a42), hex(0x4a2810)},
}};

Vec2 p(float x, float y) {
    return at(kM + x, kM + y);
}

// The glyphs, about 24 pixels across round the middle.
Shape ankh() {
    const float w = 2.6f * kK;
    const Shape loop = Shape::ellipse(p(0, -6), 4.6f * kK, 5.8f * kK).outline(w);
    return loop | Shape::line(p(-8.5f, 0.5f), p(8.5f, 0.5f), w) | Shape::line(p(0, 0), p(0, 11), w);
}
Shape sun() {
    Shape s = Shape::circle(p(0, 0), 5.5f * kK);
    for (int i = 0; i < 8; ++i)
        s = s | Shape::line(polar(p(0, 0), 8.5f * kK, 45.0f * i), polar(p(0, 0), 11.5f * kK, 45.0f * i),
                            2.4f * kK);
    return s;
}
Shape eye() {
    const float w = 2.0f * kK;
    const Shape lids = Shape::stroke({p(-10, -1), p(-5, -5.5f), p(1, -6), p(6, -4), p(10, -1)}, {w}) |
                       Shape::stroke({p(-10, -1), p(-4, 2.5f), p(2, 2.5f), p(10, -1)}, {w});
    const Shape brow = Shape::stroke({p(-10, -8), p(-3, -11), p(5, -11), p(11, -8.5f)}, {w});
    const Shape pupil = Shape::circle(p(0, -1.5f), 3.2f * kK);
    const Shape tail = Shape::stroke({p(-2, 3), p(-3, 8), p(-1, 11), p(2, 10)}, {w}) |
                       Shape::stroke({p(3, 2.5f), p(8, 6), p(11, 11)}, {w});
    return lids | brow | pupil | tail;
}
Shape star() {
    return Shape::star(p(0, 0.8f), 5, 11.5f * kK, 4.8f * kK);
}
Shape lotusGlyph() {
    // Pointed petals rising from a round cup of sepals, on a short stem.
    auto petal = [](Vec2 base, Vec2 tip, float wide) {
        const Vec2 d = tip - base, n = normalize(Vec2{-d.y, d.x}) * (2 * wide);
        Path path;
        path.moveTo(base).quadTo(base + d * 0.45f + n, tip).quadTo(base + d * 0.45f - n, base);
        std::vector<Vec2> pts;
        for (const Vec2& q : path.points()) pts.push_back(Vec2{kM, kM} + q);
        return outline(pts);
    };
    const Shape cup = Shape::ellipse(p(0, 3), 9 * kK, 6.5f * kK) & box(0, kM + 3, kS, kS);
    const Shape middle = petal({0, 5}, {0, -12}, 3.8f);
    const Shape sides = petal({-1, 5}, {-12, -5}, 3.4f) | petal({1, 5}, {12, -5}, 3.4f);
    // A thin gap between the petals keeps them apart at this small size.
    const float gap = 1.3f * kK;
    return cup | (middle - cup.grown(gap)) | (sides - middle.grown(gap) - cup.grown(gap)) |
           (Shape::line(p(0, 9), p(0, 13), 2.4f * kK) - cup.grown(gap));
}

Shape scarab() {
    const float w = 1.8f * kK;
    Shape s = Shape::ellipse(p(0, 2), 6.5f * kK, 8 * kK) | Shape::ellipse(p(0, -7.5f), 3.6f * kK, 2.8f * kK);
    for (float k : {-1.0f, 1.0f}) {
        s = s | Shape::stroke({p(4 * k, -3), p(9 * k, -6), p(10 * k, -10)}, {w});
        s = s | Shape::stroke({p(5 * k, 2), p(11 * k, 2), p(12 * k, 6)}, {w});
        s = s | Shape::stroke({p(4 * k, 7), p(9 * k, 10), p(9 * k, 13)}, {w});
    }
    // The line between the wing cases, cut back out of the body.
    return s - Shape::line(p(0, -3), p(0, 11), 1.1f * kK) -
           Shape::line(p(-6.5f, -3.2f), p(6.5f, -3.2f), 1.0f * kK);
}

Shape glyph(int kind) {
    switch (kind) {
        case 1:
            return ankh();
        case 2:
            return sun();
        case 3:
            return eye();
        case 4:
            return star();
        case 5:
            return lotusGlyph();
        default:
            return scarab();
    }
}

// A glyph cut into the stone: dark in the cut, its upper-left wall in shade, its lower lip catching light.
void cutGlyph(Canvas& c, const Shape& g, const Gem& gem) {
    const int w = c.width(), h = c.height();
    const Field f = g.field(w, h);
    const Mask m = f.coverage(0, 1.2f);
    c.paint(m.shifted(static_cast<int>(kK), static_cast<int>(kK)), hex(0xffffff, 0.55f), Blend::Screen);
    Canvas cut(w, h);
    cut.paint(m, mixOklab(gem.deep, gem.cut, 0.5f));
    innerShadow(cut, f, 1.2f * kK, 1.0f * kK, gem.cut.withAlpha(0.9f));
    c.draw(cut, 0, 0);
}

}  // namespace

Canvas socket() {
    Canvas c(static_cast<int>(kS * kK), static_cast<int>(kS * kK));
    const int w = c.width(), h = c.height();
    const Shape cell = box(0, 0, kS, kS), hole = box(2, 2, kS - 4, kS - 4, 2);
    // The thin gold rim; neighbouring sockets join theirs into one lattice.
    c.paint(cell, hud::gold(0, kS * kK));
    bevel(c, cell.field(w, h), Bevel{1.2f * kK, 0.5f, 0.45f, true});
    const Field f = hole.field(w, h);
    Canvas in(w, h);
    in.paint(f.coverage(),
             Fill::radial(p(6, 8), 34 * kK, {{0, hex(0x24386a)}, {0.6f, hex(0x14204a)}, {1, hex(0x0a1030)}}));
    grain(in, 0.025f, 95u);
    // A faint four-pointed star marks the middle of the slot.
    in.paint(Shape::star(p(0, 0), 4, 6 * kK, 1.6f * kK), pal::kGoldLight.fade(0.22f), Blend::Inside);
    innerShadow(in, f, 3 * kK, 2.5f * kK, hex(0x010208, 0.9f));
    innerGlow(in, f, hex(0x8fb6ff, 0.1f), 1.2f * kK);
    in.paint(f.band(-0.3f * kK, 0.6f * kK), pal::kOutline.fade(0.85f));
    c.draw(in, 0, 0);
    return c.downsampled(static_cast<int>(kK));
}

Canvas tile(int kind) {
    const Gem& gem = kGems[kind - 1];
    Canvas c(static_cast<int>(kS * kK), static_cast<int>(kS * kK));
    const Shape body = box(0, 0, kS, kS, 3);
    constexpr float b = 6;  // the bevelled rim's width
    // The rim's four facets, brightest at the top and left where the light falls.
    c.paint(body, gem.mid);
    const Vec2 a0 = at(0, 0), a1 = at(kS, 0), a2 = at(kS, kS), a3 = at(0, kS);
    const Vec2 i0 = at(b, b), i1 = at(kS - b, b), i2 = at(kS - b, kS - b), i3 = at(b, kS - b);
    c.paint(Shape::polygon({a0, a1, i1, i0}), mixOklab(gem.light, gem.pale, 0.35f), Blend::Inside);
    c.paint(Shape::polygon({a0, i0, i3, a3}), gem.light, Blend::Inside);
    c.paint(Shape::polygon({a1, a2, i2, i1}), mixOklab(gem.mid, gem.deep, 0.55f), Blend::Inside);
    c.paint(Shape::polygon({a3, i3, i2, a2}), gem.deep, Blend::Inside);
    // The table: deep glossy colour, light welling up from the lower right as in a polished stone.
    const Shape table = box(b, b, kS - 2 * b, kS - 2 * b, 1);
    c.paint(table, Fill::linear(at(b, b), at(kS - b, kS - b),
                                {{0, gem.light},
                                 {0.45f, gem.mid},
                                 {0.8f, mixOklab(gem.mid, gem.deep, 0.6f)},
                                 {1, mixOklab(gem.mid, gem.light, 0.3f)}}));
    c.paint(table.outline(0.7f * kK), gem.deep.fade(0.6f), Blend::Inside);
    cutGlyph(c, glyph(kind), gem);
    // The gloss: a soft sheen over the upper left of the table and a bright glint in its corner.
    c.paint(outline({{b, b}, {kS - b - 6, b}, {b, kS - b - 6}}) & table,
            Fill::linear(at(b, b), at(kM, kM), {{0, hex(0xffffff, 0.45f)}, {1, hex(0xffffff, 0.0f)}}),
            Blend::Screen);
    c.paint(Shape::ellipse(at(b + 5, b + 3.5f), 3.5f * kK, 1.6f * kK).rotated(-35, at(b + 5, b + 3.5f)),
            hex(0xffffff, 0.8f), Blend::Screen);
    // A crisp dark edge so the tiles of a block read as one shape with a seam between the stones.
    c.paint(body.outline(1.4f * kK), mixOklab(gem.cut, pal::kOutline, 0.5f).fade(0.9f), Blend::Inside);
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
