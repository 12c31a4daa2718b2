// The loading screen's progress bar, its two gem dots and the framing overlay with vignette and gold corners.
#include <cmath>
#include <vector>

#include "Entries.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

using namespace paint;

namespace {

Fill goldRim(float top, float bottom) {
    return Fill::vertical(
        top, bottom,
        {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.6f, pal::kGold}, {1, pal::kGoldDeep}});
}

// A gold band drawn on its own: dark outline, gold body lit from the top left, soft shadow.
Style goldTrim(float top, float bottom) {
    Style s;
    s.fill = goldRim(top, bottom);
    s.outline = 1.5f;
    s.outlineFill = pal::kOutline.fade(0.9f);
    s.bevel = Bevel{2.0f, 0.6f, 0.35f, true};
    s.shadow = Shadow{{1.5f, 2.0f}, 1.8f, hex(0x0a0510, 0.55f)};
    return s;
}

void progressBar(const Context& ctx) {
    constexpr int kW = 520, kH = 34;
    Canvas c(kW, kH);
    const Shape channel = Shape::rect(8, 6.5f, kW - 16, 19, 9.5f);
    // Dark edge, gold rim, then the turquoise fill sunk into it.
    Style rim = goldTrim(2, 30);
    rim.outline = 1.6f;
    rim.shadow = Shadow{{0, 1.0f}, 1.0f, hex(0x0a0510, 0.5f)};
    rim.bevel = Bevel{2.5f, 0.7f, 0.4f, true};
    drawStyled(c, channel.grown(3.5f).field(kW, kH), rim);

    Canvas fill(kW, kH);
    const Field f = channel.field(kW, kH);
    fill.paint(f.coverage(), Fill::vertical(6, 26,
                                            {{0, pal::kTurquoiseLight},
                                             {0.45f, pal::kTurquoise},
                                             {0.55f, hex(0x1faea2)},
                                             {1, pal::kTurquoiseDeep}}));
    innerShadow(fill, f, 2.0f, 1.5f, hex(0x06302c, 0.7f));
    // Gentle slanted bands give the fill some life when it grows.
    Mask bands(kW, kH);
    for (int x = -20; x < kW + 20; x += 22)
        Shape::line({x + 0.0f, 30}, {x + 14.0f, 4}, 7).drawInto(bands, 2.5f);
    bands.multiply(f.coverage());
    fill.paint(bands, hex(0xffffff, 0.1f), Blend::Screen);
    // Glossy highlight on the upper half.
    const Shape gloss = Shape::rect(14, 8, kW - 28, 7, 3.5f);
    fill.paint(gloss.rasterize(kW, kH, 1.5f),
               Fill::vertical(8, 15, {{0, hex(0xffffff, 0.65f)}, {1, hex(0xffffff, 0.1f)}}), Blend::Screen);
    c.draw(fill, 0, 0);
    writePng(c, ctx.out("gfx/gui/loading/loading.png"));
}

void dot(const Context& ctx, bool lit) {
    constexpr int kS = 24;
    const Vec2 m{12, 12};
    Canvas c(kS, kS);
    if (lit) {
        Mask halo = Shape::circle(m, 8.5f).rasterize(kS, kS, 1.0f);
        halo.blur(1.7f);
        c.paint(halo, hex(0x7ff5e2), Blend::Add);
    }
    Style ring = goldTrim(3, 21);
    if (!lit) ring.fill = Fill::vertical(3, 21, {{0, hex(0xb8a07a)}, {1, hex(0x5c4630)}});
    ring.shadow = Shadow{{0.5f, 1.0f}, 1.0f, hex(0x0a0510, 0.5f)};
    drawStyled(c, Shape::circle(m, 7.6f).field(kS, kS), ring);
    Style gem;
    gem.fill = lit ? Fill::radial(m + Vec2{-2, -2.5f}, 8,
                                  {{0, hex(0xeafffb)}, {0.35f, pal::kTurquoiseLight}, {1, pal::kTurquoise}})
                   : Fill::radial(m + Vec2{-2, -2.5f}, 8, {{0, pal::kStone}, {1, pal::kStoneDark}});
    gem.outline = 0.8f;
    gem.outlineFill = lit ? hex(0x0b4a44) : hex(0x2a2420);
    gem.bevel = Bevel{2.0f, lit ? 0.5f : 0.3f, 0.35f, true};
    drawStyled(c, Shape::circle(m, 5.2f).field(kS, kS), gem);
    c.paint(Shape::ellipse(m + Vec2{-1.8f, -2.2f}, 1.6f, 1.1f).rasterize(kS, kS, 1.0f),
            hex(0xffffff, lit ? 0.95f : 0.35f), Blend::Screen);
    writePng(c, ctx.out(lit ? "gfx/gui/loading/true.png" : "gfx/gui/loading/false.png"));
}

// One corner ornament: a fan of rays under two arcs, with a gold bead; (sx, sy) = ±1 mirror it into a corner.
Shape cornerOrnament(float w, float h, float sx, float sy) {
    const Vec2 corner{sx > 0 ? 14.0f : w - 14, sy > 0 ? 14.0f : h - 14};
    // Angles of the quarter between the two edges of this corner.
    const float a0 = sx > 0 ? (sy > 0 ? 0.0f : 270.0f) : (sy > 0 ? 90.0f : 180.0f);
    auto arc = [&](float r) {
        std::vector<Vec2> pts;
        for (int i = 0; i <= 24; ++i) pts.push_back(polar(corner, r, a0 + 90.0f * i / 24));
        return pts;
    };
    Shape s = Shape::stroke(arc(46), {3.0f}) | Shape::stroke(arc(36), {1.4f});
    for (float t : {0.25f, 0.5f, 0.75f})
        s = s | Shape::line(polar(corner, 14, a0 + 90 * t), polar(corner, 36, a0 + 90 * t),
                            t == 0.5f ? 2.6f : 1.8f);
    s = s | Shape::circle(polar(corner, 46, a0 + 45), 4.5f);
    s = s | Shape::circle(polar(corner, 46, a0), 3.0f) | Shape::circle(polar(corner, 46, a0 + 90), 3.0f);
    // Knobs further along the edges, and a diamond on the corner itself.
    s = s | Shape::circle({corner.x + sx * 96, corner.y}, 3.2f) |
        Shape::circle({corner.x, corner.y + sy * 96}, 3.2f);
    s = s | Shape::polygon(
                {corner + Vec2{0, -12}, corner + Vec2{12, 0}, corner + Vec2{0, 12}, corner + Vec2{-12, 0}});
    return s;
}

void frameOverlay(const Context& ctx) {
    constexpr int kW = 1024, kH = 768;
    Canvas c(kW, kH);
    // A soft vignette of deep evening blue, strongest in the corners.
    Mask vig(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const float u = (x + 0.5f - kW / 2.0f) / (kW * 0.62f), v = (y + 0.5f - kH / 2.0f) / (kH * 0.62f);
            const float d = std::sqrt(u * u + v * v);
            vig.at(x, y) = 0.62f * smoothstep(0.55f, 1.12f, d);
        }
    c.paint(vig, hex(0x0b0716));
    // Thin double gold line around the picture and ornaments in the corners.
    const float w = kW, h = kH;
    Shape frame = Shape::rect(14, 14, w - 28, h - 28, 6).outline(2.2f);
    frame = frame | Shape::rect(21, 21, w - 42, h - 42, 4).outline(1.0f);
    for (float sx : {1.0f, -1.0f})
        for (float sy : {1.0f, -1.0f}) frame = frame | cornerOrnament(w, h, sx, sy);
    Style trim = goldTrim(0, h);
    trim.fill = hex(0xe6a83c);
    trim.bevel = Bevel{2.0f, 0.75f, 0.45f, true};
    drawStyled(c, frame.field(kW, kH, 8), trim);
    // Turquoise gems set into the corner diamonds.
    for (Vec2 p : {Vec2{14, 14}, Vec2{w - 14, 14}, Vec2{14, h - 14}, Vec2{w - 14, h - 14}}) {
        Style gem;
        gem.fill = Fill::radial(p + Vec2{-2, -2}, 7, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
        gem.outline = 1.0f;
        gem.outlineFill = hex(0x0b3a38);
        gem.bevel = Bevel{2.0f, 0.5f, 0.4f, true};
        drawStyled(c, Shape::circle(p, 5).field(kW, kH), gem);
    }
    writePng(c, ctx.out("gfx/gui/loading/bars.png"));
}

}  // namespace

void genLoadingParts(const Context& ctx) {
    progressBar(ctx);
    dot(ctx, false);
    dot(ctx, true);
    frameOverlay(ctx);
}

}  // namespace gen
