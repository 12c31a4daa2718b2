// The cut gems among the treasures: ruby, emerald, sapphire, amethyst heart, topaz drop and a diamond.
#include <cmath>
#include <utility>

#include "paint/Effects.h"
#include "tiles_art.h"

namespace gen::tiles {

namespace {

struct GemColours {
    Color light, mid, dark, fire;
};

using Facet = std::pair<std::vector<Vec2>, float>;  // a facet and how brightly it catches the light, 0..1

// How much a facet whose middle lies at `p` faces the light, seen from the stone's centre.
float facing(Vec2 p, Vec2 centre, float bias = 0.0f) {
    return clamp01(0.12f + 0.75f * (0.5f + 0.5f * dot(normalize(p - centre), lightDirection())) + bias);
}

// A stone: its outline, its facets shaded along a ramp of its colours, a glow of light passing through
// at the lower right, bright facet edges and a glint.
void cutStone(Canvas& c, const std::vector<Vec2>& outline, const std::vector<Facet>& facets, Vec2 centre,
              const GemColours& g, float d, Vec2 glintAt) {
    const int w = c.width(), h = c.height();
    const Shape body = Shape::polygon(outline);
    treasurePart(c, body, g.dark, d);
    Canvas face(w, h);
    face.paint(body.rasterize(w, h), g.mid);
    const Gradient ramp{
        {0, darker(g.dark, 0.2f)}, {0.45f, g.mid}, {0.8f, g.light}, {1, lighter(g.light, 0.55f)}};
    for (const auto& [poly, lit] : facets)
        face.paint(Shape::polygon(poly).rasterize(w, h, 0.9f), ramp.at(lit), Blend::Inside);
    face.paint(body.rasterize(w, h),
               Fill::radial(centre + Vec2{0.16f * d, 0.2f * d}, 0.34f * d,
                            {{0, g.fire.fade(0.75f)}, {1, kTransparent}}),
               Blend::Screen);
    const float edge = std::max(0.4f, 0.018f * d);
    for (const auto& [poly, lit] : facets) {
        std::vector<Vec2> closed = poly;
        closed.push_back(poly.front());
        face.paint(Shape::stroke(closed, {edge}).rasterize(w, h, 1.0f), hex(0xffffff, 0.22f), Blend::Inside);
    }
    c.draw(face, 0, 0);
    glint(c, glintAt, 0.2f * d);
}

// A stone with a flat table: facets between the table and the outline, then the table itself.
void tableCut(Canvas& c, const std::vector<Vec2>& outer, float tableScale, Vec2 m, const GemColours& g,
              float d) {
    std::vector<Vec2> table;
    const Vec2 tm = m + Vec2{-0.02f * d, -0.03f * d};
    for (const Vec2& p : outer) table.push_back(lerp(tm, p, tableScale));
    std::vector<Facet> facets;
    for (size_t i = 0; i < outer.size(); ++i) {
        const size_t j = (i + 1) % outer.size();
        const Vec2 mid = (outer[i] + outer[j]) * 0.5f;
        facets.push_back({{table[i], outer[i], outer[j], table[j]}, facing(mid, m, i % 2 ? 0.06f : -0.04f)});
    }
    facets.push_back({table, 0.78f});
    cutStone(c, outer, facets, m, g, d, lerp(tm, table[0], 0.2f) + Vec2{-0.12f * d, -0.1f * d});
}

std::vector<Vec2> ring(Vec2 m, float rx, float ry, int n, float startDeg) {
    std::vector<Vec2> pts;
    for (int i = 0; i < n; ++i) {
        const float a = (startDeg + 360.0f * i / n) * kPi / 180.0f;
        pts.push_back(m + Vec2{rx * std::cos(a), ry * std::sin(a)});
    }
    return pts;
}

}  // namespace

void drawRuby(Canvas& c, Vec2 m, float d) {
    tableCut(c, ring(m, 0.45f * d, 0.45f * d, 8, 22.5f), 0.56f, m,
             {hex(0xff7d8c), hex(0xd0203e), hex(0x6a0a1c), hex(0xff9fb0)}, d);
}

void drawEmerald(Canvas& c, Vec2 m, float d) {
    const float hw = 0.34f * d, hh = 0.45f * d, k = 0.12f * d;
    const std::vector<Vec2> outer = {m + Vec2{-hw + k, -hh}, m + Vec2{hw - k, -hh}, m + Vec2{hw, -hh + k},
                                     m + Vec2{hw, hh - k},   m + Vec2{hw - k, hh},  m + Vec2{-hw + k, hh},
                                     m + Vec2{-hw, hh - k},  m + Vec2{-hw, -hh + k}};
    tableCut(c, outer, 0.6f, m, {hex(0x9af5b4), hex(0x1fa45a), hex(0x0a4a27), hex(0xb8ffd0)}, d);
}

void drawSapphire(Canvas& c, Vec2 m, float d) {
    tableCut(c, ring(m, 0.36f * d, 0.46f * d, 14, -90.0f), 0.55f, m,
             {hex(0x9cbcff), hex(0x2c54cc), hex(0x0e1c5a), hex(0xa8d4ff)}, d);
}

void drawAmethyst(Canvas& c, Vec2 m, float d) {
    std::vector<Vec2> heart;
    for (int i = 0; i < 20; ++i) {
        const float t = 2.0f * kPi * i / 20.0f;
        const float x = 16.0f * std::pow(std::sin(t), 3.0f);
        const float y =
            -(13.0f * std::cos(t) - 5.0f * std::cos(2 * t) - 2.0f * std::cos(3 * t) - std::cos(4 * t));
        heart.push_back(m + Vec2{x, y + 2.5f} * (0.029f * d));
    }
    tableCut(c, heart, 0.52f, m, {hex(0xe6b0ff), hex(0x9442cc), hex(0x42125c), hex(0xf4c8ff)}, d);
}

void drawTopaz(Canvas& c, Vec2 m, float d) {
    // A drop: a round lower part drawn out to a point at the top.
    const Vec2 centre = m + Vec2{0, 0.14f * d};
    const float r = 0.31f * d, reach = 0.6f * d;
    const float alpha = std::acos(r / reach) * 180.0f / kPi;
    std::vector<Vec2> drop{centre + Vec2{0, -reach}};
    for (int i = 0; i <= 12; ++i)
        drop.push_back(polar(centre, r, -90.0f + alpha + (360.0f - 2 * alpha) * i / 12));
    tableCut(c, drop, 0.5f, m + Vec2{0, 0.08f * d},
             {hex(0xffdc8c), hex(0xe8901c), hex(0x763604), hex(0xffe6a8)}, d);
}

void drawDiamond(Canvas& c, Vec2 m, float d) {
    auto p = [&](float x, float y) { return m + Vec2{x * d, y * d}; };
    const Vec2 tl = p(-0.26f, -0.26f), tr = p(0.26f, -0.26f), gl = p(-0.47f, -0.07f), gr = p(0.47f, -0.07f);
    const Vec2 tip = p(0, 0.45f), gm = p(0, -0.07f), tm = p(0, -0.26f);
    const Vec2 gq1 = p(-0.2f, -0.07f), gq2 = p(0.2f, -0.07f);
    const std::vector<Facet> facets = {
        {{tl, tm, gq1, gl}, 0.95f}, {{tm, tr, gq2}, 0.7f},  {{tm, gq2, gq1}, 0.85f}, {{tr, gr, gq2}, 0.45f},
        {{gl, gq1, tip}, 0.62f},    {{gq1, gm, tip}, 0.4f}, {{gm, gq2, tip}, 0.55f}, {{gq2, gr, tip}, 0.22f},
    };
    cutStone(c, {tl, tr, gr, tip, gl}, facets, m,
             {hex(0xffffff), hex(0x9edcff), hex(0x3c6e9e), hex(0xe4f8ff)}, d, p(-0.2f, -0.2f));
}

}  // namespace gen::tiles
