// The stage screen's sheet "gfx/gui/stageScreen/panel.png": a parchment held between two rolls with turned
// knobs, a painted border, a gold flourish by the title and a faint sunken slot under every level icon.
#include <vector>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Style.h"
#include "panels_art.h"

namespace gen::map {

namespace {

constexpr float kLeft = 60, kRight = 964, kTop = 8, kBottom = 688;  // the sheet with its rolls and knobs
constexpr float kRollR = 17;                                        // the rolls' radius
constexpr float kRollL = kLeft + kRollR + 1, kRollRight = kRight - kRollR - 1;
constexpr float kRollTop = kTop + 12, kRollBottom = kBottom - 12;
constexpr float kPaperTop = kTop + 14, kPaperBottom = kBottom - 14;

// The level icons' places: 7 columns × 6 rows of 80 × 64.
Vec2 slotCentre(int col, int row) {
    return {160.0f + 120.0f * col, 120.0f + 86.0f * row};
}

// A gold collar at the end of a roll (at height y) and a wooden knob beyond it; `s` is −1 at the top, +1 at
// the bottom.
void knob(Canvas& c, float x, float y, float s) {
    hud::part(c, Shape::circle({x, y + s * 6}, 6),
              Fill::radial({x - 2.5f, y + s * 6 - 2.5f}, 8,
                           {{0, hex(0xb0703a)}, {0.5f, hex(0x7a4420)}, {1, hex(0x3a1d0c)}}),
              1.1f, 2.5f, 0.5f, 0.45f);
    hud::styled(c, Shape::ellipse({x, y}, kRollR - 3, 3.4f), hud::goldTrim(y - 4, y + 4, 1.0f), 4);
}

// A roll of parchment standing upright at x: round-shaded across, with the paper's edge wound round it.
void roll(Canvas& c, float x) {
    const Shape body = Shape::rect(x - kRollR, kRollTop, 2 * kRollR, kRollBottom - kRollTop, 5);
    const Gradient round{{0, hex(0x6e4420)},     {0.12f, hex(0xbf8e55)}, {0.35f, hex(0xfff3d2)},
                         {0.55f, hex(0xf0d7a2)}, {0.85f, hex(0xa87a45)}, {1, hex(0x5a3418)}};
    hud::part(c, body, Fill::linear({x - kRollR, 0}, {x + kRollR, 0}, round), 1.3f, 0, 0, 0, hex(0x4a2a10));
    // The turns of paper showing on the roll, and its lit fibres.
    Mask turns(kW, kH);
    for (float dx : {-8.0f, 6.0f})
        Shape::line({x + dx, kRollTop + 6}, {x + dx, kRollBottom - 6}, 0.8f).drawInto(turns);
    c.paint(turns, hex(0x8a5a2c, 0.35f));
    knob(c, x, kRollTop, -1);
    knob(c, x, kRollBottom, 1);
}

// The paper between the rolls, with the rolls' shadows cast onto it.
void paper(Canvas& c) {
    const Shape sheet = Shape::rect(kRollL, kPaperTop, kRollRight - kRollL, kPaperBottom - kPaperTop, 3);
    const Mask m = sheet.rasterize(kW, kH);
    c.paint(m, agedParchment({kRollL - 30, kPaperTop, kRollRight + 30, kPaperBottom}, 680u));
    c.paint(m,
            Fill::radial({512, 350}, Vec2{480, 380},
                         {{0, hex(0xfff6e0, 0.35f)}, {0.7f, hex(0xfff6e0, 0.12f)}, {1, hex(0xfff6e0, 0)}}));
    Mask cast = Shape::rect(kRollL, kRollTop, 20, kRollBottom - kRollTop).rasterize(kW, kH).shifted(3, 0);
    cast.blur(5);
    cast.multiply(m);
    c.paint(cast, hex(0x4a2a10, 0.35f));
    c.paint(sheet.outline(1.0f), hex(0x8a5a2c, 0.6f));
}

// A painted double line of umber and terracotta with a turquoise diamond at each corner.
void border(Canvas& c) {
    const Rect r{110, 30, 914, 666};
    const Shape lines = Shape::rect(r.x0, r.y0, r.width(), r.height(), 4).outline(1.8f) |
                        Shape::rect(r.x0 + 7, r.y0 + 7, r.width() - 14, r.height() - 14, 3).outline(1.0f);
    c.paint(lines, hex(0x6a3a1a, 0.6f));
    c.paint(Shape::rect(r.x0 + 3.5f, r.y0 + 3.5f, r.width() - 7, r.height() - 7, 3).outline(2.0f),
            pal::kTerracotta.fade(0.5f));
    for (Vec2 p : {Vec2{r.x0 + 3, r.y0 + 3}, Vec2{r.x1 - 3, r.y0 + 3}, Vec2{r.x0 + 3, r.y1 - 3},
                   Vec2{r.x1 - 3, r.y1 - 3}}) {
        Style s;
        s.fill = Fill::radial(p + Vec2{-2, -2}, 9, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
        s.outline = 1.2f;
        s.outlineFill = pal::kOutline;
        s.bevel = Bevel{1.6f, 0.5f, 0.4f, true};
        s.shadow = Shadow{{1, 1.5f}, 1.2f, hex(0x2e1508, 0.4f)};
        hud::styled(c, Shape::regular(p, 4, 8), s, 4);
    }
}

// A shallow sunken slot under each icon place (the label is written under it).
void slots(Canvas& c) {
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 7; ++col) {
            const Vec2 m = slotCentre(col, row);
            const Shape slot = Shape::rect(m.x - 44, m.y - 35, 88, 70, 12);
            hud::Layer l(c, slot.bounds().expanded(4));
            const Field f = l.field(slot);
            l.canvas().paint(f.coverage(), hex(0x9a6a34, 0.1f));
            innerShadow(l.canvas(), f, 2.0f, 2.0f, hex(0x5a3414, 0.35f));
            l.canvas().paint(f.band(0, 1.2f).shifted(1, 1), hex(0xfff6dc, 0.5f));
            l.put(c);
        }
}

}  // namespace

Canvas stageSheet() {
    Canvas c(kW, kH);
    Mask shadow =
        Shape::rect(kLeft + 4, kTop + 4, kRight - kLeft - 8, kBottom - kTop - 8, 8).rasterize(kW, kH);
    shadow = shadow.shifted(4, 6);
    shadow.blur(7);
    c.paint(shadow, hex(0x1a0d05, 0.55f));
    paper(c);
    border(c);
    headingFlourish(c, 512, 60, 190, 130);
    slots(c);
    roll(c, kRollL);
    roll(c, kRollRight);
    return c;
}

}  // namespace gen::map
