// The journey map "gfx/gui/mapa/mapa.jpg": an old parchment with the sea, the Nile, the three lands, the
// dotted route between the five stages, a compass rose and the lands' names in ink.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "Palette.h"
#include "SystemFonts.h"
#include "maingame_hud_art.h"
#include "map_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "paint/Text.h"

namespace gen::map {

namespace {

// The parchment ends above the bottom panel; below it stays plain.
constexpr float kPlainY = 680;

Shape smoothPolygon(Vec2 start, const std::vector<Vec2>& through) {
    Path p;
    p.moveTo(start).smoothThrough(through);
    return Shape::polygon(p.points());
}

// The sea in the top-left corner and the gulf reaching up from the bottom between Egypt and Persia.
Shape seas() {
    const Shape north = smoothPolygon({-20, 188}, {{40, 178},
                                                   {92, 190},
                                                   {140, 172},
                                                   {188, 170},
                                                   {222, 162},
                                                   {246, 176},
                                                   {272, 168},
                                                   {304, 156},
                                                   {344, 150},
                                                   {374, 132},
                                                   {404, 118},
                                                   {432, 94},
                                                   {452, 66},
                                                   {468, 36},
                                                   {480, -20},
                                                   {-20, -20},
                                                   {-20, 188}});
    const Shape gulf = smoothPolygon({396, 790}, {{400, 700},
                                                  {410, 640},
                                                  {418, 592},
                                                  {428, 562},
                                                  {438, 566},
                                                  {446, 616},
                                                  {458, 690},
                                                  {470, 790},
                                                  {396, 790}});
    return north | gulf;
}

// Water in a pale wash, deeper along the coast, with the coast's ink line and two ripple lines echoing it.
void paintSea(Canvas& c, const Shape& sea) {
    hud::Layer l(c, Rect{0, 0, 500, 200});
    hud::Layer g(c, Rect{380, 540, 480, kH});
    for (hud::Layer* layer : {&l, &g}) {
        const Field f = layer->field(sea);
        Canvas& lc = layer->canvas();
        lc.paint(f.coverage(), Fill([&f](float x, float y) {
                     const float d = -f.get(static_cast<int>(x), static_cast<int>(y));
                     return mixOklab(hex(0x4fa9a4, 0.8f), hex(0x9ed3c4, 0.7f), smoothstep(1, 15, d));
                 }));
        lc.paint(f.band(-10.5f, -9.3f), hex(0x2f7f82, 0.45f));
        lc.paint(f.band(-19.5f, -18.5f), hex(0x2f7f82, 0.25f));
        lc.paint(f.band(-0.9f, 0.9f), kInk.fade(0.85f));
        lc.paint(f.band(0.9f, 4.0f, 2.0f), hex(0xfff4d6, 0.35f));
        layer->put(c);
    }
    // Little wave strokes out at sea.
    Mask waves(kW, kH);
    for (Vec2 p :
         {Vec2{150, 70}, Vec2{230, 110}, Vec2{300, 58}, Vec2{360, 96}, Vec2{190, 140}, Vec2{40, 150}}) {
        Path w;
        w.moveTo(p + Vec2{-9, 2}).quadTo(p + Vec2{-4.5f, -4}, p).quadTo(p + Vec2{4.5f, -4}, p + Vec2{9, 2});
        Shape::stroke(w.points(), {1.3f}).drawInto(waves);
    }
    c.paint(waves, hex(0x2a6c70, 0.6f));
}

// The Nile winds up from the south to its delta, between bands of green fields.
void paintNile(Canvas& c) {
    Path river;
    river.moveTo({262, 790})
        .smoothThrough(
            {{252, 700}, {236, 620}, {214, 545}, {226, 470}, {250, 400}, {236, 330}, {250, 260}, {244, 200}});
    const std::vector<Vec2> branches[] = {{{244, 200}, {226, 184}, {206, 160}},
                                          {{244, 200}, {246, 178}, {248, 160}},
                                          {{244, 200}, {266, 184}, {290, 150}}};
    Mask banks(kW, kH);
    Shape::stroke(river.points(), {46.0f}).drawInto(banks, 14.0f);
    Shape::circle({246, 188}, 34).drawInto(banks, 16.0f);
    c.paint(banks, hex(0x8fae52, 0.42f));
    // Fields and groves dotted along the banks.
    Rng rng(611u);
    Mask dots(kW, kH);
    for (int i = 0; i < 260; ++i) {
        const Vec2 p{rng.range(160, 320), rng.range(150, 700)};
        if (banks.get(static_cast<int>(p.x), static_cast<int>(p.y)) > 0.6f)
            Shape::circle(p, rng.range(1.0f, 2.2f)).drawInto(dots);
    }
    c.paint(dots, hex(0x4f7a2c, 0.45f));
    Shape water = Shape::stroke(river.points(), {7.0f});
    for (const auto& b : branches) water = water | Shape::stroke(b, {4.0f});
    c.paint(water.grown(1.3f), kInk.fade(0.8f));
    c.paint(water, Fill::vertical(150, 700, {{0, hex(0x4fb0b0)}, {1, hex(0x3a8fa6)}}));
}

// A soft tint for each land, melting into the next at the borders.
void paintWashes(Canvas& c) {
    const Noise n(620u);
    const Mask all(kW, kH, 1.0f);
    c.paint(all, Fill([&](float x, float y) {
                const float wob = 40 * (n.fbm(x / 160, y / 160, 3) - 0.5f);
                const float persia = smoothstep(370, 430, x + wob) * (1 - smoothstep(730, 790, x + wob));
                const float tibet = smoothstep(730, 790, x + wob);
                const float egypt = 1 - persia - tibet;
                Color col = mixOklab(hex(0xf2c866), hex(0xd98a58), persia / std::max(0.01f, persia + egypt));
                col = mixOklab(col, hex(0x9fb4b0), tibet);
                const float fade = 1 - smoothstep(kPlainY - 60, kPlainY, y);
                return col.withAlpha((0.18f + 0.06f * persia) * fade);
            }));
}

// Evenly spaced dashes along a polyline, leaving gaps of `clearR` around the points in `clear`.
Mask dashes(const std::vector<Vec2>& pts, float dash, float gap, float width, const std::vector<Vec2>& clear,
            float clearR) {
    Mask m(kW, kH);
    float along = 0;
    std::vector<Vec2> current;
    auto flush = [&] {
        if (current.size() > 1) Shape::stroke(current, {width}).drawInto(m);
        current.clear();
    };
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const Vec2 a = pts[i], b = pts[i + 1];
        const float len = length(b - a);
        for (float t = 0; t < len; t += 1.0f) {
            const Vec2 p = lerp(a, b, t / len);
            const bool free =
                std::none_of(clear.begin(), clear.end(), [&](Vec2 q) { return length(p - q) < clearR; });
            const bool on = std::fmod(along + t, dash + gap) < dash && free;
            if (on)
                current.push_back(p);
            else
                flush();
        }
        along += len;
    }
    flush();
    return m;
}

// The faint dashed borders between the lands.
void paintBorders(Canvas& c) {
    const std::vector<Vec2> lines[] = {
        {{436, 92}, {418, 200}, {402, 330}, {396, 450}, {428, 562}},
        {{772, 44}, {750, 160}, {766, 300}, {744, 450}, {760, 560}, {752, 660}}};
    for (const auto& l : lines) {
        Path p;
        p.moveTo(l.front()).smoothThrough({l.begin() + 1, l.end()});
        c.paint(dashes(p.points(), 6, 5, 1.5f, {}, 0), kInk.fade(0.35f));
    }
}

// The journey: terracotta dashes from stage to stage over a pale trail, and a small ink ring at each stage.
void paintRoute(Canvas& c) {
    Path p;
    p.moveTo(kStages[0])
        .smoothThrough(
            {{196, 386}, kStages[1], {396, 330}, kStages[2], {596, 376}, kStages[3], {756, 262}, kStages[4]});
    const std::vector<Vec2> stops(std::begin(kStages), std::end(kStages));
    Mask trail = Shape::stroke(p.points(), {9.0f}).rasterize(kW, kH, 3.0f);
    c.paint(trail, hex(0xfff2d2, 0.45f));
    const Mask d = dashes(p.points(), 11, 7, 4.2f, stops, 13);
    c.paint(d.shifted(1, 1), hex(0x5a2a14, 0.25f));
    c.paint(d, pal::kTerracotta);
    for (Vec2 s : kStages) {
        hud::part(c, Shape::circle(s, 7.5f) - Shape::circle(s, 4.5f), pal::kTerracottaDeep, 0.8f, 1.0f, 0.4f,
                  0.3f, kInk);
        c.paint(Shape::circle(s, 2.2f), pal::kTerracottaDeep);
    }
}

// An eight-pointed compass rose: each point split into a lit and a shaded half, a ring and the north mark.
void paintCompass(Canvas& c, Vec2 m) {
    hud::Layer l(c, Rect{m.x - 60, m.y - 70, m.x + 60, m.y + 60});
    Canvas& lc = l.canvas();
    auto paintPoint = [&](float deg, float len, float half, Color lit, Color shade) {
        const Vec2 tip = polar(m, len, deg), left = polar(m, half, deg - 45),
                   right = polar(m, half, deg + 45);
        lc.paint(l.mask(Shape::polygon({m, tip, left})), lit);
        lc.paint(l.mask(Shape::polygon({m, tip, right})), shade);
        lc.paint(l.mask(Shape::polygon({left, tip, right, m}).outline(1.0f)), kInk.fade(0.9f));
    };
    lc.paint(l.mask(Shape::circle(m, 30).outline(1.2f) | Shape::circle(m, 34).outline(0.8f)),
             kInk.fade(0.7f));
    for (int i = 0; i < 4; ++i) paintPoint(45.0f + 90.0f * i, 28, 7, hex(0xf6e2b3), hex(0xc9955a));
    for (int i = 0; i < 4; ++i) paintPoint(-90.0f + 90.0f * i, 46, 9, pal::kGoldLight, pal::kTerracottaDeep);
    lc.paint(l.mask(Shape::circle(m, 4)), pal::kTurquoise);
    lc.paint(l.mask(Shape::circle(m, 4).outline(1.0f)), kInk);
    l.put(c);
    // "N" above the north point.
    const Font font(requireFont(kSerifBold));
    Mask n(kW, kH);
    const float w = font.advance("N", 17);
    font.render(n, "N", 17, {m.x - w / 2, m.y - 50});
    c.paint(n, kInk);
}

// A land's name in slanted ink with a swash under it.
void paintName(Canvas& c, const Font& font, const std::string& name, Vec2 centre) {
    constexpr int k = 4;
    constexpr float kPx = 40;
    const Rect ink = font.inkBounds(name, kPx, 2.0f);
    const int w = static_cast<int>(ink.width()) + 40, h = 70;
    Mask big(w * k, h * k);
    font.render(big, name, kPx * k, Vec2{20 - ink.x0, 50} * k, 2.0f * k);
    big = big.warped([&](Vec2 p) { return Vec2{p.x + (p.y - 50 * k) * 0.22f, p.y}; });
    Mask text = big.downsampled(k);
    Canvas t(w, h);
    t.paint(text.shifted(1, 1), hex(0xfff2d2, 0.5f));
    t.paint(text, kInk.fade(0.88f));
    std::vector<Vec2> swash;
    std::vector<float> widths;
    for (int i = 0; i <= 20; ++i) {
        const float u = i / 20.0f;
        swash.push_back({14 + u * (w - 28), 60 - 4 * std::sin(u * kPi * 2)});
        widths.push_back(0.4f + 2.0f * std::sin(u * kPi));
    }
    t.paint(Shape::stroke(swash, widths).rasterize(w, h), kInk.fade(0.7f));
    c.draw(t, static_cast<int>(centre.x - w / 2.0f), static_cast<int>(centre.y - 50));
}

// Folds across the sheet: a dark crease with a lit ridge beside it.
void paintFolds(Canvas& c) {
    Mask dark(kW, kH), lit(kW, kH);
    for (float x : {341.0f, 683.0f}) {
        Shape::line({x, 0}, {x, kH}, 1.2f).drawInto(dark);
        Shape::rect(x + 1, 0, 8, kH).drawInto(lit, 6.0f);
    }
    Shape::line({0, 384}, {kW, 384}, 1.2f).drawInto(dark);
    Shape::rect(0, 385, kW, 8).drawInto(lit, 6.0f);
    c.paint(lit, hex(0xfff6dc, 0.12f));
    c.paint(dark, hex(0x7a5228, 0.18f));
}

}  // namespace

Fill agedParchment(Rect s, uint32_t seed) {
    const Noise n(seed), fibre(seed + 1), stain(seed + 2);
    return Fill([=](float x, float y) {
        const float u = (x - s.x0) / s.width() * 2 - 1, v = (y - s.y0) / s.height() * 2 - 1;
        const float edgeDist = std::min({x - s.x0, s.x1 - x, y - s.y0, s.y1 - y});
        const float edge = 1 - smoothstep(0, 60, edgeDist + 30 * (n.fbm(x / 50, y / 50, 3) - 0.5f));
        const float round = smoothstep(0.55f, 1.45f, std::sqrt(u * u + v * v));
        const float blotch = n.fbm(x / 150, y / 150, 5);
        const float fibres = fibre.fbm(x / 80, y / 3, 3);
        const float st = stain.fbm(x / 110, y / 110, 4);
        Color col = mixOklab(hex(0xf8e8c2), hex(0xead09a), clamp01(0.3f + 1.1f * (blotch - 0.5f)));
        col = mixOklab(col, hex(0xdcbb84), 0.25f * smoothstep(0.55f, 0.8f, fibres));
        col = mixOklab(col, hex(0xc89a60),
                       0.35f * smoothstep(0.66f, 0.74f, st) * (1 - smoothstep(0.74f, 0.8f, st)));
        col = mixOklab(col, hex(0xc8955a), 0.45f * round);
        return mixOklab(col, hex(0x94602e), 0.85f * edge);
    });
}

Canvas mapBack() {
    Canvas c(kW, kH);
    c.paint(Mask(kW, kH, 1.0f), agedParchment({0, 0, kW, kH}, 600u));
    paintFolds(c);
    paintWashes(c);
    const Shape sea = seas();
    paintNile(c);
    paintSea(c, sea);
    paintBorders(c);
    paintEgypt(c);
    paintPersia(c);
    paintTibet(c);
    paintRoute(c);
    paintCompass(c, {92, 104});
    const Font font(requireFont(kSerifBold));
    paintName(c, font, "Egypt", {106, 612});
    paintName(c, font, "Persia", {566, 628});
    paintName(c, font, "Tibet", {900, 640});
    grain(c, 0.012f, 601u);
    return c;
}

}  // namespace gen::map
