// The third hidden-object scene: a temple hall of red pillars and painted beams, open on the right to the
// sky and snowy peaks under strings of prayer flags; the statue, altar and drum are in the props file.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Sky.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::prayerFlags;
using jigsaw::rast;

namespace {

constexpr float kBeams = 128, kFloor = 520;
constexpr Rect kWindow{576, 150, 968, 420};

// A snowy peak with a lit left face and snow down its gullies, hazed by `haze`.
void peak(Canvas& c, Vec2 top, float half, float base, float haze, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> pts{{top.x - half, base}};
    for (int i = 0; i <= 30; ++i) {
        const float t = i / 30.0f, x = top.x - half + 2 * half * t, h = 1 - std::abs(2 * t - 1);
        pts.push_back(
            {x, base - (base - top.y) * std::pow(h, 1.3f) - 16 * (n.fbm(x / 30.0f, 1.5f, 3) - 0.5f) * h});
    }
    pts.push_back({top.x + half, base});
    const Shape body = Shape::polygon(pts);
    const Color veil = hex(0xc8dcf0);
    auto v = [&](Color col) { return mixOklab(col, veil, haze); };
    c.paint(rast(body), Fill::vertical(top.y, base, {{0, v(hex(0x7a88a8))}, {1, v(hex(0x4a5a78))}}));
    const float line = top.y + (base - top.y) * 0.6f;
    c.paint(
        rast(body), Fill([=](float x, float y) {
            const float edge =
                line + 40 * (n.fbm(x / 20.0f, 3.0f, 3) - 0.5f) - 20 * std::abs(std::sin(x / 17.0f));
            const bool lit = x < top.x + (y - top.y) * 0.15f;
            return (lit ? v(hex(0xfbfdff)) : v(hex(0xa8bcd8))).withAlpha(smoothstep(edge + 3, edge - 3, y));
        }));
}

// The view through the open side: sky, peaks, a far valley and the flags across it.
void view(Canvas& c) {
    Canvas v(kW, kH);
    scene::paintSky(v, {{0, hex(0x2a5ab0)}, {0.6f, hex(0x5a9ae0)}, {1, hex(0xd0ecf8)}}, kWindow.y1);
    bg::puffyClouds(v, kWindow.y0 + 4, kWindow.y0 + 80, hex(0xe8f0fa, 0.8f), hex(0xffffff, 0.9f), 0.3f,
                    5401u);
    peak(v, {690, 236}, 170, 420, 0.35f, 5402u);
    peak(v, {880, 206}, 190, 420, 0.25f, 5403u);
    peak(v, {610, 300}, 120, 420, 0.1f, 5404u);
    bg::puffyClouds(v, 330, 420, hex(0xf0f4fa, 0.9f), hex(0xffffff, 0.95f), 0.6f, 5405u);
    v.paint(rast(Shape::rect(kWindow.x0, 380, kWindow.width(), 60)),
            Fill::vertical(380, 420, {{0, hex(0x6a8a4a)}, {1, hex(0x3a5a2a)}}));
    prayerFlags(v, {kWindow.x0, 252}, {kWindow.x1, 240}, 30, 18, 5406u);
    prayerFlags(v, {kWindow.x0, 318}, {kWindow.x1, 350}, 22, 15, 5407u);
    v.clip(rast(Shape::rect(kWindow.x0, kWindow.y0, kWindow.width(), kWindow.height())));
    c.draw(v, 0, 0);
}

// Walls of dark red lacquer with a painted dado, lit warmly from the lamps on the altar.
void walls(Canvas& c) {
    const Noise n(5408u);
    c.paint(Mask(kW, kH, 1.0f), Fill([&](float x, float y) {
                const Vec2 d = (Vec2{x, y} - Vec2{300, 420}) / 380.0f;
                const float light =
                    0.25f + 0.6f * std::exp(-dot(d, d)) + 0.12f * (n.fbm(x / 50.0f, y / 50.0f, 3) - 0.5f);
                return mixOklab(hex(0x3a0e0a), hex(0xc04a2a), clamp01(light));
            }));
    // Painted panels: gold-framed cloud scrolls in the wall above the dado.
    Mask scroll(kW, kH);
    for (float x = 40; x < 540; x += 90)
        for (int k = 0; k < 3; ++k)
            Shape::circle({x + k * 12.0f, 470 - (k % 2) * 6.0f}, 9).outline(2).drawInto(scroll);
    c.paint(rast(Shape::rect(-10, 440, 580, 80)),
            Fill::vertical(440, 520, {{0, hex(0x1f5a4a)}, {1, hex(0x0e2a24)}}));
    c.paint(scroll, pal::kGold.fade(0.7f));
    inked(c, Shape::rect(-10, 436, 590, 6), hud::gold(436, 442), 1.0f);
}

// Beams across the top with their painted ends, and the lintel over the open side.
void beams(Canvas& c) {
    inked(c, Shape::rect(-10, -10, kW + 20, kBeams + 10),
          Fill::vertical(0, kBeams, {{0, hex(0x2a0e08)}, {1, hex(0x6a1e14)}}));
    const Color paints[] = {pal::kTurquoise, pal::kGold, hex(0x3a9a4a), pal::kBlue};
    for (int i = 0; i * 64 < kW + 64; ++i) {
        const float x = i * 64.0f + 8;
        inked(c, Shape::rect(x, kBeams - 34, 40, 30, 4),
              Fill::vertical(kBeams - 34, kBeams - 4,
                             {{0, lighter(paints[i % 4], 0.3f)}, {1, darker(paints[i % 4], 0.4f)}}),
              1.2f);
        c.paint(rast(Shape::circle({x + 20, kBeams - 19}, 8).outline(2) |
                     Shape::circle({x + 20, kBeams - 19}, 3)),
                pal::kGoldLight);
    }
    inked(c, Shape::rect(-10, kBeams - 4, kW + 20, 14),
          Fill::vertical(kBeams - 4, kBeams + 10, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.2f);
    // A valance of coloured cloth under the beams.
    Mask folds[3] = {Mask(kW, kH), Mask(kW, kH), Mask(kW, kH)};
    for (int i = 0; i * 28 < kW + 28; ++i) {
        const float x = i * 28.0f;
        (Shape::rect(x, kBeams + 10, 28, 14) |
         (Shape::circle({x + 14, kBeams + 24}, 14) - Shape::rect(x - 2, kBeams + 38, 32, 4)))
            .drawInto(folds[i % 3]);
    }
    const Color cloth[] = {hex(0xf2c034), hex(0x2b5ab0), hex(0xd03a2a)};
    for (int i = 0; i < 3; ++i)
        c.paint(folds[i], Fill::vertical(kBeams + 10, kBeams + 38,
                                         {{0, lighter(cloth[i], 0.2f)}, {1, darker(cloth[i], 0.35f)}}));
}

// The open side's frame: thick posts and a carved sill.
void windowFrame(Canvas& c) {
    const Fill wood = Fill::vertical(kWindow.y0, kWindow.y1, {{0, hex(0x8a2a1a)}, {1, hex(0x4a1208)}});
    inked(c, Shape::rect(kWindow.x0 - 18, kWindow.y0 - 12, kWindow.width() + 36, 14),
          hud::gold(kWindow.y0 - 12, kWindow.y0 + 2), 1.2f);
    inked(c, Shape::rect(kWindow.x0 - 10, kWindow.y1, kWindow.width() + 20, 18),
          Fill::vertical(kWindow.y1, kWindow.y1 + 18, {{0, hex(0xd8a050)}, {1, hex(0x6a3414)}}));
    for (const float x : {kWindow.x1 + 4, (kWindow.x0 + kWindow.x1) / 2 + 60})
        inked(c, Shape::rect(x - 8, kWindow.y0, 16, kWindow.height()), wood);
}

void floor(Canvas& c) {
    c.paint(rast(Shape::rect(-10, kFloor, kW + 20, kH - kFloor + 10)),
            Fill::vertical(kFloor, kH, {{0, hex(0x5a2e18)}, {1, hex(0x9a5a30)}}));
    Mask planks(kW, kH);
    const Vec2 eye{420, 300};
    for (int i = -16; i <= 16; ++i) {
        const Vec2 b{eye.x + i * 90.0f, static_cast<float>(kH)};
        const float t = (kFloor - eye.y) / (b.y - eye.y);
        Shape::line(lerp(eye, b, t), b, 1.3f).drawInto(planks);
    }
    c.paint(planks, hex(0x2e1508, 0.4f));
    c.paint(rast(Shape::rect(-10, kFloor, kW + 20, 24)),
            Fill::vertical(kFloor, kFloor + 24, {{0, hex(0x1a0a04, 0.5f)}, {1, hex(0x1a0a04, 0)}}));
    // A long runner carpet towards the altar.
    const Shape runner = Shape::polygon({{230, kFloor + 8}, {390, kFloor + 8}, {440, kH}, {150, kH}});
    inked(c, runner, Fill([](float x, float y) {
              const float s = std::sin(x / 9.0f + y / 14.0f) * std::sin(y / 7.0f);
              return s > 0.6f ? pal::kGold : (s < -0.7f ? hex(0x1f3570) : hex(0x8a1a1a));
          }));
}

// A red pillar with gold bands and a bracket capital; returns its outline.
Shape pillar(Canvas& c, float cx, float w, float base) {
    const float hw = w / 2, top = kBeams + 8;
    const Shape shaft = Shape::rect(cx - hw, top + 40, w, base - top - 40);
    const Shape cap = Shape::polygon({{cx - hw * 2.6f, top},
                                      {cx + hw * 2.6f, top},
                                      {cx + hw * 1.6f, top + 26},
                                      {cx + hw, top + 42},
                                      {cx - hw, top + 42},
                                      {cx - hw * 1.6f, top + 26}});
    const Shape footing = Shape::rect(cx - hw - 8, base - 16, w + 16, 18, 3);
    const Shape all = shaft | cap | footing;
    castShadow(c, all, 14, 0.45f);
    c.paint(rast(all.grown(1.6f)), pal::kOutline.fade(0.9f));
    c.paint(rast(shaft), Fill::linear({cx - hw, 0}, {cx + hw, 0},
                                      {{0, hex(0xe0604a)}, {0.35f, hex(0xb02a1e)}, {1, hex(0x4a0e08)}}));
    c.paint(rast(cap), Fill::linear({cx - hw * 2.6f, 0}, {cx + hw * 2.6f, 0},
                                    {{0, hex(0x3a9a8a)}, {0.5f, hex(0x1f6a5a)}, {1, hex(0x0e2a24)}}));
    c.paint(rast(Shape::rect(cx - hw * 2.6f, top + 4, w * 5.2f, 4) & cap), pal::kGold);
    Mask cl(kW, kH);
    for (int k = -2; k <= 2; ++k) Shape::circle({cx + k * hw * 0.9f, top + 20}, 5).outline(1.6f).drawInto(cl);
    cl.multiply(rast(cap));
    c.paint(cl, pal::kGoldLight);
    for (const float y : {top + 60.0f, base - 60.0f})
        c.paint(rast(Shape::rect(cx - hw, y, w, 8)), hud::gold(y, y + 8));
    c.paint(rast(footing), Fill::vertical(base - 16, base, {{0, pal::kGoldLight}, {1, pal::kBronze}}));
    return all;
}

}  // namespace

Scene tibetanTemple() {
    Canvas c(kW, kH, hex(0x000000));
    walls(c);
    view(c);
    windowFrame(c);
    floor(c);
    beams(c);
    pillar(c, 30, 44, 560);
    Scene s = templeFront(c, [](Canvas& cv) { return pillar(cv, 530, 46, 590); });
    s.birds = true;
    s.band = {600, 172, 940, 226};
    s.leaves = {{600, 160, 340, 40, 2200}};
    s.glowSize = 150;
    s.movers = {bird(64, 30, hex(0x3a3a4a), hex(0x5a5a6a)), bird(56, 28, hex(0xe8e8f0), hex(0xb8c0d0)),
                bird(50, 26, hex(0x6a4a3a), hex(0x8a6a4a))};
    return s;
}

}  // namespace gen::ho
