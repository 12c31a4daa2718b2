// The treasures under the picture cells: their pictures on a cell and in the chest, and "data/tresures.dat".
#include <algorithm>
#include <string>

#include "Entries.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "tiles_art.h"

namespace gen {

using namespace paint;
using namespace tiles;

namespace tiles {

const std::vector<TreasureKind>& treasureKinds() {
    static const std::vector<TreasureKind> kinds = {
        {1, "ruby", drawRuby},         {2, "emerald", drawEmerald}, {3, "sapphire", drawSapphire},
        {4, "amethyst", drawAmethyst}, {5, "topaz", drawTopaz},     {6, "diamond", drawDiamond},
        {7, "coins", drawCoins},       {8, "scarab", drawScarab},   {9, "ankh", drawAnkh},
        {10, "cat-idol", drawCatIdol},
    };
    return kinds;
}

void treasurePart(Canvas& c, const Shape& s, const Fill& fill, float d, float depth, bool shadow) {
    Style st;
    st.fill = fill;
    st.outline = std::clamp(0.03f * d, 0.6f, 1.4f);
    st.outlineFill = pal::kOutline;
    if (depth > 0) st.bevel = Bevel{depth, 0.5f, 0.45f, true};
    if (shadow) st.shadow = Shadow{{0.04f * d, 0.06f * d}, 0.03f * d + 0.4f, hex(0x1a0d05, 0.45f)};
    drawStyled(c, s.field(c.width(), c.height()), st);
}

Fill goldFill(Vec2 m, float r) {
    return Fill::radial(
        m + Vec2{-0.35f * r, -0.4f * r}, 1.5f * r,
        {{0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.65f, pal::kGold}, {1, pal::kGoldDeep}});
}

void glint(Canvas& c, Vec2 p, float r, float strength) {
    const int w = c.width(), h = c.height();
    c.paint(Mask(w, h, 1.0f),
            Fill::radial(p, r * 0.7f, {{0, hex(0xffffff, 0.6f * strength)}, {1, kTransparent}}),
            Blend::Screen);
    c.paint(Shape::star(p, 4, r, 0.16f * r).rasterize(w, h, 1.0f), hex(0xffffff, 0.95f * strength),
            Blend::Screen);
}

}  // namespace tiles

namespace {

// The chest pictures are a little larger than a cell, so that small grids still fill the chest visibly.
constexpr int kNormalSizes[5] = {56, 44, 38, 32, 28};

// On a cell: the object on a warm gleam that lifts it off the coloured stone below.
Canvas onCell(const TreasureKind& k, int s) {
    Canvas c(s, s);
    const Vec2 m{s / 2.0f, s / 2.0f};
    c.paint(Mask(s, s, 1.0f),
            Fill::radial(m, 0.5f * s,
                         {{0, hex(0xfff3c4, 0.8f)}, {0.5f, hex(0xffd866, 0.35f)}, {1, kTransparent}}));
    k.draw(c, m, 0.78f * s);
    return c;
}

Canvas inChest(const TreasureKind& k, int n) {
    Canvas c(n, n);
    k.draw(c, {n / 2.0f, n / 2.0f}, 0.86f * n);
    return c;
}

}  // namespace

void genTreasures(const Context& ctx) {
    DataText data;
    data.open("tresures");
    data.number("i", static_cast<int>(treasureKinds().size()));
    for (const TreasureKind& k : treasureKinds()) {
        data.open("t" + std::to_string(k.id));
        data.number("id", k.id);
        data.number("frames", kTreasureFrames);
        const std::string base = "gfx/tresures/" + std::to_string(k.id) + "-" + k.name;
        for (int j = 0; j < 5; ++j) {
            const std::string path = base + "-normal-" + std::to_string(kSizes[j]) + ".png";
            writePng(inChest(k, kNormalSizes[j]), ctx.out(path));
            data.text("normal" + std::to_string(j), path);
        }
        for (int j = 0; j < 5; ++j) {
            const std::string path = base + "-" + std::to_string(kSizes[j]) + ".png";
            writePng(onCell(k, kSizes[j]), ctx.out(path));
            data.text("img" + std::to_string(j), path);
        }
        data.close();
    }
    data.close();
    data.write(ctx.out("data/tresures.dat"));
}

}  // namespace gen
