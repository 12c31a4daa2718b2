// Reading the tablet at night in the professor's tent: the lamp-lit camp table with the tablet, the map, the
// notebook, the explorer's pointing hand and the professor's magnifying glass; then the tablet close up,
// its uncovered cells glowing with the engraved route.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr Vec2 kLamp{800, 300};  // the lamp's flame in the first picture

// The tent's canvas from inside: panels sewn between the ribs, warm near the lamp and dark far from it,
// the flap open on the left to the night.
void tentInside(Canvas& c) {
    const Noise n(5401u);
    c.paint(bg::everywhere(), Fill([=](float x, float y) {
                const float panel = std::abs(std::sin((x - 512) / (180 + y * 0.15f) * kPi));
                const float fold = n.fbm(x / 30.0f, y / 200.0f, 3);
                const float near = std::exp(-length(Vec2{x, y} - kLamp) / 420.0f);
                Color k = mixOklab(hex(0x3a2414), hex(0xe0a860), clamp01(near * 1.3f));
                k = darker(k, 0.25f * panel + 0.2f * (fold - 0.5f));
                return k;
            }));
    Mask seams(kW, kH);
    for (int i = -4; i <= 4; ++i)
        Shape::line({512 + i * 40.0f, -20}, {512 + i * 230.0f, 420}, 2.2f).drawInto(seams);
    c.paint(seams, hex(0x2a1408, 0.45f));
    // The flap tied back, and the night outside with the pyramids under the moon.
    Path opening;
    opening.moveTo({60, 330}).quadTo({110, 160}, {250, 40}).lineTo({290, 60}).quadTo({250, 200}, {300, 330});
    const Shape door = Shape::polygon(opening.points());
    Canvas night(kW, kH);
    scene::paintSky(night, {{0, hex(0x0a1030)}, {0.7f, hex(0x1a2a5a)}, {1, hex(0x34406a)}}, 330);
    scene::paintStars(night, 300, 260, 5402u);
    moon(night, {210, 120}, 16);
    const scene::PyramidFaces p = scene::pyramid({170, 250}, 200, 330, -10);
    night.paint(rast(p.lit), hex(0x3a4a78));
    night.paint(rast(p.shade), hex(0x222c50));
    night.paint(rast(Shape::rect(0, 300, kW, 60)),
                Fill::vertical(300, 340, {{0, hex(0x2a3460)}, {1, hex(0x1a2040)}}));
    night.clip(rast(door));
    c.draw(night, 0, 0);
    Path flap;
    flap.moveTo({300, 330}).quadTo({250, 200}, {290, 60}).lineTo({360, 50}).quadTo({330, 200}, {380, 330});
    const Shape f = Shape::polygon(flap.points());
    inked(c, f, Fill::linear({290, 60}, {380, 330}, {{0, hex(0xb07a44)}, {1, hex(0x5a3a20)}}), 1.5f);
    hud::ink(c, {{300, 180}, {342, 186}}, 3, hex(0x6a4020));
    c.paint(rast(door.outline(3)), hex(0x2a1408, 0.7f));
}

// The tent pole behind the table, the explorer's helmet hanging on it, a crate of books to the right.
void tentThings(Canvas& c) {
    const Shape pole = Shape::rect(590, -10, 22, 350);
    inked(c, pole, Fill::linear({590, 0}, {612, 0}, {{0, hex(0xc08850)}, {1, hex(0x4a2a14)}}), 1.5f);
    const Vec2 h{566, 150};
    inked(c, Shape::line({600, 132}, {566, 138}, 3), hex(0x5a3a20), 1.0f);
    const Shape brim = Shape::ellipse(h + Vec2{0, 14}, 52, 11);
    const Shape dome = Shape::ellipse(h, 38, 32) & Shape::rect(h.x - 50, h.y - 40, 100, 54);
    c.paint(rast((brim | dome).moved({8, 10})).blurred(8), hex(0x1a0a04, 0.4f));
    inked(c, brim, Fill::linear(h + Vec2{-50, 0}, h + Vec2{50, 24}, {{0, hex(0xf0dcae)}, {1, hex(0x9a7a50)}}),
          1.6f);
    inked(
        c, dome,
        Fill::radial(h + Vec2{-14, -16}, 56, {{0, hex(0xfff0c8)}, {0.6f, hex(0xe0c490)}, {1, hex(0x9a7a50)}}),
        1.6f);
    c.paint(rast(Shape::rect(h.x - 40, h.y + 2, 80, 9) & dome.grown(1)), hex(0x6a4020));
    // A crate with books and a rolled map on it.
    const Shape crate = Shape::rect(870, 200, 170, 150);
    inked(c, crate, woodPlanks(30, hex(0x9a6a3a), 5403u), 1.6f);
    const Color books[] = {hex(0x8a3524), hex(0x2b4a8a), hex(0x3a6a3a), hex(0x8a6a24)};
    for (int i = 0; i < 4; ++i) {
        const Shape b = Shape::rect(880, 200 - 18 * (i + 1.0f), 120 - i * 10.0f, 16, 2);
        inked(c, b,
              Fill::vertical(b.bounds().y0, b.bounds().y1,
                             {{0, lighter(books[i], 0.25f)}, {1, darker(books[i], 0.3f)}}),
              1.2f);
        c.paint(rast(Shape::rect(884, 200 - 18 * (i + 1.0f) + 6, 112 - i * 10.0f, 2)), hex(0xf0e0b0, 0.5f));
    }
}

// The table top, flat: planks, the map under everything, the notebook, a pencil, a compass and the tablet.
Canvas tableTop(float glow) {
    Canvas t(kW, kH);
    t.paint(bg::everywhere(), woodPlanks(96, hex(0x8a5a32), 5404u));
    // The lamp's warm pool falls on the far right.
    const Shape map = Shape::rect(120, 60, 760, 560, 4).rotated(-4, {500, 340});
    t.paint(rast(map.moved({10, 14})).blurred(10), hex(0x1a0a04, 0.5f));
    inked(t, map,
          Fill::radial({380, 260}, 600, {{0, hex(0xf4dcaa)}, {0.7f, hex(0xd8b078)}, {1, hex(0xa8784a)}}), 2);
    Mask marks(kW, kH);
    Path coast;
    coast.moveTo({150, 420})
        .smoothThrough({{260, 380}, {330, 440}, {420, 400}, {540, 470}, {700, 430}, {860, 500}});
    Shape::stroke(coast.points(), {3}).drawInto(marks);
    for (float x = 160; x < 860; x += 90) Shape::line({x, 70}, {x - 40, 610}, 1.2f).drawInto(marks);
    marks.multiply(rast(map));
    t.paint(marks, hex(0x7a4a24, 0.5f));
    // The notebook open at the bottom left, and a pencil.
    const Shape book = Shape::rect(40, 440, 330, 230, 6).rotated(8, {205, 555});
    t.paint(rast(book.moved({10, 12})).blurred(8), hex(0x1a0a04, 0.5f));
    inked(t, book.grown(6), hex(0x5a2a18), 1.5f);
    inked(t, book, Fill::linear({60, 470}, {440, 720}, {{0, hex(0xfff8e8)}, {1, hex(0xe0cca0)}}), 1.2f);
    Mask writing(kW, kH);
    Rng rng(5405u);
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 9; ++i) {
            const float x0 = 60 + side * 170.0f, y = 466 + i * 21.0f;
            Shape::line({x0, y}, {x0 + rng.range(60, 130), y}, 1.6f).rotated(8, {205, 555}).drawInto(writing);
        }
    Shape::line({205, 440}, {205, 670}, 2.5f).rotated(8, {205, 555}).drawInto(writing);
    Shape::rect(250, 500, 40, 40).outline(2).rotated(8, {205, 555}).drawInto(writing);
    t.paint(writing, hex(0x3a2a4a, 0.6f));
    const Shape pencil = Shape::line({420, 640}, {590, 600}, 10);
    inked(t, pencil, Fill::vertical(590, 650, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.2f);
    // A brass compass.
    const Vec2 cp{850, 520};
    t.paint(rast(Shape::circle(cp + Vec2{8, 10}, 46)).blurred(6), hex(0x1a0a04, 0.5f));
    inked(t, Shape::circle(cp, 46), hud::gold(cp.y - 46, cp.y + 46), 2);
    inked(t, Shape::circle(cp, 36), Fill::radial(cp, 36, {{0, hex(0xfff8e8)}, {1, hex(0xd8c8a0)}}), 1.2f);
    inked(t, Shape::polygon({cp + Vec2{-5, 0}, cp + Vec2{0, -30}, cp + Vec2{5, 0}}), pal::kTerracotta, 0.8f);
    inked(t, Shape::polygon({cp + Vec2{-5, 0}, cp + Vec2{0, 30}, cp + Vec2{5, 0}}), hex(0x4a5878), 0.8f);
    tablet(t, {236, 80, 796, 500}, glow);
    // The lamp's light on the table, strongest at the back right where it stands.
    t.paint(bg::everywhere(),
            Fill::radial({860, 40}, {900, 800},
                         {{0, hex(0xffc870, 0.0f)}, {0.5f, hex(0x2a1408, 0.25f)}, {1, hex(0x1a0a04, 0.7f)}}));
    return t;
}

// A brass hurricane lamp standing on the table, its flame at `flame`.
void lamp(Canvas& c, Vec2 flame) {
    const Vec2 b = flame + Vec2{0, 130};
    const Fill brass =
        Fill::linear(flame + Vec2{-46, 0}, flame + Vec2{46, 0},
                     {{0, pal::kGoldLight}, {0.3f, pal::kGold}, {0.75f, pal::kGoldDeep}, {1, pal::kBronze}});
    c.paint(rast(Shape::ellipse(b + Vec2{30, 2}, 76, 14)).blurred(8), hex(0x1a0a04, 0.55f));
    inked(c, Shape::ellipse(b, 44, 10) | Shape::rect(b.x - 44, b.y - 10, 88, 10), brass, 1.8f);
    inked(c, Shape::ellipse(b + Vec2{0, -30}, 46, 26), brass, 1.8f);
    inked(c, Shape::rect(flame.x - 22, flame.y + 56, 44, 16, 3), brass, 1.6f);
    c.paint(rast(Shape::ellipse(b + Vec2{-22, -40}, 10, 6)), hex(0xfffbe8, 0.6f));
    // The glass globe, glowing, and the cap and wire handle above it.
    const Shape glass = Shape::ellipse(flame + Vec2{0, 8}, 36, 50);
    c.paint(rast(glass),
            Fill::radial(flame, 56,
                         {{0, hex(0xfff4c8, 0.95f)}, {0.5f, hex(0xffc870, 0.5f)}, {1, hex(0xc88040, 0.4f)}}));
    c.paint(rast(glass.outline(2.5f)), hex(0x6a4020, 0.45f));
    c.paint(rast(Shape::ellipse(flame + Vec2{-18, -4}, 5, 24)), hex(0xffffff, 0.4f));
    inked(c,
          Shape::rect(flame.x - 26, flame.y - 54, 52, 14, 4) |
              Shape::rect(flame.x - 9, flame.y - 70, 18, 18, 3),
          brass, 1.6f);
    hud::ink(c,
             {flame + Vec2{-30, -46}, flame + Vec2{-20, -92}, flame + Vec2{20, -92}, flame + Vec2{30, -46}},
             3, hex(0x7a4a1a));
    c.paint(rast(Shape::ellipse(flame + Vec2{0, 8}, 7, 18)),
            Fill::vertical(flame.y - 10, flame.y + 26,
                           {{0, hex(0xfff8e0)}, {0.5f, hex(0xffd060)}, {1, hex(0xff8020)}}));
    lightPool(c, flame, {420, 360}, hex(0xffb050, 0.5f));
    lightPool(c, flame, {90, 110}, hex(0xfff0c0, 0.7f));
}

// The professor's magnifying glass over the tablet: the part under the lens drawn larger.
void magnifier(Canvas& c, Vec2 centre, float r, Vec2 handleEnd) {
    const Canvas under = c;
    const float zoom = 1.6f;
    const Mask lens = rast(Shape::circle(centre, r));
    for (int y = static_cast<int>(centre.y - r) - 1; y <= centre.y + r + 1; ++y)
        for (int x = static_cast<int>(centre.x - r) - 1; x <= centre.x + r + 1; ++x) {
            if (x < 0 || y < 0 || x >= kW || y >= kH || lens.at(x, y) <= 0) continue;
            const int sx = std::clamp(static_cast<int>(centre.x + (x - centre.x) / zoom), 0, kW - 1);
            const int sy = std::clamp(static_cast<int>(centre.y + (y - centre.y) / zoom), 0, kH - 1);
            const Pixel s = under.at(sx, sy);
            const float k = lens.at(x, y);
            Pixel& d = c.at(x, y);
            d = {mixf(d.r, s.r, k), mixf(d.g, s.g, k), mixf(d.b, s.b, k), 1};
        }
    const Vec2 dir = normalize(handleEnd - centre);
    inked(c, Shape::line(centre + dir * r, centre + dir * (r + 40), 16),
          hud::gold(centre.y, centre.y + r + 60), 1.6f);
    inked(c, Shape::stroke({centre + dir * (r + 38), handleEnd}, {22, 20}),
          Fill::linear(centre, handleEnd, {{0, hex(0x8a4a24)}, {1, hex(0x3a1a0a)}}), 1.6f);
    inked(c, Shape::circle(centre, r + 9) - Shape::circle(centre, r), hud::gold(centre.y - r, centre.y + r),
          1.8f);
    c.paint(
        rast(Shape::ellipse(centre + Vec2{-r * 0.4f, -r * 0.45f}, r * 0.28f, r * 0.14f).rotated(-35, centre)),
        hex(0xffffff, 0.5f));
}

}  // namespace

Canvas tabletTable() {
    Canvas c(kW, kH, hex(0x000000));
    tentInside(c);
    tentThings(c);
    const Vec2 quad[4] = {{130, 330}, {900, 330}, {1250, 900}, {-226, 900}};
    c.paint(rast(Shape::rect(110, 326, 810, 16)), hex(0x2a1408));
    warpOnto(c, tableTop(0.15f), quad);
    inked(c, Shape::polygon({{130, 330}, {900, 330}, {906, 342}, {124, 342}}), hex(0x5a3418), 1.2f);
    lamp(c, kLamp);
    // The explorer points at a cell; the professor holds his glass over the route's end. Their arms
    // reach out of the dark into the lamplight.
    magnifier(c, {640, 430}, 74, {830, 646});
    Canvas arms(kW, kH);
    forearm(arms, {150, 900}, {390, 600}, 80, hex(0xc8b078), hex(0xb09a60), hex(0xe8b48a), true);
    forearm(arms, {1010, 900}, {846, 672}, 82, hex(0x7a5234), hex(0xf4efe4), hex(0xf0c4a4), false);
    grade(arms, [](Color k, float x, float y) {
        const float l =
            0.35f + 0.75f * std::exp(-length(Vec2{x, y} - kLamp) / 520.0f) - 0.25f * smoothstep(600, 900, y);
        return Color{k.r * l * 1.05f, k.g * l * 0.92f, k.b * l * 0.78f, 1};
    });
    c.draw(arms, 0, 0);
    finishSlide(c, 0.55f, 5406u);
    return c;
}

Canvas tabletCloseUp() {
    Canvas c(kW, kH, hex(0x000000));
    c.paint(bg::everywhere(), woodPlanks(120, hex(0x7a4a2a), 5407u));
    const Shape map = Shape::rect(-40, 20, 700, 800, 4).rotated(-6, {300, 400});
    inked(c, map, Fill::radial({300, 300}, 600, {{0, hex(0xf4dcaa)}, {1, hex(0xa8784a)}}), 2);
    tablet(c, {110, 86, 914, 690}, 1.0f);
    Mask sparkle(kW, kH);
    Rng rng(5408u);
    for (int i = 0; i < 14; ++i) {
        const Vec2 p{rng.range(300, 860), rng.range(160, 620)};
        Shape::star(p, 4, rng.range(6, 12), 1.4f).drawInto(sparkle);
    }
    c.paint(sparkle, hex(0xfff4c8, 0.7f), Blend::Screen);
    motes(c, rast(Shape::rect(160, 100, 720, 560)).blurred(60), 120, hex(0xffe0a0, 0.8f), 5409u);
    c.paint(bg::everywhere(),
            Fill::radial({700, 120}, {1000, 900},
                         {{0, hex(0xffc870, 0.0f)}, {0.6f, hex(0x1a0a04, 0.1f)}, {1, hex(0x1a0a04, 0.6f)}}));
    finishSlide(c, 0.5f, 5410u);
    return c;
}

}  // namespace gen::slides
