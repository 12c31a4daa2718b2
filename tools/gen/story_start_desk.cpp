// The professor's desk by lamplight, seen from above: a leather writing mat, the brass lamp's glow, the
// inkwell and quill, a magnifying glass, and the picture stone lying where he left it.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_start_art.h"

namespace gen::opening {

using jigsaw::inked;
using jigsaw::rast;

namespace {

void planks(Canvas& c) {
    c.paint(bg::everywhere(), woodGrain(hex(0x9a5e32), hex(0x3e1e0c), 220, 3301));
    Mask seams(kW, kH);
    for (float y = 40; y < kH; y += 150) Shape::line({-10, y}, {kW + 10, y + 6}, 2).drawInto(seams);
    c.paint(seams, hex(0x1e0c04, 0.6f));
    c.paint(seams.shifted(0, 2), hex(0xd89a5a, 0.25f));
}

void writingMat(Canvas& c) {
    const Shape mat = Shape::rect(120, 70, 760, 520, 14);
    ho::castShadow(c, mat, 10, 0.45f);
    inked(c, mat,
          Fill::radial({300, 200}, 700, {{0, hex(0x3a5a6a)}, {0.6f, hex(0x1e3a4a)}, {1, hex(0x10202a)}}));
    c.paint(rast(Shape::rect(136, 86, 728, 488, 8).outline(3)), pal::kGold.fade(0.7f));
    c.paint(rast(Shape::rect(146, 96, 708, 468, 6).outline(1.2f)), pal::kGold.fade(0.5f));
}

void lampFromAbove(Canvas& c) {
    c.paint(rast(Shape::circle({40, 30}, 520)).blurred(160), hex(0xffb860, 0.45f), Blend::Screen);
    ho::castShadow(c, Shape::circle({40, 30}, 78), 14, 0.5f);
    inked(c, Shape::circle({40, 30}, 78), hud::gold(-40, 110), 1.6f);
    inked(c, Shape::circle({40, 30}, 52),
          Fill::radial({30, 20}, 60, {{0, hex(0xfff8e0)}, {0.5f, hex(0xffd880)}, {1, pal::kGoldDeep}}), 1.2f);
}

void inkwellAndQuill(Canvas& c) {
    const Vec2 m{950, 110};
    ho::castShadow(c, Shape::circle(m, 40), 10, 0.5f);
    inked(c, Shape::circle(m, 40),
          Fill::radial(m + Vec2{-14, -14}, 60, {{0, hex(0x4a6a8a)}, {1, hex(0x0a1424)}}));
    inked(c, Shape::circle(m, 16), hud::gold(m.y - 16, m.y + 16), 1.2f);
    c.paint(rast(Shape::circle(m, 10)), hex(0x0a0a14));
    c.paint(rast(Shape::ellipse(m + Vec2{-16, -18}, 8, 4).rotated(-40, m + Vec2{-16, -18})),
            hex(0xffffff, 0.5f));
    // The quill lying across the desk, its tip by the well.
    Path vane;
    vane.moveTo({930, 150}).quadTo({860, 170}, {780, 250}).quadTo({830, 230}, {940, 158});
    const Shape feather =
        Shape::polygon(vane.points()).blend(Shape::ellipse({840, 200}, 40, 14).rotated(-35, {840, 200}), 8);
    ho::castShadow(c, feather, 8, 0.4f);
    inked(
        c, feather,
        Fill::linear({780, 250}, {940, 150}, {{0, hex(0xf8f0e0)}, {0.7f, hex(0xe0d0b8)}, {1, hex(0xa89478)}}),
        1.2f);
    c.paint(rast(Shape::stroke({{946, 150}, {880, 190}, {790, 246}}, {2.2f, 1.6f, 1.0f})), hex(0x8a7258));
}

void magnifier(Canvas& c) {
    const Vec2 m{920, 520};
    const Shape handle = Shape::line(m + Vec2{-30, 30}, m + Vec2{-100, 100}, 14);
    ho::castShadow(c, Shape::circle(m, 52) | handle, 10, 0.5f);
    inked(c, handle,
          Fill::linear(m + Vec2{-30, 30}, m + Vec2{-100, 100}, {{0, hex(0x7a3a1c)}, {1, hex(0x3a1a0a)}}));
    inked(c, Shape::circle(m, 52).outline(10), hud::gold(m.y - 52, m.y + 52), 1.4f);
    c.paint(
        rast(Shape::circle(m, 46)),
        Fill::linear(m + Vec2{-46, -46}, m + Vec2{46, 46},
                     {{0, hex(0xffffff, 0.35f)}, {0.5f, hex(0xc0e0f0, 0.12f)}, {1, hex(0x80a8c0, 0.25f)}}));
    c.paint(rast(Shape::ellipse(m + Vec2{-18, -20}, 14, 6).rotated(-40, m + Vec2{-18, -20})),
            hex(0xffffff, 0.6f));
}

}  // namespace

Canvas deskTop() {
    Canvas c(kW, kH);
    planks(c);
    writingMat(c);
    // The picture stone, set down at the mat's corner.
    Canvas stone(kW, kH);
    carveTablet(stone, {30, 470}, 196, 146, 7, 3302);
    c.paint(rast(Shape::rect(40, 488, 196, 146, 8).rotated(7, {128, 543})).blurred(10).shifted(10, 12),
            hex(0x1a0a04, 0.5f));
    c.draw(stone, 0, 0);
    inkwellAndQuill(c);
    magnifier(c);
    lampFromAbove(c);
    bg::vignette(c, 0.7f, hex(0x140804));
    bg::finish(c, 3399);
    return c;
}

}  // namespace gen::opening
