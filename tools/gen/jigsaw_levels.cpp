// The jigsaw levels' files: every piece's place in the board's field and where it lies at the start,
// scattered round the board in the free strips left, right and below it.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <stdexcept>

#include "jigsaw_art.h"
#include "paint/Noise.h"

namespace gen::jigsaw {

namespace {

constexpr int kScreenW = 1024, kScreenH = 768;
constexpr int kBelowPanel = 75;   // the top panel covers the screen above this line
constexpr float kMinTravel = 60;  // no piece starts closer than this to its place

// Where a piece's cell may lie at the start: beside the board and under it.
constexpr std::array<Rect, 3> kStrips{{{6, 80, 232, 762}, {792, 80, 1018, 762}, {232, 612, 792, 762}}};

// Cell corners spread evenly over each strip, `gap` apart, so that no strip holds a pile of pieces.
std::vector<Vec2> slots(const std::vector<Rect>& ranges, int cw, int ch, float gap) {
    std::vector<Vec2> out;
    for (const Rect& r : ranges) {
        const int nx = 1 + static_cast<int>(r.width() / (cw + gap)),
                  ny = 1 + static_cast<int>(r.height() / (ch + gap));
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i)
                out.push_back({nx > 1 ? r.x0 + r.width() * i / (nx - 1) : (r.x0 + r.x1) / 2,
                               ny > 1 ? r.y0 + r.height() * j / (ny - 1) : (r.y0 + r.y1) / 2});
    }
    return out;
}

// Starting corners for pieces of pw × ph with cells cw × ch inside margins mx, my: each piece takes a
// random free slot in the strips, none near its own place, and is nudged a little off it.
std::vector<Vec2> scatter(const std::vector<Vec2>& places, int pw, int ph, int mx, int my, int cw, int ch,
                          uint32_t seed) {
    // The ranges of the cell's corner per strip, with the whole picture on the screen under the panel.
    std::vector<Rect> ranges;
    for (const Rect& s : kStrips) {
        const Rect r{std::max(s.x0, static_cast<float>(mx)),
                     std::max(s.y0, static_cast<float>(kBelowPanel + my)),
                     std::min(s.x1 - cw, static_cast<float>(kScreenW - pw + mx)),
                     std::min(s.y1 - ch, static_cast<float>(kScreenH - ph + my))};
        if (r.x1 >= r.x0 && r.y1 >= r.y0) ranges.push_back(r);
    }
    const size_t n = places.size();
    // Closer slots when the strips cannot hold every piece apart: then pieces overlap a little.
    std::vector<Vec2> free;
    for (float gap = 6; free.size() < n + n / 4; gap -= 8) free = slots(ranges, cw, ch, gap);

    Rng rng(seed);
    for (size_t i = free.size() - 1; i > 0; --i) std::swap(free[i], free[rng.next() % (i + 1)]);
    std::vector<Vec2> start(n);
    const Vec2 margin{static_cast<float>(mx), static_cast<float>(my)};
    for (size_t i = 0; i < n; ++i) {
        size_t k = 0;
        while (k < free.size() && length(free[k] - margin - places[i]) < kMinTravel + 15) ++k;
        if (k == free.size()) throw std::runtime_error("no room to lay out the jigsaw's pieces");
        Vec2 corner = free[k] + Vec2{rng.range(-10, 10), rng.range(-10, 10)};
        free.erase(free.begin() + static_cast<std::ptrdiff_t>(k));
        for (const Rect& r : ranges)  // back into its strip if the nudge pushed it out
            if (corner.x >= r.x0 - 10 && corner.x <= r.x1 + 10 && corner.y >= r.y0 - 10 &&
                corner.y <= r.y1 + 10) {
                corner = {std::clamp(corner.x, r.x0, r.x1), std::clamp(corner.y, r.y0, r.y1)};
                break;
            }
        start[i] = {std::round(corner.x - margin.x), std::round(corner.y - margin.y)};
    }
    return start;
}

}  // namespace

std::string levelFile(int index, const std::vector<Piece>& pieces, int cellW, int cellH) {
    const int mx = marginFor(cellW), my = marginFor(cellH);
    const int pw = cellW + 2 * mx, ph = cellH + 2 * my;
    std::vector<Vec2> places;
    for (const Piece& p : pieces) places.push_back(p.origin + Vec2{kFieldX, kFieldY});
    const std::vector<Vec2> start =
        scatter(places, pw, ph, mx, my, cellW, cellH, 4100u + static_cast<uint32_t>(index));
    for (size_t i = 0; i < start.size(); ++i)
        if (start[i].x < 0 || start[i].y < kBelowPanel || start[i].x + pw > kScreenW ||
            start[i].y + ph > kScreenH || length(start[i] - places[i]) < kMinTravel)
            throw std::runtime_error("a jigsaw piece starts off the screen or at its place");

    const int k = index + 1;
    auto num = [](float v) { return static_cast<int>(std::lround(v)); };
    std::ostringstream o;
    o << "puzzleLevel {\n"
      << "\ttitle = " << kLevels[index].title << "\n"
      << "\timg = \"gfx/miniGames/Puzzle/picture" << k << ".jpg\"\n"
      << "\tpoint = 0, 0\n\ttime = 0\n"
      << "\ti = " << pieces.size() << "\n";
    for (size_t i = 0; i < pieces.size(); ++i) {
        o << "\tpuzzle" << i + 1 << " {\n"
          << "\t\tid = " << i + 1 << "\n"
          << "\t\turl = \"gfx/miniGames/Puzzle/puzzle" << k << "/piece" << i + 1 << ".png\"\n"
          << "\t\tposition = " << num(places[i].x) << ", " << num(places[i].y) << "\n"
          << "\t\tdim = " << num(start[i].x) << ", " << num(start[i].y) << "\n"
          << "\t\tputOk = 0\n"
          << "\t}\n";
    }
    o << "}\n";
    return o.str();
}

}  // namespace gen::jigsaw
