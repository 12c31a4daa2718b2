// The window icon: the logo's winged gem on a deep-blue tile with a gold rim.
#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Shape.h"

namespace gen {

using namespace paint;

void genIcon(const Context& ctx) {
    // Painted four times larger and box-averaged, so the small picture keeps clean edges.
    constexpr int kScale = 4, kSize = 128 * kScale;
    constexpr float S = kScale;
    Canvas c(kSize, kSize);
    const Shape tile = Shape::rect(6 * S, 6 * S, 116 * S, 116 * S, 24 * S);
    Style back;
    back.fill = Fill::radial({44 * S, 36 * S}, 120 * S,
                             {{0, pal::kBlue}, {0.55f, pal::kBlueDeep}, {1, pal::kBlueNight}});
    back.outline = 4 * S;
    back.outlineFill = goldStyle(2 * S, 126 * S, 0).fill;
    back.shadow = Shadow{{1.5f * S, 2 * S}, 2 * S, hex(0x0a0502, 0.5f)};
    drawStyled(c, tile.field(kSize, kSize), back);
    // The wings (264 wide in the logo) span the tile with a margin; the gem is drawn large, so that it
    // still reads at 32 pixels.
    drawWings(c, {64 * S, 70 * S}, 0.42f * S);
    drawGem(c, {64 * S, 64 * S}, 1.35f * S);
    writePng(c.downsampled(kScale), ctx.out("gfx/icon.png"));
}

}  // namespace gen
