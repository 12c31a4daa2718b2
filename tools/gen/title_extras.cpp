// Pictures of the secondary screens: the credits' night sky, the rules' parchment with its two
// explanations, and the framed panel the story screens share.
#include <string>

#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "backgrounds_art.h"
#include "paint/Canvas.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;
using namespace pal;

namespace {

constexpr int kW = 1024, kH = 768;

// A gold frame band `width` wide inside the w x h picture, lit from the top left.
void goldFrame(Canvas& c, int w, int h, float inset, float width) {
    const Shape outer = Shape::rect(inset, inset, w - 2 * inset, h - 2 * inset, 14);
    const Shape inner =
        Shape::rect(inset + width, inset + width, w - 2 * (inset + width), h - 2 * (inset + width), 8);
    Style s = goldStyle(0, static_cast<float>(h), 2.0f);
    s.shadow = Shadow{{3, 4}, 6, hex(0x1a0a02, 0.6f)};
    drawStyled(c, (outer - inner).field(w, h), s);
}

Canvas parchment(int w, int h, uint32_t seed) {
    Canvas c(w, h);
    c.paint(
        Shape::rect(0, 0, static_cast<float>(w), static_cast<float>(h)),
        Fill::radial({w * 0.4f, h * 0.35f}, static_cast<float>(w), Gradient{{0, kSandLight}, {1, kSand}}));
    Noise n(seed);
    c.paint(Shape::rect(0, 0, static_cast<float>(w), static_cast<float>(h)),
            Fill([&n](float x, float y) { return hex(0x8a5a2a, 0.10f * n.fbm(x / 90, y / 90, 4)); }));
    return c;
}

// A small picture stone: 5 x 5 cells with their clues; `cells` marks picture cells ('#'), uncovered ones
// ('o'), broken empty ones ('x') and covered ones ('.').
Canvas stone(const Font& font, const char* const rows[5], const char* const top[5],
             const char* const left[5]) {
    constexpr int cell = 52, ox = 110, oy = 110;
    Canvas c(400, 380);
    Style board;
    board.fill = Fill::vertical(oy - 6, oy + 5 * cell + 6, Gradient{{0, kStone}, {1, kStoneDark}});
    board.outline = 2;
    board.outlineFill = kOutline;
    board.shadow = Shadow{{4, 5}, 6, hex(0x1a0a02, 0.5f)};
    drawStyled(c, Shape::rect(ox - 6, oy - 6, 5 * cell + 12, 5 * cell + 12, 6).field(400, 380), board);
    for (int r = 0; r < 5; ++r)
        for (int col = 0; col < 5; ++col) {
            const char k = rows[r][col];
            const float x = ox + col * cell + 3.0f, y = oy + r * cell + 3.0f;
            Style s;
            s.outline = 1;
            s.outlineFill = kOutline;
            if (k == 'o')
                s.fill = Fill::vertical(y, y + cell, Gradient{{0, kGoldLight}, {1, kGoldDeep}});
            else if (k == 'x')
                s.fill = Fill::vertical(y, y + cell, Gradient{{0, hex(0x5a4a3c)}, {1, hex(0x3a2e24)}});
            else
                s.fill = Fill::vertical(y, y + cell, Gradient{{0, hex(0xc98a4e)}, {1, hex(0x8a5228)}});
            drawStyled(c, Shape::rect(x, y, cell - 6.0f, cell - 6.0f, 5).field(400, 380), s);
            if (k == 'x') {
                const Shape crack = Shape::line({x + 10, y + 10}, {x + cell - 16, y + cell - 16}, 3) |
                                    Shape::line({x + cell - 16, y + 10}, {x + 10, y + cell - 16}, 3);
                c.paint(crack, Fill(hex(0x1a120c)));
            }
        }
    Style digits;
    digits.fill = Fill(hex(0x2e1508));
    for (int i = 0; i < 5; ++i) {
        const std::string t = top[i], l = left[i];
        const float tw = font.advance(t, 26);
        drawStyled(c, font.field(400, 380, t, 26, {ox + i * cell + (cell - tw) / 2, oy - 16}), digits);
        const float lw = font.advance(l, 26);
        drawStyled(c, font.field(400, 380, l, 26, {ox - 18 - lw, oy + i * cell + 36.0f}), digits);
    }
    return c;
}

}  // namespace

void genScreenExtras(const Context& ctx) {
    // The credits: the night sky, calmer in the middle where the lines scroll.
    Canvas night = bg::starryNight();
    night.paint(
        Shape::rect(0, 0, kW, kH),
        Fill::radial({512, 384}, {420, 520}, Gradient{{0, hex(0x0d1533, 0.6f)}, {1, hex(0x0d1533, 0)}}));
    goldFrame(night, kW, kH, 10, 10);
    writeJpeg(night, ctx.out("gfx/gui/credits/credits.jpg"), 90);

    // The rules: a parchment with a gold frame; the text is drawn by the game.
    Canvas rules = parchment(kW, kH, 5);
    goldFrame(rules, kW, kH, 12, 12);
    writeJpeg(rules, ctx.out("gfx/gui/rulesScreen/back.jpg"), 90);
    const Font font(requireFont(kCondensedBold));
    const char* uncover[5] = {".ooo.", ".....", ".....", ".....", "....."};
    const char* top1[5] = {"1", "2", "2", "2", "1"};
    const char* left1[5] = {"3", "1 1", "5", "1", "1"};
    writePng(stone(font, uncover, top1, left1), ctx.out("gfx/gui/rulesScreen/pomoc1.png"));
    const char* broken[5] = {".ooo.", "x.x.x", ".....", ".....", "....."};
    writePng(stone(font, broken, top1, left1), ctx.out("gfx/gui/rulesScreen/pomoc2.png"));

    // The story screens' panel: a gold frame around an open middle.
    Canvas panel(kW, kH);
    goldFrame(panel, kW, kH, 24, 26);
    writePng(panel, ctx.out("gfx/story/panele.png"));
}

}  // namespace gen
