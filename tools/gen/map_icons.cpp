// The stage sheet's level icons: each kind of level pictured on the same gold-rimmed lapis tile.
#include <string>
#include <vector>

#include "Palette.h"
#include "SystemFonts.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen::map {

namespace {

// Painted at k times the icon's size and shrunk; every coordinate below is in icon pixels.
constexpr float k = 4;
constexpr int kIconW = 80, kIconH = 64;

Vec2 at(float x, float y) {
    return Vec2{x, y} * k;
}
Shape rect(float x, float y, float w, float h, float r) {
    return Shape::rect(x * k, y * k, w * k, h * k, r * k);
}
Shape circle(float x, float y, float r) {
    return Shape::circle(at(x, y), r * k);
}

// An icon part with a dark outline and a rounded bevel, at the icon's scale.
void piece(Canvas& c, const Shape& s, const Fill& fill, float outline = 0.9f, float depth = 1.6f) {
    hud::part(c, s, fill, outline * k, depth * k, 0.5f, 0.35f);
}

Fill radial(Vec2 light, float r, Color a, Color b) {
    return Fill::radial(at(light.x, light.y), r * k, {{0, a}, {1, b}});
}

// The shared backing: a rounded lapis tile in a gold rim, sunk under its rim and softly shadowed.
void tile(Canvas& c) {
    const Shape inside = rect(7, 6, 66, 52, 10);
    Style rim = hud::goldTrim(3 * k, 61 * k, 1.1f * k);
    rim.bevel = Bevel{2.2f * k, 0.7f, 0.45f, true};
    rim.shadow = Shadow{at(1, 1.5f), 1.5f * k, hex(0x1a0d05, 0.5f)};
    hud::styled(c, inside.grown(3 * k), rim, 4 * k);
    hud::Layer l(c, inside.bounds().expanded(2));
    const Field f = l.field(inside);
    l.canvas().paint(f.coverage(), l.local(Fill::radial(
                                       at(30, 20), 50 * k,
                                       {{0, hex(0x2c4f8e)}, {0.6f, pal::kBlueDeep}, {1, pal::kBlueNight}})));
    innerShadow(l.canvas(), f, 2.0f * k, 1.8f * k, hex(0x02040c, 0.8f));
    l.put(c);
}

// A 5 × 5 picture puzzle, a little pyramid filled in, with its clues beside and above it.
void picturePuzzle(Canvas& c) {
    const char* rows[] = {"00100", "01110", "11111", "01010", "11011"};
    const char* rowClues[] = {"1", "3", "5", "1 1", "2 2"};
    const char* colClues[] = {"1", "4", "3", "4", "1"};
    constexpr float x0 = 31, y0 = 19, cell = 7;
    piece(c, rect(x0, y0, 5 * cell, 5 * cell, 1.5f),
          Fill::vertical(y0 * k, (y0 + 35) * k, {{0, hex(0xf8e8c2)}, {1, hex(0xe2c48e)}}), 0.8f, 0.8f);
    Mask grid(c.width(), c.height());
    for (int i = 1; i < 5; ++i) {
        Shape::line(at(x0 + i * cell, y0), at(x0 + i * cell, y0 + 5 * cell), 0.35f * k).drawInto(grid);
        Shape::line(at(x0, y0 + i * cell), at(x0 + 5 * cell, y0 + i * cell), 0.35f * k).drawInto(grid);
    }
    c.paint(grid, hex(0x8a5a2c, 0.7f));
    for (int r = 0; r < 5; ++r)
        for (int col = 0; col < 5; ++col)
            if (rows[r][col] == '1')
                piece(c, rect(x0 + col * cell + 0.8f, y0 + r * cell + 0.8f, cell - 1.6f, cell - 1.6f, 0.8f),
                      hud::gold((y0 + r * cell) * k, (y0 + r * cell + cell) * k), 0.4f, 0.7f);
    const Font font(requireFont(kCondensedBold));
    Mask digits(c.width(), c.height());
    constexpr float kPx = 6.5f * k;
    for (int i = 0; i < 5; ++i) {
        const std::string rc = rowClues[i];
        font.render(digits, rc, kPx, at(28 - font.advance(rc, kPx) / k, y0 + i * cell + 5.8f));
        const std::string cc = colClues[i];
        font.render(digits, cc, kPx, at(x0 + i * cell + 3.5f - font.advance(cc, kPx) / k / 2, 16.5f));
    }
    c.paint(digits, pal::kGoldPale);
}

// Coloured puzzle blocks stacked three, two, one, with speed streaks beside them.
void stackedBlocks(Canvas& c) {
    const Color colours[][2] = {{pal::kTurquoiseLight, pal::kTurquoiseDeep},
                                {pal::kGoldLight, pal::kGoldDeep},
                                {hex(0xf08a64), pal::kTerracottaDeep},
                                {hex(0x8fb0ff), pal::kBlue},
                                {hex(0xb8e07a), hex(0x3f7a2a)},
                                {hex(0xffb0c8), hex(0xa03a5a)}};
    constexpr float s = 13;
    int n = 0;
    for (int row = 0; row < 3; ++row)
        for (int i = 0; i < 3 - row; ++i) {
            const float x = 40 - (3 - row) * s / 2 + i * s + 3, y = 55 - (row + 1) * s;
            const auto& col = colours[n++];
            piece(c, rect(x + 0.4f, y + 0.4f, s - 0.8f, s - 0.8f, 2.5f),
                  radial({x + 3, y + 3}, s * 1.2f, col[0], col[1]), 0.8f, 2.0f);
            c.paint(rect(x + 3, y + 3, 3, 2, 1), hex(0xffffff, 0.6f), Blend::Screen);
        }
    Mask streaks(c.width(), c.height());
    for (float y : {22.0f, 28.0f, 34.0f})
        Shape::line(at(12, y), at(20 + (y == 28 ? 4.0f : 0.0f), y), 1.4f * k).drawInto(streaks);
    c.paint(streaks, pal::kTurquoiseLight.fade(0.7f));
}

// A night desert with a pyramid, and a magnifying glass finding a gem in the sand.
void magnifier(Canvas& c) {
    hud::Layer l(c, rect(7, 6, 66, 52, 10).bounds());
    const Shape inside = rect(7, 6, 66, 52, 10);
    Canvas& lc = l.canvas();
    lc.paint(l.mask(Shape::polygon({at(14, 44), at(26, 28), at(38, 44)})),
             l.local(Fill::vertical(28 * k, 44 * k, {{0, hex(0xffd08a)}, {1, hex(0xd0904a)}})));
    lc.paint(l.mask(Shape::polygon({at(26, 28), at(38, 44), at(29, 45)})), hex(0x6a3a3a));
    lc.paint(l.mask(Shape::ellipse(at(30, 62), 44 * k, 18 * k) & inside),
             l.local(Fill::vertical(44 * k, 58 * k, {{0, hex(0xd8a060)}, {1, hex(0x9a6034)}})));
    for (Vec2 p : {Vec2{16, 14}, Vec2{30, 11}, Vec2{52, 14}, Vec2{64, 22}, Vec2{20, 22}})
        lc.paint(l.mask(Shape::star(at(p.x, p.y), 4, 1.6f * k, 0.4f * k)), hex(0xfff6d8, 0.9f));
    l.put(c);
    const Vec2 m{44, 29};
    // The handle, then the lens: a brighter view with the gem, a gold rim and a glint.
    piece(c, Shape::line(at(54, 39), at(65, 51), 5.5f * k),
          Fill::linear(at(54, 39), at(65, 51), {{0, hex(0xb0703a)}, {1, hex(0x4a2410)}}), 0.9f, 1.5f);
    piece(c, Shape::line(at(52.5f, 37.5f), at(55.5f, 40.5f), 6.5f * k), hud::gold(36 * k, 42 * k), 0.8f,
          1.0f);
    const Shape lens = Shape::circle(at(m.x, m.y), 13 * k);
    c.paint(lens, Fill::radial(at(m.x - 4, m.y - 5), 16 * k,
                               {{0, hex(0xd0f4ff, 0.55f)}, {1, hex(0x6fa8d8, 0.3f)}}));
    c.paint(lens & Shape::ellipse(at(44, 60), 40 * k, 22 * k), hex(0xf0c080, 0.85f));
    piece(c, Shape::regular(at(m.x, m.y + 5), 6, 4.5f * k),
          radial({m.x - 1.5f, m.y + 3.5f}, 6, pal::kTurquoiseLight, pal::kTurquoiseDeep), 0.7f, 1.2f);
    Style rim = hud::goldTrim((m.y - 15) * k, (m.y + 15) * k, 0.9f * k);
    rim.bevel = Bevel{1.6f * k, 0.7f, 0.45f, true};
    rim.shadow = Shadow{at(0.8f, 1.2f), 1.0f * k, hex(0x02040c, 0.6f)};
    hud::styled(c, lens.grown(2.6f * k) - lens, rim, 3 * k);
    c.paint(Shape::stroke({polar(at(m.x, m.y), 9.5f * k, 200), polar(at(m.x, m.y), 9.5f * k, 235),
                           polar(at(m.x, m.y), 9.5f * k, 260)},
                          {1.4f * k}),
            hex(0xffffff, 0.75f), Blend::Screen);
}

// A jigsaw piece with two knobs out and two holes in.
void jigsaw(Canvas& c) {
    const Shape body = (rect(27, 17, 28, 28, 3) | circle(41, 14, 5.5f) | circle(58, 31, 5.5f)) -
                       circle(27, 31, 5) - circle(41, 45, 5);
    piece(c, body.rotated(-8, at(41, 31)), radial({32, 16}, 42, pal::kTurquoiseLight, pal::kTurquoiseDeep),
          1.0f, 3.0f);
    c.paint(Shape::ellipse(at(34, 22), 4 * k, 2.2f * k).rotated(-30, at(34, 22)), hex(0xffffff, 0.45f),
            Blend::Screen);
}

// Dim stepping stones with a glowing route drawn across them from a gem to a star.
void route(Canvas& c) {
    for (int r = 0; r < 3; ++r)
        for (int col = 0; col < 4; ++col)
            piece(c, rect(14 + col * 14, 13 + r * 14, 11, 11, 2.5f),
                  radial({16 + col * 14.0f, 15 + r * 14.0f}, 14, hex(0x3a5a9a), hex(0x1a2a5a)), 0.6f, 1.2f);
    const std::vector<Vec2> path{at(19.5f, 46.5f), at(19.5f, 32.5f), at(33.5f, 32.5f),
                                 at(47.5f, 32.5f), at(47.5f, 18.5f), at(61.5f, 18.5f)};
    const Mask line = Shape::stroke(path, {2.6f * k}).rasterize(c.width(), c.height());
    outerGlow(c, line, 3.0f * k, hex(0x8cf2e4, 0.9f), Blend::Screen);
    c.paint(line, pal::kTurquoiseLight);
    c.paint(Shape::stroke(path, {1.0f * k}), hex(0xffffff, 0.85f));
    piece(c, circle(19.5f, 46.5f, 3.5f), radial({18.5f, 45.5f}, 5, pal::kGoldLight, pal::kGoldDeep), 0.7f,
          1.0f);
    piece(c, Shape::star(at(61.5f, 18.5f), 5, 6 * k, 2.6f * k), hud::gold(12 * k, 25 * k), 0.7f, 1.0f);
}

// A parchment scroll rolled at both ends, lines of writing on it and a red wax seal with ribbons.
void scroll(Canvas& c) {
    piece(c, rect(24, 15, 32, 34, 1),
          Fill::vertical(15 * k, 49 * k, {{0, hex(0xfbf0d4)}, {1, hex(0xe2c48e)}}), 0.8f, 1.0f);
    Mask text(c.width(), c.height());
    for (int i = 0; i < 5; ++i) {
        const float y = 21 + i * 5.0f, w = i == 4 ? 12 : 22;
        Shape::line(at(29, y), at(29 + w, y), 0.9f * k).drawInto(text);
    }
    c.paint(text, hex(0x6a3a1a, 0.7f));
    const Gradient round{{0, hex(0xfff3d2)}, {0.4f, hex(0xf0d7a2)}, {1, hex(0x8a5a2c)}};
    for (float y : {13.0f, 51.0f}) {
        piece(c, rect(18, y - 4, 44, 8, 4), Fill::vertical((y - 4) * k, (y + 4) * k, round), 0.9f, 1.2f);
        for (float x : {18.0f, 62.0f})
            piece(c, circle(x, y, 3.2f), radial({x - 1, y - 1}, 4, hex(0xb0703a), hex(0x3a1d0c)), 0.7f, 1.0f);
    }
    piece(c,
          Shape::polygon({at(49, 44), at(46, 56), at(49.5f, 53), at(52, 56)}) |
              Shape::polygon({at(53, 44), at(55, 56), at(57.5f, 53), at(59, 55)}),
          hex(0xb03a2a), 0.6f, 0.6f);
    piece(c, Shape::star(at(53, 43), 10, 6.3f * k, 5.3f * k),
          radial({51, 41}, 8, hex(0xe0604a), hex(0x7a1a14)), 0.8f, 1.8f);
    c.paint(circle(53, 43, 2.5f).outline(0.6f * k), hex(0x5a1008, 0.6f));
}

}  // namespace

Canvas levelIcon(LevelKind kind) {
    Canvas c(static_cast<int>(kIconW * k), static_cast<int>(kIconH * k));
    tile(c);
    switch (kind) {
        case LevelKind::Picture:
            picturePuzzle(c);
            break;
        case LevelKind::Express:
            stackedBlocks(c);
            break;
        case LevelKind::Hidden:
            magnifier(c);
            break;
        case LevelKind::Inlay:
            jigsaw(c);
            break;
        case LevelKind::Route:
            route(c);
            break;
        case LevelKind::Story:
            scroll(c);
            break;
    }
    return c.downsampled(static_cast<int>(k));
}

}  // namespace gen::map
