// The pictures of the play grid: cell lines, the shade over dragged cells, the grid's parchment back, the
// number panels' gradients and dividers; the panels' gold frame pieces come from maingame_grid_frame.cpp.
#include <cmath>
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "maingame_grid_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Fill.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kPitch[5] = {50, 36, 30, 24, 20};
const std::string kDir = "gfx/gui/mainGame/";

// One cell's outline in white (the game tints it): a 1-pixel square on the picture's edge, so that the
// lines of neighbouring cells fall on the same pixels. Corners are a touch lighter, which keeps the
// crossings from looking heavier than the lines.
Canvas cellLines(int pitch) {
    const int s = pitch + 1;
    Canvas c(s, s);
    for (int i = 0; i < s; ++i) {
        const float along = (i == 0 || i == s - 1) ? 0.35f : 0.5f;
        for (auto [x, y] : {std::pair{i, 0}, std::pair{i, s - 1}, std::pair{0, i}, std::pair{s - 1, i}})
            c.at(x, y) = premultiply(kWhite.withAlpha(along));
    }
    // A faint halo just inside the line softens its edge against the tiles.
    for (int i = 1; i < s - 1; ++i)
        for (auto [x, y] : {std::pair{i, 1}, std::pair{i, s - 2}, std::pair{1, i}, std::pair{s - 2, i}})
            if (c.at(x, y).a == 0) c.at(x, y) = premultiply(kWhite.withAlpha(0.08f));
    return c;
}

// The shade over a dragged cell: deep blue, darker towards its rounded edge.
Canvas dragShade(int pitch) {
    constexpr int k = 4;
    const int s = pitch * k;
    const float m = 1.0f * k, r = (0.12f * pitch + 1.0f) * k;
    const Shape body = Shape::rect(m, m, s - 2 * m, s - 2 * m, r);
    const Field f = body.field(s, s);
    Canvas c(s, s);
    c.paint(f.coverage(), pal::kBlueNight.withAlpha(0.36f));
    innerGlow(c, f, pal::kBlueNight.withAlpha(0.35f), 0.22f * s, Blend::Over);
    c.paint(f.band(-1.0f * k, 0.0f), hex(0x000000, 0.25f), Blend::Inside);
    return c.downsampled(k);
}

// Calm sandstone parchment with a soft shadow along its edges; the game stretches it under the grid.
Canvas gridBack() {
    constexpr int s = 256;
    Canvas c(s, s);
    const Noise n(301u);
    const Gradient tone{{0, hex(0xd9b67c)}, {0.5f, hex(0xead0a0)}, {1, hex(0xf7e6c2)}};
    c.paint(Mask(s, s, 1.0f), Fill([&](float x, float y) {
                const float broad = n.fbm(x / 90.0f, y / 90.0f, 3);
                const float fine = n.fbm(x / 14.0f, y / 14.0f, 3);
                const float light = 1.0f - (x + 1.25f * y) / (2.25f * s);
                return tone.at(0.35f + 0.35f * (broad - 0.5f) + 0.16f * (fine - 0.5f) + 0.35f * light);
            }));
    grain(c, 0.025f, 302u);
    // Darker towards the rim, so the field sits a little sunk into the scene.
    const Shape inner = Shape::rect(0.2f * s, 0.2f * s, 0.6f * s, 0.6f * s, 0.1f * s);
    c.paint(Mask(s, s, 1.0f), Fill([&](float x, float y) {
                const float e = inner.distance({x, y}) / (0.2f * s);
                return hex(0x6a4420, 0.35f * smoothstep(0.0f, 1.0f, e));
            }));
    return c;
}

// A panel backing: deep blue all the way to the panel's outer end, so every clue stands on it, a little
// deeper next to the grid; `horizontal` runs along x.
Canvas panelGradient(bool horizontal) {
    constexpr int s = 64;
    Canvas c(s, s);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            const float t = ((horizontal ? x : y) + 0.5f) / s;
            const float a = 0.66f + 0.14f * t;
            c.at(x, y) = premultiply(mixOklab(pal::kBlueNight, pal::kBlueDeep, t).withAlpha(a));
        }
    return c;
}

// A thin gold line, 64 long and 3 across: dark edge, bright middle, fading at both ends.
Canvas divider(bool horizontal) {
    constexpr int len = 64;
    const Color across[3] = {pal::kGoldLight.withAlpha(0.55f), pal::kGoldPale,
                             pal::kGoldDeep.withAlpha(0.7f)};
    Canvas c(horizontal ? len : 3, horizontal ? 3 : len);
    for (int i = 0; i < len; ++i) {
        const float end = smoothstep(0.0f, 10.0f, i + 0.5f) * smoothstep(0.0f, 10.0f, len - i - 0.5f);
        for (int j = 0; j < 3; ++j) {
            Color col = across[j];
            col.a *= end;
            c.at(horizontal ? i : j, horizontal ? j : i) = premultiply(col);
        }
    }
    return c;
}

}  // namespace

void genMainGameGrid(const Context& ctx) {
    for (int i = 0; i < 5; ++i) {
        const std::string n = std::to_string(i);
        writePng(cellLines(kPitch[i]), ctx.out(kDir + "grid-" + n + ".png"));
        writePng(dragShade(kPitch[i]), ctx.out(kDir + "darker" + n + ".png"));
    }
    writePng(gridBack(), ctx.out(kDir + "back.png"));
    writePng(panelGradient(true), ctx.out(kDir + "gradient-left.png"));
    writePng(panelGradient(false), ctx.out(kDir + "gradient-up.png"));
    writePng(divider(true), ctx.out(kDir + "divLeft.png"));
    writePng(divider(false), ctx.out(kDir + "divUp.png"));
    const std::vector<Canvas> frame = grid::framePieces(kPitch);
    for (size_t i = 0; i < frame.size(); ++i)
        writePng(frame[i], ctx.out(kDir + "frame" + std::to_string(i) + ".png"));
}

}  // namespace gen
