// The small pictures of the main game's panel: hourglass, gold star, power-up slot frame, the stones' bag
// with its dot, and the scarab shells of the hint slots.
#include "maingame_hud_items.h"

#include <cmath>
#include <string>
#include <vector>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Path.h"

namespace gen {

using namespace paint;
using namespace hud;

namespace {

const std::string kDir = "gfx/gui/mainGame/";

// An hourglass of gold caps and posts around a glass with sand running into the lower bulb.
Canvas hourglass() {
    constexpr int kW = 40, kH = 48;
    Canvas c(kW, kH);
    Path side;
    side.moveTo({20, 7.5f}).smoothThrough({{10, 8}, {8.5f, 13}, {12, 19.5f}, {18.6f, 23.6f}});
    side.smoothThrough({{18.6f, 24.4f}, {12, 28.5f}, {8.5f, 35}, {10, 40.5f}, {20, 40.5f}});
    side.mirrorX(20);
    const Shape glass = Shape::polygon(side.points());
    // The glass: faintly blue, then the sand, a thin stream, and light on the glass.
    part(c, glass, Fill::linear({8, 8}, {32, 40}, {{0, hex(0xf4fbff, 0.85f)}, {1, hex(0xa9c8e0, 0.8f)}}),
         1.0f, 0);
    Canvas sand(kW, kH);
    const Fill grains =
        Fill::vertical(12, 41, {{0, hex(0xffe9b0)}, {0.5f, hex(0xf0c070)}, {1, hex(0xc98a40)}});
    sand.paint(glass & Shape::rect(0, 15.5f, kW, 9), grains);
    sand.paint(glass & Shape::ellipse({20, 41}, 13, 7.5f), grains);
    sand.paint(Shape::line({20, 23}, {20, 35}, 1.3f), pal::kSand);
    c.draw(sand, 0, 0);
    c.paint(Shape::stroke({{11.5f, 11}, {11, 14}, {13.5f, 18}}, {1.6f, 1.3f, 0.6f}), hex(0xffffff, 0.8f));
    c.paint(Shape::stroke({{11.5f, 31}, {10.5f, 35}, {11.5f, 38}}, {0.6f, 1.5f, 0.8f}), hex(0xffffff, 0.6f));
    // Posts, then the caps over their ends.
    for (float x : {5.5f, 34.5f})
        part(c, Shape::rect(x - 1.6f, 6, 3.2f, 36, 1.6f),
             Fill::linear({x - 2, 0}, {x + 2, 0},
                          {{0, pal::kGoldPale}, {0.5f, pal::kGold}, {1, pal::kBronze}}),
             0.9f, 1.0f);
    for (float y : {2.0f, 40.0f}) {
        part(c, Shape::rect(2.5f, y, 35, 6, 2.5f), gold(y, y + 6), 1.0f, 1.8f, 0.6f, 0.4f);
        c.paint(Shape::circle({20, y + 3}, 1.4f), pal::kTurquoise);
    }
    return shadowed(c, {1, 1.5f}, 1.0f, 0.5f);
}

// A plump five-pointed gold star with a glint.
Canvas star() {
    constexpr int kS = 32;
    Canvas c(kS, kS);
    const Vec2 m{16, 16.8f};
    const Shape s = Shape::star(m, 5, 13.0f, 5.8f).grown(-1.0f).grown(1.2f);
    Style st = goldTrim(4, 29, 1.3f);
    st.fill = Fill::radial(m + Vec2{-4, -5}, 16,
                           {{0, pal::kGoldPale}, {0.45f, pal::kGoldLight}, {1, pal::kGoldDeep}});
    st.bevel = Bevel{3.0f, 0.6f, 0.4f, false};
    st.shadow = Shadow{{1, 1.5f}, 1.2f, kShadow};
    drawStyled(c, s.field(kS, kS), st);
    const Vec2 g = m + Vec2{-3.5f, -4.5f};
    c.paint(Shape::star(g, 4, 4.5f, 0.8f), hex(0xffffff, 0.9f), Blend::Screen);
    return c;
}

// The frame of a power-up slot: a gold band with turquoise studs, open in the middle.
Canvas slotFrame() {
    constexpr int kW = 88, kH = 72;
    Canvas c(kW, kH);
    const Shape outer = Shape::rect(2, 2, 84, 67, 16), hole = Shape::rect(9, 8, 70, 55, 11);
    Style st = goldTrim(2, 69, 1.3f);
    st.bevel = Bevel{2.5f, 0.7f, 0.45f, true};
    drawStyled(c, (outer - hole).field(kW, kH), st);
    // An engraved line along the middle of the band.
    const Shape line = Shape::rect(5.5f, 5, 77, 61, 13.5f).outline(0.8f);
    c.paint(line, pal::kBronze.fade(0.55f), Blend::Inside);
    // The shadow the band casts onto the socket under it.
    Mask shade = Mask(hole.rasterize(kW, kH)).invert().shifted(1, 2);
    shade.blur(2.0f);
    shade.multiply(hole.rasterize(kW, kH));
    c.paint(shade, hex(0x02040c, 0.5f));
    for (Vec2 p : {Vec2{5.5f, 35.5f}, Vec2{82.5f, 35.5f}, Vec2{44, 5}, Vec2{44, 66}}) items::bead(c, p, 2.6f);
    return c;
}

// The dot for a free place in the bag: a turquoise bead in a gold ring.
Canvas bagDot() {
    constexpr int kS = 10;
    Canvas c(kS, kS);
    part(c, Shape::circle({5, 5}, 4.2f), gold(1, 9), 0.8f, 1.2f, 0.6f, 0.4f);
    items::bead(c, {5, 5}, 2.4f);
    return c;
}

}  // namespace

void writeHudItems(const Context& ctx) {
    writePng(hourglass(), ctx.out(kDir + "klepsydra.png"));
    writePng(star(), ctx.out(kDir + "gwiazda.png"));
    writePng(slotFrame(), ctx.out(kDir + "ramka-powerup.png"));
    writePng(items::bag(56, 1.0f), ctx.out(kDir + "worek.png"));
    writePng(bagDot(), ctx.out(kDir + "punkt.png"));
    writePng(items::scarab(0.0f), ctx.out(kDir + "scarabNormal.png"));
    writePng(items::scarab(1.0f), ctx.out(kDir + "shell-over.png"));
    std::vector<Canvas> frames;
    for (int i = 0; i < 8; ++i) frames.push_back(items::scarab(static_cast<float>(i) / 7.0f));
    writePng(strip(frames), ctx.out(kDir + "hint-anim.png"));
}

}  // namespace gen
