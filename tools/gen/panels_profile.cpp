// The profiles screen's panel, with a dark inset behind the player names, and the name dialog's panel with
// its sunken text field.
#include <string>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/ImageIO.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen {

using namespace paint;

namespace {

// Behind white names with a black outline: a near-black brown, a little lighter at the bottom.
Fill insetFill(float top, float bottom) {
    return Fill::vertical(top, bottom, {{0, hex(0x120605)}, {0.7f, hex(0x1d0b08)}, {1, hex(0x2a110c)}});
}

// A panel w × h in the frame of the pop-ups, its studs spread evenly from its middle.
Canvas framedPanel(int w, int h) {
    return borderedPanel({w, h, 13, 13, {w / 2.0f, h / 2.0f}});
}

// "gfx/gui/profileManager/panel.png", centred at (512, 400) on the screen when shown: the heading "Players"
// sits at y 184 and the names from y 250 on, up to five of them.
Canvas profilePanel() {
    constexpr int kW = 600, kH = 560;
    constexpr float kTop = 400 - kH / 2.0f;  // the screen's y of the panel's top
    Canvas c = framedPanel(kW, kH);
    headingFlourish(c, kW / 2.0f, 198 - kTop, 64, 110);
    recess(c, Shape::rect(50, 236 - kTop, kW - 100, 216, 14), insetFill(236 - kTop, 452 - kTop), 5.0f);
    return c;
}

// "gfx/gui/enterName/panel.png", centred at (512, 384): the prompt at y 300 and the typed name at y 357.
Canvas namePanel() {
    constexpr int kW = 520, kH = 300;
    constexpr float kTop = 384 - kH / 2.0f;
    Canvas c = framedPanel(kW, kH);
    recess(c, Shape::rect(kW / 2.0f - 180, 347 - kTop, 360, 42, 10), insetFill(347 - kTop, 389 - kTop), 4.0f);
    return c;
}

}  // namespace

void genProfilePanels(const Context& ctx) {
    writePng(profilePanel(), ctx.out("gfx/gui/profileManager/panel.png"));
    writePng(namePanel(), ctx.out("gfx/gui/enterName/panel.png"));
}

}  // namespace gen
