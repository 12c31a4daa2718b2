// The route mini-game's pictures in gfx/minigames/ and gfx/miniGames/, and the gold-rimmed glowing channel
// its blocks, source and receiver share.
#include "route_art.h"

#include <string>

#include "Entries.h"
#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"

namespace gen {

namespace route {

Style goldAt(float top, float bottom, float k) {
    Style s = hud::goldTrim(top, bottom, 1.2f * k);
    s.bevel = Bevel{2.2f * k, 0.7f, 0.45f, true};
    s.shadow.reset();
    return s;
}

Fill glowingInlay(const Shape& s, float half) {
    const Gradient g{
        {0, pal::kTurquoiseDeep}, {0.35f, pal::kTurquoise}, {0.7f, pal::kTurquoiseLight}, {1, hex(0xeafffb)}};
    return Fill([s, half, g](float x, float y) { return g.at(clamp01(-s.distance({x, y}) / half)); });
}

void channel(Canvas& c, const Shape& inlay, const Shape& within) {
    constexpr float k = kScale;
    const float rimWidth = (kRimHalf - kInlayHalf) * k;
    // The gold rim: a rounded moulding, pale along its crest, the same seen from any side.
    const Gradient moulding{{0, pal::kGoldDeep}, {0.45f, pal::kGoldPale}, {1, pal::kGoldDeep}};
    Style rim = goldAt(0, 1, k);
    rim.fill = Fill([inlay, rimWidth, moulding](float x, float y) {
        return moulding.at(clamp01(inlay.distance({x, y}) / rimWidth));
    });
    rim.bevel = Bevel{1.4f * k, 0.45f, 0.35f, true};
    rim.outline = 0.9f * k;
    hud::styled(c, inlay.grown(rimWidth) & within, rim, 2 * k);

    // The inlay, sunk a little below the gold and lit from within.
    const Shape cut = inlay & within;
    hud::Layer l(c, cut.bounds().expanded(2 * k));
    const Field f = l.field(cut);
    Canvas& lc = l.canvas();
    lc.paint(f.coverage(), l.local(glowingInlay(inlay, kInlayHalf * k)));
    innerShadow(lc, f, 0.8f * k, 0.8f * k, hex(0x03302c, 0.45f));
    lc.paint(f.band(-0.2f * k, 0.3f * k), hex(0x0b3a38, 0.8f));
    l.put(c);
    // Light spilling from the inlay over the rim.
    halo(c, cut, 2.5f, 0.35f, Blend::Inside);
}

void halo(Canvas& c, const Shape& s, float blur, float opacity, Blend mode) {
    Mask m = s.rasterize(c.width(), c.height());
    m.blur(blur * kScale);
    c.paint(m, pal::kTurquoiseLight, mode, opacity);
}

void fadeSides(Canvas& c, float band, const bool (&sides)[4]) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float dist[4] = {x + 0.5f, y + 0.5f, c.width() - x - 0.5f, c.height() - y - 0.5f};
            float f = 1;
            for (int i = 0; i < 4; ++i)
                if (sides[i]) f *= smoothstep(0, band, dist[i]);
            Pixel& p = c.at(x, y);
            p = {p.r * f, p.g * f, p.b * f, p.a * f};
        }
}

}  // namespace route

void genRouteArt(const Context& ctx) {
    const std::string blocks = "gfx/minigames/routeFind/";
    for (int kind = 0; kind < 5; ++kind)
        writePng(route::block(kind), ctx.out(blocks + "block" + std::to_string(kind) + ".png"));
    const std::string ends = "gfx/miniGames/routeFind/";
    writePng(route::source(), ctx.out(ends + "left.png"));
    writePng(route::sourceLit(), ctx.out(ends + "left-power.png"));
    writePng(route::receiver(), ctx.out(ends + "right.png"));
    writePng(route::receiverLit(), ctx.out(ends + "right-power.png"));
    // The chrome the mini-game screens share.
    writePng(route::topPanel(), ctx.out("gfx/minigames/gornyPanel.png"));
    writePng(route::gaugeFill(), ctx.out("gfx/minigames/pasek.png"));
    writePng(route::gaugeFrame(), ctx.out("gfx/minigames/nakrycie.png"));
    const std::string gauge = "gfx/miniGames/puzzleExpress/";
    writePng(route::gaugeReady(), ctx.out(gauge + "hint.png"));
    writePng(route::gaugeFront(), ctx.out(gauge + "hints_front.png"));
    writePng(route::gaugeBack(), ctx.out(gauge + "hints_back.png"));
}

}  // namespace gen
