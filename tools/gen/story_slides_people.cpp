// The story's people seen small (the explorer, the professor, the guide, the merchant), the caravan's
// camels, and a forearm with its hand for the close-ups.
#include <cmath>

#include "Palette.h"
#include "backgrounds_art.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

// A colour lit from the top left over the shape's box.
Fill lit(const Shape& s, Color col) {
    const Rect b = s.bounds();
    return Fill::linear({b.x0, b.y0}, {b.x1, b.y1},
                        {{0, lighter(col, 0.28f)}, {0.45f, col}, {1, darker(col, 0.38f)}});
}

struct Look {
    Color skin, top, legs, feet;
    bool robe = false;
};

Look lookOf(Who w) {
    switch (w) {
        case Who::Tazmira:
            return {hex(0xe8b48a), hex(0xc8b078), hex(0x7a5232), hex(0x4a2c18)};
        case Who::Wren:
            return {hex(0xf0c4a4), hex(0x7a5234), hex(0x6a5a48), hex(0x3a2418)};
        case Who::Hamid:
            return {hex(0xa0683c), hex(0xf2ece0), hex(0xf2ece0), hex(0x7a4a24), true};
        case Who::Merchant:
            return {hex(0xc88a5a), hex(0x2b4a8a), hex(0x2b4a8a), hex(0x5a2a14), true};
    }
    return {};
}

// The figure's joints in units of a 100-high standing body, feet (or seat) at the origin, facing right.
struct Skeleton {
    Vec2 head, shoulder, hip, kneeN, footN, kneeF, footF, elbowN, handN, elbowF, handF;
};

Skeleton skeletonFor(Pose p) {
    switch (p) {
        case Pose::Standing:
            return {{2, -88}, {0, -77}, {0, -48}, {2, -25},  {5, -1},  {-2, -25},
                    {-4, -1}, {2, -62}, {4, -47}, {-4, -62}, {-5, -48}};
        case Pose::Sitting:
            return {{2, -48}, {0, -37}, {0, -8},   {17, -21}, {22, -1}, {14, -19},
                    {19, -1}, {8, -23}, {16, -22}, {6, -24},  {13, -22}};
        case Pose::Riding:
            return {{1, -40}, {0, -29}, {0, 0},    {9, 6},   {6, 22},  {7, 3},
                    {3, 18},  {7, -17}, {13, -14}, {5, -18}, {11, -15}};
    }
    return {};
}

}  // namespace

void person(Canvas& c, Who who, Vec2 at, float h, Pose pose, bool right) {
    const float u = h / 100.0f, dir = right ? 1.0f : -1.0f, ow = std::clamp(h / 90.0f, 0.7f, 1.4f);
    const Skeleton k = skeletonFor(pose);
    auto P = [&](Vec2 v) { return at + Vec2{v.x * u * dir, v.y * u}; };
    auto limb = [&](Vec2 a, Vec2 b, Vec2 cc, float w0, float w1) {
        return Shape::stroke({P(a), P(b), P(cc)}, {w0 * u, (w0 + w1) * 0.5f * u, w1 * u});
    };
    auto part = [&](const Shape& s, Color col) { inked(c, s, lit(s, col), ow); };
    const Look L = lookOf(who);
    const float legW = L.robe ? 9.5f : 6.5f;
    // The far leg and arm first, a shade darker.
    const Color farLegs = darker(L.legs, 0.22f), farTop = darker(L.top, 0.22f);
    part(Shape::ellipse(P(k.footF + Vec2{2.5f, -1.5f}), 4.5f * u, 2.4f * u), darker(L.feet, 0.2f));
    part(limb(k.hip + Vec2{-1, 0}, k.kneeF, k.footF + Vec2{0, -2}, legW, legW * 0.7f), farLegs);
    part(limb(k.shoulder + Vec2{-2, 2}, k.elbowF, k.handF, 5, 4), farTop);
    part(Shape::circle(P(k.handF), 2.3f * u), darker(L.skin, 0.2f));
    // The body: a robe to the ankles, or a shirt or jacket over trousers.
    const Vec2 s = k.shoulder, hp = k.hip;
    Shape torso =
        Shape::polygon({P(s + Vec2{-8, -1}), P(s + Vec2{8, -1}), P(hp + Vec2{7, 0}), P(hp + Vec2{-7, 0})})
            .blend(Shape::circle(P(s), 7.5f * u), 3 * u);
    if (L.robe && pose == Pose::Standing)
        torso =
            torso | Shape::polygon({P(hp + Vec2{-7, -2}), P(hp + Vec2{7, -2}), P({12, -4}), P({-11, -4})});
    part(Shape::ellipse(P(k.footN + Vec2{2.5f, -1.5f}), 4.8f * u, 2.5f * u), L.feet);
    part(limb(hp + Vec2{1, 0}, k.kneeN, k.footN + Vec2{0, -2}, legW, legW * 0.7f), L.legs);
    part(torso, L.top);
    const Rect tb = torso.bounds();
    if (who == Who::Wren) {  // the waistcoat and the white shirt under the open jacket
        const Shape vest =
            Shape::polygon({P(s + Vec2{1, 0}), P(s + Vec2{7, 0}), P(hp + Vec2{6, -2}), P(hp + Vec2{0, -2})});
        c.paint(rast(vest), hex(0x5a3420));
        c.paint(rast(Shape::polygon({P(s + Vec2{3, 0}), P(s + Vec2{7, 0}), P(s + Vec2{5, 10})})),
                hex(0xf4efe4));
    }
    if (who == Who::Tazmira) {  // the belt
        c.paint(rast(Shape::rect(tb.x0, P(hp).y - 3 * u, tb.width(), 2.6f * u) & torso), hex(0x4a2c18));
    }
    if (L.robe) {  // a trim down the front
        const Color trim = who == Who::Merchant ? pal::kGold : hex(0xc8c0b0);
        c.paint(rast(limb(s + Vec2{4, 1}, (s + hp) * 0.5f + Vec2{5, 0},
                          pose == Pose::Standing ? Vec2{7, -5} : hp + Vec2{6, 0}, 1.4f, 1.4f)),
                trim);
    }
    // The near arm and hand.
    part(limb(s + Vec2{1, 2}, k.elbowN, k.handN, 5.2f, 4.2f), L.top);
    part(Shape::circle(P(k.handN), 2.5f * u), L.skin);
    // Neck and head, with the face towards `dir`.
    const Vec2 hc = k.head;
    part(Shape::rect(P(hc).x - 2.5f * u, P(hc).y + 4 * u, 5 * u, 6 * u), darker(L.skin, 0.1f));
    const Shape head =
        Shape::ellipse(P(hc), 6.6f * u, 7.6f * u) | Shape::circle(P(hc + Vec2{5.5f, 1.5f}), 2.2f * u);
    part(head, L.skin);
    c.paint(rast(Shape::circle(P(hc + Vec2{3.4f, -1}), 0.9f * u)), hex(0x2a1408));
    switch (who) {
        case Who::Tazmira: {
            c.paint(rast(Shape::ellipse(P(hc + Vec2{-2, -1}), 5.5f * u, 6.5f * u) & head), hex(0x8a3418));
            part(Shape::stroke(
                     {P(hc + Vec2{-4, 1}), P(hc + Vec2{-1, 9}), P(hc + Vec2{3, 15}), P(hc + Vec2{4, 24})},
                     {3.4f * u, 3 * u, 2.6f * u, 1.6f * u}),
                 hex(0xa0441c));
            part(Shape::polygon({P(hc + Vec2{-4, 7}), P(hc + Vec2{5, 7}), P(hc + Vec2{1, 13})}),
                 hex(0xc8302a));
            const Shape dome = Shape::ellipse(P(hc + Vec2{0, -4}), 8 * u, 7 * u) &
                               Shape::rect(P(hc).x - 12 * u, P(hc).y - 14 * u, 24 * u, 10 * u);
            part(Shape::ellipse(P(hc + Vec2{0.5f, -5.5f}), 11.5f * u, 2.4f * u), hex(0xd8c090));
            part(dome, hex(0xeed8a6));
            c.paint(
                rast(Shape::rect(P(hc).x - 8 * u, P(hc).y - 7.8f * u, 16 * u, 2.2f * u) & dome.grown(0.5f)),
                hex(0x6a4020));
            break;
        }
        case Who::Wren: {
            for (float side : {-5.5f, 5.0f})
                part(Shape::ellipse(P(hc + Vec2{side, -1}), 2.6f * u, 2.2f * u), hex(0xf4f0e8));
            part(Shape::ellipse(P(hc + Vec2{3, 5.5f}), 5.8f * u, 6.6f * u), hex(0xf4f0e8));
            c.paint(rast(Shape::circle(P(hc + Vec2{3.6f, -1}), 2.1f * u).outline(0.8f * u)), pal::kGold);
            c.paint(rast(Shape::circle(P(hc + Vec2{-1, -4}), 2.2f * u)), hex(0xffffff, 0.35f));
            break;
        }
        case Who::Hamid: {
            c.paint(rast(Shape::stroke({P(hc + Vec2{3, 3}), P(hc + Vec2{6.5f, 3.2f})}, {1.4f * u})),
                    hex(0x1a0e08));
            const Shape turban = Shape::ellipse(P(hc + Vec2{0, -5}), 8.6f * u, 6.4f * u);
            part(turban, hex(0xfaf6ee));
            hud::ink(c, {P(hc + Vec2{-7, -6}), P(hc + Vec2{0, -9}), P(hc + Vec2{7, -3})}, 0.7f * u,
                     hex(0xb8b0a0));
            hud::ink(c, {P(hc + Vec2{-7, -2}), P(hc + Vec2{1, -5}), P(hc + Vec2{7, 0})}, 0.7f * u,
                     hex(0xb8b0a0));
            part(Shape::circle(P(hc + Vec2{5, -5}), 1.8f * u), pal::kTurquoise);
            break;
        }
        case Who::Merchant: {
            part(Shape::polygon({P(hc + Vec2{-3, 3}), P(hc + Vec2{7, 3}), P(hc + Vec2{3, 14})}),
                 hex(0x1e1410));
            const Shape cap = Shape::rect(P(hc).x - 7 * u, P(hc).y - 13 * u, 14 * u, 9 * u, 2 * u);
            part(cap, hex(0x1a8a7a));
            c.paint(rast(Shape::rect(P(hc).x - 7 * u, P(hc).y - 6.5f * u, 14 * u, 2.4f * u)), pal::kGold);
            part(Shape::circle(P(hc + Vec2{dir > 0 ? 3.0f : -3.0f, -9}), 1.6f * u), hex(0xc8302a));
            break;
        }
    }
}

void caravanCamel(Canvas& c, Vec2 feet, float size, const Who* rider, uint32_t seed) {
    const float u = size / 100.0f;
    auto P = [&](float x, float y) { return feet + Vec2{x * u, -y * u}; };
    const Shape body = bg::camel(feet, size);
    c.paint(rast(Shape::ellipse(feet + Vec2{0, 1}, 42 * u, 5 * u)).blurred(3 * u), hex(0x2a1408, 0.35f));
    inked(
        c, body,
        Fill::linear(P(-30, 95), P(40, 10), {{0, hex(0xe8bc80)}, {0.5f, hex(0xc08850)}, {1, hex(0x7a5030)}}),
        std::clamp(size / 80.0f, 0.8f, 1.6f));
    // A striped blanket over the hump with a fringe of tassels; packs hanging on either side.
    const Color cloth[] = {pal::kTerracotta, pal::kBlue, pal::kTurquoiseDeep};
    const Color blanket = cloth[seed % 3];
    const Shape hump = Shape::ellipse(P(-4, 76), 26 * u, 16 * u) & body;
    inked(c, hump, lit(hump, blanket), 0.8f);
    c.paint(rast(Shape::rect(P(-30, 72).x, P(-30, 72).y, 52 * u, 3 * u) & hump), pal::kGold);
    Mask tassels(kW, kH);
    for (float x = -26; x <= 18; x += 5) Shape::circle(P(x, 61), 1.6f * u).drawInto(tassels);
    c.paint(tassels, pal::kGoldLight);
    if (rider) {
        person(c, *rider, P(-4, 86), size * 0.95f, Pose::Riding, true);
    } else {
        const Shape pack = Shape::rect(P(-26, 84).x, P(-26, 84).y, 24 * u, 20 * u, 4 * u);
        inked(c, pack, lit(pack, hex(0xb89060)), 0.9f);
        const Shape roll = Shape::ellipse(P(-2, 88), 14 * u, 6 * u);
        inked(c, roll, lit(roll, hex(0x8a3524)), 0.9f);
        hud::ink(c, {P(-14, 84), P(-14, 64)}, 1.2f * u, hex(0x4a2c18));
    }
}

void caravan(Canvas& c, Vec2 lead, float size, Vec2 gap, float shrink, uint32_t seed) {
    static const Who riders[] = {Who::Hamid, Who::Tazmira, Who::Wren};
    for (int i = 3; i >= 0; --i) {
        const float k = std::pow(shrink, static_cast<float>(i));
        caravanCamel(c, lead + gap * static_cast<float>(i), size * k, i < 3 ? &riders[i] : nullptr,
                     seed + static_cast<uint32_t>(i));
    }
}

void couchedCamel(Canvas& c, Vec2 feet, float size, bool right) {
    const float u = size / 100.0f, dir = right ? 1.0f : -1.0f;
    auto P = [&](float x, float y) { return feet + Vec2{x * u * dir, -y * u}; };
    const Shape body = Shape::ellipse(P(0, 30), 46 * u, 26 * u) | Shape::ellipse(P(-6, 50), 26 * u, 24 * u) |
                       Shape::stroke({P(34, 36), P(50, 56), P(56, 76)}, {16 * u, 12 * u, 10 * u}) |
                       Shape::ellipse(P(64, 78), 13 * u, 7.5f * u).rotated(dir * 12, P(64, 78)) |
                       Shape::ellipse(P(-36, 6), 14 * u, 6 * u) | Shape::ellipse(P(28, 6), 16 * u, 6 * u);
    c.paint(rast(Shape::ellipse(feet + Vec2{0, 0}, 58 * u, 7 * u)).blurred(4 * u), hex(0x2a1408, 0.4f));
    inked(c, body,
          Fill::linear(P(-30, 76), P(40, 0), {{0, hex(0xe8bc80)}, {0.5f, hex(0xc08850)}, {1, hex(0x7a5030)}}),
          std::clamp(size / 80.0f, 0.8f, 1.6f));
    hud::ink(c, {P(-30, 8), P(-10, 14), P(10, 8)}, 1.0f * u, hex(0x5a3418, 0.7f));
    c.paint(rast(Shape::circle(P(66, 81), 1.3f * u)), hex(0x2a1408));
    const Shape ear = Shape::ellipse(P(57, 86), 3 * u, 2 * u);
    inked(c, ear, hex(0xa07040), 0.7f);
}

void forearm(Canvas& c, Vec2 elbow, Vec2 wrist, float w, Color sleeve, Color cuff, Color skin,
             bool pointing) {
    const Vec2 d = normalize(wrist - elbow), n = rotate(d, -kPi / 2);
    const Vec2 cuffAt = lerp(elbow, wrist, 0.66f);
    auto part = [&](const Shape& s, Color col) { inked(c, s, lit(s, col), 1.6f); };
    c.paint(rast(Shape::stroke({elbow - d * w * 4, wrist + d * w * 1.6f}, {w * 1.3f, w})
                     .moved({w * 0.5f, w * 0.7f}))
                .blurred(w * 0.4f),
            hex(0x1a0a04, 0.35f));
    // Thumb behind, then the palm, then the fingers.
    const Vec2 palm = wrist + d * w * 0.55f;
    part(Shape::stroke({wrist + n * w * 0.35f, palm + n * w * 0.55f + d * w * 0.3f,
                        palm + n * w * 0.45f + d * w * 0.75f},
                       {w * 0.32f, w * 0.28f, w * 0.22f}),
         skin);
    part(Shape::stroke({cuffAt, wrist}, {w * 0.92f, w * 0.8f}), skin);
    part(Shape::ellipse(palm, w * 0.68f, w * 0.5f).rotated(std::atan2(d.y, d.x) * 180 / kPi, palm), skin);
    if (pointing) {
        part(Shape::stroke({palm + d * w * 0.45f + n * w * 0.18f, palm + d * w * 1.5f + n * w * 0.2f,
                            palm + d * w * 1.95f + n * w * 0.18f},
                           {w * 0.27f, w * 0.25f, w * 0.21f}),
             skin);
        for (int i = 0; i < 3; ++i)
            part(Shape::circle(palm + d * w * (0.62f - i * 0.08f) - n * w * (0.08f + i * 0.2f), w * 0.17f),
                 skin);
    } else {
        for (int i = 0; i < 4; ++i)
            part(Shape::ellipse(palm + d * w * 0.62f + n * w * (0.36f - i * 0.24f), w * 0.2f, w * 0.15f)
                     .rotated(std::atan2(d.y, d.x) * 180 / kPi, palm),
                 skin);
    }
    part(Shape::stroke({elbow - d * w * 4, cuffAt}, {w * 1.3f, w * 1.22f}), sleeve);
    hud::ink(c, {elbow - d * w * 2 + n * w * 0.3f, cuffAt - d * w * 0.6f - n * w * 0.1f}, 1.4f,
             darker(sleeve, 0.45f).fade(0.6f));
    part(Shape::stroke({cuffAt - d * w * 0.2f, cuffAt + d * w * 0.12f}, {w * 1.34f}), cuff);
}

}  // namespace gen::slides
