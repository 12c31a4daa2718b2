// The rising pyramid's foregrounds: Tazmira and the professor watching from the rocks at the bottom left,
// and Hamid, a camel and the expedition's crates on the dune at the bottom right.
#include <cmath>

#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Dunes.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

// A weathered sandstone boulder: a lumpy outline, lit on its upper left, with a few layers in it.
void boulder(Canvas& c, Vec2 m, float rx, float ry, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> pts;
    for (int i = 0; i < 28; ++i) {
        const float a = i * 360.0f / 28;
        const float k =
            0.86f + 0.28f * n.fbm(std::cos(a * kPi / 180) * 1.5f + 3, std::sin(a * kPi / 180) * 1.5f, 3);
        const Vec2 p = polar({0, 0}, 1, a);
        pts.push_back(m + Vec2{p.x * rx * k, p.y * ry * k * (p.y > 0 ? 0.8f : 1.0f)});
    }
    Path path;
    path.moveTo(pts.back()).smoothThrough(pts);
    const Shape rock = Shape::polygon(path.points());
    shadowOf(c, rock, {10, 6}, 8, 0.45f);
    part(c, rock,
         Fill::linear(m + Vec2{-rx * 0.6f, -ry}, m + Vec2{rx * 0.7f, ry},
                      {{0, hex(0xf2c48a)}, {0.45f, hex(0xc8865a)}, {1, hex(0x6a3a3a)}}),
         1.6f, 6);
    Mask layers(c.width(), c.height());
    for (float y = m.y - ry * 0.4f; y < m.y + ry; y += ry * 0.35f)
        Shape::stroke({{m.x - rx, y + 4}, {m.x, y - 3}, {m.x + rx, y + 5}}, {1.3f}).drawInto(layers);
    layers.multiply(rock.grown(-4).rasterize(c.width(), c.height()));
    c.paint(layers, hex(0x6a3424, 0.35f));
}

// A dune crest along the bottom, kept to x0..x1 with soft ends.
void duneCrest(Canvas& c, float base, float amplitude, float x0, float x1, uint32_t seed) {
    Canvas d(kW, kH);
    scene::Ridge r(
        kW,
        {.base = base, .amplitude = amplitude, .wavelength = 640, .phase = 0.4f, .wobble = 8, .seed = seed});
    scene::paintDunes(d, r,
                      {.lit = hex(0xf8bc70),
                       .shade = hex(0x8a4650),
                       .deep = hex(0x5a2c3c),
                       .depth = 110,
                       .rim = 0.5f,
                       .ripples = 0.06f,
                       .seed = seed + 1});
    Mask keep(kW, kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            keep.at(x, y) = smoothstep(x0 - 60, x0 + 60, x) * smoothstep(x1 + 60, x1 - 60, x);
    d.clip(keep);
    c.draw(d, 0, 0);
}

}  // namespace

Canvas pyramidForeground() {
    Canvas c(kW, kH);
    duneCrest(c, 716, 26, -200, 620, 5160);
    boulder(c, {92, 728}, 150, 90, 5161);
    boulder(c, {300, 716}, 110, 58, 5162);
    boulder(c, {430, 748}, 80, 40, 5163);
    boulder(c, {-10, 640}, 70, 110, 5164);
    tazmiraFromBehind(c, {190, 676}, 216);
    professorFromBehind(c, {300, 680}, 214);
    return c;
}

Canvas pyramidForegroundRight() {
    Canvas c(kW, kH);
    duneCrest(c, 706, 22, 600, 1200, 5170);
    camel(c, {900, 682}, 150, false);
    crate(c, 912, 650, 96, 70, 5171);
    crate(c, 928, 596, 64, 54, 5172);
    crate(c, 850, 686, 64, 46, 5173);
    // Hamid holds the camel's lead rope; it sags from his hand up to the bridle.
    constexpr Vec2 feet{742, 712};
    constexpr float h = 208;
    const Vec2 hand = feet + Vec2{5.5f, -49.5f} * (h / 100.0f), muzzle{808, 556};
    c.paint(Shape::stroke({hand, lerp(hand, muzzle, 0.5f) + Vec2{4, 30}, muzzle}, {2.0f}), hex(0x5a3418));
    hamidProfile(c, feet, h);
    return c;
}

}  // namespace gen::story
