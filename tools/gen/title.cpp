// The title screen: its picture (a sunset plateau with a heap of gold), drifting cloud layers, light beams
// and the name plate's pieces. The logo is the loading screen's (loading_logo.cpp writes both).
#include <algorithm>
#include <cmath>

#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "backgrounds_art.h"
#include "paint/Canvas.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

using namespace paint;
using namespace pal;

namespace {

// A heap of gold coins and a few gems in the bottom-right corner, where the title's sparkles glint.
void treasureHeap(Canvas& c) {
    Rng rng(77);
    const Shape heap = Shape::ellipse({880, 790}, 190, 130);
    Style base = goldStyle(640, 768, 2.0f);
    base.shadow = Shadow{{-6, 6}, 10, hex(0x1a0a02, 0.55f)};
    drawStyled(c, heap.field(bg::kW, bg::kH), base);
    for (int i = 0; i < 70; ++i) {
        const float a = rng.range(3.3f, 6.1f);
        const float r = rng.range(0.1f, 1.0f);
        const Vec2 p{880 + std::cos(a) * 180 * r, 790 + std::sin(a) * 120 * r};
        if (p.y > 770) continue;
        Style coin = goldStyle(p.y - 10, p.y + 10, 1.2f);
        drawStyled(c, Shape::ellipse(p, 13, 8).field(bg::kW, bg::kH), coin);
    }
    const Color gems[3] = {kTurquoise, kTerracotta, kBlue};
    const Vec2 at[3] = {{864, 702}, {876, 640}, {832, 726}};
    for (int i = 0; i < 3; ++i) {
        Style gem;
        gem.fill =
            Fill::radial({at[i].x - 3, at[i].y - 4}, 12, Gradient{{0, lighter(gems[i], 0.6f)}, {1, gems[i]}});
        gem.outline = 1.5f;
        gem.outlineFill = kOutline;
        drawStyled(c, Shape::regular(at[i], 6, 10, 15).field(bg::kW, bg::kH), gem);
    }
}

Canvas cloudLayer(uint32_t seed) {
    Canvas c(904, 300);
    bg::puffyClouds(c, 20, 230, hex(0xf4c9a0, 0.55f), hex(0xfff0d6, 0.8f), 0.45f, seed);
    // The layer's edges melt into the sky: no straight border where the picture ends.
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const float fx = std::min({1.0f, x / 160.0f, (c.width() - 1 - x) / 160.0f});
            const float fy = std::min(1.0f, (c.height() - 1 - y) / 90.0f);
            Pixel& p = c.at(x, y);
            const float k = fx * fy;
            p = Pixel{p.r * k, p.g * k, p.b * k, p.a * k};
        }
    return c;
}

// Soft rays of warm light falling from the upper left, each beam picture its own set of rays.
Canvas beam(uint32_t seed) {
    Canvas c(bg::kW, bg::kH);
    Rng rng(seed);
    for (int i = 0; i < 3; ++i) {
        const float a = rng.range(18.0f, 62.0f) * 3.14159f / 180.0f;
        const float spread = rng.range(0.03f, 0.07f);
        const float len = 1300;
        const Vec2 o{-60, -80};
        const Shape ray =
            Shape::polygon({o,
                            {o.x + std::cos(a - spread) * len, o.y + std::sin(a - spread) * len},
                            {o.x + std::cos(a + spread) * len, o.y + std::sin(a + spread) * len}});
        c.paint(ray, Fill::radial(o, 1000, Gradient{{0, hex(0xffd98a, 0.55f)}, {1, hex(0xffb060, 0.0f)}}));
    }
    c.blur(14);
    return c;
}

// The name plate: a soft rounded band, white with alpha (the game tints it).
void plates(const Context& ctx) {
    constexpr int h = 40, cap = 22;
    Canvas whole(2 * cap + 8, h);
    whole.paint(Shape::rect(1, 2, 2 * cap + 6, h - 4, (h - 4) / 2.0f), Fill(hex(0xffffff, 0.9f)));
    whole.blur(1.2f);
    writePng(whole.cropped(0, 0, cap, h), ctx.out("gfx/gui/mainMenu/podklad-left.png"));
    writePng(whole.cropped(cap, 0, 8, h), ctx.out("gfx/gui/mainMenu/podklad-mid.png"));
    writePng(whole.cropped(cap + 8, 0, cap, h), ctx.out("gfx/gui/mainMenu/podklad-right.png"));
}

}  // namespace

void genTitleScreen(const Context& ctx) {
    Canvas back = bg::sunsetPlateau();
    treasureHeap(back);
    bg::vignette(back, 0.35f, hex(0x1a0a02));
    writeJpeg(back, ctx.out("gfx/gui/mainMenu/back.jpg"), 90);
    writePng(cloudLayer(11), ctx.out("gfx/gui/mainMenu/cloud-1.png"));
    writePng(cloudLayer(29), ctx.out("gfx/gui/mainMenu/cloud-2.png"));
    for (int i = 1; i <= 3; ++i)
        writePng(beam(100 + i), ctx.out("gfx/gui/mainMenu/beam-" + std::to_string(i) + ".png"));
    plates(ctx);
}

}  // namespace gen
