// The pop-up frame: a gold-rimmed lapis border around the dark panel, cut into four corners and four edges.
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "panels_art.h"

namespace gen {

using namespace paint;
using hud::styled;

namespace {

// Piece sizes: the code that draws the frame places its pop-ups by them.
constexpr int kCornerW = 106, kCornerH = 109;  // every corner
constexpr int kTileW = 104;                    // the top and bottom edges, kCornerH tall
constexpr int kTileH = 82;                     // the left and right edges, kCornerW wide
// The frame is painted with two tiles along each edge and then cut.
constexpr int kW = 2 * kCornerW + 2 * kTileW, kH = 2 * kCornerH + 2 * kTileH;
constexpr float kRound = 20;  // outer corner radius

// Depths into the border, from the outer edge of the picture.
constexpr float kRim = 6, kBand = 14, kBead = 31, kPanel = 37;

Shape frameAt(float inset) {
    return Shape::rect(inset, inset, kW - 2 * inset, kH - 2 * inset, std::max(3.0f, kRound - inset));
}

// A colour by depth into the band that starts `inset` pixels in and is `width` wide: the same all along an
// edge, so the edges repeat without a seam.
Fill across(float inset, float width, Gradient g) {
    const Shape outer = frameAt(inset);
    return Fill([outer, width, g](float x, float y) {
        return g.at(clamp01(-outer.distance({x, y}) / width));
    });
}

Style gilded(Fill fill, float bevelDepth) {
    Style s;
    s.fill = std::move(fill);
    s.outline = 1.0f;
    s.outlineFill = pal::kOutline;
    s.bevel = Bevel{bevelDepth, 0.65f, 0.45f, true};
    return s;
}

// Places along the band's centre line, a whole number of periods to every tile so that each tile looks the
// same: the studs, or with `gem` the beads halfway between them (those at a tile's start straddle the seam).
std::vector<Vec2> bandPlaces(bool gem) {
    const float mid = (kBand + kBead) / 2, shift = gem ? 0.0f : 1.0f;
    std::vector<Vec2> out;
    for (int t = 0; t < 2; ++t) {
        for (int k = 0; k < 4; ++k) {  // four to a top or bottom tile
            const float x = kCornerW + t * kTileW + kTileW / 8.0f * (2 * k + shift);
            out.push_back({x, mid});
            out.push_back({x, kH - mid});
        }
        for (int k = 0; k < 3; ++k) {  // three to a side tile
            const float y = kCornerH + t * kTileH + kTileH / 6.0f * (2 * k + shift);
            out.push_back({mid, y});
            out.push_back({kW - mid, y});
        }
    }
    if (gem) {  // the beads where the second tiles end, at the far corners
        for (float y : {mid, kH - mid}) out.push_back({kW - kCornerW, y});
        for (float x : {mid, kW - mid}) out.push_back({x, kH - kCornerH});
    }
    // The same rhythm carried on into the corners, up to the medallions.
    for (int j = gem ? 2 : 1; j <= 4; j += 2) {
        const float dx = kTileW / 8.0f * j, dy = kTileH / 6.0f * j;
        for (float y : {mid, kH - mid}) {
            out.push_back({kCornerW - dx, y});
            out.push_back({kW - kCornerW + dx, y});
        }
        for (float x : {mid, kW - mid}) {
            out.push_back({x, kCornerH - dy});
            out.push_back({x, kH - kCornerH + dy});
        }
    }
    return out;
}

// The lapis band between the rims: deep blue, sunk under the gold, with gold studs and turquoise beads.
void band(Canvas& c) {
    const Shape channel = frameAt(kBand) - frameAt(kBead);
    const Field f = channel.field(kW, kH);
    Canvas face(kW, kH);
    face.paint(
        f.coverage(),
        across(kBand, kBead - kBand,
               {{0, pal::kBlueNight}, {0.4f, pal::kBlueDeep}, {0.75f, hex(0x233f78)}, {1, pal::kBlueDeep}}));
    innerShadow(face, f, 2.0f, 1.5f, hex(0x02040c, 0.8f));
    face.paint((frameAt(kBand + 3) - frameAt(kBead - 3)).outline(0.8f).rasterize(kW, kH),
               hex(0x6f95d8, 0.25f), Blend::Screen);
    c.draw(face, 0, 0);
    for (Vec2 p : bandPlaces(false)) {
        Style s = gilded(hud::gold(p.y - 5, p.y + 5), 1.6f);
        s.shadow = Shadow{{0.8f, 1.2f}, 1.0f, hex(0x02040c, 0.7f)};
        styled(c, Shape::star(p, 4, 5.2f, 2.1f), s, 4);
    }
    for (Vec2 p : bandPlaces(true)) {
        Style s;
        s.fill =
            Fill::radial(p + Vec2{-0.8f, -1}, 3.2f, {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}});
        s.outline = 0.8f;
        s.outlineFill = hex(0x4a2806);
        s.shadow = Shadow{{0.6f, 0.9f}, 0.8f, hex(0x02040c, 0.6f)};
        styled(c, Shape::circle(p, 2.2f), s, 3);
    }
}

// A corner medallion over the band: an eight-pointed gold rosette around a turquoise gem.
void medallion(Canvas& c, Vec2 m) {
    Style rosette =
        gilded(Fill::radial(
                   m + Vec2{-6, -7}, 26,
                   {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.7f, pal::kGold}, {1, pal::kGoldDeep}}),
               3.0f);
    rosette.outline = 1.3f;
    rosette.shadow = Shadow{{2.0f, 2.6f}, 2.2f, hex(0x1a0d05, 0.6f)};
    styled(c, Shape::star(m, 8, 21.5f, 16.5f, 22.5f) | Shape::circle(m, 17), rosette, 8);
    styled(c, Shape::circle(m, 13).outline(1.2f), gilded(pal::kGoldDeep, 0.8f), 2);
    Style gem;
    gem.fill = Fill::radial(m + Vec2{-3, -3.5f}, 12,
                            {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gem.outline = 1.0f;
    gem.outlineFill = hex(0x4a2806);
    gem.bevel = Bevel{2.5f, 0.55f, 0.45f, true};
    styled(c, Shape::circle(m, 9), gem, 3);
    c.paint(Shape::ellipse(m + Vec2{-3.2f, -3.6f}, 2.8f, 1.9f).rasterize(kW, kH, 1.0f), hex(0xffffff, 0.85f),
            Blend::Screen);
}

// The panel inside the border: the flat colour the game fills the middle with, the border's shadow cast
// onto it from the top left, and a faint painted gold line.
void panel(Canvas& c) {
    const Shape inside = frameAt(kPanel);
    const Mask in = inside.rasterize(kW, kH);
    c.paint(in, kPopUpPanel);
    Mask cast = Mask(in).invert().shifted(3, 4);
    cast.blur(4.0f);
    cast.multiply(in);
    c.paint(cast, hex(0x0a0302, 0.75f));
    c.paint(frameAt(kPanel + 9).outline(1.0f).rasterize(kW, kH), pal::kGold.fade(0.3f));
}

Canvas frameArt() {
    Canvas c(kW, kH);
    Mask shadow = frameAt(kRim).rasterize(kW, kH).shifted(2, 3);
    shadow.blur(3.5f);
    c.paint(shadow, hex(0x0d0603, 0.6f));
    drawStyled(
        c, (frameAt(kRim) - frameAt(kBand)).field(kW, kH),
        gilded(across(kRim, kBand - kRim,
                      {{0, pal::kGoldDeep}, {0.3f, pal::kGold}, {0.6f, pal::kGoldLight}, {1, pal::kGold}}),
               3.5f));
    band(c);
    drawStyled(
        c, (frameAt(kBead) - frameAt(kPanel)).field(kW, kH),
        gilded(across(kBead, kPanel - kBead, {{0, pal::kGoldLight}, {0.5f, pal::kGold}, {1, pal::kGoldDeep}}),
               2.0f));
    panel(c);
    const float m = (kBand + kBead) / 2;
    for (Vec2 p : {Vec2{m, m}, Vec2{kW - m, m}, Vec2{m, kH - m}, Vec2{kW - m, kH - m}}) medallion(c, p);
    return c;
}

// The first tile along an edge must look like the second, or a frame of any size shows seams.
void checkTiles(const Canvas& art) {
    const Canvas top0 = art.cropped(kCornerW, 0, kTileW, kH),
                 top1 = art.cropped(kCornerW + kTileW, 0, kTileW, kH);
    const Canvas side0 = art.cropped(0, kCornerH, kW, kTileH),
                 side1 = art.cropped(0, kCornerH + kTileH, kW, kTileH);
    if (!sameImage(top0, top1) || !sameImage(side0, side1))
        throw std::runtime_error("the pop-up frame's edges do not repeat seamlessly");
}

}  // namespace

void genPopUpFrame(const Context& ctx) {
    const Canvas art = frameArt();
    checkTiles(art);
    const int right = kW - kCornerW, bottom = kH - kCornerH;
    const std::string dir = "gfx/gui/popup/popup-";
    auto put = [&](const char* name, int x, int y, int w, int h) {
        const Canvas piece = art.cropped(x, y, w, h);
        writePng(piece, ctx.out(dir + name + ".png"));
    };
    put("corner-u-left", 0, 0, kCornerW, kCornerH);
    put("corner-u-right", right, 0, kCornerW, kCornerH);
    put("corner-b-left", 0, bottom, kCornerW, kCornerH);
    put("corner-b-right", right, bottom, kCornerW, kCornerH);
    put("horizontal", kCornerW, 0, kTileW, kCornerH);
    put("horizontal-2", kCornerW, bottom, kTileW, kCornerH);
    put("vertical", 0, kCornerH, kCornerW, kTileH);
    put("vertical-2", right, kCornerH, kCornerW, kTileH);
    // The pieces' inner edges must meet the flat fill exactly.
    const Pixel& inner = art.at(kCornerW, kCornerH);
    if (!samePixel(inner, premultiply(kPopUpPanel)))
        throw std::runtime_error("the pop-up frame's panel does not match its flat fill");
}

}  // namespace gen
