// The temple hall's furnishings: a golden seated statue before its halo, an altar of butter lamps under a
// hanging cloth, a painted cabinet, a great drum, and the pieces cut out to stand in front of the objects.
#include <cmath>

#include "Palette.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr float kStatueX = 290;

// Gold lit from the top left over the box of `s`, with a warm shadow side.
Fill litGold(const Shape& s) {
    const Rect b = s.bounds();
    return Fill::linear(
        {b.x0, b.y0}, {b.x1, b.y1},
        {{0, hex(0xfff0b0)}, {0.35f, pal::kGoldLight}, {0.7f, pal::kGold}, {1, hex(0x8a4a10)}});
}

void statue(Canvas& c) {
    const float x = kStatueX;
    // The halo: a red and gold wheel behind the body, a pale disc behind the head.
    inked(c, Shape::circle({x, 268}, 124),
          Fill::radial({x, 268}, 124, {{0, hex(0xd04a2a)}, {0.8f, hex(0x8a1a12)}, {1, hex(0x5a0e08)}}), 1.6f);
    Mask rays(kW, kH);
    for (int i = 0; i < 36; ++i)
        Shape::line(polar({x, 268}, 60, i * 10.0f), polar({x, 268}, 116, i * 10.0f), 1.6f).drawInto(rays);
    c.paint(rays, pal::kGoldLight.fade(0.6f));
    c.paint(rast(Shape::circle({x, 268}, 118).outline(4)), pal::kGold);
    inked(c, Shape::circle({x, 212}, 50),
          Fill::radial({x, 212}, 50, {{0, hex(0xfff0c0)}, {1, hex(0xe8a040)}}), 1.2f);
    // The lotus throne.
    const Shape throne = Shape::rect(x - 100, 396, 200, 36, 6);
    castShadow(c, throne, 8, 0.45f);
    inked(c, throne, litGold(throne));
    for (int k = -4; k <= 4; ++k) {
        const Vec2 p{x + k * 22.0f, 402};
        inked(c, Shape::ellipse(p, 12, 18) - Shape::rect(p.x - 14, p.y + 6, 28, 20),
              Fill::vertical(384, 408, {{0, hex(0xffd8c8)}, {1, hex(0xd05a4a)}}), 1.0f);
    }
    // The seated figure: crossed legs, robed body, hands in the lap, the head with its crown knot.
    const Shape legs = Shape::ellipse({x, 374}, 90, 28);
    Path torso;
    torso.moveTo({x - 62, 366})
        .cubicTo({x - 70, 320}, {x - 64, 268}, {x - 46, 256})
        .lineTo({x + 46, 256})
        .cubicTo({x + 64, 268}, {x + 70, 320}, {x + 62, 366});
    const Shape body = Shape::polygon(torso.points()) | Shape::rect(x - 12, 236, 24, 24);
    const Shape head = Shape::ellipse({x, 212}, 27, 32) | Shape::circle({x, 178}, 14) |
                       Shape::ellipse({x - 28, 218}, 6, 16) | Shape::ellipse({x + 28, 218}, 6, 16);
    const Shape figure = legs | body | head;
    castShadow(c, figure, 10, 0.4f);
    inked(c, figure, litGold(figure), 1.8f);
    Mask lines(kW, kH);
    Shape::stroke({{x - 46, 258}, {x + 10, 300}, {x + 58, 360}}, {2.0f}).drawInto(lines);  // the robe's edge
    Shape::stroke({{x - 80, 378}, {x - 20, 360}, {x + 40, 372}, {x + 84, 370}}, {1.6f}).drawInto(lines);
    Shape::ellipse({x, 350}, 34, 12).outline(1.6f).drawInto(lines);  // the hands
    Shape::stroke({{x - 14, 214}, {x - 8, 216}, {x - 4, 214}}, {1.4f}).drawInto(lines);
    Shape::stroke({{x + 4, 214}, {x + 8, 216}, {x + 14, 214}}, {1.4f}).drawInto(lines);
    Shape::stroke({{x - 6, 232}, {x, 234}, {x + 6, 232}}, {1.4f}).drawInto(lines);
    Shape::line({x - 14, 244}, {x + 14, 244}, 1.2f).drawInto(lines);
    c.paint(lines, hex(0x7a3a08, 0.75f));
    c.paint(rast(Shape::circle({x, 200}, 2.4f)), pal::kTerracotta);
    c.paint(rast(Shape::ellipse({x - 20, 300}, 10, 30)), hex(0xffffff, 0.25f));
}

// A small gold butter lamp on its foot with a flame.
void butterLamp(Canvas& c, Vec2 foot, float s) {
    const Shape cup = (Shape::ellipse(foot + Vec2{0, -s * 0.9f}, s * 0.6f, s * 0.35f) -
                       Shape::rect(foot.x - s, foot.y - s * 2, 2 * s, s * 1.1f)) |
                      Shape::rect(foot.x - s * 0.12f, foot.y - s * 0.6f, s * 0.24f, s * 0.5f) |
                      Shape::ellipse(foot + Vec2{0, -s * 0.08f}, s * 0.4f, s * 0.12f);
    inked(c, cup, litGold(cup), 1.0f);
    flame(c, foot + Vec2{0, -s * 0.95f}, s * 0.9f);
}

// The altar: a table under a cloth of yellow silk with a red and blue border; returns the cloth's outline.
Shape altar(Canvas& c) {
    const float x0 = 150, x1 = 432, top = 432;
    castShadow(c, Shape::rect(x0, top, x1 - x0, 110), 10, 0.5f);
    inked(c, Shape::rect(x0 - 6, top, x1 - x0 + 12, 12, 2),
          Fill::vertical(top, top + 12, {{0, hex(0xc86a3a)}, {1, hex(0x5a1e0e)}}));
    const Shape cloth =
        Shape::polygon({{x0 + 4, top + 12}, {x1 - 4, top + 12}, {x1 + 4, 544}, {x0 - 4, 544}});
    inked(c, cloth, Fill([=](float x, float y) {
              const float fold = 0.5f + 0.5f * std::sin(x / 14.0f);
              const float u = (x - x0) / (x1 - x0);
              Color col = mixOklab(hex(0xffd04a), hex(0xc08a1a), fold * 0.6f);
              if (y > 520)
                  col = (static_cast<int>(x / 18) % 2) ? hex(0xd03a2a) : hex(0x2b5ab0);
              else if (y > 512)
                  col = pal::kGoldLight;
              if (std::abs(u - 0.5f) < 0.1f && y > top + 24 && y < 506) col = hex(0xd03a2a);
              return col;
          }));
    c.paint(rast(Shape::circle({(x0 + x1) / 2, 470}, 14).outline(3) | Shape::circle({(x0 + x1) / 2, 470}, 4)),
            pal::kGoldLight);
    return cloth;
}

// A painted cabinet standing under the open side.
void cabinet(Canvas& c, float x, float top, float w, float h) {
    const Shape box = Shape::rect(x, top, w, h, 3);
    castShadow(c, box, 10, 0.45f);
    inked(c, box, Fill::vertical(top, top + h, {{0, hex(0xa83228)}, {1, hex(0x4a1208)}}));
    for (int i = 0; i < 2; ++i) {
        const float px = x + 10 + i * (w / 2 - 5);
        inked(c, Shape::rect(px, top + 14, w / 2 - 15, h - 24, 4),
              Fill::vertical(top, top + h, {{0, hex(0x2a8a7a)}, {1, hex(0x0e3a34)}}), 1.0f);
        const Vec2 m{px + (w / 2 - 15) / 2, top + h / 2 + 4};
        for (int k = 0; k < 5; ++k)
            c.paint(rast(Shape::ellipse(polar(m, 8, k * 72.0f - 90), 5, 3)
                             .rotated(k * 72.0f, polar(m, 8, k * 72.0f - 90))),
                    hex(0xf2c034));
        c.paint(rast(Shape::circle(m, 3)), hex(0xd03a2a));
    }
    inked(c, Shape::rect(x - 4, top - 6, w + 8, 8, 2), hud::gold(top - 6, top + 2), 1.0f);
}

// A great drum on its frame, its skin painted with a gold wheel; returns its outline.
Shape drum(Canvas& c, Vec2 m, float r) {
    const Shape frame = Shape::line(m + Vec2{-r * 0.9f, r * 1.2f}, m + Vec2{r * 0.4f, -r * 0.2f}, 8) |
                        Shape::line(m + Vec2{r * 1.2f, r * 1.2f}, m + Vec2{-r * 0.1f, -r * 0.2f}, 8) |
                        Shape::rect(m.x - r * 0.2f, m.y - r * 1.2f, 8, r * 0.5f);
    const Shape bodyS =
        Shape::rect(m.x, m.y - r, r * 0.7f, 2 * r) | Shape::ellipse(m + Vec2{r * 0.7f, 0}, r * 0.35f, r);
    const Shape face = Shape::ellipse(m, r * 0.35f, r);
    const Shape all = frame | bodyS | face;
    castShadow(c, all, 12, 0.45f);
    inked(c, frame, Fill::vertical(m.y - r, m.y + r * 1.2f, {{0, hex(0x8a4a1a)}, {1, hex(0x3a1a0a)}}));
    inked(c, bodyS,
          Fill::vertical(m.y - r, m.y + r, {{0, hex(0xe0604a)}, {0.4f, hex(0xb02a1e)}, {1, hex(0x4a0e08)}}));
    Mask studs(kW, kH);
    for (int k = -6; k <= 6; ++k) Shape::circle({m.x + 4, m.y + k * r * 0.15f}, 2.4f).drawInto(studs);
    for (int k = -6; k <= 6; ++k) Shape::circle({m.x + r * 0.66f, m.y + k * r * 0.15f}, 2.4f).drawInto(studs);
    c.paint(studs, pal::kGoldLight);
    inked(c, face, Fill::radial(m + Vec2{-r * 0.1f, -r * 0.3f}, r, {{0, hex(0xfff4d8)}, {1, hex(0xc8a070)}}));
    c.paint(rast(Shape::ellipse(m, r * 0.2f, r * 0.56f).outline(3)), hex(0xd03a2a));
    c.paint(rast(Shape::ellipse(m, r * 0.08f, r * 0.22f)), pal::kGold);
    return all;
}

// A hanging painted scroll of cloth on a rod, with a gold-edged picture of a blue wheel.
void hanging(Canvas& c, float x, float top, float w, float h) {
    inked(c, Shape::rect(x - 6, top - 4, w + 12, 6, 3), hud::gold(top - 4, top + 2), 1.0f);
    inked(c, Shape::rect(x, top, w, h),
          Fill::vertical(top, top + h, {{0, hex(0xf2c034)}, {1, hex(0xb8801a)}}));
    inked(c, Shape::rect(x + 8, top + 12, w - 16, h - 40),
          Fill::vertical(top, top + h, {{0, hex(0x2a6a5a)}, {1, hex(0x0e2a24)}}), 1.0f);
    const Vec2 m{x + w / 2, top + 12 + (h - 40) / 2};
    inked(c, Shape::circle(m, w * 0.28f),
          Fill::radial(m, w * 0.28f, {{0, hex(0x8ac8f0)}, {1, hex(0x1f3570)}}), 1.0f);
    c.paint(rast(Shape::circle(m, w * 0.28f).outline(2)), pal::kGoldLight);
    for (int k = 0; k < 8; ++k)
        c.paint(rast(Shape::line(m, polar(m, w * 0.26f, k * 45.0f), 1.4f)), pal::kGoldLight);
    c.paint(rast(Shape::rect(x - 6, top + h - 6, w + 12, 6, 3)), hex(0x3a1a0a));
}

}  // namespace

Scene templeFront(Canvas& c, Shape (*frontPillar)(Canvas&)) {
    Scene s;
    hanging(c, 432, 176, 66, 210);
    statue(c);
    cabinet(c, 600, 452, 140, 96);
    butterLamp(c, {610, 420}, 26);
    const Shape cloth = altar(c);
    for (int k = 0; k < 6; ++k) butterLamp(c, {178.0f + k * 45, 432}, 20);
    // A meditation cushion on the floor and a low gong on the left.
    inked(c, Shape::ellipse({112, 600}, 56, 18),
          Fill::vertical(582, 618, {{0, hex(0xc0402a)}, {1, hex(0x5a120a)}}));
    // Scriptures wrapped in cloth, stacked on the floor.
    for (int k = 0; k < 3; ++k) {
        const float y = 606 - k * 14.0f, x = 660 + k * 4.0f;
        inked(c, Shape::rect(x, y, 110 - k * 8.0f, 14, 3),
              Fill::vertical(y, y + 14,
                             {{0, lighter(k == 1 ? hex(0xd03a2a) : hex(0xf2c034), 0.2f)},
                              {1, darker(k == 1 ? hex(0xd03a2a) : hex(0xf2c034), 0.4f)}}));
    }
    s.masks.push_back(cut(c, rast(cloth.grown(1.6f))));
    const Shape d = drum(c, {800, 498}, 66);
    s.masks.push_back(cut(c, rast(d.grown(1.6f))));
    const Shape p = frontPillar(c);
    s.masks.push_back(cut(c, rast(p.grown(1.6f))));
    s.lamps = {{246, 400}, {382, 400}, {610, 386}};
    s.image = c;
    return s;
}

}  // namespace gen::ho
