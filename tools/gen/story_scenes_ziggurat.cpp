// The ziggurat by the Euphrates: a ruined stepped temple of mud brick under a calm morning sky with the
// caravan road passing it; and the same view with the rival's crew tearing into it.
#include <cmath>

#include "backgrounds_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "scene/Silhouettes.h"
#include "scene/Sky.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

constexpr float kHorizon = 420;
constexpr float kBase = 482;  // where the ziggurat's mound meets the plain
constexpr float kMidX = 560;

const bg::PalmLook kNearPalm{hex(0x24401e), hex(0x6e8a34), hex(0x4a2c18), hex(0xb0784a), 0, hex(0)};

// One tier of the ziggurat: a slab whose edges have crumbled, lit from the left.
void tier(Canvas& c, float cx, float halfW, float top, float bottom, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> pts{{cx - halfW - 6, bottom}};
    for (int i = 0; i <= 30; ++i) {
        const float t = i / 30.0f, x = cx - halfW + 2 * halfW * t;
        pts.push_back({x, top + 10 * n.fbm(x / 24.0f, 0.5f, 3) * (0.3f + std::abs(2 * t - 1))});
    }
    pts.push_back({cx + halfW + 6, bottom});
    const Shape slab = Shape::polygon(pts);
    shadowOf(c, slab, {10, 4}, 6, 0.35f);
    part(c, slab,
         Fill::linear({cx - halfW, top}, {cx + halfW, bottom},
                      {{0, hex(0xf4d29a)}, {0.5f, hex(0xd8a468)}, {1, hex(0x9a6444)}}),
         1.5f, 5);
    // Courses of brick and a few gaps where bricks have fallen out.
    Mask lines(kW, kH);
    for (float y = top + 12; y < bottom - 2; y += 9)
        Shape::line({cx - halfW, y}, {cx + halfW, y}, 0.9f).drawInto(lines);
    Rng rng(seed);
    for (int i = 0; i < static_cast<int>(halfW / 14); ++i)
        Shape::rect(rng.range(cx - halfW + 8, cx + halfW - 20), rng.range(top + 14, bottom - 10),
                    rng.range(10, 18), 7, 1)
            .drawInto(lines);
    lines.multiply(rast(c, slab.grown(-2)));
    c.paint(lines, hex(0x6a3a22, 0.3f));
}

void sky(Canvas& c) {
    scene::paintSky(
        c, {{0, hex(0x5a92d0)}, {0.45f, hex(0x9ac4e4)}, {0.8f, hex(0xe8e6d8)}, {1, hex(0xfbe2b8)}}, kHorizon);
    scene::paintSunGlow(c, {170, 170}, 260, hex(0xfff0c8), 0.6f);
    scene::paintSunDisc(c, {170, 170}, 26);
    bg::puffyClouds(c, 60, 280, hex(0xf4f2f0, 0.9f), hex(0xffffff), 0.45f, 5401);
}

// The plain, the far palm groves, the river and the road: everything but the ziggurat.
void land(Canvas& c) {
    c.paint(rast(c, Shape::rect(0, kHorizon - 4, kW, kH)),
            Fill::vertical(kHorizon, kH, {{0, hex(0xe8cc9c)}, {0.4f, hex(0xe0b47c)}, {1, hex(0xc88a58)}}));
    // Far groves along the horizon, pale with distance.
    Mask grove(kW, kH);
    Rng rng(5402);
    for (float x = -20; x < kW + 20; x += rng.range(18, 40))
        if (x < 300 || x > 820)
            scene::drawPalm(
                grove,
                {{x, kHorizon + 2}, rng.range(26, 44), rng.range(-6, 6), 0.18f, 0, 5403u + uint32_t(x)});
    for (float x = -10; x < kW; x += 12)
        Shape::ellipse({x, kHorizon}, rng.range(8, 14), rng.range(3, 6)).drawInto(grove);
    c.paint(grove, hex(0x8a9a78, 0.8f));
    // The Euphrates coming out of the distance on the left and bending past us, its near bank in the corner.
    const Shape river = Shape::polygon([] {
        Path p;
        p.moveTo({-20, 468})
            .smoothThrough({{120, 474}, {250, 496}, {330, 556}, {340, 640}, {300, 720}, {290, 790}});
        p.lineTo({180, 790}).smoothThrough({{150, 700}, {90, 650}, {-20, 630}});
        return p.points();
    }());
    const Field f = river.field(kW, kH, 30);
    c.paint(f.band(-2, 10, 3), hex(0x7a8a4a, 0.6f));  // green banks
    c.paint(f.coverage(),
            Fill::vertical(470, kH, {{0, hex(0xa8cce0)}, {0.3f, hex(0x5aa8b8)}, {1, hex(0x2a7a8a)}}));
    const Noise n(5404);
    Mask ripples(kW, kH);
    for (int i = 0; i < 60; ++i) {
        const Vec2 p{rng.range(0, 330), rng.range(480, 768)};
        if (f.get(int(p.x), int(p.y)) < -6)
            Shape::line(p, p + Vec2{rng.range(10, 30), 0}, 1.4f).drawInto(ripples);
    }
    c.paint(ripples, hex(0xffffff, 0.4f));
    // The caravan road: a pale track from the bottom right, past the ziggurat and away to the right.
    Path road;
    road.moveTo({1040, 740})
        .smoothThrough({{860, 640}, {640, 560}, {560, 520}, {700, 476}, {900, 446}, {1040, 434}});
    std::vector<float> widths;
    for (size_t i = 0; i < road.points().size(); ++i)
        widths.push_back(70 * (1 - 0.9f * i / float(road.points().size())));
    Mask track = rast(c, Shape::stroke(road.points(), widths), 6);
    c.paint(track, hex(0xf6e0b4, 0.55f));
    // Palms on the river's bank.
    bg::paintPalm(c, {{300, 520}, 170, -20, 0.5f, 10, 5405}, kNearPalm);
    bg::paintPalm(c, {{370, 560}, 230, 24, 0.6f, -8, 5406}, kNearPalm);
    bg::paintPalm(c, {{80, 470}, 120, 10, 0.4f, 0, 5407}, kNearPalm);
}

void zigguratRuin(Canvas& c) {
    // The mound of fallen brick it stands on.
    Path mound;
    mound.moveTo({300, kBase + 6}).smoothThrough({{380, 440}, {560, 426}, {740, 440}, {830, kBase + 6}});
    const Shape m = Shape::polygon(mound.points());
    part(c, m, Fill::vertical(420, kBase, {{0, hex(0xe8b878)}, {1, hex(0xc08050)}}), 1.4f, 4);
    tier(c, kMidX, 220, 380, 450, 5410);
    tier(c, kMidX - 6, 160, 316, 384, 5411);
    tier(c, kMidX - 10, 104, 262, 320, 5412);
    tier(c, kMidX - 14, 54, 222, 266, 5413);
    // Slopes of fallen brick banked against the lowest tier, melting into the mound.
    Rng heapRng(5415);
    for (float x : {370.0f, 450.0f, 680.0f, 750.0f}) {
        const float w = heapRng.range(50, 70), hgt = heapRng.range(26, 40);
        std::vector<Vec2> pts;
        for (int i = 0; i <= 24; ++i) {
            const float t = i / 12.0f - 1;
            pts.push_back({x + t * w, kBase - 10 - hgt * std::exp(-t * t * 3)});
        }
        pts.push_back({x + w, kBase});
        pts.push_back({x - w, kBase});
        c.paint(rast(c, Shape::polygon(pts), 3),
                Fill::linear({x - w, kBase - hgt}, {x + w, kBase}, {{0, hex(0xf0c890)}, {1, hex(0xb88058)}}));
    }
    // The great stair up its front, its steps worn.
    const Shape stair =
        Shape::polygon({{kMidX - 40, 452}, {kMidX - 24, 266}, {kMidX + 8, 266}, {kMidX + 28, 452}});
    part(c, stair,
         Fill::linear({kMidX - 40, 266}, {kMidX + 28, 452}, {{0, hex(0xf6dcaa)}, {1, hex(0xb07a50)}}), 1.3f,
         2);
    Mask steps(kW, kH);
    for (float y = 274; y < 450; y += 7) Shape::line({kMidX - 50, y}, {kMidX + 40, y}, 1.0f).drawInto(steps);
    steps.multiply(rast(c, stair.grown(-1.5f)));
    c.paint(steps, hex(0x6a3a22, 0.45f));
    // Scattered bricks at its foot.
    Rng rng(5414);
    for (int i = 0; i < 26; ++i) {
        const Vec2 p{rng.range(320, 800), rng.range(kBase - 10, kBase + 24)};
        part(c, Shape::rect(p.x, p.y, rng.range(8, 14), 6, 1).rotated(rng.range(-30, 30), p),
             lit(p, 8, hex(0xd09a62)), 1.0f, 1);
    }
}

// A small labourer with a shovel, seen side-on.
void labourer(Canvas& c, Vec2 feet, float h, bool digging) {
    const float u = h / 100;
    auto at = [&](float x, float y) { return feet + Vec2{x, y} * u; };
    part(c,
         Shape::stroke({at(-4, 0), at(-2, -45)}, {7 * u, 8 * u}) |
             Shape::stroke({at(5, 0), at(2, -45)}, {7 * u, 8 * u}),
         lit(at(0, -30), 30 * u, hex(0x5a5a6a)), 1.0f, 1.5f);
    part(c, Shape::rect(at(-10, -82).x, at(0, -82).y, 20 * u, 40 * u, 5 * u),
         lit(at(-4, -70), 24 * u, hex(0xe8dcc0)), 1.0f, 2);
    const Vec2 hands = digging ? at(-18, -56) : at(-14, -62);
    part(c, Shape::stroke({at(0, -76), hands}, {6 * u}), lit(at(-6, -70), 14 * u, hex(0xe8dcc0)), 1.0f, 1);
    part(c, Shape::line(hands + Vec2{12, -10} * u, hands + Vec2{-14, 30} * u, 2.4f * u), hex(0x8a5a30), 0.8f,
         0);
    part(c, Shape::ellipse(hands + Vec2{-15, 34} * u, 5 * u, 7 * u), hex(0x7a7a80), 0.8f, 1);
    part(c, Shape::circle(at(0, -90), 9 * u), lit(at(-3, -93), 10 * u, hex(0xc08a5c)), 1.0f, 1.5f);
    part(c,
         Shape::ellipse(at(0, -97), 11 * u, 4 * u) |
             (Shape::circle(at(0, -95), 8 * u) & Shape::rect(at(-9, -104).x, at(0, -104).y, 18 * u, 9 * u)),
         lit(at(-3, -98), 10 * u, hex(0x8a6a4a)), 1.0f, 1);
}

// The yellow crawler bulldozer of the twenties, facing left, its blade biting into the ziggurat's foot.
void bulldozer(Canvas& c, Vec2 m) {
    const Color yellow = hex(0xf2b628);
    shadowOf(c, Shape::rect(m.x - 150, m.y - 20, 300, 30, 14), {10, 6}, 10, 0.5f);
    // Tracks: a long loop of dark treads round the wheels.
    const Shape track = Shape::rect(m.x - 110, m.y - 44, 230, 48, 24);
    part(c, track, lit({m.x - 40, m.y - 30}, 120, hex(0x3a3430)), 1.6f, 3);
    Mask treads(kW, kH);
    for (float x = m.x - 100; x < m.x + 116; x += 10)
        Shape::line({x, m.y - 4}, {x + 2, m.y + 4}, 2.4f).drawInto(treads);
    c.paint(treads, hex(0x1a1410, 0.8f));
    for (float x = m.x - 86; x < m.x + 110; x += 44)
        part(c, Shape::circle({x, m.y - 20}, 15), lit({x, m.y - 20}, 15, hex(0x6a625a)), 1.2f, 2);
    // The engine's hood, the radiator at its front and the stack puffing smoke.
    const Shape hood = Shape::rect(m.x - 90, m.y - 112, 140, 70, 8);
    part(c, hood, lit({m.x - 40, m.y - 100}, 110, yellow), 1.6f, 5);
    for (float x = m.x - 60; x < m.x + 40; x += 14)
        c.paint(Shape::rect(x, m.y - 96, 8, 36, 2), hex(0x7a4a10, 0.45f));
    part(c, Shape::rect(m.x - 104, m.y - 118, 20, 80, 4), lit({m.x - 96, m.y - 100}, 30, hex(0x5a5048)), 1.4f,
         2);
    part(c, Shape::rect(m.x - 20, m.y - 168, 12, 60, 3), lit({m.x - 14, m.y - 150}, 20, hex(0x3a3430)), 1.2f,
         1.5f);
    // The open cab: a seat, a steering wheel and the canopy on four posts.
    part(c, Shape::rect(m.x + 50, m.y - 130, 70, 88, 6), lit({m.x + 70, m.y - 110}, 70, yellow), 1.6f, 4);
    part(c, Shape::rect(m.x + 40, m.y - 200, 90, 12, 4), lit({m.x + 70, m.y - 196}, 60, darker(yellow, 0.1f)),
         1.4f, 2);
    for (float x : {m.x + 46, m.x + 122}) part(c, Shape::rect(x, m.y - 190, 6, 64), hex(0x3a3430), 1.0f, 0);
    part(c, Shape::circle({m.x + 44, m.y - 142}, 12).outline(4), hex(0x2a2420), 1.0f, 0);
    // The blade on its arms, pushed into the brick.
    part(c, Shape::stroke({{m.x - 80, m.y - 60}, {m.x - 150, m.y - 40}}, {10}), hex(0x5a5048), 1.4f, 1.5f);
    Path blade;
    blade.moveTo({m.x - 150, m.y - 110}).quadTo({m.x - 176, m.y - 60}, {m.x - 152, m.y + 6});
    blade.lineTo({m.x - 140, m.y + 6}).quadTo({m.x - 160, m.y - 60}, {m.x - 136, m.y - 110});
    part(c, Shape::polygon(blade.points()), lit({m.x - 150, m.y - 80}, 60, yellow), 1.6f, 3);
}

// A flatbed truck of the twenties, facing left, crates lashed on its bed.
void truck(Canvas& c, Vec2 m) {
    const Color green = hex(0x3a5a4a);
    shadowOf(c, Shape::rect(m.x - 110, m.y - 10, 230, 20, 8), {8, 4}, 8, 0.5f);
    crate(c, m.x + 10, m.y - 112, 56, 48, 5420);
    crate(c, m.x + 64, m.y - 100, 46, 36, 5421);
    part(c, Shape::rect(m.x - 10, m.y - 66, 130, 18, 3), lit({m.x + 40, m.y - 60}, 80, hex(0x8a5a30)), 1.4f,
         2);
    const Shape cab = Shape::polygon(
        {{m.x - 60, m.y - 50}, {m.x - 58, m.y - 118}, {m.x - 10, m.y - 118}, {m.x - 4, m.y - 50}});
    part(c, cab, lit({m.x - 40, m.y - 100}, 60, green), 1.6f, 4);
    part(c, Shape::rect(m.x - 52, m.y - 108, 30, 28, 3), hex(0x9ac4d8), 1.2f, 1);
    part(c, Shape::rect(m.x - 118, m.y - 76, 62, 30, 8), lit({m.x - 100, m.y - 70}, 50, green), 1.6f, 3);
    part(c, Shape::rect(m.x - 124, m.y - 78, 10, 32, 3), lit({m.x - 120, m.y - 70}, 12, hex(0xb0a890)), 1.2f,
         1);
    for (float x : {m.x - 88, m.x + 80}) {
        part(c, Shape::circle({x, m.y - 20}, 22), hex(0x2a2420), 1.4f, 2);
        part(c, Shape::circle({x, m.y - 20}, 11), lit({x, m.y - 20}, 12, hex(0xc0a070)), 1.0f, 1.5f);
        for (int k = 0; k < 6; ++k)
            c.paint(Shape::line({x, m.y - 20}, polar({x, m.y - 20}, 10, k * 60.0f), 1.5f), hex(0x5a4030));
    }
    part(c, Shape::ellipse({m.x - 118, m.y - 62}, 5, 6), pal::kGoldPale, 1.0f, 1);
}

}  // namespace

Canvas zigguratCalm() {
    Canvas c(kW, kH);
    sky(c);
    land(c);
    zigguratRuin(c);
    // A caravan walking the road below the ziggurat.
    Mask camels(kW, kH);
    for (float x : {700.0f, 740.0f, 780.0f}) bg::camel({x, 556 + (x - 700) * 0.3f}, 34).drawInto(camels);
    c.paint(camels.shifted(1, 1), pal::kOutline);
    c.paint(camels, Fill::vertical(520, 570, {{0, hex(0xd8a468)}, {1, hex(0x8a5a3a)}}));
    bg::paintPalm(c, {{960, 700}, 300, -40, 0.7f, -6, 5408}, kNearPalm);
    bg::vignette(c, 0.3f, hex(0x1a1020));
    return c;
}

Canvas zigguratDug() {
    Canvas c(kW, kH);
    sky(c);
    land(c);
    zigguratRuin(c);
    // The blade has torn a gash in the lowest tier; rubble spills from it.
    const Shape gash = Shape::polygon({{600, 452}, {624, 392}, {690, 382}, {720, 420}, {700, 470}});
    part(c, gash, Fill::vertical(380, 470, {{0, hex(0x5a3020)}, {1, hex(0x8a5030)}}), 1.4f, 0);
    innerShadow(c, gash.field(kW, kH), 6, 4, hex(0x1a0804, 0.7f));
    Rng rng(5430);
    for (int i = 0; i < 40; ++i) {
        const Vec2 p{rng.range(560, 740), rng.range(452, 520)};
        part(c, Shape::rect(p.x, p.y, rng.range(8, 16), 7, 1).rotated(rng.range(-40, 40), p),
             lit(p, 8, hex(0xd09a62)), 1.0f, 1);
    }
    labourer(c, {470, 500}, 84, true);
    labourer(c, {520, 512}, 80, false);
    bulldozer(c, {790, 540});
    // Dust rolling up from the blade and smoke from the stack.
    Mask dust = billows(kW, kH, {500, 340, 800, 590}, 150, 16, 46, 5431);
    paintDust(c, dust, hex(0xe6c494), hex(0xfff4dc), hex(0xa8785a), 0.9f);
    Mask smoke = billows(kW, kH, {740, 280, 820, 380}, 30, 8, 20, 5432);
    paintDust(c, smoke, hex(0x6a625c), hex(0xa8a098), hex(0x3a3430), 0.7f);
    crate(c, 560, 610, 70, 56, 5433);
    crate(c, 620, 630, 54, 44, 5434);
    crate(c, 540, 658, 60, 48, 5435);
    truck(c, {876, 694});
    // Corvin on the near bank, turned towards the ziggurat and urging them on.
    facingRight(c, corvinPointing, {430, 700}, 170);
    bg::vignette(c, 0.3f, hex(0x1a1020));
    return c;
}

}  // namespace gen::story
