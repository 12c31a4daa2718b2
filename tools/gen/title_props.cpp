// The title picture's props: the explorer's tent with pennant and crates, and a picture stone standing in
// the sand with an ankh inlaid in gold in its grid of cells.
#include "Palette.h"
#include "backgrounds_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Style.h"
#include "title_art.h"

namespace gen::title {

using namespace paint;
using bg::kH;
using bg::kW;

namespace {

// An outlined part lit from the top left, with a soft shadow falling to the lower right.
void litPart(Canvas& c, const Shape& s, const Fill& fill, float bevelDepth = 2.5f, float outline = 1.2f) {
    Style st;
    st.fill = fill;
    st.outline = outline;
    st.outlineFill = pal::kOutline.fade(0.85f);
    st.bevel = Bevel{bevelDepth, 0.45f, 0.35f, true};
    st.shadow = Shadow{{4, 3}, 4, hex(0x2a0c14, 0.45f)};
    drawStyled(c, s.field(kW, kH), st);
}

void crate(Canvas& c, float x, float y, float w, float h) {
    litPart(c, Shape::rect(x, y, w, h, 1.5f),
            Fill::linear({x, y}, {x + w, y + h}, {{0, hex(0xd89a5a)}, {1, hex(0x7a4424)}}), 2.0f);
    Mask slats(kW, kH);
    for (float k : {0.33f, 0.66f})
        Shape::line({x + 2, y + h * k}, {x + w - 2, y + h * k}, 1.0f).drawInto(slats);
    Shape::line({x + 3, y + 3}, {x + w - 3, y + h - 3}, 1.4f).drawInto(slats);
    c.paint(slats, hex(0x4a2410, 0.6f));
}

}  // namespace

void paintCamp(Canvas& c, float groundY) {
    const float g = groundY;
    const Vec2 apex{232, g - 76}, back{304, g - 84}, fl{178, g}, fr{286, g}, br{356, g - 8};
    // The tent's side, turned away from the sun, then its front with the open flap.
    c.paint(Shape::polygon({apex, back, br, fr}).rasterize(kW, kH, 4.0f).shifted(6, 4), hex(0x2a0c14, 0.35f));
    c.paint(Shape::polygon({apex, back, br, fr}).rasterize(kW, kH, 1.2f),
            Fill::linear(apex, br, {{0, hex(0xb88a70)}, {1, hex(0x7a5058)}}));
    litPart(c, Shape::polygon({apex, fl, fr}),
            Fill::linear(apex + Vec2{-30, 0}, fr,
                         {{0, hex(0xfbe6bc)}, {0.6f, hex(0xe8c08a)}, {1, hex(0xc09066)}}),
            3.0f);
    const Shape door = Shape::polygon({apex + Vec2{0, 16}, {apex.x - 20, g}, {apex.x + 18, g}});
    c.paint(door.rasterize(kW, kH, 1.2f),
            Fill::vertical(apex.y, g, {{0, hex(0x3a1a14)}, {1, hex(0x1e0c0c)}}));
    // The flap folded back to the left, and the ridge line.
    litPart(c, Shape::polygon({apex + Vec2{0, 16}, {apex.x - 20, g}, {apex.x - 34, g - 4}}),
            Fill::vertical(apex.y, g, {{0, hex(0xf0d0a0)}, {1, hex(0xb08058)}}), 1.5f, 1.0f);
    c.paint(Shape::line(apex, back, 2.0f).rasterize(kW, kH), hex(0x5a3020, 0.8f));
    // Guy ropes and the pennant on its pole.
    Mask ropes(kW, kH);
    Shape::line(apex, {150, g + 6}, 0.9f).drawInto(ropes);
    Shape::line(back, {380, g - 2}, 0.9f).drawInto(ropes);
    c.paint(ropes, hex(0x3a2010, 0.7f));
    litPart(c, Shape::line(apex + Vec2{0, 2}, apex + Vec2{0, -40}, 2.4f), hex(0x6a4020), 1.0f, 0.8f);
    const Vec2 top = apex + Vec2{0, -40};
    litPart(
        c,
        Shape::polygon({top, top + Vec2{30, 7}, top + Vec2{22, 10}, top + Vec2{30, 15}, top + Vec2{0, 15}}),
        Fill::vertical(top.y, top.y + 15, {{0, hex(0xe07a52)}, {1, pal::kTerracottaDeep}}), 2.0f, 1.0f);
    crate(c, 290, g - 26, 34, 26);
    crate(c, 318, g - 18, 24, 20);
    crate(c, 300, g - 44, 22, 18);
}

void paintPictureStone(Canvas& c, float x, float y, float w, float h) {
    // A stela: straight sides and a rounded top.
    const float shoulder = y + w * 0.32f;
    Path outline;
    outline.moveTo({x, y + h}).lineTo({x, shoulder});
    outline.cubicTo({x, y + w * 0.08f}, {x + w * 0.22f, y}, {x + w / 2, y});
    outline.cubicTo({x + w * 0.78f, y}, {x + w, y + w * 0.08f}, {x + w, shoulder});
    outline.lineTo({x + w, y + h});
    const Shape face = Shape::polygon(outline.points());
    // The stone's thickness on its shaded right side, and its shadow on the sand.
    c.paint(face.moved({8, 2}).rasterize(kW, kH, 8.0f).shifted(14, 6), hex(0x2a0c14, 0.4f));
    c.paint(face.moved({8, -3}).rasterize(kW, kH, 1.2f),
            Fill::vertical(y, y + h, {{0, hex(0x9a6058)}, {1, hex(0x5a3040)}}));
    const Noise n(151);
    Style st;
    st.fill = Fill([&](float px, float py) {
        const float v = n.fbm(px / 26.0f, py / 26.0f, 4);
        const Color base =
            mixOklab(hex(0xf2c890), hex(0xb8805a), clamp01((py - y) / h * 0.8f + (px - x) / w * 0.3f));
        return mixOklab(base, hex(0x8a5a44), 0.35f * v);
    });
    st.outline = 1.5f;
    st.outlineFill = pal::kOutline.fade(0.85f);
    st.bevel = Bevel{5, 0.55f, 0.45f, true};
    drawStyled(c, face.field(kW, kH), st);
    // Carved clue marks along the top and the left, then the 5 × 5 grid with the ankh inlaid in gold.
    const char* const ankh[5] = {".###.", ".#.#.", "#####", "..#..", "..#.."};
    const float margin = w * 0.2f, cell = (w - margin - 10) / 5, gx = x + margin, gy = y + h - 10 - 5 * cell;
    Mask marks(kW, kH);
    for (int i = 0; i < 5; ++i) {
        Shape::line({gx + (i + 0.5f) * cell, gy - 14}, {gx + (i + 0.5f) * cell, gy - 6}, 2.0f)
            .drawInto(marks);
        Shape::line({gx - 16, gy + (i + 0.5f) * cell}, {gx - 8, gy + (i + 0.5f) * cell}, 2.0f)
            .drawInto(marks);
    }
    c.paint(marks, hex(0x5a2e20, 0.55f));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            const float cx = gx + col * cell, cy = gy + row * cell;
            const Shape hole = Shape::rect(cx + 1.5f, cy + 1.5f, cell - 3, cell - 3, 2);
            const Field f = hole.field(kW, kH);
            if (ankh[row][col] == '#') {
                Style gold;
                gold.fill = Fill::vertical(cy, cy + cell,
                                           {{0, pal::kGoldPale}, {0.45f, pal::kGoldLight}, {1, pal::kGold}});
                gold.outline = 1.0f;
                gold.outlineFill = hex(0x5a2c0c);
                gold.bevel = Bevel{2.0f, 0.6f, 0.4f, true};
                drawStyled(c, f, gold);
            } else {
                c.paint(f.coverage(), hex(0x7a4a38, 0.55f));
                innerShadow(c, f, 2.0f, 1.2f, hex(0x2a100c, 0.6f));
            }
        }
    // The gold of the picture glows faintly in the evening light.
    Mask glow = Shape::rect(gx, gy, 5 * cell, 3 * cell, 6).rasterize(kW, kH, 1.0f);
    glow.blur(10);
    c.paint(glow, hex(0xffc860, 0.25f), Blend::Screen);
}

}  // namespace gen::title
