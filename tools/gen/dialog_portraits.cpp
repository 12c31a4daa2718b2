// The portraits of the heroine, her mentor the professor and their guide.
#include "dialog_art.h"

namespace gen::dialog {

namespace {

// Hair or cloth of one colour, lit from the top left over a part of radius r round m.
Fill cloth(Vec2 m, float r, Color c) {
    return litFill(m, r, lighter(c, 0.3f), c, darker(c, 0.45f));
}

}  // namespace

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

}  // namespace gen::dialog
