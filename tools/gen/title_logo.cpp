// The title screen's logo: the loading logo's gold lettering and ribbon, crowned by a winged picture stone
// whose gold cells show the figure 2, in a warm halo.
#include <algorithm>

#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Shape.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kW = 500, kH = 248;
constexpr float kCentreX = kW / 2.0f;
constexpr Vec2 kEmblem{kCentreX, 42};

// A soft warm halo behind the emblem.
void halo(Canvas& c) {
    c.paint(Mask(kW, kH, 1.0f),
            Fill::radial(kEmblem, Vec2{150, 60},
                         {{0, hex(0xfff0b0, 0.5f)}, {0.45f, hex(0xffd866, 0.18f)}, {1, hex(0xffd866, 0)}}));
}

// The picture stone in the middle of the wings: a gold-framed tile of 5 × 5 cells, the figure 2 in gold.
void pictureStoneEmblem(Canvas& c, Vec2 m, float size) {
    const float half = size / 2;
    Style frame = goldStyle(m.y - half, m.y + half, 2.5f);
    frame.shadow = Shadow{{2, 3}, 2.5f, hex(0x1a0a02, 0.5f)};
    drawStyled(c, Shape::rect(m.x - half, m.y - half, size, size, 7).field(kW, kH), frame);
    const float inner = size - 12, cell = inner / 5, x0 = m.x - inner / 2, y0 = m.y - inner / 2;
    Style stone;
    stone.fill = Fill::vertical(y0, y0 + inner, {{0, hex(0x6a5a50)}, {1, hex(0x3a302c)}});
    stone.outline = 1.0f;
    stone.outlineFill = pal::kOutline;
    const Field base = Shape::rect(x0, y0, inner, inner, 3).field(kW, kH);
    drawStyled(c, base, stone);
    innerShadow(c, base, 1.5f, 1.2f, hex(0x120804, 0.7f));
    const char* const two[5] = {".###.", "#...#", "..##.", ".#...", "#####"};
    Mask gold(kW, kH);
    for (int r = 0; r < 5; ++r)
        for (int col = 0; col < 5; ++col)
            if (two[r][col] == '#')
                Shape::rect(x0 + col * cell + 0.8f, y0 + r * cell + 0.8f, cell - 1.6f, cell - 1.6f, 1.2f)
                    .drawInto(gold);
    Style cells;
    cells.fill =
        Fill::vertical(y0, y0 + inner, {{0, pal::kGoldPale}, {0.5f, pal::kGoldLight}, {1, pal::kGold}});
    cells.bevel = Bevel{1.2f, 0.6f, 0.4f, true};
    cells.glow = Glow{3, hex(0xffd866, 0.5f), Blend::Screen};
    drawStyled(c, Field::fromMask(gold, 1), cells);
}

}  // namespace

void genTitleLogo(const Context& ctx) {
    const Font font(requireFont(kSerifBold));
    Canvas c(kW, kH);
    halo(c);
    drawRibbon(c, font,
               {.centreX = kCentreX,
                .top = 184,
                .bottom = 222,
                .half = 186,
                .arch = 5,
                .archHalfWidth = 250,
                .text = "Secrets of the Picture Stones",
                .textPx = 22});
    // The title as large as the width allows, capitals and the 2 taller than the rest.
    const float big = 88, small = 68;
    std::vector<LogoPiece> title{{"T", big}, {"azmira ", small}, {"Z", big}, {"erav ", small}, {"2", big}};
    const float fit = std::min(1.0f, (kW - 24) / piecesWidth(font, title, 1.2f));
    for (LogoPiece& p : title) p.px *= fit;
    const float baseline = 162, capTop = baseline - 0.68f * big * fit - 12;
    const Field letters = archedText(
        font, title,
        {.centreX = kCentreX, .baseline = baseline, .tracking = 1.2f, .arch = 12, .halfWidth = 260}, kW, kH);
    Style ts = goldStyle(capTop, baseline + 4, 4.0f);
    ts.shadow = Shadow{{3, 5}, 4.5f, hex(0x1a0a02, 0.6f)};
    ts.glow = Glow{9, hex(0x1a0a02, 0.35f), Blend::Over};
    drawStyled(c, letters, ts);
    // A gleam on the upper left of the first capital, where the light falls.
    const float firstX = kCentreX - piecesWidth(font, title, 1.2f) / 2;
    c.paint(Shape::star({firstX + 10, capTop + 16}, 4, 11, 1.8f).rasterize(kW, kH, 1.0f), hex(0xffffff, 0.9f),
            Blend::Screen);
    drawWings(c, kEmblem, 0.95f);
    pictureStoneEmblem(c, kEmblem, 56);
    writePng(c, ctx.out("gfx/gui/mainMenu/en/logo.png"));
}

}  // namespace gen
