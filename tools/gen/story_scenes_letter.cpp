// The letter scene: the scribe's tomb by lamplight with its chest of scrolls thrown open, and the rival's
// warning on yellowed paper under a wax seal pressed with his fedora.
#include <cmath>
#include <string>

#include "SystemFonts.h"
#include "ho_scene_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Text.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

// The hand the letter is written in: the italic of the story's serif.
constexpr SystemFont kSerifItalic{"/usr/share/fonts/truetype/crosextra/Caladea-Italic.ttf",
                                  "fonts-crosextra-caladea"};

// A rolled papyrus lying at `angle`: a pale cylinder with its spiral end turned to us.
void scroll(Canvas& c, Vec2 end, float len, float r, float angle) {
    const Vec2 dir = polar({0, 0}, 1, angle);
    const Vec2 far = end + dir * len;
    const Color paper = hex(0xeed8a4);
    part(c, Shape::line(end, far, 2 * r), lit(lerp(end, far, 0.4f), len * 0.5f, paper), 1.2f, r * 0.6f);
    const Vec2 tie = lerp(end, far, 0.45f), n = Vec2{-dir.y, dir.x} * (r + 1);
    c.paint(Shape::line(tie - n, tie + n, r * 0.55f), pal::kTerracotta);
    part(c, Shape::ellipse(end, r * 0.55f, r).rotated(angle, end), hex(0xf8ead0), 1.0f, 0);
    c.paint(
        Shape::circle(end, r * 0.55f).outline(0.9f) & Shape::ellipse(end, r * 0.55f, r).rotated(angle, end),
        hex(0x8a6a3a, 0.7f));
}

// Opens the chest that stands in the tomb: the lid raised behind it and scrolls heaped in its mouth.
void openChest(Canvas& c) {
    constexpr float x = 636, w = 150, rim = 464;
    const Color wood = hex(0x9a5a2a);
    const Shape lid = Shape::polygon({{x - 4, 452}, {x + 6, 376}, {x + w - 6, 376}, {x + w + 4, 452}});
    part(c, lid, Fill::vertical(376, 452, {{0, darker(wood, 0.1f)}, {1, darker(wood, 0.55f)}}), 1.4f, 3);
    for (float bx : {x + 12, x + w - 12})
        part(c, Shape::polygon({{bx - 7, 452}, {bx - 5, 378}, {bx + 5, 378}, {bx + 7, 452}}),
             hud::gold(376, 452), 1.0f, 1.5f);
    // The open mouth, dark inside, and its front edge.
    part(c, Shape::rect(x - 2, 446, w + 4, rim - 444, 2), hex(0x2a1408), 1.4f, 0);
    scroll(c, {x + 22, 446}, 60, 7, -20);
    scroll(c, {x + 118, 438}, 56, 7.5f, -160);
    scroll(c, {x + 60, 452}, 70, 8, -35);
    scroll(c, {x + 96, 452}, 50, 6.5f, -140);
    scroll(c, {x + 44, 458}, 62, 7, -8);
    scroll(c, {x + 104, 460}, 58, 7, -172);
    part(c, Shape::rect(x - 3, rim - 4, w + 6, 8, 2), lit({x + 40, rim}, 80, wood), 1.2f, 1.5f);
}

// Lamplight: the corners sink into warm shadow and the flames throw a glow round themselves.
void lamplight(Canvas& c) {
    const Vec2 lamps[] = {{430, 176}, {616, 176}, {834, 392}};
    c.paint(Mask(kW, kH, 1.0f), Fill([&](float x, float y) {
                float light = 0;
                for (Vec2 l : lamps) light += std::exp(-length(Vec2{x, y} - l) / 240.0f);
                const float t = clamp01(1.1f * light);
                return mixOklab(hex(0x1e1020), hex(0xffe8c8), std::sqrt(t));
            }),
            Blend::Multiply);
    for (Vec2 l : lamps)
        c.paint(Mask(kW, kH, 1.0f), Fill::radial(l, 150, {{0, hex(0xffb860, 0.5f)}, {1, hex(0xff8020, 0)}}),
                Blend::Screen);
}

// The paper: a sheet with softly bowed edges and its bottom-right corner curling up towards us.
Shape sheet(float x0, float y0, float x1, float y1) {
    Path p;
    p.moveTo({x0, y0})
        .quadTo({(x0 + x1) / 2, y0 + 6}, {x1, y0 + 2})
        .quadTo({x1 - 5, (y0 + y1) / 2}, {x1 - 2, y1 - 60})
        .quadTo({x1 - 20, y1 - 14}, {x1 - 64, y1 - 2})
        .quadTo({(x0 + x1) / 2, y1 + 3}, {x0 + 3, y1 - 4})
        .quadTo({x0 + 6, (y0 + y1) / 2}, {x0, y0});
    return Shape::polygon(p.points());
}

// The wax seal: a dark red puddle of wax with a fedora pressed into its middle.
void seal(Canvas& c, Vec2 m) {
    constexpr float k = 1.35f;  // drawn on a seal 30 units round
    auto at = [&](float x, float y) { return m + Vec2{x, y} * k; };
    Rng rng(4410);
    std::vector<Vec2> blob;
    for (int i = 0; i < 24; ++i) blob.push_back(polar(m, (30 + rng.range(-2.5f, 3.5f)) * k, i * 15.0f));
    Path p;
    p.moveTo(blob.back()).smoothThrough(blob);
    const Shape wax = Shape::polygon(p.points());
    shadowOf(c, wax, {2, 3}, 3, 0.5f);
    part(c, wax, lit(m, 32 * k, hex(0xa8202a)), 1.2f, 6);
    const Shape ring = Shape::circle(m, 22 * k).outline(2.4f);
    // The fedora: a pinched crown on a brim curled up at its ends.
    Path crown;
    crown.moveTo(at(-10, 3)).cubicTo(at(-12, -11), at(-4, -13), at(0, -9));
    crown.cubicTo(at(4, -13), at(12, -11), at(10, 3));
    const Shape hat = Shape::polygon(crown.points()) |
                      Shape::polygon({at(-18, 0), at(-12, 5), at(12, 5), at(18, 0), at(13, 9), at(-13, 9)});
    // Pressed in: a darker floor, its upper-left wall in shadow and its lower-right wall catching the light.
    for (const Shape& s : {ring, hat}) {
        const Mask m0 = rast(c, s);
        Mask dark = m0, light = m0;
        dark.subtract(m0.shifted(2, 2));
        light.subtract(m0.shifted(-2, -2));
        c.paint(m0, hex(0x6a0a14, 0.55f));
        c.paint(dark, hex(0x2a0408, 0.8f));
        c.paint(light, hex(0xff9a8a, 0.5f), Blend::Screen);
    }
    c.paint(
        Shape::ellipse(at(-13, -15), 7, 3.5f).rotated(-30, at(-13, -15)).rasterize(c.width(), c.height(), 3),
        hex(0xffffff, 0.35f), Blend::Screen);
}

}  // namespace

Canvas tombByLamplight() {
    Canvas c = ho::tombChamber().image;
    openChest(c);
    lamplight(c);
    grain(c, 0.012f, 4401u);
    return c;
}

Canvas letter() {
    constexpr int w = 480, h = 580;
    constexpr float x0 = 12, y0 = 8, x1 = 462, y1 = 562;
    Canvas c(w, h);
    const Shape paper = sheet(x0, y0, x1, y1);
    Mask shadow = rast(c, paper.moved({6, 9}));
    shadow.blur(6);
    c.paint(shadow, hex(0x1a0a04, 0.5f));
    // Yellowed paper, browner at its edges and spotted with age; the sheet bows, so its sides darken.
    const Noise n(4402), spots(4403);
    const Field f = paper.field(w, h, 40);
    c.paint(f.coverage(), Fill([&](float x, float y) {
                const float edge = 1 - smoothstep(0, 34, -f.get(static_cast<int>(x), static_cast<int>(y)));
                const float bow = std::pow(std::abs((x - x0) / (x1 - x0) * 2 - 1), 3.0f);
                Color col =
                    mixOklab(hex(0xf8e8bc), hex(0xe8cc90), clamp01(n.fbm(x / 90, y / 90, 4) * 1.2f - 0.2f));
                col = mixOklab(col, hex(0xc89858), 0.55f * edge + 0.25f * bow);
                return mixOklab(col, hex(0xc89058),
                                0.3f * smoothstep(0.74f, 0.84f, spots.fbm(x / 26, y / 26, 3)));
            }));
    c.paint(f.band(-1.2f, 0.4f), pal::kOutline.fade(0.7f));
    // Folded in three: two creases, each a shadow with a lit ridge under it.
    for (float cy : {y0 + (y1 - y0) / 3, y0 + 2 * (y1 - y0) / 3}) {
        Mask crease = rast(c, Shape::rect(0, cy - 3, w, 3));
        crease.blur(2);
        crease.multiply(f.coverage());
        c.paint(crease, hex(0x8a5a28, 0.3f));
        Mask ridge = rast(c, Shape::rect(0, cy, w, 5));
        ridge.blur(2.5f);
        ridge.multiply(f.coverage());
        c.paint(ridge, hex(0xfff8e0, 0.35f), Blend::Screen);
    }
    // The curled corner: its back, paler and lit, lifted over the sheet.
    const Shape curl = Shape::polygon({{x1 - 2, y1 - 60}, {x1 - 64, y1 - 2}, {x1 - 46, y1 - 46}});
    shadowOf(c, curl, {-3, -2}, 4, 0.35f);
    part(c, curl,
         Fill::linear({x1 - 60, y1 - 50}, {x1 - 20, y1 - 10}, {{0, hex(0xfff2d0)}, {1, hex(0xd8b070)}}), 1.0f,
         2);
    // The hand: five lines of ink, each leaning a little and swaying on its baseline.
    const Font font(requireFont(kSerifItalic));
    const struct {
        const char* text;
        float x, y, px;
    } lines[] = {{"Miss Tazmira \xe2\x80\x94", 46, 96, 42},
                 {"Leave the valley", 74, 178, 40},
                 {"while you still can.", 58, 246, 40},
                 {"The treasure is mine.", 50, 330, 40},
                 {"\xe2\x80\x94 C.", 300, 414, 46}};
    Mask ink(w, h);
    int i = 0;
    for (const auto& line : lines) {
        Mask m(w * 2, h * 2);
        font.render(m, line.text, line.px * 2, Vec2{line.x, line.y} * 2, 1.0f);
        const float tilt = (i++ % 2 ? 0.018f : -0.012f);
        m = m.warped([&](Vec2 p) {
            return Vec2{p.x, p.y + (p.x - line.x * 2) * tilt + 3.0f * std::sin(p.x / 70.0f)};
        });
        ink.unite(m.downsampled(2));
    }
    // A flourish under the signature.
    std::vector<Vec2> swash;
    std::vector<float> widths;
    for (int k = 0; k <= 24; ++k) {
        const float u = k / 24.0f;
        swash.push_back({290 + u * 130, 432 + 5 * std::sin(u * kPi * 2.2f)});
        widths.push_back(0.6f + 2.2f * std::sin(u * kPi));
    }
    Shape::stroke(swash, widths).drawInto(ink);
    c.paint(ink, Fill([&](float x, float y) {
                return mixOklab(hex(0x2a1a2a), hex(0x5a3a30), n.fbm(x / 25, y / 25, 2)).withAlpha(0.92f);
            }));
    seal(c, {x0 + 110, y1 - 80});
    return c;
}

}  // namespace gen::story
