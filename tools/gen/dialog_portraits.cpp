// The portraits of the heroine, her mentor the professor and their guide.
#include "dialog_art.h"
#include "maingame_hud_art.h"

namespace gen::dialog {

Canvas explorer() {
    Bust b(Fill::radial({46, 36}, 100, {{0, hex(0xfbe6b0)}, {0.55f, hex(0xe9b86f)}, {1, hex(0xa8642e)}}));
    Bust::Face f{hex(0xf2c49a), hex(0xc9825a)};
    f.centre = {66, 64};
    f.rx = 18.5f;
    f.ry = 22.5f;
    f.female = true;
    f.eyes = hex(0x2f7a58);
    f.brows = hex(0x6a2c12);
    f.lips = hex(0xc4503c);
    const Color hair = hex(0xa8461c);
    // Hair behind the head and the braid over her right shoulder.
    b.part(Shape::ellipse({66, 64}, 24, 26), cloth({66, 60}, 26, hair), 1.0f, 3);
    for (int i = 0; i < 5; ++i) {  // plaited: one lobe under the next
        const Vec2 p{84.5f + i * 1.3f, 74.0f + i * 6.5f};
        b.part(Shape::ellipse(p, 5.2f - i * 0.4f, 4.2f).rotated(i % 2 ? 20 : -20, p), cloth(p, 6, hair), 0.9f,
               1.5f);
    }
    b.neck(f);
    // Khaki shirt with an open collar, the scarf knotted at the throat.
    const Color khaki = hex(0xc4a46a);
    b.part(Shape::ellipse({66, 142}, 58, 44), cloth({54, 118}, 50, khaki), 1.1f, 4);
    b.ink({{66, 104}, {66, 132}}, 0.8f, darker(khaki, 0.5f));
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{66 + s * 3, 104}, {66 + s * 22, 100}, {66 + s * 16, 118}}),
               cloth({60, 104}, 16, khaki), 0.9f, 2);
    b.part(Shape::stroke({{75, 100}, {73, 110}, {77, 122}}, {6, 5, 3}),
           cloth({72, 104}, 14, pal::kTerracotta), 0.9f, 2);
    b.part(Shape::ellipse({66, 98}, 15, 5.5f), cloth({62, 96}, 12, pal::kTerracotta), 1.0f, 2);
    b.part(Shape::circle({73, 101}, 4), cloth({72, 100}, 6, pal::kTerracotta), 0.9f, 1.5f);
    b.head(f);
    b.features(f);
    // Locks falling by her cheeks from under the helmet.
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::stroke({{66 + s * 15, 46}, {66 + s * 20, 58}, {66 + s * 19, 70}}, {7, 5, 2}),
               cloth({66 + s * 16, 52}, 14, hair), 0.8f, 2);
    b.part(Shape::ellipse({60, 48}, 13, 5).rotated(-12, {60, 48}), cloth({58, 46}, 12, hair), 0.8f, 1.5f);
    // The pith helmet: dome, band and brim; the brim shades her brow.
    const Color helmet = hex(0xeedcaa);
    b.shade(Shape::ellipse({68, 47}, 22, 5), hex(0x6a3a1c, 0.35f), 2);
    b.part(Shape::ellipse({66, 43}, 33, 7.5f), cloth({56, 40}, 30, helmet), 1.1f, 2);
    const Shape dome = Shape::ellipse({66, 36}, 23, 19) & Shape::rect(30, 10, 72, 32);
    b.part(dome, cloth({60, 28}, 22, helmet), 1.1f, 4);
    b.part(Shape::rect(43.5f, 36, 45, 5.5f, 1.5f), cloth({60, 38}, 20, hex(0x7a5430)), 0.9f, 1);
    b.part(Shape::ellipse({66, 17.5f}, 4, 2), cloth({65, 17}, 4, helmet), 0.8f, 1);
    return b.finish();
}

Canvas professor() {
    Bust b(Fill::radial({46, 36}, 100, {{0, hex(0x8fb4d8)}, {0.55f, hex(0x3e6498)}, {1, hex(0x172551)}}));
    Bust::Face f{hex(0xf0c4a0), hex(0xb97c5a)};
    f.centre = {66, 58};
    f.rx = 20;
    f.ry = 24;
    f.oldAge = true;
    f.eyes = hex(0x3a5a7a);
    f.brows = hex(0xe6e2da);
    b.neck(f);
    // Tweed jacket, white shirt and a deep blue bow tie.
    const Color tweed = hex(0x7a5434);
    b.part(Shape::ellipse({66, 146}, 60, 48), cloth({52, 118}, 50, tweed), 1.1f, 4);
    b.part(Shape::polygon({{52, 98}, {80, 98}, {66, 130}}), cloth({62, 104}, 16, hex(0xf4efe6)), 0.9f, 2);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{66 + s * 13, 98}, {66 + s * 26, 104}, {66 + s * 6, 132}}),
               cloth({58, 104}, 20, tweed), 0.9f, 2);
    const Color bow = pal::kBlue;
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::polygon({{66, 103}, {66 + s * 9, 98}, {66 + s * 9, 108}}), cloth({62, 100}, 10, bow),
               0.8f, 1.5f);
    b.part(Shape::circle({66, 103}, 2.6f), cloth({65, 102}, 4, bow), 0.8f, 1);
    b.head(f);
    b.features(f);
    // White hair left at the temples, the crown bald and shining.
    const Color white = hex(0xeeebe4);
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::ellipse({66 + s * 20, 50}, 6, 10).rotated(s * 15, {66 + s * 20, 50}),
               cloth({66 + s * 18, 46}, 10, white), 0.8f, 2);
    b.shade(Shape::ellipse({58, 40}, 7, 4).rotated(-20, {58, 40}), Shape::circle({66, 56}, 20),
            hex(0xffffff, 0.35f), 2);
    for (float s : {-1.0f, 1.0f})
        for (int i = 0; i < 3; ++i)
            b.ink({{66 + s * (16 + i * 2.0f), 44 + i * 2.0f}, {66 + s * (22 + i * 0.5f), 54 + i * 2.0f}},
                  0.5f, hex(0xa8a49c));
    // The beard and moustache.
    const Fill beard = cloth({60, 80}, 24, white);
    b.part(Shape::ellipse({66, 86}, 19, 20).blend(Shape::ellipse({66, 74}, 20, 8), 6), beard, 1.0f, 3);
    for (float s : {-1.0f, 1.0f})
        b.ink({{66 + s * 6, 84}, {66 + s * 8, 94}, {66 + s * 5, 102}}, 0.6f, hex(0xa8a49c));
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::ellipse({66 + s * 6.5f, 76}, 8, 3.5f).rotated(s * 12, {66 + s * 6.5f, 76}),
               cloth({62, 74}, 10, white), 0.8f, 1.5f);
    b.ink({{63, 81}, {66, 81.6f}, {69, 81}}, 1.0f, hex(0x5a2a1a));
    // Round glasses.
    for (float s : {-1.0f, 1.0f}) {
        const Vec2 e{66 + s * 8, 60};
        b.shade(Shape::circle(e, 6.5f), hex(0xdff0ff, 0.18f));
        b.part(Shape::circle(e, 6.5f).outline(1.3f), hud::gold(53, 67), 0.6f, 0.5f);
    }
    b.part(Shape::stroke({{63, 59.5f}, {66, 58.2f}, {69, 59.5f}}, {1.2f}), hud::gold(57, 61), 0.5f, 0.3f);
    return b.finish();
}

Canvas guide() {
    Bust b(
        Fill::radial({46, 36}, 100, {{0, hex(0xc8f4ec)}, {0.5f, pal::kTurquoise}, {1, pal::kTurquoiseDeep}}));
    Bust::Face f{hex(0xc48a5c), hex(0x8a5030)};
    f.centre = {66, 64};
    f.rx = 19.5f;
    f.ry = 23;
    f.eyes = hex(0x3a2010);
    f.brows = hex(0x1e120a);
    f.lips = hex(0x9a4a36);
    b.neck(f);
    // A white robe with a deep blue trim round the neck opening.
    const Color robe = hex(0xf0e8d8);
    b.part(Shape::ellipse({66, 146}, 58, 46), cloth({52, 118}, 50, robe), 1.1f, 4);
    b.part(Shape::polygon({{58, 101}, {74, 101}, {66, 120}}), cloth({64, 104}, 10, f.skinShade), 0.9f, 1);
    b.part(Shape::stroke({{56, 100}, {66, 122}, {76, 100}}, {3}), cloth({62, 104}, 14, pal::kBlue), 0.8f, 1);
    b.head(f);
    b.features(f);
    // A trim black moustache.
    for (float s : {-1.0f, 1.0f})
        b.part(Shape::ellipse({66 + s * 4.5f, 79}, 5.5f, 1.8f).rotated(s * 14, {66 + s * 4.5f, 79}),
               cloth({64, 78}, 6, hex(0x24160c)), 0.6f, 0.8f);
    // The turban: wound cloth swelling over the brow, its folds running across.
    const Color cotton = hex(0xf6f1e4);
    const Shape turban = Shape::ellipse({66, 44}, 27, 15).blend(Shape::ellipse({66, 31}, 21, 14), 6);
    b.shade(Shape::ellipse({67, 50}, 20, 4), hex(0x4a2410, 0.35f), 2);
    b.part(turban, cloth({58, 32}, 26, cotton), 1.1f, 4);
    for (int i = 0; i < 4; ++i) {  // each turn crosses the last, from the left temple and from the right
        const float y = 30 + i * 6.0f, s = i % 2 ? 1.0f : -1.0f;
        b.ink({{66 - s * 22, y + 6}, {66 - s * 4, y + 3.5f}, {66 + s * 16, y - 3}}, 0.7f, hex(0xa89c86));
    }
    b.part(Shape::ellipse({80, 38}, 5, 7).rotated(25, {80, 38}), cloth({79, 36}, 7, cotton), 0.9f, 1.5f);
    b.part(Shape::circle({80, 38}, 2.2f), cloth({79, 37}, 3, pal::kTurquoise), 0.6f, 0.8f);
    return b.finish();
}

}  // namespace gen::dialog
