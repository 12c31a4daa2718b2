// The two ends of the route: the power source, a turquoise crystal held in a gold sun on a sandstone stele
// left of the grid, and the receiver, an idol's eye in a lapis lamp right of it; each with its lit look.
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
constexpr int kW = 80, kH = 102;
// The channel's height: the middle of the blocks' side the two ends touch.
constexpr float kChannelY = 51;
// The source's crystal and the receiver's lamp.
const Vec2 kSun{45, 51};
const Vec2 kLamp{37, 51};

Vec2 at(float x, float y) {
    return Vec2{x, y} * k;
}

Shape picture() {
    return Shape::rect(0, 0, kW * k, kH * k);
}

// A sandstone stele with a gold band inside its edge and a short shadow, its box in screen pixels.
void stele(Canvas& c, Rect box, uint32_t seed) {
    const Shape s = Shape::rect(box.x0 * k, box.y0 * k, box.width() * k, box.height() * k, 13 * k);
    Style st;
    st.fill = hud::sandstone({box.x0 * k - 100, box.y0 * k, box.x1 * k + 100, box.y1 * k}, seed);
    st.outline = 1.0f * k;
    st.outlineFill = pal::kOutline.fade(0.9f);
    st.bevel = Bevel{5 * k, 0.5f, 0.5f, true};
    st.shadow = Shadow{at(1.5f, 2.0f), 1.8f * k, hud::kShadow};
    hud::styled(c, s, st, 3 * k);
    hud::styled(c, s.grown(-5 * k).outline(2.0f * k), goldAt(box.y0 * k, box.y1 * k, k), 1 * k);
}

// A gold ring and its sunken lapis inside, `hole` a little smaller than `ring`.
void lapisSocket(Canvas& c, const Shape& ring, const Shape& hole, Vec2 light) {
    Style gold = goldAt(ring.bounds().y0, ring.bounds().y1, k);
    gold.shadow = Shadow{at(0.8f, 1.1f), 1.2f * k, hud::kShadow};
    hud::styled(c, ring, gold, 3 * k);
    hud::Layer l(c, hole.bounds().expanded(2 * k));
    const Field f = l.field(hole);
    l.canvas().paint(f.coverage(),
                     l.local(Fill::radial(
                         light, 30 * k, {{0, hex(0x36599e)}, {0.6f, pal::kBlueDeep}, {1, pal::kBlueNight}})));
    innerShadow(l.canvas(), f, 2.0f * k, 2.0f * k, hex(0x02040c, 0.75f));
    l.canvas().paint(f.band(-0.2f * k, 0.4f * k), pal::kOutline.fade(0.85f));
    l.put(c);
}

Shape crystal() {
    return Shape::polygon(
        {at(45, 21), at(55.5f, 33), at(55.5f, 69), at(45, 81), at(34.5f, 69), at(34.5f, 33)});
}

// The crystal's facets: a ridge down the middle and the cut of each point.
const std::vector<std::vector<Vec2>> kFacets = {{at(45, 21), at(45, 81)},
                                                {at(34.5f, 33), at(45, 39), at(55.5f, 33)},
                                                {at(34.5f, 69), at(45, 63), at(55.5f, 69)}};

// The receiver's eye: an almond of two arcs, 46 × 22.
Shape almond() {
    constexpr float d = 18.5f, r = 29.5f;
    return Shape::circle(at(kLamp.x, kLamp.y + d), r * k) & Shape::circle(at(kLamp.x, kLamp.y - d), r * k);
}

Shape lamp() {
    return Shape::ellipse(kLamp * k, 27 * k, 18 * k);
}

}  // namespace

// "left.png": the stele from x 10 to the picture's right side, where the channel leaves it at y 51.
Canvas source() {
    Canvas c(kW * kScale, kH * kScale);
    stele(c, {10, 5, 84, 97}, 930u);
    // The gold sun, its lapis disc, and the channel leading out to the right.
    hud::part(c, Shape::star(kSun * k, 16, 31 * k, 23 * k, 11.25f), hud::gold(20 * k, 82 * k), 0.9f * k,
              2.0f * k, 0.55f, 0.4f);
    channel(c, Shape::line(at(50, kChannelY), at(90, kChannelY), 2 * kInlayHalf * k), picture());
    lapisSocket(c, Shape::circle(kSun * k, 23 * k), Shape::circle(kSun * k, 19.5f * k), at(38, 42));
    // The crystal, lit from the top left, in gold clasps where it crosses the ring.
    const Shape gem = crystal();
    Style st;
    st.fill = Fill::linear(at(35, 30), at(56, 72),
                           {{0, hex(0xeafffb)},
                            {0.35f, pal::kTurquoiseLight},
                            {0.6f, pal::kTurquoise},
                            {1, pal::kTurquoiseDeep}});
    st.outline = 1.0f * k;
    st.outlineFill = hex(0x0b3a38);
    st.bevel = Bevel{2.0f * k, 0.5f, 0.4f, false};
    st.shadow = Shadow{at(1.0f, 1.4f), 1.4f * k, hud::kShadow};
    hud::styled(c, gem, st, 3 * k);
    for (const auto& facet : kFacets) hud::ink(c, facet, 0.7f * k, hex(0x0b5a52, 0.6f));
    c.paint(Shape::polygon({at(36.5f, 34), at(43.5f, 39.5f), at(43.5f, 60), at(36.5f, 66)}),
            hex(0xffffff, 0.25f), Blend::Inside);
    for (float y : {28.0f, 74.0f})
        hud::styled(c, Shape::rect(32 * k, (y - 1.8f) * k, 26 * k, 3.6f * k, 1.5f * k) & gem.grown(1.6f * k),
                    goldAt(y * k - 2 * k, y * k + 2 * k, k), 2 * k);
    Canvas out = c.downsampled(kScale);
    for (Vec2 p : {Vec2{45, 12.5f}, Vec2{45, 89.5f}}) panel::stud(out, p, 3.2f);
    return out;
}

// "left-power.png": the crystal burning with light, cut out at (15, 12).
Canvas sourceLit() {
    Canvas c(kW * kScale, kH * kScale);
    const Shape gem = crystal();
    const Shape lane = Shape::line(at(52, kChannelY), at(90, kChannelY), 2 * kInlayHalf * k);
    halo(c, gem.grown(2 * k), 7.0f, 0.6f, Blend::Add);
    halo(c, gem, 3.0f, 0.7f, Blend::Add);
    halo(c, lane, 3.0f, 0.55f, Blend::Add);
    c.paint(lane, glowingInlay(lane, kInlayHalf * k), Blend::Screen, 0.9f);
    c.paint(gem,
            Fill::radial(at(45, 49), Vec2{14, 34} * k,
                         {{0, hex(0xffffff)}, {0.5f, hex(0xdafff8)}, {1, pal::kTurquoiseLight}}),
            Blend::Screen);
    for (const auto& facet : kFacets) hud::ink(c, facet, 0.6f * k, pal::kTurquoise.fade(0.45f));
    c.paint(Shape::star(at(45, 22), 4, 11 * k, 1.4f * k), hex(0xffffff, 0.9f), Blend::Add);
    c.paint(Shape::star(at(45, 22), 4, 6 * k, 1.2f * k, 45), hex(0xffffff, 0.6f), Blend::Add);
    Canvas out = c.downsampled(kScale).cropped(15, 12, 60, 78);
    fadeSides(out, 5, {true, true, true, true});
    return out;
}

// "right.png": the stele from the picture's left side to x 70, the channel entering at y 51 into the lamp.
Canvas receiver() {
    Canvas c(kW * kScale, kH * kScale);
    stele(c, {-4, 5, 70, 97}, 940u);
    // The brow arching over the lamp.
    hud::styled(c,
                Shape::stroke({at(11, 27), at(24, 19.5f), at(40, 17.5f), at(56, 20), at(66, 26)},
                              {1.2f * k, 3.2f * k, 3.6f * k, 3.0f * k, 1.2f * k}),
                goldAt(16 * k, 28 * k, k), 2 * k);
    lapisSocket(c, Shape::ellipse(kLamp * k, 30 * k, 21 * k), lamp(), at(30, 44));
    channel(c, Shape::line(at(-10, kChannelY), at(17, kChannelY), 2 * kInlayHalf * k), picture());
    // The eye: an ivory almond in a gold lid, a turquoise iris with a dark pupil.
    const Shape eye = almond();
    hud::styled(c, eye.grown(2.2f * k), goldAt(38 * k, 64 * k, k), 2 * k);
    hud::part(c, eye, Fill::radial(at(33, 46), 26 * k, {{0, hex(0xfff8e6)}, {1, hex(0xcdb894)}}), 0, 1.5f * k,
              0.3f, 0.35f);
    const Shape iris = Shape::circle(kLamp * k, 9 * k) & eye;
    hud::part(c, iris, glowingInlay(Shape::circle(kLamp * k, 9 * k), 9 * k), 0.8f * k, 2.0f * k, 0.3f, 0.45f,
              hex(0x0b3a38));
    c.paint(Shape::circle(kLamp * k, 3.8f * k), hex(0x06141a));
    innerShadow(c, eye.field(c.width(), c.height(), 6 * k), 1.6f * k, 1.4f * k, hex(0x3a1c08, 0.5f));
    c.paint(Shape::circle(at(kLamp.x - 3.4f, kLamp.y - 3.4f), 1.8f * k), hex(0xffffff, 0.9f));
    Canvas out = c.downsampled(kScale);
    for (Vec2 p : {Vec2{37, 11}, Vec2{37, 88}}) panel::stud(out, p, 3.2f);
    return out;
}

// "right-power.png": the lamp and the channel into it glowing, cut out at (0, 29).
Canvas receiverLit() {
    Canvas c(kW * kScale, kH * kScale);
    const Shape lane = Shape::line(at(-10, kChannelY), at(20, kChannelY), 2 * kInlayHalf * k);
    halo(c, lamp(), 5.0f, 0.5f, Blend::Add);
    halo(c, lane, 3.0f, 0.55f, Blend::Add);
    c.paint(lane, glowingInlay(lane, kInlayHalf * k), Blend::Screen, 0.9f);
    c.paint(
        lamp(),
        Fill::radial(
            kLamp * k, Vec2{27, 18} * k,
            {{0, hex(0xffffff, 0.95f)}, {0.35f, hex(0xdafff8, 0.8f)}, {1, pal::kTurquoiseLight.fade(0.35f)}}),
        Blend::Screen);
    c.paint(Shape::star(kLamp * k, 4, 16 * k, 1.6f * k), hex(0xffffff, 0.8f), Blend::Add);
    Canvas out = c.downsampled(kScale).cropped(0, 29, 80, 44);
    fadeSides(out, 4, {false, true, true, true});
    return out;
}

}  // namespace gen::route
