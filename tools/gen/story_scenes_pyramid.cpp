// The rising pyramid: the desert at golden hour with an open plain where it breaks through (its ground
// line at y = 520 between x 250 and 770), the pyramid shedding sand, and three layers of dust.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "paint/Noise.h"
#include "scene/Dunes.h"
#include "scene/Silhouettes.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

constexpr Vec2 kSun{176, 352};
constexpr float kGround = 520;  // the line the pyramid rises from

// The sand's palette at golden hour.
constexpr Color kDust = hex(0xe2b47c), kDustLit = hex(0xfff0c8), kDustShade = hex(0xa0684a);

// Cracks spreading through the plain from the place where the pyramid breaks out: gaps that widen towards
// us, dark inside with a lit far lip.
void cracks(Canvas& c) {
    Rng rng(5120);
    Mask m(kW, kH);
    for (int i = 0; i < 10; ++i) {
        const float x = 280 + 440 * (i + rng.uniform()) / 10.0f;
        Vec2 p{x, kGround + 2};
        // Seen on the ground, cracks running towards us look steep, those running sideways flat.
        const float spread = (x - 512) / 260.0f;
        std::vector<Vec2> pts{p};
        std::vector<float> widths{2.6f};
        for (int k = 0; k < 5; ++k) {
            p = p + Vec2{spread * rng.range(8, 16) + rng.range(-5, 5), rng.range(4, 9)};
            pts.push_back(p);
            widths.push_back(std::max(0.5f, widths.back() * 0.72f));
        }
        Shape::stroke(pts, widths).drawInto(m);
    }
    c.paint(m.shifted(0, -1), hex(0xffe0b0, 0.45f));
    c.paint(m, hex(0x4a1e1a, 0.75f));
}

}  // namespace

Canvas pyramidBack() {
    Canvas c(kW, kH);
    goldenSky(c, 478, kSun, 5101);
    // Two old pyramids far off on the horizon, veiled by the golden air.
    Mask far(kW, kH);
    for (const scene::PyramidFaces& p :
         {scene::pyramid({868, 420}, 120, 476, -10), scene::pyramid({944, 438}, 80, 476, -6)}) {
        (p.lit | p.shade).drawInto(far);
    }
    c.paint(far, hex(0xd8906a, 0.75f));
    scene::Ridge horizon(
        kW, {.base = 474, .amplitude = 8, .wavelength = 300, .phase = 0.2f, .wobble = 4, .seed = 5102});
    scene::paintDunes(c, horizon,
                      {.lit = hex(0xf6bc7c),
                       .shade = hex(0xb87068),
                       .deep = hex(0xc88070),
                       .depth = 40,
                       .haze = hex(0xffc890, 0.45f),
                       .rim = 0.3f,
                       .seed = 5103});
    // The plain: level under the pyramid, rising into dunes on either side.
    scene::Ridge plain(
        kW, {.base = 506, .amplitude = 26, .wavelength = 520, .phase = 0.55f, .wobble = 6, .seed = 5104});
    plain.flatten(250, 770, 110, kGround);
    scene::paintDunes(c, plain,
                      {.lit = hex(0xf4b470),
                       .shade = hex(0xa85c5c),
                       .deep = hex(0xb06a5c),
                       .depth = 80,
                       .haze = hex(0xffc090, 0.15f),
                       .rim = 0.4f,
                       .ripples = 0.03f,
                       .seed = 5105});
    cracks(c);
    scene::Ridge fore(
        kW, {.base = 650, .amplitude = 40, .wavelength = 700, .phase = 0.3f, .wobble = 10, .seed = 5106});
    scene::paintDunes(c, fore,
                      {.lit = hex(0xf6b86a),
                       .shade = hex(0x8a4650),
                       .deep = hex(0x6a3444),
                       .depth = 140,
                       .rim = 0.45f,
                       .ripples = 0.05f,
                       .seed = 5107});
    bg::vignette(c, 0.35f, hex(0x1a0a10));
    return c;
}

Canvas risingPyramid() {
    constexpr int w = 520, h = 330;
    constexpr Vec2 apex{262, 6};
    Canvas c(w, h);
    const scene::PyramidFaces f = scene::pyramid(apex, 516, h + 2, -40);
    const Mask litM = f.lit.rasterize(w, h), all = (f.lit | f.shade).rasterize(w, h);
    Mask shadeM = all;
    shadeM.subtract(litM);
    c.paint(all.shifted(0, 0), pal::kOutline);
    const Mask inner = (f.lit | f.shade).grown(-1.6f).rasterize(w, h);
    Mask litIn = litM, shadeIn = shadeM;
    litIn.multiply(inner);
    shadeIn.multiply(inner);
    c.paint(litIn, Fill::vertical(0, h, {{0, hex(0xffd896)}, {0.5f, hex(0xf0aa66)}, {1, hex(0xc8784a)}}));
    c.paint(shadeIn, Fill::vertical(0, h, {{0, hex(0xa0605c)}, {1, hex(0x643244)}}));
    // Courses of great blocks with staggered joints, deeper on the shaded face.
    Mask joints(w, h);
    int row = 0;
    for (float y = apex.y + 16; y < h; y += 15, ++row) {
        Shape::line({0, y}, {float(w), y}, 1.1f).drawInto(joints);
        for (float x = (row % 2) * 17.0f; x < w; x += 34)
            Shape::line({x, y - 15}, {x, y}, 1.0f).drawInto(joints);
    }
    Mask litJ = joints, shadeJ = joints;
    litJ.multiply(litIn);
    shadeJ.multiply(shadeIn);
    c.paint(litJ, hex(0x8a4a2a, 0.35f));
    c.paint(shadeJ, hex(0x2a1020, 0.3f));
    // Sand still lying on the ledges and pouring off them in streams.
    const Noise n(5110);
    Mask sand(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float streams = smoothstep(0.58f, 0.74f, n.fbm(x / 14.0f, y / 90.0f, 4));
            const float drift =
                smoothstep(h * 0.55f, h, y) * smoothstep(0.35f, 0.6f, n.fbm(x / 60.0f, y / 30.0f, 3));
            sand.at(x, y) = std::max(streams * 0.8f, drift) * inner.at(x, y);
        }
    c.paint(sand, Fill::vertical(0, h, {{0, hex(0xf8d8a0)}, {1, hex(0xe0a870)}}));
    Mask sandShade = sand;
    sandShade.multiply(shadeIn);
    c.paint(sandShade, hex(0x6a3444, 0.45f), Blend::Multiply);
    // The gilded capstone, and a glint where the sun catches it.
    const Shape cap = Shape::polygon({apex, apex + Vec2{-22, 22}, apex + Vec2{12, 22}});
    part(c, cap, Fill::vertical(apex.y, apex.y + 22, {{0, pal::kGoldPale}, {1, pal::kGold}}), 1.2f, 2);
    c.paint(Shape::polygon({apex, apex + Vec2{12, 22}, apex + Vec2{24, 19}}), pal::kGoldDeep);
    c.paint(Shape::circle(apex + Vec2{-2, 6}, 5).rasterize(w, h, 6), hex(0xffffff, 0.8f), Blend::Screen);
    return c;
}

Canvas dustBand() {
    constexpr int w = 1022, h = 200;
    Canvas c(w, h);
    Mask m = billows(w, h, {-40, 40, w + 40, h + 60}, 420, 18, 46, 5130);
    // Thickest low down, where it hides the pyramid's foot, and thin at the ends.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float ends = smoothstep(0, 120, x) * smoothstep(0, 120, w - x);
            m.at(x, y) = clamp01(m.at(x, y) * (0.5f + 0.6f * smoothstep(20, 130, y))) *
                         (0.35f + 0.65f * ends) * smoothstep(h, h - 30, y);
        }
    paintDust(c, m, kDust, kDustLit, kDustShade, 0.95f);
    return c;
}

Canvas dustCloud() {
    constexpr int w = 930, h = 380;
    Canvas c(w, h);
    Mask m = billows(w, h, {20, 30, w - 20, h - 10}, 360, 28, 70, 5140);
    // Lighter in the middle, where the pyramid shows through.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float dx = (x - w * 0.5f) / (w * 0.3f), dy = (y - h * 0.62f) / (h * 0.45f);
            const float middle = std::exp(-(dx * dx + dy * dy) * 1.4f);
            const float edge = smoothstep(0, 60, x) * smoothstep(0, 60, w - x) * smoothstep(0, 50, y) *
                               smoothstep(0, 40, h - y);
            m.at(x, y) = clamp01(m.at(x, y) * 0.85f) * (1 - 0.72f * middle) * edge;
        }
    paintDust(c, m, kDust, kDustLit, kDustShade, 0.85f);
    return c;
}

Canvas dustHaze() {
    Canvas c(kW, kH);
    const Noise n(5150);
    c.paint(Mask(kW, kH, 1.0f), Fill([&](float x, float y) {
                const float v = n.fbm(x / 220.0f, y / 120.0f, 4);
                const float low = smoothstep(100, 620, y);
                return mixOklab(kDust, kDustLit, 1 - low)
                    .withAlpha(clamp01(0.08f + 0.3f * low + 0.25f * (v - 0.5f)));
            }));
    return c;
}

}  // namespace gen::story
