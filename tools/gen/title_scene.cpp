// The title picture: the great pyramid at golden hour, an obelisk, palms, the explorer's camp, a picture
// stone in the sand and a heap of treasure; the right side stays calm sky and dunes for the menu.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"
#include "title_art.h"

namespace gen::title {

using namespace paint;
using namespace scene;
using bg::kH;
using bg::kW;

namespace {

constexpr Vec2 kSun{236, 318};

void paintPyramids(Canvas& c) {
    Mask litM(kW, kH), shadeM(kW, kH);
    for (const PyramidFaces& p : {pyramid({402, 196}, 560, 484, -46), pyramid({118, 334}, 250, 484, -22),
                                  pyramid({612, 398}, 130, 484, -10)}) {
        p.lit.drawInto(litM);
        p.shade.drawInto(shadeM);
    }
    shadeM.subtract(litM);
    c.paint(litM, Fill::vertical(196, 484, {{0, hex(0xffd08a)}, {0.5f, hex(0xf0a862)}, {1, hex(0xd0804a)}}));
    c.paint(shadeM, Fill::vertical(196, 484, {{0, hex(0x9a5a5a)}, {1, hex(0x6a3446)}}));
    // Courses of stone on the lit faces, and a gilded capstone on the great one.
    Mask courses(kW, kH);
    for (float y = 208; y < 484; y += 8) Shape::line({0, y}, {float(kW), y}, 0.8f).drawInto(courses);
    Mask shadeCourses = courses;
    courses.multiply(litM);
    c.paint(courses, hex(0x8a4a2a, 0.16f));
    shadeCourses.multiply(shadeM);
    c.paint(shadeCourses, hex(0x3a1830, 0.12f));
    // The shaded faces catch a little warm light thrown back from the sand near their feet.
    c.paint(shadeM, Fill::vertical(300, 484, {{0, hex(0xffa070, 0.0f)}, {1, hex(0xffa070, 0.18f)}}),
            Blend::Screen);
    const Shape cap = Shape::polygon({{402, 196}, {387, 214}, {409, 214}});
    c.paint(cap.rasterize(kW, kH, 1.2f), Fill::vertical(196, 214, {{0, pal::kGoldPale}, {1, pal::kGold}}));
    c.paint(Shape::polygon({{402, 196}, {409, 214}, {418, 212}}).rasterize(kW, kH, 1.2f), pal::kGoldDeep);
    c.paint(Shape::circle({400, 200}, 3).rasterize(kW, kH, 4), hex(0xffffff, 0.8f), Blend::Screen);
    // The golden air softens their feet.
    Mask both = litM;
    both.unite(shadeM);
    c.paint(both, Fill::vertical(300, 484, {{0, hex(0xffc080, 0.0f)}, {1, hex(0xffc890, 0.45f)}}));
}

// A slim obelisk with a gilded tip, lit on its left face.
void paintObelisk(Canvas& c, float x, float base, float height, float width) {
    const Vec2 tip{x, base - height - width * 0.55f};
    const Vec2 bl{x - width / 2, base}, br{x + width / 2, base}, tl{x - width * 0.34f, base - height},
        tr{x + width * 0.34f, base - height}, rt{x + width * 0.08f, base - height},
        rb{x + width * 0.12f, base};
    c.paint(Shape::polygon({bl, tl, rt, rb}).rasterize(kW, kH, 1.2f),
            Fill::vertical(tip.y, base, {{0, hex(0xf6b878)}, {1, hex(0xb06a48)}}));
    c.paint(Shape::polygon({rb, rt, tr, br}).rasterize(kW, kH, 1.2f),
            Fill::vertical(tip.y, base, {{0, hex(0x80465a)}, {1, hex(0x5a2e40)}}));
    c.paint(Shape::polygon({tl, tip, rt}).rasterize(kW, kH, 1.2f), pal::kGoldLight);
    c.paint(Shape::polygon({rt, tip, tr}).rasterize(kW, kH, 1.2f), pal::kGoldDeep);
    Mask signs(kW, kH);
    for (float y = base - height + 14; y < base - 20; y += 15) {
        const float cx = x - width * 0.14f;
        if (static_cast<int>(y) % 3 == 0)
            Shape::circle({cx, y}, 2.6f).outline(1.1f).drawInto(signs);
        else
            Shape::line({cx - 3, y}, {cx + 3, y}, 1.3f).drawInto(signs);
    }
    c.paint(signs, hex(0x6a3030, 0.45f));
}

void paintBirds(Canvas& c) {
    Mask m(kW, kH);
    bird({322, 132}, 18, 3).drawInto(m);
    bird({352, 118}, 13, 2).drawInto(m);
    bird({296, 112}, 11, 2.5f).drawInto(m);
    c.paint(m, hex(0x4a2440, 0.8f));
}

void paintPalms(Canvas& c) {
    const bg::PalmLook farLook{hex(0x5a5a34), hex(0x9a8a4a), hex(0x6a4a34),
                               hex(0xa07850), 0.45f,         hex(0xf8c080)};
    uint32_t seed = 120;
    for (float x : {16.0f, 44.0f, 236.0f, 268.0f})
        bg::paintPalm(c, {{x, 530}, 96 + 20 * std::sin(x), x < 100 ? 10.0f : -8.0f, 0.36f, 0, seed++},
                      farLook);
    const bg::PalmLook nearLook{hex(0x24401e), hex(0x6e8a34), hex(0x4a2c18), hex(0xb0784a), 0, hex(0)};
    bg::paintPalm(c, {{50, 800}, 560, 54, 1.15f, 6, 131}, nearLook);
    bg::paintPalm(c, {{150, 790}, 400, 110, 0.8f, -14, 132}, nearLook);
}

}  // namespace

Canvas titleBack() {
    Canvas c(kW, kH);
    paintSky(c,
             {{0.0f, hex(0x2a3676)},
              {0.25f, hex(0x4a4a8e)},
              {0.48f, hex(0xa0648c)},
              {0.66f, hex(0xe8865e)},
              {0.84f, hex(0xffbe6a)},
              {1.0f, hex(0xffe2a0)}},
             480);
    paintSunGlow(c, kSun, 360, hex(0xffb868), 0.85f);
    paintClouds(c, 150, 340, kSun, 141);
    paintSunDisc(c, kSun, 34);
    paintBirds(c);
    paintPyramids(c);
    paintObelisk(c, 548, 500, 170, 26);

    Ridge far(kW, {.base = 482, .amplitude = 8, .wavelength = 300, .phase = 0.3f, .wobble = 5, .seed = 142});
    paintDunes(c, far,
               {.lit = hex(0xf4b676),
                .shade = hex(0xb06a66),
                .deep = hex(0xc07866),
                .depth = 50,
                .haze = hex(0xffc890, 0.4f),
                .rim = 0.3f,
                .seed = 143});
    Ridge mid(kW, {.base = 532, .amplitude = 22, .wavelength = 460, .phase = 0.6f, .wobble = 8, .seed = 144});
    paintDunes(c, mid,
               {.lit = hex(0xf2a864),
                .shade = hex(0x9a5058),
                .deep = hex(0x8a4652),
                .depth = 90,
                .haze = hex(0xffb880, 0.15f),
                .rim = 0.4f,
                .ripples = 0.03f,
                .seed = 145});
    paintPalms(c);
    paintCamp(c, 574);

    Ridge fore(kW,
               {.base = 640, .amplitude = 42, .wavelength = 820, .phase = 0.2f, .wobble = 10, .seed = 146});
    fore.flatten(300, 640, 200, 668);
    paintDunes(c, fore,
               {.lit = hex(0xf6b86a),
                .shade = hex(0x8a4650),
                .deep = hex(0x6a3444),
                .depth = 150,
                .rim = 0.45f,
                .ripples = 0.05f,
                .seed = 147});
    paintPictureStone(c, 388, 500, 150, 176);
    paintTreasureHeap(c);
    // The corners darken a little; the bottom edge under the name plate most of all.
    bg::vignette(c, 0.45f, hex(0x1a0a10));
    bg::haze(c, 660, kH, hex(0x2a1020, 0.35f));
    return c;
}

}  // namespace gen::title
