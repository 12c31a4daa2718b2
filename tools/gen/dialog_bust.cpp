// The portraits' shared drawing: parts in portrait units painted large, skin, the face's features, and the
// round cut of the finished bust.
#include <cmath>

#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Mask.h"

namespace gen::dialog {

namespace {
constexpr int kBig = static_cast<int>(kPortrait * kScale);
constexpr Vec2 kMid{kPortrait / 2.0f, kPortrait / 2.0f};
constexpr float kRadius = 64;
// The head: a round skull over a narrower jaw.
Shape faceShape(const Bust::Face& f) {
    const Shape skull = Shape::ellipse(f.centre, f.rx, f.ry * 0.9f).moved({0, -f.ry * 0.08f});
    const Shape jaw = Shape::ellipse(f.centre + Vec2{0, f.ry * 0.3f}, f.rx * 0.78f, f.ry * 0.68f);
    return skull.blend(jaw, 4);
}

}  // namespace

Shape big(const Shape& s) {
    return s.scaled(kScale, {0, 0});
}

Fill big(const Fill& f) {
    if (f.solid()) return f;
    return Fill([f](float x, float y) { return f.at(x / kScale, y / kScale); });
}

Fill litFill(Vec2 centre, float r, Color light, Color mid, Color deep) {
    return Fill::radial(centre + Vec2{-r * 0.35f, -r * 0.45f}, r * 1.5f,
                        {{0, light}, {0.45f, mid}, {1, deep}});
}

Fill cloth(Vec2 m, float r, Color c) {
    return litFill(m, r, lighter(c, 0.3f), c, darker(c, 0.45f));
}

Bust::Bust(Fill backdrop) : c_(kBig, kBig) {
    c_.paint(big(Shape::circle(kMid, kRadius + 2)).rasterize(kBig, kBig), big(backdrop));
}

void Bust::part(const Shape& s, const Fill& fill, float outline, float depth) {
    hud::part(c_, big(s), big(fill), outline * kScale, depth * kScale, 0.35f, 0.35f);
}

void Bust::shade(const Shape& s, const Fill& fill, float soften) {
    Mask m = big(s).rasterize(kBig, kBig, 1.0f);
    if (soften > 0) m.blur(soften * kScale);
    c_.paint(m, big(fill), Blend::Inside);
}

void Bust::shade(const Shape& s, const Shape& within, const Fill& fill, float soften) {
    Mask m = big(s).rasterize(kBig, kBig, 1.0f);
    if (soften > 0) m.blur(soften * kScale);
    m.multiply(big(within).rasterize(kBig, kBig, 1.0f));
    c_.paint(m, big(fill), Blend::Inside);
}

void Bust::ink(const std::vector<Vec2>& pts, float width, Color color) {
    std::vector<Vec2> p;
    for (Vec2 v : pts) p.push_back(v * kScale);
    c_.paint(Shape::stroke(p, {width * kScale}), color, Blend::Inside);
}

void Bust::neck(const Face& f) {
    const Vec2 m = f.centre;
    const Shape n = Shape::rect(m.x - f.rx * 0.48f, m.y + f.ry * 0.4f, f.rx * 0.96f, f.ry * 1.4f, 4);
    part(n, litFill(m + Vec2{0, f.ry}, f.rx, f.skin, f.skin, f.skinShade), 0.9f, 2);
    shade(Shape::ellipse(m + Vec2{1, f.ry * 0.95f}, f.rx * 0.7f, f.ry * 0.3f), n, f.skinShade.fade(0.8f),
          1.5f);
}

void Bust::head(const Face& f) {
    const Vec2 m = f.centre;
    const Fill skin = litFill(m, f.ry, lighter(f.skin, 0.25f), f.skin, f.skinShade);
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 e = m + Vec2{s * f.rx * 0.98f, f.ry * 0.08f};
        part(Shape::ellipse(e, f.rx * 0.2f, f.ry * 0.19f), skin, 0.9f, 1.5f);
        shade(Shape::ellipse(e + Vec2{s * 0.5f, 0}, f.rx * 0.08f, f.ry * 0.1f), f.skinShade, 0.6f);
    }
    const Shape face = faceShape(f);
    part(face, skin, 1.0f, 3);
    // The side turned from the light lies in a soft shade.
    shade(Shape::ellipse(m + Vec2{f.rx * 1.05f, f.ry * 0.25f}, f.rx * 0.55f, f.ry * 1.1f), face,
          f.skinShade.fade(0.55f), 3);
}

void Bust::features(const Face& f) {
    const Vec2 m = f.centre;
    const float ey = m.y + f.ry * 0.08f, ex = f.rx * 0.4f;
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 e{m.x + s * ex, ey};
        if (f.closedEyes) {
            ink({e + Vec2{-f.rx * 0.17f, -0.4f}, e + Vec2{0, 1.2f}, e + Vec2{f.rx * 0.17f, -0.4f}}, 1.0f);
        } else {
            c_.paint(big(Shape::ellipse(e, f.rx * 0.18f, f.ry * 0.085f)).rasterize(kBig, kBig), hex(0xfbf3e6),
                     Blend::Inside);
            c_.paint(big(Shape::circle(e + Vec2{0.4f, 0.2f}, f.ry * 0.08f)).rasterize(kBig, kBig), f.eyes,
                     Blend::Inside);
            c_.paint(big(Shape::circle(e + Vec2{0.4f, 0.2f}, f.ry * 0.04f)).rasterize(kBig, kBig),
                     hex(0x140a04), Blend::Inside);
            c_.paint(big(Shape::circle(e + Vec2{-0.4f, -0.6f}, 0.6f)).rasterize(kBig, kBig),
                     hex(0xffffff, 0.9f), Blend::Inside);
            // The upper lid, heavier for the heroine's lashes.
            const float lid = f.female ? 1.3f : 0.9f;
            ink({e + Vec2{-f.rx * 0.2f, 0.6f}, e + Vec2{0, -f.ry * 0.1f}, e + Vec2{f.rx * 0.21f, 0.3f}}, lid);
            if (f.oldAge)
                ink({e + Vec2{-f.rx * 0.12f, f.ry * 0.14f}, e + Vec2{f.rx * 0.12f, f.ry * 0.14f}}, 0.5f,
                    f.skinShade);
        }
        // Brows, raised a little towards the middle of the face.
        const float by = ey - f.ry * 0.2f;
        ink({{m.x + s * ex * 0.35f, by + 0.6f}, {m.x + s * ex, by - 1.2f}, {m.x + s * ex * 1.6f, by + 0.4f}},
            f.female ? 1.1f : 1.7f, f.brows);
    }
    // Nose: the shaded right side and the nostrils.
    const float ny = m.y + f.ry * 0.42f;
    ink({{m.x + 0.5f, ey + 1}, {m.x + 1.8f, ny - 1}, {m.x + 0.6f, ny + 0.6f}}, 0.8f, f.skinShade);
    ink({{m.x - 2.6f, ny}, {m.x - 0.5f, ny + 1.0f}, {m.x + 1.6f, ny + 0.2f}}, 0.8f, pal::kOutline.fade(0.7f));
    // Mouth.
    const float my = m.y + f.ry * 0.65f, mw = f.rx * (f.female ? 0.3f : 0.36f);
    if (f.female)
        c_.paint(big(Shape::ellipse({m.x, my + 0.6f}, mw * 0.85f, 1.4f)).rasterize(kBig, kBig), f.lips,
                 Blend::Inside);
    const float curve = f.smile ? 1.5f : 0.0f;
    ink({{m.x - mw, my - curve * 0.6f}, {m.x, my + curve * 0.5f}, {m.x + mw, my - curve}}, 0.9f,
        darker(f.lips, 0.45f));
    // Warm cheeks.
    for (float s : {-1.0f, 1.0f})
        shade(Shape::circle({m.x + s * ex * 1.2f, m.y + f.ry * 0.38f}, f.rx * 0.22f), faceShape(f),
              f.lips.fade(0.22f), 2);
}

Canvas Bust::finish() {
    Canvas small = c_.downsampled(static_cast<int>(kScale));
    const Shape disc = Shape::circle(kMid, kRadius);
    const Field f = disc.field(kPortrait, kPortrait);
    small.clip(f.coverage());
    // The painting's edge darkens a little and is lined in brown.
    innerShadow(small, f, 2.0f, 3.0f, hex(0x1a0a02, 0.5f));
    small.paint(f.band(-1.2f, 0.0f), pal::kOutline.fade(0.8f), Blend::Inside);
    return small;
}

}  // namespace gen::dialog
