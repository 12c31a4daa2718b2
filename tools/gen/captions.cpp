// The captions over the grid: gold score digits with their plus sign, and the praise and level-completed
// lettering "gfx/captions/txt/<language>/*.png".
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Entries.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;

namespace {

// ---------------------------------------------------------------- score digits

constexpr int kDigitInk = 20;     // inked height of a numeral
constexpr int kDigitHeight = 28;  // picture height: room for the outline and the shadow
constexpr float kDigitBold = 0.7f;
constexpr float kDigitOutline = 2.2f;

Style digitStyle(float top, float bottom) {
    Style st;
    st.fill = Fill::vertical(
        top, bottom,
        {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.6f, pal::kGold}, {1, pal::kGoldDeep}});
    st.outline = kDigitOutline;
    st.outlineFill = pal::kOutline;
    st.shadow = Shadow{{1.5f, 2.0f}, 1.2f, hex(0x1a0d05, 0.5f)};
    st.bevel = Bevel{2.0f, 0.6f, 0.35f, true};
    st.innerGlow = InnerGlow{1.2f, hex(0xfff6d8, 0.35f), Blend::Screen};
    return st;
}

// The popup advances by each picture's full width, so every numeral gets just its ink, its outline and a
// pixel of air on each side.
void writeDigits(const Context& ctx, const Font& font) {
    const Rect unit = font.inkBounds("0123456789", 100.0f);
    const float px = 100.0f * kDigitInk / (unit.y1 - unit.y0);
    const Rect all = font.inkBounds("0123456789", px);
    const float baseline = std::round((kDigitHeight - kDigitInk) / 2.0f - 1.0f) - all.y0;
    const float top = baseline + all.y0, bottom = baseline + all.y1;
    const float margin = kDigitBold + kDigitOutline + 1.0f;
    for (char d = '0'; d <= '9'; ++d) {
        const std::string text(1, d);
        const Rect b = font.inkBounds(text, px);
        const int width = static_cast<int>(std::ceil(b.x1 - b.x0 + 2 * margin + 1.5f));
        const float left = std::round((width - 1.5f - (b.x1 - b.x0)) / 2.0f) - b.x0;
        Canvas c(width, kDigitHeight);
        Field f = font.field(width, kDigitHeight, text, px, {left, baseline});
        drawStyled(c, f.offset(kDigitBold), digitStyle(top, bottom));
        writePng(c, ctx.out("gfx/captions/cyfry/" + text + ".png"));
    }

    // The plus sign: two rounded bars centred on the numerals' middle, a little lighter in weight.
    const int width = 22;
    const Vec2 m{width / 2.0f - 0.5f, std::round((top + bottom) / 2.0f)};
    const float arm = 7.0f, bar = 2.4f;
    const Shape plus = Shape::rect(m.x - arm, m.y - bar, 2 * arm, 2 * bar, bar) |
                       Shape::rect(m.x - bar, m.y - arm, 2 * bar, 2 * arm, bar);
    Canvas c(width, kDigitHeight);
    drawStyled(c, plus.field(width, kDigitHeight), digitStyle(m.y - arm, m.y + arm));
    writePng(c, ctx.out("gfx/captions/txt/plus.png"));
}

// ---------------------------------------------------------------- praise lettering

struct Word {
    const char* file;
    const char* text;
    bool flourish;  // the level-completed caption sits on a turquoise flourish
};
constexpr Word kWords[] = {
    {"magnificent", "Magnificent!", false},
    {"great", "Great!", false},
    {"fantastic", "Fantastic!", false},
    {"superb", "Superb!", false},
    {"level-completed", "Level completed!", true},
};

constexpr float kWordPx = 76.0f;
constexpr float kMaxInk = 455.0f;  // the longest caption is set smaller to stay this wide
constexpr float kMinInk = 250.0f;  // short words are set larger
constexpr float kPad = 26.0f;      // room for outline, glow and shadow
constexpr float kArch = 7.0f;
constexpr float kOutline = 5.0f;
constexpr float kTracking = 1.5f;

// Lettering on a gentle arch: the distance field of the text, its middle raised by kArch.
Field archedWord(const Font& font, const std::string& text, float px, int w, int h, float baseline) {
    constexpr int k = 4;
    const Rect ink = font.inkBounds(text, px, kTracking);
    const float pen = (w - ink.width()) / 2.0f - ink.x0;
    Mask big(w * k, h * k);
    font.render(big, text, px * k, Vec2{pen, baseline} * k, kTracking * k);
    const float half = w / 2.0f;
    big = big.warped([&](Vec2 p) {
        const float u = (p.x / k - half) / half;
        return Vec2{p.x, p.y + kArch * (1 - u * u) * k};
    });
    return Field::fromMask(big, k);
}

// A four-pointed sparkle in pale gold, a glint on the lettering.
void glint(Canvas& c, Vec2 at, float r) {
    const int w = c.width(), h = c.height();
    const Mask star = Shape::star(at, 4, r, r * 0.16f).rasterize(w, h, 1.0f);
    c.paint(Shape::circle(at, r * 0.7f).rasterize(w, h, r * 0.5f), hex(0xfff6d8, 0.45f), Blend::Screen);
    c.paint(star.blurred(1.2f), hex(0xffffff, 0.6f), Blend::Screen);
    c.paint(star, hex(0xfffbea, 0.95f), Blend::Screen);
}

// A turquoise scroll under the level-completed lettering: a tapering swash with a gem in the middle.
void flourish(Canvas& c, float cx, float y, float half) {
    const int w = c.width(), h = c.height();
    std::vector<Vec2> left, right;
    for (int i = 0; i <= 24; ++i) {
        const float t = i / 24.0f;
        const float x = half * t;
        const float dy = 5.0f * std::sin(t * kPi * 1.5f) * t;
        right.push_back({cx + 16 + x, y + dy});
        left.push_back({cx - 16 - x, y + dy});
    }
    const Shape swash = Shape::stroke(right, {7.0f, 5.0f, 1.2f}) | Shape::stroke(left, {7.0f, 5.0f, 1.2f});
    Style ss;
    ss.fill = Fill::vertical(y - 5, y + 8, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
    ss.outline = 1.6f;
    ss.outlineFill = pal::kBlueDeep;
    ss.shadow = Shadow{{2, 3}, 2.5f, hex(0x1a0a02, 0.5f)};
    drawStyled(c, swash.field(w, h), ss);
    const Shape gem = Shape::regular({cx, y + 1}, 4, 14);
    Style gs;
    gs.fill = Fill::radial({cx - 4, y - 4}, 18,
                           {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gs.outline = 1.8f;
    gs.outlineFill = pal::kBlueDeep;
    gs.shadow = Shadow{{2, 3}, 2.5f, hex(0x1a0a02, 0.5f)};
    gs.bevel = Bevel{3, 0.55f, 0.4f, false};
    drawStyled(c, gem.field(w, h), gs);
    c.paint(Shape::ellipse({cx - 4, y - 4}, 3.2f, 2.0f).rasterize(w, h, 1.0f), hex(0xffffff, 0.85f),
            Blend::Screen);
}

void writeWord(const Context& ctx, const Font& font, const Word& word) {
    const float natural = font.inkBounds(word.text, kWordPx, kTracking).width();
    float px = kWordPx;
    if (natural > kMaxInk) px *= kMaxInk / natural;
    if (natural < kMinInk) px *= kMinInk / natural;
    const Rect ink = font.inkBounds(word.text, px, kTracking);
    const int w = static_cast<int>(std::ceil(ink.width() + 2 * kPad));
    const float below = word.flourish ? 26.0f : 0.0f;
    const int h = static_cast<int>(std::ceil(ink.height() + kArch + 2 * kPad + below));
    const float baseline = std::round(kPad + kArch - ink.y0);
    const float top = baseline + ink.y0 - kArch, bottom = baseline + ink.y1;

    Canvas c(w, h);
    if (word.flourish) flourish(c, w / 2.0f, bottom + 16, ink.width() * 0.36f);

    Style st;
    st.fill = Fill::vertical(top, bottom,
                             {{0, pal::kGoldPale},
                              {0.3f, pal::kGoldLight},
                              {0.5f, pal::kGold},
                              {0.54f, hex(0xe9b45a)},
                              {0.8f, pal::kSand},
                              {1, pal::kSandDark}});
    st.outline = kOutline;
    st.outlineFill =
        Fill::vertical(top - kOutline, bottom + kOutline, {{0, pal::kBlueDeep}, {1, hex(0x3a1c0c)}});
    st.shadow = Shadow{{3, 5}, 4.5f, hex(0x1a0a02, 0.55f)};
    st.glow = Glow{8, hex(0x1a0a02, 0.3f), Blend::Over};
    st.bevel = Bevel{std::max(2.5f, px * 0.045f), 0.6f, 0.35f, true};
    st.innerGlow = InnerGlow{1.5f, hex(0xfff6d8, 0.35f), Blend::Screen};
    Field letters = archedWord(font, word.text, px, w, h, baseline);
    drawStyled(c, letters.offset(0.6f), st);

    // Glints on the first letter's top left and near the end, where the arch catches the light.
    glint(c, {kPad + ink.height() * 0.22f, top + ink.height() * 0.18f}, px * 0.16f);
    glint(c, {w - kPad - ink.height() * 0.45f, top + ink.height() * 0.3f}, px * 0.11f);
    writePng(c, ctx.out(std::string("gfx/captions/txt/en/") + word.file + ".png"));
}

}  // namespace

void genCaptions(const Context& ctx) {
    const Font digits(requireFont(kRoundedBold));
    writeDigits(ctx, digits);
    const Font lettering(requireFont(kSerifBold));
    for (const Word& w : kWords) writeWord(ctx, lettering, w);
}

}  // namespace gen
