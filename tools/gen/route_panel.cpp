// The mini-game screens' top panel "gfx/minigames/gornyPanel.png": a carved sandstone strip with a gold
// edge, the level title's lapis cartouche between painted wings, the Menu button's tray at the left and the
// skip gauge's seat at the right.
#include "Palette.h"
#include "maingame_hud_art.h"
#include "maingame_hud_panel.h"
#include "paint/Effects.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "panels_art.h"
#include "route_art.h"

namespace gen::route {

namespace {

constexpr int kW = 1024, kH = 64;
// The title is written centred at x 512 between y 8 and 40.
constexpr float kTitleX = 512, kTitleHalf = 200;
// The Menu button, 150 × 40 centred at (90, 32), and the skip gauge's frame at (941, 3), 80 × 56.
constexpr Rect kMenu{15, 12, 165, 52};
constexpr Rect kGauge{941, 3, 1021, 59};

// The strip's outline: a straight band whose lower edge drops round the Menu button, under the title's
// cartouche and round the gauge.
Shape strip() {
    constexpr float base = 44, title = 55, menu = kMenu.y1 + 8, gauge = kH - 1;
    Path p;
    p.moveTo({-10, -10})
        .lineTo({kW + 10, -10})
        .lineTo({kW + 10, gauge})
        .lineTo({kGauge.x0 - 8, gauge})
        .cubicTo({kGauge.x0 - 30, gauge}, {kGauge.x0 - 34, base}, {kGauge.x0 - 58, base})
        .lineTo({kTitleX + kTitleHalf + 42, base})
        .cubicTo({kTitleX + kTitleHalf + 20, base}, {kTitleX + kTitleHalf + 16, title},
                 {kTitleX + kTitleHalf - 6, title})
        .lineTo({kTitleX - kTitleHalf + 6, title})
        .cubicTo({kTitleX - kTitleHalf - 16, title}, {kTitleX - kTitleHalf - 20, base},
                 {kTitleX - kTitleHalf - 42, base})
        .lineTo({kMenu.x1 + 42, base})
        .cubicTo({kMenu.x1 + 20, base}, {kMenu.x1 + 16, menu}, {kMenu.x1 - 6, menu})
        .lineTo({-10, menu});
    return Shape::polygon(p.points());
}

// Sandstone strewn with grains, chiselled soft at its edge, in a gold moulding with a groove inside it.
void stone(Canvas& c, const Shape& s) {
    dropShadow(c, s.rasterize(kW, kH), {1, 3}, 3.5f, hex(0x1a0d05, 0.5f));
    const Field f = s.field(kW, kH, 20);
    hud::grainedSandstone(c, f, kW, kH, {0, -40, kW, kH}, 950u, 1200);
    hud::styled(c, s - s.grown(-4.5f), hud::goldTrim(30, kH, 1.2f), 3.0f);
    hud::groove(c, (s.grown(-10) & Shape::rect(0, 5, kW, kH)).outline(1.4f), 0.7f);
    hud::groove(c, Shape::rect(-20, 5, kW + 40, 1.3f), 0.6f);
}

// A short carved frieze between x0 and x1: small rosettes joined by a pair of lines.
void frieze(Canvas& c, float x0, float x1, float y) {
    Shape cut = Shape::line({x0, y - 6}, {x1, y - 6}, 1.2f) | Shape::line({x0, y + 6}, {x1, y + 6}, 1.2f);
    for (float x = x0 + 10; x < x1 - 5; x += 22)
        cut = cut | Shape::circle({x, y}, 3.6f).outline(1.2f) | Shape::circle({x, y}, 1.1f);
    hud::groove(c, cut, 0.7f);
}

}  // namespace

Canvas topPanel() {
    Canvas c(kW, kH);
    const Shape s = strip();
    stone(c, s);
    // The Menu button stands in a shallow tray.
    const Shape tray = Shape::rect(kMenu.x0 - 5, kMenu.y0 - 5, kMenu.width() + 10, kMenu.height() + 10, 12);
    {
        hud::Layer l(c, tray.bounds().expanded(6));
        const Field f = l.field(tray);
        l.canvas().paint(f.coverage(), hex(0x7a4a22, 0.22f));
        innerShadow(l.canvas(), f, 2.5f, 2.5f, hex(0x3a1c08, 0.55f));
        l.canvas().paint(f.band(0, 1.2f).shifted(1, 1), hex(0xfff0c8, 0.5f));
        l.put(c);
    }
    // The title's cartouche between painted wings.
    panel::wings(c, {kTitleX, 24}, kTitleHalf - 4, kTitleHalf + 70);
    hud::socket(c, Shape::rect(kTitleX - kTitleHalf, 5, 2 * kTitleHalf, 39, 19.5f), 3.0f, hud::lapis(5, 44),
                3.5f);
    for (float side : {-1.0f, 1.0f}) panel::stud(c, {kTitleX + side * (kTitleHalf - 14), 24.5f}, 4.0f);
    // Ornaments on the plain stone either side.
    panel::lotusMedallion(c, {208, 24}, 20);
    panel::lotusMedallion(c, {814, 24}, 20);
    frieze(c, 842, 904, 24);
    // The gauge's seat: a dark recess a little larger than its frame, open to the screen's right side.
    recess(c, Shape::rect(kGauge.x0 - 4, kGauge.y0 - 2, kGauge.width() + 20, kGauge.height() + 4, 12),
           hud::lapis(kGauge.y0, kGauge.y1), 3.0f);
    grain(c, 0.015f, 952u);
    return c;
}

}  // namespace gen::route
