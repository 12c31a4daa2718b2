// The open chest seen from the front and above: a gold-bound wooden frame round a velvet-lined hollow,
// lapis inlays with turquoise and terracotta stones, gold corner fittings, and its front face below.
#include <cmath>

#include "maingame_hud_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "pe_art.h"

namespace gen::pe {

namespace {

constexpr float kRight = kOpenX + kLidW, kBottom = kOpenY + kLidH;  // the opening's far sides
constexpr float kFaceTop = 384, kFaceBottom = 414;                  // the front face below the frame

const Color kDark = hex(0x2a0f06), kMid = hex(0x6a2e16), kLight = hex(0xb06a3c);

Shape topFace() {
    return box(6, 6, 472, kFaceTop - 6, 9);
}
Shape opening() {
    return box(kOpenX, kOpenY, kLidW, kLidH, 2);
}
Shape frontFace() {
    return outline({{6.5f, kFaceTop - 6}, {477.5f, kFaceTop - 6}, {474, kFaceBottom}, {10, kFaceBottom}});
}

// A wooden part: wood along `grain`, a soft bevel and a dark edge.
void woodPart(Canvas& c, const Shape& s, float tone, uint32_t seed, Vec2 grain, float depth = 3) {
    hud::part(c, s, wood(kDark, kMid, kLight, tone, seed, grain), 0.0f, depth * kK, 0.4f, 0.5f);
    c.paint(s.outline(1.0f * kK), pal::kOutline.fade(0.7f), Blend::Inside);
}

// The shadow the chest throws on the ground down and to the right, and a dark contact line under it.
void groundShadow(Canvas& c) {
    const int w = c.width(), h = c.height();
    Mask m = (topFace() | frontFace()).rasterize(w, h);
    dropShadow(c, m, at(4, 6), 5 * kK, hex(0x1a0d05, 0.5f));
    Mask contact = box(14, kFaceBottom - 4, 460, 10, 5).rasterize(w, h);
    contact.blur(3 * kK);
    c.paint(contact.shifted(static_cast<int>(2 * kK), static_cast<int>(4 * kK)), hex(0x1a0d05, 0.6f));
}

// The hollow under the lid: dark wooden walls round a quilted wine-red velvet floor with gold buttons.
void hollow(Canvas& c) {
    const Shape hole = opening();
    hud::Layer l(c, hole.bounds().expanded(2));
    Canvas& lc = l.canvas();
    const Field f = l.field(hole);
    lc.paint(f.coverage(), l.local(wood(hex(0x140803), hex(0x341a0b), hex(0x5a3418), 0.45f, 61u, {0, 1})));
    // The far wall faces us and catches a little light; the right wall turns towards the light.
    const Shape far = outline({{kOpenX, kOpenY}, {kRight, kOpenY}, {kRight - 12, 80}, {kOpenX + 12, 80}});
    const Shape right =
        outline({{kRight, kOpenY}, {kRight, kBottom}, {kRight - 5, kBottom}, {kRight - 12, 80}});
    lc.paint(l.mask(far), l.local(wood(hex(0x2a1407), hex(0x5a3218), hex(0x8a5a32), 0.5f, 62u)));
    lc.paint(l.mask(right), hex(0xffd9a0, 0.1f), Blend::Screen);

    // The velvet: a quilt of soft diamonds, each cushion lit on its upper left.
    const Shape floor =
        outline({{kOpenX + 12, 80}, {kRight - 12, 80}, {kRight - 5, kBottom}, {kOpenX + 5, kBottom}});
    constexpr float cell = 38;
    const Vec2 centre = at(kOpenX + kLidW / 2.0f, kOpenY + kLidH / 2.0f + 10);
    const Gradient velvet{
        {0, hex(0x1e0507)}, {0.4f, hex(0x4a0f14)}, {0.75f, hex(0x7a1c20)}, {1, hex(0xa8403a)}};
    auto height = [](float x, float y) {
        const float u = (x + y) / (cell * kK), v = (x - y) / (cell * kK);
        const float fu = u - std::floor(u), fv = v - std::floor(v);
        return std::sin(kPi * fu) * std::sin(kPi * fv);
    };
    const Fill quilt([=](float x, float y) {
        const float e = 0.8f * kK;
        const float dx = height(x + e, y) - height(x - e, y), dy = height(x, y + e) - height(x, y - e);
        const float lit = clamp01(0.5f - 2.2f * (dx * -0.62f + dy * -0.78f));
        const float d = length((Vec2{x, y} - centre) / kK) / 260.0f;
        const float pool = clamp01(1.0f - d);
        return velvet.at(clamp01(0.15f + 0.55f * pool + 0.35f * (lit - 0.5f) + 0.15f * height(x, y)));
    });
    const Field ff = l.field(floor);
    Canvas cloth(l.width(), l.height());
    cloth.paint(ff.coverage(), l.local(quilt));
    grain(cloth, 0.03f, 63u);
    innerShadow(cloth, ff, 3 * kK, 4 * kK, hex(0x0a0203, 0.8f));
    lc.draw(cloth, 0, 0);
    // Tufting buttons where the seams cross.
    Mask buttons(l.width(), l.height()), lips(l.width(), l.height());
    for (int i = 0; i <= 24; ++i)
        for (int j = -12; j <= 12; ++j) {
            const Vec2 p{(i + j) * cell / 2, (i - j) * cell / 2};
            if (floor.grown(-6 * kK).distance(p * kK) > 0) continue;
            l.local(Shape::circle(p * kK, 2.2f * kK)).drawInto(buttons);
            l.local(Shape::circle((p + Vec2{-0.6f, -0.7f}) * kK, 0.9f * kK)).drawInto(lips);
        }
    lc.paint(buttons.shifted(static_cast<int>(kK), static_cast<int>(kK)), hex(0x0a0203, 0.6f));
    lc.paint(buttons, hex(0xb07a2a));
    lc.paint(lips, hex(0xfff0b0, 0.8f));
    // The frame's edge throws its shadow into the hollow from the top left.
    innerShadow(lc, f, 9 * kK, 8 * kK, hex(0x050101, 0.85f));
    lc.paint(f.band(-0.5f * kK, 0.2f), pal::kOutline);
    l.put(c);
}

// The four boards of the frame, mitred at the corners, their grain running along them.
void frame(Canvas& c) {
    const Shape top = topFace();
    constexpr float y1 = kFaceTop + 10;  // below the frame's corners, so the mitres meet them
    const Shape boards[4] = {
        outline({{0, 0}, {484, 0}, {kRight, kOpenY}, {kOpenX, kOpenY}}) & top,
        outline({{0, 0}, {kOpenX, kOpenY}, {kOpenX, kBottom}, {0, y1}}) & top,
        outline({{484, 0}, {484, y1}, {kRight, kBottom}, {kRight, kOpenY}}) & top,
        outline({{0, y1}, {kOpenX, kBottom}, {kRight, kBottom}, {484, y1}}) & top,
    };
    const float tones[4] = {0.5f, 0.44f, 0.4f, 0.45f};
    for (int i = 0; i < 4; ++i)
        woodPart(c, boards[i] - opening(), tones[i], 70u + i, i == 1 || i == 2 ? Vec2{0, 1} : Vec2{1, 0});
    // Gold bands round the frame's outer edge and round the opening.
    goldPart(c, top - top.grown(-4.5f * kK), {120, 40}, 400);
    goldPart(c, opening().grown(5 * kK) - opening(), {150, 80}, 360);
}

// A lapis channel round the frame set with turquoise and terracotta lozenges between gold dots.
void inlay(Canvas& c) {
    const Shape ring = box(23, 19, 438, 357, 4) - box(35, 31, 414, 333, 2);
    hud::Layer l(c, ring.bounds().expanded(2));
    Canvas& lc = l.canvas();
    const Field f = l.field(ring);
    lc.paint(f.coverage(), l.local(hud::lapis(20 * kK, 380 * kK)));
    innerShadow(lc, f, 1.5f * kK, 1.5f * kK, hex(0x02040c, 0.8f));
    lc.paint(f.band(-0.3f * kK, 0.3f * kK), pal::kOutline.fade(0.8f));
    l.put(c);
    // Stones along the middle line of each side, turquoise and terracotta in turn with gold dots between.
    auto jewel = [&](Vec2 p, long k) {
        if (k % 2) return stud(c, p, 1.6f);
        const bool turquoise = k / 2 % 2 == 0;
        const Color light = turquoise ? pal::kTurquoiseLight : hex(0xf0a07a);
        const Color mid = turquoise ? pal::kTurquoise : pal::kTerracotta;
        const Color deep = turquoise ? pal::kTurquoiseDeep : pal::kTerracottaDeep;
        hud::part(c, Shape::regular(p * kK, 4, 5 * kK),
                  Fill::radial((p - Vec2{2, 2.5f}) * kK, 7 * kK, {{0, light}, {0.5f, mid}, {1, deep}}),
                  0.8f * kK, 1.5f * kK, 0.5f, 0.45f);
    };
    for (float x = 78; x <= 412; x += 20) {
        const long k = std::lround((x - 78) / 20);
        if (std::abs(x - 242) >= 40) jewel({x, 25}, k);  // the medallion sits in the middle
        jewel({x, 370}, k);
    }
    for (float y = 66; y <= 336; y += 20) {
        const long k = std::lround((y - 66) / 20);
        jewel({29, y}, k);
        jewel({456, y}, k);
    }
}

// A gold corner fitting: an L-shaped plate with a turquoise stone and two rivets.
void cornerFitting(Canvas& c, Vec2 corner, float sx, float sy) {
    auto p = [&](float x, float y) { return Vec2{corner.x + sx * x, corner.y + sy * y}; };
    // Shrunk and grown again, so that its inner corners come out rounded.
    const Shape plate = outline({p(0, 0), p(48, 0), p(48, 10), p(20, 14), p(14, 20), p(10, 48), p(0, 48)})
                            .grown(-1.5f * kK)
                            .grown(1.5f * kK) &
                        topFace().grown(1.5f * kK);
    goldPart(c, plate, p(14, 14), 40);
    engrave(c,
            outline({p(3, 3), p(44, 3), p(44, 7), p(18, 10.5f), p(10.5f, 18), p(7, 44), p(3, 44)})
                .outline(0.7f * kK),
            0.6f);
    cabochon(c, p(12, 12), 5.5f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    stud(c, p(38, 6), 2);
    stud(c, p(6, 38), 2);
}

// The winged sun on the frame's far side, over the channel.
void wingedSun(Canvas& c, Vec2 m) {
    for (float s : {-1.0f, 1.0f}) {
        auto p = [&](float x, float y) { return m + Vec2{s * x, y}; };
        const Shape wing = outline(
            {p(10, -5), p(30, -9), p(46, -6), p(40, -1), p(44, 2), p(34, 4), p(36, 7), p(22, 7), p(10, 5)});
        goldPart(c, wing, p(20, -6), 40);
        for (float x : {20.0f, 27.0f, 34.0f})
            engrave(c, Shape::line(p(x, -5) * kK, p(x - 3, 5) * kK, 0.6f * kK), 0.7f);
    }
    goldPart(c, Shape::circle(m * kK, 11 * kK), m - Vec2{4, 4}, 16);
    cabochon(c, m, 7, hex(0xf6a07a), pal::kTerracotta, pal::kTerracottaDeep);
}

// The front face: boards between gold bands and a lapis inlay of turquoise and terracotta stones.
void front(Canvas& c) {
    const Shape face = frontFace();
    woodPart(c, face, 0.36f, 80u, {1, 0}, 2.5f);
    const Shape band = face & (box(0, kFaceTop - 6, 484, 11) | box(0, kFaceBottom - 6, 484, 8));
    goldPart(c, band, {120, kFaceTop}, 300);
    const Shape strip = face & box(0, kFaceTop + 5, 484, 9);
    hud::Layer l(c, strip.bounds().expanded(2));
    const Field f = l.field(strip);
    l.canvas().paint(f.coverage(), l.local(hud::lapis((kFaceTop + 4) * kK, (kFaceTop + 14) * kK)));
    innerShadow(l.canvas(), f, kK, kK, hex(0x02040c, 0.8f));
    l.put(c);
    for (float x = 40; x <= 444; x += 22) {
        if (std::abs(x - 242) < 30) continue;
        const bool turquoise = std::lround((x - 40) / 22) % 2 == 0;
        const Shape gemStone = box(x - 6, kFaceTop + 6, 12, 7, 2);
        hud::part(c, gemStone,
                  turquoise ? Fill::vertical((kFaceTop + 6) * kK, (kFaceTop + 13) * kK,
                                             {{0, pal::kTurquoiseLight}, {1, pal::kTurquoiseDeep}})
                            : Fill::vertical((kFaceTop + 6) * kK, (kFaceTop + 13) * kK,
                                             {{0, hex(0xf0a07a)}, {1, pal::kTerracottaDeep}}),
                  0.7f * kK, 1.2f * kK, 0.5f, 0.4f);
    }
}

// The lock plate in the middle of the front, hanging over the edge of the frame.
void lockPlate(Canvas& c) {
    const Shape plate = outline({{218, 366}, {266, 366}, {266, 398}, {242, 410}, {218, 398}});
    goldPart(c, plate.grown(-2 * kK).grown(2 * kK), {236, 376}, 30);
    engrave(c, outline({{222, 370}, {262, 370}, {262, 396}, {242, 405.5f}, {222, 396}}).outline(0.7f * kK),
            0.6f);
    cabochon(c, {242, 384}, 7.5f, pal::kTurquoiseLight, pal::kTurquoise, pal::kTurquoiseDeep);
    for (Vec2 p : {Vec2{226, 374}, Vec2{258, 374}}) stud(c, p, 1.8f);
}

// The front's corners bound in gold, and small feet under them.
void frontCorners(Canvas& c) {
    const Shape face = frontFace();
    for (float s : {-1.0f, 1.0f}) {
        const float x = s < 0 ? 6.5f : 477.5f;
        const Shape cap = outline({{x, kFaceTop - 6},
                                   {x - s * 28, kFaceTop - 6},
                                   {x - s * 28, kFaceBottom},
                                   {x - s * 3.5f, kFaceBottom}}) &
                          face;
        goldPart(c, cap, {x - s * 14, kFaceTop}, 26);
        stud(c, {x - s * 14, kFaceTop + 9}, 2.4f);
        goldPart(c, box(x - s * 14 - 12, kFaceBottom - 1, 24, 6, 3), {x - s * 14, kFaceBottom}, 14);
    }
}

// Light falling from the top left over the whole chest, fading into shade at the lower right.
void light(Canvas& c) {
    c.paint(
        Mask(c.width(), c.height(), 1.0f),
        Fill::linear(at(0, 0), at(484, 430),
                     {{0, hex(0xfff0c8, 0.18f)}, {0.45f, hex(0xfff0c8, 0.0f)}, {1, hex(0x1a0a02, 0.25f)}}),
        Blend::Inside);
}

}  // namespace

Canvas chest() {
    Canvas c(static_cast<int>(kChestW * kK), static_cast<int>(kChestH * kK));
    front(c);
    frame(c);
    hollow(c);
    inlay(c);
    wingedSun(c, {242, 25});
    cornerFitting(c, {6, 6}, 1, 1);
    cornerFitting(c, {478, 6}, -1, 1);
    cornerFitting(c, {6, kFaceTop}, 1, -1);
    cornerFitting(c, {478, kFaceTop}, -1, -1);
    frontCorners(c);
    lockPlate(c);
    light(c);
    Canvas out(c.width(), c.height());
    groundShadow(out);
    out.draw(c, 0, 0);
    return out.downsampled(static_cast<int>(kK));
}

}  // namespace gen::pe
