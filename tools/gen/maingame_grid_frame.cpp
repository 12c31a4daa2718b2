// The gold trim of the number panels: corner studs, edge bars, row and column ticks, end caps and the
// rosette where both panels meet the grid.
#include <cmath>

#include "Palette.h"
#include "maingame_grid_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"

namespace gen::grid {

using namespace paint;

namespace {

constexpr int kK = 4;  // drawing scale
constexpr int kBar = 4;

// The bar's colours across its 4 pixels, top (or left) first: every bar is lit from the top left alike.
Color barColor(int i) {
    const Color across[kBar] = {hex(0x6a3a0e), pal::kGoldPale, pal::kGold, pal::kGoldDeep};
    return across[std::clamp(i, 0, kBar - 1)];
}

// Paints a horizontal (or vertical) bar whose first row (column) is at `at` pixels, over the whole length.
void bar(Canvas& c, bool horizontal, int at) {
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x) {
            const int across = (horizontal ? y : x) / kK - at;
            if (across < 0 || across >= kBar) continue;
            blendPixel(c.at(x, y), premultiply(barColor(across)), Blend::Over);
        }
}

Fill gold(Vec2 m, float r) {
    return Fill::radial(
        m + Vec2{-0.4f * r, -0.45f * r}, 1.5f * r,
        {{0, pal::kGoldPale}, {0.3f, pal::kGoldLight}, {0.65f, pal::kGold}, {1, pal::kGoldDeep}});
}

// A finished gold part at drawing scale: outline, shadow and a rounded bevel.
void goldShape(Canvas& c, const Shape& s, Vec2 m, float r, bool shadow = true) {
    Style st;
    st.fill = gold(m, r);
    st.outline = 0.7f * kK;
    st.outlineFill = pal::kOutline.fade(0.9f);
    st.bevel = Bevel{0.3f * r, 0.55f, 0.5f, true};
    if (shadow) st.shadow = Shadow{{0.5f * kK, 0.7f * kK}, 0.6f * kK, hex(0x1a0d05, 0.5f)};
    drawStyled(c, s.field(c.width(), c.height()), st);
}

void turquoiseDot(Canvas& c, Vec2 m, float r) {
    const Shape s = Shape::circle(m, r);
    const Field f = s.field(c.width(), c.height());
    Canvas g(c.width(), c.height());
    g.paint(f.coverage(),
            Fill::radial(m - Vec2{0.35f * r, 0.4f * r}, 1.3f * r,
                         {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    g.paint(f.band(0, 0.5f * kK), pal::kOutline.fade(0.85f));
    c.draw(g, 0, 0);
    c.paint(Shape::circle(m - Vec2{0.35f * r, 0.4f * r}, 0.28f * r).rasterize(c.width(), c.height()),
            hex(0xffffff, 0.8f), Blend::Screen);
}

// Outer corner `k` (0 top-left, 1 top-right, 2 bottom-left, 3 bottom-right): two bars and a stud.
Canvas corner(int k) {
    constexpr int s = 16;
    Canvas c(s * kK, s * kK);
    const bool right = k % 2 == 1, bottom = k >= 2;
    Canvas bars(s * kK, s * kK);
    Canvas h(s * kK, s * kK), v(s * kK, s * kK);
    bar(h, true, bottom ? s - kBar : 0);
    bar(v, false, right ? s - kBar : 0);
    bars.draw(h, 0, 0);
    bars.draw(v, 0, 0);
    c.draw(bars, 0, 0);
    const Vec2 m{(right ? s - 4.5f : 4.5f) * kK, (bottom ? s - 4.5f : 4.5f) * kK};
    goldShape(c, Shape::circle(m, 4.2f * kK), m, 4.2f * kK);
    turquoiseDot(c, m, 1.9f * kK);
    return c.downsampled(kK);
}

// An edge bar; the same bar serves both edges of a direction, so the trim reads alike all round.
Canvas edge(bool horizontal) {
    const int w = horizontal ? 16 : kBar, h = horizontal ? kBar : 16;
    Canvas c(w * kK, h * kK);
    bar(c, horizontal, 0);
    return c.downsampled(kK);
}

// A small notch pointing at the grid: right for a row (`down` false), down for a column.
Canvas tick(int pitch, bool down) {
    const float len = 6, span = std::max(5.0f, std::round(pitch / 3.0f));
    const int w = static_cast<int>(down ? span : len), h = static_cast<int>(down ? len : span);
    Canvas c(w * kK, h * kK);
    const float a = 0.8f * kK;  // room for the outline
    std::vector<Vec2> pts;
    if (!down)
        pts = {{a, a},
               {(len - 2.6f) * kK, a},
               {len * kK - a, span * kK / 2},
               {(len - 2.6f) * kK, span * kK - a},
               {a, span * kK - a}};
    else
        pts = {{a, a},
               {span * kK - a, a},
               {span * kK - a, (len - 2.6f) * kK},
               {span * kK / 2, len * kK - a},
               {a, (len - 2.6f) * kK}};
    goldShape(c, Shape::polygon(pts), {0.3f * w * kK, 0.3f * h * kK}, 0.6f * std::max(w, h) * kK, false);
    return c.downsampled(kK);
}

// A finial closing a panel's trim: a stud with a point towards the panel's end (down or right).
Canvas endCap(bool down) {
    constexpr int s = 16;
    Canvas c(s * kK, s * kK);
    const Vec2 m{6.5f * kK, 6.5f * kK};
    const Vec2 tip = down ? Vec2{6.5f * kK, 14.8f * kK} : Vec2{14.8f * kK, 6.5f * kK};
    const Vec2 side = down ? Vec2{3.6f * kK, 0} : Vec2{0, 3.6f * kK};
    const Shape point = Shape::polygon({m - side, m + side, tip});
    goldShape(c, Shape::circle(m, 4.6f * kK).blend(point, 1.5f * kK), m, 6.0f * kK);
    turquoiseDot(c, m, 2.0f * kK);
    return c.downsampled(kK);
}

// An eight-petalled gold rosette with a turquoise heart.
Canvas rosette() {
    constexpr int s = 24;
    Canvas c(s * kK, s * kK);
    const Vec2 m{s * kK / 2.0f, s * kK / 2.0f};
    Shape petals = Shape::circle(m, 4.5f * kK);
    for (int i = 0; i < 8; ++i) {
        const Vec2 p = polar(m, 6.3f * kK, 45.0f * i - 90.0f);
        petals = petals.blend(Shape::ellipse(p, 3.4f * kK, 3.4f * kK), 1.2f * kK);
    }
    goldShape(c, petals, m, 10.0f * kK);
    // Fine grooves between the petals.
    for (int i = 0; i < 8; ++i) {
        const Vec2 a = polar(m, 5.0f * kK, 45.0f * i - 67.5f), b = polar(m, 8.6f * kK, 45.0f * i - 67.5f);
        c.paint(Shape::line(a, b, 0.6f * kK).rasterize(c.width(), c.height()), pal::kBronze.withAlpha(0.6f),
                Blend::Inside);
    }
    turquoiseDot(c, m, 3.2f * kK);
    return c.downsampled(kK);
}

}  // namespace

std::vector<Canvas> framePieces(const int (&pitch)[5]) {
    std::vector<Canvas> out;
    for (int k = 0; k < 4; ++k) out.push_back(corner(k));
    for (bool horizontal : {true, true, false, false}) out.push_back(edge(horizontal));
    for (int p : pitch) out.push_back(tick(p, false));
    for (int p : pitch) out.push_back(tick(p, true));
    out.push_back(endCap(true));
    out.push_back(endCap(false));
    out.push_back(rosette());
    return out;
}

}  // namespace gen::grid
