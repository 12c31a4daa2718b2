// The tool icons of the right panel: the gloved open hand ("reka-*") and the steel pick on a wooden haft
// ("hak-*"), each resting, selected and with the glow drawn over it under the mouse.
#include <cmath>
#include <string>
#include <vector>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;
using namespace hud;

namespace {

constexpr int kW = 56, kH = 52;
const Vec2 kMid{28, 26};

Fill glove(Vec2 from, Vec2 to) {
    return Fill::linear(from, to, {{0, hex(0xffe4a4)}, {0.4f, hex(0xe6a650)}, {1, hex(0x9a561c)}});
}

// An open right hand in a tan leather glove, palm to the viewer, fingers a little apart.
Canvas hand() {
    Canvas c(kW, kH);
    struct Finger {
        Vec2 base, tip;
        float width;
    };
    const Finger fingers[] = {{{22.5f, 27}, {19.5f, 8.5f}, 6.2f},
                              {{28, 26}, {27.5f, 5.5f}, 6.4f},
                              {{33.5f, 27}, {35.5f, 8.5f}, 6.0f},
                              {{38, 30}, {42.5f, 15}, 5.2f}};
    for (const Finger& f : fingers) {
        const Shape s = Shape::line(f.base, f.tip, f.width);
        part(c, s, glove(f.tip - Vec2{3, 0}, f.base + Vec2{3, 6}), 1.1f, 2.2f, 0.5f, 0.35f);
        // Knuckle creases across the finger.
        const Vec2 d = normalize(f.tip - f.base), n{-d.y, d.x};
        for (float t : {0.45f, 0.72f}) {
            const Vec2 p = lerp(f.base, f.tip, t);
            ink(c, {p - n * (f.width * 0.32f), p + n * (f.width * 0.32f)}, 0.8f, hex(0x6a3a14, 0.45f));
        }
    }
    const Shape palm = Shape::rect(19, 22.5f, 22, 19, 7).blend(Shape::ellipse({30, 39}, 10.5f, 4.5f), 3.0f);
    part(c, palm, glove({19, 20}, {40, 44}), 1.1f, 3.0f, 0.45f, 0.4f);
    // The lines of the palm.
    ink(c, {{22, 31}, {27, 30.5f}, {32.5f, 32}}, 0.9f, hex(0x6a3a14, 0.4f));
    ink(c, {{24, 35.5f}, {29, 33.5f}, {35, 29}}, 0.9f, hex(0x6a3a14, 0.35f));
    const Shape thumb = Shape::stroke({{22.5f, 37}, {16, 31}, {12, 24}}, {7.0f, 6.2f, 5.4f});
    part(c, thumb, glove({10, 22}, {22, 38}), 1.1f, 2.5f, 0.5f, 0.35f);
    ink(c, {{14.8f, 28.6f}, {18.2f, 26.6f}}, 0.8f, hex(0x6a3a14, 0.45f));
    // The cuff: terracotta with a stitched gold band.
    const Shape cuff =
        Shape::polygon({{19, 41.5f}, {41, 41.5f}, {43, 49}, {17, 49}}).grown(-0.8f).grown(0.8f);
    part(c, cuff,
         Fill::vertical(41, 49, {{0, hex(0xe58a66)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}),
         1.1f, 1.8f);
    part(c, Shape::rect(18, 43.6f, 24.2f, 2.4f, 1.0f), gold(43, 46), 0.6f, 0.8f);
    return c;
}

// A steel pick on a wooden haft bound with leather; its head hooks round to a sharp point.
Canvas hook() {
    Canvas c(kW, kH);
    const Vec2 a{13, 45.5f}, b{38.5f, 13};
    const Vec2 d = normalize(b - a), n{-d.y, d.x};  // along the haft, and across it to the lower right
    part(c, Shape::line(a, b, 5.2f),
         Fill::linear(a + n * 3, a - n * 3, {{0, hex(0xe3ac6c)}, {0.5f, hex(0xb0723a)}, {1, hex(0x5e3214)}}),
         1.1f, 2.0f);
    ink(c, {lerp(a, b, 0.3f) + n * 0.6f, lerp(a, b, 0.62f) + n * 0.6f}, 0.7f, hex(0x4a2410, 0.45f));
    // Leather binding near the lower end, and a gold knob.
    for (int i = 0; i < 4; ++i) {
        const Vec2 p = lerp(a, b, 0.16f + 0.075f * i);
        part(c, Shape::line(p - n * 3.4f - d * 0.4f, p + n * 3.4f + d * 0.4f, 2.5f),
             Fill(mix(pal::kTerracotta, pal::kTerracottaDeep, i / 4.0f)), 0.7f, 1.0f);
    }
    part(c, Shape::circle(a - d * 1.5f, 3.6f),
         Fill::radial(a + Vec2{-2, -2}, 5, {{0, pal::kGoldPale}, {1, pal::kGoldDeep}}), 1.0f, 1.5f, 0.6f,
         0.4f);
    // The head: a blunt end on the lower right, bowed over the haft's tip, curling to a point on the upper
    // left.
    const Vec2 h = b + d * 1.5f;
    std::vector<Vec2> blade;
    std::vector<float> widths;
    constexpr int kN = 20;
    for (int i = 0; i <= kN; ++i) {
        const float t = static_cast<float>(i) / kN;  // 0 blunt end, 1 point
        const float along = 13.0f - 31.0f * t;
        const float bow = 5.0f * (1 - std::pow(2 * t - 0.8f, 2.0f));
        const float curl = t > 0.7f ? -11.0f * std::pow((t - 0.7f) / 0.3f, 2.0f) : 0.0f;
        blade.push_back(h + n * along + d * (bow + curl));
        widths.push_back(t < 0.15f ? 6.0f : 6.6f * (1 - t) + 0.8f);
    }
    const Vec2 mid = h + d * 4;
    part(c, Shape::stroke(blade, widths),
         Fill::linear(mid + Vec2{-8, -8}, mid + Vec2{7, 7},
                      {{0, hex(0xf2f6fa)}, {0.45f, hex(0xa3aebb)}, {1, hex(0x48515e)}}),
         1.1f, 2.6f, 0.6f, 0.45f);
    // A bright edge along the blade's outer curve.
    std::vector<Vec2> edge(blade.begin() + 3, blade.end() - 3);
    for (Vec2& p : edge) p = p + d * 1.6f;
    c.paint(Shape::stroke(edge, {0.9f}), hex(0xffffff, 0.6f), Blend::Inside);
    // The gold collar holding the head on the haft.
    part(c,
         Shape::rect(-4.2f, -3.2f, 8.4f, 6.4f, 1.5f)
             .rotated(std::atan2(d.y, d.x) * 180 / kPi + 90, {0, 0})
             .moved(b),
         gold(b.y - 4, b.y + 4), 1.0f, 1.2f, 0.6f, 0.4f);
    return c;
}

// The resting look: a little darker and quieter than the selected one.
Canvas dim(const Canvas& icon) {
    Canvas out = icon;
    for (Pixel& p : out.pixels()) {
        const float l = 0.3f * p.r + 0.55f * p.g + 0.15f * p.b;
        p = {mixf(p.r, l, 0.2f) * 0.86f, mixf(p.g, l, 0.2f) * 0.86f, mixf(p.b, l, 0.2f) * 0.86f, p.a};
    }
    return shadowed(out, {1, 1.5f}, 1.2f, 0.5f);
}

// The selected look: the icon at full strength inside a turquoise glow and a thin gold ring.
Canvas selected(const Canvas& icon) {
    Canvas c(kW, kH);
    const Shape ring = Shape::circle(kMid, 22.0f);
    c.paint(
        ring.grown(1.5f).rasterize(kW, kH, 3.0f),
        Fill::radial(kMid, 26,
                     {{0, hex(0x8cf2e4, 0.55f)}, {0.75f, hex(0x2cc3b5, 0.35f)}, {1, hex(0x2cc3b5, 0.0f)}}));
    Style st = goldTrim(kMid.y - 25, kMid.y + 25, 0.8f);
    st.shadow.reset();
    st.glow = Glow{1.5f, hex(0x8cf2e4, 0.9f), Blend::Over};
    drawStyled(c, ring.outline(2.2f).field(kW, kH), st);
    c.draw(shadowed(icon, {1, 1.5f}, 1.2f, 0.55f), 0, 0);
    return c;
}

// The glow under the mouse, drawn over either look: a soft light halo round the icon and a bright rim on its
// lit side; nearly transparent elsewhere.
Canvas over(const Canvas& icon) {
    Canvas c(kW, kH);
    const Mask body = icon.alpha();
    Mask halo = body.blurred(3.0f);
    halo.scale(2.4f);
    halo.subtract(body);
    c.paint(halo, hex(0xfff0b0, 0.95f));
    const Field f = Field::fromMask(body, 1);
    Mask rim(kW, kH);
    const Vec2 light = lightDirection();
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const float v = f.at(x, y);
            if (v > 0.5f || v < -2.5f) continue;
            rim.at(x, y) = clamp01(dot(f.normal(x, y), light)) * (1 - clamp01(-v / 2.5f)) * body.at(x, y);
        }
    c.paint(body, hex(0xfff6d8, 0.1f));
    c.paint(rim, hex(0xffffff, 0.75f));
    return c;
}

// Shrinks a drawn icon a little into the picture, leaving room round it for its shadow and glow.
Canvas fitted(const Canvas& drawn) {
    Canvas room(kW + 6, kH + 6);
    room.draw(drawn, 3, 3);
    return resampled(room, kW, kH);
}

void writeTool(const Context& ctx, const std::string& name, const Canvas& drawn) {
    const std::string dir = "gfx/gui/mainGame/";
    const Canvas icon = fitted(drawn);
    writePng(dim(icon), ctx.out(dir + name + "-normal.png"));
    writePng(selected(icon), ctx.out(dir + name + "-click.png"));
    writePng(over(icon), ctx.out(dir + name + "-over.png"));
}

}  // namespace

void writeHudTools(const Context& ctx) {
    writeTool(ctx, "reka", hand());
    writeTool(ctx, "hak", hook());
}

}  // namespace gen
