// A temple hall: a sandstone wall under a painted frieze and a winged sun, two painted papyrus columns,
// torches, a polished floor and a shaft of daylight from a roof opening at the upper left.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Style.h"
#include "scene/Sky.h"

namespace gen::bg {

namespace {

constexpr float kFloorY = 612;   // where the wall meets the floor
constexpr float kCeilingY = 64;  // the underside of the ceiling beams
constexpr Vec2 kVanish{390, 330};
constexpr Vec2 kTorches[] = {{126, 300}, {650, 300}};

// The wall: courses of sandstone blocks, each a little different, with sunk joints.
void paintWall(Canvas& c) {
    const Noise n(71u);
    const Gradient stone{
        {0, hex(0x5a3a22)}, {0.4f, hex(0x9a6e44)}, {0.75f, hex(0xc9995e)}, {1, hex(0xe2b878)}};
    constexpr float kCourse = 46, kBlock = 118;
    c.paint(Mask(kW, kH, 1.0f), Fill([&](float x, float y) {
                const int row = static_cast<int>(std::floor((y - kCeilingY) / kCourse));
                const float off = (row % 2) * kBlock * 0.5f;
                const int col = static_cast<int>(std::floor((x + off) / kBlock));
                const float tone =
                    (static_cast<float>(hash3(col, row, 72u) >> 8) / 16777216.0f - 0.5f) * 0.12f;
                const float mottle = (n.fbm(x / 30.0f, y / 30.0f, 4) - 0.5f) * 0.22f;
                // Warm light pooled in the middle of the hall, falling off to the top and the sides.
                const float dx = (x - 390) / 520.0f, dy = (y - 360) / 420.0f;
                float light = 0.75f * (1.0f - std::sqrt(dx * dx + dy * dy));
                for (const Vec2& t : kTorches) {
                    const Vec2 d = (Vec2{x, y} - t) / 150.0f;
                    light += 0.45f * std::exp(-dot(d, d));
                }
                return stone.at(0.02f + 0.8f * light + tone + mottle);
            }));
    Mask joints(kW, kH), lit(kW, kH);
    for (float y = kCeilingY; y < kFloorY; y += kCourse) {
        Shape::line({-10, y}, {kW + 10.0f, y}, 1.6f).drawInto(joints);
        Shape::line({-10, y + 1.6f}, {kW + 10.0f, y + 1.6f}, 1.0f).drawInto(lit);
        const int row = static_cast<int>(std::lround((y - kCeilingY) / kCourse));
        for (float x = -kBlock + (row % 2) * kBlock * 0.5f; x < kW; x += kBlock) {
            Shape::line({x, y}, {x, y + kCourse}, 1.6f).drawInto(joints);
            Shape::line({x + 1.6f, y + 1}, {x + 1.6f, y + kCourse}, 1.0f).drawInto(lit);
        }
    }
    c.paint(joints, hex(0x2e1508, 0.4f));
    c.paint(lit, hex(0xffe0a8, 0.12f), Blend::Screen);
}

// A band of lapis under the ceiling with gold discs and turquoise lotus buds, and a winged sun above the
// middle of the hall.
void paintFrieze(Canvas& c) {
    const Shape band = Shape::rect(-10, kCeilingY + 18, kW + 20, 34);
    c.paint(band.rasterize(kW, kH),
            Fill::vertical(kCeilingY + 18, kCeilingY + 52,
                           {{0, hex(0x2b4a8a)}, {0.5f, hex(0x1f3570)}, {1, hex(0x121c44)}}));
    c.paint(Shape::rect(-10, kCeilingY + 16, kW + 20, 3).rasterize(kW, kH), pal::kGold);
    c.paint(Shape::rect(-10, kCeilingY + 51, kW + 20, 3).rasterize(kW, kH), pal::kGoldDeep);
    Mask gold(kW, kH), turq(kW, kH);
    for (float x = 14; x < kW; x += 44) {
        Shape::circle({x, kCeilingY + 35}, 5.5f).drawInto(gold);
        const Vec2 b{x + 22, kCeilingY + 38};
        (Shape::ellipse(b, 4.5f, 9) | Shape::polygon({b + Vec2{-7, 6}, b + Vec2{7, 6}, b + Vec2{0, -4}}))
            .drawInto(turq);
    }
    c.paint(gold, Fill::vertical(kCeilingY + 29, kCeilingY + 41, {{0, pal::kGoldPale}, {1, pal::kGoldDeep}}));
    c.paint(turq, Fill::vertical(kCeilingY + 28, kCeilingY + 46,
                                 {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}));

    // The winged sun: a gold disc with two long sweeping wings of layered feathers.
    const Vec2 m{390, 168};
    Mask wings(kW, kH), lines(kW, kH);
    for (int side = -1; side <= 1; side += 2) {
        const float s = static_cast<float>(side);
        for (int row = 0; row < 3; ++row) {
            const float y0 = m.y - 10 + row * 9.0f, len = 150 - row * 34.0f;
            Path p;
            p.moveTo({m.x + s * 14, y0})
                .quadTo({m.x + s * len * 0.55f, y0 - 22 + row * 6.0f}, {m.x + s * len, y0 - 14 + row * 8.0f})
                .quadTo({m.x + s * len * 0.6f, y0 + 2 + row * 4.0f}, {m.x + s * 14, y0 + 12});
            Shape::polygon(p.points()).drawInto(wings);
            for (float t = 0.25f; t < 0.95f; t += 0.12f)
                Shape::line({m.x + s * (14 + (len - 14) * t), y0 - 6 + row * 3.0f},
                            {m.x + s * (12 + (len - 14) * t * 0.97f), y0 + 8 + row * 4.0f}, 1.0f)
                    .drawInto(lines);
        }
    }
    c.paint(wings,
            Fill::vertical(m.y - 30, m.y + 20, {{0, hex(0xffe7a0)}, {0.5f, pal::kGold}, {1, hex(0xa8661a)}}));
    lines.multiply(wings);
    c.paint(lines, hex(0x7a4410, 0.5f));
    Style disc;
    disc.fill = Fill::radial(m + Vec2{-6, -7}, 22,
                             {{0, hex(0xffd0a0)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}});
    disc.outline = 2.5f;
    disc.outlineFill = pal::kGold;
    disc.bevel = Bevel{5, 0.5f, 0.5f, true};
    disc.shadow = Shadow{{2, 3}, 3, hex(0x1a0d05, 0.45f)};
    drawStyled(c, Shape::circle(m, 15).field(kW, kH), disc);
    // Two cobras rear beside the disc.
    for (int side = -1; side <= 1; side += 2) {
        const float s = static_cast<float>(side);
        const Shape cobra = Shape::stroke(
            {m + Vec2{s * 15, 12}, m + Vec2{s * 19, 4}, m + Vec2{s * 18, -6}, m + Vec2{s * 15, -10}},
            {3.5f, 3.0f, 4.0f, 2.5f});
        c.paint(cobra.rasterize(kW, kH), pal::kGoldDeep);
    }
}

// The ceiling: dark beams running into the depth.
void paintCeiling(Canvas& c) {
    c.paint(Shape::rect(-10, -10, kW + 20, kCeilingY + 26).rasterize(kW, kH),
            Fill::vertical(0, kCeilingY + 16, {{0, hex(0x1c0e06)}, {1, hex(0x4a2c16)}}));
    Mask beams(kW, kH);
    for (float x = -40; x < kW + 40; x += 92)
        Shape::polygon({{x, -10}, {x + 44, -10}, {x + 40, kCeilingY + 16}, {x + 6, kCeilingY + 16}})
            .drawInto(beams);
    c.paint(beams, Fill::vertical(0, kCeilingY + 16, {{0, hex(0x2a160a)}, {1, hex(0x7a5230)}}));
    c.paint(Shape::rect(-10, kCeilingY + 10, kW + 20, 6).rasterize(kW, kH), hex(0x2e1508, 0.6f));
}

// Polished slabs in perspective, mirroring the warm light.
void paintFloor(Canvas& c) {
    const Shape floor = Shape::rect(-10, kFloorY, kW + 20, kH - kFloorY + 10);
    c.paint(floor.rasterize(kW, kH),
            Fill::vertical(kFloorY, kH, {{0, hex(0x8a5e38)}, {0.4f, hex(0x6a4226)}, {1, hex(0x3a2212)}}));
    Mask joints(kW, kH);
    for (int i = -9; i <= 9; ++i) {
        const Vec2 bottom{kVanish.x + i * 150.0f, static_cast<float>(kH + 10)};
        const float t = (kFloorY - kVanish.y) / (bottom.y - kVanish.y);
        Shape::line(lerp(kVanish, bottom, t), bottom, 1.4f).drawInto(joints);
    }
    for (float k = 1; k < 8; ++k) {
        const float y = kFloorY + (kH - kFloorY) * (k * k) / 49.0f * 1.1f;
        Shape::line({-10, y}, {kW + 10.0f, y}, 1.2f).drawInto(joints);
    }
    c.paint(joints, hex(0x2e1508, 0.35f));
    // The glow of the hall and the torches on the polish.
    c.paint(floor.rasterize(kW, kH),
            Fill::radial({390, kFloorY + 10}, {420, 90}, {{0, hex(0xffc878, 0.35f)}, {1, hex(0xffc878, 0)}}),
            Blend::Screen);
    c.paint(Shape::rect(-10, kFloorY - 3, kW + 20, 5).rasterize(kW, kH), hex(0x2e1508, 0.5f));
}

// A column of bound papyrus stems: a fluted shaft, painted bands below an open capital, a round base.
void paintColumn(Canvas& c, float cx, float width) {
    const float top = kCeilingY + 16, capTop = top + 6, capBottom = top + 86, base = kFloorY + 40;
    const float hw = width / 2;
    // Shadow on the wall behind.
    c.paint(Shape::rect(cx - hw + 16, top, width + 12, base - top).rasterize(kW, kH, 20.0f),
            hex(0x1a0d05, 0.35f));
    const Gradient shaft{
        {0, hex(0xf6d8a2)}, {0.3f, hex(0xe0b47a)}, {0.7f, hex(0x9a6a3e)}, {1, hex(0x4a2c16)}};
    const Shape body = Shape::rect(cx - hw, capBottom - 4, width, base - capBottom, 0);
    c.paint(body.rasterize(kW, kH), Fill([=](float x, float) {
                const float u = (x - (cx - hw)) / width;
                const float flute = 0.5f + 0.5f * std::cos(u * kPi * 2 * 7);
                return shaft.at(clamp01(u * 0.95f + 0.08f * flute));
            }));
    // Painted bands: terracotta, gold and turquoise rings below the capital.
    const Color bands[] = {pal::kTerracotta, pal::kGold, pal::kTurquoise, pal::kGold, pal::kBlue};
    for (int i = 0; i < 5; ++i) {
        const float y = capBottom + 4 + i * 7.0f;
        c.paint(Shape::rect(cx - hw - 1, y, width + 2, 5).rasterize(kW, kH), Fill([=](float x, float) {
                    const float u = clamp01((x - (cx - hw)) / width);
                    return mixOklab(lighter(bands[i], 0.25f), darker(bands[i], 0.55f), u);
                }));
    }
    // The capital opens upwards like a papyrus umbel, decorated with petals.
    const Shape cap = Shape::polygon(
        {{cx - hw * 1.55f, capTop}, {cx + hw * 1.55f, capTop}, {cx + hw, capBottom}, {cx - hw, capBottom}});
    c.paint(cap.rasterize(kW, kH),
            Fill::linear({cx - hw * 1.5f, 0}, {cx + hw * 1.5f, 0},
                         {{0, hex(0xf8dca6)}, {0.45f, hex(0xd8a868)}, {1, hex(0x5a3418)}}));
    Mask petals(kW, kH);
    for (int i = -3; i <= 3; ++i) {
        const float x0 = cx + i * hw * 0.3f;
        Shape::stroke({{x0 * 0.7f + cx * 0.3f, capBottom - 4}, {x0 + i * hw * 0.12f, capTop + 10}},
                      {2.0f, 3.5f})
            .drawInto(petals);
    }
    c.paint(petals, hex(0x2a7a6a, 0.75f));
    c.paint(Shape::rect(cx - hw * 1.6f, top - 4, width * 1.6f, 12).rasterize(kW, kH),
            Fill::linear({cx - hw * 1.6f, 0}, {cx + hw * 1.6f, 0}, {{0, hex(0xd8b078)}, {1, hex(0x4a2c16)}}));
    // The round base on the floor.
    c.paint(Shape::ellipse({cx, base}, hw * 1.35f, 10).rasterize(kW, kH),
            Fill::linear({cx - hw * 1.3f, 0}, {cx + hw * 1.3f, 0}, {{0, hex(0xe8c48a)}, {1, hex(0x4a2c16)}}));
}

void paintTorch(Canvas& c, Vec2 at) {
    c.paint(Shape::stroke({at + Vec2{-10, 26}, at + Vec2{0, 30}, at + Vec2{0, 4}}, {3.0f, 3.0f, 4.0f})
                .rasterize(kW, kH),
            hex(0x3a2412));
    c.paint(Shape::polygon({at + Vec2{-7, -2}, at + Vec2{7, -2}, at + Vec2{4, 8}, at + Vec2{-4, 8}})
                .rasterize(kW, kH),
            Fill::vertical(at.y - 2, at.y + 8, {{0, pal::kGoldLight}, {1, pal::kBronze}}));
    c.paint(everywhere(),
            Fill::radial(at + Vec2{0, -14}, 190,
                         {{0, hex(0xffa040, 0.55f)}, {0.4f, hex(0xff8a30, 0.18f)}, {1, hex(0xff8a30, 0.0f)}}),
            Blend::Screen);
    scene::paintSunGlow(c, at + Vec2{0, -14}, 60, hex(0xffc060), 0.8f);
    Path flame;
    flame.moveTo(at + Vec2{-7, -2})
        .quadTo(at + Vec2{-11, -20}, at + Vec2{1, -38})
        .quadTo(at + Vec2{3, -20}, at + Vec2{9, -15})
        .quadTo(at + Vec2{9, -4}, at + Vec2{7, -2});
    c.paint(Shape::polygon(flame.points()).rasterize(kW, kH, 1.5f),
            Fill::vertical(at.y - 38, at.y, {{0, hex(0xff8a30)}, {0.5f, hex(0xffd060)}, {1, hex(0xfff6d0)}}));
}

// Daylight falling through an opening in the roof: a soft slanted beam with dust in it.
void paintLightShaft(Canvas& c) {
    const Vec2 a0{150, 0}, a1{250, 0}, b0{330, kFloorY + 40}, b1{560, kFloorY + 40};
    const Shape beam = Shape::polygon({a0, a1, b1, b0});
    Mask m = beam.rasterize(kW, kH, 40.0f);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) m.at(x, y) *= 0.55f + 0.45f * (1 - y / static_cast<float>(kH));
    c.paint(m, hex(0xffe8b0, 0.22f), Blend::Screen);
    Rng rng(73u);
    Mask dust(kW, kH);
    for (int i = 0; i < 70; ++i) {
        const float t = rng.uniform(), s = rng.uniform();
        const Vec2 p = lerp(lerp(a0, a1, s), lerp(b0, b1, s), t);
        Shape::circle(p, rng.range(0.6f, 1.3f)).drawInto(dust, 1.5f);
    }
    c.paint(dust, hex(0xfff0c8, 0.5f), Blend::Screen);
}

}  // namespace

Canvas templeHall() {
    Canvas c(kW, kH);
    paintWall(c);
    paintFrieze(c);
    paintCeiling(c);
    paintFloor(c);
    paintLightShaft(c);
    paintColumn(c, 46, 96);
    paintColumn(c, 730, 96);
    for (const Vec2& t : kTorches) paintTorch(c, t);
    vignette(c, 0.55f, hex(0x1a0a04));
    return c;
}

}  // namespace gen::bg
