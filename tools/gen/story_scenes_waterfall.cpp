// The waterfall: a Himalayan gorge with pines, prayer flags and mist, a carved stone gate with the picture
// stone's empty recess in the cliff; and the curtain of water (drawn at x 443) that hides the gate.
#include <cmath>
#include <tuple>

#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Sky.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

constexpr float kFallX = 443, kFallW = 210;
constexpr float kPool = 600;  // where the water meets the pool

// Layered rock lit from the top left: the shape filled, its strata and cracks drawn in.
void rock(Canvas& c, const Shape& s, Color light, Color dark, uint32_t seed) {
    const Rect b = s.bounds();
    const Noise n(seed);
    part(c, s, Fill([=, &n](float x, float y) {
             const float t = clamp01((x - b.x0) / std::max(1.0f, b.width()) * 0.6f + (y - b.y0) / 900.0f);
             const float strata = 0.5f + 0.5f * std::sin(y / 9.0f + 6 * n.fbm(x / 120, y / 60, 3));
             return mixOklab(mixOklab(light, dark, t), darker(dark, 0.3f), 0.25f * strata);
         }),
         1.6f, 8);
}

void pine(Canvas& c, Vec2 foot, float h) {
    Shape tree = Shape::rect(foot.x - h * 0.03f, foot.y - h * 0.2f, h * 0.06f, h * 0.2f);
    for (int i = 0; i < 4; ++i) {
        const float y = foot.y - h * (0.15f + 0.22f * i), w = h * (0.3f - 0.06f * i);
        tree = tree | Shape::polygon({{foot.x - w, y}, {foot.x, y - h * 0.36f}, {foot.x + w, y}});
    }
    part(c, tree, lit({foot.x - h * 0.1f, foot.y - h * 0.6f}, h * 0.6f, hex(0x2e5a3e)), 1.2f, 2);
}

// The gate carved into the cliff behind the water: two pillars, a lintel with a gilded band, a doorway
// closed by stone and the square recess where the picture stone belongs.
void gate(Canvas& c) {
    const Color stone = hex(0xa8a098);
    const float x0 = 462, x1 = 634, top = 232, bottom = 560;
    part(c, Shape::rect(x0 - 4, top - 10, x1 - x0 + 8, bottom - top + 10, 4),
         lit({x0 + 40, top + 40}, 200, darker(stone, 0.2f)), 1.6f, 4);
    // Pillars painted red under gilded capitals, a lintel with a gilded band and sun, a roof over it.
    for (float x : {x0 + 4, x1 - 30}) {
        part(c, Shape::rect(x, top + 30, 26, bottom - top - 30, 3),
             lit({x + 8, top + 80}, 140, hex(0x9a3026)), 1.4f, 4);
        part(c, Shape::rect(x - 3, top + 30, 32, 14, 3), lit({x + 8, top + 34}, 30, pal::kGold), 1.2f, 2);
        part(c, Shape::rect(x - 3, bottom - 16, 32, 16, 3), lit({x + 8, bottom - 12}, 30, stone), 1.2f, 2);
    }
    part(c, Shape::polygon({{x0 - 2, top + 2}, {x0 + 20, top - 26}, {x1 - 20, top - 26}, {x1 + 2, top + 2}}),
         Fill::vertical(top - 26, top, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.4f, 3);
    part(c, Shape::rect(x0 - 4, top, x1 - x0 + 8, 34, 4), lit({x0 + 30, top + 10}, 120, stone), 1.5f, 4);
    part(c, Shape::rect(x0 + 10, top + 12, x1 - x0 - 20, 8, 2), hex(0xd8a438), 1.0f, 1.5f);
    part(c, Shape::star({(x0 + x1) / 2, top + 16}, 12, 13, 8),
         lit({(x0 + x1) / 2 - 4, top + 12}, 14, pal::kGold), 1.0f, 2);
    // The sealed doorway and, in it, the empty square recess.
    const Shape door = Shape::rect(x0 + 36, top + 44, x1 - x0 - 72, bottom - top - 44, 2);
    c.paint(door, Fill::vertical(top + 44, bottom, {{0, hex(0x8a8078)}, {1, hex(0x5a544e)}}));
    innerShadow(c, door.field(kW, kH), 6, 4, hex(0x1a1410, 0.7f));
    for (float y = 430; y < bottom - 10; y += 34)
        for (float x = x0 + 50; x < x1 - 44; x += 26)
            part(c, Shape::circle({x, y}, 3.4f), lit({x, y}, 4, pal::kGold), 0.8f, 1);
    const Shape recess = Shape::rect(500, 300, 96, 96, 3);
    part(c, recess.grown(6), lit({520, 310}, 80, stone), 1.2f, 3);
    c.paint(recess, hex(0x2a2420));
    innerShadow(c, recess.field(kW, kH), 5, 3, hex(0x000000, 0.8f));
    Mask grid(kW, kH);
    for (int i = 1; i < 5; ++i) {
        Shape::line({500 + i * 19.2f, 302}, {500 + i * 19.2f, 394}, 1).drawInto(grid);
        Shape::line({502, 300 + i * 19.2f}, {594, 300 + i * 19.2f}, 1).drawInto(grid);
    }
    c.paint(grid, hex(0x5a5048, 0.6f));
}

}  // namespace

Canvas gorge() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x6a9ad0)}, {0.6f, hex(0xb8d4ec)}, {1, hex(0xe8f0f4)}}, 300);
    bg::puffyClouds(c, 40, 200, hex(0xf4f6f8, 0.85f), hex(0xffffff), 0.35f, 5501);
    // Far snowy peaks down the gorge.
    for (auto [x, y, w, base] :
         {std::tuple{400.0f, 90.0f, 150.0f, 300.0f}, std::tuple{620.0f, 60.0f, 170.0f, 300.0f}})
        mapMountain(c, {x, y}, w, base, true, 5502 + uint32_t(x));
    bg::haze(c, 80, 300, hex(0xe8f0f8, 0.4f));
    // The cliff the water falls down, the river's lip notched into its top.
    rock(c, Shape::polygon({{330, 780}, {360, 70}, {430, 48}, {670, 52}, {740, 78}, {760, 780}}),
         hex(0xc8b8a4), hex(0x5a5060), 5503);
    c.paint(Shape::polygon({{448, 40}, {648, 44}, {650, 62}, {446, 60}}), hex(0x3a7a98));
    gate(c);
    // The pool at the foot of the falls, between the gorge's walls.
    c.paint(Shape::rect(0, kPool - 8, kW, kH),
            Fill::vertical(kPool - 8, kH, {{0, hex(0x9ad4e0)}, {0.3f, hex(0x3a98a8)}, {1, hex(0x1a5a6a)}}));
    Rng rng(5508);
    Mask glints(kW, kH);
    for (int i = 0; i < 50; ++i) {
        const Vec2 p{rng.range(300, 800), rng.range(kPool + 10, kH)};
        Shape::line(p, p + Vec2{rng.range(12, 34), 0}, 1.5f).drawInto(glints);
    }
    c.paint(glints, hex(0xffffff, 0.35f));
    // The gorge's walls closing in from both sides: the left one in the light, the right one in shade.
    rock(
        c,
        Shape::polygon(
            {{-20, -20}, {230, -20}, {260, 120}, {330, 220}, {350, 420}, {410, 600}, {380, 790}, {-20, 790}}),
        hex(0xd8c4a4), hex(0x6a5a58), 5504);
    rock(c,
         Shape::polygon({{1040, -20},
                         {820, -20},
                         {770, 140},
                         {700, 300},
                         {680, 500},
                         {650, 640},
                         {700, 790},
                         {1040, 790}}),
         hex(0xa89488), hex(0x3a3444), 5505);
    // Moss and grass on the ledges, pines standing on them, prayer flags strung between them.
    Mask moss(kW, kH);
    for (auto [x, y, w] : {std::tuple{110.0f, 302.0f, 90.0f}, std::tuple{240.0f, 222.0f, 50.0f},
                           std::tuple{900.0f, 262.0f, 100.0f}, std::tuple{800.0f, 202.0f, 50.0f},
                           std::tuple{330.0f, 520.0f, 60.0f}, std::tuple{720.0f, 560.0f, 60.0f}})
        Shape::ellipse({x, y}, w, 10).drawInto(moss, 3);
    c.paint(moss, Fill::vertical(180, 600, {{0, hex(0x7aa04a)}, {1, hex(0x3a6a34)}}));
    for (auto [x, y, h] : {std::tuple{80.0f, 300.0f, 110.0f}, std::tuple{150.0f, 310.0f, 80.0f},
                           std::tuple{240.0f, 220.0f, 70.0f}, std::tuple{880.0f, 260.0f, 120.0f},
                           std::tuple{950.0f, 270.0f, 90.0f}, std::tuple{800.0f, 200.0f, 70.0f}})
        pine(c, {x, y}, h);
    jigsaw::prayerFlags(c, {70, 150}, {250, 196}, 26, 16, 5506);
    jigsaw::prayerFlags(c, {790, 170}, {970, 120}, 26, 16, 5509);
    // Mist rising off the pool.
    Mask mist = billows(kW, kH, {180, 540, 900, 720}, 60, 30, 70, 5507);
    mist.blur(10);
    c.paint(mist, hex(0xf4f8fc, 0.45f));
    bg::vignette(c, 0.3f, hex(0x101828));
    return c;
}

Canvas waterfall() {
    const int w = static_cast<int>(kFallW);
    Canvas c(w, kH);
    const Noise n(5510);
    // The curtain: opaque across the gate, its edges frayed, white streaks running down it.
    c.paint(Mask(w, kH, 1.0f), Fill([&](float x, float y) {
                const float edge = smoothstep(0, 6 + 4 * n.fbm(y / 40, 1, 2), x) *
                                   smoothstep(0, 6 + 4 * n.fbm(y / 40, 7, 2), w - x);
                const float streak = n.fbm(x / 5.0f, y / 160.0f, 4);
                Color col = mixOklab(hex(0x5aa8c0), hex(0xeaf6fa), smoothstep(0.35f, 0.75f, streak));
                col = mixOklab(col, hex(0xffffff), 0.5f * smoothstep(kPool - 80, kPool, y));
                const float fade = 1 - smoothstep(kPool + 30, kPool + 90, y);
                return col.withAlpha(edge * fade);
            }));
    // It pours over the cliff's lip just below the top: smooth and dark there, fading in.
    Mask above(w, kH);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < w; ++x) above.at(x, y) = 1 - smoothstep(40, 58, static_cast<float>(y));
    c.paint(above, hex(0x3a7a98, 0.5f), Blend::Inside);
    Mask keep(w, kH, 1.0f);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < w; ++x) keep.at(x, y) = smoothstep(30, 48, static_cast<float>(y));
    c.clip(keep);
    // Foam and spray boiling up where the water lands.
    Mask foam = billows(w, kH, {-10, kPool - 50, float(w) + 10, kPool + 70}, 70, 10, 26, 5511);
    paintDust(c, foam, hex(0xf4fafc), hex(0xffffff), hex(0xa8c8d8), 1.0f);
    Mask spray = billows(w, kH, {-10, kPool - 140, float(w) + 10, kPool - 20}, 40, 8, 20, 5512);
    c.paint(spray, hex(0xffffff, 0.5f));
    return c;
}

}  // namespace gen::story
