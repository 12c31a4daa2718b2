// The logos' shared art: their gold, the winged-gem emblem, lettering set on an arch and the subtitle ribbon.
#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "LogoArt.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Path.h"
#include "paint/Shape.h"
#include "paint/Text.h"

namespace gen {

using namespace paint;

namespace {

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

float piecesWidth(const Font& f, const std::vector<LogoPiece>& pieces, float tracking) {
    float total = 0;
    for (const LogoPiece& p : pieces) total += f.advance(p.text, p.px, tracking) + tracking;
    return total - tracking;
}

Field archedText(const Font& f, const std::vector<LogoPiece>& pieces, const ArchedLine& line, int w, int h) {
    constexpr int k = 4;
    Mask big(w * k, h * k);
    float x = line.centreX - piecesWidth(f, pieces, line.tracking) / 2;
    for (const LogoPiece& p : pieces) {
        f.render(big, p.text, p.px * k, Vec2{x, line.baseline} * k, line.tracking * k);
        x += f.advance(p.text, p.px, line.tracking) + line.tracking;
    }
    big = big.warped([&](Vec2 p) {
        const float u = (p.x / k - line.centreX) / line.halfWidth;
        return Vec2{p.x, p.y + (line.arch * (1 - u * u)) * k};
    });
    return Field::fromMask(big, k);
}

void drawRibbon(Canvas& c, const Font& font, const Ribbon& r) {
    const int w = c.width(), h = c.height();
    const float cx = r.centreX, top = r.top, bottom = r.bottom, half = r.half, arch = r.arch;
    auto archY = [&](float x) {
        const float u = (x - cx) / r.archHalfWidth;
        return -arch * (1 - u * u);
    };
    // Folded tails behind the band, with a swallowtail notch.
    for (float side : {-1.0f, 1.0f}) {
        const float x0 = cx + side * (half - 26), x1 = cx + side * (half + 34);
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
        drawStyled(c, tail.field(w, h), ts);
    }
    std::vector<Vec2> band;
    for (int i = 0; i <= 40; ++i) {
        const float x = cx - half + 2 * half * i / 40.0f;
        band.push_back({x, top + archY(x)});
    }
    for (int i = 40; i >= 0; --i) {
        const float x = cx - half + 2 * half * i / 40.0f;
        band.push_back({x, bottom + archY(x)});
    }
    Style bs;
    bs.fill = Fill::vertical(top - arch, bottom,
                             {{0, hex(0xe27a55)}, {0.5f, pal::kTerracotta}, {1, hex(0x9a3f28)}});
    bs.outline = 2.0f;
    bs.outlineFill = pal::kOutline;
    bs.shadow = Shadow{{2, 4}, 4, hex(0x1a0a02, 0.55f)};
    bs.bevel = Bevel{3, 0.35f, 0.3f, true};
    drawStyled(c, Shape::polygon(band).field(w, h), bs);
    // Gold seams along the band's edges.
    Mask seams(w, h);
    for (float y : {top + 5.0f, bottom - 5.0f}) {
        std::vector<Vec2> pts;
        for (int i = 0; i <= 40; ++i) {
            const float x = cx - half + 8 + (2 * half - 16) * i / 40.0f;
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
    drawStyled(c,
               archedText(font, {{r.text, r.textPx}},
                          {.centreX = cx,
                           .baseline = bottom - 12,
                           .tracking = 0.6f,
                           .arch = arch,
                           .halfWidth = r.archHalfWidth},
                          w, h),
               text);
}

}  // namespace gen
