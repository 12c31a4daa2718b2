// The figures' rig and shared body parts: painted three times larger than they show and shrunk, with a soft
// contact shadow where they stand.
#include "story_outro_figure.h"

#include <cmath>

#include "Palette.h"
#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"

namespace gen::outro {

namespace {
constexpr int kSuper = 3;
constexpr float kUnitHeight = 340;

float radians(float deg) {
    return deg * kPi / 180.0f;
}
}  // namespace

Rig::Rig(Canvas& c, Vec2 foot, float scale, int facing, float bow)
    : c_(c), foot_(foot), k_(scale), f_(facing), bow_(bow) {}

Vec2 Rig::at(Vec2 u, bool upper) const {
    if (upper && bow_ != 0) u = kHip + rotate(u - kHip, radians(bow_));
    return {foot_.x + f_ * u.x * k_, foot_.y + u.y * k_};
}

Shape Rig::ellipse(Vec2 c, float rx, float ry, float turn, bool upper) const {
    const Vec2 p = at(c, upper);
    const float t = turn + (upper ? bow_ : 0);
    Shape s = Shape::ellipse(p, rx * k_, ry * k_);
    return t != 0 ? s.rotated(f_ * t, p) : s;
}

Shape Rig::poly(const std::vector<Vec2>& pts, bool upper) const {
    std::vector<Vec2> out;
    for (Vec2 p : pts) out.push_back(at(p, upper));
    return Shape::polygon(out);
}

Shape Rig::smooth(const std::vector<Vec2>& pts, bool upper) const {
    std::vector<Vec2> rest;
    for (size_t i = 1; i < pts.size(); ++i) rest.push_back(at(pts[i], upper));
    rest.push_back(at(pts[0], upper));
    Path p;
    p.moveTo(at(pts[0], upper)).smoothThrough(rest);
    return Shape::polygon(p.points());
}

Shape Rig::limb(const std::vector<Vec2>& pts, const std::vector<float>& widths, bool upper) const {
    std::vector<Vec2> out;
    std::vector<float> w;
    for (Vec2 p : pts) out.push_back(at(p, upper));
    for (float v : widths) w.push_back(v * k_);
    return Shape::stroke(out, w);
}

Fill Rig::cloth(Vec2 m, float r, Color col, bool upper) const {
    return dialog::cloth(at(m, upper), r * k_, col);
}

void Rig::part(const Shape& s, const Fill& f, float outline, float depth) {
    hud::part(c_, s, f, outline * k_, depth * k_, 0.4f, 0.35f, pal::kOutline.fade(0.92f));
}

void Rig::shade(const Shape& s, const Shape& within, Color col, float soften) {
    Mask m = s.rasterize(c_.width(), c_.height(), 1.0f);
    if (soften > 0) m.blur(soften * k_);
    m.multiply(within.rasterize(c_.width(), c_.height(), 1.0f));
    c_.paint(m, col, Blend::Inside);
}

void Rig::ink(const std::vector<Vec2>& pts, float width, Color col, bool upper) {
    std::vector<Vec2> out;
    for (Vec2 p : pts) out.push_back(at(p, upper));
    c_.paint(Shape::stroke(out, {width * k_}), col, Blend::Inside);
}

Arm armFrom(Vec2 shoulder, float angle, float elbowBend, float length) {
    const float a1 = radians(angle), a2 = radians(angle + elbowBend);
    const Vec2 d1{std::sin(a1), std::cos(a1)}, d2{std::sin(a2), std::cos(a2)};
    Arm a;
    a.shoulder = shoulder;
    a.elbow = shoulder + d1 * (60 * length);
    a.wrist = a.elbow + d2 * (50 * length);
    a.hand = a.wrist + d2 * 7.0f;
    return a;
}

void paintArm(Rig& r, const Arm& a, Color upperSleeve, Color lowerSleeve, float width) {
    r.part(r.limb({a.elbow, a.wrist}, {width * 0.86f, width * 0.68f}),
           r.cloth(lerp(a.elbow, a.wrist, 0.4f), 40, lowerSleeve), 1.1f, 2.5f);
    r.part(r.limb({a.shoulder, a.elbow}, {width, width * 0.86f}),
           r.cloth(lerp(a.shoulder, a.elbow, 0.4f), 48, upperSleeve), 1.1f, 3.0f);
}

void paintHand(Rig& r, const Arm& a, Color skin) {
    const Vec2 d = normalize(a.hand - a.wrist);
    const float turn = -std::atan2(d.x, d.y) * 180.0f / kPi;
    const Fill f = r.cloth(a.hand, 14, skin);
    r.part(r.ellipse(a.hand, 6.5f, 8.5f, turn), f, 1.0f, 2.0f);
    // The thumb lies on the side turned to the way the figure faces.
    const Vec2 side{d.y, -d.x};
    const Vec2 thumb = a.hand + side * (side.x >= 0 ? 5.5f : -5.5f) - d * 2.0f;
    r.part(r.ellipse(thumb, 2.6f, 4.5f, turn), f, 0.9f, 1.2f);
}

void paintLegs(Rig& r, float stride, Color trousers, Color boots, float bootTop) {
    // Both legs and the seat are one piece of cloth; the far leg lies in shade.
    Shape legs = r.smooth({{-25, -190}, {21, -190}, {25, -160}, {12, -148}, {-12, -148}, {-28, -160}}, false);
    Shape far = legs;
    for (const int side : {1, -1}) {
        const float fx = side * stride * 0.5f;
        const Vec2 hip{side * 10.0f, -162}, ankle{fx, -bootTop + 4};
        const Vec2 knee{(hip.x + ankle.x) * 0.5f + 3, -92};
        const Shape leg = r.limb({hip, knee, ankle}, {28, 19, 16}, false);
        legs = legs | leg;
        if (side > 0) far = leg;
    }
    r.part(legs, r.cloth({-6, -150}, 90, trousers, false), 1.1f, 3.5f);
    r.shade(far.moved({0, 0}), far, darker(trousers, 0.35f).fade(0.45f), 2);
    r.ink({{2, -150}, {1, -130}}, 1.0f, darker(trousers, 0.45f), false);
    for (const int side : {1, -1}) {
        const float fx = side * stride * 0.5f;
        const Vec2 knee{(side * 10.0f + fx) * 0.5f + 3, -92};
        r.ink({knee + Vec2{-4, -8}, knee + Vec2{1, 4}}, 0.9f, darker(trousers, 0.35f), false);
        const Color b = side > 0 ? darker(boots, 0.15f) : boots;
        const Shape boot =
            (r.limb({{fx, -bootTop}, {fx, -12}}, {18, 17}, false) |
             r.ellipse({fx + 7, -7}, 15.5f, 7.5f, 0, false)) &
            r.poly({{fx - 30, -bootTop - 4}, {fx + 40, -bootTop - 4}, {fx + 40, 0}, {fx - 30, 0}}, false);
        r.part(boot, r.cloth({fx, -bootTop * 0.6f}, 26, b, false), 1.1f, 2.5f);
        r.ink({{fx - 10, -2.5f}, {fx + 20, -2.5f}}, 2.2f, darker(b, 0.5f), false);
    }
}

void paintHead(Rig& r, const Face& f) {
    const Vec2 m = f.centre;
    const Fill skin = r.cloth(m, f.ry, f.skin);
    r.part(r.limb({m + Vec2{-2, 10}, m + Vec2{-3, 34}}, {15, 16}), r.cloth(m + Vec2{0, 24}, 14, f.skin), 1.0f,
           2);
    if (f.ear) r.part(r.ellipse(m + Vec2{-f.rx * 0.8f, 2}, 4.2f, 6.0f), skin, 1.0f, 1.5f);
    const Shape face =
        r.ellipse(m + Vec2{0, -f.ry * 0.08f}, f.rx, f.ry * 0.9f)
            .blend(r.ellipse(m + Vec2{2.5f, f.ry * 0.32f}, f.rx * 0.76f, f.ry * 0.64f), 4 * r.k());
    r.part(face, skin, 1.1f, 3.0f);
    // The shadow under the chin and the cheek turned from the light.
    r.shade(r.ellipse(m + Vec2{r.facing() * f.rx * 1.0f, f.ry * 0.3f}, f.rx * 0.55f, f.ry * 1.1f), face,
            f.skinShade.fade(0.5f), 3);
}

void paintFeatures(Rig& r, const Face& f) {
    const Vec2 m = f.centre;
    const float ey = m.y + 1.0f;
    for (const float s : {-1.0f, 1.0f}) {
        const float sc = s > 0 ? 0.85f : 1.0f;  // the far eye a little foreshortened
        const Vec2 e{m.x + 3.5f + s * 7.0f, ey};
        const Shape face = r.ellipse(m, f.rx * 1.2f, f.ry * 1.2f);
        if (f.closedEyes) {
            r.ink({e + Vec2{-3 * sc, -0.3f}, e + Vec2{0, 1.2f}, e + Vec2{3 * sc, -0.3f}}, 0.9f,
                  pal::kOutline);
        } else {
            r.shade(r.ellipse(e, 3.0f * sc, 2.0f), face, hex(0xfbf3e6));
            r.shade(r.circle(e + Vec2{0.7f, 0.2f}, 1.7f), face, f.eyes);
            r.shade(r.circle(e + Vec2{0.8f, 0.2f}, 0.8f), face, hex(0x140a04));
            r.shade(r.circle(e + Vec2{0.1f, -0.6f}, 0.45f), face, hex(0xffffff, 0.9f));
            r.ink({e + Vec2{-3.2f * sc, 0.5f}, e + Vec2{0, -2.1f}, e + Vec2{3.2f * sc, 0.2f}},
                  f.female ? 1.1f : 0.8f, pal::kOutline);
            if (f.oldAge) r.ink({e + Vec2{-2.2f, 2.6f}, e + Vec2{2.2f, 2.6f}}, 0.45f, f.skinShade);
        }
        // Brows: the inner end dips for a scowl.
        const float by = ey - 5.0f;
        const float lift = f.surprised ? -2.0f : 0.0f;
        const float inner = (f.angry ? 1.6f : 0.4f) + lift, outer = (f.angry ? -1.0f : 0.3f) + lift;
        const float ix = m.x + 3.5f + s * 2.5f, ox = m.x + 3.5f + s * 10.5f * sc;
        r.ink({{ix, by + inner}, {(ix + ox) / 2, by - 1.0f}, {ox, by + outer}}, f.female ? 1.0f : 1.5f,
              f.brows);
    }
    // The nose points the way the figure faces.
    r.ink({{m.x + 7.5f, ey + 1}, {m.x + 10, ey + 7.5f}, {m.x + 6.5f, ey + 9}}, 0.9f, f.skinShade);
    const float my = m.y + 14.5f, mx = m.x + 5.0f;
    const Shape face = r.ellipse(m, f.rx * 1.2f, f.ry * 1.2f);
    if (f.female) r.shade(r.ellipse({mx, my + 0.5f}, 3.4f, 1.3f), face, f.lips);
    if (f.surprised)
        r.part(r.ellipse({mx, my + 0.5f}, 2.6f, 3.2f), hex(0x5a1e14), 0.6f, 0.5f);
    else if (f.angry)
        r.ink({{mx - 4, my + 0.6f}, {mx, my - 0.4f}, {mx + 4, my + 0.8f}}, 0.9f, darker(f.lips, 0.5f));
    else if (f.smile)
        r.ink({{mx - 4.5f, my - 1.0f}, {mx, my + 1.6f}, {mx + 4.0f, my - 1.3f}}, 0.95f, darker(f.lips, 0.5f));
    else
        r.ink({{mx - 3.5f, my}, {mx + 3.5f, my}}, 0.9f, darker(f.lips, 0.5f));
    for (const float s : {-1.0f, 1.0f})
        r.shade(r.circle({m.x + 3.5f + s * 8.0f, m.y + 8.5f}, 3.2f), face, f.lips.fade(0.2f), 2);
}

float stature(Who who) {
    switch (who) {
        case Who::Tazmira:
            return 1.0f;
        case Who::Wren:
            return 0.96f;
        case Who::Hamid:
            return 1.05f;
        case Who::Corvin:
            return 1.06f;
        case Who::Monk:
            return 0.98f;
    }
    return 1.0f;
}

void figure(Canvas& c, Who who, const Pose& p, Vec2 foot, float height, int facing) {
    const int x0 = static_cast<int>(std::floor(foot.x - height * 0.75f));
    const int y0 = static_cast<int>(std::floor(foot.y - height * 1.15f));
    const int w = static_cast<int>(std::ceil(height * 1.5f)), h = static_cast<int>(std::ceil(height * 1.21f));
    Canvas big(w * kSuper, h * kSuper);
    Rig r(big, (foot - Vec2{static_cast<float>(x0), static_cast<float>(y0)}) * static_cast<float>(kSuper),
          height / kUnitHeight * kSuper, facing, p.bow);
    switch (who) {
        case Who::Tazmira:
            paintTazmira(r, p);
            break;
        case Who::Wren:
            paintWren(r, p);
            break;
        case Who::Hamid:
            paintHamid(r, p);
            break;
        case Who::Corvin:
            paintCorvin(r, p);
            break;
        case Who::Monk:
            paintMonk(r, p);
            break;
    }
    // The contact shadow: dark right under the soles, a soft pool falling to the right.
    const Vec2 s = foot + Vec2{height * 0.03f, -height * 0.004f};
    c.paint(Shape::ellipse(s, height * 0.2f, height * 0.03f)
                .rasterize(c.width(), c.height())
                .blurred(height * 0.02f),
            hex(0x1a0a04, 0.4f));
    c.paint(Shape::ellipse(foot, height * 0.11f, height * 0.012f)
                .rasterize(c.width(), c.height())
                .blurred(height * 0.006f),
            hex(0x1a0a04, 0.45f));
    c.draw(big.downsampled(kSuper), x0, y0);
}

}  // namespace gen::outro
