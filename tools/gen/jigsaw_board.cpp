// The jigsaw's board "gfx/miniGames/Puzzle/podklad.png": a cedar tray with a gold inlay and gold studs, its
// middle sunk into a gold-rimmed parchment field where the pieces are laid.
#include <cmath>

#include "Palette.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace gen::jigsaw {

namespace {

// The field's corner inside the board's picture.
constexpr float kFx = kFieldX - (512 - kBoardW / 2), kFy = kFieldY - (384 - kBoardH / 2);
constexpr float kTrayInset = 12;  // room round the tray for its shadow

// Cedar lit from the top left: long wavy grain running across, darker knots of colour here and there.
Fill cedar(uint32_t seed) {
    const Noise n(seed), wave(seed + 1);
    const Gradient wood{
        {0, hex(0x4a2210)}, {0.35f, hex(0x7a3e1c)}, {0.7f, hex(0xa8622e)}, {1, hex(0xd09050)}};
    return Fill([=](float x, float y) {
        const float light = 0.62f - 0.28f * clamp01((x / kBoardW * 0.6f + y / kBoardH) / 1.6f);
        const float bend = 26.0f * wave.fbm(x / 180.0f, y / 60.0f, 3);
        const float grain = std::sin((y + bend) / 2.6f) * 0.5f + 0.5f;
        const float band = n.fbm(x / 300.0f, (y + bend) / 14.0f, 4) - 0.5f;
        return wood.at(light + 0.22f * band - 0.07f * grain * grain +
                       0.02f * n.grain(static_cast<int>(x), static_cast<int>(y)));
    });
}

// Parchment, pale where the light falls, with a faint cloudy tooth.
Fill parchment(Rect r) {
    const Noise n(4410u);
    const Gradient g{{0, hex(0xf7e6bf)}, {0.6f, hex(0xe8cf9c)}, {1, hex(0xcfae78)}};
    return Fill([=](float x, float y) {
        const float t = clamp01(((x - r.x0) / r.width() * 0.5f + (y - r.y0) / r.height()) / 1.5f);
        return g.at(t + 0.18f * (n.fbm(x / 60.0f, y / 60.0f, 4) - 0.5f) +
                    0.015f * n.grain(static_cast<int>(x), static_cast<int>(y)));
    });
}

// A gold stud with a turquoise bead.
void stud(Canvas& c, Vec2 m, float r) {
    hud::styled(c, Shape::circle(m, r), hud::goldTrim(m.y - r, m.y + r, 1.0f), 4.0f);
    hud::part(c, Shape::circle(m, r * 0.45f),
              Fill::radial(m - Vec2{r * 0.15f, r * 0.15f}, r * 0.55f,
                           {{0, pal::kTurquoiseLight}, {0.6f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}),
              0.8f, 1.0f);
}

}  // namespace

Canvas board() {
    Canvas c(kBoardW, kBoardH);
    const float tw = kBoardW - 2 * kTrayInset, th = kBoardH - 2 * kTrayInset;
    const Shape tray = Shape::rect(kTrayInset, kTrayInset, tw, th, 16);
    dropShadow(c, tray.rasterize(kBoardW, kBoardH), {3, 4}, 4.0f, hex(0x1a0d05, 0.6f));

    const Field f = tray.field(kBoardW, kBoardH, 24);
    c.paint(f.band(0, 1.5f), pal::kOutline.fade(0.95f));
    c.paint(f.coverage(), cedar(4400u));
    bevel(c, f, Bevel{7.0f, 0.35f, 0.5f, true});
    innerGlow(c, f, hex(0xffe0a8, 0.18f), 3.0f);

    // A gold inlay line round the tray.
    const Shape inlay = Shape::rect(kTrayInset + 9, kTrayInset + 9, tw - 18, th - 18, 8).outline(2.2f);
    hud::styled(c, inlay, hud::goldTrim(0, kBoardH, 0.8f), 4.0f);
    const Shape field = Shape::rect(kFx, kFy, kPicW, kPicH);

    // The field: a broad gold rim, then the parchment under the shadow its edge throws.
    Style rim = hud::goldTrim(kFy - 7, kFy + kPicH + 7, 1.2f);
    rim.bevel = Bevel{3.0f, 0.7f, 0.5f, true};
    rim.shadow = Shadow{{2, 3}, 3.0f, hex(0x1a0d05, 0.55f)};
    hud::styled(c, field.grown(7) - field, rim, 8.0f);
    hud::Layer l(c, Rect{kFx, kFy, kFx + kPicW, kFy + kPicH});
    const Field ff = l.field(field);
    Canvas& lc = l.canvas();
    lc.paint(ff.coverage(), l.local(parchment({kFx, kFy, kFx + kPicW, kFy + kPicH})));
    innerShadow(lc, ff, 5.0f, 5.0f, hex(0x3a1c08, 0.55f));
    lc.paint(ff.band(-1.0f, 1.0f), pal::kOutline.fade(0.8f));
    l.put(c);

    // Studs at the corners and halfway along each side.
    const float sx0 = kTrayInset + 21, sy0 = kTrayInset + 21, sx1 = kBoardW - sx0, sy1 = kBoardH - sy0;
    for (const Vec2 m : {Vec2{sx0, sy0}, Vec2{sx1, sy0}, Vec2{sx0, sy1}, Vec2{sx1, sy1}}) stud(c, m, 6.0f);
    for (const Vec2 m : {Vec2{kBoardW / 2.0f, sy0}, Vec2{kBoardW / 2.0f, sy1}, Vec2{sx0, kBoardH / 2.0f},
                         Vec2{sx1, kBoardH / 2.0f}})
        stud(c, m, 4.5f);
    grain(c, 0.012f, 4401u);
    return c;
}

}  // namespace gen::jigsaw
