// The outro's shared painting: outlined parts, shadows, glows and rays, snowy peaks, rock, dressed stone and
// the monastery's white walls under golden roofs.
#include <cmath>

#include "Palette.h"
#include "maingame_hud_art.h"
#include "paint/Noise.h"
#include "paint/Path.h"
#include "story_outro_art.h"

namespace gen::outro {

Mask rast(const Canvas& c, const Shape& s, float feather) {
    return s.rasterize(c.width(), c.height(), feather);
}

void part(Canvas& c, const Shape& s, const Fill& f, float outline, float depth) {
    hud::part(c, s, f, outline, depth, 0.4f, 0.35f, pal::kOutline.fade(0.9f));
}

void shade(Canvas& c, const Shape& s, const Shape& within, Color col, float soften) {
    Mask m = rast(c, s);
    if (soften > 0) m.blur(soften);
    m.multiply(rast(c, within));
    c.paint(m, col);
}

void castShadow(Canvas& c, const Shape& s, float blur, float strength) {
    c.paint(rast(c, s.moved({blur * 0.6f, blur * 0.8f})).blurred(blur), hex(0x1a0a04, strength));
}

void glow(Canvas& c, Vec2 centre, float radius, Color col, float strength) {
    c.paint(rast(c, Shape::circle(centre, radius * 2.2f)), Fill([=](float x, float y) {
                const float d = length(Vec2{x, y} - centre) / radius;
                return col.withAlpha(col.a * strength *
                                     (0.6f * std::exp(-d * d * 2.5f) + 0.4f * std::exp(-d * 1.8f)));
            }),
            Blend::Screen);
}

void rays(Canvas& c, Vec2 from, Vec2 to, float spread, int count, Color col, uint32_t seed) {
    Rng rng(seed);
    const Vec2 across = normalize(Vec2{-(to - from).y, (to - from).x});
    for (int i = 0; i < count; ++i) {
        const float t = (i + rng.range(0.2f, 0.8f)) / count - 0.5f;
        const float w = spread / count * rng.range(0.25f, 0.7f);
        const Vec2 end = to + across * (t * spread);
        const Shape beam =
            Shape::polygon({from + across * (t * spread * 0.08f - 3),
                            from + across * (t * spread * 0.08f + 3), end + across * w, end - across * w});
        Mask m = rast(c, beam);
        m.blur(w * 0.4f + 2);
        const float a = col.a * rng.range(0.45f, 1.0f);
        c.paint(m,
                Fill::linear(from, to,
                             {{0, col.withAlpha(a)}, {0.7f, col.withAlpha(a * 0.4f)}, {1, col.withAlpha(0)}}),
                Blend::Screen);
    }
}

void sparkle(Canvas& c, Vec2 at, float size, float strength) {
    glow(c, at, size * 0.5f, hex(0xfff2c0), 0.8f * strength);
    c.paint(rast(c, Shape::star(at, 4, size, size * 0.12f), 1.2f), hex(0xfffbe8, 0.9f * strength),
            Blend::Screen);
    c.paint(rast(c, Shape::star(at, 4, size * 0.5f, size * 0.08f, 45), 1.2f), hex(0xfffbe8, 0.7f * strength),
            Blend::Screen);
}

PeakLight dawnLight() {
    return {hex(0xc88a86), hex(0x5a4a78), hex(0xfff0e4), hex(0xb4b0d8), hex(0xd8c4dc)};
}

PeakLight sunsetLight() {
    return {hex(0xa85a4a), hex(0x3a2850), hex(0xffe6cc), hex(0x9a88c0), hex(0xe89a88)};
}

void peak(Canvas& c, Vec2 top, float halfWidth, float base, float haze, const PeakLight& l, uint32_t seed) {
    const Noise n(seed);
    std::vector<Vec2> outline{{top.x - halfWidth, base}};
    for (int i = 0; i <= 120; ++i) {
        const float t = i / 120.0f, x = top.x - halfWidth + 2 * halfWidth * t;
        const float h = 1 - std::abs(2 * t - 1);
        const float shoulders = 0.22f * (n.fbm(x / 45.0f, 1.5f, 3) - 0.5f) * std::sin(kPi * t);
        const float teeth = 0.05f * (n.fbm(x / 9.0f, 4.5f, 2) - 0.5f) * h;
        outline.push_back({x, base - (base - top.y) * (std::pow(h, 1.15f) + shoulders + teeth)});
    }
    outline.push_back({top.x + halfWidth, base});
    const Shape body = Shape::polygon(outline);
    auto v = [&](Color col) { return mixOklab(col, l.veil, haze); };
    const float hgt = base - top.y;
    // The ridge running down from the summit parts the lit face from the shaded one.
    auto ridgeX = [=](float y) {
        const float t = clamp01((y - top.y) / hgt);
        return top.x + halfWidth * 0.35f * t + 18 * (n.fbm(y / 40.0f, 7.0f, 3) - 0.5f) * t;
    };
    const Color rl = v(l.rockLit), rs = v(l.rockShade), sl = v(l.snowLit), ss = v(l.snowShade);
    const float snowLine = top.y + hgt * 0.6f;
    c.paint(rast(c, body), Fill([=](float x, float y) {
                const float r = ridgeX(y);
                const float lit = smoothstep(r + 3, r - 3, x);
                const float strata = n.fbm(x / 30.0f + y / 50.0f, y / 14.0f, 3);
                Color rockCol = mixOklab(rs, rl, lit * (0.65f + 0.5f * strata));
                rockCol = mixOklab(rockCol, darker(rs, 0.2f), 0.35f * clamp01((y - top.y) / hgt));
                const float edge = snowLine + hgt * 0.28f * (n.fbm(x / 24.0f, 3.0f, 4) - 0.5f) -
                                   hgt * 0.12f * std::abs(std::sin(x / 19.0f + 1.3f * n.value(x / 60.0f, 2)));
                const float snow = smoothstep(edge + 3, edge - 3, y);
                const Color snowCol = mixOklab(ss, sl, lit * (0.8f + 0.2f * strata));
                return mixOklab(rockCol, snowCol, snow);
            }));
}

void rock(Canvas& c, const Shape& s, Color lit, Color deep, uint32_t seed) {
    const Noise n(seed);
    const Rect b = s.bounds();
    c.paint(rast(c, s.grown(1.6f)), pal::kOutline.fade(0.85f));
    c.paint(rast(c, s), Fill([=](float x, float y) {
                const float strata = std::sin((y + 40 * n.fbm(x / 90.0f, y / 50.0f, 3)) / 11.0f);
                const float crack = smoothstep(0.03f, 0.0f, std::abs(n.fbm(x / 70.0f, y / 160.0f, 3) - 0.5f));
                const float light =
                    clamp01(0.85f - (x - b.x0) / (b.width() * 1.4f) - (y - b.y0) / (b.height() * 1.6f));
                Color col = mixOklab(
                    deep, lit,
                    clamp01(light + 0.12f * strata + 0.2f * (n.fbm(x / 40.0f, y / 40.0f, 4) - 0.5f)));
                return mixOklab(col, darker(deep, 0.3f), 0.45f * crack);
            }));
}

void masonry(Canvas& c, const Shape& s, float bw, float bh, Color stone, Rect lit, float dark,
             uint32_t seed) {
    const Noise n(seed);
    c.paint(rast(c, s), Fill([=](float x, float y) {
                const float row = std::floor(y / bh);
                const float shift = (static_cast<int>(row) % 2) * bw * 0.5f;
                const float col = std::floor((x + shift) / bw);
                const float fx = (x + shift) / bw - col, fy = y / bh - row;
                const float id =
                    static_cast<float>(hash3(static_cast<int>(col), static_cast<int>(row), seed) % 1000) /
                    1000.0f;
                const float light = clamp01(1.0f - (x - lit.x0) / (lit.width() * 1.3f) * 0.6f -
                                            (y - lit.y0) / (lit.height() * 1.3f) * 0.6f);
                Color base =
                    mixOklab(darker(stone, 0.45f), lighter(stone, 0.2f), clamp01(light * 0.8f + 0.35f * id));
                base = mixOklab(base, darker(stone, 0.3f), 0.3f * n.fbm(x / 18.0f, y / 18.0f, 3));
                // Lit upper-left lips, shaded lower-right lips and the dark joints.
                const float ex = std::min(fx * bw, (1 - fx) * bw), ey = std::min(fy * bh, (1 - fy) * bh);
                const float joint = smoothstep(2.2f, 0.8f, std::min(ex, ey));
                if (fx * bw < 4 || fy * bh < 4) base = lighter(base, 0.12f * (1 - joint));
                if ((1 - fx) * bw < 4 || (1 - fy) * bh < 4) base = darker(base, 0.18f);
                base = mixOklab(base, darker(stone, 0.6f), joint * 0.75f);
                return darker(base, dark);
            }));
}

void stoneHall(Canvas& c, float floorY, Vec2 light, Color stone) {
    const float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
    masonry(c, Shape::rect(0, 0, w, floorY), 64, 32, stone, {0, 0, w, floorY}, 0.0f, 5301u);
    // Flagstones: rows closing up towards the back, joints running to a point above the middle.
    const Vec2 vp{w / 2, floorY - 260};
    const Noise n(5302u);
    c.paint(rast(c, Shape::rect(0, floorY, w, h - floorY)), Fill([=](float x, float y) {
                const float d = (y - vp.y) / (h - vp.y);
                const float u = (x - vp.x) / d, v = 1.0f / d;
                const float fu = u / 110 - std::floor(u / 110), fv = v * 3.0f - std::floor(v * 3.0f);
                const float joint = std::max(smoothstep(0.03f, 0.0f, std::min(fu, 1 - fu)),
                                             smoothstep(0.05f, 0.0f, std::min(fv, 1 - fv)));
                Color col = mixOklab(darker(stone, 0.35f), darker(stone, 0.05f), clamp01(1.2f - v * 0.35f));
                col = mixOklab(col, darker(stone, 0.5f), 0.25f * n.fbm(x / 40.0f, y / 20.0f, 3));
                return mixOklab(col, darker(stone, 0.7f), joint * 0.8f);
            }));
    c.paint(rast(c, Shape::rect(0, floorY - 3, w, 6)), darker(stone, 0.6f));
    glow(c, light, h * 0.45f, hex(0xffb84a), 0.55f);
    c.paint(Mask(c.width(), c.height(), 1.0f), Fill([=](float x, float y) {
                const float d = length(Vec2{x, y} - light) / (w * 0.75f);
                return hex(0x1a0a08).withAlpha(0.75f * smoothstep(0.15f, 0.95f, d));
            }));
}

void goldenRoof(Canvas& c, float cx, float y, float half) {
    const float h = half * 0.34f;
    Path p;
    p.moveTo({cx, y})
        .lineTo({cx - half - 12, y})
        .quadTo({cx - half, y - h * 0.25f}, {cx - half * 0.7f, y - h * 0.62f})
        .lineTo({cx - half * 0.25f, y - h})
        .lineTo({cx, y - h})
        .mirrorX(cx);
    const Shape roof = Shape::polygon(p.points());
    part(c, roof, hud::gold(y - h, y), 1.4f, 3.0f);
    Mask ribs(c.width(), c.height());
    for (float x = cx - half * 0.9f; x < cx + half * 0.9f; x += 9)
        Shape::line({x, y - 2}, {cx + (x - cx) * 0.3f, y - h + 2}, 1.1f).drawInto(ribs);
    ribs.multiply(rast(c, roof.grown(-2)));
    c.paint(ribs, pal::kGoldDeep.fade(0.55f));
    const float f = h * 0.9f;
    const Shape fin = Shape::ellipse({cx, y - h - f * 0.35f}, f * 0.2f, f * 0.34f) |
                      Shape::rect(cx - f * 0.28f, y - h - 4, f * 0.56f, 5) |
                      Shape::line({cx, y - h - f * 0.6f}, {cx, y - h - f}, 3);
    part(c, fin, hud::gold(y - h - f, y - h), 1.2f, 2.0f);
}

void monasteryWall(Canvas& c, float x0, float x1, float top, float bottom, int rows, Color body) {
    const float lean = (bottom - top) * 0.08f;
    const Shape w = Shape::polygon({{x0, bottom}, {x0 + lean, top}, {x1 - lean, top}, {x1, bottom}});
    part(c, w,
         Fill::linear({x0, top}, {x1, bottom},
                      {{0, lighter(body, 0.2f)}, {0.55f, body}, {1, mixOklab(body, hex(0x6a4a5a), 0.45f)}}),
         1.5f, 3.0f);
    const float step = (bottom - top) / (rows + 0.6f);
    const float win = std::min(step * 0.5f, 26.0f);
    Mask frames(c.width(), c.height()), holes(c.width(), c.height());
    for (int r = 0; r < rows; ++r) {
        const float y = top + step * (r + 0.45f);
        for (float x = x0 + lean + win; x < x1 - lean - win * 0.6f; x += win * 2.0f) {
            Shape::polygon({{x - win * 0.34f, y + win},
                            {x - win * 0.26f, y},
                            {x + win * 0.26f, y},
                            {x + win * 0.34f, y + win}})
                .drawInto(frames);
            Shape::rect(x - win * 0.17f, y + win * 0.18f, win * 0.34f, win * 0.72f).drawInto(holes);
        }
    }
    c.paint(frames, hex(0x6a1e18));
    c.paint(holes, hex(0x1a0e10));
    part(c, Shape::rect(x0 + lean - 3, top - 6, x1 - x0 - 2 * lean + 6, 8), hex(0x7a2a1e), 1.2f, 1.5f);
}

void tint(Canvas& c, Color col, Blend blend) {
    c.paint(Mask(c.width(), c.height(), 1.0f), col, blend);
}

}  // namespace gen::outro
