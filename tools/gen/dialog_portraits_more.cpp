// The portraits of the merchant met in Persia, the monk of the mountain temple and the rival treasure hunter.
#include "dialog_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"

namespace gen::dialog {

void merchantFigure(Bust& b) {
    Bust::Face f{hex(0xe2ab7c), hex(0xa06842)};
    f.centre = {66, 64};
    f.rx = 19;
    f.ry = 23;
    f.eyes = hex(0x2a180c);
    f.brows = hex(0x1a100a);
    b.neck(f);
    // A deep blue robe edged in gold, crossed over the chest.
    const Color robe = pal::kBlue;
    b.part(Shape::ellipse({66, 146}, 58, 46), cloth({52, 118}, 50, robe), 1.1f, 4);
    b.part(Shape::polygon({{48, 100}, {84, 100}, {66, 128}}), cloth({62, 104}, 16, hex(0xf2e6cc)), 0.9f, 2);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::stroke({{66 + s * 16, 99}, {66 - s * 2, 128}}, {3.2f}), hud::gold(98, 130), 0.7f, 1);
    b.head(f);
    b.features(f);
    // The fine pointed beard along the jaw, and a moustache curled at its ends.
    const Color black = hex(0x20140c);
    Path beard;
    beard.moveTo({49, 70}).smoothThrough({{54, 88}, {66, 106}});
    beard.mirrorX(66);
    b.part(Shape::polygon(beard.points()) - Shape::ellipse({66, 74}, 13, 7.5f), cloth({60, 84}, 20, black),
           0.8f, 2);
    for (float s : {-1.0f, 1.0f})  // dark hair at the temples, under the cap
        b.part(Shape::ellipse({66 + s * 18, 52}, 4.5f, 9), cloth({66 + s * 18, 50}, 8, black), 0.7f, 1);
    for (float s : {-1.0f, 1.0f}) {
        b.ink({{66 + s * 7, 90}, {66 + s * 3, 98}}, 0.5f, hex(0x5a4030));
        b.part(Shape::stroke({{66, 77.5f}, {66 + s * 6, 78}, {66 + s * 10, 76}, {66 + s * 11, 73}},
                             {2.4f, 2.2f, 1.4f, 0.6f}),
               cloth({64, 76}, 8, black), 0.5f, 0.6f);
    }
    // The jewelled cap: a rounded dome over a gold band with a ruby at the front.
    const Color velvet = pal::kTurquoiseDeep;
    b.part(Shape::ellipse({66, 36}, 22, 17) & Shape::rect(40, 10, 52, 34), cloth({60, 28}, 22, velvet), 1.0f,
           4);
    for (int i = -2; i <= 2; ++i)
        b.ink({{66 + i * 4.0f, 22}, {66 + i * 8.5f, 42}}, 0.5f, darker(velvet, 0.4f));
    b.part(Shape::rect(42, 40, 48, 7, 3), hud::gold(40, 47), 0.9f, 1.5f);
    for (float x : {48.0f, 56.0f, 76.0f, 84.0f})
        b.part(Shape::circle({x, 43.5f}, 1.4f), cloth({x, 43}, 2, pal::kTurquoiseLight), 0.5f, 0.5f);
    b.part(Shape::regular({66, 40}, 4, 5), cloth({65, 39}, 5, hex(0xd8283a)), 0.8f, 1.2f);
    b.part(Shape::circle({66, 18}, 2.6f), hud::gold(15, 21), 0.7f, 1);
}

Canvas merchant() {
    Bust b(Fill::radial({46, 36}, 100,
                        {{0, hex(0xf6c29a)}, {0.5f, pal::kTerracotta}, {1, pal::kTerracottaDeep}}));
    merchantFigure(b);
    return b.finish();
}

Canvas monk() {
    Bust b(Fill::radial({46, 36}, 100, {{0, hex(0xf0f6ff)}, {0.55f, hex(0x9cbde0)}, {1, pal::kBlue}}));
    Bust::Face f{hex(0xdca272), hex(0x9c6238)};
    f.centre = {66, 60};
    f.rx = 20;
    f.ry = 24;
    f.closedEyes = true;
    f.brows = hex(0x2a1a10);
    b.neck(f);
    // Saffron shirt, the maroon robe wrapped over his left shoulder.
    const Color saffron = hex(0xe9a22c), maroon = hex(0x7e1e24);
    b.part(Shape::ellipse({66, 140}, 60, 46), cloth({52, 112}, 50, saffron), 1.1f, 4);
    b.part(Shape::polygon({{6, 140}, {8, 100}, {44, 90}, {58, 94}, {104, 140}}), cloth({40, 104}, 40, maroon),
           1.0f, 3);
    for (int i = 0; i < 3; ++i)
        b.ink({{30.0f + i * 12, 98.0f + i * 2}, {62.0f + i * 10, 136}}, 0.7f, darker(maroon, 0.4f));
    b.head(f);
    b.features(f);
    // The shaven crown: a soft grey shadow of stubble and a shine.
    const Shape crown = Shape::ellipse({66, 50}, 19, 13);
    b.shade(Shape::ellipse({66, 40}, 22, 14), crown, hex(0x5a4a40, 0.18f), 2);
    b.shade(Shape::ellipse({58, 42}, 6, 3.5f).rotated(-25, {58, 42}), crown, hex(0xffffff, 0.4f), 1.5f);
    return b.finish();
}

Canvas rival() {
    Bust b(Fill::radial({46, 36}, 100, {{0, hex(0x6a7aa8)}, {0.55f, pal::kBlueDeep}, {1, pal::kBlueNight}}));
    Bust::Face f{hex(0xdcab80), hex(0x96603c)};
    f.centre = {66, 64};
    f.rx = 19.5f;
    f.ry = 23.5f;
    f.smile = false;
    f.eyes = hex(0x4a5a2a);
    f.brows = hex(0x2a1a10);
    b.neck(f);
    // A dark coat with its collar turned up and a blood-red neckerchief.
    const Color coat = hex(0x3e3024);
    b.part(Shape::ellipse({66, 146}, 60, 46), cloth({52, 118}, 50, coat), 1.1f, 4);
    b.part(Shape::ellipse({66, 101}, 14, 6), cloth({62, 98}, 12, pal::kTerracottaDeep), 0.9f, 2);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{66 + s * 12, 88}, {66 + s * 30, 100}, {66 + s * 22, 118}, {66 + s * 8, 104}}),
               cloth({56, 98}, 20, coat), 1.0f, 2);
    b.head(f);
    b.features(f);
    const Shape face = Shape::ellipse({66, 68}, 19, 22);
    // Stubble, the scar across his cheek and a crooked smirk.
    b.shade(Shape::ellipse({66, 84}, 16, 10), face, hex(0x3a2a20, 0.22f), 2);
    b.ink({{53, 60}, {55, 68}, {54, 77}}, 1.2f, hex(0xe8b8a0));
    for (int i = 0; i < 3; ++i) b.ink({{52, 64.0f + i * 4}, {57, 63.0f + i * 4}}, 0.5f, hex(0x8a4a3a));
    b.ink({{71, 77.5f}, {76, 76}}, 0.9f, hex(0x5a2a1a));
    // The battered hat: a pinched crown with a dark band, the brim tipped low over the eyes.
    const Color felt = hex(0x5a4432);
    b.shade(Shape::ellipse({68, 57}, 26, 11), face, hex(0x120a06, 0.5f), 3);
    b.part(Shape::ellipse({66, 47}, 37, 8).rotated(-5, {66, 47}), cloth({56, 44}, 34, felt), 1.1f, 2);
    const Shape crownShape = Shape::rect(45, 22, 42, 24, 10) - Shape::ellipse({66, 19}, 9, 5);
    b.part(crownShape, cloth({58, 30}, 24, felt), 1.1f, 4);
    b.part(Shape::rect(45, 38, 42, 6, 1.5f), cloth({60, 40}, 20, hex(0x2a1a12)), 0.8f, 1);
    return b.finish();
}

}  // namespace gen::dialog
