// The title logo of the loading screen: an arched gold title, a winged turquoise gem and a subtitle ribbon.
#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;

void genLoadingLogo(const Context& ctx) {
    constexpr int kW = 640, kH = 260;
    constexpr float kCentreX = kW / 2.0f;
    const Font title(requireFont(kSerifBold));
    Canvas c(kW, kH);
    drawRibbon(c, title,
               {.centreX = kCentreX,
                .top = 178,
                .bottom = 218,
                .half = 218,
                .arch = 6,
                .archHalfWidth = 300,
                .text = "Secrets of the Picture Stones",
                .textPx = 23});
    const Field letters = archedText(
        title, {{"T", 94}, {"azmira ", 74}, {"Z", 94}, {"erav ", 74}, {"2", 94}},
        {.centreX = kCentreX, .baseline = 156, .tracking = 1.5f, .arch = 14, .halfWidth = 320}, kW, kH);
    Style ts = goldStyle(76, 160, 4.5f);
    ts.shadow = Shadow{{3, 5}, 4.5f, hex(0x1a0a02, 0.6f)};
    ts.glow = Glow{9, hex(0x1a0a02, 0.35f), Blend::Over};
    drawStyled(c, letters, ts);
    drawWings(c, {kCentreX, 34}, 1);
    drawGem(c, {kCentreX, 34}, 1);
    writePng(c, ctx.out("gfx/gui/loading/en/logo.png"));
}

}  // namespace gen
