// The covers that hide the cells: a nailed wooden board and a carved sandstone slab, with their break strips.
#include <cmath>
#include <string>

#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;
using tiles::tileBody;

namespace {

constexpr Color kSeamShadow = hex(0x1a0d05, 0.5f);

// Warm wood with streaks of grain running across, a little different on every plank.
Fill woodGrain(int s, uint32_t seed) {
    const Noise n(seed);
    const float fs = static_cast<float>(s);
    const Gradient wood{{0, hex(0x6a3a18)}, {0.45f, hex(0xa4652f)}, {1, hex(0xd49a5c)}};
    return Fill([=](float x, float y) {
        const float warp = n.fbm(x * 2.2f / fs, y * 9.0f / fs, 3);
        const float streak = 0.5f + 0.5f * std::sin((y / fs * 22.0f + warp * 6.0f) * 1.3f);
        const float light = 1.0f - (x + 1.25f * y) / (2.25f * fs);
        return wood.at(0.25f + 0.35f * streak + 0.35f * light + (n.value(x * 0.7f, y * 0.2f) - 0.5f) * 0.15f);
    });
}

// A round iron nail head.
void nail(Canvas& c, Vec2 p, float r) {
    const int s = c.width();
    Style st;
    st.fill = Fill::radial(p + Vec2{-0.35f * r, -0.4f * r}, 1.4f * r,
                           {{0, hex(0xd8d2c8)}, {0.5f, hex(0x8a8278)}, {1, hex(0x3e3832)}});
    st.outline = std::max(0.5f, 0.3f * r);
    st.outlineFill = pal::kOutline.fade(0.8f);
    st.shadow = Shadow{{0.6f, 0.7f}, 0.5f, hex(0x1a0d05, 0.5f)};
    drawStyled(c, Shape::circle(p, r).field(s, s), st);
}

// A slab of soft sandstone: a mottled face, grains, a chiselled edge and a sun disc carved in the middle.
Canvas sandstoneSlab(int s) {
    const float fs = static_cast<float>(s);
    Canvas c(s, s);
    const Shape body = tileBody(s);
    const Field f = body.field(s, s);
    const Mask cover = f.coverage();
    dropShadow(c, cover, {1, 1}, 0.6f, kSeamShadow);
    const Noise n(31u);
    const Gradient stone{{0, hex(0xf0cf96)}, {0.5f, hex(0xd4a66b)}, {1, hex(0xa8743f)}};
    Canvas face(s, s);
    face.paint(cover, Fill([=](float x, float y) {
                   const float t = (x + 1.25f * y) / (2.25f * fs);
                   return stone.at(t + (n.fbm(x * 5 / fs, y * 5 / fs, 4) - 0.5f) * 0.35f);
               }));
    Rng rng(57u + s);
    Mask dark(s, s), light(s, s);
    for (int i = 0; i < s * 2; ++i) {
        const Vec2 p{rng.range(0.08f, 0.92f) * fs, rng.range(0.08f, 0.92f) * fs};
        Shape::circle(p, rng.range(0.25f, 0.6f) * std::max(1.0f, fs / 40.0f)).drawInto(i % 3 ? dark : light);
    }
    face.paint(dark, hex(0x8a5a2c, 0.45f), Blend::Inside);
    face.paint(light, hex(0xfff3d6, 0.5f), Blend::Inside);

    // The carving: a groove lit on its lower right rim and shaded on its upper left.
    const Vec2 m{fs / 2, fs / 2};
    const float w = std::max(1.0f, 0.07f * fs);
    Shape carving = Shape::circle(m, 0.24f * fs).outline(w);
    if (s >= 30) {
        carving = carving | Shape::circle(m, 0.06f * fs);
        for (int i = 0; i < 8; ++i) {
            const float a = 22.5f + 45.0f * i;
            carving = carving | Shape::line(polar(m, 0.33f * fs, a), polar(m, 0.39f * fs, a), w * 0.8f);
        }
    }
    face.paint(carving.moved({0.8f, 0.9f}).rasterize(s, s, 1.1f), hex(0xfff0cc, 0.75f), Blend::Inside);
    face.paint(carving.rasterize(s, s, 1.1f), hex(0x7a4a20, 0.75f), Blend::Inside);

    bevel(face, f, Bevel{0.14f * fs, 0.55f, 0.55f, false});
    face.paint(f.band(-0.9f, 0.2f), pal::kOutline.fade(0.6f), Blend::Inside);
    c.draw(face, 0, 0);
    return c;
}

void writeCover(const Context& ctx, tiles::DataText& data, int n, const std::string& name,
                Canvas (*make)(int), const tiles::Shatter& how) {
    data.open("th" + std::to_string(n));
    data.number("id", n);
    for (int j = 0; j < 5; ++j) {
        const int s = tiles::kSizes[j];
        const std::string path = "gfx/tiles/hide/" + name + "-" + std::to_string(s) + ".png";
        tiles::Shatter h = how;
        h.seed = how.seed * 31u + s;
        writePng(tiles::strip(tiles::shatter(make(s), tiles::kCoverFrames, h)), ctx.out(path));
        data.text("Img" + std::to_string(j), path);
    }
    data.number("Frames", tiles::kCoverFrames);
    data.close();
}

}  // namespace

// One nailed board per cell, so the grid reads as rows and columns of cells: grain running across, a
// bevel lit from the top left, and a nail in each corner (two at the middle of the sides when small).
Canvas woodBoard(int s) {
    const float fs = static_cast<float>(s);
    Canvas c(s, s);
    const Shape body = tileBody(s);
    dropShadow(c, body.rasterize(s, s), {1, 1}, 0.6f, kSeamShadow);
    const Field f = body.field(s, s);
    Canvas p(s, s);
    p.paint(f.coverage(), woodGrain(s, 3u));
    bevel(p, f, Bevel{0.12f * fs, 0.45f, 0.55f, true});
    p.paint(f.band(-0.9f, 0.2f), pal::kOutline.fade(0.75f), Blend::Inside);
    c.draw(p, 0, 0);
    const float r = std::max(1.0f, 0.045f * fs);
    if (s >= 30) {
        for (float y : {0.2f * fs, 0.8f * fs})
            for (float x : {0.2f * fs, 0.8f * fs}) nail(c, {x, y}, r);
    } else if (s >= 24) {
        for (float x : {0.18f * fs, 0.82f * fs}) nail(c, {x, fs / 2}, r);
    }
    return c;
}

namespace tiles {

void writeCovers(const Context& ctx) {
    DataText data;
    data.open("tilesHide");
    data.number("i", 2);
    Shatter wood;
    wood.pieces = 7;
    wood.grain = 2.6f;
    wood.spin = 40.0f;
    wood.seed = 3u;
    writeCover(ctx, data, 1, "wood", woodBoard, wood);
    Shatter stone;
    stone.pieces = 8;
    stone.spin = 25.0f;
    stone.spread = 0.28f;
    stone.crack = hex(0x4a2a10, 0.85f);
    stone.seed = 9u;
    writeCover(ctx, data, 2, "sandstone", sandstoneSlab, stone);
    data.close();
    data.write(ctx.out("data/tilesHide.dat"));
}

}  // namespace tiles

}  // namespace gen
