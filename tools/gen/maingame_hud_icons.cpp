// The power-up emblems: sword, medallion, map, eye and skull, outlined and lit from the top left.
#include "maingame_hud_icons.h"

#include <cmath>
#include <vector>

#include "maingame_hud_art.h"
#include "maingame_hud_items.h"
#include "paint/Path.h"

namespace gen::icons {

using namespace paint;
using namespace hud;

namespace {

Fill steel(Vec2 from, Vec2 to) {
    return Fill::linear(from, to, {{0, hex(0xf4f8fb)}, {0.45f, hex(0xb2bcc8)}, {1, hex(0x56606d)}});
}

Fill bone(Vec2 from, Vec2 to) {
    return Fill::linear(from, to, {{0, hex(0xfff8e4)}, {0.5f, pal::kSandLight}, {1, hex(0xb98a55)}});
}

Fill goldAt(Vec2 m, float r) {
    return Fill::radial(
        m + Vec2{-r * 0.4f, -r * 0.45f}, r * 1.6f,
        {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.7f, pal::kGold}, {1, pal::kGoldDeep}});
}

}  // namespace

void sword(Canvas& c, Vec2 m) {
    const Vec2 u = normalize(Vec2{1, -1}), n{-u.y, u.x};
    const Vec2 guard = m + Vec2{-6, 6}, tip = m + Vec2{14.5f, -14.5f};
    // The blade: broad at the guard, narrowing to the point, with a groove down its middle.
    part(c, Shape::stroke({guard, tip - u * 5, tip}, {7.0f, 5.2f, 0.6f}),
         steel(m + Vec2{-4, -8}, m + Vec2{6, 4}), 1.1f, 2.0f, 0.6f, 0.45f);
    ink(c, {guard + u * 2, tip - u * 6}, 1.1f, hex(0x3a4450, 0.55f));
    ink(c, {guard + u * 2 - n * 1.6f, tip - u * 7 - n * 1.0f}, 0.8f, hex(0xffffff, 0.7f));
    // The grip bound in turquoise, the crossguard and the pommel in gold.
    const Vec2 end = guard - u * 9;
    part(c, Shape::line(guard, end, 4.4f),
         Fill::linear(end + n * 2, end - n * 2, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}), 1.0f,
         1.2f);
    for (float t : {0.3f, 0.6f})
        ink(c, {lerp(guard, end, t) - n * 2.2f, lerp(guard, end, t) + n * 2.2f}, 0.8f, hex(0x0b3a38, 0.7f));
    part(c, Shape::line(guard - n * 8.5f, guard + n * 8.5f, 4.0f) | Shape::circle(guard, 3.6f),
         goldAt(guard, 9), 1.1f, 1.6f, 0.6f, 0.4f);
    part(c, Shape::circle(end - u * 2.2f, 3.4f), goldAt(end - u * 2.2f, 3.4f), 1.0f, 1.4f, 0.6f, 0.4f);
    items::bead(c, guard, 1.8f);
}

void medallion(Canvas& c, Vec2 m) {
    const Vec2 o = m + Vec2{0, 3};
    // A terracotta ribbon hanging from above to the ring.
    const Fill ribbon = Fill::vertical(m.y - 20, m.y - 8, {{0, hex(0xe58a66)}, {1, pal::kTerracottaDeep}});
    part(c,
         Shape::polygon(
             {{o.x - 12, m.y - 19}, {o.x - 6, m.y - 19}, {o.x + 1.5f, o.y - 12}, {o.x - 3, o.y - 11}}),
         ribbon, 1.0f, 1.0f);
    part(c,
         Shape::polygon(
             {{o.x + 6, m.y - 19}, {o.x + 12, m.y - 19}, {o.x + 3, o.y - 11}, {o.x - 1.5f, o.y - 12}}),
         ribbon, 1.0f, 1.0f);
    part(c, Shape::circle({o.x, o.y - 13.5f}, 3.0f).outline(1.8f), goldAt({o.x, o.y - 13.5f}, 3), 0.9f, 0.8f);
    // The disc: a sun of rays round a turquoise heart.
    part(c, Shape::circle(o, 13.5f), goldAt(o, 13.5f), 1.2f, 2.5f, 0.6f, 0.45f);
    Mask lines(c.width(), c.height());
    for (int i = 0; i < 16; ++i) {
        const float a = 22.5f * i;
        Shape::line(polar(o, 8.5f, a), polar(o, 11.5f, a), 1.0f).drawInto(lines);
    }
    c.paint(lines, pal::kBronze.fade(0.6f), Blend::Inside);
    c.paint(Shape::circle(o, 12.2f).outline(0.8f), pal::kBronze.fade(0.5f), Blend::Inside);
    part(c, Shape::circle(o, 6.5f), goldAt(o, 7), 0.9f, 1.2f, 0.6f, 0.4f);
    items::bead(c, o, 4.6f);
}

void map(Canvas& c, Vec2 m) {
    const float w = 34, h = 25, roll = 5;
    const float left = m.x - w / 2 + roll / 2, right = m.x + w / 2 - roll / 2;
    const Shape sheet = Shape::rect(left, m.y - h / 2 + 1, right - left, h - 2) -
                        Shape::ellipse({m.x, m.y - h / 2 - 30 + 1.2f}, w * 0.6f, 30) -
                        Shape::ellipse({m.x, m.y + h / 2 + 30 - 1.2f}, w * 0.6f, 30);
    part(c, sheet,
         Fill::radial(m + Vec2{-6, -6}, 26, {{0, hex(0xfdf1d4)}, {0.6f, pal::kSandLight}, {1, pal::kSand}}),
         1.1f, 1.6f, 0.3f, 0.35f);
    // A turquoise bay, a dotted trail over the hills and the red cross at its end.
    c.paint(Shape::ellipse(m + Vec2{9, 6}, 7, 5.5f) & sheet.grown(-1), pal::kTurquoise.fade(0.8f));
    Mask trail(c.width(), c.height());
    for (int i = 0; i < 7; ++i) {
        const float t = i / 6.0f;
        const Vec2 p = lerp(m + Vec2{-11, -5}, m + Vec2{2, 1}, t) + Vec2{0, -std::sin(t * kPi) * 5};
        Shape::circle(p, 0.9f).drawInto(trail);
    }
    c.paint(trail, pal::kBronze);
    for (float s : {1.0f, -1.0f}) {
        const Shape stroke = Shape::line(m + Vec2{1.5f, 1 + 3.2f * s}, m + Vec2{7.5f, 1 - 3.2f * s}, 2.2f);
        c.paint(stroke.moved({0, 0.8f}), hex(0x6e1a10));
        c.paint(stroke, hex(0xd0301e));
    }
    for (float x : {left, right})
        part(c, Shape::rect(x - roll / 2, m.y - h / 2 - 1, roll, h + 2, 2),
             Fill::linear({x - roll / 2, 0}, {x + roll / 2, 0},
                          {{0, hex(0xfff4da)}, {0.45f, pal::kSand}, {1, hex(0x9c6a38)}}),
             1.1f, 1.0f);
}

void eye(Canvas& c, Vec2 m) {
    const Vec2 e = m + Vec2{-1, -3};
    const float ew = 26, eh = 13;
    const float r = (ew * ew / 4 + eh * eh / 4) / eh;
    const Shape almond =
        Shape::circle(e + Vec2{0, r - eh / 2}, r) & Shape::circle(e - Vec2{0, r - eh / 2}, r);
    const Fill goldFill = Fill::vertical(m.y - 18, m.y + 18,
                                         {{0, pal::kGoldPale}, {0.4f, pal::kGoldLight}, {1, pal::kGoldDeep}});
    // The brow above, the marks below: a straight drop and a curl.
    part(c, Shape::stroke({e + Vec2{-14, -9.5f}, e + Vec2{0, -12.5f}, e + Vec2{15, -10}}, {3.6f, 4.0f, 2.2f}),
         goldFill, 1.0f, 1.2f, 0.55f, 0.35f);
    part(c, Shape::stroke({e + Vec2{-3, 5.5f}, e + Vec2{-4.5f, 11}, e + Vec2{-6, 17}}, {2.4f, 2.8f, 3.6f}),
         goldFill, 1.0f, 1.0f);
    // The curl: down from under the eye, then winding back up into a spiral.
    std::vector<Vec2> curl{e + Vec2{3.5f, 5.5f}, e + Vec2{4.5f, 10.5f}};
    const Vec2 hub = e + Vec2{9.5f, 12.5f};
    for (int i = 0; i <= 16; ++i) {
        const float t = i / 16.0f;
        const float a = kPi * (1.0f - 1.5f * t), rad = 5.0f - 2.6f * t;
        curl.push_back(hub + Vec2{std::cos(a) * rad, std::sin(a) * rad * 0.9f + 0.5f});
    }
    std::vector<float> widths;
    for (size_t i = 0; i < curl.size(); ++i)
        widths.push_back(2.7f - 1.2f * static_cast<float>(i) / curl.size());
    part(c, Shape::stroke(curl, widths), goldFill, 1.0f, 1.0f);
    // The eye itself: white, a turquoise iris, a gold line round it drawn out into the tail.
    part(c, almond,
         Fill::vertical(e.y - eh / 2, e.y + eh / 2,
                        {{0, hex(0xd9cfc0)}, {0.4f, hex(0xfffaf0)}, {1, hex(0xe8dcc8)}}),
         0, 0);
    Canvas inner(c.width(), c.height());
    const float ir = eh * 0.45f;
    inner.paint(Shape::circle(e, ir),
                Fill::radial(e + Vec2{-ir * 0.3f, -ir * 0.3f}, ir * 1.2f,
                             {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    inner.paint(Shape::circle(e, ir * 0.48f), pal::kBlueNight);
    inner.paint(Shape::circle(e + Vec2{-ir * 0.38f, -ir * 0.4f}, ir * 0.25f), hex(0xffffff, 0.95f));
    inner.clip(almond.rasterize(c.width(), c.height()));
    c.draw(inner, 0, 0);
    const Shape lid = almond.outline(2.2f) |
                      Shape::stroke({e + Vec2{ew / 2 - 1, -0.5f}, e + Vec2{ew / 2 + 6, -1.5f}}, {2.4f, 1.6f});
    part(c, lid, goldFill, 1.0f, 0.8f, 0.5f, 0.3f);
}

void skull(Canvas& c, Vec2 m) {
    const float sh = 26, sw = sh * 0.86f;
    const Fill boneFill = bone(m + Vec2{-sw / 2, -sh / 2}, m + Vec2{sw / 2, sh / 2});
    const float kr = 2.4f;
    for (float dir : {1.0f, -1.0f}) {
        const Vec2 a = m + Vec2{-15, -11 * dir + 3}, b = m + Vec2{15, 11 * dir + 3};
        const Vec2 n = normalize(Vec2{-(b - a).y, (b - a).x}) * kr * 0.85f;
        Shape bones = Shape::line(a, b, kr * 1.4f);
        for (Vec2 e : {a, b}) bones = bones | Shape::circle(e + n, kr) | Shape::circle(e - n, kr);
        part(c, bones, bone(m + Vec2{-15, -12}, m + Vec2{15, 14}), 1.0f, 1.5f);
    }
    const Vec2 top = m + Vec2{0, -sh * 0.14f};
    const Shape head =
        Shape::ellipse(top, sw / 2, sh * 0.4f)
            .blend(Shape::rect(m.x - sw * 0.3f, m.y + sh * 0.02f, sw * 0.6f, sh * 0.42f, sw * 0.12f),
                   sh * 0.12f);
    part(c, head, boneFill, 1.1f, 2.6f, 0.5f, 0.4f);
    const float er = sw * 0.15f;
    for (float dx : {-1.0f, 1.0f}) {
        const Vec2 e = m + Vec2{dx * sw * 0.21f, -sh * 0.05f};
        c.paint(Shape::ellipse(e, er, er * 1.1f), pal::kOutline);
        c.paint(Shape::circle(e + Vec2{-er * 0.25f, -er * 0.25f}, er * 0.38f), pal::kTerracotta.fade(0.9f));
    }
    const Vec2 nose = m + Vec2{0, sh * 0.13f};
    c.paint(Shape::polygon({nose + Vec2{0, -sh * 0.06f}, nose + Vec2{sw * 0.07f, sh * 0.05f},
                            nose + Vec2{-sw * 0.07f, sh * 0.05f}}),
            pal::kOutline);
    const float ty = m.y + sh * 0.31f;
    ink(c, {{m.x - sw * 0.22f, ty}, {m.x + sw * 0.22f, ty}}, 0.9f, pal::kOutline.fade(0.8f));
    for (float dx : {-0.12f, 0.0f, 0.12f})
        ink(c, {{m.x + dx * sw, ty - sh * 0.06f}, {m.x + dx * sw, ty + sh * 0.07f}}, 0.8f,
            pal::kOutline.fade(0.7f));
}

}  // namespace gen::icons
