// The shared button pictures: menu plates in four sizes, round icon plates, check boxes, plus, minus and
// arrow buttons, and glows.
#include <algorithm>
#include <string>
#include <vector>

#include "Entries.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen {

using namespace paint;

namespace {

// The four looks of a four-frame button, in strip order.
enum class Look { Normal, Over, Pressed, Inactive };
constexpr Look kLooks[] = {Look::Normal, Look::Over, Look::Pressed, Look::Inactive};

constexpr Color kShadow = hex(0x1a0d05, 0.55f);

// The gold rim, or weathered stone for an inactive button.
Fill rimFill(Look look, float top, float bottom) {
    if (look == Look::Inactive)
        return Fill::vertical(top, bottom, {{0, hex(0xe2d6c2)}, {0.5f, hex(0xb3a690)}, {1, hex(0x7c705f)}});
    if (look == Look::Over)
        return Fill::vertical(
            top, bottom,
            {{0, hex(0xfffbe6)}, {0.3f, pal::kGoldPale}, {0.6f, pal::kGoldLight}, {1, pal::kGold}});
    return Fill::vertical(
        top, bottom,
        {{0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.62f, pal::kGold}, {1, pal::kGoldDeep}});
}

// The inner face: turquoise water, lighter under the mouse, deeper when pressed, grey sand when inactive.
Fill faceFill(Look look, float top, float bottom) {
    switch (look) {
        case Look::Over:
            return Fill::vertical(top, bottom,
                                  {{0, hex(0xc8fff6)}, {0.4f, pal::kTurquoiseLight}, {1, hex(0x1aa89b)}});
        case Look::Pressed:
            return Fill::vertical(top, bottom,
                                  {{0, hex(0x1b9d91)}, {0.55f, pal::kTurquoiseDeep}, {1, hex(0x0b4f4a)}});
        case Look::Inactive:
            return Fill::vertical(top, bottom, {{0, hex(0xc9bfae)}, {1, hex(0x8d8377)}});
        default:
            return Fill::vertical(
                top, bottom, {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    }
}

// The same colours as a dome lit from the top left.
Fill domeFill(Look look, Vec2 light, float radius) {
    switch (look) {
        case Look::Over:
            return Fill::radial(light, radius,
                                {{0, hex(0xd8fffa)}, {0.45f, pal::kTurquoiseLight}, {1, hex(0x1aa89b)}});
        case Look::Pressed:
            return Fill::radial(light, radius,
                                {{0, hex(0x1fa89b)}, {0.6f, pal::kTurquoiseDeep}, {1, hex(0x0b4f4a)}});
        case Look::Inactive:
            return Fill::radial(light, radius, {{0, hex(0xd6cdbd)}, {1, hex(0x857b6f)}});
        default:
            return Fill::radial(light, radius,
                                {{0, hex(0xa8f7ec)}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    }
}

// A terracotta face for the small plus and minus buttons.
Fill clayFill(Look look, float top, float bottom) {
    if (look == Look::Inactive) return faceFill(look, top, bottom);
    if (look == Look::Over)
        return Fill::vertical(top, bottom,
                              {{0, hex(0xf5a07a)}, {0.5f, hex(0xe07452)}, {1, pal::kTerracotta}});
    if (look == Look::Pressed)
        return Fill::vertical(top, bottom, {{0, pal::kTerracotta}, {1, hex(0x6a2619)}});
    return Fill::vertical(top, bottom,
                          {{0, hex(0xe58a66)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}});
}

// A plate: its outline and shape, a gold rim `rim` pixels wide, a sunken face with a glossy upper half.
// Pressed plates sit 2 pixels lower with a shorter shadow; plates under the mouse glow warmly.
void plate(Canvas& c, const Shape& outer, float rim, Look look, const Fill& face, float top, float bottom) {
    const int w = c.width(), h = c.height();
    const Vec2 drop = look == Look::Pressed ? Vec2{0, 2} : Vec2{0, 0};
    const Shape body = outer.moved(drop);
    Style rimStyle;
    rimStyle.fill = rimFill(look, top + drop.y, bottom + drop.y);
    rimStyle.outline = 1.5f;
    rimStyle.outlineFill = look == Look::Inactive ? hex(0x3c342d) : pal::kOutline;
    rimStyle.bevel = Bevel{2.5f, 0.65f, 0.4f, true};
    rimStyle.shadow =
        look == Look::Pressed ? Shadow{{0.5f, 1.0f}, 1.2f, kShadow} : Shadow{{1.5f, 2.5f}, 2.2f, kShadow};
    if (look == Look::Over) rimStyle.glow = Glow{3.5f, hex(0xffd866, 0.85f), Blend::Over};
    drawStyled(c, body.field(w, h), rimStyle);

    // The face, sunk into the rim: a dark seam, an inner shadow from the top left, a soft light below.
    const Shape inner = body.grown(-rim);
    const Field fi = inner.field(w, h);
    Canvas f(w, h);
    f.paint(fi.coverage(), face);
    innerShadow(f, fi, 2.0f, 1.6f, hex(0x052825, look == Look::Pressed ? 0.8f : 0.6f));
    innerGlow(f, fi, hex(0xffffff, look == Look::Inactive ? 0.1f : 0.22f), 3.0f);
    c.paint(fi.band(0, 1.2f), pal::kOutline.fade(look == Look::Inactive ? 0.5f : 0.75f));
    c.draw(f, 0, 0);

    // Gloss: a cap of light over the upper part with a rounded lower edge, fading downwards.
    const Rect r = inner.bounds();
    const float iw = r.x1 - r.x0, ih = r.y1 - r.y0;
    const Shape cap =
        Shape::ellipse({(r.x0 + r.x1) / 2, r.y0 + ih * 0.27f}, iw * 0.5f - ih * 0.12f, ih * 0.25f);
    const Shape gloss = inner.grown(-2.5f) & cap;
    const float strength = look == Look::Pressed ? 0.3f : look == Look::Inactive ? 0.35f : 0.75f;
    c.paint(
        gloss.rasterize(w, h, 1.3f),
        Fill::vertical(r.y0, r.y0 + ih * 0.52f, {{0, hex(0xffffff, strength)}, {1, hex(0xffffff, 0.05f)}}),
        Blend::Screen);
    // Light thrown back from below onto the lower edge of the face.
    const Shape bounce = inner.grown(-1.5f) - inner.moved({0, -3.0f});
    c.paint(bounce.rasterize(w, h, 2.0f), hex(0xffffff, look == Look::Inactive ? 0.1f : 0.22f),
            Blend::Screen);
}

// A small gold stud, a four-pointed diamond with a bright centre.
void stud(Canvas& c, Vec2 p, float size, Look look) {
    const int w = c.width(), h = c.height();
    Style s;
    s.fill = rimFill(look, p.y - size, p.y + size);
    s.outline = 1.0f;
    s.outlineFill = look == Look::Inactive ? hex(0x3c342d) : pal::kOutline;
    s.bevel = Bevel{1.5f, 0.6f, 0.35f, true};
    s.shadow = Shadow{{0.6f, 0.9f}, 0.8f, kShadow};
    drawStyled(c, Shape::star(p, 4, size, size * 0.42f).field(w, h), s);
    c.paint(Shape::circle(p + Vec2{-0.4f, -0.5f}, size * 0.22f).rasterize(w, h, 1.0f),
            hex(0xffffff, look == Look::Inactive ? 0.3f : 0.9f), Blend::Screen);
}

// Lays frames side by side into one strip.
Canvas strip(const std::vector<Canvas>& frames) {
    Canvas s(frames[0].width() * static_cast<int>(frames.size()), frames[0].height());
    for (size_t i = 0; i < frames.size(); ++i) s.draw(frames[i], static_cast<int>(i) * frames[0].width(), 0);
    return s;
}

// A menu plate w × h: a gold-rimmed turquoise pill with gold studs at both ends and a thin gold thread
// between them; the large one is 280 × 64, the smaller ones keep its proportions across.
Canvas menuPlate(Look look, int w, int h) {
    Canvas c(w, h);
    const float k = (h - 13) / 51.0f;  // 1 for the large plate
    const Shape outer = Shape::rect(7, 5, w - 15, h - 13, (h - 13) / 2.0f);
    plate(c, outer, 5.0f * std::max(0.8f, k), look, faceFill(look, 10, h - 12), 5, h - 8);
    const float dy = look == Look::Pressed ? 2.0f : 0.0f;
    const float studX = 7 + 20 * k;
    for (float x : {studX, w - 1 - studX}) stud(c, {x, 5 + (h - 13) / 2.0f + dy}, 6.0f * k, look);
    // A thin gold thread inside the face, from stud to stud.
    const float tx = 7 + 33 * k;
    const Shape thread = Shape::rect(tx, 5 + 9 * k + dy, w - 2 * tx - 1, 33 * k, 14 * k).outline(1.0f);
    c.paint(thread.rasterize(w, h, 1.2f),
            (look == Look::Inactive ? hex(0xeee4d2) : pal::kGoldLight).fade(0.45f));
    return c;
}

// The round icon plate: a gold ring around a turquoise dome; the icon is drawn over it by the game.
Canvas roundPlate(Look look) {
    constexpr int kS = 64;
    Canvas c(kS, kS);
    plate(c, Shape::circle({31, 30}, 26), 5.5f, look, domeFill(look, {26, 24}, 26), 4, 56);
    return c;
}

enum class Sign { Plus, Minus, Up, Down };

// A small round button with a plus, a minus or an arrow on terracotta.
Canvas signButton(Sign sign, Look look) {
    constexpr int kS = 44;
    Canvas c(kS, kS);
    plate(c, Shape::circle({21, 20}, 17.5f), 4.0f, look, clayFill(look, 6, 34), 2, 38);
    const Vec2 m{21, look == Look::Pressed ? 22.0f : 20.0f};
    Shape mark = Shape::rect(m.x - 8, m.y - 2.2f, 16, 4.4f, 2.2f);
    if (sign == Sign::Plus) mark = mark | Shape::rect(m.x - 2.2f, m.y - 8, 4.4f, 16, 2.2f);
    if (sign == Sign::Up || sign == Sign::Down) {
        const float s = sign == Sign::Up ? 1.0f : -1.0f;  // the tip points up or down
        mark = Shape::polygon({m + Vec2{-6.5f, 4.0f * s}, m + Vec2{6.5f, 4.0f * s}, m + Vec2{0, -6.0f * s}})
                   .grown(1.6f);
    }
    Style s;
    s.fill = Fill::vertical(m.y - 8, m.y + 8, {{0, hex(0xfffdf2)}, {1, pal::kSandLight}});
    s.outline = 1.4f;
    s.outlineFill = look == Look::Inactive ? hex(0x3c342d) : pal::kOutline;
    s.bevel = Bevel{1.5f, 0.3f, 0.35f, true};
    s.shadow = Shadow{{0.8f, 1.2f}, 0.9f, kShadow};
    drawStyled(c, mark.field(kS, kS), s);
    return c;
}

// A square check box: a gold frame around warm parchment, with a turquoise tick when checked.
Canvas checkBox(bool checked) {
    constexpr int kS = 40;
    Canvas c(kS, kS);
    const Shape box = Shape::rect(5, 6, 28, 28, 6);
    const Fill parchment = Fill::vertical(10, 30, {{0, hex(0xfff6dc)}, {1, pal::kSand}});
    plate(c, box, 4.0f, Look::Normal, parchment, 6, 34);
    if (checked) {
        // The tick overshoots the frame at the top right, as if written with a quick hand.
        const Shape tick = Shape::stroke({{11, 19}, {17, 26}, {32, 5}}, {4.2f, 5.0f, 3.0f});
        Style s;
        s.fill = Fill::vertical(
            5, 28, {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
        s.outline = 1.5f;
        s.outlineFill = hex(0x0b3a38);
        s.bevel = Bevel{1.8f, 0.5f, 0.35f, true};
        s.shadow = Shadow{{1.0f, 1.5f}, 1.0f, kShadow};
        drawStyled(c, tick.field(kS, kS), s);
    }
    return c;
}

// A soft warm glow for the glowing caption buttons, drawn added onto the screen.
Canvas glow(int w, int h, float rx, float ry) {
    Canvas c(w, h);
    const Vec2 m{w / 2.0f, h / 2.0f};
    Mask all(w, h, 1.0f);
    c.paint(all, Fill::radial(m, Vec2{rx, ry},
                              {{0, hex(0xfff1b8, 0.95f)},
                               {0.35f, hex(0xffd866, 0.7f)},
                               {0.7f, hex(0xf2b134, 0.25f)},
                               {1, hex(0xf2b134, 0.0f)}}));
    return c;
}

template <typename Make>
void writeSet(const Context& ctx, const std::string& name, Make make) {
    std::vector<Canvas> frames;
    for (Look look : kLooks) frames.push_back(make(look));
    writePng(frames[0], ctx.out("gfx/gui/buttons/" + name + ".png"));
    writePng(strip(frames), ctx.out("gfx/gui/buttons/" + name + "_4.png"));
}

}  // namespace

void genButtons(const Context& ctx) {
    writeSet(ctx, "menu", [](Look look) { return menuPlate(look, 280, 64); });
    writeSet(ctx, "menu-medium", [](Look look) { return menuPlate(look, 200, 56); });
    writeSet(ctx, "menu-small", [](Look look) { return menuPlate(look, 176, 50); });
    writeSet(ctx, "menu-narrow", [](Look look) { return menuPlate(look, 150, 50); });
    writeSet(ctx, "round", roundPlate);
    writeSet(ctx, "plus", [](Look look) { return signButton(Sign::Plus, look); });
    writeSet(ctx, "minus", [](Look look) { return signButton(Sign::Minus, look); });
    writeSet(ctx, "arrow-up", [](Look look) { return signButton(Sign::Up, look); });
    writeSet(ctx, "arrow-down", [](Look look) { return signButton(Sign::Down, look); });
    writePng(checkBox(false), ctx.out("gfx/gui/buttons/check_off.png"));
    writePng(checkBox(true), ctx.out("gfx/gui/buttons/check_on.png"));
    writePng(glow(296, 84, 146, 40), ctx.out("gfx/gui/buttons/glow.png"));
    writePng(glow(84, 84, 40, 40), ctx.out("gfx/gui/buttons/glow_round.png"));
}

}  // namespace gen
