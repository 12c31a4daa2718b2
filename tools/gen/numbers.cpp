// The clue digits "gfx/numbers/<digit>-<size>.png": cream numerals with a dark brown outline, per tile size.
#include <algorithm>
#include <cmath>
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;

namespace {

// Per tile size: the inked height of a digit, how much its strokes are thickened, the outline width and the
// picture height.
struct DigitSize {
    int tile;
    int ink;
    float bold;
    float outline;
    int height;
};
constexpr DigitSize kDigitSizes[5] = {
    {50, 21, 0.6f, 2.0f, 28}, {36, 16, 0.5f, 1.7f, 22},  {30, 14, 0.45f, 1.6f, 20},
    {24, 12, 0.4f, 1.4f, 17}, {20, 10, 0.35f, 1.2f, 15},
};

// The game advances the pen by 0.8 of a digit picture's width, so every picture is a fifth wider than the
// room its numeral needs.
void writeDigits(const Context& ctx, const Font& font, const DigitSize& ds) {
    // The font size that makes the digits exactly `ink` pixels tall, so their tops and feet sit on whole
    // pixels.
    const Rect unit = font.inkBounds("0123456789", 100.0f);
    const float px = 100.0f * ds.ink / (unit.y1 - unit.y0);
    const Rect all = font.inkBounds("0123456789", px);
    const float baseline = std::round((ds.height - ds.ink) / 2.0f - 0.5f) - all.y0;

    for (char d = '0'; d <= '9'; ++d) {
        const std::string text(1, d);
        const Rect b = font.inkBounds(text, px);
        const float room = b.x1 - b.x0 + 2 * (ds.bold + ds.outline) + 1.5f;
        const int width = std::max(static_cast<int>(std::ceil(room / 0.8f)), ds.height * 3 / 5);
        const float left = std::round((width - (b.x1 - b.x0)) / 2.0f - 0.5f) - b.x0;
        Canvas c(width, ds.height);
        Style st;
        st.fill = Fill::vertical(baseline + all.y0, baseline + all.y1,
                                 {{0, hex(0xfffdf3)}, {0.55f, hex(0xfbeccb)}, {1, hex(0xe9c98e)}});
        st.outline = ds.outline;
        st.outlineFill = pal::kOutline;
        st.shadow = Shadow{{1.0f, 1.0f}, 0.5f, hex(0x1a0d05, 0.45f)};
        Field f = font.field(width, ds.height, text, px, {left, baseline});
        drawStyled(c, f.offset(ds.bold), st);
        writePng(c, ctx.out("gfx/numbers/" + text + "-" + std::to_string(ds.tile) + ".png"));
    }
}

}  // namespace

void genNumbers(const Context& ctx) {
    const Font font(requireFont(kRoundedBold));
    for (const DigitSize& ds : kDigitSizes) writeDigits(ctx, font, ds);
}

}  // namespace gen
