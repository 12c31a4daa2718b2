// The tile kinds: glazed picture stones and their cracked variants, the empty cell's floor, the marker.
#include <cmath>

#include "paint/Effects.h"
#include "paint/Noise.h"
#include "tiles_art.h"

namespace gen::tiles {

const std::vector<StoneKind>& stoneKinds() {
    static const std::vector<StoneKind> kinds = {
        {1, "terracotta", hex(0xc2593a)}, {2, "gold", hex(0xf2b134)},   {3, "turquoise", hex(0x2cc3b5)},
        {4, "lapis", hex(0x24428f)},      {5, "sand", hex(0xe8c58a)},   {6, "olive", hex(0x7f8a36)},
        {7, "ivory", hex(0xf3ead2)},      {8, "umber", hex(0x5e3a22)},  {9, "ebony", hex(0x2b2724)},
        {10, "carmine", hex(0xb82a2e)},   {11, "sky", hex(0x6cb4e4)},   {12, "malachite", hex(0x3f9a55)},
        {13, "amber", hex(0xec8b2c)},     {14, "stone", hex(0x9c958b)}, {15, "amethyst", hex(0x7d4f9e)},
    };
    return kinds;
}

namespace {

constexpr Color kSeamShadow = hex(0x1a0d05, 0.45f);

// A glazed stone of colour `base` in the outline `body`: lit from the top left, faintly mottled, with a
// sheen and a bright glint along its upper left corner when `gloss` is high.
Canvas glazed(const Shape& body, Color base, int s, uint32_t seed, float gloss) {
    Canvas c(s, s);
    const Field f = body.field(s, s);
    const Mask cover = f.coverage();
    dropShadow(c, cover, {1, 1}, 0.6f, kSeamShadow);
    Canvas face(s, s);
    const Gradient g{{0, lighter(base, 0.18f)}, {0.5f, base}, {1, darker(base, 0.22f)}};
    const Noise n(seed);
    const float fs = static_cast<float>(s);
    face.paint(cover, Fill([=](float x, float y) {
                   const Color col = g.at((x + 1.25f * y) / (2.25f * fs));
                   const float v = (n.fbm(x * 4 / fs, y * 4 / fs, 3) - 0.5f) * 0.12f;
                   return v > 0 ? lighter(col, v) : darker(col, -v);
               }));
    bevel(face, f, Bevel{0.17f * s, 0.5f, 0.5f, true});
    face.paint(cover,
               Fill::radial({0.26f * s, 0.22f * s}, 0.6f * s,
                            {{0, hex(0xffffff, 0.32f * gloss)}, {1, hex(0xffffff, 0.0f)}}),
               Blend::Screen);
    if (s >= 24 && gloss > 0.5f) {
        const Shape glint = Shape::stroke(
            {{0.17f * s, 0.45f * s}, {0.19f * s, 0.25f * s}, {0.25f * s, 0.19f * s}, {0.45f * s, 0.17f * s}},
            {0.01f * s, 0.045f * s, 0.045f * s, 0.01f * s});
        face.paint(glint.rasterize(s, s, 1.4f), hex(0xffffff, 0.55f * gloss), Blend::Screen);
    }
    face.paint(f.band(-0.9f, 0.2f), darker(base, 0.55f).fade(0.6f), Blend::Inside);
    c.draw(face, 0, 0);
    return c;
}

}  // namespace

Canvas pictureStone(const StoneKind& k, int s) {
    return glazed(tileBody(s), k.color, s, 40u + k.id, 1.0f);
}

// Dulled and cracked from a blow just off the centre, with a corner broken away.
Canvas brokenStone(const StoneKind& k, int s) {
    Rng rng(900u + k.id * 13u + s);
    const float fs = static_cast<float>(s);
    const Shape chip = Shape::polygon({{0.55f * fs, fs + 1},
                                       {0.64f * fs, 0.9f * fs},
                                       {0.76f * fs, 0.87f * fs},
                                       {0.84f * fs, 0.74f * fs},
                                       {0.92f * fs, 0.7f * fs},
                                       {fs + 1, 0.6f * fs},
                                       {fs + 1, fs + 1}});
    const Shape nick = Shape::polygon(
        {{-1, 0.3f * fs}, {0.08f * fs, 0.34f * fs}, {0.1f * fs, 0.42f * fs}, {-1, 0.48f * fs}});
    const Color dull = darker(mixOklab(k.color, pal::kStone, 0.3f), 0.12f);
    Canvas c = glazed(tileBody(s) - chip - nick, dull, s, 40u + k.id, 0.35f);
    const Vec2 impact{fs * rng.range(0.42f, 0.58f), fs * rng.range(0.4f, 0.55f)};
    const Color dark = darker(k.color, 0.75f).withAlpha(0.9f);
    crackLines(c, impact, 5, std::max(1.0f, 0.06f * fs), dark, 77u + k.id);
    const Shape crater = Shape::circle(impact, std::max(1.2f, 0.09f * fs));
    c.paint(crater.rasterize(s, s, 1.2f), Fill::radial(impact, 0.09f * fs, {{0, dark}, {1, dark.fade(0.6f)}}),
            Blend::Inside);
    return c;
}

Canvas floorPiece(int s) {
    Canvas c = glazed(tileBody(s), pal::kSand, s, 7u, 0.0f);
    // Grains of darker and lighter sand, then the whole piece kept faint: it is only ever glimpsed.
    Rng rng(11u + s);
    Mask dark(s, s), light(s, s);
    for (int i = 0; i < s; ++i) {
        const Vec2 p{rng.range(0.12f, 0.88f) * s, rng.range(0.12f, 0.88f) * s};
        Shape::circle(p, rng.range(0.4f, 0.9f) * s / 50.0f + 0.3f).drawInto(i % 3 == 0 ? light : dark);
    }
    c.paint(dark, pal::kSandDark.fade(0.7f), Blend::Inside);
    c.paint(light, pal::kSandLight.fade(0.8f), Blend::Inside);
    c.clip(Mask(s, s, 0.7f));
    return c;
}

std::vector<Canvas> floorBroken(int s, int frames) {
    Shatter how;
    how.pieces = 6;
    how.crackFrames = 1;
    how.seed = 5u + s;
    how.crack = hex(0x6b4a2a, 0.8f);
    return shatter(floorPiece(s), frames, how);
}

// A pale diamond in a soft glow; the game adds it onto a cell at half strength.
Canvas markerDot(int s) {
    Canvas c(s, s);
    const Vec2 m{s / 2.0f, s / 2.0f};
    const float fs = static_cast<float>(s);
    c.paint(Mask(s, s, 1.0f),
            Fill::radial(m, 0.32f * fs,
                         {{0, hex(0xfff3c4, 0.6f)}, {0.5f, hex(0xffd866, 0.2f)}, {1, kTransparent}}));
    const Shape diamond = Shape::regular(m, 4, 0.15f * fs + 0.6f);
    c.paint(diamond.rasterize(s, s, 1.1f), hex(0xfffbea));
    c.paint(diamond.outline(std::max(0.8f, 0.03f * fs)).rasterize(s, s, 1.1f), hex(0xffd866, 0.8f));
    return c;
}

// A white frame along the cell's edge with a soft glow inside; the game tints it.
Canvas hoverFrame(int s) {
    Canvas c(s, s);
    const Field f = tileBody(s).field(s, s);
    const float width = std::max(1.4f, 0.06f * s);
    Mask glow(s, s);
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x) {
            const float t = clamp01(1.0f + f.at(x, y) / (0.3f * s));
            glow.at(x, y) = f.at(x, y) > 0 ? 0.0f : t * t * 0.45f;
        }
    c.paint(glow, kWhite);
    c.paint(f.band(-width, 0.3f), kWhite);
    return c;
}

}  // namespace gen::tiles
