// The particle pictures, numbered as the effects use them, with "data/particles.dat" and the chip sheets.
#include <cmath>
#include <string>
#include <vector>

#include "Entries.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;
using namespace tiles;

namespace {

// Sparkles are white so that the game can tint them; each is a soft glow with rays of light.
Canvas sparkle(int n, int points, float rays, float inner, float glow) {
    Canvas c(n, n);
    const Vec2 m{n / 2.0f, n / 2.0f};
    const float r = n / 2.0f;
    c.paint(Mask(n, n, 1.0f), Fill::radial(m, r,
                                           {{0, hex(0xffffff, glow)},
                                            {0.18f, hex(0xffffff, 0.6f * glow)},
                                            {0.5f, hex(0xffffff, 0.12f * glow)},
                                            {1, kTransparent}}));
    if (points > 0) {
        Mask star = Shape::star(m, points, rays * r, inner * r).rasterize(n, n, 1.3f);
        c.paint(star.blurred(0.06f * n), hex(0xffffff, 0.7f), Blend::Screen);
        c.paint(star, hex(0xffffff, 0.9f), Blend::Screen);
        if (points == 4)
            c.paint(Shape::star(m, 4, 0.5f * rays * r, inner * r, 45).rasterize(n, n, 1.3f),
                    hex(0xffffff, 0.55f), Blend::Screen);
    }
    return c;
}

Canvas ring(int n, float radius, float width) {
    Canvas c(n, n);
    const Vec2 m{n / 2.0f, n / 2.0f};
    const Mask band = Shape::circle(m, radius * n / 2).outline(width).rasterize(n, n, 1.2f);
    c.paint(band.blurred(width * 0.6f), kWhite);
    c.paint(band, hex(0xffffff, 0.7f), Blend::Screen);
    return c;
}

// A soft cloud: a round fall-off broken up by noise, in one colour.
Canvas cloud(int n, Color col, float strength, uint32_t seed) {
    Canvas c(n, n);
    const Noise noise(seed);
    const float r = n / 2.0f;
    Mask m(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float d = length(Vec2{x + 0.5f - r, y + 0.5f - r}) / r;
            const float fall = 1.0f - smoothstep(0.25f, 1.0f, d);
            const float puff = noise.fbm(x * 4.0f / n, y * 4.0f / n, 4);
            m.at(x, y) = clamp01(fall * (0.35f + 1.1f * puff) * strength);
        }
    c.paint(m, col);
    return c;
}

// A wood sliver or chip: an outlined piece of grained wood.
Canvas splinter(int w, int h, const std::vector<Vec2>& pts) {
    Canvas c(w, h);
    Style st;
    st.fill = Fill::linear({0, 0}, {static_cast<float>(w), static_cast<float>(h)},
                           {{0, hex(0xe6b377)}, {0.5f, hex(0xa4652f)}, {1, hex(0x5e3216)}});
    st.outline = 0.8f;
    st.outlineFill = pal::kOutline;
    st.bevel = Bevel{1.5f, 0.5f, 0.4f, true};
    drawStyled(c, Shape::polygon(pts).field(w, h), st);
    c.paint(Shape::line({3, h * 0.5f}, {w - 4.0f, h * 0.45f}, 0.6f).rasterize(w, h, 1.0f),
            hex(0x5e3216, 0.5f), Blend::Inside);
    return c;
}

Canvas grains(int n, Color col, uint32_t seed, bool outlined) {
    Canvas c(n, n);
    Rng rng(seed);
    for (int i = 0; i < 5; ++i) {
        const Vec2 p{rng.range(0.25f, 0.75f) * n, rng.range(0.25f, 0.75f) * n};
        const float r = rng.range(0.08f, 0.16f) * n;
        Style st;
        st.fill = Fill::radial(p + Vec2{-0.3f * r, -0.3f * r}, 1.4f * r,
                               {{0, lighter(col, 0.4f)}, {1, darker(col, 0.3f)}});
        if (outlined) {
            st.outline = 0.6f;
            st.outlineFill = pal::kOutline.fade(0.8f);
        }
        drawStyled(c, Shape::regular(p, 5, r, rng.range(0, 72)).field(n, n), st);
    }
    return c;
}

Canvas streak(int w, int h) {
    Canvas c(w, h);
    const Shape s =
        Shape::stroke({{2, h / 2.0f}, {w / 2.0f, h / 2.0f}, {w - 2.0f, h / 2.0f}}, {0.3f, h * 0.3f, 0.3f});
    c.paint(s.rasterize(w, h, 1.5f).blurred(1.0f), kWhite);
    c.paint(s.rasterize(w, h, 1.0f), kWhite, Blend::Screen);
    return c;
}

Canvas petal(int w, int h) {
    Canvas c(w, h);
    const Shape s = Shape::ellipse({w / 2.0f, h / 2.0f}, w * 0.42f, h * 0.3f) &
                    Shape::circle({w / 2.0f, h * 1.9f}, h * 1.62f);
    c.paint(s.rasterize(w, h, 1.2f), Fill::vertical(0, h, {{0, hex(0xffffff)}, {1, hex(0xf4e6d8)}}));
    return c;
}

struct Particle {
    const char* name;
    Canvas picture;
};

std::vector<Particle> particlePictures() {
    return {
        {"sparkle-star", sparkle(32, 4, 1.0f, 0.09f, 0.9f)},  // 0: treasure, emitter and menu sparkles
        {"sparkle-glow", sparkle(24, 4, 0.7f, 0.12f, 1.0f)},  // 1: bursts and trails
        {"sparkle-six", sparkle(32, 6, 0.8f, 0.1f, 0.7f)},    // 2: hint trails
        {"sparkle-dot", sparkle(16, 0, 0, 0, 1.0f)},          // 3: hint trails
        {"ring-small", ring(32, 0.6f, 1.6f)},                 // 4
        {"glitter", sparkle(16, 4, 1.0f, 0.14f, 0.6f)},       // 5
        {"splinter",
         splinter(28, 12, {{1, 7}, {6, 3}, {20, 2}, {27, 4}, {22, 7}, {9, 10}})},  // 6: breaking boards
        {"wood-chip", splinter(20, 16, {{2, 6}, {9, 2}, {18, 5}, {16, 13}, {7, 14}, {3, 11}})},  // 7
        {"sand-grains", grains(12, pal::kSand, 3u, false)},                                      // 8
        {"stone-chips", grains(14, pal::kStone, 5u, true)},                                      // 9
        {"dust-puff", cloud(24, hex(0xf4efe6), 0.9f, 7u)},       // 10: the thrown stone's trail
        {"light-flash", sparkle(96, 8, 0.95f, 0.05f, 1.0f)},     // 11: a cell revealed by a power-up
        {"smoke", cloud(48, hex(0xe8e4de), 0.75f, 9u)},          // 12
        {"gold-dust", grains(20, pal::kGoldLight, 13u, false)},  // 13
        {"streak", streak(32, 8)},                               // 14
        {"ring-wave", ring(64, 0.8f, 2.5f)},                     // 15
        {"petal", petal(16, 10)},                                // 16
        {"ember", sparkle(12, 0, 0, 0, 1.0f)},                   // 17
        {"sand-puff", cloud(48, hex(0xf0d9a8), 0.8f, 17u)},      // 18
        {"dust-cloud", cloud(128, hex(0xf3e2bf), 0.85f, 19u)},   // 19: dust of the rising pyramid
    };
}

}  // namespace

void genParticles(const Context& ctx) {
    const std::vector<Particle> pictures = particlePictures();
    DataText data;
    data.open("particles");
    data.number("i", static_cast<int>(pictures.size()) - 1);
    for (size_t k = 0; k < pictures.size(); ++k) {
        const std::string path = "gfx/particles/fx/" + std::to_string(k) + "-" + pictures[k].name + ".png";
        writePng(pictures[k].picture, ctx.out(path));
        data.text("p" + std::to_string(k), path);
    }
    data.close();
    data.write(ctx.out("data/particles.dat"));

    writeChipSheets(ctx);
}

}  // namespace gen
