// The first jigsaw picture: the pyramids across the Nile at sunset, a felucca on the glittering water, palms
// and papyrus on the near bank.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "paint/Noise.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"

namespace gen::jigsaw {

using namespace scene;

namespace {

constexpr float kBank = 452;   // where the far bank meets the water
constexpr float kShore = 650;  // the near bank's mean line
constexpr Vec2 kSun{214, 372};

// The three pyramids, lit on the side of the sun, their courses of stone showing; returns their mask.
Mask pyramids(Canvas& c) {
    Mask lit(kPaintW, kPaintH), shade(kPaintW, kPaintH);
    for (const PyramidFaces& p :
         {pyramid({846, 300}, 300, kBank + 4, -26), pyramid({604, 196}, 470, kBank + 4, -42),
          pyramid({390, 334}, 190, kBank + 4, -16)}) {
        p.lit.drawInto(lit);
        p.shade.drawInto(shade);
    }
    shade.subtract(lit);
    c.paint(lit,
            Fill::vertical(196, kBank, {{0, hex(0xffd28e)}, {0.45f, hex(0xf4a862)}, {1, hex(0xd0784a)}}));
    c.paint(shade, Fill::vertical(196, kBank, {{0, hex(0xa85a62)}, {1, hex(0x6a2e4e)}}));
    Mask courses(kPaintW, kPaintH), joints(kPaintW, kPaintH);
    Rng rng(4501u);
    for (float y = 206; y < kBank; y += 11) {
        Shape::line({0, y}, {static_cast<float>(kPaintW), y}, 1.1f).drawInto(courses);
        for (float x = rng.range(0, 30); x < kPaintW; x += rng.range(22, 40))
            Shape::line({x, y}, {x, y + 11}, 0.9f).drawInto(joints);
    }
    Mask both = lit;
    both.unite(shade);
    courses.multiply(both);
    joints.multiply(lit);
    c.paint(courses, hex(0x7a2e2a, 0.3f));
    c.paint(joints, hex(0x7a2e2a, 0.16f));
    // Gilded capstones catch the last light.
    c.paint(Shape::polygon({{604, 196}, {586, 222}, {610, 222}}).rasterize(kPaintW, kPaintH),
            pal::kGoldLight);
    c.paint(Shape::polygon({{604, 196}, {610, 222}, {622, 220}}).rasterize(kPaintW, kPaintH), pal::kGoldDeep);
    c.paint(both, Fill::vertical(340, kBank, {{0, hex(0xffb070, 0.0f)}, {1, hex(0xffb070, 0.35f)}}));
    return both;
}

// The far bank: a low strip of sand with a grove of palms and bushes; returns their mask.
Mask farBank(Canvas& c) {
    Mask trees(kPaintW, kPaintH);
    Rng rng(4502u);
    for (float x = -20; x < kPaintW + 30; x += rng.range(26, 60))
        if (x < 300 || x > 460)
            drawPalm(trees, {{x, kBank + 2},
                             rng.range(44, 80),
                             rng.range(-10, 10),
                             0.28f,
                             rng.range(-12, 12),
                             4503u + static_cast<uint32_t>(x + 20)});
    for (float x = -10; x < kPaintW + 10; x += 16)
        Shape::ellipse({x, kBank - 1}, rng.range(8, 18), rng.range(4, 9)).drawInto(trees);
    c.paint(trees, Fill::vertical(kBank - 90, kBank, {{0, hex(0x5a5a3a)}, {1, hex(0x2e3a2a)}}));
    c.paint(trees, hex(0xff9a60, 0.22f), Blend::Screen);
    c.paint(Shape::rect(-10, kBank - 3, kPaintW + 20, 7).rasterize(kPaintW, kPaintH), hex(0x6a4a3a));
    return trees;
}

// The river: the sky's colours thrown back, the bank mirrored, the sun's road of glitter.
void river(Canvas& c, const Mask& mirrored) {
    const Mask w = Shape::rect(-10, kBank + 3, kPaintW + 20, kPaintH).rasterize(kPaintW, kPaintH);
    c.paint(w, Fill::vertical(
                   kBank, kShore,
                   {{0, hex(0xf8c888)}, {0.25f, hex(0xe08a6a)}, {0.6f, hex(0x8a5a7a)}, {1, hex(0x3a3e6e)}}));
    Mask refl = bg::reflection(mirrored, kBank + 4, 70, 4504u);
    refl.multiply(w);
    c.paint(refl, hex(0x5a2e4a, 0.55f));
    const Noise n(4505u);
    Mask glitter(kPaintW, kPaintH), ripples(kPaintW, kPaintH);
    for (int y = static_cast<int>(kBank) + 4; y < kPaintH; ++y)
        for (int x = 0; x < kPaintW; ++x) {
            const float depth = (y - kBank) / (kPaintH - kBank);
            const float band = std::sin((y + 10 * n.fbm(x / 110.0f, y / 12.0f, 2)) * (1.1f - 0.5f * depth));
            const float dash = smoothstep(0.5f, 0.8f, n.fbm(x / (26.0f + 60 * depth), y / 5.0f, 3));
            const float road = std::exp(-std::pow((x - kSun.x) / (34.0f + 90.0f * depth), 2.0f));
            glitter.at(x, y) = smoothstep(0.55f, 1.0f, band) * dash * road;
            ripples.at(x, y) = smoothstep(0.75f, 1.0f, band) * dash * 0.7f;
        }
    c.paint(ripples, hex(0xffd8b0, 0.3f), Blend::Screen);
    c.paint(glitter, hex(0xfff0c0, 0.95f), Blend::Screen);
}

// A felucca under its great triangular sail, lit warm by the low sun, with its reflection.
void felucca(Canvas& c, Vec2 at, float size) {
    const bg::Felucca f = bg::felucca(at, size);
    auto m = [](const Shape& s) { return s.rasterize(kPaintW, kPaintH, 1.2f); };
    Mask all = m(f.hull);
    all.unite(m(f.sail));
    all.unite(m(f.mast));
    c.paint(bg::reflection(all, at.y + 1, size * 0.5f, 4506u), hex(0x2a1a3a, 0.35f));
    const Rect sb = f.sail.bounds();
    c.paint(m(f.sail.grown(1.5f)), pal::kOutline.fade(0.8f));
    c.paint(m(f.sail), Fill::linear({sb.x0, sb.y0}, {sb.x1, sb.y1},
                                    {{0, hex(0xfff4dc)}, {0.5f, hex(0xf8d0a0)}, {1, hex(0xc87a5a)}}));
    Mask seams(kPaintW, kPaintH);
    for (float t = 0.2f; t < 0.9f; t += 0.14f)
        Shape::line({sb.x0 + sb.width() * t, sb.y0}, {sb.x0 + sb.width() * (t - 0.25f), sb.y1}, 1.4f)
            .drawInto(seams);
    seams.multiply(m(f.sail));
    c.paint(seams, hex(0xa0604a, 0.4f));
    c.paint(m(f.mast), hex(0x3a1e10));
    const Rect hb = f.hull.bounds();
    c.paint(m(f.hull.grown(1.2f)), pal::kOutline);
    c.paint(m(f.hull),
            Fill::vertical(hb.y0, hb.y1, {{0, hex(0xc0703a)}, {0.4f, hex(0x7a3a1e)}, {1, hex(0x3a1a0e)}}));
    c.paint(Shape::line({hb.x0 + size * 0.08f, hb.y0 + size * 0.05f},
                        {hb.x1 - size * 0.06f, hb.y0 + size * 0.03f}, size * 0.022f)
                .rasterize(kPaintW, kPaintH),
            pal::kTurquoise);
    // The boatman at the stern.
    const Vec2 man = at + Vec2{-size * 0.38f, -size * 0.12f};
    c.paint((Shape::rect(man.x - 5, man.y - 26, 10, 26, 4) | Shape::circle(man + Vec2{0, -31}, 5))
                .rasterize(kPaintW, kPaintH),
            hex(0x2a1620));
    c.paint(Shape::circle(man + Vec2{-1, -33}, 5).rasterize(kPaintW, kPaintH), hex(0xf2ead8));
}

// Life on the near bank: lotus leaves and flowers on the water's edge, a camel with its rider resting, clay
// jars and stones on the sand.
void shoreLife(Canvas& c, const Ridge& r) {
    Rng rng(4519u);
    for (int i = 0; i < 14; ++i) {
        const Vec2 m{rng.range(260, 760), rng.range(606, 636)};
        const float s = rng.range(10, 18);
        const Shape pad =
            Shape::ellipse(m, s, s * 0.32f) - Shape::polygon({m, m + Vec2{s, -2}, m + Vec2{s, 3}});
        c.paint(pad.grown(1).rasterize(kPaintW, kPaintH), hex(0x1e3a2a));
        c.paint(pad.rasterize(kPaintW, kPaintH),
                Fill::vertical(m.y - 4, m.y + 4, {{0, hex(0x8ab85a)}, {1, hex(0x3a6a3a)}}));
        if (i % 3 == 0)
            for (int k = -2; k <= 2; ++k)
                c.paint(Shape::ellipse(m + Vec2{k * 2.5f, -6}, 2.4f, 7)
                            .rotated(k * 18.0f, m + Vec2{0, -1})
                            .rasterize(kPaintW, kPaintH),
                        Fill::vertical(m.y - 13, m.y, {{0, hex(0xfff0f4)}, {1, hex(0xe87aa0)}}));
    }
    const Vec2 feet{486, r.at(486) + 34};
    Shape beast = bg::camel(feet, 96);
    const Vec2 seat = feet + Vec2{3, -84};
    beast =
        beast |
        Shape::polygon({seat + Vec2{-9, 4}, seat + Vec2{9, 4}, seat + Vec2{5, -24}, seat + Vec2{-5, -24}}) |
        Shape::circle(seat + Vec2{0, -29}, 6);
    Mask m = beast.rasterize(kPaintW, kPaintH, 1.2f);
    c.paint(beast.grown(1.5f).rasterize(kPaintW, kPaintH), pal::kOutline);
    bg::paintLitShape(c, m, Fill::vertical(feet.y - 110, feet.y, {{0, hex(0xc08050)}, {1, hex(0x6a3a28)}}),
                      hex(0xffc080, 0.8f), 3);
    // A blanket of blue and gold over the hump, the rider's white headcloth.
    c.paint(Shape::rect(seat.x - 22, seat.y + 2, 40, 14, 3).rasterize(kPaintW, kPaintH), pal::kBlue);
    c.paint(Shape::rect(seat.x - 22, seat.y + 12, 40, 3).rasterize(kPaintW, kPaintH), pal::kGold);
    c.paint(Shape::circle(seat + Vec2{-1, -31}, 6.5f).rasterize(kPaintW, kPaintH), hex(0xf6eee0));
    for (const auto& [x, h] : {std::pair{586.0f, 44.0f}, {612.0f, 32.0f}, {380.0f, 36.0f}}) {
        const Vec2 b{x, r.at(x) + 40};
        const Shape jar = Shape::ellipse(b + Vec2{0, -h * 0.45f}, h * 0.36f, h * 0.45f) |
                          Shape::rect(b.x - h * 0.14f, b.y - h, h * 0.28f, h * 0.3f, 2);
        c.paint(jar.grown(1.3f).rasterize(kPaintW, kPaintH), pal::kOutline);
        c.paint(jar.rasterize(kPaintW, kPaintH),
                Fill::linear(b + Vec2{-h * 0.4f, -h}, b + Vec2{h * 0.4f, 0},
                             {{0, hex(0xf0a070)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}));
        c.paint(Shape::rect(b.x - h * 0.34f, b.y - h * 0.56f, h * 0.68f, 3).rasterize(kPaintW, kPaintH),
                hex(0x2a1a3a, 0.6f), Blend::Inside);
    }
    for (int i = 0; i < 10; ++i) {
        const float x = rng.range(240, 780);
        const Vec2 m{x, r.at(x) + rng.range(50, 100)};
        const float s = rng.range(5, 12);
        const Shape stone = Shape::ellipse(m, s * 1.4f, s * 0.8f);
        c.paint(stone.grown(1).rasterize(kPaintW, kPaintH), pal::kOutline.fade(0.7f));
        c.paint(stone.rasterize(kPaintW, kPaintH),
                Fill::vertical(m.y - s, m.y + s, {{0, hex(0xe8b088)}, {1, hex(0x7a4a3a)}}));
    }
}

}  // namespace

Canvas egyptScene() {
    Canvas c(kPaintW, kPaintH);
    paintSky(c,
             {{0.0f, hex(0x27295e)},
              {0.22f, hex(0x5a3a7a)},
              {0.45f, hex(0xb0506a)},
              {0.68f, hex(0xe8805a)},
              {0.86f, hex(0xf8b266)},
              {1.0f, hex(0xffdc8e)}},
             kBank);
    paintStars(c, 120, 40, 4507u);
    paintClouds(c, 90, 330, kSun, 4508u);
    bg::puffyClouds(c, 60, 230, hex(0x8a4a78, 0.8f), hex(0xffa070, 0.85f), 0.35f, 4509u);
    paintSunGlow(c, kSun, 340, hex(0xffb060), 0.9f);
    paintSunDisc(c, kSun, 40);
    Mask birds(kPaintW, kPaintH);
    for (const auto& [x, y, s] : {std::tuple{330.0f, 150.0f, 22.0f},
                                  {362.0f, 128.0f, 16.0f},
                                  {300.0f, 126.0f, 14.0f},
                                  {880.0f, 110.0f, 18.0f},
                                  {910.0f, 96.0f, 13.0f}})
        bird({x, y}, s, 3).drawInto(birds);
    c.paint(birds, hex(0x2a1430, 0.85f));

    Mask far = pyramids(c);
    far.unite(farBank(c));
    river(c, far);
    felucca(c, {560, 566}, 150);
    felucca(c, {900, 500}, 52);

    // The near bank: a sandy shore, papyrus at both ends and tall palms against the sky.
    Ridge shore(kPaintW, {.base = kShore,
                          .amplitude = 18,
                          .wavelength = 560,
                          .phase = 0.1f,
                          .skew = 0.25f,
                          .wobble = 8,
                          .seed = 4510});
    shore.flatten(320, 700, 160, kShore + 30);
    paintDunes(c, shore,
               {.lit = hex(0xf6b878),
                .shade = hex(0x9a5a4a),
                .deep = hex(0x7a4440),
                .depth = 100,
                .rim = 0.45f,
                .ripples = 0.04f,
                .seed = 4511});
    shoreLife(c, shore);
    const bg::PalmLook palmLook{hex(0x23402c), hex(0x8aa84a), hex(0x3a2014), hex(0xb06a3a)};
    bg::paintPalm(c, {{92, kShore + 20}, 470, 70, 1.25f, -8, 4512u}, palmLook);
    bg::paintPalm(c, {{968, kShore + 16}, 420, -60, 1.1f, 6, 4513u}, palmLook);
    bg::paintPalm(c, {{880, kShore + 30}, 300, -30, 0.85f, -4, 4514u}, palmLook);
    Mask tall = bg::papyrus(-20, 260, kShore + 40, 230, 26, 4515u);
    tall.unite(bg::papyrus(700, 860, kShore + 30, 200, 16, 4516u));
    Mask low = bg::reeds(-10, 330, kShore + 50, 80, 60, 4517u);
    low.unite(bg::reeds(660, 1030, kShore + 44, 70, 60, 4518u));
    bg::paintLitShape(
        c, tall, Fill::vertical(430, 720, {{0, hex(0x9ab04e)}, {0.5f, hex(0x557a34)}, {1, hex(0x2a4424)}}),
        hex(0xffc880, 0.7f), 2);
    bg::paintLitShape(c, low, Fill::vertical(600, 720, {{0, hex(0xa8b850)}, {1, hex(0x2e4a26)}}),
                      hex(0xffd890, 0.6f), 1);
    bg::vignette(c, 0.3f, hex(0x2a0e2a));
    return c;
}

}  // namespace gen::jigsaw
