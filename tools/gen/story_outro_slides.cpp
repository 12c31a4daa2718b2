// The outro's first slides: the monastery on its cliff at dawn, the last door with its picture stones, and
// the treasure chamber lit gold.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"
#include "scene/Sky.h"
#include "story_outro_art.h"
#include "title_art.h"

namespace gen::outro {

namespace {

Canvas slide(Canvas& c, uint32_t seed) {
    bg::finish(c, seed);
    return c.cropped(0, 0, kW, kSlideH);
}

}  // namespace

Canvas monasteryDawn() {
    Canvas c(kW, kH);
    scene::paintSky(
        c, {{0, hex(0x26306e)}, {0.35f, hex(0x6a5a9a)}, {0.7f, hex(0xe89a9a)}, {1, hex(0xffd49a)}}, 400);
    scene::paintSunGlow(c, {760, 380}, 220, hex(0xffc890), 0.8f);
    scene::paintStars(c, 120, 40, 6101u);
    scene::paintClouds(c, 140, 300, {760, 380}, 6102u);
    const PeakLight dawn = dawnLight();
    peak(c, {150, 150}, 300, 470, 0.55f, dawn, 6103u);
    peak(c, {560, 96}, 340, 470, 0.45f, dawn, 6104u);
    peak(c, {960, 170}, 260, 470, 0.6f, dawn, 6105u);
    peak(c, {340, 230}, 240, 500, 0.25f, dawn, 6106u);
    bg::puffyClouds(c, 380, 520, hex(0xf4dce0, 0.85f), hex(0xfff4e8, 0.9f), 0.55f, 6107u);
    // The cliff the monastery crowns, and the hillside the road climbs.
    Path cliff;
    cliff.moveTo({480, 780})
        .lineTo({520, 560})
        .smoothThrough({{560, 420}, {600, 330}, {660, 306}, {800, 300}, {900, 312}, {950, 380}, {990, 470}})
        .lineTo({1030, 520})
        .lineTo({1030, 780});
    rock(c, Shape::polygon(cliff.points()), hex(0xf0c0a0), hex(0x4a3048), 6108u);
    const Shape hill =
        Shape::polygon({{-10, 470}, {140, 450}, {330, 480}, {520, 520}, {600, 600}, {620, 780}, {-10, 780}});
    part(c, hill, Fill::vertical(450, 640, {{0, hex(0xb8a878)}, {0.4f, hex(0x7a7a4a)}, {1, hex(0x3a3a34)}}),
         1.6f, 4);
    // The road winding up to the gate.
    const std::vector<Vec2> road{{60, 640},  {260, 590}, {150, 540}, {380, 520},
                                 {560, 470}, {610, 400}, {660, 330}};
    c.paint(rast(c, Shape::stroke(road, {40, 30, 22, 18, 14, 10, 8}).grown(1.5f)), pal::kOutline.fade(0.5f));
    c.paint(rast(c, Shape::stroke(road, {40, 30, 22, 18, 14, 10, 8})),
            Fill::vertical(330, 640, {{0, hex(0xf8e0c0)}, {1, hex(0xc8a080)}}));
    // The monastery: white walls stepping up, the maroon hall and golden roofs catching the first sun.
    const Color white = hex(0xfaf0ea);
    monasteryWall(c, 630, 930, 236, 312, 3, white);
    monasteryWall(c, 680, 890, 180, 240, 2, white);
    monasteryWall(c, 730, 850, 110, 184, 3, hex(0xa83228));
    part(c, Shape::rect(736, 112, 108, 9), hex(0xf0e6d0), 1.0f, 1);
    goldenRoof(c, 790, 108, 74);
    goldenRoof(c, 700, 176, 40);
    goldenRoof(c, 880, 176, 40);
    part(c, Shape::rect(648, 282, 30, 30, 3),
         Fill::vertical(282, 312, {{0, hex(0x8a2a20)}, {1, hex(0x4a1410)}}), 1.2f, 1);
    glow(c, {790, 90}, 60, hex(0xffe0a0), 0.5f);
    sparkle(c, {790, 60}, 18);
    jigsaw::prayerFlags(c, {630, 250}, {380, 480}, 30, 16, 6109u);
    jigsaw::prayerFlags(c, {-10, 70}, {520, 40}, 70, 24, 6110u);
    jigsaw::prayerFlags(c, {930, 230}, {1040, 150}, 16, 14, 6111u);
    // Standing stones and a flag mast by the road.
    c.paint(rast(c, Shape::line({120, 560}, {120, 420}, 4)), hex(0x4a2a1a));
    jigsaw::prayerFlags(c, {120, 430}, {320, 500}, 14, 14, 6112u);
    bg::vignette(c, 0.35f, hex(0x120a28));
    return slide(c, 6113u);
}

Canvas lastDoor() {
    Canvas c(kW, kH);
    stoneHall(c, 500, {600, 260}, hex(0xb08058));
    // The doorway: a deep arch lined in gold, the door of bronze set with four picture stones.
    const Shape arch = jigsaw::pointedArch(420, 800, 170, 110, 500);
    castShadow(c, arch.grown(18), 14, 0.5f);
    part(c, arch.grown(18), hud::sandstone({400, 40, 820, 500}, 6201u), 1.8f, 6);
    part(c, arch.grown(6), hud::gold(60, 500), 1.6f, 3);
    part(c, arch,
         Fill::linear({420, 60}, {800, 500}, {{0, hex(0xc08a4a)}, {0.5f, hex(0x8a5a2a)}, {1, hex(0x4a2a14)}}),
         1.5f, 5);
    c.paint(rast(c, Shape::line({610, 80}, {610, 500}, 3)), hex(0x2a1408, 0.8f));
    for (int i = 0; i < 4; ++i) {
        const float x = i % 2 ? 632 : 458, y = i / 2 ? 330 : 170;
        title::paintPictureStone(c, x, y, 130, 150);
    }
    // Studs down the door's edges and a gold ring in its middle.
    for (float y = 140; y < 490; y += 36)
        for (const float x : {440.0f, 780.0f})
            part(c, Shape::circle({x, y}, 5), hud::gold(y - 5, y + 5), 1.0f, 1.5f);
    glow(c, {610, 300}, 120, hex(0xffe0a0), 0.45f);
    // Torches either side, their light warm on the stone.
    for (const float x : {300.0f, 920.0f}) {
        part(c, Shape::polygon({{x - 16, 250}, {x + 16, 250}, {x + 6, 300}, {x - 6, 300}}),
             hud::gold(250, 300), 1.3f, 2);
        part(c, Shape::rect(x - 5, 300, 10, 40, 2), hex(0x5a3418), 1.2f, 1.5f);
        glow(c, {x, 220}, 110, hex(0xffa040), 0.7f);
        ho::flame(c, {x, 252}, 52);
    }
    // Tazmira before the door, the tablet raised to it.
    Pose raise;
    raise.held = Held::Tablet;
    raise.nearArm = 105;
    raise.nearElbow = 20;
    raise.farArm = 110;
    raise.farElbow = 18;
    raise.stride = 26;
    figure(c, Who::Tazmira, raise, {250, 590}, 400, 1);
    glow(c, {330, 200}, 50, hex(0xffe8b0), 0.5f);
    bg::vignette(c, 0.3f, hex(0x1a0804));
    return slide(c, 6202u);
}

Canvas treasureChamber() {
    Canvas c(kW, kH);
    stoneHall(c, 400, {512, 250}, hex(0xc89058));
    // Pillars either side and a gold glow falling from a shaft in the roof.
    for (const float x : {140.0f, 884.0f}) {
        part(c, Shape::rect(x - 40, 0, 80, 420), hud::sandstone({x - 40, 0, x + 40, 420}, 6301u), 1.6f, 6);
        part(c, Shape::rect(x - 50, 370, 100, 34, 3), hud::gold(370, 404), 1.4f, 3);
        part(c, Shape::rect(x - 50, 40, 100, 26, 3), hud::gold(40, 66), 1.4f, 3);
    }
    rays(c, {512, -40}, {512, 520}, 520, 9, hex(0xffe6a0, 0.5f), 6302u);
    goldStatue(c, {290, 400}, 190);
    goldStatue(c, {734, 400}, 190);
    // Heaps of coins spilling from open chests, jars and scrolls between them.
    ho::chest(c, 200, 420, 150, 90, hex(0x8a4a24));
    ho::chest(c, 690, 430, 140, 86, hex(0x7a3e20));
    coinHeap(c, Shape::ellipse({512, 520}, 240, 70) & Shape::rect(0, 450, kW, 200), 6303u);
    coinHeap(c, Shape::ellipse({270, 520}, 120, 36), 6304u);
    coinHeap(c, Shape::ellipse({770, 530}, 130, 40), 6305u);
    ho::jar(c, {120, 560}, 110, hex(0xd8a040), pal::kTurquoise);
    ho::jar(c, {910, 560}, 100, pal::kTurquoise, pal::kGold);
    scroll(c, {420, 570}, 120, -8);
    scroll(c, {640, 575}, 100, 12);
    scroll(c, {600, 555}, 90, -20);
    for (const Vec2 p : {Vec2{460, 470}, Vec2{560, 480}, Vec2{300, 505}, Vec2{800, 500}, Vec2{512, 455}})
        sparkle(c, p, 16, 0.9f);
    glow(c, {512, 460}, 160, hex(0xffd070), 0.35f);
    tint(c, hex(0xffc060, 0.18f), Blend::Multiply);
    bg::vignette(c, 0.3f, hex(0x1a0804));
    return slide(c, 6306u);
}

}  // namespace gen::outro
