// The stones' bag and the scarab shell of the hint slots, with the turquoise bead both use.
#include <cmath>
#include <vector>

#include "maingame_hud_art.h"
#include "maingame_hud_items.h"
#include "paint/Effects.h"
#include "paint/Path.h"

namespace gen::items {

using namespace paint;
using namespace hud;

void bead(Canvas& c, Vec2 at, float r) {
    part(c, Shape::circle(at, r),
         Fill::radial(at + Vec2{-r * 0.4f, -r * 0.45f}, r * 1.6f,
                      {{0, hex(0xeafffb)}, {0.35f, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}}),
         0.8f, std::max(0.8f, r * 0.4f), 0.5f, 0.35f, hex(0x0b3a38));
    c.paint(Shape::circle(at + Vec2{-r * 0.35f, -r * 0.4f}, std::max(0.5f, r * 0.28f)), hex(0xffffff, 0.85f),
            Blend::Screen);
}

Canvas bag(int size, float scale) {
    Canvas c(size, size);
    const Vec2 m{size / 2.0f, size / 2.0f};
    auto P = [&](float x, float y) { return m + Vec2{x - 28, y - 28} * scale; };
    auto S = [&](const Shape& s) { return s.scaled(scale, {28, 28}).moved(m - Vec2{28, 28}); };
    const Fill leather =
        Fill::radial(P(20, 26), 34 * scale,
                     {{0, hex(0xf3c98a)}, {0.4f, hex(0xc9843f)}, {0.8f, hex(0x8a5024)}, {1, hex(0x6a3a18)}});
    // The ruffled mouth above the cord, then the body.
    Path mouth;
    mouth.moveTo({22, 19}).smoothThrough({{17.5f, 10}, {16, 5.5f}, {20, 7.5f}, {23.5f, 4.5f}, {28, 6.5f}});
    mouth.mirrorX(28);
    part(c, S(Shape::polygon(mouth.points())), leather, 1.0f * scale, 2.0f * scale);
    const Shape body = Shape::ellipse({28, 37}, 20.5f, 16.5f).blend(Shape::rect(21, 16, 14, 10, 4), 7.0f);
    part(c, S(body), leather, 1.1f * scale, 4.0f * scale, 0.45f, 0.5f);
    // Folds running down from the cord, and a line of stitches round the bottom.
    for (const std::vector<Vec2>& fold :
         {std::vector<Vec2>{P(23, 24), P(18.5f, 31), P(17, 38)},
          std::vector<Vec2>{P(33, 24), P(37, 30), P(39, 35)}, std::vector<Vec2>{P(28, 25), P(27.5f, 30)}})
        ink(c, fold, 1.1f * scale, hex(0x4a2410, 0.45f));
    for (int i = 0; i < 9; ++i) {
        const float a = 25.0f + 16.25f * i;
        const Vec2 p =
            P(28, 37) + Vec2{std::cos(a * kPi / 180) * 16.5f, std::sin(a * kPi / 180) * 12.5f} * scale;
        const Vec2 d = rotate(Vec2{1.6f, 0}, (a + 90) * kPi / 180) * scale;
        ink(c, {p - d, p + d}, 0.9f * scale, pal::kGoldLight.fade(0.7f));
    }
    // The cord: a twisted band round the neck and one end hanging down with a knot.
    part(c, S(Shape::stroke({{35, 20}, {38.5f, 26}, {37.5f, 31}}, {2.4f})), Fill(pal::kTerracotta),
         0.8f * scale, 1.0f * scale);
    part(c, S(Shape::circle({37.5f, 31.5f}, 2.2f)), gold(P(0, 29).y, P(0, 34).y), 0.8f * scale, 1.0f * scale);
    part(c, S(Shape::rect(19.5f, 17.5f, 17, 5, 2.5f)),
         Fill::vertical(P(0, 17).y, P(0, 23).y,
                        {{0, hex(0xf09a70)}, {0.5f, pal::kTerracotta}, {1, hex(0x6a2619)}}),
         0.9f * scale, 1.5f * scale);
    for (int i = 0; i < 5; ++i) {
        const float x = 21.5f + 3.2f * i;
        ink(c, {P(x, 22), P(x + 2, 18)}, 0.8f * scale, hex(0x4a1a10, 0.6f));
    }
    // A gold roundel with a turquoise bead on the front.
    part(c, S(Shape::circle({28, 38}, 5.0f)), gold(P(0, 33).y, P(0, 43).y), 0.9f * scale, 1.5f * scale, 0.6f,
         0.4f);
    bead(c, P(28, 38), 2.8f * scale);
    return shadowed(c, Vec2{1.5f, 2.0f} * scale, 1.5f * scale, 0.5f);
}

namespace {

// Colours of the shell between its resting look (0) and lit up (1).
Color lit(Color rest, Color bright, float g) {
    return mixOklab(rest, bright, g);
}

}  // namespace

Canvas scarab(float g) {
    constexpr int kW = 50, kH = 58;
    Canvas c(kW, kH);
    const float cx = 25;
    const Color outline = lit(hex(0x0d2a2e), hex(0x3a2408), g);
    // Six gold legs, drawn first so the body covers their roots.
    auto leg = [&](std::vector<Vec2> pts, float s) {
        for (Vec2& p : pts) p.x = cx + s * (p.x - cx);
        return Shape::stroke(pts, {2.4f, 2.0f, 1.4f});
    };
    Shape legs = leg({{16, 22}, {8, 16}, {7, 10}}, 1);
    for (float s : {1.0f, -1.0f})
        legs = legs | leg({{16, 22}, {8, 16}, {7, 10}}, s) | leg({{14, 33}, {6, 34}, {4.5f, 40}}, s) |
               leg({{16, 44}, {9, 49}, {9.5f, 54}}, s);
    const Fill goldFill = Fill::vertical(4, 54,
                                         {{0, lit(pal::kGoldLight, hex(0xfffbe0), g)},
                                          {0.6f, lit(pal::kGold, pal::kGoldLight, g)},
                                          {1, lit(pal::kGoldDeep, pal::kGold, g)}});
    part(c, legs, goldFill, 0.9f, 1.0f, 0.5f, 0.3f, outline);
    // Head with its toothed rim, and the pronotum.
    // The head's rim is a fan of small teeth.
    const Shape head = Shape::ellipse({cx, 11.5f}, 8.0f, 5.5f) |
                       (Shape::star({cx, 12.5f}, 14, 9.8f, 7.0f) & Shape::rect(0, 0, kW, 12.5f));
    part(c, head, goldFill, 1.0f, 1.5f, 0.55f, 0.35f, outline);
    const Fill deep = Fill::radial({cx - 6, 15}, 20,
                                   {{0, lit(hex(0x2a7fa0), hex(0x7ff0ff), g)},
                                    {0.6f, lit(pal::kBlue, hex(0x2aa8c0), g)},
                                    {1, lit(pal::kBlueDeep, pal::kBlue, g)}});
    const Shape pronotum = Shape::ellipse({cx, 21}, 14.5f, 7.5f);
    part(c, pronotum, deep, 1.0f, 2.5f, 0.55f, 0.4f, outline);
    // The wing cases: turquoise halves parted by a gold seam.
    const Fill shell = Fill::radial({cx - 8, 30}, 26,
                                    {{0, lit(hex(0xb8fff4), hex(0xf0fffb), g)},
                                     {0.35f, lit(pal::kTurquoiseLight, hex(0xb8fff4), g)},
                                     {0.75f, lit(pal::kTurquoise, pal::kTurquoiseLight, g)},
                                     {1, lit(pal::kTurquoiseDeep, pal::kTurquoise, g)}});
    const Shape cases = Shape::ellipse({cx, 38.5f}, 17.0f, 16.5f) - Shape::rect(0, 0, kW, 28.5f);
    for (float s : {-1.0f, 1.0f}) {
        const Shape half = cases & Shape::rect(s < 0 ? 0 : cx + 0.8f, 0, cx - 0.8f, kH);
        part(c, half.grown(-0.4f), shell, 1.0f, 3.0f, 0.5f, 0.4f, outline);
        // A lit ridge along each case.
        c.paint(
            Shape::stroke({{cx + s * 7.5f, 32}, {cx + s * 9.5f, 40}, {cx + s * 8, 48}}, {1.4f, 1.8f, 0.8f}),
            hex(0xffffff, 0.35f + 0.3f * g), Blend::Screen);
    }
    part(c, Shape::line({cx, 29}, {cx, 54}, 1.6f), goldFill, 0.6f, 0.8f);
    // Gold edging where the wing cases meet the pronotum, and a glint on the pronotum.
    part(c, Shape::rect(cx - 14, 27.5f, 28, 2.4f, 1.2f), goldFill, 0.7f, 0.8f);
    c.paint(Shape::ellipse({cx - 6, 18}, 3.5f, 1.6f).rotated(-15, {cx - 6, 18}),
            hex(0xffffff, 0.55f + 0.3f * g), Blend::Screen);
    // Shrunk a little into the final picture, to leave room for the shadow and the light of a lit shell.
    Canvas room(kW + 6, kH + 7);
    room.draw(c, 3, 3);
    const Canvas shrunk = resampled(room, kW, kH);
    Canvas out(kW, kH);
    const Mask body = shrunk.alpha();
    if (g > 0) {
        Mask halo = body.blurred(2.2f);
        halo.scale(2.5f);
        halo.blur(1.5f);
        out.paint(halo, hex(0xffd866, 0.95f * g));
        out.paint(body.blurred(4.0f), hex(0xfff6c0, 0.7f * g), Blend::Screen);
    } else {
        dropShadow(out, body, {1, 1.5f}, 1.2f, hex(0x1a0d05, 0.45f));
    }
    out.draw(shrunk, 0, 0);
    return out;
}

}  // namespace gen::items
