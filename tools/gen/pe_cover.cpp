// The chest's sliding lid: a wooden panel in a gold rim with an engraved border and corner rosettes, calm
// in the middle where the sockets are drawn over it.
#include <vector>

#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr float kW = kLidW, kH = kLidH;
constexpr float kRim = 10;  // the gold rim's width

// An engraved rosette: a ring round eight petals and a turquoise bead.
void rosette(Canvas& c, Vec2 m) {
    Shape petals = Shape::circle(m * kK, 10 * kK).outline(0.8f * kK);
    for (int i = 0; i < 8; ++i) {
        const Vec2 tip = polar(m, 8, 45.0f * i), side = polar({0, 0}, 2.2f, 45.0f * i + 90);
        const Vec2 mid = lerp(m, tip, 0.55f);
        petals =
            petals |
            (outline({m + side * 0.3f, mid + side, tip, mid - side, m - side * 0.3f}).outline(0.7f * kK));
    }
    engrave(c, petals, 0.8f);
    cabochon(c, m, 2.6f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
}

// A small engraved lotus between the border's lines: three petals on a short stem.
void lotus(Canvas& c, Vec2 m, float s) {
    auto p = [&](float x, float y) { return (m + Vec2{x, y * s}) * kK; };
    const float w = 0.7f * kK;
    Shape l = Shape::stroke({p(0, 5), p(-3, 0), p(0, -7), p(3, 0), p(0, 5)}, {w});
    l = l | Shape::stroke({p(-1, 5), p(-8, 2), p(-11, -4), p(-5, -2), p(-1, 5)}, {w});
    l = l | Shape::stroke({p(1, 5), p(8, 2), p(11, -4), p(5, -2), p(1, 5)}, {w});
    engrave(c, l, 0.75f);
}

// A zigzag engraved along the border between insets a and b, leaving the corners to the rosettes.
Shape zigzag(float a, float b) {
    constexpr float step = 8, corner = 40;
    std::vector<Vec2> top, bottom, left, right;
    int i = 0;
    for (float x = corner; x <= kW - corner; x += step, ++i) {
        top.push_back(at(x, i % 2 ? b : a));
        bottom.push_back(at(x, kH - (i % 2 ? b : a)));
    }
    i = 0;
    for (float y = corner; y <= kH - corner; y += step, ++i) {
        left.push_back(at(i % 2 ? b : a, y));
        right.push_back(at(kW - (i % 2 ? b : a), y));
    }
    const float w = 0.8f * kK;
    return Shape::stroke(top, {w}) | Shape::stroke(bottom, {w}) | Shape::stroke(left, {w}) |
           Shape::stroke(right, {w});
}

}  // namespace

Canvas lid() {
    Canvas c(static_cast<int>(kW * kK), static_cast<int>(kH * kK));
    const int w = c.width(), h = c.height();
    const Shape whole = box(0, 0, kW, kH, 4), panel = box(kRim, kRim, kW - 2 * kRim, kH - 2 * kRim, 2);

    // The panel: warm wood, brighter where the light falls at the top left.
    const Field pf = panel.field(w, h);
    c.paint(whole, wood(hex(0x4a2410), hex(0x8a5028), hex(0xc98a4c), 0.52f, 91u));
    c.paint(Mask(w, h, 1.0f),
            Fill::radial(at(90, 60), 380 * kK,
                         {{0, hex(0xffe6b0, 0.22f)}, {0.5f, hex(0xffe6b0, 0.0f)}, {1, hex(0x1a0a02, 0.3f)}}),
            Blend::Inside);
    grain(c, 0.02f, 92u);

    // The border: a zigzag and two lines, rosettes at the corners and a lotus at the top and bottom.
    constexpr float in = 24, gap = 6;
    for (float d : {in, in + gap}) engrave(c, box(d, d, kW - 2 * d, kH - 2 * d, 3).outline(0.9f * kK), 1.0f);
    engrave(c, zigzag(kRim + 4, in - 4), 0.8f);
    for (float x : {in + gap / 2, kW - in - gap / 2})
        for (float y : {in + gap / 2, kH - in - gap / 2}) rosette(c, {x, y});
    lotus(c, {kW / 2, in + gap / 2}, 1);
    lotus(c, {kW / 2, kH - in - gap / 2}, -1);
    // The rim throws a shadow on the panel; the panel's edge is cut crisply into the gold.
    innerShadow(c, pf, 2.5f * kK, 3 * kK, hex(0x1a0802, 0.7f));

    // The gold rim with studs at its corners and middles; the lid's edge outlined for its flight.
    goldPart(c, whole - panel, {80, 60}, 380, false);
    engrave(c, box(kRim / 2, kRim / 2, kW - kRim, kH - kRim, 3).outline(1.1f * kK), 1.0f);
    for (float x : {kRim / 2, kW / 2, kW - kRim / 2})
        for (float y : {kRim / 2, kH - kRim / 2}) stud(c, {x, y}, 3);
    stud(c, {kRim / 2, kH / 2}, 3);
    stud(c, {kW - kRim / 2, kH / 2}, 3);
    c.paint(whole.outline(1.6f * kK), pal::kOutline.fade(0.9f), Blend::Inside);
    c.clip(whole.rasterize(w, h));
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
