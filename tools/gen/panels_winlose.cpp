// The level's end: the won level's panel with its coin dish, the lost level's panel with a broken lock, and
// the main game's tip balloon.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Path.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "panels_art.h"
#include "panels_border.h"

namespace gen {

using namespace paint;
using hud::styled;

namespace {

// A panel w × h in the frame of the pop-ups, its studs spread evenly from its middle.
Canvas framedPanel(int w, int h) {
    return borderedPanel({w, h, 13, 13, {w / 2.0f, h / 2.0f}});
}

// A shallow gold dish for the coins the level pays out: a rim set with turquoise beads, a bowl sloping down
// away from the light and a dark well in its middle that swallows the coins.
void coinDish(Canvas& c, Vec2 m, float r) {
    Style rim = hud::goldTrim(m.y - r, m.y + r, 1.2f);
    rim.shadow = Shadow{{2.0f, 3.0f}, 3.0f, hex(0x0a0302, 0.7f)};
    rim.bevel = Bevel{3.0f, 0.7f, 0.5f, true};
    styled(c, Shape::circle(m, r), rim, 8.0f);
    for (int i = 0; i < 8; ++i) {
        const Vec2 p = polar(m, r - 4.5f, 22.5f + i * 45.0f);
        hud::part(
            c, Shape::circle(p, 1.9f),
            Fill::radial(p + Vec2{-0.6f, -0.6f}, 2.3f, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}),
            0.8f, 0.8f);
    }
    // The bowl is lit on its far side: dark gold at the top, bright at the bottom.
    const float bowl = r - 9.0f;
    hud::Layer l(c, Shape::circle(m, bowl).bounds().expanded(3));
    const Field f = l.field(Shape::circle(m, bowl));
    l.canvas().paint(
        f.coverage(),
        l.local(Fill::linear(
            m + Vec2{-bowl, -bowl} * 0.7f, m + Vec2{bowl, bowl} * 0.7f,
            {{0, pal::kBronze}, {0.45f, pal::kGoldDeep}, {0.8f, pal::kGold}, {1, pal::kGoldLight}})));
    innerShadow(l.canvas(), f, 2.5f, 2.5f, hex(0x2e1508, 0.7f));
    l.canvas().paint(f.band(-0.2f, 1.0f), pal::kOutline.fade(0.8f));
    l.put(c);
    const float well = bowl - 9.0f;
    recess(
        c, Shape::circle(m, well),
        Fill::radial(m + Vec2{1, 2}, well,
                     {{0, hex(0x5a3410)}, {0.35f, hex(0x2a1207)}, {0.8f, hex(0x120605)}, {1, hex(0x1d0b08)}}),
        6.0f);
}

// "gfx/gui/winScreen/panel.png", centred at (400, 400) on the screen. The game writes the level's name at
// y 105–135, shows the finished picture or the statistics in the sunken field (y 150–460), the score and
// the statistics link below it, flies the coins into the dish at (408, 640) and sets two buttons on the
// bottom border.
Canvas winPanel() {
    constexpr int kW = 520, kH = 680;
    constexpr float kLeft = 400 - kW / 2.0f, kTop = 400 - kH / 2.0f;  // the panel's screen corner
    Canvas c = framedPanel(kW, kH);
    // A flourish under the name, a diamond in its middle.
    const float fy = 141 - kTop, cx = 400 - kLeft;
    headingFlourish(c, cx, fy, 14, 96);
    styled(c, Shape::star({cx, fy}, 4, 5.0f, 2.0f), hud::goldTrim(fy - 5, fy + 5, 0.9f), 4.0f);
    // The field is a little narrower than the picture's room so that its lip clears the frame's bead; the
    // picture in it is lit from behind.
    const Shape field = Shape::rect(186 - kLeft, 150 - kTop, 428, 310, 14);
    const Vec2 spot{403 - kLeft, 311 - kTop};
    recess(
        c, field,
        Fill::radial(spot, Vec2{250, 200}, {{0, hex(0x3a1a10)}, {0.6f, hex(0x1d0b08)}, {1, hex(0x120605)}}),
        5.0f);
    coinDish(c, {408 - kLeft, 640 - kTop}, 43);
    return c;
}

// The gold trim at k times its size.
Style goldTrimScaled(float top, float bottom, float k) {
    Style s = hud::goldTrim(top, bottom, 1.2f * k);
    s.bevel->depth *= k;
    s.shadow->offset = s.shadow->offset * k;
    s.shadow->blur *= k;
    return s;
}

// A gold padlock split by a crack, its shackle snapped and swung open and chips flying off: the lost chest
// at a glance. About 64 × 46 around `o`, painted k times that size.
void brokenLock(Canvas& c, Vec2 o, float k) {
    auto at = [&](float x, float y) { return o + Vec2{x, y} * k; };
    const Style gold = goldTrimScaled(o.y - 24 * k, o.y + 20 * k, k);
    const Shape body = Shape::rect(o.x - 18 * k, o.y - 6 * k, 36 * k, 26 * k, 6 * k);
    // The shackle: the left leg still in the body, the right one snapped off above its stub.
    const Vec2 hinge = at(-9, -6);
    Path shackle;
    shackle.moveTo(at(-9, -3)).lineTo(at(-9, -14));
    for (int a = 190; a <= 360; a += 10) shackle.lineTo(polar(at(0, -14), 9 * k, static_cast<float>(a)));
    shackle.lineTo(at(9, -11));
    styled(c, Shape::stroke(shackle.points(), {4.6f * k}).rotated(-22, hinge), gold, 6 * k);
    styled(c,
           Shape::polygon(
               {at(6.6f, -4), at(6.6f, -9.5f), at(8, -12), at(9.2f, -10), at(11.4f, -11.4f), at(11.4f, -4)}),
           gold, 6 * k);
    // The body in two halves either side of the crack; the right one has come loose and tipped away.
    const std::vector<Vec2> crack{at(6, -7), at(3, -1), at(7, 5), at(4, 11), at(7.5f, 16), at(5, 21)};
    std::vector<Vec2> leftSide{at(-30, -7)};
    leftSide.insert(leftSide.end(), crack.begin(), crack.end());
    leftSide.push_back(at(-30, 21));
    const Shape left = Shape::polygon(leftSide);
    const Shape keyhole = Shape::circle(at(-4, 6), 3.3f * k) |
                          Shape::polygon({at(-5.5f, 7), at(-2.5f, 7), at(-1.4f, 14.5f), at(-6.6f, 14.5f)});
    const Shape stone = Shape::circle(at(-4, -1.5f), 2.6f * k);
    auto half = [&](const Shape& side, auto place) {
        styled(c, place(body & side), gold, 6 * k);
        c.paint(place(body.grown(-3.5f * k).outline(1.0f * k) & side), pal::kGoldDeep.fade(0.8f));
        c.paint(place(keyhole & side), hex(0x1a0a04));
        hud::part(
            c, place(stone & side),
            Fill::radial(at(-5, -2.5f), 3.5f * k, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}),
            0.9f * k, 1.2f * k);
    };
    half(left, [](const Shape& s) { return s; });
    half(body - left, [&](const Shape& s) { return s.rotated(9, at(6, 20)).moved(Vec2{2.5f, 0.5f} * k); });
    // Chips of gold knocked off the lock.
    for (auto [p, r, turn] : {std::tuple{at(28, 12), 2.8f, 20.0f}, std::tuple{at(32, 3), 2.0f, -35.0f},
                              std::tuple{at(-25, 15), 1.8f, 50.0f}})
        hud::part(c, Shape::regular(p, 3, r * k, turn), hud::gold(p.y - r * k, p.y + r * k), 0.8f * k,
                  0.8f * k);
}

// "gfx/gui/loseScreen/panel.png", centred at (512, 384): the game writes up to two lines of message from
// y 254 and sets three buttons at y 360, 430 and 500, all centred on x 512.
Canvas losePanel() {
    constexpr int kW = 500, kH = 430;
    constexpr float kTop = 384 - kH / 2.0f;
    Canvas c = framedPanel(kW, kH);
    // The lock is painted at twice its size and shrunk, for clean small details.
    const float cy = 231 - kTop;
    headingFlourish(c, kW / 2.0f, cy + 4, 46, 96);
    constexpr int kArtW = 80, kArtH = 64;
    Canvas art(2 * kArtW, 2 * kArtH);
    brokenLock(art, {kArtW, kArtH}, 2.0f);
    c.draw(art.downsampled(2), static_cast<int>(kW / 2.0f) - kArtW / 2, static_cast<int>(cy) - kArtH / 2);
    return c;
}

// "gfx/gui/specialTip/back.png": a dark cartouche in a gold and lapis rim with the corner rosette on its
// left end. The game writes its tip from 50 px in from the left to 40 px in from the right, centred
// vertically, and shows it in any corner of the screen, so it has no pointer.
Canvas tipBalloon() {
    constexpr int kW = 330, kH = 150;
    constexpr float kX = 10, kY = 8, kRound = 26;  // the cartouche's corner and rounding
    auto frameAt = [&](float inset) {
        return Shape::rect(kX + inset, kY + inset, kW - 2 * kX - 2 * inset, kH - 2 * kY - 4 - 2 * inset,
                           std::max(3.0f, kRound - inset));
    };
    constexpr float kBand = 4.5f, kBead = 11.5f, kInside = 14.5f;
    Canvas c(kW, kH);
    dropShadow(c, frameAt(0).rasterize(kW, kH), {2.5f, 3.5f}, 3.5f, hex(0x0d0603, 0.6f));
    Style rim = hud::goldTrim(kY, kH - kY - 4, 1.2f);
    rim.shadow.reset();
    styled(c, frameAt(0), rim, 2.0f);
    const Rect inner = frameAt(kBand).bounds();
    hud::Layer band(c, inner.expanded(2));
    const Field bf = band.field(frameAt(kBand));
    band.canvas().paint(bf.coverage(), band.local(hud::lapis(inner.y0, inner.y1)));
    innerShadow(band.canvas(), bf, 1.5f, 1.5f, hex(0x02040c, 0.8f));
    band.put(c);
    // Studs along the band above and below the text.
    const float mid = (kBand + kBead) / 2;
    for (float x = 58; x <= kW - 40; x += 14)
        for (float y : {kY + mid, kH - kY - 4 - mid}) {
            Style st = hud::goldTrim(y - 4, y + 4, 0.8f);
            st.bevel = Bevel{1.2f, 0.6f, 0.4f, true};
            styled(c, Shape::star({x, y}, 4, 4.0f, 1.6f), st, 3.0f);
        }
    Style bead = hud::goldTrim(kY + kBead, kH - kY - 4 - kBead, 1.0f);
    bead.shadow = Shadow{{1.0f, 1.5f}, 1.5f, hex(0x02040c, 0.7f)};
    styled(c, frameAt(kBead), bead, 3.0f);
    // The dark inside, shaded by the rim from the top left, with a faint gold line round it.
    hud::Layer in(c, frameAt(kInside).bounds().expanded(2));
    const Field f = in.field(frameAt(kInside));
    in.canvas().paint(f.coverage(), in.local(Fill::vertical(
                                        kY + kInside, kH - kY - 4 - kInside,
                                        {{0, hex(0x3a1612)}, {0.5f, kPopUpPanel}, {1, hex(0x240c0a)}})));
    innerShadow(in.canvas(), f, 3.0f, 3.0f, hex(0x0a0302, 0.75f));
    in.canvas().paint(in.local(frameAt(kInside + 5).outline(1.0f)), pal::kGold.fade(0.3f), Blend::Inside);
    in.put(c);
    borderMedallion(c, {kX + 14, (kH - 4) / 2.0f});
    return c;
}

}  // namespace

void genWinLoseArt(const Context& ctx) {
    writePng(winPanel(), ctx.out("gfx/gui/winScreen/panel.png"));
    writePng(losePanel(), ctx.out("gfx/gui/loseScreen/panel.png"));
    writePng(tipBalloon(), ctx.out("gfx/gui/specialTip/back.png"));
    writePng(magicSword(), ctx.out("gfx/efekty/miecz.png"));
}

}  // namespace gen
