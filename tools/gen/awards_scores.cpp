// The best scores' board: a tablet of dark lapis flecked with gold, ruled for fifteen rows, in a sandstone
// and gold frame, with the title plaque set into its top edge.
#include <cmath>

#include "awards_art.h"
#include "backgrounds_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Style.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen::award {

namespace {

constexpr int kW = 1024, kH = 768;
constexpr float kRowTop = 60, kRow = 30;  // the game writes row k from y kRowTop + kRow k
constexpr int kRows = 15;

// The tablet inside the game's framed border, which runs round the screen's edge.
const Shape kInside =
    Shape::rect(kBorderPanel, kBorderPanel, kW - 2 * kBorderPanel, kH - 2 * kBorderPanel, 3);

// Deep lapis clouded with lighter veins, `shade` 0..1 darker.
Fill lapisStone(float shade) {
    const Noise n(401u);
    return Fill([n, shade](float x, float y) {
        const float veins = n.fbm(x / 90.0f, y / 60.0f, 5);
        const float light = 0.25f * clamp01(1.0f - std::hypot((x - 300) / 900.0f, (y - 120) / 700.0f));
        return darker(mixOklab(hex(0x0a1230), hex(0x22407e), clamp01(0.2f + light + (veins - 0.5f) * 0.6f)),
                      shade);
    });
}

// The gold flecks in the stone.
void flecks(Canvas& c) {
    Mask flecks(kW, kH);
    Rng rng(402u);
    for (int i = 0; i < 260; ++i) {
        const Vec2 p{rng.range(0, kW), rng.range(0, kH)};
        Shape::circle(p, rng.range(0.4f, 0.9f)).drawInto(flecks);
    }
    c.paint(flecks, hex(0xe8c060, 0.4f));
}

// Every other row a shade lighter, faint gold rules between them and the thin lines of the columns.
void rows(Canvas& c) {
    const float x0 = 45, x1 = kW - 45;
    // The rows sit in a field sunk into the tablet, a little darker than it.
    recess(c, Shape::rect(x0 - 2, kRowTop - 9, x1 - x0 + 4, kRow * kRows + 10, 8), lapisStone(0.4f), 5.0f);
    for (int k = 0; k < kRows; ++k) {
        const float top = kRowTop - 4 + kRow * k;
        if (k % 2 == 0) c.paint(Shape::rect(x0, top, x1 - x0, kRow, 3), hex(0x5a84d0, 0.08f), Blend::Screen);
    }
    Mask rules(kW, kH), lit(kW, kH);
    for (int k = 0; k <= kRows; ++k) {
        const float y = kRowTop - 4 + kRow * k;
        Shape::line({x0, y}, {x1, y}, 1.0f).drawInto(rules);
        Shape::line({x0, y + 1}, {x1, y + 1}, 0.8f).drawInto(lit);
    }
    for (float x : {92.0f, 142.0f})
        Shape::line({x, kRowTop - 4}, {x, kRowTop - 4 + kRow * kRows}, 1.0f).drawInto(rules);
    c.paint(lit, hex(0x000000, 0.3f));
    c.paint(rules, pal::kGold.fade(0.32f));
    headingFlourish(c, kW / 2.0f, kRowTop + kRow * kRows + 26, 30, 150);
    hud::styled(c, Shape::star({kW / 2.0f, kRowTop + kRow * kRows + 26}, 4, 6.0f, 2.4f),
                hud::goldTrim(kRowTop + kRow * kRows + 20, kRowTop + kRow * kRows + 32, 0.9f), 4.0f);
}

}  // namespace

// "gfx/gui/highscores/back.jpg": the game writes the title centred on x 511 at y 15–50 on the plaque and
// fifteen rows of rank (x 50), level (x 100), name (x 150) and score (ending near x 900) in light gold.
Canvas scoresBack() {
    Canvas c(kW, kH, hex(0x1a0d05));
    c.draw(borderedPanel({kW, kH, 13, 13, {kW / 2.0f, kH / 2.0f}}), 0, 0);
    Canvas inside(kW, kH);
    inside.paint(bg::everywhere(), lapisStone(0));
    rows(inside);
    flecks(inside);
    const Mask in = kInside.rasterize(kW, kH);
    Mask cast = Mask(in).invert().shifted(3, 4);
    cast.blur(5.0f);
    cast.multiply(in);
    inside.paint(cast, hex(0x02040c, 0.8f));
    inside.clip(in);
    c.draw(inside, 0, 0);
    hud::socket(c, Shape::rect(321, 9, 380, 44, 12), 5,
                Fill::vertical(9, 53, {{0, hex(0x120605)}, {0.5f, hex(0x2f110f)}, {1, hex(0x3a1612)}}), 4);
    borderMedallion(c, {306, 31});
    borderMedallion(c, {716, 31});
    bg::vignette(c, 0.3f, hex(0x02040c));
    bg::finish(c, 404u);
    return c;
}

}  // namespace gen::award
