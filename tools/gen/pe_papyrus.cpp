// The papyrus strip the loose blocks lie on, rolled up at both ends, and the gold-rimmed lapis ribbon the
// game writes "You found ..." on.
#include <cmath>
#include <vector>

#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr float kW = 900, kH = 140;
constexpr float kSheetTop = 16, kSheetBottom = 122;  // the unrolled sheet
constexpr float kRollR = 14, kRollTop = 6, kRollBottom = 132;
constexpr float kLeftRoll = 22, kRightRoll = kW - 22;

// Papyrus: strips of pith laid across and along, pressed together, warm and faintly mottled.
Color papyrus(float x, float y) {
    static const Noise blotch(141), fibre(142), strips(143);
    // The top layer's strips run along the sheet, the lower layer's across it and show more faintly.
    const float rowY = y / 9.0f + 0.8f * strips.value(x / 70.0f, 1.5f);
    const float colX =
        x / 13.0f + 0.9f * strips.value(3.5f, y / 30.0f) + 0.6f * strips.value(x / 40.0f, 9.5f);
    const float seamAlong = 1 - smoothstep(0.0f, 0.12f, std::abs(rowY - std::round(rowY)));
    const float seamAcross = 1 - smoothstep(0.0f, 0.1f, std::abs(colX - std::round(colX)));
    const float rowTone = strips.value(3.0f, std::floor(rowY) * 1.7f) - 0.5f;
    const float f = fibre.fbm(x / 30.0f, y / 1.2f, 3);
    const float b = blotch.fbm(x / 90.0f, y / 40.0f, 4);
    Color c = mixOklab(hex(0xf2d9a4), hex(0xe2bb7c), smoothstep(0.3f, 0.8f, b));
    c = mixOklab(c, rowTone > 0 ? hex(0xf8e6bc) : hex(0xd6aa68), 0.5f * std::abs(rowTone));
    c = mixOklab(c, hex(0xb8874a),
                 0.22f * seamAlong + 0.05f * seamAcross + 0.25f * smoothstep(0.55f, 0.85f, f));
    return c;
}

// The sheet's outline: its long edges gently ragged where the pith strips end.
Shape sheet() {
    static const Noise edge(144);
    std::vector<Vec2> pts;
    for (float x = kLeftRoll; x <= kRightRoll; x += 6)
        pts.push_back({x, kSheetTop + 1.6f * edge.fbm(x / 18.0f, 0.5f, 3)});
    for (float x = kRightRoll; x >= kLeftRoll; x -= 6)
        pts.push_back({x, kSheetBottom - 1.6f * edge.fbm(x / 18.0f, 5.5f, 3)});
    return outline(pts);
}

// A roll of papyrus standing at x: a cylinder lit from the left with the spiral of the sheet at its ends.
void roll(Canvas& c, float x) {
    const Shape body = box(x - kRollR, kRollTop + 4, 2 * kRollR, kRollBottom - kRollTop - 8, 4);
    const Gradient round{{0, hex(0x8a5a2c)},
                         {0.22f, hex(0xf4dcaa)},
                         {0.4f, hex(0xecce94)},
                         {0.8f, hex(0xb0803f)},
                         {1, hex(0x5a3418)}};
    objectPart(c, body, Fill([=](float px, float py) {
                   const Color shade = round.at(clamp01((px / kK - (x - kRollR)) / (2 * kRollR)));
                   return mixOklab(shade, papyrus(px / kK, py / kK * 0.2f), 0.3f);
               }),
               0);
    // The last turns of the sheet: faint lines along the roll.
    for (float dx : {-6.0f, 5.0f})
        c.paint(Shape::line(at(x + dx, kRollTop + 12), at(x + dx, kRollBottom - 12), 0.7f * kK),
                hex(0x7a4a22, 0.3f), Blend::Inside);
    for (float y : {kRollTop + 4, kRollBottom - 4}) {
        objectPart(
            c, Shape::ellipse(at(x, y), kRollR * kK, 4 * kK),
            Fill::linear(at(x - kRollR, y), at(x + kRollR, y), {{0, hex(0xf2dcae)}, {1, hex(0xa87a45)}}), 1);
        for (float k : {0.3f, 0.55f, 0.8f})
            c.paint(Shape::ellipse(at(x + 0.6f * (1 - k), y), kRollR * k * kK, 4 * k * kK).outline(0.6f * kK),
                    hex(0x7a4a22, 0.55f));
        c.paint(Shape::ellipse(at(x, y), 1.6f * kK, 0.8f * kK), hex(0x4a2810));
    }
}

}  // namespace

Canvas papyrusStrip() {
    Canvas c(static_cast<int>(kW * kK), static_cast<int>(kH * kK));
    const int w = c.width(), h = c.height();
    Canvas art(w, h);
    const Shape s = sheet();
    const Field f = s.field(w, h);
    art.paint(f.coverage(), Fill([](float x, float y) { return papyrus(x / kK, y / kK); }));
    // Browned towards its edges, a little lighter where the light falls from the upper left.
    innerGlow(art, f, hex(0x9a6a32, 0.5f), 5 * kK, Blend::Multiply);
    art.paint(f.coverage(),
              Fill::linear(at(0, 0), at(kW, kH),
                           {{0, hex(0xfff6e0, 0.25f)}, {0.5f, hex(0xfff6e0, 0)}, {1, hex(0x3a1e0a, 0.15f)}}),
              Blend::Inside);
    // A painted border of two fine lines, terracotta and lapis, along each long edge.
    for (float y : {kSheetTop + 7, kSheetBottom - 7})
        art.paint(box(kLeftRoll + 20, y - 0.9f, kRightRoll - kLeftRoll - 40, 1.8f),
                  pal::kTerracotta.fade(0.55f), Blend::Inside);
    for (float y : {kSheetTop + 11, kSheetBottom - 11})
        art.paint(box(kLeftRoll + 20, y - 0.6f, kRightRoll - kLeftRoll - 40, 1.2f),
                  pal::kTurquoiseDeep.fade(0.6f), Blend::Inside);
    grain(art, 0.015f, 145u);
    art.paint(f.band(-0.6f * kK, 0.4f * kK), hex(0x6a3e18, 0.6f));
    // The left roll lies on the sheet and shades it a little.
    art.paint(box(kLeftRoll + kRollR, 0, 10, kH),
              Fill::linear(at(kLeftRoll + kRollR, 0), at(kLeftRoll + kRollR + 10, 0),
                           {{0, hex(0x3a1e0a, 0.35f)}, {1, hex(0x3a1e0a, 0.0f)}}),
              Blend::Inside);
    roll(art, kLeftRoll);
    roll(art, kRightRoll);
    dropShadow(c, art.alpha(), at(3, 5), 4 * kK, hex(0x1a0d05, 0.45f));
    c.draw(art, 0, 0);
    return c.downsampled(static_cast<int>(kK));
}

Canvas foundRibbon() {
    constexpr float w = 420, h = 70, top = 9, bottom = 53;
    Canvas c(static_cast<int>(w * kK), static_cast<int>(h * kK));
    Canvas art(c.width(), c.height());
    const Fill lapisDeep = Fill::vertical(20 * kK, 64 * kK, {{0, hex(0x1c2e66)}, {1, hex(0x0b1230)}});
    for (float s : {-1.0f, 1.0f}) {
        auto p = [&](float x, float y) { return Vec2{w / 2 + s * (w / 2 - x), y}; };
        // The tail, folded back behind the band's end, with a notch cut in it.
        objectPart(art, outline({p(2, 20), p(52, 20), p(52, 64), p(2, 64), p(16, 42)}), lapisDeep, 2);
        engrave(art, Shape::line(at(p(6, 24).x, 24), at(p(50, 24).x, 24), 1.2f * kK), 0.5f);
        engrave(art, Shape::line(at(p(6, 60).x, 60), at(p(50, 60).x, 60), 1.2f * kK), 0.5f);
        // The fold where the tail turns under the band.
        objectPart(art, outline({p(36, bottom), p(52, bottom), p(52, 64)}), Fill(hex(0x060a1c)), 0);
    }
    // The band: lapis lighter at the top, between gold rims, a fine gold line inside each.
    const Shape band = box(36, top, w - 72, bottom - top, 3);
    objectPart(art, band,
               Fill::vertical(top * kK, bottom * kK,
                              {{0, hex(0x35559e)}, {0.5f, pal::kBlueDeep}, {1, hex(0x101a44)}}),
               2);
    for (float y : {top, bottom - 5}) goldPart(art, box(36, y, w - 72, 5, 2), {120, y}, 200, false);
    for (float y : {top + 8, bottom - 8})
        art.paint(box(48, y - 0.5f, w - 96, 1), pal::kGoldLight.fade(0.55f));
    for (float x : {45.0f, w - 45}) {
        goldPart(art, Shape::regular(at(x, (top + bottom) / 2), 4, 7 * kK), {x, (top + bottom) / 2}, 8);
        cabochon(art, {x, (top + bottom) / 2}, 3.2f, pal::kTurquoiseLight, pal::kTurquoise,
                 pal::kTurquoiseDeep);
    }
    dropShadow(c, art.alpha(), at(2, 3), 2.5f * kK, hex(0x1a0d05, 0.5f));
    c.draw(art, 0, 0);
    return c.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
