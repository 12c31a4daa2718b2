// A week later in Cairo: the museum's salmon-pink front on a sunny morning, its steps, palms either side, the
// road crossing in front and the pavement where the friends meet.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Sky.h"
#include "story_outro_art.h"

namespace gen::outro {

namespace {

constexpr Color kFront = hex(0xe8a884);
constexpr float kRoadTop = 560, kRoadBottom = 640;

// A window with a round top and a gold-trimmed sill.
void window(Canvas& c, float x, float y, float w, float h) {
    const Shape hole = Shape::rect(x, y + w / 2, w, h - w / 2) | Shape::circle({x + w / 2, y + w / 2}, w / 2);
    part(c, hole.grown(4), Fill::vertical(y, y + h, {{0, hex(0xf6d0b0)}, {1, hex(0xc08060)}}), 1.2f, 2);
    c.paint(rast(c, hole), Fill::vertical(y, y + h, {{0, hex(0x2a3a5a)}, {1, hex(0x121a2e)}}));
    c.paint(rast(c, Shape::line({x + w / 2, y + 2}, {x + w / 2, y + h}, 1.5f)), hex(0xd8b090, 0.8f));
    part(c, Shape::rect(x - 6, y + h, w + 12, 5, 1), hud::gold(y + h, y + h + 5), 1.0f, 1);
}

void museum(Canvas& c) {
    // The long wings, the taller middle block and the cornices' gold-sand mouldings.
    const Rect lit{100, 100, 924, 480};
    masonry(c, Shape::rect(110, 220, 804, 260), 84, 30, kFront, lit, 0.05f, 7101u);
    c.paint(rast(c, Shape::rect(110, 220, 804, 260).outline(3)), pal::kOutline.fade(0.8f));
    for (const float x0 : {140.0f, 660.0f})
        for (int i = 0; i < 4; ++i) {
            window(c, x0 + i * 58, 260, 30, 70);
            window(c, x0 + i * 58, 370, 30, 70);
        }
    masonry(c, Shape::rect(370, 130, 284, 350), 72, 30, lighter(kFront, 0.08f), lit, 0.0f, 7102u);
    c.paint(rast(c, Shape::rect(370, 130, 284, 350).outline(3)), pal::kOutline.fade(0.8f));
    for (const float y : {212.0f, 122.0f})
        part(c, Shape::rect(y > 200 ? 100.0f : 360.0f, y, y > 200 ? 824.0f : 304.0f, 12, 2),
             Fill::vertical(y, y + 12, {{0, hex(0xfff0d8)}, {1, hex(0xc89070)}}), 1.3f, 2);
    // The pediment over the middle with a gold sun disc.
    part(c, Shape::polygon({{360, 124}, {512, 62}, {664, 124}}),
         Fill::vertical(62, 124, {{0, hex(0xfff0dc)}, {1, hex(0xd09070)}}), 1.4f, 3);
    part(c, Shape::circle({512, 100}, 13), hud::gold(87, 113), 1.2f, 2);
    for (const float s : {-1.0f, 1.0f})
        part(c,
             Shape::polygon(
                 {{512 + s * 14, 96}, {512 + s * 46, 92}, {512 + s * 40, 102}, {512 + s * 14, 104}}),
             hud::gold(90, 106), 1.0f, 1);
    // The great arched doorway between two columns.
    const Shape arch = Shape::rect(452, 300, 120, 180) | Shape::circle({512, 300}, 60);
    part(c, arch.grown(10), Fill::vertical(240, 480, {{0, hex(0xfff0dc)}, {1, hex(0xc88a6a)}}), 1.4f, 3);
    c.paint(rast(c, arch), Fill::vertical(240, 480, {{0, hex(0x3a2a2a)}, {1, hex(0x1a1014)}}));
    part(c, Shape::rect(474, 360, 76, 120, 2),
         Fill::vertical(360, 480, {{0, hex(0x8a5a2a)}, {1, hex(0x4a2a14)}}), 1.2f, 2);
    c.paint(rast(c, Shape::line({512, 362}, {512, 478}, 2)), hex(0x2a1408));
    for (const float x : {412.0f, 612.0f}) {
        part(c, Shape::rect(x - 12, 180, 24, 300),
             Fill::linear({x - 12, 0}, {x + 12, 0},
                          {{0, hex(0xfff4e4)}, {0.5f, hex(0xf0c8a8)}, {1, hex(0xa87058)}}),
             1.3f, 3);
        part(c, Shape::rect(x - 20, 172, 40, 12, 2), hud::gold(172, 184), 1.2f, 1.5f);
        part(c, Shape::rect(x - 18, 466, 36, 14, 2), Fill(hex(0xe8c0a0)), 1.2f, 1.5f);
    }
    // A flag on the roof.
    c.paint(rast(c, Shape::line({512, 62}, {512, 10}, 3)), hex(0x4a3020));
    part(c, Shape::polygon({{514, 12}, {556, 18}, {552, 30}, {514, 34}}),
         Fill::vertical(12, 34, {{0, hex(0x3aa060)}, {1, hex(0x1a6a3a)}}), 1.1f, 1.5f);
}

// Broad steps from the doorway down to the road.
void steps(Canvas& c) {
    for (int i = 0; i < 6; ++i) {
        const float y = 480 + i * 13.3f, half = 150 + i * 40.0f;
        part(c, Shape::rect(512 - half, y, 2 * half, 14),
             Fill::vertical(y, y + 14, {{0, hex(0xfff0dc)}, {0.3f, hex(0xf0d0b0)}, {1, hex(0xb88a6a)}}), 1.2f,
             1.5f);
    }
}

void roadAndPavement(Canvas& c) {
    const Noise n(7103u);
    c.paint(rast(c, Shape::rect(0, kRoadTop, kW, kRoadBottom - kRoadTop)), Fill([=](float x, float y) {
                const float rut =
                    std::exp(-std::pow((y - 585) / 5.0f, 2.0f)) + std::exp(-std::pow((y - 620) / 5.0f, 2.0f));
                const Color base = mixOklab(hex(0xd8b898), hex(0xb09078), (y - kRoadTop) / 80.0f);
                return mixOklab(mixOklab(base, hex(0x8a6a58), 0.25f * rut), hex(0xf0d8b8),
                                0.25f * n.fbm(x / 30.0f, y / 6.0f, 3));
            }));
    // The kerbs and the paving in front, in big light flags.
    for (const float y : {kRoadTop - 4, kRoadBottom})
        part(c, Shape::rect(-10, y, kW + 20, 8),
             Fill::vertical(y, y + 8, {{0, hex(0xfff4e0)}, {1, hex(0xb8a08a)}}), 1.2f, 1.5f);
    c.paint(rast(c, Shape::rect(0, kRoadBottom + 8, kW, kH)), Fill([=](float x, float y) {
                const float rows = (y - kRoadBottom) / 34.0f;
                const float fx = (x + 40 * std::floor(rows)) / 90.0f;
                const float jx = std::min(fx - std::floor(fx), std::ceil(fx) - fx) * 90;
                const float jy = std::min(rows - std::floor(rows), std::ceil(rows) - rows) * 34;
                const float joint = smoothstep(2.0f, 0.5f, std::min(jx, jy));
                const Color base = mixOklab(hex(0xf4dcb8), hex(0xd0a880),
                                            0.4f * n.fbm(x / 50.0f, y / 20.0f, 3) + 0.2f * (y - 640) / 128);
                return mixOklab(base, hex(0x9a7a5a), joint * 0.7f);
            }));
}

}  // namespace

Canvas cairoBack() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x2a6ac8)}, {0.55f, hex(0x6aaee8)}, {1, hex(0xd8eef8)}}, 480);
    bg::puffyClouds(c, 20, 200, hex(0xf4f8fc, 0.9f), hex(0xffffff, 0.95f), 0.35f, 7104u);
    // Far rooftops and a minaret against the sky either side of the museum.
    part(c, Shape::rect(-10, 300, 150, 260) | Shape::rect(870, 280, 170, 280),
         Fill::vertical(280, 560, {{0, hex(0xe8d0b8)}, {1, hex(0xb89880)}}), 1.2f, 2);
    part(c, Shape::rect(920, 150, 26, 140) | Shape::circle({933, 150}, 16),
         Fill::vertical(130, 290, {{0, hex(0xf4e4d0)}, {1, hex(0xc0a088)}}), 1.2f, 2);
    part(c, Shape::polygon({{925, 136}, {933, 104}, {941, 136}}), hud::gold(104, 136), 1.0f, 1);
    museum(c);
    castShadow(c, Shape::rect(110, 470, 804, 20), 10, 0.3f);
    c.paint(rast(c, Shape::rect(0, 480, kW, 80)),
            Fill::vertical(480, 560, {{0, hex(0xe8c8a0)}, {1, hex(0xd8b488)}}));
    steps(c);
    // Palms by the museum and a pair of tall ones framing the scene.
    const bg::PalmLook palm{hex(0x2a6a3a), hex(0x8ac05a), hex(0x5a3a22), hex(0xb08050)};
    for (const scene::PalmSpec& p : {scene::PalmSpec{{300, 500}, 230, -20, 0.8f, 10, 7105u},
                                     scene::PalmSpec{{724, 500}, 220, 24, 0.8f, -10, 7106u},
                                     scene::PalmSpec{{70, 560}, 420, 40, 1.1f, 0, 7107u},
                                     scene::PalmSpec{{960, 560}, 400, -36, 1.05f, 20, 7108u}})
        bg::paintPalm(c, p, palm);
    roadAndPavement(c);
    // Shadows of the palms lying across the pavement.
    for (const float x : {150.0f, 1010.0f})
        c.paint(rast(c, Shape::ellipse({x, 700}, 90, 18)).blurred(8), hex(0x3a2010, 0.18f));
    bg::vignette(c, 0.18f, hex(0x2a1a10));
    bg::finish(c, 7109u);
    return c;
}

}  // namespace gen::outro
