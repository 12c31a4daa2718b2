// The outro's later slides: the Heart of the Caravan Kings, Corvin stopped by the monks, the treasure given
// into the monks' care, and the three friends on a ledge at sunset.
#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"
#include "scene/Sky.h"
#include "story_outro_art.h"

namespace gen::outro {

namespace {

Canvas slide(Canvas& c, uint32_t seed) {
    bg::finish(c, seed);
    return c.cropped(0, 0, kW, kSlideH);
}

// A sandstone pedestal, its top at `top`, banded in gold, standing on the floor at `floor`.
void pedestal(Canvas& c, float cx, float top, float floor, float w) {
    castShadow(c, Shape::rect(cx - w * 0.6f, top, w * 1.2f, floor - top), 14, 0.5f);
    part(c, Shape::rect(cx - w * 0.6f, floor - 34, w * 1.2f, 34, 4),
         hud::sandstone({cx - w, top, cx + w, floor}, 6401u), 1.6f, 4);
    part(c, Shape::rect(cx - w * 0.42f, top + 30, w * 0.84f, floor - top - 64),
         hud::sandstone({cx - w, top, cx + w, floor}, 6402u), 1.6f, 6);
    part(c, Shape::rect(cx - w * 0.6f, top, w * 1.2f, 34, 4),
         hud::sandstone({cx - w, top, cx + w, floor}, 6403u), 1.6f, 4);
    for (const float y : {top + 34.0f, floor - 44.0f})
        part(c, Shape::rect(cx - w * 0.44f, y, w * 0.88f, 10, 2), hud::gold(y, y + 10), 1.2f, 2);
    part(c, Shape::rect(cx - w * 0.16f, top + 70, w * 0.32f, floor - top - 130, 4), hud::lapis(top, floor),
         1.2f, 2);
}

// A temple hall of maroon pillars with gold capitals on a dark wooden floor, lit from the middle.
void templeHall(Canvas& c, Vec2 light) {
    stoneHall(c, 430, light, hex(0x9a6a58));
    for (const float x : {90.0f, 330.0f, 694.0f, 934.0f}) {
        part(c, Shape::rect(x - 28, 0, 56, 440),
             Fill::linear({x - 28, 0}, {x + 28, 0},
                          {{0, hex(0xd04a3a)}, {0.5f, hex(0x9a2420)}, {1, hex(0x4a0e10)}}),
             1.6f, 4);
        part(c, Shape::rect(x - 42, 40, 84, 30, 3), hud::gold(40, 70), 1.4f, 2.5f);
        part(c, Shape::rect(x - 38, 420, 76, 24, 3), hud::gold(420, 444), 1.4f, 2.5f);
    }
    // A fringe of silk hangings under the beams.
    part(c, Shape::rect(0, 0, kW, 36), Fill::vertical(0, 36, {{0, hex(0x5a1a14)}, {1, hex(0x8a2a20)}}), 1.4f,
         2);
    const Color silk[] = {hex(0x2b5ab0), hex(0xf2c034), hex(0xd03a2a), hex(0x3a9a4a)};
    for (int i = 0; i < 22; ++i)
        part(c, Shape::ellipse({24.0f + i * 47, 40}, 22, 16) & Shape::rect(0, 36, kW, 30), silk[i % 4], 1.1f,
             2);
}

}  // namespace

Canvas heartOfTheKings() {
    Canvas c(kW, kH);
    scene::paintSky(c, {{0, hex(0x0c1a30)}, {0.6f, hex(0x14344a)}, {1, hex(0x1a4450)}}, 600);
    masonry(c, Shape::rect(0, 0, kW, 470), 70, 34, hex(0x3a5a60), {0, 0, kW, 470}, 0.25f, 6404u);
    c.paint(rast(c, Shape::rect(0, 470, kW, 300)),
            Fill::vertical(470, 768, {{0, hex(0x1e3038)}, {1, hex(0x0a1418)}}));
    rays(c, {512, -60}, {512, 520}, 360, 7, hex(0xc8fff4, 0.45f), 6405u);
    glow(c, {512, 240}, 300, hex(0x2cc3b5), 0.6f);
    c.paint(rast(c, Shape::ellipse({512, 520}, 240, 40)).blurred(10), hex(0x8cf2e4, 0.25f), Blend::Screen);
    pedestal(c, 512, 340, 540, 150);
    heartJewel(c, {512, 235}, 92);
    for (const Vec2 p : {Vec2{380, 150}, Vec2{650, 120}, Vec2{690, 330}, Vec2{330, 300}})
        sparkle(c, p, 14, 0.7f);
    bg::vignette(c, 0.45f, hex(0x02080c));
    return slide(c, 6406u);
}

Canvas rivalBlocked() {
    Canvas c(kW, kH);
    templeHall(c, {800, 280});
    // The door burst open on the left: daylight pouring through, splinters on the floor.
    c.paint(rast(c, jigsaw::pointedArch(120, 300, 200, 80, 440)),
            Fill::vertical(120, 440, {{0, hex(0xfff4d8)}, {1, hex(0xf0c890)}}));
    part(c, Shape::polygon({{120, 440}, {70, 450}, {50, 200}, {120, 210}}),
         Fill::vertical(200, 450, {{0, hex(0x8a5a2a)}, {1, hex(0x4a2a14)}}), 1.5f, 3);
    rays(c, {210, 200}, {520, 620}, 300, 5, hex(0xfff0c8, 0.35f), 6501u);
    pedestal(c, 860, 300, 440, 50);
    glow(c, {860, 260}, 140, hex(0x8cf2e4), 0.5f);
    heartJewel(c, {860, 262}, 34);
    // Corvin lunging in, the monks standing shoulder to shoulder in his way.
    Pose lunge;
    lunge.bow = 10;
    lunge.nearArm = 80;
    lunge.nearElbow = 6;
    lunge.farArm = -30;
    lunge.farElbow = 20;
    lunge.stride = 60;
    lunge.angry = true;
    lunge.smile = false;
    figure(c, Who::Corvin, lunge, {280, 590}, 390, 1);
    Pose block;
    block.nearArm = -70;
    block.nearElbow = 10;
    block.farArm = 70;
    block.farElbow = 5;
    block.stride = 24;
    block.smile = false;
    figure(c, Who::Monk, block, {820, 560}, 340, -1);
    figure(c, Who::Monk, block, {700, 575}, 360, -1);
    block.nearArm = -80;
    block.farArm = 80;
    figure(c, Who::Monk, block, {570, 590}, 380, -1);
    bg::vignette(c, 0.3f, hex(0x1a0804));
    return slide(c, 6502u);
}

Canvas treasureEntrusted() {
    Canvas c(kW, kH);
    templeHall(c, {512, 260});
    pedestal(c, 512, 300, 470, 110);
    glow(c, {512, 230}, 160, hex(0xffe6a0), 0.55f);
    heartJewel(c, {512, 230}, 60);
    // The monks bow as they take the treasure into their care; Tazmira and the professor smile.
    Pose smile;
    smile.nearArm = 10;
    smile.nearElbow = 70;
    smile.farArm = 15;
    smile.farElbow = 60;
    figure(c, Who::Wren, smile, {180, 585}, 360, 1);
    Pose happy;
    happy.nearArm = 5;
    happy.nearElbow = 40;
    happy.farArm = 30;
    happy.farElbow = 80;
    figure(c, Who::Tazmira, happy, {320, 592}, 380, 1);
    Pose bow;
    bow.bow = 32;
    bow.nearArm = 40;
    bow.nearElbow = 60;
    bow.farArm = 44;
    bow.farElbow = 60;
    bow.stride = 14;
    figure(c, Who::Monk, bow, {880, 575}, 360, -1);
    figure(c, Who::Monk, bow, {720, 590}, 375, -1);
    bg::vignette(c, 0.3f, hex(0x1a0804));
    return slide(c, 6601u);
}

Canvas sunsetLedge() {
    Canvas c(kW, kH);
    const Vec2 sun{790, 360};
    scene::paintSky(
        c, {{0, hex(0x2a2460)}, {0.4f, hex(0x8a4a7a)}, {0.75f, hex(0xf08a5a)}, {1, hex(0xffd07a)}}, 420);
    scene::paintSunGlow(c, sun, 240, hex(0xffb060), 0.9f);
    scene::paintClouds(c, 120, 320, sun, 6701u);
    const PeakLight dusk = sunsetLight();
    peak(c, {300, 170}, 320, 480, 0.35f, dusk, 6702u);
    peak(c, {960, 200}, 300, 480, 0.4f, dusk, 6703u);
    scene::paintSunDisc(c, sun, 34);
    peak(c, {640, 250}, 260, 500, 0.15f, dusk, 6704u);
    c.paint(rast(c, Shape::rect(0, 470, kW, 300)).blurred(12),
            Fill::vertical(440, 620, {{0, hex(0xf4b088)}, {1, hex(0x9a5a78)}}));
    bg::puffyClouds(c, 400, 600, hex(0xe8a8a0, 0.9f), hex(0xffdcb8, 0.95f), 0.85f, 6705u);
    // The ledge: warm rock lit by the low sun.
    Path ledge;
    ledge.moveTo({-10, 780})
        .lineTo({-10, 470})
        .smoothThrough({{120, 462}, {300, 470}, {480, 480}, {600, 500}, {660, 560}, {640, 780}});
    rock(c, Shape::polygon(ledge.points()), hex(0xf0a070), hex(0x3a2030), 6706u);
    jigsaw::prayerFlags(c, {40, 300}, {600, 430}, 40, 18, 6707u);
    // The three friends look out over the peaks.
    Pose rest;
    rest.nearArm = 6;
    rest.farArm = -4;
    figure(c, Who::Hamid, rest, {190, 490}, 220 * stature(Who::Hamid), 1);
    Pose arm = rest;
    arm.farArm = 60;
    arm.farElbow = 20;
    figure(c, Who::Tazmira, arm, {300, 496}, 220, 1);
    figure(c, Who::Wren, rest, {410, 504}, 220 * stature(Who::Wren), 1);
    // The low sun's warm light over everything.
    tint(c, hex(0xffa060, 0.16f), Blend::Multiply);
    glow(c, sun, 260, hex(0xffc080), 0.35f);
    bg::vignette(c, 0.45f, hex(0x1a0820));
    return slide(c, 6708u);
}

}  // namespace gen::outro
