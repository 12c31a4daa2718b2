// The rules screen's two explanations, painted with the main game's own cells, cursors, rock and chest.
#include <string>
#include <vector>

#include "CursorArt.h"
#include "LogoArt.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "maingame_chest_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "paint/Text.h"
#include "rules_art.h"
#include "tiles_art.h"

namespace gen::rules {

using namespace paint;

namespace {

constexpr int kW = 400, kH = 360;
constexpr Color kShadow = hex(0x2e1508, 0.45f);

// A cell picture with the seam shadow the grid gives it.
void cell(Canvas& c, const Canvas& picture, float x, float y) {
    Mask m = picture.alpha().shifted(2, 2);
    m.blur(1.2f);
    Canvas shade(picture.width(), picture.height());
    shade.paint(m, kShadow);
    c.draw(shade, static_cast<int>(x), static_cast<int>(y));
    c.draw(picture, static_cast<int>(x), static_cast<int>(y));
}

// A cursor picture with a soft shadow, its hot spot at `at`.
void cursorAt(Canvas& c, const Canvas& picture, Vec2 hotSpot, Vec2 at) {
    Canvas shade(picture.width(), picture.height());
    Mask m = picture.alpha().shifted(3, 4);
    m.blur(2.0f);
    shade.paint(m, hex(0x1a0a02, 0.4f));
    const int x = static_cast<int>(at.x - hotSpot.x), y = static_cast<int>(at.y - hotSpot.y);
    c.draw(shade, x, y);
    c.draw(picture, x, y);
}

// A warm sand panel with a thin gold edge, like the number panels beside the grid.
void panel(Canvas& c, float x, float y, float w, float h) {
    Style s;
    s.fill = Fill::vertical(y, y + h, {{0, hex(0xfbeccb)}, {1, hex(0xe8cc98)}});
    s.outline = 2.0f;
    s.outlineFill = Fill::vertical(y, y + h, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}});
    s.bevel = Bevel{2.0f, 0.4f, 0.25f, true};
    s.shadow = Shadow{{2, 3}, 2.5f, kShadow};
    drawStyled(c, Shape::rect(x, y, w, h, 6).field(kW, kH), s);
}

// A clue number in dark brown, centred on `centre` (x) with its baseline at `baseline`.
void clue(Canvas& c, const Font& f, const std::string& t, float centreX, float baseline, Color col) {
    Style s;
    s.fill = col;
    const float w = f.advance(t, 24);
    drawStyled(c, f.field(kW, kH, t, 24, {centreX - w / 2, baseline}), s);
}

// A rounded frame of turquoise light marking what belongs together.
void highlight(Canvas& c, const Shape& s) {
    Mask glow = s.outline(4).rasterize(kW, kH, 1.0f);
    glow.blur(3);
    c.paint(glow, hex(0x2cc3b5, 0.55f));
    Style st;
    st.fill = Fill::vertical(0, kH, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoise}});
    st.outline = 1.0f;
    st.outlineFill = hex(0x0b3a38);
    drawStyled(c, s.outline(3).field(kW, kH), st);
}

// A short curved arrow of dashes from `a` to `b`, bowed upwards by `bow`.
void dashedArrow(Canvas& c, Vec2 a, Vec2 b, float bow) {
    const Vec2 mid = lerp(a, b, 0.5f) + Vec2{0, -bow};
    auto at = [&](float t) { return a * ((1 - t) * (1 - t)) + mid * (2 * t * (1 - t)) + b * (t * t); };
    Shape dashes = Shape::circle(a, 0);
    for (float t = 0.0f; t < 0.86f; t += 0.1f) dashes = dashes | Shape::line(at(t), at(t + 0.055f), 4);
    const Vec2 tip = at(1.0f), dir = normalize(tip - at(0.9f)), side{-dir.y, dir.x};
    dashes = dashes | Shape::polygon({tip, tip - dir * 16 + side * 9, tip - dir * 16 - side * 9});
    Style s;
    s.fill = Fill::vertical(0, kH, {{0, hex(0xe27a55)}, {1, pal::kTerracottaDeep}});
    s.outline = 1.2f;
    s.outlineFill = pal::kOutline;
    s.shadow = Shadow{{1.5f, 2}, 1.5f, kShadow};
    drawStyled(c, dashes.field(kW, kH), s);
}

}  // namespace

Canvas uncoveringPicture() {
    constexpr int kCell = 50;
    constexpr float gx = 128, gy = 100;
    const char* const solution[5] = {"..#..", ".###.", "#####", ".#.#.", "##.##"};
    const std::vector<std::string> cols[5] = {{"1", "1"}, {"4"}, {"3"}, {"4"}, {"1", "1"}};
    const std::vector<std::string> rows[5] = {{"1"}, {"3"}, {"5"}, {"1", "1"}, {"2", "2"}};
    const Font font(requireFont(kCondensedBold));
    Canvas c(kW, kH);
    panel(c, gx - 2, 14, 5 * kCell + 4, gy - 22);
    panel(c, 14, gy - 2, gx - 22, 5 * kCell + 4);
    const Color ink = hex(0x4a2410);
    for (int i = 0; i < 5; ++i) {
        for (size_t k = 0; k < cols[i].size(); ++k)
            clue(c, font, cols[i][k], gx + (i + 0.5f) * kCell, gy - 16 - 26.0f * (cols[i].size() - 1 - k),
                 ink);
        for (size_t k = 0; k < rows[i].size(); ++k)
            clue(c, font, rows[i][k], gx - 26 - 22.0f * (rows[i].size() - 1 - k), gy + i * kCell + 34, ink);
    }
    // The grid: covered boards, except the row of the clue "3", uncovered as gold picture stones.
    const tiles::StoneKind& gold = tiles::stoneKinds()[1];
    const Canvas board = woodBoard(kCell), stone = tiles::pictureStone(gold, kCell),
                 floor = tiles::floorPiece(kCell);
    for (int r = 0; r < 5; ++r)
        for (int col = 0; col < 5; ++col) {
            const bool open = r == 1;
            const Canvas& pic = !open ? board : solution[r][col] == '#' ? stone : floor;
            cell(c, pic, gx + col * kCell, gy + r * kCell);
        }
    // The clue and its three stones marked together.
    highlight(c, Shape::rect(gx - 48, gy + kCell + 6, 38, kCell - 12, 10));
    highlight(c, Shape::rect(gx + kCell + 3, gy + kCell + 3, 3 * kCell - 6, kCell - 6, 8));
    cursorAt(c, handPicture(2.2f), {4.4f, 4.4f}, {gx + 3.5f * kCell, gy + 1.6f * kCell});
    return c;
}

Canvas breakingPicture() {
    constexpr int kCell = 72, kGap = 44;
    Canvas c(kW, kH);
    // Above: a covered empty cell, the pick striking the next one's board to pieces, and the bare floor.
    const float y = 60, x0 = 36;
    tiles::Shatter how;
    how.pieces = 7;
    how.grain = 2.6f;
    how.spin = 40.0f;
    how.seed = 3u;
    const std::vector<Canvas> breaking = tiles::shatter(woodBoard(kCell), 8, how);
    const Canvas floor = tiles::floorPiece(kCell);
    cell(c, woodBoard(kCell), x0, y);
    cell(c, floor, x0 + kCell + kGap, y);
    c.draw(breaking[4], static_cast<int>(x0 + kCell + kGap), static_cast<int>(y));
    cell(c, floor, x0 + 2 * (kCell + kGap), y);
    // Motion marks behind the pick's head.
    Mask swish(kW, kH);
    for (int i = 0; i < 3; ++i)
        Shape::line({x0 + kCell + 74.0f + i * 9, y - 44.0f + i * 4},
                    {x0 + kCell + 96.0f + i * 9, y - 30.0f + i * 4}, 2.2f)
            .drawInto(swish);
    c.paint(swish, hex(0x7a4410, 0.6f));
    cursorAt(c, hookPicture(2.6f), {2.6f * 2.6f, 24.6f * 2.6f}, {x0 + 1.5f * kCell + kGap, y + 0.5f * kCell});

    // Below: the pick on a picture stone is a mistake; a stone flies at the treasure chest.
    const tiles::StoneKind& turquoise = tiles::stoneKinds()[2];
    const float by = 256, bx = 24;
    cell(c, tiles::pictureStone(turquoise, kCell), bx, by);
    const float e0 = 12, e1 = kCell - 12;
    const Shape cross = Shape::line({bx + e0, by + e0}, {bx + e1, by + e1}, 10) |
                        Shape::line({bx + e1, by + e0}, {bx + e0, by + e1}, 10);
    Style cs;
    cs.fill = Fill::vertical(by, by + kCell, {{0, hex(0xff6a50)}, {1, hex(0xb81e1e)}});
    cs.outline = 1.5f;
    cs.outlineFill = hex(0x3a0806);
    cs.shadow = Shadow{{2, 2}, 2, kShadow};
    drawStyled(c, cross.field(kW, kH), cs);
    // The chest, painted at twice its screen size, set here at about four fifths of it.
    Canvas chestPic(chest::kCanvasW, chest::kCanvasH);
    chest::paintOpenBack(chestPic, 2, false);
    chest::paintOpenFront(chestPic, 2);
    tiles::drawTransformed(c, chestPic, {0, 0}, {234, 200}, 0, 0.43f);
    dashedArrow(c, {bx + 0.7f * kCell, by - 8}, {246, by + 10}, 76);
    // The stone in flight, with a few streaks behind it.
    const Vec2 fly{152, by - 40};
    Mask streaks(kW, kH);
    for (int i = -1; i <= 1; ++i)
        Shape::line(fly + Vec2{-44, 14.0f + i * 9}, fly + Vec2{-22, 4.0f + i * 9}, 2.4f).drawInto(streaks);
    c.paint(streaks, hex(0x7a4410, 0.55f));
    const Canvas stoneThrown = tiles::rock(54);
    c.draw(stoneThrown, static_cast<int>(fly.x - 27), static_cast<int>(fly.y - 27));
    return c;
}

}  // namespace gen::rules
