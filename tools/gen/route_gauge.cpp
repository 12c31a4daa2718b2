// The mini-game screens' skip gauge: a glowing bar of turquoise turning to gold behind the window of a gold
// frame with a skip emblem, the frame's ready glow, and the gauge's back and front plates.
#include <cmath>
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
// The fill and the plates are 70 × 48; the frame, 80 × 56, lies 5 px left of and 4 px above them.
constexpr int kPlateW = 70, kPlateH = 48, kFrameW = 80, kFrameH = 56;
const Vec2 kPlateInFrame{5, 4};
// The frame's window in the plates' coordinates.
constexpr Rect kWindow{3, 3, 67, 37};

Vec2 at(float x, float y) {
    return Vec2{x, y} * k;
}

Shape window(Vec2 offset = {}) {
    return Shape::rect((kWindow.x0 + offset.x) * k, (kWindow.y0 + offset.y) * k, kWindow.width() * k,
                       kWindow.height() * k, 6 * k);
}

// Thin engraved marks at the quarters of the window, from y0 to y1.
Shape quarterMarks(float y0, float y1) {
    Shape marks = Shape::line(at(kWindow.x0 + kWindow.width() / 4, y0),
                              at(kWindow.x0 + kWindow.width() / 4, y1), 0.9f * k);
    for (int i = 2; i < 4; ++i) {
        const float x = kWindow.x0 + kWindow.width() * i / 4;
        marks = marks | Shape::line(at(x, y0), at(x, y1), 0.9f * k);
    }
    return marks;
}

}  // namespace

// "pasek.png": the charge, revealed from the left; turquoise light turning to gold as it nears full.
Canvas gaugeFill() {
    Canvas c(kPlateW * kScale, kPlateH * kScale);
    const Shape body = Shape::rect(0, 0, kPlateW * k, kPlateH * k, 6 * k);
    c.paint(body, Fill::linear(at(kWindow.x0, 0), at(kWindow.x1, 0),
                               {{0, pal::kTurquoiseDeep},
                                {0.3f, pal::kTurquoise},
                                {0.55f, pal::kTurquoiseLight},
                                {0.8f, pal::kGoldLight},
                                {1, pal::kGold}}));
    // Round like a tube of glass: shaded towards the bottom of the window, a bright gloss near its top.
    c.paint(body,
            Fill::vertical(kWindow.y0 * k, kWindow.y1 * k,
                           {{0, hex(0xffffff)}, {0.55f, hex(0xf4f0ea)}, {1, hex(0xb09a84)}}),
            Blend::Multiply);
    c.paint(Shape::rect(at(kWindow.x0 + 3, 0).x, 6 * k, (kWindow.width() - 6) * k, 7 * k, 3.5f * k),
            Fill::vertical(6 * k, 13 * k, {{0, hex(0xffffff, 0.75f)}, {1, hex(0xffffff, 0.1f)}}),
            Blend::Screen);
    // Ripples of brighter light running along the bar.
    Mask ripples(c.width(), c.height());
    for (int i = 0; i < 3; ++i) {
        std::vector<Vec2> pts;
        for (float x = -2; x <= kPlateW + 2; x += 1.0f)
            pts.push_back(at(x, 20.0f + 6.0f * i + 2.2f * std::sin(x / 6.5f + 1.9f * i)));
        Shape::stroke(pts, {0.9f * k}).drawInto(ripples);
    }
    ripples.blur(0.5f * k);
    c.paint(ripples, hex(0xffffff, 0.35f), Blend::Screen);
    return c.downsampled(kScale);
}

// "nakrycie.png": the gold frame over the fill, its window open, a skip emblem on its lower rim.
Canvas gaugeFrame() {
    Canvas c(kFrameW * kScale, kFrameH * kScale);
    const Shape hole = window(kPlateInFrame);
    const Shape frame = Shape::rect(1 * k, 1 * k, 78 * k, 54 * k, 11 * k) - hole;
    Style gold = goldAt(0, kFrameH * k, k);
    gold.shadow = Shadow{at(0.8f, 1.2f), 1.2f * k, hud::kShadow};
    hud::styled(c, frame, gold, 2 * k);
    // A dark bead round the window and a carved line along the rim.
    c.paint(hole.grown(1.2f * k).outline(1.0f * k), pal::kBronze.fade(0.8f), Blend::Inside);
    c.paint(Shape::rect(3.5f * k, 3.5f * k, 73 * k, 49 * k, 9 * k).outline(0.6f * k), pal::kBronze.fade(0.5f),
            Blend::Inside);
    // The emblem: two turquoise arrows and a bar on a small lapis plate.
    const Shape plate = Shape::rect(24 * k, 43 * k, 32 * k, 10.5f * k, 5.25f * k);
    hud::part(c, plate, hud::lapis(43 * k, 53.5f * k), 0.8f * k, 1.2f * k, 0.3f, 0.4f);
    const Shape arrows = Shape::polygon({at(31.5f, 45), at(37.5f, 48.25f), at(31.5f, 51.5f)}) |
                         Shape::polygon({at(37.5f, 45), at(43.5f, 48.25f), at(37.5f, 51.5f)}) |
                         Shape::rect(44.5f * k, 45 * k, 2.2f * k, 6.5f * k, 0.6f * k);
    halo(c, arrows, 1.2f, 0.6f, Blend::Inside);
    hud::part(c, arrows, glowingInlay(arrows, 1.6f * k), 0.5f * k, 0.6f * k, 0.4f, 0.3f, hex(0x0b3a38));
    Canvas out = c.downsampled(kScale);
    for (Vec2 p : {Vec2{6.5f, 6.5f}, Vec2{73.5f, 6.5f}, Vec2{6.5f, 49.5f}, Vec2{73.5f, 49.5f}})
        panel::stud(out, p, 2.2f);
    return out;
}

// "hint.png": the gauge ready to be clicked: light welling round the window's edge and a bloom inside it.
Canvas gaugeReady() {
    Canvas c(kPlateW * kScale, kPlateH * kScale);
    halo(c, window().outline(5 * k), 2.5f, 1.0f, Blend::Add);
    halo(c, window().outline(5 * k), 2.5f, 0.6f, Blend::Add);
    c.paint(window().outline(1.4f * k), hex(0xeafffb, 0.8f), Blend::Add);
    c.paint(window(),
            Fill::radial(at(35, 20), Vec2{34, 18} * k,
                         {{0, hex(0xfff3c4, 0.55f)}, {0.6f, hex(0xffd866, 0.22f)}, {1, hex(0xffd866, 0)}}),
            Blend::Add);
    Canvas out = c.downsampled(kScale);
    fadeSides(out, 3, {true, true, true, true});
    return out;
}

// "hints_back.png": the empty gauge, a deep lapis plate with marks at its quarters.
Canvas gaugeBack() {
    Canvas c(kPlateW * kScale, kPlateH * kScale);
    const Shape plate = Shape::rect(0.5f * k, 0.5f * k, 69 * k, 47 * k, 7 * k);
    Style st = goldAt(0, kPlateH * k, k);
    hud::styled(c, plate, st, 0);
    const Shape inside = plate.grown(-2.5f * k);
    hud::Layer l(c, inside.bounds().expanded(k));
    const Field f = l.field(inside);
    l.canvas().paint(f.coverage(), l.local(Fill::radial(
                                       at(30, 18), 44 * k,
                                       {{0, hex(0x2c4f8e)}, {0.6f, pal::kBlueDeep}, {1, pal::kBlueNight}})));
    l.canvas().paint(l.mask(quarterMarks(kWindow.y1 - 8, kWindow.y1 - 2)), pal::kGoldDeep.fade(0.6f));
    innerShadow(l.canvas(), f, 2.5f * k, 2.5f * k, hex(0x02040c, 0.8f));
    l.put(c);
    return c.downsampled(kScale);
}

// "hints_front.png": the glass over the gauge: a gloss along the top, a glint, gold marks at the quarters.
Canvas gaugeFront() {
    Canvas c(kPlateW * kScale, kPlateH * kScale);
    const Shape glass = window();
    c.paint(
        Shape::rect((kWindow.x0 + 2) * k, (kWindow.y0 + 1.5f) * k, (kWindow.width() - 4) * k, 10 * k, 5 * k),
        Fill::vertical((kWindow.y0 + 1.5f) * k, (kWindow.y0 + 11.5f) * k,
                       {{0, hex(0xffffff, 0.55f)}, {1, hex(0xffffff, 0)}}));
    c.paint(Shape::polygon({at(14, 37), at(22, 3), at(27, 3), at(19, 37)}) & glass, hex(0xffffff, 0.12f));
    c.paint(glass.outline(1.2f * k), hex(0x0d1533, 0.45f));
    hud::part(c, quarterMarks(kWindow.y1 - 6, kWindow.y1 - 1),
              hud::gold((kWindow.y1 - 6) * k, kWindow.y1 * k), 0.5f * k, 0.4f * k);
    return c.downsampled(kScale);
}

}  // namespace gen::route
