// The picture stone: a grey-brown slab carved with an empty 5 × 5 grid and the numbers that hide its
// picture along the top and left edges, shown nested in the crate's straw.
#include <cmath>
#include <string>

#include "Palette.h"
#include "SystemFonts.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Noise.h"
#include "paint/Style.h"
#include "paint/Text.h"
#include "story_start_art.h"

namespace gen::opening {

namespace {

// The clues of a little ankh, the sign the professor will find under the first stone.
const char* const kColumns[5] = {"1", "3", "1 3", "3", "1"};
const char* const kRows[5] = {"3", "1 1", "5", "1", "1"};

// A number cut into the stone: a dark groove and the lit lip below and right of it.
void carvedText(Canvas& c, const Font& font, const std::string& s, float px, Vec2 centre, float tilt) {
    Mask m(c.width(), c.height());
    const Rect ink = font.inkBounds(s, px);
    font.render(m, s, px, centre - Vec2{ink.centre().x, ink.centre().y});
    const Vec2 m0 = centre;
    Mask turned = m.warped([&](Vec2 p) { return m0 + rotate(p - m0, -tilt * kPi / 180); });
    c.paint(turned.shifted(1, 1), hex(0xf0dcc0, 0.5f), Blend::Inside);
    c.paint(turned, hex(0x2a1a12, 0.85f), Blend::Inside);
}

}  // namespace

void carveTablet(Canvas& c, Vec2 at, float w, float h, float tilt, unsigned seed) {
    const int cw = c.width(), ch = c.height();
    const Vec2 mid = at + Vec2{w / 2, h / 2};
    auto place = [&](const Shape& s) { return s.rotated(tilt, mid); };
    const Shape slab = place(Shape::rect(at.x, at.y, w, h, 8));
    // Its thickness below, then the face.
    c.paint(cover(place(Shape::rect(at.x + 3, at.y + 8, w, h, 8)), cw, ch), hex(0x5a3a2a));
    const Noise n(seed);
    Style st;
    st.fill = Fill([&, n](float x, float y) {
        const float v = n.fbm(x / 18.0f, y / 18.0f, 4);
        const Color base =
            mixOklab(hex(0xeed0a0), hex(0xb08058), clamp01((x - at.x) / w * 0.5f + (y - at.y) / h * 0.5f));
        return mixOklab(base, hex(0x8a5a44), 0.4f * v);
    });
    st.outline = 1.4f;
    st.outlineFill = pal::kOutline.fade(0.9f);
    st.bevel = Bevel{5, 0.5f, 0.45f, true};
    drawStyled(c, slab.field(cw, ch), st);
    // Chips and worn spots along the edges.
    Rng r(seed + 1);
    Mask chips(cw, ch);
    for (int i = 0; i < 16; ++i)
        Shape::circle(at + Vec2{r.range(0, w), r.uniform() < 0.5f ? r.range(0, 6) : h - r.range(0, 6)},
                      r.range(1.5f, 3.5f))
            .drawInto(chips);
    c.paint(chips.multiply(cover(place(Shape::rect(at.x, at.y, w, h, 8)), cw, ch)), hex(0x4a3a30, 0.5f),
            Blend::Inside);
    // The grid sits in the lower right; the clues fill the margins above and to its left.
    const float margin = w * 0.3f, cell = std::min((w - margin - 10) / 5, (h - h * 0.3f - 10) / 5);
    const float gx = at.x + w - 8 - 5 * cell, gy = at.y + h - 8 - 5 * cell;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 5; ++col) {
            const Shape hole =
                place(Shape::rect(gx + col * cell + 1.5f, gy + row * cell + 1.5f, cell - 3, cell - 3, 2));
            const Field f = hole.field(cw, ch);
            c.paint(f.coverage(), hex(0x7a4a38, 0.5f));
            innerShadow(c, f, 1.6f, 1.2f, hex(0x1e120c, 0.7f));
        }
    const Font font(requireFont(kSerifBold));
    const float px = cell * 0.72f;
    for (int i = 0; i < 5; ++i) {
        // A column's numbers stacked one over another, a row's side by side.
        std::string col = kColumns[i];
        const float x = gx + (i + 0.5f) * cell;
        float y = gy - cell * 0.45f;
        for (auto it = col.rbegin(); it != col.rend(); ++it) {
            if (*it == ' ') continue;
            carvedText(c, font, std::string(1, *it), px, rotate(Vec2{x, y} - mid, tilt * kPi / 180) + mid,
                       tilt);
            y -= px * 1.05f;
        }
        std::string row = kRows[i];
        float rx = gx - cell * 0.45f;
        for (auto it = row.rbegin(); it != row.rend(); ++it) {
            if (*it == ' ') continue;
            const Vec2 rowAt{rx, gy + (i + 0.5f) * cell};
            carvedText(c, font, std::string(1, *it), px, rotate(rowAt - mid, tilt * kPi / 180) + mid, tilt);
            rx -= px * 0.9f;
        }
    }
    // A carved border round the whole face.
    c.paint(cover(place(Shape::rect(at.x + 5, at.y + 5, w - 10, h - 10, 5).outline(1.6f)), cw, ch),
            hex(0x3a2a20, 0.5f), Blend::Inside);
}

Canvas tabletInStraw() {
    const int w = 250, h = 200;
    Canvas c(w, h);
    c.paint(cover(Shape::ellipse({128, 136}, 110, 44), w, h).blurred(10), hex(0x2a1404, 0.45f));
    carveTablet(c, {27, 20}, 196, 146, -4, 3201);
    // Straw tucked round its foot and lying over its corners.
    Rng r(3202);
    Mask straw(w, h), lit(w, h);
    for (int i = 0; i < 140; ++i) {
        const float t = r.uniform();
        Vec2 a{r.range(20, 230), 0};
        a.y = (i < 40) ? r.range(150, 176) : 155 + 18 * std::sin(t * 6) + r.range(-6, 18);
        if (i >= 120) a = {r.uniform() < 0.5f ? r.range(26, 60) : r.range(190, 224), r.range(28, 160)};
        const float ang = r.range(-0.5f, 0.5f) + (i % 2 ? kPi : 0), l = r.range(12, 28);
        const Vec2 b = a + Vec2{std::cos(ang) * l, std::sin(ang) * l * 0.4f};
        Shape::stroke({a, (a + b) * 0.5f + Vec2{0, -2}, b}, {1.3f, 1.1f, 0.7f}).drawInto(i % 3 ? straw : lit);
    }
    c.paint(straw, hex(0xd0a040));
    c.paint(lit, hex(0xffe08a));
    c.paint(straw.shifted(1, 1).subtract(straw), hex(0x5a3a10, 0.5f));
    return c;
}

}  // namespace gen::opening
