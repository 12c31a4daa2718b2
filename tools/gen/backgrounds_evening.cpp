// Evening and night scenes: the pyramid plateau under a terracotta sunset, and the desert under the stars
// with a caravan crossing the dunes.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "paint/Effects.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"

namespace gen::bg {

using namespace scene;

namespace {

void greatPyramids(Canvas& c) {
    Mask litM(kW, kH), shadeM(kW, kH);
    for (const PyramidFaces& p : {pyramid({506, 222}, 500, 486, -44), pyramid({268, 318}, 280, 486, -26),
                                  pyramid({718, 372}, 150, 486, -14)}) {
        p.lit.drawInto(litM);
        p.shade.drawInto(shadeM);
    }
    shadeM.subtract(litM);
    c.paint(litM, Fill::vertical(222, 486, {{0, hex(0xffb470)}, {0.5f, hex(0xe48a52)}, {1, hex(0xc0643c)}}));
    c.paint(shadeM, Fill::vertical(222, 486, {{0, hex(0x8a3a48)}, {1, hex(0x5e2638)}}));
    // Courses of stone show faintly on the lit faces.
    Mask courses(kW, kH);
    for (float y = 236; y < 486; y += 9)
        Shape::line({0, y}, {static_cast<float>(kW), y}, 0.8f).drawInto(courses);
    courses.multiply(litM);
    c.paint(courses, hex(0x8a3a2a, 0.18f));
    Mask both = litM;
    both.unite(shadeM);
    c.paint(both, Fill::vertical(300, 486, {{0, hex(0xf0906a, 0.0f)}, {1, hex(0xf2a070, 0.4f)}}));
}

void obelisk(Canvas& c, float x, float base, float height, float width) {
    const Vec2 tip{x, base - height - width * 0.5f};
    const Vec2 bl{x - width / 2, base}, br{x + width / 2, base}, tl{x - width * 0.34f, base - height},
        tr{x + width * 0.34f, base - height};
    const Vec2 ridgeTop{x + width * 0.06f, base - height}, ridgeBase{x + width * 0.1f, base};
    // The face towards the setting sun glows; the other falls into shade. The capstone is gilded.
    c.paint(Shape::polygon({bl, tl, ridgeTop, ridgeBase}).rasterize(kW, kH, 1.2f),
            Fill::vertical(tip.y, base, {{0, hex(0xf0a066)}, {1, hex(0x8a3a36)}}));
    c.paint(Shape::polygon({ridgeBase, ridgeTop, tr, br}).rasterize(kW, kH, 1.2f),
            Fill::vertical(tip.y, base, {{0, hex(0x6a2a3c)}, {1, hex(0x3a1628)}}));
    c.paint(Shape::polygon({tl, tip, ridgeTop}).rasterize(kW, kH, 1.2f), pal::kGoldLight);
    c.paint(Shape::polygon({ridgeTop, tip, tr}).rasterize(kW, kH, 1.2f), pal::kGoldDeep);
    // A column of carved signs down the lit face.
    Mask signs(kW, kH);
    Rng rng(static_cast<uint64_t>(x));
    for (float y = base - height + 16; y < base - 30; y += 17) {
        const float cx = x - width * 0.16f,
                    w = mixf(width * 0.34f, width * 0.5f, (y - base + height) / height) * 0.5f;
        switch (rng.next() % 3) {
            case 0:
                Shape::circle({cx, y}, w * 0.45f).outline(1.2f).drawInto(signs);
                break;
            case 1:
                Shape::line({cx - w * 0.5f, y}, {cx + w * 0.5f, y}, 1.4f).drawInto(signs);
                break;
            default:
                Shape::line({cx, y - w * 0.5f}, {cx, y + w * 0.5f}, 1.4f).drawInto(signs);
                break;
        }
    }
    c.paint(signs, hex(0x5a2030, 0.5f));
}

// A crescent moon: a pale disc with a bite taken out by the night, and a cool halo.
void crescentMoon(Canvas& c, Vec2 m, float r) {
    c.paint(everywhere(),
            Fill::radial(m, r * 5,
                         {{0, hex(0xa8c0ff, 0.28f)}, {0.35f, hex(0x7090e0, 0.1f)}, {1, hex(0x7090e0, 0.0f)}}),
            Blend::Screen);
    const Shape moon = Shape::circle(m, r) - Shape::circle(m + Vec2{r * 0.42f, -r * 0.22f}, r * 0.86f);
    c.paint(moon.rasterize(kW, kH, 1.5f),
            Fill::radial(m - Vec2{r * 0.5f, 0}, r * 1.2f, {{0, hex(0xfffbe8)}, {1, hex(0xf0e2b8)}}));
}

// A soft river of faint stars across the sky.
void milkyWay(Canvas& c, uint32_t seed) {
    const Noise n(seed);
    Mask glow(kW, kH);
    const Vec2 a{-100, 470}, b{1100, -40};
    const Vec2 dir = normalize(b - a), across{-dir.y, dir.x};
    for (int y = 0; y < 470; ++y)
        for (int x = 0; x < kW; ++x) {
            const Vec2 p{x + 0.5f, y + 0.5f};
            const float d = dot(p - a, across);
            const float band = std::exp(-d * d / (2 * 70.0f * 70.0f));
            const float cloud = n.fbm(x / 90.0f, y / 90.0f, 5);
            glow.at(x, y) =
                band * smoothstep(0.3f, 0.8f, cloud) * (1 - smoothstep(300, 470, static_cast<float>(y)));
        }
    c.paint(glow, hex(0x9cb4ff, 0.22f), Blend::Screen);
    Rng rng(seed + 1);
    Mask dust(kW, kH);
    for (int i = 0; i < 900; ++i) {
        const float t = rng.uniform(), off = (rng.uniform() + rng.uniform() + rng.uniform() - 1.5f) * 110.0f;
        const Vec2 p = lerp(a, b, t) + across * off;
        if (p.y > 440 || p.y < 0) continue;
        Shape::circle(p, rng.range(0.35f, 0.6f)).drawInto(dust, 1.0f);
    }
    c.paint(dust, hex(0xeef2ff, 0.55f), Blend::Screen);
}

void caravan(Canvas& c, const Ridge& crest) {
    Mask m(kW, kH);
    const float xs[] = {560, 612, 664};
    for (float x : xs) camel({x, crest.at(x) + 3}, 40).drawInto(m);
    // Riders: a small robed figure on the first two, sitting in front of the hump.
    for (int i = 0; i < 2; ++i) {
        const Vec2 seat{xs[i] + 38 * 0.06f, crest.at(xs[i]) + 3 - 38 * 0.86f};
        (Shape::polygon({seat + Vec2{-4, 2}, seat + Vec2{4, 2}, seat + Vec2{2, -9}, seat + Vec2{-2, -9}}) |
         Shape::circle(seat + Vec2{0, -11}, 2.4f))
            .drawInto(m);
    }
    paintSilhouette(c, m, hex(0x0a1028), hex(0x9fb8ff, 0.6f), 1);
}

void campfire(Canvas& c, Vec2 at) {
    c.paint(everywhere(),
            Fill::radial(at, {160, 110},
                         {{0, hex(0xff9a40, 0.5f)}, {0.5f, hex(0xff7a30, 0.12f)}, {1, hex(0xff7a30, 0.0f)}}),
            Blend::Screen);
    // A tent beside it, lit on the side facing the fire.
    const Shape tent = Shape::polygon({at + Vec2{-96, 8}, at + Vec2{-58, -44}, at + Vec2{-20, 8}});
    c.paint(tent.rasterize(kW, kH, 1.2f),
            Fill::linear(at + Vec2{-96, 0}, at + Vec2{-20, 0}, {{0, hex(0x2a1a2a)}, {1, hex(0xa85a3a)}}));
    c.paint(Shape::polygon({at + Vec2{-64, 8}, at + Vec2{-58, -22}, at + Vec2{-52, 8}}).rasterize(kW, kH),
            hex(0x140a10));
    Mask logs(kW, kH);
    Shape::line(at + Vec2{-10, 6}, at + Vec2{10, 2}, 3).drawInto(logs);
    Shape::line(at + Vec2{-9, 2}, at + Vec2{9, 6}, 3).drawInto(logs);
    c.paint(logs, hex(0x2a140a));
    Path flame;
    flame.moveTo(at + Vec2{-8, 3})
        .quadTo(at + Vec2{-9, -10}, at + Vec2{-1, -22})
        .quadTo(at + Vec2{1, -12}, at + Vec2{6, -14})
        .quadTo(at + Vec2{9, -4}, at + Vec2{8, 3});
    c.paint(Shape::polygon(flame.points()).rasterize(kW, kH, 1.4f),
            Fill::vertical(at.y - 22, at.y + 3,
                           {{0, hex(0xff7a2a)}, {0.55f, hex(0xffc850)}, {1, hex(0xfff4c8)}}));
}

}  // namespace

Canvas sunsetPlateau() {
    Canvas c(kW, kH);
    const Vec2 sun{98, 432};
    paintSky(c,
             {{0.0f, hex(0x3e1c42)},
              {0.28f, hex(0x7a3040)},
              {0.52f, hex(0xb84a36)},
              {0.75f, hex(0xe07a44)},
              {0.9f, hex(0xf6a860)},
              {1.0f, hex(0xffd28a)}},
             486);
    paintClouds(c, 110, 340, sun, 61u);
    paintSunGlow(c, sun, 330, hex(0xffa050), 0.85f);
    paintSunDisc(c, sun, 44);
    greatPyramids(c);
    Mask birds(kW, kH);
    bird({318, 176}, 15, 3).drawInto(birds);
    bird({344, 160}, 11, 2).drawInto(birds);
    bird({296, 164}, 9, 2.5f).drawInto(birds);
    c.paint(birds, hex(0x3a1630, 0.8f));

    Ridge plateau(kW,
                  {.base = 494, .amplitude = 6, .wavelength = 520, .phase = 0.2f, .wobble = 5, .seed = 62});
    paintDunes(c, plateau,
               {.lit = hex(0xe88a56),
                .shade = hex(0x8a3a44),
                .deep = hex(0x7a3440),
                .depth = 70,
                .haze = hex(0xf0a070, 0.25f),
                .rim = 0.4f,
                .seed = 63});
    Ridge mid(kW, {.base = 566, .amplitude = 24, .wavelength = 460, .phase = 0.55f, .wobble = 8, .seed = 64});
    paintDunes(c, mid,
               {.lit = hex(0xe98a52),
                .shade = hex(0x84384a),
                .deep = hex(0x6e3040),
                .depth = 100,
                .rim = 0.45f,
                .ripples = 0.03f,
                .seed = 65});
    obelisk(c, 60, 706, 320, 38);
    Mask palms(kW, kH);
    drawPalm(palms, {{752, 700}, 300, -40, 0.85f, -6, 66});
    drawPalm(palms, {{700, 690}, 200, -20, 0.6f, 4, 67});
    paintSilhouette(c, palms, hex(0x2a1024), hex(0xffa060, 0.55f), 2);
    Ridge fore(kW,
               {.base = 676, .amplitude = 38, .wavelength = 780, .phase = 0.3f, .wobble = 10, .seed = 68});
    fore.flatten(160, 560, 200, 700);
    paintDunes(c, fore,
               {.lit = hex(0xf09a5c),
                .shade = hex(0x7a3244),
                .deep = hex(0x5e2838),
                .depth = 140,
                .rim = 0.5f,
                .ripples = 0.05f,
                .seed = 69});
    vignette(c, 0.3f, hex(0x2a0e1e));
    return c;
}

Canvas starryNight() {
    Canvas c(kW, kH);
    paintSky(c, {{0.0f, hex(0x050a20)}, {0.45f, hex(0x0e1a46)}, {0.8f, hex(0x1d3270)}, {1.0f, hex(0x34548e)}},
             470);
    milkyWay(c, 81u);
    paintStars(c, 440, 420, 82u);
    crescentMoon(c, {136, 112}, 34);
    haze(c, 330, 470, hex(0x4a6aa8, 0.3f));

    Mask pyr(kW, kH), pyrShade(kW, kH);
    const PyramidFaces p = pyramid({640, 356}, 180, 478, -18);
    p.lit.drawInto(pyr);
    p.shade.drawInto(pyrShade);
    pyrShade.subtract(pyr);
    c.paint(pyr, hex(0x34497e));
    c.paint(pyrShade, hex(0x141d44));

    Ridge far(kW, {.base = 478, .amplitude = 12, .wavelength = 300, .phase = 0.25f, .wobble = 6, .seed = 83});
    paintDunes(c, far,
               {.lit = hex(0x4a64a0),
                .shade = hex(0x1c2858),
                .deep = hex(0x223066),
                .depth = 60,
                .haze = hex(0x3a5490, 0.3f),
                .rim = 0.3f,
                .seed = 84});
    Ridge mid(kW, {.base = 540, .amplitude = 32, .wavelength = 480, .phase = 0.7f, .wobble = 8, .seed = 85});
    caravan(c, mid);
    paintDunes(c, mid,
               {.lit = hex(0x5572b0),
                .shade = hex(0x18224e),
                .deep = hex(0x1c2858),
                .depth = 100,
                .rim = 0.35f,
                .ripples = 0.025f,
                .seed = 86});
    Ridge fore(kW,
               {.base = 668, .amplitude = 40, .wavelength = 800, .phase = 0.15f, .wobble = 10, .seed = 87});
    fore.flatten(260, 620, 200, 696);
    paintDunes(c, fore,
               {.lit = hex(0x5a78b4),
                .shade = hex(0x141c44),
                .deep = hex(0x161e46),
                .depth = 150,
                .rim = 0.4f,
                .ripples = 0.04f,
                .seed = 88});
    campfire(c, {150, fore.at(150) + 10});
    vignette(c, 0.35f, hex(0x02040e));
    return c;
}

}  // namespace gen::bg
