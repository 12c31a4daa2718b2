// The Persian merchant's shop: shelves of rolled maps and bolts of silk, lanterns and a hanging carpet, and
// the merchant himself behind his counter with a map spread out before him.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "dialog_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

// The merchant as his portrait shows him (jewelled cap, pointed beard, blue robe), painted with the
// portraits' own bust tools on a clear ground so he can stand in the shop.
Canvas merchantBust() {
    dialog::Bust b{Fill(kTransparent)};
    dialog::merchantFigure(b);
    return b.canvas().downsampled(2);
}

// A shelf of rolled maps seen end on, and bolts of silk lying flat.
void shelves(Canvas& c, float x0, float x1, uint32_t seed) {
    Rng rng(seed);
    const Color silks[] = {hex(0xc8283a), pal::kTurquoise, pal::kGold,
                           hex(0x7a3a8a), pal::kBlue,      hex(0xe87a3a)};
    for (int row = 0; row < 4; ++row) {
        const float y = 180 + row * 100.0f;
        inked(c, Shape::rect(x0, y, x1 - x0, 12), woodPlanks(12, hex(0x8a5a32), seed + row), 1.2f);
        c.paint(rast(Shape::rect(x0, y + 12, x1 - x0, 10)), hex(0x1a0a04, 0.35f));
        float x = x0 + 6;
        while (x < x1 - 30) {
            if (row % 2 == 0) {  // rolled maps stacked in a pyramid
                const float r = rng.range(10, 14);
                for (int k = 0; k < 3 && x < x1 - 2 * r; ++k) {
                    const Vec2 m{x + r, y - r};
                    inked(c, Shape::circle(m, r),
                          Fill::radial(m - Vec2{r * 0.3f, r * 0.3f}, r * 1.3f,
                                       {{0, hex(0xfff4d8)}, {1, hex(0xc8a070)}}),
                          1.0f);
                    c.paint(rast(Shape::circle(m, r * 0.5f).outline(1)), hex(0x8a6040, 0.6f));
                    if (k < 2) {
                        const Vec2 u = m + Vec2{r, -r * 1.7f};
                        inked(c, Shape::circle(u, r),
                              Fill::radial(u - Vec2{r * 0.3f, r * 0.3f}, r * 1.3f,
                                           {{0, hex(0xfff4d8)}, {1, hex(0xc8a070)}}),
                              1.0f);
                        c.paint(rast(Shape::circle(u, r * 0.5f).outline(1)), hex(0x8a6040, 0.6f));
                    }
                    x += 2 * r + 1;
                }
                x += 10;
            } else {  // bolts of silk
                const float w = rng.range(50, 80), h = rng.range(16, 22);
                for (int k = 0; k < 3; ++k) {
                    const Color s = silks[rng.next() % 6];
                    const Shape bolt = Shape::rect(x, y - h * (k + 1), w, h - 1, h * 0.4f);
                    inked(c, bolt,
                          Fill::vertical(y - h * (k + 1), y - h * k,
                                         {{0, lighter(s, 0.35f)}, {0.5f, s}, {1, darker(s, 0.4f)}}),
                          1.0f);
                }
                x += w + 8;
            }
        }
    }
}

}  // namespace

Canvas roadMerchant() {
    Canvas c(kW, kH);
    const Noise n(6001u);
    c.paint(bg::everywhere(), Fill([&](float x, float y) {
                return mixOklab(hex(0xe8b878), hex(0xa06a44),
                                clamp01(0.3f + 0.5f * n.fbm(x / 200.0f, y / 200.0f, 4) + y / 1400.0f));
            }));
    // The back wall's arch with a carpet, the shelves either side.
    const Shape niche = jigsaw::pointedArch(330, 694, 260, 120, 560);
    inked(c, niche.grown(14), Fill::vertical(120, 560, {{0, hex(0xf6e0b0)}, {1, hex(0xc89a68)}}), 1.4f);
    inked(c, niche, jigsaw::starTiles(30, pal::kTurquoise), 1.2f);
    carpet(c, Shape::rect(380, 200, 264, 330), {380, 200, 644, 530}, hex(0xa8281e), pal::kBlueDeep, 6002u);
    shelves(c, 60, 310, 6003u);
    shelves(c, 714, 964, 6004u);
    for (const float x : {200.0f, 830.0f}) lantern(c, {x, 70}, 70, true);
    lightPool(c, {512, 300}, {500, 360}, hex(0xffc070, 0.25f));
    // The merchant, and his counter with the map, a brass scale and silks spilling over its front.
    const Canvas bust = merchantBust();
    c.draw(bust, 512 - bust.width() / 2, 300);
    for (const float side : {-1.0f, 1.0f}) {
        const Vec2 sh{512 + side * 96, 520}, hand{512 + side * 130, 574};
        inked(c, Shape::stroke({sh, sh + Vec2{side * 24, 30}, hand}, {56, 50, 44}),
              dialog::cloth(sh, 80, pal::kBlue), 1.6f);
    }
    const Shape top = Shape::rect(40, 560, 944, 40, 6);
    const Shape front = Shape::rect(60, 596, 904, 200);
    inked(c, front, woodPlanks(50, hex(0x7a4a28), 6005u), 1.6f);
    for (float x = 90; x < 940; x += 170) {
        const Shape panel = Shape::rect(x, 620, 140, 130, 8);
        hud::groove(c, panel.outline(2));
        c.paint(rast(Shape::star({x + 70, 685}, 8, 34, 16).outline(2)), pal::kGoldDeep.fade(0.8f));
    }
    inked(c, top, Fill::vertical(560, 600, {{0, hex(0xc08850)}, {1, hex(0x6a3a1a)}}), 1.6f);
    const Shape map = Shape::polygon({{330, 566}, {700, 560}, {720, 592}, {310, 598}});
    inked(c, map, Fill::linear({330, 560}, {720, 600}, {{0, hex(0xfff0c8)}, {1, hex(0xd8b078)}}), 1.2f);
    hud::ink(c, {{380, 582}, {460, 574}, {540, 586}, {640, 576}}, 2, hex(0x8a3524, 0.8f));
    for (const float side : {-1.0f, 1.0f}) {
        const Vec2 h{512 + side * 130, 574};
        inked(c, Shape::ellipse(h, 26, 14), dialog::cloth(h, 30, hex(0xe2ab7c)), 1.2f);
    }
    const Color silk[] = {hex(0xc8283a), pal::kTurquoise, hex(0x7a3a8a)};
    for (int i = 0; i < 3; ++i) {
        const float x = 110 + i * 60.0f;
        Path p;
        p.moveTo({x, 560})
            .lineTo({x + 70, 560})
            .quadTo({x + 90, 640}, {x + 60, 720})
            .lineTo({x + 10, 700})
            .quadTo({x + 20, 630}, {x, 560});
        inked(c, Shape::polygon(p.points()),
              Fill::linear({x, 560}, {x + 70, 720},
                           {{0, lighter(silk[i], 0.4f)}, {0.5f, silk[i]}, {1, darker(silk[i], 0.45f)}}),
              1.2f);
    }
    // A brass scale on the right of the counter.
    const Vec2 sc{840, 560};
    inked(c, Shape::rect(sc.x - 4, sc.y - 110, 8, 110) | Shape::ellipse(sc, 34, 8),
          hud::gold(sc.y - 110, sc.y), 1.2f);
    inked(c, Shape::line(sc + Vec2{-60, -100}, sc + Vec2{60, -100}, 5), hud::gold(sc.y - 104, sc.y - 96),
          1.0f);
    for (const float s : {-1.0f, 1.0f}) {
        hud::ink(c, {sc + Vec2{s * 60, -100}, sc + Vec2{s * 60 - 18, -50}}, 1.2f, pal::kGoldDeep);
        hud::ink(c, {sc + Vec2{s * 60, -100}, sc + Vec2{s * 60 + 18, -50}}, 1.2f, pal::kGoldDeep);
        inked(c, Shape::ellipse(sc + Vec2{s * 60, -48}, 24, 6), hud::gold(sc.y - 54, sc.y - 42), 1.0f);
    }
    lightPool(c, {512, 560}, {320, 120}, hex(0xffd080, 0.2f));
    finishSlide(c, 0.45f, 6006u);
    return c;
}

}  // namespace gen::slides
