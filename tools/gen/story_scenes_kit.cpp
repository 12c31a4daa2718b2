// The cutscenes' shared painting: inked parts, cast shadows, billowing dust, the golden-hour sky and crates.
#include <cmath>

#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "scene/Sky.h"
#include "story_scenes_art.h"

namespace gen::story {

void part(Canvas& c, const Shape& s, const Fill& fill, float outline, float depth) {
    hud::part(c, s, fill, outline, depth, 0.4f, 0.35f, pal::kOutline);
}

Fill lit(Vec2 m, float r, Color c) {
    return dialog::cloth(m, r, c);
}

Mask rast(const Canvas& c, const Shape& s, float feather) {
    return s.rasterize(c.width(), c.height(), feather);
}

void shadowOf(Canvas& c, const Shape& s, Vec2 offset, float blur, float strength) {
    hud::Layer l(c, s.bounds().translated(offset).expanded(blur * 3 + 4));
    Mask m = l.mask(s.moved(offset));
    m.blur(blur);
    l.canvas().paint(m, hex(0x2a1208, strength));
    l.put(c, Blend::Multiply);
}

Mask billows(int w, int h, Rect box, int puffs, float rMin, float rMax, uint32_t seed) {
    Rng rng(seed);
    Mask m(w, h);
    for (int i = 0; i < puffs; ++i) {
        // Two draws averaged: the puffs gather towards the box's middle.
        const float u = (rng.uniform() + rng.uniform()) * 0.5f, v = (rng.uniform() + rng.uniform()) * 0.5f;
        const Vec2 p{box.x0 + u * box.width(), box.y0 + v * box.height()};
        const float r = rng.range(rMin, rMax);
        Shape::circle(p, r).drawInto(m, r * 0.5f);
    }
    const Noise n(seed + 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float& v = m.at(x, y);
            if (v > 0) v *= 0.55f + 0.45f * smoothstep(0.3f, 0.7f, n.fbm(x / 60.0f, y / 45.0f, 4));
        }
    m.blur(rMin * 0.35f);
    return m;
}

void paintDust(Canvas& c, const Mask& m, Color body, Color light, Color shade, float opacity) {
    c.paint(m, body, Blend::Over, opacity);
    // Lit where the dust thins towards the light (up and to the left), shaded where it thickens below.
    const int dx = 14, dy = 18;
    Mask litM = m, shadeM = m;
    litM.subtract(m.shifted(dx, dy));
    shadeM.subtract(m.shifted(-dx, -dy));
    litM.blur(6);
    shadeM.blur(8);
    c.paint(litM, light, Blend::Inside, opacity);
    c.paint(shadeM, shade, Blend::Inside, opacity * 0.8f);
}

void goldenSky(Canvas& c, float horizon, Vec2 sun, uint32_t seed) {
    scene::paintSky(c,
                    {{0.0f, hex(0x3a4a8a)},
                     {0.3f, hex(0x6a68a0)},
                     {0.55f, hex(0xd0809a)},
                     {0.75f, hex(0xf4a070)},
                     {0.9f, hex(0xffc878)},
                     {1.0f, hex(0xffe4a8)}},
                    horizon);
    scene::paintSunGlow(c, sun, 380, hex(0xffc070), 0.8f);
    scene::paintClouds(c, horizon * 0.25f, horizon * 0.75f, sun, seed);
    scene::paintSunDisc(c, sun, 30);
}

void facingRight(Canvas& c, void (*draw)(Canvas&, Vec2, float), Vec2 feet, float h) {
    Canvas k(c.width(), c.height());
    draw(k, {c.width() - 1 - feet.x, feet.y}, h);
    Canvas m(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) m.at(x, y) = k.at(c.width() - 1 - x, y);
    c.draw(m, 0, 0);
}

void crate(Canvas& c, float x, float y, float w, float h, uint32_t seed) {
    Rng rng(seed);
    const Color wood = mix(hex(0xb07a44), hex(0x9a6638), rng.uniform());
    const Shape box = Shape::rect(x, y, w, h, 1.5f);
    shadowOf(c, box, {w * 0.12f, 4}, 5, 0.45f);
    part(c, box, lit({x + w / 2, y + h / 2}, std::max(w, h) * 0.7f, wood), 1.4f, 2.5f);
    // Planks, then a frame of battens and a diagonal brace, each with its nails.
    const int planks = std::max(2, static_cast<int>(h / 14));
    for (int i = 1; i < planks; ++i) {
        const float py = y + h * i / planks;
        hud::ink(c, {{x + 2, py}, {x + w - 2, py}}, 1.0f, hex(0x4a2810, 0.6f));
    }
    const float b = std::max(4.0f, w * 0.1f);
    const Color batten = lighter(wood, 0.12f);
    for (const Shape& s : {Shape::rect(x, y, b, h), Shape::rect(x + w - b, y, b, h)})
        part(c, s, lit({x + w / 2, y + h / 2}, std::max(w, h) * 0.7f, batten), 1.0f, 1.5f);
    part(c, Shape::line({x + b, y + h - b * 0.6f}, {x + w - b, y + b * 0.6f}, b * 0.8f),
         lit({x + w / 2, y + h / 2}, std::max(w, h) * 0.7f, batten), 1.0f, 1.5f);
    for (float ny : {y + b * 0.5f, y + h - b * 0.5f})
        for (float nx : {x + b * 0.5f, x + w - b * 0.5f})
            c.paint(Shape::circle({nx, ny}, std::max(0.9f, b * 0.16f)), hex(0x3a2a20, 0.8f));
}

}  // namespace gen::story
