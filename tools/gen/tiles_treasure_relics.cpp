// The relics among the treasures: gold coins, a faience scarab, a golden ankh and an ebony cat idol.
#include <cmath>

#include "paint/Effects.h"
#include "paint/Path.h"
#include "tiles_art.h"

namespace gen::tiles {

namespace {

// Raised relief on gold: lit on its upper left, shaded on its lower right.
void emboss(Canvas& c, const Shape& motif, float k) {
    const int w = c.width(), h = c.height();
    c.paint(motif.moved({k, k}).rasterize(w, h, 1.1f), pal::kBronze.fade(0.75f), Blend::Inside);
    c.paint(motif.moved({-k, -k}).rasterize(w, h, 1.1f), pal::kGoldPale.fade(0.9f), Blend::Inside);
    c.paint(motif.rasterize(w, h, 1.1f), pal::kGold, Blend::Inside);
}

void coin(Canvas& c, Vec2 m, float r, float d, bool front) {
    const int w = c.width(), h = c.height();
    const Shape disc = Shape::circle(m, r);
    treasurePart(c, disc, goldFill(m, r), d, 0.18f * r);
    const float k = std::max(0.5f, 0.025f * d);
    emboss(c, Shape::circle(m, 0.74f * r).outline(std::max(0.7f, 0.05f * d)), k);
    if (front) {
        emboss(c, Shape::star(m, 8, 0.46f * r, 0.2f * r, 22.5f) | Shape::circle(m, 0.16f * r), k);
        if (d >= 30)
            for (int i = 0; i < 16; ++i)
                c.paint(
                    Shape::circle(polar(m, 0.87f * r, 11.25f + 22.5f * i), 0.045f * r).rasterize(w, h, 1.0f),
                    pal::kGoldDeep.fade(0.8f), Blend::Inside);
    }
}

Fill faience(Vec2 m, float r) {
    return Fill::radial(m + Vec2{-0.35f * r, -0.4f * r}, 1.5f * r,
                        {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
}

}  // namespace

void drawCoins(Canvas& c, Vec2 m, float d) {
    coin(c, m + Vec2{0.13f * d, 0.11f * d}, 0.34f * d, d, false);
    coin(c, m + Vec2{-0.07f * d, -0.06f * d}, 0.37f * d, d, true);
    glint(c, m + Vec2{-0.26f * d, -0.24f * d}, 0.16f * d);
}

void drawScarab(Canvas& c, Vec2 m, float d) {
    auto p = [&](float x, float y) { return m + Vec2{x * d, y * d}; };
    const float leg = std::max(1.0f, 0.055f * d);
    Shape legs = Shape::circle(m, 0.0f);
    for (float k : {-1.0f, 1.0f}) {
        legs = legs | Shape::stroke({p(0.1f * k, -0.12f), p(0.3f * k, -0.2f), p(0.33f * k, -0.36f)}, {leg});
        legs = legs | Shape::stroke({p(0.14f * k, 0.02f), p(0.37f * k, 0.04f), p(0.43f * k, 0.17f)}, {leg});
        legs = legs | Shape::stroke({p(0.12f * k, 0.18f), p(0.3f * k, 0.31f), p(0.31f * k, 0.45f)}, {leg});
    }
    treasurePart(c, legs, goldFill(m, 0.45f * d), d);
    const Shape back = Shape::ellipse(p(0, 0.11f), 0.25f * d, 0.31f * d);
    treasurePart(c, back, faience(p(0, 0.11f), 0.3f * d), d, 0.1f * d);
    const int w = c.width(), h = c.height();
    c.paint(Shape::line(p(0, -0.14f), p(0, 0.41f), std::max(0.6f, 0.025f * d)).rasterize(w, h, 1.0f),
            pal::kTurquoiseDeep, Blend::Inside);
    for (float x : {-0.12f, 0.12f})
        c.paint(Shape::circle(p(x, 0.16f), 0.035f * d).rasterize(w, h, 1.0f), pal::kGoldLight.fade(0.9f),
                Blend::Inside);
    const Shape thorax = Shape::ellipse(p(0, -0.17f), 0.21f * d, 0.12f * d);
    treasurePart(c, thorax, goldFill(p(0, -0.17f), 0.2f * d), d, 0.06f * d, false);
    const Shape head = Shape::ellipse(p(0, -0.32f), 0.12f * d, 0.08f * d);
    treasurePart(c, head, faience(p(0, -0.32f), 0.12f * d), d, 0.04f * d, false);
    glint(c, p(-0.13f, -0.02f), 0.14f * d, 0.8f);
}

void drawAnkh(Canvas& c, Vec2 m, float d) {
    auto p = [&](float x, float y) { return m + Vec2{x * d, y * d}; };
    const Shape loop = Shape::ellipse(p(0, -0.25f), 0.17f * d, 0.21f * d) -
                       Shape::ellipse(p(0, -0.24f), 0.075f * d, 0.12f * d);
    const Shape bar = Shape::polygon({p(-0.4f, -0.1f), p(-0.12f, -0.055f), p(0.12f, -0.055f), p(0.4f, -0.1f),
                                      p(0.4f, 0.1f), p(0.12f, 0.055f), p(-0.12f, 0.055f), p(-0.4f, 0.1f)});
    const Shape stem = Shape::polygon({p(-0.07f, 0.0f), p(0.07f, 0.0f), p(0.14f, 0.48f), p(-0.14f, 0.48f)});
    treasurePart(c, loop | bar | stem, goldFill(m, 0.5f * d), d, 0.07f * d);
    const Shape stone = Shape::circle(p(0, 0), 0.07f * d);
    treasurePart(c, stone, faience(p(0, 0), 0.07f * d), d, 0.03f * d, false);
    glint(c, p(-0.1f, -0.36f), 0.15f * d);
}

void drawCatIdol(Canvas& c, Vec2 m, float d) {
    auto p = [&](float x, float y) { return m + Vec2{x * d, y * d}; };
    const int w = c.width(), h = c.height();
    // A seated cat seen from the front: the left half drawn, the right half mirrored.
    Path half;
    half.moveTo(p(0, -0.31f))
        .lineTo(p(-0.06f, -0.32f))
        .lineTo(p(-0.17f, -0.48f))
        .lineTo(p(-0.2f, -0.3f))
        .quadTo(p(-0.22f, -0.17f), p(-0.1f, -0.12f))
        .lineTo(p(-0.08f, -0.07f))
        .quadTo(p(-0.17f, -0.03f), p(-0.19f, 0.14f))
        .quadTo(p(-0.28f, 0.33f), p(-0.27f, 0.4f))
        .lineTo(p(0, 0.4f))
        .mirrorX(m.x);
    const Shape body = Shape::polygon(half.points());
    const Fill ebony = Fill::radial(p(-0.12f, -0.2f), 0.7f * d,
                                    {{0, hex(0x6a6f8a)}, {0.35f, hex(0x363a50)}, {1, hex(0x14151f)}});
    const Shape plinth = Shape::rect(p(-0.36f, 0.37f).x, p(0, 0.37f).y, 0.72f * d, 0.1f * d, 0.02f * d);
    treasurePart(c, body, ebony, d, 0.1f * d);
    treasurePart(c, plinth, goldFill(p(0, 0.42f), 0.3f * d), d, 0.03f * d);
    // The collar, the eyes and a front paw line, all in gold.
    const float line = std::max(0.7f, 0.04f * d);
    const Shape collar = Shape::stroke({p(-0.11f, -0.07f), p(0, -0.03f), p(0.11f, -0.07f)}, {line * 1.4f});
    treasurePart(c, collar, goldFill(p(0, -0.06f), 0.12f * d), d, 0, false);
    for (float x : {-0.075f, 0.075f})
        c.paint(Shape::ellipse(p(x, -0.21f), 0.04f * d, 0.022f * d).rasterize(w, h, 1.0f), pal::kGoldLight);
    c.paint(Shape::line(p(0, 0.06f), p(0, 0.37f), line * 0.7f).rasterize(w, h, 1.0f), hex(0x0a0a12, 0.8f),
            Blend::Inside);
    glint(c, p(-0.13f, -0.3f), 0.12f * d, 0.7f);
}

}  // namespace gen::tiles
