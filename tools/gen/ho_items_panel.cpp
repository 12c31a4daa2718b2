// The hidden-object scenes' bottom panel "bottom-panel.png" (carved sandstone in a gold moulding with eleven
// gold-framed parchment slots for the objects' pictures) and the tick mark "pick.png" of a found object.
#include <cmath>

#include "ho_items_art.h"
#include "maingame_hud_art.h"
#include "maingame_hud_panel.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Style.h"

namespace gen::ho {

namespace {

constexpr int kW = 1024, kH = 112;
// Slot i is centred at (512 + (i - 5) * kPitch, kSlotY); its gold frame is kFrameW × kFrameH and its
// parchment the size of an object's panel picture.
constexpr float kPitch = 84, kSlotY = 56;
constexpr float kFrameW = 76, kFrameH = 68;
// The top edge: low at the sides, raised over the middle slots.
constexpr float kEdge = 10, kCrown = 3;

float slotX(int i) {
    return 512 + (static_cast<float>(i) - (kSlots - 1) / 2.0f) * kPitch;
}

Shape band() {
    constexpr float a = 300, b = 400;  // where the rise starts and ends, off each side
    Path p;
    p.moveTo({-10, kH + 10}).lineTo({-10, kEdge}).lineTo({a, kEdge});
    p.cubicTo({a + 50, kEdge}, {b - 50, kCrown}, {b, kCrown}).lineTo({kW - b, kCrown});
    p.cubicTo({kW - b + 50, kCrown}, {kW - a - 50, kEdge}, {kW - a, kEdge}).lineTo({kW + 10, kEdge});
    p.lineTo({kW + 10, kH + 10});
    return Shape::polygon(p.points());
}

// Sandstone strewn with grains, chiselled soft at its edge, under a gold moulding with a groove below it.
void stone(Canvas& c, const Shape& s) {
    const Mask cover = s.rasterize(kW, kH);
    outerGlow(c, cover, 3.0f, hex(0x1a0d05, 0.45f));
    const Field f = s.field(kW, kH, 20);
    hud::grainedSandstone(c, f, kW, kH, {0, -20, kW, kH + 40}, 1170u, 1900);
    hud::styled(c, s - s.grown(-5.0f), hud::goldTrim(0, 14, 1.2f), 3.0f);
    hud::groove(c, (s.grown(-9.5f)).outline(1.4f) & Shape::rect(-20, 0, kW + 40, kH - 2), 0.7f);
    hud::groove(c, Shape::rect(-20, kH - 7, kW + 40, 1.3f), 0.6f);
}

// Old parchment, pale in the middle and browned towards the frame, with faint mottling.
Fill parchment(Vec2 m, uint32_t seed) {
    const Noise n(seed);
    const Gradient g{{0, hex(0xfbeecb)}, {0.55f, hex(0xf0d9a6)}, {1, hex(0xcfa468)}};
    return Fill([=](float x, float y) {
        const float u = (x - m.x) / 40.0f, v = (y - m.y) / 36.0f;
        const float r = std::sqrt(u * u + v * v);
        const float mottle = n.fbm(x / 9.0f, y / 9.0f, 3) - 0.5f;
        return g.at(clamp01(0.75f * r + 0.35f * mottle));
    });
}

void slot(Canvas& c, int i) {
    const Vec2 m{slotX(i), kSlotY};
    constexpr float rim = 4;
    const float w = kFrameW - 2 * rim, h = kFrameH - 2 * rim;
    const Shape hole = Shape::rect(m.x - w / 2, m.y - h / 2, w, h, 7);
    hud::socket(c, hole, rim, parchment(m, 1180u + static_cast<uint32_t>(i)), 2.5f);
    // A fine line engraved along the middle of the gold frame.
    const Shape line = Shape::rect(m.x - w / 2 - rim / 2, m.y - h / 2 - rim / 2, w + rim, h + rim, 9);
    c.paint(line.outline(0.7f), pal::kBronze.fade(0.5f), Blend::Inside);
}

// A small gold diamond with a turquoise bead, between two slots.
void spacer(Canvas& c, Vec2 m) {
    hud::part(c, Shape::regular(m, 4, 4.2f), hud::gold(m.y - 4, m.y + 4), 0.9f, 1.2f, 0.6f, 0.4f);
    c.paint(Shape::circle(m, 1.5f), pal::kTurquoise);
    c.paint(Shape::circle(m - Vec2{0.5f, 0.5f}, 0.6f), hex(0xffffff, 0.7f));
}

}  // namespace

Canvas bottomPanel() {
    Canvas c(kW, kH);
    stone(c, band());
    for (int i = 0; i < kSlots; ++i) slot(c, i);
    for (int i = 0; i + 1 < kSlots; ++i) {
        spacer(c, {(slotX(i) + slotX(i + 1)) / 2, 18});
        spacer(c, {(slotX(i) + slotX(i + 1)) / 2, 94});
    }
    const float ends = (slotX(0) - kFrameW / 2) / 2;
    panel::lotusMedallion(c, {ends, kSlotY + 2}, 20);
    panel::lotusMedallion(c, {kW - ends, kSlotY + 2}, 20);
    grain(c, 0.015f, 1190u);
    return c;
}

Canvas tick() {
    constexpr int kW2 = 34, kH2 = 30, k = 4;
    Canvas c(kW2 * k, kH2 * k);
    const std::vector<Vec2> pts{Vec2{5, 16} * k, Vec2{12.5f, 23.5f} * k, Vec2{28.5f, 5.5f} * k};
    const Shape mark = Shape::stroke(pts, {4.6f * k, 6.2f * k, 3.4f * k});
    Style st;
    st.fill = Fill::linear(Vec2{6, 5} * k, Vec2{24, 27} * k,
                           {{0, hex(0xc8f58a)}, {0.4f, hex(0x5cc245)}, {1, hex(0x1d7a34)}});
    st.outline = 1.3f * k;
    st.outlineFill = pal::kOutline;
    st.bevel = Bevel{2.2f * k, 0.65f, 0.45f, true};
    st.shadow = Shadow{Vec2{1.2f, 1.8f} * k, 1.6f * k, hex(0x1a0d05, 0.5f)};
    drawStyled(c, mark.field(c.width(), c.height(), 12.0f * k), st);
    c.paint(Shape::stroke({Vec2{7.5f, 15.5f} * k, Vec2{12.5f, 20.5f} * k}, {1.0f * k}), hex(0xffffff, 0.55f),
            Blend::Screen);
    c.paint(Shape::star(Vec2{22.5f, 10.5f} * k, 4, 3.2f * k, 0.5f * k), hex(0xffffff, 0.85f), Blend::Screen);
    return c.downsampled(k);
}

}  // namespace gen::ho
