// Persian building pieces for the slides: glazed domes, minarets, pierced brass lanterns and carpets.
#include <cmath>

#include "Palette.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

void dome(Canvas& c, Vec2 b, float w, float h, Color glaze) {
    const float drumH = h * 0.22f;
    inked(c, Shape::rect(b.x - w * 0.42f, b.y - drumH, w * 0.84f, drumH),
          jigsaw::starTiles(std::max(6.0f, w * 0.1f), pal::kTurquoiseDeep), 1.2f);
    c.paint(rast(Shape::rect(b.x - w * 0.42f, b.y - drumH, w * 0.84f, drumH)),
            Fill::linear({b.x - w * 0.42f, 0}, {b.x + w * 0.42f, 0},
                         {{0, hex(0xffffff, 0.15f)}, {1, hex(0x0a1030, 0.45f)}}));
    const float top = b.y - h, spring = b.y - drumH;
    Path p;
    p.moveTo({b.x, spring})
        .lineTo({b.x - w * 0.46f, spring})
        .cubicTo({b.x - w * 0.56f, spring - h * 0.4f}, {b.x - w * 0.22f, top + h * 0.18f}, {b.x, top})
        .mirrorX(b.x);
    const Shape d = Shape::polygon(p.points());
    inked(c, d,
          Fill::radial({b.x - w * 0.2f, spring - h * 0.5f}, w * 0.9f,
                       {{0, lighter(glaze, 0.55f)}, {0.4f, glaze}, {1, darker(glaze, 0.55f)}}),
          1.4f);
    Mask deco(kW, kH);
    for (int i = -3; i <= 3; ++i)
        Shape::stroke({{b.x + i * w * 0.13f, spring},
                       {b.x + i * w * 0.1f, spring - h * 0.4f},
                       {b.x + i * w * 0.02f, top + h * 0.08f}},
                      {std::max(1.0f, w * 0.012f)})
            .drawInto(deco);
    deco.multiply(rast(d.grown(-1)));
    c.paint(deco, pal::kGoldLight.fade(0.7f));
    c.paint(rast(Shape::line({b.x, top + 2}, {b.x, top - h * 0.16f}, std::max(1.5f, w * 0.02f))),
            pal::kGoldDeep);
    inked(c, Shape::circle({b.x, top - h * 0.06f}, std::max(2.0f, w * 0.035f)),
          hud::gold(top - h * 0.1f, top), 1.0f);
}

void minaret(Canvas& c, float x, float base, float top, float w) {
    const Shape shaft = Shape::rect(x - w / 2, top + w * 1.4f, w, base - top - w * 1.4f);
    inked(c, shaft, jigsaw::starTiles(std::max(5.0f, w * 0.5f), pal::kTurquoise), 1.2f);
    c.paint(rast(shaft),
            Fill::linear({x - w / 2, 0}, {x + w / 2, 0},
                         {{0, hex(0xffffff, 0.25f)}, {0.4f, hex(0xffffff, 0.0f)}, {1, hex(0x1a1030, 0.5f)}}));
    for (float y = top + (base - top) * 0.35f; y < base - 10; y += (base - top) * 0.3f)
        c.paint(rast(Shape::rect(x - w / 2, y, w, std::max(2.0f, w * 0.15f))), pal::kGold);
    inked(c,
          Shape::polygon({{x - w * 0.85f, top + w * 1.4f},
                          {x + w * 0.85f, top + w * 1.4f},
                          {x + w / 2, top + w * 1.9f},
                          {x - w / 2, top + w * 1.9f}}),
          Fill::vertical(top + w * 1.4f, top + w * 1.9f, {{0, hex(0xf6e6c4)}, {1, hex(0xa87a50)}}), 1.0f);
    inked(c, Shape::rect(x - w * 0.38f, top + w * 0.6f, w * 0.76f, w * 0.8f),
          Fill::vertical(top, top + w * 1.4f, {{0, hex(0xf0d6a0)}, {1, hex(0xc89a64)}}), 1.0f);
    Path cap;
    cap.moveTo({x, top + w * 0.62f})
        .lineTo({x - w * 0.45f, top + w * 0.62f})
        .quadTo({x - w * 0.45f, top - w * 0.2f}, {x, top - w * 0.8f})
        .mirrorX(x);
    inked(c, Shape::polygon(cap.points()), hud::gold(top - w, top + w * 0.6f), 1.0f);
}

void lantern(Canvas& c, Vec2 at, float s, bool glowing) {
    c.paint(rast(Shape::line(at + Vec2{0, -s * 2}, at, std::max(1.0f, s * 0.04f))), hex(0x3a2010));
    const Vec2 m = at + Vec2{0, s * 0.5f};
    if (glowing) lightPool(c, m, {s * 1.6f, s * 1.6f}, hex(0xffb050, 0.55f));
    Path body;
    body.moveTo({m.x, at.y})
        .lineTo({m.x - s * 0.12f, at.y})
        .lineTo({m.x - s * 0.34f, m.y - s * 0.12f})
        .lineTo({m.x - s * 0.3f, m.y + s * 0.2f})
        .lineTo({m.x - s * 0.08f, at.y + s})
        .mirrorX(m.x);
    const Shape b = Shape::polygon(body.points());
    inked(c, b, hud::gold(at.y, at.y + s), std::max(0.8f, s * 0.03f));
    Mask holes(kW, kH);
    for (int j = 0; j < 3; ++j)
        for (int i = -2; i <= 2; ++i)
            Shape::star(m + Vec2{i * s * 0.11f, (j - 1) * s * 0.16f}, 4, s * 0.045f, s * 0.02f)
                .drawInto(holes);
    holes.multiply(rast(b.grown(-s * 0.05f)));
    c.paint(holes, glowing ? hex(0xfff4c0) : hex(0x3a2010));
}

void carpet(Canvas& c, const Shape& s, Rect box, Color field, Color border, uint32_t seed) {
    const Noise n(seed);
    const Vec2 m = box.centre();
    const float bw = std::min(box.width(), box.height()) * 0.12f;
    inked(c, s, Fill([=](float x, float y) {
              const float ex = std::min(x - box.x0, box.x1 - x), ey = std::min(y - box.y0, box.y1 - y);
              const float e = std::min(ex, ey);
              const float dx = std::abs(x - m.x) / box.width(), dy = std::abs(y - m.y) / box.height();
              const float diamond = dx + dy;
              Color k = field;
              if (e < bw)
                  k = (static_cast<int>((x + y) / (bw * 0.5f)) % 2) ? border
                                                                    : mixOklab(border, pal::kGoldLight, 0.5f);
              if (e < bw * 0.2f || std::abs(e - bw) < bw * 0.1f) k = pal::kBlueDeep;
              if (e >= bw && diamond < 0.22f)
                  k = diamond < 0.12f ? mixOklab(border, pal::kGoldLight, 0.4f) : pal::kBlueDeep;
              if (e >= bw && diamond >= 0.22f && std::fmod(diamond, 0.1f) < 0.012f) k = darker(field, 0.35f);
              return mixOklab(k, darker(k, 0.3f), 0.4f * n.fbm(x / 6.0f, y / 6.0f, 2));
          }),
          1.2f);
}

}  // namespace gen::slides
