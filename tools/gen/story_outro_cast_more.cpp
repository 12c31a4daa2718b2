// The rival Corvin and the monks as full figures, and what the figures hold: the tablets and a hat.
#include "Palette.h"
#include "story_outro_figure.h"

namespace gen::outro {

void paintCorvin(Rig& r, const Pose& p) {
    const Color skin = hex(0xe2b08a), skinShade = hex(0xa06a4a), coat = hex(0x2c2a32), scarf = hex(0xb82a26);
    const Color hat = hex(0x3a3034);
    const Arm nearA = armFrom(kNearShoulder + Vec2{-2, 2}, p.nearArm, p.nearElbow, 1.0f);
    const Arm farA = armFrom(kFarShoulder + Vec2{0, 2}, p.farArm, p.farElbow, 1.0f);
    Face f{.centre = {6, -306}, .rx = 17, .ry = 21.5f, .skin = skin, .skinShade = skinShade};
    f.eyes = hex(0x2a2a2a);
    f.brows = hex(0x2a1a12);
    f.lips = hex(0x9a5040);
    f.smile = false;
    f.angry = p.angry;
    paintArm(r, farA, darker(coat, 0.2f), darker(coat, 0.2f), 20);
    paintHand(r, farA, darker(skin, 0.1f));
    paintLegs(r, p.stride, hex(0x3a3640), hex(0x1e1614), 48);
    // The long black coat, open and swinging behind him.
    const Shape body = r.smooth({{-27, -266},
                                 {-8, -274},
                                 {16, -273},
                                 {28, -262},
                                 {27, -200},
                                 {30, -120},
                                 {26, -90},
                                 {-6, -94},
                                 {-40, -84},
                                 {-34, -150},
                                 {-29, -210}});
    r.part(body, r.cloth({-8, -236}, 90, coat), 1.2f, 4.5f);
    r.part(r.poly({{4, -268}, {16, -268}, {18, -180}, {6, -176}}), r.cloth({10, -230}, 40, hex(0x4a4450)),
           1.0f, 2.5f);
    for (const float x : {-22.0f, -8.0f})
        r.ink({{x + 4, -200}, {x, -140}, {x - 6, -92}}, 1.2f, hex(0x121016));
    r.part(r.poly({{-4, -272}, {4, -268}, {2, -222}, {-10, -232}}), r.cloth({0, -250}, 20, coat), 1.0f, 2);
    r.part(r.smooth({{-26, -190}, {27, -192}, {27, -184}, {-27, -182}}),
           r.cloth({0, -188}, 20, hex(0x1e1a1e)), 0.9f, 1);
    paintHead(r, f);
    // The red scarf wound at the throat, one end hanging down his chest.
    r.part(r.limb({{12, -272}, {16, -240}, {13, -212}}, {9, 8, 7}), r.cloth({14, -244}, 16, scarf), 1.0f, 2);
    r.part(r.ellipse({4, -276}, 14, 6), r.cloth({0, -278}, 14, scarf), 1.0f, 2);
    paintFeatures(r, f);
    // Stubble on the jaw.
    r.shade(r.ellipse({8, -292}, 14, 9), r.ellipse(f.centre, f.rx, f.ry), hex(0x3a3040, 0.28f), 2);
    // A scar through the far brow.
    r.ink({{14, -312}, {17, -303}}, 0.6f, hex(0x9a5a4a));
    // The dark fedora, its brim pulled low.
    r.shade(r.ellipse({6, -318}, 18, 5), r.ellipse(f.centre, f.rx, f.ry), hex(0x1a0e0a, 0.45f), 2);
    r.part(r.ellipse({4, -323}, 29, 6, -5) - r.ellipse({30, -320}, 8, 4), r.cloth({0, -326}, 26, hat), 1.1f,
           2);
    const Shape crown =
        r.smooth({{-16, -324}, {-14, -342}, {-4, -348}, {4, -344}, {12, -348}, {20, -340}, {20, -326}});
    r.part(crown, r.cloth({-2, -340}, 20, hat), 1.1f, 3);
    r.part(r.poly({{-16, -332}, {20, -334}, {20, -327}, {-16, -325}}), r.cloth({0, -330}, 16, hex(0x1a1418)),
           0.8f, 1);
    paintArm(r, nearA, coat, coat, 20.5f);
    paintHand(r, nearA, skin);
}

void paintMonk(Rig& r, const Pose& p) {
    const Color skin = hex(0xc89068), skinShade = hex(0x8a5a3a), maroon = hex(0x7a1e22),
                saffron = hex(0xe8a020);
    const Arm nearA = armFrom(kNearShoulder + Vec2{0, 2}, p.nearArm, p.nearElbow, 0.97f);
    const Arm farA = armFrom(kFarShoulder + Vec2{-2, 2}, p.farArm, p.farElbow, 0.97f);
    Face f{.centre = {5, -304}, .rx = 17, .ry = 21, .skin = skin, .skinShade = skinShade};
    f.eyes = hex(0x2a1a10);
    f.brows = hex(0x2a1a10);
    f.lips = hex(0x9a4a36);
    f.smile = p.smile;
    f.closedEyes = p.bow > 20;
    paintArm(r, farA, darker(maroon, 0.2f), darker(maroon, 0.2f), 21);
    paintHand(r, farA, darker(skin, 0.1f));
    for (const int side : {1, -1}) {
        const float fx = side * p.stride * 0.5f;
        r.part(r.ellipse({fx + 6, -5}, 14, 6, 0, false), r.cloth({fx + 4, -8}, 12, skin, false), 1.0f, 1.5f);
        r.ink({{fx - 4, -6}, {fx + 12, -8}}, 2.0f, hex(0x5a2a14), false);
    }
    // The maroon skirt to the ankles, the saffron shirt and the shawl across the chest.
    const Shape skirt =
        r.smooth({{-28, -196}, {27, -198}, {31, -100}, {33, -14}, {4, -9}, {-26, -13}, {-31, -100}}, false);
    r.part(skirt, r.cloth({-8, -150}, 100, maroon, false), 1.2f, 4);
    for (const float x : {-14.0f, 2.0f, 18.0f})
        r.ink({{x, -190}, {x * 1.1f, -100}, {x * 1.2f, -18}}, 1.2f, darker(maroon, 0.4f), false);
    const Shape chest =
        r.smooth({{-25, -266}, {-8, -274}, {16, -273}, {26, -262}, {26, -200}, {-27, -198}, {-28, -236}});
    r.part(chest, r.cloth({-4, -244}, 50, saffron), 1.1f, 3);
    const Shape shawl =
        r.poly({{-27, -270}, {-6, -276}, {28, -206}, {27, -190}, {-28, -190}}) & chest.grown(2 * r.k());
    r.part(shawl, r.cloth({-8, -236}, 60, maroon), 1.0f, 3);
    r.ink({{-4, -270}, {14, -232}, {26, -204}}, 1.0f, darker(maroon, 0.4f));
    r.part(r.smooth({{-28, -200}, {27, -202}, {27, -192}, {-28, -190}}), r.cloth({0, -196}, 20, saffron),
           0.9f, 1.2f);
    paintHead(r, f);
    paintFeatures(r, f);
    // The shaven crown's shine.
    r.shade(r.ellipse({-2, -320}, 7, 4, -20), r.ellipse(f.centre, f.rx, f.ry), hex(0xffffff, 0.3f), 2);
    r.shade(r.ellipse({4, -322}, 16, 7), r.ellipse(f.centre, f.rx, f.ry), hex(0x3a2a2a, 0.12f), 3);
    paintArm(r, nearA, maroon, skin, 21);
    paintHand(r, nearA, skin);
}

void paintHeld(Rig& r, const Pose& p, const Arm& nearArm, const Arm& farArm) {
    Canvas& c = r.canvas();
    const float k = r.k();
    switch (p.held) {
        case Held::Nothing:
            break;
        case Held::Tablet: {
            const Vec2 m = r.at(lerp(nearArm.hand, farArm.hand, 0.5f) + Vec2{0, -20});
            tablet(c, m, 48 * k, 62 * k, -4.0f * r.facing(), false);
            break;
        }
        case Held::NewTablet: {
            const Vec2 m = r.at(lerp(nearArm.hand, farArm.hand, 0.5f) + Vec2{0, -30});
            tablet(c, m, 58 * k, 76 * k, 3.0f * r.facing(), true);
            break;
        }
        case Held::Hat: {
            // A cream panama hat with a brown band, held by its brim, its crown towards us.
            const Vec2 h = nearArm.hand + Vec2{8, 6};
            const Color straw = hex(0xe8d6a8);
            r.part(r.ellipse(h, 10, 26, 8), r.cloth(h, 26, straw), 1.1f, 2.5f);
            r.part(r.ellipse(h + Vec2{3, 0}, 6.5f, 16, 8), r.cloth(h + Vec2{2, -4}, 16, darker(straw, 0.05f)),
                   1.0f, 3);
            r.part(r.ellipse(h + Vec2{1, 0}, 3, 16, 8) & r.ellipse(h + Vec2{3, 0}, 6.5f, 16.5f, 8),
                   r.cloth(h, 12, hex(0x5a3a22)), 0.6f, 0.8f);
            break;
        }
    }
}

}  // namespace gen::outro
