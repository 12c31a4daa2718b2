// The piece cutter: a grid of classic jigsaw pieces, a round knob on every inner edge and its hole in the
// neighbour, each sample of the picture owned by exactly one piece so that the pieces tile it exactly.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "jigsaw_art.h"
#include "paint/Effects.h"
#include "paint/Field.h"
#include "paint/Mask.h"
#include "paint/Noise.h"
#include "paint/Shape.h"

namespace gen::jigsaw {

namespace {

constexpr int kSub = 5;  // samples per pixel along each side

// One inner edge: the knob of the piece `tab` reaching into the piece `hole`, and the region of the hole's
// cell that the knob takes (the knob melted into the tab's cell, so its neck widens into the edge).
struct Edge {
    int tab = 0, hole = 0;
    Shape region = Shape::circle({}, 0);
    Rect box;
};

struct Grid {
    int cols, rows;
    float cw, ch;
    Rect cell(int c, int r) const { return {c * cw, r * ch, (c + 1) * cw, (r + 1) * ch}; }
};

// A knob on the edge from `from` along `along` (length `len`) into the side `into` points to.
Edge knob(const Grid& g, int tab, int hole, Vec2 from, Vec2 along, float len, Vec2 into, Rng& rng) {
    const float k = std::min(g.cw, g.ch);
    const float r = k * 0.12f * rng.range(0.9f, 1.1f);
    const float tip = k * rng.range(0.22f, 0.26f);
    const float neck = r * rng.range(0.56f, 0.66f);
    const Vec2 foot = from + along * (len * (0.5f + rng.range(-0.07f, 0.07f)));
    const Vec2 head = foot + into * (tip - r) + along * (k * rng.range(-0.025f, 0.025f));
    const Shape bulb =
        Shape::circle(head, r).blend(Shape::line(foot - into * (k * 0.05f), head, 2 * neck), k * 0.04f);
    const Rect own = g.cell(tab % g.cols, tab / g.cols);
    Edge e;
    e.tab = tab;
    e.hole = hole;
    e.region = Shape::rect(own.x0, own.y0, own.width(), own.height()).blend(bulb, k * 0.06f);
    e.box = bulb.bounds().expanded(k * 0.08f);
    return e;
}

// The knobs of every inner edge, each pointing one way or the other at random.
std::vector<Edge> edges(const Grid& g, uint32_t seed) {
    Rng rng(seed);
    std::vector<Edge> out;
    for (int r = 0; r < g.rows; ++r)
        for (int c = 0; c < g.cols; ++c) {
            const int me = r * g.cols + c;
            if (c + 1 < g.cols) {  // the edge to the right
                const bool mine = rng.uniform() < 0.5f;
                const int other = me + 1;
                out.push_back(knob(g, mine ? me : other, mine ? other : me, {(c + 1) * g.cw, r * g.ch},
                                   {0, 1}, g.ch, {mine ? 1.0f : -1.0f, 0}, rng));
            }
            if (r + 1 < g.rows) {  // the edge below
                const bool mine = rng.uniform() < 0.5f;
                const int other = me + g.cols;
                out.push_back(knob(g, mine ? me : other, mine ? other : me, {c * g.cw, (r + 1) * g.ch},
                                   {1, 0}, g.cw, {0, mine ? 1.0f : -1.0f}, rng));
            }
        }
    return out;
}

// Which piece owns each sample of the picture, kSub × kSub samples per pixel.
std::vector<int> owners(const Grid& g, const std::vector<Edge>& es, int w, int h) {
    const int sw = w * kSub, sh = h * kSub;
    std::vector<int> own(static_cast<size_t>(sw) * sh);
    for (int y = 0; y < sh; ++y)
        for (int x = 0; x < sw; ++x) {
            const Vec2 p{(x + 0.5f) / kSub, (y + 0.5f) / kSub};
            const int c = std::min(g.cols - 1, static_cast<int>(p.x / g.cw));
            const int r = std::min(g.rows - 1, static_cast<int>(p.y / g.ch));
            int who = r * g.cols + c;
            for (const Edge& e : es)
                if (e.hole == r * g.cols + c && p.x >= e.box.x0 && p.x <= e.box.x1 && p.y >= e.box.y0 &&
                    p.y <= e.box.y1 && e.region.distance(p) < 0)
                    who = e.tab;
            own[static_cast<size_t>(y) * sw + x] = who;
        }
    return own;
}

}  // namespace

int marginFor(int cellSize) {
    return static_cast<int>(std::lround(cellSize * 0.3f));
}

std::vector<Piece> cutPieces(const Canvas& picture, int cols, int rows, uint32_t seed) {
    const int w = picture.width(), h = picture.height();
    const Grid g{cols, rows, static_cast<float>(w) / cols, static_cast<float>(h) / rows};
    const int cw = w / cols, ch = h / rows, mx = marginFor(cw), my = marginFor(ch);
    const std::vector<int> own = owners(g, edges(g, seed), w, h);
    const int sw = w * kSub;

    std::vector<Piece> pieces;
    std::vector<float> sum(static_cast<size_t>(w) * h);
    for (int i = 0; i < cols * rows; ++i) {
        Piece pc;
        pc.col = i % cols;
        pc.row = i / cols;
        const int ox = pc.col * cw - mx, oy = pc.row * ch - my, pw = cw + 2 * mx, ph = ch + 2 * my;
        pc.origin = {static_cast<float>(ox), static_cast<float>(oy)};
        Mask hires(pw * kSub, ph * kSub);
        for (int y = 0; y < ph * kSub; ++y)
            for (int x = 0; x < pw * kSub; ++x) {
                const int gx = x + ox * kSub, gy = y + oy * kSub;
                if (gx >= 0 && gy >= 0 && gx < sw && gy < h * kSub &&
                    own[static_cast<size_t>(gy) * sw + gx] == i)
                    hires.at(x, y) = 1;
            }
        const Mask cover = hires.downsampled(kSub);
        pc.image = Canvas(pw, ph);
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x) {
                const float a = cover.at(x, y);
                if (a <= 0) continue;
                const Pixel& s = picture.at(x + ox, y + oy);
                pc.image.at(x, y) = {s.r * a, s.g * a, s.b * a, s.a * a};
                sum[static_cast<size_t>(y + oy) * w + x + ox] += a;
            }
        // Cardboard: a thin lit edge at the top left and a dark one at the bottom right.
        bevel(pc.image, Field::fromMask(hires, kSub), Bevel{2.2f, 0.42f, 0.5f, true});
        pieces.push_back(std::move(pc));
    }
    // Together the pieces cover every pixel once: no gap, no overlap, no knob cut off by its margin.
    for (const float a : sum)
        if (std::abs(a - 1.0f) > 1e-4f) throw std::runtime_error("jigsaw pieces do not tile the picture");
    return pieces;
}

}  // namespace gen::jigsaw
