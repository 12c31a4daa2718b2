// Ornaments of the main game's panel: painted wings, studs, the lotus medallion, dividers, the chest niche
// and the hint label.
#include <cmath>
#include <vector>

#include "maingame_hud_art.h"
#include "maingame_hud_panel.h"
#include "paint/Effects.h"
#include "paint/Text.h"

namespace gen::panel {

using namespace paint;
using namespace hud;

namespace {

// Turquoise from light to deep, for gems and beads.
Fill turquoise(Vec2 light, float r) {
    return Fill::radial(light, r,
                        {{0, hex(0xeafffb)},
                         {0.3f, pal::kTurquoiseLight},
                         {0.7f, pal::kTurquoise},
                         {1, pal::kTurquoiseDeep}});
}

void gem(Canvas& c, Vec2 at, float r) {
    part(c, Shape::circle(at, r), turquoise(at + Vec2{-r * 0.4f, -r * 0.45f}, r * 1.5f), 0.9f,
         std::max(1.0f, r * 0.45f), 0.5f, 0.35f, hex(0x0b3a38));
    c.paint(
        Shape::ellipse(at + Vec2{-r * 0.35f, -r * 0.4f}, r * 0.3f, r * 0.2f).rasterize(c.width(), c.height()),
        hex(0xffffff, 0.85f), Blend::Screen);
}

// One wing: the outline of its upper edge, nearly straight, and the lower edge rising to a rounded tip.
Shape wingShape(Vec2 centre, float s, float inner, float outer) {
    std::vector<Vec2> pts;
    constexpr int kN = 24;
    const float len = outer - inner + 8;
    for (int i = 0; i <= kN; ++i) {
        const float t = static_cast<float>(i) / kN;
        pts.push_back({centre.x + s * (inner - 8 + len * t), centre.y - 13 + 3 * t * t});
    }
    for (int i = kN; i >= 0; --i) {
        const float t = static_cast<float>(i) / kN;
        pts.push_back({centre.x + s * (inner - 8 + len * t), centre.y + 13 - 21 * std::pow(t, 1.4f)});
    }
    return Shape::polygon(pts).grown(-1.5f).grown(1.5f).blend(
        Shape::circle({centre.x + s * (outer - 1.5f), centre.y - 8.5f}, 2.5f), 2.0f);
}

}  // namespace

void wings(Canvas& c, Vec2 centre, float inner, float outer) {
    for (float s : {-1.0f, 1.0f}) {
        const Shape wing = wingShape(centre, s, inner, outer);
        Layer l(c, wing.bounds().expanded(8));
        const Field f = l.field(wing);
        const Mask cover = f.coverage();
        dropShadow(l.canvas(), cover, {1.5f, 2.0f}, 1.5f, kShadow);
        Canvas face(l.width(), l.height());
        face.paint(cover, l.local(gold(centre.y - 13, centre.y + 13)));
        // The long feathers: lapis and turquoise in turn, leaning outwards, with gold between them.
        const float bandBottom = centre.y - 5;
        Mask lapisM(l.width(), l.height()), turqM(l.width(), l.height());
        for (int i = 0; i < 30; ++i) {
            const float x0 = inner - 6 + 8.0f * i, x1 = x0 + 6.2f;
            if (x0 > outer) break;
            const float lean = 5.0f;
            auto X = [&](float x) { return centre.x + s * x; };
            const Shape feather = Shape::polygon({{X(x0), bandBottom},
                                                  {X(x1), bandBottom},
                                                  {X(x1 + lean), centre.y + 16},
                                                  {X(x0 + lean), centre.y + 16}});
            l.local(feather & wing.grown(-1.6f)).drawInto(i % 2 ? turqM : lapisM, 1.0f);
        }
        face.paint(lapisM, l.local(lapis(centre.y - 6, centre.y + 14)));
        face.paint(turqM, l.local(Fill::vertical(centre.y - 6, centre.y + 14,
                                                 {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}})));
        // The small covert feathers along the top: a row of scallops cut into the gold.
        Mask scallops(l.width(), l.height());
        for (float x = inner - 4; x < outer - 4; x += 6.0f)
            l.local(Shape::circle({centre.x + s * x, bandBottom - 1.5f}, 3.2f).outline(0.9f) &
                    Shape::rect(-2000, centre.y - 10, 4000, 8.5f))
                .drawInto(scallops, 1.0f);
        scallops.multiply(f.coverage(-1.5f));
        face.paint(scallops, pal::kBronze.fade(0.7f));
        bevel(face, f, Bevel{2.5f, 0.5f, 0.35f, true});
        face.paint(f.band(-0.2f, 1.2f), pal::kOutline.fade(0.9f));
        l.canvas().draw(face, 0, 0);
        l.put(c);
    }
}

void stud(Canvas& c, Vec2 at, float r) {
    part(c, Shape::circle(at, r), gold(at.y - r, at.y + r), 1.0f, std::max(1.2f, r * 0.35f), 0.6f, 0.4f);
    if (r >= 5) gem(c, at, r * 0.5f);
}

void lotusMedallion(Canvas& c, Vec2 m, float r) {
    socket(c, Shape::circle(m, r - 4), 4.0f, lapis(m.y - r, m.y + r), 3.0f);
    // A rosette of pointed petals, turquoise and gold in turn; fewer on a small medallion.
    const int petals = r >= 28 ? 12 : 8;
    const float step = 360.0f / petals;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = pass; i < petals; i += 2) {
            const float a = step * i - 90.0f;
            const Vec2 tip = polar(m, r - 7.5f, a), base = polar(m, 7.0f, a);
            const Vec2 side = rotate(normalize(tip - m), kPi / 2) * (pass ? 3.6f : 4.4f);
            const Vec2 mid = lerp(base, tip, 0.45f);
            const Shape petal = Shape::polygon({base, mid + side, tip, mid - side});
            const Fill fill = pass ? gold(m.y - r, m.y + r)
                                   : Fill::radial(m + Vec2{-6, -6}, r,
                                                  {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
            part(c, petal.grown(0.6f), fill, 0.9f, 1.5f, 0.5f, 0.35f);
        }
    part(c, Shape::circle(m, 8.5f), gold(m.y - 9, m.y + 9), 1.0f, 2.0f, 0.6f, 0.4f);
    gem(c, m, 5.0f);
}

void divider(Canvas& c, float y, float x0, float x1) {
    const float mid = (x0 + x1) / 2;
    Shape bar = Shape::rect(x0, y - 1.5f, x1 - x0, 3, 1.5f);
    bar =
        bar | Shape::regular({mid, y}, 4, 8.0f) | Shape::circle({x0, y}, 3.0f) | Shape::circle({x1, y}, 3.0f);
    styled(c, bar, goldTrim(y - 8, y + 8, 1.0f), 4.0f);
    gem(c, {mid, y}, 3.6f);
}

void chestNiche(Canvas& c) {
    const float x0 = 814, x1 = 994, top = 418, bottom = 564, arch = 28;
    const float mx = (x0 + x1) / 2;
    const Shape opening =
        Shape::rect(x0, top, x1 - x0, bottom - top) | Shape::ellipse({mx, top}, (x1 - x0) / 2, arch);
    // A raised sandstone moulding, then the gold lip of the opening.
    Style moulding;
    moulding.fill = sandstone({780, 380, 1024, 600}, 23u);
    moulding.outline = 1.0f;
    moulding.outlineFill = pal::kOutline.fade(0.5f);
    moulding.bevel = Bevel{5.0f, 0.45f, 0.5f, true};
    moulding.shadow = Shadow{{2, 3}, 3, kShadow};
    styled(c, opening.grown(11), moulding, 8.0f);
    styled(c, opening.grown(4.5f), goldTrim(top - arch, bottom, 1.2f), 4.0f);

    // The back wall: lapis painted with rows of small gold stars, in the deep shadow of the arch.
    Layer l(c, opening.bounds().expanded(2));
    const Field f = l.field(opening);
    Canvas& w = l.canvas();
    w.paint(f.coverage(),
            l.local(Fill::radial({mx + 25, top + 70}, 150,
                                 {{0, hex(0x3a5fa8)}, {0.5f, pal::kBlue}, {1, pal::kBlueDeep}})));
    Mask stars(l.width(), l.height());
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 7; ++col) {
            const Vec2 p{x0 + 14 + col * 26.0f + (row % 2) * 13.0f, top - arch + 16 + row * 24.0f};
            l.local(Shape::star(p, 5, 4.2f, 1.7f)).drawInto(stars, 1.0f);
        }
    stars.multiply(f.coverage(-5));
    w.paint(stars, pal::kGoldLight.fade(0.55f));
    // A floor of sandstone where the chest stands.
    const Shape floor = Shape::rect(x0, bottom - 16, x1 - x0, 20) & opening;
    w.paint(l.mask(floor),
            l.local(Fill::vertical(bottom - 16, bottom, {{0, hex(0xb88650)}, {1, hex(0x7a5130)}})));
    w.paint(l.mask(Shape::rect(x0, bottom - 16, x1 - x0, 1.5f)), hex(0xffe6b0, 0.5f));
    // Shade from the arch and the left jamb, and a dark line right under the lip.
    innerShadow(w, f, 14.0f, 10.0f, hex(0x02040c, 0.85f));
    innerShadow(w, f, 3.0f, 2.0f, hex(0x02040c, 0.7f));
    l.put(c);
}

}  // namespace gen::panel
