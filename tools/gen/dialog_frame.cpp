// The dialog panel gfx/gui/story/panel.png (papyrus in a carved dark-wood and gold frame with a round mount
// for the speaker's portrait) and the gold ring kolko.png laid over the portrait.
#include <cmath>
#include <string>

#include "Entries.h"
#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/ImageIO.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Style.h"

namespace gen::dialog {

namespace {

constexpr int kW = 592, kH = 352;
constexpr float kX0 = 3, kY0 = 3, kX1 = 576, kY1 = 336;  // the frame's outer edge
constexpr float kBand = 22;                              // the wooden band round the papyrus
constexpr Vec2 kMount{0, 180};                           // the portrait's centre on the panel
constexpr float kMountR = 80;

// Old oiled papyrus, dark enough for gold writing: strips laid across and along, mottled, darker towards
// the frame and quiet in the middle.
Fill papyrus(Rect sheet) {
    const Noise blotch(511), across(512), along(513);
    return Fill([=](float x, float y) {
        const float b = blotch.fbm(x / 70.0f, y / 50.0f, 4);
        const float h = across.fbm(x / 90.0f, y / 1.8f, 3), v = along.fbm(x / 1.8f, y / 90.0f, 3);
        Color col = mixOklab(hex(0x6e4824), hex(0x5c3a1c), smoothstep(0.35f, 0.75f, b));
        col = mixOklab(col, hex(0x3e2410),
                       0.22f * smoothstep(0.5f, 0.8f, h) + 0.14f * smoothstep(0.55f, 0.8f, v));
        // Browned edges: distance to the nearest side of the sheet.
        const float d = std::min({x - sheet.x0, sheet.x1 - x, y - sheet.y0, sheet.y1 - y});
        col = mixOklab(col, hex(0x2a1509), 0.6f * (1 - smoothstep(0.0f, 40.0f, d)));
        // Light from the top left.
        const float t =
            clamp01(((x - sheet.x0) / sheet.width() * 0.6f + (y - sheet.y0) / sheet.height()) / 1.6f);
        return mixOklab(lighter(col, 0.08f * (1 - t)), darker(col, 0.15f), t * 0.8f);
    });
}

// Dark carved wood, its grain running along each side of the frame.
Fill darkWood(uint32_t seed) {
    const Noise n(seed);
    return Fill([=](float x, float y) {
        const bool side = x < kX0 + kBand + 4 || x > kX1 - kBand - 4;
        const float g = side ? n.fbm(x / 2.5f, y / 70.0f, 4) : n.fbm(x / 70.0f, y / 2.5f, 4);
        const float t = clamp01((x / kW * 0.6f + y / kH) / 1.6f);
        const Color base = mixOklab(hex(0x6a3a1c), hex(0x3a1c0c), t);
        return mixOklab(base, hex(0x22100a), 0.5f * smoothstep(0.45f, 0.8f, g));
    });
}

// A gold rosette round a turquoise gem, `r` its outer radius.
void rosette(Canvas& c, Vec2 p, float r) {
    hud::styled(c, Shape::star(p, 8, r, r * 0.62f, 22.5f), hud::goldTrim(p.y - r, p.y + r, 1.1f), 6);
    Style gem;
    gem.fill = Fill::radial(p + Vec2{-r * 0.2f, -r * 0.25f}, r * 0.6f,
                            {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}});
    gem.outline = 1.0f;
    gem.outlineFill = hex(0x0b3a38);
    gem.bevel = Bevel{r * 0.2f, 0.5f, 0.45f, true};
    hud::styled(c, Shape::circle(p, r * 0.42f), gem, 3);
    c.paint(Shape::circle(p + Vec2{-r * 0.15f, -r * 0.18f}, r * 0.1f).rasterize(c.width(), c.height()),
            hex(0xffffff, 0.85f), Blend::Screen);
}

}  // namespace

Canvas dialogPanel() {
    Canvas c(kW, kH);
    const Shape outer = Shape::rect(kX0, kY0, kX1 - kX0, kY1 - kY0, 12);
    const Shape mount = Shape::circle(kMount, kMountR);
    const Rect sheetBox{kX0 + kBand, kY0 + kBand, kX1 - kBand, kY1 - kBand};
    const Shape sheet = Shape::rect(sheetBox.x0, sheetBox.y0, sheetBox.width(), sheetBox.height(), 5);
    // The whole panel's soft shadow down and to the right.
    dropShadow(c, (outer | mount).rasterize(kW, kH), {5, 7}, 6, hex(0x0a0502, 0.6f));
    // The wooden frame and the round mount, carved from one piece.
    Style wood;
    wood.fill = darkWood(521);
    wood.outline = 1.5f;
    wood.outlineFill = pal::kOutline;
    wood.bevel = Bevel{6, 0.35f, 0.5f, true};
    drawStyled(c, ((outer | mount) - sheet).field(kW, kH), wood);
    // The papyrus, sunk under the frame's edge.
    const Field sheetField = sheet.field(kW, kH);
    c.paint(sheetField.coverage(), papyrus(sheetBox));
    innerShadow(c, sheetField, 4, 4, hex(0x1a0a02, 0.6f));
    grain(c, 0.012f, 514);
    // A carved groove with gold beads along the band's middle.
    const float mid = kBand * 0.5f;
    const Shape grooveLine = Shape::rect(kX0 + mid, kY0 + mid, kX1 - kX0 - 2 * mid, kY1 - kY0 - 2 * mid, 8);
    hud::groove(c, grooveLine.outline(2.2f) - mount.grown(4), 0.8f);
    auto beads = [&](Vec2 a, Vec2 b) {
        const int n = static_cast<int>(length(b - a) / 26);
        for (int k = 1; k < n; ++k) {
            const Vec2 p = lerp(a, b, static_cast<float>(k) / n);
            if (length(p - kMount) < kMountR + 8) continue;
            hud::styled(c, Shape::circle(p, 2.6f), hud::goldTrim(p.y - 3, p.y + 3, 0.8f), 3);
        }
    };
    beads({kX0 + 40, kY0 + mid}, {kX1 - 40, kY0 + mid});
    beads({kX0 + 40, kY1 - mid}, {kX1 - 40, kY1 - mid});
    beads({kX1 - mid, kY0 + 40}, {kX1 - mid, kY1 - 40});
    beads({kX0 + mid, kY0 + 40}, {kX0 + mid, kY1 - 40});
    // Gold lips on the outer edge and round the papyrus.
    Style rim = hud::goldTrim(kY0, kY1, 1.1f);
    rim.fill =
        Fill::linear({0, 0}, {kW, kH}, {{0, pal::kGoldLight}, {0.5f, pal::kGold}, {1, pal::kGoldDeep}});
    drawStyled(c, (sheet.grown(2).outline(3.5f) | (outer.outline(3) - mount.grown(2))).field(kW, kH), rim);
    // The portrait's mount: a gold-rimmed dark well that the portrait and its ring cover.
    drawStyled(c, mount.outline(5).field(kW, kH), rim);
    c.paint(mount.grown(-3).rasterize(kW, kH), hex(0x1e0e06));
    // Corners and the middles of the long sides carry rosettes.
    for (Vec2 p : {Vec2{kX0 + mid, kY0 + mid}, Vec2{kX1 - mid, kY0 + mid}, Vec2{kX0 + mid, kY1 - mid},
                   Vec2{kX1 - mid, kY1 - mid}})
        rosette(c, p, 15);
    for (Vec2 p : {Vec2{(kX0 + kX1) / 2 + 20, kY0 + mid}, Vec2{(kX0 + kX1) / 2 + 20, kY1 - mid}})
        rosette(c, p, 11);
    return c;
}

Canvas portraitRing() {
    constexpr int kS = 150;
    constexpr Vec2 m{75, 75};
    constexpr float kIn = 61, kOut = 71;
    Canvas c(kS, kS);
    const Shape band = Shape::circle(m, kOut) - Shape::circle(m, kIn);
    // Shadow outwards onto the panel and inwards onto the portrait.
    dropShadow(c, band.rasterize(kS, kS), {2, 3}, 2.5f, hex(0x0a0502, 0.55f));
    Style gold = hud::goldTrim(m.y - kOut, m.y + kOut, 1.2f);
    gold.fill = Fill::linear(
        m + Vec2{-50, -50}, m + Vec2{50, 50},
        {{0, pal::kGoldPale}, {0.35f, pal::kGoldLight}, {0.7f, pal::kGold}, {1, pal::kGoldDeep}});
    gold.bevel = Bevel{4, 0.7f, 0.55f, true};
    gold.shadow.reset();
    drawStyled(c, band.field(kS, kS), gold);
    // Engraved lines along both edges of the band.
    for (float r : {kIn + 2.2f, kOut - 2.2f})
        c.paint(Shape::circle(m, r).outline(0.7f).rasterize(kS, kS), hex(0x7a4410, 0.55f), Blend::Inside);
    // Turquoise inlays set into the band, with gold studs between them.
    for (int i = 0; i < 8; ++i) {
        const float a = 22.5f + 45.0f * i;
        const Vec2 p = polar(m, (kIn + kOut) / 2, a);
        const Shape inlay = Shape::ellipse({0, 0}, 6.2f, 3.3f).rotated(a + 90, {0, 0}).moved(p);
        hud::socket(
            c, inlay, 1.0f,
            Fill::radial(p + Vec2{-2, -2}, 7,
                         {{0, pal::kTurquoiseLight}, {0.55f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}),
            1.2f);
        c.paint(Shape::circle(p + Vec2{-1.6f, -1.2f}, 0.9f).rasterize(kS, kS), hex(0xffffff, 0.8f),
                Blend::Screen);
        const Vec2 q = polar(m, (kIn + kOut) / 2, a + 22.5f);
        hud::styled(c, Shape::circle(q, 2.1f), hud::goldTrim(q.y - 2, q.y + 2, 0.7f), 3);
    }
    return c;
}

}  // namespace gen::dialog

namespace gen {

void genDialogArt(const Context& ctx) {
    using namespace dialog;
    writePng(dialogPanel(), ctx.out("gfx/gui/story/panel.png"));
    writePng(portraitRing(), ctx.out("gfx/gui/story/kolko.png"));
    const std::string dir = "gfx/gui/story/portraits/";
    writePng(explorer(), ctx.out(dir + "explorer.png"));
    writePng(professor(), ctx.out(dir + "professor.png"));
    writePng(guide(), ctx.out(dir + "guide.png"));
    writePng(merchant(), ctx.out(dir + "merchant.png"));
    writePng(monk(), ctx.out(dir + "monk.png"));
    writePng(rival(), ctx.out(dir + "rival.png"));
}

}  // namespace gen
