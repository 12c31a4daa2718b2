// The story's people as small standing figures: Tazmira and the professor seen from behind, Hamid and
// Corvin in profile, and a saddled camel; drawn in figure units (100 = the figure's height) from the feet.
#include <cmath>

#include "backgrounds_art.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "story_scenes_art.h"

namespace gen::story {

namespace {

// Units → pixels: x to the right, y downwards from the feet (the top of the head near y = −100).
struct Figure {
    Canvas& c;
    Vec2 feet;
    float u;

    Vec2 at(float x, float y) const { return feet + Vec2{x, y} * u; }
    Shape s(const Shape& unitShape) const { return unitShape.scaled(u, {0, 0}).moved(feet); }
    void piece(const Shape& unitShape, Vec2 litCentre, float r, Color col, float depth = 2.5f) const {
        part(c, s(unitShape), lit(at(litCentre.x, litCentre.y), r * u, col), std::max(0.9f, u * 0.45f),
             std::max(1.0f, depth * u * 0.35f));
    }
    // A soft flat touch painted only over what is already there.
    void touch(const Shape& unitShape, Color col, float soften = 0.3f) const {
        hud::Layer l(c, s(unitShape).bounds().expanded(soften * u * 3 + 2));
        Mask m = l.mask(s(unitShape));
        if (soften > 0) m.blur(soften * u);
        Canvas& lc = l.canvas();
        lc.paint(m, col);
        l.put(c, Blend::Over);
    }
    void line(std::vector<Vec2> pts, float w, Color col) const {
        for (Vec2& p : pts) p = at(p.x, p.y);
        hud::ink(c, pts, w * u, col);
    }
};

Shape poly(std::vector<Vec2> pts) {
    return Shape::polygon(std::move(pts));
}

// The shadow at a standing figure's feet.
void footShadow(const Figure& f, float halfWidth) {
    hud::Layer l(f.c, Rect{f.feet.x - halfWidth * f.u * 2, f.feet.y - 6 * f.u, f.feet.x + halfWidth * f.u * 3,
                           f.feet.y + 6 * f.u});
    Mask m = l.mask(Shape::ellipse(f.at(halfWidth * 0.4f, 0), halfWidth * f.u * 1.4f, 2.6f * f.u));
    m.blur(1.5f * f.u);
    l.canvas().paint(m, hex(0x2a1208, 0.45f));
    l.put(f.c);
}

}  // namespace

void tazmiraFromBehind(Canvas& c, Vec2 feet, float h) {
    const Figure f{c, feet, h / 100.0f};
    const Color khaki = hex(0xc4a46a), trousers = hex(0x7a5232), boots = hex(0x4a2c18), hair = hex(0xa8461c),
                skin = hex(0xe8b48a), helmet = hex(0xeedcaa);
    footShadow(f, 10);
    for (float s : {-1.0f, 1.0f}) {  // legs and boots
        f.piece(poly({{s * 1, -50}, {s * 9.5f, -50}, {s * 7.8f, -9}, {s * 2.2f, -9}}), {s * 4, -40}, 20,
                trousers);
        f.piece(Shape::rect(s > 0 ? 1.6f : -8.4f, -11, 6.8f, 11, 1.5f), {s * 4, -8}, 8, boots, 1.5f);
    }
    f.line({{-4.6f, -46}, {-4.2f, -12}}, 0.4f, darker(trousers, 0.4f));
    // Arms hanging, sleeves rolled to the elbow.
    for (float s : {-1.0f, 1.0f}) {
        f.piece(Shape::stroke({{s * 12, -78}, {s * 13.2f, -58}, {s * 12.2f, -48}}, {2.8f, 2.4f, 2.0f}),
                {s * 13, -60}, 10, skin);
        f.piece(Shape::ellipse({s * 12, -46.5f}, 1.6f, 2.4f), {s * 12, -47}, 3, skin, 1);
        f.piece(Shape::stroke({{s * 12, -79}, {s * 14, -64}}, {5.4f, 4.8f}), {s * 13, -72}, 8, khaki);
        f.piece(Shape::ellipse({s * 14.1f, -64}, 3.0f, 1.6f), {s * 14, -65}, 3, lighter(khaki, 0.15f), 1);
    }
    // The shirt: a yoke across the shoulders, folds gathered into the belt.
    const Shape shirt = poly(
        {{-9.5f, -48}, {-11, -64}, {-13, -78}, {-10, -81}, {10, -81}, {13, -78}, {11, -64}, {9.5f, -48}});
    f.piece(shirt, {-3, -72}, 22, khaki, 3);
    f.line({{-11.5f, -74}, {-4, -73}, {0, -72.5f}, {4, -73}, {11.5f, -74}}, 0.35f, darker(khaki, 0.45f));
    for (float x : {-5.0f, 0.5f, 5.5f}) f.line({{x, -70}, {x * 0.8f, -51}}, 0.3f, darker(khaki, 0.35f));
    f.piece(Shape::rect(-10, -51, 20, 3.2f, 1), {-3, -50}, 10, hex(0x5a3418), 1);
    // Neck, the neckerchief's band and its knot's ends showing at the side, the head's auburn back.
    f.piece(Shape::rect(-2.8f, -86, 5.6f, 6, 1), {0, -84}, 4, skin, 1);
    f.piece(Shape::ellipse({0, -81}, 5.2f, 1.8f), {-1, -82}, 5, pal::kTerracotta, 1);
    f.piece(poly({{3.5f, -82}, {6.5f, -78}, {4, -77}}), {4, -80}, 3, pal::kTerracottaDeep, 0.8f);
    f.piece(Shape::ellipse({0, -89}, 6.2f, 7.2f), {-2, -92}, 8, hair, 2);
    for (float y : {-93.0f, -90.0f, -87.0f})
        f.line({{-4.5f, y}, {0, y + 1.8f}, {4.5f, y}}, 0.3f, darker(hair, 0.45f));
    // The braid over her right shoulder: lobes plaited one under the next, tied with a leather band.
    for (int i = 0; i < 7; ++i) {
        const Vec2 p{2.5f + i * 0.55f, -83.0f + i * 3.4f};
        f.piece(Shape::ellipse(p, 2.3f - i * 0.12f, 2.0f).rotated(i % 2 ? 25 : -25, p), p, 3, hair, 1);
    }
    f.piece(Shape::rect(5.2f, -59.8f, 3, 1.4f, 0.5f), {6, -59}, 2, hex(0x5a3418), 0.5f);
    f.piece(poly({{5.4f, -58.4f}, {8, -58.4f}, {8.6f, -55}, {6.6f, -54.2f}, {4.8f, -55}}), {6, -57}, 3, hair,
            0.6f);
    // The pith helmet from behind: the wide brim, the dome and its brown band.
    f.piece(Shape::ellipse({0, -92.5f}, 11, 3), {-3, -93}, 10, helmet, 1.2f);
    f.piece(Shape::ellipse({0, -95}, 7.4f, 6.6f) & Shape::rect(-9, -103, 18, 8.4f), {-2, -99}, 9, helmet,
            2.5f);
    f.piece(Shape::rect(-7.2f, -95.4f, 14.4f, 1.9f, 0.5f), {-2, -95}, 8, hex(0x7a5430), 0.6f);
    f.touch(Shape::ellipse({0, -91}, 8, 1.8f), hex(0x4a2410, 0.25f));
}

void professorFromBehind(Canvas& c, Vec2 feet, float h) {
    const Figure f{c, feet, h / 100.0f};
    const Color tweed = hex(0x7a5232), trousers = hex(0x6a5e52), shoes = hex(0x3a2416), skin = hex(0xf0c4a0),
                white = hex(0xf6f2ea);
    footShadow(f, 12);
    // His walking stick, planted to his right.
    f.piece(Shape::line({17.5f, -1}, {16, -47}, 1.6f), {17, -30}, 20, hex(0x6a3a1a), 0.6f);
    for (float s : {-1.0f, 1.0f}) {
        f.piece(poly({{s * 1, -44}, {s * 10, -44}, {s * 9, -8}, {s * 2.5f, -8}}), {s * 5, -30}, 20, trousers);
        f.piece(Shape::rect(s > 0 ? 2 : -10, -9.5f, 8, 9.5f, 2), {s * 5, -8}, 8, shoes, 1.5f);
    }
    // The tweed jacket, broad across a slightly stooped back, its tails down to the hips.
    const Shape jacket = poly({{-13, -38},
                               {-15, -62},
                               {-16, -74},
                               {-11, -80},
                               {11, -80},
                               {16, -74},
                               {15, -62},
                               {13, -38},
                               {1, -39},
                               {0, -48},
                               {-1, -39}});
    const Noise weave(5301);
    const Fill tweedFill([&, base = lit(f.at(-4, -70), 26 * f.u, tweed)](float x, float y) {
        const Color col = base.at(x, y);
        const float v = weave.grain(static_cast<int>(x), static_cast<int>(y)) * 0.06f +
                        0.05f * std::sin((x + y) * 0.9f) * std::sin((x - y) * 0.9f);
        return v > 0 ? lighter(col, v) : darker(col, -v);
    });
    part(c, f.s(jacket), tweedFill, std::max(0.9f, f.u * 0.45f), 2.5f * f.u * 0.35f);
    f.line({{0, -78}, {0, -48}}, 0.35f, darker(tweed, 0.5f));
    f.line({{-15, -64}, {-9, -63}}, 0.3f, darker(tweed, 0.45f));
    f.line({{15, -64}, {9, -63}}, 0.3f, darker(tweed, 0.45f));
    // Arms: the left hangs, the right rests on the stick's knob.
    f.piece(Shape::stroke({{-14, -76}, {-16, -58}, {-15, -48}}, {5.6f, 5.0f, 4.6f}), {-15, -66}, 12, tweed);
    f.piece(Shape::circle({-15, -45}, 2.5f), {-15, -46}, 3, skin, 1);
    f.piece(Shape::stroke({{14, -76}, {17.5f, -60}, {16.5f, -49}}, {5.6f, 5.0f, 4.6f}), {15, -66}, 12, tweed);
    f.piece(Shape::circle({16.2f, -47}, 2.6f), {16, -48}, 3, skin, 1);
    // Collar, neck and the bald crown.
    f.piece(Shape::ellipse({0, -80}, 7, 2.6f), {-2, -81}, 6, white, 1);
    f.piece(Shape::rect(-3.5f, -85, 7, 5, 1.5f), {0, -83}, 4, skin, 1);
    const Shape skull = Shape::ellipse({0, -89}, 7, 8);
    f.piece(skull, {-2.5f, -93}, 9, skin, 2.5f);
    // The white fringe round the back of his head: a horseshoe of fluffy curls from ear to ear.
    Shape fringe = Shape::circle({0, -83.6f}, 1.4f);
    for (int i = 0; i <= 8; ++i)  // round the lower half of the skull, from ear to ear
        fringe = fringe | Shape::circle(polar({0, -88.6f}, 6.4f, 20 + i * 17.5f), 1.5f + 0.25f * (i % 2));
    f.piece(fringe, {-2, -86}, 6, hex(0xf0ece4), 0.8f);
    for (float s : {-1.0f, 1.0f}) {  // the ears and his spectacles' arms over them
        f.piece(Shape::ellipse({s * 7.2f, -88.6f}, 1.4f, 2.3f), {s * 7, -89}, 2, skin, 0.8f);
        f.line({{s * 5.8f, -90.6f}, {s * 7.6f, -89.6f}}, 0.5f, pal::kGoldDeep);
    }
    f.touch(Shape::ellipse({-2.5f, -93.5f}, 2.4f, 1.5f), hex(0xffffff, 0.55f), 0.6f);
}

void hamidProfile(Canvas& c, Vec2 feet, float h) {
    const Figure f{c, feet, h / 100.0f};
    const Color robe = hex(0xf4efe2), skin = hex(0xb07a50), turban = hex(0xfaf6ec);
    footShadow(f, 11);
    for (float x : {-5.0f, 3.0f}) f.piece(Shape::rect(x, -4, 7, 4, 1.5f), {x + 2, -3}, 4, hex(0x6a4024), 1);
    // The long robe, falling straight from the shoulders and swaying back at the hem.
    const Shape gown =
        poly({{-11, -3}, {-9, -40}, {-8, -70}, {-5, -80}, {5, -80}, {8, -70}, {10, -40}, {13, -3}});
    f.piece(gown, {-4, -60}, 40, robe, 3);
    for (float x : {-4.0f, 2.0f, 7.0f}) f.line({{x, -50}, {x * 1.3f, -6}}, 0.35f, hex(0x8a7a68, 0.7f));
    f.piece(Shape::rect(-8.8f, -52, 18, 4, 1), {-2, -51}, 10, pal::kTurquoiseDeep, 1);
    // His arm hanging, the hand holding the camel's lead rope.
    f.piece(Shape::stroke({{1, -78}, {3, -62}, {5, -52}}, {5.6f, 5.0f, 5.6f}), {2, -70}, 12, robe, 2);
    f.piece(Shape::ellipse({5.5f, -49.5f}, 1.9f, 2.4f), {5, -50}, 3, skin, 1);
    // The head in profile: brow, nose, the black moustache, the ear.
    const Shape head = Shape::ellipse({0, -88}, 6.2f, 7.2f) |
                       poly({{-5.5f, -90}, {-8.2f, -86.5f}, {-5.8f, -85.5f}}) |
                       Shape::ellipse({-2.5f, -82.5f}, 4.2f, 2.8f);
    f.piece(Shape::rect(-2.5f, -83, 5.5f, 5, 1), {0, -81}, 4, darker(skin, 0.15f), 1);
    f.piece(head, {-3, -90}, 8, skin, 2);
    f.piece(Shape::ellipse({1.5f, -88}, 1.3f, 2.0f), {1.5f, -88}, 2, darker(skin, 0.1f), 0.6f);
    f.piece(Shape::stroke({{-7, -84.3f}, {-5, -84.8f}, {-3, -84.3f}}, {1.6f, 1.3f, 0.7f}), {-5, -85}, 2,
            hex(0x1a100a), 0.5f);
    c.paint(Shape::circle(f.at(-4.6f, -89.5f), std::max(0.8f, 0.55f * f.u)), hex(0x1a100a));
    // The turban: wound layers and the turquoise jewel at its front.
    const Shape wrap = Shape::ellipse({-0.5f, -94.5f}, 7.6f, 5.2f);
    f.piece(wrap, {-3, -97}, 9, turban, 2.5f);
    for (float y : {-96.5f, -94.0f, -91.8f})
        f.line({{-7.5f, y + 1.2f}, {-1, y - 0.6f}, {6.8f, y + 1.0f}}, 0.32f, hex(0xa89a88));
    f.piece(Shape::regular({-6.4f, -94.6f}, 4, 1.7f), {-6.6f, -95}, 2, pal::kTurquoise, 0.8f);
}

void corvinPointing(Canvas& c, Vec2 feet, float h) {
    const Figure f{c, feet, h / 100.0f};
    const Color coat = hex(0x2a2420), felt = hex(0x3a2c22), skin = hex(0xdcab80), scarf = hex(0xb8282a);
    footShadow(f, 12);
    for (float x : {-8.0f, 2.0f}) {  // legs striding, boots
        f.piece(poly({{x - 1, -40}, {x + 6, -40}, {x + 5.5f, -8}, {x + 0.5f, -8}}), {x + 2, -28}, 14,
                hex(0x3a3430));
        f.piece(Shape::rect(x - 1.5f, -9, 8, 9, 1.5f), {x + 2, -6}, 6, hex(0x1e1410), 1.2f);
    }
    // The long black coat with its collar up, flaring at the knees.
    const Shape body = poly({{-12, -34}, {-8, -76}, {-4, -81}, {5, -81}, {9, -76}, {14, -34}});
    f.piece(body, {-3, -68}, 30, coat, 3);
    f.line({{-2, -76}, {-3, -36}}, 0.4f, hex(0x0a0806));
    f.piece(Shape::rect(-9, -54, 20, 2.6f, 0.8f), {-2, -53}, 8, hex(0x141010), 0.6f);
    // The red scarf round his neck, its end blowing back.
    f.piece(Shape::stroke({{2, -80}, {9, -78}, {14, -74}, {18, -72}}, {3.4f, 3.0f, 2.6f, 2.0f}), {8, -79}, 8,
            scarf, 1);
    // The arm flung forward, pointing.
    f.piece(Shape::stroke({{-2, -77}, {-14, -78}, {-26, -80}}, {5.0f, 4.4f, 3.8f}), {-12, -80}, 12, coat, 2);
    f.piece(Shape::ellipse({-28.5f, -80.2f}, 2.6f, 1.8f), {-29, -81}, 3, skin, 0.8f);
    f.piece(Shape::stroke({{-30, -80.6f}, {-34, -81}}, {1.0f, 0.8f}), {-32, -81}, 2, skin, 0.4f);
    f.piece(Shape::ellipse({0, -82}, 6, 2.4f), {-2, -83}, 6, scarf, 1);
    // Head in profile with a stubbled jaw, under the dark fedora.
    const Shape head =
        Shape::ellipse({0, -89}, 5.8f, 6.8f) | poly({{-5, -91}, {-7.8f, -87.4f}, {-5.4f, -86.6f}});
    f.piece(head, {-3, -91}, 7, skin, 2);
    f.touch(Shape::ellipse({-1.5f, -84.5f}, 4.5f, 2.8f) & head, hex(0x3a2a20, 0.35f), 0.4f);
    c.paint(Shape::circle(f.at(-4.2f, -89.5f), std::max(0.8f, 0.5f * f.u)), hex(0x1a100a));
    f.piece(Shape::ellipse({0.5f, -93.6f}, 10.5f, 2.2f).rotated(-4, {0, -93.6f}), {-3, -94}, 8, felt, 1.2f);
    f.piece(Shape::ellipse({0.8f, -97}, 6.4f, 4.8f) & Shape::rect(-7, -103, 15, 9.4f), {-2, -99}, 7, felt, 2);
    f.piece(Shape::rect(-5.4f, -95.6f, 12.4f, 1.6f, 0.4f), {-2, -95}, 6, hex(0x120a08), 0.5f);
}

void camel(Canvas& c, Vec2 feet, float size, bool right) {
    // Painted facing right on its own canvas, then turned round when it should face left.
    const float u = size / 100.0f;
    const int w = static_cast<int>(150 * u), h = static_cast<int>(110 * u);
    const Vec2 localFeet{w * 0.42f, h - 4.0f};
    Canvas k(w, h);
    const Shape body = bg::camel(localFeet, size);
    part(k, body, lit(localFeet + Vec2{-5, -60} * u, 70 * u, hex(0xc89058)), std::max(1.0f, u * 1.2f), 4 * u);
    // The saddle blanket over the hump, striped in the caravan's colours, and the bridle.
    auto P = [&](float x, float y) { return localFeet + Vec2{x * u, -y * u}; };
    const Shape blanket =
        Shape::polygon({P(-20, 100), P(16, 100), P(21, 56), P(-23, 56)}) & body.grown(1.5f * u);
    part(k, blanket, lit(P(-4, 90), 30 * u, pal::kTerracotta), std::max(0.9f, u), 2 * u);
    for (float x : {-14.0f, 10.0f})
        part(k, Shape::rect(P(x, 0).x, P(0, 100).y, 3 * u, 44 * u) & blanket, pal::kGold, 0.5f * u, 0);
    part(k, Shape::rect(P(-3, 0).x, P(0, 100).y, 4 * u, 44 * u) & blanket, pal::kTurquoise, 0.5f * u, 0);
    for (float x = -20; x <= 18; x += 5) k.paint(Shape::circle(P(x, 54.5f), 1.4f * u), pal::kGoldDeep);
    k.paint(Shape::stroke({P(52, 80), P(58, 86), P(64, 85)}, {1.2f * u}), hex(0x5a2a14));
    k.paint(Shape::circle(P(59, 85), 1.6f * u), hex(0x1a0a04));
    if (!right) {
        Canvas m(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) m.at(x, y) = k.at(w - 1 - x, y);
        c.draw(m, static_cast<int>(feet.x - (w - 1 - localFeet.x)), static_cast<int>(feet.y - localFeet.y));
        return;
    }
    c.draw(k, static_cast<int>(feet.x - localFeet.x), static_cast<int>(feet.y - localFeet.y));
}

}  // namespace gen::story
