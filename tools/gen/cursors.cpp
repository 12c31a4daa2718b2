// The mouse cursors: the gloved hand and the adventurer's pick, and the entry that paints every cursor.
#include <cmath>
#include <vector>

#include "CursorArt.h"
#include "Entries.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;
using namespace cursor;

namespace {

constexpr Color kLeatherLight = hex(0xf0c080);
constexpr Color kLeather = hex(0xc07c3a);
constexpr Color kLeatherDark = hex(0x7e4820);

Fill leather(Vec2 from, Vec2 to) {
    return Fill::linear(from, to, {{0, kLeatherLight}, {0.45f, kLeather}, {1, kLeatherDark}});
}

}  // namespace

Canvas handPicture(float k) {
    const int kS = static_cast<int>(std::ceil(30 * k));
    Canvas c(kS, kS);
    // Drawn upright with the fingertip at the origin, then tilted, scaled and moved onto the hot spot.
    const float tilt = -24.0f;
    const Vec2 tip{2.0f * k, 2.0f * k};
    auto place = [&](const Shape& s) { return s.rotated(tilt, {0, 0}).scaled(k, {0, 0}).moved(tip); };
    auto at = [&](Vec2 p) { return rotate(p, tilt * kPi / 180.0f) * k + tip; };
    auto part = [&](Canvas& cv, const Shape& s, const Fill& fill, float outline = 1.0f, float depth = 2.0f,
                    float highlight = 0.45f, float shadow = 0.35f) {
        cursor::part(cv, s, fill, outline * k, depth * k, highlight, shadow);
    };
    auto ink = [&](Canvas& cv, const std::vector<Vec2>& pts, float width, Color color) {
        cursor::ink(cv, pts, width * k, color);
    };

    const Shape back = Shape::rect(-3.2f, 8.5f, 15.0f, 13.5f, 4.0f);
    const Shape cuff = Shape::rect(-2.6f, 20.0f, 15.0f, 6.5f, 1.5f);
    const Shape index = Shape::rect(-2.6f, 0.0f, 5.2f, 16.0f, 2.6f);
    const Shape thumb = Shape::stroke({{-3.0f, 20.0f}, {-2.2f, 16.5f}, {1.5f, 14.0f}}, {5.2f, 4.8f, 4.0f});

    part(c, place(cuff),
         Fill::linear(at({-2.6f, 20}), at({12, 26}), {{0, hex(0xd97a50)}, {1, pal::kTerracottaDeep}}), 1.0f,
         1.5f);
    part(c, place(back), leather(at({-3, 8}), at({12, 22})), 1.0f, 2.5f);
    // The curled fingers: three rolls stacked beside the pointing finger, the lowest the shortest.
    for (int i = 0; i < 3; ++i) {
        const float y = 8.2f + 3.9f * i, len = 11.0f - 1.2f * i;
        part(c, place(Shape::rect(0.5f, y, len, 4.6f, 2.3f)), leather(at({0, y}), at({len, y + 4.6f})), 0.9f,
             1.6f, 0.5f, 0.4f);
    }
    part(c, place(thumb), leather(at({-3, 13}), at({2, 20})), 1.0f, 1.8f);
    part(c, place(index), leather(at({-2.6f, 0}), at({2.6f, 14})), 1.0f, 2.0f, 0.55f, 0.3f);
    // A seam along the finger and a stitched band where the glove meets the cuff.
    ink(c, {at({1.0f, 3.5f}), at({1.0f, 13.0f})}, 0.6f, hex(0x4a2410, 0.4f));
    for (int i = 0; i < 4; ++i) {
        const float x = 0.2f + 2.8f * i;
        ink(c, {at({x, 23.2f}), at({x + 1.3f, 23.2f})}, 0.7f, pal::kGoldLight.fade(0.85f));
    }
    return c;
}

// An iron pick with a wooden haft; the point of its head at (3, 24) × k is the hot spot.
Canvas hookPicture(float k) {
    const int kS = static_cast<int>(std::ceil(32 * k));
    Canvas c(kS, kS);
    auto P = [&](float x, float y) { return Vec2{x * k, y * k}; };
    auto part = [&](Canvas& cv, const Shape& s, const Fill& fill, float outline = 1.0f, float depth = 2.0f,
                    float highlight = 0.45f, float shadow = 0.35f) {
        cursor::part(cv, s, fill, outline * k, depth * k, highlight, shadow);
    };
    const Vec2 point = P(2.6f, 24.6f);
    // The haft runs from the head down to the lower right, wrapped in leather where it is held.
    const Vec2 haftTop = P(12.0f, 13.0f), haftEnd = P(27.6f, 28.6f);
    part(c, Shape::line(haftTop, haftEnd, 4.2f * k),
         Fill::linear(P(10, 10), P(30, 30), {{0, hex(0xc98b4e)}, {1, hex(0x6e3d1a)}}), 1.0f, 1.5f);
    for (float t : {0.55f, 0.68f, 0.81f}) {
        const Vec2 p = lerp(haftTop, haftEnd, t);
        part(c, Shape::line(p + P(-2.0f, 1.6f), p + P(2.0f, -1.6f), 2.2f * k),
             Fill(mix(pal::kTerracotta, pal::kTerracottaDeep, t)), 0.6f, 1.0f);
    }
    // The head: a curved blade tapering to the point at the lower left and to a blunt end at the upper right.
    std::vector<Vec2> blade;
    const Vec2 other = P(22.5f, 4.0f);
    const Vec2 mid = lerp(point, other, 0.5f), bow = normalize(Vec2{-1, -1}) * (4.5f * k);
    for (int i = 0; i <= 16; ++i) {
        const float t = i / 16.0f;
        blade.push_back(lerp(point, other, t) + bow * (4 * t * (1 - t)));
    }
    std::vector<float> widths;
    for (int i = 0; i <= 16; ++i) {
        const float t = i / 16.0f;
        widths.push_back((t < 0.5f ? 0.6f + 8.0f * t : 4.6f - 2.0f * (t - 0.5f)) * k);
    }
    const Shape head = Shape::stroke(blade, widths);
    part(c, head,
         Fill::linear(mid + P(-5, -5), mid + P(4, 4),
                      {{0, hex(0xdfe6ee)}, {0.45f, hex(0x97a2b0)}, {1, hex(0x4d5663)}}),
         1.0f, 2.0f, 0.6f, 0.4f);
    // The collar that holds the head on the haft.
    part(c, Shape::circle(lerp(point, other, 0.5f) + bow, 2.6f * k),
         Fill::radial(mid + bow + P(-1, -1), 3 * k, {{0, pal::kGoldLight}, {1, pal::kGoldDeep}}), 0.9f, 1.2f);
    return c;
}

void genCursors(const Context& ctx) {
    writePng(shadowed(handPicture(1)), ctx.out("gfx/gui/mouse/hand.png"));
    writePng(shadowed(hookPicture(1)), ctx.out("gfx/gui/mouse/hook.png"));
    genPowerUpCursors(ctx);
}

}  // namespace gen
