// The papyrus scroll that unrolls downward: two wooden rods with the paper rolled round them, the plain
// parchment between them and its torn sides, as the nine pieces the scroll is drawn from.
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "panels_art.h"

namespace gen {

using namespace paint;

namespace {

// The scroll's drawing rule fixes the geometry: the middle rows start 31 pixels right of the scroll's left
// edge and 52 below its top, and the rolled ends meet the middle tiles column for column.
constexpr int kKnob = 31;             // the rod's end and knob, left of the paper
constexpr int kEdge = 16;             // the torn side strips
constexpr int kEnd = kKnob + kEdge;   // the width of the end pieces of the rolls
constexpr int kTile = 64, kRow = 32;  // a middle tile
constexpr int kTopH = 66, kBottomH = 56;
constexpr int kW = 2 * kEnd + 2 * kTile;  // the rolls are painted with two tiles and then cut
constexpr float kTopRoll = 33, kBottomRoll = 24, kRollR = 21;  // the rolls' middles and radius

constexpr float kTau = 2 * std::numbers::pi_v<float>;

// Noise that repeats every kTile pixels across and kRow down, so the middle tiles join without a seam.
float tiled(const Noise& n, float x, float y, float sx, float sy) {
    const float u = std::fmod(std::fmod(x, kTile) + kTile, kTile),
                v = std::fmod(std::fmod(y, kRow) + kRow, kRow);
    const float a = n.fbm(u / sx, v / sy, 4), b = n.fbm((u - kTile) / sx, v / sy, 4);
    const float c = n.fbm(u / sx, (v - kRow) / sy, 4), d = n.fbm((u - kTile) / sx, (v - kRow) / sy, 4);
    const float fu = u / kTile, fv = v / kRow;
    return (a * (1 - fu) + b * fu) * (1 - fv) + (c * (1 - fu) + d * fu) * fv;
}

// The parchment's colour at a point of the paper (x from the first middle tile's left edge): warm, with
// faint blotches and fibres running across.
Color parchment(float x, float y) {
    static const Noise blotch(71), fibre(72);
    const float b = tiled(blotch, x, y, 22, 14), f = tiled(fibre, x, y, 18, 1.6f);
    const Color base = mixOklab(hex(0xf6e4ba), hex(0xecd2a2), smoothstep(0.3f, 0.8f, b));
    return mixOklab(base, hex(0xdcbb84), 0.22f * smoothstep(0.55f, 0.8f, f));
}

// How far the torn side is set in from its strip's outer edge at height y; it repeats every row.
float tear(float y, float phase) {
    const float t = kTau * y / kRow;
    return 4.0f + 1.8f * std::sin(t + phase) + 1.1f * std::sin(3 * t + 2 * phase + 1) +
           0.5f * std::sin(5 * t + phase + 2);
}

// A side strip: transparent beyond the torn edge, the paper browned towards it, and on the right side the
// paper's shadow on what lies behind. `left` picks the side.
Canvas sideStrip(bool left) {
    Canvas c(kEdge, kRow);
    const float phase = left ? 0.0f : 2.3f;
    for (int y = 0; y < kRow; ++y)
        for (int x = 0; x < kEdge; ++x) {
            const float px = x + 0.5f, edge = tear(y + 0.5f, phase);
            const float in = left ? px - edge : (kEdge - 4) - edge - px;  // distance into the paper
            const float paperX = left ? x - kEdge : 2 * kTile + x;
            Color col = parchment(paperX, static_cast<float>(y));
            col = mixOklab(col, hex(0xb07a45), 0.75f * (1 - smoothstep(0.0f, 6.0f, in)));
            col = mixOklab(col, hex(0x7a4a22), 0.6f * (1 - smoothstep(0.0f, 1.5f, in)));
            const float cover = clamp01(in + 0.5f);
            Pixel p = premultiply(col.fade(cover));
            if (!left && cover < 1) {  // the shadow falls to the right of the paper
                const float shade = 0.35f * (1 - smoothstep(0.0f, 4.0f, -in)) * (1 - cover);
                blendPixel(p, premultiply(hex(0x1a0d05, shade)), Blend::Over);
            }
            c.at(x, y) = p;
        }
    return c;
}

Canvas middleTile() {
    Canvas c(kTile, kRow);
    for (int y = 0; y < kRow; ++y)
        for (int x = 0; x < kTile; ++x) c.at(x, y) = premultiply(parchment(x + 0.5f, y + 0.5f));
    return c;
}

// A turned wooden knob with a gold collar at the rod's end, facing `s` (−1 left, +1 right) from `rodX`.
void knob(Canvas& c, float rodX, float cy, float s) {
    const Fill wood = Fill::radial({rodX - s * 17, cy - 7}, 16,
                                   {{0, hex(0xb0703a)}, {0.45f, hex(0x7a4420)}, {1, hex(0x3a1d0c)}});
    hud::part(
        c, Shape::rect(std::min(rodX, rodX - s * 14), cy - 5.5f, 14, 11, 3),
        Fill::vertical(cy - 6, cy + 6, {{0, hex(0xa0683a)}, {0.4f, hex(0x6e3d1c)}, {1, hex(0x341a0a)}}));
    hud::part(c, Shape::circle({rodX - s * 19, cy}, 10.5f), wood, 1.2f, 3.0f, 0.5f, 0.45f);
    Style collar = hud::goldTrim(cy - 13, cy + 13, 1.0f);
    hud::styled(c, Shape::ellipse({rodX - s * 7, cy}, 3.6f, 12.5f), collar, 4);
    hud::styled(c, Shape::circle({rodX - s * 28.5f, cy}, 2.8f), hud::goldTrim(cy - 3, cy + 3, 0.8f), 3);
}

// One roll across the whole reference width: knobs at both ends, the wound paper between them with a
// spiral showing at each end of the roll.
Canvas roll(int h, float cy, bool top) {
    Canvas c(kW, h);
    const float r = kRollR, x0 = kKnob, x1 = kW - kKnob;
    if (top) {  // the roll's shadow on the paper hanging below it
        Mask cast = Shape::rect(x0 + 6, cy + r - 3, x1 - x0 - 12, 8, 3).rasterize(kW, h, 1.0f).shifted(1, 3);
        cast.blur(2.5f);
        c.paint(cast, hex(0x3a1d0a, 0.4f));
    } else {  // the roll resting below the paper casts its shadow downwards
        Mask cast = Shape::rect(x0 - 4, cy - r + 4, x1 - x0 + 8, 2 * r - 2, 6).rasterize(kW, h).shifted(2, 5);
        cast.blur(3.0f);
        c.paint(cast, hex(0x1a0d05, 0.45f));
    }
    knob(c, x0 + 2, cy, 1);
    knob(c, x1 - 2, cy, -1);
    // The wound paper: lit on top, turning brown underneath, with the parchment's own mottling.
    const Gradient round{{0, hex(0x8a5a2c)},     {0.08f, hex(0xe8cf9c)}, {0.3f, hex(0xfff3d2)},
                         {0.55f, hex(0xf0d7a2)}, {0.85f, hex(0xbf8e55)}, {1, hex(0x6e4420)}};
    const Shape body = Shape::rect(x0 + 2, cy - r, x1 - x0 - 4, 2 * r, 4);
    const float top0 = cy - r;
    c.paint(body.rasterize(kW, h), Fill([=](float x, float y) {
                const Color shade = round.at(clamp01((y - top0) / (2 * r)));
                return mixOklab(shade, parchment(x - kEnd, y * 0.3f), 0.18f);
            }));
    c.paint(body.outline(1.4f).rasterize(kW, h), hex(0x4a2a10, 0.8f));
    // The last turn of the paper: a thin lip along the roll where the sheet leaves it.
    const float lipY = top ? cy + r - 6 : cy - r + 6;
    c.paint(Shape::line({x0 + 6, lipY}, {x1 - 6, lipY}, 1.0f).rasterize(kW, h), hex(0x8a5a2c, 0.55f));
    c.paint(Shape::line({x0 + 6, lipY + 1.2f}, {x1 - 6, lipY + 1.2f}, 0.8f).rasterize(kW, h),
            hex(0xfff3d2, 0.4f));
    // The rolled ends: a narrow oval of paper edges wound round the rod.
    for (float ex : {x0 + 4.5f, x1 - 4.5f}) {
        hud::part(c, Shape::ellipse({ex, cy}, 4.5f, r - 0.5f),
                  Fill::vertical(cy - r, cy + r, {{0, hex(0xf2dcae)}, {1, hex(0xa87a45)}}), 1.0f, 1.5f);
        for (float k : {0.35f, 0.6f, 0.85f})
            c.paint(Shape::ellipse({ex, cy}, 4.5f * k, (r - 0.5f) * k).outline(0.7f).rasterize(kW, h),
                    hex(0x7a4a22, 0.55f));
        c.paint(Shape::circle({ex, cy}, 2.2f).rasterize(kW, h), hex(0x4a2810));
    }
    return c;
}

void writePiece(const Context& ctx, const Canvas& piece, const std::string& name) {
    writePng(piece, ctx.out("gfx/gui/papirus/" + name + ".png"));
}

}  // namespace

void genPapyrus(const Context& ctx) {
    // The rolls' middle pieces are drawn two pixels lower than their ends, so they are cut two rows lower.
    const Canvas top = roll(kTopH + 2, kTopRoll, true), bottom = roll(kBottomH + 2, kBottomRoll, false);
    for (const Canvas* r : {&top, &bottom})
        if (!sameImage(r->cropped(kEnd, 0, kTile, r->height()),
                       r->cropped(kEnd + kTile, 0, kTile, r->height())))
            throw std::runtime_error("the papyrus rolls do not repeat seamlessly");
    writePiece(ctx, top.cropped(0, 0, kEnd, kTopH), "gora-lewo");
    writePiece(ctx, top.cropped(kEnd, 2, kTile, kTopH), "gora-srodek");
    writePiece(ctx, top.cropped(kW - kEnd, 0, kEnd, kTopH), "gora-prawo");
    writePiece(ctx, sideStrip(true), "srodek-lewo");
    writePiece(ctx, middleTile(), "srodek-srodek");
    writePiece(ctx, sideStrip(false), "srodek-prawo");
    writePiece(ctx, bottom.cropped(0, 0, kEnd, kBottomH), "dol-lewo");
    writePiece(ctx, bottom.cropped(kEnd, 2, kTile, kBottomH), "dol-srodek");
    writePiece(ctx, bottom.cropped(kW - kEnd, 0, kEnd, kBottomH), "dol-prawo");
}

}  // namespace gen
