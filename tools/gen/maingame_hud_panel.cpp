// The main game's panel "gfx/gui/mainGame/gui.png": carved sandstone around a transparent play area, with
// the plates, sockets and the chest niche the game draws its texts and pictures into.
#include "maingame_hud_panel.h"

#include "SystemFonts.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;
using namespace hud;

namespace {

constexpr int kW = 1024, kH = 768;

// The play area the level's background shows through; it runs off the left edge of the screen.
Shape playArea() {
    return Shape::rect(-40, panel::kPlayTop, panel::kPlayRight + 40, panel::kPlayBottom - panel::kPlayTop,
                       12);
}

// Sandstone everywhere but the play area, its edges softly chiselled.
void stone(Canvas& c) {
    const Shape frame = Shape::rect(0, 0, kW, kH) - playArea();
    const Field f = frame.field(kW, kH, 20);
    c.paint(f.coverage(), sandstone({0, 0, kW, kH}, 11u));
    // Grains of darker and lighter sand scattered through the stone.
    Rng rng(41u);
    Mask dark(kW, kH), light(kW, kH);
    for (int i = 0; i < 9000; ++i) {
        const Vec2 p{rng.range(0, kW), rng.range(0, kH)};
        Shape::circle(p, rng.range(0.35f, 0.8f)).drawInto(i % 3 ? dark : light);
    }
    dark.multiply(f.coverage());
    light.multiply(f.coverage());
    c.paint(dark, hex(0x8a5a2c, 0.35f));
    c.paint(light, hex(0xfff3d6, 0.4f));
    bevel(c, f, Bevel{7.0f, 0.3f, 0.45f, true});
    grain(c, 0.02f, 5u);
}

// The gold moulding around the play area, a groove beside it, and the shadow the frame casts inside.
void playAreaEdge(Canvas& c) {
    const Shape hole = playArea();
    groove(c, hole.grown(11).outline(1.6f), 0.8f);
    styled(c, hole.grown(5.5f) - hole, goldTrim(0, kH, 1.4f), 4.0f);
    // Inside the play area: a soft shadow, deepest under the top bar where the light comes from.
    const Mask inside = hole.rasterize(kW, kH);
    Mask shade = Mask(inside).invert().shifted(3, 5);
    shade.blur(7.0f);
    shade.multiply(inside);
    shade.scale(0.75f);
    c.paint(shade, hex(0x140a04));
}

// A thin gold line along the screen's edge, broken where the play area reaches the left edge, and a
// carved frame around the right panel's contents.
void border(Canvas& c) {
    const Shape line = Shape::rect(3.5f, 3.5f, kW - 7, kH - 7, 7).outline(2.4f) - playArea().grown(8);
    styled(c, line, goldTrim(0, kH, 1.0f), 4.0f);
    groove(c, Shape::rect(panel::kPlayRight + 12, 12, kW - panel::kPlayRight - 24, kH - 24, 9).outline(1.4f));
}

// A band carved into the stone between x0 and x1: rosettes and triple strokes in turn between two lines.
void frieze(Canvas& c, float x0, float x1, float y) {
    Shape cut = Shape::line({x0, y - 10}, {x1, y - 10}, 1.3f) | Shape::line({x0, y + 10}, {x1, y + 10}, 1.3f);
    const int n = static_cast<int>((x1 - x0) / 30);
    const float step = (x1 - x0) / n;
    for (int i = 0; i < n; ++i) {
        const float x = x0 + step * (i + 0.5f);
        if (i % 2 == 0) {
            cut = cut | Shape::circle({x, y}, 5.0f).outline(1.3f) | Shape::circle({x, y}, 1.4f);
        } else {
            for (float dx : {-4.0f, 0.0f, 4.0f})
                cut = cut | Shape::line({x + dx, y - 5}, {x + dx, y + 5}, 1.3f);
        }
    }
    groove(c, cut, 0.75f);
}

// The top bar: a lapis cartouche for the grid size, flanked by painted wings, and carved friezes.
void topBar(Canvas& c) {
    frieze(c, 14, 232, 19);
    frieze(c, 548, 768, 19);
    panel::wings(c, {panel::kSizeX, 20}, 76, 150);
    socket(c, Shape::rect(panel::kSizeX - 70, 5, 140, 30, 15), 3.0f, lapis(5, 35), 3.0f);
    for (float s : {-1.0f, 1.0f}) panel::stud(c, {panel::kSizeX + s * 62, 20}, 4.0f);
}

// The bottom bar: a carved tray with the six power-up sockets, and a lotus medallion at each end.
void bottomBar(Canvas& c) {
    const float top = panel::kPlayBottom;
    // The tray: a shallow sunken band the slot frames sit in.
    const Shape tray = Shape::rect(112, top + 8, 604, 82, 10);
    {
        Layer l(c, tray.bounds().expanded(6));
        const Field f = l.field(tray);
        l.canvas().paint(f.coverage(), hex(0x7a4a22, 0.22f));
        innerShadow(l.canvas(), f, 2.5f, 2.5f, hex(0x3a1c08, 0.55f));
        l.canvas().paint(f.band(0, 1.2f).shifted(1, 1), hex(0xfff0c8, 0.5f));
        l.put(c);
    }
    for (int k = 0; k < 6; ++k) {
        const float x = 120.0f + 100.0f * k;
        socket(c, Shape::rect(x + 6, top + 14, 76, 64, 14), 2.5f, lapis(top + 14, top + 78), 3.5f);
    }
    panel::lotusMedallion(c, {58, top + 46}, 30);
    panel::lotusMedallion(c, {748, top + 46}, 22);
}

// The right panel, top to bottom: time, stage, score, the two tool sockets, mistakes, the chest niche and
// the hint sockets.
void rightPanel(Canvas& c) {
    // Time: one long plate, the hourglass at its left end and the time to its right.
    socket(c, Shape::rect(824, 40, 166, 52, 16), 3.0f, lapis(40, 92), 3.5f);
    // Stage and level.
    socket(c, Shape::rect(846, 100, 88, 25, 12.5f), 2.5f, lapis(100, 125), 2.5f);
    // Score.
    socket(c, Shape::rect(802, 146, 172, 36, 14), 3.0f, lapis(146, 182), 3.0f);
    panel::divider(c, 208, 800, 984);
    // The two round tool sockets with a stud between them.
    for (float x : {840.0f, 943.0f}) {
        socket(c, Shape::circle({x, 280}, 31), 4.0f,
               Fill::radial({x - 8, 270}, 40,
                            {{0, hex(0x2c4f8e)}, {0.6f, pal::kBlueDeep}, {1, pal::kBlueNight}}),
               4.0f);
    }
    panel::stud(c, {891.5f, 280}, 5.0f);
    // Mistakes.
    socket(c, Shape::rect(812, 353, 156, 28, 14), 2.5f, lapis(353, 381), 2.5f);
    panel::chestNiche(c);
    // The hint sockets: oval seats for the scarab shells (the game writes their label above them).
    for (Vec2 m : {Vec2{840, 630}, Vec2{945, 630}, Vec2{840, 690}, Vec2{945, 690}})
        socket(c, Shape::ellipse(m, 23, 26.5f), 2.5f,
               Fill::radial(m + Vec2{-6, -8}, 32, {{0, hex(0x24407a)}, {1, pal::kBlueNight}}), 3.0f);
}

}  // namespace

void writeHudPanel(const Context& ctx) {
    Canvas c(kW, kH);
    stone(c);
    playAreaEdge(c);
    border(c);
    topBar(c);
    bottomBar(c);
    rightPanel(c);
    writePng(c, ctx.out("gfx/gui/mainGame/gui.png"));
}

}  // namespace gen
