// The window theme: a parchment panel in a carved gold-and-turquoise frame, and the theme's description file.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

#include "Entries.h"
#include "Palette.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Shape.h"
#include "paint/Style.h"
#include "theme_menu.h"
#include "theme_slice.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kCorner = 32;                 // corner pieces, and the thickness of the edges
constexpr int kLength = 8;                  // edges and centre along their stretched length
constexpr int kPad = 4;                     // room for the drop shadow on the right and at the bottom
constexpr int kArt = 128;                   // the frame is painted at this size and then cut
constexpr float kRound = 12;                // corner radius of the outer rim
constexpr float kFar = kArt - kPad - 1.0f;  // the rim's right (bottom) edge; the left (top) one is at 1

const char* const kPieceKeys[9] = {"leftUp", "Up",       "rightUp", "right", "rightdown",
                                   "down",   "leftdown", "left",    "srodek"};

// The frame's outline shrunk by `inset` pixels, its rounding shrinking with it.
Shape frameAt(float inset) {
    const float size = kFar - 1 - 2 * inset;
    return Shape::rect(1 + inset, 1 + inset, size, size, std::max(2.0f, kRound - inset));
}

// A colour by depth into a band that starts `inset` pixels inside the outer edge and is `width` wide.
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
    s.bevel = Bevel{bevelDepth, 0.6f, 0.45f, true};
    return s;
}

// A corner's ornament at (sx, sy) = ±1: a gold diamond with a turquoise gem over the rim, and a terracotta
// lozenge on the panel's border line.
void cornerOrnament(Canvas& c, float sx, float sy) {
    const Vec2 anchor{sx > 0 ? 1.0f : kFar, sy > 0 ? 1.0f : kFar};
    auto at = [&](float u, float v) { return Vec2{anchor.x + sx * u, anchor.y + sy * v}; };

    // A painted terracotta lozenge where the border line turns.
    const Vec2 q = at(21.5f, 21.5f);
    const Shape lozenge =
        Shape::polygon({q + Vec2{0, -3.4f}, q + Vec2{3.4f, 0}, q + Vec2{0, 3.4f}, q + Vec2{-3.4f, 0}});
    c.paint(lozenge.grown(0.8f).rasterize(kArt, kArt), pal::kSandLight);
    c.paint(lozenge.rasterize(kArt, kArt), pal::kTerracotta);
    c.paint(Shape::circle(q, 1.0f).rasterize(kArt, kArt), pal::kSandLight);

    const Vec2 m = at(9.75f, 9.75f);
    const Shape diamond =
        Shape::polygon({m + Vec2{0, -8.2f}, m + Vec2{8.2f, 0}, m + Vec2{0, 8.2f}, m + Vec2{-8.2f, 0}})
            .grown(1.2f);
    Style plate = gilded(Fill::radial(m + Vec2{-3, -3.5f}, 13,
                                      {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {1, pal::kGoldDeep}}),
                         2.5f);
    plate.outline = 1.2f;
    plate.shadow = Shadow{{1.5f, 2}, 1.4f, hex(0x1a0d05, 0.55f)};
    drawStyled(c, diamond.field(kArt, kArt), plate);

    Style gem;
    gem.fill = Fill::radial(m + Vec2{-1.5f, -2}, 6.5f,
                            {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gem.outline = 1.0f;
    gem.outlineFill = hex(0x4a2806);
    gem.bevel = Bevel{2.0f, 0.5f, 0.4f, true};
    drawStyled(c, Shape::circle(m, 4.4f).field(kArt, kArt), gem);
    c.paint(Shape::ellipse(m + Vec2{-1.5f, -1.8f}, 1.5f, 1.0f).rasterize(kArt, kArt), hex(0xffffff, 0.9f),
            Blend::Screen);
}

// The sunken channel of turquoise inlay between the two gold rims.
void inlay(Canvas& c) {
    const Shape channel = frameAt(7.5f) - frameAt(12.5f);
    const Field f = channel.field(kArt, kArt);
    Canvas face(kArt, kArt);
    face.paint(f.coverage(),
               across(7.5f, 5, {{0, pal::kTurquoiseDeep}, {0.45f, pal::kTurquoise}, {1, hex(0x1a9c90)}}));
    innerShadow(face, f, 1.5f, 1.0f, hex(0x03302a, 0.75f));
    face.paint(frameAt(10.3f).outline(0.8f).rasterize(kArt, kArt), pal::kTurquoiseLight.fade(0.45f),
               Blend::Screen);
    c.draw(face, 0, 0);
}

// Shading on the parchment inside the frame: the frame's shadow at the top left, a warm darkening along
// every rim, a lit lip at the bottom right and a painted terracotta border line.
void panelShading(Canvas& c) {
    const Shape inside = frameAt(17.5f);
    const Field f = inside.field(kArt, kArt, 24);
    const Mask in = f.coverage();
    Mask cast = Mask(in).invert().shifted(2, 3);
    cast.blur(3.0f);
    cast.multiply(in);
    c.paint(cast, hex(0x8a5220, 0.35f));
    Mask rim(kArt, kArt), lip(kArt, kArt);
    const Vec2 light = lightDirection();
    for (int y = 0; y < kArt; ++y)
        for (int x = 0; x < kArt; ++x) {
            const float d = f.at(x, y);
            if (d > 0.5f) continue;
            rim.at(x, y) = in.at(x, y) * 0.16f * (1 - smoothstep(0, 9, -d));
            const float away = -dot(f.normal(x, y), light);
            lip.at(x, y) = in.at(x, y) * std::max(0.0f, away) * (1 - smoothstep(0.5f, 2.0f, -d));
        }
    c.paint(rim, pal::kBronze);
    c.paint(lip, hex(0xfff6dc, 0.6f));
    c.paint(frameAt(21.5f).outline(1.1f).rasterize(kArt, kArt), pal::kTerracotta.fade(0.7f));
}

FrameArt windowArt() {
    FrameArt art{Canvas(kArt, kArt), frameAt(3).rasterize(kArt, kArt), nullptr};
    Canvas& c = art.deco;
    Mask shadow = frameAt(-0.5f).rasterize(kArt, kArt).shifted(2, 2);
    shadow.blur(1.6f);
    shadow.subtract(frameAt(0).rasterize(kArt, kArt));
    c.paint(shadow, hex(0x1a0d05, 0.5f));

    drawStyled(
        c, (frameAt(0) - frameAt(6.5f)).field(kArt, kArt),
        gilded(across(0, 6.5f,
                      {{0, pal::kGoldDeep}, {0.3f, pal::kGold}, {0.6f, pal::kGoldLight}, {1, pal::kGold}}),
               3.5f));
    inlay(c);
    drawStyled(c, (frameAt(13.5f) - frameAt(16.5f)).field(kArt, kArt),
               gilded(across(13.5f, 3, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 1.5f));
    panelShading(c);
    for (float sx : {1.0f, -1.0f})
        for (float sy : {1.0f, -1.0f}) cornerOrnament(c, sx, sy);

    // Sun-bleached parchment: lightest at the top left.
    art.fill = [](float u, float v) {
        const Color top = mixOklab(hex(0xfaedc9), hex(0xf4e0b2), u);
        const Color bottom = mixOklab(hex(0xf1dba8), hex(0xe8ca93), u);
        return mixOklab(top, bottom, v);
    };
    return art;
}

void writeDescription(const Context& ctx) {
    std::string t = "TEMAT {\n\n\tOKNO {\n";
    for (const char* key : kPieceKeys)
        t += std::string("\t\t") + key + " = \"gfx/gui/window/" + key + ".png\"\n";
    t += "\t}\n\n\tBELKA {\n";
    for (const auto& [key, file] : menuPieceFiles()) t += "\t\t" + key + " = \"" + file + "\"\n";
    for (const auto& [key, rgb] : menuColours())
        t += "\t\t" + key + " = " + std::to_string(rgb[0]) + ", " + std::to_string(rgb[1]) + ", " +
             std::to_string(rgb[2]) + "\n";
    t += "\t}\n\n}\n\n";
    std::ofstream out(ctx.out("gfx/gui/window/temat.txt"), std::ios::binary);
    out << t;
    if (!out) throw std::runtime_error("cannot write gfx/gui/window/temat.txt");
}

}  // namespace

void genTheme(const Context& ctx) {
    const auto pieces = sliceFrame(windowArt(), kCorner, kLength);
    for (int i = 0; i < 9; ++i)
        writePng(pieces[i], ctx.out(std::string("gfx/gui/window/") + kPieceKeys[i] + ".png"));
    genMenuPieces(ctx);
    writeDescription(ctx);
}

}  // namespace gen
