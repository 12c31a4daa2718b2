// The game's framed dark panel: gold rim, lapis band with studs and beads, gold bead, medallions, dark panel.
#include "panels_border.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "panels_art.h"

namespace gen {

using namespace paint;
using hud::styled;

namespace {

constexpr float kRound = 20;  // outer corner radius
constexpr float kRim = kBorderRim, kBand = kBorderBand, kBead = kBorderBead, kPanel = kBorderPanel;
constexpr float kClear = 50;  // room left for the corner medallions along each edge

// Paints one border; every step reads the layout.
struct Painter {
    const BorderLayout L;

    Shape frameAt(float inset) const {
        return Shape::rect(inset, inset, L.w - 2 * inset, L.h - 2 * inset, std::max(3.0f, kRound - inset));
    }

    // A colour by depth into the band that starts `inset` pixels in and is `width` wide: the same all along
    // an edge, so the edges repeat without a seam.
    Fill across(float inset, float width, Gradient g) const {
        const Shape outer = frameAt(inset);
        return Fill([outer, width, g](float x, float y) {
            return g.at(clamp01(-outer.distance({x, y}) / width));
        });
    }

    static Style gilded(Fill fill, float bevelDepth) {
        Style s;
        s.fill = std::move(fill);
        s.outline = 1.0f;
        s.outlineFill = pal::kOutline;
        s.bevel = Bevel{bevelDepth, 0.65f, 0.45f, true};
        return s;
    }

    // Places along the band's centre line at whole steps from the layout's origin: the studs, or with `gem`
    // the beads between them. A frame cut into repeated tiles puts the origin at a tile's start and steps
    // that divide the tile, so that every tile looks the same.
    std::vector<Vec2> bandPlaces(bool gem) const {
        const float mid = (kBand + kBead) / 2;
        std::vector<Vec2> out;
        auto along = [&](float origin, float step, float length, auto put) {
            const int first = static_cast<int>(std::ceil((kClear - origin) / step));
            for (int j = first; origin + j * step <= length - kClear + 0.01f; ++j)
                if ((j % 2 == 0) == gem) put(origin + j * step);
        };
        along(L.origin.x, L.studsX, static_cast<float>(L.w), [&](float x) {
            out.push_back({x, mid});
            out.push_back({x, L.h - mid});
        });
        along(L.origin.y, L.studsY, static_cast<float>(L.h), [&](float y) {
            out.push_back({mid, y});
            out.push_back({L.w - mid, y});
        });
        return out;
    }

    // The lapis band between the rims: deep blue, sunk under the gold, with gold studs and turquoise beads.
    void band(Canvas& c) const {
        const Shape channel = frameAt(kBand) - frameAt(kBead);
        const Field f = channel.field(L.w, L.h);
        Canvas face(L.w, L.h);
        face.paint(
            f.coverage(),
            across(
                kBand, kBead - kBand,
                {{0, pal::kBlueNight}, {0.4f, pal::kBlueDeep}, {0.75f, hex(0x233f78)}, {1, pal::kBlueDeep}}));
        innerShadow(face, f, 2.0f, 1.5f, hex(0x02040c, 0.8f));
        face.paint((frameAt(kBand + 3) - frameAt(kBead - 3)).outline(0.8f).rasterize(L.w, L.h),
                   hex(0x6f95d8, 0.25f), Blend::Screen);
        c.draw(face, 0, 0);
        for (Vec2 p : bandPlaces(false)) {
            Style s = gilded(hud::gold(p.y - 5, p.y + 5), 1.6f);
            s.shadow = Shadow{{0.8f, 1.2f}, 1.0f, hex(0x02040c, 0.7f)};
            styled(c, Shape::star(p, 4, 5.2f, 2.1f), s, 4);
        }
        for (Vec2 p : bandPlaces(true)) {
            Style s;
            s.fill = Fill::radial(p + Vec2{-0.8f, -1}, 3.2f,
                                  {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
            s.outline = 0.8f;
            s.outlineFill = hex(0x4a2806);
            s.shadow = Shadow{{0.6f, 0.9f}, 0.8f, hex(0x02040c, 0.6f)};
            styled(c, Shape::circle(p, 2.2f), s, 3);
        }
    }

    // The panel inside the border: the flat colour the game fills the middle with, the border's shadow cast
    // onto it from the top left, and a faint painted gold line.
    void panel(Canvas& c) const {
        const Shape inside = frameAt(kPanel);
        const Mask in = inside.rasterize(L.w, L.h);
        c.paint(in, kPopUpPanel);
        Mask cast = Mask(in).invert().shifted(3, 4);
        cast.blur(4.0f);
        cast.multiply(in);
        c.paint(cast, hex(0x0a0302, 0.75f));
        c.paint(frameAt(kPanel + 9).outline(1.0f).rasterize(L.w, L.h), pal::kGold.fade(0.3f));
    }

    Canvas paint() const;
};

Canvas Painter::paint() const {
    Canvas c(L.w, L.h);
    Mask shadow = frameAt(kRim).rasterize(L.w, L.h).shifted(2, 3);
    shadow.blur(3.5f);
    c.paint(shadow, hex(0x0d0603, 0.6f));
    drawStyled(
        c, (frameAt(kRim) - frameAt(kBand)).field(L.w, L.h),
        gilded(across(kRim, kBand - kRim,
                      {{0, pal::kGoldDeep}, {0.3f, pal::kGold}, {0.6f, pal::kGoldLight}, {1, pal::kGold}}),
               3.5f));
    band(c);
    drawStyled(
        c, (frameAt(kBead) - frameAt(kPanel)).field(L.w, L.h),
        gilded(across(kBead, kPanel - kBead, {{0, pal::kGoldLight}, {0.5f, pal::kGold}, {1, pal::kGoldDeep}}),
               2.0f));
    panel(c);
    const float m = (kBand + kBead) / 2;
    for (Vec2 p : {Vec2{m, m}, Vec2{L.w - m, m}, Vec2{m, L.h - m}, Vec2{L.w - m, L.h - m}})
        borderMedallion(c, p);
    return c;
}

}  // namespace

// An eight-pointed gold rosette around a turquoise gem, centred at m.
void borderMedallion(Canvas& c, Vec2 m) {
    Style rosette = Painter::gilded(
        Fill::radial(
            m + Vec2{-6, -7}, 26,
            {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.7f, pal::kGold}, {1, pal::kGoldDeep}}),
        3.0f);
    rosette.outline = 1.3f;
    rosette.shadow = Shadow{{2.0f, 2.6f}, 2.2f, hex(0x1a0d05, 0.6f)};
    styled(c, Shape::star(m, 8, 21.5f, 16.5f, 22.5f) | Shape::circle(m, 17), rosette, 8);
    styled(c, Shape::circle(m, 13).outline(1.2f), Painter::gilded(pal::kGoldDeep, 0.8f), 2);
    Style gem;
    gem.fill = Fill::radial(m + Vec2{-3, -3.5f}, 12,
                            {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gem.outline = 1.0f;
    gem.outlineFill = hex(0x4a2806);
    gem.bevel = Bevel{2.5f, 0.55f, 0.45f, true};
    styled(c, Shape::circle(m, 9), gem, 3);
    c.paint(Shape::ellipse(m + Vec2{-3.2f, -3.6f}, 2.8f, 1.9f).rasterize(c.width(), c.height(), 1.0f),
            hex(0xffffff, 0.85f), Blend::Screen);
}

Canvas borderedPanel(const BorderLayout& layout) {
    return Painter{layout}.paint();
}

}  // namespace gen
