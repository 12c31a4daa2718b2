// The options screen's volume sliders: the gold frame of a bar, its glossy fill and the gem knob.
#include <cmath>
#include <string>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "panels_art.h"

namespace gen {

using namespace paint;

namespace {

// The fill is drawn 10 pixels right of the frame's left edge and 5 below its top, and cut off at the volume.
constexpr int kBarW = 415, kBarH = 32;
constexpr int kFillX = 10, kFillY = 5, kFillW = 395, kFillH = 22;

Shape window() {
    return Shape::rect(kFillX, kFillY, kFillW, kFillH, kFillH / 2.0f);
}

// The frame: a gold ring round a window of glass; what shows through it is the fill (or the dark panel),
// darkened at the top by the ring's shadow and lit by a reflection.
Canvas bar() {
    Canvas c(kBarW, kBarH);
    const Shape outer = Shape::rect(1.5f, 1, kBarW - 4, kBarH - 3, (kBarH - 3) / 2.0f);
    Style ring = hud::goldTrim(1, kBarH - 2, 1.2f);
    ring.bevel = Bevel{2.5f, 0.7f, 0.45f, true};
    ring.shadow = Shadow{{1.0f, 1.5f}, 1.2f, hex(0x0a0302, 0.6f)};
    drawStyled(c, (outer - window()).field(kBarW, kBarH), ring);
    // Inside the window: a dark seam, the shadow of the upper rim, and a band of reflected light.
    const Field f = window().field(kBarW, kBarH);
    seeThroughShadow(c, f, 2.5f, 2.0f, hex(0x0a0302, 0.7f));
    const Shape shine = Shape::rect(kFillX + 8, kFillY + 3, kFillW - 16, 5, 2.5f);
    c.paint(shine.rasterize(kBarW, kBarH, 1.5f),
            Fill::vertical(kFillY + 3, kFillY + 8, {{0, hex(0xffffff, 0.45f)}, {1, hex(0xffffff, 0.08f)}}));
    c.paint(f.band(-0.3f, 1.0f), pal::kOutline.fade(0.9f));
    return c;
}

// The fill: warm gold on the left turning to turquoise on the right, rounded like a tube.
Canvas fill() {
    Canvas c(kFillW, kFillH);
    const Gradient along{
        {0, pal::kGoldDeep}, {0.25f, pal::kGold}, {0.6f, hex(0x7fd39a)}, {1, pal::kTurquoise}};
    const Gradient tube{{0, hex(0xffffff, 0.55f)},
                        {0.35f, hex(0xffffff, 0.1f)},
                        {0.6f, hex(0x000000, 0.0f)},
                        {1, hex(0x1a0d05, 0.45f)}};
    c.paint(Mask(kFillW, kFillH, 1.0f), Fill([along](float x, float) { return along.at(x / kFillW); }));
    c.paint(Mask(kFillW, kFillH, 1.0f), Fill([tube](float, float y) { return tube.at(y / kFillH); }));
    // Faint slanted ribs, so the fill reads as moving liquid gold rather than a flat colour.
    Mask ribs(kFillW, kFillH);
    for (int y = 0; y < kFillH; ++y)
        for (int x = 0; x < kFillW; ++x) {
            const float t = std::fmod(x + y * 0.6f, 18.0f) / 18.0f;
            ribs.at(x, y) = smoothstep(0.0f, 0.15f, t) * (1 - smoothstep(0.45f, 0.6f, t)) * 0.12f;
        }
    c.paint(ribs, kWhite, Blend::Screen);
    return c;
}

// The knob: a turquoise cabochon set in a gold bezel, its middle at the picture's centre.
Canvas knob() {
    constexpr int kW = 34, kH = 40;
    Canvas c(kW, kH);
    const Vec2 m{16.5f, 19.5f};
    Style bezel = hud::goldTrim(m.y - 16, m.y + 16, 1.3f);
    bezel.bevel = Bevel{3.0f, 0.75f, 0.5f, true};
    bezel.shadow = Shadow{{1.5f, 2.0f}, 1.6f, hex(0x0a0302, 0.65f)};
    drawStyled(c, Shape::ellipse(m, 13.5f, 16.5f).field(kW, kH), bezel);
    Style gem;
    gem.fill = Fill::radial(m + Vec2{-3, -5}, 14,
                            {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gem.outline = 1.0f;
    gem.outlineFill = hex(0x4a2806);
    gem.bevel = Bevel{3.0f, 0.55f, 0.5f, true};
    drawStyled(c, Shape::ellipse(m, 8.5f, 11.5f).field(kW, kH), gem);
    c.paint(Shape::ellipse(m + Vec2{-3, -5}, 3.0f, 2.2f).rasterize(kW, kH, 1.0f), hex(0xffffff, 0.85f),
            Blend::Screen);
    return c;
}

}  // namespace

void genOptionsArt(const Context& ctx) {
    writePng(bar(), ctx.out("gfx/gui/options/bar.png"));
    writePng(fill(), ctx.out("gfx/gui/options/pasek.png"));
    writePng(knob(), ctx.out("gfx/gui/options/suwak.png"));
}

}  // namespace gen
