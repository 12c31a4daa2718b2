// The magic sword that spins across the playfield: a gold hilt set with turquoise, a bright steel blade.
#include <vector>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Mask.h"
#include "paint/Shape.h"
#include "panels_art.h"

namespace gen {

using namespace paint;

namespace {

constexpr int kW = 64, kH = 200;  // the picture; nothing is drawn in its outer 4 pixels
constexpr float kK = 2.0f;        // painted at twice the size and shrunk, for clean small details
constexpr float kFit = 0.94f;     // the drawing below is laid out edge to edge and shrunk to leave the margin
constexpr float kMid = kW / 2.0f;

// A point, a height and a length of the drawing on the big canvas.
Vec2 at(float x, float y) {
    const Vec2 centre{kMid, kH / 2.0f};
    return (centre + (Vec2{x, y} - centre) * kFit) * kK;
}
float atY(float y) {
    return at(kMid, y).y;
}
float len(float v) {
    return v * kFit * kK;
}

// A dark-outlined part lit from the top left.
void piece(Canvas& c, const Shape& s, const Fill& fill, float depth = 1.5f, float highlight = 0.5f) {
    hud::part(c, s, fill, len(1.0f), len(depth), highlight, 0.4f);
}

// A round turquoise stone with a glint.
void gem(Canvas& c, Vec2 centre, float r) {
    const Vec2 p = at(centre.x, centre.y);
    piece(c, Shape::circle(p, len(r)),
          Fill::radial(p + Vec2{-0.35f, -0.4f} * len(r), len(r) * 1.3f,
                       {{0, pal::kTurquoiseLight}, {0.45f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}),
          r * 0.45f, 0.55f);
    c.paint(Shape::ellipse(p + Vec2{-0.38f, -0.42f} * len(r), len(r) * 0.32f, len(r) * 0.22f),
            hex(0xffffff, 0.9f), Blend::Screen);
}

// The blade, pointing down: two facets either side of a ridge, the left one catching the light, and a
// turquoise glow running down the ridge.
void blade(Canvas& c) {
    const float top = 63, shoulder = 166, tip = 195;
    const Shape whole = Shape::polygon({at(kMid - 7, top), at(kMid + 7, top), at(kMid + 6, shoulder),
                                        at(kMid, tip), at(kMid - 6, shoulder)});
    piece(c, whole, Fill(hex(0xb8c4cc)), 0);
    const Fill lit =
        Fill::vertical(atY(top), atY(tip), {{0, hex(0xffffff)}, {0.35f, hex(0xe4eef2)}, {1, hex(0xb9cbd3)}});
    const Fill shade =
        Fill::vertical(atY(top), atY(tip), {{0, hex(0x9aa8b4)}, {0.5f, hex(0x7d8b99)}, {1, hex(0x5d6a78)}});
    c.paint(Shape::polygon({at(kMid - 7, top), at(kMid, top), at(kMid, tip), at(kMid - 6, shoulder)}), lit,
            Blend::Inside);
    c.paint(Shape::polygon({at(kMid, top), at(kMid + 7, top), at(kMid + 6, shoulder), at(kMid, tip)}), shade,
            Blend::Inside);
    // The ridge, and a fuller down the blade's middle that glows with the sword's magic.
    c.paint(Shape::line(at(kMid, top + 2), at(kMid, tip - 3), len(0.6f)), hex(0xffffff, 0.7f), Blend::Inside);
    const Shape fuller = Shape::line(at(kMid, top + 12), at(kMid, shoulder - 8), len(3.2f));
    c.paint(fuller, Fill::vertical(atY(top), atY(shoulder), {{0, pal::kTurquoiseDeep}, {1, hex(0x0b4a52)}}),
            Blend::Inside);
    Mask glow =
        Shape::line(at(kMid, top + 13), at(kMid, shoulder - 9), len(1.2f)).rasterize(c.width(), c.height());
    glow.blur(len(0.8f));
    c.paint(glow, pal::kTurquoiseLight);
    c.paint(fuller.outline(len(0.5f)) - Shape::rect(at(kMid, 0).x, 0, kK * kW, kK * kH), hex(0x1e252d, 0.8f),
            Blend::Inside);
    // The edges glint where the light falls.
    c.paint(Shape::line(at(kMid - 6.2f, top + 4), at(kMid - 5.4f, shoulder - 6), len(0.7f)),
            hex(0xffffff, 0.8f), Blend::Inside);
    // A glint on the shaded edge.
    c.paint(Shape::star(at(kMid + 5.5f, top + 40), 4, len(4.5f), len(0.9f)), hex(0xffffff, 0.95f),
            Blend::Screen);
}

// The hilt: a gold collar over the blade, the curved guard with a stone, the wire-bound grip and the pommel.
void hilt(Canvas& c) {
    const Fill gold = hud::gold(atY(50), atY(68));
    // The collar where the blade meets the guard.
    piece(c, Shape::rect(at(kMid - 8, 61).x, atY(61), len(16), len(10), len(2)), hud::gold(atY(61), atY(71)));
    c.paint(Shape::star(at(kMid, 66), 4, len(3.2f), len(1.2f)), pal::kBronze.fade(0.8f), Blend::Inside);
    // The guard: a bow curving up at both ends into round knobs.
    const std::vector<Vec2> bow{at(11, 52.5f), at(20, 57.5f), at(kMid, 59.5f), at(44, 57.5f), at(53, 52.5f)};
    piece(c, Shape::stroke(bow, {len(4.5f), len(6), len(8), len(6), len(4.5f)}), gold, 2.0f, 0.6f);
    for (float x : {9.5f, 54.5f}) {
        const Vec2 p = at(x, 51.5f);
        piece(c, Shape::circle(p, len(3.4f)), hud::gold(p.y - len(3.4f), p.y + len(3.4f)), 1.5f, 0.6f);
    }
    piece(c, Shape::regular(at(kMid, 59), 4, len(7.5f)), hud::gold(atY(51.5f), atY(66.5f)), 1.8f, 0.6f);
    gem(c, {kMid, 59}, 3.6f);
    // The grip, bound in gold wire over bronze, a little waisted.
    const Shape grip = Shape::polygon({at(kMid - 4.5f, 20), at(kMid + 4.5f, 20), at(kMid + 3.8f, 37),
                                       at(kMid + 4.5f, 53), at(kMid - 4.5f, 53), at(kMid - 3.8f, 37)});
    piece(c, grip,
          Fill::linear(at(kMid - 5, 0), at(kMid + 5, 0),
                       {{0, hex(0xb36a2a)}, {0.35f, pal::kBronze}, {1, hex(0x3e1f08)}}),
          1.2f);
    for (float y = 22.5f; y < 52; y += 3.2f)
        c.paint(Shape::line(at(kMid - 4.5f, y + 1.2f), at(kMid + 4.5f, y - 1.2f), len(1.1f)),
                pal::kGoldLight.fade(0.85f), Blend::Inside);
    // The pommel: a gold ring round the sword's big stone.
    piece(c, Shape::circle(at(kMid, 13), len(8.5f)), hud::gold(atY(4.5f), atY(21.5f)), 2.0f, 0.6f);
    gem(c, {kMid, 13}, 5.2f);
}

}  // namespace

Canvas magicSword() {
    constexpr int kBigW = static_cast<int>(kK * kW), kBigH = static_cast<int>(kK * kH);
    Canvas big(kBigW, kBigH);
    blade(big);
    hilt(big);
    // A faint turquoise aura keeps the sword readable over any ground and at any angle.
    Canvas out(kBigW, kBigH);
    outerGlow(out, big.alpha(), kK * 1.0f, pal::kTurquoiseLight.fade(0.55f));
    out.draw(big, 0, 0);
    const float m = kK * 4;
    out.clip(Shape::rect(m, m, kBigW - 2 * m, kBigH - 2 * m).rasterize(kBigW, kBigH));
    return out.downsampled(static_cast<int>(kK));
}

}  // namespace gen
