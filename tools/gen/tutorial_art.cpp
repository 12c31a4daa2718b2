// The tutorial's pointing arrows: a glossy gold one and a turquoise one, both pointing down.
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;

namespace {

// Painted this many times larger and shrunk, for clean edges; every coordinate below is in picture pixels.
constexpr float k = 4;
constexpr int kW = 56, kH = 76;
constexpr float kMid = kW / 2.0f;

const Gradient kGold{{0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.62f, pal::kGold}, {1, pal::kGoldDeep}};

Vec2 at(float x, float y) {
    return Vec2{x, y} * k;
}

// The arrow's outline: a thick rounded shaft from `top` down to `neck`, and a head `headHalf` wide either
// side ending in a blunt tip at `tip`; every corner is rounded so it reads as friendly, not sharp.
Shape arrowShape(float shaftHalf, float headHalf, float top, float neck, float tip, float round) {
    const Shape shaft = Shape::rect((kMid - shaftHalf) * k, top * k, 2 * shaftHalf * k, (neck - top + 11) * k,
                                    shaftHalf * 0.55f * k);
    const Shape head = Shape::polygon({at(kMid - headHalf, neck), at(kMid + headHalf, neck), at(kMid, tip)});
    // Shrinking then growing rounds the outer corners; growing then shrinking fills the inner ones.
    return (shaft | head).grown(-round * k).grown(round * k).grown(1.2f * k).grown(-1.2f * k);
}

// The colours of one arrow: its body from the lit top to the tip, and the inlaid line and gem.
struct Finish {
    Gradient body;
    Gradient line;
    Gradient gem;
    bool goldRim;  // a thin gold edge just inside the dark outline
};

// The body's gradient runs from the top left (where the light falls) to the tip.
Fill lit(const Gradient& g) {
    return Fill::linear(at(12, 4), at(38, 70), g);
}

Canvas arrow(const Finish& f) {
    Canvas c(static_cast<int>(kW * k), static_cast<int>(kH * k));
    const int w = c.width(), h = c.height();
    const Shape body = arrowShape(7.5f, 17, 9, 36, 64.5f, 2.6f);

    // The body: dark-brown outline, the soft shadow cast down and to the right, a rounded bevel.
    Style st;
    st.fill = lit(f.body);
    st.outline = 1.4f * k;
    st.outlineFill = pal::kOutline;
    st.shadow = Shadow{at(2.4f, 2.4f), 1.3f * k, hex(0x1a0d05, 0.55f)};
    st.bevel = Bevel{2.6f * k, 0.75f, 0.5f, true};
    drawStyled(c, body.field(w, h, 24 * k), st);

    if (f.goldRim) {
        const Field rim = body.field(w, h, 8 * k);
        c.paint(rim.band(-1.1f * k, 0), lit(kGold));
        c.paint(rim.band(-1.1f * k, -0.9f * k), pal::kOutline.fade(0.35f));
    }

    // A glossy sheen over the upper left: the light's reflection along the shaft and the head's shoulder.
    const Shape inner = body.grown(-1.8f * k);
    c.paint((inner & Shape::rect((kMid - 8) * k, 0, 6 * k, 40 * k)).rasterize(w, h, 1.5f),
            Fill::linear(at(20, 0), at(26, 0),
                         {{0, hex(0xffffff, 0.0f)}, {0.35f, hex(0xffffff, 0.38f)}, {1, hex(0xffffff, 0.0f)}}),
            Blend::Screen);
    c.paint(Shape::ellipse(at(23.2f, 20), 1.0f * k, 6.5f * k), hex(0xffffff, 0.75f), Blend::Screen);
    c.paint(Shape::ellipse(at(16.8f, 39.2f), 3.4f * k, 0.85f * k).rotated(4, at(16.8f, 39.2f)),
            hex(0xffffff, 0.6f), Blend::Screen);

    // The inlaid line following the arrow's edge a little inside it, set in a fine dark groove.
    const Shape line = body.grown(-3.9f * k).outline(0.8f * k);
    c.paint(line.grown(0.35f * k), pal::kOutline.fade(0.55f), Blend::Inside);
    c.paint(line, Fill::vertical(10 * k, 62 * k, f.line), Blend::Inside);

    // A round gem in the middle of the head, cut with a glint at its top left.
    const Vec2 g{kMid, 45};
    Style gem;
    gem.fill = Fill::radial(at(g.x - 1.3f, g.y - 1.5f), 4.2f * k, f.gem);
    gem.outline = 0.8f * k;
    gem.outlineFill = pal::kOutline;
    gem.bevel = Bevel{1.4f * k, 0.6f, 0.55f, true};
    hud::styled(c, Shape::circle(at(g.x, g.y), 3.0f * k), gem, 2 * k);
    c.paint(Shape::ellipse(at(g.x - 1.0f, g.y - 1.2f), 1.1f * k, 0.7f * k)
                .rotated(-35, at(g.x - 1.0f, g.y - 1.2f)),
            hex(0xffffff, 0.85f), Blend::Screen);
    return c.downsampled(static_cast<int>(k));
}

}  // namespace

// "gfx/gui/tutorial/arrow.png" and "arrow2.png": 56 × 76, pointing down with the tip at (28, 66); the game
// turns them about their centre to point anywhere.
void genTutorialArt(const Context& ctx) {
    const Gradient turquoiseGem{{0, hex(0xd8fff8)}, {0.45f, pal::kTurquoise}, {1, hex(0x0a4d47)}};
    const Gradient goldGem{{0, pal::kGoldPale}, {0.45f, pal::kGold}, {1, pal::kBronze}};
    const Gradient turquoiseBody{
        {0, hex(0xb8fff4)}, {0.25f, pal::kTurquoiseLight}, {0.6f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}};
    const Gradient turquoiseLine{{0, hex(0x5ee0d2)}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}};
    const Gradient goldLine{{0, pal::kGoldLight}, {0.6f, pal::kGold}, {1, pal::kGoldDeep}};
    writePng(arrow({kGold, turquoiseLine, turquoiseGem, false}), ctx.out("gfx/gui/tutorial/arrow.png"));
    writePng(arrow({turquoiseBody, goldLine, goldGem, true}), ctx.out("gfx/gui/tutorial/arrow2.png"));
}

}  // namespace gen
