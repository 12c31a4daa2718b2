// The explorer Tazmira, Professor Wren and Hamid the guide as full figures, dressed as in their portraits.
#include "Palette.h"
#include "maingame_hud_art.h"
#include "story_outro_figure.h"

namespace gen::outro {

namespace {

// The hands come after what they hold; a hanging far hand stays behind the body.
bool holding(const Pose& p) {
    return p.held != Held::Nothing;
}

// The open shirt's collar points either side of the throat.
void collar(Rig& r, Vec2 throat, Color col) {
    for (const float s : {-1.0f, 1.0f})
        r.part(r.poly({throat + Vec2{s * 2, -4}, throat + Vec2{s * 13, -6}, throat + Vec2{s * 8, 8}}),
               r.cloth(throat, 14, col), 0.9f, 1.5f);
}

}  // namespace

void paintTazmira(Rig& r, const Pose& p) {
    const Color skin = hex(0xf2c49a), skinShade = hex(0xc9825a), khaki = hex(0xc4a46a);
    const Color hair = hex(0xa8461c), helmet = hex(0xeedcaa), brown = hex(0x7a5430);
    const Arm nearA = armFrom(kNearShoulder + Vec2{3, 2}, p.nearArm, p.nearElbow, 0.95f);
    const Arm farA = armFrom(kFarShoulder + Vec2{-3, 2}, p.farArm, p.farElbow, 0.95f);
    Face f{.centre = {5, -306}, .rx = 16.5f, .ry = 20.5f, .skin = skin, .skinShade = skinShade};
    f.female = true;
    f.eyes = hex(0x2f7a58);
    f.brows = hex(0x6a2c12);
    f.lips = hex(0xc4503c);
    f.smile = p.smile;
    f.surprised = p.surprised;
    // Hair gathered behind the head.
    r.part(r.ellipse(f.centre + Vec2{-4, -2}, 20, 22), r.cloth(f.centre, 22, hair), 1.0f, 3);
    paintArm(r, farA, darker(khaki, 0.12f), darker(skin, 0.08f), 16);
    if (!holding(p)) paintHand(r, farA, darker(skin, 0.08f));
    paintLegs(r, p.stride, hex(0x7a5234), hex(0x4e2e1a), 52);
    const Shape torso = r.smooth({{-25, -266},
                                  {-8, -274},
                                  {14, -273},
                                  {25, -264},
                                  {24, -232},
                                  {18, -204},
                                  {21, -184},
                                  {-22, -184},
                                  {-22, -206},
                                  {-27, -236}});
    r.part(torso, r.cloth({-4, -244}, 60, khaki), 1.2f, 4);
    r.ink({{7, -266}, {5, -188}}, 0.9f, darker(khaki, 0.4f));
    for (const float x : {-14.0f, 14.0f}) {
        r.part(r.poly({{x - 7, -248}, {x + 6, -248}, {x + 5, -234}, {x - 6, -234}}),
               r.cloth({x, -244}, 12, khaki), 0.8f, 1.2f);
        r.ink({{x - 7, -244}, {x + 6, -244}}, 0.7f, darker(khaki, 0.35f));
    }
    r.shade(r.ellipse({r.facing() > 0 ? 18.0f : -22.0f, -226}, 12, 30), torso,
            darker(khaki, 0.4f).fade(0.35f), 5);
    r.part(r.poly({{-23, -192}, {21, -192}, {22, -181}, {-24, -181}}), r.cloth({0, -188}, 20, brown), 1.0f,
           1.5f);
    r.part(r.poly({{2, -193}, {10, -193}, {10, -180}, {2, -180}}),
           hud::gold(r.at({0, -193}).y, r.at({0, -180}).y), 0.9f, 1.0f);
    paintHead(r, f);
    collar(r, {5, -276}, khaki);
    // The red neckerchief knotted at the throat, its ends hanging.
    r.part(r.limb({{11, -271}, {14, -262}, {12, -252}}, {6, 5, 3}), r.cloth({12, -262}, 10, pal::kTerracotta),
           0.9f, 1.5f);
    r.part(r.ellipse({4, -276}, 11, 4.5f), r.cloth({2, -277}, 10, pal::kTerracotta), 1.0f, 1.5f);
    r.part(r.circle({11, -272}, 3.6f), r.cloth({10, -273}, 5, pal::kTerracotta), 0.9f, 1.0f);
    paintFeatures(r, f);
    // Locks by the cheek and over the brow.
    r.part(r.limb({{-9, -320}, {-13, -306}, {-12, -294}}, {6, 5, 2}), r.cloth({-11, -310}, 10, hair), 0.8f,
           1.5f);
    r.part(r.ellipse({8, -320}, 10, 3.5f, -10), r.cloth({6, -321}, 9, hair), 0.8f, 1.2f);
    // The pith helmet: its brim shading the brow, the dome and the brown band.
    const Shape face = r.ellipse(f.centre, f.rx, f.ry);
    r.shade(r.ellipse({6, -318}, 17, 4), face, hex(0x6a3a1c, 0.35f), 2);
    r.part(r.ellipse({5, -324}, 27, 6.5f, -4), r.cloth({0, -326}, 26, helmet), 1.1f, 2);
    const Shape dome =
        r.ellipse({3, -331}, 18.5f, 16.5f, -4) & r.poly({{-30, -380}, {40, -380}, {40, -327}, {-30, -329}});
    r.part(dome, r.cloth({-2, -338}, 20, helmet), 1.1f, 3.5f);
    r.part(r.poly({{-15, -333}, {21, -334}, {21, -328}, {-15, -327}}), r.cloth({0, -331}, 16, brown), 0.9f,
           1);
    r.part(r.ellipse({3, -347.5f}, 3.5f, 1.8f), r.cloth({3, -348}, 4, helmet), 0.8f, 0.8f);
    paintArm(r, nearA, khaki, skin, 16.5f);
    r.part(r.limb({lerp(nearA.elbow, nearA.wrist, 0.02f), lerp(nearA.elbow, nearA.wrist, 0.16f)}, {15, 14}),
           r.cloth(nearA.elbow, 12, khaki), 0.9f, 1.5f);
    // The long braid over her shoulder, one lobe under the next.
    for (int i = 0; i < 7; ++i) {
        const Vec2 q{-13.0f - i * 0.4f, -291.0f + i * 8.0f};
        r.part(r.ellipse(q, 5.5f - i * 0.3f, 5.0f, i % 2 ? 22.0f : -22.0f), r.cloth(q, 7, hair), 0.8f, 1.5f);
    }
    r.part(r.limb({{-16, -236}, {-16, -226}}, {3.5f, 1.5f}), r.cloth({-16, -232}, 5, hair), 0.7f, 0.8f);
    paintHeld(r, p, nearA, farA);
    if (holding(p)) paintHand(r, farA, skin);
    paintHand(r, nearA, skin);
}

void paintWren(Rig& r, const Pose& p) {
    const Color skin = hex(0xf0c4a0), skinShade = hex(0xb97c5a), tweed = hex(0x7a5434), white = hex(0xeeebe4);
    const Color waistcoat = hex(0x5a5a3a);
    const Arm nearA = armFrom(kNearShoulder + Vec2{-2, 4}, p.nearArm, p.nearElbow, 0.93f);
    const Arm farA = armFrom(kFarShoulder + Vec2{0, 4}, p.farArm, p.farElbow, 0.93f);
    Face f{.centre = {6, -302}, .rx = 18, .ry = 21.5f, .skin = skin, .skinShade = skinShade};
    f.oldAge = true;
    f.eyes = hex(0x3a5a7a);
    f.brows = white;
    f.smile = p.smile;
    f.surprised = p.surprised;
    paintArm(r, farA, darker(tweed, 0.15f), darker(tweed, 0.15f), 19);
    if (!holding(p)) paintHand(r, farA, darker(skin, 0.08f));
    paintLegs(r, p.stride, hex(0x6a5e50), hex(0x3a2414), 22);
    // The tweed jacket over a round middle: open in front over the waistcoat.
    const Shape jacket = r.smooth({{-27, -264},
                                   {-8, -274},
                                   {16, -273},
                                   {28, -262},
                                   {31, -220},
                                   {30, -176},
                                   {28, -150},
                                   {-26, -150},
                                   {-30, -180},
                                   {-31, -226}});
    const Fill tw = r.cloth({-6, -236}, 80, tweed);
    r.part(jacket, tw, 1.2f, 4);
    const Shape vest =
        r.smooth({{-2, -272}, {16, -272}, {25, -232}, {26, -186}, {14, -170}, {2, -186}, {-4, -230}});
    r.part(vest, r.cloth({8, -240}, 40, waistcoat), 1.0f, 3);
    r.part(r.poly({{2, -276}, {14, -276}, {9, -246}}), r.cloth({8, -266}, 12, hex(0xf4efe6)), 0.9f, 1.5f);
    for (int i = 0; i < 4; ++i)
        r.part(r.circle({15.0f + i * 0.8f, -236.0f + i * 13}, 1.6f), pal::kGold, 0.6f, 0.5f);
    r.ink({{22, -214}, {12, -206}, {3, -210}}, 1.1f, pal::kGoldDeep);  // the watch chain
    // Lapels and the jacket's front edge; a pocket with a handkerchief.
    r.part(r.poly({{-2, -272}, {4, -270}, {0, -226}, {-6, -232}}), tw, 1.0f, 2);
    r.part(r.poly({{16, -272}, {22, -266}, {25, -232}, {20, -236}}), tw, 1.0f, 2);
    r.ink({{-14, -198}, {-28, -196}}, 1.0f, darker(tweed, 0.45f));
    r.part(r.poly({{-23, -244}, {-12, -244}, {-13, -239}, {-22, -239}}),
           r.cloth({-18, -242}, 6, pal::kTerracotta), 0.7f, 0.6f);
    // The cloth's weave: faint crossed flecks.
    for (int i = 0; i < 9; ++i) {
        const float y = -262.0f + i * 12;
        r.ink({{-28, y}, {30, y + 3}}, 0.5f, darker(tweed, 0.3f).fade(0.5f));
    }
    paintHead(r, f);
    // The blue bow tie.
    for (const float s : {-1.0f, 1.0f})
        r.part(r.poly({{8, -277}, {8 + s * 8, -282}, {8 + s * 8, -272}}), r.cloth({6, -279}, 9, pal::kBlue),
               0.8f, 1.2f);
    r.part(r.circle({8, -277}, 2.4f), r.cloth({8, -278}, 4, pal::kBlue), 0.8f, 0.8f);
    paintFeatures(r, f);
    // White tufts at the temples, the crown bald and shining.
    const Fill hairFill = r.cloth({2, -318}, 14, white);
    r.part(r.ellipse({-13, -312}, 6, 10, 12), hairFill, 0.9f, 1.5f);
    r.part(r.ellipse({19, -314}, 3.5f, 7, -10), hairFill, 0.8f, 1.0f);
    r.shade(r.ellipse({-2, -319}, 6, 3.5f, -20), r.ellipse(f.centre, f.rx, f.ry), hex(0xffffff, 0.45f), 1.5f);
    // The big white beard and moustache.
    const Shape beard = r.ellipse({8, -282}, 15, 16).blend(r.ellipse({7, -292}, 16, 6), 6 * r.k());
    r.part(beard, r.cloth({4, -286}, 18, white), 1.0f, 2.5f);
    for (const float x : {2.0f, 8.0f, 14.0f})
        r.ink({{x, -290}, {x + 1, -280}, {x - 0.5f, -270}}, 0.5f, hex(0xa8a49c));
    for (const float s : {-1.0f, 1.0f})
        r.part(r.ellipse({9.5f + s * 5.5f, -290.5f}, 6.5f, 2.8f, s * 12), r.cloth({8, -292}, 8, white), 0.8f,
               1.0f);
    if (p.surprised) r.part(r.ellipse({10, -285}, 2.6f, 3.4f), hex(0x5a1e14), 0.6f, 0.5f);
    // Round gold spectacles.
    for (const float s : {-1.0f, 1.0f}) {
        const Vec2 e{9.5f + s * 7.0f, -302};
        const float w = s > 0 ? 4.4f : 5.2f;
        r.shade(r.ellipse(e, w, 5.2f), r.ellipse(f.centre, 30, 30), hex(0xdff0ff, 0.2f));
        r.part(r.ellipse(e, w, 5.2f) - r.ellipse(e, w - 1.1f, 4.1f),
               hud::gold(r.at(e).y - 6 * r.k(), r.at(e).y + 6 * r.k()), 0.5f, 0.4f);
    }
    r.part(r.limb({{4.5f, -302}, {-13, -305}}, {1.0f}), hud::gold(r.at({0, -306}).y, r.at({0, -300}).y), 0.4f,
           0.3f);
    paintArm(r, nearA, tweed, tweed, 19.5f);
    r.part(r.limb({lerp(nearA.elbow, nearA.wrist, 0.88f), nearA.wrist}, {13.5f, 13}),
           r.cloth(nearA.wrist, 8, hex(0xf4efe6)), 0.8f, 1.0f);
    paintHeld(r, p, nearA, farA);
    if (holding(p)) paintHand(r, farA, skin);
    paintHand(r, nearA, skin);
}

void paintHamid(Rig& r, const Pose& p) {
    const Color skin = hex(0xc48a5c), skinShade = hex(0x8a5030), robe = hex(0xf0e8d8), cotton = hex(0xf6f1e4);
    const Arm nearA = armFrom(kNearShoulder + Vec2{0, 2}, p.nearArm, p.nearElbow, 0.98f);
    const Arm farA = armFrom(kFarShoulder + Vec2{-2, 2}, p.farArm, p.farElbow, 0.98f);
    Face f{.centre = {5, -305}, .rx = 17, .ry = 21, .skin = skin, .skinShade = skinShade};
    f.eyes = hex(0x3a2010);
    f.brows = hex(0x1e120a);
    f.lips = hex(0x9a4a36);
    f.smile = p.smile;
    paintArm(r, farA, darker(robe, 0.12f), darker(robe, 0.12f), 21);
    if (!holding(p)) paintHand(r, farA, darker(skin, 0.08f));
    // Sandalled feet under the hem.
    for (const int side : {1, -1}) {
        const float fx = side * p.stride * 0.5f;
        r.part(r.ellipse({fx + 6, -5}, 14, 6, 0, false), r.cloth({fx + 4, -8}, 12, skin, false), 1.0f, 1.5f);
        r.ink({{fx - 4, -6}, {fx + 12, -8}}, 2.0f, hex(0x6a3a1a), false);
    }
    // The long white robe, widening to the hem, its folds running down.
    const Shape gown = r.smooth({{-26, -266},
                                 {-8, -274},
                                 {16, -273},
                                 {27, -262},
                                 {28, -200},
                                 {31, -100},
                                 {34, -14},
                                 {6, -8},
                                 {-24, -12},
                                 {-32, -100},
                                 {-29, -200}});
    r.part(gown, r.cloth({-8, -230}, 110, robe), 1.2f, 4.5f);
    for (const float x : {-16.0f, -4.0f, 12.0f, 22.0f})
        r.ink({{x * 0.8f, -176}, {x, -100}, {x * 1.1f, -18}}, 1.2f, darker(robe, 0.22f).fade(0.7f));
    r.shade(r.ellipse({r.facing() > 0 ? 28.0f : -30.0f, -140}, 14, 130), gown, darker(robe, 0.35f).fade(0.4f),
            8);
    // A deep blue sash at the waist and the trim round the neck opening.
    r.part(r.smooth({{-29, -192}, {28, -194}, {29, -180}, {-30, -178}}), r.cloth({0, -188}, 24, pal::kBlue),
           1.0f, 1.8f);
    r.part(r.limb({{20, -186}, {23, -166}, {21, -156}}, {5, 4, 3}), r.cloth({21, -172}, 10, pal::kBlue), 0.8f,
           1.2f);
    paintHead(r, f);
    r.part(r.poly({{-2, -278}, {14, -278}, {6, -254}}), r.cloth({6, -270}, 10, skinShade), 0.9f, 1);
    r.part(r.limb({{-3, -279}, {6, -252}, {15, -279}}, {3}), r.cloth({4, -268}, 14, pal::kBlue), 0.8f, 1);
    paintFeatures(r, f);
    // The trim black moustache.
    for (const float s : {-1.0f, 1.0f})
        r.part(r.ellipse({9.5f + s * 4.0f, -293}, 4.8f, 1.7f, s * 14), r.cloth({8, -294}, 6, hex(0x24160c)),
               0.6f, 0.6f);
    // The turban wound over the brow, its turns crossing, the turquoise jewel at the front.
    r.shade(r.ellipse({6, -318}, 18, 4), r.ellipse(f.centre, f.rx, f.ry), hex(0x4a2410, 0.35f), 2);
    const Shape turban = r.ellipse({4, -325}, 23, 12).blend(r.ellipse({2, -337}, 18, 12), 5 * r.k());
    r.part(turban, r.cloth({-4, -336}, 24, cotton), 1.1f, 3.5f);
    for (int i = 0; i < 4; ++i) {
        const float y = -342.0f + i * 5.5f, s = i % 2 ? 1.0f : -1.0f;
        r.ink({{4 - s * 20, y + 5}, {4 - s * 3, y + 3}, {4 + s * 16, y - 3}}, 0.7f, hex(0xa89c86));
    }
    r.part(r.ellipse({17, -331}, 4.5f, 6, 25), r.cloth({16, -333}, 6, cotton), 0.9f, 1.2f);
    r.part(r.circle({17, -331}, 2.2f), r.cloth({16, -332}, 3, pal::kTurquoise), 0.6f, 0.6f);
    paintArm(r, nearA, robe, robe, 21.5f);
    paintHeld(r, p, nearA, farA);
    if (holding(p)) paintHand(r, farA, skin);
    paintHand(r, nearA, skin);
}

}  // namespace gen::outro
