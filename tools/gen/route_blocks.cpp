// The route mini-game's five stone blocks "gfx/minigames/routeFind/block<n>.png": carved sandstone round a
// sunken lapis face, with a gold-rimmed turquoise channel from the middle to the middles of the edges.
#include <vector>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "maingame_hud_panel.h"
#include "paint/Effects.h"
#include "paint/Mask.h"
#include "route_art.h"

namespace gen::route {

namespace {

constexpr float k = kScale;
constexpr int kSize = 100;
// The stone stands this far in from every side: the game turns and enlarges the block round its middle.
constexpr float kMargin = 4;
// The lapis face sits this far in from the picture's side.
constexpr float kFaceInset = 17;
const Vec2 kMiddle = Vec2{50, 50} * k;

Shape stone() {
    return Shape::rect(kMargin * k, kMargin * k, (kSize - 2 * kMargin) * k, (kSize - 2 * kMargin) * k,
                       11 * k);
}

Shape face() {
    return Shape::rect(kFaceInset * k, kFaceInset * k, (kSize - 2 * kFaceInset) * k,
                       (kSize - 2 * kFaceInset) * k, 8 * k);
}

// One arm of the channel from the middle out past the side `dir` points to (cut off at the stone later).
Shape arm(Vec2 dir) {
    return Shape::line(kMiddle, kMiddle + dir * (60 * k), 2 * kInlayHalf * k);
}

// The corner's channel: in from the left, bending down round the middle in a quarter circle.
Shape bend() {
    constexpr float r = 14;
    const Vec2 centre = kMiddle + Vec2{-r, r} * k;
    std::vector<Vec2> pts{{-10 * k, kMiddle.y}};
    for (int i = 0; i <= 12; ++i) pts.push_back(polar(centre, r * k, -90.0f + 7.5f * i));
    pts.push_back({kMiddle.x, (kSize + 10) * k});
    return Shape::stroke(pts, {2 * kInlayHalf * k});
}

Shape channelOf(int kind) {
    const Vec2 up{0, -1}, down{0, 1}, left{-1, 0}, right{1, 0};
    switch (kind) {
        case 0:
            return arm(up) | arm(down);
        case 1:
            return arm(up) | arm(down) | arm(left) | arm(right);
        case 2:
            return arm(up) | arm(left) | arm(down);
        case 3:
            return bend();
        default:
            return arm(down);
    }
}

// Sandstone of even light (the block is seen at every quarter turn), softly cushioned at its edges.
void body(Canvas& c, int kind) {
    const int w = c.width(), h = c.height();
    const Shape s = stone();
    // A dark outline just inside the stone's edge, and no cast shadow, which would turn with the block.
    c.paint(s, pal::kOutline.fade(0.9f));
    const Field f = s.grown(-0.8f * k).field(w, h, 8 * k);
    Canvas top(w, h);
    top.paint(f.coverage(), hud::sandstone({-8000, -8000, 8000, 8000}, 900u + kind));
    bevel(top, f, Bevel{6 * k, 0.5f, 0.45f, true});
    grain(top, 0.02f, 910u + kind);
    c.draw(top, 0, 0);
    // A carved line round the stone's rim.
    const Shape line = Shape::rect(10 * k, 10 * k, 80 * k, 80 * k, 7 * k).outline(0.9f * k);
    c.paint(line.moved(Vec2{0.7f, 0.7f} * k), hex(0xfff2d0, 0.45f));
    c.paint(line, hex(0x5a300f, 0.55f));
}

// The sunken lapis face in a thin gold lip, a small gold star in each quarter.
void lapisFace(Canvas& c) {
    const Shape hole = face();
    Style lip = goldAt(0, kSize * k, k);
    lip.shadow = Shadow{Vec2{0.4f, 0.5f} * k, 0.8f * k, hex(0x1a0d05, 0.4f)};
    hud::styled(c, hole.grown(2.4f * k) - hole.grown(-0.5f * k), lip, 2 * k);
    hud::Layer l(c, hole.bounds().expanded(2 * k));
    const Field f = l.field(hole);
    Canvas& lc = l.canvas();
    lc.paint(f.coverage(),
             l.local(Fill::radial(kMiddle, 46 * k,
                                  {{0, hex(0x2f5296)}, {0.6f, pal::kBlueDeep}, {1, pal::kBlueNight}})));
    Mask stars(l.width(), l.height());
    for (float x : {33.0f, 67.0f})
        for (float y : {33.0f, 67.0f})
            l.local(Shape::star(Vec2{x, y} * k, 4, 4.5f * k, 1.3f * k)).drawInto(stars);
    lc.paint(stars, pal::kGoldLight.fade(0.6f));
    innerShadow(lc, f, 1.6f * k, 1.6f * k, hex(0x02040c, 0.7f));
    lc.paint(f.band(-0.2f * k, 0.4f * k), pal::kOutline.fade(0.85f));
    l.put(c);
}

// A gold boss at the middle, round a glowing turquoise eye: where the channels meet, or the socket a dead
// end runs into.
void hub(Canvas& c, float ring, float eye) {
    Style gold = goldAt(0, 1, k);
    gold.fill = Fill::radial(kMiddle - Vec2{0.35f, 0.45f} * (ring * k), ring * 1.6f * k,
                             {{0, pal::kGoldPale}, {0.45f, pal::kGold}, {1, pal::kGoldDeep}});
    gold.shadow = Shadow{Vec2{0.5f, 0.7f} * k, 1.2f * k, hex(0x1a0d05, 0.5f)};
    hud::styled(c, Shape::circle(kMiddle, ring * k), gold, 3 * k);
    const Shape gem = Shape::circle(kMiddle, eye * k);
    Style dome;
    dome.fill = glowingInlay(gem, eye * k);
    dome.outline = 0.8f * k;
    dome.outlineFill = hex(0x0b3a38);
    dome.bevel = Bevel{eye * 0.5f * k, 0.35f, 0.3f, true};
    hud::styled(c, gem, dome, 2 * k);
    halo(c, gem, 2.5f, 0.45f, Blend::Inside);
    c.paint(Shape::ellipse(kMiddle - Vec2{0.35f, 0.4f} * (eye * k), 0.3f * eye * k, 0.2f * eye * k),
            hex(0xffffff, 0.85f), Blend::Screen);
}

}  // namespace

Canvas block(int kind) {
    Canvas c(kSize * kScale, kSize * kScale);
    body(c, kind);
    lapisFace(c);
    channel(c, channelOf(kind), stone());
    if (kind == 1 || kind == 2) hub(c, 10.5f, 5.5f);
    if (kind == 4) hub(c, 14, 9);
    // Nothing reaches into the margin, not even the outline of the channel's cut ends.
    c.clip(stone().rasterize(c.width(), c.height()));
    Canvas out = c.downsampled(kScale);
    // Gold studs in the stone's corners.
    for (float x : {11.0f, 89.0f})
        for (float y : {11.0f, 89.0f}) panel::stud(out, {x, y}, 2.6f);
    return out;
}

}  // namespace gen::route
