// The story screens' panel gfx/story/panele.png: a carved sandstone frame with gold rims, a row of gold
// studs and turquoise gems, and corner blocks with rosettes; the middle stays open for the painted slides.
#include <cmath>

#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kW = 1024, kH = 768;
constexpr float kBand = 50;  // the frame's width; the slide shows inside it

// A gold stud: a small dome lit from the top left.
void stud(Canvas& c, Vec2 p, float r) {
    Style s = goldStyle(p.y - r, p.y + r, 1.0f);
    s.shadow = Shadow{{1, 1.5f}, 1.2f, hex(0x1a0a02, 0.5f)};
    s.bevel = Bevel{r * 0.6f, 0.6f, 0.45f, true};
    drawStyled(c, Shape::circle(p, r).field(kW, kH), s);
}

void gem(Canvas& c, Vec2 p, float r) {
    Style s;
    s.fill = Fill::radial(p + Vec2{-r * 0.35f, -r * 0.4f}, r * 1.4f,
                          {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    s.outline = 1.2f;
    s.outlineFill = hex(0x0b3a38);
    s.bevel = Bevel{r * 0.45f, 0.5f, 0.45f, true};
    drawStyled(c, Shape::regular(p, 4, r).field(kW, kH), s);
    c.paint(Shape::circle(p + Vec2{-r * 0.3f, -r * 0.35f}, r * 0.2f).rasterize(kW, kH, 1.0f),
            hex(0xffffff, 0.85f), Blend::Screen);
}

}  // namespace

void genStoryPanel(const Context& ctx) {
    Canvas c(kW, kH);
    const Shape outer = Shape::rect(0, 0, kW, kH);
    const Shape opening = Shape::rect(kBand, kBand, kW - 2 * kBand, kH - 2 * kBand, 10);
    // The slide sits a little sunk: a soft shadow from the frame falls on its upper and left edges.
    Mask sunk = (outer - opening.moved({7, 9})).rasterize(kW, kH, 1.0f);
    sunk.blur(7);
    sunk.multiply(opening.rasterize(kW, kH));
    c.paint(sunk, hex(0x120804, 0.55f));
    // The sandstone band.
    const Noise n(231);
    Style stone;
    stone.fill = Fill([&](float x, float y) {
        const float v = n.fbm(x / 30.0f, y / 30.0f, 4);
        return mixOklab(mixOklab(hex(0xe8c48a), hex(0xb07a48), clamp01((x + y) / 1800.0f)), hex(0x8a5a38),
                        0.4f * v);
    });
    stone.bevel = Bevel{9, 0.5f, 0.45f, true};
    const Shape band = outer - opening;
    drawStyled(c, band.field(kW, kH), stone);
    // Carved groove along the band's middle, with gold studs and gems set in it.
    const float mid = kBand * 0.5f;
    const Field groove = Shape::rect(mid, mid, kW - 2 * mid, kH - 2 * mid, 6).outline(9).field(kW, kH);
    c.paint(groove.coverage(), hex(0x6a3a1e, 0.45f));
    innerShadow(c, groove, 2.0f, 1.5f, hex(0x2a1008, 0.7f));
    int i = 0;
    auto beads = [&](Vec2 a, Vec2 b) {
        const int count = static_cast<int>(length(b - a) / 42);
        for (int k = 1; k < count; ++k) {
            const Vec2 p = lerp(a, b, static_cast<float>(k) / count);
            if (++i % 3 == 0)
                gem(c, p, 6.5f);
            else
                stud(c, p, 4.2f);
        }
    };
    beads({mid + 40, mid}, {kW - mid - 40, mid});
    beads({mid + 40, kH - mid}, {kW - mid - 40, kH - mid});
    beads({mid, mid + 40}, {mid, kH - mid - 40});
    beads({kW - mid, mid + 40}, {kW - mid, kH - mid - 40});
    // Gold rims on the outer edge and round the opening.
    Style rim = goldStyle(0, kH, 1.4f);
    rim.fill =
        Fill::linear({0, 0}, {kW, kH}, {{0, pal::kGoldLight}, {0.5f, pal::kGold}, {1, pal::kGoldDeep}});
    rim.bevel = Bevel{2.0f, 0.65f, 0.4f, true};
    rim.shadow = Shadow{{2, 3}, 3, hex(0x1a0a02, 0.55f)};
    drawStyled(c,
               (Shape::rect(2, 2, kW - 4, kH - 4, 6).outline(5) | opening.grown(3).outline(6)).field(kW, kH),
               rim);
    // Corner blocks with a gold rosette round a turquoise gem.
    const float k = 29;  // the corner blocks' centres, inside the picture's corners
    for (Vec2 p : {Vec2{k, k}, Vec2{kW - k, k}, Vec2{k, kH - k}, Vec2{kW - k, kH - k}}) {
        Style block = goldStyle(p.y - 27, p.y + 27, 1.5f);
        block.shadow = Shadow{{3, 4}, 4, hex(0x1a0a02, 0.55f)};
        block.bevel = Bevel{4, 0.6f, 0.45f, true};
        drawStyled(c, Shape::rect(p.x - 27, p.y - 27, 54, 54, 7).field(kW, kH), block);
        Style rosette;
        rosette.fill = Fill::radial(p + Vec2{-6, -6}, 30, {{0, hex(0xe27a55)}, {1, pal::kTerracottaDeep}});
        rosette.outline = 1.2f;
        rosette.outlineFill = pal::kOutline;
        rosette.bevel = Bevel{3, 0.45f, 0.4f, true};
        drawStyled(c, Shape::star(p, 8, 22, 13, 22.5f).field(kW, kH), rosette);
        gem(c, p, 9.5f);
    }
    writePng(c, ctx.out("gfx/story/panele.png"));
}

}  // namespace gen
