// The level's end: the won level's panel with its coin dish, the lost level's panel with a broken lock, and
// the main game's tip balloon.
#include <string>
#include <vector>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen {

using namespace paint;
using hud::styled;

namespace {

// A panel w × h in the frame of the pop-ups, its studs spread evenly from its middle.
Canvas framedPanel(int w, int h) {
    return borderedPanel({w, h, 13, 13, {w / 2.0f, h / 2.0f}});
}

// A shallow gold dish for the coins the level pays out: a rim set with turquoise beads, a bowl sloping down
// away from the light and a dark well in its middle that swallows the coins.
void coinDish(Canvas& c, Vec2 m, float r) {
    Style rim = hud::goldTrim(m.y - r, m.y + r, 1.2f);
    rim.shadow = Shadow{{2.0f, 3.0f}, 3.0f, hex(0x0a0302, 0.7f)};
    rim.bevel = Bevel{3.0f, 0.7f, 0.5f, true};
    styled(c, Shape::circle(m, r), rim, 8.0f);
    for (int i = 0; i < 8; ++i) {
        const Vec2 p = polar(m, r - 4.5f, 22.5f + i * 45.0f);
        hud::part(
            c, Shape::circle(p, 1.9f),
            Fill::radial(p + Vec2{-0.6f, -0.6f}, 2.3f, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}),
            0.8f, 0.8f);
    }
    // The bowl is lit on its far side: dark gold at the top, bright at the bottom.
    const float bowl = r - 9.0f;
    hud::Layer l(c, Shape::circle(m, bowl).bounds().expanded(3));
    const Field f = l.field(Shape::circle(m, bowl));
    l.canvas().paint(
        f.coverage(),
        l.local(Fill::linear(
            m + Vec2{-bowl, -bowl} * 0.7f, m + Vec2{bowl, bowl} * 0.7f,
            {{0, pal::kBronze}, {0.45f, pal::kGoldDeep}, {0.8f, pal::kGold}, {1, pal::kGoldLight}})));
    innerShadow(l.canvas(), f, 2.5f, 2.5f, hex(0x2e1508, 0.7f));
    l.canvas().paint(f.band(-0.2f, 1.0f), pal::kOutline.fade(0.8f));
    l.put(c);
    const float well = bowl - 9.0f;
    recess(
        c, Shape::circle(m, well),
        Fill::radial(m + Vec2{1, 2}, well,
                     {{0, hex(0x5a3410)}, {0.35f, hex(0x2a1207)}, {0.8f, hex(0x120605)}, {1, hex(0x1d0b08)}}),
        6.0f);
}

// "gfx/gui/winScreen/panel.png", centred at (400, 400) on the screen. The game writes the level's name at
// y 105–135, shows the finished picture or the statistics in the sunken field (y 150–460), the score and
// the statistics link below it, flies the coins into the dish at (408, 640) and sets two buttons on the
// bottom border.
Canvas winPanel() {
    constexpr int kW = 520, kH = 680;
    constexpr float kLeft = 400 - kW / 2.0f, kTop = 400 - kH / 2.0f;  // the panel's screen corner
    Canvas c = framedPanel(kW, kH);
    // A flourish under the name, a diamond in its middle.
    const float fy = 141 - kTop, cx = 400 - kLeft;
    headingFlourish(c, cx, fy, 14, 96);
    styled(c, Shape::star({cx, fy}, 4, 5.0f, 2.0f), hud::goldTrim(fy - 5, fy + 5, 0.9f), 4.0f);
    // The field is a little narrower than the picture's room so that its lip clears the frame's bead; the
    // picture in it is lit from behind.
    const Shape field = Shape::rect(186 - kLeft, 150 - kTop, 428, 310, 14);
    const Vec2 spot{403 - kLeft, 311 - kTop};
    recess(
        c, field,
        Fill::radial(spot, Vec2{250, 200}, {{0, hex(0x3a1a10)}, {0.6f, hex(0x1d0b08)}, {1, hex(0x120605)}}),
        5.0f);
    coinDish(c, {408 - kLeft, 640 - kTop}, 43);
    return c;
}

}  // namespace

void genWinLoseArt(const Context& ctx) {
    writePng(winPanel(), ctx.out("gfx/gui/winScreen/panel.png"));
}

}  // namespace gen
