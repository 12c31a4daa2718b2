// The rules screen in gfx/gui/rulesScreen/: a light parchment with a fine painted border (black text is
// written on it by the game) and the two explanation pictures.
#include <cmath>

#include "Entries.h"
#include "Palette.h"
#include "paint/Canvas.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "rules_art.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kW = 1024, kH = 768;

// Warm parchment: pale in the middle, mottled, with fine fibres and edges browned as if by age.
Canvas parchment() {
    Canvas c(kW, kH);
    const Noise n(201), fibre(202);
    c.paint(Mask(kW, kH, 1.0f), Fill([&](float x, float y) {
                const float dx = (x - kW / 2.0f) / (kW * 0.55f), dy = (y - kH / 2.0f) / (kH * 0.55f);
                const float edge = smoothstep(0.55f, 1.3f, std::sqrt(dx * dx + dy * dy));
                const float blotch = n.fbm(x / 140.0f, y / 140.0f, 5);
                const float fibres = fibre.fbm(x / 90.0f, y / 2.5f, 3);
                Color col = mixOklab(hex(0xfbf0d4), hex(0xf0d9a6), clamp01(0.25f + 0.9f * (blotch - 0.5f)));
                col = mixOklab(col, hex(0xe2c48e), 0.25f * smoothstep(0.55f, 0.8f, fibres));
                return mixOklab(col, hex(0xb98448), 0.75f * edge);
            }));
    grain(c, 0.015f, 203);
    return c;
}

// A painted border: a double line of umber and a terracotta band, with a turquoise diamond in each corner.
void border(Canvas& c) {
    const float in = 30;
    Shape lines = Shape::rect(in, in, kW - 2 * in, kH - 2 * in, 4).outline(2.0f) |
                  Shape::rect(in + 8, in + 8, kW - 2 * in - 16, kH - 2 * in - 16, 3).outline(1.0f);
    c.paint(lines.rasterize(kW, kH, 1.2f), hex(0x6a3a1a, 0.75f));
    c.paint(Shape::rect(in + 3.5f, in + 3.5f, kW - 2 * in - 7, kH - 2 * in - 7, 3)
                .outline(2.2f)
                .rasterize(kW, kH),
            hex(0xc2593a, 0.55f));
    for (Vec2 p : {Vec2{in + 4, in + 4}, Vec2{kW - in - 4, in + 4}, Vec2{in + 4, kH - in - 4},
                   Vec2{kW - in - 4, kH - in - 4}}) {
        Style s;
        s.fill = Fill::radial(p + Vec2{-3, -3}, 12, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
        s.outline = 1.5f;
        s.outlineFill = pal::kOutline;
        s.bevel = Bevel{2.0f, 0.5f, 0.4f, true};
        s.shadow = Shadow{{1.5f, 2}, 1.5f, hex(0x2e1508, 0.4f)};
        drawStyled(c, Shape::regular(p, 4, 11).field(kW, kH), s);
    }
}

}  // namespace

void genRulesScreen(const Context& ctx) {
    Canvas back = parchment();
    border(back);
    writeJpeg(back, ctx.out("gfx/gui/rulesScreen/back.jpg"), 90);
    writePng(rules::uncoveringPicture(), ctx.out("gfx/gui/rulesScreen/pomoc1.png"));
    writePng(rules::breakingPicture(), ctx.out("gfx/gui/rulesScreen/pomoc2.png"));
}

}  // namespace gen
