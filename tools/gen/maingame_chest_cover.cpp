// The front sill and side jambs of the sandstone niche the chest stands in, drawn over the chest.
#include <cmath>

#include "maingame_chest_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"

namespace gen::chest {

namespace {

// Mottled sandstone lit from the upper left; `shade` darkens it (0 = as lit as the panel).
Fill sandstone(float shade, uint32_t seed) {
    const Noise n(seed);
    const Gradient g{{0, hex(0xa06a38)}, {0.45f, hex(0xd4a66b)}, {0.8f, hex(0xeccb92)}, {1, hex(0xf8e2b4)}};
    return Fill([=](float cx, float cy) {
        const Vec2 p = toScreen(cx, cy);
        const float mottle = n.fbm(p.x / 9.0f, p.y / 6.0f, 4) - 0.5f;
        const float speck = n.grain(static_cast<int>(cx), static_cast<int>(cy)) * 0.03f;
        return darker(g.at(0.72f + 0.45f * mottle + speck), shade);
    });
}

void stonePart(Canvas& c, const Shape& s, float shade, uint32_t seed, float bevelDepth) {
    const int w = c.width(), h = c.height();
    const Field f = s.field(w, h);
    Canvas p(w, h);
    p.paint(f.coverage(), sandstone(shade, seed));
    bevel(p, f, Bevel{sl(bevelDepth), 0.45f, 0.5f, true});
    p.paint(f.band(-sl(0.5f), 0.3f), pal::kOutline.fade(0.75f), Blend::Inside);
    c.draw(p, 0, 0);
}

void goldLine(Canvas& c, float x0, float x1, float y) {
    goldPart(c, box(x0, y - 0.8f, x1, y + 0.8f, 0.8f), {x0 + 20, y}, 60, 0.6f);
}

}  // namespace

Canvas nicheCover() {
    Canvas c(kCanvasW, kCanvasH);
    const int w = c.width(), h = c.height();

    // The niche's sides: its walls in shade on either side of the chest, deepest at the left where the
    // jamb keeps the light off, fading in at the top where the niche behind carries on.
    Canvas sides(w, h);
    sides.paint(
        box(814, 455, 836, 545).rasterize(w, h),
        Fill::linear(sp(814, 0), sp(836, 0),
                     {{0, hex(0x050814, 0.85f)}, {0.35f, hex(0x0a0f24, 0.5f)}, {1, hex(0x0a0f24, 0.0f)}}));
    sides.paint(
        box(976, 455, 994, 545).rasterize(w, h),
        Fill::linear(sp(994, 0), sp(976, 0),
                     {{0, hex(0x050814, 0.7f)}, {0.4f, hex(0x0a0f24, 0.3f)}, {1, hex(0x0a0f24, 0.0f)}}));
    Mask fadeIn(w, h);
    for (int y = 0; y < h; ++y) {
        const float a = smoothstep(sp(0, kCoverY).y, sp(0, kCoverY + 20).y, static_cast<float>(y));
        for (int x = 0; x < w; ++x) fadeIn.at(x, y) = a;
    }
    sides.clip(fadeIn);
    c.draw(sides, 0, 0);

    // The sill: a lit top, a face with a lapis inlay between gold fillets, and a rounded foot.
    const Shape sill = box(815, 536, 993, 564, 1.5f);
    dropShadow(c, sill.rasterize(w, h), {sl(1.0f), sl(2.5f)}, sl(2.0f), hex(0x1a0d05, 0.55f));
    dropShadow(c, box(816.5f, 530, 995.5f, 540).rasterize(w, h), {0, sl(-1.0f)}, sl(3.0f),
               hex(0x1a0d05, 0.35f));
    stonePart(c, sill, 0.1f, 7u, 2.5f);
    stonePart(c, box(815, 536, 993, 541.5f, 1.2f), 0.0f, 8u, 1.5f);
    c.paint(box(816, 536.3f, 992, 537.4f).rasterize(w, h), hex(0xfff6da, 0.55f), Blend::Screen);
    c.paint(box(816, 558, 992, 564).rasterize(w, h),
            Fill::vertical(sp(0, 558).y, sp(0, 564).y, {{0, hex(0x3a1e0a, 0.0f)}, {1, hex(0x3a1e0a, 0.45f)}}),
            Blend::Inside);

    const Shape inlay = box(821, 547, 987, 555.5f, 0.8f);
    const Field inf = inlay.field(w, h);
    Canvas lapis(w, h);
    lapis.paint(inf.coverage(),
                Fill::vertical(sp(0, 546).y, sp(0, 554.5f).y,
                               {{0, hex(0x2b4a8a)}, {0.5f, hex(0x1f3570)}, {1, hex(0x141f4a)}}));
    innerShadow(lapis, inf, sl(1.0f), sl(1.0f), hex(0x050a1a, 0.8f));
    c.draw(lapis, 0, 0);
    goldLine(c, 820, 988, 546.2f);
    goldLine(c, 820, 988, 556.3f);
    // Small gold studs and turquoise lozenges alternate along the inlay.
    for (int i = 0; i < 13; ++i) {
        const float x = 904.0f + 12.5f * static_cast<float>(i - 6);
        if (i % 2 == 0) {
            rivet(c, {x, 551.2f}, 1.4f);
        } else {
            const Vec2 m = sp(x, 551.2f);
            const Shape d = Shape::regular(m, 4, sl(2.6f));
            const Field df = d.field(w, h);
            Canvas g(w, h);
            g.paint(
                df.coverage(),
                Fill::radial(m - Vec2{sl(0.8f), sl(0.9f)}, sl(3.2f),
                             {{0, pal::kTurquoiseLight}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
            bevel(g, df, Bevel{sl(1.0f), 0.45f, 0.5f, true});
            g.paint(df.band(0, sl(0.5f)), pal::kOutline.fade(0.85f));
            c.draw(g, 0, 0);
        }
    }
    return c.downsampled(2).cropped(kCoverX - kOriginX, kCoverY - kOriginY, kCoverW, kCoverH);
}

}  // namespace gen::chest
