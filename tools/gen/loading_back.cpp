// The loading screen's background: a desert at dusk with pyramids, an oasis and palms, framed calm in the
// middle.
#include "Entries.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"

namespace gen {

using namespace paint;
using namespace scene;

namespace {

constexpr int kW = 1024, kH = 768;
constexpr Vec2 kSun{150, 500};

void paintPyramids(Canvas& c) {
    const Color lit = hex(0xd9845a), shade = hex(0x5e3458);
    Mask litM(kW, kH), shadeM(kW, kH);
    for (const PyramidFaces& p : {pyramid({884, 392}, 250, 540, -30), pyramid({1002, 448}, 170, 540, -22),
                                  pyramid({786, 470}, 120, 540, -14)}) {
        p.lit.drawInto(litM);
        p.shade.drawInto(shadeM);
    }
    shadeM.subtract(litM);
    c.paint(litM, Fill::vertical(390, 530, {{0, hex(0xf5b377)}, {1, lit}}));
    c.paint(shadeM, Fill::vertical(390, 530, {{0, hex(0x7a4468)}, {1, shade}}));
    // The evening haze softens them into the sky.
    Mask both = litM;
    both.unite(shadeM);
    c.paint(both, Fill::vertical(380, 540, {{0, hex(0xe89a7a, 0.08f)}, {1, hex(0xf0a070, 0.35f)}}));
}

void paintOasis(Canvas& c) {
    const Shape pool = Shape::ellipse({168, 622}, 118, 15);
    // Damp sand around the water, then the water: sky-coloured at the far edge, deep turquoise near.
    c.paint(pool.grown(6).rasterize(kW, kH, 6.0f), hex(0x6a3446, 0.55f));
    c.paint(pool, Fill::vertical(608, 636, {{0, hex(0xa8f0e0)}, {0.3f, hex(0x4cc9b8)}, {1, hex(0x0f5f68)}}));
    c.paint(pool.outline(1.5f), hex(0xffe2b0, 0.35f), Blend::Screen);
    // The sun's reflection: a few broken streaks.
    for (int i = 0; i < 4; ++i) {
        const float y = 614.0f + i * 4.5f, w = 46.0f - i * 8.0f;
        c.paint(Shape::line({150 - w / 2, y}, {150 + w / 2, y}, 1.6f), hex(0xfff1c0, 0.75f - i * 0.12f),
                Blend::Screen);
    }
    Mask tufts(kW, kH);
    const Vec2 spots[] = {{52, 626}, {66, 630}, {120, 638}, {206, 639}, {262, 632}, {284, 626}, {232, 628}};
    uint32_t seed = 50;
    for (Vec2 p : spots) drawTuft(tufts, p, 18, seed++);
    paintSilhouette(c, tufts, hex(0x2f2a3a), hex(0xffa060, 0.5f), 1);
}

void paintBirds(Canvas& c) {
    Mask m(kW, kH);
    bird({628, 206}, 16, 3).drawInto(m);
    bird({656, 190}, 12, 2).drawInto(m);
    bird({604, 192}, 10, 2.5f).drawInto(m);
    c.paint(m, hex(0x3a1e3c, 0.85f));
}

void paintPalms(Canvas& c) {
    Mask back(kW, kH), front(kW, kH);
    drawPalm(back, {{226, 628}, 118, 14, 0.6f, 8, 11});
    drawPalm(back, {{268, 631}, 78, 10, 0.42f, -6, 12});
    drawPalm(front, {{80, 730}, 390, 46, 1.0f, 4, 13});
    drawPalm(front, {{1012, 760}, 460, -40, 1.2f, -10, 14});
    paintSilhouette(c, back, hex(0x4a2340), hex(0xff9a5a, 0.55f), 2);
    paintSilhouette(c, front, hex(0x2a1330), hex(0xffa060, 0.6f), 2);
}

}  // namespace

void genLoadingBack(const Context& ctx) {
    Canvas c(kW, kH);
    paintSky(c,
             {{0.0f, hex(0x0e1640)},
              {0.3f, hex(0x223370)},
              {0.55f, hex(0x5a4a8a)},
              {0.74f, hex(0xb5637f)},
              {0.88f, hex(0xec8e5a)},
              {1.0f, hex(0xffcc7a)}},
             530);
    paintStars(c, 280, 190, 21);
    paintClouds(c, 140, 330, kSun, 22);
    paintSunGlow(c, kSun, 300, hex(0xffb060), 0.8f);
    paintSunDisc(c, kSun, 38);
    paintPyramids(c);

    Ridge far(kW, {.base = 522, .amplitude = 16, .wavelength = 300, .phase = 0.2f, .wobble = 6, .seed = 31});
    paintDunes(c, far,
               {.lit = hex(0xe39a78),
                .shade = hex(0x9a5a74),
                .deep = hex(0x8e5470),
                .depth = 60,
                .haze = hex(0xf2a77a, 0.35f),
                .rim = 0.35f,
                .seed = 32});
    Ridge mid(kW, {.base = 566, .amplitude = 26, .wavelength = 420, .phase = 0.55f, .wobble = 8, .seed = 33});
    paintDunes(c, mid,
               {.lit = hex(0xe8935e),
                .shade = hex(0x8c4a5e),
                .deep = hex(0x7c4258),
                .depth = 80,
                .haze = hex(0xf0a070, 0.15f),
                .rim = 0.4f,
                .seed = 34});
    Ridge oasis(kW,
                {.base = 606, .amplitude = 20, .wavelength = 520, .phase = 0.1f, .wobble = 8, .seed = 35});
    paintDunes(c, oasis,
               {.lit = hex(0xeaa062),
                .shade = hex(0x8a4a55),
                .deep = hex(0x74404e),
                .depth = 90,
                .rim = 0.4f,
                .ripples = 0.03f,
                .seed = 36});
    paintOasis(c);
    paintPalms(c);
    paintBirds(c);

    Ridge fore(kW,
               {.base = 648, .amplitude = 40, .wavelength = 760, .phase = 0.62f, .wobble = 10, .seed = 37});
    fore.flatten(-200, 250, 200, 712);
    paintDunes(c, fore,
               {.lit = hex(0xf0b26a),
                .shade = hex(0x94505a),
                .deep = hex(0x6e3c4a),
                .depth = 140,
                .rim = 0.45f,
                .ripples = 0.05f,
                .seed = 38});
    grain(c, 0.012f, 39);
    writeJpeg(c, ctx.out("gfx/gui/loading/back.jpg"), 90);
}

}  // namespace gen
