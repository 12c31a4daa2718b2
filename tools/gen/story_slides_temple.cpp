// The temple in the hills above the blue city: its moonlit facade and great carved door, the explorer's hands
// setting the picture stone into the door's recess, the door's cells lighting up gold, and the door
// swinging open on a blaze of light.
#include <algorithm>
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Sky.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr int kDoorCols = 8, kDoorRows = 10;
// The picture the door's cells make when the stone wakes them: a snowy peak under a sun.
constexpr const char* kDoorPicture[kDoorRows] = {"........", "......#.", ".....###", "......#.", "..#.....",
                                                 ".###....", "#####.#.", "########", "########", "........"};

constexpr Color kStone = hex(0xb89a7a);

// The order the cells wake in: from the bottom up, the way the light climbs from the stone.
int wakeOrder(int col, int row) {
    return (kDoorRows - 1 - row) * kDoorCols + (row % 2 ? kDoorCols - 1 - col : col);
}

// The great door in `box`: two leaves carved with a grid of cells, a panel below with the square recess.
// `lit` cells of the picture glow (in waking order); the stone sits in the recess when `stone` is set.
void door(Canvas& c, Rect box, int lit, bool stone) {
    const float w = box.width(), h = box.height();
    inked(c, Shape::rect(box.x0, box.y0, w, h, w * 0.02f), woodPlanks(w * 0.06f, hex(0x6a4a34), 6101u), 2.0f);
    c.paint(rast(Shape::rect(box.x0, box.y0, w, h)),
            Fill::linear({box.x0, box.y0}, {box.x1, box.y1}, {{0, hex(0xe8d0b0)}, {1, hex(0x806858)}}),
            Blend::Multiply);
    hud::groove(c, Shape::line({box.centre().x, box.y0 + 4}, {box.centre().x, box.y1 - 4},
                               std::max(1.5f, w * 0.008f)));
    const float gx0 = box.x0 + w * 0.1f, gy0 = box.y0 + h * 0.06f, cell = w * 0.8f / kDoorCols;
    Mask grooves(kW, kH), glow(kW, kH);
    std::vector<int> ranks;
    for (int j = 0; j < kDoorRows; ++j)
        for (int i = 0; i < kDoorCols; ++i)
            if (kDoorPicture[j][i] == '#') ranks.push_back(wakeOrder(i, j));
    std::sort(ranks.begin(), ranks.end());
    const int threshold = lit <= 0 ? -1 : ranks[std::min<size_t>(lit, ranks.size()) - 1];
    for (int j = 0; j < kDoorRows; ++j)
        for (int i = 0; i < kDoorCols; ++i) {
            const Shape sq = Shape::rect(gx0 + i * cell + cell * 0.08f, gy0 + j * cell + cell * 0.08f,
                                         cell * 0.84f, cell * 0.84f, cell * 0.08f);
            sq.outline(std::max(1.2f, cell * 0.05f)).drawInto(grooves);
            if (kDoorPicture[j][i] == '#' && wakeOrder(i, j) <= threshold) sq.drawInto(glow);
        }
    c.paint(grooves.shifted(1, 1), hex(0xfff0d0, 0.35f));
    c.paint(grooves, hex(0x2a1408, 0.65f));
    if (lit > 0) {
        Mask halo = glow;
        halo.blur(cell * 0.4f);
        c.paint(halo, hex(0xffb030, 0.8f), Blend::Screen);
        c.paint(glow, hud::gold(gy0, gy0 + cell * kDoorRows));
        Mask hot = glow;
        hot.subtract(glow.shifted(2, 2));
        c.paint(hot, hex(0xfffbe8, 0.8f));
        Mask lines = grooves;
        lines.multiply(halo.blurred(2).scale(3));
        c.paint(lines, hex(0xffe080), Blend::Screen);
    }
    // The panel with the recess for the picture stone.
    const float ps = w * 0.2f;
    const Rect rec{box.centre().x - ps / 2, box.y1 - h * 0.2f, box.centre().x + ps / 2,
                   box.y1 - h * 0.2f + ps};
    hud::socket(c, Shape::rect(rec.x0, rec.y0, ps, ps, ps * 0.06f), std::max(2.0f, ps * 0.06f),
                Fill::vertical(rec.y0, rec.y1, {{0, hex(0x1a0e08)}, {1, hex(0x4a3020)}}),
                std::max(2.0f, ps * 0.08f));
    if (stone)
        pictureStone(c, {rec.x0 + ps * 0.04f, rec.y0 + ps * 0.04f, rec.x1 - ps * 0.04f, rec.y1 - ps * 0.04f},
                     lit > 0 ? 1.0f : 0.0f);
}

// The temple front cut into the rock: stepped base, columns, a carved frieze and the door between them.
Rect facade(Canvas& c, float cx, float base, float w) {
    const float h = w * 0.72f, top = base - h;
    const Shape front = Shape::rect(cx - w / 2, top, w, h);
    masonry(c, front, w * 0.08f, w * 0.035f, kStone, 6102u);
    c.paint(rast(front),
            Fill::linear({cx - w / 2, top}, {cx + w / 2, base}, {{0, hex(0xfff4e0)}, {1, hex(0x9a8070)}}),
            Blend::Multiply);
    c.paint(rast(front.outline(2)), pal::kOutline.fade(0.7f));
    // The stepped crown and frieze.
    for (int k = 0; k < 3; ++k) {
        const float tw = w * (1.04f - k * 0.2f), th = w * 0.05f;
        const Shape step = Shape::rect(cx - tw / 2, top - th * (k + 1), tw, th);
        inked(c, step,
              Fill::vertical(top - th * (k + 1), top - th * k,
                             {{0, lighter(kStone, 0.25f)}, {1, darker(kStone, 0.2f)}}),
              1.4f);
    }
    reliefs(c, {cx - w * 0.46f, top + w * 0.03f, cx + w * 0.46f, top + w * 0.13f}, w * 0.08f, 1.0f, 6103u);
    // Four columns, the door between the middle two.
    for (const float k : {-0.4f, -0.22f, 0.22f, 0.4f}) {
        const float x = cx + k * w, cw = w * 0.07f;
        const Shape col = Shape::rect(x - cw / 2, top + w * 0.15f, cw, h - w * 0.19f);
        inked(c, col,
              Fill::linear({x - cw / 2, 0}, {x + cw / 2, 0},
                           {{0, lighter(kStone, 0.35f)}, {0.45f, kStone}, {1, darker(kStone, 0.45f)}}),
              1.4f);
        Mask flutes(kW, kH);
        for (float f = -0.3f; f <= 0.31f; f += 0.2f)
            Shape::line({x + f * cw, top + w * 0.17f}, {x + f * cw, base - w * 0.06f}, 1.2f).drawInto(flutes);
        c.paint(flutes, hex(0x3a2010, 0.35f));
        inked(c, Shape::rect(x - cw * 0.7f, top + w * 0.13f, cw * 1.4f, w * 0.03f), lighter(kStone, 0.2f),
              1.2f);
        inked(c, Shape::rect(x - cw * 0.7f, base - w * 0.05f, cw * 1.4f, w * 0.03f), kStone, 1.2f);
    }
    const Rect d{cx - w * 0.15f, top + w * 0.18f, cx + w * 0.15f, base - w * 0.03f};
    inked(c, Shape::rect(d.x0 - w * 0.02f, d.y0 - w * 0.02f, d.width() + w * 0.04f, d.height() + w * 0.02f),
          darker(kStone, 0.15f), 1.4f);
    for (int k = 0; k < 3; ++k) {
        const float sw = w * (0.5f + k * 0.12f), sy = base + k * w * 0.025f;
        inked(c, Shape::rect(cx - sw / 2, sy, sw, w * 0.026f),
              Fill::vertical(sy, sy + w * 0.026f, {{0, lighter(kStone, 0.2f)}, {1, darker(kStone, 0.3f)}}),
              1.2f);
    }
    return d;
}

// The moonlit hills with the blue city's lights far below.
void nightHills(Canvas& c) {
    scene::paintSky(c, {{0, hex(0x060a22)}, {0.6f, hex(0x101c48)}, {1, hex(0x2a3a70)}}, 520);
    scene::paintStars(c, 420, 700, 6110u);
    moon(c, {170, 120}, 34);
    Canvas land(kW, kH);
    mountains(land, {.base = 560,
                     .top = 330,
                     .peaks = 5,
                     .lit = hex(0xc8a888),
                     .shade = hex(0x8a6a5a),
                     .snow = hex(0xf0f4ff),
                     .snowLine = 0.2f,
                     .haze = hex(0xa0b0d0, 0.3f),
                     .seed = 6111u});
    nightGrade(land, 0.6f);
    c.draw(land, 0, 0);
    // The city below the hills on the right: domes and lit windows.
    Mask city(kW, kH), lights(kW, kH);
    Rng rng(6112u);
    for (int i = 0; i < 40; ++i) {
        const float x = rng.range(820, 1010), w = rng.range(10, 24), h = rng.range(8, 20);
        Shape::rect(x, 560 - h, w, h + 4).drawInto(city);
        if (rng.uniform() < 0.6f) Shape::rect(x + w * 0.3f, 560 - h * 0.6f, 2.5f, 3).drawInto(lights);
    }
    for (const Vec2 d : {Vec2{860, 548}, Vec2{920, 540}, Vec2{975, 552}}) Shape::circle(d, 16).drawInto(city);
    Shape::rect(890, 480, 5, 70).drawInto(city);
    c.paint(city, hex(0x1a2850));
    c.paint(lights, hex(0xffd080), Blend::Screen);
    lightPool(c, {920, 556}, {150, 40}, hex(0xffa050, 0.3f));
}

}  // namespace

Canvas templeFacade() {
    Canvas c(kW, kH);
    nightHills(c);
    Canvas t(kW, kH);
    // The hill the temple is cut into, rising on both sides of its front.
    const Noise n(6120u);
    const Shape hill = Shape::polygon({{-20, 300},
                                       {140, 250},
                                       {300, 280},
                                       {512, 200},
                                       {720, 290},
                                       {800, 420},
                                       {880, 600},
                                       {1040, 640},
                                       {1040, 780},
                                       {-20, 780}});
    t.paint(rast(hill), Fill([&](float x, float y) {
                return mixOklab(hex(0xa88870), hex(0x6a5048),
                                n.fbm(x / 50.0f, y / 30.0f, 4) * 0.8f + (y - 200) / 1200.0f);
            }));
    const Rect d = facade(t, 470, 610, 520);
    door(t, d, 0, false);
    for (int i = 0; i < 5; ++i)
        boulder(t, {60.0f + i * 210, 720.0f + (i % 2) * 20}, 40 + i * 6.0f, hex(0xa08878), 6121u + i);
    nightGrade(t, 0.55f);
    // Moonlight rims the top-left edges of the stone.
    c.draw(t, 0, 0);
    c.paint(bg::everywhere(),
            Fill::radial({170, 120}, {900, 800}, {{0, hex(0x9ab8ff, 0.12f)}, {1, hex(0x9ab8ff, 0.0f)}}),
            Blend::Screen);
    finishSlide(c, 0.45f, 6122u);
    return c;
}

Canvas templeRecess() {
    Canvas c(kW, kH);
    // The door's face close up: carved cells, the recess, moonlight from the left and the lantern's warmth.
    c.paint(bg::everywhere(), woodPlanks(90, hex(0x6a4a34), 6130u));
    Mask grooves(kW, kH);
    for (float x = -60; x < kW; x += 150)
        for (float y = -100; y < 200; y += 150)
            Shape::rect(x + 12, y + 12, 126, 126, 10).outline(5).drawInto(grooves);
    c.paint(grooves.shifted(2, 2), hex(0xfff0d0, 0.3f));
    c.paint(grooves, hex(0x2a1408, 0.7f));
    const Rect rec{392, 300, 632, 540};
    hud::socket(c, Shape::rect(rec.x0, rec.y0, rec.width(), rec.height(), 10), 16,
                Fill::vertical(rec.y0, rec.y1, {{0, hex(0x120a06)}, {1, hex(0x3a2416)}}), 14);
    // The stone in her hands, just short of the recess.
    forearm(c, {60, 860}, {350, 560}, 74, hex(0xc8b078), hex(0xb09a60), hex(0xe8b48a), false);
    forearm(c, {964, 860}, {710, 560}, 74, hex(0xc8b078), hex(0xb09a60), hex(0xe8b48a), false);
    pictureStone(c, {420, 380, 640, 600}, 0.3f);
    for (const float x : {424.0f, 636.0f})
        inked(c, Shape::ellipse({x, 470}, 14, 26),
              Fill::linear({x - 14, 444}, {x + 14, 496}, {{0, hex(0xf8d0a8)}, {1, hex(0xb07850)}}), 1.6f);
    c.paint(bg::everywhere(),
            Fill::linear({0, 0}, {kW, kH}, {{0, hex(0x9ab8ff, 0.0f)}, {1, hex(0x0a1030, 0.45f)}}));
    lightPool(c, {200, 640}, {520, 380}, hex(0xffa040, 0.35f));
    finishSlide(c, 0.55f, 6131u);
    return c;
}

Canvas templeDoor(bool open) {
    Canvas c(kW, kH);
    Canvas t(kW, kH);
    const Rect d{332, 110, 692, 640};
    const Noise n(6140u);
    t.paint(bg::everywhere(), Fill([&](float x, float y) {
                return mixOklab(hex(0xa88870), hex(0x6a5048), n.fbm(x / 60.0f, y / 40.0f, 4));
            }));
    masonry(t, Shape::rect(150, 0, 724, 700), 90, 40, kStone, 6141u);
    reliefs(t, {170, 10, 854, 90}, 60, 1.0f, 6142u);
    for (const float x : {190.0f, 834.0f}) {
        const Shape col = Shape::rect(x - 36, 0, 72, 700);
        inked(t, col,
              Fill::linear({x - 36, 0}, {x + 36, 0},
                           {{0, lighter(kStone, 0.35f)}, {0.45f, kStone}, {1, darker(kStone, 0.45f)}}),
              1.6f);
    }
    inked(t, Shape::rect(d.x0 - 20, d.y0 - 20, d.width() + 40, d.height() + 20), darker(kStone, 0.15f), 1.6f);
    for (int k = 0; k < 2; ++k)
        inked(t, Shape::rect(0, 660 + k * 40.0f, kW, 40),
              Fill::vertical(660 + k * 40.0f, 700 + k * 40.0f,
                             {{0, lighter(kStone, 0.15f)}, {1, darker(kStone, 0.35f)}}),
              1.4f);
    nightGrade(t, 0.45f);
    c.draw(t, 0, 0);
    if (!open) {
        // The door's own light, now alive, warms the stone round it.
        door(c, d, 28, true);
        lightPool(c, {512, 420}, {420, 360}, hex(0xffa040, 0.25f));
    } else {
        // The leaves swung inwards, the hall beyond ablaze.
        c.paint(rast(Shape::rect(d.x0, d.y0, d.width(), d.height())),
                Fill::radial({512, 420}, {300, 380},
                             {{0, hex(0xfffbe8)}, {0.5f, hex(0xffd070)}, {1, hex(0xd07a20)}}));
        const float leaf = d.width() * 0.18f;
        for (const float side : {-1.0f, 1.0f}) {
            const float xe = side < 0 ? d.x0 : d.x1, xi = xe - side * leaf;
            const Shape l = Shape::polygon({{xe, d.y0}, {xi, d.y0 + 40}, {xi, d.y1 - 30}, {xe, d.y1}});
            inked(c, l, Fill::linear({xe, 0}, {xi, 0}, {{0, hex(0x4a3020)}, {1, hex(0x8a6040)}}), 1.4f);
            Mask cells(kW, kH);
            for (int j = 0; j < kDoorRows; ++j)
                Shape::line({xe - side * 8, d.y0 + 40 + j * 46.0f}, {xi + side * 4, d.y0 + 50 + j * 44.0f}, 3)
                    .drawInto(cells);
            cells.multiply(rast(l));
            c.paint(cells, hex(0xffd060, 0.9f));
        }
        rays(c, {512, 400}, 20, 160, 14, 600, hex(0xffe0a0, 0.45f), 6143u);
        lightPool(c, {512, 420}, {520, 460}, hex(0xffb050, 0.5f));
        motes(c, rast(Shape::rect(200, 100, 624, 640)).blurred(80), 220, hex(0xfff0c0, 0.9f), 6144u);
        Canvas her(kW, kH);
        person(her, Who::Tazmira, {420, 690}, 260, Pose::Standing, true);
        grade(her, [](Color k, float, float) {
            return Color{k.r * 0.12f + 0.08f, k.g * 0.08f + 0.05f, k.b * 0.1f + 0.06f, 1};
        });
        c.draw(her, 0, 0);
    }
    finishSlide(c, 0.45f, open ? 6145u : 6146u);
    return c;
}

}  // namespace gen::slides
