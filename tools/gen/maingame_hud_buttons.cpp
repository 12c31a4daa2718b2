// The main game's buttons as four-frame strips (normal, under the mouse, pressed, inactive): the six
// power-ups on lapis domes, and the caption plates of the menu and skip-tutorial buttons.
#include <string>
#include <tuple>
#include <vector>

#include "maingame_hud_art.h"
#include "maingame_hud_icons.h"
#include "paint/Effects.h"
#include "paint/ImageIO.h"

namespace gen {

using namespace paint;
using namespace hud;

namespace {

Fill rimFill(Look look, float top, float bottom) {
    if (look == Look::Over)
        return Fill::vertical(
            top, bottom,
            {{0, hex(0xfffbe6)}, {0.3f, pal::kGoldPale}, {0.6f, pal::kGoldLight}, {1, pal::kGold}});
    return gold(top, bottom);
}

// The dome under a power-up emblem: lapis, lighter under the mouse and darker when pressed.
Fill domeFill(Look look, Vec2 light, float r) {
    switch (look) {
        case Look::Over:
            return Fill::radial(light, r, {{0, hex(0x5a8ad8)}, {0.55f, hex(0x2b4f9a)}, {1, pal::kBlueDeep}});
        case Look::Pressed:
            return Fill::radial(light, r, {{0, hex(0x1f3a72)}, {0.6f, pal::kBlueDeep}, {1, hex(0x080d22)}});
        default:
            return Fill::radial(light, r,
                                {{0, hex(0x3a64b0)}, {0.55f, pal::kBlueDeep}, {1, pal::kBlueNight}});
    }
}

// The caption plates' face: deep turquoise, so gold lettering stands out on it.
Fill faceFill(Look look, float top, float bottom) {
    switch (look) {
        case Look::Over:
            return Fill::vertical(top, bottom,
                                  {{0, hex(0x56d8ca)}, {0.5f, hex(0x1f9c90)}, {1, hex(0x0f5e57)}});
        case Look::Pressed:
            return Fill::vertical(top, bottom,
                                  {{0, hex(0x11645d)}, {0.6f, hex(0x0d4d48)}, {1, hex(0x08302d)}});
        default:
            return Fill::vertical(top, bottom,
                                  {{0, hex(0x3cbcae)}, {0.5f, hex(0x168276)}, {1, hex(0x0c4f49)}});
    }
}

// A gold-rimmed plate: rim `rim` wide round `outer`, a sunken face with a glossy upper part. Pressed plates
// sit two pixels lower, plates under the mouse glow.
void plate(Canvas& c, const Shape& outer, float rim, Look look, const Fill& face, float top, float bottom) {
    const int w = c.width(), h = c.height();
    const Vec2 drop = look == Look::Pressed ? Vec2{0, 2} : Vec2{0, 0};
    const Shape body = outer.moved(drop);
    Style st;
    st.fill = rimFill(look, top + drop.y, bottom + drop.y);
    st.outline = 1.4f;
    st.outlineFill = pal::kOutline;
    st.bevel = Bevel{2.5f, 0.7f, 0.45f, true};
    st.shadow =
        look == Look::Pressed ? Shadow{{0.5f, 1.0f}, 1.2f, kShadow} : Shadow{{1.5f, 2.5f}, 2.0f, kShadow};
    if (look == Look::Over) st.glow = Glow{3.0f, hex(0xffd866, 0.9f), Blend::Over};
    drawStyled(c, body.field(w, h), st);
    const Shape inner = body.grown(-rim);
    const Field fi = inner.field(w, h);
    Canvas f(w, h);
    f.paint(fi.coverage(), face);
    innerShadow(f, fi, 2.0f, 1.8f, hex(0x02040c, look == Look::Pressed ? 0.85f : 0.65f));
    innerGlow(f, fi, hex(0xffffff, 0.15f), 2.5f);
    c.paint(fi.band(0, 1.2f), pal::kOutline.fade(0.8f));
    c.draw(f, 0, 0);
    // Gloss over the upper part of the face, fading downwards.
    const Rect r = inner.bounds();
    const float iw = r.width(), ih = r.height();
    const Shape cap = Shape::ellipse({r.centre().x, r.y0 + ih * 0.27f}, iw * 0.5f - ih * 0.1f, ih * 0.26f);
    const float strength = look == Look::Pressed ? 0.2f : 0.45f;
    c.paint(
        (inner.grown(-2.5f) & cap).rasterize(w, h, 1.3f),
        Fill::vertical(r.y0, r.y0 + ih * 0.52f, {{0, hex(0xffffff, strength)}, {1, hex(0xffffff, 0.03f)}}),
        Blend::Screen);
}

using Emblem = void (*)(Canvas&, Vec2);

Canvas powerUp(Emblem emblem, Look look) {
    constexpr int kS = 64;
    Canvas c(kS, kS);
    const Look face = look == Look::Inactive ? Look::Normal : look;
    const Vec2 m{32, 31};
    plate(c, Shape::circle(m, 28), 4.5f, face, domeFill(face, m + Vec2{-8, -10}, 30), 3, 59);
    const Vec2 drop = look == Look::Pressed ? Vec2{0, 2} : Vec2{0, 0};
    Canvas icon(kS, kS);
    emblem(icon, m + drop);
    c.draw(shadowed(icon, {1, 1.5f}, 1.2f, 0.5f), 0, 0);
    if (look == Look::Over) c.draw(icon, 0, 0, Blend::Screen, 0.2f);
    return look == Look::Inactive ? greyed(c, 0.1f) : c;
}

// A caption plate: a gold-rimmed turquoise pill with a gold stud at each end; the game writes the caption.
Canvas captionPlate(int w, int h, Look look) {
    Canvas c(w, h);
    const float pad = 3.5f;
    const Shape outer = Shape::rect(pad, pad - 1, w - 2 * pad - 1, h - 2 * pad, (h - 2 * pad) / 2);
    const Look face = look == Look::Inactive ? Look::Normal : look;
    plate(c, outer, 4.0f, face, faceFill(face, pad + 3, h - pad - 3), pad - 1, h - pad - 1);
    const float dy = look == Look::Pressed ? 2.0f : 0.0f;
    const float r = h * 0.11f;
    for (float x : {pad + h * 0.36f, w - pad - 1 - h * 0.36f}) {
        const Vec2 p{x, h / 2.0f - 1 + dy};
        Style s = goldTrim(p.y - r, p.y + r, 0.9f);
        s.shadow = Shadow{{0.5f, 0.8f}, 0.7f, kShadow};
        drawStyled(c, Shape::star(p, 4, r * 1.5f, r * 0.6f).field(w, h), s);
    }
    return look == Look::Inactive ? greyed(c, 0.1f) : c;
}

}  // namespace

void writeHudButtons(const Context& ctx) {
    const std::string dir = "gfx/gui/mainGame/";
    struct PowerUp {
        const char* name;
        Emblem emblem;
    };
    const PowerUp powerUps[] = {{"sword", icons::sword},
                                {"medallion", icons::medallion},
                                {"map", icons::map},
                                {"eye", icons::eye},
                                {"skull", icons::skull}};
    for (const PowerUp& p : powerUps) {
        std::vector<Canvas> frames;
        for (Look look : kLooks) frames.push_back(powerUp(p.emblem, look));
        writePng(strip(frames), ctx.out(dir + "pu-" + p.name + "_4.png"));
    }
    // The caption buttons light their own text on hover: one plate each.
    for (auto [name, w, h] : {std::tuple{"btn-menu", 150, 40}, std::tuple{"btn-skip", 170, 34}})
        writePng(captionPlate(w, h, kLooks[0]), ctx.out(dir + name + ".png"));
}

}  // namespace gen
