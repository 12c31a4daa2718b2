// Reads the driver's grabs back and measures rectangles of them: mean colour, brightness, difference.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "engine/Engine.h"

// A rectangle in logical coordinates (the grabs are 1024 x 768).
struct Rect {
    int x = 0, y = 0, w = 1024, h = 768;
};

// The smallest rectangle holding both.
constexpr Rect span(Rect a, Rect b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.w, b.x + b.w) - x, std::max(a.y + a.h, b.y + b.h) - y};
}

// Where the driver said the cells landed ("cell 0,0 at X,Y; pitch W x H"): the point to aim at in cell
// (r, c), and the square of the cell around it; a gap of 4 follows every fifth row and column.
struct CellGrid {
    int x0 = 0, y0 = 0, w = 0, h = 0;
    int x(int c) const { return x0 + c * w + 4 * (c / 5); }
    int y(int r) const { return y0 + r * h + 4 * (r / 5); }
    // The cell less `inset` on every side, so edges and neighbours stay out of a measurement.
    Rect cell(int r, int c, int inset) const {
        return {x(c) - w / 2 + inset, y(r) - h / 2 + inset, w - 2 * inset, h - 2 * inset};
    }
};

// Reads the grid from the driver's output; false when the output has no such line.
inline bool findCellGrid(const std::string& output, CellGrid& grid) {
    std::smatch m;
    if (!std::regex_search(output, m, std::regex(R"(cell 0,0 at (\d+),(\d+); pitch (\d+) x (\d+))")))
        return false;
    grid = {std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])};
    return true;
}

struct Colour {
    double r = 0, g = 0, b = 0;
    double brightness() const { return (r + g + b) / 3.0; }
};

// The grab NAME.png in `folder`; null when it is missing or cannot be read.
inline eng::Pixmap loadGrab(const std::string& folder, const std::string& name) {
    return eng::LoadPixmap(folder + "/" + name + ".png");
}

namespace grabs_detail {
// Calls f(pixel) for every pixel of `r` that lies inside the picture and returns how many there were.
template <typename F>
long forEachPixel(const eng::PixmapData& pm, Rect r, F&& f) {
    const int x0 = std::max(r.x, 0), x1 = std::min(r.x + r.w, pm.width);
    const int y0 = std::max(r.y, 0), y1 = std::min(r.y + r.h, pm.height);
    long n = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x, ++n) f(&pm.rgba[(static_cast<size_t>(y) * pm.width + x) * 4]);
    return n;
}
}  // namespace grabs_detail

inline Colour meanColour(const eng::Pixmap& pm, Rect r = {}) {
    Colour sum;
    const long n = grabs_detail::forEachPixel(*pm, r, [&](const uint8_t* p) {
        sum.r += p[0];
        sum.g += p[1];
        sum.b += p[2];
    });
    if (n == 0) return sum;
    return {sum.r / n, sum.g / n, sum.b / n};
}

inline double meanBrightness(const eng::Pixmap& pm, Rect r = {}) {
    return meanColour(pm, r).brightness();
}

// How far two grabs of the same size differ inside `r`: the mean over its pixels of the mean absolute
// difference of the three channels, 0 (equal) to 255.
inline double meanDifference(const eng::Pixmap& a, const eng::Pixmap& b, Rect r = {}) {
    if (a->width != b->width || a->height != b->height) return 255;
    double sum = 0;
    const long n = grabs_detail::forEachPixel(*a, r, [&](const uint8_t* p) {
        const uint8_t* q = b->rgba.data() + (p - a->rgba.data());
        sum += (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2])) / 3.0;
    });
    return n == 0 ? 0 : sum / n;
}
