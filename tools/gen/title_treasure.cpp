// The heap of treasure in the title picture's bottom-right corner: a mound of coins with a gold urn, a cat
// idol, an ankh and gems, painted on a small canvas and laid into the picture.
#include <algorithm>
#include <vector>

#include "LogoArt.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Style.h"
#include "tiles_art.h"
#include "title_art.h"

namespace gen::title {

using namespace paint;

namespace {

// The heap's canvas covers the screen from here to the bottom-right corner.
constexpr Vec2 kOrigin{630, 556};
constexpr int kW = 1024 - 630, kH = 768 - 556;

Vec2 at(float x, float y) {
    return Vec2{x, y} - kOrigin;
}

// A coin lying in the heap, seen from the side: a flat gold ellipse with a darker rim.
void flatCoin(Canvas& c, Vec2 p, float r, float tilt) {
    const Shape disc = Shape::ellipse({0, 0}, r, r * 0.45f).rotated(tilt, {0, 0}).moved(p);
    Style s = goldStyle(p.y - r * 0.5f, p.y + r * 0.5f, 0.9f);
    s.bevel = Bevel{1.4f, 0.6f, 0.4f, true};
    s.shadow = Shadow{{0.8f, 1.2f}, 1.0f, hex(0x3a1a04, 0.45f)};
    drawStyled(c, disc.field(kW, kH), s);
}

// A gold urn standing half sunk in the coins, its mouth's rim at `rim`.
void urn(Canvas& c, Vec2 rim) {
    const Shape body = Shape::ellipse(rim + Vec2{0, 46}, 30, 32) | Shape::rect(rim.x - 9, rim.y, 18, 22, 3) |
                       Shape::ellipse(rim + Vec2{0, 2}, 16, 5);
    const Shape handles = Shape::ellipse(rim + Vec2{-25, 24}, 10, 13).outline(3.5f) |
                          Shape::ellipse(rim + Vec2{25, 24}, 10, 13).outline(3.5f);
    Style s = goldStyle(rim.y - 4, rim.y + 80, 1.6f);
    s.shadow = Shadow{{3, 3}, 3, hex(0x2a0c04, 0.5f)};
    drawStyled(c, (handles - Shape::ellipse(rim + Vec2{0, 46}, 29, 31)).field(kW, kH), s);
    s.bevel = Bevel{6, 0.65f, 0.45f, true};
    drawStyled(c, body.field(kW, kH), s);
    // A band of turquoise inlay round the belly and the dark mouth.
    Style band;
    band.fill = Fill::vertical(rim.y + 38, rim.y + 46, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
    band.outline = 1.0f;
    band.outlineFill = pal::kOutline;
    const Shape belt = Shape::ellipse(rim + Vec2{0, 46}, 29, 31) & Shape::rect(rim.x - 40, rim.y + 38, 80, 7);
    drawStyled(c, belt.field(kW, kH), band);
    c.paint(Shape::ellipse(rim + Vec2{0, 1}, 11, 3).rasterize(kW, kH, 1.2f), hex(0x3a1804));
}

}  // namespace

void paintTreasureHeap(Canvas& picture) {
    Canvas c(kW, kH);
    // The mound: a broad heap of gold, brightest on its upper left.
    const Shape mound = Shape::ellipse(at(900, 800), 230, 150);
    Style ms = goldStyle(at(0, 650).y, at(0, 768).y, 1.6f);
    ms.fill = Fill::vertical(at(0, 650).y, at(0, 768).y,
                             {{0, pal::kGold}, {0.5f, pal::kGoldDeep}, {1, hex(0x7a4410)}});
    ms.shadow = Shadow{{-10, 4}, 12, hex(0x2a0c14, 0.5f)};
    ms.bevel = Bevel{10, 0.5f, 0.4f, true};
    drawStyled(c, mound.field(kW, kH), ms);
    urn(c, at(876, 631));
    // Coins strewn over the mound, back to front, thicker towards its foot.
    Rng rng(161);
    std::vector<Vec2> coins;
    for (int i = 0; i < 190; ++i) {
        const float x = rng.range(680, 1030), y = rng.range(640, 775);
        const Vec2 d = (Vec2{x, y} - Vec2{900, 800}) / 1.0f;
        if ((d.x * d.x) / (232.0f * 232.0f) + (d.y * d.y) / (152.0f * 152.0f) > 1.05f) continue;
        if (std::abs(x - 876) < 34 && y < 700) continue;  // the urn stands there
        coins.push_back({x, y});
    }
    std::sort(coins.begin(), coins.end(), [](Vec2 a, Vec2 b) { return a.y < b.y; });
    for (const Vec2& p : coins) flatCoin(c, at(p.x, p.y), rng.range(7, 10.5f), rng.range(-25, 25));
    // A few coins standing on edge show their faces, and the idol, the ankh and the gems lie on top.
    tiles::drawCatIdol(c, at(968, 650), 74);
    tiles::drawAnkh(c, at(790, 690), 52);
    tiles::drawCoins(c, at(850, 708), 40);
    tiles::drawCoins(c, at(940, 722), 36);
    tiles::drawRuby(c, at(822, 736), 26);
    tiles::drawEmerald(c, at(910, 690), 24);
    tiles::drawSapphire(c, at(996, 714), 26);
    tiles::drawDiamond(c, at(760, 742), 22);
    // The sparkles' points catch the light.
    tiles::glint(c, at(876, 631), 7, 0.7f);
    tiles::glint(c, at(864, 702), 6, 0.6f);
    tiles::glint(c, at(856, 722), 5, 0.5f);
    picture.draw(c, static_cast<int>(kOrigin.x), static_cast<int>(kOrigin.y));
}

}  // namespace gen::title
