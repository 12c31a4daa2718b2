// The carved tablet (a grid of cells with clues on two edges, the uncovered cells showing the engraved
// route from the pyramids past the river and the domes to the snowy peaks) and the temple's picture stone.
#include <cmath>
#include <string>

#include "Palette.h"
#include "SystemFonts.h"
#include "jigsaw_art.h"
#include "maingame_hud_art.h"
#include "paint/Path.h"
#include "paint/Text.h"
#include "story_slides_art.h"

namespace gen::slides {

using jigsaw::inked;
using jigsaw::rast;

namespace {

constexpr int kCols = 12, kRows = 9;

// The engraved picture in grid units (0..kCols across, 0..kRows down).
struct Route {
    Shape pyramid, river, domes, peaks, snow;
    std::vector<Vec2> line;
};

Route routeIn(Vec2 o, float cell) {
    auto P = [&](float x, float y) { return o + Vec2{x * cell, y * cell}; };
    Route r{Shape::polygon({P(1.6f, 5.5f), P(3.0f, 8.5f), P(0.2f, 8.5f)}),
            Shape::circle(P(0, 0), 1),
            Shape::circle(P(0, 0), 1),
            Shape::polygon({P(8.2f, 3.4f), P(9.6f, 0.7f), P(10.3f, 1.7f), P(10.9f, 0.4f), P(12.0f, 3.4f)}),
            Shape::polygon({P(9.05f, 1.75f), P(9.6f, 0.7f), P(10.3f, 1.7f), P(10.9f, 0.4f), P(11.45f, 1.8f),
                            P(10.9f, 1.5f), P(10.35f, 2.1f), P(9.6f, 1.6f)}),
            {}};
    Path river;
    river.moveTo(P(4.4f, 0)).smoothThrough({P(4.0f, 2.4f), P(4.9f, 4.8f), P(4.2f, 7.0f), P(4.7f, 9.0f)});
    r.river = Shape::stroke(river.points(), {cell * 0.62f});
    Shape domes = Shape::rect(P(6.1f, 5.6f).x, P(6.1f, 5.6f).y, 2.6f * cell, 1.0f * cell);
    for (const Vec2 d : {Vec2{6.8f, 5.6f}, Vec2{7.9f, 5.6f}})
        domes =
            domes |
            (Shape::ellipse(P(d.x, d.y), 0.48f * cell, 0.62f * cell) &
             Shape::rect(P(d.x - 1, d.y - 1).x, P(d.x - 1, d.y - 1).y, 2 * cell, 1 * cell)) |
            Shape::polygon({P(d.x - 0.12f, d.y - 0.55f), P(d.x, d.y - 0.95f), P(d.x + 0.12f, d.y - 0.55f)});
    domes = domes | Shape::rect(P(8.55f, 4.2f).x, P(8.55f, 4.2f).y, 0.2f * cell, 2.4f * cell);
    r.domes = domes;
    r.line = {P(2.1f, 6.8f), P(3.4f, 6.3f), P(4.5f, 6.0f), P(5.6f, 6.7f), P(6.6f, 7.3f),
              P(8.2f, 7.1f), P(9.2f, 5.6f), P(9.5f, 4.2f), P(10.3f, 2.6f)};
    return r;
}

float toLine(Vec2 p, const std::vector<Vec2>& pts) {
    float best = 1e9f;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const Vec2 a = pts[i], ab = pts[i + 1] - a;
        const float t = clamp01(dot(p - a, ab) / dot(ab, ab));
        best = std::min(best, length(p - (a + ab * t)));
    }
    return best;
}

// The runs of uncovered cells along a row or column, as the clue numbers.
std::vector<int> runs(const std::vector<bool>& line) {
    std::vector<int> out;
    int n = 0;
    for (const bool b : line) {
        if (b) ++n;
        if (!b && n) out.push_back(n), n = 0;
    }
    if (n) out.push_back(n);
    if (out.empty()) out.push_back(0);
    return out;
}

const Font& clueFont() {
    static const Font f(requireFont(kSerifBold));
    return f;
}

// Numbers carved into the stone: a dark cut with a lit lower lip, filling with gold as the tablet wakes.
void carveText(Canvas& c, const std::string& t, Vec2 centre, float px, float glow) {
    Mask m(c.width(), c.height());
    const Rect ink = clueFont().inkBounds(t, px);
    clueFont().render(m, t, px, {centre.x - (ink.x0 + ink.x1) / 2, centre.y - (ink.y0 + ink.y1) / 2});
    c.paint(m.shifted(1, 1), hex(0xfff0c8, 0.6f));
    c.paint(m, mixOklab(hex(0x3a1c08), hex(0x8a4a10), glow));
}

}  // namespace

void tablet(Canvas& c, Rect box, float glow) {
    const float W = box.width(), H = box.height();
    // Which cells lie uncovered (those the route or a landmark passes through), worked out in grid units.
    const Route unit = routeIn({0, 0}, 1);
    std::vector<std::vector<bool>> open(kRows, std::vector<bool>(kCols));
    for (int j = 0; j < kRows; ++j)
        for (int i = 0; i < kCols; ++i) {
            const Vec2 m{i + 0.5f, j + 0.5f};
            const float d =
                std::min({toLine(m, unit.line) - 0.55f, unit.pyramid.distance(m), unit.domes.distance(m),
                          unit.peaks.distance(m), unit.river.distance(m) + 0.1f});
            open[j][i] = d < 0.05f;
        }
    std::vector<std::vector<int>> colClues, rowClues;
    size_t colMost = 1, rowMost = 1;
    for (int i = 0; i < kCols; ++i) {
        std::vector<bool> col;
        for (int j = 0; j < kRows; ++j) col.push_back(open[j][i]);
        colClues.push_back(runs(col));
        colMost = std::max(colMost, colClues.back().size());
    }
    for (int j = 0; j < kRows; ++j) {
        rowClues.push_back(runs(open[j]));
        rowMost = std::max(rowMost, rowClues.back().size());
    }
    // The slab, darkened with age towards its lower right and worn at the edges.
    const Shape slab = Shape::rect(box.x0, box.y0, W, H, W * 0.035f);
    c.paint(rast(slab.moved({W * 0.02f, W * 0.025f})).blurred(W * 0.02f), hex(0x1a0a04, 0.6f));
    inked(c, slab, hud::sandstone(box, 5301u), 2.0f);
    const Mask slabM = rast(slab);
    c.paint(slabM, Fill::linear({box.x0, box.y0}, {box.x1, box.y1}, {{0, hex(0xfff0d8)}, {1, hex(0x9a7050)}}),
            Blend::Multiply);
    Mask lip = slabM;
    lip.subtract(slabM.shifted(3, 3));
    c.paint(lip, hex(0xfff4d8, 0.6f));
    Mask heel = slabM;
    heel.subtract(slabM.shifted(-4, -4));
    c.paint(heel, hex(0x3a1a08, 0.5f));
    hud::groove(c, Shape::rect(box.x0 + W * 0.025f, box.y0 + W * 0.025f, W * 0.95f, H - W * 0.05f, W * 0.02f)
                       .outline(std::max(1.0f, W * 0.004f)));
    // The grid and its two clue bands, centred on the slab.
    const float margin = W * 0.06f, clueW = 0.5f, clueH = 0.55f;
    const float cell = std::min((W - 2 * margin) / (kCols + rowMost * clueW + 0.4f),
                                (H - 2 * margin) / (kRows + colMost * clueH + 0.4f));
    const float blockW = cell * (kCols + rowMost * clueW + 0.4f),
                blockH = cell * (kRows + colMost * clueH + 0.4f);
    const Vec2 o{box.centre().x + blockW / 2 - cell * kCols, box.centre().y + blockH / 2 - cell * kRows};
    const Shape bed =
        Shape::rect(o.x - cell * 0.08f, o.y - cell * 0.08f, cell * (kCols + 0.16f), cell * (kRows + 0.16f));
    c.paint(rast(bed), Fill::linear({o.x, o.y}, {o.x + cell * kCols, o.y + cell * kRows},
                                    {{0, hex(0x5a3a22)}, {1, hex(0x2e1a0e)}}));
    const Route r = routeIn(o, cell);
    // The engraved picture, seen only through the uncovered cells; lit from within as the tablet wakes.
    auto wake = [&](Color dim, Color bright) { return mixOklab(dim, bright, glow); };
    const Rect pb = r.pyramid.bounds();
    c.paint(rast(r.pyramid & bed),
            Fill::linear({pb.x0, pb.y0}, {pb.x1, pb.y1},
                         {{0, wake(hex(0xc8904a), hex(0xffe8a0))}, {1, wake(hex(0x7a4a24), pal::kGold)}}));
    c.paint(
        rast(Shape::polygon({{pb.centre().x, pb.y0}, {pb.x1, pb.y1}, {pb.centre().x + cell * 0.2f, pb.y1}}) &
             r.pyramid),
        hex(0x6a3a20, 0.45f));
    c.paint(rast(r.river & bed), Fill::vertical(o.y, o.y + cell * kRows,
                                                {{0, wake(hex(0x2a8a88), pal::kTurquoiseLight)},
                                                 {1, wake(hex(0x0a5a54), pal::kTurquoise)}}));
    c.paint(rast(r.domes),
            Fill::linear({o.x + cell * 6, o.y + cell * 4.5f}, {o.x + cell * 9, o.y + cell * 6.6f},
                         {{0, wake(hex(0x3ab0a0), pal::kTurquoiseLight)},
                          {1, wake(pal::kTurquoiseDeep, pal::kTurquoise)}}));
    c.paint(rast(r.peaks),
            Fill::linear({o.x + cell * 8, o.y}, {o.x + cell * 12, o.y + cell * 3.4f},
                         {{0, wake(hex(0x8a98b8), hex(0xb8e8f0))}, {1, wake(hex(0x3a4868), hex(0x4a9aa8))}}));
    c.paint(rast(r.snow), hex(0xf6f8ff));
    Mask lines(c.width(), c.height());
    for (const Shape* s : {&r.pyramid, &r.domes, &r.peaks, &r.river})
        s->outline(cell * 0.06f).drawInto(lines);
    lines.multiply(rast(bed));
    c.paint(lines, wake(hex(0x2e1508), hex(0xfff0b0)).fade(0.85f));
    // The route: a dashed line and a star at its end.
    Mask route(c.width(), c.height());
    float walked = 0;
    for (size_t i = 0; i + 1 < r.line.size(); ++i) {
        const Vec2 a = r.line[i], b = r.line[i + 1];
        const float len = length(b - a), step = cell * 0.08f;
        for (float t = 0; t < len; t += step, walked += step)
            if (std::fmod(walked, cell * 0.55f) < cell * 0.36f)
                Shape::line(a + (b - a) * (t / len), a + (b - a) * (std::min(len, t + step) / len),
                            cell * 0.16f)
                    .drawInto(route);
    }
    Shape::star(r.line.back() + Vec2{0, -cell * 0.1f}, 5, cell * 0.42f, cell * 0.18f).drawInto(route);
    c.paint(route.shifted(1, 2), hex(0x1a0a04, 0.6f));
    c.paint(route, wake(hex(0xd08a30), hex(0xfffbe0)));

    Mask covered(c.width(), c.height()), openM(c.width(), c.height()), blue(c.width(), c.height());
    for (int j = 0; j < kRows; ++j)
        for (int i = 0; i < kCols; ++i) {
            const Shape sq = Shape::rect(o.x + i * cell + cell * 0.05f, o.y + j * cell + cell * 0.05f,
                                         cell * 0.9f, cell * 0.9f, cell * 0.06f);
            const Vec2 m{i + 0.5f, j + 0.5f};
            if (!open[j][i]) {
                sq.drawInto(covered);
            } else {
                sq.drawInto(openM);
                if (unit.river.distance(m) < 0.4f || unit.peaks.distance(m) < 0 || unit.domes.distance(m) < 0)
                    sq.drawInto(blue);
            }
        }
    // The raised covers, each a little stone block lit from the top left.
    const int sh = static_cast<int>(cell * 0.06f) + 1;
    c.paint(covered.shifted(sh, sh + 1).blurred(cell * 0.05f), hex(0x1a0a04, 0.6f));
    c.paint(covered, hud::sandstone({o.x, o.y, o.x + cell * kCols, o.y + cell * kRows}, 5302u));
    c.paint(covered,
            Fill::linear({box.x0, box.y0}, {box.x1, box.y1}, {{0, hex(0xfff0d8)}, {1, hex(0x9a7050)}}),
            Blend::Multiply);
    Mask top = covered;
    top.subtract(covered.shifted(2, 2));
    c.paint(top, hex(0xfff0c8, 0.6f));
    Mask foot = covered;
    foot.subtract(covered.shifted(-2, -2));
    c.paint(foot, hex(0x3a1a08, 0.5f));
    // The uncovered cells: sunk, their upper edges in shadow, alight with the glow.
    Mask edge = openM;
    edge.subtract(openM.shifted(3, 3));
    c.paint(edge, hex(0x1a0a04, 0.6f));
    if (glow > 0) {
        Mask gold = openM;
        gold.subtract(blue);
        Mask halo = gold;
        halo.blur(cell * 0.45f);
        c.paint(halo, hex(0xffb840, 0.6f * glow), Blend::Screen);
        Mask cyan = blue;
        cyan.blur(cell * 0.45f);
        c.paint(cyan, hex(0x40e8d8, 0.5f * glow), Blend::Screen);
        c.paint(gold, pal::kGold.fade(0.3f * glow), Blend::Screen);
        c.paint(blue, pal::kTurquoise.fade(0.3f * glow), Blend::Screen);
        Mask hot = route;
        hot.blur(cell * 0.12f);
        c.paint(hot, hex(0xfff0b0, 0.8f * glow), Blend::Screen);
    }
    // The clues: columns above the grid, rows to its left.
    const float px = cell * 0.48f;
    for (int i = 0; i < kCols; ++i) {
        const std::vector<int>& n = colClues[i];
        for (size_t k = 0; k < n.size(); ++k)
            carveText(c, std::to_string(n[k]),
                      {o.x + (i + 0.5f) * cell, o.y - cell * (0.42f + (n.size() - 1 - k) * clueH)}, px, glow);
    }
    for (int j = 0; j < kRows; ++j) {
        const std::vector<int>& n = rowClues[j];
        for (size_t k = 0; k < n.size(); ++k)
            carveText(c, std::to_string(n[k]),
                      {o.x - cell * (0.4f + (n.size() - 1 - k) * clueW), o.y + (j + 0.5f) * cell}, px, glow);
    }
}

void pictureStone(Canvas& c, Rect box, float glow) {
    static const char* kPicture[] = {"#...#", "##.##", "#####", ".###.", "..#.."};
    const float W = box.width();
    const Shape slab = Shape::rect(box.x0, box.y0, W, box.height(), W * 0.08f);
    c.paint(rast(slab.moved({W * 0.04f, W * 0.05f})).blurred(W * 0.04f), hex(0x1a0a04, 0.5f));
    inked(c, slab, hud::sandstone(box, 5303u), std::max(1.2f, W * 0.012f));
    const float cell = W * 0.15f;
    const Vec2 o = box.centre() - Vec2{cell * 2.5f, cell * 2.5f};
    Mask on(c.width(), c.height()), off(c.width(), c.height());
    for (int j = 0; j < 5; ++j)
        for (int i = 0; i < 5; ++i)
            Shape::rect(o.x + i * cell + cell * 0.08f, o.y + j * cell + cell * 0.08f, cell * 0.84f,
                        cell * 0.84f, cell * 0.1f)
                .drawInto(kPicture[j][i] == '#' ? on : off);
    c.paint(off, hex(0x6a4424, 0.5f));
    Mask lit = off;
    lit.subtract(off.shifted(-2, -2));
    c.paint(lit, hex(0xfff0c8, 0.4f));
    c.paint(on, hud::gold(o.y, o.y + cell * 5));
    Mask shine = on;
    shine.subtract(on.shifted(2, 2));
    c.paint(shine, hex(0xfffbe8, 0.6f));
    if (glow > 0) {
        Mask halo = on;
        halo.blur(cell * 0.5f);
        c.paint(halo, hex(0xffd060, 0.6f * glow), Blend::Screen);
    }
}

}  // namespace gen::slides
