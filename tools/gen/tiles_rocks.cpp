// The rock of an empty cell: the lying rock picture (also the thrown stone) and its rise-and-crumble strip.
#include <cmath>
#include <string>

#include "paint/Effects.h"
#include "paint/ImageIO.h"
#include "paint/Noise.h"
#include "tiles_art.h"

namespace gen::tiles {

// A faceted grey-brown rock, lit from the top left, in an s × s picture.
Canvas rock(int s) {
    const float fs = static_cast<float>(s);
    const Vec2 m{0.5f * fs, 0.53f * fs};
    Rng rng(21u);
    std::vector<Vec2> pts;
    for (int i = 0; i < 9; ++i)
        pts.push_back(polar(m, 0.33f * fs * rng.range(0.78f, 1.08f), -90.0f + 40.0f * i + rng.range(-8, 8)));
    const float round = 0.06f * fs;
    const Shape body = Shape::polygon(pts).grown(-round).grown(round);
    Canvas c(s, s);
    Style st;
    st.fill = hex(0x7d7165);
    st.outline = std::max(0.7f, 0.025f * fs);
    st.outlineFill = pal::kOutline;
    st.shadow = Shadow{{1.0f, 1.5f}, 0.05f * fs + 0.5f, hex(0x1a0d05, 0.5f)};
    const Field field = body.field(s, s);
    drawStyled(c, field, st);
    Canvas face(s, s);
    face.paint(field.coverage(), hex(0x7d7165));
    // Facets: a flat top turned toward the light and sloping sides, each lit by where it faces.
    const Vec2 peak = m + Vec2{-0.06f * fs, -0.08f * fs};
    const Gradient shade{
        {0, hex(0x3f362e)}, {0.45f, hex(0x85796b)}, {0.8f, hex(0xb8a994)}, {1, hex(0xdccfba)}};
    const Noise n(23u);
    auto facet = [&](const std::vector<Vec2>& poly, float lit) {
        const Color col = shade.at(lit);
        face.paint(Shape::polygon(poly).rasterize(s, s, 0.8f), Fill([=](float x, float y) {
                       const float v = (n.fbm(x * 7 / fs, y * 7 / fs, 3) - 0.5f) * 0.28f;
                       return v > 0 ? lighter(col, v) : darker(col, -v);
                   }),
                   Blend::Inside);
    };
    std::vector<Vec2> top;
    for (const Vec2& p : pts) top.push_back(lerp(peak, p, rng.range(0.36f, 0.5f)));
    for (size_t i = 0; i < pts.size(); ++i) {
        const size_t j = (i + 1) % pts.size();
        const Vec2 facing = normalize((pts[i] + pts[j]) * 0.5f - peak);
        const float lit = 0.5f + 0.5f * dot(facing, lightDirection());
        facet({top[i], lerp(top[i], pts[i], 1.4f), lerp(top[j], pts[j], 1.4f), top[j]}, 0.05f + 0.75f * lit);
    }
    facet(top, 0.72f);
    c.draw(face, 0, 0);
    return c;
}

namespace {

// Sand kicked up round the foot of the rising rock.
void dustPuff(Canvas& c, float strength) {
    const float fs = static_cast<float>(c.width());
    c.paint(Mask(c.width(), c.height(), 1.0f),
            Fill::radial({0.5f * fs, 0.72f * fs}, Vec2{0.42f * fs, 0.2f * fs},
                         {{0, hex(0xf0d9a8, 0.7f * strength)}, {1, hex(0xf0d9a8, 0.0f)}}));
}

std::vector<Canvas> rockFrames(int s) {
    const Canvas whole = rock(s);
    std::vector<Canvas> frames;
    const Vec2 m{s / 2.0f, s / 2.0f};
    for (float k : {0.45f, 0.78f}) {
        Canvas f(s, s);
        dustPuff(f, 1.0f - k * 0.6f);
        drawTransformed(f, whole, m + Vec2{0, 0.3f * s}, m + Vec2{0, 0.3f * s}, 0, k);
        frames.push_back(f);
    }
    Shatter how;
    how.pieces = 6;
    how.crackFrames = 2;
    how.spread = 0.3f;
    how.drop = 0.25f;
    how.spin = 35.0f;
    how.impact = {0.45f, 0.4f};
    how.seed = 13u + s;
    for (Canvas& f : shatter(whole, 6, how)) frames.push_back(std::move(f));
    return frames;
}

}  // namespace

void writeRocks(const Context& ctx) {
    for (int s : kSizes) {
        const std::string n = std::to_string(s);
        writePng(rock(s), ctx.out("gfx/efekty/rock-" + n + ".png"));
        writePng(strip(rockFrames(s)), ctx.out("gfx/tresures/rock-size-" + n + ".png"));
    }
}

}  // namespace gen::tiles
