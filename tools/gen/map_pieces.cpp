// The small pictures on the journey map: the stage medallion in its two looks, the arrow bobbing over the
// current stage, and the carved bottom panel with its cartouche.
#include <vector>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "maingame_hud_panel.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Style.h"

namespace gen::map {

namespace {

// The small pictures are painted this many times larger and shrunk, for clean edges.
constexpr int kScale = 4;

// Polished gold with a dark outline, all its widths `k` times the screen size.
Style goldAt(float top, float bottom, float k) {
    Style s = hud::goldTrim(top, bottom, 1.2f * k);
    s.bevel = Bevel{2.2f * k, 0.7f, 0.45f, true};
    s.shadow.reset();
    return s;
}

// A soft shadow on the ground under a picture painted at kScale.
void floorShadow(Canvas& c, Vec2 centre, float rx, float ry, float opacity) {
    Mask m = Shape::ellipse(centre * kScale, rx * kScale, ry * kScale).rasterize(c.width(), c.height());
    m.blur(2.5f * kScale);
    c.paint(m, hex(0x1a0d05, opacity));
}

}  // namespace

// "stage-1.png" / "stage-0.png": the medallion centred at (20, 20) with its point (20, 9) on the place.
Canvas stageMarker(bool open) {
    constexpr float k = kScale;
    const Vec2 m = Vec2{20, 20} * k;
    Canvas c(40 * kScale, 48 * kScale);
    floorShadow(c, {21, 40}, 14, 4.5f, 0.5f);
    Style rim = goldAt(m.y - 18 * k, m.y + 18 * k, k);
    rim.shadow = Shadow{Vec2{0.8f, 1.6f} * k, 1.2f * k, hex(0x1a0d05, 0.55f)};
    hud::styled(c, Shape::circle(m, 17 * k), rim, 3 * k);
    // Four studs on the rim and a sunken stone face inside it.
    for (float a : {-135.0f, -45.0f, 45.0f, 135.0f}) {
        const Vec2 p = polar(m, 14.6f * k, a);
        hud::part(c, Shape::circle(p, 1.5f * k), hud::gold(p.y - 1.5f * k, p.y + 1.5f * k), 0.6f * k,
                  0.8f * k);
    }
    const Shape face = Shape::circle(m, 12.2f * k);
    hud::Layer l(c, face.bounds().expanded(2));
    const Field f = l.field(face);
    const Color stoneLit = open ? hex(0x8a6a4a) : hex(0x8d8377),
                stoneDeep = open ? hex(0x3e2616) : hex(0x4e4640);
    l.canvas().paint(f.coverage(),
                     l.local(Fill::radial(m + Vec2{-4, -5} * k, 16 * k, {{0, stoneLit}, {1, stoneDeep}})));
    innerShadow(l.canvas(), f, 1.6f * k, 1.4f * k, hex(0x140804, 0.75f));
    l.canvas().paint(f.band(-0.3f * k, 0.3f * k), pal::kOutline.fade(0.9f));
    l.put(c);
    if (open) {
        Style gem;
        gem.fill = Fill::radial(m + Vec2{-3, -3.5f} * k, 11 * k,
                                {{0, hex(0xeafffb)},
                                 {0.3f, pal::kTurquoiseLight},
                                 {0.65f, pal::kTurquoise},
                                 {1, pal::kTurquoiseDeep}});
        gem.outline = 0.8f * k;
        gem.outlineFill = hex(0x0b3a38);
        gem.bevel = Bevel{2.6f * k, 0.6f, 0.45f, true};
        gem.glow = Glow{2.5f * k, hex(0x8cf2e4, 0.35f), Blend::Screen};
        hud::styled(c, Shape::regular(m, 8, 9 * k, 22.5f), gem, 4 * k);
        c.paint(Shape::ellipse(m + Vec2{-3, -3.6f} * k, 2.8f * k, 1.8f * k), hex(0xffffff, 0.85f),
                Blend::Screen);
    } else {
        // A dull pebble, worn smooth, with a faint crack.
        hud::part(c, Shape::ellipse(m + Vec2{0, 0.5f} * k, 8 * k, 7 * k),
                  Fill::radial(m + Vec2{-3, -3} * k, 11 * k, {{0, hex(0xa49888)}, {1, hex(0x5e544a)}}),
                  0.8f * k, 2.0f * k, 0.35f, 0.35f);
        c.paint(
            Shape::stroke({m + Vec2{-3, -5} * k, m + Vec2{-1, -1} * k, m + Vec2{-2.5f, 3} * k}, {0.7f * k}),
            hex(0x3a302a, 0.6f));
    }
    return c.downsampled(kScale);
}

// "arrow.png": a gold arrow with a turquoise inlay pointing down, its tip at (22, 50).
Canvas stageArrow() {
    constexpr float k = kScale;
    Canvas c(44 * kScale, 52 * kScale);
    auto arrow = [&](float shaftHalf, float headHalf, float top, float neck, float tip) {
        return (Shape::rect((22 - shaftHalf) * k, top * k, 2 * shaftHalf * k, (neck - top + 2) * k, 2 * k) |
                Shape::polygon(
                    {Vec2{22 - headHalf, neck} * k, Vec2{22 + headHalf, neck} * k, Vec2{22, tip} * k}))
            .grown(-0.8f * k)
            .grown(0.8f * k);
    };
    const Shape body = arrow(8, 19, 3, 25, 49.4f);
    Style gold = goldAt(3 * k, 50 * k, k);
    gold.outline = 1.6f * k;
    gold.outlineFill = pal::kOutline;
    gold.shadow = Shadow{Vec2{1.0f, 1.4f} * k, 1.0f * k, hex(0x1a0d05, 0.5f)};
    hud::styled(c, body, gold, 3 * k);
    const Shape inlay = arrow(3.2f, 11, 7, 29, 42);
    hud::Layer l(c, inlay.bounds().expanded(2 * k));
    const Field f = l.field(inlay);
    l.canvas().paint(
        f.coverage(),
        l.local(Fill::vertical(
            7 * k, 42 * k, {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}})));
    innerShadow(l.canvas(), f, 1.0f * k, 1.0f * k, hex(0x06302c, 0.6f));
    l.canvas().paint(f.band(-0.2f * k, 0.5f * k), pal::kOutline.fade(0.8f));
    l.put(c);
    c.paint(Shape::ellipse(Vec2{20.5f, 12} * k, 1.2f * k, 3.2f * k), hex(0xffffff, 0.6f), Blend::Screen);
    return c.downsampled(kScale);
}

// "gfx/gui/mapa/panel.png": carved sandstone with a gold edge, its middle raised round a lapis cartouche
// (x 392–692, the text at (542, 51)); the buttons at x 20–220 and 804–1004 stand on plain stone.
Canvas mapPanel() {
    constexpr int w = kW, h = 92;
    Path top;
    top.moveTo({-10, 14})
        .lineTo({340, 14})
        .cubicTo({362, 14}, {366, 3}, {392, 3})
        .lineTo({692, 3})
        .cubicTo({718, 3}, {722, 14}, {744, 14})
        .lineTo({w + 10, 14})
        .lineTo({w + 10, h + 10})
        .lineTo({-10, h + 10});
    const Shape strip = Shape::polygon(top.points());
    Canvas c(w, h);
    dropShadow(c, strip.rasterize(w, h), {0, -2}, 4.0f, hex(0x1a0d05, 0.45f));
    const Field f = strip.field(w, h, 20);
    c.paint(f.coverage(), hud::sandstone({0, 0, w, h}, 660u));
    Rng rng(661u);
    Mask grains(w, h);
    for (int i = 0; i < 900; ++i)
        Shape::circle({rng.range(0, w), rng.range(0, h)}, rng.range(0.35f, 0.8f)).drawInto(grains);
    grains.multiply(f.coverage());
    c.paint(grains, hex(0x8a5a2c, 0.3f));
    bevel(c, f, Bevel{5.0f, 0.3f, 0.4f, true});
    hud::styled(c, strip - strip.grown(-4.5f), hud::goldTrim(0, 20, 1.2f), 3.0f);
    hud::groove(c, (strip.grown(-10) & Shape::rect(0, 0, w, h - 6)).outline(1.4f), 0.7f);
    hud::socket(c, Shape::rect(392, 30, 300, 42, 21), 3.0f, hud::lapis(30, 72), 3.5f);
    for (float x : {378.0f, 706.0f}) panel::stud(c, {x, 51}, 4.0f);
    panel::lotusMedallion(c, {306, 52}, 22);
    panel::lotusMedallion(c, {748, 52}, 22);
    grain(c, 0.015f, 662u);
    return c;
}

}  // namespace gen::map
