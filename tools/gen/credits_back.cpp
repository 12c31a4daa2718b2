// The credits' background gfx/gui/credits/credits.jpg: the desert under a starry night, pyramids and palms
// dark at the sides, a crescent moon at the top left, and a calm, darker middle where the lines scroll.
#include <cmath>

#include "Entries.h"
#include "LogoArt.h"
#include "backgrounds_art.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"

namespace gen {

using namespace paint;
using namespace scene;
using bg::kH;
using bg::kW;

namespace {

// A faint band of the galaxy across the sky, from the upper left down to the right.
void milkyWay(Canvas& c) {
    const Noise n(211);
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                const float d = std::abs((y - 60) - (x - 100) * 0.32f) / 90.0f;
                const float v = std::exp(-d * d) * (0.4f + 0.6f * n.fbm(x / 70.0f, y / 50.0f, 4));
                return hex(0x8aa0e0, 0.16f * v * (1 - smoothstep(200, 480, y)));
            }),
            Blend::Screen);
}

void crescent(Canvas& c, Vec2 m, float r) {
    c.paint(bg::everywhere(),
            Fill::radial(m, r * 6,
                         {{0, hex(0xb0c4ff, 0.3f)}, {0.4f, hex(0x7090e0, 0.08f)}, {1, hex(0x7090e0, 0)}}),
            Blend::Screen);
    const Shape moon = Shape::circle(m, r) - Shape::circle(m + Vec2{r * 0.45f, -r * 0.2f}, r * 0.85f);
    c.paint(moon.rasterize(kW, kH, 1.2f),
            Fill::radial(m - Vec2{r * 0.5f, 0}, r * 1.2f, {{0, hex(0xfffbe8)}, {1, hex(0xe8dcb0)}}));
}

void pyramids(Canvas& c) {
    Mask lit(kW, kH), shade(kW, kH);
    for (const PyramidFaces& p : {pyramid({176, 420}, 300, 600, -26), pyramid({52, 480}, 170, 600, -14),
                                  pyramid({874, 446}, 250, 600, -20), pyramid({990, 500}, 140, 600, -10)}) {
        p.lit.drawInto(lit);
        p.shade.drawInto(shade);
    }
    shade.subtract(lit);
    c.paint(lit, Fill::vertical(420, 600, {{0, hex(0x4a5a98)}, {1, hex(0x26306a)}}));
    c.paint(shade, Fill::vertical(420, 600, {{0, hex(0x1a2050)}, {1, hex(0x121840)}}));
}

}  // namespace

void genCreditsBack(const Context& ctx) {
    Canvas c(kW, kH);
    paintSky(c, {{0.0f, hex(0x050818)}, {0.45f, hex(0x0c1640)}, {0.8f, hex(0x22306c)}, {1.0f, hex(0x3a3c7c)}},
             600);
    milkyWay(c);
    paintStars(c, 560, 420, 212);
    crescent(c, {128, 112}, 30);
    pyramids(c);
    Ridge far(kW, {.base = 598, .amplitude = 10, .wavelength = 320, .phase = 0.3f, .wobble = 5, .seed = 213});
    paintDunes(c, far,
               {.lit = hex(0x3a4c8c),
                .shade = hex(0x161e4a),
                .deep = hex(0x1a2254),
                .depth = 60,
                .rim = 0.3f,
                .seed = 214});
    Ridge near(kW,
               {.base = 690, .amplitude = 34, .wavelength = 700, .phase = 0.2f, .wobble = 9, .seed = 215});
    near.flatten(300, 720, 200, 712);
    paintDunes(c, near,
               {.lit = hex(0x34467e),
                .shade = hex(0x10163a),
                .deep = hex(0x0c1232),
                .depth = 120,
                .rim = 0.35f,
                .ripples = 0.03f,
                .seed = 216});
    Mask palms(kW, kH);
    drawPalm(palms, {{40, 790}, 430, 40, 1.0f, 4, 217});
    drawPalm(palms, {{996, 800}, 380, -46, 0.9f, -8, 218});
    drawPalm(palms, {{930, 790}, 250, -10, 0.6f, 6, 219});
    paintSilhouette(c, palms, hex(0x070a1c), hex(0x8aa0e0, 0.4f), 1);
    // The middle, where the lines scroll, darkens gently so that the gold text reads on it.
    c.paint(bg::everywhere(),
            Fill::radial({512, 384}, Vec2{330, 520},
                         {{0, hex(0x050818, 0.55f)}, {0.6f, hex(0x050818, 0.3f)}, {1, hex(0x050818, 0)}}));
    bg::vignette(c, 0.5f, hex(0x020410));
    // A fine double gold line round the picture.
    Style s = goldStyle(0, kH, 1.0f);
    s.shadow = Shadow{{1, 2}, 2, hex(0x000000, 0.6f)};
    s.bevel = Bevel{1.2f, 0.6f, 0.4f, true};
    drawStyled(c,
               (Shape::rect(12, 12, kW - 24, kH - 24, 8).outline(3.0f) |
                Shape::rect(20, 20, kW - 40, kH - 40, 5).outline(1.2f))
                   .field(kW, kH),
               s);
    bg::finish(c, 220);
    writeJpeg(c, ctx.out("gfx/gui/credits/credits.jpg"), 90);
}

}  // namespace gen
