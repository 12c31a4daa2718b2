// The title logo of the loading screen: an arched gold title, a winged turquoise gem and a subtitle ribbon.
#include <cmath>
#include <string>
#include <vector>

#include "Entries.h"
#include "LogoArt.h"
#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kW = 640, kH = 260;
constexpr float kCentreX = kW / 2.0f;

struct Piece {
    std::string text;
    float px;
};

// Lays out pieces of different sizes on one baseline, centred on kCentreX; returns the pen x of each.
std::vector<float> layout(const Font& f, const std::vector<Piece>& pieces, float tracking) {
    float total = 0;
    for (const Piece& p : pieces) total += f.advance(p.text, p.px, tracking) + tracking;
    total -= tracking;
    std::vector<float> xs;
    float x = kCentreX - total / 2;
    for (const Piece& p : pieces) {
        xs.push_back(x);
        x += f.advance(p.text, p.px, tracking) + tracking;
    }
    return xs;
}

// Distance field of text set on a gentle arch (the middle raised by `arch` pixels).
Field archedText(const Font& f, const std::vector<Piece>& pieces, float baseline, float tracking, float arch,
                 float halfWidth) {
    constexpr int k = 4;
    Mask big(kW * k, kH * k);
    const std::vector<float> xs = layout(f, pieces, tracking);
    for (size_t i = 0; i < pieces.size(); ++i)
        f.render(big, pieces[i].text, pieces[i].px * k, Vec2{xs[i], baseline} * k, tracking * k);
    big = big.warped([&](Vec2 p) {
        const float u = (p.x / k - kCentreX) / halfWidth;
        return Vec2{p.x, p.y + (arch * (1 - u * u)) * k};
    });
    return Field::fromMask(big, k);
}

// One wing of the emblem around the gem at `gem`, `k` times the logo's size; side −1 mirrors it left.
Shape wing(Vec2 gem, float k, float side) {
    auto at = [&](float x, float y) { return gem + Vec2{side * x * k, (y - 34) * k}; };
    Path p;
    p.moveTo(at(16, 22)).cubicTo(at(50, 6), at(98, 2), at(132, 10));
    // The lower edge in scallops, one per feather, back towards the gem.
    const float tips[][2] = {{118, 22}, {100, 32}, {80, 40}, {58, 45}, {36, 46}};
    Vec2 prev = at(132, 10);
    for (const auto& t : tips) {
        const Vec2 tip = at(t[0], t[1]);
        p.quadTo(lerp(prev, tip, 0.5f) + Vec2{0, 6 * k}, tip);
        prev = tip;
    }
    p.quadTo(at(24, 46), at(14, 36));
    return Shape::polygon(p.points());
}

}  // namespace

Style goldStyle(float top, float bottom, float outline) {
    Style s;
    const float h = bottom - top;
    s.fill = Fill::vertical(top, bottom,
                            {{0.0f, pal::kGoldPale},
                             {0.38f, pal::kGoldLight},
                             {0.52f, pal::kGold},
                             {0.56f, hex(0xe09a22)},
                             {1.0f, pal::kGoldDeep}});
    s.outline = outline;
    s.outlineFill = Fill::vertical(top - outline, bottom + outline, {{0, hex(0x5a2c0c)}, {1, pal::kOutline}});
    s.bevel = Bevel{std::max(2.5f, h * 0.05f), 0.65f, 0.35f, true};
    s.innerGlow = InnerGlow{1.5f, hex(0xfff6d8, 0.35f), Blend::Screen};
    return s;
}

void drawWings(Canvas& c, Vec2 gem, float k) {
    const int w = c.width(), h = c.height();
    const float top = gem.y - 34 * k;
    Shape wings = wing(gem, k, 1) | wing(gem, k, -1);
    Style ws = goldStyle(top + 4 * k, top + 48 * k, 2.5f * k);
    ws.shadow = Shadow{{2 * k, 3 * k}, 2.5f * k, hex(0x1a0a02, 0.5f)};
    drawStyled(c, wings.field(w, h), ws);
    // Engraved feather lines.
    Mask lines(w, h);
    for (float side : {1.0f, -1.0f})
        for (const auto& t : std::vector<std::pair<Vec2, Vec2>>{
                 {{34, 24}, {46, 42}}, {{52, 18}, {68, 40}}, {{72, 14}, {90, 34}}, {{94, 12}, {110, 26}}})
            Shape::line(gem + Vec2{side * t.first.x * k, (t.first.y - 34) * k},
                        gem + Vec2{side * t.second.x * k, (t.second.y - 34) * k}, 1.4f * k)
                .drawInto(lines);
    lines.multiply(wings.grown(-2.5f * k).rasterize(w, h));
    c.paint(lines, hex(0x8a4a0c, 0.7f));
}

void drawGem(Canvas& c, Vec2 gem, float k) {
    const int w = c.width(), h = c.height();
    const Shape setting = Shape::circle(gem, 21 * k);
    Style ss = goldStyle(gem.y - 21 * k, gem.y + 21 * k, 2.5f * k);
    ss.shadow = Shadow{{2 * k, 3 * k}, 2.5f * k, hex(0x1a0a02, 0.5f)};
    drawStyled(c, setting.field(w, h), ss);
    const Shape stone = Shape::regular(gem, 8, 15 * k, 22.5f);
    Style gs;
    gs.fill = Fill::radial(gem + Vec2{-5 * k, -6 * k}, 22 * k,
                           {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gs.outline = 1.5f * k;
    gs.outlineFill = hex(0x0b3a38);
    gs.bevel = Bevel{4 * k, 0.5f, 0.45f, false};
    drawStyled(c, stone.field(w, h), gs);
    // The table facet and a glint.
    c.paint(Shape::regular(gem, 8, 7.5f * k, 22.5f), hex(0xc8fff6, 0.35f), Blend::Screen);
    c.paint(Shape::ellipse(gem + Vec2{-5 * k, -6 * k}, 4 * k, 2.5f * k).rasterize(w, h, 1.5f),
            hex(0xffffff, 0.85f), Blend::Screen);
}

namespace {

void drawRibbon(Canvas& c, const Font& font) {
    const float top = 178, bottom = 218, half = 218, arch = 6;
    auto archY = [&](float x) {
        const float u = (x - kCentreX) / 300.0f;
        return -arch * (1 - u * u);
    };
    // Folded tails behind the band, with a swallowtail notch.
    for (float side : {-1.0f, 1.0f}) {
        const float x0 = kCentreX + side * (half - 26), x1 = kCentreX + side * (half + 34);
        const Shape tail = Shape::polygon({{x0, top + 10 + archY(x0)},
                                           {x1, top + 10 + archY(x1)},
                                           {x1 - side * 14, (top + bottom) / 2 + 10 + archY(x1)},
                                           {x1, bottom + 10 + archY(x1)},
                                           {x0, bottom + 10 + archY(x0)}});
        Style ts;
        ts.fill = Fill::vertical(top + 10, bottom + 10, {{0, hex(0xa8472e)}, {1, pal::kTerracottaDeep}});
        ts.outline = 2.0f;
        ts.outlineFill = pal::kOutline;
        ts.shadow = Shadow{{2, 3}, 3, hex(0x1a0a02, 0.5f)};
        ts.bevel = Bevel{3, 0.3f, 0.3f, true};
        drawStyled(c, tail.field(kW, kH), ts);
    }
    std::vector<Vec2> band;
    for (int i = 0; i <= 40; ++i) {
        const float x = kCentreX - half + 2 * half * i / 40.0f;
        band.push_back({x, top + archY(x)});
    }
    for (int i = 40; i >= 0; --i) {
        const float x = kCentreX - half + 2 * half * i / 40.0f;
        band.push_back({x, bottom + archY(x)});
    }
    Style bs;
    bs.fill = Fill::vertical(top - arch, bottom,
                             {{0, hex(0xe27a55)}, {0.5f, pal::kTerracotta}, {1, hex(0x9a3f28)}});
    bs.outline = 2.0f;
    bs.outlineFill = pal::kOutline;
    bs.shadow = Shadow{{2, 4}, 4, hex(0x1a0a02, 0.55f)};
    bs.bevel = Bevel{3, 0.35f, 0.3f, true};
    drawStyled(c, Shape::polygon(band).field(kW, kH), bs);
    // Gold seams along the band's edges.
    Mask seams(kW, kH);
    for (float y : {top + 5.0f, bottom - 5.0f}) {
        std::vector<Vec2> pts;
        for (int i = 0; i <= 40; ++i) {
            const float x = kCentreX - half + 8 + (2 * half - 16) * i / 40.0f;
            pts.push_back({x, y + archY(x)});
        }
        Shape::stroke(pts, {1.2f}).drawInto(seams);
    }
    c.paint(seams, hex(0xf7c45a, 0.8f));

    Style text;
    text.fill = Fill::vertical(top, bottom, {{0, hex(0xfff8e6)}, {1, pal::kSandLight}});
    text.outline = 1.6f;
    text.outlineFill = hex(0x4a1a0c);
    text.shadow = Shadow{{1, 2}, 1.2f, hex(0x2a0c04, 0.6f)};
    drawStyled(c, archedText(font, {{"Secrets of the Picture Stones", 23}}, bottom - 12, 0.6f, arch, 300),
               text);
}

}  // namespace

void genLoadingLogo(const Context& ctx) {
    const Font title(requireFont(kSerifBold));
    Canvas c(kW, kH);
    drawRibbon(c, title);
    const Field letters = archedText(title, {{"T", 94}, {"azmira ", 74}, {"Z", 94}, {"erav ", 74}, {"2", 94}},
                                     156, 1.5f, 14, 320);
    Style ts = goldStyle(76, 160, 4.5f);
    ts.shadow = Shadow{{3, 5}, 4.5f, hex(0x1a0a02, 0.6f)};
    ts.glow = Glow{9, hex(0x1a0a02, 0.35f), Blend::Over};
    drawStyled(c, letters, ts);
    drawWings(c, {kCentreX, 34}, 1);
    drawGem(c, {kCentreX, 34}, 1);
    writePng(c, ctx.out("gfx/gui/loading/en/logo.png"));
    // The title screen shows the same logo, dropping in at the top right.
    writePng(c, ctx.out("gfx/gui/mainMenu/en/logo.png"));
}

}  // namespace gen
