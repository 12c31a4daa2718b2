// The touring car that drives across the Cairo scene: an open deep blue tourer seen from the side, facing
// right, its chauffeur at the wheel; painted three times larger and shrunk.
#include "Palette.h"
#include "maingame_hud_art.h"
#include "story_outro_art.h"

namespace gen::outro {

namespace {

constexpr int kCarW = 360, kCarH = 180, kS = 3;

// A point in car pixels on the big canvas.
Vec2 P(float x, float y) {
    return {x * kS, y * kS};
}

void wheel(Canvas& c, Vec2 m, float r) {
    const float R = r * kS;
    const Vec2 q = m * static_cast<float>(kS);
    part(c, Shape::circle(q, R),
         Fill::radial(q - Vec2{R * 0.3f, R * 0.4f}, R * 1.4f, {{0, hex(0x4a4448)}, {1, hex(0x141214)}}),
         1.5f * kS, 2.0f * kS);
    part(c, Shape::circle(q, R * 0.72f), Fill::radial(q, R * 0.72f, {{0, hex(0xe8c890)}, {1, hex(0xa8783a)}}),
         1.0f * kS, 1.0f * kS);
    Mask spokes(c.width(), c.height());
    for (int i = 0; i < 12; ++i)
        Shape::line(q, polar(q, R * 0.7f, i * 30.0f + 8), 2.2f * kS).drawInto(spokes);
    c.paint(spokes, hex(0x7a4a22));
    part(c, Shape::circle(q, R * 0.2f), hud::gold(q.y - R * 0.2f, q.y + R * 0.2f), 1.0f * kS, 1.0f * kS);
}

}  // namespace

Canvas touringCar() {
    Canvas c(kCarW * kS, kCarH * kS);
    const float o = 1.4f * kS, d = 3.0f * kS;
    const Fill paintwork = Fill::vertical(P(0, 70).y, P(0, 150).y,
                                          {{0, hex(0x5a7ad0)}, {0.35f, pal::kBlue}, {1, pal::kBlueNight}});
    const Fill black = Fill::vertical(P(0, 100).y, P(0, 160).y, {{0, hex(0x5a5458)}, {1, hex(0x141216)}});
    const Vec2 rear{78, 150}, front{286, 150};
    // The far side's wheels peep under the body, then the folded hood and the body itself.
    part(c, Shape::circle(P(rear.x + 8, 148), 27 * kS), hex(0x141214), o, 0);
    part(c, Shape::circle(P(front.x + 8, 148), 27 * kS), hex(0x141214), o, 0);
    part(c, Shape::ellipse(P(40, 76), 28 * kS, 11 * kS).rotated(-8, P(40, 76)),
         Fill::vertical(P(0, 64).y, P(0, 88).y, {{0, hex(0xe8d8b0)}, {1, hex(0x9a8060)}}), o, d);
    for (const float x : {28.0f, 40.0f, 52.0f})
        c.paint(Shape::line(P(x, 68), P(x + 2, 86), 1.2f * kS).rasterize(c.width(), c.height()),
                hex(0x6a5a40, 0.7f), Blend::Inside);
    const Shape body = Shape::polygon({P(18, 134), P(20, 96), P(34, 82), P(150, 84), P(160, 98), P(218, 98),
                                       P(226, 94), P(338, 94), P(344, 104), P(344, 136), P(18, 136)});
    part(c, body, paintwork, o, d);
    // The hood's louvres, the belt line and the doors.
    Mask lines(c.width(), c.height());
    for (float x = 262; x < 318; x += 8) Shape::line(P(x, 104), P(x, 124), 1.2f * kS).drawInto(lines);
    Shape::line(P(22, 104), P(340, 104), 1.0f * kS).drawInto(lines);
    Shape::line(P(104, 106), P(104, 134), 1.0f * kS).drawInto(lines);
    Shape::line(P(176, 106), P(176, 134), 1.0f * kS).drawInto(lines);
    c.paint(lines, hex(0x0a1028, 0.65f), Blend::Inside);
    c.paint(Shape::line(P(24, 100), P(336, 100), 1.6f * kS).rasterize(c.width(), c.height()),
            hex(0xffffff, 0.35f), Blend::Inside);
    part(c, Shape::rect(P(148, 112).x, P(148, 112).y, 12 * kS, 3 * kS, kS),
         hud::gold(P(0, 112).y, P(0, 115).y), kS, kS);
    // The seats' leather showing over the sides.
    part(c, Shape::rect(P(38, 76).x, P(38, 76).y, 100 * kS, 10 * kS, 4 * kS), hex(0x8a4a24), o, 1.5f * kS);
    part(c, Shape::rect(P(166, 88).x, P(166, 88).y, 46 * kS, 12 * kS, 4 * kS), hex(0x8a4a24), o, 1.5f * kS);
    // The chauffeur: green coat, peaked cap, hands on the wheel.
    const Color coat = hex(0x3a5a3a), skin = hex(0xd8a47a);
    part(c, Shape::ellipse(P(190, 78), 16 * kS, 20 * kS),
         Fill::radial(P(182, 68), 26 * kS, {{0, hex(0x6a8a5a)}, {1, darker(coat, 0.3f)}}), o, d);
    part(c, Shape::stroke({P(196, 72), P(212, 84), P(222, 78)}, {7 * kS, 6 * kS, 5 * kS}),
         Fill::radial(P(206, 76), 14 * kS, {{0, hex(0x6a8a5a)}, {1, coat}}), o, 2 * kS);
    part(c, Shape::circle(P(224, 77), 3.6f * kS), skin, o, kS);
    part(c, Shape::rect(P(187, 52).x, P(187, 52).y, 8 * kS, 10 * kS, 2 * kS), skin, o, kS);
    part(c, Shape::ellipse(P(193, 44), 10 * kS, 11 * kS),
         Fill::radial(P(189, 40), 14 * kS, {{0, lighter(skin, 0.2f)}, {1, darker(skin, 0.2f)}}), o, d);
    c.paint(Shape::circle(P(198, 42), 1.2f * kS).rasterize(c.width(), c.height()), pal::kOutline);
    part(c, Shape::ellipse(P(201, 49), 4 * kS, 1.6f * kS), hex(0x2a1a10), 0.8f * kS, 0);
    part(c, Shape::rect(P(181, 30).x, P(181, 30).y, 22 * kS, 9 * kS, 3 * kS), hex(0x2a3a2a), o, 1.5f * kS);
    part(c, Shape::polygon({P(196, 38), P(210, 39), P(210, 41), P(196, 41)}), hex(0x141414), 0.8f * kS, 0);
    part(c, Shape::rect(P(183, 35).x, P(183, 35).y, 18 * kS, 2.5f * kS), hud::gold(P(0, 35).y, P(0, 38).y),
         0.6f * kS, 0);
    // Steering wheel and the windscreen in its gold frame.
    part(c, Shape::ellipse(P(222, 80), 2.5f * kS, 9 * kS).rotated(-20, P(222, 80)), hex(0x2a1a14), o, kS);
    part(c, Shape::polygon({P(226, 94), P(234, 50), P(238, 50), P(231, 94)}),
         hud::gold(P(0, 50).y, P(0, 94).y), o, kS);
    c.paint(Shape::polygon({P(234, 54), P(236, 54), P(230, 92), P(228, 92)}).rasterize(c.width(), c.height()),
            hex(0xdff0ff, 0.5f));
    // The radiator's gold shell with its cap, and the headlamp.
    part(c, Shape::rect(P(338, 84).x, P(338, 84).y, 10 * kS, 54 * kS, 3 * kS),
         hud::gold(P(0, 84).y, P(0, 138).y), o, 1.5f * kS);
    part(c, Shape::circle(P(343, 80), 4 * kS), hud::gold(P(0, 76).y, P(0, 84).y), o, kS);
    part(c, Shape::circle(P(336, 102), 9 * kS), hud::gold(P(0, 93).y, P(0, 111).y), o, 1.5f * kS);
    part(c, Shape::circle(P(338, 102), 6 * kS),
         Fill::radial(P(336, 100), 7 * kS, {{0, hex(0xffffff)}, {1, hex(0xf0e0a0)}}), 0.8f * kS, 0);
    // Black wings over the wheels joined by the running board, then the wheels.
    const Shape wings = Shape::ellipse(P(front.x, 136), 40 * kS, 22 * kS) -
                        Shape::rect(0, P(0, 137).y, c.width(), c.height());
    const Shape back =
        Shape::ellipse(P(rear.x, 136), 40 * kS, 22 * kS) - Shape::rect(0, P(0, 137).y, c.width(), c.height());
    part(c, wings | back | Shape::rect(P(110, 131).x, P(110, 131).y, 140 * kS, 9 * kS, 2 * kS), black, o, d);
    wheel(c, rear, 29);
    wheel(c, front, 29);
    // The spare wheel strapped at the back.
    part(c, Shape::ellipse(P(14, 116), 7 * kS, 22 * kS), hex(0x1e1a1c), o, kS);
    return c.downsampled(kS);
}

}  // namespace gen::outro
