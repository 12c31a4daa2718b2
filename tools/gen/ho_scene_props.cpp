// Shared painting of the hidden-object scenes: cut-outs, lamp glows, fish, birds, flames, jars and chests.
#include <algorithm>
#include <cmath>

#include "Palette.h"
#include "ho_scene_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"

namespace gen::ho {

using jigsaw::inked;
using jigsaw::rast;

Cutout cut(const Canvas& scene, const Mask& m) {
    int x0 = kW, y0 = kH, x1 = -1, y1 = -1;
    for (int y = 0; y < m.height(); ++y)
        for (int x = 0; x < m.width(); ++x)
            if (m.at(x, y) > 0.002f) {
                x0 = std::min(x0, x), x1 = std::max(x1, x);
                y0 = std::min(y0, y), y1 = std::max(y1, y);
            }
    Canvas only = scene;
    only.clip(m);
    return {only.cropped(x0, y0, x1 - x0 + 1, y1 - y0 + 1), x0, y0};
}

Canvas glow(int size, Color core, Color rim) {
    Canvas g(size, size);
    const float r = size / 2.0f;
    g.paint(Mask(size, size, 1.0f), Fill([=](float x, float y) {
                const float d = std::hypot(x - r, y - r) / r;
                // A bright heart and a long soft fall to nothing well before the picture's edge.
                const float a = 0.55f * std::exp(-d * d * 9.0f) + 0.35f * std::pow(clamp01(1 - d), 2.2f);
                return mixOklab(core, rim, smoothstep(0.0f, 0.7f, d)).withAlpha(std::min(1.0f, a));
            }));
    return g;
}

Canvas fish(int w, int h, Color back, Color belly, Color fin, uint32_t seed) {
    Canvas f(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h), cy = fh / 2;
    auto m = [&](const Shape& s) { return s.rasterize(w, h, 1.1f); };
    // Tail on the left, head on the right; the body an egg from tail root to snout.
    Path body;
    body.moveTo({fw * 0.22f, cy})
        .cubicTo({fw * 0.35f, cy - fh * 0.42f}, {fw * 0.75f, cy - fh * 0.42f}, {fw * 0.96f, cy + 1})
        .cubicTo({fw * 0.75f, cy + fh * 0.4f}, {fw * 0.35f, cy + fh * 0.36f}, {fw * 0.22f, cy});
    const Shape tail = Shape::polygon(
        {{fw * 0.26f, cy}, {fw * 0.03f, cy - fh * 0.4f}, {fw * 0.09f, cy}, {fw * 0.03f, cy + fh * 0.4f}});
    const Shape dorsal = Shape::polygon(
        {{fw * 0.42f, cy - fh * 0.26f}, {fw * 0.5f, cy - fh * 0.47f}, {fw * 0.66f, cy - fh * 0.28f}});
    const Shape b = Shape::polygon(body.points());
    const Shape all = b | tail | dorsal;
    f.paint(m(all.grown(1.2f)), pal::kOutline.fade(0.85f));
    f.paint(m(tail | dorsal),
            Fill::linear({0, 0}, {fw * 0.3f, 0}, {{0, fin}, {1, mixOklab(fin, back, 0.5f)}}));
    f.paint(m(b), Fill::vertical(cy - fh * 0.4f, cy + fh * 0.4f,
                                 {{0, darker(back, 0.2f)}, {0.45f, back}, {0.75f, belly}, {1, belly}}));
    // Markings: soft patches from the seed, scales as faint arcs, a bright back from the light above.
    const Noise n(seed);
    Mask spots(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) spots.at(x, y) = smoothstep(0.55f, 0.7f, n.fbm(x / 9.0f, y / 7.0f, 3));
    spots.multiply(m(b.grown(-2)));
    f.paint(spots, mixOklab(fin, hex(0xffffff), 0.15f).fade(0.75f));
    Mask scales(w, h);
    for (float x = fw * 0.32f; x < fw * 0.8f; x += 6)
        for (float y = cy - fh * 0.3f; y < cy + fh * 0.3f; y += 5)
            Shape::circle({x + (static_cast<int>(y) % 2) * 3.0f, y}, 3).outline(0.7f).drawInto(scales);
    scales.multiply(m(b.grown(-2)));
    f.paint(scales, hex(0x2e1508, 0.18f));
    f.paint(m(Shape::ellipse({fw * 0.58f, cy - fh * 0.2f}, fw * 0.2f, fh * 0.07f)), hex(0xffffff, 0.35f));
    f.paint(m(Shape::line({fw * 0.78f, cy - fh * 0.28f}, {fw * 0.74f, cy + fh * 0.26f}, 1.2f) & b),
            hex(0x2e1508, 0.45f));
    f.paint(m(Shape::circle({fw * 0.84f, cy - fh * 0.06f}, fh * 0.09f)), hex(0xfffbf0));
    f.paint(m(Shape::circle({fw * 0.85f, cy - fh * 0.06f}, fh * 0.055f)), pal::kOutline);
    f.paint(
        m(Shape::ellipse({fw * 0.6f, cy + fh * 0.22f}, fw * 0.07f, fh * 0.08f).rotated(25, {fw * 0.6f, cy})),
        fin.fade(0.85f));
    return f;
}

Canvas bird(int w, int h, Color body, Color wing) {
    Canvas b(w, h);
    const float fw = static_cast<float>(w), fh = static_cast<float>(h);
    auto m = [&](const Shape& s) { return s.rasterize(w, h, 1.1f); };
    // Facing right: the body along the middle, two wings raised in a shallow V, the far one darker.
    const Vec2 root{fw * 0.5f, fh * 0.62f};
    Path near, far;
    far.moveTo(root + Vec2{-fw * 0.02f, 0})
        .quadTo({fw * 0.56f, fh * 0.2f}, {fw * 0.78f, fh * 0.04f})
        .quadTo({fw * 0.66f, fh * 0.36f}, root + Vec2{fw * 0.1f, fh * 0.02f});
    near.moveTo(root + Vec2{fw * 0.08f, 0})
        .quadTo({fw * 0.36f, fh * 0.18f}, {fw * 0.06f, fh * 0.06f})
        .quadTo({fw * 0.28f, fh * 0.42f}, root + Vec2{-fw * 0.06f, fh * 0.06f});
    const Shape torso = Shape::ellipse(root, fw * 0.22f, fh * 0.11f) |
                        Shape::circle(root + Vec2{fw * 0.22f, -fh * 0.06f}, fh * 0.1f) |
                        Shape::polygon({root + Vec2{-fw * 0.18f, 0}, root + Vec2{-fw * 0.34f, -fh * 0.08f},
                                        root + Vec2{-fw * 0.32f, fh * 0.1f}});
    const Shape beak =
        Shape::polygon({root + Vec2{fw * 0.29f, -fh * 0.09f}, root + Vec2{fw * 0.38f, -fh * 0.03f},
                        root + Vec2{fw * 0.29f, -fh * 0.01f}});
    const Shape farW = Shape::polygon(far.points()), nearW = Shape::polygon(near.points());
    b.paint(m((torso | farW | nearW | beak).grown(1.1f)), pal::kOutline.fade(0.85f));
    b.paint(m(farW), darker(wing, 0.3f));
    b.paint(m(torso),
            Fill::vertical(fh * 0.45f, fh * 0.75f, {{0, lighter(body, 0.2f)}, {1, darker(body, 0.25f)}}));
    b.paint(m(nearW), Fill::linear({fw * 0.06f, fh * 0.06f}, root,
                                   {{0, darker(wing, 0.15f)}, {1, lighter(wing, 0.3f)}}));
    b.paint(m(beak), pal::kGold);
    b.paint(m(Shape::circle(root + Vec2{fw * 0.24f, -fh * 0.08f}, 1.3f)), pal::kOutline);
    return b;
}

void flame(Canvas& c, Vec2 foot, float h) {
    const float w = h * 0.32f;
    Path p;
    p.moveTo(foot + Vec2{-w, 0})
        .quadTo(foot + Vec2{-w * 1.3f, -h * 0.5f}, foot + Vec2{w * 0.1f, -h})
        .quadTo(foot + Vec2{w * 0.2f, -h * 0.55f}, foot + Vec2{w * 1.1f, -h * 0.42f})
        .quadTo(foot + Vec2{w * 1.2f, -h * 0.1f}, foot + Vec2{w, 0});
    c.paint(rast(Shape::circle(foot + Vec2{0, -h * 0.4f}, h * 1.1f)).blurred(h * 0.4f), hex(0xff9a40, 0.35f),
            Blend::Screen);
    c.paint(
        Shape::polygon(p.points()).rasterize(kW, kH, 1.4f),
        Fill::vertical(foot.y - h, foot.y, {{0, hex(0xff7a20)}, {0.45f, hex(0xffc850)}, {1, hex(0xfff6d8)}}));
    c.paint(rast(Shape::ellipse(foot + Vec2{0, -h * 0.25f}, w * 0.45f, h * 0.22f)), hex(0xfffbe8, 0.9f));
}

void jar(Canvas& c, Vec2 foot, float h, Color glaze, Color band) {
    const Shape body = Shape::ellipse(foot + Vec2{0, -h * 0.42f}, h * 0.36f, h * 0.42f) |
                       Shape::rect(foot.x - h * 0.13f, foot.y - h, h * 0.26f, h * 0.3f) |
                       Shape::rect(foot.x - h * 0.2f, foot.y - h - 2, h * 0.4f, h * 0.08f, 2);
    castShadow(c, body, h * 0.12f, 0.35f);
    inked(c, body,
          Fill::linear(foot + Vec2{-h * 0.4f, -h}, foot + Vec2{h * 0.4f, 0},
                       {{0, lighter(glaze, 0.45f)}, {0.45f, glaze}, {1, darker(glaze, 0.55f)}}));
    c.paint(rast(Shape::rect(foot.x - h * 0.5f, foot.y - h * 0.6f, h, h * 0.08f) & body), band);
    c.paint(rast(Shape::rect(foot.x - h * 0.5f, foot.y - h * 0.47f, h, h * 0.03f) & body), band.fade(0.8f));
    c.paint(rast(Shape::ellipse(foot + Vec2{-h * 0.16f, -h * 0.55f}, h * 0.05f, h * 0.14f)),
            hex(0xffffff, 0.35f));
}

void chest(Canvas& c, float x, float y, float w, float h, Color wood) {
    const float lid = h * 0.36f;
    const Shape box = Shape::rect(x, y + lid, w, h - lid, 2), top = Shape::rect(x - 3, y, w + 6, lid, 6);
    castShadow(c, box | top, 10, 0.45f);
    inked(c, box, Fill::linear({x, y}, {x + w, y + h}, {{0, lighter(wood, 0.2f)}, {1, darker(wood, 0.5f)}}));
    inked(c, top, Fill::vertical(y, y + lid, {{0, lighter(wood, 0.45f)}, {1, darker(wood, 0.2f)}}));
    Mask planks(kW, kH);
    for (float py = y + lid + 12; py < y + h - 4; py += 14)
        Shape::line({x + 4, py}, {x + w - 4, py}, 1).drawInto(planks);
    c.paint(planks, hex(0x2e1508, 0.35f));
    const Fill gold = hud::gold(y, y + h);
    for (const float bx : {x + 6.0f, x + w - 18.0f})
        inked(c, Shape::rect(bx, y + 2, 12, h - 4, 2), gold, 1.0f);
    inked(c, Shape::rect(x + w / 2 - 9, y + lid - 6, 18, 20, 3), gold, 1.0f);
    c.paint(rast(Shape::circle({x + w / 2, y + lid + 5}, 2.5f)), pal::kOutline);
}

void castShadow(Canvas& c, const Shape& s, float blur, float strength) {
    c.paint(rast(s.moved({blur * 0.6f, blur * 0.8f})).blurred(blur), hex(0x1a0a04, strength));
}

}  // namespace gen::ho
