// The clue digits "gfx/numbers/<digit>-<size>.png": cream numerals with a dark brown outline, per tile size.
#include <algorithm>
#include <cmath>
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;

namespace {

// Per tile size: the inked height of a digit, how much its strokes are thickened, the outline width, the
// picture height, and how much narrower than the font the digits are drawn.
struct DigitSize {
    int tile;
    int ink;
    float bold;
    float outline;
    int height;
    float squeeze;
};
// The digits fill their pictures: the light face of every digit is at least 15 pixels tall, so a
// two-digit clue, drawn at 0.8, still shows 12 pixels of it on the smallest cells. There the digits are
// squeezed and their outline is thinner, so that two-digit clues of neighbouring columns stay apart.
constexpr DigitSize kDigitSizes[5] = {
    {50, 22, 0.6f, 2.0f, 29, 1.0f},  {36, 18, 0.55f, 1.7f, 24, 1.0f}, {30, 16, 0.45f, 1.5f, 21, 1.0f},
    {24, 15, 0.5f, 1.0f, 19, 0.86f}, {20, 15, 0.5f, 0.9f, 19, 0.72f},
};

// The digit's distance field, its ink narrowed by `squeeze` about the picture's middle.
Field digitField(const Font& font, int w, int h, const std::string& text, float px, Vec2 pen, float squeeze) {
    constexpr int k = 4;
    Mask big(w * k, h * k);
    font.render(big, text, px * k, pen * k);
    if (squeeze != 1.0f) {
        const float mid = w * k / 2.0f;
        big = big.warped([&](Vec2 p) { return Vec2{mid + (p.x - mid) / squeeze, p.y}; });
    }
    return Field::fromMask(big, k);
}

// The game advances the pen by 0.8 of a digit picture's width, so every picture is a fifth wider than the
// room its numeral needs: its outlined glyph and a pixel between two digits.
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
        const float room = (b.x1 - b.x0) * ds.squeeze + 2 * (ds.bold + ds.outline) + 1.0f;
        const int width = std::max(static_cast<int>(std::ceil(room / 0.8f)), ds.height / 2);
        const float left = (width - (b.x1 - b.x0)) / 2.0f - b.x0;
        Canvas c(width, ds.height);
        Style st;
        st.fill = Fill::vertical(baseline + all.y0, baseline + all.y1,
                                 {{0, hex(0xfffdf3)}, {0.55f, hex(0xfbeccb)}, {1, hex(0xe9c98e)}});
        st.outline = ds.outline;
        st.outlineFill = pal::kOutline;
        st.shadow = Shadow{{1.0f, 1.0f}, 0.5f, hex(0x1a0d05, 0.45f)};
        Field f = digitField(font, width, ds.height, text, px, {left, baseline}, ds.squeeze);
        drawStyled(c, f.offset(ds.bold), st);
        writePng(c, ctx.out("gfx/numbers/" + text + "-" + std::to_string(ds.tile) + ".png"));
    }
}

}  // namespace

void genNumbers(const Context& ctx) {
    const Font font(requireFont(kCondensedBold));
    for (const DigitSize& ds : kDigitSizes) writeDigits(ctx, font, ds);
}

}  // namespace gen
